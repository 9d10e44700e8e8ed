// A static control that paints a decoded picture at its top-left corner, unscaled.
#pragma once

#include "framework/CImage.h"
#include "framework/CStatic.h"

class CImageStatic : public CStatic
{
public:
    CImage m_image;

protected:
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
