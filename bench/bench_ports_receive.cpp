// The cost of receiving: the sensor simulator streams 5000 five-byte records per second on COM5
// (25,000 bytes/s, above the 23,040 bytes/s a 230400-baud line carries at most), taken in once by a plain
// blocking reader (a thread that only reads and checks) and once by the port manager, which hands every
// chunk to its owner window. For each: CPU time of this process and of the wineserver as a share of one
// core, and the port manager's ratio to the plain reader. Then both flat out (bytes pushed as fast as
// the simulator takes them) for the headroom. Every byte is checked for order and content.
// Goal: the port manager at most 10 % of a core, program and wineserver together, at the line's rate.
#include "BenchClock.h"
#include "framework/AfxWin32.h"
#include "ports/CPortManGui.h"
#include "support/SimClient.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace
{
constexpr double LINE_BYTES_PER_S = 230400.0 / 10;
constexpr double GOAL_CORE_SHARE = 0.10;
constexpr double MEASURE_SECONDS = 5.0;
constexpr unsigned int ACK_BYTES = 7;
constexpr unsigned int RECORD_BYTES = 5;
constexpr unsigned int FLAT_OUT_BYTES = 2 * 1024 * 1024;
// Less than the pseudo-terminal's 4 KB queue is in flight: the simulator takes a queue that stays full for a
// second as a reader that has gone and flushes it.
constexpr unsigned int FLAT_OUT_BLOCK = 1024;
constexpr unsigned int FLAT_OUT_WINDOW = 3 * 1024;
constexpr int CONSTANT_B = -2;

double ProcessCpuSeconds()
{
    FILETIME ftCreation, ftExit, ftKernel, ftUser;
    GetProcessTimes(GetCurrentProcess(), &ftCreation, &ftExit, &ftKernel, &ftUser);
    auto toSeconds = [](const FILETIME& ft)
    { return (static_cast<double>(ft.dwHighDateTime) * 4294967296.0 + ft.dwLowDateTime) / 1e7; };
    return toSeconds(ftKernel) + toSeconds(ftUser);
}

// The wineserver's CPU seconds from /proc (through drive Z:), or a negative value when unknown.
double ServerCpuSeconds()
{
    const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
    if (pszBuild == nullptr)
        return -1;
    std::string strPidFile = std::string("Z:") + pszBuild + "/wine/wineserver.pid";
    FILE* pFile = std::fopen(strPidFile.c_str(), "r");
    int iPid = 0;
    if (pFile == nullptr || std::fscanf(pFile, "%d", &iPid) != 1)
    {
        if (pFile != nullptr)
            std::fclose(pFile);
        return -1;
    }
    std::fclose(pFile);
    std::string strStat = "Z:/proc/" + std::to_string(iPid) + "/stat";
    pFile = std::fopen(strStat.c_str(), "r");
    if (pFile == nullptr)
        return -1;
    char achStat[1024] = {};
    size_t nRead = std::fread(achStat, 1, sizeof(achStat) - 1, pFile);
    std::fclose(pFile);
    achStat[nRead] = 0;
    // After the name in brackets: state, then 10 fields, then utime and stime in clock ticks.
    const char* p = std::strrchr(achStat, ')');
    unsigned long long aull[13] = {};
    if (p == nullptr ||
        std::sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &aull[0], &aull[1]) != 2)
        return -1;
    return static_cast<double>(aull[0] + aull[1]) / 100.0;
}

// Checks every byte of a stream: the acknowledgement (bytes left on the line before it are skipped), then
// records of counter, A (a ramp from 0) and B (a constant).
class CStreamCheck
{
public:
    void Feed(const unsigned char* p, size_t n)
    {
        for (size_t i = 0; i < n; ++i)
            Check(p[i]);
        m_ullBytes += n;
    }
    unsigned long long Bytes() const { return m_ullBytes; }
    unsigned long long Wrong() const { return m_ullWrong; }

private:
    void Check(unsigned char uc)
    {
        if (!m_bSynced)
        {
            m_bSynced = m_ucPrevious == 0x02 && uc == 0x06;
            m_ucPrevious = uc;
            m_ullPos = m_bSynced ? 2 : 0;
            return;
        }
        if (m_ullPos < ACK_BYTES)
        {
            ++m_ullPos;
            return;
        }
        unsigned long long ullRecord = (m_ullPos - ACK_BYTES) / RECORD_BYTES;
        unsigned int uiField = static_cast<unsigned int>((m_ullPos - ACK_BYTES) % RECORD_BYTES);
        unsigned int uiA = static_cast<unsigned int>(ullRecord & 0xFFFF);
        unsigned int uiB = static_cast<unsigned int>(CONSTANT_B) & 0xFFFF;
        const unsigned char aucExpected[RECORD_BYTES] = {
            static_cast<unsigned char>(ullRecord), static_cast<unsigned char>(uiA >> 8),
            static_cast<unsigned char>(uiA), static_cast<unsigned char>(uiB >> 8),
            static_cast<unsigned char>(uiB)};
        if (uc != aucExpected[uiField])
            ++m_ullWrong;
        ++m_ullPos;
    }

    std::atomic<unsigned long long> m_ullBytes{0};
    unsigned long long m_ullPos = 0;
    std::atomic<unsigned long long> m_ullWrong{0};
    unsigned char m_ucPrevious = 0;
    bool m_bSynced = false;
};

// Flat-out data: a running counter, one byte per position.
class CCountCheck
{
public:
    void Feed(const unsigned char* p, size_t n)
    {
        for (size_t i = 0; i < n; ++i)
            m_ullWrong += p[i] != static_cast<unsigned char>(m_ullBytes + i) ? 1 : 0;
        m_ullBytes += n;
    }
    unsigned long long Bytes() const { return m_ullBytes; }
    unsigned long long Wrong() const { return m_ullWrong; }

private:
    std::atomic<unsigned long long> m_ullBytes{0};
    std::atomic<unsigned long long> m_ullWrong{0};
};

std::vector<unsigned char> Framed(std::vector<unsigned char> ab)
{
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
    std::vector<unsigned char> abWire = {ab[0]};
    for (size_t i = 1; i < ab.size(); ++i)
    {
        abWire.push_back(ab[i]);
        if (ab[i] == 0x02)
            abWire.push_back(0x02);
    }
    return abWire;
}

// Stream start to bus address 1 at rate byte 1 (5000 records per second), both channels.
const std::vector<unsigned char> STREAM_START =
    Framed({0x02, 0x5A, 0x01, 0xFF, 0x05, 0x03, 0x01, 0x00, 0x00, 'C'});
const std::vector<unsigned char> STREAM_STOP(10, 0x02);

struct CCost
{
    unsigned long long ullBytes = 0;
    double dSeconds = 0;
    double dProcess = 0;
    double dServer = -1;
    double ProcessShare() const { return dProcess / dSeconds; }
    double TotalShare() const { return (dProcess + (dServer >= 0 ? dServer : 0)) / dSeconds; }
};

// CPU time and bytes taken between its construction and Stop.
class CCostMeter
{
public:
    explicit CCostMeter(const CStreamCheck& check)
        : m_check(check), m_ullBytes(check.Bytes()), m_dStart(BenchNow()), m_dProcess(ProcessCpuSeconds()),
          m_dServer(ServerCpuSeconds())
    {
    }
    CCost Stop() const
    {
        CCost cost;
        cost.ullBytes = m_check.Bytes() - m_ullBytes;
        cost.dSeconds = BenchNow() - m_dStart;
        cost.dProcess = ProcessCpuSeconds() - m_dProcess;
        double dServer = ServerCpuSeconds();
        cost.dServer = m_dServer >= 0 && dServer >= 0 ? dServer - m_dServer : -1;
        return cost;
    }

private:
    const CStreamCheck& m_check;
    unsigned long long m_ullBytes;
    double m_dStart;
    double m_dProcess;
    double m_dServer;
};

void Pump(double dSeconds)
{
    const double dEnd = BenchNow() + dSeconds;
    do
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (BenchNow() < dEnd);
}

std::string Hex(const unsigned char* p, size_t n)
{
    static const char DIGITS[] = "0123456789ABCDEF";
    std::string str;
    str.reserve(n * 2);
    for (size_t i = 0; i < n; ++i)
    {
        str += DIGITS[p[i] >> 4];
        str += DIGITS[p[i] & 15];
    }
    return str;
}

// Pushes FLAT_OUT_BYTES of counting bytes through the simulator, never more than the window ahead of
// what has arrived; fnPump takes in what arrived. Returns the seconds it took.
template <class Received, class PumpFn>
double PushFlatOut(CSimClient& sim, Received fnReceived, PumpFn fnPump)
{
    std::vector<unsigned char> abBlock(FLAT_OUT_BLOCK);
    unsigned int uiSent = 0;
    const double dStart = BenchNow();
    while (fnReceived() < FLAT_OUT_BYTES && BenchNow() - dStart < 60)
    {
        if (uiSent < FLAT_OUT_BYTES && uiSent < fnReceived() + FLAT_OUT_WINDOW)
        {
            for (unsigned int i = 0; i < FLAT_OUT_BLOCK; ++i)
                abBlock[i] = static_cast<unsigned char>(uiSent + i);
            sim.Command("{\"cmd\": \"send\", \"hex\": \"" + Hex(abBlock.data(), abBlock.size()) + "\"}");
            uiSent += FLAT_OUT_BLOCK;
            continue;
        }
        fnPump();
    }
    return BenchNow() - dStart;
}

// The plain blocking reader: one thread, one overlapped read of a full buffer after the other.
class CPlainReader
{
public:
    template <class Check>
    bool Run(Check& check, const std::vector<unsigned char>& abStart, const std::function<bool()>& fnDone)
    {
        HANDLE hPort = CreateFileA("\\\\.\\COM5", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OVERLAPPED, nullptr);
        if (hPort == INVALID_HANDLE_VALUE)
            return false;
        DCB dcb = {};
        dcb.DCBlength = sizeof(dcb);
        GetCommState(hPort, &dcb);
        dcb.BaudRate = 115200;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = 1;
        COMMTIMEOUTS timeouts = {0, 0, 0, 0, 5000};
        SetupComm(hPort, 65536, 4096);
        SetCommState(hPort, &dcb);
        SetCommTimeouts(hPort, &timeouts);
        m_bStop = false;
        std::thread reader(
            [&]
            {
                OVERLAPPED ol = {};
                ol.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
                unsigned char ab[256];
                while (!m_bStop)
                {
                    DWORD dwRead = 0;
                    ResetEvent(ol.hEvent);
                    if (!ReadFile(hPort, ab, sizeof(ab), &dwRead, &ol) &&
                        (GetLastError() != ERROR_IO_PENDING ||
                         !GetOverlappedResult(hPort, &ol, &dwRead, TRUE)))
                        break;
                    check.Feed(ab, dwRead);
                }
                CloseHandle(ol.hEvent);
            });
        Write(hPort, abStart);
        bool bDone = fnDone();
        Write(hPort, STREAM_STOP);
        m_bStop = true;
        CancelIoEx(hPort, nullptr);
        reader.join();
        CloseHandle(hPort);
        return bDone;
    }

    static void Write(HANDLE hPort, const std::vector<unsigned char>& ab)
    {
        if (ab.empty())
            return;
        OVERLAPPED ol = {};
        ol.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        DWORD dwWritten = 0;
        if (!WriteFile(hPort, ab.data(), static_cast<DWORD>(ab.size()), &dwWritten, &ol))
            GetOverlappedResult(hPort, &ol, &dwWritten, TRUE);
        CloseHandle(ol.hEvent);
    }

private:
    std::atomic<bool> m_bStop{false};
};

// The owner window of the port manager: hands each chunk to the current check.
struct COwner
{
    static inline std::function<void(const unsigned char*, size_t)> s_fnFeed;
    static inline unsigned long long s_ullChunks = 0;

    static LRESULT CALLBACK Proc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
    {
        if (uiMessage != WM_PORTMAN_DATA)
            return DefWindowProcA(hWnd, uiMessage, wParam, lParam);
        ++s_ullChunks;
        if (s_fnFeed)
            s_fnFeed(reinterpret_cast<const unsigned char*>(lParam), wParam);
        return 0;
    }

    static HWND Create()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TQ5BenchOwner";
        RegisterClassA(&wc);
        return CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                               nullptr);
    }
};

void PrintCost(const char* pszWho, const CCost& cost, unsigned long long ullWrong)
{
    std::string strServer = "n/a";
    if (cost.dServer >= 0)
    {
        char ach[32];
        std::snprintf(ach, sizeof(ach), "%.1f %%", 100 * cost.dServer / cost.dSeconds);
        strServer = ach;
    }
    std::printf("  %-24s %6.0f bytes/s, CPU %5.1f %% of a core (process %4.1f %%, wineserver %s), %s\n",
                pszWho, cost.ullBytes / cost.dSeconds, 100 * cost.TotalShare(), 100 * cost.ProcessShare(),
                strServer.c_str(),
                ullWrong == 0 ? "every byte in order" : (std::to_string(ullWrong) + " bytes WRONG").c_str());
}

bool ResetStream(CSimClient& sim)
{
    return sim.Reset() && sim.SetRamp('A', 0, 1) && sim.SetConstant('B', CONSTANT_B);
}
} // namespace

int main()
{
    CSimClient sim;
    if (!sim.Connect() || !ResetStream(sim))
    {
        std::printf("bench_ports_receive: sensor simulator not reachable (SENSORSIM_PORT)\n");
        return 1;
    }
    std::printf("receiving from COM5: a stream of 5000 records/s (25,000 bytes/s; a 230400-baud line carries "
                "at most 23,040), %.0f s each\n",
                MEASURE_SECONDS);
    int iFailed = 0;

    CStreamCheck plainStream;
    CCost plainCost;
    CPlainReader plain;
    bool bPlain = plain.Run(plainStream, STREAM_START,
                            [&]
                            {
                                Sleep(500); // acknowledgement and first records before the measurement
                                CCostMeter meter(plainStream);
                                Sleep(static_cast<DWORD>(MEASURE_SECONDS * 1000));
                                plainCost = meter.Stop();
                                return plainCost.ullBytes > 0;
                            });
    if (!bPlain)
    {
        std::printf("bench_ports_receive: COM5 could not be read\n");
        return 1;
    }
    ResetStream(sim);

    HWND hOwner = COwner::Create();
    CPortManGui manager(hOwner, WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
    manager.m_dcb.BaudRate = 115200;
    if (!manager.OpenConnection("COM5", nullptr, 256))
    {
        std::printf("bench_ports_receive: COM5 could not be opened\n");
        return 1;
    }
    CStreamCheck managerStream;
    COwner::s_fnFeed = [&](const unsigned char* p, size_t n) { managerStream.Feed(p, n); };
    manager.WriteBuffer(STREAM_START.data(), static_cast<unsigned int>(STREAM_START.size()));
    Pump(0.5);
    unsigned long long ullChunksBefore = COwner::s_ullChunks;
    CCostMeter meter(managerStream);
    Pump(MEASURE_SECONDS);
    CCost managerCost = meter.Stop();
    unsigned long long ullChunks = COwner::s_ullChunks - ullChunksBefore;
    manager.WriteBuffer(STREAM_STOP.data(), static_cast<unsigned int>(STREAM_STOP.size()));
    Pump(0.3);

    PrintCost("plain blocking reader:", plainCost, plainStream.Wrong());
    PrintCost("port manager -> window:", managerCost, managerStream.Wrong());
    const double dShare = managerCost.TotalShare();
    std::printf(
        "  port manager: %.0f chunks/s, %.1f %% of a core, program and wineserver (goal: at most %.0f %%: "
        "%s); %.2f times the plain reader\n",
        ullChunks / managerCost.dSeconds, 100 * dShare, 100 * GOAL_CORE_SHARE,
        dShare <= GOAL_CORE_SHARE ? "met" : "MISSED", dShare / plainCost.TotalShare());
    iFailed += plainStream.Wrong() != 0 || managerStream.Wrong() != 0 || dShare > GOAL_CORE_SHARE;

    // Headroom: the same two readers flat out.
    std::printf("flat out: %u bytes pushed through the simulator as fast as it takes them\n", FLAT_OUT_BYTES);
    ResetStream(sim);
    CCountCheck managerCount;
    COwner::s_fnFeed = [&](const unsigned char* p, size_t n) { managerCount.Feed(p, n); };
    double dManager = PushFlatOut(
        sim, [&] { return managerCount.Bytes(); }, [] { Pump(0.001); });
    manager.ClosePort(false);
    sim.ClearLog();

    CCountCheck plainCount;
    double dPlain = 0;
    plain.Run(plainCount, {},
              [&]
              {
                  dPlain = PushFlatOut(
                      sim, [&] { return plainCount.Bytes(); }, [] { Sleep(1); });
                  return true;
              });
    sim.Reset();
    for (const auto& [pszWho, dSeconds, count] :
         {std::tuple{"plain blocking reader:", dPlain, &plainCount},
          std::tuple{"port manager -> window:", dManager, &managerCount}})
    {
        std::printf("  %-24s %7.0f bytes/s, %.1f times the line's 23,040 (goal: above 1), %s\n", pszWho,
                    count->Bytes() / dSeconds, count->Bytes() / dSeconds / LINE_BYTES_PER_S,
                    count->Wrong() == 0 && count->Bytes() == FLAT_OUT_BYTES ? "every byte in order"
                                                                            : "bytes LOST or WRONG");
        iFailed += count->Wrong() != 0 || count->Bytes() != FLAT_OUT_BYTES;
    }
    DestroyWindow(hOwner);
    return iFailed == 0 ? 0 : 2;
}
