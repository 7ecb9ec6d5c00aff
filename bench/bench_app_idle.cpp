// The program idle: started from cleared settings, connected to the simulated sensor on COM5 and showing
// the operator panel, with nothing measured. For a minute (--seconds N), the CPU time of the program and of
// the wineserver as a share of one core; before the program starts, the wineserver alone over a few seconds
// for reference. Goal: at most 1 % of a core, program and wineserver.
//   bench_app_idle [--seconds N]
#include "BenchClock.h"
#include "BenchCpu.h"
#include "BenchGoal.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "support/ProgramHarness.h"
#include "support/ProgramPages.h"
#include "support/SimClient.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
constexpr double GOAL_CORE_PERCENT = 1.0;
constexpr double DEFAULT_SECONDS = 60.0;
constexpr double REFERENCE_SECONDS = 5.0;
// After the panel is shown: the start's one-time work (the single shot after the sensor's
// initialisation, the first paints) is over.
constexpr double SETTLE_SECONDS = 5.0;
constexpr DWORD START_TIMEOUT_MS = 60000;
constexpr int AFX_IDW_STATUS_BAR = 0xE801;

// The program started, its sensor connected and the operator panel in front; false with the reason printed.
bool StartIdleProgram(CProgramHarness& program)
{
    if (!CProgramHarness::ClearSettings() || !program.Start())
        return false;
    HWND hFrame = program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS);
    HWND hStatusBar = hFrame ? program.FindControl(hFrame, AFX_IDW_STATUS_BAR) : nullptr;
    if (hStatusBar == nullptr ||
        !program.WaitForText(hStatusBar, ProgramText(IDS_STATUS_READY, LANGUAGE_GERMAN), START_TIMEOUT_MS))
        return false;
    return ShowModePage(program, hFrame, ID_MODE_MEASURE_DIAGRAM,
                        ProgramText(IDS_PAGE_MEASURE_DIAGRAM, LANGUAGE_GERMAN)) &&
           program.WaitForText(hStatusBar, ProgramText(IDS_STATUS_READY, LANGUAGE_GERMAN));
}

struct CIdleCost
{
    double dSeconds = 0;
    double dProgram = 0;
    double dServer = -1;
};

// CPU seconds of the program's Linux process (0: none) and of the wineserver over dSeconds.
CIdleCost MeasureIdle(int iProgramPid, double dSeconds)
{
    const double dStart = BenchNow();
    const double dProgram = LinuxProcessCpuSeconds(iProgramPid);
    const double dServer = ServerCpuSeconds();
    ::Sleep(static_cast<DWORD>(dSeconds * 1000));
    CIdleCost cost;
    const double dServerEnd = ServerCpuSeconds();
    cost.dProgram = iProgramPid != 0 ? LinuxProcessCpuSeconds(iProgramPid) - dProgram : 0;
    cost.dSeconds = BenchNow() - dStart;
    if (dServer >= 0 && dServerEnd >= 0)
        cost.dServer = dServerEnd - dServer;
    return cost;
}
} // namespace

int main(int argc, char** argv)
{
    double dSeconds = DEFAULT_SECONDS;
    for (int i = 1; i + 1 < argc; ++i)
    {
        if (std::strcmp(argv[i], "--seconds") == 0)
            dSeconds = std::atof(argv[++i]);
    }
    CSimClient sim;
    if (!sim.Connect() || !sim.Reset())
    {
        std::printf("sensor simulator not reachable (SENSORSIM_PORT)\n");
        return 1;
    }
    std::printf("machine: %s\n", MachineLoad().c_str());
    const CIdleCost reference = MeasureIdle(0, REFERENCE_SECONDS);
    CProgramHarness program;
    if (!StartIdleProgram(program))
    {
        std::printf("the program did not reach the connected, idle operator panel: %s\n",
                    program.LastError().c_str());
        program.Kill();
        return 1;
    }
    ::Sleep(static_cast<DWORD>(SETTLE_SECONDS * 1000));
    const int iProgramPid = LinuxProcessOf(CProgramHarness::ProgramPath());
    const CIdleCost idle = MeasureIdle(iProgramPid, dSeconds);
    const bool bClosed = program.Close();
    if (!bClosed)
        program.Kill();

    BenchGoals goals;
    if (reference.dServer >= 0)
        std::printf("wineserver alone, before the program: %.2f %% of a core over %.0f s\n",
                    100 * reference.dServer / reference.dSeconds, reference.dSeconds);
    const bool bServerKnown = idle.dServer >= 0;
    const double dProgramPercent = 100 * idle.dProgram / idle.dSeconds;
    const double dServerPercent = bServerKnown ? 100 * idle.dServer / idle.dSeconds : 0;
    std::printf("idle program over %.0f s: program %.2f %%, wineserver %.2f %% of a core%s\n", idle.dSeconds,
                dProgramPercent, dServerPercent, bServerKnown ? "" : " (wineserver n/a)");
    goals.Holds("the CPU times of the program and the wineserver known", bServerKnown && iProgramPid != 0);
    goals.AtMost("idle, program and wineserver", dProgramPercent + dServerPercent, GOAL_CORE_PERCENT,
                 "% of a core");
    goals.Holds("the program closed by one close request", bClosed);
    return goals.Finish();
}
