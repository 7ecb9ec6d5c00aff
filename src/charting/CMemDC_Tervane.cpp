#include "charting/CMemDC_Tervane.h"

CMemDC_Tervane::CMemDC_Tervane(CDC* pDC, CRect rectCopy, CRect rectDraw)
    : m_pDC(pDC), m_rectDraw(rectDraw), m_rectCopy(rectCopy), m_bOffscreen(!pDC->IsPrinting())
{
    Begin(0);
}

CMemDC_Tervane::CMemDC_Tervane(CDC* pDC, int nWidthReduction) : m_pDC(pDC), m_bOffscreen(!pDC->IsPrinting())
{
    pDC->GetClipBox(&m_rectDraw);
    Begin(nWidthReduction);
}

void CMemDC_Tervane::Begin(int nWidthReduction)
{
    if (m_bOffscreen)
    {
        CreateCompatibleDC(m_pDC);
        m_bitmap.CreateCompatibleBitmap(m_pDC, m_rectDraw.Width() - nWidthReduction, m_rectDraw.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetWindowOrg(m_rectDraw.left, m_rectDraw.top);
    }
    else
    {
        m_hDC = m_pDC->m_hDC;
        m_hAttribDC = m_pDC->m_hAttribDC;
        m_bPrinting = m_pDC->m_bPrinting;
    }
    FillSolidRect(m_rectDraw, m_pDC->GetBkColor());
}

CMemDC_Tervane::~CMemDC_Tervane()
{
    if (m_bOffscreen)
    {
        const CRect& rect = m_rectCopy.IsRectEmpty() ? m_rectDraw : m_rectCopy;
        m_pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), this, rect.left, rect.top, SRCCOPY);
        if (m_pOldBitmap != nullptr)
            SelectObject(m_pOldBitmap);
        m_bitmap.DeleteObject();
    }
    else
    {
        m_hDC = nullptr;
        m_hAttribDC = nullptr;
    }
}
