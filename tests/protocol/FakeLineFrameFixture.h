// The test frame's engine talking to a line of made-up ports, each with a sensor that sends the known
// blocks (CFakeSensorLine), for searches run by the frame's timers.
#pragma once

#include "ComPortTestFrame.h"
#include "FakeSensorLine.h"

#include "protocol/ComPortTimers.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <memory>

namespace protocol_test
{
// A sensor at ucAddress behind the port of pszKey that sends the known blocks with its serial number.
inline FakeSensor KnownSensor(const char* pszKey, unsigned char ucAddress, unsigned long ulSerialNo)
{
    FakeSensor sensor;
    sensor.strKey = pszKey;
    sensor.ucAddress = ucAddress;
    for (const KnownBlock& known : KnownBlocks())
        sensor.blocks[known.ucNumber] = SensorBlock(known.ucNumber, ucAddress, [](ConfigBlock&) {});
    sensor.blocks[0] = SensorBlock(0, ucAddress,
                                   [ulSerialNo](ConfigBlock& block)
                                   {
                                       block.SetUInt16At(10, static_cast<unsigned>(ulSerialNo >> 16));
                                       block.SetUInt16At(12, static_cast<unsigned>(ulSerialNo & 0xFFFF));
                                   });
    return sensor;
}

class FakeLineFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateAndInit());
        m_pLine = std::make_unique<CFakeSensorLine>(m_frame.GetSafeHwnd(), m_frame.m_strClosedPortName);
        m_frame.COM_SetLine(m_pLine.get());
    }

    void TearDown() override { m_frame.COM_SetLine(nullptr); }

    // A search started as the start-up dialog starts it, until a sensor is connected and read.
    bool SearchAndConnect()
    {
        m_frame.Frame_SetTimer(TIMER_START_SEARCH, 10);
        return PumpUntil(
            [this]
            {
                return m_frame.m_bSensorConfigRead && m_frame.COM_GetZMCOMConfgFlow() == ZM_STOP_MEASURE &&
                       !m_frame.COM_IsSearchRunning();
            },
            SEARCH_TIMEOUT_MS);
    }
    // A search that runs, until its connection choice.
    bool SearchToTheEnd()
    {
        return PumpUntil([this] { return !m_frame.COM_IsSearchRunning(); }, SEARCH_TIMEOUT_MS);
    }

    static constexpr unsigned SEARCH_TIMEOUT_MS = 30000;
    CComPortTestFrame m_frame;
    std::unique_ptr<CFakeSensorLine> m_pLine;
};
} // namespace protocol_test
