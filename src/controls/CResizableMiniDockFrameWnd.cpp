#include "controls/CResizableMiniDockFrameWnd.h"

#include "controls/CResizableBar.h"
#include "framework/AfxDockRes.h"

IMPLEMENT_DYNCREATE(CResizableMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CResizableMiniDockFrameWnd, CMiniDockFrameWnd)
ON_WM_NCLBUTTONDOWN()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

BOOL CResizableMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    m_bInRecalcLayout = TRUE;
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_SYNCACTIVE | MFS_4THICKFRAME | MFS_BLOCKSYSMENU |
                    FWS_SNAPTOBARS;
    if (!(dwBarStyle & CBRS_SIZE_DYNAMIC))
        dwStyle |= MFS_MOVEFRAME;
    const BOOL bCreated = CreateFrame(pParent, dwStyle, 0, dwBarStyle);
    if (bCreated)
    {
        // The close item hides the bar: it says so when the resources hold the text.
        CString strHide;
        HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
        if (strHide.LoadString(AFX_IDS_HIDE) && hSysMenu != nullptr)
            ::ModifyMenuA(hSysMenu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, strHide);
    }
    m_bInRecalcLayout = FALSE;
    return bCreated;
}

CResizableBar* CResizableMiniDockFrameWnd::FindHostedBar() const
{
    HWND hDockBar = ::GetWindow(m_hWnd, GW_CHILD);
    HWND hBar = hDockBar != nullptr ? ::GetWindow(hDockBar, GW_CHILD) : nullptr;
    return hBar != nullptr ? DYNAMIC_DOWNCAST(CResizableBar, CWnd::FromHandlePermanent(hBar)) : nullptr;
}

void CResizableMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    // The border sizes the frame the platform's way; the caption still drags the bar.
    if (FindHostedBar() != nullptr && nHitTest != HTCAPTION && nHitTest != HTCLOSE)
        CWnd::OnNcLButtonDown(nHitTest, point);
    else
        CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CResizableMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CResizableBar* pBar = FindHostedBar();
    if (pBar != nullptr && !(GetStyle() & MFS_4THICKFRAME) && (pBar->GetStyle() & WS_VISIBLE) &&
        cx + 4 >= pBar->m_szMinFloat.cx && cy + 4 >= pBar->m_szMinFloat.cy)
        pBar->m_szFloat = CSize(cx + 4, cy + 4);
    CMiniDockFrameWnd::OnSize(nType, cx, cy);
}

void CResizableMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CMiniDockFrameWnd::OnGetMinMaxInfo(lpMMI);
    if (CResizableBar* pBar = FindHostedBar())
    {
        CRect rect(0, 0, pBar->m_szMinFloat.cx - 4, pBar->m_szMinFloat.cy - 4);
        ::AdjustWindowRectEx(rect, WS_THICKFRAME | WS_CAPTION, FALSE, 0);
        lpMMI->ptMinTrackSize = CPoint(rect.Width(), rect.Height());
    }
}

void CResizableMiniDockFrameWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    // The first change after a sizing bar came in keeps the size; from then on the frame is sized by
    // its border (without MFS_4THICKFRAME) and the bar follows it.
    CResizableBar* pBar = FindHostedBar();
    if ((GetStyle() & MFS_4THICKFRAME) && pBar != nullptr)
    {
        lpwndpos->flags |= SWP_NOSIZE;
        if (pBar->m_pDockBar != nullptr)
            pBar->m_pDockBar->ModifyStyle(0, WS_CLIPCHILDREN);
        ModifyStyle(MFS_4THICKFRAME, 0);
        DelayRecalcLayout();
        pBar->PostMessage(WM_NCPAINT);
    }
    CMiniDockFrameWnd::OnWindowPosChanging(lpwndpos);
}
