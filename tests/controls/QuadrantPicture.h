// A test picture in four coloured quadrants: red, blue above; green, yellow below.
#pragma once

#include "framework/AfxWin32.h"

#include <vector>

constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF GREEN = RGB(0, 255, 0);
constexpr COLORREF YELLOW = RGB(255, 255, 0);

inline HBITMAP MakeQuadrantBitmap(int cx, int cy)
{
    std::vector<DWORD> bits((size_t)cx * cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const COLORREF c = y < cy / 2 ? (x < cx / 2 ? RED : BLUE) : (x < cx / 2 ? GREEN : YELLOW);
            bits[(size_t)y * cx + x] = RGB(GetBValue(c), GetGValue(c), GetRValue(c));
        }
    return ::CreateBitmap(cx, cy, 1, 32, bits.data());
}
