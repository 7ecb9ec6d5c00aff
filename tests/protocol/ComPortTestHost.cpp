#include "ComPortTestHost.h"

#include <algorithm>

CTestComPortHost::CTestComPortHost(CComPort* pEngine) : m_pEngine(pEngine)
{
    AttachAll(true);
}

CTestComPortHost::~CTestComPortHost()
{
    AttachAll(false);
}

void CTestComPortHost::AttachAll(bool bAttach)
{
    m_pEngine->COM_AttachHost(bAttach ? this : nullptr);
    m_pEngine->COM_AttachAdjust(bAttach ? this : nullptr);
    m_pEngine->COM_AttachPanel(bAttach ? this : nullptr);
    m_pEngine->COM_AttachStartUp(bAttach ? this : nullptr);
    m_pEngine->COM_AttachConnection(bAttach ? this : nullptr);
    m_pEngine->COM_AttachInfo(bAttach ? this : nullptr);
    m_pEngine->COM_AttachCalib(bAttach ? this : nullptr);
    m_pEngine->COM_AttachDiagnostic(bAttach ? this : nullptr);
    m_pEngine->COM_AttachDocumentation(bAttach ? this : nullptr);
}

int CTestComPortHost::Count(const std::string& strCall) const
{
    return static_cast<int>(std::count_if(m_log.begin(), m_log.end(),
                                          [&strCall](const std::string& str)
                                          { return str == strCall || str.rfind(strCall + " ", 0) == 0; }));
}

bool CTestComPortHost::Has(const std::string& strEntry) const
{
    return std::find(m_log.begin(), m_log.end(), strEntry) != m_log.end();
}

void CTestComPortHost::ClearLog()
{
    m_log.clear();
    m_deliveries.clear();
    m_traces.clear();
}

void CTestComPortHost::Frame_Trace(const CString& strLine)
{
    m_traces.push_back(strLine);
}

void CTestComPortHost::Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    m_frameTimers[nIdEvent] = uiElapse;
    Log("Frame_SetTimer " + std::to_string(nIdEvent));
}

void CTestComPortHost::Frame_KillTimer(UINT_PTR nIdEvent)
{
    m_frameTimers.erase(nIdEvent);
}

void CTestComPortHost::Frame_WriteDiagnosticLog(const SensorStruct&, const CString& strText1, const CString&)
{
    Log("Frame_WriteDiagnosticLog " + std::string(strText1.GetString()));
}

void CTestComPortHost::Frame_ProcessMeasuredValues(int iReason)
{
    const MeasuredValuesStruct& m = m_pEngine->m_sMeasuredValues;
    m_deliveries.push_back({iReason, m.iValueA, m.iValueB, m_pEngine->COM_GetZMCOMConfgFlow()});
}

void CTestComPortHost::Frame_ResetCalibLists()
{
    std::fill(std::begin(m_adCalibSum), std::end(m_adCalibSum), 0.0);
    m_iCalibSamples = 0;
    Log("Frame_ResetCalibLists");
}

void CTestComPortHost::Frame_AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB)
{
    m_adCalibSum[0] += dRawA;
    m_adCalibSum[1] += dRawB;
    m_adCalibSum[2] += dValueA;
    m_adCalibSum[3] += dValueB;
    ++m_iCalibSamples;
}

CalibRingAverages CTestComPortHost::Frame_GetCalibAverages()
{
    CalibRingAverages averages;
    for (int i = 0; i < 4; ++i)
    {
        averages.adAverage[i] = m_iCalibSamples ? m_adCalibSum[i] / m_iCalibSamples : 0.0;
        averages.aiCount[i] = m_iCalibSamples;
    }
    return averages;
}

void CTestComPortHost::Frame_SetSoftwareScalingUnit(int iChannel, double, const CString& strUnit)
{
    Log("Frame_SetSoftwareScalingUnit " + std::to_string(iChannel) + " " + strUnit.GetString());
}

bool CTestComPortHost::Frame_GetChannelScaleSource(int iChannel, ChannelScaleSource& source)
{
    if (!m_abHasScaleSource[iChannel & 1])
        return false;
    source = m_aScaleSource[iChannel & 1];
    return true;
}

void CTestComPortHost::Frame_SetChannelScale(int iChannel, double dCountFactor, double)
{
    m_adCountFactor[iChannel & 1] = dCountFactor;
}

void CTestComPortHost::Frame_OnMeasureStarting(bool bNewDiagram)
{
    Log(std::string("Frame_OnMeasureStarting ") + (bNewDiagram ? "1" : "0"));
}

void CTestComPortHost::Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB)
{
    bChannelA = m_bChannelA;
    bChannelB = m_bChannelB;
}

void CTestComPortHost::Adjust_GetLowPassHz(int& iHzA, int& iHzB)
{
    iHzA = m_iLowPassHzA;
    iHzB = m_iLowPassHzB;
}

void CTestComPortHost::Adjust_ShowCurrentValue(int iValueA, int iValueB)
{
    Log("Adjust_ShowCurrentValue " + std::to_string(iValueA) + " " + std::to_string(iValueB));
}

void CTestComPortHost::Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    m_panelTimers[nIdEvent] = uiElapse;
    Log("Panel_SetTimer " + std::to_string(nIdEvent));
}

void CTestComPortHost::Panel_KillTimer(UINT_PTR nIdEvent)
{
    m_panelTimers.erase(nIdEvent);
}

void CTestComPortHost::Panel_EndRunning()
{
    m_bRunning = false;
    Log("Panel_EndRunning");
}

bool CTestComPortHost::Panel_TakeControlRequest()
{
    const bool bRequest = m_bControlRequest;
    m_bControlRequest = false;
    return bRequest;
}

// The panel switches the control signal to its other state, with the stream variant while it streams.
void CTestComPortHost::Panel_ToggleControlSignal(int iWhy)
{
    Log("Panel_ToggleControlSignal " + std::to_string(iWhy));
    const int iState = m_pEngine->COM_GetZMCOMConfgFlow();
    const bool bStreaming = iState == ZM_START_MEASURE_SOSM || iState == ZM_TRIGGER_ACTIV;
    if (bStreaming)
        m_bControlLed ? m_pEngine->COM_ZMCOMConfgSetCtrlOffSOSM() : m_pEngine->COM_ZMCOMConfgSetCtrlOnSOSM();
    else
        m_bControlLed ? m_pEngine->COM_ZMCOMConfgSetCtrlOff() : m_pEngine->COM_ZMCOMConfgSetCtrlOn();
}

void CTestComPortHost::Panel_ShowControlLed(bool bOn)
{
    m_bControlLed = bOn;
    Log(std::string("Panel_ShowControlLed ") + (bOn ? "1" : "0"));
}

void CTestComPortHost::Panel_OnSensorConnected()
{
    Log("Panel_OnSensorConnected");
    m_pEngine->m_bPageSwitchLocked = false;
    m_pEngine->COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
}

void CTestComPortHost::Panel_OnBtnSingleShot()
{
    Log("Panel_OnBtnSingleShot");
    if (m_bRunning)
        return;
    Frame_ResetMeanLists(1);
    m_pEngine->COM_SingleShot();
}

void CTestComPortHost::Panel_StartMeasureTimer(UINT uiPeriodMs)
{
    m_iMeasureTimerPeriod = static_cast<int>(uiPeriodMs);
    Log("Panel_StartMeasureTimer " + std::to_string(uiPeriodMs));
}

void CTestComPortHost::Panel_StopMeasureTimer()
{
    m_iMeasureTimerPeriod = 0;
    Log("Panel_StopMeasureTimer");
}

void CTestComPortHost::Connection_BeginRefill()
{
    m_rows.clear();
    Log("Connection_BeginRefill");
}

void CTestComPortHost::Connection_SetPortRow(const CString& strListText, int iRow, int iState, ULONG)
{
    if (iRow >= static_cast<int>(m_rows.size()))
        m_rows.resize(static_cast<size_t>(iRow) + 1);
    m_rows.at(static_cast<size_t>(iRow)).astrCell[0] = strListText;
    m_rows.at(static_cast<size_t>(iRow)).iState = iState;
}

CString CTestComPortHost::Connection_GetCellText(int iRow, int iColumn)
{
    return m_rows.at(static_cast<size_t>(iRow)).astrCell[iColumn];
}

void CTestComPortHost::Connection_SetCellText(int iRow, int iColumn, const CString& strText)
{
    m_rows.at(static_cast<size_t>(iRow)).astrCell[iColumn] = strText;
}

bool CTestComPortHost::Calib_CalcualteCalibValues(BYTE ucFlag1, BYTE ucFlag2, int& iErrorBits)
{
    Log("Calib_CalcualteCalibValues " + std::to_string(ucFlag1) + " " + std::to_string(ucFlag2));
    iErrorBits |= m_iCalcErrorBits;
    if (m_calcResults.empty())
        return false;
    const bool bResult = m_calcResults.front();
    m_calcResults.pop_front();
    return bResult;
}

void CTestComPortHost::Calib_GetBlockValues(int& iCalib23, int& iCalib25)
{
    iCalib23 = 1000;
    iCalib25 = 2000;
}

void CTestComPortHost::Documentation_SetStopTime(__time64_t tStop)
{
    m_tStopTime = tStop;
    Log("Documentation_SetStopTime");
}
