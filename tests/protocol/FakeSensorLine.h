// A line of made-up ports for the sensor engine, each with a sensor behind it that answers status,
// raw-value and block requests to its bus address at its baud rate. Answers reach the engine's window
// as posted WM_PORTMAN_DATA, after the write that asked for them, as from a port's reader; without a
// window they are not sent.
#pragma once

#include "SensorAnswers.h"

#include "framework/CComboBox.h"
#include "ports/PortTypes.h"
#include "protocol/CComPortLine.h"
#include "protocol/CTervane_Send.h"
#include "protocol/ConfigBlock.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace protocol_test
{
struct FakeSensor
{
    CString strKey;
    unsigned char ucAddress = SENSOR_ADDRESS;
    LONG lBaudrate = 115200;
    CString strStatusData = Bytes("4F 63 05 06 85 83 01 02 03 04 05 06 07 1E");
    // 'D' answers (doubling removed) by block number; a block not here is refused with NAK '?'.
    std::map<unsigned char, CString> blocks;
};

// The known block ucNumber as sensor ucAddress sends it, changed by edit; block sums set unless
// bDamaged (the block then fails its block check), frame check bytes always set.
template <typename Edit>
CString SensorBlock(unsigned char ucNumber, unsigned char ucAddress, Edit edit, bool bDamaged = false)
{
    ConfigBlock block = ConfigBlock::FromString(KnownBlockRead(ucNumber));
    block.At(3) = ucAddress;
    if (!bDamaged)
    {
        edit(block);
        CTervane_Send::TerSend_CalcBlockSums(&block.At(ConfigBlock::FIRST_SUM_BYTE));
    }
    else
    {
        CTervane_Send::TerSend_CalcBlockSums(&block.At(ConfigBlock::FIRST_SUM_BYTE));
        edit(block);
    }
    CTervane_Send::TerSend_CalcCheckBytes(&block.At(1), &block.At(ConfigBlock::FRAME_CS),
                                          ConfigBlock::FRAME_CS - 2);
    return block.ToString();
}

class CFakeSensorLine : public CComPortLine
{
public:
    CFakeSensorLine(HWND hEngineWnd, CString strClosedName)
        : m_hEngineWnd(hEngineWnd), m_strClosedName(std::move(strClosedName))
    {
    }

    std::vector<FakeSensor> m_sensors;
    // Every request the sensors received (doubling removed), in order.
    std::vector<CString> m_requests;

    void FillPortCombo(CComboBox* pComboBox) override
    {
        pComboBox->ResetContent();
        for (const FakeSensor& sensor : m_sensors)
            pComboBox->AddString(sensor.strKey);
    }
    bool Open(const CString& strKey, LONG lBaudrate) override
    {
        for (FakeSensor& sensor : m_sensors)
        {
            if (sensor.strKey == strKey)
            {
                m_pOpen = &sensor;
                m_lBaudrate = lBaudrate;
                return true;
            }
        }
        return false;
    }
    bool Close() override
    {
        m_pOpen = nullptr;
        return true;
    }
    CString GetDisplayName() override { return m_pOpen ? m_pOpen->strKey : m_strClosedName; }
    LONG GetBaudrate() override { return m_lBaudrate; }
    bool Write(const CString& strBytes) override
    {
        if (!m_pOpen)
            return false;
        for (const CString& strRequest : Requests(strBytes))
        {
            m_requests.push_back(strRequest);
            if (At(strRequest, 2) == m_pOpen->ucAddress && m_lBaudrate == m_pOpen->lBaudrate)
                Answer(*m_pOpen, strRequest);
        }
        return true;
    }

private:
    // The frames of a write, doubling removed.
    static std::vector<CString> Requests(const CString& strWire)
    {
        std::vector<CString> requests;
        for (int i = 0; i < strWire.GetLength();)
        {
            if (At(strWire, i) != 0x02)
            {
                ++i;
                continue;
            }
            CString strFrame(strWire.GetAt(i++));
            while (i < strWire.GetLength() &&
                   !(strFrame.GetLength() >= 5 && strFrame.GetLength() == At(strFrame, 4) + 7))
            {
                strFrame += strWire.GetAt(i);
                i += At(strWire, i) == 0x02 && i + 1 < strWire.GetLength() && At(strWire, i + 1) == 0x02 ? 2
                                                                                                         : 1;
            }
            requests.push_back(strFrame);
        }
        return requests;
    }

    void Answer(const FakeSensor& sensor, const CString& strRequest)
    {
        const unsigned char ucAddress = sensor.ucAddress;
        switch (At(strRequest, 1))
        {
            case 0x42:
            {
                const CString& strData = sensor.strStatusData;
                Post(AnswerFrame(0x42,
                                 std::vector<unsigned char>(strData.GetString(),
                                                            strData.GetString() + strData.GetLength()),
                                 ucAddress));
                break;
            }
            case 0x41:
                Post(RawFrame(0x8000, 0x8000, 100, -100));
                break;
            case 0x44:
            {
                const auto it = sensor.blocks.find(At(strRequest, 5));
                Post(it != sensor.blocks.end() ? it->second : AnswerFrame(0x15, {'?'}, ucAddress));
                break;
            }
            default:
                break;
        }
    }

    void Post(const CString& strAnswer)
    {
        if (!m_hEngineWnd)
            return;
        const CString strWire = Wire(strAnswer);
        m_posted.emplace_back(strWire.GetString(), static_cast<size_t>(strWire.GetLength()));
        ::PostMessageA(m_hEngineWnd, WM_PORTMAN_DATA, m_posted.back().size(),
                       reinterpret_cast<LPARAM>(m_posted.back().data()));
    }

    HWND m_hEngineWnd;
    CString m_strClosedName;
    FakeSensor* m_pOpen = nullptr;
    LONG m_lBaudrate = 0;
    // Answers stay here until the line goes, since the window reads them when it takes the message.
    std::deque<std::string> m_posted;
};
} // namespace protocol_test
