// Painting the live diagram: a diagram window of 800 by 400 pixels shows two curves over time, sampled
// at the highest stream rate (5000 values per second, so 1 M points are 200 s), as the diagram pane
// shows them: the whole measurement, and the scrolling view of the last 5 seconds. Prints the time of
// one synchronous repaint (CGraphicDisplayWnd::redrawChart, median of several) for 100 k, 1 M and
// 10 M points per curve. Goals: a 1 M-point paint under 16 ms, and the scrolling view's cost not
// growing with the number of points (ratio of 10 M to 100 k near 1). For comparison it also paints
// 1 M points whose x do not ascend, which the chart draws point by point.
#include "BenchClock.h"
#include "BenchDiagram.h"

#include "charting/CGraphicDisplayWnd.h"
#include "charting/CPlot.h"
#include "framework/AfxWin32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr double BUDGET_MS = 16.0;
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

// A diagram of nPoints per curve: a noisy sine on curve 0 and a ramp on curve 1.
Figures Measure(CWnd& parent, int nPoints, bool bAscending)
{
    CGraphicDisplayWnd wnd;
    wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 440), &parent, 1209);
    wnd.create(&parent);
    FillDiagram(wnd, nPoints, bAscending);
    Figures figures;
    wnd.setIntervalMode(0);
    figures.dWholeMs = PaintMs(wnd);
    wnd.setIntervalWidth(5.0);
    figures.dScrollMs = PaintMs(wnd);
    wnd.DestroyWindow();
    return figures;
}
} // namespace

int main()
{
    CWnd parent;
    if (!parent.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 820, 460, nullptr, nullptr))
        return 1;
    // The chart with nothing to draw: axes, grid and areas only.
    const Figures empty = Measure(parent, 2, true);
    std::printf("diagram 800 x 400, two curves, median of %d paints; without points: %.2f ms\n", REPEATS,
                empty.dWholeMs);
    std::printf("%12s %14s %18s %14s\n", "points/curve", "whole view ms", "last 5 s view ms", "whole/16 ms");
    double dScroll100k = 0, dScroll10M = 0;
    for (int nPoints : {100'000, 1'000'000, 10'000'000})
    {
        const Figures f = Measure(parent, nPoints, true);
        std::printf("%12d %14.2f %18.2f %14.2f\n", nPoints, f.dWholeMs, f.dScrollMs, f.dWholeMs / BUDGET_MS);
        if (nPoints == 100'000)
            dScroll100k = f.dScrollMs;
        if (nPoints == 10'000'000)
            dScroll10M = f.dScrollMs;
    }
    std::printf("scrolling view, 10 M against 100 k points: ratio %.2f (goal about 1)\n",
                dScroll10M / dScroll100k);
    const Figures unordered = Measure(parent, 1'000'000, false);
    std::printf("1 M points whose x do not ascend (drawn point by point): whole view %.2f ms\n",
                unordered.dWholeMs);
    parent.DestroyWindow();
    return 0;
}
