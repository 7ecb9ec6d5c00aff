// The diagram window's chart property window and its texts.
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
    applyPageTexts();
}

void CGraphicDisplayWnd::hideSettingsPage()
{
    if (!m_pChartPage)
        return;
    m_pChartPage->ShowWindow(SW_HIDE);
    redrawChart();
}

void CGraphicDisplayWnd::applyPageTexts()
{
    if (!m_pChartPage || m_pChartPage->GetChartDlg() == nullptr)
        return;
    CChartPage& window = *m_pChartPage;
    CTabCtrl& tab = window.m_ctrlTab;
    const int iSelected = tab.GetCurSel();
    tab.DeleteAllItems();
    const DlgTextTable* tables[] = {&m_ChartPageTexts, &m_AxisPageTexts, &m_CurvePageTexts};
    for (int iTab : {CChartPage::TAB_CHART, CChartPage::TAB_AXIS, CChartPage::TAB_CURVE})
    {
        CDialog* pPage = window.GetTabPage(iTab);
        if (pPage == nullptr)
            continue;
        const DlgTextTable& table = *tables[iTab];
        for (INT_PTR i = 0; i < table.GetSize(); ++i)
        {
            const DLGTEXTELEMENT& element = table[i];
            if (element.iId == DLGTEXT_TAB_TITLE)
            {
                pPage->SetWindowText(element.strText);
                tab.InsertItem(TCIF_TEXT | TCIF_PARAM, iTab, element.strText, 0,
                               reinterpret_cast<LPARAM>(pPage));
            }
            else if (element.iId == DLGTEXT_CAPTION)
                window.SetWindowText(element.strText);
            else if (CWnd* pControl = pPage->GetDlgItem(element.iId))
                pControl->SetWindowText(element.strText);
        }
    }
    // New tabs, same page: the selection stays where the page is shown.
    tab.SetCurSel(iSelected);
}
