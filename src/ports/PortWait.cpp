#include "ports/PortWait.h"

DWORD WaitHandlingSentMessages(DWORD dwCount, const HANDLE* pHandles, DWORD dwTimeout)
{
    const ULONGLONG ullEnd = GetTickCount64() + dwTimeout;
    for (;;)
    {
        DWORD dwLeft = INFINITE;
        if (dwTimeout != INFINITE)
        {
            const ULONGLONG ullNow = GetTickCount64();
            dwLeft = ullNow >= ullEnd ? 0 : static_cast<DWORD>(ullEnd - ullNow);
        }
        // MWMO_INPUTAVAILABLE: a sent message that is already queued wakes the wait too.
        DWORD dwWait =
            MsgWaitForMultipleObjectsEx(dwCount, pHandles, dwLeft, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
        if (dwWait != WAIT_OBJECT_0 + dwCount)
            return dwWait >= WAIT_ABANDONED_0 && dwWait < WAIT_ABANDONED_0 + dwCount
                       ? dwWait - WAIT_ABANDONED_0
                       : dwWait;
        // Peeking delivers the messages sent to this thread; posted ones stay queued.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
