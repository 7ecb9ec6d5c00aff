// Creates a solid or hatched brush, selects it and selects the previous brush again when it ends.
#pragma once

#include "framework/AfxWin32.h"

#include <memory>

class CDC;
class CBrush;

class CBrushSelector
{
public:
    CBrushSelector(COLORREF crColor, CDC* pDC);
    // nHatchStyle is a Windows hatch index (HS_HORIZONTAL to HS_DIAGCROSS).
    CBrushSelector(COLORREF crColor, int nHatchStyle, CDC* pDC);
    virtual ~CBrushSelector();
    CBrushSelector(const CBrushSelector&) = delete;
    CBrushSelector& operator=(const CBrushSelector&) = delete;

    std::unique_ptr<CBrush> m_pBrush;
    CBrush* m_pOldBrush = nullptr;
    CDC* m_pDC;

private:
    void Select(BOOL bCreated);
};
