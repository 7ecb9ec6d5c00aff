// The value pipeline inside a sensor engine without a port, with recording panes, panel, diagram and
// clock, and a connected torque sensor of 500 cN·m and 25000 counts full scale on both channels.
#pragma once

#include "MeasureFakes.h"
#include "PipelineComPortHost.h"

#include "measurement/CValuePipeline.h"
#include "measurement/MeasureAdjustStruct.h"
#include "protocol/CComPort.h"
#include "protocol/SensorStruct.h"

#include <gtest/gtest.h>

namespace pipeline_test
{
constexpr double RANGE = 500.0;
constexpr int FULL_SCALE = 25000;
constexpr int RANGE_CODE_500 = 0x2500;
// Torque unit codes.
constexpr int UNIT_N_M = 1;
constexpr int UNIT_MN_M = 3;
constexpr int UNIT_LBF_IN = 7;
constexpr int UNIT_ADU = 8;

// Factory-calibrated torque sensor whose software configuration passed its check: unit N·m with 2
// decimals, no averaging, sign 0, both channels shown.
inline SensorStruct TorqueSensor()
{
    SensorStruct s;
    s.ucAdjustment = 2;
    s.sFactoryCalib.iCalib23 = FULL_SCALE;
    s.sFactoryCalib.iCalib25 = FULL_SCALE;
    s.ucTypeClassA = 'D';
    s.ucTypeClassB = 'D';
    s.dRangeA = RANGE;
    s.dRangeB = RANGE;
    s.iRangeCodeA = RANGE_CODE_500;
    s.iRangeCodeB = RANGE_CODE_500;
    s.ucSwCfgRead = 1;
    s.ucSwCfgValid = 1;
    s.ucUnitA = s.ucUnitB = UNIT_N_M;
    s.ucDecimalsA = s.ucDecimalsB = 2;
    s.iAveragingCount = 1;
    s.iMeasuringRateCode = 6;
    s.ucDisplayA = s.ucDisplayB = 1;
    return s;
}
} // namespace pipeline_test

class PipelineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        portHost.AttachTo(port);
        port.COM_SetWriteSink([](const CString&) { return true; });
        host.m_psChannel = pipeline.m_sChannel;
        settings.SetDefaults();
        pipeline.Attach(&host, &settings, &panel, &paneA, &paneB, &diagram);
        pipeline.SetClock(&clock);
        Connect(pipeline_test::TorqueSensor());
    }

    // The sensor's configuration has been read: channels set up and scales computed.
    void Connect(const SensorStruct& sSensor)
    {
        port.m_sSensor = sSensor;
        pipeline.SetupChannels(1, nullptr);
        port.COM_UpdateScaleFactors();
    }

    void SelectUnit(int iChannel, int iUnit)
    {
        pipeline.m_sChannel[iChannel].iSelectedUnit = iUnit;
        port.COM_UpdateScaleFactors();
    }

    void SetRaw(int iRawA, int iRawB = 0)
    {
        port.m_sMeasuredValues.iValueA = iRawA;
        port.m_sMeasuredValues.iValueB = iRawB;
    }

    void SingleShot(int iRawA, int iRawB = 0)
    {
        SetRaw(iRawA, iRawB);
        pipeline.ProcessMeasuredValues(CValuePipeline::REASON_SINGLE);
    }

    void Record(int iRawA, int iRawB = 0)
    {
        SetRaw(iRawA, iRawB);
        pipeline.ProcessMeasuredValues(CValuePipeline::REASON_STREAM);
    }

    // A measurement runs with the panes written at every record.
    void StartRunning()
    {
        panel.m_state.bRunning = 1;
        pipeline.ResetMeanLists(0);
        port.m_iDisplayCountdown = 0;
    }

    const MeasuredValuesStruct& Values() const { return port.m_sMeasuredValues; }

    CComPort port;
    CValuePipeline pipeline{port};
    CPipelineComPortHost portHost{pipeline};
    CFakeMeasureHost host;
    MeasureAdjustStruct settings{};
    CFakePanel panel;
    CFakeChannelPane paneA{0, &host};
    CFakeChannelPane paneB{1, &host};
    CFakeDiagram diagram;
    CFakeClock clock;
};
