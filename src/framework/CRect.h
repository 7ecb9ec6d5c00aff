// A rectangle (Win32 RECT): left and top inside, right and bottom just outside.
#pragma once

#include "framework/CPoint.h"

class CRect : public RECT
{
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& srcRect) : RECT(srcRect) {}
    CRect(LPCRECT lpSrcRect) : RECT(*lpSrcRect) {}
    CRect(POINT point, SIZE size) : RECT{point.x, point.y, point.x + size.cx, point.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    CRect& operator=(const RECT& srcRect)
    {
        RECT::operator=(srcRect);
        return *this;
    }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    // The corners as points of this rectangle (writing through them moves the corner).
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (width or height not positive). Null: all four coordinates 0.
    BOOL IsRectEmpty() const;
    BOOL IsRectNull() const;
    BOOL PtInRect(POINT point) const;

    void SetRect(int x1, int y1, int x2, int y2);
    void SetRectEmpty();

    void OffsetRect(int x, int y);
    void OffsetRect(POINT point);
    void OffsetRect(SIZE size);
    void InflateRect(int x, int y);
    void InflateRect(SIZE size);
    void InflateRect(LPCRECT lpRect);
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int x, int y);
    void DeflateRect(SIZE size);
    void DeflateRect(LPCRECT lpRect);
    void DeflateRect(int l, int t, int r, int b);
    // Swaps the coordinates so that left <= right and top <= bottom.
    void NormalizeRect();

    // The overlap of the two; empty (all 0) and FALSE when they do not overlap.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2);
    // The smallest rectangle holding both; empty rectangles are ignored.
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2);

    bool operator==(const RECT& rect) const;
    bool operator!=(const RECT& rect) const { return !(*this == rect); }
    void operator+=(POINT point) { OffsetRect(point); }
    void operator+=(SIZE size) { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT point) const;
    CRect operator-(POINT point) const;
    CRect operator+(SIZE size) const;
    CRect operator-(SIZE size) const;
    CRect operator+(LPCRECT lpRect) const;
    CRect operator-(LPCRECT lpRect) const;
    CRect operator&(const RECT& rect) const;
    CRect operator|(const RECT& rect) const;
};
