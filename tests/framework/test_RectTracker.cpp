#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CPen.h"
#include "framework/CRectTracker.h"

#include <gtest/gtest.h>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class RectTrackerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CClientDC screen(nullptr);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 80, 80));
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, 80, 80, kWhite);
    }
    void TearDown() override { m_dc.SelectObject(m_pOld); }

    int CountBlack(const CRect& rect)
    {
        int n = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                n += m_dc.GetPixel(x, y) == kBlack;
        return n;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};
} // namespace

TEST_F(RectTrackerTest, OutsideHandlesAndHatchedBorderLeaveTheInsideAlone)
{
    CRectTracker tracker(CRect(20, 20, 60, 50), CRectTracker::hatchedBorder | CRectTracker::resizeOutside);
    CRect rcTrue;
    tracker.GetTrueRect(&rcTrue);
    EXPECT_EQ(rcTrue, CRect(13, 13, 67, 57));
    EXPECT_EQ(tracker.GetHandleRect(0), CRect(13, 13, 20, 20));
    EXPECT_EQ(tracker.GetHandleRect(2), CRect(60, 50, 67, 57));
    EXPECT_EQ(tracker.GetHandleRect(5), CRect(60, 31, 67, 38));

    const COLORREF crText = m_dc.GetTextColor();
    tracker.Draw(&m_dc);
    EXPECT_EQ(CountBlack(CRect(20, 20, 60, 50)), 0);
    for (int i = 0; i < 8; ++i)
    {
        const CRect handle = tracker.GetHandleRect(i);
        EXPECT_EQ(CountBlack(handle), handle.Width() * handle.Height()) << "handle " << i;
    }
    // The hatching between the handles is partly black, partly not.
    const int nHatch = CountBlack(CRect(30, 13, 36, 20));
    EXPECT_GT(nHatch, 0);
    EXPECT_LT(nHatch, 36);
    EXPECT_EQ(CountBlack(CRect(0, 0, 80, 12)), 0);
    EXPECT_EQ(m_dc.GetTextColor(), crText);
    EXPECT_EQ(m_dc.GetCurrentPen()->m_hObject, ::GetStockObject(BLACK_PEN));
}

TEST_F(RectTrackerTest, SolidFrameWithoutHandles)
{
    CRectTracker tracker(CRect(60, 50, 20, 20), CRectTracker::solidLine); // drawn normalised
    EXPECT_TRUE(tracker.GetHandleRect(0).IsRectEmpty());
    tracker.Draw(&m_dc);
    EXPECT_EQ(m_dc.GetPixel(20, 20), kBlack);
    EXPECT_EQ(m_dc.GetPixel(59, 49), kBlack);
    EXPECT_EQ(m_dc.GetPixel(40, 35), kWhite);
    EXPECT_EQ(CountBlack(CRect(0, 0, 80, 20)), 0);
}
