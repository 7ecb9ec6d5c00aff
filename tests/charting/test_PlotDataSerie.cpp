// The data series: one vertex per pixel column, hit segments that touch the plot, inverted colour when
// selected, fill to the plot bottom, the column walk over ascending points that gives the same picture
// and segments as visiting every point, the batched lines of a curve whose x run back and forth that
// give the same picture as one LineTo per vertex, marker strides, the segment hit test, trends and moving
// averages, copies and the archive record, also of points kept in the curve store's blocks.
#include "ChartCanvas.h"
#include "FakePlotHost.h"

#include "charting/CDataManager.h"
#include "charting/CPlotDataSerie.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFile.h"
#include "framework/CPen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// Plot (10, 10)-(210, 110): x 0..200 and y 0..100 one pixel per unit, so point (x, y) lies at pixel
// (10 + x, 110 - y).
class SerieTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_host.m_rcPlot.SetRect(10, 10, 210, 110);
        m_x.m_iType = 0;
        m_y.m_iType = 1;
        SetXRange(0, 200);
        m_y.m_pGraph = &m_host;
        m_y.SetRange(0, 100);
        m_y.m_iLength = 100;
        m_host.m_xAxes.push_back(&m_x);
        m_host.m_yAxes.push_back(&m_y);
        m_serie.m_pGraph = &m_host;
    }
    void SetXRange(double dMin, double dMax)
    {
        m_x.m_pGraph = &m_host;
        m_x.SetRange(dMin, dMax);
        m_x.m_iLength = 200;
    }
    // Draws the serie clipped to the plot, as the chart does.
    void Draw(CPlotDataSerie& serie, ChartCanvas& canvas)
    {
        canvas.m_dc.SaveDC();
        canvas.m_dc.IntersectClipRect(m_host.m_rcPlot);
        serie.Draw(&canvas.m_dc);
        canvas.m_dc.RestoreDC(-1);
    }

    FakePlotHost m_host;
    CPlotAxis m_x, m_y;
    CPlotDataSerie m_serie;
    ChartCanvas m_canvas{220, 120};
};

bool SameSegments(const std::vector<HitSegment>& a, const std::vector<HitSegment>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].x1 != b[i].x1 || a[i].y1 != b[i].y1 || a[i].x2 != b[i].x2 || a[i].y2 != b[i].y2)
            return false;
    return true;
}
} // namespace

TEST_F(SerieTest, OnePointDrawsOnlyAsADot)
{
    const CurvePoint point = {50, 50};
    m_serie.ReferData(&point, 1);
    m_serie.m_crColor = kRed;
    m_serie.m_iLineWidth = 3;
    Draw(m_serie, m_canvas);
    EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 220, 120), kWhite), 0);
    EXPECT_TRUE(m_serie.GetHitSegments().empty());

    m_serie.SetDrawStyle(1);
    Draw(m_serie, m_canvas);
    EXPECT_GT(m_canvas.CountOther(CRect(57, 57, 64, 64), kWhite), 0) << "a dot around (60, 60)";
    EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 220, 50), kWhite), 0);
    EXPECT_TRUE(m_serie.GetHitSegments().empty());

    m_serie.ReferData(nullptr, 0);
    Draw(m_serie, m_canvas); // no points: nothing happens
}

TEST_F(SerieTest, DenseCurveHasOneVertexPerPixelColumnFromItsFirstPoint)
{
    // Five points per pixel column, y rising by one per point.
    std::vector<CurvePoint> points;
    for (int i = 0; i < 50; ++i)
        points.push_back({i / 5.0, static_cast<double>(i)});
    m_serie.ReferData(points.data(), (int)points.size());
    Draw(m_serie, m_canvas);
    const auto& segments = m_serie.GetHitSegments();
    ASSERT_EQ(segments.size(), 9u);
    for (int k = 0; k < 9; ++k)
    {
        EXPECT_EQ(segments[k].x1, 10 + k);
        EXPECT_EQ(segments[k].x2, 11 + k);
        EXPECT_EQ(segments[k].y2, 110 - 5 * (k + 1)) << "the first point of column " << k + 1;
    }
}

TEST_F(SerieTest, SegmentsTouchingThePlotAreKept)
{
    // Outside (left), inside, outside (right), outside (right).
    const CurvePoint points[] = {{-50, 50}, {10, 50}, {250, 50}, {300, 50}};
    m_serie.ReferData(points, 4);
    Draw(m_serie, m_canvas);
    const auto& segments = m_serie.GetHitSegments();
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0].x1, -40);
    EXPECT_EQ(segments[0].x2, 20);
    EXPECT_EQ(segments[1].x2, 260);
}

TEST_F(SerieTest, SelectedCurveIsDrawnInTheInvertedColour)
{
    const CurvePoint points[] = {{0, 50}, {200, 50}};
    m_canvas.Fill(kGrey);
    m_serie.ReferData(points, 2);
    m_serie.m_crColor = kBlack;
    m_serie.m_bSelected = true;
    Draw(m_serie, m_canvas);
    EXPECT_EQ(m_canvas.Pixel(100, 60), kWhite);
    m_serie.m_bSelected = false;
    Draw(m_serie, m_canvas);
    EXPECT_EQ(m_canvas.Pixel(100, 60), kBlack);
}

TEST_F(SerieTest, FillToThePlotBottomClosesAlongTheBottom)
{
    const CurvePoint points[] = {{20, 10}, {100, 50}, {180, 90}};
    m_serie.ReferData(points, 3);
    m_serie.SetFill(true, -1);
    m_serie.m_bFillTransparent = false;
    m_serie.m_crFill = kRed;
    Draw(m_serie, m_canvas);
    EXPECT_EQ(m_canvas.Pixel(110, 100), kRed) << "below the curve";
    EXPECT_EQ(m_canvas.Pixel(110, 30), kWhite) << "above it";
    EXPECT_EQ(m_canvas.Pixel(25, 105), kWhite) << "left of the first point";
    EXPECT_EQ(m_canvas.Pixel(195, 105), kWhite) << "right of the last point";
}

TEST_F(SerieTest, ColumnWalkOverAscendingPointsDrawsWhatEveryPointDraws)
{
    // A noisy rising curve of 20,000 points, some x repeated, seen whole and through windows.
    std::vector<CurvePoint> points;
    for (int i = 0; i < 20000; ++i)
        points.push_back({(i / 3) * 0.03, 50 + 40 * std::sin(i * 0.01) + ((i * 7919) % 13) - 6});
    struct Case
    {
        double dMin, dMax;
        int nWidth, nStyle;
    } cases[] = {{0, 200, 1, 0},   {0, 200, 3, 0}, {55, 60, 1, 0},   {55, 60, 5, 0},    {-10, 1, 2, 0},
                 {180, 250, 1, 0}, {55, 60, 2, 1}, {300, 400, 1, 0}, {55.01, 56, 1, 0}, {55.01, 56, 1, 1}};
    for (const Case& c : cases)
    {
        SetXRange(c.dMin, c.dMax);
        ChartCanvas every(220, 120), columns(220, 120);
        CPlotDataSerie all;
        all.m_pGraph = &m_host;
        all.ReferData(points.data(), (int)points.size());
        all.m_iLineWidth = c.nWidth;
        all.SetDrawStyle(c.nStyle);
        CPlotDataSerie ascending(all);
        ascending.SetAscendingX(true);
        Draw(all, every);
        Draw(ascending, columns);
        EXPECT_EQ(every.CountOther(CRect(10, 10, 210, 110), kWhite) > 0, c.dMin < 200) << c.dMin;
        EXPECT_EQ(every.CountDifferent(columns, m_host.m_rcPlot), 0)
            << c.dMin << ".." << c.dMax << " width " << c.nWidth;
        EXPECT_TRUE(SameSegments(all.GetHitSegments(), ascending.GetHitSegments()))
            << c.dMin << ".." << c.dMax << ": " << all.GetHitSegments().size() << " against "
            << ascending.GetHitSegments().size();
    }
}

namespace
{
// Curves whose x run back and forth, kept in the curve store's blocks across a block boundary. Curve 0:
// a hysteresis loop as a channel on the x axis draws it, x swept up and down ten times, y lagging
// behind, both with a little noise. Curve 1: x running back every 250 points, y noisy, so that the
// curve seldom runs over its own path.
void FillUnorderedCurves(CDataManager& store, int nPoints)
{
    const double dPeriod = nPoints / 10.0;
    for (int i = 0; i < nPoints; ++i)
    {
        const double dPhase = 6.283185307179586 * i / dPeriod;
        const double x = -std::cos(dPhase) * 100 + ((i * 104729LL) % 7 - 3) * 0.05;
        const double dLag = std::sin(dPhase) >= 0 ? 20 : -20;
        const double dNoise = ((i * 7919LL) % 13 - 6) * 0.2;
        store.addPoint(0, x, 50 + 40 * std::tanh((x - dLag) / 30) + dNoise);
        store.addPoint(1, (i % 250) * 0.9 - 110 + i * 1e-6, 50 + 5 * dNoise);
    }
}

// The walk every point takes, drawn as it always was: one LineTo per vertex (dots: one Ellipse), the
// segments that touch the plot recorded. The reference the drawing of a series is held to.
std::vector<HitSegment> DrawVertexByVertex(const CurvePoints& points, int nCount, CPlotAxis& x, CPlotAxis& y,
                                           const CRect& rcPlot, int nDrawStyle, int nWidth, CDC& dc)
{
    std::vector<HitSegment> segments;
    const auto pixel = [&](int i)
    { return CPoint(x.ValueToPixel(points[i]).x, y.ValueToPixel(points[i]).y); };
    const auto draw = [&](const CPoint& pt, bool bFirst)
    {
        if (nDrawStyle == 1)
            dc.Ellipse(pt.x - nWidth, pt.y - nWidth, pt.x + nWidth, pt.y + nWidth);
        else if (bFirst)
            dc.MoveTo(pt);
        else
            dc.LineTo(pt);
    };
    CPoint last = pixel(0);
    draw(last, true);
    for (int i = 1; i < nCount; ++i)
    {
        const CPoint pt = pixel(i);
        if (pt.x == last.x)
            continue;
        if (rcPlot.PtInRect(pt) || rcPlot.PtInRect(last))
            segments.push_back({last.x, last.y, pt.x, pt.y});
        draw(pt, false);
        last = pt;
    }
    return segments;
}
} // namespace

TEST_F(SerieTest, UnorderedCurveDrawsWhatOneLineToPerVertexDraws)
{
    CDataManager store;
    const int nPoints = CDataManager::BLOCK_POINTS + 4000;
    FillUnorderedCurves(store, nPoints);
    struct Case
    {
        int iCurve;
        double dMin, dMax;
        int nWidth, nLineStyle, nRop, nDrawStyle;
    } cases[] = {
        {0, -110, 110, 1, PS_SOLID, R2_COPYPEN, 0},   {0, -110, 110, 0, PS_SOLID, R2_COPYPEN, 0},
        {0, -5, 8, 1, PS_SOLID, R2_COPYPEN, 0},       {0, 40, 300, 1, PS_SOLID, R2_COPYPEN, 0},
        {0, -110, 110, 1, PS_SOLID, R2_NOTXORPEN, 0}, {0, -110, 110, 3, PS_SOLID, R2_COPYPEN, 0},
        {0, -5, 8, 1, PS_DASH, R2_COPYPEN, 0},        {0, -5, 8, 2, PS_SOLID, R2_COPYPEN, 1},
        {1, -110, 110, 1, PS_SOLID, R2_COPYPEN, 0},   {1, -50, 0, 1, PS_SOLID, R2_COPYPEN, 0},
    };
    for (const Case& c : cases)
    {
        SetXRange(c.dMin, c.dMax);
        ChartCanvas serie(220, 120), reference(220, 120);
        CPlotDataSerie curve;
        curve.m_pGraph = &m_host;
        curve.ReferData(store.getCurve(c.iCurve), nPoints);
        curve.m_iLineWidth = c.nWidth;
        curve.m_iLineStyle = c.nLineStyle;
        curve.SetDrawStyle(c.nDrawStyle);
        serie.m_dc.SetROP2(c.nRop);
        Draw(curve, serie);

        reference.m_dc.SetROP2(c.nRop);
        reference.m_dc.IntersectClipRect(m_host.m_rcPlot);
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(c.nLineStyle, c.nWidth, RGB(0, 0, 0)));
        CPen* pOld = reference.m_dc.SelectObject(&pen);
        const std::vector<HitSegment> segments =
            DrawVertexByVertex(store.getCurve(c.iCurve), nPoints, m_x, m_y, m_host.m_rcPlot, c.nDrawStyle,
                               c.nWidth, reference.m_dc);
        reference.m_dc.SelectObject(pOld);

        if (&c == &cases[0])
            serie.Save("serie_hysteresis_loops");
        EXPECT_GT(reference.CountOther(m_host.m_rcPlot, kWhite), 100) << c.dMin;
        EXPECT_EQ(serie.CountDifferent(reference, CRect(0, 0, 220, 120)), 0)
            << "curve " << c.iCurve << ", " << c.dMin << ".." << c.dMax << " width " << c.nWidth << " style "
            << c.nLineStyle << " rop " << c.nRop;
        EXPECT_TRUE(SameSegments(curve.GetHitSegments(), segments))
            << c.dMin << ".." << c.dMax << ": " << curve.GetHitSegments().size() << " against "
            << segments.size();
    }
}

TEST(SerieRules, MarkerStrideFollowsThePlotWidth)
{
    struct Case
    {
        int nWidth, nSize, nCount, nMode, nStride;
    } cases[] = {
        {800, 10, 200, 0, 10}, {800, 10, 30, 0, 1},  {800, 10, 10, 0, 2}, {800, 10, 19, 0, 2},
        {800, 10, 40, 0, 2},   {800, 10, 200, 7, 1}, {30, 10, 200, 0, 2}, {800, 10, 20000, 4, 1000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CPlotDataSerie::MarkerStride(c.nWidth, c.nSize, c.nCount, c.nMode), c.nStride)
            << c.nCount << " points, mode " << c.nMode;
}

TEST_F(SerieTest, MarkersSitOnTheirPoints)
{
    const CurvePoint points[] = {{50, 50}, {150, 20}};
    m_serie.ReferData(points, 2);
    m_serie.m_bMarkers = true;
    m_serie.m_iMarkerMode = 1;
    m_serie.m_iMarkerSymbol = 0;
    m_serie.m_iMarkerSize = 8;
    m_serie.m_crColor = kRed;
    m_host.m_iMode = 7; // every point while editing
    m_serie.DrawMarkers(&m_canvas.m_dc);
    EXPECT_GT(m_canvas.CountOther(CRect(55, 55, 66, 66), kWhite), 10);
    EXPECT_GT(m_canvas.CountOther(CRect(155, 85, 166, 96), kWhite), 10);
    m_canvas.Fill(kWhite);
    m_serie.m_iMarkerSize = 0;
    m_serie.DrawMarkers(&m_canvas.m_dc);
    EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 220, 120), kWhite), 0);
}

TEST(SerieRules, SegmentHitTestAcceptsHalfTheLineWidth)
{
    const HitSegment segment = {0, 0, 100, 0};
    struct Case
    {
        int y, nWidth;
        bool bHit;
    } cases[] = {{1, 1, true}, {2, 1, false}, {1, 2, true}, {-2, 2, false},
                 {3, 7, true}, {4, 7, false}, {0, 0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(CPlotDataSerie::HitTestSegment(segment, 50, c.y, c.nWidth), c.bHit)
            << c.y << " " << c.nWidth;
    EXPECT_FALSE(CPlotDataSerie::HitTestSegment({5, 5, 5, 5}, 5, 5, 3)) << "a segment without length";
}

TEST(SerieTrends, TrendsAndAveragesFollowTheirFormulas)
{
    CPlotDataSerie serie;
    const CurvePoint rising[] = {{1, 2}, {1.5, 4}, {2, 6}};
    serie.ReferData(rising, 3);
    auto linear = serie.GetLinearTrend(2);
    const double linearX[] = {1, 1.5, 2, 2.5, 3};
    for (int j = 0; j < 5; ++j)
    {
        EXPECT_DOUBLE_EQ(linear[j].x, linearX[j]) << j;
        EXPECT_DOUBLE_EQ(linear[j].y, 2.0 * (j + 1)) << j;
    }
    // y = c k³ fits k³ exactly.
    const CurvePoint cubes[] = {{0, 1}, {1, 8}, {2, 27}};
    serie.ReferData(cubes, 3);
    auto cubic = serie.GetCubicTrend(1);
    EXPECT_DOUBLE_EQ(cubic[3].y, 64.0);
    EXPECT_DOUBLE_EQ(cubic[3].x, 3.0);
    // A parabola over its own x values, continued by the last spacing.
    const CurvePoint parabola[] = {{0, 1}, {1, 2}, {2, 5}, {3, 10}};
    serie.ReferData(parabola, 4);
    auto poly = serie.GetPolynomialTrend(3, 1);
    ASSERT_TRUE(poly);
    EXPECT_EQ(serie.m_Solver.m_iCoeffCount, 3);
    EXPECT_DOUBLE_EQ(poly[4].x, 4.0);
    EXPECT_NEAR(poly[4].y, 17.0, 1e-9);
    const CurvePoint flat[] = {{2, 1}, {2, 2}, {2, 3}};
    serie.ReferData(flat, 3);
    EXPECT_FALSE(serie.GetPolynomialTrend(2, 0)) << "singular fit";

    const CurvePoint steps[] = {{0, 0}, {1, 3}, {2, 6}, {3, 9}, {4, 12}};
    serie.ReferData(steps, 5);
    struct Average
    {
        std::unique_ptr<CurvePoint[]> points;
        std::vector<double> y;
    } averages[] = {
        {serie.GetSimpleMovingAverage(3), {0, 3, 4.5, 6, 9}},
        {serie.GetExponentialMovingAverage(1), {0, 3, 6, 9, 12}},
        {serie.GetExponentialMovingAverage(3), {0, 1.5, 3.75, 6.375, 9.1875}},
        {serie.GetLinearMovingAverage(2), {0, 3, 5, 8, 11}},
        {serie.GetTriangularMovingAverage(2), {0, 3, 4.5, 7.5, 10.5}},
        {serie.GetSineMovingAverage(1), {0, 3, 6, 9, 12}},
    };
    for (size_t a = 0; a < std::size(averages); ++a)
        for (int i = 0; i < 5; ++i)
        {
            EXPECT_NEAR(averages[a].points[i].y, averages[a].y[i], 1e-12)
                << "average " << a << " point " << i;
            EXPECT_EQ(averages[a].points[i].x, i);
        }
    EXPECT_FALSE(serie.GetSimpleMovingAverage(0));
    serie.ReferData(nullptr, 0);
    EXPECT_FALSE(serie.GetLinearTrend(1));
    EXPECT_DOUBLE_EQ(CPlotDataSerie::TriangularWeight(3, 1, 2), 4.0 / 3);
    EXPECT_EQ(CPlotDataSerie::TriangularWeight(0, 1, 2), 0.0);
}

TEST(SerieData, CopiesShareReferencedPointsAndDuplicateOwnedOnes)
{
    const CurvePoint points[] = {{1, 2}, {3, 4}};
    CPlotDataSerie referring;
    referring.ReferData(points, 2);
    referring.m_strTitle = "Kanal A";
    CPlotDataSerie copy(referring);
    EXPECT_EQ(copy.m_pData, points);
    EXPECT_EQ(copy.m_strTitle, CString("Kanal A"));

    CPlotDataSerie owning;
    owning.CopyData(points, 2);
    EXPECT_TRUE(owning.m_bOwnData);
    EXPECT_NE(owning.m_pData, points);
    CPlotDataSerie ownCopy;
    ownCopy = owning;
    EXPECT_TRUE(ownCopy.m_bOwnData);
    EXPECT_NE(ownCopy.m_pData, owning.m_pData);
    EXPECT_EQ(ownCopy.GetY(1), 4.0);
    EXPECT_EQ(ownCopy.GetY(2), 0.0);
    EXPECT_EQ(ownCopy.GetX(-1), 0.0);
    ownCopy.ResetTrendRange();
    EXPECT_EQ(ownCopy.m_iLast, 1);

    PlotSerieProperties props;
    ownCopy.GetProperties(props);
    EXPECT_EQ(props.iCount, 2);
    EXPECT_EQ(props.byValid, 1);
    EXPECT_STREQ(props.szTitle, " ");
}

TEST(SerieData, StoredPointsAcrossBlocksAreCopiedAndArchivedWhole)
{
    CDataManager store;
    const int nPoints = CDataManager::BLOCK_POINTS + 5;
    for (int i = 0; i < nPoints; ++i)
        store.addPoint(0, i, -0.5 * i);
    CPlotDataSerie referring;
    referring.ReferData(store.getCurve(0), nPoints);
    CPlotDataSerie copy;
    copy.CopyData(referring.m_pData, nPoints);
    TempFile file("stored.bin");
    {
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        referring.Serialize(ar);
    }
    CPlotDataSerie loaded;
    {
        CFile in(file.Path(), CFile::modeRead);
        CArchive ar(&in, CArchive::load);
        loaded.Serialize(ar);
    }
    for (const CPlotDataSerie* pSerie : {&copy, &loaded})
    {
        ASSERT_EQ(pSerie->m_iCount, nPoints);
        for (int i = 0; i < nPoints; ++i)
            ASSERT_EQ(pSerie->GetY(i), -0.5 * i) << i;
    }
}

TEST(SerieData, ArchiveKeepsPointsAndSettingsAndRefusesAShortRecord)
{
    const CurvePoint points[] = {{1, 2}, {3, 4}, {5, -6}};
    CPlotDataSerie serie;
    serie.ReferData(points, 3);
    serie.m_iXAxis = 0;
    serie.m_iYAxis = 4;
    serie.m_iLineWidth = 3;
    serie.m_iMarkerSymbol = 5;
    serie.m_bMarkers = true;
    serie.m_sFillTarget = -1;
    serie.m_crFill = RGB(1, 2, 3);
    serie.m_strTitle = "Kraft";
    serie.m_iDrawStyle = 1;
    serie.m_crColor = kRed;
    TempFile file("serie.bin");
    {
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        serie.Serialize(ar);
        ar.Close();
        // Base record 27, count 4, points 48, eleven ints 44, three bytes, short, colour, title 6, style 4.
        EXPECT_EQ(out.GetLength(), 27u + 4 + 48 + 44 + 3 + 2 + 4 + 6 + 4);
    }
    CPlotDataSerie loaded;
    {
        CFile in(file.Path(), CFile::modeRead);
        CArchive ar(&in, CArchive::load);
        loaded.Serialize(ar);
    }
    EXPECT_TRUE(loaded.m_bOwnData);
    ASSERT_EQ(loaded.m_iCount, 3);
    EXPECT_EQ(loaded.GetY(2), -6.0);
    EXPECT_EQ(loaded.m_iYAxis, 4);
    EXPECT_EQ(loaded.m_iLineWidth, 3);
    EXPECT_EQ(loaded.m_iMarkerSymbol, 5);
    EXPECT_TRUE(loaded.m_bMarkers);
    EXPECT_EQ(loaded.m_sFillTarget, -1);
    EXPECT_EQ(loaded.m_crFill, RGB(1, 2, 3));
    EXPECT_EQ(loaded.m_strTitle, CString("Kraft"));
    EXPECT_EQ(loaded.m_iDrawStyle, 1);
    EXPECT_EQ(loaded.m_crColor, kRed);

    // A count the file does not hold.
    {
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        CPlotObject base;
        base.Serialize(ar);
        ar << 1000000000;
        ar.Close();
    }
    CFile in(file.Path(), CFile::modeRead);
    CArchive ar(&in, CArchive::load);
    try
    {
        loaded.Serialize(ar);
        ADD_FAILURE() << "no exception";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
}
