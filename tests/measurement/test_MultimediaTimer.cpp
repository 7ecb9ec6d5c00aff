// The panel's multimedia timer: the resolution it asks for, one timer at a time, and its periodic
// callback on the system's timer thread.
#include "measurement/CMultimediaTimer.h"

#include "support/WaitUntil.h"

#include <mmsystem.h>

#include <atomic>
#include <gtest/gtest.h>

namespace
{
// Ticks counted by the user value (1 or 2).
std::atomic<int> g_aiTicks[3];

void CALLBACK CountTick(UINT, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR)
{
    ++g_aiTicks[dwUser < 3 ? dwUser : 0];
}
} // namespace

TEST(MultimediaTimer, ResolutionIsTheFinestForZeroAndClampedOtherwise)
{
    struct Case
    {
        UINT uRequested, uMin, uMax, uExpected;
    };
    const Case cases[] = {{0, 1, 1000000, 1}, {1000, 1, 1000000, 1000}, {2000000, 1, 1000000, 1000000},
                          {0, 5, 100, 5},     {3, 5, 100, 5},           {100, 5, 100, 100}};
    for (const Case& c : cases)
        EXPECT_EQ(c.uExpected, CMultimediaTimer::ClampResolution(c.uRequested, c.uMin, c.uMax))
            << c.uRequested << " in " << c.uMin << ".." << c.uMax;

    TIMECAPS caps = {};
    ASSERT_EQ(static_cast<MMRESULT>(TIMERR_NOERROR), ::timeGetDevCaps(&caps, sizeof(caps)));
    CMultimediaTimer timer(0);
    EXPECT_EQ(caps.wPeriodMin, timer.m_uResolution);
    EXPECT_EQ(1, timer.m_bPeriodSet);
    CMultimediaTimer above(caps.wPeriodMax + 1);
    EXPECT_EQ(caps.wPeriodMax, above.m_uResolution);
}

TEST(MultimediaTimer, RunsOneTimerAtATimeUntilStopped)
{
    CMultimediaTimer timer(0);
    timer.Stop(); // no timer yet: nothing happens
    EXPECT_FALSE(timer.IsRunning());

    for (auto& iTicks : g_aiTicks)
        iTicks = 0;
    ASSERT_TRUE(timer.Start(8, CountTick, 1, TIME_PERIODIC));
    const UINT uFirst = timer.m_uTimerId;
    EXPECT_FALSE(timer.Start(8, CountTick, 2, TIME_PERIODIC));
    EXPECT_EQ(uFirst, timer.m_uTimerId);
    EXPECT_TRUE(WaitUntil([] { return g_aiTicks[1] >= 5; })) << g_aiTicks[1];
    EXPECT_EQ(0, g_aiTicks[2]) << "the refused timer ran";

    timer.Stop();
    EXPECT_FALSE(timer.IsRunning());
    const int iAfterStop = g_aiTicks[1];
    // A second timer runs while the stopped one stays silent (one tick already under way may count).
    ASSERT_TRUE(timer.Start(8, CountTick, 2, TIME_PERIODIC));
    EXPECT_TRUE(WaitUntil([] { return g_aiTicks[2] >= 10; })) << g_aiTicks[2];
    EXPECT_LE(g_aiTicks[1] - iAfterStop, 1);
}
