// A host for the sensor engine that does nothing and answers with neutral values; tests and
// benchmarks derive from it and override what they look at.
#pragma once

#include "protocol/CComPortHost.h"

class CNullComPortHost : public CComPortHost
{
public:
    void Frame_Trace(const CString&) override {}
    void Frame_BeginWaitCursor() override {}
    void Frame_EndWaitCursor() override {}
    void Frame_SetTimer(UINT_PTR, UINT) override {}
    void Frame_KillTimer(UINT_PTR) override {}
    int Frame_GetLanguageOffset() override { return 1000; }
    void Frame_ShowMainWindow() override {}
    void Frame_SetSensorConfigRead(bool) override {}
    void Frame_WriteDiagnosticLog(const SensorStruct&, const CString&, const CString&) override {}
    void Frame_HandleSensorLost(bool) override {}
    void Frame_ProcessMeasuredValues(int) override {}
    void Frame_ResetMeanLists(int) override {}
    void Frame_ResetCalibLists() override {}
    void Frame_AddCalibSample(double, double, double, double) override {}
    CalibRingAverages Frame_GetCalibAverages() override { return {}; }
    void Frame_SetupChannels(int, SensorStruct*) override {}
    void Frame_AddSoftwareScalingUnit() override {}
    void Frame_SetSoftwareScalingUnit(int, double, const CString&) override {}
    int Frame_GetUnitCount(int) override { return 0; }
    void Frame_StoreDisplaySettings() override {}
    int Frame_GetMeasuringRateCode() override { return 6; }
    bool Frame_GetChannelScaleSource(int, ChannelScaleSource&) override { return false; }
    void Frame_SetChannelScale(int, double, double) override {}
    void Frame_OnMeasureStarting(bool) override {}
    void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) override
    {
        bChannelA = bChannelB = true;
    }
    void Adjust_GetLowPassHz(int&, int&) override {}
    bool Adjust_IsSoftwareScalingChanged(int) override { return false; }
    void Adjust_UpdateControls(int) override {}
    void Adjust_ShowCurrentValue(int, int) override {}
    void Panel_SetTimer(UINT_PTR, UINT) override {}
    void Panel_KillTimer(UINT_PTR) override {}
    bool Panel_IsRunning() override { return false; }
    void Panel_BeginRunning() override {}
    void Panel_EndRunning() override {}
    bool Panel_TakeControlRequest() override { return false; }
    void Panel_ToggleControlSignal(int) override {}
    void Panel_ShowControlLed(bool) override {}
    void Panel_SetControlState(BYTE) override {}
    void Panel_SetConnectionState(int) override {}
    void Panel_OnSensorConnected() override {}
    void Panel_OnSensorDisconnected() override {}
    void Panel_ResetToDisconnected() override {}
    void Panel_OnBtnSingleShot() override {}
    void Panel_StartMeasureTimer(UINT) override {}
    void Panel_StopMeasureTimer() override {}
    CString Panel_GetButtonStateText() override { return CString(); }
    void StartUp_InitSearchProgress(int) override {}
    void StartUp_SetSearchedPort(int) override {}
    void StartUp_AdvanceSearchProgress(int) override {}
    void StartUp_ShowSearchFailed() override {}
    void StartUp_HideSearchProgress() override {}
    void StartUp_Hide() override {}
    void Connection_MarkAllPortsForSearch(int) override {}
    void Connection_FillPortList(int) override {}
    void Connection_BeginRefill() override {}
    void Connection_SetPortRow(const CString&, int, int, ULONG) override {}
    void Connection_EndRefill() override {}
    int Connection_GetRowCount() override { return 0; }
    CString Connection_GetCellText(int, int) override { return CString(); }
    void Connection_SetCellText(int, int, const CString&) override {}
    void Connection_ResetListMarks() override {}
    void Connection_ClearBaudChangePending() override {}
    void Info_SetDataValid() override {}
    void Info_UpdatePage(bool) override {}
    void Calib_EnableCalibButtons(int) override {}
    void Calib_AdvanceCalibProgress(int) override {}
    bool Calib_CalcualteCalibValues(BYTE, BYTE, int&) override { return false; }
    bool Calib_IsNewCalibReady() override { return false; }
    bool Calib_IsUncertaintyConfirmed() override { return false; }
    int Calib_GetUncertaintyAction() override { return 0; }
    void Calib_GetBlockValues(int&, int&) override {}
    void Calib_ClearCalibRunning() override {}
    void CalibZero_CloseFromProtocol() override {}
    void CalibEnd_CloseFromProtocol() override {}
    CComboBox* Diagnostic_GetPortCombo() override { return nullptr; }
    void Documentation_SetStopTime(__time64_t) override {}
};
