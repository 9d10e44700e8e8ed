// The radar page's scale from the chosen print quality: a resolution gives 300 / dots per inch;
// the device-independent quality codes fall back on the printer's own resolution.
#include "app/ChartPrintJob.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace
{
struct QualityCase
{
    short printQuality;
    double scale;  // 0: the DC's own resolution decides
};

TEST(RadarPageScale, ResolutionOrElseThePrintersOwnDotsPerInch)
{
    HDC screen = ::GetDC(nullptr);
    CDC dc;
    dc.Attach(::CreateCompatibleDC(screen));
    ::ReleaseDC(nullptr, screen);
    const double ownScale = 300.0 / dc.GetDeviceCaps(LOGPIXELSY);

    const QualityCase cases[] = {
        {600, 0.5}, {300, 1.0}, {150, 2.0}, {DMRES_HIGH, 0}, {DMRES_DRAFT, 0}, {0, 0},
    };
    for (const QualityCase& quality : cases)
    {
        SCOPED_TRACE(quality.printQuality);
        DEVMODEA devMode = {};
        devMode.dmPrintQuality = quality.printQuality;
        EXPECT_DOUBLE_EQ(quality.scale != 0 ? quality.scale : ownScale, RadarPageScale(devMode, dc));
    }
}
}  // namespace
