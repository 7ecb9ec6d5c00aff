// The sizing rules of the resizable bar on row models, without windows: sharing a row, aligning it,
// tracking an edge to a point, the client area and the edge strips.
#include "controls/CResizableBar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace
{
using RowBar = CResizableBar::RowBar;

RowBar Sizing(int nLength, int nMinLength, int nThickness = 100, BOOL bKeep = FALSE)
{
    RowBar bar;
    bar.bSizing = TRUE;
    bar.size = CSize(nLength, nThickness);
    bar.sizeMin = CSize(nMinLength, 32);
    bar.bKeepSize = bKeep;
    return bar;
}

RowBar Other(int nWindowLength)
{
    RowBar bar;
    bar.nWindowLength = nWindowLength;
    return bar;
}

std::vector<int> Lengths(const std::vector<RowBar>& row)
{
    std::vector<int> lengths;
    for (const RowBar& bar : row)
        lengths.push_back(bar.size.cx);
    return lengths;
}

std::string Text(const RECT& rect)
{
    char sz[80];
    std::snprintf(sz, sizeof(sz), "(%ld, %ld, %ld, %ld)", rect.left, rect.top, rect.right, rect.bottom);
    return sz;
}

struct ShareCase
{
    const char* lpszName;
    std::vector<RowBar> row;
    int nSelf;
    int nTotal;
    BOOL bResult;
    int nBreakBefore;
    std::vector<int> lengths;
};

TEST(ResizableBarRules, SharingARowsLength)
{
    // Horizontal rows; lengths are the bars' cx. A bar counts with its length - 2 (2 pixels overlap).
    const ShareCase cases[] = {
        {"two bars grow alike", {Sizing(200, 33), Sizing(200, 33)}, 0, 402, TRUE, -1, {203, 203}},
        {"two bars shrink alike", {Sizing(200, 33), Sizing(200, 33)}, 0, 302, TRUE, -1, {153, 153}},
        {"no bar below its minimum", {Sizing(200, 33), Sizing(50, 48)}, 0, 152, TRUE, -1, {108, 48}},
        {"a bar shown just now is spared",
         {Sizing(100, 33), Sizing(100, 33, 100, TRUE)},
         0,
         300,
         TRUE,
         -1,
         {204, 100}},
        {"one sizing bar takes what the others leave",
         {Other(50), Sizing(100, 33)},
         1,
         300,
         TRUE,
         -1,
         {0, 254}},
        {"minimums that do not fit split the row",
         {Sizing(100, 100), Sizing(100, 100), Sizing(100, 100)},
         0,
         250,
         TRUE,
         2,
         {127, 127, 100}},
        {"a bar too long alone takes its minimum", {Sizing(200, 33)}, 0, 20, TRUE, -1, {33}},
        {"a bar before it that fills the row moves it on",
         {Other(300), Sizing(100, 33)},
         1,
         250,
         FALSE,
         1,
         {0, 100}},
    };
    for (const ShareCase& c : cases)
    {
        std::vector<RowBar> row = c.row;
        int nBreakBefore = 0;
        EXPECT_EQ(CResizableBar::ShareRow(row, c.nSelf, c.nTotal, TRUE, nBreakBefore), c.bResult)
            << c.lpszName;
        EXPECT_EQ(nBreakBefore, c.nBreakBefore) << c.lpszName;
        EXPECT_EQ(Lengths(row), c.lengths) << c.lpszName;
        for (const RowBar& bar : row)
            EXPECT_FALSE(bar.bKeepSize) << c.lpszName;
    }
}

TEST(ResizableBarRules, SharingGivesEveryBarTheRowsThicknessAndWorksVertically)
{
    std::vector<RowBar> row = {Sizing(120, 33, 150), Sizing(100, 33, 180)};
    for (RowBar& bar : row)
    {
        bar.size = CSize(bar.size.cy, bar.size.cx); // vertical: cx is the thickness, cy the length
        bar.sizeMin = CSize(32, 33);
    }
    int nBreakBefore = 0;
    EXPECT_TRUE(CResizableBar::ShareRow(row, 0, 300, FALSE, nBreakBefore));
    EXPECT_EQ(row[0].size, CSize(180, 162));
    EXPECT_EQ(row[1].size, CSize(180, 142));
}

TEST(ResizableBarRules, AligningARow)
{
    // Relative to the dock bar's window; a top side's client area starts 2 pixels lower.
    auto moves = CResizableBar::AlignRow({CRect(-2, 2, 201, 32), CRect(196, 2, 396, 32)}, TRUE, TRUE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].first, 1);
    EXPECT_EQ(Text(moves[0].second), Text(CRect(199, 0, 399, 30)));
    EXPECT_TRUE(
        CResizableBar::AlignRow({CRect(-2, 0, 201, 30), CRect(199, 0, 399, 30)}, TRUE, FALSE).empty());

    moves = CResizableBar::AlignRow({CRect(0, 0, 40, 100), CRect(0, 98, 40, 178), CRect(0, 190, 40, 250)},
                                    FALSE, FALSE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].first, 2);
    EXPECT_EQ(Text(moves[0].second), Text(CRect(0, 174, 40, 234)));
}

TEST(ResizableBarRules, TrackingLimits)
{
    const std::vector<RowBar> row = {Sizing(100, 40), Sizing(100, 40), Sizing(100, 40)};
    int nMin = 0, nMax = 0;
    CResizableBar::CalcAlongRowLimits(row, 1, HTLEFT, 500, TRUE, nMin, nMax);
    EXPECT_EQ(nMin, 440);
    EXPECT_EQ(nMax, 620);
    CResizableBar::CalcAlongRowLimits(row, 1, HTRIGHT, 500, TRUE, nMin, nMax);
    EXPECT_EQ(nMin, 380);
    EXPECT_EQ(nMax, 560);

    // Across: the inner edge of a bar at the top (its bottom) grows into the view, shrinks to the
    // row's largest minimum thickness; a bar at the bottom the other way round.
    CResizableBar::CalcAcrossRowLimits(100, 32, 300, HTBOTTOM, 50, nMin, nMax);
    EXPECT_EQ(nMin, 50 - 68);
    EXPECT_EQ(nMax, 50 + 300);
    CResizableBar::CalcAcrossRowLimits(100, 32, 300, HTTOP, 50, nMin, nMax);
    EXPECT_EQ(nMin, 50 - 300);
    EXPECT_EQ(nMax, 50 + 68);
}

TEST(ResizableBarRules, TrackingToAPoint)
{
    struct TrackCase
    {
        UINT nEdge;
        int nDelta;
        std::vector<int> lengths;
    } cases[] = {
        {HTLEFT, 30, {130, 70, 100}},  // the neighbour before grows, this bar gives
        {HTLEFT, 80, {180, 40, 80}},   // this bar down to its minimum, then the next one
        {HTLEFT, -30, {70, 130, 100}}, // this bar grows, the one before gives
        {HTRIGHT, 30, {100, 130, 70}},
        {HTRIGHT, -70, {90, 40, 170}}, // minimum of this bar, then the one before
    };
    for (const TrackCase& c : cases)
    {
        std::vector<RowBar> row = {Sizing(100, 40), Sizing(100, 40), Sizing(100, 40)};
        if (c.nDelta == -70)
            row[0].sizeMin.cx = 90;
        CResizableBar::TrackAlongRow(row, 1, c.nEdge, c.nDelta, TRUE);
        EXPECT_EQ(Lengths(row), c.lengths) << c.nEdge << " " << c.nDelta;
    }
    EXPECT_EQ(CResizableBar::ThicknessAfterTrack(100, HTTOP, 10), 90);
    EXPECT_EQ(CResizableBar::ThicknessAfterTrack(100, HTLEFT, -10), 110);
    EXPECT_EQ(CResizableBar::ThicknessAfterTrack(100, HTBOTTOM, 10), 110);
    EXPECT_EQ(CResizableBar::ThicknessAfterTrack(100, HTRIGHT, -10), 90);
}

TEST(ResizableBarRules, ClientAreaByDockSide)
{
    struct ClientCase
    {
        UINT nDockBarID;
        DWORD dwStyleIn;
        CRect rcClient;
        DWORD dwEdgesOut;
    } cases[] = {
        {AFX_IDW_DOCKBAR_RIGHT, 0, CRect(5, 5, 195, 95), RBS_EDGELEFT},
        {AFX_IDW_DOCKBAR_TOP, 0, CRect(5, 5, 195, 95), RBS_EDGEBOTTOM},
        {AFX_IDW_DOCKBAR_LEFT, 0, CRect(5, 5, 195, 95), RBS_EDGERIGHT},
        {AFX_IDW_DOCKBAR_BOTTOM, RBS_EDGELEFT, CRect(5, 5, 195, 95), RBS_EDGETOP | RBS_EDGELEFT},
        {AFX_IDW_DOCKBAR_FLOAT, 0, CRect(3, 5, 197, 97), 0},
        {AFX_IDW_DOCKBAR_RIGHT, RBS_SHOWEDGES, CRect(10, 5, 195, 95), RBS_EDGELEFT},
        {AFX_IDW_DOCKBAR_TOP, RBS_SHOWEDGES | RBS_EDGERIGHT, CRect(5, 5, 190, 90),
         RBS_EDGEBOTTOM | RBS_EDGERIGHT},
    };
    for (const ClientCase& c : cases)
    {
        CResizableBar bar;
        bar.m_dwSizingStyle = c.dwStyleIn;
        CRect rc(0, 0, 200, 100);
        bar.CalcClientArea(rc, c.nDockBarID);
        EXPECT_EQ(Text(rc), Text(c.rcClient)) << c.nDockBarID << " " << c.dwStyleIn;
        EXPECT_EQ(bar.m_dwSizingStyle & RBS_EDGEALL, c.dwEdgesOut) << c.nDockBarID;
    }
}

TEST(ResizableBarRules, EdgeStripsAndHitTest)
{
    CResizableBar bar;
    bar.m_nDockBarID = AFX_IDW_DOCKBAR_TOP;
    bar.m_dwSizingStyle = RBS_EDGELEFT | RBS_EDGEBOTTOM;
    const CRect rcWindow(100, 50, 300, 150);
    CRect rcStrip;
    ASSERT_TRUE(bar.EdgeStripRect(rcWindow, HTLEFT, rcStrip));
    EXPECT_EQ(Text(rcStrip), Text(CRect(100, 55, 105, 145))); // shortened at both ends along the row
    ASSERT_TRUE(bar.EdgeStripRect(rcWindow, HTBOTTOM, rcStrip));
    EXPECT_EQ(Text(rcStrip), Text(CRect(100, 145, 300, 150)));
    EXPECT_FALSE(bar.EdgeStripRect(rcWindow, HTRIGHT, rcStrip));

    struct HitCase
    {
        CPoint pt;
        UINT nHit;
    } hits[] = {{CPoint(102, 100), HTLEFT},   {CPoint(102, 52), HTCLIENT},  {CPoint(102, 147), HTBOTTOM},
                {CPoint(200, 149), HTBOTTOM}, {CPoint(297, 100), HTCLIENT}, {CPoint(200, 100), HTCLIENT}};
    for (const HitCase& h : hits)
        EXPECT_EQ(bar.EdgeHitCode(rcWindow, h.pt), h.nHit) << h.pt.x << "," << h.pt.y;

    // Shown edges start one pixel inside the window; docked vertically, top and bottom strips are
    // the ones shortened.
    bar.m_nDockBarID = AFX_IDW_DOCKBAR_LEFT;
    bar.m_dwSizingStyle = RBS_SHOWEDGES | RBS_EDGETOP | RBS_EDGERIGHT;
    ASSERT_TRUE(bar.EdgeStripRect(rcWindow, HTTOP, rcStrip));
    EXPECT_EQ(Text(rcStrip), Text(CRect(106, 51, 294, 56)));
    ASSERT_TRUE(bar.EdgeStripRect(rcWindow, HTRIGHT, rcStrip));
    EXPECT_EQ(Text(rcStrip), Text(CRect(294, 51, 299, 149)));
}
} // namespace
