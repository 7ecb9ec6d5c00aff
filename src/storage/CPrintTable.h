// A ruled table on a printed page: header row with titles, frame, row and column rules and cell shading,
// drawn through the page's operations and renderer on the page's current state. Made by CPage::AddTable
// for a TableLayout; text goes into its cells with CPage::FormatInCell.
#pragma once

#include "framework/CString.h"

class CPage;
class CRect;
struct PageState;
struct TableLayout;

class CPrintTable
{
public:
    CPrintTable(TableLayout& layout, CPage* pPage);
    virtual ~CPrintTable() = default;
    CPrintTable(const CPrintTable&) = delete;
    CPrintTable& operator=(const CPrintTable&) = delete;

    // Header, frame, rules and cell shading; the page's state is put back afterwards.
    virtual void Render();
    // Grid mode: text in a cell inset by 2; nothing for a row or column outside the table. A size below 1
    // takes the layout's; with row rules a larger one is cut to it.
    virtual void CellText(LPCSTR lpszText, int nRow, int nColumn, int nPointSize, int nFlags);
    // Plain mode: text in a cell inset by 1, rows not checked; nothing in grid mode.
    virtual void CellTextPlain(LPCSTR lpszText, int nRow, int nColumn, int nPointSize, int nFlags);
    virtual void HeaderRow();
    virtual void OuterFrame();
    virtual void RowLines();
    virtual void ColumnLines();
    // nKind 1: the height of a data row; otherwise the header's row unit.
    virtual int RowHeight(int nKind);
    virtual void ShadeCell(int nRow, int nColumn);

    // The header title of a column: its own, or "Col <n>" counted from 1.
    CString ColumnTitle(int nColumn) const;

    PageState* m_pState;
    TableLayout* m_pLayout;
    CPage* m_pPage;

private:
    // The layout's columns, kept to the column specifications.
    int ColumnCount() const;
    int HeaderHeight();
    // Where the data rows start.
    int DataTop();
    int ColumnLeft(int nColumn) const;
    int ColumnRight(int nColumn) const;
    bool HasColumn(int nColumn) const;
    // Draws a text with the page's renderer at spacing 2 on the shading; the page's text end follows it.
    void ShadedText(const CRect& rect, LPCSTR lpszText, int nFlags, int nFillFlags);
    void CellTextAt(int nRowTop, LPCSTR lpszText, int nColumn, int nInset, int nPointSize, int nFlags);
};
