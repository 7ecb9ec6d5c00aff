// The diagram window: layout of chart and sliders, what creation builds, points of a shown curve as the
// store fills, the read-back the measured-value file gets, the visible x range with its two sliders, the
// busy rule, y axis sides, the one report of exhausted memory, resetting zoom and mode, the property
// setters and the diagram bitmap.
#include "BmpFile.h"
#include "FakePlotHost.h"

#include "charting/CFlatSliderCtrl.h"
#include "charting/CGraphicDisplayWnd.h"
#include "charting/CIntervalSlider.h"
#include "charting/CPlot.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace
{
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class RecordingHost : public CGraphicDisplayHost
{
public:
    void OnCurveStoreFull(int iCurve) override { m_full.push_back(iCurve); }
    std::vector<int> m_full;
};

// A store with one block per curve: the window's creation takes them all, later blocks fail.
class SmallStore : public CDataManager
{
protected:
    CurvePoint* AllocatePoints(size_t nPoints) override
    {
        return m_nBlocks++ < CURVE_COUNT ? CDataManager::AllocatePoints(nPoints) : nullptr;
    }

private:
    int m_nBlocks = 0;
};

class DiagramTest : public ::testing::Test
{
protected:
    void SetUp() override { Create(m_wnd); }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void Create(CGraphicDisplayWnd& wnd)
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "diagram", WS_POPUP | WS_VISIBLE, 30, 30, 420, 320, nullptr,
                                      nullptr));
        ASSERT_TRUE(
            wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 1209));
        ASSERT_TRUE(wnd.create(&m_parent, 1209, 0));
    }
    CPlot& Chart() { return *m_wnd.GetChart(); }
    std::pair<double, double> XRange() const
    {
        double a, b;
        m_wnd.GetXRange(a, b);
        return {a, b};
    }
    std::pair<double, double> SliderInterval() const
    {
        double a, b;
        m_wnd.GetIntervalSlider()->GetRange(a, b);
        return {a, b};
    }
    // Points (x, 10 x) for x = from, from + step, ... below to.
    void AddRamp(int iCurve, double from, double to, double step)
    {
        for (double x = from; x < to - step / 2; x += step)
            m_wnd.addPoint(iCurve, x, 10 * x);
    }

    CWnd m_parent;
    CGraphicDisplayWnd m_wnd;
};
} // namespace

TEST(DiagramLayout, SlidersTakeBandsOnTheirSides)
{
    const CRect rc(0, 0, 400, 300);
    struct Case
    {
        int nPosSide, nIntervalSide;
        CRect rcChart, rcPos, rcInterval;
    } cases[] = {
        {1, 0, CRect(0, 20, 400, 280), CRect(0, 0, 400, 20), CRect(0, 280, 400, 300)},
        {0, 0, CRect(0, 0, 400, 260), CRect(0, 280, 400, 300), CRect(0, 260, 400, 280)},
        {1, 1, CRect(0, 40, 400, 300), CRect(0, 0, 400, 20), CRect(0, 20, 400, 40)},
        {0, 1, CRect(0, 20, 400, 280), CRect(0, 280, 400, 300), CRect(0, 0, 400, 20)},
    };
    for (const Case& c : cases)
    {
        const DiagramLayout layout =
            CGraphicDisplayWnd::ComputeLayout(rc, 20, c.nPosSide, 20, c.nIntervalSide);
        EXPECT_EQ(layout.rcChart, c.rcChart) << c.nPosSide << c.nIntervalSide;
        EXPECT_EQ(layout.rcPosSlider, c.rcPos) << c.nPosSide << c.nIntervalSide;
        EXPECT_EQ(layout.rcIntervalSlider, c.rcInterval) << c.nPosSide << c.nIntervalSide;
    }
}

TEST(DiagramLayout, SliderPositionAgainstTheLargestX)
{
    EXPECT_EQ(CGraphicDisplayWnd::PositionOf(5, 20), 2500);
    EXPECT_EQ(CGraphicDisplayWnd::PositionOf(1.99999, 20), 999);
    EXPECT_EQ(CGraphicDisplayWnd::PositionOf(0, 0), 0) << "0/0";
    EXPECT_EQ(CGraphicDisplayWnd::PositionOf(3, 0), 0);
    EXPECT_EQ(CGraphicDisplayWnd::PositionOf(-3, 20), 0);
    EXPECT_EQ(CGraphicDisplayWnd::PositionOf(5, -DBL_MAX), 0);
}

TEST_F(DiagramTest, CreationBuildsTenHiddenCurvesAndLaysOutTheChildren)
{
    EXPECT_FALSE(m_wnd.create(&m_parent)) << "once only";
    EXPECT_EQ(m_wnd.getVersion(), CString("1.01"));
    ASSERT_EQ(Chart().GetCurveCount(), 10);
    ASSERT_EQ(Chart().GetYAxisCount(), 10);
    EXPECT_EQ(Chart().GetXAxisCount(), 1);
    EXPECT_FALSE(Chart().IsLegendVisible());
    EXPECT_EQ(Chart().GetBackgroundColor(), 0x7F7F7Fu);
    EXPECT_EQ(Chart().GetObjects().size(), 2u) << "cursor label and the hidden hover label";
    for (int n = 0; n < 10; ++n)
    {
        EXPECT_FALSE(Chart().GetCurve(n).m_bVisible) << n;
        EXPECT_EQ(Chart().GetYAxis(n).m_bVisible, n == 0) << n;
        EXPECT_EQ(Chart().GetYAxis(n).m_iSide, n >= 8 ? 1 : 0) << n;
        EXPECT_EQ(m_wnd.getCurvePointCount(n), 30) << "the warm-up points stay referenced";
        EXPECT_EQ(m_wnd.GetDataManager()->getCount(n, "LEER"), 0);
        EXPECT_EQ(m_wnd.GetDataManager()->getCapacity(n), uint32_t(CDataManager::BLOCK_POINTS));
        EXPECT_EQ(Chart().GetCurve(n).m_iLineWidth, 1);
    }
    EXPECT_EQ(m_wnd.GetPosSlider()->GetRangeMax(), 10000);
    EXPECT_EQ(m_wnd.GetPosSlider()->GetDlgCtrlID(), 4711);
    EXPECT_EQ(m_wnd.GetIntervalSlider()->GetDlgCtrlID(), 4712);

    // Position slider on top, interval slider at the bottom, the chart between; again after a resize.
    for (int cy : {300, 200})
    {
        m_wnd.MoveWindow(0, 0, 400, cy);
        CRect rc;
        Chart().GetWindowRect(&rc);
        m_wnd.ScreenToClient(&rc);
        EXPECT_EQ(rc, CRect(0, 20, 400, cy - 20));
        m_wnd.GetIntervalSlider()->GetWindowRect(&rc);
        m_wnd.ScreenToClient(&rc);
        EXPECT_EQ(rc, CRect(0, cy - 20, 400, cy));
        m_wnd.GetPosSlider()->GetWindowRect(&rc);
        m_wnd.ScreenToClient(&rc);
        EXPECT_EQ(rc, CRect(0, 0, 400, 20));
    }
}

TEST_F(DiagramTest, ShownCurveKeepsReadingTheStoreAsItFills)
{
    for (int i = 0; i < 5; ++i)
        m_wnd.addPoint(2, i, i);
    m_wnd.showCurve(2, true, true, true);
    EXPECT_EQ(m_wnd.getCurvePointCount(2), 5);
    const CurvePoint* pFifth = &Chart().GetCurve(2).m_pData[4];
    const int nPoints = 2 * CDataManager::BLOCK_POINTS + 10;
    for (int i = 5; i < nPoints; ++i)
        ASSERT_EQ(m_wnd.addPoint(2, i, -i), i + 1);
    EXPECT_EQ(m_wnd.getCurvePointCount(2), 5) << "drawn up to the count last handed over";
    EXPECT_EQ(&Chart().GetCurve(2).m_pData[4], pFifth) << "stored points never move";
    EXPECT_EQ(Chart().GetXAxis(0).m_dRangeMax, 4) << "the axes stay as the last showCurve set them";
    m_wnd.showCurve(2, true, true, false);
    EXPECT_EQ(m_wnd.getCurvePointCount(2), nPoints);
    for (int i : {4, CDataManager::BLOCK_POINTS - 1, CDataManager::BLOCK_POINTS, nPoints - 1})
        EXPECT_EQ(m_wnd.getCurveY(2, i), i < 5 ? i : -i) << i;
}

TEST_F(DiagramTest, ReadBackIsWhatTheStoreHolds)
{
    const int nPoints = CDataManager::BLOCK_POINTS + 4464; // across a block boundary
    for (int i = 0; i < nPoints; ++i)
    {
        m_wnd.addPoint(0, i * 0.001, std::sin(i * 0.01));
        m_wnd.addPoint(1, i * 0.001, -i);
    }
    m_wnd.showCurve(0, true, true, true);
    m_wnd.showCurve(1, true, true, true);
    ASSERT_EQ(m_wnd.getCurvePointCount(0), nPoints);
    ASSERT_EQ(m_wnd.getCurvePointCount(1), nPoints);
    for (int i = 0; i < nPoints; ++i)
    {
        ASSERT_EQ(m_wnd.getCurveX(0, i), i * 0.001);
        ASSERT_EQ(m_wnd.getCurveY(0, i), std::sin(i * 0.01));
        ASSERT_EQ(m_wnd.getCurveY(1, i), -i);
    }
    EXPECT_EQ(m_wnd.getCurveY(0, nPoints), 0.0);
    EXPECT_EQ(m_wnd.getCurveX(0, -1), 0.0);
    EXPECT_EQ(m_wnd.getCurvePointCount(10), 0);
    EXPECT_EQ(m_wnd.getCurveY(11, 0), 0.0);

    // Cleared: the chart keeps the count it last got until a curve with points is shown.
    EXPECT_TRUE(m_wnd.clearCurve(1));
    EXPECT_FALSE(m_wnd.clearCurve(10));
    EXPECT_FALSE(Chart().GetCurve(1).m_bVisible);
    EXPECT_EQ(m_wnd.getCurvePointCount(1), nPoints);
    m_wnd.addPoint(1, 7, 8);
    m_wnd.showCurve(1, true, true, true);
    EXPECT_EQ(m_wnd.getCurvePointCount(1), 1);
    EXPECT_EQ(m_wnd.getCurveY(1, 0), 8.0);
}

TEST_F(DiagramTest, XRangeShowsEitherOrderOnAxisAndSliders)
{
    AddRamp(0, 0, 10, 1);
    m_wnd.showCurve(0, true, true, true);
    m_wnd.setXRange(5, 2);
    EXPECT_EQ(XRange(), std::make_pair(2.0, 5.0));
    EXPECT_EQ(SliderInterval(), std::make_pair(2.0, 5.0));
    EXPECT_LE(Chart().GetXAxis(0).m_dMin, 2.0);
    EXPECT_GE(Chart().GetXAxis(0).m_dMax, 5.0);
    EXPECT_EQ(m_wnd.GetPosSlider()->GetPos(), 5555) << "5 of the largest x 9";
}

TEST_F(DiagramTest, IntervalModeShowsTheLastWidthEvenBeforeTheDataIsThatLong)
{
    AddRamp(0, 0, 2.5, 0.5);
    m_wnd.showCurve(0, true, true, true);
    m_wnd.setIntervalWidth(5);
    EXPECT_EQ(m_wnd.getIntervalMode(), 1);
    EXPECT_EQ(XRange(), std::make_pair(-3.0, 2.0));
    m_wnd.setIntervalMode(0);
    EXPECT_EQ(XRange(), std::make_pair(0.0, 2.0));
    // Width 0 keeps what is shown.
    m_wnd.setXRange(0.5, 1.5);
    m_wnd.setIntervalWidth(0);
    EXPECT_EQ(XRange(), std::make_pair(0.5, 1.5));
}

TEST_F(DiagramTest, NoRangeIsShownBeforeTheFirstPoint)
{
    const auto before = XRange();
    const double dAxisMax = Chart().GetXAxis(0).m_dRangeMax;
    m_wnd.setIntervalMode(0);
    m_wnd.setIntervalWidth(5);
    EXPECT_EQ(XRange(), before);
    EXPECT_EQ(Chart().GetXAxis(0).m_dRangeMax, dAxisMax);
    // A position slider move before any point changes nothing either.
    m_wnd.GetPosSlider()->SetPos(3000);
    m_wnd.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 3000), (LPARAM)m_wnd.GetPosSlider()->m_hWnd);
    EXPECT_EQ(XRange(), before);
}

TEST_F(DiagramTest, PositionSliderAtTenPercentHoldsTheLeftBoundAtZero)
{
    AddRamp(0, 0, 20.5, 0.5);
    m_wnd.showCurve(0, true, true, true);
    m_wnd.setIntervalWidth(5);
    EXPECT_EQ(XRange(), std::make_pair(15.0, 20.0));
    EXPECT_EQ(m_wnd.GetPosSlider()->GetPos(), 10000);

    m_wnd.GetPosSlider()->SetPos(1000);
    m_wnd.SendMessage(WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 1000), (LPARAM)m_wnd.GetPosSlider()->m_hWnd);
    EXPECT_EQ(XRange(), std::make_pair(0.0, 2.0));
    // The chart takes the range 50 ms after the last move.
    ASSERT_TRUE(PumpUntil([&] { return Chart().GetXAxis(0).m_dRangeMax == 2.0; }, 2000));
    EXPECT_EQ(Chart().GetXAxis(0).m_dRangeMin, 0.0);
}

TEST_F(DiagramTest, OperatorsIntervalSetsWidthAndPositionButCodeDoesNot)
{
    AddRamp(0, 0, 20.5, 0.5);
    m_wnd.showCurve(0, true, true, true);
    m_wnd.setXRange(0, 20);
    // The operator narrows the interval: its width becomes the interval width, the position follows.
    m_wnd.GetIntervalSlider()->SetRange(4, 8);
    m_wnd.SendMessage(RANGE_CHANGED, 2, 0);
    EXPECT_EQ(XRange(), std::make_pair(4.0, 8.0));
    EXPECT_EQ(m_wnd.getIntervalWidth(), 4.0);
    EXPECT_EQ(m_wnd.GetPosSlider()->GetPos(), 4000);
    ASSERT_TRUE(PumpUntil([&] { return Chart().GetXAxis(0).m_dRangeMax == 8.0; }, 2000));

    // A range set in code pulls the slider's interval in (which reports it): neither the width nor the
    // range is taken from that report.
    m_wnd.setXRange(5, 6);
    EXPECT_EQ(XRange(), std::make_pair(5.0, 6.0));
    EXPECT_EQ(SliderInterval(), std::make_pair(5.0, 6.0));
    EXPECT_EQ(m_wnd.getIntervalWidth(), 4.0);
}

TEST_F(DiagramTest, ChartZoomMovesBothSliders)
{
    AddRamp(0, 0, 10.5, 0.5);
    m_wnd.showCurve(0, true, true, true);
    m_wnd.setXRange(0, 10);
    Chart().GetXAxis(0).SetCurrentRange(3, 7, 1);
    m_wnd.SendMessage(WM_PLOT_ZOOM_CHANGED, 0, (LPARAM)&Chart());
    EXPECT_EQ(XRange(), std::make_pair(3.0, 7.0));
    EXPECT_EQ(SliderInterval(), std::make_pair(3.0, 7.0));
    EXPECT_EQ(m_wnd.GetPosSlider()->GetPos(), 7000);
}

TEST_F(DiagramTest, ShowingACurveRecomputesTheRangeWithoutApplyingIt)
{
    AddRamp(0, 0, 10.5, 0.5);
    m_wnd.showCurve(0, true, true, true);
    m_wnd.setXRange(0, 10);
    AddRamp(0, 10.5, 20.5, 0.5);
    m_wnd.showCurve(0, true, true, false);
    EXPECT_EQ(XRange(), std::make_pair(0.0, 20.0)) << "recomputed";
    EXPECT_EQ(SliderInterval(), std::make_pair(0.0, 10.0)) << "not applied while busy";
    EXPECT_EQ(Chart().GetXAxis(0).m_dRangeMax, 10.0);
    m_wnd.setIntervalMode(0);
    EXPECT_EQ(SliderInterval(), std::make_pair(0.0, 20.0));
}

TEST_F(DiagramTest, OwnYAxesSitLeftUpToSevenAndRightFromEight)
{
    for (int n = 0; n < 10; ++n)
    {
        AddRamp(n, 0, 3, 1);
        m_wnd.showCurve(n, n != 0, true, true);
    }
    for (int n = 0; n < 10; ++n)
    {
        EXPECT_EQ(Chart().GetYAxis(n).m_iSide, n >= 8 ? 1 : 0) << n;
        EXPECT_TRUE(Chart().GetYAxis(n).m_bVisible) << n;
    }
    EXPECT_FALSE(Chart().GetCurve(0).m_bVisible);
    m_wnd.showCurve(3, true, false, false);
    EXPECT_FALSE(Chart().GetYAxis(3).m_bVisible);
    m_wnd.showCurve(0, false, false, false);
    EXPECT_TRUE(Chart().GetYAxis(0).m_bVisible) << "y axis 0 stays";
    EXPECT_FALSE(Chart().GetCurve(0).m_bMarkers);
    EXPECT_EQ(Chart().GetCurve(0).m_iMarkerSymbol, 1);
}

TEST(DiagramMemory, ExhaustedMemoryIsReportedOncePerMeasurement)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "diagram", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr));
    CGraphicDisplayWnd wnd(std::make_unique<SmallStore>());
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 400, 300), &parent, 1209));
    ASSERT_TRUE(wnd.create(&parent));
    RecordingHost host;
    wnd.setHost(&host);
    const int nBlock = CDataManager::BLOCK_POINTS;
    for (int i = 0; i < nBlock; ++i)
        wnd.addPoint(1, i, i);
    EXPECT_TRUE(host.m_full.empty());
    EXPECT_EQ(wnd.addPoint(1, nBlock, 0), nBlock) << "refused, the count stays";
    EXPECT_EQ(wnd.addPoint(1, nBlock + 1, 0), nBlock);
    EXPECT_EQ(host.m_full, std::vector<int>{1});
    wnd.showCurve(1, true, true, true);
    EXPECT_EQ(wnd.getCurvePointCount(1), nBlock);
    EXPECT_EQ(wnd.getCurveY(1, nBlock - 1), nBlock - 1.0);
    wnd.clearCurve(1);
    for (int i = 0; i <= nBlock; ++i)
        wnd.addPoint(1, i, i);
    EXPECT_EQ(host.m_full, (std::vector<int>{1, 1}));
    wnd.DestroyWindow();
    parent.DestroyWindow();
}

TEST_F(DiagramTest, ResetModeAndZoom)
{
    AddRamp(0, 0, 10.5, 0.5);
    m_wnd.showCurve(0, true, true, true);
    Chart().SetMode(PLOT_MODE_CURSOR);
    m_wnd.resetMode();
    EXPECT_EQ(Chart().GetPlotMode(), PLOT_MODE_NONE);
    EXPECT_FALSE(Chart().GetInteraction());
    Chart().GetXAxis(0).SetCurrentRange(2, 3, 0);
    Chart().GetYAxis(0).SetCurrentRange(20, 30, 0);
    m_wnd.resetZoom();
    EXPECT_TRUE(Chart().GetInteraction());
    EXPECT_EQ(Chart().GetXAxis(0).m_dMin, Chart().GetXAxis(0).m_dRangeMin);
    EXPECT_EQ(Chart().GetYAxis(0).m_dMax, Chart().GetYAxis(0).m_dRangeMax);
}

TEST_F(DiagramTest, PropertySettersReachExistingElementsOnly)
{
    EXPECT_EQ(m_wnd.setCurveLineWidth(-1, 3), 0);
    EXPECT_EQ(m_wnd.setCurveLineWidth(10, 3), 10);
    EXPECT_EQ(m_wnd.setCurveLineWidth(4, 3), 1);
    EXPECT_EQ(Chart().GetCurve(4).m_iLineWidth, 3);
    m_wnd.setCurveTitle(1, "Kanal A [N·m]");
    m_wnd.setCurveColor(1, kBlue);
    m_wnd.setYAxisAutoScale(1, false);
    m_wnd.setYAxisFormat(1, "%0.2f");
    m_wnd.setYAxisTitle(1, "Kanal A\n[N·m]");
    m_wnd.setXAxisTitle("Zeit [sek]");
    EXPECT_EQ(Chart().GetCurve(1).m_strTitle, CString("Kanal A [N·m]"));
    EXPECT_EQ(Chart().GetCurve(1).m_crColor, kBlue);
    EXPECT_FALSE(Chart().GetYAxis(1).m_bAutoScale);
    EXPECT_EQ(Chart().GetYAxis(1).GetFormat(), CString("%0.2f"));
    EXPECT_EQ(Chart().GetYAxis(1).GetTitle(), CString("Kanal A\n[N·m]"));
    EXPECT_EQ(Chart().GetXAxis(0).GetTitle(), CString("Zeit [sek]"));
    for (int n : {-1, 10})
    {
        m_wnd.setCurveTitle(n, "x");
        m_wnd.setYAxisTitle(n, "x");
        m_wnd.setCurveColor(n, kRed);
    }
}

TEST_F(DiagramTest, BitmapShowsBothCurvesInTheirColours)
{
    for (int i = 0; i <= 100; ++i)
    {
        m_wnd.addPoint(0, i * 0.1, i * 0.1);
        m_wnd.addPoint(1, i * 0.1, 10 - i * 0.1);
    }
    m_wnd.showCurve(0, true, true, true);
    m_wnd.showCurve(1, true, true, true);
    m_wnd.setCurveColor(0, kBlue);
    m_wnd.setCurveColor(1, kRed);
    m_wnd.setCurveLineWidth(0, 3);
    m_wnd.setCurveLineWidth(1, 3);
    m_wnd.setXAxisTitle("Zeit [sek]");
    m_wnd.setIntervalMode(0);
    TempFile file("diagram.bmp");
    ASSERT_TRUE(m_wnd.saveBitmap(file.Path()));
    if (const char* lpszFolder = std::getenv("TQ5_CHART_SHOTS"))
        m_wnd.saveBitmap(CString(lpszFolder) + "\\diagram.bmp");
    BmpFile bmp(file.Path());
    ASSERT_TRUE(bmp.IsValid());
    EXPECT_EQ(bmp.Header().biWidth, 400);
    EXPECT_EQ(bmp.Header().biHeight, 260);
    for (double x : {2.0, 8.0})
    {
        const CPoint ptBlue(Chart().GetXAxis(0).ValueToPixel({x, x}).x,
                            Chart().GetYAxis(0).ValueToPixel({x, x}).y);
        const CPoint ptRed(Chart().GetXAxis(0).ValueToPixel({x, 10 - x}).x,
                           Chart().GetYAxis(1).ValueToPixel({x, 10 - x}).y);
        EXPECT_EQ(bmp.Pixel(ptBlue.x, ptBlue.y), kBlue) << x;
        EXPECT_EQ(bmp.Pixel(ptRed.x, ptRed.y), kRed) << x;
    }
}

TEST(DiagramInPane, SubclassedStaticControlTakesTheChildrenAndEndsWithItsParent)
{
    // As the diagram pane does: a static control of its form becomes the diagram window.
    auto pParent = std::make_unique<CWnd>();
    ASSERT_TRUE(
        pParent->CreateEx(0, nullptr, "pane", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, nullptr, nullptr));
    const HWND hStatic =
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 9, 9, 380, 280, *pParent,
                          reinterpret_cast<HMENU>(1209), ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hStatic, nullptr);
    auto pWnd = std::make_unique<CGraphicDisplayWnd>();
    ASSERT_TRUE(pWnd->SubclassDlgItem(1209, pParent.get()));
    ASSERT_TRUE(pWnd->create(pParent.get(), 1209, 0));
    for (int i = 0; i < 50; ++i)
        pWnd->addPoint(0, i, i % 7);
    pWnd->showCurve(0, true, true, true);
    pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CRect rc;
    pWnd->GetChart()->GetWindowRect(&rc);
    EXPECT_EQ(rc.Width(), 380);
    EXPECT_EQ(rc.Height(), 240);
    TempFile file("pane.bmp");
    EXPECT_TRUE(pWnd->saveBitmap(file.Path()));
    // The pane's window goes first, the objects after it.
    pParent->DestroyWindow();
    EXPECT_EQ(pWnd->GetSafeHwnd(), nullptr);
    pWnd.reset();
    pParent.reset();
}
