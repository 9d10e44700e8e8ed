// The print dialog wrapper: the settings it fetches and returns, and the page-loop record.
#include "framework/CPrintInfo.h"
#include "support/PrintTestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>

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

struct SettingsBlockCase
{
    const char* what;
    WORD publicSize;   // dmSize
    WORD driverExtra;  // dmDriverExtra
    size_t memory;     // bytes of the global memory block
    size_t copied;     // dmSize + dmDriverExtra of the copy; 0 when it stays empty
};

// The driver reads its private part right after the public fields: a copy that is handed to
// ResetDC or CreateDC must hold all of it.
TEST(PrintDialog, SettingsCopyHoldsTheWholeBlockWithTheDriversPrivatePart)
{
    const WORD full = sizeof(DEVMODEA);
    const WORD older = offsetof(DEVMODEA, dmFormName);
    const SettingsBlockCase cases[] = {
        {"private part", full, 24, full + 24u, full + 24u},
        {"no private part", full, 0, full, full},
        {"older public part, then private", older, 16, older + 16u, older + 16u},
        {"private part past the end of the memory", full, 4000, full + 24u, full},
        {"public part past the end of the memory", full, 0, full - 20u, 0},
    };
    for (const SettingsBlockCase& block : cases) {
        SCOPED_TRACE(block.what);
        CPrintDialog dialog(FALSE);
        dialog.m_pd.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, block.memory);
        BYTE* bytes = static_cast<BYTE*>(::GlobalLock(dialog.m_pd.hDevMode));
        ASSERT_NE(nullptr, bytes);
        for (size_t i = 0; i < block.memory; ++i)
            bytes[i] = static_cast<BYTE>(0xA5 ^ i);
        DEVMODEA* source = reinterpret_cast<DEVMODEA*>(bytes);
        source->dmSize = block.publicSize;
        source->dmDriverExtra = block.driverExtra;
        source->dmCopies = 3;
        ::GlobalUnlock(dialog.m_pd.hDevMode);

        const CDevMode copy = dialog.GetDevMode();
        ASSERT_EQ(block.copied, copy.GetSize());
        if (block.copied == 0) {
            EXPECT_EQ(nullptr, copy.Get());
            continue;
        }
        const BYTE* copied = reinterpret_cast<const BYTE*>(copy.Get());
        for (size_t i = offsetof(DEVMODEA, dmFields); i < block.copied; ++i)
            ASSERT_EQ(bytes[i], copied[i]) << "byte " << i;
        EXPECT_EQ(block.publicSize, copy.Get()->dmSize);
        EXPECT_EQ(block.copied - block.publicSize, copy.Get()->dmDriverExtra);
        EXPECT_EQ(3, copy.Get()->dmCopies);
        EXPECT_EQ(3, dialog.GetCopies());
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
    const CDevMode devMode = dialog.GetDevMode();
    ASSERT_FALSE(devMode.IsEmpty());
    EXPECT_STREQ(dialog.GetDeviceName(), reinterpret_cast<const char*>(devMode.Get()->dmDeviceName));
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
