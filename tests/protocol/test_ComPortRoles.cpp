// The engine's roles: a window attached in a role gets the engine's calls of that role while it is
// attached, and only then; without one the engine works on with the role's do-nothing object, whose
// answers are those of the missing window's defaults.
#include "ComPortEngineFixture.h"
#include "FakeLineFrameFixture.h"

#include "protocol/CComPortConnectionRole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace protocol_test;

namespace
{
const char* const SENSOR_KEY = "COM7   Fake sensor";

// A connection list window as the engine sees it: its calls, by name.
class CFakeConnectionList : public CComPortConnectionRole
{
public:
    void Connection_FillPortList(int iTakeOver) override { Log("FillPortList " + std::to_string(iTakeOver)); }
    void Connection_BeginRefill() override
    {
        m_rows.clear();
        Log("BeginRefill");
    }
    void Connection_SetPortRow(const CString& strListText, int, int iState, ULONG) override
    {
        m_rows.push_back(std::string(strListText.GetString()) + " " + std::to_string(iState));
    }
    void Connection_EndRefill() override { Log("EndRefill"); }
    int Connection_GetRowCount() override { return static_cast<int>(m_rows.size()); }
    void Connection_ResetListMarks() override { Log("ResetListMarks"); }

    std::vector<std::string> m_calls;
    std::vector<std::string> m_rows;

private:
    void Log(const std::string& str) { m_calls.push_back(str); }
};

class RoleAttachTest : public FakeLineFrameTest
{
protected:
    void SetUp() override
    {
        FakeLineFrameTest::SetUp();
        m_pLine->m_sensors = {KnownSensor(SENSOR_KEY, SENSOR_ADDRESS, 4711)};
    }

    void TearDown() override
    {
        m_frame.COM_AttachConnection(nullptr);
        FakeLineFrameTest::TearDown();
    }

    CFakeConnectionList m_list;
};

// The rows of a list that saw a whole search: the one port, connected.
const std::vector<std::string> CONNECTED_ROWS = {"Fake sensor   [COM7] " + std::to_string(ID_PORT_ACTIVE)};
} // namespace

TEST_F(RoleAttachTest, AConnectionListGetsTheEnginesCallsOnlyWhileAttached)
{
    // Attached from the start: the first search fills it and the sensor's initialisation clears its marks.
    m_frame.COM_AttachConnection(&m_list);
    ASSERT_EQ(&m_frame.COM_Connection(), &m_list);
    ASSERT_TRUE(SearchAndConnect());
    EXPECT_EQ(m_list.m_calls,
              (std::vector<std::string>{"FillPortList 1", "BeginRefill", "EndRefill", "ResetListMarks"}));
    EXPECT_EQ(m_list.m_rows, CONNECTED_ROWS);
    EXPECT_EQ(m_frame.Count("Connection_BeginRefill"), 0) << "the test host's list was replaced";

    // Detached while the sensor is connected: a search runs through without the list.
    m_frame.COM_AttachConnection(nullptr);
    EXPECT_NE(&m_frame.COM_Connection(), &m_list);
    EXPECT_NE(&m_frame.COM_Connection(), static_cast<CComPortConnectionRole*>(&m_frame));
    m_list.m_calls.clear();
    m_list.m_rows.clear();
    m_frame.COM_CheckConnectionIfQbxUsbTyp(0);
    ASSERT_TRUE(SearchToTheEnd());
    EXPECT_TRUE(m_list.m_calls.empty());
    EXPECT_TRUE(m_list.m_rows.empty());
    EXPECT_EQ(m_frame.m_sComPort.at(0).iTervaneState, ID_PORT_ACTIVE)
        << "the engine chose the port all the same";
    EXPECT_EQ(m_frame.Count("Connection_BeginRefill"), 0);

    // Attached while a search runs: the list misses the start and gets the end.
    m_frame.COM_CheckConnectionIfQbxUsbTyp(0);
    ASSERT_TRUE(m_frame.COM_IsSearchRunning());
    m_frame.COM_AttachConnection(&m_list);
    ASSERT_TRUE(SearchToTheEnd());
    EXPECT_EQ(m_list.m_calls, (std::vector<std::string>{"BeginRefill", "EndRefill"}));
    EXPECT_EQ(m_list.m_rows, CONNECTED_ROWS);
}

// Without the measurement settings page the engine takes the page's defaults: both channels, and the
// low-pass cut-offs the sensor reported (the page starts from those), never a 0 Hz filter.
class NoSettingsPageTest : public ComPortEngineTest
{
protected:
    void SetUp() override
    {
        ComPortEngineTest::SetUp();
        engine.COM_AttachAdjust(nullptr);
        // The test host's page would answer otherwise.
        host.m_bChannelA = false;
        host.m_iLowPassHzA = host.m_iLowPassHzB = 0;
        RunInitialisation();
        ASSERT_EQ(engine.COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
        writes.clear();
    }
};

TEST_F(NoSettingsPageTest, AStreamMeasuresBothChannels)
{
    StartStream(); // checks the start frame for channels A and B
}

TEST_F(NoSettingsPageTest, TheLowPassWriteKeepsTheSensorsCutOffs)
{
    const int iSensorHzA = engine.m_sSensor.iLowPassHzA;
    const int iSensorHzB = engine.m_sSensor.iLowPassHzB;
    ASSERT_GT(iSensorHzA, 0);
    ASSERT_GT(iSensorHzB, 0);
    ASSERT_TRUE(engine.COM_ZMCOMConfgSetNewBaudrate());
    const CString strBlock = Unstuff(writes.back());
    EXPECT_EQ(At(strBlock, 19) << 8 | At(strBlock, 20), iSensorHzA);
    EXPECT_EQ(At(strBlock, 21) << 8 | At(strBlock, 22), iSensorHzB);
}
