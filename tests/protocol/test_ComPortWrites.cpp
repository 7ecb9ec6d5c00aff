// Configuration writes of the sensor engine and the sequences that follow their acknowledgement.
#include "ComPortEngineFixture.h"

#include "protocol/ComPortTimers.h"
#include "support/ScriptedMessageBoxes.h"

#include <ctime>

using namespace protocol_test;

namespace
{
class WritesTest : public ComPortEngineTest
{
protected:
    void SetUp() override
    {
        ComPortEngineTest::SetUp();
        RunInitialisation();
        ASSERT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
        writes.clear();
        host.ClearLog();
    }

    // The written block as the sensor stores it (doubling removed); empty when nothing was written.
    CString WrittenBlock() const { return writes.empty() ? CString() : Unstuff(writes.back()); }

    int BlockCheck() const { return CTervane_Send::TerSend_CheckBlock(WrittenBlock()); }

    static int Word(const CString& str, int iIndex) { return At(str, iIndex) << 8 | At(str, iIndex + 1); }
};

// The block with a valid frame and block sums, as the sensor would send it.
CString Resealed(CString strBlock)
{
    BYTE aucBlock[40];
    for (int i = 0; i < 40; ++i)
        aucBlock[i] = static_cast<BYTE>(strBlock.GetAt(i));
    CTervane_Send::TerSend_CalcBlockSums(aucBlock + 6);
    CTervane_Send::TerSend_CalcCheckBytes(aucBlock + 1, aucBlock + 38, 36);
    return CString(reinterpret_cast<const char*>(aucBlock), 40);
}
} // namespace

TEST_F(WritesTest, UserCalibrationIsSwitchedOffAndRestored)
{
    EXPECT_FALSE(engine.COM_ZMCOMConfgUserCalibActivate()) << "the user calibration is in force";
    EXPECT_TRUE(writes.empty());

    ASSERT_TRUE(engine.COM_ZMCOMConfgUserCalibDeactivate());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_USERCALIB_DEACTIVATE);
    EXPECT_TRUE(engine.m_bPageSwitchLocked);
    EXPECT_TRUE(host.Has("Calib_EnableCalibButtons 0"));
    const CString strKnown = Unstuff(Bytes(KnownBlocks().at(6).pszWriteWire));
    const CString strWritten = WrittenBlock();
    ASSERT_EQ(strWritten.GetLength(), 40);
    EXPECT_EQ(strWritten.Left(34), strKnown.Left(34)) << "the block as read, as write request";
    for (int i = 34; i < 38; ++i)
        EXPECT_EQ(At(strWritten, i), (At(strKnown, i) - 0x33) & 0xFF) << "block check byte " << i;
    EXPECT_EQ(CTervane_Send::TerSend_CheckAnswer(strWritten, FALSE), 0) << "the frame itself is sound";

    Feed(WireAck());
    EXPECT_EQ(LastWrite(), "02 4B 06 FF 00 50 3D") << "restart after the acknowledgement";
    Feed(WireHello());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_START_INIT) << "the configuration is read again";
    EXPECT_EQ(LastWrite(), "02 42 06 FF 00 47 19");

    engine.m_sSensor.ucAdjustment = 2;
    writes.clear();
    ASSERT_TRUE(engine.COM_ZMCOMConfgUserCalibActivate());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_USERCALIB_ACTIVATE);
    EXPECT_EQ(BlockCheck(), 0) << "correct block sums again";
    const long long llStamp = static_cast<long long>(Word(WrittenBlock(), 7)) << 16 | Word(WrittenBlock(), 9);
    EXPECT_NEAR(static_cast<double>(llStamp), static_cast<double>(_time64(nullptr)), 5.0);
}

TEST_F(WritesTest, MeasurementUncertainty)
{
    struct Case
    {
        const char* pszName;
        double dPercent;
        int iAction;
        bool bOtherValid; // uncertainty of the other channel in the calibration in force
        bool bSameAsFactory;
        bool bWritten;
        int iWrittenA; // -1: not checked
        int iCheck;    // block check of the written block
    };
    const Case cases[] = {
        {"change A to 0.1234 %", 0.1234, 0, true, false, true, 1234, 0},
        {"change to 5 %", 5.0, 0, true, false, false, -1, 0},
        {"change to 0 %", 0.0, 1, true, false, false, -1, 0},
        {"delete A, B still valid", 0.0, 2, true, true, true, 0, 0},
        {"delete A, nothing left", 0.0, 2, false, true, true, 0, 12},
        {"delete A, own calibration left", 0.0, 2, false, false, true, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        writes.clear();
        engine.m_sSensor.ucAdjustment = 3;
        engine.m_sSensor.sUserCalib.dUncertaintyB = c.bOtherValid ? 0.2 : 0.0;
        engine.m_sSensor.sUserCalib.iGainA =
            engine.m_sSensor.sFactoryCalib.iGainA + (c.bSameAsFactory ? 0 : 1);
        engine.m_sSensor.sUserCalib.iOffsetA = engine.m_sSensor.sFactoryCalib.iOffsetA;
        engine.m_sSensor.sUserCalib.iGainB = engine.m_sSensor.sFactoryCalib.iGainB;
        engine.m_sSensor.sUserCalib.iOffsetB = engine.m_sSensor.sFactoryCalib.iOffsetB;
        engine.m_sSensor.sUserCalib.iCtrlA = engine.m_sSensor.sFactoryCalib.iCtrlA;
        engine.m_sSensor.sUserCalib.iCtrlB = engine.m_sSensor.sFactoryCalib.iCtrlB;
        engine.m_sSensor.sUserCalib.iCalib23 = engine.m_sSensor.sFactoryCalib.iCalib23;
        engine.m_sSensor.sUserCalib.iCalib25 = engine.m_sSensor.sFactoryCalib.iCalib25;
        engine.m_strRtUserCalibBlock = KnownBlockRead(130);
        host.m_iUncertaintyAction = c.iAction;
        host.m_bUncertaintyConfirmed = true;
        EXPECT_EQ(engine.COM_ZMCOMConfgSetInaccuracy(c.dPercent), c.bWritten);
        ASSERT_EQ(writes.size(), c.bWritten ? 1u : 0u);
        if (!c.bWritten)
            continue;
        EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SET_INACCURACY_USERCALIB);
        if (c.iWrittenA >= 0)
        {
            EXPECT_EQ(Word(WrittenBlock(), 27), c.iWrittenA);
        }
        EXPECT_EQ(BlockCheck(), c.iCheck);
    }
    host.m_bUncertaintyConfirmed = false;
    writes.clear();
    EXPECT_FALSE(engine.COM_ZMCOMConfgSetInaccuracy(1.0)) << "not confirmed";
    EXPECT_TRUE(writes.empty());

    host.m_bUncertaintyConfirmed = true;
    host.m_iUncertaintyAction = 0;
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetInaccuracy(1.0));
    Feed(WireAck());
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_INACCURACY_RESTART));
    EXPECT_TRUE(engine.COM_OnTimer(TIMER_INACCURACY_RESTART));
    EXPECT_EQ(LastWrite(), "02 4B 06 FF 00 50 3D");
}

TEST_F(WritesTest, BaudRateChangeRestartsAndSearchesAgain)
{
    // A stator operation block that failed its check is written with the default fields.
    engine.m_strStOperationBlock.SetAt(20, 0x55);
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetNewBaudrate(3, 16));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_CNFG_SET_NEW_BAUDRATE);
    const CString strWritten = WrittenBlock();
    EXPECT_EQ(BlockCheck(), 0);
    EXPECT_EQ(At(strWritten, 5), 2);
    EXPECT_EQ(At(strWritten, 12), 0);
    EXPECT_EQ(At(strWritten, 13), 1) << "bus address";
    EXPECT_EQ(At(strWritten, 16), 16) << "baud code";
    EXPECT_EQ(At(strWritten, 17), 1);
    EXPECT_EQ(At(strWritten, 18), 2);
    EXPECT_EQ(Word(strWritten, 19), 3000);
    EXPECT_EQ(Word(strWritten, 21), 3000);

    Feed(WireAck());
    ASSERT_TRUE(host.FrameTimerRuns(TIMER_BAUDRATE_RESTART));
    engine.COM_OnTimer(TIMER_BAUDRATE_RESTART);
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_BAUDRATE_RESTART));
    EXPECT_EQ(LastWrite(), "02 4B 06 FF 00 50 3D");
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_CNFG_NEW_BAUDRATE_IS_SETTED);
    Feed(WireHello());
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
    ASSERT_TRUE(host.FrameTimerRuns(TIMER_BAUDRATE_CLOSE));
    engine.COM_OnTimer(TIMER_BAUDRATE_CLOSE);
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_BAUDRATE_RESEARCH));
}

TEST_F(WritesTest, RefusedBaudRateWriteHidesTheProgress)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetNewBaudrate(0, 16));
    Feed(WireNak('#'));
    EXPECT_TRUE(host.Has("StartUp_HideSearchProgress"));
    EXPECT_TRUE(host.Has("Connection_ClearBaudChangePending"));
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
}

TEST_F(WritesTest, LowPassWriteTakesTheBaudCodeFromThePortRate)
{
    host.m_iLowPassHzA = 1000;
    host.m_iLowPassHzB = 300;
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetNewBaudrate());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_CNFG_SET_NEW_LOW_PASS_FILTER);
    EXPECT_EQ(At(WrittenBlock(), 16), 9) << "the block's code while the block is sound";
    EXPECT_EQ(Word(WrittenBlock(), 19), 1000);
    EXPECT_EQ(Word(WrittenBlock(), 21), 300);

    engine.m_sBlock.at(CTervane_Send::TerSend_BlockIndex(2)).iReadCheck = CTervane_Send::BLOCK_CS_WRONG;
    engine.m_lDefaultBaudrate = 230400;
    writes.clear();
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetNewBaudrate());
    EXPECT_EQ(At(WrittenBlock(), 16), 16) << "230400 gives code 16";
    EXPECT_EQ(At(WrittenBlock(), 13), 1);

    Feed(WireAck());
    ASSERT_TRUE(host.FrameTimerRuns(TIMER_LOW_PASS_RESTART));
    engine.COM_OnTimer(TIMER_LOW_PASS_RESTART);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_CNFG_NEW_LOW_PASS_IS_SETTED);
    Feed(WireHello());
    EXPECT_FALSE(engine.m_bPageSwitchLocked);
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
}

TEST_F(WritesTest, BusAddressOutsideTheRangeBecomesOne)
{
    for (const int iAddress : {0, 250})
    {
        SCOPED_TRACE(iAddress);
        CString strBlock = KnownBlockRead(2);
        strBlock.SetAt(13, static_cast<char>(iAddress));
        engine.ReadConfig(nullptr, 2);
        engine.COM_SetZMCOMConfgFlow(ZM_CNFG_ST_HEADER_BLOCK);
        Feed(Wire(Resealed(strBlock)));
        EXPECT_EQ(At(engine.m_strStOperationBlock, 13), iAddress) << "the block as received";
        EXPECT_EQ(At(engine.m_strStOperationBlockToWrite, 13), 1);
        EXPECT_EQ(engine.m_sSensor.ucBusAddress, 1);
    }
}

TEST_F(WritesTest, SoftwareConfigurationWrite)
{
    host.m_bRunning = true;
    EXPECT_FALSE(engine.COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS));
    EXPECT_TRUE(writes.empty());
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_RETRY_SW_CONFIG_BLOCK)) << "retried after the measurement";
    EXPECT_TRUE(engine.COM_OnTimer(TIMER_RETRY_SW_CONFIG_BLOCK));
    EXPECT_TRUE(writes.empty());
    host.m_bRunning = false;
    EXPECT_TRUE(engine.COM_OnTimer(TIMER_RETRY_SW_CONFIG_BLOCK));
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_RETRY_SW_CONFIG_BLOCK));
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS);
    EXPECT_EQ(BlockCheck(), 0);
    Feed(WireAck());
    EXPECT_EQ(engine.m_strStSoftwareConfigBlock, WrittenBlock()) << "kept as the sensor stores it";

    engine.m_sSensor.ucSwScalingA = 1;
    engine.m_sSensor.ucSwScalingB = 1;
    host.m_abScalingChanged[1] = true;
    host.m_aiUnitCount[1] = 9;
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_DELETE_BLOCK));
    EXPECT_EQ(engine.m_sSensor.ucSwScalingA, 0);
    EXPECT_EQ(engine.m_sSensor.ucSwScalingB, 0);
    EXPECT_EQ(engine.m_sSensor.ucUnitB, 9);
    Feed(WireAck());
    EXPECT_TRUE(host.Has("Adjust_UpdateControls"));
    EXPECT_TRUE(
        host.Has("Frame_SetSoftwareScalingUnit 0 " + std::string(engine.m_sSensor.strSwUnitA.GetString())));
    EXPECT_EQ(engine.m_sSensor.iSwCfgCheck, 0) << "the written block decoded again";
    EXPECT_TRUE(engine.m_strReceiveCOM.IsEmpty());
}

TEST_F(WritesTest, SoftwareConfigurationNeverReadIsNotWritten)
{
    engine.m_sSensor.ucSwCfgRead = 0;
    EXPECT_FALSE(engine.COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_SET_SCALING_A));
    EXPECT_TRUE(writes.empty());
}

TEST_F(WritesTest, RotorSerialNumbers)
{
    engine.m_sSensor.strSerialNoA = "AB12";
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetSerialNumberRotorOperation(-1));
    EXPECT_EQ(BlockCheck(), 0);
    CTervane_Send decoder;
    CString strA;
    CString strB;
    ASSERT_EQ(decoder.TerSend_ReadBlockGetContentRotorOperation(WrittenBlock(), nullptr, nullptr, nullptr,
                                                                &strA, &strB),
              0);
    EXPECT_EQ(strA, "AB12");
    Feed(WireAck());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    EXPECT_TRUE(host.Has("Panel_OnSensorConnected"));
}

// Zero reading, control reading with the control signal on, then the scale value and the new
// calibration written with it.
TEST_F(WritesTest, CalibrationReadingsEndInANewUserCalibration)
{
    // The panel's tick asks for raw values; the answers come.
    auto readSamples = [this](int iRawA, int iRawB, int iValueA, int iValueB)
    {
        engine.COM_ZMCOMConfgReadRaw();
        CString strAnswers;
        for (int i = 0; i < 1250; ++i)
            strAnswers += Wire(RawFrame(iRawA, iRawB, iValueA, iValueB));
        Feed(strAnswers, 256);
    };
    engine.COM_ResetCalibValues();
    engine.COM_ClearCalibIdle();
    ASSERT_TRUE(engine.COM_ZMCOMConfgReadRawCalibInit(0));
    EXPECT_EQ(host.m_iMeasureTimerPeriod, 8);
    readSamples(32778, 32788, 10, 20);
    EXPECT_EQ(host.m_iMeasureTimerPeriod, 0);
    EXPECT_EQ(engine.m_sCalibValues[0].iRawZero, 32778);
    EXPECT_EQ(engine.m_sCalibValues[1].iValZero, 20);
    EXPECT_EQ(host.Count("Calib_AdvanceCalibProgress 0"), 1250);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SET_CTRL_ON);
    Feed(WireAck());
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_READ_RAW_CALIB_INIT);
    readSamples(42778, 42788, 10010, 10020);
    EXPECT_EQ(engine.m_sCalibValues[1].iRawCtrl, 42788);
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SET_CTRL_OFF);
    Feed(WireAck());
    EXPECT_TRUE(host.Has("CalibZero_CloseFromProtocol"));

    host.m_bNewCalibReady = true;
    host.m_calcResults = {false, true};
    writes.clear();
    ASSERT_TRUE(engine.COM_ZMCOMConfgReadRawCalibInit(1));
    readSamples(36000, 36000, 3000, 3000);
    EXPECT_TRUE(host.Has("Calib_CalcualteCalibValues 0 0"));
    EXPECT_TRUE(host.Has("Calib_CalcualteCalibValues 1 0"));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SET_NEW_USERCALIB);
    ASSERT_EQ(At(WrittenBlock(), 5), 130);
    EXPECT_EQ(BlockCheck(), 0);
    Feed(WireAck());
    EXPECT_TRUE(host.Has("Calib_AdvanceCalibProgress 1"));
    EXPECT_EQ(LastWrite(), "02 4B 06 FF 00 50 3D");
}

TEST_F(WritesTest, FailedCalibrationCalculationIsReported)
{
    struct Case
    {
        BYTE ucAdjustment;
        bool bThirdResult;
        const char* pszMessage; // null: the calibration is written
    };
    const Case cases[] = {
        {1, true, nullptr},
        {1, false, "Please check whether the sensor was loaded correctly and repeat the adjustment."},
        {3, false,
         "Beim verbundenen Gerät ist es nicht möglich eine Skalierung in Bezug auf die Rohwerte "
         "durchzuführen.\nWollen Sie dennoch eine Skalierung durchführen, so müssen zunächst der Werks- "
         "und der Benutzerkalibrierblock gelöscht werden."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.ucAdjustment);
        ScriptedMessageBoxes boxes;
        writes.clear();
        host.ClearLog();
        engine.m_sSensor.ucAdjustment = c.ucAdjustment;
        for (CalibValuesStruct& values : engine.m_sCalibValues)
        {
            values.bZeroRead = values.bCtrlRead = 1;
            values.bIdle = 0;
        }
        host.m_bNewCalibReady = true;
        host.m_calcResults = {false, false, c.bThirdResult};
        ASSERT_TRUE(engine.COM_ZMCOMConfgReadRawCalibInit(1));
        engine.COM_ZMCOMConfgReadRaw();
        writes.clear();
        CString strAnswers;
        for (int i = 0; i < 1250; ++i)
            strAnswers += Wire(RawFrame(36000, 36000, 3000, 3000));
        Feed(strAnswers);
        if (!c.pszMessage)
        {
            EXPECT_EQ(writes.size(), 1u);
            EXPECT_TRUE(boxes.Calls().empty());
            continue;
        }
        EXPECT_TRUE(writes.empty());
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].strText, c.pszMessage);
        EXPECT_TRUE(host.Has("Calib_ClearCalibRunning"));
        EXPECT_TRUE(host.Has("CalibEnd_CloseFromProtocol"));
    }
}

// A single shot asked for while a write, its restart and the configuration read that follows are
// pending leaves that flow alone; the one the initialisation ends with answers it.
TEST_F(WritesTest, SingleShotDoesNotDisturbRestartAndConfigurationRead)
{
    const std::string strReadRaw = "02 41 06 FF 00 46 15";
    auto askForSingleShot = [&](const char* pszWhere)
    {
        SCOPED_TRACE(pszWhere);
        const size_t uWrites = writes.size();
        const int iState = engine.COM_GetZMCOMConfgFlow();
        EXPECT_TRUE(engine.COM_OnTimer(TIMER_INIT_DONE_SINGLE_SHOT)) << "the initialisation's single shot";
        EXPECT_TRUE(engine.COM_SingleShot()) << "deferred, not refused";
        EXPECT_EQ(writes.size(), uWrites) << "nothing sent";
        EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), iState) << "the pending state is kept";
    };
    engine.m_sSensor.ucAdjustment = 3;
    engine.m_strRtUserCalibBlock = KnownBlockRead(130);
    host.m_iUncertaintyAction = 0;
    host.m_bUncertaintyConfirmed = true;
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetInaccuracy(1.0));
    askForSingleShot("the write awaits its acknowledgement");
    Feed(WireAck());
    ASSERT_TRUE(host.FrameTimerRuns(TIMER_INACCURACY_RESTART));
    askForSingleShot("the restart is still to come");
    ASSERT_TRUE(engine.COM_OnTimer(TIMER_INACCURACY_RESTART));
    ASSERT_EQ(LastWrite(), "02 4B 06 FF 00 50 3D");
    askForSingleShot("the sensor restarts");
    Feed(WireHello());
    ASSERT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_START_INIT);
    askForSingleShot("the status is read");
    Feed(WireStatus());
    for (const unsigned char ucBlock : {0, 1, 2, 3, 0x80, 0x81, 0x82, 0x83})
    {
        ASSERT_EQ(LastRequestedBlock(), ucBlock);
        askForSingleShot("a block is read");
        Feed(WireBlock(ucBlock));
    }
    ASSERT_EQ(LastWrite(), strReadRaw) << "raw values after the last block";
    Feed(Wire(RawFrame(0x8000, 0x8001, 100, -200)));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE) << "the configuration was read fully";
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_INIT_DONE_SINGLE_SHOT));
    EXPECT_FALSE(engine.m_bPageSwitchLocked);

    writes.clear();
    host.m_deliveries.clear();
    ASSERT_TRUE(engine.COM_OnTimer(TIMER_INIT_DONE_SINGLE_SHOT));
    ASSERT_EQ(writes.size(), 1u) << "one single shot for all that were asked for";
    EXPECT_EQ(LastWrite(), strReadRaw);
    Feed(Wire(RawFrame(1, 2, 42, -42)));
    ASSERT_EQ(host.m_deliveries.size(), 1u);
    EXPECT_EQ(host.m_deliveries[0].iValueA, 42);
    EXPECT_EQ(writes.size(), 1u) << "no single shot left over";
}

// After a write that does not restart the sensor, a deferred single shot is taken once the engine is
// idle again; one for the software scaling dialog shows its value there.
TEST_F(WritesTest, DeferredSingleShotIsTakenWhenTheWriteIsAcknowledged)
{
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetSoftwareConfigBlock(ZM_CNFG_SW_CONFIG_EXPSTN_CONFIGS));
    EXPECT_TRUE(engine.COM_SingleShotForSoftwareConfig());
    EXPECT_TRUE(engine.COM_SingleShot());
    ASSERT_EQ(writes.size(), 1u) << "only the block write";
    EXPECT_EQ(engine.m_bSingleShotForSoftwareConfig, 0) << "not before the request goes out";
    Feed(WireAck());
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(LastWrite(), "02 41 06 FF 00 46 15");
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_SINGLE_SHOT);
    EXPECT_TRUE(engine.COM_SingleShotForSoftwareConfig());
    EXPECT_EQ(writes.size(), 2u) << "asked again while the value is on its way: waits for it";
    Feed(Wire(RawFrame(1, 2, 7, -7)));
    EXPECT_TRUE(host.Has("Adjust_ShowCurrentValue 7 -7"));
    ASSERT_EQ(writes.size(), 3u) << "a value measured after the second request";
    EXPECT_EQ(LastWrite(), "02 41 06 FF 00 46 15");
    Feed(Wire(RawFrame(1, 2, 8, -8)));
    EXPECT_TRUE(host.Has("Adjust_ShowCurrentValue 8 -8"));
    EXPECT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
    EXPECT_EQ(writes.size(), 3u);
}
