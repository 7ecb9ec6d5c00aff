#include "shell/CViewBarDiagram.h"

IMPLEMENT_DYNAMIC(CViewBarDiagram, CViewBar)

BEGIN_MESSAGE_MAP(CViewBarDiagram, CViewBar)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CViewBarDiagram::CViewBarDiagram()
{
    m_szHorz = m_szVert = m_szFloat = CSize(200, 160);
    m_szMinHorz = m_szMinVert = m_szMinFloat = CSize(200, 160);
}

void CViewBarDiagram::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bMouseDockingAllowed == 1)
        CViewBar::OnLButtonDown(nFlags, point);
}

void CViewBarDiagram::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_bMouseDockingAllowed == 1)
        CViewBar::OnLButtonDblClk(nFlags, point);
}
