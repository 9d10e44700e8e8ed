// Helpers of the chart tests.
#include "ChartTestSupport.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

SIdentityAxes::SIdentityAxes()
{
    x.bHorizontal = true;
    x.nStartPixel = 0;
    x.nEndPixel = 1000;
    x.dMin = x.dHomeMin = 0;
    x.dMax = x.dHomeMax = 1000;
    y.bHorizontal = false;
    y.nStartPixel = 1000;
    y.nEndPixel = 0;
    y.dMin = y.dHomeMin = 0;
    y.dMax = y.dHomeMax = 1000;
}

CEmfRecording::CEmfRecording(HDC reference) : m_hdc(::CreateEnhMetaFileA(reference, nullptr, nullptr, nullptr))
{
    m_dc.Attach(m_hdc);
}

CEmfRecording::~CEmfRecording()
{
    if (m_hdc)
        Finish();
    if (m_emf)
        ::DeleteEnhMetaFile(m_emf);
}

void CEmfRecording::Finish()
{
    if (!m_hdc)
        return;
    m_dc.Detach();
    m_emf = ::CloseEnhMetaFile(m_hdc);
    m_hdc = nullptr;
    ::EnumEnhMetaFile(nullptr, m_emf, Collect, this, nullptr);
}

size_t CEmfRecording::Count(DWORD type) const
{
    return static_cast<size_t>(std::count(types.begin(), types.end(), type));
}

int CALLBACK CEmfRecording::Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM self)
{
    reinterpret_cast<CEmfRecording*>(self)->Parse(record);
    return 1;
}

namespace
{
template <class TPoint>
std::vector<POINT> Points(const TPoint* points, DWORD count)
{
    std::vector<POINT> result(count);
    for (DWORD i = 0; i < count; ++i)
        result[i] = {points[i].x, points[i].y};
    return result;
}

LOGFONTA Narrow(const LOGFONTW& wide)
{
    LOGFONTA lf;
    std::memcpy(&lf, &wide, offsetof(LOGFONTA, lfFaceName));
    ::WideCharToMultiByte(CP_ACP, 0, wide.lfFaceName, -1, lf.lfFaceName, LF_FACESIZE, nullptr, nullptr);
    return lf;
}
}

void CEmfRecording::Parse(const ENHMETARECORD* record)
{
    types.push_back(record->iType);
    const BYTE* base = reinterpret_cast<const BYTE*>(record);
    switch (record->iType)
    {
    case EMR_POLYLINE16:
    {
        auto r = reinterpret_cast<const EMRPOLYLINE16*>(record);
        polylines.push_back(Points(r->apts, r->cpts));
        break;
    }
    case EMR_POLYLINE:
    {
        auto r = reinterpret_cast<const EMRPOLYLINE*>(record);
        polylines.push_back(Points(r->aptl, r->cptl));
        break;
    }
    case EMR_POLYBEZIER16:
    {
        auto r = reinterpret_cast<const EMRPOLYBEZIER16*>(record);
        beziers.push_back(Points(r->apts, r->cpts));
        break;
    }
    case EMR_POLYBEZIER:
    {
        auto r = reinterpret_cast<const EMRPOLYBEZIER*>(record);
        beziers.push_back(Points(r->aptl, r->cptl));
        break;
    }
    case EMR_CREATEPEN:
    {
        const LOGPEN& pen = reinterpret_cast<const EMRCREATEPEN*>(record)->lopn;
        penColors.push_back(pen.lopnColor);
        penStyles.push_back({pen.lopnStyle, static_cast<UINT>(pen.lopnWidth.x)});
        break;
    }
    case EMR_EXTCREATEPEN:
    {
        const EXTLOGPEN& pen = reinterpret_cast<const EMREXTCREATEPEN*>(record)->elp;
        penColors.push_back(pen.elpColor);
        penStyles.push_back({pen.elpPenStyle, pen.elpWidth});
        break;
    }
    case EMR_INTERSECTCLIPRECT:
    {
        const RECTL& r = reinterpret_cast<const EMRINTERSECTCLIPRECT*>(record)->rclClip;
        clipRects.push_back({r.left, r.top, r.right, r.bottom});
        break;
    }
    case EMR_EXTSELECTCLIPRGN:
        if (reinterpret_cast<const EMREXTSELECTCLIPRGN*>(record)->cbRgnData == 0)
            ++clipResets;
        break;
    case EMR_EXTTEXTOUTA:
    {
        auto r = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
        const char* text = reinterpret_cast<const char*>(base + r->emrtext.offString);
        const RECTL& c = r->emrtext.rcl;
        texts.push_back({{r->emrtext.ptlReference.x, r->emrtext.ptlReference.y},
                         std::string(text, r->emrtext.nChars), r->emrtext.fOptions, {c.left, c.top, c.right, c.bottom}});
        break;
    }
    case EMR_EXTTEXTOUTW:
    {
        auto r = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const wchar_t* text = reinterpret_cast<const wchar_t*>(base + r->emrtext.offString);
        std::string narrow(r->emrtext.nChars * 2 + 1, '\0');
        const int n = ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(r->emrtext.nChars), &narrow[0],
                                            static_cast<int>(narrow.size()), nullptr, nullptr);
        narrow.resize(n > 0 ? n : 0);
        const RECTL& c = r->emrtext.rcl;
        texts.push_back({{r->emrtext.ptlReference.x, r->emrtext.ptlReference.y}, narrow, r->emrtext.fOptions,
                         {c.left, c.top, c.right, c.bottom}});
        break;
    }
    case EMR_MOVETOEX:
    {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
        m_current = {p.x, p.y};
        break;
    }
    case EMR_LINETO:
    {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(record)->ptl;
        lines.push_back({m_current, {p.x, p.y}});
        m_current = {p.x, p.y};
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW:
        fonts.push_back(Narrow(reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont));
        break;
    case EMR_SETWINDOWEXTEX:
    {
        const SIZEL& s = reinterpret_cast<const EMRSETWINDOWEXTEX*>(record)->szlExtent;
        windowExt = {s.cx, s.cy};
        break;
    }
    case EMR_SETVIEWPORTEXTEX:
    {
        const SIZEL& s = reinterpret_cast<const EMRSETVIEWPORTEXTEX*>(record)->szlExtent;
        viewportExt = {s.cx, s.cy};
        break;
    }
    case EMR_SETMAPMODE:
        mapMode = static_cast<int>(reinterpret_cast<const EMRSETMAPMODE*>(record)->iMode);
        break;
    default:
        break;
    }
}

namespace
{
LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}
}

CWnd& TestHost()
{
    static CWnd host;
    if (host.GetSafeHwnd())
        return host;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ChartTestHost";
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::RegisterClassA(&wc);
    HWND hwnd = ::CreateWindowA("ChartTestHost", "Chart tests", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                                1100, 750, nullptr, nullptr, wc.hInstance, nullptr);
    host.Attach(hwnd);
    return host;
}

SWindowChart::SWindowChart(const RECT& rc)
{
    chart.Create("ChartCtrl", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, &TestHost(), 100);
    chart.crBackground = 0xFFFFFF;
    left = new CChartStandardAxis();
    chart.PlaceAxis(left, ChartAxisSide::Left);
    bottom = new CChartStandardAxis();
    chart.PlaceAxis(bottom, ChartAxisSide::Bottom);
    SetRange(left, 0, 100);
    SetRange(bottom, 0, 1000);
    serie = new CChartLineSerie(&chart);
    chart.InsertSeries(serie);
    chart.Redraw();
    PumpMessages();
}

void SWindowChart::SetRange(CChartAxis* axis, double min, double max)
{
    axis->dMin = axis->dHomeMin = min;
    axis->dMax = axis->dHomeMax = max;
    axis->SyncScrollBar();
    chart.Redraw();
}

void SWindowChart::Load(const std::vector<double>& x, const std::vector<double>& y)
{
    serie->ReplacePoints(x.data(), y.data(), static_cast<unsigned>(x.size()));
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

SGraphPageAxes::SGraphPageAxes(CChartCtrl& chart) : left(new CChartStandardAxis())
{
    chart.PlaceAxis(left, ChartAxisSide::Left);
    bottom = chart.AddTimeAxis();
    left->dMin = left->dHomeMin = -90;
    left->dMax = left->dHomeMax = 30;
    left->SetFixedTickStep(5.0);
    bottom->dMin = bottom->dHomeMin = 46363.0;
    bottom->dMax = bottom->dHomeMax = 46363.0 + 1 - 10.0 / 1440;
    bottom->bAutoStep = false;
    bottom->eTickUnit = ChartTimeUnit::Minute;
    bottom->nUnitsPerTick = 240;
    bottom->bAutoFormat = false;
    bottom->strTickFormat = "%H:%M";
}

std::vector<std::string> TickLabels(const CChartAxis& axis)
{
    std::vector<std::string> labels;
    for (double tick : axis.TickValues())
        labels.push_back(axis.FormatTickText(tick));
    return labels;
}

SMemoryDc::SMemoryDc()
{
    HDC screen = ::GetDC(nullptr);
    dc.Attach(::CreateCompatibleDC(screen));
    ::ReleaseDC(nullptr, screen);
}

SMemoryDc::~SMemoryDc()
{
    ::DeleteDC(dc.Detach());
}
