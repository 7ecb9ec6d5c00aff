#include "framework/CMiniDockFrameWnd.h"

#include "framework/CDockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_BLOCKSYSMENU |
                    FWS_SNAPTOBARS;
    if (!(dwBarStyle & CBRS_SIZE_DYNAMIC))
        dwStyle |= MFS_MOVEFRAME;
    return CreateFrame(pParent, dwStyle, WS_EX_TOOLWINDOW, dwBarStyle);
}

BOOL CMiniDockFrameWnd::CreateFrame(CWnd* pParent, DWORD dwStyle, DWORD dwExStyle, DWORD dwBarStyle)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // The MFS_ bits stay in the style's low word, which a window of our own class does not use.
    if (dwStyle & (MFS_4THICKFRAME | MFS_THICKFRAME))
        dwStyle |= WS_THICKFRAME;
    if (!CreateEx(dwExStyle, lpszClass, "", dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                  pParent != nullptr ? pParent->m_hWnd : nullptr, nullptr))
        return FALSE;
    m_wndDockBar.m_pDockSite = DYNAMIC_DOWNCAST(CFrameWnd, pParent);
    const DWORD dwAlign =
        (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | dwAlign | (dwBarStyle & CBRS_FLOAT_MULTI),
                             AFX_IDW_DOCKBAR_FLOAT))
    {
        DestroyWindow();
        return FALSE;
    }
    m_bCreated = TRUE;
    return TRUE;
}

void CMiniDockFrameWnd::PostNcDestroy()
{
    if (m_bCreated)
        delete this;
}

CControlBar* CMiniDockFrameWnd::GetHostedBar() const
{
    for (int i = 0; i < (int)m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i))
            return pBar;
    return nullptr;
}

CRect CMiniDockFrameWnd::CalcFrameRect(const CRect& rcBar)
{
    // The bars of a floating frame reach 2 pixels beyond its client area on every side.
    CRect rect(rcBar);
    rect.DeflateRect(2, 2);
    ::AdjustWindowRectEx(&rect, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    return rect;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout || m_wndDockBar.m_hWnd == nullptr)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~idleLayout;
    if (m_wndDockBar.GetDockedVisibleCount() == 0)
    {
        if (IsWindowVisible())
            ShowWindow(SW_HIDE);
    }
    else
    {
        const CSize size =
            m_wndDockBar.CalcFixedLayout(FALSE, (m_wndDockBar.m_dwStyle & CBRS_ORIENT_HORZ) != 0);
        m_wndDockBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcWindow, rcClient;
        GetWindowRect(rcWindow);
        GetClientRect(rcClient);
        if (rcClient.Size() != size)
            SetWindowPos(nullptr, 0, 0, rcWindow.Width() - rcClient.Width() + size.cx,
                         rcWindow.Height() - rcClient.Height() + size.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CString strTitle, strOld;
        m_wndDockBar.GetWindowText(strTitle);
        GetWindowText(strOld);
        if (strTitle != strOld)
            SetWindowText(strTitle);
        if (!IsWindowVisible())
            ShowWindow(SW_SHOWNOACTIVATE);
    }
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating frame hides its bars; the frame follows them.
    CFrameWnd* pDockSite = m_wndDockBar.m_pDockSite;
    for (int i = 0; i < (int)m_wndDockBar.m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i); pBar != nullptr && pDockSite != nullptr)
            pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    RecalcLayout();
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetHostedBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr)
    {
        pBar->m_pDockContext->StartDrag(point);
        return;
    }
    CFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetHostedBar();
    if (nHitTest == HTCAPTION && pBar != nullptr && pBar->m_pDockContext != nullptr)
    {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
