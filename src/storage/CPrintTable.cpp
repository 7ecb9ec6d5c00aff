#include "storage/CPrintTable.h"

#include "framework/CRect.h"
#include "storage/CPage.h"
#include "storage/CShadeContrast.h"
#include "storage/TableLayout.h"

#include <algorithm>

namespace
{
constexpr int HEADER_TITLE_FLAGS =
    PRINT_TEXT_BOLD | PRINT_TEXT_SHADE | PRINT_TEXT_CENTER | PRINT_TEXT_VCENTER;
constexpr double TABLE_TEXT_SPACING = 2.0;
} // namespace

CPrintTable::CPrintTable(TableLayout& layout, CPage* pPage)
    : m_pState(&pPage->m_state), m_pLayout(&layout), m_pPage(pPage)
{
}

int CPrintTable::ColumnCount() const
{
    return std::clamp(m_pLayout->columns, 0, TABLE_MAX_COLUMNS);
}

void CPrintTable::Render()
{
    TableLayout& layout = *m_pLayout;
    const int nColumns = ColumnCount();
    if (nColumns == 0)
        return;
    m_pPage->PushState();
    if (layout.equalWidths == 1)
    {
        for (int i = 0; i < nColumns; ++i)
            layout.columnSpecs[i].width = static_cast<int>(layout.right - layout.left) / nColumns;
    }
    HeaderRow();
    OuterFrame();
    RowLines();
    ColumnLines();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
    {
        for (int nRow = 0; nRow < layout.rows; ++nRow)
            ShadeCell(nRow, nColumn);
    }
    m_pPage->PopState();
}

int CPrintTable::RowHeight(int nKind)
{
    const TableLayout& layout = *m_pLayout;
    const double dFactor = (nKind == 1 || layout.headerHeight == 1) ? 1.5 : 1.0;
    const double dLine =
        m_pPage->IsAnisotropic() ? layout.pointSize : layout.pointSize / 72.0 * m_pPage->m_pixelsPerInchY;
    const int nLine = static_cast<int>(dLine * dFactor);
    return nKind == 1 ? layout.linesPerRow * nLine : nLine;
}

int CPrintTable::HeaderHeight()
{
    return RowHeight(0) * m_pLayout->headerHeight;
}

int CPrintTable::DataTop()
{
    const int nTop = static_cast<int>(m_pLayout->top);
    return m_pLayout->withoutHeader == 1 ? nTop : nTop + HeaderHeight();
}

int CPrintTable::ColumnLeft(int nColumn) const
{
    int x = static_cast<int>(m_pLayout->left);
    for (int i = 0; i < nColumn; ++i)
        x += static_cast<int>(m_pLayout->columnSpecs[i].width);
    return x;
}

int CPrintTable::ColumnRight(int nColumn) const
{
    return static_cast<int>(ColumnLeft(nColumn) + m_pLayout->columnSpecs[nColumn].width);
}

bool CPrintTable::HasColumn(int nColumn) const
{
    return nColumn >= 0 && nColumn < ColumnCount();
}

void CPrintTable::ShadedText(const CRect& rect, LPCSTR lpszText, int nFlags, int nFillFlags)
{
    CShadeContrast contrast(m_pState->pDC, nFillFlags);
    m_pState->SetRect(rect.top, rect.left, rect.bottom, rect.right);
    m_pState->text = lpszText;
    m_pState->textFlags = nFlags;
    m_pState->fillFlags = nFillFlags;
    m_pPage->m_printer.RenderText(*m_pState, TABLE_TEXT_SPACING);
    m_pPage->m_textEndX = m_pState->lastRight;
}

void CPrintTable::HeaderRow()
{
    TableLayout& layout = *m_pLayout;
    const int nColumns = ColumnCount();
    if (layout.withoutHeader == 1 || nColumns == 0)
        return;
    m_pState->pointSize = layout.pointSize;
    const int nHeader = HeaderHeight();
    const int nTop = static_cast<int>(layout.top);
    m_pPage->DrawRectangle(nTop, static_cast<int>(layout.left), static_cast<int>(nHeader + layout.top),
                           static_cast<int>(layout.right), layout.lineWidth, 0, 0);
    const int nLast = nColumns - 1;
    layout.columnSpecs[nLast].width = static_cast<int>(layout.right) - ColumnLeft(nLast);
    for (int i = 0; i < nColumns; ++i)
    {
        const CRect rect(ColumnLeft(i), nTop, ColumnRight(i), nTop + nHeader);
        ShadedText(rect, ColumnTitle(i), HEADER_TITLE_FLAGS, layout.headerFill);
    }
}

CString CPrintTable::ColumnTitle(int nColumn) const
{
    CString strTitle = m_pLayout->columnSpecs[nColumn].title;
    if (strTitle.IsEmpty())
        strTitle.Format("Col %d", nColumn + 1);
    return strTitle;
}

void CPrintTable::OuterFrame()
{
    TableLayout& layout = *m_pLayout;
    const int nBottom = DataTop() + layout.rows * RowHeight(1);
    layout.bottom = nBottom;
    if (layout.drawFrame != 0 && layout.plainCells == 0)
        m_pPage->DrawRectangle(static_cast<int>(layout.top), static_cast<int>(layout.left), nBottom,
                               static_cast<int>(layout.right), layout.lineWidth, 0, 0);
}

void CPrintTable::RowLines()
{
    const TableLayout& layout = *m_pLayout;
    if (layout.drawRowLines == 0 || layout.plainCells != 0)
        return;
    const int nRowHeight = RowHeight(1);
    const int nTop = static_cast<int>(layout.top);
    const int nFirst = layout.withoutHeader == 1 ? nTop + nRowHeight : nTop + HeaderHeight();
    for (int j = 0; j < layout.rows; ++j)
    {
        if (layout.rowLineInterval > 0 && (j + 1) % layout.rowLineInterval != 0)
            continue;
        const int y = nFirst + j * nRowHeight;
        m_pPage->DrawLine(y, static_cast<int>(layout.left), y, static_cast<int>(layout.right),
                          layout.lineWidth, 0);
    }
}

void CPrintTable::ColumnLines()
{
    const TableLayout& layout = *m_pLayout;
    if (layout.drawColumnLines == 0 || layout.plainCells != 0)
        return;
    const int nTop = DataTop();
    const int nBottom = nTop + layout.rows * RowHeight(1);
    for (int i = 1; i < ColumnCount(); ++i)
    {
        const int x = ColumnLeft(i);
        m_pPage->DrawLine(nTop, x, nBottom, x, layout.lineWidth, PRINT_KEEP_FLAGS);
    }
}

void CPrintTable::ShadeCell(int nRow, int nColumn)
{
    if (m_pLayout->rowLineInterval != 0 || !HasColumn(nColumn))
        return;
    const int nRowHeight = RowHeight(1);
    const int nTop = DataTop() + nRow * nRowHeight;
    m_pPage->DrawRectangle(nTop, ColumnLeft(nColumn), nTop + nRowHeight, ColumnRight(nColumn), 1,
                           m_pLayout->columnSpecs[nColumn].fill, PRINT_KEEP_FLAGS);
}

void CPrintTable::CellTextAt(int nRowTop, LPCSTR lpszText, int nColumn, int nInset, int nPointSize,
                             int nFlags)
{
    const CRect rect(ColumnLeft(nColumn) + nInset, nRowTop + nInset, ColumnRight(nColumn) - nInset,
                     nRowTop + RowHeight(1) - nInset);
    m_pState->pointSize = nPointSize < 1 ? m_pLayout->pointSize : nPointSize;
    ShadedText(rect, lpszText, nFlags, m_pLayout->columnSpecs[nColumn].fill);
}

void CPrintTable::CellText(LPCSTR lpszText, int nRow, int nColumn, int nPointSize, int nFlags)
{
    const TableLayout& layout = *m_pLayout;
    if (!HasColumn(nColumn) || nRow < 0 || nRow >= layout.rows)
        return;
    if (layout.drawRowLines == 1 && layout.plainCells == 0 && nPointSize > layout.pointSize)
        nPointSize = layout.pointSize;
    if (layout.linesPerRow == 1)
        nFlags |= PRINT_TEXT_VCENTER | PRINT_TEXT_SINGLELINE;
    CellTextAt(DataTop() + nRow * RowHeight(1), lpszText, nColumn, 2, nPointSize, nFlags);
}

void CPrintTable::CellTextPlain(LPCSTR lpszText, int nRow, int nColumn, int nPointSize, int nFlags)
{
    const TableLayout& layout = *m_pLayout;
    if (layout.plainCells == 0 || !HasColumn(nColumn))
        return;
    const int nOrigin = static_cast<int>(layout.top) + HeaderHeight();
    CellTextAt(nOrigin + nRow * RowHeight(1), lpszText, nColumn, 1, nPointSize, nFlags);
}
