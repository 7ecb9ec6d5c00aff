// The sensor engine's frame, settings page and panel for tests and benchmarks of the value pipeline:
// the value calls go to the pipeline as the main frame hands them on; everything else is without
// effect. Header-only.
#pragma once

#include "measurement/CValuePipeline.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"

class CPipelineComPortHost : public CComPortHost, public CComPortAdjustRole, public CComPortPanelRole
{
public:
    explicit CPipelineComPortHost(CValuePipeline& pipeline) : m_pipeline(pipeline) {}

    // Attaches this host to the engine as its frame, settings page and panel.
    void AttachTo(CComPort& engine)
    {
        engine.COM_AttachHost(this);
        engine.COM_AttachAdjust(this);
        engine.COM_AttachPanel(this);
    }

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

private:
    CValuePipeline& m_pipeline;
};
