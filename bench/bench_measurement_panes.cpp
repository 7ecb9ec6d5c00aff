// The value pipeline with the real panes behind it: a measured-value stream recorded from the sensor
// simulator at its highest rate (5000 records per second) is fed again and again through
// CComPort::COM_OnReceiveData into the value pipeline, whose texts go to two channel panes (CAFormChannelA
// and CAFormChannelB, each field written at most every 100 ms) and whose pairs the frame's recording step
// hands to the diagram pane (CAFormDiagram), which rounds, reduces and adds them to its chart's curve store.
// The windows' messages (the fields' timers, the diagram's redraw) are handled between the port's chunks.
// Runs with mean code 0 and 9, averaging count 1 and 100, after a first run that grows the curve store.
// Goal: 1000 times the stream rate, as the pipeline alone reaches.
#include "BenchGoal.h"
#include "BenchSensor.h"
#include "SimulatorStream.h"

#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/PaneFakes.h"
#include "measurement/PipelineComPortHost.h"

#include <algorithm>
#include <cstdio>

namespace
{
using namespace bench_stream;

constexpr double GOAL_RATIO = 1000.0;
constexpr int REPLAYS = 20;
// The windows' messages are served every 10 ms. The program's message loop takes one message per
// chunk from the port; that cost is the same without panes and not counted here.
constexpr double PUMP_PERIOD_S = 0.01;

// The frame's recording step: each pair to the diagram pane, which counts the time along x.
class CBenchFrame : public CFakeMeasureHost
{
public:
    void RecordValuePair(double dValueA, double dValueB) override
    {
        double dTime = 0.0;
        m_pDiagram->AddMeasuredValues(dValueA, dValueB, &dTime);
        ++m_llRecords;
    }

    CAFormDiagram* m_pDiagram = nullptr;
    long long m_llRecords = 0;
};

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The pane made as the bars make it, with its first update; it deletes itself with its window.
template <class Pane> Pane* MakePane(CWnd& parent, const CRect& rc, UINT nId)
{
    auto* pPane = new Pane;
    if (!pPane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rc, &parent, nId))
        return nullptr;
    pPane->SendMessage(WM_INITIALUPDATE);
    return pPane;
}

struct Configuration
{
    int iMeanCode;
    int iAveragingCount;
};
} // namespace

int main()
{
    CComPort engine;
    CValuePipeline pipeline(engine);
    CPipelineComPortHost portHost(pipeline);
    portHost.AttachTo(engine);
    engine.COM_SetWriteSink([](const CString&) { return true; });
    const Chunks chunks = LoadStream(engine);

    CBenchFrame frame;
    frame.m_psChannel = pipeline.m_sChannel;
    frame.m_bFirstPairSeen = true;
    MeasureAdjustStruct settings{};
    settings.SetDefaults();
    settings.dSamplePeriod = 1.0 / STREAM_RECORDS_PER_S;
    settings.iAxisX = MeasureAdjustStruct::AXIS_TIME;
    settings.iAxisY1 = MeasureAdjustStruct::AXIS_CHANNEL_A;
    settings.iAxisY2 = MeasureAdjustStruct::AXIS_CHANNEL_B;
    settings.bAxisXShown = settings.bAxisY1Shown = settings.bAxisY2Shown = 1;
    CFakePaneHost paneHost(pipeline, frame, settings);

    CWnd parent;
    if (!parent.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 900, 600, nullptr, nullptr))
        return 2;
    CWnd bar;
    bar.CreateEx(0, nullptr, "bar", WS_CHILD, 0, 0, 10, 10, parent.GetSafeHwnd(), nullptr);
    auto* pPaneA = MakePane<CAFormChannelA>(parent, CRect(0, 0, 300, 120), 0xE900);
    auto* pPaneB = MakePane<CAFormChannelB>(parent, CRect(300, 0, 600, 120), 0xE901);
    auto* pDiagram = MakePane<CAFormDiagram>(parent, CRect(0, 130, 880, 580), 0xE902);
    if (pPaneA == nullptr || pPaneB == nullptr || pDiagram == nullptr)
        return 2;
    pPaneA->SetHost(&paneHost);
    pPaneB->SetHost(&paneHost);
    pDiagram->SetHost(&paneHost);
    paneHost.m_pDiagramBar = &bar;
    pDiagram->ResizeInBar(bar.GetSafeHwnd(), 0, 130, 880, 580);
    frame.m_pDiagram = pDiagram;

    CFakePanel panel;
    pipeline.Attach(&frame, &settings, &panel, pPaneA, pPaneB, pDiagram);
    engine.m_sSensor = BenchSensor();
    pipeline.SetupChannels(1, nullptr);
    engine.COM_UpdateScaleFactors();
    engine.COM_SetMeasuringRateMode();
    panel.m_state.bRunning = 1;

    auto run = [&](const Configuration& c)
    {
        pipeline.m_sChannel[0].iMeanCode = pipeline.m_sChannel[1].iMeanCode = c.iMeanCode;
        pipeline.m_iAveragingCount = c.iAveragingCount;
        pDiagram->StartMeasureDiagram(true);
        frame.m_llRecords = 0;
        const double dCpuStart = ThreadCpuSeconds();
        const double dStart = BenchNow();
        double dLastPump = dStart;
        for (int iReplay = 0; iReplay < REPLAYS; ++iReplay)
        {
            engine.COM_ZMCOMConfgStartMeasure(-1, false);
            for (const std::vector<unsigned char>& chunk : chunks)
            {
                engine.COM_OnReceiveData(static_cast<UINT>(chunk.size()), chunk.data());
                if (BenchNow() - dLastPump >= PUMP_PERIOD_S)
                {
                    PumpMessages();
                    dLastPump = BenchNow();
                }
            }
        }
        const Timing t{BenchNow() - dStart, ThreadCpuSeconds() - dCpuStart};
        pDiagram->StopMeasureDiagram();
        return t;
    };

    std::printf("%-32s %12s %10s %8s %7s %10s\n", "configuration", "records/s", "ns/record", "CPU ns",
                "ratio", "points");
    // Cleared curves keep their blocks, so every later measurement of a session writes into memory it
    // already has; fresh memory is slow under Wine.
    run({0, 1});
    const Configuration configurations[] = {{0, 1}, {9, 1}, {0, 100}, {9, 100}};
    const long long llExpected = static_cast<long long>(RECORDED_RECORDS) * REPLAYS;
    BenchGoals goals;
    double dSlowest = 1e300;
    bool bAllHandedOn = true;
    for (const Configuration& c : configurations)
    {
        const Timing t = run(c);
        const double dRecordsPerS = frame.m_llRecords / t.dWall;
        char szName[64];
        std::snprintf(szName, sizeof(szName), "mean code %d, averaging %3d", c.iMeanCode, c.iAveragingCount);
        std::printf("%-32s %12.0f %10.1f %8.1f %7.0f %10d\n", szName, dRecordsPerS,
                    t.dWall * 1e9 / frame.m_llRecords, t.dCpu * 1e9 / frame.m_llRecords,
                    dRecordsPerS / STREAM_RECORDS_PER_S, pDiagram->GetPointsY1());
        dSlowest = std::min(dSlowest, dRecordsPerS);
        bAllHandedOn = bAllHandedOn && frame.m_llRecords == llExpected;
    }
    goals.AtLeast("slowest ratio to the stream rate", dSlowest / STREAM_RECORDS_PER_S, GOAL_RATIO, "x");
    goals.Holds("every record handed to the diagram pane", bAllHandedOn);
    parent.DestroyWindow();
    return goals.Finish();
}
