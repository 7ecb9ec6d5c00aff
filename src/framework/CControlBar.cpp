#include "framework/CControlBar.h"

#include "framework/CDockBar.h"
#include "framework/CDockContext.h"
#include "framework/CFrameWnd.h"
#include "framework/CWindowDC.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
ON_MESSAGE(WM_NCPAINT, OnNcPaint)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CControlBar::~CControlBar()
{
    // A bar deleted with its window alive: destroyed here, where OnDestroy still takes it out of its dock
    // bar and frame (and PostNcDestroy must not delete it again).
    m_bAutoDelete = FALSE;
    DestroyWindow();
    delete m_pDockContext;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    const DWORD dwOld = m_dwStyle;
    m_dwStyle = dwStyle;
    if (m_hWnd != nullptr && ((dwOld ^ dwStyle) & (CBRS_BORDER_ANY | CBRS_BORDER_3D)) != 0)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == nullptr && dwDockStyle != 0)
        m_pDockContext = new CDockContext(this);
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar != nullptr && m_pDockBar->m_bFloating;
}

BOOL CControlBar::IsHorzDocked() const
{
    return m_pDockBar != nullptr && !m_pDockBar->m_bFloating &&
           (m_pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
}

BOOL CControlBar::IsVertDocked() const
{
    return m_pDockBar != nullptr && !m_pDockBar->m_bFloating &&
           (m_pDockBar->m_dwStyle & CBRS_ORIENT_VERT) != 0;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return m_pDockSite != nullptr ? m_pDockSite : GetParentFrame();
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    const CRect rcBorder = GetBorderWidths();
    CSize size(rcBorder.left + rcBorder.right, rcBorder.top + rcBorder.bottom);
    if (bStretch)
        (bHorz ? size.cx : size.cy) = 32767;
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    const BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

HDWP CControlBar::CommitDelayedShow(HDWP hDWP)
{
    UINT nShow = 0;
    if (m_nStateFlags & delayShow)
        nShow = SWP_SHOWWINDOW;
    else if (m_nStateFlags & delayHide)
        nShow = SWP_HIDEWINDOW;
    m_nStateFlags &= ~(delayHide | delayShow);
    if (nShow == 0 || m_hWnd == nullptr)
        return hDWP;
    const UINT nFlags = nShow | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (hDWP != nullptr)
        return ::DeferWindowPos(hDWP, m_hWnd, nullptr, 0, 0, 0, 0, nFlags);
    SetWindowPos(nullptr, 0, 0, 0, 0, nFlags);
    return nullptr;
}

CRect CControlBar::GetBorderWidths() const
{
    const int n = (m_dwStyle & CBRS_BORDER_3D) ? 2 : 1;
    return CRect((m_dwStyle & CBRS_BORDER_LEFT) ? n : 0, (m_dwStyle & CBRS_BORDER_TOP) ? n : 0,
                 (m_dwStyle & CBRS_BORDER_RIGHT) ? n : 0, (m_dwStyle & CBRS_BORDER_BOTTOM) ? n : 0);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) const
{
    // Each border: a shadow line on the outside and, with CBRS_BORDER_3D, a highlight line inside it.
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const BOOL b3D = (m_dwStyle & CBRS_BORDER_3D) != 0;
    for (int nLine = 0; nLine < (b3D ? 2 : 1); ++nLine)
    {
        const COLORREF cr = nLine == 0 ? crShadow : crHilite;
        if (m_dwStyle & CBRS_BORDER_LEFT)
            pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), cr);
        if (m_dwStyle & CBRS_BORDER_TOP)
            pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, cr);
        if (m_dwStyle & CBRS_BORDER_RIGHT)
            pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), cr);
        if (m_dwStyle & CBRS_BORDER_BOTTOM)
            pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, cr);
        rect.DeflateRect((m_dwStyle & CBRS_BORDER_LEFT) ? 1 : 0, (m_dwStyle & CBRS_BORDER_TOP) ? 1 : 0,
                         (m_dwStyle & CBRS_BORDER_RIGHT) ? 1 : 0, (m_dwStyle & CBRS_BORDER_BOTTOM) ? 1 : 0);
    }
}

HBRUSH CControlBar::GetHalftoneBrush()
{
    static HBRUSH hBrush = []
    {
        const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, pattern);
        HBRUSH hbr = ::CreatePatternBrush(hBitmap);
        ::DeleteObject(hBitmap);
        return hbr;
    }();
    return hBrush;
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL) const
{
    rect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pDockSite == nullptr)
        m_pDockSite = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    if (m_pDockSite != nullptr)
        m_pDockSite->AddControlBar(this);
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar != nullptr)
    {
        m_pDockBar->RemoveControlBar(this);
        m_pDockBar = nullptr;
    }
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
    CWnd::OnDestroy();
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (pLayout->hDWP != nullptr)
        CommitDelayedShow();
    if (!IsVisible() || (m_dwStyle & CBRS_ALIGN_ANY) == 0)
        return 0;
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rect(pLayout->rect);
    const CSize sizeAvail = rect.Size();
    DWORD dwMode = bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    if (pLayout->bStretch)
        dwMode |= LM_STRETCH;
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::max<LONG>(0, std::min(size.cx, sizeAvail.cx));
    size.cy = std::max<LONG>(0, std::min(size.cy, sizeAvail.cy));
    if (bHorz)
    {
        pLayout->sizeTotal.cy += size.cy;
        pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP)
            pLayout->rect.top += size.cy;
        else
        {
            rect.top = rect.bottom - size.cy;
            pLayout->rect.bottom -= size.cy;
        }
    }
    else
    {
        pLayout->sizeTotal.cx += size.cx;
        pLayout->sizeTotal.cy = std::max(pLayout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT)
            pLayout->rect.left += size.cx;
        else
        {
            rect.left = rect.right - size.cx;
            pLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (pLayout->hDWP != nullptr)
        AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_nStateFlags & (delayHide | delayShow))
    {
        CommitDelayedShow();
        if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->DelayRecalcLayout();
    }
    if (GetStyle() & WS_VISIBLE)
    {
        CFrameWnd* pTarget = GetDockingFrame();
        if (pTarget != nullptr)
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

LRESULT CControlBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    auto* pRect = reinterpret_cast<RECT*>(lParam); // the first rectangle of either form
    const CRect rcBorder = GetBorderWidths();
    pRect->left += rcBorder.left;
    pRect->top += rcBorder.top;
    pRect->right = std::max(pRect->left, pRect->right - rcBorder.right);
    pRect->bottom = std::max(pRect->top, pRect->bottom - rcBorder.bottom);
    return 0;
}

LRESULT CControlBar::OnNcPaint(WPARAM, LPARAM)
{
    CWindowDC dc(this);
    CRect rcWindow, rcClient;
    GetWindowRect(rcWindow);
    GetClientRect(rcClient);
    ClientToScreen(rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    dc.ExcludeClipRect(rcClient);
    DrawBorders(&dc, rcWindow);
    dc.FillSolidRect(rcWindow, ::GetSysColor(COLOR_BTNFACE));
    return 0;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr)
    {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockContext != nullptr && m_pDockBar != nullptr)
    {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}
