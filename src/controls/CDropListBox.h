// The rows of a combo box's drop-down window: follows the pointer without a button, steps over disabled
// rows, and tells the box about a pick when the button goes up. Each row keeps a copy of its item.
#pragma once

#include "controls/DrawnComboTypes.h"
#include "framework/CListBox.h"

#include <memory>
#include <vector>

class CDrawnComboBox;
class CDropScrollBar;

class CDropListBox : public CListBox
{
    DECLARE_DYNAMIC(CDropListBox)

public:
    CDropListBox(CDrawnComboBox* pCombo, CDropScrollBar* pScrollBar);
    ~CDropListBox() override;

    // Selects nRow, stepping over disabled rows in the direction of the move; a disabled row it cannot
    // leave is returned unselected. -1 when the list box refuses.
    int SetCurSel(int nRow);
    // Selects nRow as it is and moves the scroll bar to the top row; -1 when the list box refuses.
    int SelectRow(int nRow);
    // Remembers nRow as the last top row and shows it at the top; bMoveScrollBar moves the bar too.
    void SetTopIndex(int nRow, BOOL bMoveScrollBar);
    int GetVisibleRows() const;
    int GetBottomIndex() const { return GetTopIndex() + GetVisibleRows(); }
    // Adds a row with the item's text and a copy of the item; returns the row.
    int AddItem(const ComboItem& item);
    // The row's item, or null for a row without one.
    const ComboItem* GetRowItem(int nRow) const;
    bool IsRowDisabled(int nRow) const;
    // Size of the text in the box's font (14 pixels wider with ACB_WIDE_ITEMS).
    CSize MeasureItemText(LPCSTR lpszText);
    void SetOptionBits(DWORD dwOptions) { m_dwOptions = dwOptions; }

    // Frees the rows' item copies, then destroys the window.
    BOOL DestroyWindow() override;

protected:
    // The row under a client point, or -1 when the point is outside the list.
    int RowFromPoint(CPoint point) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnTakeCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropCapture(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CDrawnComboBox* m_pCombo;
    CDropScrollBar* m_pScrollBar;
    int m_iLastTop = 0;
    DWORD m_dwOptions = 0;
    std::vector<std::unique_ptr<ComboItem>> m_rows; // row i's item data points at m_rows[i]
};
