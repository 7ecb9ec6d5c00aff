// Base of the bars a frame lays out around its view: bar style (CBRS_ bits, kept apart from the window
// style), the bar's size for a layout (fixed or by layout mode), docking in a dock bar or floating,
// delayed show and hide, the idle update of the bar's items, and its borders.
#pragma once

#include "framework/AfxBarStyles.h"
#include "framework/AfxRes.h"
#include "framework/CWnd.h"

class CDockBar;
class CDockContext;
class CFrameWnd;

// Layout modes of CalcDynamicLayout
#define LM_STRETCH 0x01  // the bar takes the whole length offered
#define LM_HORZ 0x02     // horizontal orientation
#define LM_MRUWIDTH 0x04 // the most recently used (floating) width
#define LM_HORZDOCK 0x08 // docked at the top or bottom
#define LM_VERTDOCK 0x10 // docked left or right
#define LM_LENGTHY 0x20  // nLength is a height, not a width
#define LM_COMMIT 0x40   // the size is final (remember it)

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar() = default;
    ~CControlBar() override;

    // Bar style: CBRS_ALIGN_xxx, CBRS_BORDER_xxx, CBRS_SIZE_xxx, CBRS_FLOATING, ...
    virtual void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    // Margins inside the borders (for derived bars that lay out their own contents).
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);

    // The sides the bar may dock to (CBRS_ALIGN_xxx, CBRS_FLOAT_MULTI); creates the dock context.
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    // Visible for the layout: shown or about to be shown (delayed), and not about to be hidden.
    BOOL IsVisible() const;
    // The frame the bar docks in (also while it floats).
    CFrameWnd* GetDockingFrame() const;

    // The bar's size. Fixed: with bStretch the whole length (32767) along the orientation.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // By layout mode (LM_ flags); nLength is the length asked for, -1 for the bar's own choice.
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Updates the bar's items through pTarget's command routing (at idle time).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    // Shows or hides the bar at the next layout or idle update.
    void DelayShow(BOOL bShow);
    // Carries out a pending delayed show or hide now (through hDWP when given); the new hDWP.
    HDWP CommitDelayedShow(HDWP hDWP = nullptr);

    // Draws the CBRS_BORDER_xxx borders inside rect and takes them off rect.
    void DrawBorders(CDC* pDC, CRect& rect) const;
    // The width of the border on each side (left, top, right, bottom in the rectangle's members).
    CRect GetBorderWidths() const;
    // A brush of alternate pixels for trackers inverted on the screen (kept for the program's life).
    static HBRUSH GetHalftoneBrush();
    // rect (a client rectangle) less the margins of SetBorders.
    void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    enum StateFlags
    {
        delayHide = 1,
        delayShow = 2,
        tempHide = 4
    };

    DWORD m_dwStyle = 0;     // CBRS_ bits
    DWORD m_dwDockStyle = 0; // sides the bar may dock to
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    CDockContext* m_pDockContext = nullptr;
    UINT m_nStateFlags = 0;
    BOOL m_bAutoDelete = FALSE; // deleted when its window is destroyed
    int m_cxLeftBorder = 0;
    int m_cyTopBorder = 0;
    int m_cxRightBorder = 0;
    int m_cyBottomBorder = 0;
    int m_nMRUWidth = 32767; // floating width last used

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
