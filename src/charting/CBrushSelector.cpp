#include "charting/CBrushSelector.h"

#include "framework/CBrush.h"
#include "framework/CDC.h"

CBrushSelector::CBrushSelector(COLORREF crColor, CDC* pDC) : m_pBrush(std::make_unique<CBrush>()), m_pDC(pDC)
{
    Select(m_pBrush->CreateSolidBrush(crColor));
}

CBrushSelector::CBrushSelector(COLORREF crColor, int nHatchStyle, CDC* pDC)
    : m_pBrush(std::make_unique<CBrush>()), m_pDC(pDC)
{
    Select(m_pBrush->CreateHatchBrush(nHatchStyle, crColor));
}

void CBrushSelector::Select(BOOL bCreated)
{
    if (bCreated)
        m_pOldBrush = m_pDC->SelectObject(m_pBrush.get());
}

CBrushSelector::~CBrushSelector()
{
    if (m_pOldBrush != nullptr)
        m_pDC->SelectObject(m_pOldBrush);
}
