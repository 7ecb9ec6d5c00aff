// Random and mutated answers through the engine's receive path, in every state of its machine.
//
// A case starts a fresh engine from its own seed and runs it through segments: each brings it into a
// state (through a sender, or set directly, also outside 0-47), then feeds it frames of every answer kind and
// stream records, mutated (bits flipped, cut, 0x02 doubling broken, check bytes wrong, any length byte,
// counter jumps, runs of 0x02), as one byte stream split at random chunk boundaries; between chunks the
// timers the engine started may fire. The case fails on an exception (every byte the engine reads goes
// through a checked accessor), on a receive buffer that keeps growing, and when after a segment a new
// initialisation does not take a good status answer. The case seed alone reproduces a case.
#pragma once

#include "SensorAnswers.h"

#include "framework/CException.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/ComPortTimers.h"
#include "support/ScriptedMessageBoxes.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace protocol_test
{
class CFuzzHost : public CComPortHost, public CComPortAdjustRole
{
public:
    void Frame_SetTimer(UINT_PTR nIdEvent, UINT) override { m_timers[nIdEvent] = true; }
    void Frame_KillTimer(UINT_PTR nIdEvent) override { m_timers.erase(nIdEvent); }
    void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) override
    {
        bChannelA = m_bChannelA;
        bChannelB = m_bChannelB;
    }

    std::map<UINT_PTR, bool> m_timers;
    bool m_bChannelA = true;
    bool m_bChannelB = true;
};

struct FuzzResult
{
    long long llFrames = 0;
    // Empty when the case passed.
    std::string strFailure;
};

class CReceiveFuzzer
{
public:
    // The seed of case iCase of a run with seed ullRunSeed.
    static std::uint64_t CaseSeed(std::uint64_t ullRunSeed, long long llCase)
    {
        // splitmix64 of the pair: neighbouring cases get unrelated streams.
        std::uint64_t z = ullRunSeed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(llCase) + 1;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    static FuzzResult RunCase(std::uint64_t ullSeed)
    {
        CReceiveFuzzer fuzzer(ullSeed);
        FuzzResult result;
        try
        {
            result.strFailure = fuzzer.Run();
        }
        catch (CException* pException)
        {
            pException->Delete();
            result.strFailure = "framework exception";
        }
        catch (const std::exception& e)
        {
            result.strFailure = std::string("exception: ") + e.what();
        }
        result.llFrames = fuzzer.m_llFrames;
        return result;
    }

private:
    // A case is a fresh engine (whose making costs) taken through many segments: a state, frames, the check.
    static constexpr int SEGMENTS_PER_CASE = 25;
    static constexpr int MAX_FRAMES_PER_SEGMENT = 120;
    static constexpr int MAX_CHUNK = 64;
    // The most an engine may keep: one incomplete answer of 41 bytes, every byte doubled.
    static constexpr int MAX_KEPT_BYTES = 2 * CTervane_Send::MAX_ANSWER_LENGTH;
    static constexpr unsigned char BLOCK_NUMBERS[] = {0, 1, 2, 3, 4, 0x80, 0x81, 0x82, 0x83, 5, 0x7F, 0xFF};

    explicit CReceiveFuzzer(std::uint64_t ullSeed) : m_random(ullSeed) {}

    int Below(int iLimit) { return static_cast<int>(m_random() % static_cast<std::uint64_t>(iLimit)); }
    unsigned char AnyByte() { return static_cast<unsigned char>(m_random()); }
    bool OneIn(int iTimes) { return Below(iTimes) == 0; }

    std::string Run()
    {
        m_engine.COM_AttachHost(&m_host);
        m_engine.COM_AttachAdjust(&m_host);
        m_engine.TerSend_SetAddress(SENSOR_ADDRESS, 255);
        for (int iSegment = 0; iSegment < SEGMENTS_PER_CASE; ++iSegment)
        {
            const std::string strFailure = RunSegment();
            if (!strFailure.empty())
                return "segment " + std::to_string(iSegment) + ": " + strFailure;
        }
        return std::string();
    }

    std::string RunSegment()
    {
        m_engine.COM_SetWriteSink(
            [this](const CString& strBytes)
            {
                m_strLastWrite = strBytes;
                return !OneIn(50);
            });
        m_host.m_bChannelA = !OneIn(3);
        m_host.m_bChannelB = !OneIn(3);
        m_engine.COM_SetStreamGapInterpolation(OneIn(2));
        EnterState();
        const CString strStream = Stream();
        for (int i = 0; i < strStream.GetLength();)
        {
            const int iChunk = std::min(1 + Below(MAX_CHUNK), strStream.GetLength() - i);
            m_engine.COM_OnReceiveData(static_cast<UINT>(iChunk),
                                       reinterpret_cast<const BYTE*>(strStream.GetString() + i));
            i += iChunk;
            if (m_engine.m_strReceiveCOM.GetLength() > MAX_KEPT_BYTES)
                return "receive buffer keeps " + std::to_string(m_engine.m_strReceiveCOM.GetLength()) +
                       " bytes in state " + std::to_string(m_engine.COM_GetZMCOMConfgFlow()) + ": " +
                       Hex(m_engine.m_strReceiveCOM);
            if (OneIn(8))
                FireATimer();
        }
        return GoodAnswerIsTaken() ? std::string() : "a good status answer was not taken afterwards";
    }

    // The state the frames meet: reached by a sender as the program does, or set as it stands.
    void EnterState()
    {
        switch (Below(9))
        {
            case 0:
                m_engine.COM_ZMCOMConfgStartInit();
                break;
            case 1:
                m_engine.COM_ZMCOMConfgSingleShot();
                break;
            case 2:
                m_engine.COM_ZMCOMConfgReadRawCalibInit(Below(3));
                break;
            case 3:
                Below(2) ? m_engine.COM_ZMCOMConfgSetCtrlOn() : m_engine.COM_ZMCOMConfgSetCtrlOff();
                break;
            case 4:
            case 5:
                m_engine.m_bStreamMode = 1;
                m_engine.COM_ZMCOMConfgStartMeasure(Below(2) ? -1 : ZM_TRIGGER_ACTIV, true);
                if (Below(2))
                    Feed(Wire(AnswerFrame(0x06, {})));
                break;
            case 6:
                m_engine.COM_ZMCOMConfgSetSerialNumberRotorOperation(-1);
                break;
            default:
            {
                const int iState = OneIn(8) ? Below(120) - 10 : Below(48);
                m_engine.COM_SetZMCOMConfgFlow(iState);
                CString strUnsent;
                switch (Below(4))
                {
                    case 0:
                        m_engine.ReadConfig(nullptr, BLOCK_NUMBERS[Below(std::size(BLOCK_NUMBERS))]);
                        break;
                    case 1:
                        m_engine.TerSend_ReadRaw(strUnsent);
                        break;
                    case 2:
                        m_engine.TerSend_ReadStatusLong(strUnsent);
                        break;
                    default:
                        m_engine.TerSend_SetCommand(AnyByte());
                        break;
                }
                break;
            }
        }
    }

    void Feed(const CString& strBytes)
    {
        if (!strBytes.IsEmpty())
            m_engine.COM_OnReceiveData(static_cast<UINT>(strBytes.GetLength()),
                                       reinterpret_cast<const BYTE*>(strBytes.GetString()));
    }

    CString Stream()
    {
        CString strStream;
        const int iFrames = 1 + Below(MAX_FRAMES_PER_SEGMENT);
        for (int i = 0; i < iFrames; ++i)
        {
            strStream += Mutated(AnyAnswer());
            ++m_llFrames;
        }
        return strStream;
    }

    // A good answer of any kind, doubling removed (stream records as they are).
    CString AnyAnswer()
    {
        const unsigned char ucAddress = OneIn(6) ? AnyByte() : SENSOR_ADDRESS;
        switch (Below(9))
        {
            case 0:
                return AnswerFrame(0x06, {}, ucAddress);
            case 1:
                return AnswerFrame(0x15, {static_cast<unsigned char>("?#+="[Below(4)])}, ucAddress);
            case 2:
                return AnswerFrame(0x40, {0}, ucAddress);
            case 3:
                return RawFrame(Below(0x10000), Below(0x10000), Below(0x10000) - 0x8000,
                                Below(0x10000) - 0x8000, static_cast<unsigned char>(Below(2)));
            case 4:
                return AnswerFrame(0x42, Data(14), ucAddress);
            case 5:
            {
                CString strBlock = KnownBlockRead(BLOCK_NUMBERS[Below(9)]);
                if (!strBlock.IsEmpty() && OneIn(3))
                    strBlock.SetAt(5, static_cast<char>(BLOCK_NUMBERS[Below(std::size(BLOCK_NUMBERS))]));
                return strBlock.IsEmpty() ? AnswerFrame(0x44, Data(33), ucAddress) : strBlock;
            }
            case 6:
                return AnswerFrame(AnyByte(), Data(Below(36)), ucAddress);
            case 7:
                return CString(static_cast<char>(0x02), 2 + Below(12)); // a run of 0x02
            default:
                return Records();
        }
    }

    std::vector<unsigned char> Data(int iLength)
    {
        std::vector<unsigned char> data(static_cast<size_t>(iLength));
        for (unsigned char& uc : data)
            uc = AnyByte();
        return data;
    }

    // Stream records of 3 or 5 bytes, their counters in order from the expected one, or jumping.
    CString Records()
    {
        const int iLength = Below(2) ? 5 : 3;
        CString str;
        for (int i = 0, iCount = 1 + Below(20); i < iCount; ++i)
        {
            if (OneIn(10))
                m_ucCounter = static_cast<unsigned char>(m_ucCounter + Below(4) - 1);
            str += static_cast<char>(m_ucCounter++);
            for (int k = 1; k < iLength; ++k)
                str += static_cast<char>(AnyByte());
        }
        return str;
    }

    // The answer as the wire carries it, mostly doubled, then damaged in up to three ways.
    CString Mutated(const CString& strAnswer)
    {
        const bool bFrame =
            strAnswer.GetLength() >= 7 && strAnswer.GetAt(0) == 0x02 && strAnswer.GetAt(1) != 0x02;
        CString str = bFrame && !OneIn(10) ? Wire(strAnswer) : strAnswer;
        for (int i = 0, iMutations = OneIn(3) ? 0 : 1 + Below(3); i < iMutations && !str.IsEmpty(); ++i)
        {
            const int iAt = Below(str.GetLength());
            switch (Below(7))
            {
                case 0: // bit flip
                    str.SetAt(iAt, static_cast<char>(str.GetAt(iAt) ^ (1 << Below(8))));
                    break;
                case 1: // cut short
                    str = str.Left(iAt);
                    break;
                case 2: // a doubled 0x02 undone, or one doubled that was not
                    if (str.GetAt(iAt) == 0x02 && iAt + 1 < str.GetLength() && str.GetAt(iAt + 1) == 0x02)
                        str.Delete(iAt, 1);
                    else
                        str.Insert(iAt, '\x02');
                    break;
                case 3: // wrong check bytes
                    str.SetAt(str.GetLength() - 1, static_cast<char>(AnyByte()));
                    break;
                case 4: // any length byte
                    if (str.GetLength() > 4)
                        str.SetAt(4, static_cast<char>(AnyByte()));
                    break;
                case 5: // bytes between answers
                    str.Insert(iAt, static_cast<char>(AnyByte()));
                    break;
                default: // a run of 0x02
                    str.Insert(iAt, CString(static_cast<char>(0x02), 1 + Below(6)));
                    break;
            }
        }
        return str;
    }

    void FireATimer()
    {
        if (m_host.m_timers.empty())
            return;
        auto it = m_host.m_timers.begin();
        std::advance(it, Below(static_cast<int>(m_host.m_timers.size())));
        m_engine.COM_OnTimer(it->first);
    }

    // A new initialisation takes a good status answer, whatever came before: it asks for block 0.
    bool GoodAnswerIsTaken()
    {
        m_engine.COM_SetWriteSink(
            [this](const CString& strBytes)
            {
                m_strLastWrite = strBytes;
                return true;
            });
        m_strLastWrite.Empty();
        if (!m_engine.COM_ZMCOMConfgStartInit())
            return false;
        const CString strStatus = WireStatus();
        for (int i = 0; i < strStatus.GetLength();)
        {
            const int iChunk = std::min(1 + Below(8), strStatus.GetLength() - i);
            Feed(strStatus.Mid(i, iChunk));
            i += iChunk;
        }
        const CString strRequest = Unstuff(m_strLastWrite);
        return strRequest.GetLength() == 8 && At(strRequest, 1) == 0x44 && At(strRequest, 5) == 0;
    }

    std::mt19937_64 m_random;
    ScriptedMessageBoxes m_boxes;
    CFuzzHost m_host;
    CComPort m_engine;
    CString m_strLastWrite;
    unsigned char m_ucCounter = 0;
    long long m_llFrames = 0;
};
} // namespace protocol_test
