// A test picture written as the environment layer writes bitmaps: its left half one colour, its right
// half another.
#pragma once

#include "framework/CDC.h"
#include "shell/CEnvironment.h"

inline bool WriteTwoColourPicture(const CString& strPath, int cx, int cy, COLORREF crLeft, COLORREF crRight)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    CDC::FromHandle(hMem)->FillSolidRect(0, 0, cx / 2, cy, crLeft);
    CDC::FromHandle(hMem)->FillSolidRect(cx / 2, 0, cx - cx / 2, cy, crRight);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    const bool bWritten = CEnvironment::SaveBitmapToFile(nullptr, strPath, hBitmap);
    ::DeleteObject(hBitmap);
    return bWritten;
}
