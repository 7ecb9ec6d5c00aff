// Report list whose every cell carries a record of its own (ListCell) and is drawn by the list: text in
// its own colours (optionally bold, with an image), a progress bar with a percentage, a check box, or a
// cell that opens an in-place combo box or edit field when clicked. Finished edits, combo choices and
// check-box clicks go to the parent window as registered messages (CellListMessages.h). The header's
// per-column check box ticks or clears that column's check boxes in all rows.
//
// Rows own their cells: a row gets one cell per column that exists when it is inserted, so every column
// has to exist before the first row. Rows are removed only all at once (DeleteAllRows).
#pragma once

#include "controls/CCellHeaderCtrl.h"
#include "controls/ListCell.h"
#include "framework/CListCtrl.h"

#include <memory>
#include <vector>

class CCellCombo;
class CCellEdit;
class CStringArray;

class CCellListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CCellListCtrl)

public:
    enum
    {
        TIMER_COMBO_UNLOCK = 1, // window updates are unlocked when the combo has been open this long
        TIMER_COMBO_DROP = 2,   // close the combo without taking its choice
        TIMER_COMBO_TAKE = 3,   // take the combo's choice and close it
        COMBO_TIMER_DELAY = 50, // ms
        EDITOR_ID = 99,         // control id of the in-place edit field
        MIN_EDIT_COLUMN_WIDTH = 5
    };

    CCellListCtrl();
    ~CCellListCtrl() override;

    // Rows. Both give the new row's index, -1 for a negative row, or the failed insertion's result.
    int InsertRow(int iRow, LPCSTR lpszText);
    int InsertColoredRow(int iRow, LPCSTR lpszText, COLORREF crText, COLORREF crBack);
    void DeleteAllRows();

    // Cells. Every operation checks row and column first and does nothing (FALSE) outside the list.
    BOOL SetCellText(int iRow, int iCol, LPCSTR lpszText);
    // A null text keeps the text; -1 for a colour is the window-text (text) or window (background) colour.
    BOOL SetCellTextAndColors(int iRow, int iCol, LPCSTR lpszText, COLORREF crText, COLORREF crBack);
    BOOL GetCellColors(int iRow, int iCol, COLORREF& crText, COLORREF& crBack) const;
    void SetCellColors(int iRow, int iCol, COLORREF crText, COLORREF crBack);
    BOOL IsCellModified(int iRow, int iCol) const;
    void SetCellModified(int iRow, int iCol, BOOL bModified);
    BOOL SetCellProgress(int iRow, int iCol, BOOL bShowText, LPCSTR lpszFormat);
    void UpdateCellProgress(int iRow, int iCol, int iPercent);
    void RemoveCellProgress(int iRow, int iCol);
    // The cell keeps pItems (the caller's array); with bSort it is sorted in place, ignoring case.
    BOOL SetCellCombo(int iRow, int iCol, BOOL bEnable, CStringArray* pItems, int nDropRows, int iInitial,
                      BOOL bSort);
    // The cell's record for the states without a setter of their own (enabled, bold, image, tip, edit
    // field, check box); null outside the list. Redraw the cell after a change.
    ListCell* GetCell(int iRow, int iCol);
    const ListCell* GetCell(int iRow, int iCol) const;

    int GetColumnCount() const;
    // Sets the width (16 bits, so the auto-size codes work), then widens it by twice the header spacing.
    virtual void SetPaddedColumnWidth(int iCol, int nWidth);
    // 0 none, 1 clear check box, 2 ticked; -1 for a column out of range.
    int GetHeaderCheckState(int iCol) const;
    BOOL SetHeaderCheckState(int iCol, int iState);
    int CountCheckedRows(int iCol) const;
    BOOL IsRowEnabled(int iRow) const;
    BOOL SelectRow(int iRow, BOOL bScroll);
    int GetSelectedRow() const;
    // The sub-item rectangle; column 0 ends where the next column of positive width begins.
    BOOL GetCellRect(int iRow, int iCol, int nArea, CRect& rect) const;
    void RedrawCell(int iRow, int iCol);

    // The in-place editors (a click on a combo or edit cell opens them); a previous one is closed first.
    void OpenCellCombo(int iRow, int iCol);
    void OpenCellEditor(int iRow, int iCol);
    CCellEdit* GetEditor() const { return m_pEditor.get(); }
    CCellCombo* GetCombo() const { return m_pCombo.get(); }

    // Tool of the cell at the point: row * 1000 + column + 1, text by callback; -1 off the labels.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const;
    // TTN_NEEDTEXTA / TTN_NEEDTEXTW: the cell's tip text under the pointer.
    virtual BOOL SupplyCellTip(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    void PreSubclassWindow() override;

    CCellHeaderCtrl m_wndHeader;
    BOOL m_bHeaderHooked = FALSE;
    BOOL m_bUseEllipsis = TRUE;
    BOOL m_bListModified = FALSE; // set with every cell mark the list sets; cleared by the owner
    int m_iTextInset = 5;         // pixels left and right of a plain cell's text

protected:
    using CellRow = std::vector<ListCell>;

    // The pointer position of the message being handled (screen coordinates).
    virtual CPoint GetMessagePoint() const;

    CellRow* RowCells(int iRow) const;
    // Checks row and column against the list only.
    bool IsCellInRange(int iRow, int iCol) const;
    void FreeAllCells();
    void HookHeader();
    void ReadSystemColours();
    // The window that gets the list's messages: the parent, else the owner; null when none exists.
    CWnd* GetNotifyTarget() const;
    void NotifyParent(UINT nMessage, int iRow, int iCol) const;
    void MarkModified(ListCell& cell);
    void ToggleCheckCell(int iRow, int iCol, ListCell& cell);
    void ToggleHeaderCheck(int iCol);
    // The first column whose cell rectangle holds the point; -1 for none.
    int ColumnAt(int iRow, CPoint point) const;

    // Drawing
    void ResolveCellColours(int iRow, int iCol, COLORREF& crText, COLORREF& crBack) const;
    // Paints one cell over its own background; pCell is null for a cell the row has no record of.
    void PaintCell(CDC* pDC, int iRow, int iCol, const ListCell* pCell, CRect rc, COLORREF crText,
                   COLORREF crBack);
    // These paint over a background already filled in the resolved colours.
    int PaintCellImage(CDC* pDC, const ListCell* pCell, const CRect& rc, COLORREF crBack);
    void PaintCellText(CDC* pDC, int iRow, int iCol, const ListCell* pCell, const CRect& rc, COLORREF crText,
                       COLORREF crBack);
    void PaintProgressCell(CDC* pDC, const ListCell& cell, const CRect& rc, COLORREF crText);
    void PaintCheckCell(CDC* pDC, int iRow, int iCol, const ListCell& cell, const CRect& rc, COLORREF crText,
                        COLORREF crBack);
    void PaintEmptyText(CDC* pDC);

    // The in-place editors. Closing ends an open edit as a loss of the focus would and runs the combo's
    // pending close (or takes its choice); discarding closes them without messages or cell changes.
    void CloseEditors();
    void DiscardEditors();
    // Ends the edit keeping the typed text (bKeep) or restoring the old one.
    void EndEdit(bool bKeep);
    // Writes an editor's result into the cell, marks the cell when it differs from the text the editor
    // opened with, and tells the parent.
    void TakeEditorText(int iRow, int iCol, const CString& strText, UINT nMessage);
    void FillCombo(ListCell& cell, int iRow, int iCol);
    // Arms the combo's closing timer unless a close is pending already: the first request decides.
    void ArmComboClose(UINT_PTR nTimer);
    // Closes the combo, taking its choice (bTake) or not.
    void CloseCombo(bool bTake);
    void UnlockUpdates();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCellEditKillFocus(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCellEditEscape(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCellComboComplete(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCellComboEscape(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CString m_strInitialText; // cell text when the editor or combo opened
    std::unique_ptr<CCellEdit> m_pEditor;
    int m_iEditorRow = -1;
    int m_iEditorCol = -1;
    int m_iComboRow = -1;
    int m_iComboCol = -1;
    CRect m_rectCombo; // screen rectangle the combo was created at
    std::unique_ptr<CCellCombo> m_pCombo;
    UINT_PTR m_nComboCloseTimer = 0; // the pending close of the combo; 0 for none
    bool m_bUnlockPending = false;   // the unlock timer runs
    bool m_bUpdatesLocked = false;   // the list's window updates are locked while a combo opens

    COLORREF m_crWindow;
    COLORREF m_crWindowText;
    COLORREF m_crGrayText;
    COLORREF m_crHighlight;
    COLORREF m_crHighlightText;
    COLORREF m_crBtnFace;
    COLORREF m_crBtnShadow;
};
