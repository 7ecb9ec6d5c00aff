// Turns a page's drawing state into GDI calls: the state's text into its rectangle with a font of its size,
// face and style bits; lines and boxes with a pen of its style in the context's text colour; shading with
// a stock brush.
#pragma once

#include "framework/AfxWin32.h"

struct PageState;

class CPrinter
{
public:
    virtual ~CPrinter() = default;
    // The rectangle the state's text needs, without the page-width limit and without drawing, into
    // lastRect, lastRight and the text metrics; returns (int)(pointSize x dSpacing).
    virtual int MeasureText(PageState& state, double dSpacing);
    // Draws the state's text into (left, top, right, bottom), the right edge kept inside the page, and
    // records the rectangle it needed as MeasureText does. An empty text draws nothing and returns twice the
    // point size.
    virtual int RenderText(PageState& state, double dSpacing);
    // A line from (left, top) to (right, bottom).
    virtual void RenderLine(PageState& state, int nWidth);
    // The outline of the state's rectangle, filled with its shading.
    virtual void RenderBox(PageState& state, int nWidth);
    // The state's rectangle filled with its shading, no outline.
    virtual void RenderFill(PageState& state);

    // The stock brush of a shading; the hollow brush for none.
    static HBRUSH ShadingBrush(int nFillFlags);
    // DrawText flags of the text style bits.
    static UINT DrawFormat(int nTextFlags);
    // The pen style of line bits; a box knows only dashed and dotted.
    static int PenStyle(int nLineFlags, bool bBox);

private:
    int LayOutText(PageState& state, double dSpacing, bool bDraw);
};
