// The chart page of the property window: what it loads from the chart, its enable rule, Apply, the
// range message of the snap radius, and a colour popup that already enables Apply while it is open.
#include "ChartPropertyFixture.h"

#include "charting/CPalettePopup.h"
#include "support/ScriptedMessageBoxes.h"

TEST_F(ChartPropertyTest, ChartPageLoadsTheChartAndOpensInAStateItsControlsCanReach)
{
    Chart().SetSnapRange(7);
    Chart().SetSnapToCurve(false);
    Chart().SetDoubleBuffered(true);
    Show();
    EXPECT_EQ(ChartDlg().m_btnBackgroundColor.GetColor(), 0x7F7F7Fu);
    EXPECT_EQ(ChartDlg().m_btnInnerColor.GetColor(), 0xC0C0C0u);
    EXPECT_EQ(ChartDlg().m_btnPlotColor.GetColor(), RGB(255, 255, 255));
    EXPECT_EQ(Text(ChartDlg(), IDC_SNAPRANGEVALUE), "7");
    EXPECT_FALSE(IsChecked(ChartDlg(), IDC_CBSNAP));
    EXPECT_TRUE(IsChecked(ChartDlg(), IDC_CBDOUBLEBUFFER));
    EXPECT_EQ(Chosen(ChartDlg(), IDC_LEGENDSIDE), 1);
    int nLower = -1, nUpper = -1;
    ChartDlg().m_spinSnapRange.GetRange32(nLower, nUpper);
    EXPECT_EQ(nLower, 0);
    EXPECT_EQ(nUpper, 100);
    // The diagram shows no legend: its side cannot be chosen, and nothing is to apply yet.
    EXPECT_FALSE(IsChecked(ChartDlg(), IDC_CBSHOWLEGEND));
    EXPECT_FALSE(IsEnabled(ChartDlg(), IDC_LEGENDSIDE));
    EXPECT_FALSE(IsEnabled(ChartDlg(), IDC_APPLY));

    Click(ChartDlg(), IDC_CBSHOWLEGEND);
    EXPECT_TRUE(IsEnabled(ChartDlg(), IDC_LEGENDSIDE));
    EXPECT_TRUE(IsEnabled(ChartDlg(), IDC_APPLY));
    Click(ChartDlg(), IDC_CBSHOWLEGEND);
    EXPECT_FALSE(IsEnabled(ChartDlg(), IDC_LEGENDSIDE));
}

TEST_F(ChartPropertyTest, ChartPageApplyWritesColoursLegendSnapAndBuffering)
{
    Show();
    ChartDlg().m_btnBackgroundColor.SetColor(RGB(10, 20, 30));
    ChartDlg().m_btnInnerColor.SetColor(CLR_DEFAULT);
    ChartDlg().m_btnPlotColor.SetColor(RGB(250, 240, 230));
    Click(ChartDlg(), IDC_CBSHOWLEGEND);
    Choose(ChartDlg(), IDC_LEGENDSIDE, 0);
    Click(ChartDlg(), IDC_CBSNAP);
    Type(ChartDlg(), IDC_SNAPRANGEVALUE, "42");
    Click(ChartDlg(), IDC_CBDOUBLEBUFFER);
    const bool bSnapBefore = Chart().GetSnapToCurve();
    const bool bBufferedBefore = Chart().IsDoubleBuffered();
    Apply(ChartDlg());

    EXPECT_EQ(Chart().GetBackgroundColor(), RGB(10, 20, 30));
    // The automatic colour is the one the button shows.
    EXPECT_EQ(Chart().GetInnerAreaColor(), ChartDlg().m_btnInnerColor.GetAutomaticColor());
    EXPECT_EQ(Chart().GetPlotAreaColor(), RGB(250, 240, 230));
    EXPECT_TRUE(Chart().IsLegendVisible());
    EXPECT_EQ(Chart().GetLegendSide(), 0);
    EXPECT_EQ(Chart().GetSnapToCurve(), !bSnapBefore);
    EXPECT_EQ(Chart().GetSnapRange(), 42);
    EXPECT_EQ(Chart().IsDoubleBuffered(), !bBufferedBefore);
    EXPECT_FALSE(IsEnabled(ChartDlg(), IDC_APPLY));
}

TEST_F(ChartPropertyTest, SnapRadiusOutsideItsRangeBringsTheRangeMessageAndApplyKeepsTheLastValid)
{
    Show();
    Type(ChartDlg(), IDC_SNAPRANGEVALUE, "30");
    ScriptedMessageBoxes boxes;
    Type(ChartDlg(), IDC_SNAPRANGEVALUE, "150");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].strText, "Enter an integer between 0 and 100.");
    EXPECT_EQ(CWnd::GetFocus(), ChartDlg().GetDlgItem(IDC_SNAPRANGEVALUE));
    Type(ChartDlg(), IDC_SNAPRANGEVALUE, "");
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[1].strText, "Enter an integer.");
    Apply(ChartDlg());
    EXPECT_EQ(Chart().GetSnapRange(), 30);
}

TEST_F(ChartPropertyTest, HoveringOverAColourOfAPagesPopupEnablesApply)
{
    Show();
    CSwatchButton& button = ChartDlg().m_btnPlotColor;
    button.SendMessage(BM_CLICK);
    auto* pPopup = dynamic_cast<CPalettePopup*>(CWnd::GetCapture());
    ASSERT_NE(pPopup, nullptr);
    EXPECT_FALSE(IsEnabled(ChartDlg(), IDC_APPLY));
    CRect rect;
    ASSERT_TRUE(pPopup->CellRect(13, rect));
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_TRUE(IsEnabled(ChartDlg(), IDC_APPLY));
    pPopup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_FALSE(button.IsPopupOpen());
    Apply(ChartDlg());
    EXPECT_EQ(Chart().GetPlotAreaColor(), CPalettePopup::PaletteColor(13));
}
