#include "shell/CViewBarDiagram.h"

#include "framework/AfxRes.h"
#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"

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

void CViewBarDiagram::SetBarSize(int cx, int cy, int iKind, const CPoint* pPoint)
{
    if (iKind != SIZE_FLOAT_AT)
    {
        CViewBar::SetBarSize(cx, cy, iKind);
        return;
    }
    m_szFloat = CSize(cx, cy);
    // Only a floating frame is moved, never the main frame of a docked bar.
    CFrameWnd* pFloatingFrame = GetDockBarId() == AFX_IDW_DOCKBAR_FLOAT ? GetParentFrame() : nullptr;
    if (pPoint != nullptr && pFloatingFrame != nullptr)
        pFloatingFrame->SetWindowPos(nullptr, pPoint->x, pPoint->y, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcParentLayout();
}

void CViewBarDiagram::SetFloatRect(const CRect& rect)
{
    const CPoint ptTopLeft = rect.TopLeft();
    SetBarSize(rect.Width(), rect.Height(), SIZE_FLOAT_AT, &ptTopLeft);
}

UINT CViewBarDiagram::GetDockBarId() const
{
    return m_pDockBar != nullptr && m_pDockBar->GetSafeHwnd() ? static_cast<UINT>(m_pDockBar->GetDlgCtrlID())
                                                              : 0;
}
