// The page model on a memory bitmap: centring offset, units, line spacing, the text limits and the
// continued line, saved states, bounded formatting, regions and tick boxes. Text pixels are never compared
// (fonts differ under Wine): text is checked by the rectangles it needed.
#include "storage/CPage.h"
#include "storage/CPrintRegion.h"

#include "PageCanvas.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr int DPI = 96; // a memory context compatible with the screen

class PageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_canvas.m_dc.GetDeviceCaps(LOGPIXELSY), DPI); }

    PageCanvas m_canvas{600, 400};
};

// Rows the page's current text needed.
int TextHeight(const CPage& page)
{
    return page.m_state.lastRect.bottom - page.m_state.lastRect.top;
}
} // namespace

TEST(PageOffset, ExcessPrintWidthCentresTenAndAHalfInchesInLandscapeAndEightInPortrait)
{
    struct Case
    {
        int nOrientation;
        double dWidth;
        double dExcess;
    };
    const Case cases[] = {
        {DMORIENT_LANDSCAPE, 11.0, 0.5},
        {DMORIENT_LANDSCAPE, 10.9, 0.0},
        {DMORIENT_LANDSCAPE, 10.95, 0.45},
        {DMORIENT_LANDSCAPE, 10.0, 0.0},
        {DMORIENT_PORTRAIT, 8.27, 0.27},
        {DMORIENT_PORTRAIT, 8.0, 0.0},
        {DMORIENT_PORTRAIT, 11.0, 3.0},
        {0, 8.5, 0.5},
        {0, 7.5, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(CPage::ExcessPrintWidth(c.nOrientation, c.dWidth), c.dExcess, 1e-9)
            << c.nOrientation << " " << c.dWidth;
}

TEST_F(PageTest, OffsetCentresThePrintWidthAndMovesWhatIsDrawn)
{
    struct Case
    {
        int nRight;
        int nMapMode;
        int nOffset;
    };
    // A memory context does not print: the portrait rule applies. 816 units are 8.5 inches: 48 units over.
    const Case cases[] = {
        {768, CPage::MAP_TEXT, 0},
        {700, CPage::MAP_TEXT, 0},
        {792, CPage::MAP_TEXT, 12},
        {816, CPage::MAP_TEXT, 24},
        {816, CPage::MAP_ANISOTROPIC, 29}, // 0.5 in of 8.5 in over 1000
                                           // units
        {768, CPage::MAP_ANISOTROPIC, 0},
    };
    for (const Case& c : cases)
    {
        CPage page(0, 0, c.nRight, 300, &m_canvas.m_dc, c.nMapMode);
        EXPECT_EQ(page.m_orientation, 0);
        EXPECT_EQ(page.m_state.offsetX, c.nOffset) << c.nRight << " mode " << c.nMapMode;
    }
    m_canvas.m_dc.SetMapMode(MM_TEXT);

    CPage page(0, 0, 816, 300, &m_canvas.m_dc, CPage::MAP_TEXT);
    page.DrawRectangle(10, 0, 20, 10, 1, PRINT_FILL_BLACK, 0);
    EXPECT_EQ(m_canvas.Pixel(24, 15), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(23, 15), PAGE_WHITE);
    EXPECT_EQ(m_canvas.Pixel(34, 15), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(35, 15), PAGE_WHITE);
}

TEST_F(PageTest, InchesConvertByTheContextsPixelsOrByTheAnisotropicPage)
{
    CPage text(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    EXPECT_EQ(text.InchToUnits(1.5, PAGE_HORIZONTAL), 144);
    EXPECT_EQ(text.InchToUnits(0.0, PAGE_VERTICAL), 0);
    EXPECT_EQ(text.InchToUnits(-1.0, PAGE_VERTICAL), 0);
    EXPECT_DOUBLE_EQ(text.UnitsToInch(48, PAGE_VERTICAL), 0.5);
    EXPECT_DOUBLE_EQ(text.UnitsToInch(0, PAGE_VERTICAL), 0.0);

    // 600 x 400 pixels are 6.25 x 4.1667 inches spread over 1000 x 1000 units.
    CPage stretched(10, 20, 600, 400, &m_canvas.m_dc, CPage::MAP_ANISOTROPIC);
    EXPECT_EQ(stretched.m_state.pageWidth, 1000);
    EXPECT_EQ(stretched.InchToUnits(6.25, PAGE_HORIZONTAL), 1000);
    EXPECT_EQ(stretched.InchToUnits(1.0, PAGE_VERTICAL), 240);
    EXPECT_NEAR(stretched.UnitsToInch(500, PAGE_HORIZONTAL), 3.125, 1e-12);
    // A box over the whole page covers the viewport (10, 20, 610, 420).
    stretched.DrawRectangle(0, 0, 1000, 1000, 1, PRINT_FILL_BLACK, 0);
    EXPECT_EQ(m_canvas.Pixel(300, 200), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(9, 200), PAGE_WHITE);
    EXPECT_EQ(m_canvas.Pixel(300, 19), PAGE_WHITE);
}

TEST_F(PageTest, LineSpacingAddsPartOfTheFontHeightToEveryReturnedRow)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    const int nPlain = page.FormatAtEx(100, 10, PRINT_TEXT_SINGLELINE, 10, "Messen %d", 1);
    EXPECT_EQ(nPlain, page.m_state.lastRect.bottom);
    EXPECT_GT(TextHeight(page), 0);

    EXPECT_EQ(page.SetLineSpacing(1.5), 1.0);
    // (int)(InchToUnits(10 / 72, vertical) x 0.5) = (int)(13 x 0.5)
    EXPECT_EQ(page.FormatAtEx(100, 10, PRINT_TEXT_SINGLELINE, 10, "Messen %d", 1), nPlain + 6);
    EXPECT_EQ(page.FormatAt(100, 10, "Messen %d", 1), nPlain + 6);

    EXPECT_EQ(page.SetLineSpacing(0.0), 1.5); // kept
    EXPECT_EQ(page.SetLineSpacing(0.8), 1.5);
    EXPECT_EQ(page.FormatAtEx(100, 10, PRINT_TEXT_SINGLELINE, 10, "Messen %d", 1), nPlain);

    page.SetLineSpacing(2.0);
    const int nLarge = page.FormatAtEx(100, 10, PRINT_TEXT_SINGLELINE, 20, "Messen");
    EXPECT_EQ(nLarge, page.m_state.lastRect.bottom + 26); // (int)(26 x 1.0)
}

TEST_F(PageTest, PutTextDrawsNothingBeyondTheLimitsAndReturnsTheCurrentRow)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    EXPECT_EQ(page.RightLimit(0), 600);
    EXPECT_EQ(page.RightLimit(300), 600);
    EXPECT_EQ(page.BottomLimit(200), 400);
    page.m_state.top = 50;
    const int nNext = page.PutText("Kanal A", 20, PRINT_TEXT_SINGLELINE, 12);
    const CRect needed = page.m_state.lastRect;
    EXPECT_EQ(nNext, needed.bottom);
    EXPECT_EQ(needed.left, 20);
    EXPECT_EQ(page.m_textEndX, needed.right);
    EXPECT_GT(m_canvas.CountOther(needed, PAGE_WHITE), 0);

    PageCanvas blank(600, 400);
    CPage limited(0, 0, 600, 400, &blank.m_dc, CPage::MAP_TEXT);
    limited.RightLimit(300);
    limited.BottomLimit(200);
    limited.m_textEndX = 77;
    limited.m_state.top = 50;
    EXPECT_EQ(limited.PutText("Kanal A", 301, PRINT_KEEP_FLAGS, 0), 50);
    EXPECT_EQ(limited.PutText("Kanal A", 300, PRINT_KEEP_FLAGS, 0), limited.m_state.lastRect.bottom); // at it
    blank.m_dc.FillSolidRect(0, 0, 600, 400, PAGE_WHITE);
    limited.m_textEndX = 77;
    limited.m_state.top = 201;
    EXPECT_EQ(limited.PutText("Kanal A", 10, PRINT_KEEP_FLAGS, 0), 201);
    EXPECT_EQ(limited.m_textEndX, 77);
    EXPECT_TRUE(blank.IsBlank());

    // The limits come back to the page's size; 0 only reads.
    EXPECT_EQ(limited.RightLimit(-1), 300);
    EXPECT_EQ(limited.RightLimit(0), 600);
    EXPECT_EQ(limited.BottomLimit(-1), 200);
    EXPECT_EQ(limited.BottomLimit(0), 400);
    EXPECT_DOUBLE_EQ(limited.RightLimitIn(0.0), 6.25);
    EXPECT_DOUBLE_EQ(limited.RightLimitIn(2.0), 6.25);
    EXPECT_EQ(limited.RightLimit(0), 192);
    EXPECT_DOUBLE_EQ(limited.BottomLimitIn(-1.0), 400.0 / DPI);
}

TEST_F(PageTest, ColumnMinusOneContinuesAtTheEndOfThePreviousText)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    page.m_state.top = 40;
    page.PutText("Messwert", 30, PRINT_TEXT_SINGLELINE, 12);
    const int nFirstEnd = page.m_state.lastRight;
    ASSERT_GT(nFirstEnd, 30);
    page.PutText(" 12,5 N", -1, PRINT_KEEP_FLAGS, 0);
    EXPECT_EQ(page.m_state.left, nFirstEnd);
    EXPECT_EQ(page.m_state.lastRect.left, nFirstEnd);
    EXPECT_GT(page.m_state.lastRight, nFirstEnd);
    EXPECT_EQ(page.m_textEndX, page.m_state.lastRight);

    // FormatFlow hands the end on.
    int nColumn = 30;
    page.FormatFlow(80, &nColumn, PRINT_TEXT_SINGLELINE, 12, "%s", "Messwert");
    EXPECT_EQ(nColumn, nFirstEnd);
}

TEST_F(PageTest, AnEmptyTextDrawsNothingAndReturnsTheBottomOfThePreviousText)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    page.m_state.top = 40;
    const int nBottom = page.PutText("Kraft", 30, PRINT_TEXT_SINGLELINE, 12);
    const RECT previous = page.m_state.lastRect;
    m_canvas.m_dc.FillSolidRect(0, 0, 600, 400, PAGE_WHITE);
    page.m_state.top = 200;
    EXPECT_EQ(page.PutText("", 30, PRINT_KEEP_FLAGS, 0), nBottom);
    EXPECT_EQ(page.PutText(nullptr, 30, PRINT_KEEP_FLAGS, 0), nBottom);
    EXPECT_TRUE(EqualRect(&page.m_state.lastRect, &previous));
    EXPECT_EQ(page.m_printer.RenderText(page.m_state, 1.0), 24); // twice the point size
    EXPECT_TRUE(m_canvas.IsBlank());
}

TEST_F(PageTest, TextSourceFeedsTheCallbackOperationsAndWithoutOneNothingIsDrawn)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    EXPECT_EQ(page.CallbackAtEx(40, 30, PRINT_TEXT_SINGLELINE, 12, nullptr), 0);
    EXPECT_EQ(page.CallbackAtIn(1.0, 1.0, nullptr), 0.0);
    EXPECT_TRUE(m_canvas.IsBlank());

    page.SetTextSource([](void* pData) { return static_cast<const char*>(pData); });
    char szText[] = "Drehmoment";
    const int nNext = page.CallbackAtEx(40, 30, PRINT_TEXT_SINGLELINE, 12, szText);
    EXPECT_EQ(page.m_state.text, CString(szText));
    EXPECT_EQ(nNext, page.m_state.lastRect.bottom);
    EXPECT_FALSE(m_canvas.IsBlank());
}

TEST_F(PageTest, EleventhNestedSaveIsIgnoredAndSoIsTheRestoreThatPairsWithIt)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    for (int i = 1; i <= CPage::STATE_DEPTH + 1; ++i)
    {
        page.ChangePointSize(i);
        page.PushState();
    }
    EXPECT_EQ(page.m_stackTop, CPage::STATE_DEPTH - 1);
    page.ChangePointSize(99);
    page.PopState(); // pairs with the ignored save
    EXPECT_EQ(page.m_state.pointSize, 99);
    for (int i = CPage::STATE_DEPTH; i >= 1; --i)
    {
        page.PopState();
        EXPECT_EQ(page.m_state.pointSize, i);
    }
    page.PopState(); // nothing saved
    EXPECT_EQ(page.m_state.pointSize, 1);

    // An operation that saves at full depth keeps its settings, and the saved states stay in order.
    for (int i = 1; i <= CPage::STATE_DEPTH; ++i)
    {
        page.ChangePointSize(i);
        page.PushState();
    }
    page.DrawRectangle(10, 10, 20, 20, 1, PRINT_FILL_BLACK, PRINT_LINE_DASH);
    EXPECT_EQ(page.m_state.lineFlags, PRINT_LINE_DASH);
    EXPECT_EQ(page.m_stackTop, CPage::STATE_DEPTH - 1);
    for (int i = CPage::STATE_DEPTH; i >= 1; --i)
    {
        page.PopState();
        EXPECT_EQ(page.m_state.pointSize, i);
        EXPECT_EQ(page.m_state.lineFlags, 0);
    }
}

TEST_F(PageTest, FormattedTextIsCutToTheBuffer)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    const std::string strLong(3 * CPage::FORMAT_BUFFER_SIZE, 'x');
    page.FormatAtEx(10, 10, PRINT_TEXT_SINGLELINE, 8, "%s|%s", strLong.c_str(), "end");
    EXPECT_EQ(page.m_state.text.GetLength(), CPage::FORMAT_BUFFER_SIZE - 1);
    EXPECT_EQ(page.m_formatBuffer[CPage::FORMAT_BUFFER_SIZE - 1], '\0');
}

TEST_F(PageTest, RegionsAreRefusedOffThePageAndCutToTheLimits)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    page.RightLimit(500);
    page.BottomLimit(300);
    struct Case
    {
        CRect rect; // left, top, right, bottom
        bool bPlaced;
        CRect placed;
    };
    const Case cases[] = {
        {CRect(10, 10, 601, 50), false, CRect()},
        {CRect(-1, 10, 100, 50), false, CRect()},
        {CRect(10, -1, 100, 50), false, CRect()},
        {CRect(10, 10, 100, 401), false, CRect()},
        {CRect(10, 10, 600, 400), true, CRect(10, 10, 500, 300)},
        {CRect(20, 30, 120, 80), true, CRect(20, 30, 120, 80)},
    };
    for (const Case& c : cases)
    {
        CPrintRegion* pRegion = page.AddRegion(c.rect.top, c.rect.left, c.rect.bottom, c.rect.right, 0);
        ASSERT_EQ(pRegion != nullptr, c.bPlaced) << c.rect.left << "," << c.rect.top;
        if (pRegion == nullptr)
            continue;
        EXPECT_EQ(CRect(pRegion->m_left, pRegion->m_top, pRegion->m_right, pRegion->m_bottom), c.placed);
        EXPECT_EQ(pRegion->m_bodyLeft, c.placed.left + 1);
        EXPECT_EQ(pRegion->m_bodyTop, c.placed.top + 1);
    }
    EXPECT_EQ(page.m_regions.size(), 2u);
    EXPECT_TRUE(m_canvas.IsBlank()); // unshaded
}

TEST_F(PageTest, ARegionIsShadedAndTextAndLinesInItAreRelativeToItsBodyAndKeptInside)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    CPrintRegion* pRegion = page.AddRegion(100, 50, 200, 250, PRINT_FILL_BLACK);
    ASSERT_NE(pRegion, nullptr);
    EXPECT_EQ(m_canvas.Pixel(50, 100), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(249, 199), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(250, 150), PAGE_WHITE);

    const int nNext = page.FormatInRegion(pRegion, 10, 5, PRINT_TEXT_SINGLELINE, 12, "%s", "Kanal B");
    EXPECT_EQ(page.m_state.pointSize, 10); // saved and restored
    EXPECT_EQ(page.m_state.top, 0);
    EXPECT_GT(nNext, 10);
    EXPECT_EQ(m_canvas.m_dc.GetBkMode(), OPAQUE); // the contrast is put back
    EXPECT_EQ(m_canvas.m_dc.GetTextColor(), PAGE_BLACK);

    // A line from the body's corner far beyond the region ends at its bottom right.
    PageCanvas lines(600, 400);
    CPage linePage(0, 0, 600, 400, &lines.m_dc, CPage::MAP_TEXT);
    CPrintRegion* pClear = linePage.AddRegion(100, 50, 200, 250, 0);
    ASSERT_NE(pClear, nullptr);
    linePage.DrawLineInRegion(pClear, 0, 0, 0, 1000, 1, 0);
    EXPECT_EQ(lines.Pixel(51, 101), PAGE_BLACK);
    EXPECT_EQ(lines.Pixel(249, 101), PAGE_BLACK);
    EXPECT_EQ(lines.Pixel(251, 101), PAGE_WHITE);
    linePage.DrawRectangleInRegion(pClear, 50, 10, 1000, 60, 1, PRINT_FILL_BLACK, 0);
    EXPECT_EQ(lines.Pixel(80, 190), PAGE_BLACK);
    EXPECT_EQ(lines.Pixel(80, 201), PAGE_WHITE);
}

TEST_F(PageTest, CheckedTickBoxIsCrossedCornerToCornerOrShaded)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    // 12 points are 16 pixels: the box spans (30, 20) to (46, 36).
    page.DrawTickBox("", FALSE, 20, 30, 12, 0, 1, 0, PRINT_TEXT_SINGLELINE);
    for (int i = 2; i < 15; ++i)
    {
        EXPECT_EQ(m_canvas.Pixel(30 + i, 20 + i), PAGE_WHITE) << i;
        EXPECT_EQ(m_canvas.Pixel(30, 20 + i), PAGE_BLACK) << i;
        EXPECT_EQ(m_canvas.Pixel(46, 20 + i), PAGE_BLACK) << i;
        EXPECT_EQ(m_canvas.Pixel(30 + i, 36), PAGE_BLACK) << i;
    }

    page.DrawTickBox("", TRUE, 20, 30, 12, 0, 1, 0, PRINT_TEXT_SINGLELINE);
    for (int i = 2; i < 15; ++i)
    {
        EXPECT_EQ(m_canvas.Pixel(30 + i, 20 + i), PAGE_BLACK) << i;
        EXPECT_EQ(m_canvas.Pixel(30 + i, 36 - i), PAGE_BLACK) << i;
    }
    EXPECT_EQ(m_canvas.Pixel(38, 24), PAGE_WHITE); // between the arms of the cross
    EXPECT_EQ(m_canvas.Pixel(34, 28), PAGE_WHITE);

    page.DrawTickBox("", TRUE, 60, 30, 12, 0, 1, PRINT_FILL_BLACK, PRINT_TEXT_SINGLELINE);
    EXPECT_EQ(m_canvas.CountOther(CRect(30, 60, 47, 77), PAGE_BLACK), 0);
    EXPECT_EQ(page.m_state.fillFlags, 0);
}

TEST_F(PageTest, TickBoxLabelComesBeforeTheBoxOrTwoBoxWidthsRightOfItAndIsNoFormat)
{
    CPage page(0, 0, 600, 400, &m_canvas.m_dc, CPage::MAP_TEXT);
    page.DrawTickBox("100 %s %n", FALSE, 20, 30, 12, 1, 1, 0, PRINT_TEXT_SINGLELINE);
    const int nLabelEnd = page.m_textEndX;
    const int nBoxLeft = nLabelEnd + page.m_textMetrics.tmMaxCharWidth;
    EXPECT_EQ(m_canvas.Pixel(nBoxLeft, 28), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(nBoxLeft + 16, 28), PAGE_BLACK);
    EXPECT_EQ(m_canvas.Pixel(nBoxLeft - 1, 28), PAGE_WHITE);

    PageCanvas other(600, 400);
    CPage after(0, 0, 600, 400, &other.m_dc, CPage::MAP_TEXT);
    after.DrawTickBox("Kanal A", FALSE, 20, 30, 12, 0, 1, 0, PRINT_TEXT_SINGLELINE);
    EXPECT_EQ(after.m_state.text, CString()); // saved and restored
    EXPECT_GT(after.m_textEndX, 62);
    EXPECT_EQ(other.CountOther(CRect(47, 0, 62, 400), PAGE_WHITE), 0); // the gap before the label
}
