// Status bar at the bottom of a frame: one pane per indicator id (the pane shows the id's string;
// ID_SEPARATOR makes the message pane, which stretches when it comes first). The frame places it
// through WM_SIZEPARENT; at idle time every pane asks the frame's command routing for its state
// through a CCmdUI (ON_UPDATE_COMMAND_UI of the indicator id: Enable, SetText, SetCheck); a disabled pane
// shows no text.
// SetWindowText sets the message pane (pane 0). As a control bar it is one of the frame's bars
// (GetControlBar, ShowControlBar, the bar state); the status control draws its own border.
#pragma once

#include "framework/AfxBarStyles.h"
#include "framework/AfxRes.h"
#include "framework/CControlBar.h"

#include <vector>

class CFrameWnd;

// Pane styles
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS SBT_NOBORDERS
#define SBPS_POPOUT SBT_POPOUT
#define SBPS_OWNERDRAW SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class CStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar() = default;

    // dwStyle: window styles and CBRS_ bar styles (CBRS_BOTTOM or CBRS_TOP).
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    // FALSE when an indicator's string is missing (the pane is then empty).
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return (int)m_panes.size(); }
    // The pane of an indicator id, or -1.
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    // The width of a text in the bar's font, as SetIndicators measures the indicator strings.
    int GetTextWidth(const CString& strText) const;

    // The bar's size: the width it is given (bStretch) and the height of one text line with borders.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Updates every pane through the bar's own map, else pTarget's command routing; a pane without an update
    // handler keeps its state and text (whatever bDisableIfNoHndler says).
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct Pane
    {
        UINT nID;
        UINT nStyle;
        int cxWidth;
        CString strText;
    };

    // Pane right edges for the control from the widths (the stretching pane takes what is left).
    void UpdateParts();
    void ShowPaneText(int nIndex);
    bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < (int)m_panes.size(); }

    std::vector<Pane> m_panes;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    // The status control's own non-client area (not the control bar's borders).
    afx_msg LRESULT OnNcDefault(WPARAM, LPARAM) { return Default(); }
    DECLARE_MESSAGE_MAP()
};
