// The sensor search over the machine's ports with no sensor attached: the simulator keeps COM5 open
// but answers nothing, so every port is opened, scanned at 115200 and 230400 and given up. Prints
// the time of each whole search (start to connection choice) and the longest time the window did
// not handle messages during it: in the search's first step (listing and open test of every port,
// one call) and in all later steps (scans, waits). Goal for the later steps: at most 50 ms.
#include "BenchClock.h"
#include "BenchGoal.h"
#include "framework/AfxWin32.h"
#include "framework/CComboBox.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortDiagnosticRole.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortStartUpRole.h"
#include "ports/PortTypes.h"
#include "protocol/ComPortTimers.h"
#include "support/SimClient.h"

#include <algorithm>
#include <cstdio>

namespace
{
constexpr int SEARCHES = 3;
constexpr double GOAL_LONGEST_STALL_MS = 50.0;
constexpr ULONGLONG SEARCH_TIMEOUT_MS = 120000;
constexpr UINT ID_PORT_COMBO = 100;

class CSearchFrame : public CWnd,
                     public CComPort,
                     public CComPortHost,
                     public CComPortStartUpRole,
                     public CComPortDiagnosticRole
{
public:
    bool CreateAndInit()
    {
        if (!CreateEx(0, nullptr, "search bench", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr))
            return false;
        const RECT rect = {0, 0, 280, 200};
        if (!m_comboPorts.Create(WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, rect, this, ID_PORT_COMBO))
            return false;
        COM_AttachHost(this);
        COM_AttachStartUp(this);
        COM_AttachDiagnostic(this);
        COM_Init(this);
        return true;
    }

    void Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override { SetTimer(nIdEvent, uiElapse); }
    void Frame_KillTimer(UINT_PTR nIdEvent) override { KillTimer(nIdEvent); }
    void StartUp_ShowSearchFailed() override { ++m_iSearchesFailed; }
    CComboBox* Diagnostic_GetPortCombo() override { return &m_comboPorts; }

    int m_iSearchesFailed = 0;
    CComboBox m_comboPorts;

protected:
    afx_msg LRESULT OnPortManData(WPARAM wParam, LPARAM lParam)
    {
        return COM_OnReceiveData(static_cast<UINT>(wParam), reinterpret_cast<const BYTE*>(lParam));
    }
    afx_msg void OnTimer(UINT_PTR nIdEvent) { COM_OnTimer(nIdEvent); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSearchFrame, CWnd)
ON_MESSAGE(WM_PORTMAN_DATA, OnPortManData)
ON_WM_TIMER()
END_MESSAGE_MAP()

struct SearchFigures
{
    bool bEnded = false;
    double dTotalMs = 0.0;
    double dStartStallMs = 0.0;
    double dLongestStallMs = 0.0;
};

// Starts a search as the start-up dialog does and pumps messages until the connection choice ran.
SearchFigures RunSearch(CSearchFrame& frame)
{
    const int iFailedBefore = frame.m_iSearchesFailed;
    SearchFigures figures;
    const double dStart = BenchNow();
    double dLast = dStart;
    frame.Frame_SetTimer(TIMER_START_SEARCH, 200);
    const ULONGLONG ullEnd = GetTickCount64() + SEARCH_TIMEOUT_MS;
    while (GetTickCount64() < ullEnd)
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            DispatchMessageA(&msg);
            const double dNow = BenchNow();
            const bool bStart = msg.message == WM_TIMER && msg.wParam == TIMER_START_SEARCH;
            double& dLongest = bStart ? figures.dStartStallMs : figures.dLongestStallMs;
            dLongest = std::max(dLongest, (dNow - dLast) * 1e3);
            dLast = dNow;
        }
        if (frame.m_iSearchesFailed > iFailedBefore && !frame.COM_IsSearchRunning())
        {
            figures.bEnded = true;
            break;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        dLast = BenchNow();
    }
    figures.dTotalMs = (BenchNow() - dStart) * 1e3;
    return figures;
}
} // namespace

int main()
{
    CWinApp app("TQ5Bench");
    app.m_hInstance = GetModuleHandleA(nullptr);
    CSimClient sim;
    if (!sim.Connect() || !sim.Reset() || !sim.InjectFault("no_answer", "all"))
    {
        std::printf("the sensor simulator is not reachable (SENSORSIM_PORT): nothing measured\n");
        return 1;
    }
    CSearchFrame frame;
    if (!frame.CreateAndInit())
        return 1;
    bool bAllEnded = true;
    double dWorstStallMs = 0.0;
    for (int i = 0; i < SEARCHES; ++i)
    {
        const SearchFigures figures = RunSearch(frame);
        bAllEnded = bAllEnded && figures.bEnded;
        dWorstStallMs = std::max(dWorstStallMs, figures.dLongestStallMs);
        std::printf(
            "search %d: %s after %.0f ms; longest stretch without message handling: first step %.1f ms, "
            "later steps %.1f ms\n",
            i + 1, figures.bEnded ? "ended" : "did not end", figures.dTotalMs, figures.dStartStallMs,
            figures.dLongestStallMs);
    }
    sim.Reset();
    BenchGoals goals;
    goals.AtMost("longest stretch without message handling after the first step", dWorstStallMs,
                 GOAL_LONGEST_STALL_MS, "ms");
    goals.Holds("every search ended", bAllEnded);
    return goals.Finish();
}
