// Print tables on a memory bitmap: column widths, titles, rules by interval, cell shading, row heights and
// cell text (single-line or broken at words), tables without header, in inches, refused tables and the
// cell operation's guards. Cell text is checked by where it ended, never by its pixels.
#include "storage/CPage.h"
#include "storage/CPrintTable.h"
#include "storage/TableLayout.h"

#include "PageCanvas.h"

#include <gtest/gtest.h>

namespace
{
// 9 points at 96 pixels per inch are 12 pixels: a data row of one line is 18 pixels high, so is a header
// of height 1; a header of height 2 is 2 x 12.
constexpr int ROW = 18;

TableLayout GridLayout(int nColumns, int nRows)
{
    TableLayout layout;
    layout.top = 20;
    layout.left = 10;
    layout.right = 310;
    layout.columns = nColumns;
    layout.rows = nRows;
    layout.pointSize = 9;
    layout.lineWidth = 1;
    layout.headerHeight = 1;
    layout.linesPerRow = 1;
    layout.equalWidths = 1;
    layout.rowLineInterval = 1;
    return layout;
}

class PrintTableTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_canvas.m_dc.GetDeviceCaps(LOGPIXELSY), 96); }

    PageCanvas m_canvas{600, 400};
    CPage m_page{0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT};
};
} // namespace

TEST_F(PrintTableTest, TheLastColumnIsWidenedOrNarrowedToEndAtTheRightEdge)
{
    struct Case
    {
        double widths[3];
        double dLast;
    };
    const Case cases[] = {{{100, 100, 50}, 100}, {{120, 120, 100}, 60}, {{100, 100, 100}, 100}};
    for (const Case& c : cases)
    {
        TableLayout layout = GridLayout(3, 2);
        layout.equalWidths = 0;
        for (int i = 0; i < 3; ++i)
            layout.columnSpecs[i].width = c.widths[i];
        m_page.AddTable(layout);
        ASSERT_NE(layout.pTable, nullptr);
        EXPECT_EQ(layout.columnSpecs[2].width, c.dLast);
        EXPECT_EQ(layout.columnSpecs[0].width, c.widths[0]);
    }
}

TEST_F(PrintTableTest, EqualWidthsDivideTheWidthAndTheHeaderWidensTheLastColumn)
{
    for (const int nWithoutHeader : {0, 1})
    {
        TableLayout layout = GridLayout(3, 1);
        layout.left = 0;
        layout.right = 10;
        layout.withoutHeader = nWithoutHeader;
        m_page.AddTable(layout);
        EXPECT_EQ(layout.columnSpecs[0].width, 3);
        EXPECT_EQ(layout.columnSpecs[1].width, 3);
        EXPECT_EQ(layout.columnSpecs[2].width, nWithoutHeader ? 3 : 4);
    }
}

TEST_F(PrintTableTest, EmptyTitlesAreNumberedFromOne)
{
    TableLayout layout = GridLayout(3, 1);
    layout.columnSpecs[0].title = "Kraft";
    m_page.AddTable(layout);
    ASSERT_NE(layout.pTable, nullptr);
    EXPECT_EQ(layout.pTable->ColumnTitle(0), CString("Kraft"));
    EXPECT_EQ(layout.pTable->ColumnTitle(1), CString("Col 2"));
    EXPECT_EQ(layout.pTable->ColumnTitle(2), CString("Col 3"));
}

TEST_F(PrintTableTest, RowsAreRuledByTheIntervalAndCellsShadedOnlyWithoutOne)
{
    // Header 20..38; rules at 38 + j x 18.
    TableLayout layout = GridLayout(2, 7);
    layout.drawRowLines = 1;
    layout.rowLineInterval = 3;
    layout.columnSpecs[0].fill = PRINT_FILL_BLACK;
    m_page.AddTable(layout);
    ASSERT_NE(layout.pTable, nullptr);
    EXPECT_EQ(layout.pTable->RowHeight(1), ROW);
    EXPECT_EQ(layout.bottom, 38 + 7 * ROW);
    for (int j = 1; j < 7; ++j)
    {
        const bool bRuled = j == 2 || j == 5;
        EXPECT_EQ(m_canvas.Pixel(60, 38 + j * ROW), bRuled ? PAGE_BLACK : PAGE_WHITE) << j;
        EXPECT_EQ(m_canvas.Pixel(300, 38 + j * ROW), bRuled ? PAGE_BLACK : PAGE_WHITE) << j;
    }
    EXPECT_EQ(m_canvas.Pixel(60, 38 + ROW / 2), PAGE_WHITE); // not shaded

    PageCanvas shaded(600, 400);
    CPage page(0, 0, 600, 400, &shaded.m_dc, CPage::MAP_TEXT);
    TableLayout every = GridLayout(2, 7);
    every.drawRowLines = 1;
    every.rowLineInterval = 0;
    every.columnSpecs[0].fill = PRINT_FILL_BLACK;
    page.AddTable(every);
    for (int j = 0; j < 7; ++j)
    {
        EXPECT_EQ(shaded.Pixel(300, 38 + j * ROW), PAGE_BLACK) << j;
        EXPECT_EQ(shaded.Pixel(60, 38 + j * ROW + ROW / 2), PAGE_BLACK) << j; // the black column
        EXPECT_EQ(shaded.Pixel(240, 38 + j * ROW + ROW / 2), PAGE_WHITE) << j;
    }
    shaded.Save("table_every_row");
}

TEST_F(PrintTableTest, FrameAndColumnRulesEncloseTheRows)
{
    TableLayout layout = GridLayout(3, 4);
    layout.drawFrame = 1;
    layout.drawColumnLines = 1;
    m_page.AddTable(layout);
    const int nBottom = 38 + 4 * ROW;
    EXPECT_EQ(m_canvas.Pixel(10, 80), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(310, 80), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(150, nBottom), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(110, 80), PAGE_BLACK); // columns of 100
    EXPECT_EQ(m_canvas.Pixel(210, 80), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(160, 80), PAGE_WHITE);
    EXPECT_EQ(m_canvas.Pixel(150, nBottom + 1), PAGE_WHITE);
    m_canvas.Save("table_frame");
}

TEST_F(PrintTableTest, AShadedHeaderKeepsItsTextWhiteOnlyWhileItIsDrawn)
{
    TableLayout layout = GridLayout(2, 1);
    layout.headerFill = PRINT_FILL_BLACK;
    m_page.AddTable(layout);
    EXPECT_EQ(m_canvas.Pixel(12, 22), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(300, 36), PAGE_BLACK);
    EXPECT_EQ(m_canvas.m_dc.GetTextColor(), PAGE_BLACK);
    EXPECT_EQ(m_canvas.m_dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(m_page.m_state.pointSize, 10); // the page's state is put back
    EXPECT_EQ(m_page.m_state.textFlags, PRINT_TEXT_DEFAULT);
}

TEST_F(PrintTableTest, OneLineRowsKeepCellTextOnOneLineAndTallerRowsBreakItAtWords)
{
    const char* const pszText = "ab cd ef gh ij kl mn op";
    int nEnds[3] = {};
    for (int nLines = 1; nLines <= 2; ++nLines)
    {
        TableLayout layout = GridLayout(5, 2); // columns of 60
        layout.linesPerRow = nLines;
        m_page.AddTable(layout);
        ASSERT_NE(layout.pTable, nullptr);
        EXPECT_EQ(layout.pTable->RowHeight(1), nLines * ROW);
        m_page.FormatInCell(layout, 1, 1, 9, PRINT_TEXT_DEFAULT, "%s", pszText);
        nEnds[nLines] = m_page.m_textEndX;
    }
    EXPECT_GT(nEnds[1], 130 - 2); // one line, past the cell's right edge at 130
    EXPECT_LE(nEnds[2], 130 - 2);
    EXPECT_GT(nEnds[2], 70 + 2);
}

TEST_F(PrintTableTest, WithRowRulesACellTextIsNoLargerThanTheTables)
{
    int nEnds[2] = {};
    for (const int nRowLines : {0, 1})
    {
        TableLayout layout = GridLayout(2, 2);
        layout.drawRowLines = nRowLines;
        m_page.AddTable(layout);
        m_page.FormatInCell(layout, 0, 0, 30, PRINT_TEXT_DEFAULT, "Messen");
        nEnds[nRowLines] = m_page.m_textEndX;
        m_page.FormatInCell(layout, 0, 0, 0, PRINT_TEXT_DEFAULT, "Messen");
        if (nRowLines == 1)
        {
            EXPECT_EQ(m_page.m_textEndX, nEnds[1]);
        }
    }
    EXPECT_GT(nEnds[0], nEnds[1]);
}

TEST_F(PrintTableTest, WithoutHeaderTheRowsStartAtTheTop)
{
    TableLayout layout = GridLayout(2, 3);
    layout.withoutHeader = 1;
    layout.headerHeight = 2;
    layout.drawRowLines = 1;
    m_page.AddTable(layout);
    EXPECT_EQ(layout.headerHeight, 0);
    EXPECT_EQ(layout.bottom, 20 + 3 * ROW);
    EXPECT_EQ(m_canvas.Pixel(150, 20), PAGE_WHITE); // no header box
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(m_canvas.Pixel(150, 20 + (j + 1) * ROW), PAGE_BLACK) << j;

    TableLayout tall = GridLayout(2, 3);
    tall.headerHeight = 2;
    m_page.AddTable(tall);
    EXPECT_EQ(tall.bottom, 20 + 2 * 12 + 3 * ROW);
}

TEST_F(PrintTableTest, InchesAreConvertedInPlaceAndTheBottomComesBackInInches)
{
    TableLayout layout = GridLayout(3, 2);
    layout.inInches = 1;
    layout.equalWidths = 0;
    layout.top = 0.5;
    layout.left = 0.25;
    layout.right = 3.25;
    for (int i = 0; i < 3; ++i)
        layout.columnSpecs[i].width = 1.0;
    m_page.AddTable(layout);
    ASSERT_NE(layout.pTable, nullptr);
    EXPECT_EQ(layout.top, 48);
    EXPECT_EQ(layout.left, 24);
    EXPECT_EQ(layout.right, 312);
    EXPECT_EQ(layout.columnSpecs[0].width, 96);
    EXPECT_DOUBLE_EQ(layout.bottom, (48 + ROW + 2 * ROW) / 96.0);
}

TEST_F(PrintTableTest, ATableBeyondTheRightLimitOrWithoutValidColumnsIsNotMade)
{
    TableLayout wide = GridLayout(2, 2);
    wide.right = 601;
    m_page.AddTable(wide);
    m_page.RightLimit(300);
    TableLayout limited = GridLayout(2, 2);
    m_page.AddTable(limited);
    TableLayout none = GridLayout(0, 2);
    m_page.AddTable(none);
    TableLayout many = GridLayout(TABLE_MAX_COLUMNS + 1, 2);
    m_page.AddTable(many);
    for (TableLayout* pLayout : {&wide, &limited, &none, &many})
        EXPECT_EQ(pLayout->pTable, nullptr);
    EXPECT_TRUE(m_page.m_tables.empty());
    EXPECT_TRUE(m_canvas.IsBlank());
}

TEST_F(PrintTableTest, CellTextOutsideTheTableIsNotDrawnButPlainCellsTakeAnyRow)
{
    TableLayout layout = GridLayout(2, 2);
    m_page.FormatInCell(layout, 0, 0, 0, PRINT_TEXT_DEFAULT, "no table");
    EXPECT_TRUE(m_canvas.IsBlank());

    m_page.AddTable(layout);
    const int nInk = m_canvas.CountOther(CRect(0, 0, 600, 400), PAGE_WHITE);
    m_page.FormatInCell(layout, 2, 0, 0, PRINT_TEXT_DEFAULT, "row 2");
    m_page.FormatInCell(layout, -1, 0, 0, PRINT_TEXT_DEFAULT, "row -1");
    m_page.FormatInCell(layout, 0, 2, 0, PRINT_TEXT_DEFAULT, "column 2");
    m_page.FormatInCell(layout, 0, -1, 0, PRINT_TEXT_DEFAULT, "column -1");
    EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 600, 400), PAGE_WHITE), nInk);
    m_page.FormatInCell(layout, 1, 1, 0, PRINT_TEXT_DEFAULT, "Messen");
    EXPECT_GT(m_canvas.CountOther(CRect(160, 56, 310, 74), PAGE_WHITE), 0);

    PageCanvas plainCanvas(600, 400);
    CPage page(0, 0, 600, 400, &plainCanvas.m_dc, CPage::MAP_TEXT);
    TableLayout plain = GridLayout(2, 2);
    plain.plainCells = 1;
    plain.rowLineInterval = 1;
    plain.drawFrame = 1;
    plain.drawRowLines = 1;
    page.AddTable(plain);
    EXPECT_EQ(plainCanvas.Pixel(10, 60), PAGE_WHITE); // no frame in plain mode
    EXPECT_EQ(plainCanvas.Pixel(10, 30), PAGE_BLACK); // the header box still
    page.FormatInCell(plain, 3, 0, 0, PRINT_TEXT_SINGLELINE, "row %d", 3);
    EXPECT_GT(plainCanvas.CountOther(CRect(10, 38 + 3 * ROW, 160, 38 + 4 * ROW), PAGE_WHITE), 0);
}
