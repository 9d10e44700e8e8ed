// Scoped selections into a device context (each destructor gives the DC back its previous state),
// and the rectangle outline that the control and the legend draw.
#pragma once

#include <windows.h>

// Selects a GDI object into a DC and selects the displaced object back on destruction.
class CChartSelect
{
public:
    CChartSelect(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_old(hdc && object ? ::SelectObject(hdc, object) : nullptr) {}
    ~CChartSelect()
    {
        if (m_hdc && m_old)
            ::SelectObject(m_hdc, m_old);
    }
    CChartSelect(const CChartSelect&) = delete;
    CChartSelect& operator=(const CChartSelect&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_old;
};

// Intersects the DC's clip with a rectangle; removes every clip region on destruction.
class CChartClip
{
public:
    CChartClip(HDC hdc, const RECT& rc) : m_hdc(hdc)
    {
        if (m_hdc)
            ::IntersectClipRect(m_hdc, rc.left, rc.top, rc.right, rc.bottom);
    }
    ~CChartClip()
    {
        if (m_hdc)
            ::SelectClipRgn(m_hdc, nullptr);
    }
    CChartClip(const CChartClip&) = delete;
    CChartClip& operator=(const CChartClip&) = delete;

private:
    HDC m_hdc;
};

// Keeps a DC's text colour and background mode and puts them back on destruction.
class CChartTextState
{
public:
    explicit CChartTextState(HDC hdc) : m_hdc(hdc)
    {
        if (m_hdc)
        {
            m_color = ::GetTextColor(m_hdc);
            m_mode = ::GetBkMode(m_hdc);
        }
    }
    ~CChartTextState()
    {
        if (m_hdc)
        {
            ::SetTextColor(m_hdc, m_color);
            ::SetBkMode(m_hdc, m_mode);
        }
    }
    CChartTextState(const CChartTextState&) = delete;
    CChartTextState& operator=(const CChartTextState&) = delete;

private:
    HDC m_hdc;
    COLORREF m_color = 0;
    int m_mode = 0;
};

// Outline of a rectangle, drawn from its top-left corner round to it again with the DC's pen.
inline void ChartDrawBox(HDC hdc, const RECT& rc)
{
    ::MoveToEx(hdc, rc.left, rc.top, nullptr);
    ::LineTo(hdc, rc.right, rc.top);
    ::LineTo(hdc, rc.right, rc.bottom);
    ::LineTo(hdc, rc.left, rc.bottom);
    ::LineTo(hdc, rc.left, rc.top);
}
