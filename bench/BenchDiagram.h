// A diagram window filled as a long measurement fills it, for the charting benchmarks.
#pragma once

#include "charting/CGraphicDisplayWnd.h"

#include <cmath>

// Points sampled at the highest stream rate.
constexpr double BENCH_STREAM_RATE = 5000.0;

enum class BenchCurves
{
    // Time on x: a noisy sine on curve 0 and a ramp on curve 1.
    OverTime,
    // A channel on x, loaded and unloaded twenty times (a cycle of 10 s): two responses that lag
    // behind on the way up and on the way down, a hysteresis loop each, with the noise of a sensor.
    Hysteresis,
    // x running back every 1000 points so that nearly every point lands in a pixel column of its own.
    Sawtooth,
};

// The smallest and the largest x of the points added.
struct BenchXExtent
{
    double dMin = 1e300;
    double dMax = -1e300;
};

// nPoints per curve on curves 0 and 1, both shown on their own y axes.
inline BenchXExtent FillDiagram(CGraphicDisplayWnd& wnd, int nPoints, BenchCurves curves)
{
    const double dCycle = nPoints / 20.0;
    BenchXExtent extent;
    const auto add = [&](double x, double y0, double y1)
    {
        wnd.addPoint(0, x, y0);
        wnd.addPoint(1, x, y1);
        extent.dMin = std::fmin(extent.dMin, x);
        extent.dMax = std::fmax(extent.dMax, x);
    };
    for (int i = 0; i < nPoints; ++i)
    {
        const double dNoise = ((i * 7919LL) % 17 - 8) * 0.01;
        if (curves == BenchCurves::OverTime)
        {
            add(i / BENCH_STREAM_RATE, std::sin(i * 0.001) + dNoise, (i % 5000) * 0.0002);
        }
        else if (curves == BenchCurves::Hysteresis)
        {
            const double dPhase = 6.283185307179586 * i / dCycle;
            const double x = 50 * (1 - std::cos(dPhase)) + ((i * 104729LL) % 5 - 2) * 0.01;
            const double dLag = std::sin(dPhase) >= 0 ? 8 : -8;
            add(x, 50 + 45 * std::tanh((x - 50 - dLag) / 15) + dNoise, 0.8 * x - 0.3 * dLag + dNoise);
        }
        else
        {
            add((i % 1000) + i * 1e-6, std::sin(i * 0.001) + dNoise, (i % 5000) * 0.0002);
        }
    }
    wnd.showCurve(0, true, true, true);
    wnd.showCurve(1, true, true, true);
    return extent;
}
