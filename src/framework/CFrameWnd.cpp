#include "framework/CFrameWnd.h"

#include "framework/AfxBarStyles.h"
#include "framework/AfxRes.h"
#include "framework/CControlBar.h"
#include "framework/CCreateContext.h"
#include "framework/CDockBar.h"
#include "framework/CDockContext.h"
#include "framework/CDockState.h"
#include "framework/CDocument.h"
#include "framework/CMiniDockFrameWnd.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <map>
#include <set>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_NCDESTROY()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_MENUSELECT()
ON_WM_INITMENUPOPUP()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr && (hMenu = ::LoadMenuA(AfxGetResourceHandle(), lpszMenuName)) == nullptr)
        return FALSE;
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    const bool bDefault = CRect(rect) == rectDefault;
    const int x = bDefault ? CW_USEDEFAULT : rect.left;
    const int y = bDefault ? CW_USEDEFAULT : rect.top;
    const int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    const int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext))
    {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    m_nIDHelp = nIDResource;
    CString strFullTitle;
    strFullTitle.LoadString(nIDResource);
    const int nEnd = strFullTitle.Find('\n');
    m_strTitle = nEnd >= 0 ? strFullTitle.Left(nEnd) : strFullTitle;

    HICON hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource));
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    const CString strTitle = m_strTitle;
    if (!CreateEx(0, lpszClass, strTitle, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext))
    {
        // The window (had it been made) took its menu along; the object is gone too.
        if (hMenu != nullptr && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams)))
        return -1;
    // The status bar made by a derived OnCreate shows the idle prompt once creation is over.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    return pContext == nullptr || pContext->m_pNewViewClass == nullptr ||
           CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pObject);
    if (pView == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    // A view that fails is deleted by its PostNcDestroy.
    if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, nID,
                       pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible)
{
    if (GetActiveView() == nullptr)
    {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)))
            SetActiveView(static_cast<CView*>(pWnd), FALSE);
    }
    if (bMakeVisible)
    {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this && pApp->m_nCmdShow != -1)
        {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (m_pViewActive != nullptr)
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
    {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    if (nCmdShow == -1)
        return;
    ShowWindow(nCmdShow);
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE &&
        nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
        BringWindowToTop();
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDoc = GetActiveDocument();
    CString strTitle = m_strTitle;
    if (bAddToTitle && pDoc != nullptr && !pDoc->GetTitle().IsEmpty())
        strTitle = pDoc->GetTitle() + " - " + m_strTitle;
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strTitle)
        SetWindowText(strTitle);
}

// --- layout ---------------------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~idleLayout;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    m_nIdleFlags |= idleLayout;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (m_nIdleFlags & idleLayout)
        RecalcLayout();
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    m_nIdleFlags = 0;
    UpdateFloatingFrames(wParam);
    return 0;
}

// --- view, document and command routing -----------------------------------------------------------

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (!bNotify)
        return;
    if (pViewOld != nullptr)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (pViewNew != nullptr)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view (and through it its document) first, then the frame, then the application.
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

// --- menus and status text ------------------------------------------------------------------------

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu || pPopupMenu == nullptr)
        return;
    CCmdUI state;
    state.m_hMenu = pPopupMenu->m_hMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = pPopupMenu->GetMenuItemID((int)state.m_nIndex);
        // Separators (0) and popups (-1) have no command.
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue;
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        // An update handler may have removed or added items.
        const UINT nCount = pPopupMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax)
        {
            state.m_nIndex -= state.m_nIndexMax - nCount;
            while (state.m_nIndex < nCount && pPopupMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu)
{
    if (nFlags == 0xFFFF && hSysMenu == nullptr)
        m_nIDTracking = AFX_IDS_IDLEMESSAGE; // the menu closed
    else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4); // a system command
    else
        m_nIDTracking = nItemID;
    if (m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    if (!rMessage.LoadString(nID))
        return;
    const int nEnd = rMessage.Find('\n');
    if (nEnd >= 0)
        rMessage = rMessage.Left(nEnd);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    const UINT nIDLast = m_nIDLastMessage;
    if (CWnd* pMessageBar = GetMessageBar())
    {
        CString strMessage;
        LPCSTR lpsz = "";
        if (lParam != 0)
        {
            lpsz = reinterpret_cast<LPCSTR>(lParam);
        }
        else if (wParam != 0)
        {
            GetMessageString((UINT)wParam, strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz);
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

void CFrameWnd::SetMessageText(LPCSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText));
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, nID);
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

// --- closing --------------------------------------------------------------------------------------

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnDestroy()
{
    // The default menu goes with the window, also when another one is shown now.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault && ::IsMenu(m_hMenuDefault))
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnNcDestroy()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this)
    {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    CWnd::OnNcDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

// --- docking ----------------------------------------------------------------------------------------

namespace
{
struct DockSide
{
    DWORD dwAlign;
    UINT nID;
};
// Top and bottom first, so they span the whole width and the left and right sides fit between them.
constexpr DockSide kDockSides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                                   {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                                   {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                                   {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};
// How far an empty side reaches into the frame for a bar dragged over it.
constexpr int kDockHotZone = 12;

// A point on some monitor: a stored place off every monitor moves to the primary work area.
CPoint PointOnScreen(CPoint pt)
{
    if (::MonitorFromPoint(pt, MONITOR_DEFAULTTONULL) != nullptr)
        return pt;
    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    return CPoint(rcWork.left, rcWork.top);
}
} // namespace

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const DockSide& side : kDockSides)
    {
        if (!(dwDockStyle & side.dwAlign) || GetDockBar(side.nID) != nullptr)
            continue;
        auto* pDockBar = new CDockBar;
        if (pDockBar->Create(this, WS_CHILD | WS_VISIBLE | side.dwAlign, side.nID))
            pDockBar->m_bAutoDelete = TRUE; // deleted with its window from now on
        else
            delete pDockBar;
    }
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == nullptr)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != nullptr && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

CDockBar* CFrameWnd::GetDockBar(UINT nDockBarID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->IsDockBar() && !static_cast<CDockBar*>(pBar)->m_bFloating && pBar->m_hWnd != nullptr &&
            (UINT)pBar->GetDlgCtrlID() == nDockBarID)
            return static_cast<CDockBar*>(pBar);
    }
    return nullptr;
}

CDockBar* CFrameWnd::FindDockBarFor(CControlBar* pBar)
{
    for (const DockSide& side : kDockSides)
        if (pBar->m_dwDockStyle & side.dwAlign)
            if (CDockBar* pDockBar = GetDockBar(side.nID))
                return pDockBar;
    return nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nDockBarID != 0 ? GetDockBar(nDockBarID) : nullptr;
    if (pDockBar == nullptr || !(pDockBar->m_dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY))
        pDockBar = FindDockBarFor(pBar);
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == nullptr)
        return;
    // A bar docked on purpose forgets the place it left when it floated.
    const UINT nID = pBar->GetDlgCtrlID();
    for (const DockSide& side : kDockSides)
        if (CDockBar* pSide = GetDockBar(side.nID); pSide != nullptr && pSide != pDockBar)
            pSide->RemovePlaceHolder(nID);
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pDockBar == nullptr)
        return;
    pDockBar->ReDockControlBar(pBar, lpRect);
    const UINT nID = pBar->GetDlgCtrlID();
    for (const DockSide& side : kDockSides)
        if (CDockBar* pSide = GetDockBar(side.nID); pSide != nullptr && pSide != pDockBar)
            pSide->RemovePlaceHolder(nID);
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    const CRuntimeClass* pClass =
        m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    auto* pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pObject);
    if (pFrame == nullptr)
    {
        delete pObject;
        return nullptr;
    }
    if (!pFrame->Create(this, dwStyle))
    {
        delete pFrame;
        return nullptr;
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    dwStyle = (dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) | (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC);
    CMiniDockFrameWnd* pFrame = nullptr;
    if (pBar->IsFloating() && pBar->m_pDockBar->GetDockedCount() == 1)
        pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pBar->m_pDockBar->GetParent());
    if (pFrame == nullptr && (pFrame = CreateFloatingFrame(dwStyle)) == nullptr)
        return;
    point = PointOnScreen(point);
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pBar->m_pDockBar != &pFrame->m_wndDockBar)
        pFrame->m_wndDockBar.DockControlBar(pBar);
    pFrame->RecalcLayout();
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    CFrameWnd* pBarFrame = pBar->IsFloating() ? pBar->GetParentFrame() : this;
    if (bDelay)
    {
        pBar->DelayShow(bShow);
        DelayRecalcLayout();
        if (pBarFrame != nullptr)
            pBarFrame->DelayRecalcLayout();
        return;
    }
    pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (pBarFrame != nullptr)
        pBarFrame->RecalcLayout();
}

CDockBar* CFrameWnd::CanDock(const CRect& rect, DWORD dwDockStyle)
{
    CDockBar* pBest = nullptr;
    long nBestArea = 0;
    for (const DockSide& side : kDockSides)
    {
        CDockBar* pDockBar = (dwDockStyle & side.dwAlign) ? GetDockBar(side.nID) : nullptr;
        if (pDockBar == nullptr)
            continue;
        CRect rcHot;
        pDockBar->GetWindowRect(rcHot);
        if (side.dwAlign == CBRS_ALIGN_TOP)
            rcHot.bottom = std::max(rcHot.bottom, rcHot.top + kDockHotZone);
        else if (side.dwAlign == CBRS_ALIGN_BOTTOM)
            rcHot.top = std::min(rcHot.top, rcHot.bottom - kDockHotZone);
        else if (side.dwAlign == CBRS_ALIGN_LEFT)
            rcHot.right = std::max(rcHot.right, rcHot.left + kDockHotZone);
        else
            rcHot.left = std::min(rcHot.left, rcHot.right - kDockHotZone);
        CRect rcOverlap;
        if (rcOverlap.IntersectRect(rect, rcHot) && (long)rcOverlap.Width() * rcOverlap.Height() > nBestArea)
        {
            nBestArea = (long)rcOverlap.Width() * rcOverlap.Height();
            pBest = pDockBar;
        }
    }
    return pBest;
}

void CFrameWnd::UpdateFloatingFrames(WPARAM wParam)
{
    CPtrList listEmpty, listFrames;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (!pBar->IsDockBar() || !static_cast<CDockBar*>(pBar)->m_bFloating)
            continue;
        CWnd* pFrame = pBar->GetParent();
        (static_cast<CDockBar*>(pBar)->GetDockedCount() == 0 ? listEmpty : listFrames).AddTail(pFrame);
    }
    while (!listEmpty.IsEmpty())
        static_cast<CWnd*>(listEmpty.RemoveHead())->DestroyWindow();
    while (!listFrames.IsEmpty())
    {
        auto* pFrame = static_cast<CWnd*>(listFrames.RemoveHead());
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, wParam);
        pFrame->SendMessageToPermanentDescendants(WM_IDLEUPDATECMDUI, wParam);
    }
}

// --- dock state -----------------------------------------------------------------------------------

namespace
{
UINT BarEntryID(const void* pEntry)
{
    if (pEntry == nullptr)
        return 0;
    if (CDockBar::IsPlaceHolder(pEntry))
        return (UINT)(UINT_PTR)pEntry | CControlBarInfo::PLACEHOLDER_FLAG;
    auto* pBar = static_cast<const CControlBar*>(pEntry);
    const UINT nID = (UINT)pBar->GetDlgCtrlID();
    return pBar->IsVisible() ? nID : nID | CControlBarInfo::PLACEHOLDER_FLAG;
}
} // namespace

void CFrameWnd::GetDockState(CDockState& state)
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        const UINT nID = pBar->m_hWnd != nullptr ? (UINT)pBar->GetDlgCtrlID() : 0;
        if (nID == 0 || nID > 0xFFFF)
            continue;
        auto* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = nID;
        pInfo->m_bVisible = pBar->IsVisible();
        pInfo->m_nMRUWidth = pBar->m_nMRUWidth;
        if (pBar->IsDockBar())
        {
            auto* pDockBar = static_cast<CDockBar*>(pBar);
            pInfo->m_bDockBar = TRUE;
            pInfo->m_bFloating = pDockBar->m_bFloating;
            for (int i = 1; i < (int)pDockBar->m_arrBars.GetSize(); ++i)
                pInfo->m_arrBarID.Add(BarEntryID(pDockBar->m_arrBars[i]));
        }
        pInfo->m_bHorz = pBar->IsFloating() ? (pBar->m_pDockBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0
                                            : (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0;
        if (pBar->IsFloating() || (pBar->IsDockBar() && pInfo->m_bFloating))
        {
            pInfo->m_bFloating = TRUE;
            CRect rcFrame;
            (pBar->IsDockBar() ? pBar->GetParent() : pBar->m_pDockBar->GetParent())->GetWindowRect(rcFrame);
            pInfo->m_pointPos = rcFrame.TopLeft();
        }
        if (CDockContext* pContext = pBar->m_pDockContext)
        {
            pInfo->m_uMRUDockID = pContext->m_uMRUDockID;
            pInfo->m_rectMRUDockPos = pContext->m_rectMRUDockPos;
            pInfo->m_dwMRUFloatStyle = pContext->m_dwMRUFloatStyle;
            pInfo->m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
            pInfo->m_bMRUFloatPosSet = pContext->m_bMRUFloatPosSet;
        }
        state.m_arrBarInfo.Add(pInfo);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    // The sides take their rows from the state: a bar that floats in the state leaves only its
    // placeholder there; ids of bars this frame does not have are dropped.
    std::map<UINT, const CControlBarInfo*> infos;
    for (int i = 0; i < (int)state.m_arrBarInfo.GetSize(); ++i)
        if (!state.GetBarInfo(i)->m_bDockBar)
            infos[state.GetBarInfo(i)->m_nBarID] = state.GetBarInfo(i);
    std::set<CControlBar*> placed;
    for (int i = 0; i < (int)state.m_arrBarInfo.GetSize(); ++i)
    {
        const CControlBarInfo* pInfo = state.GetBarInfo(i);
        CDockBar* pDockBar = pInfo->m_bDockBar && !pInfo->m_bFloating ? GetDockBar(pInfo->m_nBarID) : nullptr;
        if (pDockBar == nullptr)
            continue;
        CPtrArray arrEntries;
        for (int j = 0; j < (int)pInfo->m_arrBarID.GetSize(); ++j)
        {
            const UINT nID = pInfo->m_arrBarID[j] & 0xFFFF;
            CControlBar* pBar = nID != 0 ? GetControlBar(nID) : nullptr;
            auto it = infos.find(nID);
            if (pInfo->m_arrBarID[j] == 0)
                arrEntries.Add(nullptr);
            else if (pBar == nullptr || pBar->IsDockBar())
                continue;
            else if ((it != infos.end() && it->second->m_bFloating) || placed.count(pBar) != 0)
                arrEntries.Add(reinterpret_cast<void*>((UINT_PTR)nID));
            else
            {
                arrEntries.Add(pBar);
                placed.insert(pBar);
            }
        }
        pDockBar->SetEntries(arrEntries);
    }
    for (const auto& entry : infos)
    {
        const CControlBarInfo* pInfo = entry.second;
        CControlBar* pBar = GetControlBar(pInfo->m_nBarID);
        if (pBar == nullptr || pBar->IsDockBar())
            continue;
        pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
        if (CDockContext* pContext = pBar->m_pDockContext)
        {
            pContext->m_uMRUDockID = pInfo->m_uMRUDockID;
            pContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
            if (pInfo->m_dwMRUFloatStyle != 0)
                pContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
            pContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
            pContext->m_bMRUFloatPosSet = pInfo->m_bMRUFloatPosSet;
        }
        if (pInfo->m_bFloating)
            FloatControlBar(pBar, pInfo->m_pointPos, pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
        ShowControlBar(pBar, pInfo->m_bVisible, FALSE);
    }
    RecalcLayout();
}

void CFrameWnd::LoadBarState(LPCSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCSTR lpszProfileName)
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}
