// The cell list's side of its in-place editors: opening them over a cell, taking or dropping what they
// hold, and closing them. At most one editor is open at a time.
#include "controls/CCellCombo.h"
#include "controls/CCellEdit.h"
#include "controls/CCellListCtrl.h"
#include "controls/CellListMessages.h"
#include "framework/CStringArray.h"

#include <algorithm>

CCellListCtrl::~CCellListCtrl()
{
    DiscardEditors();
}

void CCellListCtrl::CloseEditors()
{
    // A combo whose close is pending closes as asked; otherwise it takes its choice, as on a loss of
    // the focus.
    if (m_pCombo != nullptr)
        CloseCombo(m_nComboCloseTimer != TIMER_COMBO_DROP);
    if (m_pEditor != nullptr)
        EndEdit(true);
}

void CCellListCtrl::DiscardEditors()
{
    if (m_nComboCloseTimer != 0 && m_hWnd != nullptr)
        KillTimer(m_nComboCloseTimer);
    m_nComboCloseTimer = 0;
    UnlockUpdates();
    if (m_pCombo != nullptr)
        m_pCombo->DetachList();
    m_pCombo.reset();
    if (m_pEditor != nullptr)
        m_pEditor->DetachList();
    m_pEditor.reset();
}

void CCellListCtrl::OnNcLButtonDown(UINT, CPoint)
{
    if (m_pEditor != nullptr && m_pEditor->IsWindow())
        EndEdit(true);
    Default();
}

// --- the edit field -----------------------------------------------------------------------------------

void CCellListCtrl::OpenCellEditor(int iRow, int iCol)
{
    if (!IsCellInRange(iRow, iCol) || GetColumnWidth(iCol) < MIN_EDIT_COLUMN_WIDTH || !IsRowEnabled(iRow))
        return;
    CloseEditors();
    if (!EnsureVisible(iRow, FALSE))
        return;
    int s = 0;
    for (int i = 0; i < iCol; ++i)
        s += GetColumnWidth(i);
    CRect rcRow;
    GetItemRect(iRow, &rcRow, LVIR_BOUNDS);
    CRect rcClient;
    GetClientRect(&rcClient);
    const int x = rcRow.left + s;
    if (x < 0 || x > rcClient.right)
    {
        SendMessage(LVM_SCROLL, (WPARAM)x, 0);
        rcRow.left -= x;
    }

    LVCOLUMNA column = {};
    column.mask = LVCF_FMT;
    GetColumn(iCol, &column);
    const int nJustify = column.fmt & LVCFMT_JUSTIFYMASK;
    DWORD dwStyle = nJustify == LVCFMT_RIGHT ? ES_RIGHT : nJustify == LVCFMT_CENTER ? ES_CENTER : ES_LEFT;
    dwStyle |= WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;

    CRect rc;
    rc.left = rcRow.left + s + 2;
    rc.top = rcRow.top;
    rc.right = std::min((int)rc.left + GetColumnWidth(iCol) - 4, (int)rcClient.right);
    rc.bottom = rcRow.bottom + 1;

    m_strInitialText = GetItemText(iRow, iCol);
    m_pEditor = std::make_unique<CCellEdit>(this, m_strInitialText);
    m_iEditorRow = iRow;
    m_iEditorCol = iCol;
    if (m_pEditor->Create(dwStyle, rc, this, EDITOR_ID))
        m_pEditor->SetFocus();
}

void CCellListCtrl::EndEdit(bool bKeep)
{
    std::unique_ptr<CCellEdit> pEditor = std::move(m_pEditor);
    // Without a live field there is nothing to take; the cell stays as it is.
    if (pEditor == nullptr || !pEditor->IsWindow())
        return;
    CString strText;
    pEditor->GetWindowText(strText);
    pEditor->DetachList();
    pEditor->DestroyWindow();
    pEditor.reset();
    const int iRow = m_iEditorRow;
    const int iCol = m_iEditorCol;
    if (!bKeep)
    {
        SetCellText(iRow, iCol, m_strInitialText);
        return;
    }
    // An emptied field keeps the old text.
    TakeEditorText(iRow, iCol, strText.IsEmpty() ? m_strInitialText : strText, WM_CELLLIST_EDIT_END);
}

void CCellListCtrl::TakeEditorText(int iRow, int iCol, const CString& strText, UINT nMessage)
{
    SetCellText(iRow, iCol, strText);
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell != nullptr && strText.Compare(m_strInitialText) != 0)
        MarkModified(*pCell);
    NotifyParent(nMessage, iRow, iCol);
}

LRESULT CCellListCtrl::OnCellEditKillFocus(WPARAM, LPARAM)
{
    EndEdit(true);
    return 0;
}

LRESULT CCellListCtrl::OnCellEditEscape(WPARAM, LPARAM)
{
    EndEdit(false);
    return 0;
}

// --- the combo ----------------------------------------------------------------------------------------

void CCellListCtrl::OpenCellCombo(int iRow, int iCol)
{
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell == nullptr || GetColumnWidth(iCol) < MIN_EDIT_COLUMN_WIDTH || !IsRowEnabled(iRow))
        return;
    CloseEditors();
    CRect rc;
    GetCellRect(iRow, iCol, LVIR_BOUNDS, rc);
    rc.top -= 1;
    ClientToScreen(&rc);
    rc.left += 1;
    m_rectCombo = rc;
    m_pCombo = std::make_unique<CCellCombo>(this);
    m_iComboRow = iRow;
    m_iComboCol = iCol;
    if (!m_pCombo->CreateEx(WS_EX_CONTROLPARENT, DRAWNCOMBO_CLASSNAME, "",
                            WS_POPUP | WS_VISIBLE | CBS_DROPDOWNLIST, m_rectCombo, this, 0))
        return;
    FillCombo(*pCell, iRow, iCol);
    m_pCombo->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    m_pCombo->BringWindowToTop();
}

void CCellListCtrl::FillCombo(ListCell& cell, int iRow, int iCol)
{
    UnlockUpdates();
    m_bUpdatesLocked = ::LockWindowUpdate(m_hWnd) != FALSE;
    CCellCombo& combo = *m_pCombo;
    if (cell.comboItems != nullptr)
    {
        for (int i = 0; i < (int)cell.comboItems->GetSize(); ++i)
        {
            if (!cell.comboItems->GetAt(i).IsEmpty())
                combo.AddString(cell.comboItems->GetAt(i));
        }
    }
    combo.SetMaxDropRows(cell.comboDropRows);
    // The choice to show: the cell's initial one once, else the cell's text, else the first choice.
    CString strText;
    int iSel = 0;
    if (cell.comboItems != nullptr && cell.comboInitialIndex >= 0 &&
        cell.comboInitialIndex < combo.GetCount())
    {
        iSel = cell.comboInitialIndex;
        combo.GetLBText(iSel, strText);
        SetCellText(iRow, iCol, strText);
        cell.comboInitialIndex = -1;
    }
    if (strText.IsEmpty())
    {
        strText = GetItemText(iRow, iCol);
        if (strText.IsEmpty() && combo.GetCount() > 0)
        {
            combo.GetLBText(0, strText);
            SetCellText(iRow, iCol, strText);
        }
    }
    if (!strText.IsEmpty())
        iSel = std::max(combo.FindStringExact(-1, strText), 0);
    combo.SetCurSel(iSel);
    combo.GetLBText(iSel, m_strInitialText);
    m_bUnlockPending = SetTimer(TIMER_COMBO_UNLOCK, COMBO_TIMER_DELAY) != 0;
    if (!m_bUnlockPending)
        UnlockUpdates();
}

void CCellListCtrl::UnlockUpdates()
{
    if (m_bUnlockPending && m_hWnd != nullptr)
        KillTimer(TIMER_COMBO_UNLOCK);
    m_bUnlockPending = false;
    if (m_bUpdatesLocked)
        ::LockWindowUpdate(nullptr);
    m_bUpdatesLocked = false;
}

void CCellListCtrl::ArmComboClose(UINT_PTR nTimer)
{
    if (m_nComboCloseTimer != 0)
        return;
    m_nComboCloseTimer = nTimer;
    SetTimer(nTimer, COMBO_TIMER_DELAY);
}

void CCellListCtrl::CloseCombo(bool bTake)
{
    if (m_nComboCloseTimer != 0)
        KillTimer(m_nComboCloseTimer);
    m_nComboCloseTimer = 0;
    if (m_pCombo == nullptr)
        return;
    const int iRow = m_iComboRow;
    const int iCol = m_iComboCol;
    const int iSel = m_pCombo->IsWindow() ? m_pCombo->GetCurSel() : -1;
    CString strText;
    m_pCombo->GetLBText(iSel, strText);
    // The combo goes before the cell and the parent hear of the choice.
    m_pCombo->DetachList();
    m_pCombo.reset();
    if (!bTake)
    {
        RedrawCell(iRow, iCol);
        return;
    }
    if (iSel == -1 || !IsCellInRange(iRow, iCol))
        return;
    TakeEditorText(iRow, iCol, strText, WM_CELLLIST_COMBO_SELECTION);
}

LRESULT CCellListCtrl::OnCellComboComplete(WPARAM, LPARAM)
{
    ArmComboClose(TIMER_COMBO_TAKE);
    return 0;
}

LRESULT CCellListCtrl::OnCellComboEscape(WPARAM, LPARAM)
{
    ArmComboClose(TIMER_COMBO_DROP);
    return 0;
}

void CCellListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_COMBO_UNLOCK && m_bUnlockPending)
        UnlockUpdates();
    else if (nIDEvent != 0 && nIDEvent == m_nComboCloseTimer)
        CloseCombo(nIDEvent == TIMER_COMBO_TAKE);
    Default();
}
