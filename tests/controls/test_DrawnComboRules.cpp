// Rules of the drawn combo box without windows: where its drop-down list goes near each edge of the
// 1920 x 1080 test screen, and which row a page move in the open list selects.
#include "controls/CDrawnComboBox.h"
#include "controls/CDropWnd.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Text(const CRect& rc)
{
    return "(" + std::to_string(rc.left) + ", " + std::to_string(rc.top) + ", " + std::to_string(rc.right) +
           ", " + std::to_string(rc.bottom) + ")";
}

// A box of 22 pixels' height whose screen rectangle is rcBox; rows of 16 pixels.
CDropWnd::PlacementInput Input(const CRect& rcBox, int nItems, int nWidestText = 50, int nMaxRows = -1)
{
    CDropWnd::PlacementInput in;
    in.rcStart = CRect(rcBox.left, rcBox.bottom, rcBox.right, rcBox.bottom);
    in.nBoxHeight = rcBox.Height();
    in.nItemHeight = 16;
    in.nItems = nItems;
    in.nMaxRows = nMaxRows;
    in.nMinRowsBelow = 5;
    in.nWidestText = nWidestText;
    in.sizeScreen = CSize(1920, 1080);
    in.cxVScroll = 17;
    in.cyVScroll = 17;
    return in;
}
} // namespace

TEST(DrawnComboRules, DropDownPlacementNearTheScreenEdges)
{
    struct Case
    {
        const char* pszWhat;
        CDropWnd::PlacementInput in;
        CRect rcExpected;
    } cases[] = {
        {"top-left corner: below the box, box wide", Input(CRect(0, 0, 200, 22), 10), CRect(0, 22, 200, 184)},
        {"no items: one scroll-bar height", Input(CRect(300, 100, 500, 122), 0), CRect(300, 122, 500, 139)},
        {"five rows still fit below: cut at the bottom", Input(CRect(300, 968, 500, 990), 10),
         CRect(300, 990, 500, 1080)},
        {"bottom edge: above the box, ending at its top", Input(CRect(300, 1000, 500, 1022), 10),
         CRect(300, 838, 500, 1000)},
        {"bottom edge, more rows than fit: cut at the top of the screen",
         Input(CRect(300, 1000, 500, 1022), 100), CRect(300, 0, 500, 1000)},
        {"bottom edge, at most 4 rows", Input(CRect(300, 1000, 500, 1022), 10, 50, 4),
         CRect(300, 934, 500, 1000)},
        {"at most 4 of 10 rows below", Input(CRect(300, 100, 500, 122), 10, 50, 4),
         CRect(300, 122, 500, 188)},
        {"at most 4 of 3 rows: no limit", Input(CRect(300, 100, 500, 122), 3, 50, 4),
         CRect(300, 122, 500, 172)},
        {"text wider than the box: text + scroll bar + 8", Input(CRect(300, 100, 500, 122), 3, 300),
         CRect(300, 122, 625, 172)},
        {"right edge: moved left to end at the screen's edge", Input(CRect(1800, 100, 1900, 122), 3, 300),
         CRect(1595, 122, 1920, 172)},
        {"wider than the screen: at 0, as wide as the screen", Input(CRect(10, 100, 210, 122), 3, 2000),
         CRect(0, 122, 1920, 172)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Text(CDropWnd::CalcPlacement(c.in)), Text(c.rcExpected)) << c.pszWhat;
}

TEST(DrawnComboRules, PageMovesInTheOpenList)
{
    struct Case
    {
        int iSel, iTop, nVisible, nCount, iDown, iUp;
    } cases[] = {
        {-1, 0, 5, 20, 0, -1},   // none selected: down to row 0, up does nothing
        {0, 0, 5, 20, 4, 0},     // to the last fully visible row; up from 0 does nothing
        {2, 0, 5, 20, 4, 0},     // up to the top row
        {4, 0, 5, 20, 8, 0},     // on the last visible row: one page on
        {7, 5, 5, 20, 9, 5},     // up to the top row first
        {5, 5, 5, 20, 9, 1},     // on the top row: one page back
        {18, 14, 5, 20, 19, 14}, // never beyond the last row
        {19, 15, 5, 20, 19, 15}, // on the last row: down does nothing
        {2, 2, 5, 20, 6, 0},     // never above row 0
        {12, 0, 5, 20, 12, 0},   // selected below the page shown: down never moves it up
        {-1, 0, 5, 0, -1, -1},   // no rows
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(CDrawnComboBox::PageDownRow(c.iSel, c.iTop, c.nVisible, c.nCount), c.iDown)
            << c.iSel << " top " << c.iTop;
        EXPECT_EQ(CDrawnComboBox::PageUpRow(c.iSel, c.iTop, c.nVisible), c.iUp)
            << c.iSel << " top " << c.iTop;
    }
}
