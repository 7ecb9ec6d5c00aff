// The interval slider (range and interval rules with their RANGE_CHANGED messages, inverted mode,
// painting, dragging, arrow keys, a range of no width) and the flat slider (thumb jumps to the click and
// follows the mouse, posting WM_HSCROLL).
#include "controls/ClientShot.h"

#include "charting/CFlatSliderCtrl.h"
#include "charting/CIntervalSlider.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kVisible = RGB(255, 255, 150);

struct Scroll
{
    UINT nCode;
    UINT nPos;
    HWND hWnd;
};

// Records what the sliders report.
class RecordingParent : public CWnd
{
public:
    std::vector<WPARAM> m_ranges;
    std::vector<Scroll> m_scrolls;

protected:
    LRESULT OnRangeChanged(WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ(lParam, 0);
        m_ranges.push_back(wParam);
        return 0;
    }
    // The trackbar's own TB_ENDTRACK, sent when it loses the capture, is left out.
    LRESULT OnScroll(WPARAM wParam, LPARAM lParam)
    {
        if (LOWORD(wParam) != TB_ENDTRACK)
            m_scrolls.push_back({LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingParent, CWnd)
ON_REGISTERED_MESSAGE(RANGE_CHANGED, OnRangeChanged)
ON_MESSAGE(WM_HSCROLL, OnScroll)
END_MESSAGE_MAP()

class TestSlider : public CIntervalSlider
{
public:
    using CIntervalSlider::m_dLeft;
    using CIntervalSlider::m_dMax;
    using CIntervalSlider::m_dMin;
    using CIntervalSlider::m_dRight;
    using CIntervalSlider::m_nArrowWidth;
    using CIntervalSlider::m_nTrackWidth;
    using CIntervalSlider::m_rectLeft;
    using CIntervalSlider::m_rectRight;
};

// A slider 330 by 20 pixels: thumbs 15 pixels long, 300 pixels of travel.
class IntervalSlider : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "sliders", WS_POPUP | WS_VISIBLE, 20, 20, 360, 60, nullptr,
                                      nullptr));
        ASSERT_TRUE(m_slider.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 330, 20), &m_parent, 4712));
    }
    void TearDown() override
    {
        m_slider.DestroyWindow();
        m_parent.DestroyWindow();
        SetShift(false);
    }
    void Paint() { m_slider.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    void Mouse(UINT nMessage, int x, int y) { m_slider.SendMessage(nMessage, MK_LBUTTON, MAKELPARAM(x, y)); }
    void Key(UINT nKey) { m_slider.SendMessage(WM_KEYDOWN, nKey, 1); }
    static void SetShift(bool bDown)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    std::pair<double, double> Range() const
    {
        double l, r;
        m_slider.GetRange(l, r);
        return {l, r};
    }

    RecordingParent m_parent;
    TestSlider m_slider;
};
} // namespace

TEST(IntervalSliderValues, StartsAtZeroToOneAndOrdersTheWholeRange)
{
    TestSlider slider;
    double l, r;
    slider.GetRange(l, r);
    EXPECT_EQ(l, 0.0);
    EXPECT_EQ(r, 1.0);
    EXPECT_EQ(slider.m_dMin, 0.0);
    EXPECT_EQ(slider.m_dMax, 1.0);
    slider.SetMinMax(10, 0);
    EXPECT_EQ(slider.m_dMin, 0.0);
    EXPECT_EQ(slider.m_dMax, 10.0);
    WNDCLASSA wc;
    EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), CIntervalSlider::CLASS_NAME, &wc));
    EXPECT_EQ(wc.style, 0x0Bu);
}

TEST_F(IntervalSlider, IntervalIsKeptInsideTheRangeAndEachMovedBoundIsReported)
{
    m_slider.SetMinMax(0, 10);
    m_parent.m_ranges.clear();
    m_slider.SetRange(-5, 20);
    EXPECT_EQ(m_parent.m_ranges, (std::vector<WPARAM>{0, 1}));
    EXPECT_EQ(Range(), std::make_pair(0.0, 10.0));

    m_parent.m_ranges.clear();
    m_slider.SetRange(7, 3);
    EXPECT_TRUE(m_parent.m_ranges.empty());
    EXPECT_EQ(Range(), std::make_pair(7.0, 3.0)) << "not ordered";

    // A narrower whole range pulls the interval in.
    m_slider.SetRange(2, 8);
    m_parent.m_ranges.clear();
    m_slider.SetMinMax(3, 5);
    EXPECT_EQ(m_parent.m_ranges, (std::vector<WPARAM>{0, 1}));
    EXPECT_EQ(Range(), std::make_pair(3.0, 5.0));
}

TEST_F(IntervalSlider, PaintsBarThumbsIntervalAndVisibleRange)
{
    m_slider.SetMinMax(0, 300);
    m_slider.SetRange(100, 200);
    m_slider.SetVisibleRange(150, 250);
    m_slider.SetShowVisibleRange(TRUE);
    Paint();
    EXPECT_EQ(m_slider.m_nArrowWidth, 15);
    EXPECT_EQ(m_slider.m_nTrackWidth, 300);
    CClientShot shot(&m_slider);
    EXPECT_TRUE(shot.Save("charting_interval_slider"));
    // Left thumb at 100, right thumb at 200 + 15, the interval between them.
    EXPECT_EQ(m_slider.m_rectLeft, CRect(101, 1, 113, 18));
    EXPECT_EQ(m_slider.m_rectRight, CRect(216, 1, 228, 18));
    EXPECT_EQ(shot.Pixel(50, 10), kGrey);
    EXPECT_EQ(shot.Pixel(0, 10), kBlack) << "the bar's outline";
    EXPECT_EQ(shot.Pixel(107, 5), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shot.Pixel(106, 10), kBlack) << "the arrow";
    EXPECT_EQ(shot.Pixel(140, 10), kWhite);
    EXPECT_EQ(shot.Pixel(190, 10), kVisible);
    EXPECT_EQ(shot.Pixel(260, 10), kGrey);
}

TEST_F(IntervalSlider, InvertedModeKeepsNegatedValuesAndDrawsThemMirrored)
{
    m_slider.SetInvertedMode(TRUE);
    m_slider.SetMinMax(0, 10);
    EXPECT_EQ(m_slider.m_dMin, -10.0);
    EXPECT_EQ(m_slider.m_dMax, 0.0);
    m_slider.SetRange(2, 4);
    EXPECT_EQ(m_slider.m_dLeft, -4.0);
    EXPECT_EQ(m_slider.m_dRight, -2.0);
    EXPECT_EQ(Range(), std::make_pair(2.0, 4.0));
    Paint();
    // The larger bound (4) lies left: at 60 percent of the travel.
    EXPECT_EQ(m_slider.m_rectLeft.left, 180 + 1);
    EXPECT_EQ(m_slider.m_rectRight.left, 240 + 15 + 1);
    m_slider.SetInvertedMode(FALSE);
    EXPECT_EQ(m_slider.m_dLeft, 2.0);
    EXPECT_EQ(m_slider.m_dMax, 10.0);
}

TEST_F(IntervalSlider, DraggingMovesAThumbOrTheWholeInterval)
{
    m_slider.SetMinMax(0, 300);
    m_slider.SetRange(100, 160);
    Paint();
    m_parent.m_ranges.clear();
    // The interval, dragged far to the left, stops at the range's start with its width.
    Mouse(WM_LBUTTONDOWN, 170, 10);
    EXPECT_EQ(::GetCapture(), m_slider.m_hWnd);
    Mouse(WM_MOUSEMOVE, 20, 10);
    Mouse(WM_LBUTTONUP, 20, 10);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(Range(), std::make_pair(0.0, 60.0));
    EXPECT_EQ(m_parent.m_ranges, (std::vector<WPARAM>{2}));

    // The left thumb, grabbed at its centre, follows the mouse.
    Paint();
    const CPoint ptLeft = m_slider.m_rectLeft.CenterPoint();
    Mouse(WM_LBUTTONDOWN, ptLeft.x, ptLeft.y);
    Mouse(WM_MOUSEMOVE, ptLeft.x + 30, ptLeft.y);
    Mouse(WM_LBUTTONUP, ptLeft.x + 30, ptLeft.y);
    EXPECT_NEAR(Range().first, 30.0, 1.0);
    EXPECT_EQ(m_parent.m_ranges.back(), 0u);

    // The right thumb: a move that changes nothing reports 0, one that does reports 1.
    Paint();
    const CPoint ptRight = m_slider.m_rectRight.CenterPoint();
    m_parent.m_ranges.clear();
    Mouse(WM_LBUTTONDOWN, ptRight.x, ptRight.y);
    Mouse(WM_MOUSEMOVE, ptRight.x + 40, ptRight.y);
    Mouse(WM_MOUSEMOVE, ptRight.x + 40, ptRight.y);
    Mouse(WM_LBUTTONUP, ptRight.x + 40, ptRight.y);
    EXPECT_NEAR(Range().second, 100.0, 1.0);
    EXPECT_EQ(m_parent.m_ranges, (std::vector<WPARAM>{1, 0}));
}

TEST_F(IntervalSlider, ArrowKeysMoveOrWidenByOnePixel)
{
    m_slider.SetMinMax(0, 300);
    m_slider.SetRange(10, 20);
    Paint();
    EXPECT_EQ(m_slider.SendMessage(WM_GETDLGCODE), DLGC_WANTARROWS);
    m_parent.m_ranges.clear();
    Key(VK_RIGHT);
    EXPECT_EQ(Range(), std::make_pair(11.0, 21.0));
    Key(VK_LEFT);
    EXPECT_EQ(Range(), std::make_pair(10.0, 20.0));
    SetShift(true);
    Key(VK_RIGHT);
    EXPECT_EQ(Range(), std::make_pair(10.0, 21.0));
    SetShift(false);
    EXPECT_EQ(m_parent.m_ranges, (std::vector<WPARAM>{2, 2, 0}));
    Key(VK_UP); // not an arrow of a horizontal slider
    EXPECT_EQ(m_parent.m_ranges.size(), 3u);

    // At the end of the travel the values stay, and the move is still reported.
    m_slider.SetRange(290, 300);
    m_parent.m_ranges.clear();
    Key(VK_RIGHT);
    EXPECT_EQ(Range(), std::make_pair(290.0, 300.0));
    EXPECT_EQ(m_parent.m_ranges, (std::vector<WPARAM>{2}));
}

TEST_F(IntervalSlider, WholeRangeOfNoWidthPutsEverythingAtTheStart)
{
    m_slider.SetMinMax(5, 5);
    Paint();
    EXPECT_EQ(m_slider.m_rectLeft.left, 1);
    EXPECT_EQ(m_slider.m_rectRight.left, 15 + 1);
    m_parent.m_ranges.clear();
    Key(VK_RIGHT);
    EXPECT_TRUE(m_parent.m_ranges.empty());
    EXPECT_EQ(Range(), std::make_pair(5.0, 5.0));
    Mouse(WM_LBUTTONDOWN, 8, 10);
    Mouse(WM_MOUSEMOVE, 200, 10);
    Mouse(WM_LBUTTONUP, 200, 10);
    EXPECT_EQ(Range(), std::make_pair(5.0, 5.0));
}

TEST(FlatSlider, ThumbJumpsToTheClickAndReportsTrackThenPosition)
{
    RecordingParent parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "flat", WS_POPUP | WS_VISIBLE, 20, 100, 400, 60, nullptr, nullptr));
    CFlatSliderCtrl slider;
    ASSERT_TRUE(
        slider.Create(WS_CHILD | WS_VISIBLE | TBS_BOTH | TBS_NOTICKS, CRect(0, 0, 300, 30), &parent, 4711));
    slider.SetRange(0, 10000);
    CRect rcChannel;
    slider.GetChannelRect(&rcChannel);
    if (rcChannel.Width() % 2 != 0)
    {
        slider.MoveWindow(0, 0, 301, 30);
        slider.GetChannelRect(&rcChannel);
    }
    ASSERT_EQ(rcChannel.Width() % 2, 0);
    const int xMiddle = (rcChannel.left + rcChannel.right) / 2;
    const int y = rcChannel.CenterPoint().y;

    // No pumping while the slider holds the capture: the real pointer cannot move it meanwhile.
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xMiddle, y));
    EXPECT_EQ(slider.GetPos(), 5000);
    slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xMiddle, y));
    ASSERT_TRUE(PumpUntil([&] { return parent.m_scrolls.size() == 2; }));
    EXPECT_EQ(parent.m_scrolls[0].nCode, (UINT)TB_THUMBTRACK);
    EXPECT_EQ(parent.m_scrolls[0].nPos, 5000u);
    EXPECT_EQ(parent.m_scrolls[0].hWnd, slider.m_hWnd);
    EXPECT_EQ(parent.m_scrolls[1].nCode, (UINT)TB_THUMBPOSITION);

    // A click on the current position posts nothing.
    parent.m_scrolls.clear();
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xMiddle, y));
    slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xMiddle, y));
    PumpFor(50);
    EXPECT_TRUE(parent.m_scrolls.empty());

    // A drag to the channel's start, reported to the notify window.
    RecordingParent other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    slider.SetNotifyWindow(&other);
    slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xMiddle, y));
    slider.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(rcChannel.left, y));
    slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcChannel.left, y));
    ASSERT_TRUE(PumpUntil([&] { return other.m_scrolls.size() == 2; }));
    EXPECT_EQ(slider.GetPos(), 0);
    EXPECT_EQ(other.m_scrolls[0].nCode, (UINT)TB_THUMBTRACK);
    EXPECT_EQ(other.m_scrolls[1].nCode, (UINT)TB_THUMBPOSITION);
    EXPECT_TRUE(parent.m_scrolls.empty());
    other.DestroyWindow();
    slider.DestroyWindow();
    parent.DestroyWindow();
}
