// What the sensor engine (CComPort) needs of the main frame, the value pipeline, the operator panel
// and the pages. The main frame implements it and hands each call on to the window concerned; the
// engine holds it as m_pMainFrame. Every call runs on the user-interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CComboBox;
struct SensorStruct;

// Uncertainty actions of the calibration page.
constexpr int ID_INACCURACY_CH_A_CHANGE = 0;
constexpr int ID_INACCURACY_CH_B_CHANGE = 1;
constexpr int ID_INACCURACY_CH_A_DELETE = 2;
constexpr int ID_INACCURACY_CH_B_DELETE = 3;

// What the scale factors of a channel are computed from (its ChannelSettingsStruct).
struct ChannelScaleSource
{
    char cTypeClass = 'X';
    int iFullScaleCount = 0;
    int iSelectedUnitStringId = 0;
    double dSelectedUnitFactor = 1.0;
    // Unit factors of the first three unit slots (the base slot is chosen by the type class).
    double adUnitFactor[3] = {1.0, 1.0, 1.0};
};

// Averages and fill levels of the four calibration rings: raw A, raw B, value A, value B.
struct CalibRingAverages
{
    double adAverage[4] = {};
    int aiCount[4] = {};
};

class CComPortHost
{
public:
    virtual ~CComPortHost() = default;

    // ---- Main frame
    virtual void Frame_Trace(const CString& strLine) = 0;
    virtual void Frame_BeginWaitCursor() = 0;
    virtual void Frame_EndWaitCursor() = 0;
    virtual void Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) = 0;
    virtual void Frame_KillTimer(UINT_PTR nIdEvent) = 0;
    virtual int Frame_GetLanguageOffset() = 0;
    virtual void Frame_ShowMainWindow() = 0;
    virtual void Frame_SetSensorConfigRead(bool bRead) = 0;
    // One diagnostic-log entry for the sensor (written only while logging is on).
    virtual void Frame_WriteDiagnosticLog(const SensorStruct& sSensor, const CString& strText1,
                                          const CString& strText2) = 0;
    // The connected sensor stopped answering (its request was repeated in vain): the frame marks its
    // port as not answering and tests the connection again, stopping a running measurement first
    // when bStopMeasurement is set.
    virtual void Frame_HandleSensorLost(bool bStopMeasurement) = 0;

    // ---- Value pipeline of the main frame
    virtual void Frame_ProcessMeasuredValues(int iReason) = 0;
    virtual void Frame_ResetMeanLists(int iReason) = 0;
    virtual void Frame_ResetCalibLists() = 0;
    virtual void Frame_AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB) = 0;
    virtual CalibRingAverages Frame_GetCalibAverages() = 0;
    virtual void Frame_SetupChannels(int iMode, SensorStruct* pSensor) = 0;
    virtual void Frame_AddSoftwareScalingUnit() = 0;
    // The software-scaling entry of the channel's unit table (the slot at its unit count).
    virtual void Frame_SetSoftwareScalingUnit(int iChannel, double dFactor, const CString& strUnit) = 0;
    virtual int Frame_GetUnitCount(int iChannel) = 0;
    virtual void Frame_StoreDisplaySettings() = 0;
    virtual int Frame_GetMeasuringRateCode() = 0;
    // False leaves the channel's scale as it is.
    virtual bool Frame_GetChannelScaleSource(int iChannel, ChannelScaleSource& source) = 0;
    virtual void Frame_SetChannelScale(int iChannel, double dCountFactor, double dBaseCountFactor) = 0;
    // A measurement starts: the trigger-start flag and the value file's drop-last-row flag are
    // cleared, the averaging rings sized from the settings, the diagram prepared.
    virtual void Frame_OnMeasureStarting(bool bNewDiagram) = 0;

    // ---- Measurement-configuration page
    virtual void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) = 0;
    virtual void Adjust_GetLowPassHz(int& iHzA, int& iHzB) = 0;
    virtual bool Adjust_IsSoftwareScalingChanged(int iChannel) = 0;
    virtual void Adjust_UpdateControls(int iLanguageOffset) = 0;
    // Shows a single value in the software-scaling dialog while that dialog is open.
    virtual void Adjust_ShowCurrentValue(int iValueA, int iValueB) = 0;

    // ---- Operator panel
    virtual void Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) = 0;
    virtual void Panel_KillTimer(UINT_PTR nIdEvent) = 0;
    virtual bool Panel_IsRunning() = 0;
    // Running flag set and the values-missing flag cleared.
    virtual void Panel_BeginRunning() = 0;
    // Trigger LED timer stopped, trigger LED off, running and trigger-cycle flags and the frame's
    // recording flag cleared, buttons refreshed.
    virtual void Panel_EndRunning() = 0;
    // Reads and clears a pending control-signal request.
    virtual bool Panel_TakeControlRequest() = 0;
    virtual void Panel_ToggleControlSignal(int iWhy) = 0;
    virtual void Panel_ShowControlLed(bool bOn) = 0;
    virtual void Panel_SetControlState(BYTE ucState) = 0;
    virtual void Panel_SetConnectionState(int iState) = 0;
    virtual void Panel_OnSensorConnected() = 0;
    virtual void Panel_OnSensorDisconnected() = 0;
    virtual void Panel_ResetToDisconnected() = 0;
    virtual void Panel_OnBtnSingleShot() = 0;
    // The panel's multimedia timer; its tick sends the next single-shot or raw-value request.
    virtual void Panel_StartMeasureTimer(UINT uiPeriodMs) = 0;
    virtual void Panel_StopMeasureTimer() = 0;
    virtual CString Panel_GetButtonStateText() = 0;

    // ---- Start-up dialog
    virtual void StartUp_InitSearchProgress(int iPorts) = 0;
    virtual void StartUp_SetSearchedPort(int iEntry) = 0;
    virtual void StartUp_AdvanceSearchProgress(int iHow) = 0;
    virtual void StartUp_ShowSearchFailed() = 0;
    virtual void StartUp_HideSearchProgress() = 0;
    virtual void StartUp_Hide() = 0;

    // ---- Sensor-connection page and its port list
    virtual void Connection_MarkAllPortsForSearch(int iValue) = 0;
    virtual void Connection_FillPortList(int iTakeOver) = 0;
    // Refill: window update locked and all rows deleted, rows set one by one, then unlocked.
    virtual void Connection_BeginRefill() = 0;
    virtual void Connection_SetPortRow(const CString& strListText, int iRow, int iState,
                                       ULONG ulSerialNo) = 0;
    virtual void Connection_EndRefill() = 0;
    virtual int Connection_GetRowCount() = 0;
    virtual CString Connection_GetCellText(int iRow, int iColumn) = 0;
    virtual void Connection_SetCellText(int iRow, int iColumn, const CString& strText) = 0;
    virtual void Connection_ResetListMarks() = 0;
    virtual void Connection_ClearBaudChangePending() = 0;

    // ---- Sensor-information, calibration, diagnostic and documentation pages
    virtual void Info_SetDataValid() = 0;
    virtual void Info_UpdatePage(bool bOnlyWhenVisible) = 0;
    virtual void Calib_EnableCalibButtons(int iEnable) = 0;
    virtual void Calib_AdvanceCalibProgress(int iHow) = 0;
    virtual bool Calib_CalcualteCalibValues(BYTE ucFlag1, BYTE ucFlag2, int& iErrorBits) = 0;
    virtual bool Calib_IsNewCalibReady() = 0;
    virtual bool Calib_IsUncertaintyConfirmed() = 0;
    virtual int Calib_GetUncertaintyAction() = 0;
    // The two values of bytes 23-26 of the user calibration block.
    virtual void Calib_GetBlockValues(int& iCalib23, int& iCalib25) = 0;
    virtual void Calib_ClearCalibRunning() = 0;
    virtual void CalibZero_CloseFromProtocol() = 0;
    virtual void CalibEnd_CloseFromProtocol() = 0;
    // The diagnostic page's COM combo box, which the search fills with the machine's ports.
    virtual CComboBox* Diagnostic_GetPortCombo() = 0;
    virtual void Documentation_SetStopTime(__time64_t tStop) = 0;
};
