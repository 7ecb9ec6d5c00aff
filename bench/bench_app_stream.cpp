// The program streaming: started from cleared settings, connected to the simulated sensor on COM5 at 230400
// baud, the operator panel in front, a measurement started with Start at 5000 records per second on
// channel A (--channels 2: 2500 per second on A and B) and run for a minute (--seconds N), then stopped.
// Figures: the CPU time of the program and of the wineserver as a share of one core while it streams, beside
// the same program connected and idle just before (the reference of the same run; both grow on a busy
// machine); the window's answer to a WM_NULL sent every 100 ms; the records the simulator sent and whether
// its log shows a counter gap. Goals: at most 25 % of a core, program and wineserver; answers p99 at most
// 100 ms; no counter gap.
//   bench_app_stream [--seconds N] [--channels 1|2]   (the simulator logs channels A and B as "C")
#include "BenchClock.h"
#include "BenchCpu.h"
#include "BenchGoal.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "resources/resource_panel.h"
#include "support/ProgramHarness.h"
#include "support/ProgramPages.h"
#include "support/SimClient.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
constexpr double GOAL_CORE_PERCENT = 25.0;
constexpr double GOAL_P99_MS = 100.0;
constexpr double DEFAULT_SECONDS = 60.0;
constexpr double REFERENCE_SECONDS = 5.0;
constexpr DWORD PROBE_PERIOD_MS = 100;
constexpr DWORD PROBE_TIMEOUT_MS = 5000;
constexpr DWORD START_TIMEOUT_MS = 60000;
constexpr int AFX_IDW_STATUS_BAR = 0xE801;

// The sensor: the top rate for one channel, or for both, offered at 230400 baud; a ramp on each channel.
bool ConfigureSensor(CSimClient& sim, int iChannels)
{
    const std::string strRateCode = iChannels == 2 ? "1" : "0";
    return sim.Reset() &&
           sim.Command(R"({"cmd": "set_block", "block": "stator_software_config", "fields": {"rate_code": )" +
                       strRateCode + "}}") &&
           sim.Command(R"({"cmd": "set_block", "block": "stator_operation", "fields": {"baud_code": 16}})") &&
           sim.SetRateMode("230400") && sim.SetRamp('A', -9000, 1) && sim.SetRamp('B', 9000, -1);
}

class CStreamRun
{
public:
    // The program started, its sensor connected, both channels checked when asked, the operator panel in
    // front; false with the reason printed.
    bool Start(int iChannels)
    {
        if (!CProgramHarness::ClearSettings() || !m_program.Start())
            return Fail("the program did not start");
        m_hFrame = m_program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS);
        HWND hStatusBar = m_hFrame ? m_program.FindControl(m_hFrame, AFX_IDW_STATUS_BAR) : nullptr;
        if (hStatusBar == nullptr ||
            !m_program.WaitForText(hStatusBar, ProgramText(IDS_STATUS_READY, LANGUAGE_GERMAN),
                                   START_TIMEOUT_MS))
            return Fail("the sensor was not connected");
        if (iChannels == 2 && !CheckBothChannels())
            return false;
        return ShowPage(ID_MODE_MEASURE_DIAGRAM, IDS_PAGE_MEASURE_DIAGRAM) &&
               (m_program.WaitForText(hStatusBar, ProgramText(IDS_STATUS_READY, LANGUAGE_GERMAN)) ||
                Fail("the panel is not ready"));
    }
    bool Click(int iId)
    {
        HWND hButton = m_program.FindControl(m_hFrame, iId);
        return (m_program.WaitFor("an enabled button " + std::to_string(iId), START_TIMEOUT_MS,
                                  [&] { return ::IsWindowEnabled(hButton) != FALSE; }) &&
                m_program.Click(hButton)) ||
               Fail("button " + std::to_string(iId));
    }
    bool WaitForLog(CSimClient& sim, const std::string& strNeedle)
    {
        return m_program.WaitFor(strNeedle, START_TIMEOUT_MS,
                                 [&] { return sim.GetLog().find(strNeedle) != std::string::npos; }) ||
               Fail("the simulator's log");
    }
    // The window's answer to WM_NULL in milliseconds, or the time-out.
    double Probe()
    {
        DWORD_PTR dwResult = 0;
        const double dSent = BenchNow();
        ::SendMessageTimeoutA(m_hFrame, WM_NULL, 0, 0, SMTO_NORMAL, PROBE_TIMEOUT_MS, &dwResult);
        return (BenchNow() - dSent) * 1000;
    }

private:
    bool Fail(const std::string& strWhat)
    {
        std::printf("failed: %s: %s\n", strWhat.c_str(), m_program.LastError().c_str());
        return false;
    }
    bool ShowPage(UINT nCommand, UINT nCaptionId)
    {
        const std::string strCaption = ProgramText(nCaptionId, LANGUAGE_GERMAN);
        return ShowModePage(m_program, m_hFrame, nCommand, strCaption) || Fail("the page " + strCaption);
    }
    bool CheckBothChannels()
    {
        if (!ShowPage(ID_MODE_MEASURE_ADJUST, IDS_PAGE_MEASURE_ADJUST))
            return false;
        for (int iId : {IDC_ADJ_CHECK_A, IDC_ADJ_CHECK_B})
        {
            HWND hCheck = m_program.FindControl(m_hFrame, iId);
            if (::SendMessageA(hCheck, BM_GETCHECK, 0, 0) != BST_CHECKED && !Click(iId))
                return false;
        }
        return true;
    }

    CProgramHarness m_program;
    HWND m_hFrame = nullptr;
};

struct CCost
{
    double dSeconds = 0;
    double dProgram = 0;
    double dServer = -1;

    double Share() const { return 100 * (dProgram + std::max(0.0, dServer)) / dSeconds; }
};

// CPU seconds of the program and of the wineserver from here to the call of End.
class CCostMeter
{
public:
    explicit CCostMeter(int iProgramPid)
        : m_iProgramPid(iProgramPid), m_dStart(BenchNow()), m_dProgram(LinuxProcessCpuSeconds(iProgramPid)),
          m_dServer(ServerCpuSeconds())
    {
    }
    CCost End() const
    {
        CCost cost;
        const double dServer = ServerCpuSeconds();
        cost.dProgram = LinuxProcessCpuSeconds(m_iProgramPid) - m_dProgram;
        cost.dSeconds = BenchNow() - m_dStart;
        if (m_dServer >= 0 && dServer >= 0)
            cost.dServer = dServer - m_dServer;
        return cost;
    }

private:
    int m_iProgramPid;
    double m_dStart;
    double m_dProgram;
    double m_dServer;
};

void PrintCost(const char* pszWhat, const CCost& cost)
{
    std::printf("%-28s %5.1f %% of a core (program %.1f %%, ", pszWhat, cost.Share(),
                100 * cost.dProgram / cost.dSeconds);
    if (cost.dServer < 0)
        std::printf("wineserver n/a) over %.1f s\n", cost.dSeconds);
    else
        std::printf("wineserver %.1f %%) over %.1f s\n", 100 * cost.dServer / cost.dSeconds, cost.dSeconds);
}
} // namespace

int main(int argc, char** argv)
{
    double dSeconds = DEFAULT_SECONDS;
    int iChannels = 1;
    for (int i = 1; i + 1 < argc; ++i)
    {
        if (std::strcmp(argv[i], "--seconds") == 0)
            dSeconds = std::atof(argv[++i]);
        else if (std::strcmp(argv[i], "--channels") == 0)
            iChannels = std::atoi(argv[++i]) == 2 ? 2 : 1;
    }
    std::printf("machine: %s\n", MachineLoad().c_str());
    CSimClient sim;
    if (!sim.Connect() || !ConfigureSensor(sim, iChannels))
    {
        std::printf("failed: the sensor simulator is not reachable or refused the settings\n");
        return 1;
    }
    CStreamRun run;
    if (!run.Start(iChannels))
        return 1;
    const int iProgramPid = LinuxProcessOf(CProgramHarness::ProgramPath());
    if (iProgramPid == 0)
    {
        std::printf("failed: the program's Linux process was not found\n");
        return 1;
    }
    const CCostMeter idleMeter(iProgramPid);
    ::Sleep(static_cast<DWORD>(REFERENCE_SECONDS * 1000));
    const CCost idle = idleMeter.End();

    if (!sim.ClearLog() || !run.Click(IDC_PANEL_START) || !run.WaitForLog(sim, "\"event\": \"stream_start\""))
        return 1;
    std::vector<double> answers;
    const CCostMeter streamMeter(iProgramPid);
    for (const double dEnd = BenchNow() + dSeconds; BenchNow() < dEnd;)
    {
        const double dSent = BenchNow();
        answers.push_back(run.Probe());
        const double dRestMs = PROBE_PERIOD_MS - (BenchNow() - dSent) * 1000;
        if (dRestMs > 0)
            ::Sleep(static_cast<DWORD>(dRestMs));
    }
    const CCost stream = streamMeter.End();
    if (!run.Click(IDC_PANEL_STOP) || !run.WaitForLog(sim, "\"event\": \"stream_stop\""))
        return 1;
    const std::string strLog = sim.GetLog();
    const std::string strRecords =
        CSimClient::FindValue(strLog.substr(strLog.find("\"event\": \"stream_stop\"")), "records");
    const std::string strChannels =
        CSimClient::FindValue(strLog.substr(strLog.find("\"event\": \"stream_start\"")), "channels");

    std::sort(answers.begin(), answers.end());
    const double dP99 = answers[answers.size() * 99 / 100];
    std::printf("stream of channel(s) %s: %s records sent, %.0f records/s\n", strChannels.c_str(),
                strRecords.c_str(), std::atof(strRecords.c_str()) / stream.dSeconds);
    PrintCost("connected, idle (reference)", idle);
    PrintCost("streaming", stream);
    std::printf("answers to WM_NULL every %lu ms: %zu, median %.1f ms, longest %.1f ms\n", PROBE_PERIOD_MS,
                answers.size(), answers[answers.size() / 2], answers.back());
    std::printf("machine at the end: %s\n", MachineLoad().c_str());
    BenchGoals goals;
    goals.AtMost("streaming, program and wineserver", stream.Share(), GOAL_CORE_PERCENT, "% of a core");
    goals.AtMost("answer to WM_NULL, 99th percentile", dP99, GOAL_P99_MS, "ms");
    goals.Holds("records sent", std::atoll(strRecords.c_str()) > 0);
    goals.Holds("the channels asked for streamed", strChannels == (iChannels == 2 ? "C" : "A"));
    goals.Holds("no counter gap in the simulator's log", strLog.find("stream_gap") == std::string::npos);
    return goals.Finish();
}
