#include "controls/CResizableBarG.h"

#include "framework/CFont.h"
#include "framework/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CResizableBarG, CResizableBar)

BEGIN_MESSAGE_MAP(CResizableBarG, CResizableBar)
ON_WM_NCHITTEST()
ON_MESSAGE(WM_NCLBUTTONUP, OnNcLButtonUpMsg)
END_MESSAGE_MAP()

BOOL CResizableBarG::HasGripper() const
{
    return !IsFloatingBar();
}

void CResizableBarG::CalcClientArea(CRect& rc, UINT nDockBarID)
{
    const CPoint ptWindow = rc.TopLeft();
    CResizableBar::CalcClientArea(rc, nDockBarID);
    if (!HasGripper())
        return;
    if (nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM)
    {
        rc.left += m_nGripperSize;
        m_btnClose.ptOrigin = CPoint(rc.left - 13, rc.top);
    }
    else
    {
        rc.top += m_nGripperSize;
        m_btnClose.ptOrigin = CPoint(rc.right - 12, rc.top - 13);
    }
    m_btnClose.ptOrigin -= ptWindow;
}

void CResizableBarG::PaintGripper(CDC* pDC, const CRect& rcClient)
{
    if (!HasGripper())
        return;
    const CRect rcButton = GetCloseButtonRect();
    CRect rcGrip(rcClient);
    rcGrip.DeflateRect(1, 1);
    const BOOL bHorz = IsDockedHorizontally();
    if (bHorz)
    {
        rcGrip.left -= m_nGripperSize;
        rcGrip.right = rcGrip.left + 3;
        rcGrip.top = rcButton.bottom + 3;
    }
    else
    {
        rcGrip.top -= m_nGripperSize;
        rcGrip.bottom = rcGrip.top + 3;
        rcGrip.right = rcButton.left - 3;
    }
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT), crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    pDC->Draw3dRect(rcGrip, crHilite, crShadow);
    rcGrip.OffsetRect(bHorz ? 3 : 0, bHorz ? 0 : 3);
    pDC->Draw3dRect(rcGrip, crHilite, crShadow);
    PaintCloseButton(pDC);
}

void CResizableBarG::PaintCloseButton(CDC* pDC)
{
    const CRect rcButton = GetCloseButtonRect();
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT), crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_btnClose.bPushed)
        pDC->Draw3dRect(rcButton, crShadow, crHilite);
    else if (m_btnClose.bRaised)
        pDC->Draw3dRect(rcButton, crHilite, crShadow);
    // The close glyph of the symbol font: "r".
    CFont font;
    if (!font.CreatePointFont(::MulDiv(60, 96, pDC->GetDeviceCaps(LOGPIXELSX)), "Marlett", pDC))
        return;
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->TextOut(rcButton.left + 2, rcButton.top + 2, "r");
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

LRESULT CResizableBarG::OnNcHitTest(CPoint point)
{
    const LRESULT nHit = CResizableBar::OnNcHitTest(point);
    if (nHit != HTCLIENT || !HasGripper())
        return nHit;
    CRect rcWindow;
    GetWindowRect(rcWindow);
    CRect rcButton = GetCloseButtonRect();
    rcButton.OffsetRect(rcWindow.TopLeft());
    return rcButton.PtInRect(point) ? HTCLOSE : nHit;
}

void CResizableBarG::GetPointerState(CPoint& ptScreen, BOOL& bButtonDown) const
{
    // One reading serves every bar of an idle update: under Wine each asks the X server and the
    // wineserver.
    struct PointerSample
    {
        CPoint pt;
        BOOL bButtonDown = FALSE;
        DWORD dwTaken = 0;
        bool bTaken = false;
    };
    constexpr DWORD SAMPLE_MS = 10;
    static PointerSample s_sample;
    const DWORD dwNow = ::GetTickCount();
    if (!s_sample.bTaken || dwNow - s_sample.dwTaken >= SAMPLE_MS)
    {
        ::GetCursorPos(&s_sample.pt);
        s_sample.bButtonDown = ::GetKeyState(VK_LBUTTON) < 0;
        s_sample.dwTaken = dwNow;
        s_sample.bTaken = true;
    }
    ptScreen = s_sample.pt;
    bButtonDown = s_sample.bButtonDown;
}

void CResizableBarG::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    if (!HasGripper())
        return;
    CPoint ptScreen;
    BOOL bButtonDown = FALSE;
    GetPointerState(ptScreen, bButtonDown);
    const BOOL bOver = OnNcHitTest(ptScreen) == HTCLOSE;
    const BOOL bPushed = bOver && bButtonDown;
    const BOOL bRaised = bOver && !bButtonDown;
    if (bPushed == m_btnClose.bPushed && bRaised == m_btnClose.bRaised)
        return;
    m_btnClose.bPushed = bPushed;
    m_btnClose.bRaised = bRaised;
    SendMessage(WM_NCPAINT);
}

LRESULT CResizableBarG::OnNcLButtonUpMsg(WPARAM wParam, LPARAM lParam)
{
    OnNcLButtonUp((UINT)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
    return 0;
}

void CResizableBarG::OnNcLButtonUp(UINT nHitTest, CPoint)
{
    if (nHitTest == HTCLOSE && m_pDockSite != nullptr)
        m_pDockSite->ShowControlBar(this, FALSE, FALSE);
    Default();
}
