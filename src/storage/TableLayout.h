// What a caller fills to have a printed page draw a ruled table (CPage::AddTable): position, columns with
// widths, titles and shading, number of rows, rules and font size. Positions and widths are device units,
// or inches with inInches (converted in place by AddTable; bottom is converted back).
#pragma once

#include "framework/CString.h"

class CPrintTable;

constexpr int TABLE_MAX_COLUMNS = 25;

struct TableColumnSpec
{
    double width = 0.0;
    CString title; // empty: "Col <n>", counted from 1
    int fill = 0;  // shading of the column's cells (as fillFlags)
};

struct TableLayout
{
    int rowLineInterval =
        0; // 0: a rule under every row and every cell shaded; n: a rule after every n-th row
    int inInches = 0;
    int equalWidths = 0; // 1: every column (right - left) / columns wide
    int headerFill = 0;
    int pointSize = 0; // of the cells, and the base of the row height
    int lineWidth = 0;
    int columns = 0; // 1 to TABLE_MAX_COLUMNS
    int rows = 0;
    int drawFrame = 0;
    int drawColumnLines = 0;
    int drawRowLines = 0;
    int plainCells = 0;    // no frame and rules (the header box still), cell text inset by 1 only
    int withoutHeader = 0; // 1: no header row
    int headerHeight = 0;  // in row units: 1 is 1.5 lines, n is n lines
    int linesPerRow = 0;   // 1 also makes grid cells single-line and vertically centred
    double top = 0.0;
    double left = 0.0;
    double right = 0.0;
    double bottom = 0.0; // computed: the table's bottom edge
    TableColumnSpec columnSpecs[TABLE_MAX_COLUMNS];
    CPrintTable* pTable = nullptr; // set by AddTable; the page keeps the table
};
