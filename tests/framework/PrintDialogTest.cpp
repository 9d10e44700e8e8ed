// The print dialog wrapper: the settings it fetches and returns, and the page-loop record.
#include "framework/CPrintInfo.h"
#include "support/PrintTestSupport.h"

#include <gtest/gtest.h>

namespace
{
struct FlagCase
{
    BOOL setupOnly;
    DWORD added;
};

TEST(PrintDialog, PrintDialogsReturnADcAndSetupDialogsDoNot)
{
    const FlagCase cases[] = {{FALSE, PD_RETURNDC}, {TRUE, PD_PRINTSETUP}};
    for (const FlagCase& flagCase : cases)
    {
        CPrintDialog dialog(flagCase.setupOnly, PD_NOSELECTION);
        EXPECT_EQ(PD_NOSELECTION | flagCase.added, dialog.m_pd.Flags);
        EXPECT_EQ(sizeof(PRINTDLGA), dialog.m_pd.lStructSize);
    }
}

struct CopiesCase
{
    DWORD flags;
    short devModeCopies;
    WORD dialogCopies;
    int copies;
};

TEST(PrintDialog, CopiesComeFromTheSettingsWhenTheyHoldThem)
{
    if (!HaveDefaultPrinter())
        GTEST_SKIP() << "no printer";
    const CopiesCase cases[] = {
        {PD_USEDEVMODECOPIES, 3, 1, 3},
        {0, 3, 2, 2},
    };
    for (const CopiesCase& copiesCase : cases)
    {
        CPrintDialog dialog(FALSE, copiesCase.flags);
        ASSERT_TRUE(dialog.GetDefaults());
        dialog.LockDevMode()->dmCopies = copiesCase.devModeCopies;
        dialog.ReleaseDevMode();
        dialog.m_pd.nCopies = copiesCase.dialogCopies;
        EXPECT_EQ(copiesCase.copies, dialog.GetCopies());
    }
}

TEST(PrintDialog, DefaultsNameThePrinterAndCanBeFetchedAgain)
{
    if (!HaveDefaultPrinter())
        GTEST_SKIP() << "no printer";
    CPrintDialog dialog(FALSE);
    ASSERT_TRUE(dialog.GetDefaults());
    EXPECT_TRUE(dialog.m_pd.Flags & PD_RETURNDEFAULT);
    EXPECT_NE(nullptr, dialog.GetPrinterDC());
    // Settings already there would make the platform refuse the defaults.
    ASSERT_TRUE(dialog.GetDefaults());
    EXPECT_FALSE(dialog.GetDeviceName().IsEmpty());
    EXPECT_FALSE(dialog.GetDriverName().IsEmpty());
    DEVMODEA devMode;
    ASSERT_TRUE(dialog.GetDevMode(devMode));
    EXPECT_STREQ(dialog.GetDeviceName(), reinterpret_cast<const char*>(devMode.dmDeviceName));
    EXPECT_NE(nullptr, dialog.CreatePrinterDC());
    EXPECT_GT(::GetDeviceCaps(dialog.GetPrinterDC(), HORZRES), 0);
}

TEST(PrintDialog, DestroyedDialogGivesBackTheDcItStillHolds)
{
    if (!HaveDefaultPrinter())
        GTEST_SKIP() << "no printer";
    HDC kept = nullptr;
    HDC taken = nullptr;
    {
        CPrintDialog holding(FALSE);
        ASSERT_TRUE(holding.GetDefaults());
        kept = holding.GetPrinterDC();
        CPrintDialog handing(FALSE);
        ASSERT_TRUE(handing.GetDefaults());
        taken = handing.DetachPrinterDC();
        ASSERT_NE(nullptr, kept);
        ASSERT_NE(nullptr, taken);
    }
    EXPECT_EQ(0u, ::GetObjectType(kept));
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), ::GetObjectType(taken));
    ::DeleteDC(taken);
}

TEST(PrintDialog, CancelReturnsNoDc)
{
    if (!HaveDefaultPrinter())
        GTEST_SKIP() << "no printer";
    CPrintDialogAnswer answer(CPrintDialogAnswer::Button::Cancel);
    CPrintDialog dialog(FALSE);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(1, answer.DialogsAnswered());
    EXPECT_EQ(nullptr, dialog.GetPrinterDC());
}

TEST(PrintInfo, RecordStartsWithPagesOneTo65535)
{
    CPrintInfo info;
    EXPECT_EQ(1u, info.GetMinPage());
    EXPECT_EQ(65535u, info.GetMaxPage());
    EXPECT_EQ(1u, info.m_nCurPage);
    info.SetMaxPage(1);
    EXPECT_EQ(1u, info.GetMaxPage());
}
}  // namespace
