// The file-pacing worker against a window that records its notifications: the order of its events,
// the interval of each wait (3000 ms while recording, 1000 ms after), no ticks while paused, and a
// superseded run that ends without its finished event.
#include "storage/CThreadedConvertFile.h"

#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

namespace
{
constexpr UINT WM_TEST_NOTIFY = WM_APP + 182;

std::vector<WPARAM> g_events;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_TEST_NOTIFY)
    {
        g_events.push_back(wParam);
        return 1;
    }
    return ::DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

class FakeOwner : public CConvertFileOwner
{
public:
    std::atomic<bool> m_bRecording{true};
    bool IsRecordingValues() const override { return m_bRecording; }
};

class ThreadedConvertFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "ConvertFileRecorder";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowA("ConvertFileRecorder", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
        ASSERT_NE(m_hWnd, nullptr);
        g_events.clear();
    }
    void TearDown() override { ::DestroyWindow(m_hWnd); }

    // A wait that returns a timeout at once for the first nTicks waits, then waits for the stop event.
    CThreadedConvertFile::WaitFunction Ticks(int nTicks)
    {
        return [this, nTicks](HANDLE hStop, DWORD dwInterval)
        {
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_intervals.push_back(dwInterval);
                if (static_cast<int>(m_intervals.size()) <= nTicks)
                {
                    if (static_cast<int>(m_intervals.size()) == m_iEndAfter)
                        m_owner.m_bRecording = false;
                    return static_cast<DWORD>(WAIT_TIMEOUT);
                }
            }
            return ::WaitForSingleObject(hStop, INFINITE);
        };
    }
    size_t Intervals()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_intervals.size();
    }

    HWND m_hWnd = nullptr;
    FakeOwner m_owner;
    std::mutex m_mutex;
    std::vector<DWORD> m_intervals;
    int m_iEndAfter = 2;
};

TEST_F(ThreadedConvertFile, TicksEveryThreeSecondsWhileRecordingAndEverySecondAfter)
{
    CThreadedConvertFile worker(m_hWnd, WM_TEST_NOTIFY, &m_owner);
    worker.SetWaitFunction(Ticks(4));
    ASSERT_EQ(worker.Start(), 0u);
    EXPECT_TRUE(worker.IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return Intervals() == 5 && g_events.size() == 5; }, 5000));
    worker.Stop();
    EXPECT_FALSE(worker.IsRunning());
    ASSERT_TRUE(PumpUntil([&] { return g_events.size() == 6; }, 5000));
    const std::vector<DWORD> expectedIntervals = {3000, 3000, 1000, 1000, 1000};
    EXPECT_EQ(m_intervals, expectedIntervals);
    const std::vector<WPARAM> expectedEvents = {CThreadedConvertFile::EV_ConvertFileStarted,
                                                CThreadedConvertFile::EV_Count,
                                                CThreadedConvertFile::EV_Count,
                                                CThreadedConvertFile::EV_Count,
                                                CThreadedConvertFile::EV_Count,
                                                CThreadedConvertFile::EV_ConvertFileFinished};
    EXPECT_EQ(g_events, expectedEvents);
}

TEST_F(ThreadedConvertFile, PausedWorkerPostsNoTicks)
{
    CThreadedConvertFile worker(m_hWnd, WM_TEST_NOTIFY, &m_owner);
    worker.SetWaitFunction(Ticks(3));
    worker.m_bPaused = 1;
    ASSERT_EQ(worker.Start(), 0u);
    ASSERT_TRUE(PumpUntil([&] { return Intervals() == 4 && !g_events.empty(); }, 5000));
    worker.Stop();
    ASSERT_TRUE(PumpUntil([&] { return g_events.size() == 2; }, 5000));
    EXPECT_EQ(g_events[0], static_cast<WPARAM>(CThreadedConvertFile::EV_ConvertFileStarted));
    EXPECT_EQ(g_events[1], static_cast<WPARAM>(CThreadedConvertFile::EV_ConvertFileFinished));
}

// A second start ends the first run quietly: the frame would otherwise re-arm in mid-measurement.
TEST_F(ThreadedConvertFile, SecondStartSupersedesTheRunningThreadWithoutItsFinishedEvent)
{
    CThreadedConvertFile worker(m_hWnd, WM_TEST_NOTIFY, &m_owner);
    worker.SetWaitFunction(Ticks(0));
    ASSERT_EQ(worker.Start(), 0u);
    ASSERT_EQ(worker.Start(), 0u);
    ASSERT_TRUE(PumpUntil([&] { return Intervals() == 2 && g_events.size() == 2; }, 5000));
    worker.Stop();
    ASSERT_TRUE(PumpUntil([&] { return g_events.size() == 3; }, 5000));
    const std::vector<WPARAM> expected = {CThreadedConvertFile::EV_ConvertFileStarted,
                                          CThreadedConvertFile::EV_ConvertFileStarted,
                                          CThreadedConvertFile::EV_ConvertFileFinished};
    EXPECT_EQ(g_events, expected);
}

TEST_F(ThreadedConvertFile, StopWithoutStartAndPostWithoutWindowAreHarmless)
{
    CThreadedConvertFile worker(nullptr, 0);
    worker.Stop();
    EXPECT_TRUE(worker.WaitStopped());
    EXPECT_TRUE(worker.PostEvent(CThreadedConvertFile::EV_Count, 0));
}
} // namespace
