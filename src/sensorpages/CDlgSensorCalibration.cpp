#include "sensorpages/CDlgSensorCalibration.h"

#include "controls/ControlTexts.h"
#include "framework/CWinApp.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasurePanelState.h"
#include "protocol/CComPort.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgCalibInaccuracyDefine.h"
#include "sensorpages/CDlgCalibInaccuracyRangeFailure.h"
#include "sensorpages/CDlgCalibInaccuracyWarning.h"
#include "sensorpages/CDlgCalibMsgDeleteCalib.h"
#include "sensorpages/CDlgCalibMsgDoCalib.h"
#include "sensorpages/CDlgCalibMsgGetValueEnd.h"
#include "sensorpages/CDlgCalibMsgGetValueZero.h"
#include "sensorpages/CDlgCalibMsgWrongScaleValue.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/ShellMessages.h"

#include <cmath>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CDlgSensorCalibration, CSensorPage)

BEGIN_MESSAGE_MAP(CDlgSensorCalibration, CSensorPage)
ON_BN_CLICKED(IDC_CALIB_USER_UNCERTAINTY, OnBtnUserUncertainty)
ON_BN_CLICKED(IDC_CALIB_FACTORY_UNCERTAINTY, OnBtnFactoryUncertainty)
ON_BN_CLICKED(IDC_CALIB_USER_RUN, OnBtnUserRun)
ON_BN_CLICKED(IDC_CALIB_FACTORY_RUN, OnBtnFactoryRun)
ON_BN_CLICKED(IDC_CALIB_USER_DELETE, OnBtnUserDelete)
ON_BN_CLICKED(IDC_CALIB_FACTORY_DELETE, OnBtnFactoryDelete)
ON_BN_CLICKED(IDC_CALIB_USER_RESTORE, OnBtnUserRestore)
ON_BN_CLICKED(IDC_CALIB_FACTORY_RESTORE, EmptyHandler)
END_MESSAGE_MAP()

namespace
{
constexpr int MIN_GROUP_WIDTH = 273;
constexpr int MIN_GROUP_HEIGHT = 138;
constexpr int ZERO_CENTRE = 32768;
constexpr int ZERO_TOLERANCE = 8000;
constexpr int CONTROL_MIN_SHIFT = 2500;
constexpr double Q15_ONE = 32768.0;
constexpr double DIGITS_SCALE_SHARE = 0.4;
constexpr double PERCENT_START = 66.6;
constexpr int WRITE_PROGRESS = 250;
constexpr BYTE ADJUSTMENT_USER = 3;
constexpr BYTE STATOR_TYPE_INTERFACE = 5;
constexpr BYTE STATOR_TYPE_SINGLE_CHANNEL_USB = 7;
constexpr int FIELD_UNSIGNED_MAX = 65535;
constexpr int FIELD_SIGNED_MIN = -32768;
constexpr int FIELD_SIGNED_MAX = 32767;
const char* const ASK_NO_BUILT_IN_CTRL =
    "Der gemessene Wert von Kanal %s bei aufgeschalteter Kontrolle liegt viel zu nah am Nullpunkt.\n\n"
    "Sie haben zwei Möglichkeiten wie sie fortfahren können:\n\n"
    "\t- Der Sensor verfügt über keine eingebaute Kontrolle\n\t  dann klicken Sie auf \"Ja\"\n"
    "\t  (Kontrollverstärkung == Justierverstärkung).\n\n"
    "\t- Routine abbrechen dann klicken Sie auf \"Nein\".";

struct Readings
{
    long long llZero = 0;
    long long llCtrl = 0;
    long long llScale = 0;
};

Readings ChannelReadings(const CalibValuesStruct& c, BYTE bSigned)
{
    if (bSigned == 0)
        return {c.iRawZero, c.iRawCtrl, c.iRawScale};
    if (bSigned == 1)
        return {c.iValZero + ZERO_CENTRE, c.iValCtrl + ZERO_CENTRE, c.iValScale + ZERO_CENTRE};
    return {};
}

// The operator's answer whether the channel has no built-in control (the control reading lay too
// close to its zero).
bool AskNoBuiltInCtrl(int iChannel)
{
    CString strText;
    strText.Format(ASK_NO_BUILT_IN_CTRL, iChannel == 0 ? "A" : "B");
    return AfxMessageBox(strText, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
} // namespace

CDlgSensorCalibration::CDlgSensorCalibration(CWnd* pParent, void*)
    : CSensorPage(IDD_DLG_SENSOR_CALIBRATION, pParent, IDC_CALIB_GROUP,
                  CSize(MIN_GROUP_WIDTH, MIN_GROUP_HEIGHT))
{
}

BOOL CDlgSensorCalibration::OnInitDialog()
{
    if (m_bFirstInit)
    {
        m_pMainFrame = GetCalibHost();
        EnableCalibButtons(0);
    }
    return CSensorPage::OnInitDialog();
}

void CDlgSensorCalibration::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachCalib(bAttach ? this : nullptr);
}

CComPort& CDlgSensorCalibration::Engine() const
{
    return GetPageHost()->GetComPort();
}

int CDlgSensorCalibration::GetControlSignalState() const
{
    const CDlgMeasureDiagram* pPanel = GetPanel();
    return pPanel != nullptr ? pPanel->m_psMsureDgrm->iCtrlLed : -1;
}

CCalibHost* CDlgSensorCalibration::GetCalibHost() const
{
    return dynamic_cast<CCalibHost*>(GetPageHost());
}

BOOL CDlgSensorCalibration::UpdateLanguageTexts()
{
    const struct
    {
        int iControl;
        UINT nText;
    } texts[] = {{IDC_CALIB_GROUP, IDS_TREE_SENSOR_CALIBRATION},
                 {IDC_CALIB_USER_RUN, IDS_RUN_USER_ADJUSTMENT},
                 {IDC_CALIB_FACTORY_RUN, IDS_RUN_FACTORY_ADJUSTMENT},
                 {IDC_CALIB_USER_DELETE, IDS_DELETE_USER_ADJUSTMENT},
                 {IDC_CALIB_FACTORY_DELETE, IDS_DELETE_FACTORY_ADJUSTMENT},
                 {IDC_CALIB_USER_UNCERTAINTY, IDS_STORE_UNCERTAINTY}};
    BOOL bAll = TRUE;
    for (const auto& text : texts)
        bAll = CPageText::SetItemText(this, text.iControl, text.nText, GetLanguageOffset()) && bAll;
    return bAll;
}

// ---- Progress, buttons, sensor kind

bool CDlgSensorCalibration::AdvanceCalibProgress(int iHow)
{
    if (iHow == 0)
        m_iProgressPos += 1;
    else if (iHow == 1)
        m_iProgressPos += WRITE_PROGRESS;
    if (m_iProgressDivisor == 0 ||
        static_cast<unsigned>(m_iProgressPos) % static_cast<unsigned>(m_iProgressDivisor) != 0)
        return true;
    ++m_iProgressUpdates;
    if (m_iCalibStep == 1)
    {
        if (CDlgCalibMsgGetValueZero* pZero = OpenZeroDialog())
            pZero->UpdateProgress();
    }
    else if (m_iCalibStep == 2 && m_bCalibEndProgress == 1)
    {
        if (CDlgCalibMsgGetValueEnd* pEnd = OpenEndDialog())
            pEnd->UpdateProgress();
    }
    return true;
}

void CDlgSensorCalibration::EnableCalibButtons(BYTE bEnable)
{
    if (!GetSafeHwnd() || bEnable > 1)
        return;
    if (CWnd* pUncertainty = GetDlgItem(IDC_CALIB_USER_UNCERTAINTY))
        pUncertainty->EnableWindow(bEnable);
    if (bEnable == 1 && GetPageHost() != nullptr)
    {
        if (CWnd* pDelete = GetDlgItem(IDC_CALIB_USER_DELETE))
            pDelete->EnableWindow(Engine().m_sSensor.ucAdjustment == ADJUSTMENT_USER);
    }
}

bool CDlgSensorCalibration::IsSingleChannelSensor() const
{
    const SensorStruct& s = Engine().m_sSensor;
    return (s.ucInterfaceKind == 1 && s.ucStatorType == STATOR_TYPE_INTERFACE) ||
           s.ucStatorType == STATOR_TYPE_SINGLE_CHANNEL_USB;
}

void CDlgSensorCalibration::ResetCalibSequence()
{
    m_bScaleCheckFailed = 0;
    m_iProgressRange = PROGRESS_RANGE;
    m_iProgressDivisor = PROGRESS_DIVISOR;
    m_iProgressPos = 0;
    m_iProgressUpdates = 0;
    m_bMeasureOnShow = 0;
}

// ---- Checks

int CDlgSensorCalibration::CheckZeroWindow() const
{
    int iResult = 0;
    for (int iChannel : {0, 1})
    {
        const int iZero = Engine().m_sCalibValues[iChannel].iRawZero;
        if (iZero < ZERO_CENTRE - ZERO_TOLERANCE || iZero > ZERO_CENTRE + ZERO_TOLERANCE)
            iResult |= iChannel == 0 ? 1 : 2;
    }
    return iResult;
}

bool CDlgSensorCalibration::CheckScaleValues(const CString& strRangeA, const CString& strAdjustA,
                                             const CString& strRangeB, const CString& strAdjustB)
{
    auto take = [](CString str, CString& strOut, double& dOut)
    {
        str.Replace(',', '.');
        strOut = str;
        dOut = std::atof(str);
    };
    take(strRangeA, m_strRangeEndA, m_dRangeEndA);
    take(strAdjustA, m_strAdjustA, m_dAdjustA);
    take(strRangeB, m_strRangeEndB, m_dRangeEndB);
    take(strAdjustB, m_strAdjustB, m_dAdjustB);
    const bool bPassA = m_dRangeEndA / 4 < m_dAdjustA && m_dAdjustA < m_dRangeEndA * 8;
    if (bPassA)
    {
        m_dAcceptedAdjustA = m_dAdjustA;
        KeepAdjustValueA();
    }
    const bool bPassB = m_dRangeEndB / 4 < m_dAdjustB && m_dAdjustB < m_dRangeEndB * 8;
    if (bPassB)
    {
        m_dAcceptedAdjustB = m_dAdjustB;
        KeepAdjustValueB();
    }
    return bPassA && bPassB;
}

bool CDlgSensorCalibration::CheckControlSignal(int iChannel, BYTE bSigned) const
{
    if ((iChannel != 0 && iChannel != 1) || bSigned > 1)
        return false;
    const Readings r = ChannelReadings(Engine().m_sCalibValues[iChannel], bSigned);
    return r.llCtrl < r.llZero - CONTROL_MIN_SHIFT || r.llCtrl > r.llZero + CONTROL_MIN_SHIFT;
}

bool CDlgSensorCalibration::ToQ15(double x, int* piOut)
{
    if (x >= 0.0 && x <= 2.0)
    {
        *piOut = static_cast<int>(x * Q15_ONE);
        return true;
    }
    *piOut = 0;
    return false;
}

bool CDlgSensorCalibration::TakeAdjustTextA(CString& strOut)
{
    if (m_bKeepAdjustA == 1)
    {
        strOut = m_strAdjustA;
        m_bKeepAdjustA = 0;
        return true;
    }
    strOut = m_strRangeEndA;
    return false;
}

bool CDlgSensorCalibration::TakeAdjustTextB(CString& strOut)
{
    if (m_bKeepAdjustB == 1)
    {
        strOut = m_strAdjustB;
        m_bKeepAdjustB = 0;
        return true;
    }
    strOut = m_strRangeEndB;
    return false;
}

// ---- The computation

bool CDlgSensorCalibration::CalcualteCalibValues(BYTE bAsk, BYTE bSigned, int* piErrors)
{
    CComPort& engine = Engine();
    const SensorStruct& s = engine.m_sSensor;
    bool bIsCalibTrue = true;
    int iErrors = 0;
    double adPercent[2] = {PERCENT_START, PERCENT_START};
    double adGainCtrl[2] = {1.0, 1.0};
    double adGainScale[2] = {1.0, 1.0};
    m_dRatioA = m_dAcceptedAdjustA / m_dRangeEndShownA;
    m_dRatioB = m_dAcceptedAdjustB / m_dRangeEndShownB;
    const double adRatio[2] = {m_dRatioA, m_dRatioB};
    const double adUpper[2] = {s.dRangeA, s.dRangeB};

    for (int iChannel : {0, 1})
    {
        CalibValuesStruct& c = engine.m_sCalibValues[iChannel];
        bool bNoCtrl = c.bNoBuiltInCtrl == 1;
        if (!bNoCtrl && !CheckControlSignal(iChannel, bSigned) && bAsk == 1)
            bNoCtrl = AskNoBuiltInCtrl(iChannel);
        if (bNoCtrl)
        {
            c.iRawCtrl = c.iRawScale;
            c.dRawCtrl = c.dRawScale;
            c.iValCtrl = c.iValScale;
            c.dValCtrl = c.dValScale;
        }
    }
    Readings readings[2] = {ChannelReadings(engine.m_sCalibValues[0], bSigned),
                            ChannelReadings(engine.m_sCalibValues[1], bSigned)};
    m_iDigitsA = std::atol(m_strDigitsA);
    m_iDigitsB = std::atol(m_strDigitsB);
    const double adDigits[2] = {static_cast<double>(static_cast<unsigned>(m_iDigitsA)),
                                static_cast<double>(static_cast<unsigned>(m_iDigitsB))};
    for (int iChannel : {0, 1})
    {
        const Readings& r = readings[iChannel];
        if (r.llScale <= r.llZero + static_cast<long long>(adDigits[iChannel] * DIGITS_SCALE_SHARE))
        {
            iErrors |= iChannel == 0 ? ERROR_SCALE_READING_A : ERROR_SCALE_READING_B;
            bIsCalibTrue = false;
        }
    }
    if (bIsCalibTrue)
    {
        for (int iChannel : {0, 1})
        {
            engine.m_sCalibValues[iChannel].slOffset =
                static_cast<int>(ZERO_CENTRE - readings[iChannel].llZero);
            adPercent[iChannel] = adUpper[iChannel] == 0.0 ? 0.0 : adRatio[iChannel] / adUpper[iChannel];
        }
        for (int iChannel : {0, 1})
        {
            CalibValuesStruct& c = engine.m_sCalibValues[iChannel];
            const long long llCtrlSpan = readings[iChannel].llCtrl + c.slOffset - ZERO_CENTRE;
            adGainCtrl[iChannel] =
                llCtrlSpan == 0 ? 0.0 : adDigits[iChannel] / static_cast<double>(llCtrlSpan);
            if (!ToQ15(adGainCtrl[iChannel], &c.dGainCtrl))
            {
                iErrors |= iChannel == 0 ? ERROR_CTRL_GAIN_A : ERROR_CTRL_GAIN_B;
                bIsCalibTrue = false;
            }
        }
        for (int iChannel : {0, 1})
        {
            CalibValuesStruct& c = engine.m_sCalibValues[iChannel];
            const double dSpan = static_cast<double>(readings[iChannel].llScale - readings[iChannel].llZero);
            const double dRatio = adRatio[iChannel];
            adGainScale[iChannel] =
                dRatio == 0.0 || dSpan * adPercent[iChannel] == 0.0
                    ? 0.0
                    : ((adDigits[iChannel] / dRatio) / dSpan) * adPercent[iChannel] * adUpper[iChannel];
            if (!ToQ15(adGainScale[iChannel], &c.dCtrl))
            {
                iErrors |= iChannel == 0 ? ERROR_SCALE_GAIN_A : ERROR_SCALE_GAIN_B;
                bIsCalibTrue = false;
            }
        }
        if (bIsCalibTrue)
        {
            const double adNewDigits[2] = {std::trunc(adDigits[0] / m_dRatioA * adUpper[0]),
                                           std::trunc(adDigits[1] / m_dRatioB * adUpper[1])};
            const bool bFitA = CheckFieldRanges(0, adNewDigits[0], &iErrors);
            const bool bFitB = CheckFieldRanges(1, adNewDigits[1], &iErrors);
            bIsCalibTrue = bFitA && bFitB;
            if (bIsCalibTrue)
            {
                m_iDigitsA = static_cast<int>(adNewDigits[0]);
                m_iDigitsB = static_cast<int>(adNewDigits[1]);
            }
        }
    }
    TraceCalibValues(bIsCalibTrue, adPercent, adGainCtrl, adGainScale);
    *piErrors = iErrors;
    return bIsCalibTrue;
}

// The calibration block holds the gains and the digits as unsigned and the offset as signed 16 bits; a
// value that does not fit, or a gain of 0, would be written wrapped or would switch the channel off.
bool CDlgSensorCalibration::CheckFieldRanges(int iChannel, double dDigits, int* piErrors) const
{
    const CalibValuesStruct& c = Engine().m_sCalibValues[iChannel];
    const bool bFit = c.dGainCtrl > 0 && c.dGainCtrl <= FIELD_UNSIGNED_MAX && c.dCtrl > 0 &&
                      c.dCtrl <= FIELD_UNSIGNED_MAX && c.slOffset >= FIELD_SIGNED_MIN &&
                      c.slOffset <= FIELD_SIGNED_MAX && dDigits >= 0.0 && dDigits <= FIELD_UNSIGNED_MAX;
    if (bFit)
        return true;
    *piErrors |= iChannel == 0 ? ERROR_FIELD_RANGE_A : ERROR_FIELD_RANGE_B;
    if (m_pMainFrame != nullptr)
    {
        CString strLine;
        strLine.Format("\t Channel %d:  refused, a value does not fit its 16-bit field:  slOffset = %d    "
                       "dGainCtrl = %d     dCtrl = %d     digits = %0.0f",
                       iChannel, c.slOffset, c.dGainCtrl, c.dCtrl, dDigits);
        m_pMainFrame->AddTraceLine(strLine);
    }
    return false;
}

void CDlgSensorCalibration::TraceCalibValues(bool bIsCalibTrue, const double adPercent[2],
                                             const double adGainCtrl[2], const double adGainScale[2])
{
    if (m_pMainFrame == nullptr)
        return;
    for (int i = 0; i < 3; ++i)
        m_pMainFrame->AddTraceLine(CString());
    CString strLine;
    strLine.Format("bool CDlgSensorCalibration::CalcualteCalibValues( void ) \t\t\t bIsCalibTrue = %d "
                   "dPercentOfUpperRangeValueChA = %3.2f dPercentOfUpperRangeValueChB = %3.2f",
                   bIsCalibTrue ? 1 : 0, adPercent[0], adPercent[1]);
    m_pMainFrame->AddTraceLine(strLine);
    for (int iChannel : {0, 1})
    {
        const CalibValuesStruct& c = Engine().m_sCalibValues[iChannel];
        strLine.Format("\t Channel %d:  slOffset = %d    dGainCtrl = %0.6f  /  %5d     dCtrl = %0.6f  /  %5d",
                       iChannel, c.slOffset, adGainCtrl[iChannel], c.dGainCtrl, adGainScale[iChannel],
                       c.dCtrl);
        m_pMainFrame->AddTraceLine(strLine);
    }
    for (int i = 0; i < 2; ++i)
        m_pMainFrame->AddTraceLine(CString());
}

// ---- The calibration sequence

void CDlgSensorCalibration::RunCalibrationSequence(BYTE ucKind)
{
    m_ucCalibKind = ucKind;
    ResetCalibSequence();
    m_bFirstDlgShow = 1;
    m_bSingleChannel = IsSingleChannelSensor() ? 1 : 0;
    m_bNewCalibReady = 0;
    CDlgCalibMsgDoCalib dlgStart(this);
    CDlgCalibMsgGetValueZero dlgZero(this);
    CDlgCalibMsgGetValueEnd dlgEnd(this);
    CDlgCalibMsgWrongScaleValue dlgWrongScale(this);
    m_iCalibStep = 0;
    if (dlgStart.DoModal() == IDOK)
    {
        m_iCalibStep = 1;
        if (dlgZero.DoModal() == IDOK)
        {
            if (m_pMainFrame != nullptr)
                m_pMainFrame->EndWaitCursorOnce();
            if (CheckZeroWindow() != 0)
            {
                CString strText;
                strText.LoadString(IDS_ZERO_OUT_OF_TOLERANCE + static_cast<UINT>(GetLanguageOffset()));
                AfxMessageBox(strText, MB_OK);
            }
            else
                RunEndValueSteps(dlgEnd, dlgWrongScale);
        }
    }
    AbandonCalibReading();
}

void CDlgSensorCalibration::RunEndValueSteps(CDlgCalibMsgGetValueEnd& dlgEnd,
                                             CDlgCalibMsgWrongScaleValue& dlgWrongScale)
{
    INT_PTR r = IDCANCEL;
    while (r != IDOK)
    {
        m_iCalibStep = 2;
        m_bCalibEndProgress = 1;
        r = dlgEnd.DoModal();
        if (r == IDOK && m_bScaleCheckFailed == 1)
        {
            if (m_pMainFrame != nullptr)
                m_pMainFrame->EndWaitCursorOnce();
            m_iCalibStep = 3;
            dlgWrongScale.DoModal();
            r = IDCANCEL;
        }
        else if (r == IDOK)
        {
            m_bMeasureOnShow = 1;
            r = dlgEnd.DoModal();
            // A reading cancelled halfway is given up; the end-value step comes again.
            if (r != IDOK)
                AbandonCalibReading();
        }
        else if (r == IDCANCEL)
            r = IDOK;
    }
}

void CDlgSensorCalibration::AbandonCalibReading()
{
    CComPort& engine = Engine();
    if (engine.COM_GetZMCOMConfgFlow() == ZM_READ_RAW_CALIB_INIT)
    {
        if (CDlgMeasureDiagram* pPanel = GetPanel())
            pPanel->Panel_StopMeasureTimer();
        engine.COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    }
    engine.COM_SetCalibIdle();
    m_bNewCalibReady = 0;
    m_bCalibEndProgress = 0;
    if (m_pMainFrame != nullptr)
        m_pMainFrame->EndWaitCursorOnce();
}

// ---- The uncertainty loop

void CDlgSensorCalibration::DefineUncertainty(BYTE ucKind)
{
    CDlgCalibInaccuracyRangeFailure dlgRangeFailure(this);
    CDlgCalibInaccuracyWarning dlgWarning(this);
    INT_PTR r = IDCANCEL;
    m_bSingleChannel = IsSingleChannelSensor() ? 1 : 0;
    m_bFirstDlgShow = 1;
    m_ucUncertaintyKind = ucKind;
    while (r != IDOK)
    {
        m_dUncertaintyValue = 0.0;
        CDlgCalibInaccuracyDefine dlgDefine(this);
        r = dlgDefine.DoModal();
        if (r == IDCANCEL)
            r = IDOK;
        else if (r == IDOK)
        {
            BYTE ucValid = 0;
            Engine().COM_GetCalibInaccuracy(&ucValid, nullptr, &m_dUncertaintyValue, 1);
            if (!ucValid)
            {
                dlgRangeFailure.DoModal();
                r = IDCANCEL;
            }
            else
                dlgWarning.DoModal();
        }
    }
}

// ---- Delete and restore

void CDlgSensorCalibration::DeleteCalibration(BYTE ucKind)
{
    CDlgCalibMsgDeleteCalib dlgDelete(this);
    dlgDelete.m_ucCalibKind = ucKind;
    dlgDelete.DoModal();
}

void CDlgSensorCalibration::OnBtnUserRestore()
{
    Engine().COM_ZMCOMConfgUserCalibActivate();
}

// ---- The engine's calibration role

bool CDlgSensorCalibration::Calib_CalcualteCalibValues(BYTE ucAsk, BYTE ucSigned, int& iErrorBits)
{
    const bool bIsCalibTrue = CalcualteCalibValues(ucAsk, ucSigned, &iErrorBits);
    m_bNewCalibReady = bIsCalibTrue && m_ucCalibKind == 1 ? 1 : 0;
    return bIsCalibTrue;
}

bool CDlgSensorCalibration::Calib_IsNewCalibReady()
{
    // Only a computation of the running sequence is written; one that completed after its reading was
    // given up is not.
    const bool bReady = m_bNewCalibReady == 1 && !Engine().COM_IsCalibIdle();
    m_bNewCalibReady = 0;
    return bReady;
}

bool CDlgSensorCalibration::Calib_IsUncertaintyConfirmed()
{
    const bool bConfirmed = m_bUncertaintyConfirmed == 1;
    m_bUncertaintyConfirmed = 0;
    return bConfirmed;
}

void CDlgSensorCalibration::Calib_GetBlockValues(int& iCalib23, int& iCalib25)
{
    iCalib23 = m_iDigitsA;
    iCalib25 = m_iDigitsB;
}

CDlgCalibMsgGetValueZero* CDlgSensorCalibration::OpenZeroDialog() const
{
    auto* pDlg = GetPageHost() ? dynamic_cast<CDlgCalibMsgGetValueZero*>(
                                     GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_CALIB_VALUE_ZERO))
                               : nullptr;
    return pDlg != nullptr && pDlg->GetSafeHwnd() ? pDlg : nullptr;
}

CDlgCalibMsgGetValueEnd* CDlgSensorCalibration::OpenEndDialog() const
{
    auto* pDlg = GetPageHost() ? dynamic_cast<CDlgCalibMsgGetValueEnd*>(
                                     GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_CALIB_VALUE_END))
                               : nullptr;
    return pDlg != nullptr && pDlg->GetSafeHwnd() ? pDlg : nullptr;
}

void CDlgSensorCalibration::CalibZero_CloseFromProtocol()
{
    if (CDlgCalibMsgGetValueZero* pZero = OpenZeroDialog())
        pZero->CloseFromProtocol();
}

void CDlgSensorCalibration::CalibEnd_CloseFromProtocol()
{
    if (CDlgCalibMsgGetValueEnd* pEnd = OpenEndDialog())
        pEnd->CloseFromProtocol();
}
