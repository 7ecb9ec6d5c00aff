// The chart control: curves and axes created by SetData with their ranges and colours, the layout of
// y axes and legend, painting of an empty chart, the diagram bitmap with its header and the curves'
// colours where their points are, drawing onto other devices, and the chart archive.
#include "BmpFile.h"
#include "ChartTestSupport.h"
#include "FakePlotHost.h"

#include "charting/CPlot.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CFile.h"
#include "framework/CPrintDialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGrey = RGB(192, 192, 192);

class TestPlot : public CPlot
{
public:
    using CPlot::m_Measurements;
};

// A 300 by 200 chart shown in a window of its own.
class PlotWindow : public ::testing::Test
{
protected:
    void SetUp() override { CreateChartWindow(m_parent, m_plot); }
    void TearDown() override
    {
        m_plot.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void Paint() { m_plot.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    // With TQ5_CHART_SHOTS set to a folder, writes the chart's bitmap there as <name>.bmp to look at.
    void Shot(const char* lpszName)
    {
        if (const char* lpszFolder = std::getenv("TQ5_CHART_SHOTS"))
        {
            CString strPath;
            strPath.Format("%s\\%s.bmp", lpszFolder, lpszName);
            m_plot.SaveBitmap(strPath);
        }
    }
    // Curve i on x axis 0 and y axis nYAxis, from (0, y0) to (10, y1).
    void AddLine(int i, int nYAxis, double y0, double y1, COLORREF cr)
    {
        m_lines.push_back(std::make_unique<CurvePoint[]>(2));
        m_lines.back()[0] = {0, y0};
        m_lines.back()[1] = {10, y1};
        CPlotDataSerie* pCurve = m_plot.SetData(m_lines.back().get(), 2, i, 0, nYAxis, true, false, false);
        ASSERT_NE(pCurve, nullptr);
        pCurve->m_crColor = cr;
        pCurve->m_iLineWidth = 3;
    }
    void PlainColours()
    {
        m_plot.SetBackgroundColor(kWhite);
        m_plot.SetInnerAreaColor(kWhite);
        m_plot.SetPlotAreaColor(kWhite);
        m_plot.SetLegendVisible(false);
    }
    CPoint PixelOf(double x, double y, int nYAxis = 0)
    {
        return CPoint(m_plot.GetXAxis(0).ValueToPixel({x, y}).x,
                      m_plot.GetYAxis(nYAxis).ValueToPixel({x, y}).y);
    }

    CWnd m_parent;
    TestPlot m_plot;
    std::vector<std::unique_ptr<CurvePoint[]>> m_lines;
};

void WriteArchive(const CString& strPath, CPlot& plot, UINT nParts)
{
    ASSERT_TRUE(plot.Save(strPath, nParts));
}

ULONGLONG FileLength(const CString& strPath)
{
    CFile file(strPath, CFile::modeRead);
    return file.GetLength();
}
} // namespace

TEST(Plot, WindowClassIsRegisteredOnce)
{
    CPlot first, second;
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), CPlot::CLASS_NAME, &wc));
    EXPECT_EQ(wc.style, (UINT)(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
}

TEST(Plot, SetDataCreatesCurvesAndAxesWithTheirRanges)
{
    CPlot plot;
    const CurvePoint points[] = {{2, -1}, {5, 3}, {3, 7}};
    EXPECT_EQ(plot.SetData(nullptr, 3, 0, 0, 0, false, false, true), nullptr);
    EXPECT_EQ(plot.SetData(points, 0, 0, 0, 0, false, false, true), nullptr);
    EXPECT_EQ(plot.SetData(points, 3, 1, 0, 0, false, false, true), nullptr) << "curve index past the count";
    EXPECT_EQ(plot.GetCurveCount(), 0);

    CPlotDataSerie* pCurve = plot.SetData(points, 3, 0, 0, 0, false, false, true);
    ASSERT_NE(pCurve, nullptr);
    EXPECT_EQ(pCurve->m_pData, points);
    EXPECT_EQ(plot.GetXAxisCount(), 1);
    EXPECT_EQ(plot.GetYAxisCount(), 1);
    EXPECT_EQ(plot.GetXAxis(0).m_iType, 0);
    EXPECT_EQ(plot.GetYAxis(0).m_iType, 1);
    EXPECT_EQ(plot.GetXAxis(0).m_dMin, 2);
    EXPECT_EQ(plot.GetXAxis(0).m_dMax, 5);
    EXPECT_EQ(plot.GetYAxis(0).m_dRangeMin, -1);
    EXPECT_EQ(plot.GetYAxis(0).m_dRangeMax, 7);
    EXPECT_EQ(pCurve->m_pGraph, static_cast<CPlotHost*>(&plot));

    // A copied curve of one point: its own points, and the equal bounds widened.
    const CurvePoint single = {4, 4};
    pCurve = plot.SetData(&single, 1, 1, 0, 1, false, true, true);
    ASSERT_NE(pCurve, nullptr);
    EXPECT_TRUE(pCurve->m_bOwnData);
    EXPECT_NE(pCurve->m_pData, &single);
    EXPECT_EQ(plot.GetYAxis(1).m_dMin, 3);
    EXPECT_EQ(plot.GetYAxis(1).m_dMax, 5);

    // The fit flag alone fits the axes too; an update keeps the curve's number.
    plot.SetData(points, 2, 1, 0, 1, true, false, false);
    EXPECT_EQ(plot.GetCurveCount(), 2);
    EXPECT_EQ(plot.GetYAxis(1).m_dMax, 3);
    EXPECT_EQ(plot.GetCurve(1).m_iIndex, 1);
    EXPECT_EQ(plot.GetCurveIndex(&plot.GetCurve(1)), 1);
    EXPECT_EQ(plot.GetAxisIndex(&plot.GetYAxis(1)), 1);
    CPlotDataSerie stranger;
    EXPECT_EQ(plot.GetCurveIndex(&stranger), -1);
}

TEST(Plot, CurveColoursFollowTheirPosition)
{
    CPlot plot;
    const CurvePoint point = {1, 1};
    for (int i = 0; i < 13; ++i)
        plot.SetData(&point, 1, i, 0, 0, false, false, false);
    EXPECT_EQ(plot.GetCurve(0).m_crColor, RGB(128, 0, 0));
    EXPECT_EQ(plot.GetCurve(11).m_crColor, RGB(255, 0, 255));
    EXPECT_EQ(plot.GetCurve(12).m_crColor, RGB(128, 0, 0)) << "the 13th curve starts again";
    EXPECT_TRUE(plot.DeleteCurve(3));
    EXPECT_FALSE(plot.DeleteCurve(12));
    EXPECT_EQ(plot.GetCurve(3).m_iIndex, 3) << "renumbered";
    plot.SetData(&point, 1, 12, 0, 0, false, false, false);
    EXPECT_EQ(plot.GetCurve(12).m_crColor, RGB(128, 0, 0));
    plot.SetData(&point, 1, 12, 0, 0, false, false, false);
    EXPECT_TRUE(plot.DeleteXAxis(0));
    EXPECT_FALSE(plot.DeleteYAxis(1));
}

TEST(Plot, SelectionVisibilityDecimalsAndLabels)
{
    CPlot plot;
    const CurvePoint point = {1, 1};
    plot.SetData(&point, 1, 0, 0, 0, false, false, false);
    plot.SetData(&point, 1, 1, 0, 1, false, false, false);
    EXPECT_TRUE(plot.SelectCurve(1));
    EXPECT_FALSE(plot.GetCurve(0).m_bSelected);
    EXPECT_TRUE(plot.GetCurve(1).m_bSelected);
    EXPECT_TRUE(plot.SelectCurve(0));
    EXPECT_FALSE(plot.GetCurve(1).m_bSelected);
    EXPECT_FALSE(plot.SelectYAxis(2));
    EXPECT_TRUE(plot.SelectYAxis(1));
    EXPECT_TRUE(plot.GetYAxis(1).m_bSelected);
    plot.SetCurveVisible(1, false);
    plot.SetCurveVisible(7, true); // ignored
    EXPECT_FALSE(plot.GetCurve(1).m_bVisible);

    struct Case
    {
        int nDecimals, nWhich;
        const char *lpszX, *lpszY;
    } cases[] = {{0, 0, "%5.0f", "%5.3f"}, {3, 1, "%5.0f", "%5.3f"},  {1, 2, "%5.1f", "%5.1f"},
                 {9, 2, "%5.2f", "%5.2f"}, {-1, 2, "%5.2f", "%5.2f"}, {0, 3, "%5.2f", "%5.2f"}};
    for (const Case& c : cases)
    {
        plot.SetAxisDecimals(0, c.nDecimals, c.nWhich);
        EXPECT_EQ(plot.GetXAxis(0).GetFormat(), CString(c.lpszX)) << c.nDecimals << " " << c.nWhich;
        EXPECT_EQ(plot.GetYAxis(0).GetFormat(), CString(c.lpszY)) << c.nDecimals << " " << c.nWhich;
    }

    CPlotLabel* pLabel = plot.InsertLabel("Spitze");
    EXPECT_EQ(pLabel->m_strText, CString("Spitze"));
    EXPECT_EQ(pLabel->m_rcObject.Width(), 100);
    EXPECT_EQ(plot.GetObjects().size(), 2u);
    plot.InsertLabel(CRect(1, 2, 3, 4), "B");
    plot.ResetAll();
    ASSERT_EQ(plot.GetObjects().size(), 1u) << "only the cursor label stays";
    EXPECT_FALSE(plot.GetObjects().front()->m_bVisible);
    EXPECT_EQ(plot.GetCurveCount(), 0);
    EXPECT_EQ(plot.GetXAxisCount(), 0);
}

TEST_F(PlotWindow, EmptyChartFillsItsAreasAndAnEmptyLegendBox)
{
    m_plot.SetBackgroundColor(kRed);
    m_plot.SetInnerAreaColor(kGreen);
    m_plot.SetPlotAreaColor(kBlue);
    Paint();
    TempFile file("empty.bmp");
    ASSERT_TRUE(m_plot.SaveBitmap(file.Path()));
    BmpFile bmp(file.Path());
    ASSERT_TRUE(bmp.IsValid());
    EXPECT_EQ(bmp.Pixel(2, 2), kRed);
    EXPECT_EQ(bmp.Pixel(5, 100), kGreen) << "the column left of the plot";
    EXPECT_EQ(bmp.Pixel(100, 100), kBlue);
    // An empty legend box 16 pixels wide at the inner area's top right.
    const CRect rcBox(295 - 10 - 16, 15, 295 - 10, 17);
    EXPECT_EQ(bmp.Pixel(rcBox.left, rcBox.top), kBlack);
    EXPECT_EQ(bmp.Pixel(rcBox.right - 1, rcBox.top), kBlack);
    EXPECT_EQ(bmp.Pixel(rcBox.left - 2, rcBox.top), kRed);
    EXPECT_EQ(m_plot.GetPlotRect().right, 295 - 36);
}

TEST_F(PlotWindow, BitmapHasItsHeaderAndTheCurvesWhereTheirPointsAre)
{
    PlainColours();
    AddLine(0, 0, 0, 10, kRed);
    AddLine(1, 0, 10, 0, kBlue);
    Paint();
    Shot("chart_two_curves");
    TempFile file("chart.bmp");
    ASSERT_TRUE(m_plot.SaveBitmap(file.Path()));
    BmpFile bmp(file.Path());
    ASSERT_TRUE(bmp.IsValid());
    const DWORD cbPixels = 300 * 200 * 4;
    EXPECT_EQ(bmp.Size(), 14u + 40 + 4 + cbPixels);
    EXPECT_EQ(bmp.Word(0), 0x4D42);
    EXPECT_EQ(bmp.Dword(2), 14u + 40 + 4 + cbPixels);
    EXPECT_EQ(bmp.Dword(6), 0u);
    EXPECT_EQ(bmp.Dword(10), 58u);
    const BITMAPINFOHEADER& bih = bmp.Header();
    EXPECT_EQ(bih.biSize, 40u);
    EXPECT_EQ(bih.biWidth, 300);
    EXPECT_EQ(bih.biHeight, 200);
    EXPECT_EQ(bih.biPlanes, 1);
    EXPECT_EQ(bih.biBitCount, 32);
    EXPECT_EQ(bih.biCompression, (DWORD)BI_RGB);
    EXPECT_EQ(bih.biSizeImage, cbPixels);
    EXPECT_EQ(bih.biClrUsed, 0u);

    for (double x : {2.0, 7.5})
    {
        const CPoint ptRed = PixelOf(x, x);
        const CPoint ptBlue = PixelOf(x, 10 - x);
        EXPECT_EQ(bmp.Pixel(ptRed.x, ptRed.y), kRed) << x;
        EXPECT_EQ(bmp.Pixel(ptBlue.x, ptBlue.y), kBlue) << x;
        const CPoint ptEmpty = PixelOf(x, 5 + (x - 5) / 2);
        EXPECT_EQ(bmp.Pixel(ptEmpty.x, ptEmpty.y), kWhite) << x;
    }
}

TEST_F(PlotWindow, BitmapNeedsAPaintAndAWritablePath)
{
    TempFile file("never.bmp");
    EXPECT_FALSE(m_plot.SaveBitmap(file.Path())) << "nothing painted yet";
    Paint();
    EXPECT_FALSE(m_plot.SaveBitmap("Z:\\no such folder\\chart.bmp"));
    EXPECT_EQ(CPlot::BitmapToDib(nullptr, BI_RGB, nullptr), nullptr);
    EXPECT_FALSE(CPlot::WriteDib(file.Path(), nullptr));

    CClientDC dc(&m_plot);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 4, 4);
    EXPECT_EQ(CPlot::BitmapToDib(bitmap, BI_BITFIELDS, nullptr), nullptr);
    HGLOBAL hDib = CPlot::BitmapToDib(bitmap, BI_RGB, nullptr);
    ASSERT_NE(hDib, nullptr);
    ::GlobalFree(hDib);

    hDib = m_plot.GetWindowDib();
    ASSERT_NE(hDib, nullptr);
    const auto* pbi = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib));
    EXPECT_EQ(pbi->biWidth, 300);
    EXPECT_EQ(pbi->biHeight, 200);
    EXPECT_EQ(pbi->biBitCount, 32);
    ::GlobalUnlock(hDib);
    ::GlobalFree(hDib);
}

TEST_F(PlotWindow, YAxesOnEitherSideKeepTheSideTheyWereGiven)
{
    m_plot.SetLegendVisible(false);
    for (int i = 0; i < 3; ++i)
        AddLine(i, i, 0, 10 * (i + 1), PLOT_CURVE_COLORS[i]);
    Paint();
    EXPECT_EQ(m_plot.GetYAxis(0).m_iSide, 0);
    EXPECT_EQ(m_plot.GetYAxis(1).m_iSide, 1);
    EXPECT_EQ(m_plot.GetYAxis(2).m_iSide, 0);
    Shot("chart_three_y_axes");
    EXPECT_LT(m_plot.GetYAxis(0).m_iOriginX, m_plot.GetYAxis(2).m_iOriginX);
    EXPECT_GT(m_plot.GetYAxis(1).m_iOriginX, m_plot.GetPlotRect().left);
    EXPECT_EQ(m_plot.GetYAxis(1).m_iOriginX, m_plot.GetPlotRect().right);
    ASSERT_TRUE(m_plot.DeleteYAxis(0));
    Paint();
    EXPECT_EQ(m_plot.GetYAxis(0).m_iSide, 1);
    EXPECT_EQ(m_plot.GetYAxis(1).m_iSide, 0);
}

TEST_F(PlotWindow, InvisibleYAxisTakesAPositionButNoBand)
{
    m_plot.SetLegendVisible(false);
    AddLine(0, 0, 0, 10, kRed);
    AddLine(1, 1, 0, 10, kBlue);
    m_plot.GetYAxis(1).m_iSide = 0;
    Paint();
    const int nWithBoth = m_plot.GetPlotRect().left;
    m_plot.GetYAxis(1).m_bVisible = false;
    Paint();
    EXPECT_LT(m_plot.GetPlotRect().left, nWithBoth);
    EXPECT_EQ(m_plot.GetYAxis(1).m_iOriginX, m_plot.GetYAxis(0).m_iOriginX);
    EXPECT_EQ(m_plot.GetPlotRect().left, m_plot.GetYAxis(0).m_iOriginX + 1);
}

TEST_F(PlotWindow, LegendOnTheLeftMovesThePlotByItsWidth)
{
    AddLine(0, 0, 0, 10, kRed);
    m_plot.GetCurve(0).m_strTitle = "Kanal A";
    m_plot.SetLegendVisible(false);
    Paint();
    const int nWithout = m_plot.GetPlotRect().left;
    m_plot.SetLegendVisible(true);
    m_plot.SetLegendSide(0);
    Paint();
    ASSERT_EQ(m_plot.GetLegendEntries().size(), 1u);
    const int W = m_plot.GetLegendEntries()[0].rcEntry.Width() + 2;
    EXPECT_EQ(m_plot.GetPlotRect().left, nWithout + W + 20);
    EXPECT_EQ(m_plot.GetLegendEntries()[0].iCurve, 0);

    Shot("chart_legend_left");
    // The entry's symbol shows the curve colour.
    TempFile file("legend.bmp");
    ASSERT_TRUE(m_plot.SaveBitmap(file.Path()));
    BmpFile bmp(file.Path());
    const CRect& rcEntry = m_plot.GetLegendEntries()[0].rcEntry;
    EXPECT_EQ(bmp.Pixel(rcEntry.left + 5, rcEntry.top + 3), kRed);
}

TEST_F(PlotWindow, DrawsOntoOtherDevices)
{
    PlainColours();
    m_plot.SetBackgroundColor(kGrey);
    AddLine(0, 0, 0, 10, kRed);
    Paint();
    const CPoint ptOnScreen = PixelOf(5, 5);

    // A preview: output and attribute devices apart, no document, the same layout at screen resolution.
    CClientDC screen(nullptr);
    for (bool bWhole : {false, true})
    {
        CDC output, attrib;
        output.CreateCompatibleDC(&screen);
        attrib.CreateCompatibleDC(&screen);
        const int cx = bWhole ? screen.GetDeviceCaps(HORZRES) : 300;
        const int cy = bWhole ? screen.GetDeviceCaps(VERTRES) : 200;
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, cx, cy));
        CBitmap* pOld = output.SelectObject(&bitmap);
        output.SetAttribDC(attrib.m_hDC);
        if (bWhole)
            m_plot.PrintTo(&output);
        else
            m_plot.PrintToRect(&output, 0, 0, 300, 200);
        output.SetAttribDC(output.m_hDC);
        EXPECT_EQ(output.GetPixel(1, 1), kGrey) << bWhole;
        if (!bWhole)
        {
            EXPECT_EQ(output.GetPixel(ptOnScreen.x, ptOnScreen.y), kRed);
        }
        output.SelectObject(pOld);
    }

    // A caller's device over its whole resolution.
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    ASSERT_TRUE(
        bitmap.CreateCompatibleBitmap(&screen, screen.GetDeviceCaps(HORZRES), screen.GetDeviceCaps(VERTRES)));
    CBitmap* pOld = memory.SelectObject(&bitmap);
    m_plot.DrawToDC(&memory);
    EXPECT_EQ(memory.GetPixel(1, 1), kGrey);
    EXPECT_GT(m_plot.GetPlotRect().Width(), 1000) << "laid out over the device";
    memory.SelectObject(pOld);
}

TEST_F(PlotWindow, PrintingAsksForAPrinterAndGivesUpWithoutADocument)
{
    int nAsked = 0;
    AFX_PRINTDIALOG_HOOK old = CPrintDialog::SetModalHook(
        [&](CPrintDialog&)
        {
            ++nAsked;
            return (INT_PTR)IDCANCEL;
        });
    m_plot.SendMessage(WM_COMMAND, ID_PLOT_PRINT);
    EXPECT_EQ(nAsked, 1);
    // A device that cannot start a document: nothing is drawn, the device is released.
    CPrintDialog::SetModalHook(
        [&](CPrintDialog& dlg)
        {
            ++nAsked;
            dlg.m_pd.hDC = ::CreateCompatibleDC(nullptr);
            return (INT_PTR)IDOK;
        });
    m_plot.OnPrint();
    EXPECT_EQ(nAsked, 2);
    CPrintDialog::SetModalHook(old);
}

TEST_F(PlotWindow, ArchiveOfSettingsAloneHasFiftyOneBytesAndEmptiesTheChart)
{
    TempFile file("settings.plt");
    m_plot.SetBackgroundColor(kRed);
    m_plot.SetLegendSide(0);
    m_plot.SetSnapRange(7);
    WriteArchive(file.Path(), m_plot, PLOT_ARCHIVE_SETTINGS);
    EXPECT_EQ(FileLength(file.Path()), 51u);

    TestPlot other;
    AddLine(0, 0, 0, 1, kBlue);
    other.SetData(m_lines.back().get(), 2, 0, 0, 0, false, false, false);
    other.InsertLabel("weg");
    ASSERT_TRUE(other.Load(file.Path()));
    EXPECT_EQ(other.GetBackgroundColor(), kRed);
    EXPECT_EQ(other.GetLegendSide(), 0);
    EXPECT_EQ(other.GetSnapRange(), 7);
    EXPECT_EQ(other.GetCurveCount(), 0);
    EXPECT_EQ(other.GetXAxisCount(), 0);
    EXPECT_EQ(other.GetObjects().size(), 1u);
    EXPECT_FALSE(other.Save(file.Path(), 0));
    EXPECT_FALSE(other.Load("Z:\\no such folder\\x.plt"));
}

TEST_F(PlotWindow, ArchiveKeepsCurvesAxesMeasurementsAndObjects)
{
    TempFile file("whole.plt");
    // Only the cursor label: an object count of 0 and nothing after it.
    WriteArchive(file.Path(), m_plot, PLOT_ARCHIVE_OBJECTS);
    EXPECT_EQ(FileLength(file.Path()), 12u);

    AddLine(0, 0, 1, 2, kRed);
    AddLine(1, 1, 3, -4, kBlue);
    m_plot.GetCurve(1).m_strTitle = "Kanal B";
    m_plot.GetYAxis(1).m_strTitle = "N";
    m_plot.InsertLabel(CRect(10, 20, 30, 40), "Notiz");
    m_plot.m_Measurements.push_back({0, 1, 1, 0});
    WriteArchive(file.Path(), m_plot, PLOT_ARCHIVE_SETTINGS | PLOT_ARCHIVE_CURVES | PLOT_ARCHIVE_OBJECTS);

    TestPlot loaded;
    loaded.m_Measurements.push_back({9, 9, 9, 9});
    ASSERT_TRUE(loaded.Load(file.Path()));
    ASSERT_EQ(loaded.GetCurveCount(), 2);
    EXPECT_TRUE(loaded.GetCurve(1).m_bOwnData);
    EXPECT_EQ(loaded.GetCurve(1).GetY(1), -4.0);
    EXPECT_EQ(loaded.GetCurve(1).m_crColor, kBlue);
    EXPECT_EQ(loaded.GetCurve(1).m_strTitle, CString("Kanal B"));
    EXPECT_EQ(loaded.GetCurve(1).m_pGraph, static_cast<CPlotHost*>(&loaded));
    EXPECT_EQ(loaded.GetXAxisCount(), 1);
    ASSERT_EQ(loaded.GetYAxisCount(), 2);
    EXPECT_EQ(loaded.GetYAxis(1).GetTitle(), CString("N"));
    ASSERT_EQ(loaded.m_Measurements.size(), 2u) << "the stored ones stay";
    EXPECT_EQ(loaded.m_Measurements[1].iEndCurve, 1);
    ASSERT_EQ(loaded.GetObjects().size(), 2u);
    auto* pLabel = DYNAMIC_DOWNCAST(CPlotLabel, loaded.GetObjects().back());
    ASSERT_NE(pLabel, nullptr);
    EXPECT_EQ(pLabel->m_strText, CString("Notiz"));
    EXPECT_EQ(pLabel->m_pGraph, static_cast<CPlotHost*>(&loaded));

    // A file cut short: false, and what was read stays.
    {
        CFile cut(file.Path(), CFile::modeReadWrite);
        cut.SetLength(cut.GetLength() - 30);
    }
    TestPlot partial;
    EXPECT_FALSE(partial.Load(file.Path()));
    EXPECT_EQ(partial.GetCurveCount(), 2);
}

TEST(Plot, ReadFromArchiveAcceptsOnlyACharts)
{
    TempFile file("object.bin");
    {
        CPlot plot;
        CPlotLabel label;
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        ar.WriteObject(&plot);
        ar.WriteObject(&label);
        ar.Close();
    }
    CFile in(file.Path(), CFile::modeRead);
    CArchive ar(&in, CArchive::load);
    std::unique_ptr<CPlot> pPlot(CPlot::ReadFromArchive(ar));
    EXPECT_NE(pPlot, nullptr);
    try
    {
        std::unique_ptr<CPlot> pOther(CPlot::ReadFromArchive(ar));
        ADD_FAILURE() << "a label was taken for a chart";
    }
    catch (CArchiveException* e)
    {
        e->Delete();
    }
}
