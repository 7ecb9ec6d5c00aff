// The bar that holds the control bars docked on one side of a frame, or the bars of a floating frame,
// in rows. m_arrBars lists them row by row: an entry is a docked bar (CControlBar*), a placeholder
// (the control id, at most 0xFFFF, of a bar that floats and is remembered here) or null, which ends a
// row; entry 0 is always null. A hidden bar keeps its entry, so it comes back to the same place.
#pragma once

#include "framework/CControlBar.h"
#include "framework/CPtrArray.h"

class CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)

public:
    explicit CDockBar(BOOL bFloating = FALSE);

    // dwStyle: window styles and the side's CBRS_ALIGN_xxx; nID: AFX_IDW_DOCKBAR_xxx.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    static BOOL IsPlaceHolder(const void* pEntry) { return pEntry != nullptr && (UINT_PTR)pEntry <= 0xFFFF; }
    // The bar at nPos, or null for a row end or a placeholder.
    CControlBar* GetDockedControlBar(int nPos) const;
    // The position of the bar, or -1.
    int FindBar(const CControlBar* pBar) const;
    // The position of the placeholder of bar id nID, or -1.
    int FindPlaceHolder(UINT nID) const;
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The first and last position of the row that holds nPos.
    void GetRowBounds(int nPos, int& nFirst, int& nLast) const;
    // Ends the row before position nPos (nothing when a row end is there already).
    void InsertRowBreak(int nPos);

    // Takes pBar from its dock bar (which keeps a placeholder when the bar leaves a side for a
    // floating frame) and inserts it: into the row at lpRect (screen), a new row there, or a new
    // last row without a rectangle.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // As DockControlBar, but in the place of the bar's placeholder when there is one.
    void ReDockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Removes the bar's entry, or replaces it with its placeholder; FALSE when it is not here.
    BOOL RemoveControlBar(CControlBar* pBar, BOOL bAddPlaceHolder = FALSE);
    void RemovePlaceHolder(UINT nID);
    // Replaces the rows by arrEntries (bars, placeholders and row ends, without the leading null),
    // taking the bars from their dock bars; bars here that arrEntries names neither as bar nor as
    // placeholder get rows of their own at the end.
    void SetEntries(const CPtrArray& arrEntries);

    BOOL IsDockBar() const override { return TRUE; }
    // Lays out the rows (unless only queried) and gives the size they need across (with bStretch the
    // whole length along).
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

    CPtrArray m_arrBars;
    BOOL m_bFloating;
    CRect m_rectLayout;          // the part of the frame's client area offered at the last layout
    BOOL m_bLayoutQuery = FALSE; // the current layout only asks for sizes

protected:
    // Inserts pBar into the row at rect (client coordinates) or into a new row there.
    void InsertByRect(CControlBar* pBar, const CRect& rect);
    // Makes pBar a child of this dock bar with its side's alignment and borders.
    void AttachBar(CControlBar* pBar);
    // Removes empty rows; keeps the leading and the trailing row end.
    void Compact();
    CSize LayoutRows(BOOL bHorz);
    void PlaceBar(CControlBar* pBar, const CRect& rect);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
