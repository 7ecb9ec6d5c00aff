// Bounded waits of the port layer that keep handling the messages sent to the waiting thread: the reader
// may be inside SendMessage to it. Posted messages (timers, device notifications) stay queued, so
// nothing re-enters the port manager during the wait.
#pragma once

#include "framework/AfxWin32.h"

// Waits until one of the handles is signalled (its index) or dwTimeout passed (WAIT_TIMEOUT); WAIT_FAILED
// when the wait itself failed.
DWORD WaitHandlingSentMessages(DWORD dwCount, const HANDLE* pHandles, DWORD dwTimeout);
