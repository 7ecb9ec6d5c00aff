#include "framework/CRect.h"

#include <utility>

BOOL CRect::IsRectEmpty() const
{
    return ::IsRectEmpty(this);
}

BOOL CRect::IsRectNull() const
{
    return left == 0 && top == 0 && right == 0 && bottom == 0;
}

BOOL CRect::PtInRect(POINT point) const
{
    return ::PtInRect(this, point);
}

void CRect::SetRect(int x1, int y1, int x2, int y2)
{
    ::SetRect(this, x1, y1, x2, y2);
}

void CRect::SetRectEmpty()
{
    ::SetRectEmpty(this);
}

void CRect::OffsetRect(int x, int y)
{
    ::OffsetRect(this, x, y);
}

void CRect::OffsetRect(POINT point)
{
    ::OffsetRect(this, point.x, point.y);
}

void CRect::OffsetRect(SIZE size)
{
    ::OffsetRect(this, size.cx, size.cy);
}

void CRect::InflateRect(int x, int y)
{
    ::InflateRect(this, x, y);
}

void CRect::InflateRect(SIZE size)
{
    ::InflateRect(this, size.cx, size.cy);
}

void CRect::InflateRect(LPCRECT lpRect)
{
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}

void CRect::DeflateRect(int x, int y)
{
    ::InflateRect(this, -x, -y);
}

void CRect::DeflateRect(SIZE size)
{
    ::InflateRect(this, -size.cx, -size.cy);
}

void CRect::DeflateRect(LPCRECT lpRect)
{
    DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

void CRect::DeflateRect(int l, int t, int r, int b)
{
    InflateRect(-l, -t, -r, -b);
}

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::IntersectRect(this, lpRect1, lpRect2);
}

BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::UnionRect(this, lpRect1, lpRect2);
}

bool CRect::operator==(const RECT& rect) const
{
    return left == rect.left && top == rect.top && right == rect.right && bottom == rect.bottom;
}

CRect CRect::operator+(POINT point) const
{
    CRect rect(*this);
    rect.OffsetRect(point);
    return rect;
}

CRect CRect::operator-(POINT point) const
{
    CRect rect(*this);
    rect.OffsetRect(-point.x, -point.y);
    return rect;
}

CRect CRect::operator+(SIZE size) const
{
    CRect rect(*this);
    rect.OffsetRect(size);
    return rect;
}

CRect CRect::operator-(SIZE size) const
{
    CRect rect(*this);
    rect.OffsetRect(-size.cx, -size.cy);
    return rect;
}

CRect CRect::operator+(LPCRECT lpRect) const
{
    CRect rect(*this);
    rect.InflateRect(lpRect);
    return rect;
}

CRect CRect::operator-(LPCRECT lpRect) const
{
    CRect rect(*this);
    rect.DeflateRect(lpRect);
    return rect;
}

CRect CRect::operator&(const RECT& rect) const
{
    CRect result;
    result.IntersectRect(this, &rect);
    return result;
}

CRect CRect::operator|(const RECT& rect) const
{
    CRect result;
    result.UnionRect(this, &rect);
    return result;
}
