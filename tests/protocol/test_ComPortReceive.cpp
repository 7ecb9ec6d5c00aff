// Receive path and state machine of the sensor engine, fed with byte chunks.
#include "ComPortEngineFixture.h"

#include "protocol/ComPortTimers.h"
#include "support/ScriptedMessageBoxes.h"

using namespace protocol_test;

namespace
{
class InitialisationInChunks : public ComPortEngineTest, public ::testing::WithParamInterface<int>
{
};

int ByteOf(const CString& str, int iIndex)
{
    return static_cast<unsigned char>(str.GetAt(iIndex));
}

CString WithByte(CString str, int iIndex, int iValue)
{
    str.SetAt(iIndex, static_cast<char>(iValue));
    return str;
}
} // namespace

TEST_P(InitialisationInChunks, EndsInStopMeasureWithTheDecodedRecord)
{
    RunInitialisation(GetParam());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    EXPECT_TRUE(engine.MAIN_FKTPTR == nullptr);
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_ANSWER_WAIT)) << "every answer came";
    EXPECT_EQ(engine.m_sSensor.ucStatorType, 5);
    EXPECT_EQ(engine.m_sSensor.ucAdjustment, 3);
    EXPECT_EQ(engine.m_sSensor.ulSerialNo, 123456u);
    EXPECT_EQ(engine.m_sSensor.ucTypeClassA, 'D');
    EXPECT_EQ(engine.m_sSensor.ucBaudCode, 9);
    EXPECT_EQ(engine.m_sSensor.ucSwCfgRead, 1);
    EXPECT_EQ(engine.m_strRtUserCalibBlock, KnownBlockRead(130));
    EXPECT_EQ(engine.m_sMeasuredValues.iRawA, 0x8000);
    ASSERT_EQ(host.m_deliveries.size(), 1u);
    EXPECT_EQ(host.m_deliveries[0].iReason, 2);
    EXPECT_EQ(host.m_deliveries[0].iValueA, 100);
    EXPECT_EQ(host.m_deliveries[0].iValueB, -200);
    EXPECT_EQ(host.m_deliveries[0].iState, ZM_START_MEASURE_SOSM) << "the pipeline sees the stream state";
    EXPECT_TRUE(host.m_bSensorConfigRead);
    EXPECT_EQ(host.Count("Panel_OnSensorConnected"), 1);
    EXPECT_TRUE(host.Has("Panel_SetConnectionState 1"));
    EXPECT_TRUE(host.Has("Frame_SetupChannels 1"));
    EXPECT_TRUE(host.Has("Frame_AddSoftwareScalingUnit"));
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_INIT_DONE_SINGLE_SHOT));
    EXPECT_FALSE(engine.m_bPageSwitchLocked);
}

INSTANTIATE_TEST_SUITE_P(ChunkSizes, InitialisationInChunks, ::testing::Values(0, 1, 7, 20));

TEST_F(ComPortEngineTest, RefusedSoftwareConfigurationSkipsToTheRotorBlocks)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
    Feed(WireStatus());
    for (const unsigned char ucBlock : {0, 1, 2})
        Feed(WireBlock(ucBlock));
    ASSERT_EQ(LastRequestedBlock(), 3);
    Feed(WireNak('?'));
    EXPECT_EQ(LastRequestedBlock(), 0x80);
    EXPECT_EQ(engine.m_sSensor.ucNakCode, '?');
    EXPECT_EQ(engine.m_sSensor.ucSwCfgRead, 0);
    EXPECT_TRUE(host.Has("Frame_AddSoftwareScalingUnit"));
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
}

TEST_F(ComPortEngineTest, HelloDuringInitialisationWaitsForTheStatusAnswer)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
    Feed(WireHello());
    EXPECT_EQ(writes.size(), 1u) << "nothing sent on the hello";
    EXPECT_EQ(engine.TerSend_GetCommand(), 0x42);
    Feed(WireStatus());
    EXPECT_EQ(LastRequestedBlock(), 0);
    EXPECT_EQ(engine.m_sSensor.ucStatorType, 5);
}

TEST_F(ComPortEngineTest, AcknowledgementWhileABlockIsExpectedRunsTheAcknowledgementHandler)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
    Feed(WireStatus());
    ASSERT_EQ(LastRequestedBlock(), 0);
    Feed(WireAck());
    EXPECT_EQ(LastWrite(), "02 41 06 FF 00 46 15")
        << "in the initialisation an acknowledgement asks for raw values";
}

TEST_F(ComPortEngineTest, BlockAnswerWithAnotherBlockNumberIsNotDecoded)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
    Feed(WireStatus());
    Feed(Bytes("00") + WireBlock(1));
    EXPECT_EQ(LastRequestedBlock(), 0) << "block 1 answered while block 0 was asked for";
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    EXPECT_EQ(engine.m_sSensor.ulSerialNo, 0u);
    Feed(Bytes("00") + WireBlock(0));
    EXPECT_EQ(LastRequestedBlock(), 1);
    EXPECT_EQ(engine.m_sSensor.ulSerialNo, 123456u);
}

// Each faulty input, alone, leaves the record and the state as they were; the good answer after it
// is taken as usual.
TEST_F(ComPortEngineTest, FaultyInputLeavesTheMachineReadyForTheNextGoodAnswer)
{
    const CString strStatus = Bytes(KNOWN_STATUS_LONG);
    const CString strOtherType = WithByte(strStatus, 7, 0x07); // check bytes no longer match
    struct Case
    {
        const char* pszName;
        CString strBad;
    };
    const Case cases[] = {
        {"garbage", Bytes("00 FF 13 55 06 41")},
        {"wrong CS", Wire(WithByte(strOtherType, 19, ByteOf(strStatus, 19)))},
        {"wrong WCS", Wire(WithByte(strStatus, 20, ByteOf(strStatus, 20) + 1))},
        {"truncated", Wire(strStatus).Left(12)},
        {"unknown code", Bytes("02 99 02 77 02")},
        {"longer than 41 bytes", Bytes("02 42 FF 06 30 01 02 02 03")},
        {"lone STX inside", Wire(strStatus).Left(8) + Bytes("02") + Wire(strStatus).Mid(8)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        engine.COM_ResetSensorStruct();
        writes.clear();
        ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
        Feed(c.strBad);
        EXPECT_EQ(writes.size(), 1u) << "no block requested";
        EXPECT_EQ(engine.m_sSensor.ucStatorType, 0) << "nothing decoded";
        EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_START_INIT);
        Feed(WireStatus());
        EXPECT_EQ(LastRequestedBlock(), 0);
        EXPECT_EQ(engine.m_sSensor.ucStatorType, 5);
        EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    }
}

TEST_F(ComPortEngineTest, BlockWithDoubledStxInsideDecodes)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
    Feed(WireStatus());
    for (const unsigned char ucBlock : {0, 1})
        Feed(WireBlock(ucBlock));
    ASSERT_EQ(WireBlock(2).GetLength(), 42) << "block 2 carries two 0x02 after the STX";
    Feed(WireBlock(2), 20);
    EXPECT_EQ(LastRequestedBlock(), 3);
    EXPECT_EQ(engine.m_strStOperationBlock, KnownBlockRead(2));
}

TEST_F(ComPortEngineTest, FrameThatNoHandlerTakesIsDropped)
{
    ASSERT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    CString strUnsent;
    engine.TerSend_ReadStatusLong(strUnsent);
    Feed(WireStatus() + WireAck());
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    EXPECT_EQ(engine.m_sSensor.ucStatorType, 0);

    engine.COM_SetZMCOMConfgFlow(ZM_GET_STATUS_LONG);
    engine.TerSend_ReadStatusLong(strUnsent);
    Feed(WireStatus());
    EXPECT_EQ(engine.m_sSensor.ucStatorType, 5);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
}

TEST_F(ComPortEngineTest, NakToAControlCommandIsRemoved)
{
    engine.COM_ZMCOMConfgSetCtrlOn();
    ASSERT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SET_CTRL_ON);
    Feed(WireNak('#'));
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    EXPECT_TRUE(engine.MAIN_FKTPTR == nullptr);
    EXPECT_EQ(writes.size(), 1u);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SET_CTRL_ON);
}

TEST_F(ComPortEngineTest, BytesAfterTheBaudRateRestartVanish)
{
    engine.COM_SetZMCOMConfgFlow(ZM_CNFG_NEW_BAUDRATE_IS_SETTED);
    Feed(WireHello() + Bytes("00 11"));
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    EXPECT_TRUE(host.m_log.empty());
}

TEST_F(ComPortEngineTest, StatusAnswersOfTheAddressScanAreKeptPerAddress)
{
    engine.m_iCountHits = 0;
    engine.COM_SetZMCOMConfgFlow(ZM_CHECK_IF_QBX_USB_TQ5_CHECK_ADDRESSES);
    CString strUnsent;
    engine.TerSend_ReadStatusLong(strUnsent);
    const CString strFrom6 = Bytes(KNOWN_STATUS_LONG);
    const CString strFrom9 = AnswerFrame(0x42, {0x4F, 0x63, 5, 6, 0x85, 0x83, 1, 2, 3, 4, 5, 6, 7, 0x1E}, 9);
    Feed(Wire(strFrom9) + Wire(strFrom6));
    const ComPortStruct& entry = engine.m_sComPort.at(0);
    EXPECT_EQ(entry.strAddressAnswer[9], strFrom9);
    EXPECT_EQ(entry.strAddressAnswer[6], strFrom6);
    EXPECT_EQ(entry.ucInterfaceAddress, 6);
    EXPECT_TRUE(engine.COM_HasSeveralInterfaces(0));
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_SEARCH_STATUS_LONG));
}

TEST_F(ComPortEngineTest, StartInitWithoutAnswerReportsTheUnstableConnection)
{
    ScriptedMessageBoxes boxes;
    engine.m_strClosedPortName = "OffLine";
    engine.m_strActivePortKey = "COM5   \\Device\\Serial4";
    ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
    for (int iAttempt = 0; iAttempt < 3; ++iAttempt)
    {
        ASSERT_TRUE(host.FrameTimerRuns(TIMER_ANSWER_WAIT));
        EXPECT_EQ(host.m_frameTimers[TIMER_ANSWER_WAIT], 200u);
        EXPECT_TRUE(engine.COM_OnTimer(TIMER_ANSWER_WAIT));
    }
    EXPECT_EQ(std::count(writes.begin(), writes.end(), writes.front()), 3)
        << "the status request and two repeats";
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    EXPECT_EQ(engine.m_strActivePortKey, "OffLine");
    EXPECT_TRUE(host.Has("Panel_ResetToDisconnected"));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].strText,
              "The connection to the USB-Device is not stable. Please check the connection.");
}
