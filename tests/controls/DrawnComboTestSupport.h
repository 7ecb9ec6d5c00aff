// What the drawn combo box tests share: a parent that records the box's notifications, a box that
// records its hooks, key and message helpers, and a screen capture.
#pragma once

#include "controls/CDrawnComboBox.h"
#include "support/PumpUntil.h"

#include <cstdio>
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

// A top-level window that logs the combo-box notifications it receives.
class CRecordingParent : public CWnd
{
public:
    explicit CRecordingParent(EventLog& log) : m_log(log) {}

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
        if (pSender != nullptr && pSender->IsKindOf(RUNTIME_CLASS(CDrawnComboBox)))
            m_log.push_back(ComboCodeName(HIWORD(wParam)));
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
    void OnEscapeKey() override { m_log.push_back("escape hook"); }
    void OnReturnKey() override { m_log.push_back("return hook"); }

    using CDrawnComboBox::m_bButtonHot;
    using CDrawnComboBox::m_bFocusHighlight;
    using CDrawnComboBox::m_hWndNotify;
    using CDrawnComboBox::m_iCurSel;
    using CDrawnComboBox::m_items;
    using CDrawnComboBox::m_strCurText;

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

inline LPARAM PointParam(int x, int y)
{
    return MAKELPARAM((WORD)(short)x, (WORD)(short)y);
}

// The screen's pixels of rect, as 32-bit rows from the top; saved as a BMP file when lpszPath is given.
inline std::vector<DWORD> CaptureScreen(const CRect& rect, const char* lpszPath = nullptr)
{
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rect.Width();
    bmi.bmiHeader.biHeight = -rect.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rect.Width(), rect.Height(), hScreen, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    const size_t nPixels = (size_t)rect.Width() * (size_t)rect.Height();
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

// A screen pixel as the capture holds it, as COLORREF.
inline COLORREF PixelAt(const std::vector<DWORD>& pixels, int cx, int x, int y)
{
    const DWORD d = pixels[(size_t)y * (size_t)cx + (size_t)x];
    return RGB((d >> 16) & 0xFF, (d >> 8) & 0xFF, d & 0xFF);
}
