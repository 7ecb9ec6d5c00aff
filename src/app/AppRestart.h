// Restart of the program after "Reset Views": the old instance holds the named restart mutex until its
// user-interface thread has ended; the new instance, started with "--Restart", waits for it first.
#pragma once

#include "framework/AfxWin32.h"

// How long a restart waits for the instance that holds the restart mutex to end.
constexpr DWORD RESTART_WAIT_MS = 120000;

// The restart mutex taken by RestartApplication; null when none is held.
extern HANDLE g_hRestartMutex;

// The process's command line contains "--Restart" anywhere.
bool IsRestartRequested();
// Waits until an instance that holds the restart mutex has ended (at most dwTimeoutMs); true.
bool WaitForPreviousInstance(DWORD dwTimeoutMs = INFINITE);
// At exit: closes the handle of the mutex; a mutex this thread owns stays owned until it ends. True
// when it released the mutex.
bool ReleaseRestartMutex();
// Takes the restart mutex and starts this program again with "--Restart"; false (and nothing started)
// when a restart is already in progress or the process cannot be created.
bool RestartApplication(DWORD dwTimeoutMs = INFINITE);
