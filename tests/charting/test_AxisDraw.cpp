#include "ChartCanvas.h"
#include "FakePlotHost.h"

#include "charting/PlotText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kInner = RGB(192, 192, 192);

// The chart's layout for one y axis on the left and one x axis: inner area (10, 20)-(390, 260), plot
// (60, 20)-(360, 220), both axes starting from the y axis line at x = 59 and the x axis line at y = 220.
class AxisDrawTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_host.m_rcPlot.SetRect(60, 20, 360, 220);
        m_host.m_crInner = kInner;
        m_host.m_xAxes.push_back(&m_x);
        m_host.m_yAxes.push_back(&m_y);
        for (CPlotAxis* pAxis : {&m_x, &m_y})
        {
            pAxis->m_pGraph = &m_host;
            pAxis->m_iOriginX = 59;
            pAxis->m_iOriginY = 220;
            pAxis->m_rcArea.SetRect(10, 20, 390, 260);
            pAxis->m_iSide = 0;
            pAxis->m_bAutoScale = false;
            pAxis->m_bGrid = false;
            pAxis->m_strTitle.Empty();
            pAxis->m_crGrid = kRed;
            pAxis->m_iGridStyle = PS_SOLID;
            pAxis->SetCurrentRange(0, 10, 2);
        }
        m_x.m_iType = 0;
        m_y.m_iType = 1;
        m_canvas.Fill(kInner);
        m_canvas.m_dc.CDC::FillSolidRect(m_host.m_rcPlot, kWhite);
    }
    int TickRow(CPlotAxis& axis, double v) { return axis.ValueToPixel(CurvePoint{v, v}).y; }
    // x ticks are drawn from the axis origin, the mapping from the plot's left edge one pixel further.
    int TickColumn(double v)
    {
        return m_x.ValueToPixel(CurvePoint{v, v}).x - (m_host.m_rcPlot.left - m_x.m_iOriginX);
    }
    // Text pixels (smoothed edges included) in the band of labels left of the y axis' ticks.
    int LabelInk(int nTop, int nBottom) { return m_canvas.CountOther(CRect(0, nTop, 54, nBottom), kInner); }

    FakePlotHost m_host;
    CPlotAxis m_x, m_y;
    ChartCanvas m_canvas{400, 280};
};
} // namespace

TEST_F(AxisDrawTest, YAxisTicksAndLabelsSitWhereTheMappingPutsTheirValues)
{
    m_y.Draw(&m_canvas.m_dc);
    m_canvas.Save("axis_y");
    EXPECT_EQ(m_y.m_iLength, 190); // 200 less twice the arrow
    EXPECT_EQ(TickRow(m_y, 10), 30);
    for (double v = 0; v <= 10; v += 2)
    {
        const int nRow = TickRow(m_y, v);
        EXPECT_EQ(m_canvas.Count(CRect(54, nRow, 59, nRow + 1), kRed), 5) << v; // a short tick
        EXPECT_EQ(m_canvas.Count(CRect(60, nRow, 360, nRow + 1), kRed), 0) << v;
        EXPECT_GT(LabelInk(nRow - 8, nRow + 9), 10) << v;  // the maximum is labelled too
        EXPECT_EQ(LabelInk(nRow - 28, nRow - 10), 0) << v; // nothing between the labels
    }
    EXPECT_EQ(m_canvas.Pixel(59, 100), kBlack); // the axis line
    EXPECT_EQ(m_canvas.Pixel(59, 21), kBlack);
    EXPECT_EQ(m_canvas.Pixel(57, 23), kBlack); // the arrowhead
    EXPECT_EQ(m_y.m_rcObject, CRect(54, 20, 64, 220));
}

TEST_F(AxisDrawTest, LabelsAreWrittenOnTheInnerAreaColour)
{
    m_canvas.Fill(kWhite);
    m_y.Draw(&m_canvas.m_dc);
    for (double v = 0; v <= 10; v += 2)
    {
        const int nRow = TickRow(m_y, v);
        EXPECT_GT(m_canvas.Count(CRect(0, nRow - 8, 54, nRow + 9), kInner), 10) << v;
    }
}

TEST_F(AxisDrawTest, GridLinesCrossThePlotExceptAtTheOrigin)
{
    m_y.m_bGrid = true;
    m_y.Draw(&m_canvas.m_dc);
    const int nRow = TickRow(m_y, 2);
    EXPECT_EQ(m_canvas.Count(CRect(54, nRow, 360, nRow + 1), kRed), 360 - 54 - 1); // less the axis line
    EXPECT_EQ(m_canvas.Count(CRect(60, 220, 360, 221), kRed), 0); // the origin's tick stays short
    EXPECT_EQ(m_canvas.Count(CRect(54, 220, 59, 221), kRed), 5);
}

TEST_F(AxisDrawTest, XAxisLeavesItsMaximumUnlabelled)
{
    m_x.Draw(&m_canvas.m_dc);
    m_canvas.Save("axis_x");
    // Far end: four arrow lengths and one empty curve-marker column of 10 pixels.
    EXPECT_EQ(m_x.m_dTickSpace, 20);
    EXPECT_EQ(m_x.m_dLegendSize, 10);
    EXPECT_EQ(m_x.m_iLength, 350 - 59 - 20);
    for (double v = 0; v <= 8; v += 2)
    {
        const int nColumn = TickColumn(v);
        EXPECT_EQ(m_canvas.Count(CRect(nColumn, 221, nColumn + 1, 226), kRed), 5) << v;
        EXPECT_GT(m_canvas.CountOther(CRect(nColumn - 20, 226, nColumn + 21, 250), kInner), 10) << v;
    }
    const int nMax = TickColumn(10);
    EXPECT_EQ(m_canvas.Count(CRect(nMax, 221, nMax + 1, 226), kRed), 0);
    EXPECT_EQ(m_canvas.CountOther(CRect(nMax - 10, 226, nMax + 11, 250), kInner), 0);
    EXPECT_EQ(m_canvas.Pixel(200, 220), kBlack);
    EXPECT_EQ(m_canvas.Pixel(346, 218), kBlack); // the arrowhead before x = 350
}

TEST_F(AxisDrawTest, AnInvisibleAxisMeasuresButDrawsNothing)
{
    for (CPlotAxis* pAxis : {&m_x, &m_y})
    {
        CPlotAxis visible = *pAxis;
        visible.Draw(&m_canvas.m_dc);
        m_canvas.Fill(kInner);
        pAxis->m_bVisible = false;
        pAxis->m_strTitle = "Title";
        visible.m_strTitle = "Title";
        visible.Draw(&m_canvas.m_dc);
        m_canvas.Fill(kInner);
        pAxis->Draw(&m_canvas.m_dc);
        EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 400, 280), kInner), 0);
        EXPECT_EQ(pAxis->m_iLength, visible.m_iLength);
        EXPECT_EQ(pAxis->m_dTickSpace, visible.m_dTickSpace);
        EXPECT_EQ(pAxis->m_dLegendSize, visible.m_dLegendSize);
        EXPECT_EQ(pAxis->m_rcObject, visible.m_rcObject);
    }
}

TEST_F(AxisDrawTest, StepsThatCannotBeDrawnGiveNoTicks)
{
    for (double dStep : {0.0, -2.0, double(NAN), double(INFINITY), 1e-300, 0.001})
    {
        m_canvas.Fill(kInner);
        m_y.m_dStep = dStep;
        m_y.Draw(&m_canvas.m_dc); // returns; 0.001 would be ten thousand ticks on 190 pixels
        EXPECT_EQ(LabelInk(0, 280), 0) << dStep;
        EXPECT_EQ(m_canvas.Count(CRect(0, 0, 400, 280), kRed), 0) << dStep;
        EXPECT_EQ(m_canvas.Pixel(59, 100), kBlack) << dStep;
    }
}

TEST_F(AxisDrawTest, TitleTakesRoomAtTheFarEnd)
{
    m_y.m_strTitle = "N";
    const CSize size = m_y.GetTitleSize(&m_canvas.m_dc);
    m_y.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_y.m_dTickSpace, 10 + size.cy);
    EXPECT_EQ(m_y.m_iLength, 190 - size.cy);
    EXPECT_GT(m_canvas.Count(CRect(54 - size.cx, 20, 54, 20 + size.cy), kBlack), 3);
    EXPECT_EQ(TickRow(m_y, 10), 20 + 10 + size.cy);
}

TEST_F(AxisDrawTest, CurveMarkerBlockGrowsByRowsOfThree)
{
    const std::vector<CurvePoint> points = {{0, 0}, {1, 1}};
    for (int i = 0; i < 3; ++i)
        m_host.AddCurve(points, 0, RGB(0, 0, 50 + 60 * i));
    m_host.AddCurve(points, 1); // another y axis
    m_host.AddCurve(points, 0);
    m_host.m_curves.back().bVisible = false;
    m_y.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_y.m_dLegendSize, 10);
    // Left of the axis line, outward: curve 0 centred on the line, curve 1 one marker further left.
    EXPECT_EQ(m_canvas.Pixel(54, 20), RGB(0, 0, 50));
    EXPECT_EQ(m_canvas.Pixel(44, 20), RGB(0, 0, 110));
    EXPECT_EQ(m_canvas.Pixel(34, 20), RGB(0, 0, 170));

    m_host.AddCurve(points, 0, kGreen);
    m_canvas.Fill(kInner);
    m_y.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_y.m_dLegendSize, 20);
    EXPECT_EQ(m_canvas.Pixel(54, 30), kGreen); // the fourth marker begins the second row
    m_canvas.Save("axis_legend");

    m_x.Draw(&m_canvas.m_dc); // every curve is on x axis 0: ceil(5 / 2) columns and one more
    EXPECT_EQ(m_x.m_dLegendSize, 40);
    m_x.m_bCurveLegend = false;
    m_x.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_x.m_dLegendSize, 0);
}

TEST_F(AxisDrawTest, LegendMarkerNumbersContrastWithTheirSquare)
{
    struct Case
    {
        COLORREF crSquare, crDigits;
        bool bMonochrome;
    };
    for (const Case& c : {Case{RGB(255, 255, 0), kBlack, false}, Case{kBlue, kWhite, false},
                          Case{RGB(0, 0, 255), kWhite, true}})
    {
        m_canvas.Fill(kInner);
        m_canvas.m_dc.m_bMonochrome = c.bMonochrome;
        m_y.DrawLegendMarker(&m_canvas.m_dc, 100, 100, 0, 20, c.crSquare, false);
        const CRect square(100, 100, 120, 120);
        const COLORREF crFill = c.bMonochrome ? kBlack : c.crSquare;
        const COLORREF crOther = c.crDigits == kBlack ? kWhite : kBlack;
        EXPECT_GT(m_canvas.Count(square, c.crDigits), 5) << c.crSquare; // the digit "1"
        EXPECT_GT(m_canvas.Count(square, crFill), 200) << c.crSquare;
        if (crOther != crFill)
        {
            EXPECT_EQ(m_canvas.Count(square, crOther), 0) << c.crSquare;
        }
        EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 400, 100), kInner), 0);
    }
    m_canvas.m_dc.m_bMonochrome = false;
    m_y.DrawLegendMarker(&m_canvas.m_dc, 200, 100, MARKER_DIAMOND, 20, kRed, true); // a symbol
    EXPECT_EQ(m_canvas.Pixel(210, 110), kRed);
    EXPECT_EQ(m_canvas.Pixel(201, 101), kInner);
}

TEST_F(AxisDrawTest, MarkerLinesAndBandsInsideTheRangeOnly)
{
    m_y.SetAxisMarker(0, 4, kGreen, PS_SOLID);
    m_y.SetAxisMarker(1, 20, kGreen, PS_SOLID);         // outside 0..10: nothing
    m_y.SetColorRange(0, 6, 8, kBlue, kRed, "Zone", 6); // two colours: only the label
    m_y.SetColorRange(1, 8, 9, kBlue, kBlue, "", 6);    // one colour: filled
    m_y.SetColorRange(2, 9, 8, kBlue, kBlue, "", 6);    // from above to: not drawn
    m_y.Draw(&m_canvas.m_dc);
    m_canvas.Save("axis_marks");
    const int nMarker = TickRow(m_y, 4);
    EXPECT_EQ(m_canvas.Count(CRect(60, nMarker, 360, nMarker + 1), kGreen), 300);
    EXPECT_EQ(m_canvas.Count(CRect(0, 0, 400, 280), kGreen), 300);
    const int nTop6 = TickRow(m_y, 8), nBottom6 = TickRow(m_y, 6);
    EXPECT_GT(m_canvas.Count(CRect(62, nTop6 + 2, 358, nBottom6 - 2), kBlack), 10); // "Zone"
    const int nTop8 = TickRow(m_y, 9), nBottom8 = TickRow(m_y, 8);
    EXPECT_EQ(m_canvas.Count(CRect(0, 0, 400, 280), kBlue), 300 * (nBottom8 - nTop8));
}

TEST_F(AxisDrawTest, LogarithmicAxisTicksEveryValueAndLabelsTheDecades)
{
    m_y.m_bLinear = FALSE;
    m_y.SetRange(1, 1000);
    m_y.Draw(&m_canvas.m_dc);
    m_canvas.Save("axis_log");
    EXPECT_EQ(TickRow(m_y, 1), 220);
    EXPECT_EQ(TickRow(m_y, 1000), 30);
    for (double d : {1.0, 10.0, 100.0})
        for (int k = 1; k <= 9; ++k)
        {
            const int nRow = TickRow(m_y, k * d);
            EXPECT_EQ(m_canvas.Count(CRect(54, nRow, 59, nRow + 1), kRed), 5) << k * d;
            if (k == 1)
            {
                EXPECT_GT(LabelInk(nRow - 8, nRow + 9), 10) << d;
            }
        }
    const int nFive = TickRow(m_y, 50);
    EXPECT_EQ(LabelInk(nFive - 3, nFive + 4), 0);
    const int nTop = TickRow(m_y, 1000); // a y axis labels its top decade
    EXPECT_EQ(m_canvas.Count(CRect(54, nTop, 59, nTop + 1), kRed), 5);
    EXPECT_GT(LabelInk(nTop - 8, nTop + 9), 10);
}

TEST_F(AxisDrawTest, LabelMeasures)
{
    m_y.SetRange(-1000, 10);
    m_y.SetCurrentRange(0, 10, 2);
    CDC& dc = m_canvas.m_dc;
    CFont* pOld = dc.SelectObject(&m_y.m_Font);
    const int nWide = GetMultiLineTextExtent(&dc, "-1000.000").cx;
    const int nMin = GetMultiLineTextExtent(&dc, "0.000").cx;
    const int nMax = GetMultiLineTextExtent(&dc, "10.000").cx;
    const int nHeight = GetMultiLineTextExtent(&dc, "-1000.000").cy;
    dc.SelectObject(pOld);
    EXPECT_GT(nWide, nMax);
    // The displayed ends' labels for the width, the full range's minimum for the height.
    EXPECT_EQ(m_y.GetMaxLabelWidth(&dc), static_cast<int>(std::max(nMin, nMax) * 1.4) + 5);
    EXPECT_EQ(m_y.GetLabelHeight(&dc), nHeight + 5);
}
