#include "ports/CMsgWaitLock.h"

CMsgWaitLock::CMsgWaitLock() : m_hMutex(CreateMutexA(nullptr, FALSE, nullptr)) {}

CMsgWaitLock::~CMsgWaitLock()
{
    CloseHandle(m_hMutex);
}

void CMsgWaitLock::Lock()
{
    for (;;)
    {
        DWORD dwWait = MsgWaitForMultipleObjects(1, &m_hMutex, FALSE, INFINITE, QS_SENDMESSAGE);
        if (dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED_0 || dwWait == WAIT_FAILED)
            return;
        // Peeking delivers the messages sent to this thread; posted ones stay queued.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void CMsgWaitLock::Unlock()
{
    ReleaseMutex(m_hMutex);
}
