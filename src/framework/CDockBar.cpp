#include "framework/CDockBar.h"

#include "framework/CFrameWnd.h"

#include <algorithm>
#include <climits>
#include <map>
#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_arrBars.Add(nullptr);
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    // A docked side other than the bottom keeps a 2-pixel etched line at its top.
    if (!m_bFloating && !(m_dwStyle & CBRS_ALIGN_BOTTOM))
        m_dwStyle |= CBRS_BORDER_TOP | CBRS_BORDER_3D;
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD dwWndStyle =
        (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CWnd::Create(lpszClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

// --- the array of rows ----------------------------------------------------------------------------

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* pEntry = m_arrBars[nPos];
    return pEntry == nullptr || IsPlaceHolder(pEntry) ? nullptr : static_cast<CControlBar*>(pEntry);
}

int CDockBar::FindBar(const CControlBar* pBar) const
{
    for (int i = 0; i < (int)m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] == pBar)
            return i;
    return -1;
}

int CDockBar::FindPlaceHolder(UINT nID) const
{
    if (nID == 0 || nID > 0xFFFF)
        return -1;
    for (int i = 0; i < (int)m_arrBars.GetSize(); ++i)
        if (m_arrBars[i] == reinterpret_cast<void*>((UINT_PTR)nID))
            return i;
    return -1;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < (int)m_arrBars.GetSize(); ++i)
        if (GetDockedControlBar(i) != nullptr)
            ++nCount;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < (int)m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = GetDockedControlBar(i); pBar != nullptr && pBar->IsVisible())
            ++nCount;
    return nCount;
}

void CDockBar::GetRowBounds(int nPos, int& nFirst, int& nLast) const
{
    nFirst = nPos;
    while (nFirst > 0 && m_arrBars[nFirst - 1] != nullptr)
        --nFirst;
    nLast = nPos;
    while (nLast + 1 < (int)m_arrBars.GetSize() && m_arrBars[nLast + 1] != nullptr)
        ++nLast;
}

void CDockBar::InsertRowBreak(int nPos)
{
    if (nPos <= 0 || nPos >= (int)m_arrBars.GetSize() || m_arrBars[nPos - 1] == nullptr ||
        m_arrBars[nPos] == nullptr)
        return;
    m_arrBars.InsertAt(nPos, static_cast<void*>(nullptr));
}

void CDockBar::Compact()
{
    if (m_arrBars.IsEmpty() || m_arrBars[0] != nullptr)
        m_arrBars.InsertAt(0, static_cast<void*>(nullptr));
    for (int i = 1; i < (int)m_arrBars.GetSize();)
    {
        if (m_arrBars[i] == nullptr && m_arrBars[i - 1] == nullptr)
            m_arrBars.RemoveAt(i);
        else
            ++i;
    }
    if (m_arrBars[m_arrBars.GetUpperBound()] != nullptr)
        m_arrBars.Add(nullptr);
}

// --- docking ----------------------------------------------------------------------------------------

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar* pOld = pBar->m_pDockBar;
    if (pOld != nullptr)
        pOld->RemoveControlBar(pBar, pOld != this && !pOld->m_bFloating && m_bFloating);
    if (!m_bFloating)
        RemovePlaceHolder(pBar->GetDlgCtrlID());
    if (lpRect != nullptr)
    {
        CRect rect(lpRect);
        ScreenToClient(rect);
        InsertByRect(pBar, rect);
    }
    else
    {
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
    }
    AttachBar(pBar);
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    const UINT nID = pBar->GetDlgCtrlID();
    if (FindPlaceHolder(nID) < 0)
    {
        DockControlBar(pBar, lpRect);
        return;
    }
    if (pBar->m_pDockBar != nullptr)
        pBar->m_pDockBar->RemoveControlBar(pBar);
    const int nPos = FindPlaceHolder(nID);
    m_arrBars[nPos] = pBar;
    RemovePlaceHolder(nID); // a second one, if any
    AttachBar(pBar);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, BOOL bAddPlaceHolder)
{
    const int nPos = FindBar(pBar);
    if (nPos < 0)
        return FALSE;
    const UINT nID = pBar->m_hWnd != nullptr ? pBar->GetDlgCtrlID() : 0;
    if (bAddPlaceHolder && nID != 0 && nID <= 0xFFFF && FindPlaceHolder(nID) < 0)
        m_arrBars[nPos] = reinterpret_cast<void*>((UINT_PTR)nID);
    else
        m_arrBars.RemoveAt(nPos);
    Compact();
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
    return TRUE;
}

void CDockBar::RemovePlaceHolder(UINT nID)
{
    for (int nPos; (nPos = FindPlaceHolder(nID)) >= 0;)
        m_arrBars.RemoveAt(nPos);
    Compact();
}

void CDockBar::SetEntries(const CPtrArray& arrEntries)
{
    auto contains = [&arrEntries](const void* p)
    {
        for (int i = 0; i < (int)arrEntries.GetSize(); ++i)
            if (arrEntries[i] == p)
                return true;
        return false;
    };
    std::vector<CControlBar*> arrKept;
    for (int i = 0; i < (int)m_arrBars.GetSize(); ++i)
        if (CControlBar* pBar = GetDockedControlBar(i);
            pBar != nullptr && !contains(pBar) &&
            !contains(reinterpret_cast<void*>((UINT_PTR)pBar->GetDlgCtrlID())))
            arrKept.push_back(pBar);
    m_arrBars.RemoveAll();
    m_arrBars.Add(nullptr);
    for (int i = 0; i < (int)arrEntries.GetSize(); ++i)
        m_arrBars.Add(arrEntries[i]);
    Compact();
    for (CControlBar* pBar : arrKept)
    {
        m_arrBars.Add(pBar);
        m_arrBars.Add(nullptr);
    }
    for (int i = 0; i < (int)m_arrBars.GetSize(); ++i)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar == nullptr)
            continue;
        if (pBar->m_pDockBar != nullptr && pBar->m_pDockBar != this)
            pBar->m_pDockBar->RemoveControlBar(pBar);
        AttachBar(pBar);
    }
}

void CDockBar::InsertByRect(CControlBar* pBar, const CRect& rect)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nCross = bHorz ? rect.top : rect.left;
    const int nAlong = bHorz ? rect.left : rect.top;
    for (int nFirst = 1; nFirst < (int)m_arrBars.GetSize();)
    {
        int nFirstRow, nLast;
        GetRowBounds(nFirst, nFirstRow, nLast);
        // The row's extent across and the first visible bar that starts after the rectangle.
        int nRowStart = INT_MAX, nRowEnd = INT_MIN, nInsert = nLast + 1;
        for (int i = nLast; i >= nFirst; --i)
        {
            CControlBar* pRowBar = GetDockedControlBar(i);
            if (pRowBar == nullptr || !pRowBar->IsVisible())
                continue;
            CRect rcBar;
            pRowBar->GetWindowRect(rcBar);
            ScreenToClient(rcBar);
            nRowStart = std::min(nRowStart, int(bHorz ? rcBar.top : rcBar.left));
            nRowEnd = std::max(nRowEnd, int(bHorz ? rcBar.bottom : rcBar.right));
            if ((bHorz ? rcBar.left : rcBar.top) > nAlong)
                nInsert = i;
        }
        if (nRowStart <= nRowEnd)
        {
            if (nCross < nRowStart)
            {
                m_arrBars.InsertAt(nFirst, static_cast<void*>(nullptr));
                m_arrBars.InsertAt(nFirst, pBar);
                return;
            }
            if (nCross < nRowEnd)
            {
                m_arrBars.InsertAt(nInsert, pBar);
                return;
            }
        }
        nFirst = nLast + 2;
    }
    m_arrBars.Add(pBar);
    m_arrBars.Add(nullptr);
}

void CDockBar::AttachBar(CControlBar* pBar)
{
    if (::GetParent(pBar->m_hWnd) != m_hWnd)
        pBar->SetParent(this);
    pBar->m_pDockBar = this;
    DWORD dwStyle = pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_FLOATING);
    dwStyle |= m_dwStyle & CBRS_ALIGN_ANY;
    dwStyle |= m_bFloating ? CBRS_FLOATING : (CBRS_BORDER_ANY | CBRS_BORDER_3D);
    pBar->SetBarStyle(dwStyle);
    if (m_bFloating)
    {
        CString strTitle;
        pBar->GetWindowText(strTitle);
        SetWindowText(strTitle);
    }
}

// --- layout -----------------------------------------------------------------------------------------

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    m_rectLayout = pLayout->rect;
    m_bLayoutQuery = pLayout->hDWP == nullptr;
    const LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    return lResult;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const CSize ext = LayoutRows(bHorz); // cx along, cy across
    int nAlong = ext.cx, nCross = ext.cy;
    if (!m_bFloating)
    {
        const CRect rcBorder = GetBorderWidths();
        if (nCross > 0)
            nCross += bHorz ? rcBorder.top + rcBorder.bottom : rcBorder.left + rcBorder.right;
        if (bStretch)
            nAlong = 32767;
    }
    nAlong = std::max(0, nAlong);
    nCross = std::max(0, nCross);
    return bHorz ? CSize(nAlong, nCross) : CSize(nCross, nAlong);
}

CSize CDockBar::LayoutRows(BOOL bHorz)
{
    const DWORD dwMode =
        m_bFloating ? (LM_MRUWIDTH | (bHorz ? LM_HORZ : 0)) : (bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
    // Asking a bar for its size may end its row before a later bar; then ask again with the new rows.
    std::map<CControlBar*, CSize> sizes;
    for (int nPass = 0; nPass < 3; ++nPass)
    {
        const std::vector<void*> arrBefore(m_arrBars.GetData(), m_arrBars.GetData() + m_arrBars.GetSize());
        sizes.clear();
        for (void* pEntry : arrBefore)
        {
            auto* pBar = static_cast<CControlBar*>(pEntry);
            if (pEntry != nullptr && !IsPlaceHolder(pEntry) && FindBar(pBar) >= 0 && pBar->IsVisible())
                sizes[pBar] = pBar->CalcDynamicLayout(-1, dwMode);
        }
        if (std::equal(arrBefore.begin(), arrBefore.end(), m_arrBars.GetData(),
                       m_arrBars.GetData() + m_arrBars.GetSize()))
            break;
    }
    // Rows overlap their neighbours by 2 pixels, and so do the bars of a row; a side's first bar
    // starts 2 pixels before the dock bar, a floating frame's bars 2 pixels before it on both axes.
    int nCross = m_bFloating ? -2 : 0;
    int nAlongExtent = 0;
    BOOL bAnyRow = FALSE;
    for (int nFirst = 1; nFirst < (int)m_arrBars.GetSize();)
    {
        int nAlong = -2, nThick = 0, i = nFirst;
        BOOL bAny = FALSE;
        for (; i < (int)m_arrBars.GetSize() && m_arrBars[i] != nullptr; ++i)
        {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar == nullptr)
                continue;
            auto it = sizes.find(pBar);
            if (it == sizes.end())
            {
                if (!m_bLayoutQuery)
                    pBar->CommitDelayedShow();
                continue;
            }
            const CSize size = it->second;
            const CRect rect =
                bHorz ? CRect(CPoint(nAlong, nCross), size) : CRect(CPoint(nCross, nAlong), size);
            if (!m_bLayoutQuery)
                PlaceBar(pBar, rect);
            nAlong += (bHorz ? size.cx : size.cy) - 2;
            nThick = std::max(nThick, int(bHorz ? size.cy : size.cx));
            bAny = TRUE;
        }
        if (bAny)
        {
            nCross += nThick - 2;
            nAlongExtent = std::max(nAlongExtent, m_bFloating ? nAlong : nAlong + 2);
            bAnyRow = TRUE;
        }
        nFirst = i + 1;
    }
    if (!bAnyRow)
        return CSize(0, 0);
    return CSize(nAlongExtent, m_bFloating ? nCross : nCross + 2);
}

void CDockBar::PlaceBar(CControlBar* pBar, const CRect& rect)
{
    CRect rcOld;
    pBar->GetWindowRect(rcOld);
    ScreenToClient(rcOld);
    UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (rcOld == rect)
        nFlags |= SWP_NOMOVE | SWP_NOSIZE;
    if ((pBar->m_nStateFlags & delayShow) || !(pBar->GetStyle() & WS_VISIBLE))
        nFlags |= SWP_SHOWWINDOW;
    pBar->m_nStateFlags &= ~(delayShow | delayHide);
    if ((nFlags & (SWP_NOMOVE | SWP_SHOWWINDOW)) == SWP_NOMOVE)
        return;
    pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), nFlags);
}
