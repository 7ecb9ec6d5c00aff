#include "ports/CThreadMan.h"

#include "framework/CEvent.h"
#include "framework/CWinThread.h"
#include "ports/CEventPair.h"
#include "ports/CPort.h"

#include <atomic>

namespace
{
constexpr DWORD THREAD_END_MS = 10000;
}

struct CThreadMan::CState
{
    CEvent m_quitEvent{FALSE, TRUE};
    CEventPair m_startPair;
    std::atomic<CPort*> m_pPort{nullptr};
};

CThreadMan::CThreadMan() : m_pState(std::make_shared<CState>())
{
    auto pThreadState = std::make_unique<std::shared_ptr<CState>>(m_pState);
    m_pThread = AfxBeginThread(&CThreadMan::ThreadProc, pThreadState.get(), THREAD_PRIORITY_HIGHEST, 0,
                               CREATE_SUSPENDED);
    if (m_pThread == nullptr)
        return;
    pThreadState.release();
    m_pThread->m_bAutoDelete = FALSE;
    m_pThread->ResumeThread();
}

// A thread that does not end in time is left running with its state; its object is not freed under it.
CThreadMan::~CThreadMan()
{
    if (m_pThread == nullptr)
        return;
    m_pState->m_quitEvent.SetEvent();
    if (WaitForSingleObject(m_pThread->m_hThread, THREAD_END_MS) == WAIT_OBJECT_0)
        delete m_pThread;
}

void CThreadMan::SetPort(CPort* pPort)
{
    m_pState->m_pPort = pPort;
}

HANDLE CThreadMan::GetThreadHandle() const
{
    return m_pThread != nullptr ? m_pThread->m_hThread : nullptr;
}

bool CThreadMan::StartReading(DWORD dwTimeout)
{
    if (m_pState->m_pPort == nullptr || m_pThread == nullptr)
        return false;
    m_pState->m_startPair.Request();
    HANDLE ahWait[2] = {m_pState->m_startPair.GetAckEvent(), m_pThread->m_hThread};
    return WaitForMultipleObjects(2, ahWait, FALSE, dwTimeout) == WAIT_OBJECT_0;
}

UINT CThreadMan::ThreadProc(LPVOID pParam)
{
    const std::unique_ptr<std::shared_ptr<CState>> pOwned(static_cast<std::shared_ptr<CState>*>(pParam));
    CState& state = **pOwned;
    HANDLE ahWait[2] = {state.m_quitEvent, state.m_startPair.GetRequestEvent()};
    for (;;)
    {
        DWORD dwWait = WaitForMultipleObjects(2, ahWait, FALSE, INFINITE);
        if (dwWait == WAIT_OBJECT_0)
            return 0;
        if (dwWait != WAIT_OBJECT_0 + 1)
            return GetLastError();
        CPort* pPort = state.m_pPort;
        if (pPort == nullptr)
            continue;
        state.m_startPair.Acknowledge();
        pPort->RunReader();
    }
}
