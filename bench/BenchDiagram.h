// A diagram window filled as a long measurement fills it, for the charting benchmarks.
#pragma once

#include "charting/CGraphicDisplayWnd.h"

#include <cmath>

// Points sampled at the highest stream rate.
constexpr double BENCH_STREAM_RATE = 5000.0;

// nPoints per curve: a noisy sine on curve 0 and a ramp on curve 1, both shown on their own y axes.
// Not ascending: the x runs back every 1000 points, as a channel on the x axis can.
inline void FillDiagram(CGraphicDisplayWnd& wnd, int nPoints, bool bAscending)
{
    for (int i = 0; i < nPoints; ++i)
    {
        const double x = bAscending ? i / BENCH_STREAM_RATE : (i % 1000) + i * 1e-6;
        wnd.addPoint(0, x, std::sin(i * 0.001) + ((i * 7919) % 17) * 0.01);
        wnd.addPoint(1, x, (i % 5000) * 0.0002);
    }
    wnd.showCurve(0, true, true, true);
    wnd.showCurve(1, true, true, true);
}
