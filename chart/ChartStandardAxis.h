// Numeric axis: ticks at multiples of a fixed or automatic (1-2-5) step, fixed-point labels.
#pragma once

#include "chart/ChartAxis.h"

class CChartStandardAxis : public CChartAxis
{
public:
    CChartStandardAxis() = default;
    ~CChartStandardAxis() override;

    // Fixes the step for good; the step must be positive.
    void SetFixedTickStep(double step);

    double FirstTick() const override;
    bool TickAfter(double current, double& next) const override;
    int TickPixel(double value) const override;
    int BinMidPixel(double value) const override;
    std::string FormatTickText(double value) const override;
    void ChooseTickStep() override;
    void AlignFirstTick() override;

    double dTickStart = 0.0;
    double dTickStep = 1.0;  // 0: no tick after the first
    int nDecimals = 0;
};
