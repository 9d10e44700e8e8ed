// Times CChartCtrl::Redraw of a day's line (1,440 points) and of 100,000 points on a
// 1000 x 600 chart laid out as the graph page lays it out, and counts the polyline vertices.
// Usage: ChartBench [iterations]
#include "chart/ChartCtrl.h"
#include "chart/ChartDateTimeAxis.h"
#include "chart/ChartLineSerie.h"
#include "chart/ChartStandardAxis.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
const double DAY = 46363.0;  // 2026-12-07

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}

HWND CreateHost()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ChartBenchHost";
    ::RegisterClassA(&wc);
    return ::CreateWindowA("ChartBenchHost", "ChartBench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1100, 700,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

double Now()
{
    LARGE_INTEGER count, frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / frequency.QuadPart;
}

void Measure(CWnd& host, unsigned points, int iterations)
{
    CChartCtrl chart;
    chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 1000, 600), &host, 100);
    chart.crBackground = 0xFFFFFF;
    CChartStandardAxis* left = new CChartStandardAxis();
    chart.PlaceAxis(left, ChartAxisSide::Left);
    CChartDateTimeAxis* bottom = chart.AddTimeAxis();
    left->dMin = left->dHomeMin = -90;
    left->dMax = left->dHomeMax = 30;
    left->SetFixedTickStep(5.0);
    bottom->dMin = bottom->dHomeMin = DAY;
    bottom->dMax = bottom->dHomeMax = DAY + 1 - 1.0 / 1440;
    bottom->bAutoStep = false;
    bottom->eTickUnit = ChartTimeUnit::Minute;
    bottom->nUnitsPerTick = 240;
    bottom->bAutoFormat = false;
    bottom->strTickFormat = "%H:%M";
    CChartLineSerie* serie = new CChartLineSerie(&chart);
    chart.InsertSeries(serie);
    serie->crSeries = 0x0000FF;

    std::vector<double> x(points), y(points);
    std::srand(1);
    double t = -20;
    for (unsigned i = 0; i < points; ++i)
    {
        x[i] = DAY + (1.0 - 1.0 / 1440) * i / points;
        t += ((std::rand() % 11) - 5) * 0.1;
        t = std::fmax(-85, std::fmin(25, t));
        y[i] = t;
    }
    serie->ReplacePoints(x.data(), y.data(), points);

    chart.Redraw();  // warm-up: fonts, buffer
    const double start = Now();
    for (int i = 0; i < iterations; ++i)
        chart.Redraw();
    const double perRedraw = (Now() - start) / iterations * 1000.0;
    std::printf("%7u points: Redraw %.2f ms (mean of %d), polyline vertices %u\n", points, perRedraw, iterations,
                static_cast<unsigned>(serie->LastVertexCount()));
}
}

int main(int argc, char** argv)
{
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 50;
    HWND hwnd = CreateHost();
    CWnd host;
    host.Attach(hwnd);
    Measure(host, 1440, iterations);
    Measure(host, 100000, iterations);
    host.Detach();
    ::DestroyWindow(hwnd);
    return 0;
}
