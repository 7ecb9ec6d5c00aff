// A combo box the program draws and runs itself: its own item list, frame, drop button and text, its own
// resizable drop-down window, a subset of the combo-box messages, and the usual combo-box notifications
// to a notification window. Drop-list style (the box shows the selected text) and drop-down style (an
// edit part lies over the text area). Windows made by the class name "SuperComboBox" (dialog templates,
// a caller's CreateEx) get this class's window class; Create makes a framework child window.
#pragma once

#include "controls/DrawnComboTypes.h"
#include "framework/CWnd.h"

#include <memory>
#include <vector>

class CDrawnComboEdit;
class CDropWnd;
class CFont;

#define DRAWNCOMBO_CLASSNAME "SuperComboBox"

class CDrawnComboBox : public CWnd
{
    DECLARE_DYNAMIC(CDrawnComboBox)

public:
    // pNotifyWnd receives the notifications; null: the parent window, taken when the window is attached.
    // Registers the window class once per process; raises CResourceException when that fails.
    explicit CDrawnComboBox(CWnd* pNotifyWnd = nullptr, DWORD dwOptions = ACB_INSET_EDIT);
    ~CDrawnComboBox() override;

    // A framework child window at rect; items from the string resource nID when there is one.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // Hooks for derived boxes: Escape with the list closed, and every loss of the focus.
    virtual void OnEscapeKey() {}
    // Hook: the Enter character, and a close request while no list is open (the end of every pick).
    virtual void OnReturnKey() {}
    // The box's own font (a copy of the notification window's); the drop-down parts use it.
    virtual CFont* GetFont() const;

    int AddString(LPCSTR lpszText);
    int GetCount() const { return (int)m_items.size(); }
    // The item's text; empty for an index outside the items.
    void GetLBText(int nIndex, CString& rString) const;
    // First item at or after nIndexStart (-1: from the first) whose text equals lpszFind byte for byte.
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    // Selects without notifying; see the cases in the source.
    int SetCurSel(int nSelect);
    // The first item whose text is the one shown (not the stored index), or -1.
    int GetCurSel() const;
    void SetMaxDropRows(int nRows) { m_iMaxDropRows = nRows; }
    int GetMaxDropRows() const { return m_iMaxDropRows; }
    // Fewer rows fitting below the box open the list upward.
    int GetMinDropRowsBelow() const { return m_iMinRowsBelow; }
    // Replaces the items by the newline-separated pieces of string resource nID (0: the control id)
    // when there is such a string.
    void LoadItemsFromResource(UINT nID);

    BOOL IsDropped() const { return m_pDropWnd != nullptr; }
    // The open drop-down window, or null.
    CDropWnd* GetDropWnd() const { return m_pDropWnd.get(); }
    CDrawnComboEdit* GetEditPart() const { return m_pEdit.get(); }

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Row a page move in the open list selects (iSel -1: none); iSel itself when nothing moves.
    static int PageDownRow(int iSel, int iTop, int nVisible, int nCount);
    static int PageUpRow(int iSel, int iTop, int nVisible);

protected:
    void PreSubclassWindow() override;

    // The pointer's screen position (for the hover test).
    virtual CPoint GetPointerPos() const;
    void Paint(CDC* pDC);
    bool IsDropDownStyle() const;
    CRect GetDropButtonRect() const;
    // WM_COMMAND with the code to the notification window.
    void Notify(UINT nCode);
    void CopyNotifyFont();
    void CreateEditPart();
    // Writes the edit part's text; bQuiet keeps its change from being reported.
    void SetEditText(const CString& strText, bool bQuiet = false);

    BOOL OpenDropList(const std::vector<ComboItem>& items);
    void CloseDropList();
    void ToggleDropList();

    // Consumes the key (TRUE) or lets it pass on.
    BOOL PreTranslateKeyDown(UINT nChar);
    void MoveByKey(UINT nChar);
    // Moves of the closed box.
    void SelectAndNotify(int iNew);
    void SelectPrevious();
    void SelectNext();
    void SelectPage(int nStep);
    // Moves in the open list.
    void MoveListRow(int nStep);
    void MoveListPage(bool bDown);
    void PickOrCancel();
    // The inline completion and the suggestion list; FALSE when it ended early.
    BOOL RunCompletion();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnChildActivate(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnEditSetFocus();
    afx_msg void OnEditKillFocus();
    afx_msg void OnEditChange();
    afx_msg void OnEditUpdate();
    afx_msg LRESULT OnPickItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCloseList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToggleList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbAddString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetCount(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetCurSel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSelectString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbResetContent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetLBText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetLBTextLen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbGetTopIndex(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCbSetTopIndex(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pNotifyWnd;          // as given to the constructor
    HWND m_hWndNotify = nullptr; // where notifications go, fixed when the window is attached
    int m_iCurSel = -1;          // stored selection; may lie beyond the items (SetCurSel on an empty box)
    std::unique_ptr<CDrawnComboEdit> m_pEdit; // drop-down style only
    CString m_strCurText;                     // text of the selected item
    std::unique_ptr<CFont> m_pFont;
    DWORD m_dwOptions;
    std::unique_ptr<CDropWnd> m_pDropWnd; // the open drop-down window
    std::vector<ComboItem> m_items;
    int m_iWheelDelta = 0;          // wheel deltas not yet turned into steps
    bool m_bFocusHighlight = false; // drop-list style: draw the text highlighted
    bool m_bFocusNotified = false;  // CBN_SETFOCUS sent for the edit part, CBN_KILLFOCUS not yet
    bool m_bPickInProgress = false; // closing after a pick sends no CBN_SELENDCANCEL
    bool m_bEditTextPending = true; // the first paint with a selection fills the edit part
    int m_iMinRowsBelow = 5;
    bool m_bMadeByCreate = false;
    BOOL m_bCompletionArmed = TRUE; // cleared by Backspace and Delete
    bool m_bButtonHot = false;
    bool m_bHoverTimer = false; // timer 1 watches for the pointer leaving
    int m_iMaxDropRows = -1;    // -1: no limit
    bool m_bQuietEdit = false;  // the box itself is writing the edit part's text
};
