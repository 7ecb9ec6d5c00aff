#include "storage/CThreadedConvertFile.h"

#include "framework/CException.h"
#include "framework/CWinThread.h"

CThreadedConvertFile::CThreadedConvertFile(HWND hNotifyWnd, UINT uNotifyMsg, CConvertFileOwner* pOwner)
    : m_pOwner(pOwner), m_hNotifyWnd(hNotifyWnd), m_uNotifyMsg(uNotifyMsg),
      m_hStopEvent(::CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      m_hDoneEvent(::CreateEventA(nullptr, TRUE, TRUE, nullptr)),
      m_fnWait([](HANDLE hEvent, DWORD dwInterval) { return ::WaitForSingleObject(hEvent, dwInterval); })
{
}

CThreadedConvertFile::~CThreadedConvertFile()
{
    Stop();
    if (m_hStopEvent)
        ::CloseHandle(m_hStopEvent);
    if (m_hDoneEvent)
        ::CloseHandle(m_hDoneEvent);
}

UINT CThreadedConvertFile::Start()
{
    if (m_hStopEvent == nullptr || m_hDoneEvent == nullptr)
        return START_FAILED;
    if (::WaitForSingleObject(m_hDoneEvent, 0) != WAIT_OBJECT_0)
    {
        m_bSuperseded = true;
        WaitStopped();
    }
    m_bSuperseded = false;
    ::ResetEvent(m_hStopEvent);
    ::ResetEvent(m_hDoneEvent);
    m_bRunning = 1;
    if (AfxBeginThread(ThreadProc, this, THREAD_PRIORITY_LOWEST) == nullptr)
    {
        m_bRunning = 0;
        ::SetEvent(m_hDoneEvent);
        return START_FAILED;
    }
    return 0;
}

void CThreadedConvertFile::Stop()
{
    m_bRunning = 0;
    WaitStopped();
}

bool CThreadedConvertFile::WaitStopped()
{
    if (m_hDoneEvent != nullptr && ::WaitForSingleObject(m_hDoneEvent, 0) != WAIT_OBJECT_0)
    {
        ::SetEvent(m_hStopEvent);
        // The thread only waits on the stop event and posts: it ends within one wait.
        ::WaitForSingleObject(m_hDoneEvent, INFINITE);
        ::Sleep(10);
    }
    return true;
}

BOOL CThreadedConvertFile::PostEvent(WPARAM wCode, LPARAM lParam)
{
    if (m_hNotifyWnd == nullptr || m_uNotifyMsg == 0)
        return TRUE;
    return ::PostMessageA(m_hNotifyWnd, m_uNotifyMsg, wCode, lParam);
}

UINT __cdecl CThreadedConvertFile::ThreadProc(LPVOID pParam)
{
    auto* pThis = static_cast<CThreadedConvertFile*>(pParam);
    try
    {
        return pThis->Run();
    }
    catch (CException* e)
    {
        char szMessage[512] = {};
        if (!e->GetErrorMessage(szMessage, sizeof(szMessage)))
            lstrcpynA(szMessage, "File-pacing worker: unexpected error", sizeof(szMessage));
        ::MessageBoxA(nullptr, szMessage, "TQ5", MB_OK | MB_ICONEXCLAMATION);
        e->Delete();
        const DWORD dwError = ::GetLastError();
        pThis->EndThread(false);
        return dwError != 0 ? dwError : ERROR_INVALID_SERVER_STATE;
    }
}

UINT CThreadedConvertFile::Run()
{
    PostEvent(EV_ConvertFileStarted, 0);
    DWORD dwInterval = RECORDING_INTERVAL_MS;
    while (m_fnWait(m_hStopEvent, dwInterval) == WAIT_TIMEOUT)
    {
        if (m_pOwner != nullptr && !m_pOwner->IsRecordingValues())
            dwInterval = ENDED_INTERVAL_MS;
        if (m_bPaused == 0)
            PostEvent(EV_Count, 0);
    }
    EndThread(m_bSuperseded);
    return 0;
}

void CThreadedConvertFile::EndThread(bool bSuperseded)
{
    if (!bSuperseded)
        PostEvent(EV_ConvertFileFinished, 0);
    ::SetEvent(m_hDoneEvent);
}
