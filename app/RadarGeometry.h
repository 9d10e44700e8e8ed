// Geometry of the radar chart shared by the screen and the printed page: rings, spokes,
// ring labels and the trace through the week's minute slots.
#pragma once

#include <windows.h>

// One row of the radar scale table: the ring values of a device kind.
struct SRadarScale
{
    int nKind;
    int nMin;   // outermost ring (ring 11)
    int nMax;   // innermost ring (ring 1)
    int nStep;  // value between neighbouring rings
};

extern const SRadarScale g_radarScales[3];

const int RADAR_RING_COUNT = 11;
const int RADAR_DASHED_RINGS = 9;  // rings 1-9 dash-dot, 10 and 11 solid
const int RADAR_SPOKE_COUNT = 7;
const int RADAR_TRACE_BREAK_SLOTS = 1440;  // a gap of a whole day breaks the trace

// Ring spacing on screen: a 24th of the shorter side, never below 20 pixels.
int ScreenRingStep(int width, int height);

// End points of the seven day spokes; spoke 0 points to 12 o'clock, the rest counter-clockwise.
void ComputeSpokeEnds(int cx, int cy, int ringStep, POINT ends[RADAR_SPOKE_COUNT]);

// Rectangle of ring label 0 (the innermost ring's value) on screen; each further label
// sits ringStep higher.
RECT ScreenFirstLabelRect(int cx, int cy, int ringStep);

// Distance from the centre of a value, in single precision; warmer values lie nearer the centre.
float TraceRadius(float value, int scaleMax, int scaleStep, float pixelsPerUnit);

// Pixel of a slot at the given angle and radius; a radius of 0 or less is the centre.
POINT TracePoint(int cx, int cy, double angle, float radius);

// Layout of the printed radar page on a page of H x V printer pixels.
struct SRadarPrintLayout
{
    int u;            // a 20th of the page height
    RECT rcTitle;
    RECT rcDate;
    int nRingStep;
    int cx;
    int cy;
    int nTitleFontHeight;
    int nDateFontHeight;
    int nLabelFontHeight;
    RECT rcFirstLabel;
};

SRadarPrintLayout ComputePrintLayout(int horzRes, int vertRes);

// Walks the slots that hold a value and reports each segment of the trace to sink(from, to).
// A slot without a value (noValue exactly) is passed over; a gap of a day or more breaks the
// line, and a slot on the same pixel as the previous one draws nothing.
template <class Sink>
void WalkTrace(const float* values, const double* angles, int count, float noValue, int cx, int cy,
               int scaleMax, int scaleStep, float pixelsPerUnit, Sink&& sink)
{
    int last = -RADAR_TRACE_BREAK_SLOTS;
    POINT prev = {0, 0};
    for (int s = 0; s < count; ++s)
    {
        const float v = values[s];
        if (v == noValue)
            continue;
        const POINT pt = TracePoint(cx, cy, angles[s], TraceRadius(v, scaleMax, scaleStep, pixelsPerUnit));
        if (last > s - RADAR_TRACE_BREAK_SLOTS && (pt.x != prev.x || pt.y != prev.y))
            sink(prev, pt);
        last = s;
        prev = pt;
    }
}
