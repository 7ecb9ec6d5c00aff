// Dragging a zoom rectangle over the live diagram: a diagram window of 800 by 400 pixels shows two
// curves of 1 M and of 10 M points each (the whole measurement), the chart is in zoom mode and the left
// button is held; each step sends one pointer move to the chart and lets the chart repaint what the
// move invalidated (the off-screen picture with the rectangle). Prints the median and the slowest
// step. Goal at 1 M points: the median move within 16 ms, the repaint goal of the diagram.
#include "BenchClock.h"
#include "BenchDiagram.h"
#include "BenchGoal.h"

#include "charting/CPlot.h"
#include "framework/AfxWin32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr double BUDGET_MS = 16.0;
constexpr int MOVES = 60;

struct Figures
{
    double dMedianMs;
    double dSlowestMs;
};

Figures Measure(CWnd& parent, int nPoints)
{
    CGraphicDisplayWnd wnd;
    wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 440), &parent, 1209);
    wnd.create(&parent);
    FillDiagram(wnd, nPoints, BenchCurves::OverTime);
    wnd.setIntervalMode(0);
    wnd.zoomMode();
    CPlot& chart = *wnd.GetChart();
    const CPoint start(100, 60);
    chart.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    std::vector<double> times;
    for (int i = 1; i <= MOVES; ++i)
    {
        const CPoint pt = start + CPoint(8 * i, 4 * i);
        const double dStart = BenchNow();
        chart.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        chart.UpdateWindow();
        times.push_back((BenchNow() - dStart) * 1e3);
    }
    // Released where it began: a rectangle too small to zoom.
    chart.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    chart.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(start.x, start.y));
    wnd.DestroyWindow();
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}
} // namespace

int main()
{
    CWnd parent;
    if (!parent.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 820, 460, nullptr, nullptr))
        return 1;
    std::printf("zoom rectangle dragged over a diagram of 800 x 400, two curves, %d moves\n", MOVES);
    std::printf("%12s %12s %12s %16s\n", "points/curve", "median ms", "slowest ms", "median/16 ms");
    double dMedian1M = 0;
    for (int nPoints : {1'000'000, 10'000'000})
    {
        const Figures f = Measure(parent, nPoints);
        std::printf("%12d %12.2f %12.2f %16.2f\n", nPoints, f.dMedianMs, f.dSlowestMs,
                    f.dMedianMs / BUDGET_MS);
        if (nPoints == 1'000'000)
            dMedian1M = f.dMedianMs;
    }
    parent.DestroyWindow();
    BenchGoals goals;
    goals.AtMost("one move at 1 M points (median)", dMedian1M, BUDGET_MS, "ms");
    return goals.Finish();
}
