// Numeric axis: fixed or automatic 1-2-5 step, first tick aligned to a multiple of the step.
#include "chart/ChartStandardAxis.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace
{

// Digits after the decimal point that a step of this size needs.
int DecimalsFor(int exponent)
{
    return exponent < 0 ? -exponent : 0;
}

}  // namespace

CChartStandardAxis::~CChartStandardAxis() = default;

void CChartStandardAxis::SetFixedTickStep(double step)
{
    bAutoStep = false;
    // A step that is not a positive number would never reach the end of the range:
    // it becomes 0, which draws the first tick only.
    if (!(step > 0.0) || !std::isfinite(step))
    {
        dTickStep = 0.0;
        nDecimals = 0;
        return;
    }
    dTickStep = step;
    nDecimals = DecimalsFor(static_cast<int>(std::floor(std::log10(step))));
}

double CChartStandardAxis::FirstTick() const
{
    // In binned mode the bin that ends at the first tick is labelled too.
    return bBinned ? dTickStart - dTickStep : dTickStart;
}

bool CChartStandardAxis::TickAfter(double current, double& next) const
{
    if (dTickStep == 0.0)
        return false;
    next = current + dTickStep;
    // A step lost in the rounding of large values would never reach the end of the range.
    return next > current && next <= dMax;
}

int CChartStandardAxis::TickPixel(double value) const
{
    return ValueToPixel(value);
}

// Middle of the step interval that holds the value. The nudge keeps a tick value that
// carries rounding error in its own interval; floor (not truncation) keeps a negative
// value in the interval below zero that holds it.
int CChartStandardAxis::BinMidPixel(double value) const
{
    if (dTickStep == 0.0)
        return ValueToPixel(value);
    const double bin = std::floor((value + 1e-10) / dTickStep);
    return ValueToPixel(bin * dTickStep + dTickStep * 0.5);
}

std::string CChartStandardAxis::FormatTickText(double value) const
{
    std::ostringstream stream;
    stream << std::fixed << std::setprecision(nDecimals) << value;
    std::string text = stream.str();
    // A tick reached by repeated additions may be a hair below zero: no "-0" or "-0.0" label.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

void CChartStandardAxis::ChooseTickStep()
{
    if (!bAutoStep)
        return;
    if (dMin == dMax)
    {
        dTickStep = 0.0;
        return;
    }
    // One tick per 30 pixels across, one per 20 pixels up.
    const int pixelsPerTick = bHorizontal ? 30 : 20;
    int count = std::abs((nEndPixel - nStartPixel) / pixelsPerTick);
    if (count == 0)
        count = 1;
    // A reversed range gets the step of its ordered twin.
    const double raw = std::fabs(dMax - dMin) / count;
    if (!std::isfinite(raw))
    {
        dTickStep = 0.0;
        return;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(raw)));
    const double power = std::pow(10.0, exponent);
    const int decimals = DecimalsFor(exponent);
    for (double factor : {1.0, 2.0, 5.0})
    {
        if (factor * power >= raw)
        {
            dTickStep = factor * power;
            nDecimals = decimals;
            return;
        }
    }
    dTickStep = 10.0 * power;
    nDecimals = decimals > 0 ? decimals - 1 : 0;
}

// The smallest multiple of the step that is not below dMin, reached one step at a time.
void CChartStandardAxis::AlignFirstTick()
{
    if (dTickStep == 0.0)
    {
        dTickStart = dMin;
        return;
    }
    if (dMin == 0.0)
    {
        dTickStart = 0.0;
        return;
    }
    double tick = std::trunc(dMin / dTickStep) * dTickStep;
    // Each loop stops when a step no longer moves the tick (a step below the rounding of dMin).
    if (dMin > 0.0)
    {
        while (tick < dMin && tick + dTickStep != tick)
            tick += dTickStep;
    }
    else
    {
        while (tick > dMin && tick - dTickStep != tick)
            tick -= dTickStep;
        if (tick != dMin)
            tick += dTickStep;
    }
    dTickStart = tick;
}
