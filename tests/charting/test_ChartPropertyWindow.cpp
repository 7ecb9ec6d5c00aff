// The chart property window of the diagram window: created hidden, its pages built at the first
// showing, each showing starting on the chart tab, tab changes, OK and Cancel from any page, Enter and
// Escape inside a page, and choosing on the chart page which axis and curve the other pages edit.
#include "ChartPropertyFixture.h"

#include "charting/CPalettePopup.h"
#include "controls/ClientShot.h"

#include <vector>

namespace
{
CString TabText(CTabCtrl& tab, int i)
{
    char sz[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = sz;
    item.cchTextMax = sizeof(sz);
    tab.GetItem(i, &item);
    return sz;
}

LPARAM TabData(CTabCtrl& tab, int i)
{
    TCITEMA item = {};
    item.mask = TCIF_PARAM;
    tab.GetItem(i, &item);
    return item.lParam;
}

CPoint PositionIn(CWnd& child, CWnd& parent)
{
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect.TopLeft();
}
} // namespace

TEST_F(ChartPropertyTest, WindowIsCreatedHiddenAndBuildsItsPagesAtTheFirstShowing)
{
    ASSERT_NE(m_wnd.GetChartPage(), nullptr);
    EXPECT_TRUE(Window().IsWindow());
    EXPECT_FALSE(Window().IsWindowVisible());
    EXPECT_FALSE(Window().GetStyle() & WS_CHILD);
    EXPECT_EQ(::GetWindow(Window(), GW_OWNER), m_frame.GetSafeHwnd()) << "the chart's top-level window";
    EXPECT_EQ(Window().GetChartDlg(), nullptr);
    EXPECT_EQ(Window().GetAxisDlg(), nullptr);
    EXPECT_EQ(Window().GetCurveDlg(), nullptr);

    Show();
    ASSERT_NE(Window().GetChartDlg(), nullptr);
    ASSERT_NE(Window().GetAxisDlg(), nullptr);
    ASSERT_NE(Window().GetCurveDlg(), nullptr);
    CString strCaption;
    Window().GetWindowText(strCaption);
    EXPECT_EQ(strCaption, "Einstellungen");
    CTabCtrl& tab = Window().m_ctrlTab;
    ASSERT_EQ(tab.GetItemCount(), 3);
    const char* titles[] = {"Diagramm", "Achse", "Meßkurve"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(TabText(tab, i), titles[i]);
        EXPECT_EQ(TabData(tab, i), reinterpret_cast<LPARAM>(Window().GetTabPage(i)));
        EXPECT_EQ(Window().GetTabPage(i)->GetParent(), &tab);
    }
    EXPECT_EQ(tab.GetCurSel(), 0);
    EXPECT_TRUE(ChartDlg().IsWindowVisible());
    EXPECT_FALSE(AxisDlg().IsWindowVisible() || AxisDlg().IsWindowEnabled());
    EXPECT_FALSE(CurveDlg().IsWindowVisible() || CurveDlg().IsWindowEnabled());
    EXPECT_EQ(PositionIn(ChartDlg(), tab), CPoint(8, 25));
    // The pages start with y axis 0 and curve 0.
    EXPECT_EQ(AxisDlg().GetAxis(), &Chart().GetYAxis(0));
    EXPECT_EQ(CurveDlg().GetCurve(), &Chart().GetCurve(0));
}

TEST_F(ChartPropertyTest, TheDiagramsTablesGiveCaptionTabTitlesAndControlTexts)
{
    Show();
    EXPECT_EQ(Text(ChartDlg(), IDC_BGCOL), "Hintergrund");
    EXPECT_EQ(Text(AxisDlg(), IDC_AXFONT), "Bez. Schriftart");
    EXPECT_EQ(Text(CurveDlg(), IDC_EDMARKERSIZE), "Meßpunktgröße");
    EXPECT_EQ(Text(CurveDlg(), IDCANCEL), "Abbrechen");
    EXPECT_EQ(Text(CurveDlg(), IDOK), "OK");
    EXPECT_EQ(Window().m_ctrlTab.GetCurSel(), 0);

    // Other tables take effect at the next showing; the last caption wins, a later text of the same
    // control wins, and a page without a tab title gets no tab.
    DlgTextTable chart, axis, curve;
    chart.Add({DLGTEXT_CAPTION, "Chart settings"});
    chart.Add({DLGTEXT_TAB_TITLE, "Chart"});
    chart.Add({IDC_BGCOL, "Background"});
    chart.Add({IDC_BGCOL, "Back"});
    axis.Add({IDC_AXFONT, "Title font"});
    curve.Add({DLGTEXT_TAB_TITLE, "Curve"});
    curve.Add({DLGTEXT_CAPTION, "Properties"});
    m_wnd.setChartPageTexts(chart);
    m_wnd.setAxisPageTexts(axis);
    m_wnd.setCurvePageTexts(curve);
    EXPECT_EQ(Text(ChartDlg(), IDC_BGCOL), "Hintergrund");
    m_wnd.hideSettingsPage();
    EXPECT_FALSE(Window().IsWindowVisible());
    Show();
    CString strCaption;
    Window().GetWindowText(strCaption);
    EXPECT_EQ(strCaption, "Properties");
    EXPECT_EQ(Text(ChartDlg(), IDC_BGCOL), "Back");
    EXPECT_EQ(Text(AxisDlg(), IDC_AXFONT), "Title font");
    CTabCtrl& tab = Window().m_ctrlTab;
    ASSERT_EQ(tab.GetItemCount(), 2);
    EXPECT_EQ(TabText(tab, 0), "Chart");
    EXPECT_EQ(TabText(tab, 1), "Curve");
    EXPECT_EQ(TabData(tab, 1), reinterpret_cast<LPARAM>(&CurveDlg()));
    EXPECT_EQ(tab.GetCurSel(), 0);
}

TEST_F(ChartPropertyTest, TabsShowTheirPagesAndEachShowingStartsOnTheChartTab)
{
    // OK and Cancel of a page close the window from any tab.
    for (int nButton : {IDOK, IDCANCEL})
    {
        ShowTab(CChartPage::TAB_AXIS);
        EXPECT_TRUE(AxisDlg().IsWindowVisible() && AxisDlg().IsWindowEnabled());
        EXPECT_FALSE(ChartDlg().IsWindowVisible() || ChartDlg().IsWindowEnabled());
        EXPECT_EQ(PositionIn(AxisDlg(), Window().m_ctrlTab), CPoint(8, 25));
        EXPECT_EQ(::GetWindow(Window().m_ctrlTab, GW_CHILD), AxisDlg().GetSafeHwnd()) << "on top";

        AxisDlg().SendMessage(WM_COMMAND, nButton);
        EXPECT_FALSE(Window().IsWindowVisible()) << nButton;

        Show();
        EXPECT_EQ(Window().m_ctrlTab.GetCurSel(), 0) << nButton;
        EXPECT_TRUE(ChartDlg().IsWindowVisible());
        EXPECT_FALSE(AxisDlg().IsWindowVisible());
        Window().OnCancel();
    }
    // The same pages serve every showing.
    CDialog* pAxisPage = &AxisDlg();
    ShowTab(CChartPage::TAB_CURVE);
    EXPECT_TRUE(CurveDlg().IsWindowVisible());
    EXPECT_EQ(&AxisDlg(), pAxisPage);
    // A selection without a page hides all three.
    ShowTab(-1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Window().GetTabPage(i)->IsWindowVisible()) << i;
}

TEST_F(ChartPropertyTest, EnterAndEscapeDoNothingInsideAPageButCloseTheWindowItself)
{
    ShowTab(CChartPage::TAB_AXIS);
    Type(AxisDlg(), IDC_PROP_TITLE, "Kraft");
    CWnd* pEdit = AxisDlg().GetDlgItem(IDC_PROP_TITLE);
    for (UINT nKey : {VK_RETURN, VK_ESCAPE})
        for (UINT nMessage : {WM_KEYDOWN, WM_KEYUP})
        {
            MSG msg = {pEdit->m_hWnd, nMessage, nKey, 0, 0, {0, 0}};
            EXPECT_TRUE(CWnd::WalkPreTranslateTree(Window(), &msg)) << nKey << " swallowed";
        }
    pEdit->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
    pEdit->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    PumpFor(50);
    EXPECT_TRUE(Window().IsWindowVisible());
    EXPECT_TRUE(IsEnabled(AxisDlg(), IDC_APPLY)) << "nothing applied";
    EXPECT_NE(Chart().GetYAxis(0).GetTitle(), "Kraft");

    // Escape on the tab control is the window's own Cancel.
    MSG msg = {Window().m_ctrlTab.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    Window().PreTranslateMessage(&msg);
    PumpUntil([this] { return !Window().IsWindowVisible(); }, 1000);
    EXPECT_FALSE(Window().IsWindowVisible());
}

TEST_F(ChartPropertyTest, ChartPageListsChooseWhatTheAxisAndCurvePagesEdit)
{
    // A second x axis to choose.
    static const CurvePoint kLine[2] = {{0, 0}, {100, 5}};
    ASSERT_NE(Chart().SetData(kLine, 2, 10, 1, 0, true, true, false), nullptr);
    Chart().GetXAxis(1).m_strTitle = "Zeit";
    Show();
    ASSERT_EQ(ChartDlg().m_cbXAxis.GetCount(), 2);
    EXPECT_EQ(EntryText(ChartDlg(), IDC_XAXISLIST, 1), "2 Zeit");
    EXPECT_EQ(ChartDlg().m_cbCurve.GetCount(), 11);
    EXPECT_EQ(EntryText(ChartDlg(), IDC_CURVELIST, 9), "10 Kurve 10");
    EXPECT_EQ(Chosen(ChartDlg(), IDC_YAXISLIST), 0) << "the start axis";
    EXPECT_EQ(Chosen(ChartDlg(), IDC_XAXISLIST), -1);
    EXPECT_EQ(Chosen(ChartDlg(), IDC_CURVELIST), 0);

    Choose(ChartDlg(), IDC_XAXISLIST, 1);
    EXPECT_EQ(Chosen(ChartDlg(), IDC_YAXISLIST), -1);
    EXPECT_EQ(AxisDlg().GetAxis(), &Chart().GetXAxis(1));
    EXPECT_EQ(Text(AxisDlg(), IDC_PROP_TITLE), "Zeit") << "reloaded";
    EXPECT_TRUE(Chart().GetXAxis(1).m_bSelected);

    Choose(ChartDlg(), IDC_YAXISLIST, 1);
    EXPECT_EQ(Chosen(ChartDlg(), IDC_XAXISLIST), -1);
    EXPECT_EQ(AxisDlg().GetAxis(), &Chart().GetYAxis(1));
    EXPECT_TRUE(Chart().GetYAxis(1).m_bSelected);
    EXPECT_FALSE(Chart().GetYAxis(0).m_bSelected);
    EXPECT_TRUE(Chart().GetXAxis(1).m_bSelected) << "choosing a y axis touches only the y axes";
    // An axis whose side the chart's layout has still to choose shows no side and gets none from Apply
    // (the layout then gives it one).
    Chart().GetYAxis(2).m_iSide = 2;
    Choose(ChartDlg(), IDC_YAXISLIST, 2);
    EXPECT_EQ(Chosen(AxisDlg(), IDC_AXSIDE), -1);
    ShowTab(CChartPage::TAB_AXIS);
    Type(AxisDlg(), IDC_PROP_TITLE, "Weg");
    Apply(AxisDlg());
    EXPECT_EQ(Chart().GetYAxis(2).GetTitle(), "Weg");
    EXPECT_NE(Chart().GetYAxis(2).m_iSide, -1);
    ShowTab(CChartPage::TAB_CHART);

    Choose(ChartDlg(), IDC_CURVELIST, 4);
    EXPECT_EQ(CurveDlg().GetCurve(), &Chart().GetCurve(4));
    EXPECT_EQ(Text(CurveDlg(), IDC_PROP_TITLE), "Kurve 5");
    EXPECT_TRUE(Chart().GetCurve(4).m_bSelected);
    EXPECT_FALSE(IsEnabled(ChartDlg(), IDC_APPLY)) << "a choice is no setting";
}

TEST_F(ChartPropertyTest, CancelChangesNothingAndKeepsWhatWasTypedForTheNextShowing)
{
    auto state = [this]
    {
        const CPlotAxis& axis = Chart().GetYAxis(0);
        const CPlotDataSerie& curve = Chart().GetCurve(0);
        CString str;
        str.Format("%06lX %d %d %d | %s %d %d %s | %d %s %06lX %d", Chart().GetBackgroundColor(),
                   Chart().IsLegendVisible(), Chart().GetSnapRange(), Chart().IsDoubleBuffered(),
                   (LPCSTR)axis.GetTitle(), axis.m_bGrid, axis.m_iArrowSize, (LPCSTR)axis.GetFormat(),
                   curve.m_iLineWidth, (LPCSTR)curve.m_strTitle, curve.m_crColor, curve.m_bFill);
        return str;
    };
    const CString strBefore = state();
    Show();
    ChartDlg().m_btnBackgroundColor.SetColor(RGB(1, 2, 3));
    Click(ChartDlg(), IDC_CBSHOWLEGEND);
    Type(ChartDlg(), IDC_SNAPRANGEVALUE, "55");
    ShowTab(CChartPage::TAB_AXIS);
    Type(AxisDlg(), IDC_PROP_TITLE, "Kraft");
    Click(AxisDlg(), IDC_CBGRID);
    Type(AxisDlg(), IDC_ARROWSIZE, "9");
    ShowTab(CChartPage::TAB_CURVE);
    Type(CurveDlg(), IDC_LINEWIDTH, "4");
    Type(CurveDlg(), IDC_PROP_TITLE, "Weg");
    Click(CurveDlg(), IDC_CBFILL);
    CurveDlg().SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(Window().IsWindowVisible());
    EXPECT_EQ(state(), strBefore);

    Show();
    EXPECT_EQ(Text(ChartDlg(), IDC_SNAPRANGEVALUE), "55");
    EXPECT_EQ(Text(AxisDlg(), IDC_PROP_TITLE), "Kraft");
    EXPECT_EQ(Text(CurveDlg(), IDC_PROP_TITLE), "Weg");
    // OK applies the page it is pressed on, and only that one.
    CurveDlg().SendMessage(WM_COMMAND, IDOK);
    EXPECT_FALSE(Window().IsWindowVisible());
    EXPECT_EQ(Chart().GetCurve(0).m_strTitle, "Weg");
    EXPECT_EQ(Chart().GetCurve(0).m_iLineWidth, 4);
    EXPECT_NE(Chart().GetYAxis(0).GetTitle(), "Kraft");
}

// Pictures to look at: the three pages as the window shows them, and a page's colour popup.
TEST_F(ChartPropertyTest, PagesAndAColourPopupArePictured)
{
    Chart().GetCurve(0).m_bMarkers = true;
    Chart().GetCurve(0).m_iMarkerMode = 1;
    Chart().GetCurve(0).m_iMarkerSymbol = MARKER_TRIANGLE_UP;
    Chart().GetCurve(0).SetFill(true, 1);
    Chart().GetCurve(0).m_iFillStyle = HS_BDIAGONAL;
    const char* names[] = {"chart_properties_chart", "chart_properties_axis", "chart_properties_curve"};
    for (int iTab = 0; iTab < 3; ++iTab)
    {
        ShowTab(iTab);
        EXPECT_TRUE(CClientShot(&Window()).Save(names[iTab]));
    }
    CurveDlg().m_btnColor.SendMessage(BM_CLICK);
    auto* pPopup = dynamic_cast<CPalettePopup*>(CWnd::GetCapture());
    ASSERT_NE(pPopup, nullptr);
    CRect rect;
    pPopup->CellRect(20, rect);
    pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_TRUE(CClientShot(pPopup).Save("chart_properties_popup"));
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_FALSE(CurveDlg().m_btnColor.IsPopupOpen());
}
