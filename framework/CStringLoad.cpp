// The string-table half of CString: the only part that needs the platform.
#include "framework/CString.h"

#include <windows.h>

#include <vector>

#undef LoadString

bool CString::LoadString(unsigned int id)
{
    // The narrow call cannot report the text's length up front: grow until the text fits.
    for (int size = 256; size <= 65536; size *= 4) {
        std::vector<char> buffer(static_cast<size_t>(size));
        const int copied = ::LoadStringA(::GetModuleHandleA(nullptr), id, buffer.data(), size);
        if (copied <= 0)
            return false;
        if (copied < size - 1) {
            m_str.assign(buffer.data(), static_cast<size_t>(copied));
            return true;
        }
    }
    return false;
}
