// A rectangle shown with a frame, a hatched border and resize handles, by which the user moves and
// sizes an object on screen: hit test, pointer shapes and the interactive drag. The styles combine as
// bits.
#pragma once

#include "framework/CPoint.h"
#include "framework/CRect.h"

class CDC;
class CWnd;

class CRectTracker
{
public:
    enum StyleFlags
    {
        solidLine = 1,
        dottedLine = 2,
        hatchedBorder = 4,
        resizeInside = 8,
        resizeOutside = 16,
        hatchInside = 32
    };

    // Hit test results: the handles 0-7 as GetHandleRect numbers them, then the inside.
    enum TrackerHit
    {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    CRectTracker() = default;
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_rect(lpSrcRect), m_nStyle(nStyle) {}

    // Draws the frame, hatching and handles of m_rect; restores the context's objects and modes.
    void Draw(CDC* pDC) const;
    // The handles' band: m_rect grown by the handle size when they lie outside.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // Handle i (0-7: the corners clockwise from top left, then the edge midpoints top, right, bottom,
    // left); empty when the style has no resize handles.
    CRect GetHandleRect(int nHandle) const;
    // What lies under the point (client coordinates): a handle, the inside or nothing.
    int HitTest(CPoint point) const;
    // Sets the pointer shape of what lies under the pointer in pWnd; FALSE when that is nothing or
    // nHitTest is not the client area.
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    // Moves (from the inside) or resizes (from a handle) the rectangle with the mouse, from the point
    // where the left button went down until it is released. Escape, the right button or a lost
    // capture cancel and restore m_rect. TRUE when the rectangle changed. Without bAllowInvert the
    // result is normalised.
    BOOL Track(CWnd* pWnd, CPoint point, BOOL bAllowInvert = FALSE);
    // m_rect as a drag from hit position nHit by (dx, dy) leaves it.
    static CRect Dragged(const CRect& rcStart, int nHit, int dx, int dy);

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 7;

private:
    void DrawHatchedBorder(CDC* pDC, const CRect& rect) const;
    // Inverts the focus frame of rect on the window (drawn twice it is gone).
    static void DrawTrackerFrame(CWnd* pWnd, const CRect& rect);
};
