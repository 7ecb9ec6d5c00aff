#include "charting/CPenSelector.h"

#include "charting/CDCEx.h"
#include "framework/CPen.h"

CPenSelector::CPenSelector(COLORREF crColor, int nWidth, CDCEx* pDC, int nPenStyle)
    : m_pPen(std::make_unique<CPen>()), m_pDC(pDC)
{
    if (!m_pDC->m_bScaleComputed)
        m_pDC->ComputeScaleFactors(m_pDC->m_hDC);
    if (m_pDC->m_bScaling && nPenStyle == PS_SOLID)
        nWidth = static_cast<int>(nWidth * m_pDC->m_fScaleX);
    if (m_pPen->CreatePen(nPenStyle, nWidth, crColor))
        m_pOldPen = m_pDC->SelectObject(m_pPen.get());
}

CPenSelector::~CPenSelector()
{
    if (m_pOldPen != nullptr)
        m_pDC->SelectObject(m_pOldPen);
}
