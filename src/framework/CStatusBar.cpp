#include "framework/CStatusBar.h"

#include "framework/AfxInitControls.h"
#include "framework/CClientDC.h"
#include "framework/CFont.h"
#include "framework/CFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_SHOWWINDOW()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_MESSAGE(WM_NCCALCSIZE, OnNcDefault)
ON_MESSAGE(WM_NCPAINT, OnNcDefault)
END_MESSAGE_MAP()

namespace
{
// Room a pane needs beside its text: the sunken border and a little space on each side.
int PanePadding()
{
    return 2 * ::GetSystemMetrics(SM_CXEDGE) + 6;
}

// The update of one pane: enabling shows or blanks the text, a check pops the pane out.
class CStatusCmdUI : public CCmdUI
{
public:
    explicit CStatusCmdUI(CStatusBar* pBar) : m_pBar(pBar) { m_pOther = pBar; }

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        const UINT nOld = m_pBar->GetPaneStyle((int)m_nIndex);
        m_pBar->SetPaneStyle((int)m_nIndex, bOn ? nOld & ~SBPS_DISABLED : nOld | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override
    {
        const UINT nOld = m_pBar->GetPaneStyle((int)m_nIndex);
        m_pBar->SetPaneStyle((int)m_nIndex, nCheck ? nOld | SBPS_POPOUT : nOld & ~SBPS_POPOUT);
    }
    void SetText(LPCSTR lpszText) override { m_pBar->SetPaneText((int)m_nIndex, lpszText); }

private:
    CStatusBar* m_pBar;
};
} // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    // A frame that can be resized gets the size grip.
    if (pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME))
        dwWndStyle |= SBARS_SIZEGRIP;
    AfxInitCommonControls();
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_panes.assign((size_t)std::max(nIDCount, 0), Pane{0, SBPS_NORMAL, 0, CString()});
    BOOL bResult = TRUE;
    for (int i = 0; i < nIDCount; ++i)
    {
        Pane& pane = m_panes[(size_t)i];
        pane.nID = lpIDArray[i];
        if (pane.nID == ID_SEPARATOR)
            continue;
        if (!pane.strText.LoadString(pane.nID))
            bResult = FALSE;
        pane.cxWidth = GetTextWidth(pane.strText);
    }
    if (!m_panes.empty() && m_panes[0].nID == ID_SEPARATOR)
        m_panes[0].nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
    UpdateParts();
    for (int i = 0; i < nIDCount; ++i)
        ShowPaneText(i);
    return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (size_t i = 0; i < m_panes.size(); ++i)
    {
        if (m_panes[i].nID == nIDFind)
            return (int)i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].nID : ID_SEPARATOR;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    ::SetRectEmpty(lpRect);
    if (IsValidIndex(nIndex))
        ::SendMessageA(m_hWnd, SB_GETRECT, (WPARAM)nIndex, reinterpret_cast<LPARAM>(lpRect));
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    const Pane& pane = IsValidIndex(nIndex) ? m_panes[(size_t)nIndex] : Pane{0, 0, 0, CString()};
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxWidth;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (!IsValidIndex(nIndex))
        return;
    Pane& pane = m_panes[(size_t)nIndex];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxWidth = cxWidth;
    UpdateParts();
    ShowPaneText(nIndex);
}

int CStatusBar::GetTextWidth(const CString& strText) const
{
    CClientDC dc(const_cast<CStatusBar*>(this));
    CFont* pOldFont = dc.SelectObject(GetFont());
    const int cx = dc.GetTextExtent(strText).cx;
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return cx;
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (!IsValidIndex(nIndex) || m_panes[(size_t)nIndex].nStyle == nStyle)
        return;
    const bool bStretchChanged = ((m_panes[(size_t)nIndex].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_panes[(size_t)nIndex].nStyle = nStyle;
    if (bStretchChanged)
        UpdateParts();
    ShowPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    const CString strNew(lpszNewText != nullptr ? lpszNewText : "");
    Pane& pane = m_panes[(size_t)nIndex];
    if (pane.strText == strNew)
        return TRUE;
    pane.strText = strNew;
    if (bUpdate)
        ShowPaneText(nIndex);
    return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex)
{
    if (m_hWnd == nullptr || !IsValidIndex(nIndex))
        return;
    const Pane& pane = m_panes[(size_t)nIndex];
    const UINT nType = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    // A disabled pane shows no text.
    LPCSTR lpszText = (pane.nStyle & SBPS_DISABLED) ? "" : pane.strText.GetString();
    ::SendMessageA(m_hWnd, SB_SETTEXTA, (WPARAM)(nIndex | nType), reinterpret_cast<LPARAM>(lpszText));
}

void CStatusBar::UpdateParts()
{
    if (m_hWnd == nullptr || m_panes.empty())
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    int cxFixed = 0;
    for (const Pane& pane : m_panes)
    {
        if (!(pane.nStyle & SBPS_STRETCH))
            cxFixed += pane.cxWidth + PanePadding();
    }
    const int cxGrip = (GetStyle() & SBARS_SIZEGRIP) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int cxStretch = std::max(0, rectClient.Width() - cxGrip - cxFixed);
    std::vector<int> edges;
    int x = 0;
    for (const Pane& pane : m_panes)
    {
        x += (pane.nStyle & SBPS_STRETCH) ? cxStretch : pane.cxWidth + PanePadding();
        edges.push_back(x);
    }
    edges.back() = -1; // the last pane reaches the right edge (and the grip)
    ::SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetFont());
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    const int cy = tm.tmHeight + tm.tmExternalLeading + 2 * ::GetSystemMetrics(SM_CYEDGE) + 6;
    return CSize(bStretch ? 32767 : 0, cy);
}

void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdateParts();
}

// Shown or hidden: the frame lays its bars out again. SetWindowPos tells through WM_WINDOWPOSCHANGED,
// ShowWindow through WM_SHOWWINDOW (Wine changes a child of a hidden window without the former).
void CStatusBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && (lpwndpos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
        pFrame->DelayRecalcLayout();
}

void CStatusBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
}

LRESULT CStatusBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    auto* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    const CSize size = CalcFixedLayout(pLayout->bStretch, TRUE);
    CRect rect(pLayout->rect);
    if (m_dwStyle & CBRS_ALIGN_TOP)
    {
        rect.bottom = rect.top + size.cy;
        pLayout->rect.top += size.cy;
    }
    else
    {
        rect.top = rect.bottom - size.cy;
        pLayout->rect.bottom -= size.cy;
    }
    pLayout->sizeTotal.cy += size.cy;
    pLayout->sizeTotal.cx = std::max<LONG>(pLayout->sizeTotal.cx, rect.Width());
    if (pLayout->hDWP != nullptr)
        AfxRepositionWindow(pLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CStatusBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (GetStyle() & WS_VISIBLE)
    {
        if (CFrameWnd* pTarget = GetParentFrame())
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state(this);
    state.m_nIndexMax = (UINT)m_panes.size();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
    {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // The message pane is set by the frame, not updated. The bar's own map comes first; a pane nobody
        // updates keeps its state and text.
        if (state.m_nID == ID_SEPARATOR ||
            CWnd::OnCmdMsg(state.m_nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        state.DoUpdate(pTarget, FALSE);
    }
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 && SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    const CString strText = GetPaneText(CommandToIndex(ID_SEPARATOR));
    if (wParam == 0 || lParam == 0)
        return 0;
    const int nCopy = std::min(strText.GetLength(), (int)wParam - 1);
    ::lstrcpynA(reinterpret_cast<LPSTR>(lParam), strText, nCopy + 1);
    return nCopy;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return GetPaneText(CommandToIndex(ID_SEPARATOR)).GetLength();
}
