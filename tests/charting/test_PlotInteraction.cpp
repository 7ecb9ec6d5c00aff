// The chart's interaction: zoom by rectangle with its history, pan, wheel and keys, cursor snapping,
// measurements, the Delete key, moving a label with its tracker, and the commands.
#include "PlotTestWindow.h"

#include "charting/CPlotDataNotation.h"

#include <gtest/gtest.h>

namespace
{
using Range = std::pair<double, double>;

void ExpectRange(const Range& actual, double dMin, double dMax, const char* lpszWhat)
{
    EXPECT_NEAR(actual.first, dMin, 1e-9) << lpszWhat;
    EXPECT_NEAR(actual.second, dMax, 1e-9) << lpszWhat;
}
} // namespace

TEST_F(PlotInteraction, AZoomRectangleBelow15PixelsChangesNothing)
{
    Command(ID_PLOT_ZOOM_MODE);
    const CPoint from = PixelOf(2, 8);
    Drag(from, from + CPoint(14, 40));
    Drain();
    ExpectRange(XRange(), 0, 10, "x");
    ExpectRange(YRange(), 0, 10, "y");
    EXPECT_EQ(m_parent.Count(WM_PLOT_ZOOM_CHANGED), 0);
    EXPECT_EQ(m_plot.GetZoomDepth(), 0);
}

TEST_F(PlotInteraction, A15By15RectangleZoomsEveryAxisAndPostsOnce)
{
    Command(ID_PLOT_ZOOM_MODE);
    const CPoint from = PixelOf(2, 8);
    const CPoint to = from + CPoint(15, 15);
    const double x0 = m_plot.GetXAxis(0).PixelToValue(from.x), x1 = m_plot.GetXAxis(0).PixelToValue(to.x);
    const double y0 = m_plot.GetYAxis(0).PixelToValue(to.y), y1 = m_plot.GetYAxis(0).PixelToValue(from.y);
    Drag(from, to);
    Drain();
    ExpectRange(XRange(), x0, x1, "x");
    ExpectRange(YRange(), y0, y1, "y");
    EXPECT_EQ(m_parent.Count(WM_PLOT_ZOOM_CHANGED), 1);
    EXPECT_EQ(m_plot.GetZoomDepth(), 1);
    EXPECT_TRUE(m_plot.m_rcZoom.IsRectEmpty());

    // A rectangle reaching out of the plot zooms to the plot's edge.
    Paint();
    const CRect rcPlot = m_plot.m_rcPlot;
    const double xRight = m_plot.GetXAxis(0).PixelToValue(rcPlot.right);
    const double yBottom = m_plot.GetYAxis(0).PixelToValue(rcPlot.bottom);
    Drag(rcPlot.CenterPoint(), CPoint(rcPlot.right + 30, rcPlot.bottom + 30));
    EXPECT_NEAR(XRange().second, xRight, 1e-9);
    EXPECT_NEAR(YRange().first, yBottom, 1e-9);
}

TEST_F(PlotInteraction, ZoomingBackRestoresEveryAxisAndResetKeepsTheHistory)
{
    Command(ID_PLOT_ZOOM_MODE);
    Drag(PixelOf(1, 9), PixelOf(6, 4));
    Paint();
    const Range x1 = XRange(), y1 = YRange();
    Drag(PixelOf(2, 8), PixelOf(4, 6));
    EXPECT_EQ(m_plot.GetZoomDepth(), 2);

    Command(ID_PLOT_ZOOM_BACK);
    ExpectRange(XRange(), x1.first, x1.second, "x after one");
    ExpectRange(YRange(), y1.first, y1.second, "y after one");
    Command(ID_PLOT_ZOOM_BACK);
    ExpectRange(XRange(), 0, 10, "x after two");
    ExpectRange(YRange(), 0, 10, "y after two");
    EXPECT_EQ(m_plot.GetZoomDepth(), 0);
    Drain();
    EXPECT_EQ(m_parent.Count(WM_PLOT_ZOOM_CHANGED), 4);

    Drag(PixelOf(1, 9), PixelOf(6, 4));
    Command(ID_PLOT_RESET_ZOOM);
    ExpectRange(XRange(), 0, 10, "x after reset");
    EXPECT_EQ(m_plot.GetZoomDepth(), 1);
}

TEST_F(PlotInteraction, PanMovesTheDataWithThePointer)
{
    Command(ID_PLOT_PAN_MODE);
    EXPECT_FALSE(m_plot.GetXAxis(0).m_bAutoScale);
    const CPoint from = PixelOf(5, 5);
    const int nUnit = PixelOf(6, 5).x - from.x; // about one x unit to the right
    const double d =
        m_plot.GetXAxis(0).PixelToValue(from.x + nUnit) - m_plot.GetXAxis(0).PixelToValue(from.x);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, from);
    Send(WM_MOUSEMOVE, MK_LBUTTON, from); // the reference point
    Send(WM_MOUSEMOVE, MK_LBUTTON, from + CPoint(nUnit, 0));
    Send(WM_LBUTTONUP, 0, from + CPoint(nUnit, 0));
    ExpectRange(XRange(), -d, 10 - d, "x");
    ExpectRange(YRange(), 0, 10, "y");
    Send(WM_MOUSEMOVE, MK_LBUTTON, from + CPoint(2 * nUnit, 0)); // the reference ended with the drag
    ExpectRange(XRange(), -d, 10 - d, "x after the drag");
}

TEST_F(PlotInteraction, WheelAndKeysMoveTheAxes)
{
    struct Case
    {
        const char* lpszWhat;
        std::function<void()> act;
        Range x, y;
    };
    const Case cases[] = {
        {"wheel away",
         [&] { m_plot.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0); },
         {1, 11},
         {0, 10}},
        {"wheel with Shift towards the user",
         [&] { m_plot.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, -WHEEL_DELTA), 0); },
         {0, 10},
         {-1, 9}},
        {"left arrow", [&] { Key(VK_LEFT); }, {1, 11}, {0, 10}},
        {"right arrow", [&] { Key(VK_RIGHT); }, {-1, 9}, {0, 10}},
        {"up arrow", [&] { Key(VK_UP); }, {0, 10}, {-1, 9}},
        {"down arrow", [&] { Key(VK_DOWN); }, {0, 10}, {1, 11}},
        {"numeric plus", [&] { Key(VK_ADD); }, {1, 9}, {1, 9}},
        {"numeric minus", [&] { Key(VK_SUBTRACT); }, {-1, 11}, {-1, 11}},
    };
    for (const Case& c : cases)
    {
        for (CPlotAxis* pAxis : {&m_plot.GetXAxis(0), &m_plot.GetYAxis(0)})
            pAxis->SetRange(0, 10);
        Paint();
        c.act();
        ExpectRange(XRange(), c.x.first, c.x.second, c.lpszWhat);
        ExpectRange(YRange(), c.y.first, c.y.second, c.lpszWhat);
    }
    Key(VK_HOME);
    ExpectRange(XRange(), 0, 10, "home");
}

TEST_F(PlotInteraction, InCursorModeTheArrowsMoveTheCursorAndNoAxis)
{
    Command(ID_PLOT_CURSOR_MODE);
    EXPECT_EQ(m_plot.m_iMode, PLOT_MODE_CURSOR);
    const CPoint start = PixelOf(5, 5);
    Send(WM_MOUSEMOVE, 0, start);
    Key(VK_LEFT);
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(m_plot.m_ptMouse, start + CPoint(-1, -2));
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(m_plot.m_ptMouse, start + CPoint(0, -1));
    ExpectRange(XRange(), 0, 10, "x");
    ExpectRange(YRange(), 0, 10, "y");
}

TEST_F(PlotInteraction, TheCursorSnapsWithinNinePixelsNotTen)
{
    Command(ID_PLOT_CURSOR_MODE);
    const CPoint onCurve = PixelOf(5, 2);
    Send(WM_MOUSEMOVE, 0, onCurve - CSize(0, 9));
    EXPECT_EQ(m_plot.m_iCursorCurve, 0);
    EXPECT_EQ(m_plot.m_ptMouse, onCurve);
    Drain();
    EXPECT_EQ(m_parent.Count(WM_PLOT_CURSOR_MOVED), 1);

    Send(WM_MOUSEMOVE, 0, onCurve - CSize(0, 10));
    EXPECT_EQ(m_plot.m_iCursorCurve, -1);
    EXPECT_EQ(m_plot.m_ptMouse, onCurve - CSize(0, 10));

    // Hidden curves are not snapped to.
    m_plot.SetCurveVisible(0, false);
    Send(WM_MOUSEMOVE, 0, onCurve - CSize(0, 3));
    EXPECT_EQ(m_plot.m_iCursorCurve, -1);
}

TEST_F(PlotInteraction, AMeasurementFromRightToLeftHasANegativeXAndAPositiveYDifference)
{
    Command(ID_PLOT_MEASURE_MODE);
    const CPoint start = PixelOf(8, 8) + CPoint(0, 3); // snaps onto curve 1
    const CPoint end = PixelOf(2, 2) - CSize(0, 4);    // snaps onto curve 0
    Drag(start, end);
    ASSERT_EQ(m_plot.m_Measurements.size(), 1u);
    const PlotMeasurement& m = m_plot.m_Measurements.back();
    EXPECT_EQ(m.iStartCurve, 1);
    EXPECT_EQ(m.iEndCurve, 0);
    double dx, dy;
    ASSERT_TRUE(
        m_plot.MeasureDifference(CRect(PixelOf(8, 8), PixelOf(2, 2)), m.iStartCurve, m.iEndCurve, dx, dy));
    EXPECT_NEAR(dx, -6, 0.1);
    EXPECT_DOUBLE_EQ(dy, 6);
    EXPECT_FALSE(m_plot.MeasureDifference(CRect(), 0, 5, dx, dy));

    // A click without a drag measures from the snapped point to itself.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, start);
    Send(WM_LBUTTONUP, 0, PixelOf(8, 8));
    ASSERT_EQ(m_plot.m_Measurements.size(), 2u);
    EXPECT_EQ(m_plot.m_Measurements.back().iEndCurve, 1);
    EXPECT_EQ(m_plot.m_Measurements.back().iEndPoint, m_plot.m_Measurements.back().iStartPoint);
}

TEST_F(PlotInteraction, DeleteRemovesASizedLabelButNeverTheCursorLabel)
{
    // The cursor label, clicked in cursor mode away from the curves, is selected and sized.
    Command(ID_PLOT_CURSOR_MODE);
    const CPoint inLabel = m_plot.m_CursorLabel.m_rcObject.TopLeft() + CPoint(20, 5);
    Send(WM_MOUSEMOVE, 0, inLabel);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, inLabel);
    Send(WM_LBUTTONUP, 0, inLabel);
    ASSERT_EQ(m_plot.m_pSelectedObject, &m_plot.m_CursorLabel);
    ASSERT_TRUE(m_plot.m_CursorLabel.m_bSizing);
    MSG msg = {m_plot.m_hWnd, WM_KEYDOWN, VK_DELETE, 0, 0, {}};
    m_plot.PreTranslateMessage(&msg);
    ASSERT_EQ(m_plot.GetObjects().size(), 1u);
    EXPECT_EQ(m_plot.GetObjects().front(), &m_plot.m_CursorLabel);

    Command(ID_PLOT_NO_MODE);
    CPlotLabel* pLabel = m_plot.InsertLabel(CRect(100, 60, 160, 90), "Text");
    Send(WM_MOUSEMOVE, 0, CPoint(130, 75));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(130, 75));
    Send(WM_LBUTTONUP, 0, CPoint(130, 75));
    ASSERT_EQ(m_plot.m_pSelectedObject, pLabel);
    ASSERT_TRUE(pLabel->m_bSizing);
    msg.message = WM_KEYUP;
    m_plot.PreTranslateMessage(&msg);
    EXPECT_EQ(m_plot.GetObjects().size(), 1u);
    EXPECT_EQ(m_plot.m_pSelectedObject, nullptr);
}

TEST_F(PlotInteraction, ASizedLabelIsMovedByItsTracker)
{
    CPlotLabel* pLabel = m_plot.InsertLabel(CRect(100, 60, 160, 90), "Text");
    Send(WM_MOUSEMOVE, 0, CPoint(130, 75));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(130, 75));
    Send(WM_LBUTTONUP, 0, CPoint(130, 75));
    ASSERT_TRUE(pLabel->m_bSizing);
    // The drag the tracker reads: 20 pixels right and 10 down, then the release.
    m_plot.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 85));
    m_plot.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(150, 85));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(130, 75));
    EXPECT_EQ(pLabel->m_rcObject, CRect(120, 70, 180, 100));
    EXPECT_FALSE(m_plot.m_bLButtonDown);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(PlotInteraction, ACursorClickNotesThePointAndChartPropertiesAreAskedOfTheParent)
{
    Command(ID_PLOT_CURSOR_MODE);
    const CPoint onCurve = PixelOf(9, 8) + CPoint(0, 4); // right of the cursor label
    Send(WM_MOUSEMOVE, 0, onCurve);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, onCurve);
    Send(WM_LBUTTONUP, 0, onCurve);
    ASSERT_EQ(m_plot.GetObjects().size(), 2u);
    const auto* pNote = dynamic_cast<const CPlotDataNotation*>(m_plot.GetObjects().back());
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(pNote->m_iCurve, 1);
    EXPECT_DOUBLE_EQ(pNote->m_dY, 8);
    // Number, x text and x title (a blank by default), a comma, y text and y title.
    CString strExpected;
    strExpected.Format("[%d] : %s ,%s ", pNote->m_iIndex + 1,
                       m_plot.GetXAxis(0).GetLabelText(pNote->m_dX, false).GetString(),
                       m_plot.GetYAxis(0).GetLabelText(8, false).GetString());
    EXPECT_EQ(pNote->m_strText, strExpected);

    Command(ID_PLOT_CHART_PROPERTIES);
    Drain();
    ASSERT_EQ(m_parent.Params(WM_COMMAND), std::vector<int>{ID_PLOT_CHART_PROPERTIES});
}

TEST_F(PlotInteraction, TrendCommandsAddACurveForTheHoveredOne)
{
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 2));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PixelOf(5, 2));
    Send(WM_LBUTTONUP, 0, PixelOf(5, 2)); // selects curve 0 and makes it the hovered curve
    Command(ID_PLOT_LINEAR_TREND);
    ASSERT_EQ(m_plot.GetCurveCount(), 3);
    EXPECT_TRUE(m_plot.GetCurve(2).m_bOwnData);
    EXPECT_EQ(m_plot.GetCurve(2).m_strTitle, m_plot.GetCurve(0).m_strTitle + " linear trend");
    EXPECT_EQ(m_plot.GetCurve(2).m_iCount, 11);
}

TEST_F(PlotInteraction, ThePointerShapeFollowsTheMode)
{
    struct Case
    {
        UINT nCommand;
        LPCSTR lpszCursor;
    } cases[] = {
        {ID_PLOT_PAN_MODE, IDC_SIZEALL}, {ID_PLOT_ZOOM_MODE, IDC_CROSS}, {ID_PLOT_CURSOR_MODE, IDC_CROSS}};
    for (const Case& c : cases)
    {
        Command(c.nCommand);
        ::SetCursor(nullptr);
        m_plot.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_plot.m_hWnd),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, c.lpszCursor)) << c.nCommand;
    }
    // With no mode, the hand over something the pointer can select.
    Command(ID_PLOT_NO_MODE);
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 2));
    m_plot.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_plot.m_hWnd),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_HAND));
}
