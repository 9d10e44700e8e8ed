// A printer's settings held by value: the public DEVMODE fields and the driver's private part
// that follows them, dmSize + dmDriverExtra bytes, which is what ResetDC and CreateDC read.
#pragma once

#include <windows.h>

#include <vector>

class CDevMode
{
public:
    CDevMode() = default;
    // Copies the whole block held in settings (a global memory handle, may be null). A private
    // part that runs past the end of the memory is dropped; a block whose public part does not
    // fit leaves the copy empty.
    explicit CDevMode(HGLOBAL settings);

    bool IsEmpty() const { return m_block.empty(); }
    // The settings, or null when empty. Every DEVMODEA field is readable, even when the driver's
    // dmSize is shorter than the structure.
    DEVMODEA* Get() { return IsEmpty() ? nullptr : reinterpret_cast<DEVMODEA*>(m_block.data()); }
    const DEVMODEA* Get() const { return IsEmpty() ? nullptr : reinterpret_cast<const DEVMODEA*>(m_block.data()); }
    // dmSize + dmDriverExtra: the bytes a consumer of the settings reads; 0 when empty.
    size_t GetSize() const;

private:
    std::vector<BYTE> m_block;
};
