// A machine for the environment tests: installed while it lives; what a test leaves unset comes from
// Win32.
#pragma once

#include "shell/CEnvironmentSource.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class FakeEnvironmentSource : public CEnvironmentSource
{
public:
    FakeEnvironmentSource() : m_pPrevious(Install(this)) {}
    ~FakeEnvironmentSource() override { Install(m_pPrevious); }

    // Monitors in enumeration order; the first one is the primary. The work area is set separately.
    void SetMonitors(std::vector<CRect> rects, CRect rectWorkArea)
    {
        m_monitors.emplace();
        for (size_t i = 0; i < rects.size(); ++i)
            m_monitors->push_back({rects[i], i == 0});
        m_rectWorkArea = rectWorkArea;
    }

    std::optional<std::vector<EnvMonitor>> m_monitors;
    std::optional<CRect> m_rectWorkArea;
    std::optional<EnvOsFacts> m_osFacts;
    std::optional<LANGID> m_langId;
    std::map<LCTYPE, CString> m_locale;
    // Names not in the map come from the process; a name mapped to nullopt is missing.
    std::map<std::string, std::optional<CString>> m_env;
    std::map<int, CString> m_folders;
    std::optional<__time64_t> m_timeNow;
    std::optional<LONGLONG> m_llFrequency; // 0: no performance counter
    LONGLONG m_llCounter = 0;

    int GetMonitorCount() override
    {
        return m_monitors ? static_cast<int>(m_monitors->size()) : CEnvironmentSource::GetMonitorCount();
    }
    int EnumMonitors(EnvMonitor* pMonitors, int nMax) override
    {
        if (!m_monitors)
            return CEnvironmentSource::EnumMonitors(pMonitors, nMax);
        int n = 0;
        for (; n < nMax && n < static_cast<int>(m_monitors->size()); ++n)
            pMonitors[n] = (*m_monitors)[n];
        return n;
    }
    CRect GetWorkArea() override
    {
        return m_rectWorkArea ? *m_rectWorkArea : CEnvironmentSource::GetWorkArea();
    }
    bool GetOsFacts(EnvOsFacts& facts) override
    {
        if (!m_osFacts)
            return CEnvironmentSource::GetOsFacts(facts);
        facts = *m_osFacts;
        return true;
    }
    LANGID GetUserDefaultLangId() override
    {
        return m_langId ? *m_langId : CEnvironmentSource::GetUserDefaultLangId();
    }
    CString GetLocaleText(LCTYPE lcType) override
    {
        auto it = m_locale.find(lcType);
        return it != m_locale.end() ? it->second : CEnvironmentSource::GetLocaleText(lcType);
    }
    bool GetEnvVariable(LPCSTR lpszName, CString& strValue) override
    {
        auto it = m_env.find(lpszName);
        if (it == m_env.end())
            return CEnvironmentSource::GetEnvVariable(lpszName, strValue);
        strValue = it->second ? *it->second : CString();
        return it->second.has_value();
    }
    bool GetShellFolder(HWND hWndOwner, int nFolder, CString& strPath) override
    {
        auto it = m_folders.find(nFolder);
        if (it == m_folders.end())
            return CEnvironmentSource::GetShellFolder(hWndOwner, nFolder, strPath);
        strPath = it->second;
        return !strPath.IsEmpty();
    }
    __time64_t GetTimeNow() override { return m_timeNow ? *m_timeNow : CEnvironmentSource::GetTimeNow(); }
    bool QueryPerformanceFrequency(LONGLONG& llFrequency) override
    {
        if (!m_llFrequency)
            return CEnvironmentSource::QueryPerformanceFrequency(llFrequency);
        llFrequency = *m_llFrequency;
        return *m_llFrequency != 0;
    }
    bool QueryPerformanceCounter(LONGLONG& llCount) override
    {
        if (!m_llFrequency)
            return CEnvironmentSource::QueryPerformanceCounter(llCount);
        llCount = m_llCounter;
        return true;
    }

private:
    CEnvironmentSource* m_pPrevious;
};
