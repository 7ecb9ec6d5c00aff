#include "charting/CChartDlg.h"

#include "charting/CChartPage.h"
#include "charting/CPlot.h"
#include "framework/CDataExchange.h"
#include "resources/resource_chartdlg.h"

BEGIN_MESSAGE_MAP(CChartDlg, CChartTabPage)
ON_BN_CLICKED(IDC_APPLY, OnApply)
ON_BN_CLICKED(IDC_CBSHOWLEGEND, OnSettingChanged)
ON_BN_CLICKED(IDC_CBDOUBLEBUFFER, OnSettingChanged)
ON_BN_CLICKED(IDC_CBSNAP, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_LEGENDSIDE, OnSettingChanged)
ON_EN_CHANGE(IDC_SNAPRANGEVALUE, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_XAXISLIST, OnSelchangeXAxis)
ON_CBN_SELCHANGE(IDC_YAXISLIST, OnSelchangeYAxis)
ON_CBN_SELCHANGE(IDC_CURVELIST, OnSelchangeCurve)
END_MESSAGE_MAP()

namespace
{
constexpr int kSnapRangeMax = 100;
} // namespace

CChartDlg::CChartDlg() : CChartTabPage(IDD_CHART_PAGE) {}

void CChartDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartTabPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPIN_SNAPRANGE, m_spinSnapRange);
    DDX_Control(pDX, IDC_CURVELIST, m_cbCurve);
    DDX_Control(pDX, IDC_YAXISLIST, m_cbYAxis);
    DDX_Control(pDX, IDC_XAXISLIST, m_cbXAxis);
    DDX_Control(pDX, IDC_LEGENDSIDE, m_cbLegendSide);
    DDX_Control(pDX, IDC_PLOTCOLOR, m_btnPlotColor);
    DDX_Control(pDX, IDC_INNERCOLOR, m_btnInnerColor);
    DDX_Control(pDX, IDC_BGCOLOR, m_btnBackgroundColor);
    DDX_Check(pDX, IDC_CBSHOWLEGEND, m_bLegendVisible);
    DDX_Check(pDX, IDC_CBDOUBLEBUFFER, m_bDoubleBuffered);
    DDX_CBIndex(pDX, IDC_XAXISLIST, m_iXAxis);
    DDX_CBIndex(pDX, IDC_YAXISLIST, m_iYAxis);
    DDX_CBIndex(pDX, IDC_CURVELIST, m_iCurve);
    DDX_Check(pDX, IDC_CBSNAP, m_bSnap);
    ExchangeInt(pDX, IDC_SNAPRANGEVALUE, m_iSnapRange, 0, kSnapRangeMax);
}

BOOL CChartDlg::OnInitDialog()
{
    CChartTabPage::OnInitDialog();
    m_btnBackgroundColor.SetColor(m_pChart->GetBackgroundColor());
    m_btnInnerColor.SetColor(m_pChart->GetInnerAreaColor());
    m_btnPlotColor.SetColor(m_pChart->GetPlotAreaColor());
    m_bLegendVisible = m_pChart->IsLegendVisible();
    m_bDoubleBuffered = m_pChart->IsDoubleBuffered();
    m_bSnap = m_pChart->GetSnapToCurve();
    m_iSnapRange = m_pChart->GetSnapRange();
    FillList(m_cbLegendSide, {"Left", "Right"});
    m_cbLegendSide.SetCurSel(m_pChart->GetLegendSide());
    m_spinSnapRange.SetRange(0, kSnapRangeMax);
    FillElementLists();
    m_iCurve = m_pWindow != nullptr ? m_pWindow->GetStartCurve() : -1;
    m_iYAxis = m_pWindow != nullptr ? m_pWindow->GetStartAxis() : -1;
    m_iXAxis = -1;
    UpdateData(FALSE);
    ApplyEnableRules();
    return TRUE;
}

void CChartDlg::FillElementLists()
{
    m_cbCurve.ResetContent();
    for (int n = 0; n < m_pChart->GetCurveCount(); ++n)
        m_cbCurve.AddString(NumberedTitle(n, m_pChart->GetCurve(n).m_strTitle));
    m_cbXAxis.ResetContent();
    for (int n = 0; n < m_pChart->GetXAxisCount(); ++n)
        m_cbXAxis.AddString(NumberedTitle(n, m_pChart->GetXAxis(n).GetTitle()));
    m_cbYAxis.ResetContent();
    for (int n = 0; n < m_pChart->GetYAxisCount(); ++n)
        m_cbYAxis.AddString(NumberedTitle(n, m_pChart->GetYAxis(n).GetTitle()));
}

void CChartDlg::ApplyEnableRules()
{
    m_cbLegendSide.EnableWindow(m_bLegendVisible);
}

void CChartDlg::OnSettingChanged()
{
    if (!IsShownPage() || !UpdateData(TRUE))
        return;
    EnableApply(TRUE);
    ApplyEnableRules();
}

void CChartDlg::ChooseAxis(bool bXAxis)
{
    UpdateData(TRUE);
    // One axis at a time: the other list loses its choice.
    int& iChosen = bXAxis ? m_iXAxis : m_iYAxis;
    (bXAxis ? m_iYAxis : m_iXAxis) = -1;
    if (m_pWindow != nullptr)
        bXAxis ? m_pWindow->EditXAxis(iChosen) : m_pWindow->EditYAxis(iChosen);
    UpdateData(FALSE);
    bXAxis ? m_pChart->SelectXAxis(iChosen) : m_pChart->SelectYAxis(iChosen);
}

void CChartDlg::OnSelchangeXAxis()
{
    ChooseAxis(true);
}

void CChartDlg::OnSelchangeYAxis()
{
    ChooseAxis(false);
}

void CChartDlg::OnSelchangeCurve()
{
    UpdateData(TRUE);
    if (m_pWindow != nullptr)
        m_pWindow->EditCurve(m_iCurve);
    m_pChart->SelectCurve(m_iCurve);
}

void CChartDlg::OnApply()
{
    UpdateData(TRUE);
    m_pChart->SetBackgroundColor(m_btnBackgroundColor.GetShownColor());
    m_pChart->SetInnerAreaColor(m_btnInnerColor.GetShownColor());
    m_pChart->SetPlotAreaColor(m_btnPlotColor.GetShownColor());
    m_pChart->SetLegendVisible(m_bLegendVisible);
    m_pChart->SetDoubleBuffered(m_bDoubleBuffered);
    m_pChart->SetLegendSide(m_cbLegendSide.GetCurSel());
    m_pChart->SetSnapToCurve(m_bSnap);
    m_pChart->SetSnapRange(m_iSnapRange);
    InvalidateChart();
    EnableApply(FALSE);
}
