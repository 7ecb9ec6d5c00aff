// Where the environment layer, the date texts and the stopwatch learn about the machine: monitors,
// work area, Windows version, user language and locale, environment variables, folders, clock and
// performance counter. The base class asks Win32; a test installs a derived source that overrides
// what it wants to fix and restores the previous source when done.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CRect.h"
#include "framework/CString.h"

// One display monitor as the system enumerates it.
struct EnvMonitor
{
    CRect rect;
    bool bPrimary = false;
};

// What the Windows version text is built from.
struct EnvOsFacts
{
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    WORD wSuiteMask = 0;
    BYTE wProductType = 0;
    CString strServicePack;
    WORD wProcessorArchitecture = 0;
    DWORD dwNumberOfProcessors = 0;
    DWORD dwEditionType = 0; // product type of the system for its version (Vista and later)
    bool bServerR2 = false;
};

class CEnvironmentSource
{
public:
    CEnvironmentSource() = default;
    virtual ~CEnvironmentSource() = default;
    CEnvironmentSource(const CEnvironmentSource&) = delete;
    CEnvironmentSource& operator=(const CEnvironmentSource&) = delete;

    // The source in use: the installed one, else the Win32 one.
    static CEnvironmentSource& Current();
    // Installs pSource (null: the Win32 source again); returns the source installed before (null when
    // that was the Win32 one).
    static CEnvironmentSource* Install(CEnvironmentSource* pSource);

    virtual int GetMonitorCount();
    // Fills up to nMax monitors in enumeration order; returns how many were filled.
    virtual int EnumMonitors(EnvMonitor* pMonitors, int nMax);
    virtual CRect GetWorkArea();

    // False when the version cannot be read.
    virtual bool GetOsFacts(EnvOsFacts& facts);
    virtual LANGID GetUserDefaultLangId();
    // The user locale's text for the item; empty when there is none.
    virtual CString GetLocaleText(LCTYPE lcType);
    // False when the variable is not set.
    virtual bool GetEnvVariable(LPCSTR lpszName, CString& strValue);

    // Full path of the running executable; empty when unavailable.
    virtual CString GetExecutablePath();
    // A shell folder (CSIDL_...); false when unavailable.
    virtual bool GetShellFolder(HWND hWndOwner, int nFolder, CString& strPath);

    // Now, in seconds since 1970 (UTC).
    virtual __time64_t GetTimeNow();
    virtual bool QueryPerformanceFrequency(LONGLONG& llFrequency);
    virtual bool QueryPerformanceCounter(LONGLONG& llCount);
};
