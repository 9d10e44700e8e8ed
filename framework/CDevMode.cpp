#include "framework/CDevMode.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// The fields up to dmDriverExtra say how long the block is.
const size_t kLengthFieldsEnd = offsetof(DEVMODEA, dmDriverExtra) + sizeof(WORD);

}  // namespace

CDevMode::CDevMode(HGLOBAL settings)
{
    const DEVMODEA* source = settings != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(settings)) : nullptr;
    if (source == nullptr)
        return;
    const size_t available = ::GlobalSize(settings);
    if (available >= kLengthFieldsEnd && source->dmSize >= kLengthFieldsEnd && source->dmSize <= available) {
        size_t size = source->dmSize + source->dmDriverExtra;
        if (size > available)
            size = source->dmSize;
        m_block.assign(std::max(size, sizeof(DEVMODEA)), 0);
        std::memcpy(m_block.data(), source, size);
        if (size == source->dmSize)
            Get()->dmDriverExtra = 0;
    }
    ::GlobalUnlock(settings);
}

size_t CDevMode::GetSize() const
{
    const DEVMODEA* devMode = Get();
    return devMode != nullptr ? devMode->dmSize + devMode->dmDriverExtra : 0;
}
