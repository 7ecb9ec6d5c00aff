#include "storage/CShadeContrast.h"

#include "framework/CDC.h"
#include "storage/PageState.h"

CShadeContrast::CShadeContrast(CDC* pDC, int nFillFlags) : m_pDC(pDC)
{
    if (nFillFlags != 0)
        m_nOldBkMode = m_pDC->SetBkMode(TRANSPARENT);
    if (nFillFlags > PRINT_FILL_LIGHTGRAY)
        m_crOldText = m_pDC->SetTextColor(RGB(255, 255, 255));
}

CShadeContrast::~CShadeContrast()
{
    if (m_nOldBkMode != 0)
        m_pDC->SetBkMode(m_nOldBkMode);
    if (m_crOldText != CLR_INVALID)
        m_pDC->SetTextColor(m_crOldText);
}
