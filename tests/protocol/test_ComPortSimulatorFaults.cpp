// The simulator's faults through the real port: answers that never come right end in the lost-sensor
// outcome of the search or the initialisation after a bounded number of requests on the wire; single
// faults are ridden out; stream gaps and an unplugged sensor during a stream.
#include "ComPortSimulatorFixture.h"

#include <algorithm>
#include <tuple>

using namespace protocol_test;

namespace
{
constexpr size_t BLOCKS_IN_A_READ = 8;
// Three requests for the failing block (the first and two repeats), or for a chain that is refused:
// block 0, then block 0x80 twice.
constexpr size_t FAILING_BLOCK_REQUESTS = 3;
constexpr size_t SCAN_REQUESTS = 249;

struct SpoiledAnswer
{
    const char* pszName;
    const char* pszKind;
    const char* pszMore;
};

const SpoiledAnswer SPOILED_ANSWERS[] = {
    {"spoiled check byte", "wrong_cs", R"("command": "D")"},
    {"spoiled content", "alter", R"("command": "D", "byte": 12)"},
    {"cut short", "partial", R"("command": "D", "bytes": 20)"},
    {"always refused", "nak", R"("command": "D", "reason": "?")"},
};

class BlockAnswerNeverRight : public ComPortSimulatorTest,
                              public ::testing::WithParamInterface<std::tuple<bool, int>>
{
};
} // namespace

TEST_P(BlockAnswerNeverRight, EndsInTheLostSensorOutcome)
{
    const auto [bDuringInitialisation, iAnswer] = GetParam();
    const SpoiledAnswer& answer = SPOILED_ANSWERS[iAnswer];
    SCOPED_TRACE(answer.pszName);
    ScriptedMessageBoxes boxes;
    if (bDuringInitialisation)
    {
        ASSERT_TRUE(ConnectAndSettle());
        ASSERT_TRUE(m_sim.ClearLog());
        ASSERT_TRUE(m_sim.InjectFault(answer.pszKind, "all", answer.pszMore));
        Frame().COM_ZMCOMConfgStartInit();
        ExpectConnectionReportedLost(boxes);
        EXPECT_EQ(Received("B").size(), 1u);
    }
    else
    {
        ASSERT_TRUE(m_sim.InjectFault(answer.pszKind, "all", answer.pszMore));
        Frame().Frame_SetTimer(TIMER_START_SEARCH, 10);
        ASSERT_TRUE(PumpUntil(
            [this] { return Frame().Has("StartUp_ShowSearchFailed") && !Frame().COM_IsSearchRunning(); },
            SEARCH_TIMEOUT_MS));
        const ComPortStruct* pEntry = Com5Entry();
        ASSERT_NE(pEntry, nullptr);
        EXPECT_EQ(pEntry->iTervaneState, ID_PORT_NO_ANSWER) << "COM5 counts as silent";
        EXPECT_EQ(pEntry->lComPortBaudrate, 115200) << "its interface answered there: no second pass";
        EXPECT_EQ(Frame().m_iCountFound, 0);
        EXPECT_FALSE(Frame().m_bSensorConfigRead);
        EXPECT_TRUE(boxes.Calls().empty());
        EXPECT_EQ(Received("B").size(), SCAN_REQUESTS);
    }
    EXPECT_EQ(Received("D").size(), FAILING_BLOCK_REQUESTS);
    PumpFor(500);
    EXPECT_EQ(Received("D").size(), FAILING_BLOCK_REQUESTS) << "nothing more";
}

INSTANTIATE_TEST_SUITE_P(
    InitialisationAndSearch, BlockAnswerNeverRight,
    ::testing::Combine(::testing::Bool(), ::testing::Range(0, static_cast<int>(std::size(SPOILED_ANSWERS)))));

// One faulty answer in an initialisation: the engine takes the answer or asks once more.
TEST_F(ComPortSimulatorTest, SingleFaultyAnswersAreRiddenOut)
{
    struct Case
    {
        const char* pszKind;
        const char* pszMore;
        size_t nExtraRequests;
    };
    const Case cases[] = {
        {"garbage", R"("command": "D", "data": "00 FF 02 13 02 02 55")", 0},
        {"partial", R"("command": "D", "bytes": 30)", 1},
        {"wrong_wcs", R"("command": "D")", 1},
        {"alter", R"("command": "D", "byte": 20)", 1},
        {"delay", R"("command": "D", "ms": 60)", 0},
        {"delay", R"("command": "D", "ms": 450)", 1},
    };
    ASSERT_TRUE(ConnectAndSettle());
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszKind) + " " + c.pszMore);
        ASSERT_TRUE(m_sim.ClearLog());
        ASSERT_TRUE(m_sim.InjectFault(c.pszKind, "1", c.pszMore));
        Frame().m_bSensorConfigRead = false;
        Frame().m_deliveries.clear();
        Frame().COM_ZMCOMConfgStartInit();
        ASSERT_TRUE(WaitForInitialisation(STEP_TIMEOUT_MS));
        EXPECT_EQ(Received("D").size(), BLOCKS_IN_A_READ + c.nExtraRequests);
        EXPECT_EQ(Frame().m_sSensor.ulSerialNo, 123456u);
        EXPECT_EQ(Frame().m_sSensor.iRtOperationCheck, 0);
        ASSERT_TRUE(PumpUntil(
            [this] { return !Frame().m_deliveries.empty() && Frame().m_deliveries.back().iReason == 1; },
            STEP_TIMEOUT_MS));
    }
}

TEST_F(ComPortSimulatorTest, GapInTheStream)
{
    ASSERT_TRUE(ConnectAndSettle());
    ASSERT_TRUE(m_sim.SetRamp('A', 0, 10));
    ASSERT_TRUE(m_sim.SetConstant('B', 7));
    Frame().m_iRateCode = 6;
    Frame().COM_SetMeasuringRateMode();
    for (const bool bGapOption : {true, false})
    {
        SCOPED_TRACE(bGapOption ? "gap option on" : "gap option off");
        Frame().COM_SetStreamGapInterpolation(bGapOption);
        ASSERT_TRUE(m_sim.ClearLog());
        Frame().m_deliveries.clear();
        ASSERT_TRUE(Frame().COM_ZMCOMConfgStartMeasure(-1, true));
        ASSERT_TRUE(PumpUntil([this] { return Frame().m_deliveries.size() >= 20; }, STEP_TIMEOUT_MS));
        ASSERT_TRUE(m_sim.InjectFault("stream_gap", "1"));
        ASSERT_TRUE(PumpUntil([this] { return !Events("stream_gap").empty(); }, STEP_TIMEOUT_MS));
        if (bGapOption)
        {
            ASSERT_TRUE(PumpUntil([this] { return Frame().m_deliveries.size() >= 60; }, STEP_TIMEOUT_MS));
            EXPECT_EQ(Frame().m_bStreamInSync, 1);
            EXPECT_TRUE(Events("stop_bytes").empty());
            // The missing record is filled in with the mean of its neighbours: the ramp's steps of
            // 10 show one step split in two.
            const std::vector<CTestComPortHost::Delivery> deliveries = Frame().m_deliveries;
            std::vector<int> steps;
            for (size_t i = 1; i < deliveries.size(); ++i)
                steps.push_back(deliveries[i].iValueA - deliveries[i - 1].iValueA);
            const auto itHalf = std::find(steps.begin(), steps.end(), 5);
            ASSERT_NE(itHalf, steps.end());
            ASSERT_NE(itHalf + 1, steps.end());
            EXPECT_EQ(*(itHalf + 1), 5);
            EXPECT_EQ(std::count(steps.begin(), steps.end(), 10), static_cast<long>(steps.size()) - 2);
        }
        else
        {
            ASSERT_TRUE(PumpUntil([this] { return !Events("stop_bytes").empty(); }, STEP_TIMEOUT_MS));
            EXPECT_EQ(Field(Events("stop_bytes")[0], "count"), "10") << "the stream is stopped once";
            EXPECT_EQ(Frame().m_bStreamInSync, 0);
            const size_t nDelivered = Frame().m_deliveries.size();
            PumpFor(300);
            EXPECT_EQ(Frame().m_deliveries.size(), nDelivered) << "no values after the gap";
        }
        Frame().COM_ZMCOMConfgStopMeasure();
        Frame().COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
        PumpFor(200);
    }
}

// The line hangs up without a device-change message: the engine closes the port, tells the frame and
// repeats the search until the sensor answers again.
TEST_F(ComPortSimulatorTest, SensorUnpluggedDuringAStreamIsLostAndFoundAgainByItself)
{
    ASSERT_TRUE(ConnectAndSettle());
    Frame().m_iRateCode = 6;
    Frame().COM_SetMeasuringRateMode();
    ASSERT_TRUE(Frame().COM_ZMCOMConfgStartMeasure(-1, true));
    ASSERT_TRUE(PumpUntil([this] { return Frame().m_deliveries.size() >= 20; }, STEP_TIMEOUT_MS));
    const int iExpiredBefore = Frame().m_iWatchdogExpired;
    ASSERT_TRUE(m_sim.Unplug());
    ASSERT_TRUE(PumpUntil([this, iExpiredBefore] { return Frame().m_iWatchdogExpired > iExpiredBefore; },
                          STEP_TIMEOUT_MS))
        << "the value watchdog notices the missing records";
    ASSERT_TRUE(PumpUntil([this] { return Frame().Has("Frame_HandleLineBroken"); }, STEP_TIMEOUT_MS));
    EXPECT_FALSE(Frame().COM_IsPortOpen());
    EXPECT_TRUE(Frame().FrameTimerRuns(TIMER_LINE_SEARCH));
    const size_t nDelivered = Frame().m_deliveries.size();
    PumpFor(300);
    EXPECT_EQ(Frame().m_deliveries.size(), nDelivered);
    Frame().COM_ZMCOMConfgStopMeasure();
    Frame().COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);

    // While it is gone the search finds nothing and runs again; plugged in, it is found and initialised.
    const int iConnectedBefore = Frame().Count("Panel_OnSensorConnected");
    const int iFailedBefore = Frame().Count("StartUp_ShowSearchFailed");
    EXPECT_TRUE(PumpUntil([&] { return Frame().Count("StartUp_ShowSearchFailed") >= iFailedBefore + 2; },
                          SEARCH_TIMEOUT_MS));
    EXPECT_EQ(Frame().Count("Panel_OnSensorConnected"), iConnectedBefore);
    EXPECT_TRUE(Frame().FrameTimerRuns(TIMER_LINE_SEARCH));
    ASSERT_TRUE(m_sim.Replug());
    ASSERT_TRUE(PumpUntil(
        [this, iConnectedBefore]
        {
            return Frame().Count("Panel_OnSensorConnected") > iConnectedBefore &&
                   !Frame().COM_IsSearchRunning() && !Frame().FrameTimerRuns(TIMER_LINE_SEARCH);
        },
        SEARCH_TIMEOUT_MS));
    ASSERT_NE(Com5Entry(), nullptr);
    EXPECT_EQ(Com5Entry()->iTervaneState, ID_PORT_ACTIVE);
    EXPECT_EQ(Frame().m_sSensor.ulSerialNo, 123456u);
    Frame().m_deliveries.clear();
    ASSERT_TRUE(Frame().COM_SingleShot());
    EXPECT_TRUE(PumpUntil([this] { return !Frame().m_deliveries.empty(); }, STEP_TIMEOUT_MS))
        << "the port works again";
}
