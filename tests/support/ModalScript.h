// Answers modal loops (dialogs run with DoModal, tracked popup menus) from a thread timer, which those
// loops dispatch: each step waits for a window of this thread with its caption (a popup menu: the
// caption MENU) and then runs its action on it, once. The steps run in order. 10 seconds after the
// script began, steps still waiting are dropped and the menu and dialogs of the thread are cancelled,
// so a test that leaves a modal loop open fails instead of hanging.
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

    ModalScript()
    {
        s_tDeadline = ::GetTickCount64() + 10000;
        s_bGaveUp = false;
        s_nTimer = ::SetTimer(nullptr, 0, 15, OnTimer);
    }
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
    // Every step ran.
    bool Done() const { return Steps().empty() && !s_bGaveUp; }

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
    static inline ULONGLONG s_tDeadline = 0;
    static inline bool s_bGaveUp = false;

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
    static BOOL CALLBACK CancelDialogProc(HWND hWnd, LPARAM)
    {
        char szClass[16] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (::IsWindowVisible(hWnd) && CString(szClass) == "#32770")
            ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    static void GiveUp()
    {
        s_bGaveUp = true;
        Steps().clear();
        ::EndMenu();
        ::EnumThreadWindows(::GetCurrentThreadId(), CancelDialogProc, 0);
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_bRunning || s_bGaveUp)
            return;
        if (::GetTickCount64() > s_tDeadline)
        {
            GiveUp();
            return;
        }
        if (Steps().empty())
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
