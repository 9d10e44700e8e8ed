// Wrappers of common controls register the classes they create: Windows registers a common
// control's class only when InitCommonControlsEx asks for it (Wine registers them all when
// comctl32 loads, so only the request itself can be seen here).
#include "framework/CDateTimeCtrl.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>

namespace {

using InitCommonControlsExProc = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// Stands in for comctl32's InitCommonControlsEx in this program's import table while it lives,
// noting every class set asked for.
class InitCommonControlsRecorder
{
public:
    InitCommonControlsRecorder() : m_slot(FindImportSlot())
    {
        if (m_slot != nullptr) {
            s_original = reinterpret_cast<InitCommonControlsExProc>(*m_slot);
            Patch(reinterpret_cast<ULONG_PTR>(&Record));
        }
        s_requested = 0;
    }
    ~InitCommonControlsRecorder()
    {
        if (m_slot != nullptr)
            Patch(reinterpret_cast<ULONG_PTR>(s_original));
    }
    InitCommonControlsRecorder(const InitCommonControlsRecorder&) = delete;
    InitCommonControlsRecorder& operator=(const InitCommonControlsRecorder&) = delete;

    bool Installed() const { return m_slot != nullptr; }
    static DWORD Requested() { return s_requested; }

private:
    static BOOL WINAPI Record(const INITCOMMONCONTROLSEX* classes)
    {
        if (classes != nullptr)
            s_requested |= classes->dwICC;
        return s_original(classes);
    }

    static ULONG_PTR* FindImportSlot()
    {
        BYTE* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        auto* module = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
        for (; module->Name != 0; ++module) {
            if (lstrcmpiA(reinterpret_cast<const char*>(base + module->Name), "comctl32.dll") != 0)
                continue;
            auto* name = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
            auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
            for (; name->u1.AddressOfData != 0; ++name, ++slot) {
                if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal))
                    continue;
                auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "InitCommonControlsEx") == 0)
                    return reinterpret_cast<ULONG_PTR*>(&slot->u1.Function);
            }
        }
        return nullptr;
    }

    void Patch(ULONG_PTR function)
    {
        DWORD protection = 0;
        ::VirtualProtect(m_slot, sizeof *m_slot, PAGE_READWRITE, &protection);
        *m_slot = function;
        ::VirtualProtect(m_slot, sizeof *m_slot, protection, &protection);
    }

    ULONG_PTR* m_slot;
    static InitCommonControlsExProc s_original;
    static DWORD s_requested;
};

InitCommonControlsExProc InitCommonControlsRecorder::s_original = nullptr;
DWORD InitCommonControlsRecorder::s_requested = 0;

TEST(CommonControls, CreatingADatePickerAsksForItsClass)
{
    InitCommonControlsRecorder recorder;
    ASSERT_TRUE(recorder.Installed()) << "nothing in the program asks for common-control classes";
    // A start-up that registers the Windows 95 set, as the program's does, leaves the picker out.
    INITCOMMONCONTROLSEX windows95 = {sizeof windows95, ICC_WIN95_CLASSES};
    ASSERT_TRUE(::InitCommonControlsEx(&windows95));
    ASSERT_EQ(static_cast<DWORD>(ICC_WIN95_CLASSES), recorder.Requested());

    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &parent, 100));
    EXPECT_TRUE(recorder.Requested() & ICC_DATE_CLASSES);
    parent.DestroyWindow();
}

}  // namespace
