// Enumerations shared by the chart control's parts.
#pragma once

// Position of an axis in the control; also the index into CChartCtrl::apAxisBySide.
enum class ChartAxisSide : int
{
    Left = 0,
    Bottom = 1,
    Right = 2,
    Top = 3,
};

const int CHART_AXIS_SIDES = 4;

// Kind of a mouse event passed on to the mouse sink and to the series.
enum class ChartMouseEvent : int
{
    Move = 0,
    LeftUp = 1,
    LeftDown = 2,
    LeftDouble = 3,
    RightUp = 4,
    RightDown = 5,
    RightDouble = 6,
};
