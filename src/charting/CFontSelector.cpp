#include "charting/CFontSelector.h"

#include "charting/CDCEx.h"

CFontSelector::CFontSelector(CFont* pFont, CDCEx* pDC, bool bScaleWhenPrinting) : m_pDC(pDC)
{
    if (!m_pDC->m_bScaleComputed)
        m_pDC->ComputeScaleFactors(m_pDC->m_hDC);
    CFont* pSelect = pFont;
    LOGFONTA lf;
    if (m_pDC->m_bScaling && bScaleWhenPrinting && pFont->GetLogFont(&lf) != 0)
    {
        lf.lfHeight = static_cast<LONG>((lf.lfHeight - 1) * m_pDC->m_fScaleY);
        lf.lfWidth = static_cast<LONG>(lf.lfWidth * m_pDC->m_fScaleX);
        if (m_font.CreateFontIndirect(&lf))
            pSelect = &m_font;
    }
    if (pSelect->GetSafeHandle() != nullptr)
        m_pOldFont = m_pDC->SelectObject(pSelect);
}

CFontSelector::~CFontSelector()
{
    if (m_pOldFont != nullptr)
        m_pDC->SelectObject(m_pOldFont);
}
