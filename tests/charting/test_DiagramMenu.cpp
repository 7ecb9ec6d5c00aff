// The diagram window's context menu and its commands, the hover tooltip and the page texts.
#include "DiagramTestWindow.h"

#include "charting/CPlotLabel.h"

#include <gtest/gtest.h>

namespace
{
using Entries = std::vector<MenuRecordingDiagram::Entry>;

std::vector<std::string> Texts(const Entries& entries)
{
    std::vector<std::string> texts;
    for (const auto& e : entries)
        texts.push_back(e.nId == 0 ? "-" : e.strText);
    return texts;
}

void SetAllMenuTexts(CGraphicDisplayWnd& wnd, const CString& str)
{
    for (auto setter : {&CGraphicDisplayWnd::setMenuTextSelect, &CGraphicDisplayWnd::setMenuTextZoomIn,
                        &CGraphicDisplayWnd::setMenuTextZoomOut, &CGraphicDisplayWnd::setMenuTextPan,
                        &CGraphicDisplayWnd::setMenuTextCursor, &CGraphicDisplayWnd::setMenuTextGrid,
                        &CGraphicDisplayWnd::setMenuTextFitX, &CGraphicDisplayWnd::setMenuTextFitY,
                        &CGraphicDisplayWnd::setMenuTextLegend, &CGraphicDisplayWnd::setMenuTextCurveOnOff,
                        &CGraphicDisplayWnd::setMenuTextMeasure, &CGraphicDisplayWnd::setMenuTextReset,
                        &CGraphicDisplayWnd::setMenuTextProperties})
        (wnd.*setter)(str);
}
} // namespace

TEST_F(DiagramWindow, TheMenuShowsEveryTextAndASeparatorBeforeTheProperties)
{
    m_wnd.SendMessage(WM_PLOT_CONTEXT_MENU, 0, reinterpret_cast<LPARAM>(&Chart()));
    ASSERT_EQ(m_wnd.m_shown.size(), 1u);
    const Entries& entries = m_wnd.m_shown[0];
    EXPECT_EQ(Texts(entries),
              (std::vector<std::string>{"Selektieren", "Zoom in", "Zoom out", "Verschieben", "Cursor",
                                        "Raster ein/aus", "Auf X-Achse einpassen", "Auf Y-Achse einpassen",
                                        "Legende anzeigen", "Graph ein/aus", "Graph ausmessen", "Rücksetzen",
                                        "-", "Eigenschaften"}));
    std::vector<UINT> ids;
    for (const auto& e : entries)
        ids.push_back(e.nId);
    EXPECT_EQ(ids, (std::vector<UINT>{4000, 60001, 60002, 60003, 60004, 60005, 60006, 60007, 60008, 60009,
                                      60010, 60011, 0, 60012}));
    EXPECT_FALSE(entries[8].bChecked) << "the diagram starts without legend";
}

TEST_F(DiagramWindow, MenuEntriesFollowTheTextsTheLegendAndTheChart)
{
    struct Case
    {
        const char* lpszWhat;
        std::function<void()> setUp;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"zoom in and properties",
         [&]
         {
             SetAllMenuTexts(m_wnd, "");
             m_wnd.setMenuTextZoomIn("Zoom in");
             m_wnd.setMenuTextProperties("Eigenschaften");
         },
         {"Zoom in", "-", "Eigenschaften"}},
        {"properties only", [&] { m_wnd.setMenuTextZoomIn(""); }, {"Eigenschaften"}},
        {"legend and properties, no series",
         [&]
         {
             m_wnd.setMenuTextLegend("Legende");
             while (Chart().GetCurveCount() > 0)
                 Chart().DeleteCurve(0);
         },
         {"Legende"}},
        {"no y axis either", [&] { Chart().DeleteYAxis(0); }, {"Legende"}},
    };
    for (const Case& c : cases)
    {
        c.setUp();
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        EXPECT_TRUE(m_wnd.buildContextMenu(menu)) << c.lpszWhat;
        EXPECT_EQ(Texts(MenuRecordingDiagram::Entries(menu)), c.texts) << c.lpszWhat;
    }
}

TEST_F(DiagramWindow, TheLegendEntryIsCheckedWhileTheLegendIsOn)
{
    m_wnd.toggleLegend();
    m_wnd.SendMessage(WM_PLOT_CONTEXT_MENU, 0, 0);
    ASSERT_EQ(m_wnd.m_shown.size(), 1u);
    EXPECT_EQ(m_wnd.m_shown[0][8].nId, CGraphicDisplayWnd::ID_MENU_LEGEND);
    EXPECT_TRUE(m_wnd.m_shown[0][8].bChecked);
}

TEST_F(DiagramWindow, WithAllTextsEmptyNoMenuIsShown)
{
    SetAllMenuTexts(m_wnd, "");
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_FALSE(m_wnd.buildContextMenu(menu));
    EXPECT_EQ(menu.GetMenuItemCount(), 0u);
    // A right click on the chart asks for the menu; nothing is shown.
    SendToChart(WM_RBUTTONDOWN, MK_RBUTTON, CPoint(200, 100));
    SendToChart(WM_RBUTTONUP, 0, CPoint(200, 100));
    Drain();
    EXPECT_TRUE(m_wnd.m_shown.empty());
}

TEST_F(DiagramWindow, ModeCommandsSwitchTheChartsInteraction)
{
    struct Case
    {
        UINT nCommand;
        int iMode;
        bool bInteraction;
    } cases[] = {
        {CGraphicDisplayWnd::ID_MENU_ZOOM_IN, PLOT_MODE_ZOOM, true},
        {CGraphicDisplayWnd::ID_MENU_RESET, PLOT_MODE_NONE, false},
        {CGraphicDisplayWnd::ID_MENU_PAN, PLOT_MODE_PAN, true},
        {CGraphicDisplayWnd::ID_MENU_CURSOR, PLOT_MODE_CURSOR, true},
        {CGraphicDisplayWnd::ID_MENU_MEASURE, PLOT_MODE_MEASURE, true},
        {CGraphicDisplayWnd::ID_MENU_ZOOM_OUT, PLOT_MODE_NONE, true},
    };
    for (const auto& c : cases)
    {
        m_wnd.SendMessage(WM_COMMAND, c.nCommand, 0);
        EXPECT_EQ(Chart().GetMode(), c.iMode) << c.nCommand;
        EXPECT_EQ(Chart().GetInteraction(), c.bInteraction) << c.nCommand;
    }
}

TEST_F(DiagramWindow, GridLegendAndFitCommands)
{
    Chart().GetXAxis(0).m_bGrid = true;
    Chart().GetYAxis(1).m_bGrid = false;
    m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_GRID, 0);
    EXPECT_FALSE(Chart().GetXAxis(0).m_bGrid);
    EXPECT_TRUE(Chart().GetYAxis(1).m_bGrid);
    EXPECT_TRUE(m_wnd.toggleGrid());

    m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_LEGEND, 0);
    EXPECT_TRUE(Chart().IsLegendVisible());
    EXPECT_FALSE(m_wnd.toggleLegend());

    // y axis 0 spans the last shown curve, also one drawn on another y axis.
    m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_FIT_Y, 0);
    EXPECT_EQ(Chart().GetYAxis(0).m_dRangeMin, 7);
    EXPECT_EQ(Chart().GetYAxis(0).m_dRangeMax, 9);
    m_wnd.addPoint(1, 12, 8);
    m_wnd.showCurve(1, true, false, false);
    m_wnd.setXRange(0, 5);
    m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_FIT_X, 0);
    EXPECT_EQ(Chart().GetXAxis(0).m_dRangeMin, 0);
    EXPECT_EQ(Chart().GetXAxis(0).m_dRangeMax, 12);
}

TEST_F(DiagramWindow, SelectAndCurveOnOffActOnTheCurveUnderThePointer)
{
    const CPoint onCurve1 = PixelOf(1, 5, 8);
    SendToChart(WM_MOUSEMOVE, 0, onCurve1);
    SendToChart(WM_RBUTTONDOWN, MK_RBUTTON, onCurve1);
    SendToChart(WM_RBUTTONUP, 0, onCurve1);
    Drain();
    ASSERT_EQ(m_wnd.m_shown.size(), 1u);
    m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_SELECT, 0);
    EXPECT_TRUE(Chart().GetCurve(1).m_bSelected);
    EXPECT_FALSE(Chart().GetCurve(0).m_bSelected);
    m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_CURVE_ON_OFF, 0);
    EXPECT_FALSE(Chart().GetCurve(1).m_bVisible);
    EXPECT_TRUE(Chart().GetCurve(0).m_bVisible);
    EXPECT_FALSE(m_wnd.selectCurve(12));
}

TEST_F(DiagramWindow, TheTooltipNamesTheCurveAtThePointerForItsTime)
{
    m_wnd.setHoverDelay(100);
    m_wnd.setTooltipTime(150);
    const CPlotLabel* pLabel = m_wnd.getHoverLabel();
    const CPoint onCurve = PixelOf(0, 5, 2) + CPoint(3, 0);
    SendToChart(WM_MOUSEMOVE, 0, onCurve);
    SendToChart(WM_MOUSEMOVE, 0, onCurve); // resting: a second message while the curve is hovered
    Drain();
    EXPECT_FALSE(pLabel->m_bVisible) << "not before the delay";
    ASSERT_TRUE(PumpUntil([&] { return pLabel->m_bVisible; }));
    EXPECT_EQ(pLabel->m_strText.Left(8), CString("Kurve 1\n"));
    EXPECT_EQ(pLabel->m_rcObject, CRect(onCurve, CSize(100, 50)));
    EXPECT_NE(pLabel->m_strText.Find("2.000000"), -1) << "the curve's value";
    EXPECT_TRUE(PumpUntil([&] { return !pLabel->m_bVisible; })) << "gone after its time";

    // Curve 2, reported after a -1 for curve 1 below it, gets its tooltip too.
    const CPoint onCurve2 = PixelOf(1, 5, 8) + CPoint(3, 0);
    SendToChart(WM_MOUSEMOVE, 0, onCurve2);
    SendToChart(WM_MOUSEMOVE, 0, onCurve2);
    ASSERT_TRUE(PumpUntil([&] { return pLabel->m_bVisible; }));
    EXPECT_EQ(pLabel->m_strText.Left(8), CString("Kurve 2\n"));
}

TEST_F(DiagramWindow, WithADelayOfZeroNoTooltipIsTimed)
{
    m_wnd.setHoverDelay(0);
    const CPoint onCurve = PixelOf(0, 5, 2);
    for (int i = 0; i < 3; ++i)
        SendToChart(WM_MOUSEMOVE, 0, onCurve);
    Drain();
    EXPECT_FALSE(::KillTimer(m_wnd.m_hWnd, CGraphicDisplayWnd::TIMER_HOVER_DELAY));
    EXPECT_FALSE(m_wnd.getHoverLabel()->m_bVisible);
}

TEST_F(DiagramWindow, TheHoverLabelSurvivesTheDeleteKey)
{
    m_wnd.setHoverDelay(1);
    m_wnd.setTooltipTime(60000);
    const CPoint onCurve = PixelOf(0, 5, 2);
    SendToChart(WM_MOUSEMOVE, 0, onCurve);
    SendToChart(WM_MOUSEMOVE, 0, onCurve);
    CPlotLabel* pLabel = m_wnd.getHoverLabel();
    ASSERT_TRUE(PumpUntil([&] { return pLabel->m_bVisible; }));
    const CPoint inLabel = pLabel->m_rcObject.CenterPoint();
    SendToChart(WM_MOUSEMOVE, 0, inLabel);
    SendToChart(WM_LBUTTONDOWN, MK_LBUTTON, inLabel);
    SendToChart(WM_LBUTTONUP, 0, inLabel);
    ASSERT_TRUE(pLabel->m_bSizing);
    MSG msg = {Chart().m_hWnd, WM_KEYDOWN, VK_DELETE, 0, 0, {}};
    Chart().PreTranslateMessage(&msg);
    EXPECT_EQ(Chart().GetObjects().size(), 2u);
    EXPECT_EQ(Chart().GetObjects().back(), pLabel);
}

TEST_F(DiagramWindow, PageTextsAreGermanByDefaultAndReplacedByCopies)
{
    struct Case
    {
        const DlgTextTable& table;
        const char* lpszTab;
        INT_PTR nCount;
    } cases[] = {{m_wnd.getCurvePageTexts(), "Meßkurve", 17},
                 {m_wnd.getAxisPageTexts(), "Achse", 24},
                 {m_wnd.getChartPageTexts(), "Diagramm", 14}};
    for (const Case& c : cases)
    {
        ASSERT_EQ(c.table.GetSize(), c.nCount) << c.lpszTab;
        EXPECT_EQ(c.table[0].iId, DLGTEXT_CAPTION);
        EXPECT_EQ(c.table[0].strText, CString("Einstellungen"));
        EXPECT_EQ(c.table[1].iId, DLGTEXT_TAB_TITLE);
        EXPECT_EQ(c.table[1].strText, CString(c.lpszTab));
        EXPECT_EQ(c.table[3].strText, CString("Übernehmen"));
    }
    EXPECT_EQ(m_wnd.getAxisPageTexts()[7].iId, m_wnd.getAxisPageTexts()[8].iId) << "6009 stands twice";

    DlgTextTable english;
    english.Add({DLGTEXT_TAB_TITLE, "Chart"});
    m_wnd.setChartPageTexts(english);
    english[0].strText = "changed afterwards";
    ASSERT_EQ(m_wnd.getChartPageTexts().GetSize(), 1);
    EXPECT_EQ(m_wnd.getChartPageTexts()[0].strText, CString("Chart"));
}
