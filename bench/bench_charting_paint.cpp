// Painting the live diagram: a diagram window of 800 by 400 pixels shows two curves, sampled at the
// highest stream rate (5000 values per second, so 1 M points are 200 s), as the diagram pane shows
// them. Over time: the whole measurement and the scrolling view of the last 5 seconds, for 100 k, 1 M
// and 10 M points per curve. With a channel on the x axis (x not ascending): 1 M points per curve of
// hysteresis loops, and for comparison x running back every 1000 points, which puts nearly every point
// in a pixel column of its own. Prints the time of one synchronous repaint
// (CGraphicDisplayWnd::redrawChart, median of several).
// Goals: a 1 M-point paint under 16 ms over time and with the hysteresis loops, and the scrolling
// view's cost not growing with the number of points (10 M against 100 k points at most 2 times).
#include "BenchClock.h"
#include "BenchDiagram.h"
#include "BenchGoal.h"

#include "charting/CGraphicDisplayWnd.h"
#include "charting/CPlot.h"
#include "framework/AfxWin32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr double BUDGET_MS = 16.0;
constexpr double GOAL_SCROLL_RATIO = 2.0;
constexpr int REPEATS = 9;

// Median milliseconds of one synchronous repaint.
double PaintMs(CGraphicDisplayWnd& wnd)
{
    std::vector<double> times;
    for (int i = 0; i < REPEATS; ++i)
    {
        const double dStart = BenchNow();
        wnd.redrawChart();
        times.push_back((BenchNow() - dStart) * 1e3);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Figures
{
    double dWholeMs;
    double dScrollMs;
};

// A diagram of nPoints per curve over time, painted whole and as the last 5 s.
Figures MeasureOverTime(CWnd& parent, int nPoints)
{
    CGraphicDisplayWnd wnd;
    wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 440), &parent, 1209);
    wnd.create(&parent);
    FillDiagram(wnd, nPoints, BenchCurves::OverTime);
    Figures figures;
    wnd.setIntervalMode(0);
    figures.dWholeMs = PaintMs(wnd);
    wnd.setIntervalWidth(5.0);
    figures.dScrollMs = PaintMs(wnd);
    wnd.DestroyWindow();
    return figures;
}

// A diagram of nPoints per curve with a channel on x, painted over the whole x range of the points as
// the diagram pane shows it.
double MeasureChannelOnX(CWnd& parent, int nPoints, BenchCurves curves)
{
    CGraphicDisplayWnd wnd;
    wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 440), &parent, 1209);
    wnd.create(&parent);
    const BenchXExtent extent = FillDiagram(wnd, nPoints, curves);
    wnd.setXRange(extent.dMin, extent.dMax);
    const double dMs = PaintMs(wnd);
    wnd.DestroyWindow();
    return dMs;
}
} // namespace

int main()
{
    CWnd parent;
    if (!parent.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 820, 460, nullptr, nullptr))
        return 1;
    BenchGoals goals;
    // The chart with nothing to draw: axes, grid and areas only.
    const Figures empty = MeasureOverTime(parent, 2);
    std::printf("diagram 800 x 400, two curves, median of %d paints; without points: %.2f ms\n", REPEATS,
                empty.dWholeMs);
    std::printf("over time:\n%12s %14s %18s %14s\n", "points/curve", "whole view ms", "last 5 s view ms",
                "whole/16 ms");
    const int sizes[] = {100'000, 1'000'000, 10'000'000};
    Figures overTime[3];
    for (int k = 0; k < 3; ++k)
    {
        const Figures& f = overTime[k] = MeasureOverTime(parent, sizes[k]);
        std::printf("%12d %14.2f %18.2f %14.2f\n", sizes[k], f.dWholeMs, f.dScrollMs, f.dWholeMs / BUDGET_MS);
    }
    const double dLoopsMs = MeasureChannelOnX(parent, 1'000'000, BenchCurves::Hysteresis);
    const double dSawtoothMs = MeasureChannelOnX(parent, 1'000'000, BenchCurves::Sawtooth);
    std::printf("a channel on x, 1 M points per curve, whole view: hysteresis loops %.2f ms; x running back "
                "every 1000 points (no goal) %.2f ms\n",
                dLoopsMs, dSawtoothMs);
    parent.DestroyWindow();

    goals.AtMost("1 M points over time, whole view", overTime[1].dWholeMs, BUDGET_MS, "ms");
    goals.AtMost("1 M points of hysteresis loops, whole view", dLoopsMs, BUDGET_MS, "ms");
    goals.AtMost("scrolling view, 10 M against 100 k points", overTime[2].dScrollMs / overTime[0].dScrollMs,
                 GOAL_SCROLL_RATIO, "times");
    return goals.Finish();
}
