#include "ports/CMsgWaitLock.h"

#include "ports/PortWait.h"

CMsgWaitLock::CMsgWaitLock()
{
    m_hObject = CreateMutexA(nullptr, FALSE, nullptr);
}

BOOL CMsgWaitLock::Lock(DWORD dwTimeout)
{
    return WaitHandlingSentMessages(1, &m_hObject, dwTimeout) == WAIT_OBJECT_0;
}

BOOL CMsgWaitLock::Unlock()
{
    return ReleaseMutex(m_hObject);
}
