#include "framework/CRectTracker.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT kOutside = CRectTracker::resizeOutside | CRectTracker::hatchedBorder;

// A window whose queue holds the mouse messages a drag would bring.
class TrackerWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_wnd.CreateEx(0, nullptr, "tracker", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }
    void Post(UINT nMsg, int x, int y) { ::PostMessageA(m_wnd.m_hWnd, nMsg, 0, MAKELPARAM(x, y)); }

    CWnd m_wnd;
    CRectTracker m_tracker{CRect(20, 20, 60, 50), kOutside};
};
} // namespace

TEST(RectTracker, HitTestFindsHandlesThenTheInside)
{
    const CRectTracker tracker(CRect(20, 20, 60, 50), kOutside);
    const struct
    {
        CPoint point;
        int nHit;
    } cases[] = {
        {{15, 15}, CRectTracker::hitTopLeft},     {{62, 15}, CRectTracker::hitTopRight},
        {{62, 52}, CRectTracker::hitBottomRight}, {{15, 52}, CRectTracker::hitBottomLeft},
        {{38, 15}, CRectTracker::hitTop},         {{62, 33}, CRectTracker::hitRight},
        {{38, 52}, CRectTracker::hitBottom},      {{15, 33}, CRectTracker::hitLeft},
        {{30, 30}, CRectTracker::hitMiddle},      {{100, 100}, CRectTracker::hitNothing},
        {{25, 15}, CRectTracker::hitNothing}, // on the border between two handles
    };
    for (const auto& c : cases)
        EXPECT_EQ(tracker.HitTest(c.point), c.nHit) << c.point.x << "," << c.point.y;
    // Without handles only the inside counts.
    EXPECT_EQ(CRectTracker(CRect(20, 20, 60, 50), CRectTracker::solidLine).HitTest({21, 21}),
              CRectTracker::hitMiddle);
}

TEST(RectTracker, DragMovesTheInsideAndTheEdgesOfAHandle)
{
    const CRect start(20, 20, 60, 50);
    EXPECT_EQ(CRectTracker::Dragged(start, CRectTracker::hitMiddle, 5, -3), CRect(25, 17, 65, 47));
    EXPECT_EQ(CRectTracker::Dragged(start, CRectTracker::hitTopLeft, 5, -3), CRect(25, 17, 60, 50));
    EXPECT_EQ(CRectTracker::Dragged(start, CRectTracker::hitBottomRight, 5, -3), CRect(20, 20, 65, 47));
    EXPECT_EQ(CRectTracker::Dragged(start, CRectTracker::hitRight, 5, -3), CRect(20, 20, 65, 50));
    EXPECT_EQ(CRectTracker::Dragged(start, CRectTracker::hitTop, 5, -3), CRect(20, 17, 60, 50));
}

TEST_F(TrackerWindowTest, TrackFollowsTheMouseUntilTheButtonIsReleased)
{
    Post(WM_MOUSEMOVE, 35, 30);
    Post(WM_MOUSEMOVE, 45, 40);
    Post(WM_LBUTTONUP, 50, 42);
    EXPECT_TRUE(m_tracker.Track(&m_wnd, CPoint(30, 30)));
    EXPECT_EQ(m_tracker.m_rect, CRect(40, 32, 80, 62));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(TrackerWindowTest, ResizingPastTheOppositeEdgeIsNormalisedUnlessInversionIsAllowed)
{
    Post(WM_LBUTTONUP, 80, 33); // the left handle dragged beyond the right edge
    EXPECT_TRUE(m_tracker.Track(&m_wnd, CPoint(15, 33)));
    EXPECT_EQ(m_tracker.m_rect, CRect(60, 20, 85, 50));

    m_tracker.m_rect.SetRect(20, 20, 60, 50);
    Post(WM_LBUTTONUP, 80, 33);
    EXPECT_TRUE(m_tracker.Track(&m_wnd, CPoint(15, 33), TRUE));
    EXPECT_EQ(m_tracker.m_rect, CRect(85, 20, 60, 50));
}

TEST_F(TrackerWindowTest, EscapeOrNoMovementOrAMissLeavesTheRectangle)
{
    Post(WM_MOUSEMOVE, 45, 40);
    ::PostMessageA(m_wnd.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(m_tracker.Track(&m_wnd, CPoint(30, 30)));
    EXPECT_EQ(m_tracker.m_rect, CRect(20, 20, 60, 50));

    Post(WM_LBUTTONUP, 30, 30);
    EXPECT_FALSE(m_tracker.Track(&m_wnd, CPoint(30, 30)));
    EXPECT_FALSE(m_tracker.Track(&m_wnd, CPoint(120, 120))); // returns at once, nothing queued
    EXPECT_EQ(m_tracker.m_rect, CRect(20, 20, 60, 50));
    EXPECT_EQ(::GetCapture(), nullptr);
}
