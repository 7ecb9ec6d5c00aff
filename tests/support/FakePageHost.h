// A main frame as the pages see it: a language, the window table, a protocol engine (its own, without a
// port, or the test's), and a window that takes the frame's timers. The pages are created as children of
// a view-sized parent window.
#pragma once

#include "framework/CWnd.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "shell/CEnvironment.h"
#include "shell/CFrameDateTime.h"
#include "shell/CPageHost.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

// A plain window: the view the pages lie on, or the frame whose timers they start.
class CPlainWindow : public CWnd
{
public:
    bool Create(int iWidth, int iHeight)
    {
        return CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 40, 40, iWidth, iHeight, nullptr,
                        nullptr) != FALSE;
    }
    // Whether the timer runs (it is stopped by the check).
    bool TakeTimer(UINT_PTR nIdEvent) { return ::KillTimer(m_hWnd, nIdEvent) != FALSE; }
};

class CFakePageHost : public CPageHost
{
public:
    CFakePageHost() : m_engine(m_ownEngine.emplace()) {}
    CFakePageHost(CComPort& engine, int iLanguage) : m_iLanguage(iLanguage), m_engine(engine) {}

    int m_iLanguage = LANGUAGE_ENGLISH;
    BOOL m_bInitPending = FALSE;
    CWnd* m_pFrame = nullptr;
    std::map<int, CWnd*> m_windows;

    int GetLanguageOffset() override { return m_iLanguage; }
    BOOL IsInitPending() override { return m_bInitPending; }
    BOOL IsSameApplicationVersion() override { return TRUE; }
    bool RegisterPointerDirect(CWnd* pWnd, LPARAM, int iKind) override
    {
        m_windows.emplace(iKind, pWnd);
        return false;
    }
    void UnregisterPointer(CWnd*) override {}
    CWnd* GetRegisteredWindow(int iKind) override
    {
        const auto it = m_windows.find(iKind);
        return it == m_windows.end() ? nullptr : it->second;
    }
    CString FormatDate(int iDay, int iMonth, int iYear) override
    {
        return CFrameDateTime::FormatDate(m_iLanguage, iDay, iMonth, iYear);
    }
    CString FormatTime(__time64_t tTime) override { return CFrameDateTime::FormatTime(m_iLanguage, tTime); }
    CString FormatDuration(long long llSeconds) override
    {
        return CFrameDateTime::FormatDuration(m_iLanguage, llSeconds);
    }
    CString LocalizeDecimalSeparator(const CString& strText) override
    {
        return ::LocalizeDecimalSeparator(m_iLanguage, strText);
    }
    void SetTriggerThresholds(double, double) override {}
    CComPort& GetComPort() override { return m_engine; }
    CEnvironment& GetEnvironment() override { return m_environment; }
    CWnd* GetFrameWindow() override { return m_pFrame; }
    bool TranslateHotKeys(MSG*) override { return false; }

private:
    std::optional<CComPort> m_ownEngine;
    CComPort& m_engine;
    CEnvironment m_environment;
};
