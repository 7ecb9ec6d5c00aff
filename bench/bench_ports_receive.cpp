// Receive path from COM5 to the owner window at the stream's full rate (5000 five-byte records per
// second from the sensor simulator): bytes per second delivered as WM_PORTMAN_DATA and the process's
// CPU time per 1000 bytes. Reference: the stream's nominal 25,000 bytes per second.
#include "framework/AfxWin32.h"
#include "ports/CPortManGui.h"
#include "support/SimClient.h"

#include <cstdio>
#include <vector>

namespace
{
constexpr double NOMINAL_BYTES_PER_S = 5000.0 * 5;
constexpr double MEASURE_SECONDS = 5.0;

struct CReceiveCounter
{
    unsigned long long ullBytes = 0;
    unsigned long long ullChunks = 0;
};
CReceiveCounter g_counter;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
{
    if (uiMessage == WM_PORTMAN_DATA)
    {
        g_counter.ullBytes += wParam;
        ++g_counter.ullChunks;
        return 0;
    }
    return DefWindowProcA(hWnd, uiMessage, wParam, lParam);
}

HWND CreateOwner()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &OwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TQ5BenchOwner";
    RegisterClassA(&wc);
    return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                           nullptr);
}

// Stream start to bus address 1 at rate byte 1 (5000 records per second), both channels.
CString StreamStartFrame()
{
    std::vector<unsigned char> ab = {0x02, 0x5A, 0x01, 0xFF, 0x05, 0x03, 0x01, 0x00, 0x00, 'C'};
    unsigned int uiCs = 0;
    unsigned int uiWcs = 0;
    for (size_t i = 1; i < ab.size(); ++i)
    {
        uiCs = (uiCs + ab[i]) & 0xFF;
        uiWcs += uiCs;
        if (uiWcs > 0xFF)
            uiWcs -= 0xFF;
    }
    ab.push_back(static_cast<unsigned char>(uiCs));
    ab.push_back(static_cast<unsigned char>(uiWcs));
    CString strFrame(static_cast<char>(ab[0]));
    for (size_t i = 1; i < ab.size(); ++i)
    {
        strFrame += static_cast<char>(ab[i]);
        if (ab[i] == 0x02)
            strFrame += static_cast<char>(0x02);
    }
    return strFrame;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double ProcessCpuSeconds()
{
    FILETIME ftCreation, ftExit, ftKernel, ftUser;
    GetProcessTimes(GetCurrentProcess(), &ftCreation, &ftExit, &ftKernel, &ftUser);
    auto toSeconds = [](const FILETIME& ft)
    { return (static_cast<double>(ft.dwHighDateTime) * 4294967296.0 + ft.dwLowDateTime) / 1e7; };
    return toSeconds(ftKernel) + toSeconds(ftUser);
}

void PumpFor(double dSeconds)
{
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    do
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        QueryPerformanceCounter(&now);
    } while (Seconds(start, now) < dSeconds);
}
} // namespace

int main()
{
    CSimClient sim;
    if (!sim.Connect() || !sim.Reset())
    {
        std::printf("bench_ports_receive: sensor simulator not reachable (SENSORSIM_PORT)\n");
        return 1;
    }
    HWND hOwner = CreateOwner();
    CPortManGui manager(hOwner, WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
    manager.m_dcb.BaudRate = 115200;
    if (!manager.OpenConnection("COM5", nullptr, 256) || !manager.WriteString(StreamStartFrame()))
    {
        std::printf("bench_ports_receive: COM5 could not be opened\n");
        return 1;
    }
    PumpFor(0.5); // acknowledgement and the stream's first records
    g_counter = {};
    LARGE_INTEGER start, end;
    double dCpuStart = ProcessCpuSeconds();
    QueryPerformanceCounter(&start);
    PumpFor(MEASURE_SECONDS);
    QueryPerformanceCounter(&end);
    double dCpu = ProcessCpuSeconds() - dCpuStart;
    CReceiveCounter measured = g_counter;
    for (int i = 0; i < 10; ++i)
        manager.WriteByte(0x02);
    PumpFor(0.2);
    manager.ClosePort(false);
    sim.Reset();

    double dElapsed = Seconds(start, end);
    double dBytesPerS = measured.ullBytes / dElapsed;
    std::printf("receive path COM5 -> owner window, stream of 5000 records/s, %.1f s\n", dElapsed);
    std::printf("  bytes delivered:          %llu in %llu chunks (%.1f bytes per chunk)\n", measured.ullBytes,
                measured.ullChunks,
                measured.ullChunks ? double(measured.ullBytes) / measured.ullChunks : 0.0);
    std::printf("  bytes per second:         %.0f (reference %.0f, ratio %.3f)\n", dBytesPerS,
                NOMINAL_BYTES_PER_S, dBytesPerS / NOMINAL_BYTES_PER_S);
    std::printf("  CPU time per 1000 bytes:  %.3f ms (process, all threads; %.1f%% of one core)\n",
                measured.ullBytes ? dCpu * 1e6 / measured.ullBytes : 0.0, 100.0 * dCpu / dElapsed);
    DestroyWindow(hOwner);
    return 0;
}
