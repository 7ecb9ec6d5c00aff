#include "controls/COwnerMenuMemDC.h"

IMPLEMENT_DYNAMIC(COwnerMenuMemDC, CDC)

COwnerMenuMemDC::COwnerMenuMemDC(CDC* pDC, const CRect& rcArea) : m_pDestDC(pDC), m_rcArea(rcArea)
{
    if (!pDC->IsPrinting() && CreateCompatibleDC(pDC))
    {
        if (m_bmpOffscreen.CreateCompatibleBitmap(pDC, rcArea.Width(), rcArea.Height()))
        {
            m_pPrevBitmap = SelectObject(&m_bmpOffscreen);
            SetWindowOrg(rcArea.left, rcArea.top);
            m_bOffscreen = TRUE;
            return;
        }
        DeleteDC();
    }
    // Printing, or no memory for the bitmap: draw on the target itself.
    m_bPrinting = pDC->m_bPrinting;
    m_hDC = pDC->m_hDC;
    m_hAttribDC = pDC->m_hAttribDC;
}

COwnerMenuMemDC::~COwnerMenuMemDC()
{
    if (m_bOffscreen)
    {
        m_pDestDC->BitBlt(m_rcArea.left, m_rcArea.top, m_rcArea.Width(), m_rcArea.Height(), this,
                          m_rcArea.left, m_rcArea.top, SRCCOPY);
        SelectObject(m_pPrevBitmap);
        return; // the base class deletes the memory context
    }
    // Borrowed handles are not ours to delete.
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
}
