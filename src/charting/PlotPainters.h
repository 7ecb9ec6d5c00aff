// The marker painters of the chart, one per MarkerSymbol, and small painting routines on CDCEx.
// (x, y) is the top left corner of a marker's bounding square and nSize its side, before scaling.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CRect.h"

class CDC;
class CDCEx;

enum MarkerSymbol
{
    MARKER_SQUARE = 0,
    MARKER_CIRCLE = 1,
    MARKER_CROSS = 2,
    MARKER_DIAMOND = 3,
    MARKER_TRIANGLE_LEFT = 4,
    MARKER_TRIANGLE_UP = 5,
    MARKER_TRIANGLE_RIGHT = 6,
    MARKER_TRIANGLE_DOWN = 7,
    MARKER_SYMBOL_COUNT = 8
};

// The fifth argument is passed as 0 and not used.
using MarkerPainter = void (*)(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);

void DrawMarkerSquare(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerCircle(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerCross(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerDiamond(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerTriangleLeft(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerTriangleUp(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerTriangleRight(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);
void DrawMarkerTriangleDown(int x, int y, int nSize, COLORREF crColor, int nUnused, CDCEx* pDC);

// The painters in MarkerSymbol order, as the chart keeps them.
extern const MarkerPainter PLOT_MARKER_PAINTERS[MARKER_SYMBOL_COUNT];

// A one-pixel frame through the four corners (the right and bottom edges included).
void DrawFrameRect(CDCEx* pDC, int left, int top, int right, int bottom, COLORREF crColor);
// Style 6 fills the box first; a scaling context uses the nearest colours the device shows.
void DrawFramedBox(CDCEx* pDC, CRect rect, COLORREF crFill, COLORREF crFrame, int nStyle);
// Blends a rectangle of one colour over the context with a constant alpha.
void FillRectAlpha(CDC* pDC, LPCRECT lpRect, COLORREF crColor, BYTE byAlpha);
