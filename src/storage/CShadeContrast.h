// Text drawn on a shaded area: a transparent background while there is a shading and white text on the
// shadings above light gray; both are put back when the object ends.
#pragma once

#include "framework/AfxWin32.h"

class CDC;

class CShadeContrast
{
public:
    CShadeContrast(CDC* pDC, int nFillFlags);
    ~CShadeContrast();
    CShadeContrast(const CShadeContrast&) = delete;
    CShadeContrast& operator=(const CShadeContrast&) = delete;

private:
    CDC* m_pDC;
    int m_nOldBkMode = 0;
    COLORREF m_crOldText = CLR_INVALID;
};
