// The cell list's side of its in-place editors: opening them over a cell, taking or dropping what they
// hold, and closing them. At most one editor is open at a time.
#include "controls/CCellEdit.h"
#include "controls/CCellListCtrl.h"
#include "controls/CellListMessages.h"

#include <algorithm>

CCellListCtrl::~CCellListCtrl()
{
    m_pEditor.reset();
}

void CCellListCtrl::CloseEditors()
{
    if (m_pEditor != nullptr)
        EndEdit(true);
}

void CCellListCtrl::DiscardEditors()
{
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
    if (strText.IsEmpty())
        strText = m_strInitialText;
    SetCellText(iRow, iCol, strText);
    ListCell* pCell = GetCell(iRow, iCol);
    if (pCell != nullptr && strText.Compare(m_strInitialText) != 0)
        MarkModified(*pCell);
    RedrawCell(iRow, iCol);
    NotifyParent(WM_CELLLIST_EDIT_END, iRow, iCol);
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
