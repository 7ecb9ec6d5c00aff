// A docking bar the operator resizes by dragging its edges. Bars docked in one row share the row's
// length and one thickness; each bar keeps a size for docking at the top or bottom, one for docking
// left or right and one for floating, each with its minimum, and stores them in the profile.
#pragma once

#include "framework/CControlBar.h"

#include <vector>

class CFrameWnd;

// Edge flags: the sides with a sizing edge (recomputed with the non-client area), and options.
#define RBS_EDGELEFT 0x00000001L
#define RBS_EDGERIGHT 0x00000002L
#define RBS_EDGETOP 0x00000004L
#define RBS_EDGEBOTTOM 0x00000008L
#define RBS_EDGEALL 0x0000000FL
#define RBS_SHOWEDGES 0x00000010L // edges are drawn and take client space
#define RBS_SIZECHILD 0x00000020L // the first child window fills the client area

class CResizableBar : public CControlBar
{
    DECLARE_DYNAMIC(CResizableBar)

public:
    CResizableBar() = default;

    // One visible entry of a dock row, as the sizing rules see it.
    struct RowBar
    {
        BOOL bSizing = FALSE;  // a CResizableBar; other bars count with their window length only
        CSize size;            // a sizing bar's size for the docking direction
        CSize sizeMin;         // and its minimum
        int nWindowLength = 0; // another bar's window width (horizontal) or height (vertical)
        BOOL bKeepSize = FALSE;
    };

    virtual BOOL CreateBar(LPCSTR lpszWindowName, CWnd* pParentWnd, UINT nID,
                           DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    // All three sizes become sizeDefault; bHasGripper is not used.
    virtual BOOL CreateWithSize(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper,
                                UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    // The six sizes in section "<profile>-ResBar-<id>"; loaded values never go below the minimums.
    virtual void LoadSizes(LPCSTR lpszProfileName);
    virtual void SaveSizes(LPCSTR lpszProfileName);
    // Dragging an edge (hit code HTLEFT, HTRIGHT, HTTOP, HTBOTTOM) from a point in screen coordinates.
    virtual void StartTracking(UINT nHitTest, CPoint point);
    virtual void StopTracking();
    virtual void TrackToPoint(CPoint point);
    virtual void InvertTracker();
    // Draws the gripper into the non-client image (nothing here); rcClient in window coordinates.
    virtual void PaintGripper(CDC* pDC, const CRect& rcClient);
    // The client rectangle of a window rectangle rc (changed in place) for dock bar nDockBarID; adds
    // the edge bit of the side that faces the frame's interior.
    virtual void CalcClientArea(CRect& rc, UINT nDockBarID);
    // Moves the row's bars next to each other; TRUE when one moved.
    virtual BOOL AlignRowBars();

    BOOL IsFloatingBar() const { return !IsDockedHorizontally() && !IsDockedVertically(); }
    // The bar that holds pWnd (its nearest such ancestor) floats; false when no bar holds it.
    static bool IsInFloatingBar(CWnd* pWnd);
    BOOL IsDockedHorizontally() const;
    BOOL IsDockedVertically() const;
    static void LoadAllSizes(CFrameWnd* pFrame, LPCSTR lpszProfileName);
    static void SaveAllSizes(CFrameWnd* pFrame, LPCSTR lpszProfileName);

    // The edge strip of a side (hit code) in window rectangle rcWindow; FALSE when the side has no edge.
    BOOL EdgeStripRect(const CRect& rcWindow, UINT nHitTest, CRect& rcStrip) const;
    // The hit code of the first edge strip (left, top, right, bottom) that holds pt, or HTCLIENT.
    UINT EdgeHitCode(const CRect& rcWindow, CPoint pt) const;
    // The tracked edge separates bars of the row (it is not an edge across the row).
    BOOL IsTrackingAlongRow() const;
    // This bar's row in its dock bar: first and last position and its own.
    void FindRowBounds(int& nFirst, int& nLast, int& nThis) const;
    // The visible sizing bars of the row, and this bar's index among them (-1 when it is not one).
    void CollectRowSizingBars(std::vector<CResizableBar*>& arrBars, int& nThis) const;
    // Shares the row's total length (nTotal) among its bars; FALSE when a row break was put before
    // this bar.
    BOOL ShareRowLength(int nTotal, BOOL bHorz);

    // --- the sizing rules on a row model (no windows) ---
    static BOOL ShareRow(std::vector<RowBar>& row, int nSelf, int nTotal, BOOL bHorz, int& nBreakBefore);
    // rects: the row's bars relative to the dock bar's window rectangle; the result: index and new
    // rectangle (dock bar client coordinates) of each bar that moves.
    static std::vector<std::pair<int, CRect>> AlignRow(const std::vector<CRect>& rects, BOOL bHorz,
                                                       BOOL bDockedTop);
    static void CalcAlongRowLimits(const std::vector<RowBar>& bars, int nThis, UINT nEdge, int nPos,
                                   BOOL bHorz, int& nMin, int& nMax);
    static void CalcAcrossRowLimits(int nThickness, int nMaxMinThickness, int nGrowRoom, UINT nEdge, int nPos,
                                    int& nMin, int& nMax);
    static void TrackAlongRow(std::vector<RowBar>& bars, int nThis, UINT nEdge, int nDelta, BOOL bHorz);
    static int ThicknessAfterTrack(int nThickness, UINT nEdge, int nDelta);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    DWORD m_dwSizingStyle = 0; // RBS_ edge flags and options
    UINT m_nTrackEdge = 0;     // hit code of the edge being dragged
    CSize m_szHorz{200, 200};  // docked at the top or bottom: cx along the row, cy across
    CSize m_szVert{200, 200};  // docked left or right: cx across, cy along the row
    CSize m_szFloat{200, 200};
    CSize m_szMinHorz{33, 32};
    CSize m_szMinVert{33, 32};
    CSize m_szMinFloat{37, 32};
    int m_nTrackPosMin = 0; // range and position of the dragged edge (screen, along the drag axis)
    int m_nTrackPosMax = 0;
    int m_nTrackPos = 0;
    int m_nTrackPosOffset = 0; // pointer's distance from the edge strip's centre at the start
    BOOL m_bTracking = FALSE;
    BOOL m_bKeepSize = FALSE;     // shown while docked: spared by the first passes of length sharing
    BOOL m_bParentSizing = FALSE; // the dock bar asked for the row's layout
    BOOL m_bDragShowContent = FALSE;
    UINT m_nDockBarID = 0; // AFX_IDW_DOCKBAR_xxx of the parent, 0 when not in a dock bar
    int m_nEdgeWidth = 5;

protected:
    // The docked size for the direction, raised to its minimum.
    CSize GetDockedSize(BOOL bHorz) const;
    void SetDockedSize(BOOL bHorz, CSize size);
    CSize GetDockedMinSize(BOOL bHorz) const { return bHorz ? m_szMinHorz : m_szMinVert; }
    void UpdateDockBarID();
    // The row's sizing bars as row models (same order as CollectRowSizingBars).
    std::vector<RowBar> RowModel(const std::vector<CResizableBar*>& arrBars, BOOL bHorz) const;
    void ApplyRowModel(const std::vector<CResizableBar*>& arrBars, const std::vector<RowBar>& row,
                       BOOL bHorz);
    void CommitRowDelayedShows();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcCalcSizeBar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcPaintBar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};
