// Line series: what a paint sends to the device, smoothing handles and the hit test.
#include "ChartTestSupport.h"

#include "chart/ChartLineSerie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace
{
struct SLineFixture
{
    SIdentityAxes axes;
    CChartLineSerie serie{nullptr};

    SLineFixture()
    {
        serie.pXAxis = &axes.x;
        serie.pYAxis = &axes.y;
        SetRect(&serie.rcPlot, 0, 0, 1001, 1001);
    }
    // Points given in pixels of the identity axes; a growing fraction of a pixel keeps points
    // of one pixel column in their order through the (unstable) sort.
    void LoadPixels(const std::vector<POINT>& pixels)
    {
        std::vector<double> x, y;
        for (const POINT& p : pixels)
        {
            x.push_back(p.x + 0.001 * x.size());
            y.push_back(1000 - p.y);
        }
        serie.ReplacePoints(x.data(), y.data(), static_cast<unsigned>(x.size()));
    }
    void Load(const std::vector<double>& x, const std::vector<double>& y)
    {
        serie.ReplacePoints(x.data(), y.data(), static_cast<unsigned>(x.size()));
    }
};

bool SamePoint(POINT a, POINT b)
{
    return a.x == b.x && a.y == b.y;
}
}

TEST(SolveHandleSystem, SolvesTheTridiagonalSmoothingSystem)
{
    const std::vector<std::vector<double>> cases = {
        {5}, {3, 9}, {1, 2, 3}, {10, -4, 7, 0.5}, {0, 0, 0, 0, 0, 1}, {2, 8, 14, 20, 26, 32, 38, 20}};
    for (const auto& rhs : cases)
    {
        const int n = static_cast<int>(rhs.size());
        std::unique_ptr<double[]> x(SolveHandleSystem(rhs.data(), n));
        for (int i = 0; i < n; ++i)
        {
            const double diagonal = (i == 0 || i == n - 1) ? 2.0 : 4.0;
            double row = diagonal * x[i];
            if (i > 0)
                row += x[i - 1];
            if (i < n - 1)
                row += x[i + 1];
            if (n == 1)
                row = 2.0 * x[0];
            EXPECT_NEAR(rhs[i], row, 1e-9) << "n " << n << " row " << i;
        }
    }
}

TEST(SolveHandleSystem, SingleEquationIsHalfItsRightHandSide)
{
    const double rhs[] = {7};
    std::unique_ptr<double[]> x(SolveHandleSystem(rhs, 1));
    EXPECT_EQ(3.5, x[0]);
}

TEST(ComputeCurveHandles, HandlesFollowTheSmoothingRule)
{
    SLineFixture f;
    f.Load({0, 10, 20, 30}, {0, 10, 0, 10});
    SChartXYPoint *knots, *c1, *c2;
    f.serie.ComputeCurveHandles(0, 4, knots, c1, c2);
    std::unique_ptr<SChartXYPoint[]> k(knots), a(c1), b(c2);
    // x: rhs = 0 + 2*10, 4*10 + 2*20, 3*20
    const double rhsX[] = {20, 80, 60};
    const double rhsY[] = {20, 40, 0};
    std::unique_ptr<double[]> px(SolveHandleSystem(rhsX, 3)), py(SolveHandleSystem(rhsY, 3));
    const double kx[] = {0, 10, 20, 30};
    const double ky[] = {0, 10, 0, 10};
    for (int j = 0; j < 3; ++j)
    {
        EXPECT_DOUBLE_EQ(kx[j], knots[j].dX);
        EXPECT_DOUBLE_EQ(px[j], c1[j].dX);
        EXPECT_DOUBLE_EQ(py[j], c1[j].dY);
    }
    EXPECT_DOUBLE_EQ(2 * kx[1] - px[1], c2[0].dX);
    EXPECT_DOUBLE_EQ(2 * ky[2] - py[2], c2[1].dY);
    EXPECT_DOUBLE_EQ((kx[3] + px[2]) / 2, c2[2].dX);
    EXPECT_DOUBLE_EQ((ky[3] + py[2]) / 2, c2[2].dY);
}

TEST(ComputeCurveHandles, TwoPointsGiveTheStraightSegmentWithHandlesAtTheThirds)
{
    SLineFixture f;
    f.Load({0, 30}, {0, 60});
    SChartXYPoint *knots, *c1, *c2;
    f.serie.ComputeCurveHandles(0, 2, knots, c1, c2);
    std::unique_ptr<SChartXYPoint[]> k(knots), a(c1), b(c2);
    EXPECT_DOUBLE_EQ(10, c1[0].dX);
    EXPECT_DOUBLE_EQ(20, c1[0].dY);
    EXPECT_DOUBLE_EQ(20, c2[0].dX);
    EXPECT_DOUBLE_EQ(40, c2[0].dY);
}

TEST(ChartLineSerie, HitTestFindsTheSegmentAndTheNearerEnd)
{
    const unsigned none = 0xFFFFFFFF;
    struct
    {
        POINT a, b, pt;
        bool hit;
        unsigned index;  // none: no point near
    } cases[] = {
        {{100, 50}, {120, 50}, {104, 52}, true, 0},
        {{100, 50}, {120, 50}, {110, 52}, true, none},
        {{100, 50}, {120, 50}, {117, 53}, true, 1},
        {{100, 50}, {120, 50}, {110, 54}, false, none},
        {{100, 50}, {108, 50}, {104, 51}, true, 1},
        {{100, 50}, {120, 50}, {96, 50}, false, none},  // beyond the segment's start
        {{100, 50}, {100, 50}, {100, 50}, false, none},  // both ends on one pixel
    };
    for (const auto& c : cases)
    {
        SLineFixture f;
        f.LoadPixels({c.a, c.b});
        unsigned index = 12345;
        EXPECT_EQ(c.hit, f.serie.HitTest(CPoint(c.pt), index)) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.index, index) << c.pt.x << "," << c.pt.y;
    }
}

TEST(ChartLineSerie, OnePointIsNeverHitNorDrawn)
{
    SLineFixture f;
    f.LoadPixels({{100, 50}});
    unsigned index = 0;
    EXPECT_FALSE(f.serie.HitTest(CPoint(100, 50), index));
    EXPECT_EQ(0xFFFFFFFFu, index);
    CEmfRecording emf;
    f.serie.PaintVisible(emf.Dc());
    emf.Finish();
    EXPECT_TRUE(emf.polylines.empty());
    EXPECT_EQ(0u, emf.penColors.size());
}

TEST(ChartLineSerie, StraightLineRunsFromThePointBeforeToThePointAfterTheVisibleRange)
{
    SLineFixture f;
    f.Load({10, 20, 30, 40, 50}, {100, 200, 300, 400, 500});
    f.axes.x.dMin = 15;
    f.axes.x.dMax = 35;
    f.axes.x.nStartPixel = 0;
    f.axes.x.nEndPixel = 20;  // one pixel per unit from 15
    CEmfRecording emf;
    f.serie.PaintVisible(emf.Dc());
    emf.Finish();
    ASSERT_EQ(1u, emf.polylines.size());
    const std::vector<POINT> expected = {{-5, 900}, {5, 800}, {15, 700}, {25, 600}, {35, 500}};
    ASSERT_EQ(expected.size(), emf.polylines[0].size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(SamePoint(expected[i], emf.polylines[0][i])) << i;
    EXPECT_EQ(4u, f.serie.nLastPainted);
    ASSERT_EQ(1u, emf.clipRects.size());
    EXPECT_EQ(1001, emf.clipRects[0].right);
    EXPECT_EQ(1001, emf.clipRects[0].bottom);
    EXPECT_EQ(1, emf.clipResets);
}

TEST(ChartLineSerie, PointsOnOnePixelAreSentOnce)
{
    struct
    {
        std::vector<POINT> pixels;
        std::vector<POINT> vertices;
    } cases[] = {
        // Three consecutive points on one pixel: one vertex.
        {{{10, 10}, {10, 10}, {10, 10}, {20, 30}}, {{10, 10}, {20, 30}}},
        // One column: first, lowest/highest in their order, last.
        {{{10, 50}, {10, 20}, {10, 80}, {10, 60}, {11, 60}}, {{10, 50}, {10, 20}, {10, 80}, {10, 60}, {11, 60}}},
        // Monotonic run in a column collapses to its ends.
        {{{10, 50}, {10, 51}, {10, 52}, {10, 53}, {12, 0}}, {{10, 50}, {10, 53}, {12, 0}}},
        // Highest before lowest keeps that order.
        {{{5, 40}, {5, 90}, {5, 10}, {5, 40}}, {{5, 40}, {5, 90}, {5, 10}, {5, 40}}},
    };
    for (const auto& c : cases)
    {
        SLineFixture f;
        f.LoadPixels(c.pixels);
        CEmfRecording emf;
        f.serie.PaintVisible(emf.Dc());
        emf.Finish();
        ASSERT_EQ(1u, emf.polylines.size());
        const auto& got = emf.polylines[0];
        ASSERT_EQ(c.vertices.size(), got.size());
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(SamePoint(c.vertices[i], got[i])) << i << ": " << got[i].x << "," << got[i].y;
    }
}

namespace
{
// Draws into a white 32-bit DIB and returns its pixels.
template <class TDraw>
std::vector<DWORD> RenderPixels(int width, int height, TDraw draw)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    RECT all = {0, 0, width, height};
    ::FillRect(mem, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    draw(mem);
    ::GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    std::vector<DWORD> result(pixels, pixels + width * height);
    ::SelectObject(mem, old);
    ::DeleteObject(bmp);
    ::DeleteDC(mem);
    return result;
}
}

TEST(ChartLineSerie, ReducedPolylineDrawsTheSamePixelsAsEveryPoint)
{
    const int width = 1001, height = 1001;
    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        SLineFixture f;
        const int n = 20000 + static_cast<int>(seed) * 37;
        std::vector<double> x(n), y(n);
        std::srand(seed);
        double level = 500;
        for (int i = 0; i < n; ++i)
        {
            x[i] = i * 1000.0 / n;  // about 20 points per pixel column
            level += (std::rand() % 21) - 10;
            level = std::min(990.0, std::max(10.0, level));
            y[i] = seed % 2 ? level : std::floor(level / 8) * 8;  // even seeds revisit rows often
        }
        f.Load(x, y);

        const std::vector<DWORD> reduced = RenderPixels(width, height, [&](HDC mem) {
            CDC dc;
            dc.Attach(mem);
            f.serie.PaintVisible(&dc);
            dc.Detach();
        });
        const std::vector<DWORD> everyPoint = RenderPixels(width, height, [&](HDC mem) {
            std::vector<POINT> pts(n);
            for (int i = 0; i < n; ++i)
                pts[i] = f.serie.IndexToPixel(i);
            HPEN pen = ::CreatePen(PS_SOLID, 1, f.serie.crSeries);
            HGDIOBJ oldPen = ::SelectObject(mem, pen);
            ::Polyline(mem, pts.data(), n);
            ::SelectObject(mem, oldPen);
            ::DeleteObject(pen);
        });
        EXPECT_LE(f.serie.LastVertexCount(), 4u * 1001u);
        size_t differing = 0;
        for (size_t i = 0; i < everyPoint.size(); ++i)
            if (everyPoint[i] != reduced[i] && ++differing < 5)
                ADD_FAILURE() << "seed " << seed << " pixel " << i % width << "," << i / width;
        EXPECT_EQ(0u, differing) << "seed " << seed;
    }
}

TEST(ChartLineSerie, PlainStyleUsesASolidPenOtherStylesAndTheKeyAGeometricOne)
{
    enum Paint
    {
        VISIBLE,
        NEW_POINTS,
        LEGEND_KEY
    };
    struct
    {
        Paint paint;
        int style;
        int width;
        size_t pens;
        UINT penStyle;
    } cases[] = {
        {VISIBLE, 0, 2, 2, PS_SOLID},   // line and shadow pens alike
        {VISIBLE, PS_DASH, 1, 2, PS_GEOMETRIC | PS_DASH},
        {NEW_POINTS, 0, 3, 1, PS_SOLID},
        {NEW_POINTS, PS_DOT, 3, 1, PS_GEOMETRIC | PS_DOT},
        {LEGEND_KEY, 0, 3, 1, PS_GEOMETRIC | PS_SOLID},
    };
    for (const auto& c : cases)
    {
        SLineFixture f;
        f.LoadPixels({{100, 100}, {200, 150}, {300, 120}});
        f.serie.strName = "T";
        f.serie.nPenStyle = c.style;
        f.serie.nPenWidth = c.width;
        f.serie.nLastPainted = 0;
        f.serie.bDropShadow = c.paint == VISIBLE;  // a metafile records only the pens selected
        CEmfRecording emf;
        if (c.paint == VISIBLE)
            f.serie.PaintVisible(emf.Dc());
        else if (c.paint == NEW_POINTS)
            f.serie.PaintNewPoints(emf.Dc());
        else
            f.serie.PaintLegendKey(emf.Dc(), {0, 0, 16, 16});
        emf.Finish();
        ASSERT_EQ(c.pens, emf.penStyles.size()) << c.paint << " style " << c.style;
        for (size_t i = 0; i < c.pens; ++i)
        {
            EXPECT_EQ(c.penStyle, emf.penStyles[i].first) << c.paint << " style " << c.style;
            EXPECT_EQ(static_cast<UINT>(c.width), emf.penStyles[i].second) << c.paint << " style " << c.style;
        }
    }
}

TEST(ChartLineSerie, ShadowIsDrawnFirstOffsetInItsOwnColour)
{
    SLineFixture f;
    f.LoadPixels({{100, 100}, {200, 150}, {300, 120}});
    f.serie.bDropShadow = true;
    f.serie.crSeries = 0x0000FF;
    CEmfRecording emf;
    f.serie.PaintVisible(emf.Dc());
    emf.Finish();
    ASSERT_EQ(2u, emf.polylines.size());
    ASSERT_EQ(2u, emf.penColors.size());
    EXPECT_EQ(0x0000FFu, emf.penColors[0]);
    EXPECT_EQ(0x969696u, emf.penColors[1]);
    for (size_t i = 0; i < 3; ++i)
    {
        EXPECT_EQ(emf.polylines[1][i].x + 2, emf.polylines[0][i].x);
        EXPECT_EQ(emf.polylines[1][i].y + 2, emf.polylines[0][i].y);
    }
}

TEST(ChartLineSerie, SmoothedCurvePassesThroughEveryPoint)
{
    SLineFixture f;
    const std::vector<POINT> pixels = {{100, 500}, {200, 300}, {300, 600}, {400, 200}, {500, 500}};
    f.LoadPixels(pixels);
    f.serie.bCurved = true;
    f.axes.x.dMin = 250;  // only part visible: the curve still uses every point
    f.axes.x.dMax = 320;
    f.axes.x.nStartPixel = 0;
    f.axes.x.nEndPixel = 70;
    CEmfRecording emf;
    f.serie.PaintVisible(emf.Dc());
    emf.Finish();
    ASSERT_EQ(1u, emf.beziers.size());
    const auto& curve = emf.beziers[0];
    ASSERT_EQ(3u * (pixels.size() - 1) + 1, curve.size());
    for (size_t i = 0; i < pixels.size(); ++i)
    {
        EXPECT_EQ(pixels[i].x - 250, curve[3 * i].x);
        EXPECT_EQ(pixels[i].y, curve[3 * i].y);
    }
    EXPECT_TRUE(emf.polylines.empty());
}

TEST(ChartLineSerie, LegendKeyIsAHorizontalLineAcrossTheKeyForANamedSeries)
{
    SLineFixture f;
    RECT key = {10, 21, 26, 38};
    {
        CEmfRecording emf;
        f.serie.PaintLegendKey(emf.Dc(), key);
        emf.Finish();
        EXPECT_TRUE(emf.lines.empty());
    }
    f.serie.strName = "Temp";
    f.serie.crSeries = 0x123456;
    CEmfRecording emf;
    f.serie.PaintLegendKey(emf.Dc(), key);
    emf.Finish();
    ASSERT_EQ(1u, emf.lines.size());
    EXPECT_TRUE(SamePoint({10, 29}, emf.lines[0].first));
    EXPECT_TRUE(SamePoint({26, 29}, emf.lines[0].second));
    ASSERT_EQ(1u, emf.penColors.size());
    EXPECT_EQ(0x123456u, emf.penColors[0]);
}

TEST(ChartLineSerie, NewPointsContinueFromTheLastPaintedPoint)
{
    SLineFixture f;
    f.LoadPixels({{100, 100}, {200, 150}, {300, 120}, {400, 130}});
    f.serie.nLastPainted = 1;
    CEmfRecording emf;
    f.serie.PaintNewPoints(emf.Dc());
    emf.Finish();
    ASSERT_EQ(2u, emf.lines.size());
    EXPECT_TRUE(SamePoint({200, 150}, emf.lines[0].first));
    EXPECT_TRUE(SamePoint({400, 130}, emf.lines[1].second));
    EXPECT_EQ(3u, f.serie.nLastPainted);
}

TEST(ChartLineSerie, NewPointsOfAShadowedOrSmoothedSeriesRepaintTheVisibleSeries)
{
    struct
    {
        bool shadow;
        bool curved;
        size_t polylines;
        size_t beziers;
    } cases[] = {{true, false, 2, 0}, {false, true, 0, 1}, {true, true, 0, 2}};
    for (const auto& c : cases)
    {
        SLineFixture f;
        f.LoadPixels({{100, 100}, {200, 150}, {300, 120}});
        f.serie.bDropShadow = c.shadow;
        f.serie.bCurved = c.curved;
        f.serie.nLastPainted = 0;
        CEmfRecording emf;
        f.serie.PaintNewPoints(emf.Dc());
        emf.Finish();
        EXPECT_EQ(c.polylines, emf.polylines.size()) << c.shadow << c.curved;
        EXPECT_EQ(c.beziers, emf.beziers.size()) << c.shadow << c.curved;
        EXPECT_TRUE(emf.lines.empty());
    }
}

TEST(ChartLineSerie, NewPointsClipToTheControlsPlotNotTheSeriesOwn)
{
    CChartCtrl ctrl;
    SetRect(&ctrl.rcPlot, 40, 10, 500, 290);
    SLineFixture f;
    f.serie.pCtrl = &ctrl;
    f.LoadPixels({{100, 100}, {200, 150}});
    SetRect(&f.serie.rcPlot, 40, 10, 501, 291);
    f.serie.nLastPainted = 0;
    CEmfRecording emf;
    f.serie.PaintNewPoints(emf.Dc());
    emf.Finish();
    ASSERT_EQ(1u, emf.clipRects.size());
    EXPECT_EQ(500, emf.clipRects[0].right);
    EXPECT_EQ(290, emf.clipRects[0].bottom);
    EXPECT_EQ(1, emf.clipResets);
    EXPECT_EQ(1u, emf.lines.size());
}
