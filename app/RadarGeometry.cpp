// Geometry of the radar chart shared by the screen and the printed page.
#include "app/RadarGeometry.h"

#include <algorithm>
#include <cmath>

namespace
{
const double kRadiansPerDegree = 0.017453292519943295;
}

const SRadarScale g_radarScales[3] = {
    {1, -100, 0, 10},
    {2, -50, 0, 5},
    {3, 0, 10, 1},
};

int ScreenRingStep(int width, int height)
{
    return std::max(std::min(width, height) / 24, 20);
}

void ComputeSpokeEnds(int cx, int cy, int ringStep, POINT ends[RADAR_SPOKE_COUNT])
{
    for (int j = 0; j < RADAR_SPOKE_COUNT; ++j)
    {
        const double a = (j * 360.0 / 7 + 90) * kRadiansPerDegree;
        // The truncation is taken of the whole sum, not of the offset alone.
        ends[j].x = static_cast<LONG>(std::cos(a) * RADAR_RING_COUNT * ringStep + cx);
        ends[j].y = static_cast<LONG>(cy - std::sin(a) * RADAR_RING_COUNT * ringStep);
    }
}

RECT ScreenFirstLabelRect(int cx, int cy, int ringStep)
{
    return RECT{cx - 83, cy - ringStep + 5, cx - 3, cy + 5};
}

float TraceRadius(float value, int scaleMax, int scaleStep, float pixelsPerUnit)
{
    const float r = (static_cast<float>(scaleMax) - value + static_cast<float>(scaleStep)) * pixelsPerUnit;
    return std::max(0.0f, r);
}

POINT TracePoint(int cx, int cy, double angle, float radius)
{
    if (radius <= 0.0f)
        return POINT{cx, cy};
    return POINT{cx + static_cast<LONG>(std::cos(angle) * radius), cy - static_cast<LONG>(std::sin(angle) * radius)};
}

SRadarPrintLayout ComputePrintLayout(int horzRes, int vertRes)
{
    SRadarPrintLayout l;
    l.u = vertRes / 20;
    l.rcTitle = RECT{0, 2 * l.u, horzRes, 3 * l.u};
    l.rcDate = RECT{l.u, 3 * l.u, horzRes, 4 * l.u};
    l.nRingStep = (std::min(vertRes, horzRes) - l.u) / 24;
    l.cx = horzRes / 2;
    l.cy = 4 * l.u + (vertRes - 4 * l.u) / 2;
    l.nTitleFontHeight = (2 * l.u) / 3;
    l.nDateFontHeight = l.u / 3;
    l.nLabelFontHeight = l.nRingStep / 2;
    l.rcFirstLabel = RECT{0, l.cy - l.nRingStep + l.u / 10, l.cx - horzRes / 100, l.cy};
    return l;
}
