// The measure-configuration page: channel checks, measuring rate, low-pass filter and the channel
// display table, with the software scaling and the rotor serial numbers.
#include "measurement/CDlgMeasureAdjust.h"

#include "controls/CViewBarHost.h"
#include "controls/ControlTexts.h"
#include "framework/CWinApp.h"
#include "measurement/CAdjustHost.h"
#include "measurement/CAdjustPanel.h"
#include "measurement/CChannelPaneTare.h"
#include "measurement/CChannelRules.h"
#include "measurement/CDlgSoftwareConfig.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasurementTexts.h"
#include "measurement/MeasureAdjustStruct.h"
#include "protocol/CComPort.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ZMState.h"
#include "resources/resource_adjust.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"

#include <algorithm>

namespace
{
constexpr int LOW_PASS_CODES = 4;
constexpr int DECIMALS_OFFERED = 5;
constexpr int MEAN_CODES = 10;
constexpr UINT SERIAL_WRITE_DELAY_MS = 1000;

const int CHANNEL_IDS[2] = {IDS_CHANNEL_A, IDS_CHANNEL_B};
const int ROW_IDS[2] = {IDC_ADJ_ROW_A, IDC_ADJ_ROW_B};
const int LOW_PASS_LABEL_IDS[2] = {IDC_ADJ_LOWPASS_LABEL_A, IDC_ADJ_LOWPASS_LABEL_B};

struct ColumnCaption
{
    int iCtrlId;
    int iStringId;
};
constexpr ColumnCaption COLUMNS[] = {
    {IDC_ADJ_COL_DECIMALS, IDS_DECIMAL_PLACE}, {IDC_ADJ_COL_UNIT, IDS_UNIT},
    {IDC_ADJ_COL_MEAN, IDS_AVERAGE},           {IDC_ADJ_COL_SIGN, IDS_SIGN},
    {IDC_ADJ_COL_SERIAL, IDS_SERIAL_NUMBER},   {IDC_ADJ_COL_SCALING, IDS_SCALING}};

void SelectItemData(CKombiBox& combo, int iData)
{
    combo.SetCurSel(combo.FindItemData(static_cast<DWORD_PTR>(iData)));
}

int SelectedItemData(const CKombiBox& combo)
{
    const int iIndex = combo.GetCurSel();
    return iIndex < 0 ? -1 : static_cast<int>(combo.GetItemData(iIndex));
}
} // namespace

// ---- Channel checks -----------------------------------------------------------------------------------

BOOL CDlgMeasureAdjust::FillChannelChecks(int iLanguage)
{
    CComPort* pEngine = Engine();
    ChannelSettingsStruct* psChannel = Channels();
    if (pEngine == nullptr || psChannel == nullptr)
        return FALSE;
    const SensorStruct& sensor = pEngine->m_sSensor;
    BOOL bAll = SetText(IDC_ADJ_TYPE_GROUP, IDS_TYPE, iLanguage);
    bAll &= SetText(IDC_ADJ_CHECK_A, IDS_CHANNEL_A, iLanguage);
    const char* pszInput = !CChannelRules::HasDigitalInput(sensor) ? ""
                           : iLanguage == LANGUAGE_GERMAN          ? " (Digitaleingang)"
                                                                   : " (digital input)";
    bAll &= SetText(IDC_ADJ_CHECK_B, IDS_CHANNEL_B, iLanguage, pszInput);

    MeasureAdjustStruct& s = *m_psMeasureAdjust;
    CChannelRules::ApplyChannelChecks(s, IsSensorConnected(), CChannelRules::IsOneChannelQbx(sensor),
                                      m_bSavedChecksPending);
    m_pAdjustHost->SetViewBarCheckState(VIEWBAR_CHANNEL_A, psChannel[0].byShown);
    m_pAdjustHost->SetViewBarCheckState(VIEWBAR_CHANNEL_B, psChannel[1].byShown);
    CChannelRules::TakeShownStates(s, psChannel[0].byShown, psChannel[1].byShown);
    const BYTE abChecked[2] = {s.bCheckedA, s.bCheckedB};
    const BYTE abEnabled[2] = {s.bEnabledA, s.bEnabledB};
    const BYTE abVisible[2] = {s.bVisibleA, s.bVisibleB};
    for (int i = 0; i < 2; ++i)
    {
        m_chkChannel[i].SetChecked(abChecked[i] != 0);
        m_chkChannel[i].SetEnabled(abEnabled[i] != 0);
        m_chkChannel[i].SetVisible(abVisible[i] != 0);
    }
    UpdateSecondConditionAvailability();
    return bAll;
}

void CDlgMeasureAdjust::OnCheckChannelA()
{
    OnCheckChannel(0);
}

void CDlgMeasureAdjust::OnCheckChannelB()
{
    OnCheckChannel(1);
}

void CDlgMeasureAdjust::OnCheckChannel(int iChannel)
{
    ChannelSettingsStruct* psChannel = Channels();
    if (psChannel == nullptr)
        return;
    const int iOther = 1 - iChannel;
    if (CChannelRules::ClickChannel(*m_psMeasureAdjust, iChannel, m_chkChannel[iChannel].IsChecked(),
                                    psChannel[iChannel].byShown, psChannel[iOther].byShown))
        m_chkChannel[iOther].SetChecked(true);
    UpdateControls(m_iLanguageOffsetCopy);
    WriteSensorDisplaySettings();
}

// ---- Measuring rate ------------------------------------------------------------------------------------

BOOL CDlgMeasureAdjust::FillRateCombo(int iLanguage)
{
    CComPort* pEngine = Engine();
    CValuePipeline* pPipeline = Pipeline();
    if (pEngine == nullptr || pPipeline == nullptr)
        return FALSE;
    m_cbRate.ResetContent();
    const SensorStruct& sensor = pEngine->m_sSensor;
    const int iActive = pEngine->m_iActiveArray;
    const long lBaudrate = iActive >= 0 && iActive < static_cast<int>(pEngine->m_sComPort.size())
                               ? pEngine->m_sComPort[static_cast<size_t>(iActive)].lComPortBaudrate
                               : 0;
    const int iFirst =
        CChannelRules::FirstRateCode(sensor.ucStatorType, sensor.ucStatorRev, lBaudrate,
                                     m_psMeasureAdjust->bCheckedA != 0, m_psMeasureAdjust->bCheckedB != 0);
    BOOL bAll = TRUE;
    for (int iCode = iFirst; iCode <= CChannelRules::LAST_OFFERED_RATE; ++iCode)
    {
        const CString strRate = Text(GetRateStringId(iCode), iLanguage);
        bAll &= !strRate.IsEmpty();
        m_cbRate.AddItem(strRate, static_cast<DWORD_PTR>(iCode));
    }
    pPipeline->m_iMeasuringRate = CChannelRules::RateInList(pPipeline->m_iMeasuringRate, iFirst);
    pEngine->TerSend_SetMeasuringRate(static_cast<UINT>(pPipeline->m_iMeasuringRate));
    SelectItemData(m_cbRate, pPipeline->m_iMeasuringRate);
    return bAll;
}

void CDlgMeasureAdjust::OnSelChangeRate()
{
    CValuePipeline* pPipeline = Pipeline();
    const int iCode = SelectedItemData(m_cbRate);
    if (pPipeline && iCode >= 0 && iCode != pPipeline->m_iMeasuringRate)
        ChangeMeasuringRate(iCode);
}

void CDlgMeasureAdjust::ChangeMeasuringRate(int iRateCode)
{
    CValuePipeline* pPipeline = Pipeline();
    if (pPipeline == nullptr)
        return;
    pPipeline->m_iMeasuringRate = iRateCode;
    SetSamplePeriodFromRate(*m_psMeasureAdjust, iRateCode);
    m_psMeasureAdjust->iDurationUnitId = CTriggerRules::DurationUnitForRate(iRateCode);
    ReadDuration();
    Panel().RefreshCaptionsOnShow();
    ShowDurationInfo();
    ShowCountInfo();
    WriteSensorDisplaySettings();
}

// ---- Low-pass filter -----------------------------------------------------------------------------------

BOOL CDlgMeasureAdjust::FillLowPassGroup(int iLanguage)
{
    const CString strCaption = Text(IDS_LOW_PASS_FILTER, iLanguage);
    GetDlgItem(IDC_ADJ_LOWPASS_LABEL_A)->SetWindowText(strCaption + " A");
    GetDlgItem(IDC_ADJ_LOWPASS_LABEL_B)->SetWindowText(strCaption + " B");
    BOOL bAll = !strCaption.IsEmpty();
    bAll &= FillLowPassCombo(0, iLanguage);
    bAll &= FillLowPassCombo(1, iLanguage);
    return bAll;
}

BOOL CDlgMeasureAdjust::FillLowPassCombo(int iChannel, int iLanguage)
{
    CComPort* pEngine = Engine();
    if (pEngine == nullptr)
        return FALSE;
    CKombiBox& combo = m_cbLowPass[iChannel];
    CWnd* pLabel = GetDlgItem(LOW_PASS_LABEL_IDS[iChannel]);
    combo.ResetContent();
    const SensorStruct& sensor = pEngine->m_sSensor;
    m_iLowPassHz[iChannel] = iChannel == 0 ? sensor.iLowPassHzA : sensor.iLowPassHzB;
    if (!CChannelRules::HasLowPassFilter(sensor.ucStatorType, sensor.ucStatorRev))
    {
        combo.ShowWindow(SW_HIDE);
        pLabel->ShowWindow(SW_HIDE);
        return TRUE;
    }
    combo.ShowWindow(SW_SHOW);
    pLabel->ShowWindow(SW_SHOW);
    const CString strHz = Text(IDS_HERTZ, iLanguage);
    for (int iCode = 0; iCode < LOW_PASS_CODES; ++iCode)
    {
        CString strEntry;
        strEntry.Format("%d %s", static_cast<int>(CTervane_Send::TerSend_LowPassCodeToHz(iCode)),
                        static_cast<const char*>(strHz));
        combo.AddItem(strEntry, static_cast<DWORD_PTR>(iCode));
    }
    SelectItemData(combo, CTervane_Send::TerSend_LowPassHzToCode(static_cast<UINT>(m_iLowPassHz[iChannel])));
    return !strHz.IsEmpty();
}

void CDlgMeasureAdjust::OnSelChangeLowPassA()
{
    OnSelChangeLowPass(0);
}

void CDlgMeasureAdjust::OnSelChangeLowPassB()
{
    OnSelChangeLowPass(1);
}

// The sensor takes the filter of the stator operation block and restarts.
void CDlgMeasureAdjust::OnSelChangeLowPass(int iChannel)
{
    CComPort* pEngine = Engine();
    const int iCode = SelectedItemData(m_cbLowPass[iChannel]);
    const int iCurrent = CTervane_Send::TerSend_LowPassHzToCode(static_cast<UINT>(m_iLowPassHz[iChannel]));
    if (pEngine == nullptr || iCode < 0 || iCode == iCurrent)
        return;
    m_iLowPassHz[iChannel] = static_cast<int>(CTervane_Send::TerSend_LowPassCodeToHz(iCode));
    pEngine->COM_ZMCOMConfgSetNewBaudrate();
}

// ---- Channel display table --------------------------------------------------------------------------------

BOOL CDlgMeasureAdjust::FillChannelTable(int iLanguage)
{
    CComPort* pEngine = Engine();
    ChannelSettingsStruct* psChannel = Channels();
    if (pEngine == nullptr || psChannel == nullptr)
        return FALSE;
    const bool bAnyAvailable = psChannel[0].bAvailable || psChannel[1].bAvailable;
    const bool bScaling = pEngine->m_sSensor.ucSwCfgActive != 0;
    BOOL bAll = TRUE;
    for (const ColumnCaption& column : COLUMNS)
    {
        const bool bScalingColumn = column.iCtrlId == IDC_ADJ_COL_SCALING;
        if (m_bViewUseShowWindow == 1 || (bAnyAvailable && (bScaling || !bScalingColumn)))
            bAll &= SetText(column.iCtrlId, column.iStringId, iLanguage);
        else
            GetDlgItem(column.iCtrlId)->SetWindowText("");
    }
    for (int i = 0; i < 2; ++i)
    {
        const bool bCaption = psChannel[i].bAvailable || m_bViewUseShowWindow == 1;
        const CString strCaption = Text(CHANNEL_IDS[i], iLanguage);
        bAll &= !strCaption.IsEmpty();
        SetLabelText(ROW_IDS[i], bCaption ? strCaption + ":" : CString());
    }
    bAll &= FillChannelRow(0, iLanguage);
    bAll &= FillChannelRow(1, iLanguage);
    FillScalingButton(0, iLanguage);
    FillScalingButton(1, iLanguage);
    FillSerialNumber(0);
    FillSerialNumber(1);
    return bAll;
}

BOOL CDlgMeasureAdjust::FillChannelRow(int iChannel, int iLanguage)
{
    ChannelSettingsStruct& c = Channels()[iChannel];
    const bool bAvailable = c.bAvailable != 0;
    CKombiBox& decimals = m_cbDecimals[iChannel];
    decimals.ResetContent();
    for (int i = 0; i < DECIMALS_OFFERED; ++i)
    {
        CString strDecimals;
        strDecimals.Format("%d", i);
        decimals.AddItem(strDecimals, static_cast<DWORD_PTR>(i));
    }
    SelectItemData(decimals, c.iDecimals);
    BOOL bAll = FillUnitCombo(iChannel);
    CKombiBox& mean = m_cbMean[iChannel];
    mean.ResetContent();
    for (int iCode = 0; iCode < MEAN_CODES; ++iCode)
    {
        CString strFactor;
        strFactor.Format("%d", GetMeanFactor(iCode));
        mean.AddItem(strFactor, static_cast<DWORD_PTR>(iCode));
    }
    SelectItemData(mean, c.iMeanCode);
    CKombiBox& sign = m_cbSign[iChannel];
    sign.ResetContent();
    for (int iSign = 0; iSign < 2; ++iSign)
    {
        const CString strSign = Text(GetSignStringId(iSign), iLanguage);
        bAll &= !strSign.IsEmpty();
        sign.AddItem(strSign, static_cast<DWORD_PTR>(iSign));
    }
    SelectItemData(sign, c.iSign);
    for (CWnd* pCombo : {static_cast<CWnd*>(&decimals), static_cast<CWnd*>(&m_cbUnit[iChannel]),
                         static_cast<CWnd*>(&mean), static_cast<CWnd*>(&sign)})
        ApplyChannelVisibility(*pCombo, bAvailable);
    return bAll;
}

// A selection the list no longer holds, or the software-scaling slot after a new scaling, changes the
// channel's unit: its scale is recomputed before the values are shown again.
BOOL CDlgMeasureAdjust::FillUnitCombo(int iChannel)
{
    ChannelSettingsStruct& c = Channels()[iChannel];
    CKombiBox& unit = m_cbUnit[iChannel];
    unit.ResetContent();
    int iLastCode = -1;
    for (const CChannelRules::UnitEntry& entry : CChannelRules::UnitEntries(c))
    {
        unit.AddItem(entry.strText, static_cast<DWORD_PTR>(entry.iCode));
        iLastCode = entry.iCode;
    }
    const int iBefore = c.iSelectedUnit;
    SelectItemData(unit, CChannelRules::SelectUnit(c, m_bUnitResetPending[iChannel], iLastCode));
    if (c.iSelectedUnit != iBefore)
    {
        RecomputeScale();
        Pipeline()->ProcessMeasuredValues(CValuePipeline::REASON_REFRESH);
    }
    return TRUE;
}

void CDlgMeasureAdjust::FillScalingButton(int iChannel, int iLanguage)
{
    CComPort* pEngine = Engine();
    const ChannelSettingsStruct& c = Channels()[iChannel];
    CButton& button = m_btnScaling[iChannel];
    const SensorStruct& sensor = pEngine->m_sSensor;
    if (sensor.ucSwCfgActive == 0)
    {
        button.SetWindowText("");
        button.ShowWindow(SW_HIDE);
        return;
    }
    ApplyChannelVisibility(button, c.bAvailable != 0);
    if (!button.IsWindowVisible())
    {
        button.SetWindowText("");
        return;
    }
    const bool bHasScaling = (iChannel == 0 ? sensor.ucSwScalingA : sensor.ucSwScalingB) != 0;
    const double dSlotFactor =
        c.iUnitCount >= 0 && c.iUnitCount < CHANNEL_UNIT_SLOTS ? c.dUnitFactor[c.iUnitCount] : 0.0;
    button.SetWindowText(Text(CChannelRules::ScalingButtonTextId(bHasScaling, dSlotFactor), iLanguage));
}

void CDlgMeasureAdjust::FillSerialNumber(int iChannel)
{
    const SensorStruct& sensor = Engine()->m_sSensor;
    const bool bAvailable = Channels()[iChannel].bAvailable != 0;
    CMyEdit& edit = m_edSerial[iChannel];
    const CString strSerial = !bAvailable     ? CString()
                              : iChannel == 0 ? sensor.strSerialNoA
                                              : sensor.strSerialNoB;
    edit.SuppressChanges();
    edit.SetTextAndSelect(strSerial, m_aiSerialSelection[iChannel][0], m_aiSerialSelection[iChannel][1]);
    edit.AllowChanges();
    ApplyChannelVisibility(edit, bAvailable);
}

void CDlgMeasureAdjust::OnSelChangeDisplay(UINT nId)
{
    ChannelSettingsStruct* psChannel = Channels();
    if (psChannel == nullptr)
        return;
    for (int i = 0; i < 2; ++i)
    {
        const ChannelSettingsStruct& c = psChannel[i];
        const struct
        {
            CKombiBox& combo;
            int iWhat;
            int iCurrent;
        } settings[] = {{m_cbDecimals[i], DISPLAY_DECIMALS, c.iDecimals},
                        {m_cbUnit[i], DISPLAY_UNIT, c.iSelectedUnit},
                        {m_cbMean[i], DISPLAY_MEAN, c.iMeanCode},
                        {m_cbSign[i], DISPLAY_SIGN, c.iSign}};
        for (const auto& setting : settings)
        {
            if (setting.combo.GetDlgCtrlID() != static_cast<int>(nId))
                continue;
            const int iValue = SelectedItemData(setting.combo);
            if (iValue < 0 || iValue == setting.iCurrent)
                return;
            ChangeChannelDisplaySetting(setting.iWhat, iValue, i);
            if (setting.iWhat == DISPLAY_UNIT)
                UpdateLimitUnits(i);
            return;
        }
    }
}

void CDlgMeasureAdjust::ChangeChannelDisplaySetting(int iWhat, int iValue, int iChannel)
{
    ChannelSettingsStruct* psChannel = Channels();
    if (psChannel == nullptr || (iChannel != 0 && iChannel != 1))
        return;
    ChannelSettingsStruct& c = psChannel[iChannel];
    CValuePipeline& pipeline = *Pipeline();
    switch (iWhat)
    {
        case DISPLAY_DECIMALS:
            c.iDecimals = iValue;
            pipeline.ProcessMeasuredValues(CValuePipeline::REASON_REFRESH);
            break;
        case DISPLAY_UNIT:
            c.iSelectedUnit = iValue;
            if (iValue >= 0 && iValue < CHANNEL_UNIT_SLOTS)
                UpdateTriggerUnitLabels(CHANNEL_IDS[iChannel], c.strUnit[iValue]);
            RecomputeScale();
            RemoveTare(iChannel);
            pipeline.ProcessMeasuredValues(CValuePipeline::REASON_REFRESH);
            break;
        case DISPLAY_MEAN:
            c.iMeanCode = iValue;
            break;
        case DISPLAY_SIGN:
            c.iSign = iValue;
            RemoveTare(iChannel);
            break;
        default:
            return;
    }
    WriteSensorDisplaySettings();
}

void CDlgMeasureAdjust::RemoveTare(int iChannel)
{
    CPageHost* pHost = PageHost();
    if (pHost == nullptr || Channels()[iChannel].bTareOff != 0)
        return;
    const int iKind = iChannel == 0 ? REGISTER_KIND_CHANNEL_A : REGISTER_KIND_CHANNEL_B;
    CChannelPaneTare::FromWindow(pHost->GetRegisteredWindow(iKind)).RemoveTare();
}

// The channels' count factors follow their selected units.
void CDlgMeasureAdjust::RecomputeScale()
{
    if (CComPort* pEngine = Engine())
        pEngine->COM_UpdateScaleFactors();
}

// ---- Software scaling -------------------------------------------------------------------------------------

void CDlgMeasureAdjust::OnBtnScalingA()
{
    OnBtnScaling(0);
}

void CDlgMeasureAdjust::OnBtnScalingB()
{
    OnBtnScaling(1);
}

void CDlgMeasureAdjust::OnBtnScaling(int iChannel)
{
    CComPort* pEngine = Engine();
    ChannelSettingsStruct* psChannel = Channels();
    if (pEngine == nullptr || psChannel == nullptr || (iChannel != 0 && iChannel != 1))
        return;
    SensorStruct& sensor = pEngine->m_sSensor;
    double& dSensorFactor = iChannel == 0 ? sensor.dSwScaleA : sensor.dSwScaleB;
    CString& strSensorUnit = iChannel == 0 ? sensor.strSwUnitA : sensor.strSwUnitB;
    if ((iChannel == 0 ? sensor.ucSwScalingA : sensor.ucSwScalingB) == 0)
    {
        dSensorFactor = 0.0;
        strSensorUnit = "n.a.";
    }
    const ChannelSettingsStruct& c = psChannel[iChannel];
    const int iSlot = std::clamp(c.iUnitCount, 0, CHANNEL_UNIT_SLOTS - 1);
    CDlgSoftwareConfig dialog;
    dialog.SetHosts(GetPageHost(), m_pAdjustHost);
    dialog.m_iChannel = iChannel;
    dialog.m_strScalingUnit = c.strUnit[iSlot];
    dialog.m_dScalingFactor = c.dUnitFactor[iSlot];
    m_pDlgSoftwareConfig = &dialog;
    if (dialog.DoModal() == IDOK)
    {
        dSensorFactor = dialog.m_dScalingFactor;
        strSensorUnit = dialog.m_strScalingUnit;
        m_bUnitResetPending[iChannel] = 1;
        pEngine->COM_ZMCOMConfgSetSoftwareConfigBlock(iChannel == 0 ? ZM_CNFG_SW_CONFIG_SET_SCALING_A
                                                                    : ZM_CNFG_SW_CONFIG_SET_SCALING_B);
    }
    m_pDlgSoftwareConfig = nullptr;
}

// ---- Rotor serial numbers ---------------------------------------------------------------------------------

void CDlgMeasureAdjust::OnMyEditChange(CMyEdit* pEdit, bool bChanged)
{
    for (int i = 0; i < 2; ++i)
    {
        if (pEdit == &m_edSerial[i] && bChanged)
            OnChangeSerialNumber(i);
    }
}

// Asks once per visit of the field; No puts the previous text back and writes nothing. The sensor
// gets the new number a second after the last change.
void CDlgMeasureAdjust::OnChangeSerialNumber(int iChannel)
{
    CMyEdit& edit = m_edSerial[iChannel];
    edit.GetSel(m_aiSerialSelection[iChannel][0], m_aiSerialSelection[iChannel][1]);
    CComPort* pEngine = Engine();
    CPageHost* pHost = PageHost();
    if (edit.IsSuppressingChanges() || pEngine == nullptr || pHost == nullptr)
        return;
    if (m_bConfirmSerialChange[iChannel])
    {
        const int iQuestion = iChannel == 0 ? IDS_SERIAL_QUESTION_A : IDS_SERIAL_QUESTION_B;
        if (AfxMessageBox(Text(iQuestion, m_iLanguageOffsetCopy),
                          MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
        {
            edit.RestorePreviousText();
            return;
        }
        m_bConfirmSerialChange[iChannel] = false;
        edit.SetFocus();
        edit.SetSel(m_aiSerialSelection[iChannel][0], m_aiSerialSelection[iChannel][1]);
        edit.SendMessage(EM_SCROLLCARET);
    }
    if (auto* pInfoPage =
            dynamic_cast<CModePage*>(pHost->GetRegisteredWindow(REGISTER_KIND_DLG_SENSOR_INFORMATION)))
        pInfoPage->m_bRefreshOnShow = 1;
    CString strSerial;
    edit.GetWindowText(strSerial);
    (iChannel == 0 ? pEngine->m_sSensor.strSerialNoA : pEngine->m_sSensor.strSerialNoB) = strSerial;
    pHost->GetFrameWindow()->SetTimer(TIMER_WAIT_UPDATE_SERIAL_NO_ROT_OPERATION, SERIAL_WRITE_DELAY_MS);
}

void CDlgMeasureAdjust::OnKillFocusSerial(UINT nId)
{
    m_bConfirmSerialChange[nId == IDC_ADJ_SERIAL_A ? 0 : 1] = true;
}
