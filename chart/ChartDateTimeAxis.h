// Date-time axis: values are OLE automation dates; ticks on a grid of whole calendar
// units counted from a fixed origin, labelled with a strftime-style format.
#pragma once

#include <string>

#include "chart/ChartAxis.h"
#include "framework/COleDateTime.h"

enum class ChartTimeUnit : int
{
    Second = 0,
    Minute = 1,
    Hour = 2,
    Day = 3,
    Month = 4,
    Year = 5
};

// The date n calendar months later (earlier when n is negative).
COleDateTime ShiftDateByMonths(const COleDateTime& date, int months);

class CChartDateTimeAxis : public CChartAxis
{
public:
    CChartDateTimeAxis();
    ~CChartDateTimeAxis() override;

    double FirstTick() const override;
    bool TickAfter(double current, double& next) const override;
    int TickPixel(double value) const override;
    int BinMidPixel(double value) const override;
    std::string FormatTickText(double value) const override;
    void ChooseTickStep() override;
    void AlignFirstTick() override;

    // The grid point of a value: down to it on or after the origin, up to it before.
    double FloorToTick(double value) const;

    static const char* AutomaticFormat(ChartTimeUnit unit);

    std::string strTickFormat;
    bool bAutoFormat = true;
    ChartTimeUnit eTickUnit = ChartTimeUnit::Day;
    int nUnitsPerTick = 1;  // at least 1
    double dTickStart = 0.0;
    COleDateTime dtOrigin = COleDateTime(0.0);  // 2000-01-01 00:00:00 once constructed

private:
    double StepFrom(double value) const;
    int UnitsPerTick() const;
    int MonthsPerTick() const;
};
