#include "ChartCanvas.h"
#include "FakePlotHost.h"

#include "framework/CArchive.h"
#include "framework/CFile.h"
#include "framework/COleDateTime.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>

namespace
{
constexpr double kMinute = 1.0 / 1440;

CPlotAxis MakeAxis(int nType, BOOL bLinear = TRUE)
{
    CPlotAxis axis;
    axis.m_iType = nType;
    axis.m_bLinear = bLinear;
    return axis;
}
} // namespace

TEST(AxisScale, NiceStepRoundsTheRawStepUpToOneTwoOrFive)
{
    struct Case
    {
        int n;
        double dMin, dMax, dStep;
    };
    const Case cases[] = {
        {10, 0, 37, 5},
        {4, 0, 1, 0.5},
        {10, 3, 97, 10},
        {10, 0, 10, 1},
        {10, 0, 20, 2},
        {10, 0, 3000, 500},
        {5, -1e-3, 0, 0.0002},
        {10, 0, 0, 0},              // empty range
        {10, -DBL_MAX, DBL_MAX, 0}, // infinite raw step
        {0, 0, 1, 0},               // no ticks asked
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(CPlotAxis::GetNiceStep(c.n, c.dMin, c.dMax), c.dStep)
            << c.n << " " << c.dMin << " " << c.dMax;
}

TEST(AxisScale, RoundRangeMovesTheEndsOutwardOntoSteps)
{
    struct Case
    {
        double dMin, dMax, dStep, dMinOut, dMaxOut;
    };
    const Case cases[] = {
        {3, 8, 2, 0, 8},   {4, 7, 2, 4, 8},     {-3, -3, 2, -4, 0},
        {0, 37, 5, 0, 40}, {3, 97, 10, 0, 100}, {0.25, 0.75, 0.5, 0, 1.0},
    };
    for (const Case& c : cases)
    {
        double dMin = c.dMin, dMax = c.dMax;
        CPlotAxis::RoundRange(dMin, dMax, c.dStep);
        EXPECT_DOUBLE_EQ(dMin, c.dMinOut) << c.dMin << " step " << c.dStep;
        EXPECT_DOUBLE_EQ(dMax, c.dMaxOut) << c.dMax << " step " << c.dStep;
    }
    EXPECT_DOUBLE_EQ(CPlotAxis::FloatRemainder(-5, 2), -1);
    EXPECT_DOUBLE_EQ(CPlotAxis::FloatRemainder(7.5, 2), 1.5);
}

TEST(AxisScale, SetRangeWidensEmptyRangesAndRefusesInvertedOnes)
{
    CPlotAxis lin = MakeAxis(1);
    ASSERT_TRUE(lin.SetRange(5, 5));
    EXPECT_EQ(lin.m_dMin, 4);
    EXPECT_EQ(lin.m_dMax, 6);
    EXPECT_EQ(lin.m_dRangeMin, 4);
    EXPECT_EQ(lin.m_dRangeMax, 6);
    EXPECT_DOUBLE_EQ(lin.m_dStep, 0.2); // no chart window: a tenth of the span

    EXPECT_FALSE(lin.SetRange(3, 2));
    EXPECT_FALSE(lin.SetRange(NAN, 2));
    EXPECT_FALSE(lin.SetCurrentRange(0, INFINITY, 0));
    EXPECT_EQ(lin.m_dMin, 4);
    EXPECT_EQ(lin.m_dMax, 6);

    ASSERT_TRUE(lin.SetCurrentRange(1, 3, 0.25));
    EXPECT_EQ(lin.m_dRangeMin, 4); // the full range stays
    EXPECT_EQ(lin.m_dStep, 0.25);
    lin.ResetRange();
    EXPECT_EQ(lin.m_dMin, 4);
    EXPECT_DOUBLE_EQ(lin.m_dStep, 0.2);

    CPlotAxis log = MakeAxis(1, FALSE);
    ASSERT_TRUE(log.SetRange(5, 5));
    EXPECT_DOUBLE_EQ(log.m_dMin, 0.5);
    EXPECT_DOUBLE_EQ(log.m_dMax, 50);
    EXPECT_EQ(log.m_dStep, 0);
    ASSERT_TRUE(log.SetRange(-5, 0)); // a logarithmic range stays positive
    EXPECT_EQ(log.m_dMin, 1e-16);
    EXPECT_EQ(log.m_dMax, 1e-15);
}

TEST(AxisScale, LargeValuesSwitchANumberAxisToExponentFormat)
{
    CPlotAxis axis = MakeAxis(0);
    axis.SetRange(0, 1e6);
    EXPECT_EQ(axis.GetFormat(), CString("%5.3f"));
    axis.SetRange(0, 2e6);
    EXPECT_EQ(axis.GetFormat(), CString("%5.2e"));
    axis.SetRange(0, 1); // nothing switches back
    EXPECT_EQ(axis.GetFormat(), CString("%5.2e"));

    CPlotAxis time = MakeAxis(0);
    time.m_bTime = true;
    time.m_strFormat = "%H:%M";
    time.SetRange(0, 2e6);
    EXPECT_EQ(time.GetFormat(), CString("%H:%M"));
}

TEST(AxisScale, SetDecimalsAndRoundToDecimals)
{
    CPlotAxis axis;
    const char* const formats[] = {"%5.0f", "%5.1f", "%5.2f", "%5.3f", "%5.2f"};
    for (unsigned n = 0; n < 5; ++n)
    {
        axis.SetDecimals(n);
        EXPECT_EQ(axis.GetFormat(), CString(formats[n])) << n;
    }
    EXPECT_DOUBLE_EQ(CPlotAxis::RoundToDecimals(1.2345, 2), 1.23);
    EXPECT_DOUBLE_EQ(CPlotAxis::RoundToDecimals(1.235, 2), 1.24);
    EXPECT_DOUBLE_EQ(CPlotAxis::RoundToDecimals(-1.235, 2), -1.24);
}

TEST(AxisScale, TimeStepsComeFromTheTable)
{
    struct Case
    {
        double dSpanSeconds;
        int n;
        double dStepSeconds;
    };
    const Case cases[] = {
        {600, 10, 60},     {605, 10, 60},    {610, 10, 120}, {3, 10, 0}, // below a second per tick: 0
        {86400, 4, 28800}, {1e11, 10, 1e10},                             // beyond the table: unchanged
    };
    for (const Case& c : cases)
        EXPECT_NEAR(CPlotAxis::GetTimeStep(c.n, 45000, 45000 + c.dSpanSeconds / 86400) * 86400,
                    c.dStepSeconds, 1e-6)
            << c.dSpanSeconds << " / " << c.n;
    EXPECT_EQ(CPlotAxis::GetTimeStep(10, -DBL_MAX, DBL_MAX), 0); // not measurable
}

TEST(AxisScale, TimeRangeEndsMoveToWholeStepsFromTheEpoch)
{
    // 2023-03-01 10:00:30 to 10:10:30 with one minute steps: 10:00:00 to 10:11:00.
    const double dStart = COleDateTime(2023, 3, 1, 10, 0, 30);
    double dMin = dStart, dMax = dStart + 10 * kMinute;
    CPlotAxis::RoundTimeRange(dMin, dMax, kMinute);
    EXPECT_EQ(COleDateTime(dMin).Format("%H:%M:%S"), CString("10:00:00"));
    EXPECT_EQ(COleDateTime(dMax).Format("%H:%M:%S"), CString("10:11:00"));

    // Ends already on a step stay; dates before 1970 round the same way.
    double dOnMin = COleDateTime(2023, 3, 1, 10, 0, 0), dOnMax = dOnMin + kMinute;
    const double dOn = dOnMin;
    CPlotAxis::RoundTimeRange(dOnMin, dOnMax, kMinute);
    EXPECT_DOUBLE_EQ(dOnMin, dOn);
    double dOldMin = COleDateTime(1969, 12, 31, 23, 59, 30), dOldMax = dOldMin;
    CPlotAxis::RoundTimeRange(dOldMin, dOldMax, kMinute);
    EXPECT_EQ(COleDateTime(dOldMin).Format("%Y-%m-%d %H:%M:%S"), CString("1969-12-31 23:59:00"));
    EXPECT_EQ(COleDateTime(dOldMax).Format("%Y-%m-%d %H:%M:%S"), CString("1970-01-01 00:00:00"));

    double dTiny = dStart, dTinyMax = dStart; // a step below one second rounds nothing
    CPlotAxis::RoundTimeRange(dTiny, dTinyMax, 0.5 / 86400);
    EXPECT_EQ(dTiny, dStart);
}

namespace
{
// An axis of a chart whose plot is (50, 10)-(250, 210), on a screen context for the measures.
class AxisFixture : public ::testing::Test
{
protected:
    void SetUp() override { m_host.m_rcPlot.SetRect(50, 10, 250, 210); }
    CPlotAxis& Add(CPlotAxis& axis)
    {
        axis.m_pGraph = &m_host;
        (axis.m_iType == 0 ? m_host.m_xAxes : m_host.m_yAxes).push_back(&axis);
        return axis;
    }

    FakePlotHost m_host;
    ChartCanvas m_canvas{10, 10};
};
} // namespace

TEST_F(AxisFixture, AutoScaleNumberAxisToTenTicks)
{
    CPlotAxis axis = MakeAxis(1);
    Add(axis);
    axis.SetRange(0, 37);
    // A plot exactly ten label heights tall above the arrow's space gives ten ticks.
    const int nLabel = axis.GetLabelHeight(&m_canvas.m_dc);
    m_host.m_rcPlot.bottom = m_host.m_rcPlot.top + 2 * axis.m_iArrowSize + 10 * nLabel;
    axis.AutoScale(&m_canvas.m_dc);
    EXPECT_EQ(axis.m_dStep, 5);
    EXPECT_EQ(axis.m_dMin, 0);
    EXPECT_EQ(axis.m_dMax, 40);

    axis.SetRange(3, 97);
    axis.AutoScale(&m_canvas.m_dc);
    EXPECT_EQ(axis.m_dStep, 10);
    EXPECT_EQ(axis.m_dMin, 0);
    EXPECT_EQ(axis.m_dMax, 100);
    EXPECT_EQ(axis.m_dRangeMin, 3); // only the displayed range is rounded

    // However small the plot, at least two ticks: 37 / 2 gives the step 20.
    m_host.m_rcPlot.bottom = m_host.m_rcPlot.top + 1;
    axis.SetRange(0, 37);
    axis.AutoScale(&m_canvas.m_dc);
    EXPECT_EQ(axis.m_dStep, 20);
    EXPECT_EQ(axis.m_dMax, 40);

    axis.SetCurrentRange(5, 5, 0); // widened to 4..6 by the range rules
    EXPECT_EQ(axis.m_dMin, 4);
}

TEST_F(AxisFixture, AutoScaleTimeAxisToWholeMinutes)
{
    CPlotAxis axis = MakeAxis(0);
    Add(axis);
    axis.m_bTime = true;
    axis.m_strFormat = "%H:%M";
    const double dStart = COleDateTime(2023, 3, 1, 10, 0, 30);
    axis.SetRange(dStart, dStart + 10 * kMinute);
    // Room for exactly ten labels beside the arrow and the empty curve-marker column.
    const int nLabel = axis.GetMaxLabelWidth(&m_canvas.m_dc);
    m_host.m_rcPlot.right =
        m_host.m_rcPlot.left + 4 * axis.m_iArrowSize + axis.m_iLegendMarkerSize + 10 * nLabel;
    axis.AutoScale(&m_canvas.m_dc);
    EXPECT_NEAR(axis.m_dStep, kMinute, 1e-12);
    EXPECT_EQ(COleDateTime(axis.m_dMin).Format("%H:%M:%S"), CString("10:00:00"));
    EXPECT_EQ(COleDateTime(axis.m_dMax).Format("%H:%M:%S"), CString("10:11:00"));
}

TEST_F(AxisFixture, AutoScaleLogarithmicAxisToDecades)
{
    struct Case
    {
        double dMin, dMax, dMinOut, dMaxOut;
    };
    for (const Case& c : {Case{37, 370, 10, 1000}, Case{100, 1000, 100, 1000}, Case{0.003, 0.02, 0.001, 0.1}})
    {
        CPlotAxis axis = MakeAxis(1, FALSE);
        Add(axis);
        axis.SetRange(c.dMin, c.dMax);
        axis.AutoScale(&m_canvas.m_dc);
        EXPECT_DOUBLE_EQ(axis.m_dMin, c.dMinOut) << c.dMin;
        EXPECT_DOUBLE_EQ(axis.m_dMax, c.dMaxOut) << c.dMax;
        m_host.m_yAxes.clear();
    }
}

TEST_F(AxisFixture, ValuesMapToPixelsAndBack)
{
    struct Case
    {
        int nType;
        BOOL bLinear;
        double dMin, dMax, dValue;
        int nPixel;
    };
    // Length 200 over the plot (50, 10)-(250, 210).
    const Case cases[] = {
        {0, TRUE, 0, 100, 0, 50},        {0, TRUE, 0, 100, 100, 250}, {0, TRUE, 0, 100, 25, 100},
        {1, TRUE, 0, 100, 0, 210},       {1, TRUE, 0, 100, 100, 10},  {1, TRUE, -50, 50, 0, 110},
        {0, FALSE, 1, 100, 10, 150},     {0, FALSE, 1, 100, 1, 50},   {1, FALSE, 1, 10000, 100, 110},
        {1, FALSE, 1, 10000, 10000, 10},
    };
    for (const Case& c : cases)
    {
        CPlotAxis axis = MakeAxis(c.nType, c.bLinear);
        Add(axis);
        axis.SetRange(c.dMin, c.dMax);
        axis.m_iLength = 200;
        const CPoint pt = axis.ValueToPixel(CurvePoint{c.dValue, c.dValue});
        EXPECT_EQ(c.nType == 0 ? pt.x : pt.y, c.nPixel) << c.nType << " " << c.bLinear << " " << c.dValue;
        EXPECT_EQ(c.nType == 0 ? pt.y : pt.x, 0);
        EXPECT_NEAR(axis.PixelToValue(c.nPixel), c.dValue, 1e-9 * std::max(1.0, c.dValue));
        EXPECT_DOUBLE_EQ(axis.m_dSpan, axis.m_dMax - axis.m_dMin);
    }
}

TEST_F(AxisFixture, FarValuesAreClippedBeforeTheyBecomePixels)
{
    CPlotAxis x = MakeAxis(0);
    Add(x);
    x.SetRange(0, 1);
    x.m_iLength = 200;
    const int nFar = x.ValueToPixel(CurvePoint{1e300, 0}).x;
    EXPECT_GT(nFar, 1 << 20);
    EXPECT_LE(nFar, 1 << 26);
    EXPECT_LT(x.ValueToPixel(CurvePoint{-1e300, 0}).x, -(1 << 20));
    EXPECT_LT(x.ValueToPixel(CurvePoint{NAN, 0}).x, -(1 << 20));

    x.m_dMax = x.m_dMin; // an empty span maps off the plot, not to an undefined pixel
    const int nEmpty = x.ValueToPixel(CurvePoint{0.5, 0}).x;
    EXPECT_TRUE(nEmpty >= 1 << 20 || nEmpty <= -(1 << 20)) << nEmpty;

    CPlotAxis log = MakeAxis(1, FALSE);
    Add(log);
    log.SetRange(1, 100);
    log.m_iLength = 200;
    EXPECT_GE(log.ValueToPixel(CurvePoint{0, 0}).y, 1 << 20); // log of 0 lies far below
}

TEST_F(AxisFixture, IndexByXFindsTheNeighbouringPoint)
{
    const std::vector<CurvePoint> even = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}};
    const std::vector<CurvePoint> uneven = {{0, 0}, {1, 0}, {10, 0}, {11, 0}, {12, 0}};
    const std::vector<CurvePoint> equal = {{5, 0}, {5, 0}, {5, 0}, {5, 0}};
    const std::vector<CurvePoint> single = {{5, 0}};
    const std::vector<CurvePoint> none;
    for (const auto* pPoints : {&even, &uneven, &equal, &single, &none})
        m_host.AddCurve(*pPoints);
    CPlotAxis axis = MakeAxis(0);
    Add(axis);
    struct Case
    {
        int nCurve;
        double dX;
        int nIndex;
    };
    const Case cases[] = {
        {0, -5, 0},   {0, 100, 7}, {0, 3.5, 4}, {0, 3, 4},    {0, 7, 7}, // even: the first point right of x
        {1, 10.5, 2}, {1, 0.5, 1}, {1, 11, 3},                // estimate right of x: at or left of x
        {2, 5, 3},    {2, 1, 0},   {3, 100, 0}, {3, -100, 0}, // equal x, one point
    };
    for (const Case& c : cases)
    {
        int nIndex = -2;
        EXPECT_TRUE(axis.GetIndexByX(nIndex, c.dX, c.nCurve));
        EXPECT_EQ(nIndex, c.nIndex) << "curve " << c.nCurve << " x " << c.dX;
    }
    int nIndex = -2;
    EXPECT_FALSE(axis.GetIndexByX(nIndex, 1, 4)); // no points
    EXPECT_EQ(nIndex, -1);
    EXPECT_FALSE(axis.GetIndexByX(nIndex, 1, 9)); // no such curve
}

TEST(AxisBandsAndMarkers, IndicesOutsideTheListsChangeNothing)
{
    CPlotAxis axis = MakeAxis(0);
    axis.SetColorRange(0, 1, 2, RGB(1, 2, 3), RGB(1, 2, 3), "band", 6);
    axis.SetColorRange(2, 1, 2, 0, 0, "", 6); // would leave a gap
    axis.SetColorRange(0, 3, 4, 0, 0, CString('x', 400), 2);
    ASSERT_EQ(axis.m_ColorRanges.size(), 1u);
    EXPECT_EQ(axis.m_ColorRanges[0].dFrom, 3);
    EXPECT_EQ(std::strlen(axis.m_ColorRanges[0].szLabel), 259u);
    axis.DeleteColorRange(1);
    axis.DeleteColorRange(-1);
    EXPECT_EQ(axis.m_ColorRanges.size(), 1u);
    axis.DeleteAllColorRanges();
    EXPECT_TRUE(axis.m_ColorRanges.empty());

    axis.SetAxisMarker(0, 5, RGB(255, 0, 0), PS_DASH);
    axis.SetAxisMarker(5, 6, 0, 0);
    ASSERT_EQ(axis.m_AxisMarkers.size(), 1u);
    const AxisMarker& marker = axis.GetAxisMarker(0);
    EXPECT_EQ(marker.byShowValue, 1);
    EXPECT_EQ(marker.sPenWidth, 1);
    EXPECT_EQ(marker.lfFont.lfEscapement, 900); // x axis: vertical text
    EXPECT_EQ(marker.lfFont.lfClipPrecision, CLIP_LH_ANGLES);
    axis.DeleteAxisMarker(1);
    EXPECT_EQ(axis.m_AxisMarkers.size(), 1u);
    axis.DeleteAxisMarker(0);
    EXPECT_TRUE(axis.m_AxisMarkers.empty());
}

TEST(AxisArchive, StoresAndLoadsEveryField)
{
    CPlotAxis axis = MakeAxis(1);
    axis.SetRange(-3, 7);
    axis.SetCurrentRange(-1, 5, 0.5);
    axis.m_strTitle = "Kraft\nin N";
    axis.m_strFormat = "%5.1f";
    axis.m_bAutoScale = false;
    axis.m_bTime = true;
    axis.m_crColor = RGB(1, 2, 3);
    axis.m_crGrid = RGB(4, 5, 6);
    axis.m_iSide = 1;
    axis.m_iLength = 321;
    axis.SetFont("Courier New", 17, FW_BOLD);
    axis.SetColorRange(0, 1, 2, RGB(7, 8, 9), RGB(7, 8, 9), "Zone", 3);
    axis.SetAxisMarker(0, 2.5, RGB(9, 9, 9), PS_DOT);
    axis.GetAxisMarker(0).strLabel = "not kept";

    TempFile file("axis.bin");
    {
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        axis.Serialize(ar);
        ar.Close();
        // The fixed fields, one band (288 bytes), one marker line (88) and the two font records (60 each).
        EXPECT_EQ(out.GetLength(),
                  3u + (1 + 5) + (1 + 10) + 40 + 20 + 12 + 8 + 1 + 16 + 12 + 1 + 4 + 288 + 4 + 88 + 120);
    }
    CPlotAxis loaded;
    {
        CFile in(file.Path(), CFile::modeRead);
        CArchive ar(&in, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_EQ(loaded.m_dRangeMin, -3);
    EXPECT_EQ(loaded.m_dMax, 5);
    EXPECT_EQ(loaded.m_dStep, 0.5);
    EXPECT_EQ(loaded.m_strTitle, axis.m_strTitle);
    EXPECT_EQ(loaded.GetFormat(), CString("%5.1f"));
    EXPECT_FALSE(loaded.m_bAutoScale);
    EXPECT_TRUE(loaded.m_bTime);
    EXPECT_EQ(loaded.m_iType, 1);
    EXPECT_EQ(loaded.m_crColor, RGB(1, 2, 3));
    EXPECT_EQ(loaded.m_crGrid, RGB(4, 5, 6));
    EXPECT_EQ(loaded.m_iSide, 1);
    EXPECT_EQ(loaded.m_iLength, 321);
    ASSERT_EQ(loaded.m_ColorRanges.size(), 1u);
    EXPECT_STREQ(loaded.m_ColorRanges[0].szLabel, "Zone");
    ASSERT_EQ(loaded.m_AxisMarkers.size(), 1u);
    EXPECT_EQ(loaded.m_AxisMarkers[0].dValue, 2.5);
    EXPECT_TRUE(loaded.m_AxisMarkers[0].strLabel.IsEmpty());
    LOGFONTA lf = {};
    loaded.m_Font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, 17);
    EXPECT_STREQ(lf.lfFaceName, "Courier New");
}

TEST(AxisCopy, CopiesTheSettingsAndMakesItsOwnFonts)
{
    FakePlotHost host;
    CPlotAxis axis = MakeAxis(1);
    axis.m_pGraph = &host;
    axis.m_bSelected = true;
    axis.SetRange(1, 2);
    axis.SetTitleFont("Arial", 22, FW_BOLD);
    axis.SetAxisMarker(0, 1.5, 0, 0);
    std::vector<CPlotAxis> axes;
    axes.push_back(axis);
    axes.push_back(axis); // the first copy moves when the vector grows
    for (const CPlotAxis& copy : axes)
    {
        EXPECT_EQ(copy.m_dMax, 2);
        EXPECT_EQ(copy.m_pGraph, &host);
        EXPECT_FALSE(copy.m_bSelected); // of the base, only visibility, colour and chart are copied
        EXPECT_EQ(copy.m_AxisMarkers.size(), 1u);
        EXPECT_NE(copy.m_TitleFont.m_hObject, axis.m_TitleFont.m_hObject);
        LOGFONTA lf = {};
        copy.m_TitleFont.GetLogFont(&lf);
        EXPECT_EQ(lf.lfHeight, 22);
    }
}

TEST_F(AxisFixture, OnAShownChartTheStepFollowsTheLabelSize)
{
    CWnd chart;
    ASSERT_TRUE(chart.CreateEx(0, nullptr, "chart", WS_POPUP | WS_VISIBLE, 0, 0, 300, 250, nullptr, nullptr));
    m_host.m_pWnd = &chart;
    CPlotAxis y = MakeAxis(1);
    Add(y);
    y.m_dTickSpace = 10;
    y.m_dLegendSize = 20;
    ASSERT_TRUE(y.SetRange(0, 170));
    // 200 plot pixels less 30 at the far end: one label height per step.
    EXPECT_DOUBLE_EQ(y.m_dStep, 170.0 / 170 * y.GetLabelHeight(&m_canvas.m_dc));

    CPlotAxis x = MakeAxis(0);
    Add(x);
    ASSERT_TRUE(x.SetCurrentRange(0, 400, 0));
    EXPECT_DOUBLE_EQ(x.m_dStep, 400.0 / 200 * x.GetMaxLabelWidth(&m_canvas.m_dc));
    ASSERT_TRUE(x.SetCurrentRange(0, 400, 7)); // a given step is kept
    EXPECT_EQ(x.m_dStep, 7);

    chart.ShowWindow(SW_HIDE); // hidden: a tenth of the span
    ASSERT_TRUE(x.SetRange(0, 50));
    EXPECT_EQ(x.m_dStep, 5);
    chart.DestroyWindow();
}

TEST(AxisScale, ScaleRangeDividesOrShrinksTheDisplayedRange)
{
    CPlotAxis lin = MakeAxis(0);
    lin.SetRange(-10, 30);
    lin.ScaleRange(2);
    EXPECT_EQ(lin.m_dMin, -5);
    EXPECT_EQ(lin.m_dMax, 15);
    lin.ScaleRange(0); // refused: the range stays
    EXPECT_EQ(lin.m_dMax, 15);

    CPlotAxis time = MakeAxis(0);
    time.m_bTime = true;
    const double dStart = COleDateTime(2023, 3, 1, 10, 0, 0);
    time.SetRange(dStart, dStart + 10 * kMinute);
    time.ScaleRange(4); // 150 s off each end
    EXPECT_EQ(COleDateTime(time.m_dMin).Format("%H:%M:%S"), CString("10:02:30"));
    EXPECT_EQ(COleDateTime(time.m_dMax).Format("%H:%M:%S"), CString("10:07:30"));
}
