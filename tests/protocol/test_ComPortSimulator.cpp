// The sensor engine against the sensor simulator on COM5: search, initialisation, stream, baud-rate
// change, user calibration switched off and on, and a sensor that stops answering.
#include "ComPortSimulatorFixture.h"

using namespace protocol_test;

TEST_F(ComPortSimulatorTest, SearchFindsTheSensorWithTheAddressScanAndInitialisesIt)
{
    ASSERT_TRUE(SearchAndConnect());
    const ComPortStruct* pEntry = Com5Entry();
    ASSERT_NE(pEntry, nullptr);
    EXPECT_EQ(pEntry->iTervaneState, ID_PORT_ACTIVE);
    EXPECT_EQ(pEntry->lComPortBaudrate, 115200);
    EXPECT_EQ(pEntry->ucInterfaceAddress, 1);
    EXPECT_EQ(Frame().m_strActivePortKey, pEntry->strComPort);
    EXPECT_EQ(Frame().m_sSensor.ulSerialNo, 123456u);
    EXPECT_EQ(Frame().m_sSensor.ucStatorType, 5);
    EXPECT_EQ(Frame().m_sSensor.ucAdjustment, 2) << "factory calibration in force";
    EXPECT_TRUE(Frame().Has("StartUp_Hide"));
    EXPECT_TRUE(Frame().Has("Frame_ShowMainWindow"));
    EXPECT_TRUE(Frame().COM_IsPortOpen());

    const std::vector<std::string> status = Received("B");
    ASSERT_GE(status.size(), 250u);
    EXPECT_EQ(Field(status[0], "address"), "249") << "02 42 F9 FF 00 3A F1";
    EXPECT_EQ(Field(status[0], "own"), "255");
    EXPECT_EQ(Field(status[0], "data"), "");
    EXPECT_EQ(Field(status[0], "check"), "ok");
    EXPECT_EQ(Field(status[248], "address"), "1");
    EXPECT_EQ(Field(status[249], "address"), "1") << "the status request of the initialisation";

    std::vector<std::string> blocks;
    for (const std::string& strEntry : Received("D"))
        blocks.push_back(Field(strEntry, "data"));
    const std::vector<std::string> chain = {"00", "01", "02", "03", "80", "81", "82", "83"};
    std::vector<std::string> twice = chain;
    twice.insert(twice.end(), chain.begin(), chain.end());
    EXPECT_EQ(blocks, twice) << "read in the search, then in the initialisation";
    EXPECT_FALSE(Received("A").empty()) << "raw values end the initialisation";

    // The single value that follows the initialisation.
    ASSERT_TRUE(PumpUntil(
        [this] { return !Frame().m_deliveries.empty() && Frame().m_deliveries.back().iReason == 1; },
        STEP_TIMEOUT_MS));
}

TEST_F(ComPortSimulatorTest, SensorAnsweringOnlyAt230400IsFoundInTheSecondPass)
{
    ASSERT_TRUE(m_sim.SetRateMode("230400"));
    ASSERT_TRUE(SearchAndConnect());
    const ComPortStruct* pEntry = Com5Entry();
    ASSERT_NE(pEntry, nullptr);
    EXPECT_EQ(pEntry->lComPortBaudrate, 230400);
    EXPECT_EQ(pEntry->iTervaneState, ID_PORT_ACTIVE);
    EXPECT_EQ(CSimClient::FindValue(m_sim.GetState(), "line_rate"), "230400");
    EXPECT_EQ(Frame().m_sSensor.ulSerialNo, 123456u);
    EXPECT_FALSE(Events("noise").empty()) << "the first pass at 115200 went unheard";
}

TEST_F(ComPortSimulatorTest, StreamOfBothChannelsAndItsStop)
{
    ASSERT_TRUE(
        m_sim.Command(R"({"cmd": "set_block", "block": "stator_operation", "fields": {"bus_address": 6}})"));
    ASSERT_TRUE(SearchAndConnect());
    ASSERT_EQ(Com5Entry()->ucInterfaceAddress, 6);
    ASSERT_TRUE(
        PumpUntil([this] { return !Frame().FrameTimerRuns(TIMER_INIT_DONE_SINGLE_SHOT); }, STEP_TIMEOUT_MS));
    PumpFor(100);
    ASSERT_TRUE(m_sim.SetRamp('A', 100, 1));
    ASSERT_TRUE(m_sim.SetConstant('B', -2));
    ASSERT_TRUE(m_sim.ClearLog());
    Frame().m_deliveries.clear();
    Frame().m_iRateCode = 6;
    Frame().COM_SetMeasuringRateMode();
    ASSERT_TRUE(Frame().COM_ZMCOMConfgStartMeasure(-1, true));
    ASSERT_TRUE(PumpUntil([this] { return Frame().m_deliveries.size() >= 150; }, STEP_TIMEOUT_MS));

    const std::vector<std::string> start = Received("Z");
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(Field(start[0], "address"), "6") << "02 5A 06 FF 05 03 19 00 00 43 C3 2B";
    EXPECT_EQ(Field(start[0], "own"), "255");
    EXPECT_EQ(Field(start[0], "data"), "03 19 00 00 43");
    EXPECT_EQ(Field(start[0], "check"), "ok");
    const std::vector<CTestComPortHost::Delivery> deliveries = Frame().m_deliveries;
    for (size_t i = 0; i < deliveries.size(); ++i)
    {
        ASSERT_EQ(deliveries[i].iReason, 0);
        ASSERT_EQ(deliveries[i].iValueA, deliveries[0].iValueA + static_cast<int>(i)) << i;
        ASSERT_EQ(deliveries[i].iValueB, -2) << i;
    }

    EXPECT_TRUE(Frame().COM_ZMCOMConfgStopMeasure());
    Frame().COM_SetZMCOMConfgFlow(ZM_STOP_MEASURE);
    ASSERT_TRUE(PumpUntil([this] { return !Events("stop_bytes").empty(); }, STEP_TIMEOUT_MS));
    const std::vector<std::string> stops = Events("stop_bytes");
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(Field(stops[0], "count"), "10");
    EXPECT_EQ(Frame().m_bStreamInSync, 1) << "no record was lost";
}

TEST_F(ComPortSimulatorTest, BaudRateChangeRestartsTheSensorAndFindsItAtTheNewRate)
{
    ASSERT_TRUE(SearchAndConnect());
    ASSERT_TRUE(
        PumpUntil([this] { return !Frame().FrameTimerRuns(TIMER_INIT_DONE_SINGLE_SHOT); }, STEP_TIMEOUT_MS));
    Frame().m_bSensorConfigRead = false;
    ASSERT_TRUE(Frame().COM_ZMCOMConfgSetNewBaudrate(0, 16));
    ASSERT_TRUE(WaitForInitialisation(SEARCH_TIMEOUT_MS));
    const ComPortStruct* pEntry = Com5Entry();
    ASSERT_NE(pEntry, nullptr);
    EXPECT_EQ(pEntry->lComPortBaudrate, 230400);
    EXPECT_EQ(pEntry->iTervaneState, ID_PORT_ACTIVE);
    EXPECT_EQ(Frame().m_sSensor.ucBaudCode, 16);
    EXPECT_EQ(BlockField(2, "baud_code"), "16");
    const std::vector<std::string> written = Events("block_written");
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(Field(written[0], "block"), "2");
    EXPECT_FALSE(Received("K").empty());
    EXPECT_EQ(CSimClient::FindValue(m_sim.GetState(), "line_rate"), "230400");
}

TEST_F(ComPortSimulatorTest, UserCalibrationIsSwitchedOffAndRestored)
{
    ASSERT_TRUE(
        m_sim.Command(R"({"cmd": "set_block", "block": "rotor_user_calib", "fields": {"time": 1710460800, )"
                      R"("gain_a": 33000, "offset_a": -5, "gain_b": 32500, "offset_b": 7, "ctrl_a": 32768, )"
                      R"("ctrl_b": 32768, "digits_a": 20000, "digits_b": 20000, "uncertainty_a": 1200, )"
                      R"("uncertainty_b": 1300}})"));
    ASSERT_TRUE(SearchAndConnect());
    ASSERT_EQ(Frame().m_sSensor.ucAdjustment, 3);
    ASSERT_TRUE(
        PumpUntil([this] { return !Frame().FrameTimerRuns(TIMER_INIT_DONE_SINGLE_SHOT); }, STEP_TIMEOUT_MS));

    Frame().m_bSensorConfigRead = false;
    ASSERT_TRUE(Frame().COM_ZMCOMConfgUserCalibDeactivate());
    ASSERT_TRUE(WaitForInitialisation(STEP_TIMEOUT_MS)) << "restart and a new initialisation";
    EXPECT_EQ(BlockField(130, "switched_off"), "true");
    EXPECT_EQ(Frame().m_sSensor.ucAdjustment, 2);

    Frame().m_bSensorConfigRead = false;
    ASSERT_TRUE(Frame().COM_ZMCOMConfgUserCalibActivate());
    ASSERT_TRUE(WaitForInitialisation(STEP_TIMEOUT_MS));
    EXPECT_EQ(BlockField(130, "switched_off"), "false");
    EXPECT_EQ(BlockField(130, "check"), "0");
    EXPECT_EQ(Frame().m_sSensor.ucAdjustment, 3);
    EXPECT_EQ(Frame().m_sSensor.sUserCalib.iGainA, 33000);
}

TEST_F(ComPortSimulatorTest, SensorThatStopsAnsweringIsReportedLost)
{
    ASSERT_TRUE(SearchAndConnect());
    ASSERT_TRUE(
        PumpUntil([this] { return !Frame().FrameTimerRuns(TIMER_INIT_DONE_SINGLE_SHOT); }, STEP_TIMEOUT_MS));
    ASSERT_TRUE(m_sim.InjectFault("no_answer", "all"));
    ScriptedMessageBoxes boxes;
    Frame().COM_ZMCOMConfgStartInit();
    ExpectConnectionReportedLost(boxes);
}

// A port whose writes fail counts as silent once per pass, when the no-answer timer runs out.
TEST_F(ComPortSimulatorTest, PortWhoseScanWritesFailCountsAsSilentOnce)
{
    int iWrites = 0;
    Frame().COM_SetWriteSink(
        [&iWrites](const CString&)
        {
            ++iWrites;
            return false;
        });
    Frame().Frame_SetTimer(TIMER_START_SEARCH, 10);
    ASSERT_TRUE(PumpUntil([this] { return Frame().Has("StartUp_ShowSearchFailed"); }, SEARCH_TIMEOUT_MS));
    int iSilent = 0;
    for (const CString& strLine : Frame().m_traces)
        iSilent += strLine.Find("ZMQBXUSBTQ5_PortDoesNotAnswer") >= 0 ? 1 : 0;
    EXPECT_EQ(iSilent, iWrites) << "one failed write and one no-answer per pass";
    EXPECT_GE(iWrites, 2) << "COM5 at 115200 and at 230400";
    EXPECT_EQ(Frame().Count("StartUp_ShowSearchFailed"), 1);
    const ComPortStruct* pEntry = Com5Entry();
    ASSERT_NE(pEntry, nullptr);
    EXPECT_EQ(pEntry->iTervaneState, ID_PORT_NO_ANSWER);
}
