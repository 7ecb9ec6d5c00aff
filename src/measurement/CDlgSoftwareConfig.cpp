#include "measurement/CDlgSoftwareConfig.h"

#include "controls/ControlTexts.h"
#include "framework/CDataExchange.h"
#include "measurement/CAdjustHost.h"
#include "measurement/CAdjustPanel.h"
#include "measurement/CDisplayHelper.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/CMeasurandLabel.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "protocol/ProtocolTexts.h"
#include "resources/resource_adjust.h"
#include "shell/CEnvironment.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"

#include <cmath>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CDlgSoftwareConfig, CDialog)

BEGIN_MESSAGE_MAP(CDlgSoftwareConfig, CDialog)
ON_WM_SHOWWINDOW()
ON_BN_CLICKED(IDOK, OnClickedSave)
ON_BN_CLICKED(IDCANCEL, OnClickedCancel)
ON_BN_CLICKED(IDC_SCALE_READ_CURRENT, OnClickedReadCurrentValue)
END_MESSAGE_MAP()

namespace
{
constexpr int VALUE_LENGTH = 10;
constexpr int UNIT_LENGTH = 5;
constexpr int SIGNIFICANT_DIGITS = 9;
constexpr int MAX_DECIMALS = 8;
const char* const NUMBER_CHARS = ".,0123456789-";
const char* const UNIT_CHARS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜabcdefghijklmnopqrstuvwxyzäöüß"
                               "/!§$%&()=+-*·_°\" ";
} // namespace

CDlgSoftwareConfig::CDlgSoftwareConfig() : CDialog(IDD_DLG_SOFTWARE_CONFIG) {}

CDlgSoftwareConfig::~CDlgSoftwareConfig() = default;

void CDlgSoftwareConfig::SetHosts(CPageHost* pPageHost, CAdjustHost* pFrame)
{
    m_pPageHost = pPageHost;
    m_pMainFrame = pFrame;
}

void CDlgSoftwareConfig::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SCALE_PHYSICAL, m_edPhysical);
    DDX_Control(pDX, IDC_SCALE_SCALED, m_edScaled);
    DDX_Control(pDX, IDC_SCALE_UNIT, m_edUnit);
}

BOOL CDlgSoftwareConfig::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitOnce();
    return TRUE;
}

void CDlgSoftwareConfig::InitOnce()
{
    if (!m_bOneTimeInit)
        return;
    if (m_pPageHost)
        m_iLanguageOffsetCopy = m_pPageHost->GetLanguageOffset();
    m_edPhysical.SetMaxLength(VALUE_LENGTH);
    m_edScaled.SetMaxLength(VALUE_LENGTH);
    m_edUnit.SetMaxLength(UNIT_LENGTH);
    m_edPhysical.Configure(NUMBER_CHARS, 0, 1000, 2000, 3000, this, true);
    m_edScaled.Configure(NUMBER_CHARS, 0, 1000, 2000, 3000, this, true);
    m_edUnit.Configure(UNIT_CHARS, 0, 1000, 2000, 3000, this, false);
    m_pdPhysicalValue = &m_edPhysical.m_dValue;
    m_pdScaledValue = &m_edScaled.m_dValue;
    SetPanelRunning(true);
    m_bOneTimeInit = FALSE;
}

void CDlgSoftwareConfig::SetPanelRunning(bool bRunning)
{
    CPageHost* pHost = m_pPageHost;
    CAdjustPanel::FromWindow(pHost ? pHost->GetRegisteredWindow(REGISTER_KIND_DLG_MEASURE_DIAGRAM) : nullptr)
        .SetRunningFlag(bRunning);
}

CString CDlgSoftwareConfig::Text(int iStringId) const
{
    CString strText;
    if (!strText.LoadString(static_cast<UINT>(iStringId + m_iLanguageOffsetCopy)))
        strText.Empty();
    return strText;
}

void CDlgSoftwareConfig::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    CPageHost* pHost = m_pPageHost;
    if (bShow && m_pMainFrame && pHost && !pHost->IsInitPending())
        FillControls();
}

void CDlgSoftwareConfig::FillControls()
{
    for (CMyEdit* pEdit : {&m_edPhysical, &m_edScaled, &m_edUnit})
        pEdit->SuppressChanges();
    m_edUnit.SetText(m_strScalingUnit);
    const ChannelSettingsStruct* psChannel = m_pMainFrame->GetPipeline().m_sChannel;
    const bool bChannel = m_iChannel == 0 || m_iChannel == 1;
    const bool bSlotFactor = bChannel && psChannel[m_iChannel].iUnitCount >= 0 &&
                             psChannel[m_iChannel].iUnitCount < CHANNEL_UNIT_SLOTS &&
                             psChannel[m_iChannel].dUnitFactor[psChannel[m_iChannel].iUnitCount] != 0.0;
    const CString strWord = Text(bSlotFactor ? IDS_CHANGE : IDS_CREATE);
    SetWindowText(Text(IDS_SCALING) + " " + strWord);
    SetDlgItemText(IDOK, strWord);
    SetDlgItemText(IDCANCEL, Text(IDS_CANCEL));
    SetDlgItemText(IDC_SCALE_CHANNEL_GROUP, !bChannel         ? CString("n.a.")
                                            : m_iChannel == 0 ? Text(IDS_CHANNEL_A)
                                                              : Text(IDS_CHANNEL_B));
    SetDlgItemText(IDC_SCALE_SENSOR_GROUP, Text(IDS_TREE_SENSOR_CALIBRATION));
    SetDlgItemText(IDC_SCALE_SCALING_GROUP, Text(IDS_SCALING));
    if (CPageHost* pHost = m_pPageHost)
        SetDlgItemText(IDC_SCALE_MEASURAND, CMeasurandLabel::GetMeasurandLabel(
                                                nullptr, true, m_iChannel, nullptr, nullptr,
                                                pHost->GetComPort().m_sSensor, m_iLanguageOffsetCopy));
    FillRange();
    CString strCount;
    strCount.Format("%d", bChannel ? psChannel[m_iChannel].iFullScaleCount : 0);
    m_dFullScaleCount = bChannel ? psChannel[m_iChannel].iFullScaleCount : 0.0;
    SetDlgItemText(IDC_SCALE_FULL_SCALE, strCount);
    SetDlgItemText(IDC_SCALE_ADU, Text(IDS_UNIT_ADU));
    SetDlgItemText(IDC_SCALE_READ_CURRENT, Text(IDS_READ_CURRENT_VALUE));
    SetDlgItemText(IDC_SCALE_EQUATE_SENSOR, Text(IDS_EQUATES));
    SetDlgItemText(IDC_SCALE_EQUATE_SCALING, Text(IDS_EQUATES));
    ShowScaledValue();
    for (CMyEdit* pEdit : {&m_edPhysical, &m_edScaled, &m_edUnit})
        pEdit->AllowChanges();
}

// The range end value in the unit its magnitude selects; a range that cannot be formatted leaves the
// value 0 and the unit factor as it was.
void CDlgSoftwareConfig::FillRange()
{
    CString strValue;
    CString strUnit;
    CPageHost* pHost = m_pPageHost;
    if ((m_iChannel == 0 || m_iChannel == 1) && pHost)
    {
        const SensorStruct& sensor = pHost->GetComPort().m_sSensor;
        CString strRange;
        CTervane_Send::TerSend_RangeCodeToText(
            strRange, static_cast<UINT>(m_iChannel == 0 ? sensor.iRangeCodeA : sensor.iRangeCodeB));
        const char cTypeClass = m_pMainFrame->GetPipeline().m_sChannel[m_iChannel].cTypeClass;
        CDisplayHelper helper;
        helper.m_pMainFrame = &m_pMainFrame->GetMeasureTextHost();
        helper.FormatByTypeClass(m_iChannel, strRange, &cTypeClass, CDisplayHelper::MODE_FORMAT, &strValue,
                                 &strUnit, nullptr, nullptr, nullptr, &m_dRangeUnitFactor);
    }
    CString strNumber = strValue;
    strNumber.Replace(',', '.');
    m_dRangeValue = std::strtod(strNumber, nullptr);
    m_edPhysical.SetText(strValue);
    SetDlgItemText(IDC_SCALE_RANGE_VALUE, strValue);
    SetDlgItemText(IDC_SCALE_RANGE_UNIT, strUnit);
    SetDlgItemText(IDC_SCALE_PHYSICAL_UNIT, strUnit);
}

double CDlgSoftwareConfig::ScaledRangeValue(double dRangeValue, double dScalingFactor, double dFullScaleCount,
                                            double dRangeUnitFactor)
{
    const double dScaled =
        ((dRangeValue * dScalingFactor / dFullScaleCount) * dFullScaleCount) / dRangeUnitFactor;
    return std::isfinite(dScaled) ? dScaled : 0.0;
}

void CDlgSoftwareConfig::ShowScaledValue()
{
    CString strScaled;
    strScaled.Format(
        "%f", ScaledRangeValue(m_dRangeValue, m_dScalingFactor, m_dFullScaleCount, m_dRangeUnitFactor));
    m_edScaled.SetText(CEnvironment::StripTrailingZeros(strScaled));
}

void CDlgSoftwareConfig::OnClickedReadCurrentValue()
{
    if (CPageHost* pHost = m_pPageHost)
        pHost->GetComPort().COM_SingleShotForSoftwareConfig();
}

CString CDlgSoftwareConfig::FormatCurrentValue(double dValue)
{
    CString strPlain;
    strPlain.Format("%f", dValue);
    const int iPoint = strPlain.Find('.');
    int iDecimals = iPoint < 0 ? 0 : SIGNIFICANT_DIGITS - iPoint;
    if (iDecimals < 0 || iDecimals > MAX_DECIMALS)
        iDecimals = MAX_DECIMALS;
    return CEnvironment::StripTrailingZeros(
        CMeasureAdjustHelpers::FormatNumber(dValue, iDecimals, LANGUAGE_ENGLISH));
}

void CDlgSoftwareConfig::ShowCurrentValue(int iRawA, int iRawB)
{
    if (m_iChannel != 0 && m_iChannel != 1)
        return;
    m_dCurrentRaw = m_iChannel == 0 ? iRawA : iRawB;
    const double dBaseCountFactor =
        m_pMainFrame ? m_pMainFrame->GetPipeline().m_sChannel[m_iChannel].dBaseCountFactor : 0.0;
    m_edPhysical.SetText(FormatCurrentValue(m_dCurrentRaw * dBaseCountFactor * m_dRangeUnitFactor));
}

bool CDlgSoftwareConfig::ComputeScalingFactor(double dScaled, double dPhysical, double dRangeValue,
                                              double dFullScaleCount, double dRangeUnitFactor,
                                              double& dFactor)
{
    if (dPhysical == 0.0 || dRangeValue == 0.0 || dFullScaleCount == 0.0)
        return false;
    const double q = dScaled / dPhysical;
    const double dResult =
        ((q * dRangeValue / dFullScaleCount) * dFullScaleCount / dRangeValue) * dRangeUnitFactor;
    if (!std::isfinite(dResult))
        return false;
    dFactor = dResult;
    return true;
}

// An undefined factor is refused with a beep and the dialog stays open.
void CDlgSoftwareConfig::OnClickedSave()
{
    if (!ComputeScalingFactor(*m_pdScaledValue, *m_pdPhysicalValue, m_dRangeValue, m_dFullScaleCount,
                              m_dRangeUnitFactor, m_dScalingFactor))
    {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    SetPanelRunning(false);
    CDialog::OnOK();
}

void CDlgSoftwareConfig::OnClickedCancel()
{
    SetPanelRunning(false);
    EndDialog(IDCANCEL);
}

void CDlgSoftwareConfig::OnMyEditChange(CMyEdit* pEdit, bool bChanged)
{
    if (pEdit == &m_edUnit && bChanged && !m_edUnit.IsSuppressingChanges())
        m_edUnit.GetWindowText(m_strScalingUnit);
}
