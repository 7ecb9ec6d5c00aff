// Answers modal loops (dialogs run with DoModal, tracked popup menus) from a thread timer, which those
// loops dispatch: each step waits for a window of this thread with its caption (a popup menu: the
// caption MENU) and then runs its action on it, once. The steps run in order.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <deque>
#include <functional>
#include <utility>

class ModalScript
{
public:
    static constexpr const char* MENU = "#menu";

    ModalScript() { s_nTimer = ::SetTimer(nullptr, 0, 15, OnTimer); }
    ~ModalScript()
    {
        ::KillTimer(nullptr, s_nTimer);
        Steps().clear();
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Runs action(hWnd) when a window with this caption is shown.
    void Then(const char* pszCaption, std::function<void(HWND)> action)
    {
        Steps().emplace_back(pszCaption, std::move(action));
    }
    bool Done() const { return Steps().empty(); }

    // Chooses the first entry of the popup menu being tracked.
    static void ChooseFirstMenuEntry(HWND hWndMenu)
    {
        ::PostMessageA(hWndMenu, WM_KEYDOWN, VK_DOWN, 0);
        ::PostMessageA(hWndMenu, WM_KEYDOWN, VK_RETURN, 0);
    }

private:
    using Step = std::pair<CString, std::function<void(HWND)>>;
    static std::deque<Step>& Steps()
    {
        static std::deque<Step> steps;
        return steps;
    }
    static inline UINT_PTR s_nTimer = 0;
    static inline bool s_bRunning = false;

    static BOOL CALLBACK FindWindowProc(HWND hWnd, LPARAM lParam)
    {
        auto* pFound = reinterpret_cast<std::pair<const CString*, HWND>*>(lParam);
        if (!::IsWindowVisible(hWnd))
            return TRUE;
        char szText[128] = {};
        if (*pFound->first == MENU)
            ::GetClassNameA(hWnd, szText, sizeof(szText));
        else
            ::GetWindowTextA(hWnd, szText, sizeof(szText));
        if (*pFound->first == MENU ? CString(szText) == "#32768" : CString(szText) == *pFound->first)
        {
            pFound->second = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_bRunning || Steps().empty())
            return;
        std::pair<const CString*, HWND> found{&Steps().front().first, nullptr};
        ::EnumThreadWindows(::GetCurrentThreadId(), FindWindowProc, reinterpret_cast<LPARAM>(&found));
        if (found.second == nullptr)
            return;
        auto action = std::move(Steps().front().second);
        Steps().pop_front();
        s_bRunning = true;
        action(found.second);
        s_bRunning = false;
    }
};
