// The sensor engine against the sensor simulator on COM5: a test frame with the engine, the
// simulator's control client, and the simulator's log read back.
#pragma once

#include "ComPortTestFrame.h"

#include "protocol/ComPortTimers.h"
#include "support/PumpUntil.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/SimClient.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace protocol_test
{
constexpr unsigned SEARCH_TIMEOUT_MS = 60000;
constexpr unsigned STEP_TIMEOUT_MS = 10000;

inline std::string Field(const std::string& strEntry, const char* pszKey)
{
    return CSimClient::FindValue(strEntry, pszKey);
}

class ComPortSimulatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Connect()) << "sensor simulator not reachable (SENSORSIM_PORT)";
        ASSERT_TRUE(m_sim.Reset());
        m_pFrame = std::make_unique<CComPortTestFrame>();
        ASSERT_TRUE(m_pFrame->CreateAndInit());
    }

    void TearDown() override
    {
        m_pFrame.reset();
        m_sim.Reset();
    }

    CComPortTestFrame& Frame() { return *m_pFrame; }

    // The search as the start-up dialog starts it, until the found sensor is initialised.
    bool SearchAndConnect()
    {
        Frame().m_bSensorConfigRead = false;
        Frame().Frame_SetTimer(TIMER_START_SEARCH, 200);
        return WaitForInitialisation(SEARCH_TIMEOUT_MS);
    }

    // Search, connection and initialisation, then the single value that follows them.
    bool ConnectAndSettle()
    {
        return SearchAndConnect() && PumpUntil(
                                         [this]
                                         {
                                             return !Frame().m_deliveries.empty() &&
                                                    Frame().m_deliveries.back().iReason == 1 &&
                                                    !Frame().FrameTimerRuns(TIMER_ANSWER_WAIT);
                                         },
                                         STEP_TIMEOUT_MS);
    }

    // The initialisation's outcome for a lost sensor: the message, the port closed and forgotten.
    void ExpectConnectionReportedLost(const ScriptedMessageBoxes& boxes)
    {
        ASSERT_TRUE(PumpUntil([&boxes] { return !boxes.Calls().empty(); }, STEP_TIMEOUT_MS));
        EXPECT_EQ(boxes.Calls()[0].strText,
                  "The connection to the USB-Device is not stable. Please check the connection.");
        EXPECT_FALSE(Frame().COM_IsPortOpen());
        EXPECT_EQ(Frame().m_strActivePortKey, Frame().m_strClosedPortName);
        EXPECT_EQ(Frame().COM_GetZMCOMConfgFlow(), ZM_STOP_MEASURE);
        EXPECT_TRUE(Frame().Has("Panel_ResetToDisconnected"));
    }

    bool WaitForInitialisation(unsigned uiTimeoutMs)
    {
        return PumpUntil(
            [this]
            {
                return Frame().m_bSensorConfigRead && Frame().COM_GetZMCOMConfgFlow() == ZM_STOP_MEASURE &&
                       !Frame().COM_IsSearchRunning();
            },
            uiTimeoutMs);
    }

    const ComPortStruct* Com5Entry()
    {
        for (const ComPortStruct& entry : Frame().m_sComPort)
        {
            if (entry.strComPort.Left(5) == "COM5 ")
                return &entry;
        }
        return nullptr;
    }

    // The frames the simulator received with that command name.
    std::vector<std::string> Received(const char* pszCommand)
    {
        std::vector<std::string> frames;
        for (const std::string& strEntry : CSimClient::LogEntries(m_sim.GetLog()))
        {
            if (Field(strEntry, "dir") == "rx" && Field(strEntry, "cmd") == pszCommand)
                frames.push_back(strEntry);
        }
        return frames;
    }

    std::vector<std::string> Events(const char* pszEvent)
    {
        std::vector<std::string> events;
        for (const std::string& strEntry : CSimClient::LogEntries(m_sim.GetLog()))
        {
            if (Field(strEntry, "event") == pszEvent)
                events.push_back(strEntry);
        }
        return events;
    }

    std::string BlockField(int iBlock, const char* pszKey)
    {
        return Field(m_sim.Request(R"({"cmd": "get_block", "block": )" + std::to_string(iBlock) + "}"),
                     pszKey);
    }

    CSimClient m_sim;
    std::unique_ptr<CComPortTestFrame> m_pFrame;
};
} // namespace protocol_test
