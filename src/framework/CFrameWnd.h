// Top-level frame window: resources (menu, icon, title, accelerators), the client view made from a
// CCreateContext, the layout of bars and view (WM_SIZEPARENT), command routing (active view, its
// document, the frame, the application), menu item updates through CCmdUI when a popup opens, the
// status text (prompts of menu items, WM_SETMESSAGESTRING), closing and self-deletion; docking of
// control bars on its sides and in floating frames, and their layout kept in the profile.
#pragma once

#include "framework/AfxBarStyles.h"
#include "framework/CPtrList.h"
#include "framework/CWnd.h"

class CControlBar;
class CDockBar;
class CDockState;
class CDocument;
class CMiniDockFrameWnd;
class CView;

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    CFrameWnd() = default;

    static const CRect rectDefault;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Creates the frame from resource nIDResource: menu, accelerators, icon and title (string up to the
    // first "\n"); pContext (may be null) names the view to create. A frame that fails deletes itself.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // The client: a view of pContext->m_pNewViewClass with id AFX_IDW_PANE_FIRST (nothing without one).
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID);
    // Makes the pane view active, sends WM_INITIALUPDATE to every descendant framework window and shows
    // the frame (the main window with the application's m_nCmdShow, once).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    // With FWS_ADDTOTITLE the title is "<document> - <frame title>".
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // Bars take their places (WM_SIZEPARENT), the view gets the rest.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);

    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();

    // The status prompt of a command: its string up to the first "\n" (empty when there is none).
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    void SetMessageText(LPCSTR lpszText);
    void SetMessageText(UINT nID);
    // The status bar (child id AFX_IDW_STATUS_BAR), or null.
    virtual CWnd* GetMessageBar();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PostNcDestroy() override;

    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

    HACCEL m_hAccelTable = nullptr;
    UINT m_nIDHelp = 0;
    HMENU m_hMenuDefault = nullptr; // the menu the window is given back when it is destroyed
    BOOL m_bAutoMenuEnable = TRUE;  // menu items without a handler are disabled

    // --- docking ---
    // Creates a dock bar (AFX_IDW_DOCKBAR_xxx) for each side in dwDockStyle (CBRS_ALIGN_xxx).
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar on side nDockBarID (0: the first side it may dock to, in the order top, bottom,
    // left, right), in the row at lpRect (screen) or in a new last row; a side the bar may not dock
    // to is replaced by one it may. The layout is recalculated.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Docks pBar back at the place it left in pDockBar when it floated (or as DockControlBar).
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats pBar in a floating frame at point (screen); dwStyle: CBRS_ALIGN_TOP or CBRS_ALIGN_LEFT
    // for the orientation, CBRS_FLOAT_MULTI.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Shows or hides pBar now, or at the next idle layout with bDelay; a hidden docked bar keeps its
    // place.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The control bar with control id nID, or null.
    CControlBar* GetControlBar(UINT nID);
    // The dock bar of a side (AFX_IDW_DOCKBAR_TOP ... _BOTTOM), or null.
    CDockBar* GetDockBar(UINT nDockBarID);
    // The first side pBar may dock to, or null.
    CDockBar* FindDockBarFor(CControlBar* pBar);
    // The side (of those in dwDockStyle) a bar of rectangle rect (screen) would dock to, or null.
    CDockBar* CanDock(const CRect& rect, DWORD dwDockStyle);
    // The frame's list of control bars (a bar enters it when its window is created).
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // The docking layout of the bars, and its storage in the profile under lpszProfileName.
    void GetDockState(CDockState& state);
    void SetDockState(const CDockState& state);
    void LoadBarState(LPCSTR lpszProfileName);
    void SaveBarState(LPCSTR lpszProfileName);
    // A new, hidden floating frame of m_pFloatingFrameClass (null when it cannot be created).
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);

    CPtrList m_listControlBars;
    // The class of the floating frames (a CMiniDockFrameWnd); null: CMiniDockFrameWnd.
    const CRuntimeClass* m_pFloatingFrameClass = nullptr;

protected:
    enum IdleFlags
    {
        idleLayout = 1,
        idleTitle = 2
    };

    CString m_strTitle;
    CView* m_pViewActive = nullptr;
    UINT m_nIDTracking = 0;    // prompt id of the menu item under the cursor
    UINT m_nIDLastMessage = 0; // prompt id shown last
    UINT m_nIdleFlags = 0;
    BOOL m_bInRecalcLayout = FALSE;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // wParam a prompt id or lParam a text; returns the prompt id shown before.
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // Destroys floating frames left without bars and gives the others their idle update.
    void UpdateFloatingFrames(WPARAM wParam);

    DECLARE_MESSAGE_MAP()
};
