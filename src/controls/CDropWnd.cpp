#include "controls/CDropWnd.h"

#include "controls/CDrawnComboBox.h"
#include "controls/CDropListBox.h"
#include "controls/CDropScrollBar.h"
#include "controls/CThemeHelper.h"
#include "framework/CBrush.h"
#include "framework/CPaintDC.h"

#include <algorithm>
#include <initializer_list>

IMPLEMENT_DYNAMIC(CDropWnd, CWnd)

BEGIN_MESSAGE_MAP(CDropWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_ACTIVATEAPP, OnActivateApp)
ON_MESSAGE(WM_ACB_TAKE_CAPTURE, OnTakeCapture)
ON_MESSAGE(WM_ACB_DROP_CAPTURE, OnDropCapture)
END_MESSAGE_MAP()

namespace
{
// Theme parts of the scroll bar class.
constexpr int SBP_LOWERTRACKVERT_PART = 6, SBP_SIZEBOX_PART = 10;
} // namespace

CDropWnd::CDropWnd(CDrawnComboBox* pCombo, const std::vector<ComboItem>& items, DWORD dwOptions)
    : m_pCombo(pCombo), m_items(items), m_dwOptions(dwOptions)
{
}

CDropWnd::~CDropWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

const ComboItem* CDropWnd::GetItem(int nRow) const
{
    return nRow >= 0 && nRow < (int)m_items.size() ? &m_items[(size_t)nRow] : nullptr;
}

BOOL CDropWnd::DestroyWindow()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_pListBox != nullptr && m_pListBox->m_hWnd != nullptr)
        m_pListBox->DestroyWindow();
    return CWnd::DestroyWindow();
}

CRect CDropWnd::CalcPlacement(const PlacementInput& in)
{
    const int h = std::max(in.nItemHeight, 1), n = in.nItems, m = in.nMaxRows;
    const int S = in.sizeScreen.cy;
    const int T = in.rcStart.top - in.nBoxHeight; // the box's top edge
    const bool bLimited = m != -1 && m <= n;
    int H = n * h + 2;
    int Y = in.rcStart.top;
    if ((S - Y) / h < in.nMinRowsBelow)
    {
        // Upward, ending at the box's top edge.
        Y = std::max(bLimited ? T - m * h - 2 : T - H, 0);
        if (bLimited || Y + H > T)
            H = T - Y;
    }
    else if (bLimited)
        H = std::min(m * h, S - Y) + 2;
    else if (Y + H > S)
        H = S - Y;
    else if (H < in.cyVScroll)
        H = in.cyVScroll;

    const int cxStart = in.rcStart.Width();
    int W = in.nWidestText + in.cxVScroll + 8;
    if (W < cxStart - in.cxVScroll)
        W = cxStart;
    W = std::max(W, cxStart);
    int X = in.rcStart.left;
    if (W > in.sizeScreen.cx - X)
        X = std::max((int)in.sizeScreen.cx - W, 0);
    if (X == 0)
        W = std::min(W, (int)in.sizeScreen.cx);
    return CRect(X, Y, X + W, Y + H);
}

int CDropWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (Default() == -1)
        return -1;
    const CREATESTRUCTA cs = *lpCreateStruct;
    CRect rcClient;
    GetClientRect(rcClient);
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, cs.x, cs.y, cs.cx, cs.cy, SWP_SHOWWINDOW);

    const int cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL), cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
    m_rectScroll = rcClient;
    m_rectScroll.left = rcClient.right - cxVScroll;
    m_rectScroll.bottom -= cyVScroll;
    m_pScrollBar = std::make_unique<CDropScrollBar>();
    if (!m_pScrollBar->Create(WS_CHILD | SBS_VERT | SBS_RIGHTALIGN, m_rectScroll, this, ACB_ID_SCROLLBAR))
        return -1;
    m_rectList = CRect(0, 0, cs.cx - cxVScroll, cs.cy);
    m_pListBox = std::make_unique<CDropListBox>(m_pCombo, m_pScrollBar.get());
    if (!m_pListBox->Create(WS_CHILD | LBS_NOINTEGRALHEIGHT, m_rectList, this, ACB_ID_LISTBOX))
        return -1;
    m_pListBox->SetOptionBits(m_dwOptions);
    m_pListBox->ShowWindow(SW_SHOW);

    CRect rcBox;
    m_pCombo->GetWindowRect(rcBox);
    PlacementInput in;
    in.rcStart = CRect(CPoint(cs.x, cs.y), CSize(cs.cx, cs.cy));
    in.nBoxHeight = rcBox.Height();
    in.nItemHeight = m_pListBox->GetItemHeight(0);
    in.nItems = (int)m_items.size();
    in.nMaxRows = m_pCombo->GetMaxDropRows();
    in.nMinRowsBelow = m_pCombo->GetMinDropRowsBelow();
    for (const ComboItem& item : m_items)
        in.nWidestText = std::max(in.nWidestText, (int)m_pListBox->MeasureItemText(item.strText).cx);
    in.sizeScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    in.cxVScroll = cxVScroll;
    in.cyVScroll = cyVScroll;
    const CRect rcPlace = CalcPlacement(in);
    m_iMaxWidth = rcPlace.Width() + 100;
    m_iMaxHeight = rcPlace.Height() + 100;
    SetWindowPos(nullptr, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(),
                 SWP_SHOWWINDOW | SWP_NOZORDER);
    GetClientRect(rcClient);
    m_rectGrip =
        CRect(rcClient.right - cxVScroll, rcClient.bottom - cyVScroll, rcClient.right, rcClient.bottom);

    for (const ComboItem& item : m_items)
        m_pListBox->AddItem(item);
    m_pScrollBar->SetListBox(m_pListBox.get());
    m_pScrollBar->ShowWindow(SW_SHOW);
    SetCapture();
    return 0;
}

void CDropWnd::OnSize(UINT, int cx, int cy)
{
    Default();
    LayOut(cx, cy);
}

void CDropWnd::LayOut(int cx, int cy)
{
    if (m_pListBox == nullptr || m_pListBox->m_hWnd == nullptr || m_pScrollBar->m_hWnd == nullptr)
        return;
    const int cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL), cyVScroll = ::GetSystemMetrics(SM_CYVSCROLL);
    m_rectList = CRect(0, 0, cx - cxVScroll, cy);
    CRect rc = m_rectList;
    rc.DeflateRect(1, 1);
    m_pListBox->MoveWindow(rc);
    m_rectScroll = CRect(cx - cxVScroll, 0, cx, cy - cyVScroll);
    rc = m_rectScroll;
    rc.DeflateRect(1, 1);
    m_pScrollBar->MoveWindow(rc);
    m_rectGrip = CRect(cx - cxVScroll, cy - cyVScroll, cx, cy);
    m_rectGrip.DeflateRect(1, 1);
    // The frame and the grip are painted together.
    Invalidate(FALSE);
    SCROLLINFO si = {};
    si.fMask = SIF_PAGE;
    si.nPage = (UINT)std::max(m_pListBox->GetBottomIndex() - m_pListBox->GetTopIndex(), 0);
    m_pScrollBar->SetScrollInfo(&si, TRUE);
}

void CDropWnd::OnPaint()
{
    CPaintDC dc(this);
    Paint(&dc);
}

void CDropWnd::Paint(CDC* pDC)
{
    CDC& dc = *pDC;
    const int nSavedDC = dc.SaveDC();
    CRect rcClient;
    GetClientRect(rcClient);
    // The gaps around the children and the frame are painted with the grip, so they survive being covered.
    for (CWnd* pChild : {static_cast<CWnd*>(m_pListBox.get()), static_cast<CWnd*>(m_pScrollBar.get())})
    {
        CRect rcChild;
        pChild->GetWindowRect(rcChild);
        ScreenToClient(rcChild);
        dc.ExcludeClipRect(rcChild);
    }
    dc.FillSolidRect(rcClient, ::GetSysColor(COLOR_WINDOW));
    CBrush brFrame(::GetSysColor(COLOR_3DDKSHADOW));
    dc.FrameRect(rcClient, &brFrame);
    CThemeHelper& theme = CThemeHelper::GetInstance();
    if (theme.IsThemed())
    {
        HTHEME hTheme = theme.OpenThemeData(m_hWnd, L"SCROLLBAR");
        theme.DrawThemeBackground(hTheme, dc.m_hDC, SBP_LOWERTRACKVERT_PART, 1, &m_rectGrip, nullptr);
        theme.DrawThemeBackground(hTheme, dc.m_hDC, SBP_SIZEBOX_PART, 1, &m_rectGrip, nullptr);
        theme.CloseThemeData(hTheme);
    }
    else
    {
        CRect rcGrip = m_rectGrip;
        dc.DrawFrameControl(rcGrip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    dc.RestoreDC(nSavedDC);
}

// --- mouse --------------------------------------------------------------------------------------------

void CDropWnd::OnMouseMove(UINT, CPoint point)
{
    if (m_bResizing)
        Resize(point);
    else
        TrackPointer(point);
}

void CDropWnd::TrackPointer(CPoint point)
{
    if (m_rectList.PtInRect(point))
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        ::ReleaseCapture();
        m_pScrollBar->SendMessage(WM_ACB_DROP_CAPTURE);
        // The focus stays with the box: a child of the desktop does not take it.
        m_pListBox->SetFocus();
        m_pListBox->SendMessage(WM_ACB_TAKE_CAPTURE);
        return;
    }
    if (m_rectScroll.PtInRect(point))
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        m_pScrollBar->SetFocus();
        ::ReleaseCapture();
        m_pListBox->SendMessage(WM_ACB_DROP_CAPTURE);
        m_pScrollBar->SendMessage(WM_ACB_TAKE_CAPTURE);
        return;
    }
    ::SetCursor(::LoadCursor(nullptr, IsOnGrip(point) ? IDC_SIZENWSE : IDC_ARROW));
    SetCapture();
    Default();
}

void CDropWnd::Resize(CPoint point)
{
    const int cxBox = [this]
    {
        CRect rcBox;
        m_pCombo->GetWindowRect(rcBox);
        return rcBox.Width();
    }();
    const int cx = std::min(std::max((int)(point.x + m_sizeDragOffset.cx), cxBox), m_iMaxWidth);
    const int y = (int)(point.y + m_sizeDragOffset.cy);
    // Never taller than the maximum height.
    const int cy = y < ::GetSystemMetrics(SM_CYVSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) + 1
                                                        : std::min(y + 2, m_iMaxHeight);
    CRect rcWindow;
    GetWindowRect(rcWindow);
    MoveWindow(rcWindow.left, rcWindow.top, cx, cy, TRUE);
}

void CDropWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsOnGrip(point))
    {
        CRect rcClient;
        GetClientRect(rcClient);
        m_bResizing = true;
        m_sizeDragOffset = CSize(rcClient.Width() - point.x, rcClient.Height() - point.y);
        return;
    }
    CRect rcClient;
    GetClientRect(rcClient);
    HWND hWndCombo = m_pCombo->m_hWnd;
    if (!rcClient.PtInRect(point))
    {
        ::ReleaseCapture();
        ::PostMessageA(hWndCombo, WM_ACB_CLOSE_LIST, 0, 0);
    }
    Default();
    // Last: the box may close the list, and with it this window, while it handles the click.
    ::SendMessageA(hWndCombo, WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CDropWnd::OnLButtonUp(UINT, CPoint)
{
    if (m_bResizing)
    {
        m_bResizing = false;
        ::LockWindowUpdate(nullptr);
        m_pListBox->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    Default();
}

LRESULT CDropWnd::OnActivateApp(WPARAM wParam, LPARAM)
{
    if (!wParam)
        ::PostMessageA(m_pCombo->m_hWnd, WM_ACB_CLOSE_LIST, 0, 0);
    return Default();
}

LRESULT CDropWnd::OnTakeCapture(WPARAM, LPARAM)
{
    SetCapture();
    return 0;
}

LRESULT CDropWnd::OnDropCapture(WPARAM, LPARAM)
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    return 0;
}
