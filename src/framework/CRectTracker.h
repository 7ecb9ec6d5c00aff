// A rectangle shown with a frame, a hatched border and resize handles, as used for moving and sizing
// an object on screen. Only the drawing is here; the styles combine as bits.
#pragma once

#include "framework/CRect.h"

class CDC;

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

    CRectTracker() = default;
    CRectTracker(LPCRECT lpSrcRect, UINT nStyle) : m_rect(lpSrcRect), m_nStyle(nStyle) {}

    // Draws the frame, hatching and handles of m_rect; restores the context's objects and modes.
    void Draw(CDC* pDC) const;
    // The handles' band: m_rect grown by the handle size when they lie outside.
    void GetTrueRect(LPRECT lpTrueRect) const;
    // Handle i (0-7: the corners clockwise from top left, then the edge midpoints top, right, bottom,
    // left); empty when the style has no resize handles.
    CRect GetHandleRect(int nHandle) const;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 7;

private:
    void DrawHatchedBorder(CDC* pDC, const CRect& rect) const;
};
