// The channel records: reset, filled from the sensor's configuration, software-scaling slot, and the
// display settings copied back into the sensor record.
#include "PipelineFixture.h"

#include <limits>

using namespace pipeline_test;

TEST_F(PipelineTest, ResetRecordsOfferNoUnitAndTheDefaultRates)
{
    pipeline.m_sChannel[1].bTareOff = 0;
    pipeline.ResetChannelStructs();
    for (const ChannelSettingsStruct& c : pipeline.m_sChannel)
    {
        for (const CString& strUnit : c.strUnit)
            EXPECT_STREQ("n.a.", strUnit);
        EXPECT_EQ(0, c.iUnitCount);
        EXPECT_EQ(1.0, c.dCountFactor);
        EXPECT_EQ(1, c.byShown);
    }
    EXPECT_EQ(1, pipeline.m_iAveragingCount);
    EXPECT_EQ(6, pipeline.m_iMeasuringRate);
    EXPECT_EQ(0, pipeline.m_sChannel[1].bTareOff) << "the reset keeps the tare state";
}

TEST_F(PipelineTest, DisconnectClearsBothTares)
{
    port.m_sMeasuredValues.dTareA = 1.5;
    port.m_sMeasuredValues.dTareB = -2.0;
    pipeline.m_sChannel[0].bTareOff = 0;
    pipeline.SetupChannels(0, nullptr);
    EXPECT_EQ(0.0, port.m_sMeasuredValues.dTareA);
    EXPECT_EQ(0.0, port.m_sMeasuredValues.dTareB);
    EXPECT_EQ(1, pipeline.m_sChannel[0].bTareOff);
}

TEST_F(PipelineTest, ValidSoftwareConfigurationGivesTheStoredDisplaySettings)
{
    SensorStruct s = TorqueSensor();
    s.ucUnitA = UNIT_LBF_IN;
    s.ucDecimalsB = 3;
    s.ucMeanCodeA = 4;
    s.ucSignB = 1;
    s.iAveragingCount = 20;
    s.iMeasuringRateCode = 2;
    Connect(s);

    const ChannelSettingsStruct& a = pipeline.m_sChannel[0];
    EXPECT_EQ(9, a.iUnitCount);
    EXPECT_EQ(5093, a.iUnitId[2]);
    EXPECT_STREQ("cN·m", a.strUnit[2]);
    EXPECT_EQ(1, a.iUnitId[9]) << "software-scaling slot";
    EXPECT_EQ(-6, a.iUnitId[10]);
    EXPECT_EQ(UNIT_LBF_IN, a.iSelectedUnit);
    EXPECT_EQ(4, a.iMeanCode);
    EXPECT_EQ(3, pipeline.m_sChannel[1].iDecimals);
    EXPECT_EQ(1, pipeline.m_sChannel[1].iSign);
    EXPECT_EQ(20, pipeline.m_iAveragingCount);
    EXPECT_EQ(2, pipeline.m_iMeasuringRate);
    EXPECT_EQ(FULL_SCALE, a.iFullScaleCount);
    EXPECT_DOUBLE_EQ(0.088507458 * RANGE / FULL_SCALE, a.dCountFactor);
    EXPECT_DOUBLE_EQ(RANGE * 1.0 / FULL_SCALE, a.dBaseCountFactor);
}

TEST_F(PipelineTest, FailedSoftwareConfigurationGivesDefaultsFromTheRangeEndValue)
{
    SensorStruct s = TorqueSensor();
    s.ucSwCfgValid = 0;
    s.ucTypeClassB = 'K';
    s.dRangeB = 2000.0;
    s.iRangeCodeB = 0x3200; // 2000 N
    s.iAveragingCount = 50;
    s.iMeasuringRateCode = 3;
    s.ucMeanCodeA = 5;
    s.ucSignA = 1;
    Connect(s);

    const ChannelSettingsStruct& a = pipeline.m_sChannel[0];
    const ChannelSettingsStruct& b = pipeline.m_sChannel[1];
    EXPECT_EQ(UNIT_N_M, a.iSelectedUnit); // 500 cN·m shows as 5,00 N·m
    EXPECT_EQ(2, a.iDecimals);
    EXPECT_EQ(2, b.iSelectedUnit); // 2000 N shows as 2,00 kN
    EXPECT_EQ(2, b.iDecimals);
    EXPECT_EQ(2, a.iMeanCode);
    EXPECT_EQ(0, a.iSign);
    EXPECT_EQ(1, pipeline.m_iAveragingCount);
    EXPECT_EQ(6, pipeline.m_iMeasuringRate);
    EXPECT_EQ(1, b.byShown);
}

TEST_F(PipelineTest, TorqueBeyondTheUnitTableSelectsAUnitOfTheTable)
{
    SensorStruct s = TorqueSensor();
    s.ucSwCfgValid = 0;
    s.dRangeA = 2e10;
    s.iRangeCodeA = 0xA200; // 2·10^10 cN·m: MN·m, which the unit table lacks
    Connect(s);
    EXPECT_EQ(0, pipeline.m_sChannel[0].iSelectedUnit);
    EXPECT_STREQ("kN·m", pipeline.m_sChannel[0].strUnit[0]);
}

TEST_F(PipelineTest, UnknownLetterGetsTheUnitListWithoutNamedUnit)
{
    SensorStruct s = TorqueSensor();
    s.ucTypeClassA = 'Q';
    s.ucUnitA = 0;
    Connect(s);
    const ChannelSettingsStruct& a = pipeline.m_sChannel[0];
    EXPECT_EQ(2, a.iUnitCount);
    EXPECT_STREQ("UKN", a.strUnit[0]);
    EXPECT_STREQ("ADU", a.strUnit[1]);
    EXPECT_STREQ("n.a.", a.strUnit[3]);
}

TEST_F(PipelineTest, DigitalInputChannelBHasTheSingleUnitIn)
{
    SensorStruct s = TorqueSensor();
    s.ucStatorType = 5;
    s.ucNoDigitalInput = 0;
    s.ucDecimalsB = 3;
    s.ucMeanCodeB = 3;
    Connect(s);
    const ChannelSettingsStruct& b = pipeline.m_sChannel[1];
    EXPECT_STREQ("IN", b.strUnit[0]);
    EXPECT_EQ(0, b.iUnitCount);
    EXPECT_EQ(1, b.iUnitId[0]);
    EXPECT_EQ(-7, b.iUnitId[1]);
    EXPECT_EQ(1.0, b.dUnitFactor[9]);
    EXPECT_EQ(0, b.iDecimals);
    EXPECT_EQ(0, b.iMeanCode);
    EXPECT_EQ(0, b.bAvailable);
    EXPECT_EQ(1, pipeline.m_sChannel[0].bAvailable);
}

TEST_F(PipelineTest, QbxWithoutDigitalInputDoesNotOfferChannelB)
{
    SensorStruct s = TorqueSensor();
    s.ucStatorType = 5;
    s.ucDisplayA = 2;
    Connect(s);
    EXPECT_EQ(1, pipeline.m_sChannel[0].byShown);
    EXPECT_EQ(2, pipeline.m_sChannel[1].byShown);
    EXPECT_EQ(0, settings.bCheckedB);
    EXPECT_EQ(0, settings.bVisibleB);
    EXPECT_EQ(2, host.m_abTreeState[1]);
    EXPECT_EQ(2, port.m_sSensor.ucDisplayB);
}

TEST_F(PipelineTest, UnknownShownByteBecomesOneWithAllFourCheckBoxBytes)
{
    settings.bCheckedA = settings.bEnabledA = settings.bVisibleA = settings.bSpareA = 0;
    SensorStruct s = TorqueSensor();
    s.ucDisplayA = 7;
    Connect(s);
    EXPECT_EQ(1, pipeline.m_sChannel[0].byShown);
    EXPECT_EQ(1, settings.bCheckedA);
    EXPECT_EQ(1, settings.bEnabledA);
    EXPECT_EQ(1, settings.bVisibleA);
    EXPECT_EQ(1, settings.bSpareA);
    EXPECT_EQ(1, host.m_abTreeState[0]);
    EXPECT_EQ(1, port.m_sSensor.ucDisplayA);
}

TEST_F(PipelineTest, FullScaleCountsFollowTheAdjustment)
{
    SensorStruct s = TorqueSensor();
    s.sUserCalib.iCalib23 = 24000;
    s.sUserCalib.iCalib25 = 23000;
    const struct
    {
        BYTE ucAdjustment;
        int iA;
        int iB;
    } cases[] = {{1, 2, 2}, {2, FULL_SCALE, FULL_SCALE}, {3, 24000, 23000}, {0, 0, 0}};
    for (const auto& c : cases)
    {
        s.ucAdjustment = c.ucAdjustment;
        Connect(s);
        EXPECT_EQ(c.iA, pipeline.m_sChannel[0].iFullScaleCount) << int(c.ucAdjustment);
        EXPECT_EQ(c.iB, pipeline.m_sChannel[1].iFullScaleCount) << int(c.ucAdjustment);
    }
}

TEST_F(PipelineTest, UnreadSoftwareConfigurationIsCleared)
{
    SensorStruct s = TorqueSensor();
    s.ucSwCfgRead = 0;
    s.ucSwCfgValid = 0;
    s.ucDisplayA = 1;
    s.iAveragingCount = 17;
    pipeline.ClearUnreadSoftwareConfig(&s);
    EXPECT_EQ(0, s.ucUnitA);
    EXPECT_EQ(0, s.ucDecimalsB);
    EXPECT_EQ(0, s.iMeasuringRateCode);
    EXPECT_EQ(0, s.ucDisplayA);
    EXPECT_EQ(17, s.iAveragingCount);
}

TEST_F(PipelineTest, SoftwareScalingSlotTakesTheSensorsUnitAndFactor)
{
    SensorStruct s = TorqueSensor();
    s.ucSwScalingA = 1;
    s.strSwUnitA = "Nm*";
    s.dSwScaleA = 2.5;
    s.dSwScaleB = 3.0;
    Connect(s);
    EXPECT_STREQ("Nm*", pipeline.m_sChannel[0].strUnit[9]);
    EXPECT_EQ(2.5, pipeline.m_sChannel[0].dUnitFactor[9]);
    EXPECT_STREQ("n.a.", pipeline.m_sChannel[1].strUnit[9]);

    port.m_sSensor.ucSwScalingA = 0;
    port.m_sSensor.ucSwScalingB = 1;
    port.m_sSensor.strSwUnitB = "kg*";
    pipeline.AddSoftwareScalingUnit();
    EXPECT_EQ(0.0, pipeline.m_sChannel[0].dUnitFactor[9]);
    EXPECT_STREQ("kg*", pipeline.m_sChannel[1].strUnit[9]);
    EXPECT_EQ(3.0, pipeline.m_sChannel[1].dUnitFactor[9]);

    // A factor that is no number is not taken.
    pipeline.SetSoftwareScalingUnit(1, std::numeric_limits<double>::quiet_NaN(), "x");
    EXPECT_EQ(0.0, pipeline.m_sChannel[1].dUnitFactor[9]);
}

TEST_F(PipelineTest, DisplaySettingsGoBackIntoTheSensorRecord)
{
    pipeline.m_sChannel[0].iSelectedUnit = 3;
    pipeline.m_sChannel[1].iDecimals = 4;
    pipeline.m_sChannel[0].iMeanCode = 5;
    pipeline.m_sChannel[1].iSign = 1;
    pipeline.m_sChannel[1].byShown = 0;
    pipeline.m_iAveragingCount = 30;
    pipeline.m_iMeasuringRate = 9;
    pipeline.StoreDisplaySettings();
    const SensorStruct& s = port.m_sSensor;
    EXPECT_EQ(3, s.ucUnitA);
    EXPECT_EQ(4, s.ucDecimalsB);
    EXPECT_EQ(5, s.ucMeanCodeA);
    EXPECT_EQ(1, s.ucSignB);
    EXPECT_EQ(0, s.ucDisplayB);
    EXPECT_EQ(30, s.iAveragingCount);
    EXPECT_EQ(9, s.iMeasuringRateCode);
}

TEST_F(PipelineTest, SelectedUnitFromOutsideTheUnitListIsNotTaken)
{
    SensorStruct s = TorqueSensor();
    s.ucUnitA = 200;
    Connect(s);
    EXPECT_EQ(0, pipeline.m_sChannel[0].iSelectedUnit);
}
