#include "charting/PlotPainters.h"

#include "charting/CBrushSelector.h"
#include "charting/CDCEx.h"
#include "charting/CPenSelector.h"
#include "framework/CBitmap.h"

#include <array>

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);

COLORREF FillColor(const CDCEx* pDC, COLORREF crColor)
{
    return pDC->m_bMonochrome ? kBlack : crColor;
}

// A filled shape: black outline, fill in the marker colour; both restored, the brush first.
template <size_t N> void FillPolygon(const std::array<POINT, N>& points, COLORREF crColor, CDCEx* pDC)
{
    CPenSelector pen(kBlack, 1, pDC, PS_SOLID);
    CBrushSelector brush(FillColor(pDC, crColor), pDC);
    pDC->Polygon(points.data(), static_cast<int>(N));
}
} // namespace

const MarkerPainter PLOT_MARKER_PAINTERS[MARKER_SYMBOL_COUNT] = {
    DrawMarkerSquare,       DrawMarkerCircle,     DrawMarkerCross,         DrawMarkerDiamond,
    DrawMarkerTriangleLeft, DrawMarkerTriangleUp, DrawMarkerTriangleRight, DrawMarkerTriangleDown};

void DrawMarkerSquare(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    CPenSelector pen(kBlack, 1, pDC, PS_SOLID);
    CBrushSelector brush(FillColor(pDC, crColor), pDC);
    pDC->Rectangle(x, y, x + s, y + s);
}

void DrawMarkerCircle(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    CPenSelector pen(kBlack, 1, pDC, PS_SOLID);
    CBrushSelector brush(FillColor(pDC, crColor), pDC);
    pDC->Ellipse(x, y, x + s, y + s);
}

void DrawMarkerCross(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    CPenSelector pen(FillColor(pDC, crColor), 2, pDC, PS_SOLID);
    pDC->MoveTo(x, y);
    pDC->LineTo(x + s, y + s);
    pDC->MoveTo(x + s, y);
    pDC->LineTo(x, y + s);
}

void DrawMarkerDiamond(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    const int h = s / 2;
    FillPolygon(std::array<POINT, 4>{{{x + h, y}, {x + s, y + h}, {x + h, y + s}, {x, y + h}}}, crColor, pDC);
}

void DrawMarkerTriangleLeft(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    const int h = s / 2;
    FillPolygon(std::array<POINT, 3>{{{x + s - 1, y}, {x, y + h}, {x + s - 1, y + s}}}, crColor, pDC);
}

void DrawMarkerTriangleUp(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    const int h = s / 2;
    FillPolygon(std::array<POINT, 3>{{{x + h, y}, {x + s, y + s}, {x, y + s}}}, crColor, pDC);
}

void DrawMarkerTriangleRight(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    const int h = s / 2;
    FillPolygon(std::array<POINT, 3>{{{x, y}, {x + s, y + h}, {x, y + s}}}, crColor, pDC);
}

void DrawMarkerTriangleDown(int x, int y, int s, COLORREF crColor, int, CDCEx* pDC)
{
    const int h = s / 2;
    FillPolygon(std::array<POINT, 3>{{{x, y}, {x + s, y}, {x + h, y + s}}}, crColor, pDC);
}

void DrawFrameRect(CDCEx* pDC, int left, int top, int right, int bottom, COLORREF crColor)
{
    CPenSelector pen(crColor, 1, pDC, PS_SOLID);
    pDC->MoveTo(left, top);
    pDC->LineTo(right, top);
    pDC->LineTo(right, bottom);
    pDC->LineTo(left, bottom);
    pDC->LineTo(left, top);
}

void DrawFramedBox(CDCEx* pDC, CRect rect, COLORREF crFill, COLORREF crFrame, int nStyle)
{
    if (pDC->m_bScaling)
    {
        crFill = pDC->GetNearestColor(crFill);
        crFrame = pDC->GetNearestColor(crFrame);
    }
    if (nStyle == 6)
        pDC->FillSolidRect(rect, crFill);
    DrawFrameRect(pDC, rect.left, rect.top, rect.right, rect.bottom, crFrame);
}

void FillRectAlpha(CDC* pDC, LPCRECT lpRect, COLORREF crColor, BYTE byAlpha)
{
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(pDC) ||
        !bitmap.CreateCompatibleBitmap(pDC, rcClip.Width(), rcClip.Height()))
        return;
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    // The bitmap covers the clip box, in the same logical coordinates as the target.
    dcMem.SetWindowOrg(rcClip.left, rcClip.top);
    dcMem.FillSolidRect(lpRect, crColor);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, byAlpha, 0};
    const int cx = lpRect->right - lpRect->left;
    const int cy = lpRect->bottom - lpRect->top;
    pDC->AlphaBlend(lpRect->left, lpRect->top, cx, cy, &dcMem, lpRect->left, lpRect->top, cx, cy, blend);
    dcMem.SelectObject(pOld);
}
