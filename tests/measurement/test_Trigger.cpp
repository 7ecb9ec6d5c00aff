// Start and stop conditions of a triggered measurement, evaluated by the value pipeline.
#include "PipelineFixture.h"

#include <string>
#include <vector>

using namespace pipeline_test;

namespace
{
// Channel A shows a tenth of its raw count.
constexpr double TENTH = 0.1;

class TriggerTest : public PipelineTest
{
protected:
    void SetUp() override
    {
        PipelineTest::SetUp();
        StartRunning();
        panel.m_state.bTriggerActive = 1;
        port.m_sMeasuredValues.dScaleA = TENTH;
    }

    // The index of the record at which the panel was started (or stopped), -1 when it was not.
    int FeedUntil(const std::vector<int>& raws, const int& iCalls, bool bChannelB = false)
    {
        for (size_t i = 0; i < raws.size(); ++i)
        {
            bChannelB ? Record(0, raws[i]) : Record(raws[i]);
            if (iCalls > 0)
                return static_cast<int>(i);
        }
        return -1;
    }
};

struct ThresholdCase
{
    const char* pszName;
    int iDirection;
    std::vector<int> raws; // tenths
    int iEventAt;
};

class TriggerThresholdTest : public TriggerTest, public ::testing::WithParamInterface<ThresholdCase>
{
};

std::string CaseName(const ::testing::TestParamInfo<ThresholdCase>& info)
{
    return info.param.pszName;
}
} // namespace

// Threshold 10, hysteresis 1.
TEST_P(TriggerThresholdTest, StartsOnceArmedBeyondTheHysteresis)
{
    const ThresholdCase& c = GetParam();
    settings.iStartSource = MeasureAdjustStruct::SOURCE_CHANNEL_A;
    settings.iStartDirection = c.iDirection;
    pipeline.m_dTrgStartValue = 10.0;
    pipeline.m_dTrgStartHysteresis = 1.0;
    pipeline.m_iDurationSeconds = 7;
    pipeline.m_bStartedByOperator = 0;

    EXPECT_EQ(c.iEventAt, FeedUntil(c.raws, panel.m_iStarts));
    EXPECT_EQ(c.iEventAt >= 0 ? 1 : 0, pipeline.m_bTrgStarted);
    if (c.iEventAt >= 0)
    {
        EXPECT_EQ(clock.m_tNow + 7, pipeline.m_tMeasureEnd);
        EXPECT_EQ(0, panel.m_bStartMarker);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TriggerThresholdTest,
    ::testing::Values(
        ThresholdCase{
            "OverRunArmedAt9", MeasureAdjustStruct::DIRECTION_OVER_RUN, {120, 110, 95, 90, 99, 100}, 5},
        ThresholdCase{"OverRunNeverArmed", MeasureAdjustStruct::DIRECTION_OVER_RUN, {120, 110}, -1},
        ThresholdCase{
            "UnderRunArmedAt11", MeasureAdjustStruct::DIRECTION_UNDER_RUN, {90, 105, 110, 102, 100}, 4},
        ThresholdCase{"UnderRunNeverArmed", MeasureAdjustStruct::DIRECTION_UNDER_RUN, {90, 105, 100}, -1},
        ThresholdCase{"UnknownDirection", 2, {90, 120, 80}, -1}),
    CaseName);

TEST_F(TriggerTest, StopThresholdEndsTheTriggeredMeasurement)
{
    settings.iStopSource = MeasureAdjustStruct::SOURCE_CHANNEL_A;
    settings.iStopDirection = MeasureAdjustStruct::DIRECTION_OVER_RUN;
    pipeline.m_dTrgStopValue = 5.0;
    pipeline.m_dTrgStopHysteresis = 1.0;
    pipeline.m_bTrgStarted = 1;
    port.m_iDisplayCountdown = 4;

    EXPECT_EQ(2, FeedUntil({70, 39, 50}, panel.m_iStops));
    EXPECT_EQ(0, pipeline.m_bTrgStarted);
    EXPECT_EQ(0, port.m_iDisplayCountdown);
}

TEST_F(TriggerTest, DigitalInputOnChannelBStartsOnItsFirstOneAfterAZero)
{
    SensorStruct s = TorqueSensor();
    s.ucStatorType = 5;
    s.ucNoDigitalInput = 0;
    Connect(s);
    settings.iStartSource = MeasureAdjustStruct::SOURCE_CHANNEL_B;
    pipeline.m_dTrgStartValue = 0.5;
    pipeline.m_dTrgStartHysteresis = 0.0;

    EXPECT_EQ(2, FeedUntil({1, 0, 1}, panel.m_iStarts, true));
}

TEST_F(TriggerTest, NothingIsEvaluatedOutsideATriggerCycle)
{
    panel.m_state.bTriggerActive = 0;
    settings.iStartSource = MeasureAdjustStruct::SOURCE_CHANNEL_A;
    pipeline.m_dTrgStartValue = 10.0;
    EXPECT_EQ(-1, FeedUntil({50, 150}, panel.m_iStarts));
}

TEST_F(TriggerTest, SystemTimeStartsAtTheStartTime)
{
    settings.iStartSource = MeasureAdjustStruct::START_SYSTEM_TIME;
    settings.tStartTime = clock.m_tNow + 10;
    clock.m_tNow += 9;
    Record(10);
    EXPECT_EQ(0, panel.m_iStarts);
    clock.m_tNow += 1;
    Record(10);
    EXPECT_EQ(1, panel.m_iStarts);
}

TEST_F(TriggerTest, FirstValueAfterArmingIsShownAtOnce)
{
    pipeline.m_bTrgFirstValuePending = 1;
    port.m_iDisplayCountdown = 5;
    Record(42);
    EXPECT_EQ(0, pipeline.m_bTrgFirstValuePending);
    EXPECT_STREQ("4,20 N·m", paneA.m_astrText[CChannelPaneFields::FIELD_VALUE]);
}

TEST_F(TriggerTest, StopByCountCountsTheCurveInUse)
{
    settings.iStopSource = MeasureAdjustStruct::STOP_COUNT;
    settings.dCount = 100.9;
    pipeline.m_bTrgStarted = 1;
    diagram.m_iPointsY1 = 99;
    diagram.m_iPointsY2 = 500;
    Record(10);
    EXPECT_EQ(0, panel.m_iStops);
    diagram.m_iPointsY1 = 100;
    Record(10);
    EXPECT_EQ(1, panel.m_iStops);

    // Y1 off: the count is that of Y2.
    settings.iAxisY1 = MeasureAdjustStruct::AXIS_OFF;
    panel.m_state.bTriggerActive = 1;
    pipeline.m_bTrgStarted = 1;
    diagram.m_iPointsY2 = 99;
    Record(10);
    EXPECT_EQ(1, panel.m_iStops);
    diagram.m_iPointsY2 = 100;
    Record(10);
    EXPECT_EQ(2, panel.m_iStops);
}

TEST_F(TriggerTest, DurationStopsAtTheFirstRecordAfterTheEndAndFreezesTheRecordsBefore)
{
    settings.iStopSource = MeasureAdjustStruct::STOP_DURATION;
    pipeline.m_bTrgStarted = 1;
    pipeline.m_tMeasureEnd = clock.m_tNow + 5;
    Record(10);
    pipeline.m_bDurationReached = 1; // the recording step saw the duration on the diagram's time
    const size_t nPairs = host.m_pairs.size();
    const int nWrites = paneA.Writes();

    clock.m_tNow += 5;
    Record(30);
    EXPECT_EQ(1.0, Values().dValueA);
    EXPECT_EQ(nWrites, paneA.Writes());
    EXPECT_EQ(nPairs, host.m_pairs.size());
    EXPECT_EQ(0, panel.m_iStops);

    clock.m_tNow += 1;
    Record(30);
    EXPECT_EQ(1, panel.m_iStops);
    EXPECT_EQ(0, pipeline.m_bTrgStarted);
}

TEST_F(TriggerTest, DurationReachedOutsideATriggerCycleFreezesNothing)
{
    panel.m_state.bTriggerActive = 0;
    settings.iStopSource = MeasureAdjustStruct::STOP_DURATION;
    pipeline.m_bDurationReached = 1;
    Record(30);
    EXPECT_EQ(3.0, Values().dValueA);
    EXPECT_EQ(1u, host.m_pairs.size());
}
