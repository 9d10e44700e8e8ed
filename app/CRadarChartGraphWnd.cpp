// The radar chart: a week of one value per minute on eleven rings and seven day spokes.
#include "app/CRadarChartGraphWnd.h"

#include "app/CKelvoroApp.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"

#include <cmath>
#include <vector>

IMPLEMENT_DYNAMIC(CRadarChartGraphWnd, CWnd)

BEGIN_MESSAGE_MAP(CRadarChartGraphWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

using namespace Gdiplus;

namespace
{
const ARGB kGridGrey = 0xFF7F7F7F;
const ARGB kTraceRed = 0xFFFF0000;
const COLORREF kWhite = RGB(255, 255, 255);
const char kPrintFontFace[] = "Microsoft Sans Serif";
const size_t kTracePointsPerCall = 500;

BOOL CreatePrintFont(CFont& font, int height, BYTE pitch, BYTE charSet)
{
    return font.CreateFont(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet, OUT_STRING_PRECIS,
                           CLIP_STROKE_PRECIS, DRAFT_QUALITY, pitch, kPrintFontFace);
}

// The caller's scale comes from the printer's quality field, which may be a quality code rather
// than dots per inch: then the device's own resolution makes one unit one printer pixel.
double UsablePrintScale(CDC* pDC, double scale)
{
    if (std::isfinite(scale) && scale > 0.0)
        return scale;
    const int dpi = pDC->GetDeviceCaps(LOGPIXELSY);
    return dpi > 0 ? 300.0 / dpi : 1.0;
}
}  // namespace

CRadarChartGraphWnd::CRadarChartGraphWnd()
    : m_nKind(1),
      m_nScaleMin(0),
      m_nScaleMax(0),
      m_nScaleStep(1),
      m_nCount(0),
      m_pValues(new float[RADAR_MINUTES]),
      m_pAngles(new double[RADAR_MINUTES])
{
    SetScaleForKind(1);
    for (int s = 0; s < RADAR_MINUTES; ++s)
        m_pValues[s] = RADAR_NO_VALUE;
}

CRadarChartGraphWnd::~CRadarChartGraphWnd()
{
    delete[] m_pValues;
    delete[] m_pAngles;
}

void CRadarChartGraphWnd::SetScaleForKind(int nKind)
{
    for (const SRadarScale& scale : g_radarScales)
    {
        if (scale.nKind != nKind)
            continue;
        m_nScaleMin = scale.nMin;
        m_nScaleMax = scale.nMax;
        m_nScaleStep = scale.nStep;
        return;
    }
}

void CRadarChartGraphWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    DrawChart(dc, client);
}

void CRadarChartGraphWnd::DrawChart(CDC& dc, const CRect& client)
{
    CGdiplusGraphics graphics(dc.m_hDC);
    graphics.SetSmoothingAntiAlias();
    dc.FillSolidRect(&client, kWhite);

    const int cx = client.Width() / 2;
    const int cy = client.Height() / 2;
    const int ringStep = ScreenRingStep(client.Width(), client.Height());
    DrawRings(graphics, cx, cy, ringStep);
    POINT ends[RADAR_SPOKE_COUNT];
    ComputeSpokeEnds(cx, cy, ringStep, ends);
    DrawSpokes(graphics, cx, cy, ends);

    CFont* pOldFont = dc.SelectObject(&g_fontControl);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    CRect label(ScreenFirstLabelRect(cx, cy, ringStep));
    DrawRingLabels(dc, label, ringStep);
    dc.SelectObject(pOldFont);

    DrawTrace(graphics, cx, cy, static_cast<float>(ringStep) / static_cast<float>(m_nScaleStep));
    m_lastGdiplusStatus = graphics.GetLastStatus();
}

void CRadarChartGraphWnd::PrintPage(CDC* pDC, double scale)
{
    pDC->SetMapMode(MM_TEXT);
    const int horzRes = pDC->GetDeviceCaps(HORZRES);
    const int vertRes = pDC->GetDeviceCaps(VERTRES);
    const SRadarPrintLayout layout = ComputePrintLayout(horzRes, vertRes);

    CFont titleFont;
    CFont dateFont;
    CFont labelFont;
    CreatePrintFont(titleFont, layout.nTitleFontHeight, DEFAULT_PITCH, ANSI_CHARSET);
    CreatePrintFont(dateFont, layout.nDateFontHeight, DEFAULT_PITCH, ANSI_CHARSET);
    // The label font also draws the start marker's arrow, two bytes of code page 949: an ANSI
    // font would have them read as code page 1252 and print two Latin letters.
    CreatePrintFont(labelFont, layout.nLabelFontHeight, FIXED_PITCH, HANGUL_CHARSET);

    CGdiplusGraphics graphics(pDC->m_hDC);
    graphics.SetPageUnit(UnitDocument);
    graphics.SetSmoothingAntiAlias();
    graphics.SetPageScale(static_cast<float>(UsablePrintScale(pDC, scale)));

    pDC->StartPage();
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkMode(TRANSPARENT);

    CFont* pOldFont = pDC->SelectObject(&titleFont);
    CRect title(layout.rcTitle);
    pDC->DrawText(m_strKindName, &title, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    CString dates;
    dates.Format("%s ~ %s", m_strStart.GetString(), m_strEnd.GetString());
    pDC->SelectObject(&dateFont);
    CRect date(layout.rcDate);
    pDC->DrawText(dates, &date, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    DrawRings(graphics, layout.cx, layout.cy, layout.nRingStep);
    POINT ends[RADAR_SPOKE_COUNT];
    ComputeSpokeEnds(layout.cx, layout.cy, layout.nRingStep, ends);

    pDC->SelectObject(&labelFont);
    CRect label(layout.rcFirstLabel);
    DrawRingLabels(*pDC, label, layout.nRingStep);
    // The week's start stands above the outermost ring, centred on the 12 o'clock spoke.
    label.left = 0;
    label.right = horzRes;
    CString marker;
    marker.Format("%s →", m_strStart.GetString());
    pDC->DrawText(marker, &label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    pDC->SelectObject(pOldFont);

    DrawSpokes(graphics, layout.cx, layout.cy, ends);
    DrawTrace(graphics, layout.cx, layout.cy,
              static_cast<float>(layout.nRingStep) / static_cast<float>(m_nScaleStep));
    pDC->EndPage();
    m_lastGdiplusStatus = graphics.GetLastStatus();
}

void CRadarChartGraphWnd::DrawRing(CGdiplusGraphics& graphics, int cx, int cy, int radius, bool bDashed)
{
    CGdiplusPen pen(graphics, kGridGrey, 1.0f);
    if (bDashed)
        graphics.SetPenDashStyle(pen.Get(), DashStyleDashDot);
    graphics.DrawEllipse(pen.Get(), cx - radius, cy - radius, 2 * radius, 2 * radius);
}

void CRadarChartGraphWnd::DrawRings(CGdiplusGraphics& graphics, int cx, int cy, int ringStep)
{
    for (int i = 1; i <= RADAR_RING_COUNT; ++i)
        DrawRing(graphics, cx, cy, i * ringStep, i <= RADAR_DASHED_RINGS);
}

void CRadarChartGraphWnd::DrawSpokes(CGdiplusGraphics& graphics, int cx, int cy, const POINT ends[RADAR_SPOKE_COUNT])
{
    CGdiplusPen pen(graphics, kGridGrey, 1.0f);
    for (int j = 0; j < RADAR_SPOKE_COUNT; ++j)
        graphics.DrawLine(pen.Get(), cx, cy, ends[j].x, ends[j].y);
}

void CRadarChartGraphWnd::DrawRingLabels(CDC& dc, CRect& rect, int ringStep)
{
    int value = m_nScaleMax;
    for (int k = 0; k < RADAR_RING_COUNT; ++k)
    {
        CString text;
        text.Format("%d", value);
        dc.DrawText(text, &rect, DT_RIGHT | DT_SINGLELINE);
        rect.OffsetRect(0, -ringStep);
        value -= m_nScaleStep;
    }
}

void CRadarChartGraphWnd::DrawTrace(CGdiplusGraphics& graphics, int cx, int cy, float scale)
{
    CGdiplusPen pen(graphics, kTraceRed, 1.0f);
    // Segments that join end to start go out as polylines: the same line, but a week of minutes
    // costs a few dozen GDI+ calls instead of ten thousand. Stroking cost grows faster than the
    // point count, so a long run is cut into pieces that continue from the previous end.
    std::vector<GpPoint> run;
    run.reserve(kTracePointsPerCall + 1);
    auto flush = [&] {
        graphics.DrawLines(pen.Get(), run.data(), static_cast<int>(run.size()));
        run.clear();
    };
    WalkTrace(m_pValues, m_pAngles, m_nCount, RADAR_NO_VALUE, cx, cy, m_nScaleMax, m_nScaleStep, scale,
              [&](POINT from, POINT to) {
                  if (run.size() >= kTracePointsPerCall)
                  {
                      const GpPoint last = run.back();
                      flush();
                      run.push_back(last);
                  }
                  if (run.empty() || run.back().X != from.x || run.back().Y != from.y)
                  {
                      flush();
                      run.emplace_back(from.x, from.y);
                  }
                  run.emplace_back(to.x, to.y);
              });
    flush();
}
