// Resizable bars in a frame: rows share their length, dragging an edge moves the neighbour, minimum
// sizes hold, hidden bars keep their place.
#include "ResizableBarFrame.h"

#include <gtest/gtest.h>

#include <numeric>

namespace
{
class ResizableBarFrameTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_frame.Create(800, 600)); }
    void TearDown() override { m_frame.Destroy(); }

    CResizableBar& Bar(int i) { return m_frame.m_bars[i]; }
    int ClientHeight() const
    {
        CRect rc;
        m_frame.m_pFrame->GetClientRect(rc);
        return rc.Height() - RectIn(&m_frame.m_wndStatusBar, m_frame.m_pFrame).Height();
    }
    // Drags edge nHit of bar i by (dx, dy) the way the mouse would, then lets the frame settle.
    void DragEdge(int i, UINT nHit, int dx, int dy)
    {
        CRect rcWindow, rcStrip;
        Bar(i).GetWindowRect(rcWindow);
        ASSERT_TRUE(Bar(i).EdgeStripRect(rcWindow, nHit, rcStrip)) << nHit;
        const CPoint pt = rcStrip.CenterPoint();
        Bar(i).StartTracking(nHit, pt);
        Bar(i).TrackToPoint(CPoint(pt.x + dx, pt.y + dy));
        Bar(i).StopTracking();
        m_frame.Settle();
    }

    CResizableTestFrame<CResizableBar> m_frame;
};

TEST_F(ResizableBarFrameTest, TheRightColumnSharesItsLengthAndTheViewTakesTheRest)
{
    const int H = ClientHeight();
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_RESBAR_A, ID_RESBAR_B, ID_RESBAR_C, 0}));
    // Each bar docked shares the column with those before it: their lengths less the 2-pixel
    // overlaps fill the side.
    int nSum = 0;
    for (int i = 0; i < 3; ++i)
    {
        nSum += Bar(i).m_szVert.cy - 2;
        EXPECT_EQ(Bar(i).m_szVert.cx, 200);
        const CRect rc = RectIn(&Bar(i), pRight);
        EXPECT_EQ(rc.Height(), Bar(i).m_szVert.cy);
        EXPECT_EQ(rc.top, i == 0 ? -2 : RectIn(&Bar(i - 1), pRight).bottom - 2);
    }
    EXPECT_EQ(nSum, H - 2);
    EXPECT_EQ(RectIn(&Bar(2), pRight).bottom, H - 2); // the side's client ends there
    EXPECT_RECT(RectIn(pRight, m_frame.m_pFrame), CRect(600, 0, 800, H));
    // The navigation bar alone on the left takes the whole length.
    EXPECT_EQ(Bar(3).m_szVert.cy, H);
    EXPECT_RECT(RectIn(&m_frame.m_wndView, m_frame.m_pFrame), CRect(200, 0, 600, H));
    // Edges: the column's bars between each other and the inner side; the left bar its right side.
    EXPECT_EQ(Bar(0).m_dwSizingStyle & RBS_EDGEALL, (DWORD)(RBS_EDGEBOTTOM | RBS_EDGELEFT));
    EXPECT_EQ(Bar(1).m_dwSizingStyle & RBS_EDGEALL, (DWORD)(RBS_EDGETOP | RBS_EDGEBOTTOM | RBS_EDGELEFT));
    EXPECT_EQ(Bar(2).m_dwSizingStyle & RBS_EDGEALL, (DWORD)(RBS_EDGETOP | RBS_EDGELEFT));
    EXPECT_EQ(Bar(3).m_dwSizingStyle & RBS_EDGEALL, (DWORD)RBS_EDGERIGHT);
    // Hit test on the window: the inner edge strip, the client elsewhere.
    CRect rcWindow;
    Bar(1).GetWindowRect(rcWindow);
    EXPECT_EQ(Bar(1).SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + 2, rcWindow.top + 50)), HTLEFT);
    EXPECT_EQ(Bar(1).SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcWindow.left + 100, rcWindow.top + 50)),
              HTCLIENT);
    SaveScreenshot(m_frame.m_pFrame, "resbar_rows");
}

TEST_F(ResizableBarFrameTest, DraggingAnEdgeBetweenBarsMovesTheNeighbour)
{
    const int nA = Bar(0).m_szVert.cy, nB = Bar(1).m_szVert.cy, nC = Bar(2).m_szVert.cy;
    DragEdge(0, HTBOTTOM, 0, 30);
    EXPECT_EQ(Bar(0).m_szVert.cy, nA + 30);
    EXPECT_EQ(Bar(1).m_szVert.cy, nB - 30);
    EXPECT_EQ(Bar(2).m_szVert.cy, nC);
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(RectIn(&Bar(1), pRight).top, RectIn(&Bar(0), pRight).bottom - 2);
    EXPECT_EQ(RectIn(&Bar(1), pRight).Height(), nB - 30);

    // Far beyond: the bars after the edge give down to their minimum and the edge stops there.
    DragEdge(0, HTBOTTOM, 0, 2000);
    EXPECT_EQ(Bar(1).m_szVert.cy, 32);
    EXPECT_EQ(Bar(2).m_szVert.cy, 32);
    EXPECT_EQ(Bar(0).m_szVert.cy - 2 + 30 + 30, ClientHeight() - 2);
    EXPECT_EQ(RectIn(&Bar(2), pRight).bottom, ClientHeight() - 2);

    // Back up from the lower bar's top edge: the bar above gives.
    DragEdge(2, HTTOP, 0, -50);
    EXPECT_EQ(Bar(2).m_szVert.cy, 82);
    EXPECT_EQ(Bar(1).m_szVert.cy, 32);
}

TEST_F(ResizableBarFrameTest, DraggingTheInnerEdgeChangesTheWholeColumnAndLeavesTheViewTwoPixels)
{
    DragEdge(1, HTLEFT, -50, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Bar(i).m_szVert.cx, 250) << i;
    EXPECT_EQ(RectIn(m_frame.Side(AFX_IDW_DOCKBAR_RIGHT), m_frame.m_pFrame).Width(), 250);
    EXPECT_EQ(RectIn(&m_frame.m_wndView, m_frame.m_pFrame).Width(), 800 - 200 - 250);

    DragEdge(1, HTLEFT, -2000, 0);
    EXPECT_EQ(RectIn(&m_frame.m_wndView, m_frame.m_pFrame).Width(), 2);
    DragEdge(1, HTLEFT, 2000, 0);
    EXPECT_EQ(Bar(0).m_szVert.cx, 33); // the column's largest minimum thickness
}

TEST_F(ResizableBarFrameTest, AHiddenBarLeavesItsPlaceholderAndComesBackToTheSamePlace)
{
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    m_frame.m_pFrame->ShowControlBar(&Bar(1), FALSE, FALSE);
    m_frame.Settle();
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_RESBAR_A, ID_RESBAR_B, ID_RESBAR_C, 0}));
    EXPECT_EQ(Bar(0).m_szVert.cy - 2 + Bar(2).m_szVert.cy - 2, ClientHeight() - 2);
    EXPECT_EQ(RectIn(&Bar(2), pRight).top, RectIn(&Bar(0), pRight).bottom - 2);
    EXPECT_EQ(Bar(0).m_dwSizingStyle & RBS_EDGEALL, (DWORD)(RBS_EDGEBOTTOM | RBS_EDGELEFT));

    m_frame.m_pFrame->ShowControlBar(&Bar(1), TRUE, FALSE);
    m_frame.Settle();
    EXPECT_EQ(RectIn(&Bar(1), pRight).top, RectIn(&Bar(0), pRight).bottom - 2);
    EXPECT_EQ(RectIn(&Bar(2), pRight).top, RectIn(&Bar(1), pRight).bottom - 2);
    EXPECT_EQ(Bar(0).m_szVert.cy - 2 + Bar(1).m_szVert.cy - 2 + Bar(2).m_szVert.cy - 2, ClientHeight() - 2);
    SaveScreenshot(m_frame.m_pFrame, "resbar_shown_again");
}

TEST_F(ResizableBarFrameTest, TheStatusBarIsOneOfTheFramesBarsAndItsSpaceGoesToTheOthersWhenHidden)
{
    CFrameWnd* pFrame = m_frame.m_pFrame;
    ASSERT_EQ(pFrame->GetControlBar(AFX_IDW_STATUS_BAR), &m_frame.m_wndStatusBar);
    const int nStatus = RectIn(&m_frame.m_wndStatusBar, pFrame).Height();
    ASSERT_GT(nStatus, 0);
    pFrame->ShowControlBar(&m_frame.m_wndStatusBar, FALSE, FALSE);
    m_frame.Settle();
    EXPECT_EQ(RectIn(&m_frame.m_wndView, pFrame).bottom, 600);
    EXPECT_EQ(Bar(3).m_szVert.cy, 600);
    EXPECT_EQ(RectIn(&Bar(2), m_frame.Side(AFX_IDW_DOCKBAR_RIGHT)).bottom, 598);
    pFrame->ShowControlBar(&m_frame.m_wndStatusBar, TRUE, FALSE);
    m_frame.Settle();
    EXPECT_EQ(RectIn(&m_frame.m_wndView, pFrame).bottom, 600 - nStatus);
    EXPECT_EQ(Bar(3).m_szVert.cy, 600 - nStatus);
}

TEST_F(ResizableBarFrameTest, ShownEdgesTakeClientSpaceAndTheFirstChildFillsTheClientArea)
{
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "tree", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &Bar(3), 10000));
    Bar(3).m_dwSizingStyle |= RBS_SHOWEDGES | RBS_SIZECHILD;
    Bar(3).SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_frame.m_pFrame->RecalcLayout();
    m_frame.Settle();
    CRect rcWindow, rcClient;
    Bar(3).GetWindowRect(rcWindow);
    Bar(3).GetClientRect(rcClient);
    // Docked left: 5 pixels on every side, and the right edge's 5 as well.
    EXPECT_EQ(rcClient.Size(), rcWindow.Size() - CSize(15, 10));
    EXPECT_RECT(RectIn(&child, &Bar(3)), rcClient);
    child.DestroyWindow();
}

TEST_F(ResizableBarFrameTest, RowsTooShortForTheMinimumsAreSplit)
{
    for (int i = 0; i < 3; ++i)
    {
        Bar(i).m_szMinVert = CSize(60, 250);
        Bar(i).m_szVert = CSize(60, 250);
    }
    m_frame.m_pFrame->RecalcLayout();
    m_frame.Settle();
    // 600 pixels take two bars of at least 250, not three: the third opens a second column.
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_RESBAR_A, ID_RESBAR_B, 0, ID_RESBAR_C, 0}));
    EXPECT_GE(Bar(2).m_szVert.cy, 250);
}
} // namespace
