// The diagram window's further operations: properties of missing series and axes, the x decimals by
// span, zooming with the sliders following, CSV export and import, the chart archive, drawing into a
// device, and a picture of cursor mode with a measurement and a tooltip.
#include "DiagramTestWindow.h"
#include "FakePlotHost.h"

#include "charting/CIntervalSlider.h"
#include "charting/CPlotLabel.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace
{
void WriteText(const CString& strPath, const std::string& strText)
{
    std::ofstream(strPath.GetString(), std::ios::binary) << strText;
}
} // namespace

TEST_F(DiagramWindow, PropertiesOfAMissingSeriesOrAxisAreNotFound)
{
    m_wnd.setCurveMarkerSize(12, 5);
    m_wnd.setYAxisColor(12, RGB(1, 2, 3));
    EXPECT_EQ(m_wnd.getCurveLineStyle(12), -1);
    EXPECT_EQ(m_wnd.getCurveMarkerSize(12), -1);
    EXPECT_EQ(m_wnd.getCurveMarkerMode(-1), -1);
    EXPECT_FALSE(m_wnd.getCurveMarkersOn(12));
    EXPECT_EQ(m_wnd.getCurveColor(12), 0u);
    EXPECT_EQ(m_wnd.getCurveTitle(12), CString());
    EXPECT_EQ(m_wnd.getYAxisColor(12), 0u);
    EXPECT_FALSE(m_wnd.getYAxisAutoScale(12));

    m_wnd.setCurveMarkerSymbol(1, MARKER_DIAMOND);
    m_wnd.setCurveLineStyle(1, PS_DASH);
    m_wnd.setYAxisColor(1, RGB(1, 2, 3));
    m_wnd.setXAxisColor(RGB(4, 5, 6));
    EXPECT_EQ(m_wnd.getCurveMarkerSymbol(1), MARKER_DIAMOND);
    EXPECT_EQ(m_wnd.getCurveLineStyle(1), PS_DASH);
    EXPECT_EQ(m_wnd.getYAxisColor(1), RGB(1, 2, 3));
    EXPECT_EQ(m_wnd.getXAxisColor(), RGB(4, 5, 6));
    EXPECT_EQ(m_wnd.getCurvePercent(3), 100);

    double dMax, dMin, dStep;
    m_wnd.getXAxisRange(dMax, dMin, dStep);
    EXPECT_EQ(dMax, 10);
    EXPECT_EQ(dMin, 0);
}

TEST_F(DiagramWindow, XDecimalsFollowTheSpanOnlyWhenTheChoiceChanges)
{
    CPlotAxis& x = Chart().GetXAxis(0);
    m_wnd.setXAxisDecimalsBySpan(0, 0.5); // a known last choice (2), whatever ran before
    m_wnd.setXAxisDecimalsBySpan(0, 0.1);
    EXPECT_EQ(x.GetFormat(), CString("%5.3f"));
    x.m_strFormat = "%5.1f";
    m_wnd.setXAxisDecimalsBySpan(0, 0.1);
    EXPECT_EQ(x.GetFormat(), CString("%5.1f")) << "the same choice changes nothing";
    m_wnd.setXAxisDecimalsBySpan(0, 7);
    EXPECT_EQ(x.GetFormat(), CString("%5.0f"));
    m_wnd.setXAxisDecimalsBySpan(1, 4);
    EXPECT_EQ(x.GetFormat(), CString("%5.1f"));
}

TEST_F(DiagramWindow, AZoomOnTheChartMovesTheIntervalSlider)
{
    m_wnd.zoomMode();
    const CPoint from = PixelOf(0, 2, 9), to = PixelOf(0, 6, 1);
    SendToChart(WM_LBUTTONDOWN, MK_LBUTTON, from);
    SendToChart(WM_MOUSEMOVE, MK_LBUTTON, to);
    SendToChart(WM_LBUTTONUP, 0, to);
    double dMin, dMax;
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            m_wnd.GetIntervalSlider()->GetRange(dMin, dMax);
            return dMax < 10;
        }));
    EXPECT_DOUBLE_EQ(dMin, Chart().GetXAxis(0).m_dMin);
    EXPECT_DOUBLE_EQ(dMax, Chart().GetXAxis(0).m_dMax);
    EXPECT_NEAR(dMin, 2, 0.1);
    EXPECT_NEAR(dMax, 6, 0.1);
}

TEST_F(DiagramWindow, ExportWritesTwoColumnsPerSeriesUpToTheLastWithPoints)
{
    m_wnd.clearCurve(0);
    m_wnd.clearCurve(1);
    for (int i = 0; i < 5; ++i)
    {
        if (i < 3)
            m_wnd.addPoint(0, i, 10 * i);
        m_wnd.addPoint(1, i, -i);
    }
    m_wnd.showCurve(0, true, false, false);
    m_wnd.showCurve(1, true, false, false);
    TempFile file("export.csv");
    ASSERT_TRUE(m_wnd.exportCsv(file.Path(), ";"));
    // The shorter series leaves its cells empty: lengths 3, 3, 5, 5.
    std::ifstream in(file.Path().GetString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "X1;Y1;X2;Y2\r\n0;0;0;0\r\n1;10;1;-1\r\n2;20;2;-2\r\n;;3;-3\r\n;;4;-4\r\n");
    in.close();

    // Imported again, the longer curve keeps all its points and the shorter gets no empty cells.
    ASSERT_TRUE(m_wnd.importCsv(file.Path(), ";"));
    EXPECT_EQ(m_wnd.getCurvePointCount(0), 3);
    EXPECT_EQ(m_wnd.getCurvePointCount(1), 5);
    EXPECT_EQ(m_wnd.getCurveY(1, 4), -4);
}

TEST_F(DiagramWindow, ExportWithoutPointsWritesNothing)
{
    m_wnd.clearCurve(0);
    m_wnd.clearCurve(1);
    TempFile file("empty.csv");
    EXPECT_FALSE(m_wnd.exportCsv(file.Path(), ","));
    EXPECT_EQ(::GetFileAttributesA(file.Path()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(m_wnd.exportCsv("C:\\no such folder\\x.csv", ",")) << "nor to a place it cannot write";
}

TEST_F(DiagramWindow, ImportSkipsOnlyThePairOfAnUnreadableCell)
{
    TempFile file("import.csv");
    WriteText(file.Path(), "X1;Y1;X2;Y2\n1;10;5;50\n2;abc;6;60\n3;30;;\n");
    ASSERT_TRUE(m_wnd.importCsv(file.Path(), ";"));
    ASSERT_EQ(m_wnd.getCurvePointCount(0), 2);
    EXPECT_EQ(m_wnd.getCurveX(0, 1), 3);
    EXPECT_EQ(m_wnd.getCurveY(0, 1), 30);
    EXPECT_EQ(m_wnd.getCurvePointCount(1), 2);
    EXPECT_TRUE(Chart().GetCurve(1).m_bVisible);
    double dMin, dMax;
    m_wnd.GetXRange(dMin, dMax);
    EXPECT_EQ(dMin, 1);
    EXPECT_EQ(dMax, 6);

    WriteText(file.Path(), "X1;Y1\nx;y\n");
    EXPECT_FALSE(m_wnd.importCsv(file.Path(), ";"));
    EXPECT_FALSE(m_wnd.importCsv("C:\\no such folder\\x.csv", ";"));
}

TEST_F(DiagramWindow, SavingThenLoadingTheChartRestoresItAndKeepsTheCurves)
{
    Chart().SetLegendVisible(true);
    Chart().SetPlotAreaColor(RGB(250, 250, 200));
    CPlotLabel* pNote = Chart().InsertLabel(CRect(50, 40, 120, 70), "Prüfling 7");
    m_wnd.measureMode();
    SendToChart(WM_LBUTTONDOWN, MK_LBUTTON, PixelOf(0, 2, 2));
    SendToChart(WM_MOUSEMOVE, MK_LBUTTON, PixelOf(0, 8, 2));
    SendToChart(WM_LBUTTONUP, 0, PixelOf(0, 8, 2));
    TempFile file("chart.archive");
    ASSERT_TRUE(m_wnd.saveChart(file.Path()));

    Chart().SetLegendVisible(false);
    Chart().SetPlotAreaColor(RGB(0, 0, 0));
    pNote->m_strText = "changed";
    ASSERT_TRUE(m_wnd.loadChart(file.Path()));
    EXPECT_TRUE(Chart().IsLegendVisible());
    EXPECT_EQ(Chart().GetPlotAreaColor(), RGB(250, 250, 200));
    const auto& objects = Chart().GetObjects();
    ASSERT_EQ(objects.size(), 3u); // cursor label, hover label, the note
    EXPECT_EQ(static_cast<CPlotLabel*>(objects.back())->m_strText, CString("Prüfling 7"));
    EXPECT_EQ(m_wnd.getHoverLabel(), *std::next(objects.begin()));
    EXPECT_EQ(Chart().GetCurveCount(), 10);
    EXPECT_EQ(Chart().GetYAxisCount(), 10);
    EXPECT_EQ(m_wnd.getCurvePointCount(1), 11);
    EXPECT_EQ(Chart().GetYAxis(1).m_dMax, 10);
    EXPECT_FALSE(m_wnd.loadChart("C:\\no such folder\\chart.archive"));

    // The tooltip shows in the label read back.
    m_wnd.resetMode();
    Chart().SetInteraction(true);
    m_wnd.setHoverDelay(1);
    SendToChart(WM_MOUSEMOVE, 0, PixelOf(0, 5, 2));
    SendToChart(WM_MOUSEMOVE, 0, PixelOf(0, 5, 2));
    EXPECT_TRUE(PumpUntil([&] { return m_wnd.getHoverLabel()->m_bVisible; }));
}

TEST_F(DiagramWindow, DrawingIntoADeviceShowsTheChart)
{
    CClientDC screen(nullptr);
    CDC dc;
    CBitmap bitmap;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 400, 260));
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 400, 260, RGB(0, 0, 0));
    m_wnd.drawToDC(&dc, PRF_CLIENT);
    const CPoint inPlot = PixelOf(0, 4.37, 3.71); // off the grid lines
    EXPECT_EQ(dc.GetPixel(inPlot.x, inPlot.y), RGB(255, 255, 255)) << "the plot area";
    EXPECT_EQ(dc.GetPixel(2, 2), COLORREF(0x7F7F7F)) << "the background";

    // A print preview: output and attribute devices apart, so no document is started.
    CDC attrib;
    ASSERT_TRUE(attrib.CreateCompatibleDC(&screen));
    dc.FillSolidRect(0, 0, 400, 260, RGB(0, 0, 0));
    dc.SetAttribDC(attrib.m_hDC);
    m_wnd.printChartRect(&dc, 0, 0, 400, 260);
    dc.SetAttribDC(dc.m_hDC);
    EXPECT_EQ(dc.GetPixel(2, 2), COLORREF(0x7F7F7F));
    dc.SelectObject(pOld);

    HGLOBAL hDib = m_wnd.getWindowDib();
    ASSERT_NE(hDib, nullptr);
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib));
    EXPECT_EQ(pHeader->biWidth, 400);
    ::GlobalUnlock(hDib);
    ::GlobalFree(hDib);
}

TEST_F(DiagramWindow, CursorModeWithAMeasurementAndATooltipIsPainted)
{
    m_wnd.setCurveColor(0, RGB(0, 0, 255));
    m_wnd.setCurveColor(1, RGB(0, 160, 0));
    m_wnd.setCurveTitle(0, "Drehmoment");
    m_wnd.setCurveTitle(1, "Kraft");
    m_wnd.setXAxisTitle("s");
    m_wnd.measureMode();
    SendToChart(WM_LBUTTONDOWN, MK_LBUTTON, PixelOf(1, 8, 8));
    SendToChart(WM_MOUSEMOVE, MK_LBUTTON, PixelOf(0, 3, 2));
    SendToChart(WM_LBUTTONUP, 0, PixelOf(0, 3, 2));
    m_wnd.cursorMode();
    m_wnd.setHoverDelay(1);
    m_wnd.setTooltipTime(60000);
    const CPoint onCurve = PixelOf(0, 6, 2) + CPoint(0, 4);
    SendToChart(WM_MOUSEMOVE, 0, onCurve);
    SendToChart(WM_MOUSEMOVE, 0, onCurve);
    ASSERT_TRUE(PumpUntil([&] { return m_wnd.getHoverLabel()->m_bVisible; }));
    m_wnd.redrawChart();
    if (const char* lpszFolder = std::getenv("TQ5_CHART_SHOTS"))
    {
        CString strPath;
        strPath.Format("%s\\diagram_cursor.bmp", lpszFolder);
        EXPECT_TRUE(m_wnd.saveBitmap(strPath));
    }
    // The cursor snapped onto the first curve and its label lists it; the tooltip sits at the pointer.
    EXPECT_EQ(Chart().GetMousePosition(), PixelOf(0, 6, 2));
    const CString& strCursor = static_cast<CPlotLabel*>(Chart().GetObjects().front())->m_strText;
    EXPECT_NE(strCursor.Find(" X[01] : "), -1);
    EXPECT_NE(strCursor.Find(" Y[01] : "), -1);
    EXPECT_EQ(strCursor.Find(" Y[02] : "), -1) << "y axis 2 is hidden";
    EXPECT_NE(strCursor.Find(" Drehmoment[01] : "), -1);
    EXPECT_EQ(m_wnd.getHoverLabel()->m_rcObject.TopLeft(), PixelOf(0, 6, 2));
    // The measurement's red dimension lines and arrows (no curve is red).
    CClientDC dc(&Chart());
    int nRed = 0;
    const CRect rcPlot(PixelOf(0, 0, 10), PixelOf(0, 10, 0));
    for (int y = rcPlot.top; y < rcPlot.bottom; y += 1)
        for (int x = rcPlot.left; x < rcPlot.right; x += 1)
            nRed += dc.GetPixel(x, y) == RGB(255, 0, 0);
    EXPECT_GT(nRed, 20);
}
