// The diagram's curve store on the live path: value pairs added to curves 0 and 1 through
// CGraphicDisplayWnd::addPoint, which takes the window's lock for each point. Prints points added per
// second against the highest stream rate (5000 pairs per second; goal 2000 times that, 10 million
// points per second), for a first measurement (arrays allocated and grown as the points come) and for
// the next one (cleared curves keep their arrays); the slowest single add (a growth, which copies the
// array into fresh memory); the memory the store holds per point; and, to read these by, what touching
// fresh memory costs on this machine.
#include "BenchClock.h"

#include "charting/CGraphicDisplayWnd.h"
#include "framework/AfxWin32.h"

#include <algorithm>
#include <cstdio>

namespace
{
constexpr double STREAM_PAIRS_PER_S = 5000.0;
constexpr double GOAL_RATIO = 2000.0;
constexpr int POINTS_PER_CURVE = 10'000'000;
constexpr int ROUNDS = 3;

// Adds n pairs to curves 0 and 1; returns the seconds taken.
double AddPairs(CGraphicDisplayWnd& wnd, int n)
{
    const double dStart = BenchNow();
    for (int i = 0; i < n; ++i)
    {
        const double x = i / STREAM_PAIRS_PER_S;
        wnd.addPoint(0, x, 0.5 * x);
        wnd.addPoint(1, x, -x);
    }
    return BenchNow() - dStart;
}

// Microseconds for the first write to a page of freshly committed memory.
double PageTouchMicroseconds()
{
    const size_t nBytes = 64u << 20;
    char* p = static_cast<char*>(VirtualAlloc(nullptr, nBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (p == nullptr)
        return 0;
    const double dStart = BenchNow();
    for (size_t i = 0; i < nBytes; i += 4096)
        p[i] = 1;
    const double d = BenchNow() - dStart;
    VirtualFree(p, 0, MEM_RELEASE);
    return d * 1e6 / (nBytes / 4096);
}

void PrintRate(const char* lpszWhat, double dSeconds)
{
    const double dPointsPerS = 2.0 * POINTS_PER_CURVE / dSeconds;
    std::printf(
        "%s: %.3f s, %.0f points per second (%.1f ns per point), ratio to the stream %.0f (goal %.0f)\n",
        lpszWhat, dSeconds, dPointsPerS, dSeconds * 1e9 / (2.0 * POINTS_PER_CURVE),
        dPointsPerS / (2 * STREAM_PAIRS_PER_S), GOAL_RATIO);
}
} // namespace

int main()
{
    // Throughput, the best of a few rounds: a first measurement into a new store, then the next
    // measurement into the same store with its curves cleared.
    double dFirst = 1e300, dNext = 1e300;
    for (int r = 0; r < ROUNDS; ++r)
    {
        CGraphicDisplayWnd wnd;
        dFirst = std::min(dFirst, AddPairs(wnd, POINTS_PER_CURVE));
        wnd.clearCurve(0);
        wnd.clearCurve(1);
        dNext = std::min(dNext, AddPairs(wnd, POINTS_PER_CURVE));
        if (wnd.GetDataManager()->getCount(1, "bench") != POINTS_PER_CURVE)
        {
            std::printf("store lost points\n");
            return 1;
        }
    }

    // Each add timed on its own: the slowest is a growth, which copies the whole array once.
    CGraphicDisplayWnd wnd;
    double dWorst = 0, dWorstAt = 0;
    double dWorstPlain = 0;
    for (int i = 0; i < POINTS_PER_CURVE; ++i)
    {
        const bool bGrows =
            wnd.GetDataManager()->getCount(0, "bench") == (int)wnd.GetDataManager()->getCapacity(0);
        const double dStart = BenchNow();
        wnd.addPoint(0, i / STREAM_PAIRS_PER_S, 1.0);
        const double d = BenchNow() - dStart;
        if (d > dWorst)
        {
            dWorst = d;
            dWorstAt = i;
        }
        if (!bGrows && d > dWorstPlain)
            dWorstPlain = d;
    }
    const CDataManager& store = *wnd.GetDataManager();
    const double dBytes = 16.0 * store.getCapacity(0);

    std::printf("points added under the lock: %d per curve, two curves, best of %d rounds\n",
                POINTS_PER_CURVE, ROUNDS);
    PrintRate("first measurement (arrays grown)", dFirst);
    PrintRate("next measurement (arrays kept)", dNext);
    std::printf("slowest single add: %.3f ms at point %.0f (a growth); slowest add without growth: %.1f us\n",
                dWorst * 1e3, dWorstAt, dWorstPlain * 1e6);
    std::printf("  the slowest add is %.1f stream periods (200 us each)\n", dWorst / 200e-6);
    std::printf("memory: %u points held in %.1f MB, %.1f bytes per point (16 bytes of data)\n",
                store.getCount(0, "bench"), dBytes / 1e6, dBytes / store.getCount(0, "bench"));
    std::printf("this machine: %.2f us for the first write to a fresh page (256 points)\n",
                PageTouchMicroseconds());
    return 0;
}
