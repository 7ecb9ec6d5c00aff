// Measured-value stream, polled values and measuring rates of the sensor engine.
#include "ComPortEngineFixture.h"

#include "protocol/ComPortTimers.h"

using namespace protocol_test;

namespace
{
class StreamTest : public ComPortEngineTest
{
protected:
    // Records counter iFirst .. iFirst + iCount - 1 (wrapping), values n and -n.
    static CString Records(int iFirst, int iCount)
    {
        CString str;
        for (int i = iFirst; i < iFirst + iCount; ++i)
            str += Record(static_cast<unsigned char>(i), {i, -i});
        return str;
    }

    std::vector<int> DeliveredA() const
    {
        std::vector<int> values;
        for (const CTestComPortHost::Delivery& d : host.m_deliveries)
            values.push_back(d.iValueA);
        return values;
    }
};
} // namespace

TEST_F(StreamTest, RecordsAreDeliveredAcrossChunksAndTheCounterWraps)
{
    StartStream();
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_START_MEASURE_SOSM);
    EXPECT_TRUE(host.m_bRunning);
    const CString strRecords = Records(0, 300);
    Feed(strRecords.Left(13));
    EXPECT_EQ(host.m_deliveries.size(), 2u);
    EXPECT_EQ(engine.m_strReceiveCOM.GetLength(), 3) << "the partial record waits";
    Feed(strRecords.Mid(13), 97);
    ASSERT_EQ(host.m_deliveries.size(), 300u);
    for (int i = 0; i < 300; ++i)
    {
        ASSERT_EQ(host.m_deliveries[i].iReason, 0);
        ASSERT_EQ(host.m_deliveries[i].iValueA, i);
        ASSERT_EQ(host.m_deliveries[i].iValueB, -i);
    }
    EXPECT_EQ(CountStopBytes(), 0);
    EXPECT_TRUE(host.PanelTimerRuns(TIMER_PANEL_WATCHDOG));
    EXPECT_EQ(engine.m_iDisplayCountdown, 10) << "300 records at reload 10";
}

TEST_F(StreamTest, CounterMismatchEndsTheStreamOnce)
{
    StartStream();
    Feed(Records(0, 2) + Record(3, {3, 3}) + Records(4, 3));
    EXPECT_EQ(DeliveredA(), (std::vector<int>{0, 1}));
    EXPECT_EQ(CountStopBytes(), 10);
    EXPECT_EQ(host.Count("Documentation_SetStopTime"), 1);
    Feed(Records(7, 20));
    EXPECT_EQ(host.m_deliveries.size(), 2u) << "no values for the rest of the measurement";
    EXPECT_EQ(CountStopBytes(), 10);
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
}

TEST_F(StreamTest, GapOptionFillsInOneMissingRecord)
{
    engine.COM_SetStreamGapInterpolation(true);
    StartStream();
    Feed(Records(0, 10) + Record(11, {21, -21}) + Records(12, 2));
    EXPECT_EQ(DeliveredA(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 21, 12, 13}));
    EXPECT_EQ(host.m_deliveries[10].iValueB, -15) << "mean of the neighbours, toward zero";
    EXPECT_EQ(CountStopBytes(), 0);
    Feed(Record(16, {16, 0}));
    EXPECT_EQ(CountStopBytes(), 10) << "two missing records end the stream";
}

TEST_F(StreamTest, GapOptionDoesNotTakeACounterBehind)
{
    engine.COM_SetStreamGapInterpolation(true);
    StartStream();
    Feed(Record(255, {1, 1}));
    EXPECT_TRUE(host.m_deliveries.empty());
    EXPECT_EQ(CountStopBytes(), 10);
}

TEST_F(StreamTest, ControlSignalSwitchInsideTheStream)
{
    StartStream();
    Feed(Records(0, 2));
    host.m_bControlRequest = true;
    Feed(Records(2, 1));
    EXPECT_EQ(LastWrite(), "02 45 06 FF 01 01 4C 72") << "control signal on, sent while streaming";
    EXPECT_EQ(engine.m_iZMCOMConfgFlowNext, ZM_SET_CTRL_ON_SOSM);
    const CString strAck = WireAck();
    // The sensor acknowledges in place of the next record; the chunk ends inside the acknowledgement.
    Feed(Records(3, 1) + strAck.Left(5));
    EXPECT_EQ(DeliveredA(), (std::vector<int>{0, 1, 2, 3}));
    Feed(strAck.Mid(5));
    EXPECT_EQ(DeliveredA(), (std::vector<int>{0, 1, 2, 3})) << "the acknowledgement is never values";
    EXPECT_TRUE(host.m_bControlLed);
    EXPECT_TRUE(host.Has("Frame_ResetMeanLists 4"));
    EXPECT_TRUE(host.Has("Frame_ResetMeanLists 5"));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_START_MEASURE_SOSM);
    EXPECT_EQ(engine.m_iZMCOMConfgFlowNext, -1);
    EXPECT_EQ(LastWrite(), "02 5A 06 FF 05 03 19 00 00 43 C3 2B") << "the stream starts anew";
    EXPECT_EQ(CountStopBytes(), 0);
    Feed(WireAck() + Records(0, 2));
    EXPECT_EQ(DeliveredA(), (std::vector<int>{0, 1, 2, 3, 0, 1}));
}

TEST_F(StreamTest, OneChannelRecordsFillTheSelectedChannel)
{
    struct Case
    {
        bool bChannelA;
        const char* pszStartWire;
        int iExpectedA;
        int iExpectedB;
    };
    const Case cases[] = {{true, "02 5A 06 FF 05 03 19 00 00 41 C1 29", 700, 0},
                          {false, "02 5A 06 FF 05 03 19 00 00 42 C2 2A", 0, 700}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.bChannelA ? "A" : "B");
        host.m_deliveries.clear();
        engine.m_sMeasuredValues = MeasuredValuesStruct();
        host.m_bChannelA = c.bChannelA;
        host.m_bChannelB = !c.bChannelA;
        ASSERT_TRUE(engine.COM_ZMCOMConfgStartMeasure(-1, false));
        EXPECT_EQ(LastWrite(), c.pszStartWire);
        Feed(WireAck() + Record(0, {700}) + Record(1, {700}));
        ASSERT_EQ(host.m_deliveries.size(), 2u);
        EXPECT_EQ(host.m_deliveries[1].iValueA, c.iExpectedA);
        EXPECT_EQ(host.m_deliveries[1].iValueB, c.iExpectedB);
    }
}

TEST_F(StreamTest, ChannelBAsDigitalInput)
{
    engine.m_sSensor.ucInterfaceKind = 1;
    engine.m_sSensor.ucNoDigitalInput = 0;
    engine.m_sSensor.ucStatorType = 5;
    StartStream();
    Feed(Record(0, {5, -1}) + Record(1, {5, 0}) + Record(2, {5, 300}));
    ASSERT_EQ(host.m_deliveries.size(), 3u);
    EXPECT_EQ(host.m_deliveries[0].iValueB, 0);
    EXPECT_EQ(host.m_deliveries[1].iValueB, 1);
    EXPECT_EQ(host.m_deliveries[2].iValueB, 1);
}

TEST_F(StreamTest, StopSendsTenStxUnlessTheSensorRefusedTheStream)
{
    StartStream();
    Feed(Records(0, 3));
    EXPECT_TRUE(engine.COM_ZMCOMConfgStopMeasure());
    EXPECT_EQ(CountStopBytes(), 10);
    EXPECT_FALSE(host.m_bRunning);

    writes.clear();
    host.m_bRunning = false;
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartMeasure(-1, true));
    host.m_panelTimers.clear();
    Feed(Bytes("11 22") + WireNak('+'));
    EXPECT_EQ(engine.m_bStreamRefused, 1);
    EXPECT_TRUE(host.PanelTimerRuns(TIMER_PANEL_WATCHDOG));
    EXPECT_TRUE(engine.COM_ZMCOMConfgStopMeasure());
    EXPECT_EQ(CountStopBytes(), 0);
    EXPECT_EQ(engine.m_bStreamRefused, 0);
}

// Found by the receive path fuzzer: one refusal taken per chunk let the buffer grow.
TEST_F(StreamTest, AllRefusalsOfAChunkBeforeTheStartAreTaken)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartMeasure(-1, true));
    Feed(WireNak('#') + WireNak('#') + WireNak('#'));
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    Feed(WireNak('#') + WireAck() + Records(0, 2));
    EXPECT_EQ(engine.m_bStreamStarted, 1);
    EXPECT_EQ(host.m_deliveries.size(), 2u);
}

TEST_F(StreamTest, TriggerStartStreamsInTheTriggerState)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartMeasure(ZM_TRIGGER_ACTIV, false));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_TRIGGER_ACTIV);
    EXPECT_EQ(LastWrite(), "02 5A 06 FF 05 03 19 00 00 43 C3 2B");
    Feed(WireAck() + Records(0, 2));
    EXPECT_EQ(host.m_deliveries.size(), 2u);
}

// A start whose request cannot be written is watched like an unanswered one: the watchdog ends it.
TEST_F(StreamTest, AStartThatCannotBeWrittenIsEndedByTheWatchdog)
{
    bWriteSucceeds = false;
    EXPECT_TRUE(engine.COM_ZMCOMConfgStartMeasure(-1, true));
    EXPECT_TRUE(host.m_bRunning);
    EXPECT_TRUE(host.PanelTimerRuns(TIMER_PANEL_WATCHDOG));
}

TEST_F(ComPortEngineTest, PolledMeasurementRunsInSingleShot)
{
    host.m_iRateCode = 14;
    engine.COM_SetMeasuringRateMode();
    ASSERT_EQ(engine.m_bStreamMode, 0);
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartMeasure(-1, true));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SINGLE_SHOT);
    EXPECT_EQ(LastWrite(), "02 41 06 FF 00 46 15");
    EXPECT_EQ(host.m_iMeasureTimerPeriod, 1000);
    Feed(Wire(RawFrame(1, 2, 300, -300)));
    ASSERT_EQ(host.m_deliveries.size(), 1u);
    EXPECT_EQ(host.m_deliveries[0].iReason, 1);
    EXPECT_EQ(host.m_deliveries[0].iValueA, 300);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    EXPECT_TRUE(engine.COM_ZMCOMConfgStopMeasure());
    EXPECT_EQ(host.m_iMeasureTimerPeriod, 0);
    EXPECT_TRUE(host.PanelTimerRuns(TIMER_PANEL_WATCHDOG));
    EXPECT_EQ(CountStopBytes(), 0);
}

TEST_F(ComPortEngineTest, SingleValueForTheSoftwareScalingDialog)
{
    EXPECT_TRUE(engine.COM_SingleShotForSoftwareConfig());
    Feed(Wire(RawFrame(1, 2, 42, -42)));
    EXPECT_TRUE(host.Has("Adjust_ShowCurrentValue 42 -42"));
    EXPECT_EQ(engine.m_bSingleShotForSoftwareConfig, 0);
}

TEST_F(ComPortEngineTest, MeasuringRateCodes)
{
    struct Case
    {
        int iCode;
        int iStreamMode;
        int iReload;
        int iPeriod;
    };
    const Case cases[] = {{0, 1, 250, 100},    {6, 1, 10, 100},     {7, 1, 10, 100},    {9, 1, 2, 100},
                          {12, 1, 1, 100},     {13, 0, 1, 100},     {15, 0, 1, 1200},   {19, 0, 1, 3600000},
                          {20, 0, 1, 3600000}, {-1, 0, 1, 3600000}, {3, 1, 50, 3600000}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.iCode);
        host.m_iRateCode = c.iCode;
        engine.COM_SetMeasuringRateMode();
        EXPECT_EQ(engine.m_bStreamMode, c.iStreamMode);
        EXPECT_EQ(engine.m_iDisplayCountdownReload, c.iReload);
        EXPECT_EQ(engine.m_iDisplayCountdown, c.iReload);
        EXPECT_EQ(engine.m_iPollingPeriod, c.iPeriod);
    }
}

// A single shot has no place while values stream, nor while the stream is being stopped.
TEST_F(StreamTest, SingleShotIsRefusedWhileTheStreamRuns)
{
    StartStream();
    const size_t uWrites = writes.size();
    EXPECT_FALSE(engine.COM_SingleShot());
    EXPECT_TRUE(engine.COM_ZMCOMConfgStopMeasure());
    const size_t uAfterStop = writes.size();
    EXPECT_FALSE(engine.COM_SingleShotForSoftwareConfig());
    EXPECT_EQ(writes.size(), uAfterStop);
    EXPECT_GT(uAfterStop, uWrites);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_START_MEASURE_SOSM);
    engine.COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    engine.COM_OnTimer(TIMER_ANSWER_WAIT);
    EXPECT_EQ(writes.size(), uAfterStop) << "nothing was deferred";
}
