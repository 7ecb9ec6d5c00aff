// Answers that never come: every request that waits for an answer is repeated a bounded number of
// times, then given up with the outcome of a lost sensor for the state it was sent in.
#include "ComPortEngineFixture.h"

#include "protocol/ComPortTimers.h"
#include "support/ScriptedMessageBoxes.h"

#include <functional>
#include <tuple>

using namespace protocol_test;

namespace
{
constexpr UINT ANSWER_WAIT_MS = 200;
constexpr int ATTEMPTS = 3; // the request and its two repeats

// What reaches the engine of an answer (doubling removed) that went wrong on the way.
struct AnswerFault
{
    const char* pszName;
    std::function<CString(const CString&)> toWire;
};

CString WithByte(CString str, int iIndex, int iValue)
{
    str.SetAt(iIndex, static_cast<char>(iValue));
    return str;
}

const AnswerFault ANSWER_FAULTS[] = {
    {"lost", [](const CString&) { return CString(); }},
    {"wrong CS", [](const CString& str)
     { return Wire(WithByte(str, str.GetLength() - 2, At(str, str.GetLength() - 2) ^ 0x01)); }},
    {"wrong WCS", [](const CString& str)
     { return Wire(WithByte(str, str.GetLength() - 1, At(str, str.GetLength() - 1) ^ 0x01)); }},
    {"altered content", [](const CString& str) { return Wire(WithByte(str, 10, At(str, 10) ^ 0x40)); }},
    {"cut short", [](const CString& str) { return Wire(str).Left(Wire(str).GetLength() / 2); }},
};

enum class Phase
{
    Initialisation,
    Search,
};

class ChainTest : public ComPortEngineTest
{
protected:
    // Starts the block read chain of the phase; block 0 is requested.
    void StartChain(Phase phase)
    {
        engine.m_strClosedPortName = "OffLine";
        if (phase == Phase::Initialisation)
        {
            engine.m_strActivePortKey = "COM5   x";
            ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
            Feed(WireStatus());
        }
        else
        {
            // The scan has found the interface of entry 0; its stored answer is analysed.
            engine.m_sComPort.at(0).strComPort = "COM5   x";
            engine.m_iCountHits = 0;
            engine.m_iCountFound = 0;
            engine.COM_SetZMCOMConfgFlow(ZM_CHECK_IF_QBX_USB_TQ5_IS_CONNECTED);
            engine.m_strReceiveCOM = Bytes(KNOWN_STATUS_LONG);
            engine.ZMCOMConfg_AnalyseStatusLong();
            ASSERT_EQ(engine.m_iCountFound, 1);
        }
        ASSERT_EQ(LastRequestedBlock(), 0);
    }

    int BlockRequests(unsigned char ucBlock) const
    {
        return static_cast<int>(std::count_if(writes.begin(), writes.end(),
                                              [ucBlock](const CString& str)
                                              {
                                                  const CString strFrame = Unstuff(str);
                                                  return strFrame.GetLength() > 5 &&
                                                         At(strFrame, 1) == 0x44 &&
                                                         At(strFrame, 5) == ucBlock;
                                              }));
    }

    // The outcome the phase gives for a lost sensor.
    void ExpectGivenUp(Phase phase, const ScriptedMessageBoxes& boxes)
    {
        EXPECT_FALSE(host.FrameTimerRuns(TIMER_ANSWER_WAIT));
        EXPECT_TRUE(engine.MAIN_FKTPTR == nullptr);
        EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
        if (phase == Phase::Initialisation)
        {
            EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
            EXPECT_TRUE(host.Has("Panel_ResetToDisconnected"));
            EXPECT_EQ(engine.m_strActivePortKey, "OffLine") << "the port is forgotten and closed";
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].strText,
                      "The connection to the USB-Device is not stable. Please check the connection.");
        }
        else
        {
            EXPECT_EQ(engine.m_sComPort.at(0).iTervaneState, ID_PORT_NO_ANSWER)
                << "the port counts as silent";
            EXPECT_EQ(engine.m_iCountFound, 0);
            EXPECT_TRUE(host.Has("StartUp_ShowSearchFailed")) << "the search went on to its end";
            EXPECT_TRUE(host.FrameTimerRuns(TIMER_SEARCH_END));
            EXPECT_TRUE(boxes.Calls().empty());
        }
    }
};

class FailingBlockAnswer : public ChainTest, public ::testing::WithParamInterface<std::tuple<Phase, int>>
{
};
} // namespace

TEST_P(FailingBlockAnswer, IsRequestedAgainThenGivenUp)
{
    const auto [phase, iFault] = GetParam();
    const AnswerFault& fault = ANSWER_FAULTS[iFault];
    SCOPED_TRACE(fault.pszName);
    ScriptedMessageBoxes boxes;
    StartChain(phase);
    const CString strRequest = writes.back();
    for (int iAttempt = 1; iAttempt <= ATTEMPTS; ++iAttempt)
    {
        Feed(fault.toWire(KnownBlockRead(0)));
        ASSERT_TRUE(host.FrameTimerRuns(TIMER_ANSWER_WAIT)) << "attempt " << iAttempt;
        EXPECT_EQ(host.m_frameTimers[TIMER_ANSWER_WAIT], ANSWER_WAIT_MS);
        EXPECT_EQ(writes.back(), strRequest);
        EXPECT_TRUE(engine.COM_OnTimer(TIMER_ANSWER_WAIT));
    }
    EXPECT_EQ(BlockRequests(0), ATTEMPTS);
    EXPECT_EQ(writes.back(), strRequest) << "nothing after the last repeat";
    ExpectGivenUp(phase, boxes);
}

INSTANTIATE_TEST_SUITE_P(PhasesAndFaults, FailingBlockAnswer,
                         ::testing::Combine(::testing::Values(Phase::Initialisation, Phase::Search),
                                            ::testing::Range(0, static_cast<int>(std::size(ANSWER_FAULTS)))));

TEST_F(ChainTest, BlockRefusedEveryTimeIsGivenUp)
{
    for (const Phase phase : {Phase::Initialisation, Phase::Search})
    {
        SCOPED_TRACE(phase == Phase::Initialisation ? "initialisation" : "search");
        host.ClearLog();
        writes.clear();
        ScriptedMessageBoxes boxes;
        StartChain(phase);
        // A refused block sends the chain on to the rotor blocks, whose refusal reads them again.
        for (int i = 0; i < 4; ++i)
            Feed(WireNak('?'));
        EXPECT_EQ(BlockRequests(0), 1);
        EXPECT_EQ(BlockRequests(0x80), 2);
        ASSERT_TRUE(host.FrameTimerRuns(TIMER_ANSWER_WAIT)) << "given up from the timer";
        EXPECT_LT(host.m_frameTimers[TIMER_ANSWER_WAIT], ANSWER_WAIT_MS);
        const size_t nWrites = writes.size();
        EXPECT_TRUE(engine.COM_OnTimer(TIMER_ANSWER_WAIT));
        EXPECT_EQ(writes.size(), nWrites);
        ExpectGivenUp(phase, boxes);
    }
}

TEST_F(ChainTest, SpoiledBlockRepeatedOnceThenTheChainGoesOn)
{
    StartChain(Phase::Initialisation);
    Feed(ANSWER_FAULTS[1].toWire(KnownBlockRead(0)));
    EXPECT_TRUE(engine.COM_OnTimer(TIMER_ANSWER_WAIT));
    EXPECT_EQ(BlockRequests(0), 2);
    Feed(WireBlock(0));
    EXPECT_EQ(LastRequestedBlock(), 1);
    EXPECT_EQ(engine.m_sSensor.ulSerialNo, 123456u);
    // A late answer and the repeat's answer both come: the second is not block 1 and is dropped.
    EXPECT_TRUE(engine.COM_OnTimer(TIMER_ANSWER_WAIT));
    Feed(WireBlock(1) + WireBlock(1));
    EXPECT_EQ(LastRequestedBlock(), 2);
    for (const unsigned char ucBlock : {2, 3, 0x80, 0x81, 0x82, 0x83})
        Feed(WireBlock(ucBlock));
    Feed(Wire(RawFrame(0x8000, 0x8000, 1, 2)));
    EXPECT_TRUE(host.m_bSensorConfigRead);
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_ANSWER_WAIT));
    EXPECT_EQ(BlockRequests(1), 2);
    EXPECT_EQ(BlockRequests(2), 1);
}

namespace
{
struct Sender
{
    const char* pszName;
    std::function<bool(CComPort&)> send;
    UINT uiWaitMs;
};

const Sender SENDERS[] = {
    {"single value", [](CComPort& engine) { return engine.COM_ZMCOMConfgSingleShot(); }, 200},
    {"control signal on", [](CComPort& engine) { return engine.COM_ZMCOMConfgSetCtrlOn(); }, 200},
    {"rotor serial numbers",
     [](CComPort& engine) { return engine.COM_ZMCOMConfgSetSerialNumberRotorOperation(-1); }, 1000},
    {"restart", [](CComPort& engine) { return engine.COM_ZMCOMConfgRestartSensor(); }, 3000},
};

class UnansweredRequest : public ComPortEngineTest, public ::testing::WithParamInterface<int>
{
};
} // namespace

TEST_P(UnansweredRequest, IsRepeatedThenTheSensorIsLost)
{
    const Sender& sender = SENDERS[GetParam()];
    SCOPED_TRACE(sender.pszName);
    ASSERT_TRUE(sender.send(engine));
    const CString strRequest = writes.back();
    for (int iAttempt = 1; iAttempt <= ATTEMPTS; ++iAttempt)
    {
        ASSERT_TRUE(host.FrameTimerRuns(TIMER_ANSWER_WAIT));
        EXPECT_EQ(host.m_frameTimers[TIMER_ANSWER_WAIT], sender.uiWaitMs);
        EXPECT_TRUE(engine.COM_OnTimer(TIMER_ANSWER_WAIT));
    }
    EXPECT_EQ(std::count(writes.begin(), writes.end(), strRequest), ATTEMPTS);
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_ANSWER_WAIT));
    EXPECT_EQ(host.Count("Frame_HandleSensorLost"), 1);
    EXPECT_TRUE(host.Has("Panel_StopMeasureTimer"));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    EXPECT_FALSE(engine.m_bPageSwitchLocked);
}

INSTANTIATE_TEST_SUITE_P(Senders, UnansweredRequest,
                         ::testing::Range(0, static_cast<int>(std::size(SENDERS))));

TEST_F(ComPortEngineTest, RequestSentAgainWhileItsAnswerIsAwaitedKeepsTheWait)
{
    // The calibration's sample requests come every 8 ms from the panel's timer.
    for (int i = 0; i < 3; ++i)
        engine.COM_ZMCOMConfgReadRaw();
    EXPECT_EQ(host.Count("Frame_SetTimer 43"), 1);
    Feed(Wire(RawFrame(0x8000, 0x8000, 1, 2)));
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_ANSWER_WAIT)) << "answered";
    engine.COM_ZMCOMConfgReadRaw();
    EXPECT_EQ(host.Count("Frame_SetTimer 43"), 2);
}

TEST_F(ComPortEngineTest, RefusedWriteIsAnsweredAndNotRepeated)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetSerialNumberRotorOperation(-1));
    Feed(WireNak('#'));
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_ANSWER_WAIT));
    EXPECT_EQ(writes.size(), 1u);
}
