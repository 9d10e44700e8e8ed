// The static's own frame is not drawn: the picture covers the control.
#include "app/CImageStatic.h"

#include "framework/CDC.h"

BEGIN_MESSAGE_MAP(CImageStatic, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CImageStatic::OnPaint()
{
    CPaintDC dc(this);
    if (dc.GetSafeHdc() == nullptr || m_image.IsNull())
        return;
    HDC imageDC = m_image.GetDC();
    ::BitBlt(dc.GetSafeHdc(), 0, 0, m_image.GetWidth(), m_image.GetHeight(), imageDC, 0, 0, SRCCOPY);
    m_image.ReleaseDC();
}
