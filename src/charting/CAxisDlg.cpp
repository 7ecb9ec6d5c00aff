#include "charting/CAxisDlg.h"

#include "charting/CPlot.h"
#include "charting/CPlotAxis.h"
#include "framework/CDataExchange.h"
#include "framework/CFontDialog.h"
#include "resources/resource_chartdlg.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CAxisDlg, CChartTabPage)
ON_BN_CLICKED(IDC_APPLY, OnApply)
ON_BN_CLICKED(IDC_AXSCFONT, OnTickFont)
ON_BN_CLICKED(IDC_AXFONT, OnTitleFont)
ON_BN_CLICKED(IDC_CBVISIBLE, OnSettingChanged)
ON_BN_CLICKED(IDC_CBGRID, OnSettingChanged)
ON_BN_CLICKED(IDC_CBTIMEAXIS, OnSettingChanged)
ON_BN_CLICKED(IDC_CBAUTOSCALE, OnSettingChanged)
ON_BN_CLICKED(IDC_CBSHOWMARKERS, OnSettingChanged)
ON_EN_CHANGE(IDC_PROP_TITLE, OnSettingChanged)
ON_EN_CHANGE(IDC_AXMAXVALUE, OnSettingChanged)
ON_EN_CHANGE(IDC_DECIMALS, OnSettingChanged)
ON_EN_CHANGE(IDC_ARROWSIZE, OnSettingChanged)
ON_EN_CHANGE(IDC_TICKLENGTH, OnSettingChanged)
ON_EN_CHANGE(IDC_PROP_MARKERSIZE, OnSettingChanged)
ON_EN_CHANGE(IDC_STEPVALUE, OnSettingChanged)
ON_EN_CHANGE(IDC_AXMINVALUE, OnSettingChanged)
ON_EN_CHANGE(IDC_TIMEFORMAT, OnSettingChanged)
ON_EN_CHANGE(IDC_TIMESTEP, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_GRIDSTYLELIST, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_AXSIDE, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_TIMESTEPUNIT, OnSettingChanged)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_MINDATE, OnPickerChanged)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_MINTIME, OnPickerChanged)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_MAXDATE, OnPickerChanged)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_MAXTIME, OnPickerChanged)
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace
{
constexpr long long kSecondsPerDay = 86400;
constexpr long long kUnitSeconds[] = {1, 60, 3600, kSecondsPerDay};
constexpr int kUnitCount = 4;
constexpr int kPenStyleCount = 5;
constexpr int kGridItemSize = 16;
constexpr double kLargeValue = 1000000.0;
constexpr double kSmallValue = 0.000001;

long long LargestTableStep()
{
    long long llLargest = 0;
    for (int i = 0; CPlotAxis::TIME_AXIS_STEPS[i] >= 0; ++i)
        llLargest = std::max(llLargest, CPlotAxis::TIME_AXIS_STEPS[i]);
    return llLargest;
}
} // namespace

CAxisDlg::CAxisDlg() : CChartTabPage(IDD_AXIS_PAGE) {}

CPlotAxis* CAxisDlg::GetAxis() const
{
    if (m_pChart == nullptr)
        return nullptr;
    return m_iAxisKind == AXIS_X ? m_pChart->GetXAxisAt(m_iAxis) : m_pChart->GetYAxisAt(m_iAxis);
}

// ---------------------------------------------------------------------------------------------------
// Rules

void CAxisDlg::SplitTimeStep(double dStepDays, int& iTimeStep, int& iUnit)
{
    // Whole seconds; the step was set in whole seconds, so rounding undoes the division into days.
    const double dSeconds = std::round(dStepDays * kSecondsPerDay);
    const long long s =
        std::isfinite(dSeconds) ? static_cast<long long>(std::clamp(dSeconds, 0.0, 9.0e18)) : 0;
    iUnit = UNIT_SECONDS;
    for (int u = UNIT_DAYS; u > UNIT_SECONDS; --u)
        if (s > kUnitSeconds[u] && s % kUnitSeconds[u] == 0)
        {
            iUnit = u;
            break;
        }
    iTimeStep = static_cast<int>(std::min<long long>(s / kUnitSeconds[iUnit], INT_MAX));
}

long long CAxisDlg::UnitSeconds(int iUnit)
{
    return iUnit >= 0 && iUnit < kUnitCount ? kUnitSeconds[iUnit] : 1;
}

int CAxisDlg::MaxTimeStep(int iUnit)
{
    return static_cast<int>(std::min<long long>(MAX_TIME_STEP, LargestTableStep() / UnitSeconds(iUnit)));
}

CString CAxisDlg::NumberFormatFor(double dMin, double dMax, int nDecimals)
{
    auto isExtreme = [](double d)
    { return std::fabs(d) > kLargeValue || (d != 0 && std::fabs(d) < kSmallValue); };
    CString strFormat;
    strFormat.Format(isExtreme(dMin) || isExtreme(dMax) ? "%%5.%de" : "%%5.%df", nDecimals);
    return strFormat;
}

int CAxisDlg::DecimalsOf(const CString& strFormat, int nPrevious)
{
    const int iDot = strFormat.Find('.');
    return iDot < 0 ? nPrevious : std::atoi(strFormat.Mid(iDot + 1));
}

CString CAxisDlg::FormatToField(CString strFormat)
{
    strFormat.Replace("\n", "\\n");
    return strFormat;
}

CString CAxisDlg::FieldToFormat(CString strField)
{
    strField.Replace("\\n", "\n");
    return strField;
}

// ---------------------------------------------------------------------------------------------------
// Exchange and loading

void CAxisDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartTabPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPIN_MARKERSIZE, m_spinMarkerSize);
    DDX_Control(pDX, IDC_SPIN_ARROWSIZE, m_spinArrowSize);
    DDX_Control(pDX, IDC_SPIN_TICKLENGTH, m_spinTickLength);
    DDX_Control(pDX, IDC_GRIDCOLOR, m_btnGridColor);
    DDX_Control(pDX, IDC_PROP_COLOR, m_btnAxisColor);
    DDX_Control(pDX, IDC_SPIN_DECIMALS, m_spinDecimals);
    DDX_Control(pDX, IDC_AXSIDE, m_cbSide);
    DDX_Control(pDX, IDC_GRIDSTYLELIST, m_cbGridStyle);
    DDX_Control(pDX, IDC_TIMESTEPUNIT, m_cbTimeStepUnit);
    DDX_Text(pDX, IDC_PROP_TITLE, m_strTitle);
    DDX_Check(pDX, IDC_CBAUTOSCALE, m_bAutoScale);
    DDX_Text(pDX, IDC_AXMINVALUE, m_dMin);
    DDX_Text(pDX, IDC_AXMAXVALUE, m_dMax);
    DDX_Check(pDX, IDC_CBGRID, m_bGrid);
    DDX_Check(pDX, IDC_CBVISIBLE, m_bVisible);
    DDX_Check(pDX, IDC_CBTIMEAXIS, m_bTime);
    ExchangeInt(pDX, IDC_DECIMALS, m_iDecimals, 0, MAX_DECIMALS);
    ExchangeInt(pDX, IDC_ARROWSIZE, m_iArrowSize, 1, 10);
    ExchangeInt(pDX, IDC_TICKLENGTH, m_iTickLength, 1, 10);
    ExchangeInt(pDX, IDC_PROP_MARKERSIZE, m_iMarkerSize, 1, 20);
    DDX_Text(pDX, IDC_STEPVALUE, m_dStep);
    DDX_DateTimeCtrl(pDX, IDC_MAXDATE, m_dtMaxDate);
    DDX_DateTimeCtrl(pDX, IDC_MAXTIME, m_dtMaxTime);
    DDX_DateTimeCtrl(pDX, IDC_MINDATE, m_dtMinDate);
    DDX_DateTimeCtrl(pDX, IDC_MINTIME, m_dtMinTime);
    DDX_Text(pDX, IDC_TIMEFORMAT, m_strTimeFormat);
    DDX_Check(pDX, IDC_CBSHOWMARKERS, m_bCurveMarkers);
    DDX_CBIndex(pDX, IDC_AXSIDE, m_iSide);
    DDX_CBIndex(pDX, IDC_GRIDSTYLELIST, m_iGridStyle);
    // Unit and step are taken together, so the step in seconds never exceeds the time table.
    int iUnit = m_iTimeStepUnit;
    DDX_CBIndex(pDX, IDC_TIMESTEPUNIT, iUnit);
    int iTimeStep = m_iTimeStep;
    ExchangeInt(pDX, IDC_TIMESTEP, iTimeStep, 1, MaxTimeStep(iUnit));
    m_iTimeStepUnit = iUnit;
    m_iTimeStep = iTimeStep;
}

BOOL CAxisDlg::OnInitDialog()
{
    CChartTabPage::OnInitDialog();
    FillList(m_cbSide, {"Left", "Right"});
    FillList(m_cbTimeStepUnit, {"Seconds", "Minutes", "Hours", "Days"});
    m_cbGridStyle.ResetContent();
    for (int i = 0; i < kPenStyleCount; ++i)
        m_cbGridStyle.AddString("");
    LoadFromAxis();
    return TRUE;
}

void CAxisDlg::LoadFromAxis()
{
    const CPlotAxis* pAxis = GetAxis();
    if (pAxis == nullptr || m_hWnd == nullptr)
        return;
    const CPlotAxis& axis = *pAxis;
    m_strTitle = axis.GetTitle();
    axis.GetRange(m_dMin, m_dMax, m_dStep);
    m_bAutoScale = axis.m_bAutoScale;
    m_bTime = axis.m_bTime;
    m_bGrid = axis.m_bGrid;
    m_bVisible = axis.m_bVisible;
    m_btnAxisColor.SetColor(axis.m_crColor);
    m_btnGridColor.SetColor(axis.m_crGrid);
    m_bCurveMarkers = axis.m_bCurveLegend;
    m_iSide = axis.m_iSide;

    m_spinDecimals.SetRange(0, MAX_DECIMALS);
    m_spinArrowSize.SetRange(1, 10);
    m_spinTickLength.SetRange(1, 10);
    m_spinMarkerSize.SetRange(1, 20);
    m_iArrowSize = axis.m_iArrowSize;
    m_iTickLength = axis.m_iTickLength;
    m_iMarkerSize = axis.m_iLegendMarkerSize;
    m_spinMarkerSize.SetPos32(m_iMarkerSize);
    m_spinArrowSize.SetPos32(m_iArrowSize);
    m_spinTickLength.SetPos32(m_iTickLength);
    m_iGridStyle = axis.m_iGridStyle;

    ApplyEnableRules();
    m_iTimeStep = 1;
    if (m_bTime)
        LoadTimeAxis(axis);
    else
        LoadNumericAxis(axis);
    UpdateData(FALSE);
}

void CAxisDlg::LoadTimeAxis(const CPlotAxis& axis)
{
    m_strTimeFormat = FormatToField(axis.GetFormat());
    m_iDecimals = 1;
    SplitTimeStep(m_dStep, m_iTimeStep, m_iTimeStepUnit);
    m_dtMinDate = m_dtMinTime = COleDateTime(m_dMin);
    m_dtMaxDate = m_dtMaxTime = COleDateTime(m_dMax);
}

void CAxisDlg::LoadNumericAxis(const CPlotAxis& axis)
{
    m_dtMinDate = m_dtMinTime = m_dtMaxDate = m_dtMaxTime = COleDateTime::GetCurrentTime();
    if (axis.GetFormat().Find('.') >= 0)
    {
        m_iDecimals = DecimalsOf(axis.GetFormat(), m_iDecimals);
        m_spinDecimals.SetPos32(m_iDecimals);
    }
}

void CAxisDlg::ApplyEnableRules()
{
    const BOOL bRange = !m_bAutoScale && !m_bTime;
    for (int nID : {IDC_AXMINVALUE, IDC_AXMAXVALUE, IDC_STEPVALUE})
        EnableControl(nID, bRange);
    const BOOL bTimeRange = m_bTime && !m_bAutoScale;
    for (int nID : {IDC_MINDATE, IDC_MINTIME, IDC_MAXDATE, IDC_MAXTIME, IDC_TIMESTEP, IDC_TIMESTEPUNIT})
        EnableControl(nID, bTimeRange);
    for (int nID : {IDC_DECIMALS, IDC_SPIN_DECIMALS, IDC_AXSIDE})
        EnableControl(nID, !m_bTime);
    EnableControl(IDC_TIMEFORMAT, m_bTime);
}

// ---------------------------------------------------------------------------------------------------
// Changes and Apply

void CAxisDlg::OnSettingChanged()
{
    if (!IsShownPage())
        return;
    UpdateData(TRUE);
    ApplyEnableRules();
    EnableApply(TRUE);
}

void CAxisDlg::OnPickerChanged(NMHDR*, LRESULT* pResult)
{
    // A picker may report the value the exchange itself writes.
    if (AfxGetLockoutNotifyWindow() != m_hWnd)
        OnSettingChanged();
    *pResult = 0;
}

bool CAxisDlg::ReadTimeRange(double& dMin, double& dMax) const
{
    const COleDateTime dtMin(m_dtMinDate.GetYear(), m_dtMinDate.GetMonth(), m_dtMinDate.GetDay(),
                             m_dtMinTime.GetHour(), m_dtMinTime.GetMinute(), m_dtMinTime.GetSecond());
    const COleDateTime dtMax(m_dtMaxDate.GetYear(), m_dtMaxDate.GetMonth(), m_dtMaxDate.GetDay(),
                             m_dtMaxTime.GetHour(), m_dtMaxTime.GetMinute(), m_dtMaxTime.GetSecond());
    if (dtMin.GetStatus() != COleDateTime::valid || dtMax.GetStatus() != COleDateTime::valid)
        return false;
    dMin = dtMin;
    dMax = dtMax;
    return true;
}

void CAxisDlg::OnApply()
{
    CPlotAxis* pAxis = GetAxis();
    if (pAxis == nullptr)
        return;
    CPlotAxis& axis = *pAxis;
    UpdateData(TRUE);
    axis.m_iGridStyle = m_iGridStyle;
    axis.m_strTitle = m_strTitle;
    axis.m_bAutoScale = m_bAutoScale;
    axis.m_bVisible = m_bVisible;
    // A maximum below the minimum is refused by the axis; its range then stays.
    if (!m_bAutoScale && !m_bTime)
        axis.SetCurrentRange(m_dMin, m_dMax, m_dStep);
    else if (!m_bAutoScale && ReadTimeRange(m_dMin, m_dMax))
        axis.SetCurrentRange(
            m_dMin, m_dMax, static_cast<double>(m_iTimeStep * UnitSeconds(m_iTimeStepUnit)) / kSecondsPerDay);
    axis.m_bGrid = m_bGrid;
    if (m_iSide >= 0)
        axis.m_iSide = m_iSide;
    if (m_bTime)
    {
        m_strTimeFormat = FieldToFormat(m_strTimeFormat);
        axis.m_strFormat = m_strTimeFormat;
    }
    else
    {
        double dMin, dMax, dStep;
        axis.GetRange(dMin, dMax, dStep);
        axis.m_strFormat = NumberFormatFor(dMin, dMax, m_iDecimals);
    }
    axis.m_crColor = m_btnAxisColor.GetShownColor();
    axis.m_crGrid = m_btnGridColor.GetShownColor();
    axis.m_iArrowSize = m_iArrowSize;
    axis.m_iTickLength = m_iTickLength;
    axis.m_iLegendMarkerSize = m_iMarkerSize;
    axis.m_bTime = m_bTime;
    axis.m_bCurveLegend = m_bCurveMarkers;
    InvalidateChart();
    EnableApply(FALSE);
}

// ---------------------------------------------------------------------------------------------------
// Fonts and the grid-style list

bool CAxisDlg::AskForFont(LOGFONTA& lf)
{
    CFontDialog dlg(nullptr, CF_EFFECTS | CF_SCREENFONTS, nullptr, this);
    if (dlg.DoModal() != IDOK)
        return false;
    dlg.GetCurrentFont(&lf);
    return true;
}

void CAxisDlg::ChangeFont(bool bTitle)
{
    LOGFONTA lf;
    CPlotAxis* pAxis = GetAxis();
    if (pAxis == nullptr || !AskForFont(lf))
        return;
    if (bTitle)
        pAxis->SetTitleFont(lf);
    else
        pAxis->SetFont(lf);
    OnSettingChanged();
}

void CAxisDlg::OnTickFont()
{
    ChangeFont(false);
}

void CAxisDlg::OnTitleFont()
{
    ChangeFont(true);
}

void CAxisDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (nIDCtl != IDC_GRIDSTYLELIST)
    {
        CChartTabPage::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
        return;
    }
    lpMeasureItemStruct->itemWidth = kGridItemSize;
    lpMeasureItemStruct->itemHeight = kGridItemSize;
}

void CAxisDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (nIDCtl != IDC_GRIDSTYLELIST)
    {
        CChartTabPage::OnDrawItem(nIDCtl, lpDrawItemStruct);
        return;
    }
    const int iItem = static_cast<int>(lpDrawItemStruct->itemID);
    if (iItem >= 0 && iItem < kPenStyleCount)
        DrawPenStyleItem(*lpDrawItemStruct, iItem);
}
