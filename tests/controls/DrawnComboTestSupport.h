// What the drawn combo box tests share: a parent that records the box's notifications, a box that
// records its hooks, key and message helpers, and pictures of windows.
#pragma once

#include "controls/CDrawnComboBox.h"
#include "controls/CDropWnd.h"
#include "support/PumpUntil.h"

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

// The names of the combo-box notifications, as the log keeps them.
inline std::string ComboCodeName(UINT nCode)
{
    switch (nCode)
    {
        case CBN_SELCHANGE:
            return "SELCHANGE";
        case CBN_SETFOCUS:
            return "SETFOCUS";
        case CBN_KILLFOCUS:
            return "KILLFOCUS";
        case CBN_EDITCHANGE:
            return "EDITCHANGE";
        case CBN_EDITUPDATE:
            return "EDITUPDATE";
        case CBN_DROPDOWN:
            return "DROPDOWN";
        case CBN_CLOSEUP:
            return "CLOSEUP";
        case CBN_SELENDOK:
            return "SELENDOK";
        case CBN_SELENDCANCEL:
            return "SELENDCANCEL";
        default:
            return "code " + std::to_string(nCode);
    }
}

using EventLog = std::vector<std::string>;

// Other test programs share the display and take the activation at any moment, which closes an open
// list. The lists of these tests let WM_ACTIVATEAPP through only while a test sends it itself.
inline bool g_bLetActivateAppThrough = false;

inline LRESULT CALLBACK DropWndProcShielded(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_ACTIVATEAPP && !g_bLetActivateAppThrough)
        return 0;
    return AfxWndProc(hWnd, nMsg, wParam, lParam);
}

// A top-level window that logs the combo-box notifications it receives.
class CRecordingParent : public CWnd
{
public:
    explicit CRecordingParent(EventLog& log) : m_log(log) {}

    // The focus notifications are logged only when a test asks: other programs sharing the display
    // take the focus at any moment, and a click gives it back.
    bool m_bLogFocus = false;

    BOOL Create(const CRect& rect)
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                               reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        return CreateEx(0, lpszClass, "Combo test", WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                        rect.Height(), nullptr, nullptr);
    }

    // Only the boxes' notifications: other controls of the tests report too.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        CWnd* pSender = CWnd::FromHandlePermanent(reinterpret_cast<HWND>(lParam));
        if (pSender == nullptr || !pSender->IsKindOf(RUNTIME_CLASS(CDrawnComboBox)))
            return TRUE;
        const UINT nCode = HIWORD(wParam);
        if (m_bLogFocus || (nCode != CBN_SETFOCUS && nCode != CBN_KILLFOCUS))
            m_log.push_back(ComboCodeName(nCode));
        CDropWnd* pDropWnd = static_cast<CDrawnComboBox*>(pSender)->GetDropWnd();
        if (nCode == CBN_DROPDOWN && pDropWnd != nullptr)
            ::SetWindowLongPtrA(pDropWnd->m_hWnd, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(&DropWndProcShielded));
        return TRUE;
    }

private:
    EventLog& m_log;
};

// A box that logs its hooks and lets the tests see its state.
class CTestCombo : public CDrawnComboBox
{
public:
    explicit CTestCombo(EventLog& log, CWnd* pNotifyWnd = nullptr, DWORD dwOptions = ACB_INSET_EDIT)
        : CDrawnComboBox(pNotifyWnd, dwOptions), m_log(log)
    {
    }
    CPoint m_ptPointer{-1000, -1000}; // where the hover test finds the pointer

    void OnEscapeKey() override { m_log.push_back("escape hook"); }
    void OnReturnKey() override { m_log.push_back("return hook"); }

    using CDrawnComboBox::m_bButtonHot;
    using CDrawnComboBox::m_bFocusHighlight;
    using CDrawnComboBox::m_hWndNotify;
    using CDrawnComboBox::m_iCurSel;
    using CDrawnComboBox::m_items;
    using CDrawnComboBox::m_strCurText;

protected:
    CPoint GetPointerPos() const override { return m_ptPointer; }

    // The focus taken by another program sharing the display (the new focus is not in this thread) is
    // not part of these tests: the box does not see its loss.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const bool bFocusLost =
            message == WM_KILLFOCUS || (message == WM_COMMAND && HIWORD(wParam) == EN_KILLFOCUS);
        if (bFocusLost && ::GetFocus() == nullptr)
            return 0;
        return CDrawnComboBox::WindowProc(message, wParam, lParam);
    }

private:
    EventLog& m_log;
};

// Dispatches what is queued now, and what that posts, through the application's pre-translation.
inline void PumpPosted()
{
    PumpUntil([] { return true; });
}

// A key pressed on hWnd as the message loop sees it (pre-translation, then translation into characters).
inline void PressKey(HWND hWnd, UINT nVirtKey, bool bAlt = false)
{
    const LPARAM lParam =
        1 | (LPARAM)::MapVirtualKeyA(nVirtKey, MAPVK_VK_TO_VSC) << 16 | (bAlt ? 1 << 29 : 0);
    ::PostMessageA(hWnd, bAlt ? WM_SYSKEYDOWN : WM_KEYDOWN, nVirtKey, lParam);
    PumpPosted();
}

// Gives pWnd the focus and lets what that posts run; again when another program took the focus meanwhile.
inline bool TakeFocus(CWnd* pWnd)
{
    for (int i = 0; i < 5; ++i)
    {
        pWnd->SetFocus();
        PumpPosted();
        if (::GetFocus() == pWnd->m_hWnd)
            return true;
    }
    return false;
}

inline LPARAM PointParam(int x, int y)
{
    return MAKELPARAM((WORD)(short)x, (WORD)(short)y);
}

// A picture of the top-level windows (in this order, each with its children) over the rectangle rcShot of
// the screen, on a background of COLOR_BTNFACE, as 32-bit rows from the top; saved as a BMP file when
// lpszPath is given. Each window is read from its own context, not from the screen, which other test
// programs share and may cover.
inline std::vector<DWORD> CaptureWindows(const CRect& rcShot, std::initializer_list<HWND> windows,
                                         const char* lpszPath = nullptr)
{
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rcShot.Width();
    bmi.bmiHeader.biHeight = -rcShot.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    const RECT rcAll = {0, 0, rcShot.Width(), rcShot.Height()};
    ::FillRect(hMem, &rcAll, ::GetSysColorBrush(COLOR_BTNFACE));
    for (HWND hWnd : windows)
    {
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        HDC hdcWnd = ::GetWindowDC(hWnd);
        ::BitBlt(hMem, rc.left - rcShot.left, rc.top - rcShot.top, rc.right - rc.left, rc.bottom - rc.top,
                 hdcWnd, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdcWnd);
    }
    ::GdiFlush();
    const size_t nPixels = (size_t)rcShot.Width() * (size_t)rcShot.Height();
    const DWORD* p = static_cast<const DWORD*>(pBits);
    std::vector<DWORD> pixels(p, p + nPixels);
    if (lpszPath != nullptr)
    {
        if (FILE* f = std::fopen(lpszPath, "wb"))
        {
            BITMAPFILEHEADER bfh = {};
            bfh.bfType = 0x4D42;
            bfh.bfOffBits = sizeof(bfh) + sizeof(bmi.bmiHeader);
            bfh.bfSize = bfh.bfOffBits + (DWORD)(nPixels * 4);
            std::fwrite(&bfh, sizeof(bfh), 1, f);
            std::fwrite(&bmi.bmiHeader, sizeof(bmi.bmiHeader), 1, f);
            std::fwrite(pBits, 4, nPixels, f);
            std::fclose(f);
        }
    }
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return pixels;
}

// A pixel of such a picture as COLORREF.
inline COLORREF PixelAt(const std::vector<DWORD>& pixels, int cx, int x, int y)
{
    const DWORD d = pixels[(size_t)y * (size_t)cx + (size_t)x];
    return RGB((d >> 16) & 0xFF, (d >> 8) & 0xFF, d & 0xFF);
}
