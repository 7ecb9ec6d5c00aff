// A width and a height (Win32 SIZE).
#pragma once

#include "framework/AfxTypes.h"

class CSize : public SIZE
{
public:
    CSize() : SIZE{0, 0} {}
    CSize(int initCX, int initCY) : SIZE{initCX, initCY} {}
    CSize(SIZE initSize) : SIZE(initSize) {}
    explicit CSize(POINT initPt) : SIZE{initPt.x, initPt.y} {}

    void SetSize(int CX, int CY)
    {
        cx = CX;
        cy = CY;
    }

    bool operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(SIZE size) const { return !(*this == size); }
    void operator+=(SIZE size)
    {
        cx += size.cx;
        cy += size.cy;
    }
    void operator-=(SIZE size)
    {
        cx -= size.cx;
        cy -= size.cy;
    }
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};
