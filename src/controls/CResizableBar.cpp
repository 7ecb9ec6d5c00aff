#include "controls/CResizableBar.h"

#include "framework/CBitmap.h"
#include "framework/CDockBar.h"
#include "framework/CDockContext.h"
#include "framework/CFrameWnd.h"
#include "framework/CMiniDockFrameWnd.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "framework/CWindowDC.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CResizableBar, CControlBar)

BEGIN_MESSAGE_MAP(CResizableBar, CControlBar)
ON_WM_CREATE()
ON_WM_PAINT()
ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSizeBar)
ON_MESSAGE(WM_NCPAINT, OnNcPaintBar)
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_CAPTURECHANGED()
ON_WM_WINDOWPOSCHANGING()
ON_WM_SETTINGCHANGE()
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace
{
int Length(CSize size, BOOL bHorz)
{
    return bHorz ? size.cx : size.cy;
}
int Thickness(CSize size, BOOL bHorz)
{
    return bHorz ? size.cy : size.cx;
}
void SetLength(CSize& size, BOOL bHorz, int n)
{
    (bHorz ? size.cx : size.cy) = n;
}
void SetThickness(CSize& size, BOOL bHorz, int n)
{
    (bHorz ? size.cy : size.cx) = n;
}
int Spare(const CResizableBar::RowBar& bar, BOOL bHorz)
{
    return std::max(0, Length(bar.size, bHorz) - Length(bar.sizeMin, bHorz));
}
CSize AtLeast(CSize size, CSize sizeMin)
{
    return CSize(std::max(size.cx, sizeMin.cx), std::max(size.cy, sizeMin.cy));
}
BOOL IsLeadingEdge(UINT nEdge)
{
    return nEdge == HTLEFT || nEdge == HTTOP;
}
} // namespace

// --- creation and stored sizes ----------------------------------------------------------------------

BOOL CResizableBar::CreateBar(LPCSTR lpszWindowName, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    return CWnd::Create(lpszClass, lpszWindowName, (dwStyle & ~CBRS_ALL) | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
                        pParentWnd, nID);
}

BOOL CResizableBar::CreateWithSize(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL, UINT nID,
                                   DWORD dwStyle)
{
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    return CreateBar(lpszWindowName, pParentWnd, nID, dwStyle);
}

void CResizableBar::LoadSizes(LPCSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-ResBar-%d", lpszProfileName, GetDlgCtrlID());
    CWinApp* pApp = AfxGetApp();
    auto load = [&](LPCSTR lpszEntry, LONG& nValue, LONG nMin)
    { nValue = std::max<LONG>(nMin, (int)pApp->GetProfileInt(strSection, lpszEntry, nValue)); };
    load("sizeHorzCX", m_szHorz.cx, m_szMinHorz.cx);
    load("sizeHorzCY", m_szHorz.cy, m_szMinHorz.cy);
    load("sizeVertCX", m_szVert.cx, m_szMinVert.cx);
    load("sizeVertCY", m_szVert.cy, m_szMinVert.cy);
    load("sizeFloatCX", m_szFloat.cx, m_szMinFloat.cx);
    load("sizeFloatCY", m_szFloat.cy, m_szMinFloat.cy);
}

void CResizableBar::SaveSizes(LPCSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-ResBar-%d", lpszProfileName, GetDlgCtrlID());
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(strSection, "sizeHorzCX", m_szHorz.cx);
    pApp->WriteProfileInt(strSection, "sizeHorzCY", m_szHorz.cy);
    pApp->WriteProfileInt(strSection, "sizeVertCX", m_szVert.cx);
    pApp->WriteProfileInt(strSection, "sizeVertCY", m_szVert.cy);
    pApp->WriteProfileInt(strSection, "sizeFloatCX", m_szFloat.cx);
    pApp->WriteProfileInt(strSection, "sizeFloatCY", m_szFloat.cy);
}

void CResizableBar::LoadAllSizes(CFrameWnd* pFrame, LPCSTR lpszProfileName)
{
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (auto* pSizingBar = DYNAMIC_DOWNCAST(CResizableBar, pBar))
            pSizingBar->LoadSizes(lpszProfileName);
    }
}

void CResizableBar::SaveAllSizes(CFrameWnd* pFrame, LPCSTR lpszProfileName)
{
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
    {
        auto* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
        if (auto* pSizingBar = DYNAMIC_DOWNCAST(CResizableBar, pBar))
            pSizingBar->SaveSizes(lpszProfileName);
    }
}

// --- docking state ----------------------------------------------------------------------------------

bool CResizableBar::IsInFloatingBar(CWnd* pWnd)
{
    for (CWnd* pParent = pWnd ? pWnd->GetParent() : nullptr; pParent != nullptr;
         pParent = pParent->GetParent())
    {
        if (auto* pBar = dynamic_cast<CResizableBar*>(pParent))
            return pBar->IsFloatingBar() != FALSE;
    }
    return false;
}

BOOL CResizableBar::IsDockedHorizontally() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_TOP || m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CResizableBar::IsDockedVertically() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_LEFT || m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT;
}

void CResizableBar::UpdateDockBarID()
{
    m_nDockBarID = m_pDockBar != nullptr && m_pDockBar->m_hWnd != nullptr ? m_pDockBar->GetDlgCtrlID() : 0;
}

CSize CResizableBar::GetDockedSize(BOOL bHorz) const
{
    return bHorz ? AtLeast(m_szHorz, m_szMinHorz) : AtLeast(m_szVert, m_szMinVert);
}

void CResizableBar::SetDockedSize(BOOL bHorz, CSize size)
{
    (bHorz ? m_szHorz : m_szVert) = size;
}

void CResizableBar::FindRowBounds(int& nFirst, int& nLast, int& nThis) const
{
    nFirst = nLast = nThis = -1;
    if (m_pDockBar == nullptr || (nThis = m_pDockBar->FindBar(this)) < 0)
        return;
    m_pDockBar->GetRowBounds(nThis, nFirst, nLast);
}

void CResizableBar::CollectRowSizingBars(std::vector<CResizableBar*>& arrBars, int& nThis) const
{
    arrBars.clear();
    nThis = -1;
    int nFirst, nLast, nPos;
    FindRowBounds(nFirst, nLast, nPos);
    for (int i = nFirst; nPos >= 0 && i <= nLast; ++i)
    {
        auto* pBar = DYNAMIC_DOWNCAST(CResizableBar, m_pDockBar->GetDockedControlBar(i));
        if (pBar == nullptr || !pBar->IsVisible())
            continue;
        if (pBar == this)
            nThis = (int)arrBars.size();
        arrBars.push_back(pBar);
    }
}

std::vector<CResizableBar::RowBar> CResizableBar::RowModel(const std::vector<CResizableBar*>& arrBars,
                                                           BOOL bHorz) const
{
    std::vector<RowBar> row;
    for (CResizableBar* pBar : arrBars)
    {
        RowBar bar;
        bar.bSizing = TRUE;
        bar.size = bHorz ? pBar->m_szHorz : pBar->m_szVert;
        bar.sizeMin = pBar->GetDockedMinSize(bHorz);
        bar.bKeepSize = pBar->m_bKeepSize;
        row.push_back(bar);
    }
    return row;
}

void CResizableBar::ApplyRowModel(const std::vector<CResizableBar*>& arrBars, const std::vector<RowBar>& row,
                                  BOOL bHorz)
{
    for (size_t i = 0; i < arrBars.size() && i < row.size(); ++i)
    {
        arrBars[i]->SetDockedSize(bHorz, row[i].size);
        arrBars[i]->m_bKeepSize = row[i].bKeepSize;
    }
}

// --- layout -----------------------------------------------------------------------------------------

CSize CResizableBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    UpdateDockBarID();
    if (bStretch)
        return bHorz ? CSize(32767, m_szHorz.cy) : CSize(m_szVert.cx, 32767);
    CommitRowDelayedShows();
    if (IsVisible() && !IsFloatingBar() && m_bParentSizing)
    {
        std::vector<CResizableBar*> arrBars;
        int nThis;
        CollectRowSizingBars(arrBars, nThis);
        if (nThis == 0)
        {
            CRect rcLayout = m_pDockBar->m_rectLayout;
            if (rcLayout.IsRectEmpty() && m_pDockSite != nullptr)
                m_pDockSite->GetClientRect(rcLayout);
            const int nTotal = bHorz ? rcLayout.Width() + 2 : rcLayout.Height() - 2;
            if (ShareRowLength(nTotal, bHorz))
                AlignRowBars();
        }
    }
    m_bParentSizing = FALSE;
    return GetDockedSize(bHorz);
}

void CResizableBar::CommitRowDelayedShows()
{
    int nFirst, nLast, nThis;
    FindRowBounds(nFirst, nLast, nThis);
    if (nThis < 0)
        return;
    std::vector<CResizableBar*> arrPending;
    for (int i = nFirst; i <= nLast; ++i)
        if (auto* pBar = DYNAMIC_DOWNCAST(CResizableBar, m_pDockBar->GetDockedControlBar(i)))
            if (pBar->m_nStateFlags & (delayShow | delayHide))
                arrPending.push_back(pBar);
    if (arrPending.empty())
        return;
    HDWP hDWP = m_pDockBar->m_bFloating ? nullptr : ::BeginDeferWindowPos((int)arrPending.size());
    for (CResizableBar* pBar : arrPending)
        hDWP = pBar->CommitDelayedShow(hDWP);
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);
}

CSize CResizableBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
    {
        if (nLength == -1)
            m_bParentSizing = TRUE;
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    if (dwMode & (LM_MRUWIDTH | LM_COMMIT))
        return m_szFloat;
    ((dwMode & LM_LENGTHY) ? m_szFloat.cy : m_szFloat.cx) = nLength;
    m_szFloat = AtLeast(m_szFloat, m_szMinFloat);
    return m_szFloat;
}

void CResizableBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

BOOL CResizableBar::ShareRowLength(int nTotal, BOOL bHorz)
{
    int nFirst, nLast, nThis;
    FindRowBounds(nFirst, nLast, nThis);
    if (nThis < 0)
        return TRUE;
    std::vector<RowBar> row;
    std::vector<CControlBar*> arrBars;
    int nSelf = -1;
    for (int i = nFirst; i <= nLast; ++i)
    {
        CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
        if (pBar == nullptr || !pBar->IsVisible())
            continue;
        RowBar bar;
        if (auto* pSizing = DYNAMIC_DOWNCAST(CResizableBar, pBar))
        {
            bar.bSizing = TRUE;
            bar.size = bHorz ? pSizing->m_szHorz : pSizing->m_szVert;
            bar.sizeMin = pSizing->GetDockedMinSize(bHorz);
            bar.bKeepSize = pSizing->m_bKeepSize;
        }
        else
        {
            CRect rcBar;
            pBar->GetWindowRect(rcBar);
            bar.nWindowLength = bHorz ? rcBar.Width() : rcBar.Height();
        }
        if (pBar == this)
            nSelf = (int)row.size();
        row.push_back(bar);
        arrBars.push_back(pBar);
    }
    int nBreakBefore = -1;
    const BOOL bResult = ShareRow(row, nSelf, nTotal, bHorz, nBreakBefore);
    for (size_t i = 0; i < row.size(); ++i)
        if (auto* pSizing = DYNAMIC_DOWNCAST(CResizableBar, arrBars[i]))
        {
            pSizing->SetDockedSize(bHorz, row[i].size);
            pSizing->m_bKeepSize = row[i].bKeepSize;
        }
    if (nBreakBefore >= 0 && nBreakBefore < (int)arrBars.size())
        m_pDockBar->InsertRowBreak(m_pDockBar->FindBar(arrBars[nBreakBefore]));
    return bResult;
}

BOOL CResizableBar::ShareRow(std::vector<RowBar>& row, int nSelf, int nTotal, BOOL bHorz, int& nBreakBefore)
{
    nBreakBefore = -1;
    int nAvailable = nTotal, nActual = 0, nMinimum = 2, nWidest = 0;
    size_t nEnd = row.size();
    for (size_t i = 0; i < row.size(); ++i)
    {
        RowBar& bar = row[i];
        const int m = bar.bSizing ? Length(bar.sizeMin, bHorz) - 2 : bar.nWindowLength - 2;
        nMinimum += m;
        if (nMinimum > nTotal)
        {
            if ((int)i < nSelf)
            {
                nBreakBefore = (int)i + 1;
                return FALSE;
            }
            if ((int)i == nSelf)
            {
                SetLength(bar.size, bHorz, Length(bar.sizeMin, bHorz));
                return TRUE;
            }
            nBreakBefore = (int)i;
            nEnd = i;
            break;
        }
        if (bar.bSizing)
        {
            nActual += Length(bar.size, bHorz) - 2;
            nWidest = std::max(nWidest, Thickness(bar.size, bHorz));
        }
        else
            nAvailable -= m;
    }
    std::vector<RowBar*> sizing;
    for (size_t i = 0; i < nEnd; ++i)
        if (row[i].bSizing)
            sizing.push_back(&row[i]);
    if (sizing.size() == 1)
    {
        if (nAvailable != nActual)
        {
            sizing[0]->bKeepSize = FALSE;
            SetLength(sizing[0]->size, bHorz, Length(sizing[0]->size, bHorz) + nAvailable - nActual);
        }
        return TRUE;
    }
    for (RowBar* pBar : sizing)
        SetThickness(pBar->size, bHorz, nWidest);
    // Pixel by pixel, one bar after the other; bars shown just now are spared while others can give.
    int d = nAvailable - nActual;
    while (d != 0)
    {
        BOOL bChanged = FALSE;
        for (RowBar* pBar : sizing)
        {
            if (d == 0)
                break;
            if (pBar->bKeepSize || (d < 0 && Length(pBar->size, bHorz) <= Length(pBar->sizeMin, bHorz)))
                continue;
            SetLength(pBar->size, bHorz, Length(pBar->size, bHorz) + (d > 0 ? 1 : -1));
            d += d > 0 ? -1 : 1;
            bChanged = TRUE;
        }
        if (!bChanged || d == 0)
        {
            BOOL bAnyKept = FALSE;
            for (RowBar* pBar : sizing)
            {
                bAnyKept |= pBar->bKeepSize;
                pBar->bKeepSize = FALSE;
            }
            if (!bChanged && !bAnyKept)
                break; // every bar is at its minimum: nothing more to take
        }
    }
    return TRUE;
}

BOOL CResizableBar::AlignRowBars()
{
    int nFirst, nLast, nThis;
    FindRowBounds(nFirst, nLast, nThis);
    if (nThis < 0)
        return FALSE;
    const BOOL bHorz = IsDockedHorizontally();
    CRect rcDock;
    m_pDockBar->GetWindowRect(rcDock);
    std::vector<CRect> rects;
    std::vector<CControlBar*> arrBars;
    for (int i = nFirst; i <= nLast; ++i)
    {
        CControlBar* pBar = m_pDockBar->GetDockedControlBar(i);
        if (pBar == nullptr || !pBar->IsVisible())
            continue;
        CRect rcBar;
        pBar->GetWindowRect(rcBar);
        rcBar.OffsetRect(-rcDock.left, -rcDock.top);
        if (auto* pSizing = DYNAMIC_DOWNCAST(CResizableBar, pBar))
            rcBar = CRect(rcBar.TopLeft(), pSizing->GetDockedSize(bHorz));
        rects.push_back(rcBar);
        arrBars.push_back(pBar);
    }
    const auto moves = AlignRow(rects, bHorz, m_nDockBarID == AFX_IDW_DOCKBAR_TOP);
    for (const auto& move : moves)
        arrBars[move.first]->SetWindowPos(nullptr, move.second.left, move.second.top, move.second.Width(),
                                          move.second.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (!moves.empty() && m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
    return !moves.empty();
}

std::vector<std::pair<int, CRect>> CResizableBar::AlignRow(const std::vector<CRect>& rects, BOOL bHorz,
                                                           BOOL bDockedTop)
{
    std::vector<std::pair<int, CRect>> moves;
    int p = bHorz ? -2 : 0;
    for (size_t i = 0; i < rects.size(); ++i)
    {
        CRect rect = rects[i];
        if (bHorz && rect.left != p)
        {
            // Window-relative to client coordinates: the top side's 2-pixel line.
            rect.OffsetRect(p - rect.left, bDockedTop ? -2 : 0);
            moves.emplace_back((int)i, rect);
        }
        else if (!bHorz && rect.top != p)
        {
            rect.OffsetRect(0, p - 2 - rect.top);
            moves.emplace_back((int)i, rect);
        }
        p += (bHorz ? rect.Width() : rect.Height()) - 2;
    }
    return moves;
}

// --- non-client area --------------------------------------------------------------------------------

void CResizableBar::CalcClientArea(CRect& rc, UINT nDockBarID)
{
    rc.DeflateRect(3, 5, 3, 3);
    const BOOL bDocked = nDockBarID >= AFX_IDW_DOCKBAR_TOP && nDockBarID <= AFX_IDW_DOCKBAR_BOTTOM;
    if (bDocked)
        rc.DeflateRect(2, 0, 2, 2);
    switch (nDockBarID)
    {
        case AFX_IDW_DOCKBAR_TOP:
            m_dwSizingStyle |= RBS_EDGEBOTTOM;
            break;
        case AFX_IDW_DOCKBAR_LEFT:
            m_dwSizingStyle |= RBS_EDGERIGHT;
            break;
        case AFX_IDW_DOCKBAR_RIGHT:
            m_dwSizingStyle |= RBS_EDGELEFT;
            break;
        case AFX_IDW_DOCKBAR_BOTTOM:
            m_dwSizingStyle |= RBS_EDGETOP;
            break;
        default:
            break;
    }
    if (m_dwSizingStyle & RBS_SHOWEDGES)
        rc.DeflateRect((m_dwSizingStyle & RBS_EDGELEFT) ? m_nEdgeWidth : 0,
                       (m_dwSizingStyle & RBS_EDGETOP) ? m_nEdgeWidth : 0,
                       (m_dwSizingStyle & RBS_EDGERIGHT) ? m_nEdgeWidth : 0,
                       (m_dwSizingStyle & RBS_EDGEBOTTOM) ? m_nEdgeWidth : 0);
}

BOOL CResizableBar::EdgeStripRect(const CRect& rcWindow, UINT nHitTest, CRect& rcStrip) const
{
    DWORD dwEdge = 0;
    switch (nHitTest)
    {
        case HTLEFT:
            dwEdge = RBS_EDGELEFT;
            break;
        case HTRIGHT:
            dwEdge = RBS_EDGERIGHT;
            break;
        case HTTOP:
            dwEdge = RBS_EDGETOP;
            break;
        case HTBOTTOM:
            dwEdge = RBS_EDGEBOTTOM;
            break;
        default:
            return FALSE;
    }
    if (!(m_dwSizingStyle & dwEdge))
        return FALSE;
    rcStrip = rcWindow;
    if (m_dwSizingStyle & RBS_SHOWEDGES)
        rcStrip.DeflateRect(1, 1);
    const int w = m_nEdgeWidth;
    switch (nHitTest)
    {
        case HTLEFT:
            rcStrip.right = rcStrip.left + w;
            break;
        case HTRIGHT:
            rcStrip.left = rcStrip.right - w;
            break;
        case HTTOP:
            rcStrip.bottom = rcStrip.top + w;
            break;
        default:
            rcStrip.top = rcStrip.bottom - w;
            break;
    }
    if ((nHitTest == HTLEFT || nHitTest == HTRIGHT) && IsDockedHorizontally())
        rcStrip.DeflateRect(0, w);
    if ((nHitTest == HTTOP || nHitTest == HTBOTTOM) && IsDockedVertically())
        rcStrip.DeflateRect(w, 0);
    return TRUE;
}

UINT CResizableBar::EdgeHitCode(const CRect& rcWindow, CPoint pt) const
{
    for (UINT nHit : {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM})
    {
        CRect rcStrip;
        if (EdgeStripRect(rcWindow, nHit, rcStrip) && rcStrip.PtInRect(pt))
            return nHit;
    }
    return HTCLIENT;
}

LRESULT CResizableBar::OnNcCalcSizeBar(WPARAM, LPARAM lParam)
{
    UpdateDockBarID();
    m_dwSizingStyle &= ~RBS_EDGEALL;
    if (!IsFloatingBar() && m_pDockBar != nullptr)
    {
        std::vector<CResizableBar*> arrBars;
        int nThis;
        CollectRowSizingBars(arrBars, nThis);
        const BOOL bHorz = IsDockedHorizontally();
        if (nThis > 0)
            m_dwSizingStyle |= bHorz ? RBS_EDGELEFT : RBS_EDGETOP;
        if (nThis >= 0 && nThis < (int)arrBars.size() - 1)
            m_dwSizingStyle |= bHorz ? RBS_EDGERIGHT : RBS_EDGEBOTTOM;
    }
    auto* pRect = reinterpret_cast<RECT*>(lParam); // the first rectangle of either form
    CRect rc(*pRect);
    CalcClientArea(rc, m_nDockBarID);
    rc.right = std::max(rc.left, rc.right);
    rc.bottom = std::max(rc.top, rc.bottom);
    *pRect = rc;
    return 0;
}

LRESULT CResizableBar::OnNcPaintBar(WPARAM, LPARAM)
{
    CWindowDC dc(this);
    CRect rcWindow, rcClient;
    GetWindowRect(rcWindow);
    GetClientRect(rcClient);
    ClientToScreen(rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    if (rcWindow.IsRectEmpty())
        return 0;

    // Composed off screen and copied in one piece.
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, rcWindow.Width(), rcWindow.Height());
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    CRect rcDraw(rcWindow);
    DrawBorders(&dcMem, rcDraw);
    ::FillRect(dcMem.m_hDC, rcDraw, reinterpret_cast<HBRUSH>(::GetClassLongPtrA(m_hWnd, GCLP_HBRBACKGROUND)));
    if (m_dwSizingStyle & RBS_SHOWEDGES)
        for (UINT nHit : {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM})
        {
            CRect rcStrip;
            if (EdgeStripRect(rcWindow, nHit, rcStrip))
                dcMem.Draw3dRect(rcStrip, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        }
    PaintGripper(&dcMem, rcClient);
    dc.IntersectClipRect(rcWindow);
    dc.ExcludeClipRect(rcClient);
    dc.BitBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
    return 0;
}

void CResizableBar::PaintGripper(CDC*, const CRect&) {}

LRESULT CResizableBar::OnNcHitTest(CPoint point)
{
    if (IsFloatingBar())
        return HTCLIENT;
    CRect rcWindow;
    GetWindowRect(rcWindow);
    return EdgeHitCode(rcWindow, point);
}

// --- dragging an edge -------------------------------------------------------------------------------

BOOL CResizableBar::IsTrackingAlongRow() const
{
    const BOOL bSideEdge = m_nTrackEdge == HTLEFT || m_nTrackEdge == HTRIGHT;
    return IsDockedHorizontally() ? bSideEdge : !bSideEdge;
}

void CResizableBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_bTracking && !IsFloatingBar() && nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST)
        StartTracking(nHitTest, point);
    else
        CControlBar::OnNcLButtonDown(nHitTest, point);
}

void CResizableBar::StartTracking(UINT nHitTest, CPoint point)
{
    SetCapture();
    if (!m_bDragShowContent)
        RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_nTrackEdge = nHitTest;
    m_bTracking = TRUE;
    const BOOL bAxisX = nHitTest == HTLEFT || nHitTest == HTRIGHT;
    m_nTrackPos = bAxisX ? point.x : point.y;
    CRect rcWindow, rcStrip;
    GetWindowRect(rcWindow);
    if (!EdgeStripRect(rcWindow, nHitTest, rcStrip))
        rcStrip = rcWindow;
    m_nTrackPosOffset = m_nTrackPos - (bAxisX ? rcStrip.CenterPoint().x : rcStrip.CenterPoint().y);
    m_nTrackPosMin = m_nTrackPosMax = m_nTrackPos;

    const BOOL bHorz = IsDockedHorizontally();
    std::vector<CResizableBar*> arrBars;
    int nThis;
    CollectRowSizingBars(arrBars, nThis);
    if (nThis >= 0 && IsTrackingAlongRow())
        CalcAlongRowLimits(RowModel(arrBars, bHorz), nThis, nHitTest, m_nTrackPos, bHorz, m_nTrackPosMin,
                           m_nTrackPosMax);
    else if (nThis >= 0 && m_pDockSite != nullptr)
    {
        int nMaxMin = 0;
        for (CResizableBar* pBar : arrBars)
            nMaxMin = std::max(nMaxMin, Thickness(pBar->GetDockedMinSize(bHorz), bHorz));
        CRect rcView;
        m_pDockSite->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, rcView);
        const int nGrowRoom = (bHorz ? rcView.Height() : rcView.Width()) - 2;
        CalcAcrossRowLimits(Thickness(GetDockedSize(bHorz), bHorz), nMaxMin, nGrowRoom, nHitTest, m_nTrackPos,
                            m_nTrackPosMin, m_nTrackPosMax);
    }
    InvertTracker();
}

void CResizableBar::CalcAlongRowLimits(const std::vector<RowBar>& bars, int nThis, UINT nEdge, int nPos,
                                       BOOL bHorz, int& nMin, int& nMax)
{
    const int k = IsLeadingEdge(nEdge) ? nThis : nThis + 1;
    nMin = nMax = nPos;
    for (int i = 0; i < (int)bars.size(); ++i)
    {
        if (i < k)
            nMin -= Spare(bars[i], bHorz);
        else
            nMax += Spare(bars[i], bHorz);
    }
}

void CResizableBar::CalcAcrossRowLimits(int nThickness, int nMaxMinThickness, int nGrowRoom, UINT nEdge,
                                        int nPos, int& nMin, int& nMax)
{
    const int nShrinkRoom = std::max(0, nThickness - nMaxMinThickness);
    nGrowRoom = std::max(0, nGrowRoom);
    nMin = nPos - (IsLeadingEdge(nEdge) ? nGrowRoom : nShrinkRoom);
    nMax = nPos + (IsLeadingEdge(nEdge) ? nShrinkRoom : nGrowRoom);
}

void CResizableBar::TrackAlongRow(std::vector<RowBar>& bars, int nThis, UINT nEdge, int nDelta, BOOL bHorz)
{
    if (nDelta == 0)
        return;
    // The bar on the side the edge moves away from grows; the bars on the other side give the length
    // back, nearest first, each down to its minimum.
    const BOOL bLeading = IsLeadingEdge(nEdge);
    const int j = bLeading ? (nDelta > 0 ? nThis - 1 : nThis) : (nDelta > 0 ? nThis : nThis + 1);
    if (j < 0 || j >= (int)bars.size())
        return;
    const BOOL bGrownLeadingSide = nDelta < 0;
    int d = std::abs(nDelta);
    SetLength(bars[j].size, bHorz, Length(bars[j].size, bHorz) + d);
    const int nStep = bGrownLeadingSide ? -1 : 1;
    for (int i = j + nStep; d > 0 && i >= 0 && i < (int)bars.size(); i += nStep)
    {
        const int nTake = std::min(d, Spare(bars[i], bHorz));
        SetLength(bars[i].size, bHorz, Length(bars[i].size, bHorz) - nTake);
        d -= nTake;
    }
}

int CResizableBar::ThicknessAfterTrack(int nThickness, UINT nEdge, int nDelta)
{
    return IsLeadingEdge(nEdge) ? nThickness - nDelta : nThickness + nDelta;
}

void CResizableBar::TrackToPoint(CPoint point)
{
    const BOOL bAxisX = m_nTrackEdge == HTLEFT || m_nTrackEdge == HTRIGHT;
    const int nPos = std::clamp(int(bAxisX ? point.x : point.y), m_nTrackPosMin, m_nTrackPosMax);
    if (nPos == m_nTrackPos)
        return;
    InvertTracker();
    const int nDelta = nPos - m_nTrackPos;
    m_nTrackPos = nPos;
    const BOOL bHorz = IsDockedHorizontally();
    std::vector<CResizableBar*> arrBars;
    int nThis;
    CollectRowSizingBars(arrBars, nThis);
    if (nThis >= 0 && IsTrackingAlongRow())
    {
        std::vector<RowBar> row = RowModel(arrBars, bHorz);
        TrackAlongRow(row, nThis, m_nTrackEdge, nDelta, bHorz);
        ApplyRowModel(arrBars, row, bHorz);
    }
    else if (nThis >= 0)
    {
        const int nThickness =
            ThicknessAfterTrack(Thickness(GetDockedSize(bHorz), bHorz), m_nTrackEdge, nDelta);
        for (CResizableBar* pBar : arrBars)
        {
            CSize size = bHorz ? pBar->m_szHorz : pBar->m_szVert;
            SetThickness(size, bHorz, nThickness);
            pBar->SetDockedSize(bHorz, size);
        }
    }
    InvertTracker();
    if (m_bDragShowContent && m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
}

void CResizableBar::InvertTracker()
{
    if (m_bDragShowContent || m_pDockSite == nullptr || m_pDockBar == nullptr)
        return;
    CRect rcWindow, rcTracker;
    GetWindowRect(rcWindow);
    if (!EdgeStripRect(rcWindow, m_nTrackEdge, rcTracker))
        return;
    if (!IsTrackingAlongRow())
    {
        CRect rcDock;
        m_pDockBar->GetWindowRect(rcDock);
        if (IsDockedHorizontally())
        {
            rcTracker.left = rcDock.left + 1;
            rcTracker.right = rcDock.right - 1;
        }
        else
        {
            rcTracker.top = rcDock.top + 1;
            rcTracker.bottom = rcDock.bottom - 1;
        }
    }
    const int nCentre = m_nTrackPos - m_nTrackPosOffset;
    if (m_nTrackEdge == HTLEFT || m_nTrackEdge == HTRIGHT)
        rcTracker.OffsetRect(nCentre - rcTracker.CenterPoint().x, 0);
    else
        rcTracker.OffsetRect(0, nCentre - rcTracker.CenterPoint().y);
    CRect rcFrame;
    m_pDockSite->GetWindowRect(rcFrame);
    rcTracker.OffsetRect(-rcFrame.left, -rcFrame.top);
    HDC hDC = ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hDC == nullptr)
        return;
    HGDIOBJ hOld = ::SelectObject(hDC, GetHalftoneBrush());
    ::PatBlt(hDC, rcTracker.left, rcTracker.top, rcTracker.Width(), rcTracker.Height(), PATINVERT);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_pDockSite->m_hWnd, hDC);
}

void CResizableBar::StopTracking()
{
    InvertTracker();
    m_bTracking = FALSE;
    if (CWnd::GetCapture() == this)
        ::ReleaseCapture();
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
}

void CResizableBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTracking)
    {
        ClientToScreen(&point);
        TrackToPoint(point);
    }
    CControlBar::OnMouseMove(nFlags, point);
}

void CResizableBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking)
        StopTracking();
    CControlBar::OnLButtonUp(nFlags, point);
}

void CResizableBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTracking)
        StopTracking();
    CControlBar::OnRButtonDown(nFlags, point);
}

void CResizableBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bTracking && pWnd != this)
        StopTracking();
    CControlBar::OnCaptureChanged(pWnd);
}

// --- other messages ---------------------------------------------------------------------------------

int CResizableBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &m_bDragShowContent, 0);
    return 0;
}

void CResizableBar::OnPaint()
{
    CPaintDC dc(this); // validates the client area; the bar's children paint themselves
}

void CResizableBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    lpwndpos->flags |= SWP_FRAMECHANGED;
    CControlBar::OnWindowPosChanging(lpwndpos);
    UpdateDockBarID();
    if (!IsFloatingBar() && (lpwndpos->flags & SWP_SHOWWINDOW))
        m_bKeepSize = TRUE;
}

void CResizableBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CControlBar::OnSettingChange(uFlags, lpszSection);
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &m_bDragShowContent, 0);
}

void CResizableBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    if (!(m_dwSizingStyle & RBS_SIZECHILD))
        return;
    if (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD))
        ::MoveWindow(hChild, 0, 0, cx, cy, TRUE);
}

LRESULT CResizableBar::OnSetText(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    if (IsFloating())
        if (auto* pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, m_pDockBar->GetParent()))
        {
            m_pDockBar->SetWindowText(reinterpret_cast<LPCSTR>(lParam));
            pFrame->DelayRecalcLayout();
        }
    return lResult;
}

void CResizableBar::OnClose() {}
