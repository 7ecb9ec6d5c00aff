// Selects a font, or a copy scaled to the context's factors when the context scales and the caller
// asks for it, and selects the previous font again when it ends.
#pragma once

#include "framework/CFont.h"

class CDCEx;

class CFontSelector
{
public:
    CFontSelector(CFont* pFont, CDCEx* pDC, bool bScaleWhenPrinting);
    virtual ~CFontSelector();
    CFontSelector(const CFontSelector&) = delete;
    CFontSelector& operator=(const CFontSelector&) = delete;

    CFont m_font; // the scaled copy
    CFont* m_pOldFont = nullptr;
    CDCEx* m_pDC;
};
