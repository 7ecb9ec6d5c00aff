// The diagram window's chart property window.
#include "charting/CChartPage.h"
#include "charting/CGraphicDisplayWnd.h"
#include "charting/CPlot.h"
#include "resources/resource_chartdlg.h"

void CGraphicDisplayWnd::createSettingsPage()
{
    auto pPage = std::make_unique<CChartPage>();
    pPage->m_pChart = m_pChart.get();
    if (!pPage->Create(IDD_CHART_PROPERTIES, m_pChart.get()))
        return;
    pPage->ShowWindow(SW_HIDE);
    m_pChartPage = std::move(pPage);
}

void CGraphicDisplayWnd::showSettingsPage()
{
    if (!m_pChartPage)
        return;
    m_pChartPage->ShowWindow(SW_SHOW);
}

void CGraphicDisplayWnd::hideSettingsPage()
{
    if (!m_pChartPage)
        return;
    m_pChartPage->ShowWindow(SW_HIDE);
    redrawChart();
}
