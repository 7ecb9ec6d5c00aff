// Port tables, list texts, the connection choice and the deferral of searches, without a port.
#include "ComPortEngineFixture.h"
#include "FakeSensorLine.h"

#include "protocol/ComPortTimers.h"

using namespace protocol_test;

namespace
{
class SearchTest : public ComPortEngineTest
{
protected:
    void SetUp() override
    {
        ComPortEngineTest::SetUp();
        engine.m_strClosedPortName = "OffLine";
        engine.m_strPortBeforeSearch = "OffLine";
    }

    // Lists the ports with their search states, as a finished search leaves them.
    void List(std::initializer_list<std::pair<const char*, int>> ports)
    {
        int i = 0;
        engine.m_iCountFound = 0;
        for (const auto& [pszKey, iState] : ports)
        {
            engine.m_sComPort.at(i).strComPort = pszKey;
            engine.m_sComPort.at(i).iTervaneState = iState;
            engine.m_iCountFound += iState == ID_PORT_AVAILABLE ? 1 : 0;
            ++i;
        }
        engine.m_sComPort.at(i).strComPort.Empty();
    }
};
} // namespace

TEST_F(SearchTest, PortKeyAndListText)
{
    struct Case
    {
        const char* pszKey;
        const char* pszText;
        const char* pszBack;
    };
    const Case cases[] = {
        {"COM5   \\Device\\Serial4", "\\Device\\Serial4   [COM5]", "COM5   \\Device\\Serial4"},
        {"COM12   TERVANE usb Sensor Interface Port", "Tervane USB   [COM12]",
         "COM12   TERVANE usb Sensor Interface Port"},
        {"COM3", "COM3   []", "COM3   "},
        {"Bluetooth", "Bluetooth   []", "Bluetooth   "},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszKey);
        const CString strText = engine.COM_PortKeyToDisplayText(c.pszKey);
        EXPECT_EQ(strText, c.pszText);
        EXPECT_EQ(engine.COM_DisplayTextToPortKey(strText), c.pszBack);
    }
}

TEST_F(SearchTest, ConnectionChoice)
{
    const char* const pszCom1 = "COM1   \\Device\\Serial0";
    const char* const pszCom3 = "COM3   Tervane USB sensor interface port";
    const char* const pszCom4 = "COM4   Tervane USB sensor interface port";
    struct Case
    {
        const char* pszName;
        int iStateCom3;
        const char* pszLastUsed;
        int iChosen;
        const char* pszLastUsedAfter;
    };
    const Case cases[] = {
        {"the only sensor, whatever was used last", ID_PORT_NO_ANSWER, pszCom1, 2, ""},
        {"two sensors, nothing stored: the first in list order", ID_PORT_AVAILABLE, "", 1, ""},
        {"two sensors, the last used one among them", ID_PORT_AVAILABLE, pszCom4, 2, ""},
        {"two sensors, the last used one not available", ID_PORT_AVAILABLE, pszCom1, -1, "OffLine"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        engine.m_bOneTimeInitCheckIfQbxUsbTyp = false;
        engine.m_strActivePortKey.Empty();
        engine.m_strLastUsedComPort = c.pszLastUsed;
        List({{pszCom1, ID_PORT_NO_ANSWER}, {pszCom3, c.iStateCom3}, {pszCom4, ID_PORT_AVAILABLE}});
        host.ClearLog();
        engine.COM_CheckConnection(3);
        EXPECT_EQ(engine.m_iChosenPort, c.iChosen);
        EXPECT_TRUE(engine.m_strLastUsedComPort.IsEmpty()) << "the stored port steers the first choice only";
        if (c.iChosen < 0)
        {
            EXPECT_EQ(engine.m_strActivePortKey, c.pszLastUsedAfter);
        }
        EXPECT_EQ(host.m_rows.size(), 3u);
        EXPECT_EQ(host.m_rows.at(0).astrCell[0], "\\Device\\Serial0   [COM1]");
        EXPECT_TRUE(host.Has("Panel_OnSensorDisconnected")) << "no port could be opened here";
        EXPECT_FALSE(engine.m_bPortListOutdated);
    }
}

TEST_F(SearchTest, NoChoiceBeforeAFirstSensorWasFound)
{
    List({{"COM5   \\Device\\Serial4", ID_PORT_AVAILABLE}});
    ASSERT_TRUE(engine.m_bOneTimeInitCheckIfQbxUsbTyp);
    engine.COM_CheckConnection(3);
    EXPECT_EQ(engine.m_iChosenPort, -1);
    EXPECT_TRUE(host.m_rows.empty());
    engine.COM_CheckConnection(0);
    EXPECT_FALSE(host.Has("Frame_BeginWaitCursor")) << "a refresh does not search before that";
}

TEST_F(SearchTest, SearchAskedForDuringASearchIsDeferred)
{
    engine.m_bOneTimeInitCheckIfQbxUsbTyp = false;
    engine.COM_CheckConnectionIfQbxUsbTyp(0);
    EXPECT_EQ(host.Count("Connection_FillPortList"), 1);
    EXPECT_TRUE(host.Has("StartUp_ShowSearchFailed")) << "no port listed";
    ASSERT_TRUE(host.FrameTimerRuns(TIMER_SEARCH_END));
    EXPECT_TRUE(engine.COM_IsSearchRunning());

    engine.COM_CheckConnection(0);
    engine.COM_CheckConnectionIfQbxUsbTyp(4);
    EXPECT_EQ(host.Count("Connection_FillPortList"), 1) << "not started twice";

    EXPECT_TRUE(engine.COM_OnTimer(TIMER_SEARCH_END));
    ASSERT_TRUE(host.FrameTimerRuns(TIMER_SEARCH_END_CONNECT));
    EXPECT_TRUE(engine.COM_OnTimer(TIMER_SEARCH_END_CONNECT));
    EXPECT_FALSE(engine.COM_IsSearchRunning());
    EXPECT_TRUE(host.PanelTimerRuns(TIMER_PANEL_DEFERRED_SEARCH)) << "the deferred search follows";
    engine.COM_CheckConnectionIfQbxUsbTyp(0);
    EXPECT_EQ(host.Count("Connection_FillPortList"), 2);
}

TEST_F(SearchTest, DeviceArrivalPutsTheSearchOff)
{
    engine.m_COM_bDeviceIsArrivedJustOneOfIt = true;
    engine.COM_CheckConnectionIfQbxUsbTyp(0);
    EXPECT_EQ(host.m_panelTimers[TIMER_PANEL_DEFERRED_SEARCH], 2500u);
    EXPECT_FALSE(engine.m_COM_bDeviceIsArrivedJustOneOfIt);
    EXPECT_EQ(host.Count("Connection_FillPortList"), 0);
}

TEST_F(SearchTest, SearchFlags)
{
    List({{"COM1   a", ID_PORT_AVAILABLE}, {"COM2   b", ID_PORT_AVAILABLE}, {"COM3   c", ID_PORT_AVAILABLE}});
    engine.m_sComPort.at(5).strStoredName = "COM2   b";
    engine.m_sComPort.at(5).iStoredSearch = 1;
    engine.m_sComPort.at(6).strStoredName = "COM3   c";
    engine.m_sComPort.at(6).iStoredSearch = -11;
    engine.COM_TakeOverStoredSearchFlags(3, false);
    EXPECT_EQ(engine.m_sComPort.at(0).iSearch, 0);
    EXPECT_EQ(engine.m_sComPort.at(1).iSearch, 1);
    EXPECT_EQ(engine.m_sComPortPrev.at(1).iSearch, 1);
    EXPECT_EQ(engine.m_sComPort.at(2).iSearch, 0);
    engine.m_sComPort.at(5).iStoredSearch = 7;
    engine.COM_TakeOverStoredSearchFlags(3, false);
    EXPECT_EQ(engine.m_sComPort.at(1).iSearch, 1) << "taken over once per run";

    engine.COM_SavePortTableAsPrev();
    engine.m_sComPortPrev.at(2).iSearch = 4;
    engine.m_sComPort.at(2).iSearch = 0;
    std::swap(engine.m_sComPort.at(0).strComPort, engine.m_sComPort.at(2).strComPort);
    engine.COM_TakeOverPrevSearchFlags();
    EXPECT_EQ(engine.m_sComPort.at(0).iSearch, 4) << "matched by port key";
}

TEST_F(SearchTest, ConnectionListRow)
{
    List({{"COM1   a", ID_PORT_NO_ANSWER}, {"COM5   \\Device\\Serial4", ID_PORT_AVAILABLE}});
    engine.m_bOneTimeInitCheckIfQbxUsbTyp = false;
    engine.COM_CheckConnection(3);
    engine.m_sComPort.at(1).sSensor.ulSerialNo = 4711;
    EXPECT_TRUE(engine.COM_UpdateConnectionListRow("COM5   \\Device\\Serial4", 1));
    EXPECT_EQ(host.m_rows.at(1).astrCell[3], "4711");
    EXPECT_EQ(host.m_rows.at(1).astrCell[5], "active");
    EXPECT_EQ(engine.m_sComPort.at(1).iTervaneState, ID_PORT_ACTIVE);
    EXPECT_EQ(engine.m_sSensor.ulSerialNo, 4711u);
    EXPECT_TRUE(engine.COM_UpdateConnectionListRow("COM9   x", 0)) << "no row: nothing changes";
    EXPECT_FALSE(engine.COM_UpdateConnectionListRow("COM1   a", 7));
}

// The scan writes its 249 status requests in parts from a timer, so the window handles its messages
// meanwhile; an answer during the scan is analysed only after its end.
TEST_F(SearchTest, AddressScanIsWrittenInParts)
{
    CFakeSensorLine line(nullptr, "OffLine");
    FakeSensor silent;
    silent.strKey = "COM9   x";
    silent.ucAddress = 250; // answers no address of the scan
    line.m_sensors = {silent};
    engine.COM_SetWriteSink(nullptr);
    engine.COM_SetLine(&line);
    engine.m_sComPort.at(0).strComPort = silent.strKey;
    engine.m_iCountHits = 0;
    engine.ZMQBXUSBTQ5_TestPort();
    EXPECT_EQ(line.m_requests.size(), 25u);
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_SEARCH_PORT_NO_ANSWER));
    Feed(WireStatus());
    for (int iPart = 0; iPart < 20 && host.FrameTimerRuns(TIMER_SEARCH_SCAN); ++iPart)
    {
        EXPECT_FALSE(host.FrameTimerRuns(TIMER_SEARCH_STATUS_LONG));
        EXPECT_TRUE(engine.COM_OnTimer(TIMER_SEARCH_SCAN));
    }
    ASSERT_EQ(line.m_requests.size(), 249u);
    for (size_t i = 0; i < line.m_requests.size(); ++i)
    {
        ASSERT_EQ(At(line.m_requests[i], 1), 0x42);
        ASSERT_EQ(At(line.m_requests[i], 2), 249 - i);
    }
    EXPECT_TRUE(host.FrameTimerRuns(TIMER_SEARCH_STATUS_LONG)) << "the answer of address 6";
    EXPECT_FALSE(host.FrameTimerRuns(TIMER_SEARCH_PORT_NO_ANSWER));
    EXPECT_EQ(engine.m_sComPort.at(0).ucInterfaceAddress, SENSOR_ADDRESS);
    engine.COM_SetLine(nullptr);
}
