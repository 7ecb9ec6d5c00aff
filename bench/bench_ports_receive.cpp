// The cost of receiving: the sensor simulator streams 5000 five-byte records per second on COM5
// (25,000 bytes/s, above the 23,040 bytes/s a 230400-baud line carries at most), taken in by turns in
// short slices of one run by the cheapest reader (a thread in a blocking ReadFile with interval
// timeouts, about five reads a second) and by the port manager, which hands every chunk to its owner
// window. For each: CPU time of this process and of the wineserver as a share of one core, and the port
// manager's ratio to the blocking reader. Then the time a command's answer takes to reach the owner
// window, on an idle line and during a stream, and both readers flat out (bytes pushed as fast as the
// simulator takes them) for the headroom. Every byte is checked for order and content.
// Goals: the port manager at most 3 times the blocking reader and at most 5 % of a core (program and
// wineserver, on an otherwise idle machine); every byte in order; an answer at the owner within 20 ms
// of its last byte on the line; both readers faster than the line flat out.
//   bench_ports_receive [--batch-ms N]   the port manager's batch period while the line streams
#include "BenchClock.h"
#include "BenchCpu.h"
#include "BenchGoal.h"
#include "framework/AfxWin32.h"
#include "ports/CComm2.h"
#include "ports/CPortManGui.h"
#include "support/RelayWatch.h"
#include "support/SimClient.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr double LINE_BYTES_PER_S = 230400.0 / 10;
constexpr double STREAM_BYTES_PER_S = 25000.0;
constexpr double GOAL_RATIO = 3.0;
constexpr double GOAL_CORE_SHARE = 0.05;
constexpr double GOAL_ANSWER_MS = 20.0;
constexpr int SLICES = 5;
constexpr double SLICE_SECONDS = 1.0;
constexpr double SETTLE_SECONDS = 0.3;
constexpr int ANSWERS_IDLE = 40;
constexpr int ANSWERS_STREAMING = 20;
constexpr double ANSWER_GAP_SECONDS = 0.03;
constexpr unsigned int ACK_BYTES = 7;
constexpr unsigned int RECORD_BYTES = 5;
constexpr unsigned int STATUS_ANSWER_BYTES = 21;
constexpr unsigned int FLAT_OUT_BYTES = 2 * 1024 * 1024;
// Less than the pseudo-terminal's 4 KB queue is in flight: the simulator takes a queue that stays full for a
// second as a reader that has gone and flushes it.
constexpr unsigned int FLAT_OUT_BLOCK = 1024;
constexpr unsigned int FLAT_OUT_WINDOW = 3 * 1024;
constexpr int CONSTANT_B = -2;
// The blocking reader: a fifth of a second of the stream per read (flat out: a block), ended early by a
// pause in the bytes.
constexpr DWORD BLOCKING_READ_BYTES = 5000;
constexpr DWORD BLOCKING_INTERVAL_MS = 100;
constexpr DWORD BLOCKING_TOTAL_MS = 1000;

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
const std::vector<unsigned char> STATUS_REQUEST = Framed({0x02, 0x42, 0x01, 0xFF, 0x00});
const std::vector<unsigned char> STATUS_ANSWER_START = {0x02, 0x42, 0xFF, 0x01, 14};

// CPU time and seconds, summed over the slices of one reader.
struct CCost
{
    unsigned long long ullBytes = 0;
    double dSeconds = 0;
    double dProcess = 0;
    double dServer = 0;
    bool bServerKnown = true;
    double TotalShare() const { return (dProcess + dServer) / dSeconds; }
};

// Adds the CPU time and bytes between its construction and Stop to a cost.
class CCostMeter
{
public:
    explicit CCostMeter(const CStreamCheck& check)
        : m_check(check), m_ullBytes(check.Bytes()), m_dStart(BenchNow()), m_dProcess(ProcessCpuSeconds()),
          m_dServer(ServerCpuSeconds())
    {
    }
    void Stop(CCost& cost) const
    {
        const double dServer = ServerCpuSeconds();
        cost.ullBytes += m_check.Bytes() - m_ullBytes;
        cost.dSeconds += BenchNow() - m_dStart;
        cost.dProcess += ProcessCpuSeconds() - m_dProcess;
        cost.bServerKnown = cost.bServerKnown && m_dServer >= 0 && dServer >= 0;
        cost.dServer += cost.bServerKnown ? dServer - m_dServer : 0;
    }

private:
    const CStreamCheck& m_check;
    unsigned long long m_ullBytes;
    double m_dStart;
    double m_dProcess;
    double m_dServer;
};

// Handles messages for the given time, waking only when one comes, as a message loop does.
void Pump(double dSeconds)
{
    const double dEnd = BenchNow() + dSeconds;
    for (double dNow = BenchNow(); dNow < dEnd; dNow = BenchNow())
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>((dEnd - dNow) * 1000) + 1, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
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

// The cheapest reader: a thread in a blocking ReadFile of a given size, with interval timeouts that end
// a read when the bytes pause.
class CBlockingReader
{
public:
    explicit CBlockingReader(DWORD dwReadBytes) : m_dwReadBytes(dwReadBytes) {}
    ~CBlockingReader() { Close(); }

    bool Open()
    {
        m_hPort =
            CreateFileA("\\\\.\\COM5", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (m_hPort == INVALID_HANDLE_VALUE)
            return false;
        DCB dcb = {};
        dcb.DCBlength = sizeof(dcb);
        GetCommState(m_hPort, &dcb);
        dcb.BaudRate = 115200;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        dcb.fBinary = 1;
        COMMTIMEOUTS timeouts = {BLOCKING_INTERVAL_MS, 0, BLOCKING_TOTAL_MS, 0, 5000};
        return SetupComm(m_hPort, 65536, 4096) && SetCommState(m_hPort, &dcb) &&
               SetCommTimeouts(m_hPort, &timeouts);
    }

    // Reads on its thread until Close, handing what it reads to fnFeed.
    void Start(std::function<void(const unsigned char*, size_t)> fnFeed)
    {
        m_bStop = false;
        m_llReads = 0;
        m_thread = std::thread(
            [this, fnFeed]
            {
                std::vector<unsigned char> ab(m_dwReadBytes);
                DWORD dwRead = 0;
                while (!m_bStop && ReadFile(m_hPort, ab.data(), m_dwReadBytes, &dwRead, nullptr))
                {
                    fnFeed(ab.data(), dwRead);
                    ++m_llReads;
                }
            });
    }

    // A write waits while the thread reads: I/O on a handle without overlapped I/O takes turns.
    bool Write(const std::vector<unsigned char>& ab) const
    {
        DWORD dwWritten = 0;
        return WriteFile(m_hPort, ab.data(), static_cast<DWORD>(ab.size()), &dwWritten, nullptr) &&
               dwWritten == ab.size();
    }

    // Ends the thread (its read ends at the latest after the total timeout) and closes the port.
    void Close()
    {
        m_bStop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_hPort != INVALID_HANDLE_VALUE)
            CloseHandle(m_hPort);
        m_hPort = INVALID_HANDLE_VALUE;
    }

    long long Reads() const { return m_llReads; }

private:
    DWORD m_dwReadBytes;
    HANDLE m_hPort = INVALID_HANDLE_VALUE;
    std::thread m_thread;
    std::atomic<bool> m_bStop{false};
    std::atomic<long long> m_llReads{0};
};

// The owner window of the port manager: hands each chunk to the current feed and counts the thread
// hops that carried them.
struct COwner
{
    static inline std::function<void(const unsigned char*, size_t)> s_fnFeed;
    static inline std::unique_ptr<CRelayWatch> s_pWatch;
    static inline CHopCount s_hops;

    static LRESULT CALLBACK Proc(HWND hWnd, UINT uiMessage, WPARAM wParam, LPARAM lParam)
    {
        if (uiMessage != WM_PORTMAN_DATA)
            return DefWindowProcA(hWnd, uiMessage, wParam, lParam);
        s_hops.OnChunk(*s_pWatch);
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

// The port manager with its serial port in reach, for the batch period: each open makes a new port.
class CBenchPortMan : public CPortManGui
{
public:
    CBenchPortMan(HWND hOwner, DWORD dwBatchPeriod)
        : CPortManGui(hOwner, WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0), m_dwBatchPeriod(dwBatchPeriod)
    {
        m_dcb.BaudRate = 115200;
    }
    bool Open()
    {
        if (!OpenConnection("COM5", nullptr, 256))
            return false;
        auto* pSerial = dynamic_cast<CComm2*>(m_pPort.get());
        return pSerial != nullptr && pSerial->SetBatchPeriod(m_dwBatchPeriod);
    }

private:
    DWORD m_dwBatchPeriod;
};

bool ResetStream(CSimClient& sim)
{
    return sim.Reset() && sim.SetRamp('A', 0, 1) && sim.SetConstant('B', CONSTANT_B);
}

std::string Percent(double dShare)
{
    char ach[32];
    std::snprintf(ach, sizeof(ach), "%.1f %%", 100 * dShare);
    return ach;
}

struct CReaderRun
{
    CCost cost;
    unsigned long long ullWrong = 0;
    unsigned long long ullShortSlices = 0;
    long long llEvents = 0; // reads of the blocking reader, thread hops of the port manager
    long long llChunks = 0;

    // A slice whose stream came in checked: every byte right and most of the stream's bytes there.
    void Account(const CStreamCheck& check, double dSeconds)
    {
        ullWrong += check.Wrong();
        ullShortSlices += check.Bytes() < 0.8 * STREAM_BYTES_PER_S * dSeconds ? 1 : 0;
    }
    bool AllBytesRight() const { return ullWrong == 0 && ullShortSlices == 0; }
    std::string ByteVerdict() const
    {
        if (AllBytesRight())
            return "every byte in order";
        return std::to_string(ullWrong) + " bytes WRONG, " + std::to_string(ullShortSlices) + " slices SHORT";
    }
};

void BlockingSlice(CSimClient& sim, CReaderRun& run)
{
    ResetStream(sim);
    CBlockingReader reader(BLOCKING_READ_BYTES);
    CStreamCheck check;
    if (!reader.Open() || !reader.Write(STREAM_START))
    {
        ++run.ullShortSlices;
        return;
    }
    reader.Start([&](const unsigned char* p, size_t n) { check.Feed(p, n); });
    Sleep(static_cast<DWORD>(SETTLE_SECONDS * 1000));
    const long long llReads = reader.Reads();
    CCostMeter meter(check);
    Sleep(static_cast<DWORD>(SLICE_SECONDS * 1000));
    meter.Stop(run.cost);
    run.llEvents += reader.Reads() - llReads;
    reader.Write(STREAM_STOP);
    reader.Close();
    run.Account(check, SETTLE_SECONDS + SLICE_SECONDS);
}

void ManagerSlice(CSimClient& sim, CBenchPortMan& manager, CReaderRun& run)
{
    ResetStream(sim);
    CStreamCheck check;
    COwner::s_fnFeed = [&](const unsigned char* p, size_t n) { check.Feed(p, n); };
    if (!manager.Open() ||
        !manager.WriteBuffer(STREAM_START.data(), static_cast<unsigned int>(STREAM_START.size())))
    {
        ++run.ullShortSlices;
        return;
    }
    Pump(SETTLE_SECONDS);
    const CHopCount hopsBefore = COwner::s_hops;
    const long long llBatchesBefore = COwner::s_pWatch->Batches();
    CCostMeter meter(check);
    Pump(SLICE_SECONDS);
    meter.Stop(run.cost);
    run.llChunks += COwner::s_hops.llChunks - hopsBefore.llChunks;
    run.llEvents +=
        COwner::s_hops.llDirect - hopsBefore.llDirect + COwner::s_pWatch->Batches() - llBatchesBefore;
    manager.WriteBuffer(STREAM_STOP.data(), static_cast<unsigned int>(STREAM_STOP.size()));
    Pump(0.2);
    manager.ClosePort(false);
    COwner::s_fnFeed = nullptr;
    run.Account(check, SETTLE_SECONDS + SLICE_SECONDS);
}

// The CPU cost at the stream's rate, the two readers by turns.
void MeasureCost(CSimClient& sim, CBenchPortMan& manager, BenchGoals& goals)
{
    std::printf("receiving from COM5: a stream of 5000 records/s (25,000 bytes/s; a 230400-baud line carries "
                "at most 23,040), %d slices of %.1f s per reader, by turns\n",
                SLICES, SLICE_SECONDS);
    CReaderRun blocking;
    CReaderRun port;
    for (int i = 0; i < SLICES; ++i)
    {
        BlockingSlice(sim, blocking);
        ManagerSlice(sim, manager, port);
    }
    const std::string strServer =
        blocking.cost.bServerKnown && port.cost.bServerKnown ? "" : " (wineserver n/a)";
    std::printf("  %-24s %6.0f bytes/s, %5.1f reads/s, CPU %s of a core (process %s, wineserver %s)%s, %s\n",
                "blocking reader:", blocking.cost.ullBytes / blocking.cost.dSeconds,
                blocking.llEvents / blocking.cost.dSeconds, Percent(blocking.cost.TotalShare()).c_str(),
                Percent(blocking.cost.dProcess / blocking.cost.dSeconds).c_str(),
                Percent(blocking.cost.dServer / blocking.cost.dSeconds).c_str(), strServer.c_str(),
                blocking.ByteVerdict().c_str());
    std::printf("  %-24s %6.0f bytes/s, %5.1f chunks/s in %.1f thread hops/s, CPU %s of a core (process %s, "
                "wineserver %s)%s, %s\n",
                "port manager -> window:", port.cost.ullBytes / port.cost.dSeconds,
                port.llChunks / port.cost.dSeconds, port.llEvents / port.cost.dSeconds,
                Percent(port.cost.TotalShare()).c_str(),
                Percent(port.cost.dProcess / port.cost.dSeconds).c_str(),
                Percent(port.cost.dServer / port.cost.dSeconds).c_str(), strServer.c_str(),
                port.ByteVerdict().c_str());
    const double dShare = port.cost.TotalShare();
    goals.AtMost("port manager against the blocking reader", dShare / blocking.cost.TotalShare(), GOAL_RATIO,
                 "times");
    goals.AtMost("port manager, program and wineserver (on an otherwise idle machine)", 100 * dShare,
                 100 * GOAL_CORE_SHARE, "% of a core");
    goals.Holds("every byte in order at the stream's rate", blocking.AllBytesRight() && port.AllBytesRight());
}

// Times from writing a status request to its answer complete at the owner window (round trip), and
// that less the simulator's own time from taking the request to writing the answer: an upper bound of
// the time from the answer's last byte on the line to the owner.
struct CAnswerTimes
{
    std::vector<double> adRoundTripMs;
    std::vector<double> adAfterLineMs;
    int iMissing = 0;
};

// Finds each status answer in what the owner takes and notes when it was complete.
class CAnswerWatch
{
public:
    void Feed(const unsigned char* p, size_t n)
    {
        m_ab.insert(m_ab.end(), p, p + n);
        auto it = std::search(m_ab.begin() + static_cast<long>(m_nSearchFrom), m_ab.end(),
                              STATUS_ANSWER_START.begin(), STATUS_ANSWER_START.end());
        if (it == m_ab.end() || static_cast<size_t>(m_ab.end() - it) < STATUS_ANSWER_BYTES)
            return;
        m_nSearchFrom = static_cast<size_t>(it - m_ab.begin()) + STATUS_ANSWER_BYTES;
        m_dComplete = BenchNow();
    }
    void Expect() { m_dComplete = 0; }
    double Complete() const { return m_dComplete; }

private:
    std::vector<unsigned char> m_ab;
    size_t m_nSearchFrom = 0;
    double m_dComplete = 0;
};

// The simulator's seconds from each status request taken to its answer written, in order.
std::vector<double> SimulatorAnswerSeconds(CSimClient& sim)
{
    std::vector<double> adSeconds;
    double dTaken = -1;
    for (const std::string& strEntry : CSimClient::LogEntries(sim.GetLog()))
    {
        if (CSimClient::FindValue(strEntry, "cmd") != "B")
            continue;
        const double dT = std::atof(CSimClient::FindValue(strEntry, "t").c_str());
        const std::string strDir = CSimClient::FindValue(strEntry, "dir");
        if (strDir == "rx")
            dTaken = dT;
        else if (strDir == "tx" && dTaken >= 0)
            adSeconds.push_back(dT - dTaken);
    }
    return adSeconds;
}

CAnswerTimes MeasureAnswers(CSimClient& sim, CBenchPortMan& manager, int iRequests, bool bStreaming)
{
    CAnswerTimes times;
    ResetStream(sim);
    CAnswerWatch watch;
    COwner::s_fnFeed = [&](const unsigned char* p, size_t n) { watch.Feed(p, n); };
    if (!manager.Open())
    {
        times.iMissing = iRequests;
        return times;
    }
    if (bStreaming)
    {
        manager.WriteBuffer(STREAM_START.data(), static_cast<unsigned int>(STREAM_START.size()));
        Pump(0.5);
    }
    sim.ClearLog();
    std::vector<double> adRoundTrips;
    for (int i = 0; i < iRequests; ++i)
    {
        watch.Expect();
        const double dSent = BenchNow();
        manager.WriteBuffer(STATUS_REQUEST.data(), static_cast<unsigned int>(STATUS_REQUEST.size()));
        while (watch.Complete() == 0 && BenchNow() - dSent < 1)
            Pump(0.001);
        if (watch.Complete() == 0)
            ++times.iMissing;
        else
            adRoundTrips.push_back((watch.Complete() - dSent) * 1e3);
        Pump(ANSWER_GAP_SECONDS);
    }
    if (bStreaming)
        manager.WriteBuffer(STREAM_STOP.data(), static_cast<unsigned int>(STREAM_STOP.size()));
    Pump(0.2);
    manager.ClosePort(false);
    COwner::s_fnFeed = nullptr;
    const std::vector<double> adSimulator = SimulatorAnswerSeconds(sim);
    times.adRoundTripMs = adRoundTrips;
    for (size_t i = 0; i < adRoundTrips.size() && i < adSimulator.size(); ++i)
        times.adAfterLineMs.push_back(adRoundTrips[i] - adSimulator[i] * 1e3);
    return times;
}

std::string MinMedianMax(std::vector<double> ad)
{
    if (ad.empty())
        return "none";
    std::sort(ad.begin(), ad.end());
    char ach[96];
    std::snprintf(ach, sizeof(ach), "%.2f / %.2f / %.2f ms", ad.front(), ad[ad.size() / 2], ad.back());
    return ach;
}

void ReportAnswers(const char* pszWhen, const CAnswerTimes& times, BenchGoals& goals)
{
    const double dWorst = times.adAfterLineMs.empty()
                              ? 1e9
                              : *std::max_element(times.adAfterLineMs.begin(), times.adAfterLineMs.end());
    std::printf("  %-16s round trip min/median/max %s; after the answer left the simulator %s\n",
                (std::string(pszWhen) + ":").c_str(), MinMedianMax(times.adRoundTripMs).c_str(),
                MinMedianMax(times.adAfterLineMs).c_str());
    goals.AtMost((std::string(pszWhen) + ", slowest answer after the simulator wrote it").c_str(), dWorst,
                 GOAL_ANSWER_MS, "ms");
    goals.Holds((std::string(pszWhen) + ", every answer in").c_str(), times.iMissing == 0);
}

// Both readers flat out: neither may lose a byte or be slower than the line.
void MeasureFlatOut(CSimClient& sim, CBenchPortMan& manager, BenchGoals& goals)
{
    std::printf("flat out: %u bytes pushed through the simulator as fast as it takes them\n", FLAT_OUT_BYTES);
    ResetStream(sim);
    CCountCheck managerCount;
    COwner::s_fnFeed = [&](const unsigned char* p, size_t n) { managerCount.Feed(p, n); };
    double dManager = 1e9;
    if (manager.Open())
        dManager = PushFlatOut(
            sim, [&] { return managerCount.Bytes(); }, [] { Pump(0.001); });
    manager.ClosePort(false);
    COwner::s_fnFeed = nullptr;
    sim.ClearLog();

    CCountCheck blockingCount;
    double dBlocking = 1e9;
    CBlockingReader reader(FLAT_OUT_BLOCK);
    if (reader.Open())
    {
        reader.Start([&](const unsigned char* p, size_t n) { blockingCount.Feed(p, n); });
        dBlocking = PushFlatOut(
            sim, [&] { return blockingCount.Bytes(); }, [] { Sleep(1); });
    }
    reader.Close();
    sim.Reset();
    const struct
    {
        const char* pszWho;
        double dSeconds;
        const CCountCheck& count;
    } aRuns[] = {{"blocking reader", dBlocking, blockingCount},
                 {"port manager -> window", dManager, managerCount}};
    for (const auto& run : aRuns)
    {
        std::printf("  %-24s %7.0f bytes/s\n", (std::string(run.pszWho) + ":").c_str(),
                    run.count.Bytes() / run.dSeconds);
        const std::string strWho = std::string("flat out, ") + run.pszWho;
        goals.AtLeast((strWho + " against the line's 23,040 bytes/s").c_str(),
                      run.count.Bytes() / run.dSeconds / LINE_BYTES_PER_S, 1, "times");
        goals.Holds((strWho + " every byte in order").c_str(),
                    run.count.Wrong() == 0 && run.count.Bytes() == FLAT_OUT_BYTES);
    }
}

DWORD BatchPeriodArgument(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
    {
        if (std::strcmp(argv[i], "--batch-ms") == 0)
            return static_cast<DWORD>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    return CComm2::BATCH_PERIOD_MS;
}
} // namespace

int main(int argc, char** argv)
{
    CSimClient sim;
    if (!sim.Connect() || !ResetStream(sim))
    {
        std::printf("bench_ports_receive: sensor simulator not reachable (SENSORSIM_PORT)\n");
        return 1;
    }
    const DWORD dwBatchPeriod = BatchPeriodArgument(argc, argv);
    std::printf("machine: %s; port manager's batch period %lu ms\n", MachineLoad().c_str(),
                static_cast<unsigned long>(dwBatchPeriod));
    HWND hOwner = COwner::Create();
    CBenchPortMan manager(hOwner, dwBatchPeriod);
    COwner::s_pWatch = std::make_unique<CRelayWatch>(manager.GetRelayWindow());
    BenchGoals goals;
    MeasureCost(sim, manager, goals);
    std::printf("a status request's answer (21 bytes) at the owner window:\n");
    ReportAnswers("idle line", MeasureAnswers(sim, manager, ANSWERS_IDLE, false), goals);
    ReportAnswers("during a stream", MeasureAnswers(sim, manager, ANSWERS_STREAMING, true), goals);
    MeasureFlatOut(sim, manager, goals);
    COwner::s_pWatch.reset();
    DestroyWindow(hOwner);
    return goals.Finish();
}
