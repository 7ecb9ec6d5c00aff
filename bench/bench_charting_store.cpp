// The diagram's curve store on the live path: value pairs added to curves 0 and 1 through
// CGraphicDisplayWnd::addPoint, which takes the window's lock for each point. Prints points added per
// second against the highest stream rate (5000 pairs per second), for a first measurement (blocks
// allocated as the points come) and for the next one (cleared curves keep their blocks); the slowest
// single add up to 20 M points in a curve, and the slowest of those that took a new block; the memory
// the store holds per point; and, to read these by, what touching fresh memory costs on this machine.
// Goals: the first measurement at least 10 million points per second, and no single add slower than
// 2 ms at any size up to 20 M points. An add is timed in several passes, each into a new store, and
// counts with its fastest pass: what the store does at an index it does in every pass, while a pause
// of a loaded machine (another process scheduled) does not come back at the same index.
#include "BenchClock.h"
#include "BenchGoal.h"

#include "charting/CGraphicDisplayWnd.h"
#include "framework/AfxWin32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{
constexpr double STREAM_PAIRS_PER_S = 5000.0;
constexpr double GOAL_POINTS_PER_S = 10e6;
constexpr double GOAL_SLOWEST_ADD_MS = 2.0;
constexpr int POINTS_PER_CURVE = 10'000'000;
constexpr int POINTS_TIMED = 20'000'000;
constexpr int ROUNDS = 3;
constexpr int PASSES = 3;

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

double PointsPerSecond(double dSeconds)
{
    return 2.0 * POINTS_PER_CURVE / dSeconds;
}

void PrintRate(const char* lpszWhat, double dSeconds)
{
    std::printf("%s: %.3f s, %.0f points per second (%.1f ns per point), ratio to the stream %.0f\n",
                lpszWhat, dSeconds, PointsPerSecond(dSeconds), dSeconds * 1e9 / (2.0 * POINTS_PER_CURVE),
                PointsPerSecond(dSeconds) / (2 * STREAM_PAIRS_PER_S));
}

struct SlowestAdd
{
    double dMs = 0; // the slowest add of one pass as it was measured
    int iAt = 0;
    bool bKept = true;     // every point stored
    double dBlockMs = 0;   // the slowest add that took a new block
    double dHeldBytes = 0; // what the store's blocks hold at the end
};

// Times every add into one curve of a new store; each add's time goes into fastest[i] when it is below
// what is there.
SlowestAdd TimeEachAdd(std::vector<float>& fastest)
{
    CGraphicDisplayWnd wnd;
    SlowestAdd slowest;
    for (int i = 0; i < POINTS_TIMED; ++i)
    {
        const double dStart = BenchNow();
        const int nCount = wnd.addPoint(0, i / STREAM_PAIRS_PER_S, 1.0);
        const float fMs = static_cast<float>((BenchNow() - dStart) * 1e3);
        slowest.bKept = slowest.bKept && nCount == i + 1;
        fastest[i] = std::min(fastest[i], fMs);
        if (i % CDataManager::BLOCK_POINTS == 0)
            slowest.dBlockMs = std::max<double>(slowest.dBlockMs, fMs);
        if (fMs > slowest.dMs)
        {
            slowest.dMs = fMs;
            slowest.iAt = i;
        }
    }
    slowest.dHeldBytes = 16.0 * wnd.GetDataManager()->getCapacity(0);
    return slowest;
}
} // namespace

int main()
{
    BenchGoals goals;
    // Throughput, the best of a few rounds: a first measurement into a new store, then the next
    // measurement into the same store with its curves cleared.
    double dFirst = 1e300, dNext = 1e300;
    bool bKept = true;
    for (int r = 0; r < ROUNDS; ++r)
    {
        CGraphicDisplayWnd wnd;
        dFirst = std::min(dFirst, AddPairs(wnd, POINTS_PER_CURVE));
        wnd.clearCurve(0);
        wnd.clearCurve(1);
        dNext = std::min(dNext, AddPairs(wnd, POINTS_PER_CURVE));
        bKept = bKept && wnd.GetDataManager()->getCount(1, "bench") == POINTS_PER_CURVE;
    }
    std::printf("points added under the lock: %d per curve, two curves, best of %d rounds\n",
                POINTS_PER_CURVE, ROUNDS);
    PrintRate("first measurement (blocks allocated)", dFirst);
    PrintRate("next measurement (blocks kept)", dNext);

    std::vector<float> fastest(POINTS_TIMED, 1e30f);
    std::printf("each add timed, %d points into one curve, %d passes:\n", POINTS_TIMED, PASSES);
    for (int p = 0; p < PASSES; ++p)
    {
        const SlowestAdd slowest = TimeEachAdd(fastest);
        bKept = bKept && slowest.bKept;
        std::printf("  pass %d: slowest add %.3f ms at point %d, slowest add that took a block %.3f ms; the "
                    "store holds %.1f MB, %.1f bytes per point (16 bytes of data)\n",
                    p + 1, slowest.dMs, slowest.iAt, slowest.dBlockMs, slowest.dHeldBytes / 1e6,
                    slowest.dHeldBytes / POINTS_TIMED);
    }
    const auto itWorst = std::max_element(fastest.begin(), fastest.end());
    std::printf("slowest add in every pass: %.3f ms at point %d\n", *itWorst,
                static_cast<int>(itWorst - fastest.begin()));
    std::printf("this machine: %.2f us for the first write to a fresh page (256 points)\n",
                PageTouchMicroseconds());

    goals.AtLeast("first measurement", PointsPerSecond(dFirst) / 1e6, GOAL_POINTS_PER_S / 1e6, "M points/s");
    goals.AtMost("slowest single add up to 20 M points", *itWorst, GOAL_SLOWEST_ADD_MS, "ms");
    goals.Holds("every point kept", bKept);
    return goals.Finish();
}
