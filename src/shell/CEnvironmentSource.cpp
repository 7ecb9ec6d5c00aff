#include "shell/CEnvironmentSource.h"

#include <shlobj.h>

#include <ctime>

namespace
{
CEnvironmentSource* g_pInstalled = nullptr;

struct MonitorList
{
    EnvMonitor* pMonitors;
    int nMax;
    int nCount;
};

BOOL CALLBACK CollectMonitor(HMONITOR hMonitor, HDC, LPRECT, LPARAM lParam)
{
    auto* pList = reinterpret_cast<MonitorList*>(lParam);
    if (pList->nCount >= pList->nMax)
        return FALSE;
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (::GetMonitorInfoA(hMonitor, &mi))
    {
        EnvMonitor& m = pList->pMonitors[pList->nCount++];
        m.rect = mi.rcMonitor;
        m.bPrimary = (mi.dwFlags & MONITORINFOF_PRIMARY) != 0;
    }
    return TRUE;
}
} // namespace

CEnvironmentSource& CEnvironmentSource::Current()
{
    static CEnvironmentSource win32;
    return g_pInstalled ? *g_pInstalled : win32;
}

CEnvironmentSource* CEnvironmentSource::Install(CEnvironmentSource* pSource)
{
    CEnvironmentSource* pPrev = g_pInstalled;
    g_pInstalled = pSource;
    return pPrev;
}

int CEnvironmentSource::GetMonitorCount()
{
    return ::GetSystemMetrics(SM_CMONITORS);
}

int CEnvironmentSource::EnumMonitors(EnvMonitor* pMonitors, int nMax)
{
    MonitorList list{pMonitors, nMax, 0};
    ::EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&list));
    return list.nCount;
}

CRect CEnvironmentSource::GetWorkArea()
{
    CRect rect;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

bool CEnvironmentSource::GetOsFacts(EnvOsFacts& facts)
{
    OSVERSIONINFOEXA osvi{};
    osvi.dwOSVersionInfoSize = sizeof(osvi);
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&osvi)))
        return false;
    facts.dwMajorVersion = osvi.dwMajorVersion;
    facts.dwMinorVersion = osvi.dwMinorVersion;
    facts.dwBuildNumber = osvi.dwBuildNumber;
    facts.dwPlatformId = osvi.dwPlatformId;
    facts.wSuiteMask = osvi.wSuiteMask;
    facts.wProductType = osvi.wProductType;
    facts.strServicePack = osvi.szCSDVersion;

    SYSTEM_INFO si{};
    ::GetNativeSystemInfo(&si);
    facts.wProcessorArchitecture = si.wProcessorArchitecture;
    facts.dwNumberOfProcessors = si.dwNumberOfProcessors;

    facts.dwEditionType = 0;
    if (osvi.dwMajorVersion >= 6)
        ::GetProductInfo(osvi.dwMajorVersion, osvi.dwMinorVersion, 0, 0, &facts.dwEditionType);
    facts.bServerR2 = ::GetSystemMetrics(SM_SERVERR2) != 0;
    return true;
}

LANGID CEnvironmentSource::GetUserDefaultLangId()
{
    return ::GetUserDefaultLangID();
}

CString CEnvironmentSource::GetLocaleText(LCTYPE lcType)
{
    char szText[80] = "";
    if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, lcType, szText, sizeof(szText)) <= 0)
        return CString();
    return CString(szText);
}

bool CEnvironmentSource::GetEnvVariable(LPCSTR lpszName, CString& strValue)
{
    strValue.Empty();
    DWORD nSize = ::GetEnvironmentVariableA(lpszName, nullptr, 0);
    if (nSize == 0)
        return false;
    DWORD nLen = ::GetEnvironmentVariableA(lpszName, strValue.GetBuffer(nSize), nSize);
    strValue.ReleaseBuffer(nLen < nSize ? static_cast<int>(nLen) : 0);
    return nLen < nSize;
}

CString CEnvironmentSource::GetExecutablePath()
{
    char szPath[MAX_PATH * 2] = "";
    DWORD nLen = ::GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    if (nLen == 0 || nLen >= sizeof(szPath))
        return CString();
    return CString(szPath, static_cast<int>(nLen));
}

bool CEnvironmentSource::GetShellFolder(HWND hWndOwner, int nFolder, CString& strPath)
{
    char szPath[MAX_PATH] = "";
    if (FAILED(::SHGetFolderPathA(hWndOwner, nFolder, nullptr, SHGFP_TYPE_CURRENT, szPath)))
    {
        strPath.Empty();
        return false;
    }
    strPath = szPath;
    return !strPath.IsEmpty();
}

__time64_t CEnvironmentSource::GetTimeNow()
{
    return _time64(nullptr);
}

bool CEnvironmentSource::QueryPerformanceFrequency(LONGLONG& llFrequency)
{
    LARGE_INTEGER li{};
    if (!::QueryPerformanceFrequency(&li) || li.QuadPart == 0)
        return false;
    llFrequency = li.QuadPart;
    return true;
}

bool CEnvironmentSource::QueryPerformanceCounter(LONGLONG& llCount)
{
    LARGE_INTEGER li{};
    if (!::QueryPerformanceCounter(&li))
        return false;
    llCount = li.QuadPart;
    return true;
}
