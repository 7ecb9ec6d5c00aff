// The dialogs that run modally from the chart: the label dialog from the label's "Properties" menu,
// and the moving-average and trend dialogs of the curve page's derived curves. Their modal loops are
// answered by a script; message boxes and the font dialog by the framework's seams.
#include "ChartPropertyFixture.h"
#include "support/ModalScript.h"

#include "charting/CLabelDlg.h"
#include "charting/CMovingAvgDlg.h"
#include "charting/CPlotDataSerie.h"
#include "charting/CPlotLabel.h"
#include "charting/CTrendDlg.h"
#include "charting/ColorPickMessages.h"
#include "controls/ClientShot.h"
#include "framework/CFontDialog.h"
#include "support/ScriptedMessageBoxes.h"

#include <cstring>

namespace
{
template <class T> T& DialogOf(HWND hWnd)
{
    auto* pDlg = dynamic_cast<T*>(CWnd::FromHandlePermanent(hWnd));
    EXPECT_NE(pDlg, nullptr);
    return *pDlg;
}

void Press(CWnd& dlg, int nID)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(nID)->m_hWnd));
}

// A font dialog that answers with a 20-pixel "Times New Roman" in the given colour.
class ChosenFont
{
public:
    explicit ChosenFont(COLORREF crColor)
    {
        CFontDialog::SetModalHook(
            [crColor](CFontDialog& dlg)
            {
                dlg.m_lf = {};
                dlg.m_lf.lfHeight = -20;
                std::strcpy(dlg.m_lf.lfFaceName, "Times New Roman");
                dlg.m_cf.rgbColors = crColor;
                return (INT_PTR)IDOK;
            });
    }
    ~ChosenFont() { CFontDialog::SetModalHook(nullptr); }
};

LONG FontHeight(const CPlotLabel& label)
{
    LOGFONTA lf = {};
    const_cast<CFont&>(label.m_Font).GetLogFont(&lf);
    return lf.lfHeight;
}
} // namespace

class ChartDialogTest : public ChartPropertyTest
{
protected:
    CPlotLabel& NewLabel()
    {
        CPlotLabel* pLabel = Chart().InsertLabel(CRect(60, 40, 160, 80), "Notiz");
        pLabel->m_bBorder = true;
        return *pLabel;
    }
    // The label's properties command as the chart runs it, answered by the script.
    void InvokeWith(CPlotLabel& label, std::function<void(CLabelDlg&)> action)
    {
        ModalScript script;
        script.Then(ModalScript::MENU, ModalScript::ChooseFirstMenuEntry);
        script.Then("Properties", [&action](HWND hWnd) { action(DialogOf<CLabelDlg>(hWnd)); });
        label.InvokeProperties();
        EXPECT_TRUE(script.Done());
    }
};

TEST_F(ChartDialogTest, RightClickOnTheHoverLabelOpensTheLabelDialogWhichCarriesEverythingToTheLabel)
{
    // The tooltip of curve 1 at a resting pointer.
    m_wnd.setHoverDelay(1);
    m_wnd.setTooltipTime(60000);
    m_wnd.redrawChart();
    const CurvePoint point = {10, Chart().GetCurve(0).GetY(10)};
    const CPoint onCurve(Chart().GetXAxis(0).ValueToPixel(point).x,
                         Chart().GetYAxis(0).ValueToPixel(point).y);
    auto send = [this](UINT nMsg, UINT nFlags, CPoint pt)
    { Chart().SendMessage(nMsg, nFlags, MAKELPARAM(pt.x, pt.y)); };
    send(WM_MOUSEMOVE, 0, onCurve);
    send(WM_MOUSEMOVE, 0, onCurve);
    CPlotLabel& label = *m_wnd.getHoverLabel();
    ASSERT_TRUE(PumpUntil([&] { return label.m_bVisible; }));
    label.m_bBorder = true;

    ModalScript script;
    script.Then(ModalScript::MENU, ModalScript::ChooseFirstMenuEntry);
    script.Then("Properties",
                [this](HWND hWnd)
                {
                    CLabelDlg& dlg = DialogOf<CLabelDlg>(hWnd);
                    ASSERT_EQ(dlg.m_cbCurve.GetCount(), 10);
                    EXPECT_EQ(EntryText(dlg, IDC_LABELCURVE, 0), "01 Kurve 1");
                    EXPECT_EQ(EntryText(dlg, IDC_LABELCURVE, 9), "10 Kurve 10");
                    EXPECT_EQ(Chosen(dlg, IDC_LABELCURVE), -1) << "connected to no curve";
                    EXPECT_EQ(Chosen(dlg, IDC_LABELALIGN), 0);
                    EXPECT_TRUE(IsChecked(dlg, IDC_LABELBORDER));
                    EXPECT_FALSE(IsEnabled(dlg, IDC_APPLY));
                    dlg.m_btnBackColor.SetColor(RGB(255, 255, 0));
                    dlg.SendMessage(WM_COLORPICK_CHANGED, RGB(255, 255, 0), IDC_PROP_COLOR);
                    EXPECT_TRUE(IsEnabled(dlg, IDC_APPLY));
                    {
                        ChosenFont font(RGB(0, 0, 200));
                        Press(dlg, IDC_LABELFONT);
                    }
                    Choose(dlg, IDC_LABELALIGN, 2);
                    Choose(dlg, IDC_LABELCURVE, 3);
                    Click(dlg, IDC_LABELTRANSPARENT);
                    Click(dlg, IDC_LABELBORDER);
                    CClientShot(&dlg).Save("chart_label_dialog");
                    Press(dlg, IDOK);
                });
    // Clicked first, then right-clicked: the label's properties instead of the diagram's menu.
    const CPoint inLabel = label.m_rcObject.CenterPoint();
    send(WM_MOUSEMOVE, 0, inLabel);
    send(WM_LBUTTONDOWN, MK_LBUTTON, inLabel);
    send(WM_LBUTTONUP, 0, inLabel);
    send(WM_RBUTTONDOWN, MK_RBUTTON, inLabel);
    send(WM_RBUTTONUP, 0, inLabel);
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(label.m_crBackColor, RGB(255, 255, 0));
    EXPECT_EQ(FontHeight(label), -20);
    EXPECT_EQ(label.m_crText, RGB(0, 0, 200));
    EXPECT_EQ(label.m_iAlign, DT_RIGHT);
    EXPECT_EQ(label.m_iCurve, 3);
    EXPECT_TRUE(label.m_bTransparent);
    EXPECT_FALSE(label.m_bBorder);
}

TEST_F(ChartDialogTest, LabelFontStaysWhenTheDialogIsCancelledAndOkWithoutChangesKeepsTheLabel)
{
    CPlotLabel& label = NewLabel();
    label.m_iCurve = 1;
    InvokeWith(label,
               [](CLabelDlg& dlg)
               {
                   EXPECT_EQ(Chosen(dlg, IDC_LABELCURVE), 1);
                   ChosenFont font(RGB(200, 0, 0));
                   Press(dlg, IDC_LABELFONT);
                   Click(dlg, IDC_LABELBORDER);
                   Press(dlg, IDCANCEL);
               });
    EXPECT_EQ(FontHeight(label), -20);
    EXPECT_EQ(label.m_crText, RGB(200, 0, 0));
    EXPECT_TRUE(label.m_bBorder) << "cancelled";

    InvokeWith(label, [](CLabelDlg& dlg) { Press(dlg, IDOK); });
    EXPECT_EQ(label.m_iCurve, 1);
    EXPECT_TRUE(label.m_bBorder);
    EXPECT_EQ(label.m_iAlign, 0);
}

TEST_F(ChartDialogTest, LinearTrendOfTwentyPointsExtendedByFiveIsANewCurveOfTwentyFive)
{
    ShowTab(CChartPage::TAB_CURVE);
    ModalScript script;
    script.Then("Trend",
                [](HWND hWnd)
                {
                    CTrendDlg& dlg = DialogOf<CTrendDlg>(hWnd);
                    int nLower = -1, nUpper = -1;
                    dlg.m_spinExtension.GetRange32(nLower, nUpper);
                    EXPECT_EQ(nUpper, 100000000);
                    EXPECT_EQ(Text(dlg, IDC_MAXDEGREE), "5");
                    dlg.SetDlgItemText(IDC_EXTENSION, "5");
                    Press(dlg, IDOK);
                });
    const int nCurves = Chart().GetCurveCount();
    CurveDlg().MakeLinearTrend();
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(Chart().GetCurveCount(), nCurves + 1);
    const CPlotDataSerie& trend = Chart().GetCurve(nCurves);
    EXPECT_EQ(trend.m_iCount, kPoints + 5);
    EXPECT_EQ(trend.m_strTitle, "Kurve 1 Trend (lin.)");
    EXPECT_EQ(trend.m_iYAxis, Chart().GetCurve(0).m_iYAxis);
    EXPECT_TRUE(trend.m_bOwnData);
    EXPECT_DOUBLE_EQ(trend.GetX(kPoints + 4), kPoints + 4.0) << "x continued by the first spacing";
    // The page still edits its curve, wherever the chart now keeps it.
    EXPECT_EQ(CurveDlg().GetCurve(), &Chart().GetCurve(0));
}

TEST_F(ChartDialogTest, MovingAverageOfSevenPointsOffersWindowsOneToThree)
{
    m_wnd.clearCurve(2);
    for (int i = 0; i < 7; ++i)
        m_wnd.addPoint(2, i, i * i);
    m_wnd.showCurve(2, true, false, false);
    ShowTab(CChartPage::TAB_CHART);
    Choose(ChartDlg(), IDC_CURVELIST, 2);
    ScriptedMessageBoxes boxes;
    ModalScript script;
    script.Then("Moving average",
                [&boxes](HWND hWnd)
                {
                    CMovingAvgDlg& dlg = DialogOf<CMovingAvgDlg>(hWnd);
                    int nLower = -1, nUpper = -1;
                    dlg.m_spinWindowSize.GetRange32(nLower, nUpper);
                    EXPECT_EQ(nLower, 1);
                    EXPECT_EQ(nUpper, 3);
                    EXPECT_EQ(EntryText(dlg, IDC_PROP_TYPE, 4), "Sine-weighted");
                    dlg.SetDlgItemText(IDC_WINDOWSIZE, "4");
                    Press(dlg, IDOK);
                    ASSERT_EQ(boxes.Calls().size(), 1u);
                    EXPECT_EQ(boxes.Calls()[0].strText, "Enter an integer between 1 and 3.");
                    Choose(dlg, IDC_PROP_TYPE, 2);
                    dlg.SetDlgItemText(IDC_WINDOWSIZE, "3");
                    Press(dlg, IDOK);
                });
    const int nCurves = Chart().GetCurveCount();
    CurveDlg().MakeMovingAverage();
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(Chart().GetCurveCount(), nCurves + 1);
    EXPECT_EQ(Chart().GetCurve(nCurves).m_iCount, 7);
    EXPECT_EQ(Chart().GetCurve(nCurves).m_strTitle, "Kurve 3 AVG, exponential");
}

TEST(CurvePageRules, PolynomialTextListsTheNonZeroCoefficients)
{
    CPolynomialSolver solver;
    solver.m_iCoeffCount = 2;
    solver.m_dCoeff[0] = 1.5;
    EXPECT_EQ(CCurveDlg::PolynomialText(solver), "f(x)=1.5000e+00*X^0+\n");
    solver.m_iCoeffCount = 3;
    solver.m_dCoeff[2] = -0.25;
    EXPECT_EQ(CCurveDlg::PolynomialText(solver), "f(x)=1.5000e+00*X^0+\n-2.5000e-01*X^2");
}

TEST_F(ChartDialogTest, PolynomialTrendAddsTheCurveAndItsFormulaAsALabel)
{
    ShowTab(CChartPage::TAB_CURVE);
    ModalScript script;
    script.Then("Trend", [](HWND hWnd) { Press(DialogOf<CTrendDlg>(hWnd), IDOK); });
    const size_t nObjects = Chart().GetObjects().size();
    const int nCurves = Chart().GetCurveCount();
    CurveDlg().MakePolynomialTrend();
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(Chart().GetCurveCount(), nCurves + 1);
    EXPECT_EQ(Chart().GetCurve(nCurves).m_strTitle, "Kurve 1 Trend (poly.) ");
    ASSERT_EQ(Chart().GetObjects().size(), nObjects + 1);
    const auto* pLabel = dynamic_cast<const CPlotLabel*>(Chart().GetObjects().back());
    ASSERT_NE(pLabel, nullptr);
    EXPECT_EQ(pLabel->m_strText.Left(5), "f(x)=");
    EXPECT_EQ(pLabel->m_rcObject.TopLeft(), CPoint(200, 200));
    EXPECT_GT(pLabel->m_rcObject.Height(), 20) << "one line per term";
}
