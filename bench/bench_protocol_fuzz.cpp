// The long run of the receive path fuzzer: at least 1,000,000 random and mutated frames fed in every
// state of the engine's machine (see tests/protocol/ReceiveFuzzer.h). Prints the frames and cases
// run, their rate, and each failing case's seed; a case that runs longer than 10 s counts as hung.
//   bench_protocol_fuzz [--seed N] [--frames N]   a run; the seed is drawn from the clock unless given,
//                                                  and printed first
//   bench_protocol_fuzz --case S                   one case alone, by the seed a failure printed
#define _GLIBCXX_ASSERTIONS 1

#include "BenchClock.h"
#include "BenchGoal.h"
#include "framework/AfxWin32.h"
#include "protocol/ReceiveFuzzer.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace
{
constexpr long long GOAL_FRAMES = 1000000;
constexpr ULONGLONG HANG_MS = 10000;

std::atomic<std::uint64_t> g_ullRunningCase{0};
std::atomic<ULONGLONG> g_ullCaseStart{0};
std::atomic<bool> g_bDone{false};

// Ends the process when a case does not return: the engine hangs on that input.
void Watchdog()
{
    while (!g_bDone)
    {
        Sleep(200);
        const ULONGLONG ullStart = g_ullCaseStart;
        if (!g_bDone && ullStart != 0 && GetTickCount64() - ullStart > HANG_MS)
        {
            std::printf("case seed %llu hangs\n", static_cast<unsigned long long>(g_ullRunningCase.load()));
            std::fflush(stdout);
            std::_Exit(2);
        }
    }
}

std::uint64_t Argument(int argc, char** argv, const char* pszName, std::uint64_t ullDefault)
{
    for (int i = 1; i + 1 < argc; ++i)
    {
        if (std::strcmp(argv[i], pszName) == 0)
            return std::strtoull(argv[i + 1], nullptr, 10);
    }
    return ullDefault;
}

// A run seed from the clock, so that every run tries new cases.
std::uint64_t ClockSeed()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    LARGE_INTEGER li;
    QueryPerformanceCounter(&li);
    return (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32 | ft.dwLowDateTime) ^
           static_cast<std::uint64_t>(li.QuadPart);
}

bool HasArgument(int argc, char** argv, const char* pszName)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], pszName) == 0)
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    using protocol_test::CReceiveFuzzer;
    using protocol_test::FuzzResult;
    std::thread watchdog(Watchdog);
    const bool bOneCase = HasArgument(argc, argv, "--case");
    const bool bSeedGiven = HasArgument(argc, argv, "--seed");
    const std::uint64_t ullRunSeed = bSeedGiven ? Argument(argc, argv, "--seed", 0) : ClockSeed();
    if (!bOneCase)
        std::printf("run seed %llu (%s; --seed %llu runs these cases again)\n",
                    static_cast<unsigned long long>(ullRunSeed), bSeedGiven ? "given" : "from the clock",
                    static_cast<unsigned long long>(ullRunSeed));
    std::fflush(stdout);
    const long long llWanted =
        bOneCase ? 1 : static_cast<long long>(Argument(argc, argv, "--frames", GOAL_FRAMES));
    const double dStart = BenchNow();
    long long llFrames = 0;
    long long llCases = 0;
    int iFailures = 0;
    for (; llFrames < llWanted; ++llCases)
    {
        const std::uint64_t ullSeed =
            bOneCase ? Argument(argc, argv, "--case", 0) : CReceiveFuzzer::CaseSeed(ullRunSeed, llCases);
        g_ullRunningCase = ullSeed;
        g_ullCaseStart = GetTickCount64();
        const FuzzResult result = CReceiveFuzzer::RunCase(ullSeed);
        llFrames += result.llFrames;
        if (!result.strFailure.empty())
        {
            ++iFailures;
            std::printf("case seed %llu fails: %s\n", static_cast<unsigned long long>(ullSeed),
                        result.strFailure.c_str());
        }
    }
    const double dSeconds = BenchNow() - dStart;
    g_bDone = true;
    watchdog.join();
    if (bOneCase)
        std::printf("case seed %llu: %lld frames, %s\n",
                    static_cast<unsigned long long>(Argument(argc, argv, "--case", 0)), llFrames,
                    iFailures == 0 ? "passed" : "failed");
    else
        std::printf("run seed %llu: %lld frames in %lld cases, %d failing\n",
                    static_cast<unsigned long long>(ullRunSeed), llFrames, llCases, iFailures);
    std::printf("%.1f s, %.0f frames per second\n", dSeconds, static_cast<double>(llFrames) / dSeconds);
    BenchGoals goals;
    goals.AtLeast("frames fed", static_cast<double>(llFrames), static_cast<double>(llWanted), "frames");
    goals.Holds("no case failing", iFailures == 0);
    return goals.Finish();
}
