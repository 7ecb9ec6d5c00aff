// Creates a pen, selects it into a drawing context and selects the previous pen again when it ends.
// A solid pen is widened by the horizontal factor while the context scales.
#pragma once

#include "framework/AfxWin32.h"

#include <memory>

class CDCEx;
class CPen;

class CPenSelector
{
public:
    CPenSelector(COLORREF crColor, int nWidth, CDCEx* pDC, int nPenStyle);
    virtual ~CPenSelector();
    CPenSelector(const CPenSelector&) = delete;
    CPenSelector& operator=(const CPenSelector&) = delete;

    std::unique_ptr<CPen> m_pPen;
    CPen* m_pOldPen = nullptr;
    CDCEx* m_pDC;
};
