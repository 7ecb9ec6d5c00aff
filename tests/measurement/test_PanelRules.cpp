// The operator panel's rules: the trigger's hystereses and duration, the buttons of each step, the
// trigger caption and LEDs, and the polling tick.
#include "PipelineFixture.h"

#include "measurement/CPanelRules.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/ZMState.h"

#include <climits>

using namespace pipeline_test;

namespace
{
std::string Buttons(const MeasurePanelState& s)
{
    std::string str;
    for (BYTE b : s.sIsVisible)
        str += static_cast<char>('0' + b);
    return str;
}
} // namespace

// The channel records of the fixture's torque sensor: 500 cN·m, 25000 counts full scale, unit N·m.
class PrepareTriggerTest : public PipelineTest
{
protected:
    CPanelRules::TriggerPreparation Prepare(bool bDigitalInputB = false)
    {
        return CPanelRules::PrepareTrigger(settings, pipeline.m_sChannel, bDigitalInputB);
    }
};

TEST_F(PrepareTriggerTest, ChannelSourcesTakeOnePercentOfTheRangeInTheSelectedUnit)
{
    settings.iStartSource = MeasureAdjustStruct::SOURCE_CHANNEL_A;
    settings.iStopSource = MeasureAdjustStruct::SOURCE_CHANNEL_B;
    CPanelRules::TriggerPreparation p = Prepare();
    EXPECT_DOUBLE_EQ(0.05, p.dStartHysteresis); // 500 cN·m / 100 in N·m
    EXPECT_DOUBLE_EQ(0.05, p.dStopHysteresis);
    EXPECT_FALSE(p.bDurationSet);

    SelectUnit(0, UNIT_MN_M);
    EXPECT_DOUBLE_EQ(50.0, Prepare().dStartHysteresis);
    SelectUnit(0, UNIT_ADU);
    SelectUnit(1, UNIT_ADU);
    p = Prepare();
    EXPECT_EQ(300.1, p.dStartHysteresis);
    EXPECT_EQ(300.2, p.dStopHysteresis);
}

TEST_F(PrepareTriggerTest, ASmallFullScaleCountRaisesTheRangeAndNoneIsSkipped)
{
    settings.iStartSource = MeasureAdjustStruct::SOURCE_CHANNEL_A;
    pipeline.m_sChannel[0].iFullScaleCount = 12500; // the range stands for 25000 counts: 1000 cN·m
    EXPECT_DOUBLE_EQ(0.1, Prepare().dStartHysteresis);
    for (int iCount : {0, -5})
    {
        pipeline.m_sChannel[0].iFullScaleCount = iCount;
        EXPECT_DOUBLE_EQ(0.05, Prepare().dStartHysteresis) << iCount;
    }
    pipeline.m_sChannel[0].dRangeEndValue = -500.0;
    EXPECT_DOUBLE_EQ(0.05, Prepare().dStartHysteresis);
}

TEST_F(PrepareTriggerTest, DigitalInputAndOtherSourcesHaveTheirOwnHysteresis)
{
    settings.iStartSource = MeasureAdjustStruct::SOURCE_CHANNEL_B;
    EXPECT_EQ(0.0, Prepare(true).dStartHysteresis);
    settings.iStartSource = MeasureAdjustStruct::START_SYSTEM_TIME;
    settings.iStopSource = MeasureAdjustStruct::SOURCE_OFF;
    const CPanelRules::TriggerPreparation p = Prepare();
    EXPECT_EQ(CPanelRules::NO_HYSTERESIS, p.dStartHysteresis);
    EXPECT_EQ(CPanelRules::NO_HYSTERESIS, p.dStopHysteresis);
}

TEST_F(PrepareTriggerTest, DurationAndCountGiveWholeSecondsRoundedUpAndHeldAtIntMax)
{
    struct Case
    {
        int iStopSource;
        double dDuration, dCount, dSamplePeriod;
        int iSeconds;
    };
    const Case cases[] = {
        {MeasureAdjustStruct::STOP_DURATION, 2.5, 0, 0.001, 3},
        {MeasureAdjustStruct::STOP_DURATION, 2.0, 0, 0.001, 2},
        {MeasureAdjustStruct::STOP_DURATION, 1e12, 0, 0.001, INT_MAX},
        {MeasureAdjustStruct::STOP_COUNT, 0, 1000, 0.0002, 1},
        {MeasureAdjustStruct::STOP_COUNT, 0, 1001, 0.1, 101},
        {MeasureAdjustStruct::STOP_COUNT, 0, 1e15, 3600, INT_MAX},
    };
    for (const Case& c : cases)
    {
        settings.iStopSource = c.iStopSource;
        settings.dDuration = c.dDuration;
        settings.dCount = c.dCount;
        settings.dSamplePeriod = c.dSamplePeriod;
        const CPanelRules::TriggerPreparation p = Prepare();
        EXPECT_TRUE(p.bDurationSet);
        EXPECT_EQ(c.iSeconds, p.iDurationSeconds) << c.dDuration << " s, " << c.dCount << " values";
        EXPECT_EQ(CPanelRules::NO_HYSTERESIS, p.dStopHysteresis);
    }
}

TEST(PanelRules, EachStepOffersItsButtons)
{
    MeasurePanelState s;
    CPanelRules::SetReady(s);
    EXPECT_EQ("10111", Buttons(s));
    CPanelRules::SetMeasuring(s, true);
    EXPECT_EQ("01000", Buttons(s));
    CPanelRules::SetMeasuring(s, false);
    EXPECT_EQ("01001", Buttons(s)); // polling: Control works during the measurement
    s.bTriggerActive = 1;
    CPanelRules::SetMeasuring(s, true);
    EXPECT_EQ("01010", Buttons(s));
    CPanelRules::SetArmed(s, true);
    EXPECT_EQ("10010", Buttons(s));
    CPanelRules::SetArmed(s, false);
    EXPECT_EQ("10011", Buttons(s));
    CPanelRules::SetStopping(s);
    EXPECT_EQ("10000", Buttons(s));
    CPanelRules::SetDisconnected(s);
    EXPECT_EQ("00000", Buttons(s));
}

TEST(PanelRules, TriggerCaptionAndLedsFollowTheTriggerState)
{
    MeasurePanelState s;
    EXPECT_EQ(IDS_TRIGGER_ON, CPanelRules::TriggerCaptionId(s, true));
    s.bTriggerOn = 1; // switched on, not armed now: "off" only while auto-repeat re-arms it
    EXPECT_EQ(IDS_TRIGGER_OFF, CPanelRules::TriggerCaptionId(s, true));
    EXPECT_EQ(IDS_TRIGGER_ON, CPanelRules::TriggerCaptionId(s, false));
    s.bTriggerActive = 1;
    EXPECT_EQ(IDS_TRIGGER_OFF, CPanelRules::TriggerCaptionId(s, false));

    for (int iLed : {0, 2, 5})
    {
        s.iTriggerLed = iLed;
        EXPECT_EQ(CPanelRules::LED_YELLOW, CPanelRules::RefreshedTriggerLed(s)) << iLed;
    }
    s.iTriggerLed = CPanelRules::LED_GREEN;
    EXPECT_EQ(CPanelRules::LED_GREEN, CPanelRules::RefreshedTriggerLed(s));
    s.bTriggerActive = 0;
    EXPECT_EQ(CPanelRules::LED_OFF, CPanelRules::RefreshedTriggerLed(s));

    EXPECT_EQ(2, CPanelRules::NextBlinkState(0));
    EXPECT_EQ(0, CPanelRules::NextBlinkState(2));
    EXPECT_EQ(1, CPanelRules::NextBlinkState(1)); // a green LED stays green
    EXPECT_EQ(1, CPanelRules::NextBlinkState(7));
    EXPECT_EQ(1, CPanelRules::ShownControlLed(1));
    EXPECT_EQ(0, CPanelRules::ShownControlLed(3));
}

TEST(PanelRules, TickSwitchesControlOrReadsRawOrAsksForTheNextValue)
{
    using T = CPanelRules;
    EXPECT_EQ(T::TICK_TOGGLE_CONTROL, T::ChooseTickAction(true, ZM_SINGLE_SHOT, true, false));
    EXPECT_EQ(T::TICK_READ_RAW, T::ChooseTickAction(false, ZM_READ_RAW_CALIB_INIT, true, false));
    EXPECT_EQ(T::TICK_SINGLE_SHOT, T::ChooseTickAction(false, ZM_SINGLE_SHOT, false, false));
    EXPECT_EQ(T::TICK_SINGLE_SHOT, T::ChooseTickAction(false, ZM_SINGLE_SHOT, true, true));
    EXPECT_EQ(T::TICK_NO_ANSWER, T::ChooseTickAction(false, ZM_SINGLE_SHOT, true, false));

    SensorStruct s;
    s.ucStatorType = 5;
    s.ucInterfaceKind = 0;
    EXPECT_TRUE(T::IsRs485Interface(s, "COM3 (RS485 Adapter)"));
    EXPECT_FALSE(T::IsRs485Interface(s, "COM3 (Tervane USB Interface)"));
    s.ucInterfaceKind = 1;
    EXPECT_FALSE(T::IsRs485Interface(s, "COM3 (RS485 Adapter)"));
    s.ucInterfaceKind = 0;
    s.ucStatorType = 7;
    EXPECT_FALSE(T::IsRs485Interface(s, "COM3 (RS485 Adapter)"));
}
