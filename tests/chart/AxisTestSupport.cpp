// Test helpers for the axis tests: fixed-bounds series, metafile recorder, memory canvas.
#include "AxisTestSupport.h"

CAxisTestSerie::CAxisTestSerie(double xMin, double xMax, double yMin, double yMax)
    : CChartSerie(nullptr), dXMin(xMin), dXMax(xMax), dYMin(yMin), dYMax(yMax)
{
}

bool CAxisTestSerie::XBounds(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dXMin;
    max = dXMax;
    return true;
}

bool CAxisTestSerie::YBounds(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dYMin;
    max = dYMax;
    return true;
}

bool CAxisTestSerie::XBoundsVisible(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dVisibleXMin;
    max = dVisibleXMax;
    return true;
}

bool CAxisTestSerie::YBoundsVisible(double& min, double& max) const
{
    if (!bReports)
        return false;
    min = dVisibleYMin;
    max = dVisibleYMax;
    return true;
}

CEmfRecorder::CEmfRecorder() : m_hdc(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr)), m_emf(nullptr)
{
    m_dc.Attach(m_hdc);
}

CEmfRecorder::~CEmfRecorder()
{
    if (m_dc.GetSafeHdc())
        m_dc.Detach();
    if (m_hdc)
        ::DeleteEnhMetaFile(::CloseEnhMetaFile(m_hdc));
    if (m_emf)
        ::DeleteEnhMetaFile(m_emf);
}

void CEmfRecorder::Finish()
{
    m_dc.Detach();
    m_emf = ::CloseEnhMetaFile(m_hdc);
    m_hdc = nullptr;
    ::EnumEnhMetaFile(nullptr, m_emf, &CEmfRecorder::OnRecord, this, nullptr);
}

int CALLBACK CEmfRecorder::OnRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM self)
{
    reinterpret_cast<CEmfRecorder*>(self)->Decode(record);
    return 1;
}

namespace {

std::string Narrow(const wchar_t* text, int count)
{
    std::string narrow(static_cast<size_t>(count) * 2 + 1, '\0');
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, count, &narrow[0],
                                            static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(bytes > 0 ? bytes : 0);
    return narrow;
}

}  // namespace

void CEmfRecorder::Decode(const ENHMETARECORD* record)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(record);
    switch (record->iType) {
    case EMR_CREATEPEN: {
        const auto* pen = reinterpret_cast<const EMRCREATEPEN*>(record);
        if (m_penColorByIndex.size() <= pen->ihPen)
            m_penColorByIndex.resize(pen->ihPen + 1);
        m_penColorByIndex[pen->ihPen] = pen->lopn.lopnColor;
        pens.push_back(pen->lopn);
        break;
    }
    case EMR_SELECTOBJECT: {
        const DWORD index = reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject;
        if (index == (ENHMETA_STOCK_OBJECT | BLACK_PEN))
            m_currentPen = RGB(0, 0, 0);
        else if (index == (ENHMETA_STOCK_OBJECT | WHITE_PEN))
            m_currentPen = RGB(255, 255, 255);
        else if (!(index & ENHMETA_STOCK_OBJECT) && index < m_penColorByIndex.size())
            m_currentPen = m_penColorByIndex[index];
        break;
    }
    case EMR_MOVETOEX: {
        const POINTL& p = reinterpret_cast<const EMRMOVETOEX*>(record)->ptl;
        m_current = {p.x, p.y};
        break;
    }
    case EMR_LINETO: {
        const POINTL& p = reinterpret_cast<const EMRLINETO*>(record)->ptl;
        lines.push_back({m_current, {p.x, p.y}, m_currentPen});
        m_current = {p.x, p.y};
        break;
    }
    case EMR_EXTTEXTOUTA: {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
        const char* chars = reinterpret_cast<const char*>(bytes + text->emrtext.offString);
        texts.push_back({{text->emrtext.ptlReference.x, text->emrtext.ptlReference.y},
                         std::string(chars, text->emrtext.nChars), text->emrtext.fOptions});
        break;
    }
    case EMR_EXTTEXTOUTW: {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars = reinterpret_cast<const wchar_t*>(bytes + text->emrtext.offString);
        texts.push_back({{text->emrtext.ptlReference.x, text->emrtext.ptlReference.y},
                         Narrow(chars, static_cast<int>(text->emrtext.nChars)), text->emrtext.fOptions});
        break;
    }
    case EMR_INTERSECTCLIPRECT: {
        const RECTL& r = reinterpret_cast<const EMRINTERSECTCLIPRECT*>(record)->rclClip;
        clipRects.push_back({r.left, r.top, r.right, r.bottom});
        break;
    }
    case EMR_EXTSELECTCLIPRGN:
        if (reinterpret_cast<const EMREXTSELECTCLIPRGN*>(record)->cbRgnData == 0)
            ++clipResets;
        break;
    default:
        break;
    }
}

std::vector<SRecordedLine> CEmfRecorder::LinesOfColor(COLORREF color) const
{
    std::vector<SRecordedLine> result;
    for (const SRecordedLine& line : lines)
        if (line.color == color)
            result.push_back(line);
    return result;
}

std::vector<std::string> CEmfRecorder::TextStrings() const
{
    std::vector<std::string> result;
    for (const SRecordedText& text : texts)
        result.push_back(text.text);
    return result;
}

CMemoryCanvas::CMemoryCanvas(int width, int height)
    : m_hdc(::CreateCompatibleDC(nullptr)), m_bitmap(nullptr), m_oldBitmap(nullptr)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(m_hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_oldBitmap = ::SelectObject(m_hdc, m_bitmap);
    RECT all = {0, 0, width, height};
    ::FillRect(m_hdc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    m_dc.Attach(m_hdc);
}

CMemoryCanvas::~CMemoryCanvas()
{
    m_dc.Detach();
    ::SelectObject(m_hdc, m_oldBitmap);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_hdc);
}

COLORREF CMemoryCanvas::Pixel(int x, int y) const
{
    return ::GetPixel(m_hdc, x, y);
}
