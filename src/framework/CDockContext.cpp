#include "framework/CDockContext.h"

#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CMiniDockFrameWnd.h"

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite),
      m_dwMRUFloatStyle(CBRS_ALIGN_TOP | (pBar->m_dwDockStyle & CBRS_FLOAT_MULTI))
{
}

void CDockContext::RememberDockPos()
{
    if (m_pBar->m_pDockBar == nullptr || m_pBar->m_pDockBar->m_bFloating)
        return;
    m_uMRUDockID = m_pBar->m_pDockBar->GetDlgCtrlID();
    m_pBar->GetWindowRect(m_rectMRUDockPos);
}

void CDockContext::ToggleDocking()
{
    if (m_pDockSite == nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr || m_pBar->m_pDockBar == nullptr)
        return;
    if (m_pBar->IsFloating())
    {
        CRect rcFrame;
        m_pBar->m_pDockBar->GetParent()->GetWindowRect(rcFrame);
        m_ptMRUFloatPos = rcFrame.TopLeft();
        m_bMRUFloatPosSet = TRUE;
        CDockBar* pDockBar = m_pDockSite->GetDockBar(m_uMRUDockID);
        if (pDockBar == nullptr || !(pDockBar->m_dwStyle & m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
            pDockBar = m_pDockSite->FindDockBarFor(m_pBar);
        if (pDockBar != nullptr)
            m_pDockSite->ReDockControlBar(m_pBar, pDockBar,
                                          m_rectMRUDockPos.IsRectEmpty() ? nullptr : &m_rectMRUDockPos);
        return;
    }
    RememberDockPos();
    CPoint pt = m_ptMRUFloatPos;
    if (!m_bMRUFloatPosSet)
        pt = m_rectMRUDockPos.TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle);
}

// --- drag -------------------------------------------------------------------------------------------

void CDockContext::InitDrag(CPoint ptScreen)
{
    if (m_pDockSite == nullptr)
        m_pDockSite = m_pBar->m_pDockSite;
    m_ptLast = ptScreen;
    m_bDragging = TRUE;
    m_bMoved = FALSE;
    CRect rcBar;
    m_pBar->GetWindowRect(rcBar);
    m_rectDragHorz = CRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = CRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
    if (m_pBar->IsFloating())
        m_pBar->m_pDockBar->GetParent()->GetWindowRect(m_rectFrameDrag);
    else
    {
        const CSize sizeFloat = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
        m_rectFrameDrag = CMiniDockFrameWnd::CalcFrameRect(CRect(rcBar.TopLeft(), sizeFloat));
    }
    m_pTargetDockBar = m_pBar->IsFloating() ? nullptr : m_pBar->m_pDockBar;
    m_rectDrawn.SetRectEmpty();
}

void CDockContext::Move(CPoint ptScreen)
{
    if (!m_bDragging)
        return;
    const CSize delta = ptScreen - m_ptLast;
    m_ptLast = ptScreen;
    if (delta.cx == 0 && delta.cy == 0)
        return;
    m_bMoved = TRUE;
    m_rectDragHorz.OffsetRect(delta);
    m_rectDragVert.OffsetRect(delta);
    m_rectFrameDrag.OffsetRect(delta);
    // Control held down keeps the bar floating.
    m_pTargetDockBar = nullptr;
    if (m_pDockSite != nullptr && ::GetKeyState(VK_CONTROL) >= 0)
    {
        const DWORD dwDock = m_pBar->m_dwDockStyle;
        m_pTargetDockBar = m_pDockSite->CanDock(m_rectDragHorz, dwDock & CBRS_ORIENT_HORZ);
        if (m_pTargetDockBar == nullptr)
            m_pTargetDockBar = m_pDockSite->CanDock(m_rectDragVert, dwDock & CBRS_ORIENT_VERT);
    }
    DrawTracker(TRUE);
}

CRect CDockContext::GetTrackRect() const
{
    if (m_pTargetDockBar == nullptr)
        return m_rectFrameDrag;
    return (m_pTargetDockBar->m_dwStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
}

void CDockContext::EndDrag()
{
    if (!m_bDragging)
        return;
    CancelDrag();
    if (!m_bMoved || m_pDockSite == nullptr)
        return;
    const CRect rect = GetTrackRect();
    if (m_pTargetDockBar != nullptr)
    {
        if (m_pBar->IsFloating())
        {
            m_ptMRUFloatPos = m_rectFrameDrag.TopLeft();
            m_bMRUFloatPosSet = TRUE;
        }
        m_pDockSite->DockControlBar(m_pBar, m_pTargetDockBar, &rect);
        return;
    }
    RememberDockPos();
    m_ptMRUFloatPos = rect.TopLeft();
    m_bMRUFloatPosSet = TRUE;
    m_pDockSite->FloatControlBar(m_pBar, rect.TopLeft(), m_dwMRUFloatStyle);
}

void CDockContext::CancelDrag()
{
    if (!m_rectDrawn.IsRectEmpty())
        DrawTracker(FALSE);
    m_bDragging = FALSE;
}

void CDockContext::StartDrag(CPoint ptScreen)
{
    // Only a pressed button starts a drag (a click sent by a program does not).
    if (::GetKeyState(VK_LBUTTON) >= 0)
        return;
    InitDrag(ptScreen);
    m_pBar->SetCapture();
    ::LockWindowUpdate(::GetDesktopWindow());
    while (m_bDragging && CWnd::GetCapture() == m_pBar)
    {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message)
        {
            case WM_LBUTTONUP:
                Move(msg.pt);
                EndDrag();
                break;
            case WM_MOUSEMOVE:
                Move(msg.pt);
                break;
            case WM_RBUTTONDOWN:
                CancelDrag();
                break;
            case WM_KEYDOWN:
                if (msg.wParam == VK_ESCAPE)
                    CancelDrag();
                break;
            default:
                ::DispatchMessageA(&msg);
                break;
        }
    }
    CancelDrag();
    ::LockWindowUpdate(nullptr);
    if (CWnd::GetCapture() == m_pBar)
        ::ReleaseCapture();
}

void CDockContext::DrawTracker(BOOL bShow)
{
    // The tracker is inverted on the screen: drawing the same rectangle again erases it.
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDC = ::GetDCEx(hWndDesktop, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        return;
    HGDIOBJ hOld = ::SelectObject(hDC, CControlBar::GetHalftoneBrush());
    auto frame = [hDC](const CRect& rc, int n)
    {
        ::PatBlt(hDC, rc.left, rc.top, rc.Width(), n, PATINVERT);
        ::PatBlt(hDC, rc.left, rc.bottom - n, rc.Width(), n, PATINVERT);
        ::PatBlt(hDC, rc.left, rc.top + n, n, rc.Height() - 2 * n, PATINVERT);
        ::PatBlt(hDC, rc.right - n, rc.top + n, n, rc.Height() - 2 * n, PATINVERT);
    };
    if (!m_rectDrawn.IsRectEmpty())
        frame(m_rectDrawn, m_bDrawnFloating ? 3 : 1);
    m_rectDrawn.SetRectEmpty();
    if (bShow)
    {
        m_rectDrawn = GetTrackRect();
        m_bDrawnFloating = m_pTargetDockBar == nullptr;
        frame(m_rectDrawn, m_bDrawnFloating ? 3 : 1);
    }
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(hWndDesktop, hDC);
}
