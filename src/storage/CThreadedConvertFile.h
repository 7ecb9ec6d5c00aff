// The file-pacing worker: a low-priority thread that only posts ticks (WM_CONVERT_FILE_NOTIFY) to the
// main frame, every 3000 ms while a measurement records and every 1000 ms once it has ended; the
// frame does all file work on its own thread. Start and Stop run on the user-interface thread; the
// thread touches only this object, its two events and the owner's recording flag.
#pragma once

#include "framework/AfxWin32.h"

#include <atomic>
#include <functional>

// What the worker reads of its owner: whether the measurement still records values.
class CConvertFileOwner
{
public:
    virtual ~CConvertFileOwner() = default;
    virtual bool IsRecordingValues() const = 0;
};

constexpr UINT WM_CONVERT_FILE_NOTIFY = 182;

class CThreadedConvertFile
{
public:
    // Notification codes in wParam of WM_CONVERT_FILE_NOTIFY.
    enum
    {
        EV_First = 0,
        EV_ConvertFileStarted = 1,
        EV_Count = 2,
        EV_Error = 3,
        EV_ConvertFileFinished = 4,
    };
    // Error codes in lParam of EV_Error.
    enum
    {
        ER_NO_CMD_RESPONSE = 1,
        ER_BAD_CMD_RESPONSE = 2,
        ER_NO_ASYNC_MSG = 3,
        ER_BAD_ASYNC_MSG = 4,
        ER_UNEXPECTED_ASYNC_MSG_TYPE = 5,
    };
    static constexpr UINT START_FAILED = 123122;
    static constexpr DWORD RECORDING_INTERVAL_MS = 3000;
    static constexpr DWORD ENDED_INTERVAL_MS = 1000;

    // The wait of one tick: the stop event and the interval; WAIT_TIMEOUT or WAIT_OBJECT_0.
    using WaitFunction = std::function<DWORD(HANDLE hStopEvent, DWORD dwInterval)>;

    CThreadedConvertFile(HWND hNotifyWnd, UINT uNotifyMsg, CConvertFileOwner* pOwner = nullptr);
    ~CThreadedConvertFile();
    CThreadedConvertFile(const CThreadedConvertFile&) = delete;
    CThreadedConvertFile& operator=(const CThreadedConvertFile&) = delete;

    // Ends a thread still running (its EV_ConvertFileFinished is not posted: a new run supersedes it)
    // and starts a new one; 0, or START_FAILED when the thread cannot be created.
    UINT Start();
    // Asks the thread to end and waits until it has (it only posts, so it never waits for the caller).
    void Stop();
    bool WaitStopped();
    BOOL PostEvent(WPARAM wCode, LPARAM lParam);
    // For tests: the wait of each tick (WaitForSingleObject by default).
    void SetWaitFunction(WaitFunction fnWait) { m_fnWait = std::move(fnWait); }
    bool IsRunning() const { return m_bRunning != 0; }

    std::atomic<BYTE> m_bRunning{0};
    std::atomic<BYTE> m_bPaused{0};
    CConvertFileOwner* m_pOwner;
    HWND m_hNotifyWnd;
    UINT m_uNotifyMsg;
    HANDLE m_hStopEvent;
    HANDLE m_hDoneEvent;

private:
    static UINT __cdecl ThreadProc(LPVOID pParam);
    UINT Run();
    void EndThread(bool bSuperseded);

    std::atomic<bool> m_bSuperseded{false};
    WaitFunction m_fnWait;
};
