// The sensor engine's host for tests and benchmarks of the value pipeline: the value calls go to the
// pipeline as the main frame hands them on, everything else is left without effect. Header-only.
#pragma once

#include "measurement/CValuePipeline.h"
#include "protocol/CComPortHost.h"

class CPipelineComPortHost : public CComPortHost
{
public:
    explicit CPipelineComPortHost(CValuePipeline& pipeline) : m_pipeline(pipeline) {}

    int m_iLanguageOffset = 0;
    bool m_bChannelA = true;
    bool m_bChannelB = true;
    bool m_bRunning = true;

    // ---- Value pipeline
    void Frame_ProcessMeasuredValues(int iReason) override
    {
        m_pipeline.ProcessMeasuredValues(static_cast<unsigned>(iReason));
    }
    void Frame_ResetMeanLists(int iReason) override
    {
        m_pipeline.ResetMeanLists(static_cast<unsigned>(iReason));
    }
    void Frame_ResetCalibLists() override { m_pipeline.ResetCalibLists(); }
    void Frame_AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB) override
    {
        m_pipeline.AddCalibSample(dRawA, dRawB, dValueA, dValueB);
    }
    CalibRingAverages Frame_GetCalibAverages() override { return m_pipeline.GetCalibAverages(); }
    void Frame_SetupChannels(int iMode, SensorStruct* pSensor) override
    {
        m_pipeline.SetupChannels(static_cast<BYTE>(iMode), pSensor);
    }
    void Frame_AddSoftwareScalingUnit() override { m_pipeline.AddSoftwareScalingUnit(); }
    void Frame_SetSoftwareScalingUnit(int iChannel, double dFactor, const CString& strUnit) override
    {
        m_pipeline.SetSoftwareScalingUnit(iChannel, dFactor, strUnit);
    }
    int Frame_GetUnitCount(int iChannel) override { return m_pipeline.GetUnitCount(iChannel); }
    void Frame_StoreDisplaySettings() override { m_pipeline.StoreDisplaySettings(); }
    int Frame_GetMeasuringRateCode() override { return m_pipeline.m_iMeasuringRate; }
    bool Frame_GetChannelScaleSource(int iChannel, ChannelScaleSource& source) override
    {
        return m_pipeline.GetChannelScaleSource(iChannel, source);
    }
    void Frame_SetChannelScale(int iChannel, double dCountFactor, double dBaseCountFactor) override
    {
        m_pipeline.SetChannelScale(iChannel, dCountFactor, dBaseCountFactor);
    }
    void Frame_OnMeasureStarting(bool) override { m_pipeline.ResetMeanLists(0); }
    void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) override
    {
        bChannelA = m_bChannelA;
        bChannelB = m_bChannelB;
    }
    int Frame_GetLanguageOffset() override { return m_iLanguageOffset; }
    bool Panel_IsRunning() override { return m_bRunning; }

    // ---- Without effect here
    void Frame_Trace(const CString&) override {}
    void Frame_BeginWaitCursor() override {}
    void Frame_EndWaitCursor() override {}
    void Frame_SetTimer(UINT_PTR, UINT) override {}
    void Frame_KillTimer(UINT_PTR) override {}
    void Frame_ShowMainWindow() override {}
    void Frame_SetSensorConfigRead(bool) override {}
    void Frame_WriteDiagnosticLog(const SensorStruct&, const CString&, const CString&) override {}
    void Adjust_GetLowPassHz(int&, int&) override {}
    bool Adjust_IsSoftwareScalingChanged(int) override { return false; }
    void Adjust_UpdateControls(int) override {}
    void Adjust_ShowCurrentValue(int, int) override {}
    void Panel_SetTimer(UINT_PTR, UINT) override {}
    void Panel_KillTimer(UINT_PTR) override {}
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

private:
    CValuePipeline& m_pipeline;
};
