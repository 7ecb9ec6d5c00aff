// The sensor engine without a port: its writes are kept, received bytes are fed in as chunks.
#pragma once

#include "ComPortTestHost.h"
#include "SensorAnswers.h"

#include "protocol/CComPort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

class ComPortEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine.COM_SetWriteSink(
            [this](const CString& strBytes)
            {
                writes.push_back(strBytes);
                return bWriteSucceeds;
            });
        engine.TerSend_SetAddress(protocol_test::SENSOR_ADDRESS, 255);
    }

    // Feeds the bytes in chunks of iChunk bytes (all at once for 0).
    void Feed(const CString& strBytes, int iChunk = 0)
    {
        const int iStep = iChunk > 0 ? iChunk : std::max(1, strBytes.GetLength());
        for (int i = 0; i < strBytes.GetLength(); i += iStep)
        {
            const CString strChunk = strBytes.Mid(i, std::min(iStep, strBytes.GetLength() - i));
            engine.COM_OnReceiveData(static_cast<UINT>(strChunk.GetLength()),
                                     reinterpret_cast<const BYTE*>(strChunk.GetString()));
        }
    }

    std::string LastWrite() const
    {
        return writes.empty() ? std::string() : protocol_test::Hex(writes.back());
    }
    CString LastWriteUnstuffed() const
    {
        return writes.empty() ? CString() : protocol_test::Unstuff(writes.back());
    }
    unsigned char LastRequestedBlock() const
    {
        const CString str = LastWriteUnstuffed();
        return str.GetLength() > 5 && str.GetAt(1) == 0x44 ? static_cast<unsigned char>(str.GetAt(5)) : 0xEE;
    }
    int CountStopBytes() const
    {
        return static_cast<int>(std::count_if(writes.begin(), writes.end(),
                                              [](const CString& str)
                                              { return str.GetLength() == 1 && str.GetAt(0) == 0x02; }));
    }

    // A full initialisation: status answer, the eight blocks, the first raw values.
    void RunInitialisation(int iChunk = 0)
    {
        ASSERT_TRUE(engine.COM_ZMCOMConfgStartInit());
        Feed(protocol_test::WireStatus(), iChunk);
        for (const unsigned char ucBlock : {0, 1, 2, 3, 0x80, 0x81, 0x82, 0x83})
        {
            ASSERT_EQ(LastRequestedBlock(), ucBlock);
            Feed(protocol_test::WireBlock(ucBlock), iChunk);
        }
        ASSERT_EQ(LastWrite(), "02 41 06 FF 00 46 15") << "raw values after the last block";
        Feed(protocol_test::Wire(protocol_test::RawFrame(0x8000, 0x8001, 100, -200)), iChunk);
    }

    // Starts a stream at rate code 6 for both channels and acknowledges it.
    void StartStream()
    {
        engine.m_bStreamMode = 1;
        host.m_iRateCode = 6;
        ASSERT_TRUE(engine.COM_ZMCOMConfgStartMeasure(-1, true));
        ASSERT_EQ(LastWrite(), "02 5A 06 FF 05 03 19 00 00 43 C3 2B");
        Feed(protocol_test::WireAck());
        ASSERT_EQ(engine.m_bStreamStarted, 1);
    }

    CComPort engine;
    CTestComPortHost host{&engine};
    std::vector<CString> writes;
    bool bWriteSucceeds = true;
};
