// Stand-in for the main frame, the panel and the pages around the sensor engine: plays every role,
// attached to the engine from construction to destruction, records what the engine asks of them,
// answers from settable fields, and plays the few panel reactions the engine relies on
// (control-signal toggle, single-shot button) the way the operator panel does.
#pragma once

#include "protocol/CComPort.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortCalibRole.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/CComPortDiagnosticRole.h"
#include "protocol/CComPortDocumentationRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortInfoRole.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/CComPortStartUpRole.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class CTestComPortHost : public CComPortHost,
                         public CComPortAdjustRole,
                         public CComPortPanelRole,
                         public CComPortStartUpRole,
                         public CComPortConnectionRole,
                         public CComPortInfoRole,
                         public CComPortCalibRole,
                         public CComPortDiagnosticRole,
                         public CComPortDocumentationRole
{
public:
    struct Delivery
    {
        int iReason;
        int iValueA;
        int iValueB;
        int iState;
    };
    struct Row
    {
        CString astrCell[6];
        int iState = -1;
    };

    explicit CTestComPortHost(CComPort* pEngine);
    ~CTestComPortHost() override;
    CTestComPortHost(const CTestComPortHost&) = delete;
    CTestComPortHost& operator=(const CTestComPortHost&) = delete;

    // Attaches this host to the engine in every role (bAttach), or restores the do-nothing objects.
    void AttachAll(bool bAttach);

    // How often a call was made (the log keeps every call by name, arguments after a blank).
    int Count(const std::string& strCall) const;
    bool Has(const std::string& strEntry) const;
    bool FrameTimerRuns(UINT_PTR nId) const { return m_frameTimers.count(nId) != 0; }
    bool PanelTimerRuns(UINT_PTR nId) const { return m_panelTimers.count(nId) != 0; }
    void ClearLog();

    // Inputs.
    CComPort* m_pEngine;
    bool m_bChannelA = true;
    bool m_bChannelB = true;
    int m_iRateCode = 6;
    int m_iLanguageOffset = 1000;
    bool m_bRunning = false;
    bool m_bControlRequest = false;
    bool m_bNewCalibReady = false;
    bool m_bUncertaintyConfirmed = false;
    int m_iUncertaintyAction = 0;
    int m_iLowPassHzA = 3000;
    int m_iLowPassHzB = 3000;
    bool m_abScalingChanged[2] = {};
    int m_aiUnitCount[2] = {7, 7};
    bool m_abHasScaleSource[2] = {};
    ChannelScaleSource m_aScaleSource[2];
    std::deque<bool> m_calcResults;
    int m_iCalcErrorBits = 0;
    CComboBox* m_pPortCombo = nullptr;

    // What the engine did.
    std::vector<std::string> m_log;
    std::vector<CString> m_traces;
    std::vector<Delivery> m_deliveries;
    std::map<UINT_PTR, UINT> m_frameTimers;
    std::map<UINT_PTR, UINT> m_panelTimers;
    std::vector<Row> m_rows;
    bool m_bControlLed = false;
    bool m_bSensorConfigRead = false;
    int m_iMeasureTimerPeriod = 0;
    __time64_t m_tStopTime = 0;
    double m_adCalibSum[4] = {};
    int m_iCalibSamples = 0;
    double m_adCountFactor[2] = {};

    // ---- The engine's frame and roles
    void Frame_Trace(const CString& strLine) override;
    void Frame_BeginWaitCursor() override { Log("Frame_BeginWaitCursor"); }
    void Frame_EndWaitCursor() override { Log("Frame_EndWaitCursor"); }
    void Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Frame_KillTimer(UINT_PTR nIdEvent) override;
    int Frame_GetLanguageOffset() override { return m_iLanguageOffset; }
    void Frame_ShowMainWindow() override { Log("Frame_ShowMainWindow"); }
    void Frame_SetSensorConfigRead(bool bRead) override { m_bSensorConfigRead = bRead; }
    void Frame_WriteDiagnosticLog(const SensorStruct&, const CString& strText1, const CString&) override;
    void Frame_HandleSensorLost(bool bStopMeasurement) override
    {
        Log(std::string("Frame_HandleSensorLost ") + (bStopMeasurement ? "1" : "0"));
    }
    void Frame_HandleLineBroken() override { Log("Frame_HandleLineBroken"); }
    void Frame_ProcessMeasuredValues(int iReason) override;
    void Frame_ResetMeanLists(int iReason) override
    {
        Log("Frame_ResetMeanLists " + std::to_string(iReason));
    }
    void Frame_ResetCalibLists() override;
    void Frame_AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB) override;
    CalibRingAverages Frame_GetCalibAverages() override;
    void Frame_SetupChannels(int iMode, SensorStruct*) override
    {
        Log("Frame_SetupChannels " + std::to_string(iMode));
    }
    void Frame_AddSoftwareScalingUnit() override { Log("Frame_AddSoftwareScalingUnit"); }
    void Frame_SetSoftwareScalingUnit(int iChannel, double, const CString& strUnit) override;
    int Frame_GetUnitCount(int iChannel) override { return m_aiUnitCount[iChannel & 1]; }
    void Frame_StoreDisplaySettings() override { Log("Frame_StoreDisplaySettings"); }
    int Frame_GetMeasuringRateCode() override { return m_iRateCode; }
    bool Frame_GetChannelScaleSource(int iChannel, ChannelScaleSource& source) override;
    void Frame_SetChannelScale(int iChannel, double dCountFactor, double) override;
    void Frame_OnMeasureStarting(bool bNewDiagram) override;
    void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) override;
    void Adjust_GetLowPassHz(int& iHzA, int& iHzB) override;
    bool Adjust_IsSoftwareScalingChanged(int iChannel) override { return m_abScalingChanged[iChannel & 1]; }
    void Adjust_UpdateControls(int) override { Log("Adjust_UpdateControls"); }
    void Adjust_ShowCurrentValue(int iValueA, int iValueB) override;
    void Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Panel_KillTimer(UINT_PTR nIdEvent) override;
    bool Panel_IsRunning() override { return m_bRunning; }
    void Panel_BeginRunning() override { m_bRunning = true; }
    void Panel_EndRunning() override;
    bool Panel_TakeControlRequest() override;
    void Panel_ToggleControlSignal(int iWhy) override;
    void Panel_ShowControlLed(bool bOn) override;
    void Panel_SetControlState(BYTE ucState) override
    {
        Log("Panel_SetControlState " + std::to_string(ucState));
    }
    void Panel_SetConnectionState(int iState) override
    {
        Log("Panel_SetConnectionState " + std::to_string(iState));
    }
    void Panel_OnSensorConnected() override;
    void Panel_OnSensorDisconnected() override { Log("Panel_OnSensorDisconnected"); }
    void Panel_ResetToDisconnected() override { Log("Panel_ResetToDisconnected"); }
    void Panel_OnBtnSingleShot() override;
    void Panel_StartMeasureTimer(UINT uiPeriodMs) override;
    void Panel_StopMeasureTimer() override;
    CString Panel_GetButtonStateText() override { return "Start Trigger"; }
    void StartUp_InitSearchProgress(int iPorts) override
    {
        Log("StartUp_InitSearchProgress " + std::to_string(iPorts));
    }
    void StartUp_SetSearchedPort(int iEntry) override
    {
        Log("StartUp_SetSearchedPort " + std::to_string(iEntry));
    }
    void StartUp_AdvanceSearchProgress(int) override { Log("StartUp_AdvanceSearchProgress"); }
    void StartUp_ShowSearchFailed() override { Log("StartUp_ShowSearchFailed"); }
    void StartUp_HideSearchProgress() override { Log("StartUp_HideSearchProgress"); }
    void StartUp_Hide() override { Log("StartUp_Hide"); }
    void Connection_FillPortList(int) override { Log("Connection_FillPortList"); }
    void Connection_BeginRefill() override;
    void Connection_SetPortRow(const CString& strListText, int iRow, int iState, ULONG ulSerialNo) override;
    void Connection_EndRefill() override { Log("Connection_EndRefill"); }
    int Connection_GetRowCount() override { return static_cast<int>(m_rows.size()); }
    CString Connection_GetCellText(int iRow, int iColumn) override;
    void Connection_SetCellText(int iRow, int iColumn, const CString& strText) override;
    void Connection_ResetListMarks() override { Log("Connection_ResetListMarks"); }
    void Connection_ClearBaudChangePending() override { Log("Connection_ClearBaudChangePending"); }
    void Info_SetDataValid() override { Log("Info_SetDataValid"); }
    void Info_UpdatePage(bool) override { Log("Info_UpdatePage"); }
    void Calib_EnableCalibButtons(int iEnable) override
    {
        Log("Calib_EnableCalibButtons " + std::to_string(iEnable));
    }
    void Calib_AdvanceCalibProgress(int iHow) override
    {
        Log("Calib_AdvanceCalibProgress " + std::to_string(iHow));
    }
    bool Calib_CalcualteCalibValues(BYTE ucFlag1, BYTE ucFlag2, int& iErrorBits) override;
    bool Calib_IsNewCalibReady() override { return m_bNewCalibReady; }
    bool Calib_IsUncertaintyConfirmed() override { return m_bUncertaintyConfirmed; }
    int Calib_GetUncertaintyAction() override { return m_iUncertaintyAction; }
    void Calib_GetBlockValues(int& iCalib23, int& iCalib25) override;
    void Calib_ClearCalibRunning() override { Log("Calib_ClearCalibRunning"); }
    void CalibZero_CloseFromProtocol() override { Log("CalibZero_CloseFromProtocol"); }
    void CalibEnd_CloseFromProtocol() override { Log("CalibEnd_CloseFromProtocol"); }
    CComboBox* Diagnostic_GetPortCombo() override { return m_pPortCombo; }
    void Documentation_SetStopTime(__time64_t tStop) override;

protected:
    void Log(const std::string& strEntry) { m_log.push_back(strEntry); }
};
