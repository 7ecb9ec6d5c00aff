// The chart's hit test: hover messages, selection of axes, curves and legend rows, axis marker lines,
// double-clicks, point editing and the context menu request.
#include "support/ModalScript.h"
#include "PlotTestWindow.h"

#include <gtest/gtest.h>

TEST_F(PlotInteraction, HoveringPostsMinusOneForEachLowerCurveThenTheHoveredOne)
{
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 8) + CPoint(0, 1));
    Drain();
    EXPECT_EQ(m_parent.Params(WM_PLOT_CURVE_HOVER), (std::vector<int>{-1, 1}));
    m_parent.m_messages.clear();
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 2));
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 5));
    Drain();
    EXPECT_EQ(m_parent.Params(WM_PLOT_CURVE_HOVER), (std::vector<int>{0, -1, -1}));
    EXPECT_EQ(m_parent.m_messages.size(), 3u) << "hovering selects nothing";
}

TEST_F(PlotInteraction, WithoutInteractionNothingIsSelectedOrPosted)
{
    m_plot.SetInteraction(false);
    const CPoint onAxis = m_plot.GetYAxis(0).m_rcObject.CenterPoint();
    for (CPoint pt : {PixelOf(5, 2), onAxis, PixelOf(5, 5)})
    {
        Send(WM_MOUSEMOVE, 0, pt);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, pt);
        Send(WM_LBUTTONUP, 0, pt);
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
    }
    Drain();
    EXPECT_TRUE(m_parent.m_messages.empty());
    EXPECT_FALSE(m_plot.GetCurve(0).m_bSelected);
    EXPECT_FALSE(m_plot.GetYAxis(0).m_bSelected);
    EXPECT_TRUE(m_plot.GetYAxis(0).m_AxisMarkers.empty());
}

TEST_F(PlotInteraction, AClickSelectsAnAxisTheNextPutsAMarkerThereAndARightClickDeletesIt)
{
    auto click = [this](CPoint pt)
    {
        Send(WM_MOUSEMOVE, 0, pt);
        Send(WM_LBUTTONDOWN, MK_LBUTTON, pt);
        Send(WM_LBUTTONUP, 0, pt);
    };
    CPlotAxis& axis = m_plot.GetYAxis(0);
    click(axis.m_rcObject.CenterPoint());
    Drain();
    EXPECT_TRUE(axis.m_bSelected);
    EXPECT_EQ(m_parent.Params(WM_PLOT_YAXIS_SELECTED), std::vector<int>{0});

    const CPoint inPlot = PixelOf(4, 5);
    click(inPlot);
    EXPECT_FALSE(axis.m_bSelected);
    ASSERT_EQ(axis.m_AxisMarkers.size(), 1u);
    EXPECT_DOUBLE_EQ(axis.m_AxisMarkers[0].dValue, axis.PixelToValue(inPlot.y));

    m_parent.m_messages.clear();
    Send(WM_MOUSEMOVE, 0, inPlot + CPoint(30, 6)); // within the marker's band
    Send(WM_RBUTTONDOWN, MK_RBUTTON, inPlot + CPoint(30, 6));
    Send(WM_RBUTTONUP, 0, inPlot + CPoint(30, 6));
    Drain();
    EXPECT_TRUE(axis.m_AxisMarkers.empty());
    EXPECT_EQ(m_parent.Count(WM_PLOT_CONTEXT_MENU), 1);
}

TEST_F(PlotInteraction, ClicksSelectCurvesAndLegendRows)
{
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 2));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, PixelOf(5, 2));
    Send(WM_LBUTTONUP, 0, PixelOf(5, 2));
    Drain();
    EXPECT_TRUE(m_plot.GetCurve(0).m_bSelected);
    EXPECT_EQ(m_parent.Params(WM_PLOT_CURVE_SELECTED), std::vector<int>{0});

    m_plot.SetLegendVisible(true);
    Paint();
    ASSERT_EQ(m_plot.GetLegendEntries().size(), 2u);
    const CPoint row = m_plot.GetLegendEntries()[1].rcEntry.CenterPoint();
    Send(WM_MOUSEMOVE, 0, row);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, row);
    Send(WM_LBUTTONUP, 0, row);
    EXPECT_TRUE(m_plot.GetCurve(1).m_bSelected);
    EXPECT_FALSE(m_plot.GetCurve(0).m_bSelected);
}

TEST_F(PlotInteraction, ADoubleClickOnNothingIsReportedOnALabelItEditsIt)
{
    Send(WM_MOUSEMOVE, 0, PixelOf(5, 5));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PixelOf(5, 5));
    Drain();
    EXPECT_EQ(m_parent.Count(WM_PLOT_BACKGROUND_DBLCLK), 1);

    CPlotLabel* pLabel = m_plot.InsertLabel(CRect(100, 60, 160, 90), "Text");
    m_parent.m_messages.clear();
    Send(WM_MOUSEMOVE, 0, CPoint(130, 75));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, CPoint(130, 75));
    Drain();
    EXPECT_TRUE(pLabel->m_bEditing);
    EXPECT_EQ(m_parent.Count(WM_PLOT_BACKGROUND_DBLCLK), 0);
    pLabel->EndEdit();
}

TEST_F(PlotInteraction, ARightClickOverTheObjectLastClickedAsksNoContextMenu)
{
    m_plot.InsertLabel(CRect(100, 60, 160, 90), "Text");
    Send(WM_MOUSEMOVE, 0, CPoint(130, 75));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, CPoint(130, 75));
    Send(WM_LBUTTONUP, 0, CPoint(130, 75));
    {
        // The label's own menu comes instead; it is closed unused.
        ModalScript script;
        script.Then(ModalScript::MENU, [](HWND) { ::EndMenu(); });
        Send(WM_RBUTTONDOWN, MK_RBUTTON, CPoint(130, 75));
        Send(WM_RBUTTONUP, 0, CPoint(130, 75));
        EXPECT_TRUE(script.Done());
    }
    Send(WM_RBUTTONDOWN, MK_RBUTTON, PixelOf(9, 5));
    Send(WM_RBUTTONUP, 0, PixelOf(9, 5));
    Drain();
    EXPECT_EQ(m_parent.Count(WM_PLOT_CONTEXT_MENU), 1);
}

TEST_F(PlotInteraction, DraggingAPointInEditModeMovesItAndReportsTheEdit)
{
    Command(ID_PLOT_EDIT_MODE);
    const CPoint onCurve = PixelOf(5, 2);
    Send(WM_MOUSEMOVE, 0, onCurve);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, onCurve);
    Send(WM_MOUSEMOVE, MK_LBUTTON, onCurve); // the full test picks the point
    Send(WM_MOUSEMOVE, MK_LBUTTON, PixelOf(5, 4));
    Drain();
    ASSERT_GE(m_parent.Count(WM_PLOT_POINT_EDITED), 1);
    ASSERT_EQ(m_parent.m_messages.back().nMsg, WM_PLOT_POINT_EDITED);
    const auto* pEdit = reinterpret_cast<const PlotPointEdit*>(m_parent.m_messages.back().wParam);
    EXPECT_EQ(pEdit->iCurve, 0);
    EXPECT_NEAR(pEdit->dOldY, 2, 0.1);
    EXPECT_NEAR(pEdit->dNewY, 4, 0.1);
    EXPECT_EQ(m_low[pEdit->iPoint].y, pEdit->dNewY);
    EXPECT_EQ(m_plot.GetCurve(0).m_pData, m_low.data()) << "edited where the curve keeps its points";
    Send(WM_LBUTTONUP, 0, PixelOf(5, 4));
}
