#include "charting/CChartPage.h"

#include "charting/CAxisDlg.h"
#include "charting/CChartDlg.h"
#include "charting/CCurveDlg.h"
#include "charting/CPlot.h"
#include "framework/CDataExchange.h"
#include "resources/resource_chartdlg.h"

BEGIN_MESSAGE_MAP(CChartPage, CDialog)
ON_WM_SHOWWINDOW()
ON_NOTIFY(TCN_SELCHANGE, IDC_PROP_TAB, OnTabSelChange)
END_MESSAGE_MAP()

namespace
{
// Where the pages sit in the tab control.
constexpr int kPageX = 8;
constexpr int kPageY = 25;
} // namespace

CChartPage::CChartPage() : CDialog(IDD_CHART_PROPERTIES) {}

CChartPage::~CChartPage()
{
    // The pages are children of the tab control: they go before the window.
    m_pChartDlg.reset();
    m_pCurveDlg.reset();
    m_pAxisDlg.reset();
    DestroyWindow();
}

void CChartPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROP_TAB, m_ctrlTab);
}

CDialog* CChartPage::GetTabPage(int iTab) const
{
    switch (iTab)
    {
        case TAB_CHART:
            return m_pChartDlg.get();
        case TAB_AXIS:
            return m_pAxisDlg.get();
        case TAB_CURVE:
            return m_pCurveDlg.get();
        default:
            return nullptr;
    }
}

void CChartPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    if (bShow)
    {
        if (m_iStartAxis < 0)
            m_iStartAxis = 0;
        if (m_iStartCurve < 0)
            m_iStartCurve = 0;
        CreatePages();
        InsertTabs();
        ShowTabPage(TAB_CHART, SWP_NOZORDER);
        m_ctrlTab.SetCurSel(TAB_CHART);
    }
    CDialog::OnShowWindow(bShow, nStatus);
}

template <class TPage>
void CChartPage::CreatePage(std::unique_ptr<TPage>& pPage, UINT nIDTemplate,
                            const std::function<void(TPage&)>& setUp)
{
    if (pPage)
        return;
    auto pNew = std::make_unique<TPage>();
    pNew->SetChart(m_pChart, this);
    setUp(*pNew);
    if (pNew->Create(nIDTemplate, &m_ctrlTab))
        pPage = std::move(pNew);
}

void CChartPage::CreatePages()
{
    // The chart page first: it shows which axis and curve the other two start with.
    CreatePage<CChartDlg>(m_pChartDlg, IDD_CHART_PAGE,
                          [this](CChartDlg& page) { page.SetPropertyWindow(this); });
    CreatePage<CCurveDlg>(m_pCurveDlg, IDD_CURVE_PAGE,
                          [this](CCurveDlg& page) { page.SetCurve(m_iStartCurve); });
    CreatePage<CAxisDlg>(m_pAxisDlg, IDD_AXIS_PAGE,
                         [this](CAxisDlg& page) { page.SetAxis(CAxisDlg::AXIS_Y, m_iStartAxis); });
}

void CChartPage::InsertTabs()
{
    m_ctrlTab.DeleteAllItems();
    for (int iTab : {TAB_CHART, TAB_AXIS, TAB_CURVE})
    {
        CDialog* pPage = GetTabPage(iTab);
        if (pPage == nullptr)
            continue;
        CString strTitle;
        pPage->GetWindowText(strTitle);
        m_ctrlTab.InsertItem(TCIF_TEXT | TCIF_PARAM, iTab, strTitle, 0, reinterpret_cast<LPARAM>(pPage));
    }
}

void CChartPage::ShowTabPage(int iTab, UINT nZOrder)
{
    for (int i : {TAB_CHART, TAB_AXIS, TAB_CURVE})
        if (CDialog* pPage = GetTabPage(i))
        {
            pPage->ShowWindow(SW_HIDE);
            pPage->EnableWindow(FALSE);
        }
    CDialog* pPage = GetTabPage(iTab);
    if (pPage == nullptr)
        return;
    pPage->SetWindowPos(nullptr, kPageX, kPageY, 0, 0, SWP_NOSIZE | nZOrder);
    pPage->ShowWindow(SW_SHOW);
    pPage->EnableWindow(TRUE);
    pPage->ModifyStyle(WS_CAPTION, 0);
}

void CChartPage::OnTabSelChange(NMHDR*, LRESULT* pResult)
{
    ShowTabPage(m_ctrlTab.GetCurSel(), 0); // to the top
    *pResult = 0;
}

void CChartPage::EditXAxis(int n)
{
    if (m_pAxisDlg)
    {
        m_pAxisDlg->SetAxis(CAxisDlg::AXIS_X, n);
        m_pAxisDlg->LoadFromAxis();
    }
}

void CChartPage::EditYAxis(int n)
{
    if (m_pAxisDlg)
    {
        m_pAxisDlg->SetAxis(CAxisDlg::AXIS_Y, n);
        m_pAxisDlg->LoadFromAxis();
    }
}

void CChartPage::EditCurve(int n)
{
    if (m_pCurveDlg)
    {
        m_pCurveDlg->SetCurve(n);
        m_pCurveDlg->LoadFromCurve();
    }
}

void CChartPage::OnOK()
{
    OnCancel();
}

void CChartPage::OnCancel()
{
    ShowWindow(SW_HIDE);
    if (m_pChart != nullptr && m_pChart->GetSafeHwnd() != nullptr)
    {
        m_pChart->Invalidate(TRUE);
        m_pChart->SendMessage(WM_PAINT);
    }
}
