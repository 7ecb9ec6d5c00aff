// Saves what the screen of this Wine session shows as a BMP file, read through the screen's device
// context as the test programs take their screenshots (an X capture of the display shows menus, message
// boxes and dialogs opened later as black areas). The picture covers the visible top-level windows, or
// the whole screen when there are none.
//   screenshot.exe FILE.bmp
#include "framework/AfxDib.h"

#include <cstdio>

namespace
{
BOOL CALLBACK UniteVisibleWindow(HWND hWnd, LPARAM lParam)
{
    RECT rc = {};
    if (::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rc) && !::IsRectEmpty(&rc))
    {
        auto* prcUnion = reinterpret_cast<RECT*>(lParam);
        ::UnionRect(prcUnion, prcUnion, &rc);
    }
    return TRUE;
}

RECT CaptureArea()
{
    const RECT rcScreen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                           ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    RECT rcWindows = {};
    ::EnumWindows(UniteVisibleWindow, reinterpret_cast<LPARAM>(&rcWindows));
    RECT rcArea = {};
    return ::IntersectRect(&rcArea, &rcWindows, &rcScreen) ? rcArea : rcScreen;
}

bool SaveScreen(const char* pszPath)
{
    const RECT rc = CaptureArea();
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    const bool bCopied =
        hBitmap != nullptr && ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    const bool bSaved = bCopied && AfxSaveBitmapAsDib(nullptr, pszPath, hBitmap, AfxDibColourTable::None);
    ::DeleteObject(hBitmap);
    return bSaved;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: screenshot.exe FILE.bmp\n");
        return 2;
    }
    if (!SaveScreen(argv[1]))
    {
        std::fprintf(stderr, "screenshot.exe: cannot copy the screen to %s (error %lu)\n", argv[1],
                     ::GetLastError());
        return 1;
    }
    return 0;
}
