// CPU time of this process, of another program and of the session's wineserver, and the machine's load, for
// the benchmarks that judge a share of a core.
#pragma once

#include "framework/AfxWin32.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// Kernel and user seconds of this process.
inline double ProcessCpuSeconds()
{
    FILETIME ftCreation, ftExit, ftKernel, ftUser;
    GetProcessTimes(GetCurrentProcess(), &ftCreation, &ftExit, &ftKernel, &ftUser);
    auto toSeconds = [](const FILETIME& ft)
    { return (static_cast<double>(ft.dwHighDateTime) * 4294967296.0 + ft.dwLowDateTime) / 1e7; };
    return toSeconds(ftKernel) + toSeconds(ftUser);
}

// A Linux file read through drive Z:, empty when it cannot be read.
inline std::string LinuxFile(const std::string& strPath)
{
    FILE* pFile = std::fopen(("Z:" + strPath).c_str(), "r");
    if (pFile == nullptr)
        return std::string();
    char achText[1024] = {};
    const size_t nRead = std::fread(achText, 1, sizeof(achText) - 1, pFile);
    std::fclose(pFile);
    return std::string(achText, nRead);
}

// Fields of /proc/<pid>/stat after the name in brackets, from the state on; empty when unknown.
inline std::string ProcStatFields(int iPid)
{
    const std::string strStat = iPid > 0 ? LinuxFile("/proc/" + std::to_string(iPid) + "/stat") : "";
    const size_t nName = strStat.rfind(')');
    return nName == std::string::npos || nName + 2 > strStat.size() ? std::string()
                                                                    : strStat.substr(nName + 2);
}

// User and system CPU seconds of a Linux process, or a negative value when unknown.
inline double LinuxProcessCpuSeconds(int iPid)
{
    // State, then 10 fields, then utime and stime in clock ticks.
    unsigned long long ullUser = 0;
    unsigned long long ullSystem = 0;
    if (std::sscanf(ProcStatFields(iPid).c_str(), "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu",
                    &ullUser, &ullSystem) != 2)
        return -1;
    return static_cast<double>(ullUser + ullSystem) / 100.0;
}

// The wineserver's CPU seconds from /proc, or a negative value when unknown.
inline double ServerCpuSeconds()
{
    const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
    if (pszBuild == nullptr)
        return -1;
    return LinuxProcessCpuSeconds(
        std::atoi(LinuxFile(std::string(pszBuild) + "/wine/wineserver.pid").c_str()));
}

// The Linux process of the newest Windows program started from strPath (its command line as Wine shows
// it, without arguments), or 0: the platform does not report another process's CPU time.
inline int LinuxProcessOf(const std::string& strPath)
{
    int iNewest = 0;
    unsigned long long ullNewestStart = 0;
    WIN32_FIND_DATAA find;
    HANDLE hFind = FindFirstFileA("Z:\\proc\\*", &find);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        const int iPid = std::atoi(find.cFileName);
        const std::string strCommand =
            iPid > 0 ? LinuxFile("/proc/" + std::to_string(iPid) + "/cmdline") : "";
        if (strCommand.empty() || lstrcmpiA(strCommand.c_str(), strPath.c_str()) != 0)
            continue;
        // The start time is field 22 of the stat line, the 20th after the name.
        unsigned long long ullStart = 0;
        std::sscanf(ProcStatFields(iPid).c_str(),
                    "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d %*d %llu",
                    &ullStart);
        if (iNewest == 0 || ullStart > ullNewestStart)
        {
            iNewest = iPid;
            ullNewestStart = ullStart;
        }
    } while (FindNextFileA(hFind, &find));
    FindClose(hFind);
    return iNewest;
}

// The machine's load: the 1-minute load average from /proc, and the cores.
inline std::string MachineLoad()
{
    const std::string strLoad = LinuxFile("/proc/loadavg");
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return "load average " +
           (strLoad.empty() ? std::string("unknown") : strLoad.substr(0, strLoad.find(' '))) + " on " +
           std::to_string(info.dwNumberOfProcessors) + " cores";
}
