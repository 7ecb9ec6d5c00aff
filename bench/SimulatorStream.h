// The measured-value stream of the benchmarks: recorded from the sensor simulator on COM5 at its
// highest rate (5000 five-byte records per second, chunks as the port delivered them), or made up
// when the simulator cannot be reached. Also the CPU time of the calling thread. Header-only: each
// benchmark is one source file.
#pragma once

#include "BenchClock.h"
#include "framework/AfxWin32.h"
#include "ports/CPortManGui.h"
#include "protocol/CComPort.h"
#include "support/SimClient.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench_stream
{
constexpr double STREAM_RECORDS_PER_S = 5000.0;
constexpr int RECORD_LENGTH = 5;
constexpr int ACK_LENGTH = 7;
constexpr int RECORDED_RECORDS = 256 * 40;
constexpr int SYNTHETIC_CHUNK = 230;
constexpr unsigned char RATE_CODE_5000 = 0;

using Chunks = std::vector<std::vector<unsigned char>>;

inline Chunks& Recorded()
{
    static Chunks recorded;
    return recorded;
}

inline LRESULT CALLBACK RecorderProc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
{
    if (uiMessage != WM_PORTMAN_DATA)
        return DefWindowProcA(hWnd, uiMessage, wParam, lParam);
    const auto* pBytes = reinterpret_cast<const unsigned char*>(lParam);
    Recorded().emplace_back(pBytes, pBytes + wParam);
    return 0;
}

inline size_t RecordedBytes()
{
    size_t n = 0;
    for (const std::vector<unsigned char>& chunk : Recorded())
        n += chunk.size();
    return n;
}

// The acknowledgement and RECORDED_RECORDS records as the port delivered them; empty when the
// simulator cannot be reached.
inline Chunks RecordFromSimulator()
{
    CSimClient sim;
    if (!sim.Connect() || !sim.Reset())
        return {};
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &RecorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TQ5BenchRecorder";
    RegisterClassA(&wc);
    HWND hOwner =
        CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    CPortManGui port(hOwner, WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
    port.m_dcb.BaudRate = 115200;
    port.m_dcb.ByteSize = 8;
    port.m_dcb.Parity = NOPARITY;
    port.m_dcb.StopBits = ONESTOPBIT;
    Chunks chunks;
    if (port.OpenConnection("COM5", nullptr, 256))
    {
        CTervane_Send frames;
        frames.TerSend_SetAddress(1, 255);
        frames.TerSend_SetMeasuringRate(RATE_CODE_5000);
        CString strStart;
        frames.TerSend_StartMeasureAB(strStart);
        port.WriteString(strStart);
        const size_t nWanted = ACK_LENGTH + static_cast<size_t>(RECORDED_RECORDS) * RECORD_LENGTH;
        const ULONGLONG ullEnd = GetTickCount64() + 20000;
        while (RecordedBytes() < nWanted && GetTickCount64() < ullEnd)
        {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
        for (int i = 0; i < 10; ++i)
            port.WriteByte(0x02);
        port.ClosePort(false);
        // Keep whole records only, a multiple of 256 so that replays follow on in counter order.
        size_t nLeft = nWanted;
        for (std::vector<unsigned char>& chunk : Recorded())
        {
            if (nLeft == 0)
                break;
            if (chunk.size() > nLeft)
                chunk.resize(nLeft);
            nLeft -= chunk.size();
            chunks.push_back(chunk);
        }
        if (nLeft > 0)
            chunks.clear();
    }
    DestroyWindow(hOwner);
    return chunks;
}

// The same stream made up here when the simulator is not there.
inline Chunks SyntheticStream(const CString& strAck)
{
    std::vector<unsigned char> bytes(strAck.GetString(), strAck.GetString() + strAck.GetLength());
    for (int i = 0; i < RECORDED_RECORDS; ++i)
    {
        const int iA = (i * 37) % 16000 - 8000;
        const int iB = (i * 11) % 8000 - 4000;
        for (const int iByte : {i & 0xFF, (iA >> 8) & 0xFF, iA & 0xFF, (iB >> 8) & 0xFF, iB & 0xFF})
            bytes.push_back(static_cast<unsigned char>(iByte));
    }
    Chunks chunks;
    for (size_t i = 0; i < bytes.size(); i += SYNTHETIC_CHUNK)
        chunks.emplace_back(bytes.begin() + i, bytes.begin() + std::min(bytes.size(), i + SYNTHETIC_CHUNK));
    return chunks;
}

// The recorded stream, or else the synthetic one after the engine's acknowledgement (address 1); the
// benchmark's first line says which.
inline Chunks LoadStream(CComPort& engine)
{
    engine.TerSend_SetAddress(1, 255);
    CString strAck;
    engine.TerSend_Ack(strAck, TRUE);
    Chunks chunks = RecordFromSimulator();
    const bool bRecorded = !chunks.empty();
    if (!bRecorded)
        chunks = SyntheticStream(strAck);
    std::printf("stream: %s, %d records in %zu chunks\n",
                bRecorded ? "recorded from the simulator on COM5" : "synthetic (simulator not reachable)",
                RECORDED_RECORDS, chunks.size());
    return chunks;
}

inline double Seconds(const FILETIME& ft)
{
    return (static_cast<unsigned long long>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) / 1e7;
}

inline double ThreadCpuSeconds()
{
    FILETIME ftCreation;
    FILETIME ftExit;
    FILETIME ftKernel;
    FILETIME ftUser;
    GetThreadTimes(GetCurrentThread(), &ftCreation, &ftExit, &ftKernel, &ftUser);
    return Seconds(ftKernel) + Seconds(ftUser);
}
struct Timing
{
    double dWall;
    double dCpu;
};

// Starts a measurement and feeds the chunks as the port delivers them, iReplays times.
inline Timing ReplayStream(CComPort& engine, const Chunks& chunks, int iReplays)
{
    const double dCpuStart = ThreadCpuSeconds();
    const double dStart = BenchNow();
    for (int iReplay = 0; iReplay < iReplays; ++iReplay)
    {
        engine.COM_ZMCOMConfgStartMeasure(-1, false);
        for (const std::vector<unsigned char>& chunk : chunks)
            engine.COM_OnReceiveData(static_cast<UINT>(chunk.size()), chunk.data());
    }
    return {BenchNow() - dStart, ThreadCpuSeconds() - dCpuStart};
}
} // namespace bench_stream
