// Counts of the process's live GDI objects and windows, for leak checks.
#include "GuiObjectCount.h"

#include <winternl.h>

namespace
{
// One slot of the GDI handle table that the process environment block points at.
struct GdiHandleEntry
{
    ULONG64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;  // 0: free slot
    UCHAR flags;
    ULONG64 userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry layout");

const size_t kGdiHandleTableSlots = 0x10000;
const size_t kPebGdiSharedHandleTable = 0xF8;  // offset in the 64-bit process environment block

DWORD CountGdiHandleTable()
{
    // GCC 12 takes the header's read of the thread block at gs:0x30 for a read through a null
    // pointer and warns that it is out of bounds; the read is how the block is found on x64.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
    const BYTE* peb = reinterpret_cast<const BYTE*>(NtCurrentTeb()->ProcessEnvironmentBlock);
#pragma GCC diagnostic pop
    const GdiHandleEntry* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiSharedHandleTable);
    if (table == nullptr)
        return 0;
    DWORD count = 0;
    for (size_t i = 0; i < kGdiHandleTableSlots; ++i)
        count += table[i].type != 0 ? 1 : 0;
    return count;
}

BOOL CALLBACK CountWindow(HWND hWnd, LPARAM counter)
{
    ++*reinterpret_cast<DWORD*>(counter);
    ::EnumChildWindows(hWnd, [](HWND, LPARAM c) -> BOOL { ++*reinterpret_cast<DWORD*>(c); return TRUE; }, counter);
    return TRUE;
}
}  // namespace

DWORD LiveGdiObjects()
{
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    return reported != 0 ? reported : CountGdiHandleTable();
}

DWORD LiveUserObjects()
{
    const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    if (reported != 0)
        return reported;
    DWORD windows = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
