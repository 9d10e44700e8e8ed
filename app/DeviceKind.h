// The three kinds of cold-storage unit and what each sets: caption and the graph's range.
#pragma once

enum class DeviceKind
{
    UltFreezer = 1,
    Freezer = 2,
    Refrigerator = 3,
};

struct DeviceKindInfo
{
    const char* pszCaption;
    int nYMin;
    int nYMax;
};

// An unknown kind has an empty caption and the range 0 to 0.
inline const DeviceKindInfo& GetDeviceKindInfo(int nKind)
{
    static const DeviceKindInfo kinds[] = {
        {"", 0, 0},
        {"ULT-FREEZER", -90, 30},
        {"VANTORI FREEZER", -45, 30},
        {"VANTORI REFRIGERATOR", -5, 30},
    };
    return nKind >= 1 && nKind <= 3 ? kinds[nKind] : kinds[0];
}
