#include "app/AppRestart.h"

#include <cstring>

HANDLE g_hRestartMutex = nullptr;

namespace
{
const char* const RESTART_MUTEX_NAME = "YOUR_RESTART-MUTEX_NAME";
const char* const RESTART_OPTION = "--Restart";

bool MutexWasThere()
{
    const DWORD dwError = ::GetLastError();
    return dwError == ERROR_ALREADY_EXISTS || dwError == ERROR_ACCESS_DENIED;
}

// Waits for the mutex and lets it go at once; an owner that ended leaves it abandoned, which counts
// as taken. False when the wait timed out or failed.
bool WaitAndRelease(HANDLE hMutex, DWORD dwTimeoutMs)
{
    const DWORD dwWait = ::WaitForSingleObject(hMutex, dwTimeoutMs);
    if (dwWait != WAIT_OBJECT_0 && dwWait != WAIT_ABANDONED)
        return false;
    ::ReleaseMutex(hMutex);
    return true;
}
// A restart that could not start its process lets the mutex go, so a later restart can take it.
bool GiveUpRestart()
{
    ::ReleaseMutex(g_hRestartMutex);
    ::CloseHandle(g_hRestartMutex);
    g_hRestartMutex = nullptr;
    return false;
}
} // namespace

bool IsRestartRequested()
{
    const char* pszCommandLine = ::GetCommandLineA();
    return pszCommandLine != nullptr && std::strstr(pszCommandLine, RESTART_OPTION) != nullptr;
}

bool WaitForPreviousInstance(DWORD dwTimeoutMs)
{
    HANDLE hMutex = ::CreateMutexA(nullptr, FALSE, RESTART_MUTEX_NAME);
    if (hMutex == nullptr)
        hMutex = ::OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, RESTART_MUTEX_NAME);
    if (hMutex == nullptr)
        return true;
    bool bDone = true;
    if (MutexWasThere())
        bDone = WaitAndRelease(hMutex, dwTimeoutMs);
    ::CloseHandle(hMutex);
    return bDone;
}

bool ReleaseRestartMutex()
{
    if (g_hRestartMutex == nullptr)
        return false;
    // A mutex this thread owns is taken again at once and stays owned until the thread has ended.
    const bool bTimedOut = ::WaitForSingleObject(g_hRestartMutex, 0) == WAIT_TIMEOUT;
    if (bTimedOut)
        ::ReleaseMutex(g_hRestartMutex);
    ::CloseHandle(g_hRestartMutex);
    g_hRestartMutex = nullptr;
    return bTimedOut;
}

bool RestartApplication(DWORD dwTimeoutMs)
{
    HANDLE hMutex = ::CreateMutexA(nullptr, TRUE, RESTART_MUTEX_NAME);
    if (hMutex == nullptr)
        return false;
    if (MutexWasThere())
    {
        WaitAndRelease(hMutex, dwTimeoutMs);
        ::CloseHandle(hMutex);
        return false;
    }
    if (g_hRestartMutex != nullptr)
        ::CloseHandle(g_hRestartMutex);
    g_hRestartMutex = hMutex;
    char szPath[MAX_PATH + 1] = {};
    const DWORD dwLength = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    if (dwLength == 0 || dwLength >= MAX_PATH)
        return GiveUpRestart();
    char szCommandLine[MAX_PATH + 32] = {};
    const bool bQuote = std::strchr(szPath, ' ') != nullptr;
    std::strcpy(szCommandLine, bQuote ? "\"" : "");
    std::strcat(szCommandLine, szPath);
    std::strcat(szCommandLine, bQuote ? "\" " : " ");
    std::strcat(szCommandLine, RESTART_OPTION);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, szCommandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return GiveUpRestart();
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return true;
}
