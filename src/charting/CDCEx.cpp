#include "charting/CDCEx.h"

#include "framework/CBrush.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace
{
// The coordinate times the factor, truncated toward zero and kept within the int range.
int ScaleCoord(int v, float fFactor)
{
    const double d = static_cast<double>(v) * fFactor;
    return static_cast<int>(std::clamp(d, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}
} // namespace

float CDCEx::ScaleFactor(int nScreenDpi, int nTargetDpi)
{
    const int nLarge = std::max(nScreenDpi, nTargetDpi);
    const int nSmall = std::min(nScreenDpi, nTargetDpi);
    const float f = nSmall > 0 ? static_cast<float>(nLarge) / static_cast<float>(nSmall) : 0.0f;
    return f < 1e-10f ? 1.0f : f;
}

void CDCEx::ComputeScaleFactors(HDC hDC)
{
    CWnd* pMain = AfxGetMainWnd();
    const HWND hMain = pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;
    const HDC hScreen = ::GetDC(hMain);
    m_fScaleX = ScaleFactor(::GetDeviceCaps(hScreen, LOGPIXELSX), ::GetDeviceCaps(hDC, LOGPIXELSX));
    m_fScaleY = ScaleFactor(::GetDeviceCaps(hScreen, LOGPIXELSY), ::GetDeviceCaps(hDC, LOGPIXELSY));
    m_bMonochrome = IsMonochromeColorCount(::GetDeviceCaps(hDC, NUMCOLORS));
    m_bScaleComputed = true;
    ::ReleaseDC(hMain, hScreen);
}

void CDCEx::EnsureScaleFactors()
{
    if (!m_bScaleComputed)
        ComputeScaleFactors(m_hDC);
}

void CDCEx::ScaleXY(int& x, int& y)
{
    EnsureScaleFactors();
    x = ScaleCoord(x, m_fScaleX);
    y = ScaleCoord(y, m_fScaleY);
}

void CDCEx::ScaleLongs(LONG& x, LONG& y)
{
    int nX = x, nY = y;
    ScaleXY(nX, nY);
    x = nX;
    y = nY;
}

void CDCEx::ScalePoint(CPoint& point)
{
    ScaleLongs(point.x, point.y);
}

void CDCEx::ScaleRect(CRect& rect)
{
    ScaleLongs(rect.left, rect.top);
    ScaleLongs(rect.right, rect.bottom);
}

CRect CDCEx::Scaled(LPCRECT lpRect)
{
    CRect rect(lpRect);
    if (m_bScaling)
        ScaleRect(rect);
    return rect;
}

CPoint CDCEx::MoveTo(int x, int y)
{
    if (m_bScaling)
        ScaleXY(x, y);
    return CDC::MoveTo(x, y);
}

BOOL CDCEx::LineTo(int x, int y)
{
    if (m_bScaling)
        ScaleXY(x, y);
    return CDC::LineTo(x, y);
}

void CDCEx::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    const CRect rect = Scaled(lpRect);
    CDC::FillRect(rect, pBrush);
}

void CDCEx::DrawFocusRect(LPCRECT lpRect)
{
    const CRect rect = Scaled(lpRect);
    CDC::DrawFocusRect(rect);
}

BOOL CDCEx::Ellipse(int x1, int y1, int x2, int y2)
{
    const CRect rect(x1, y1, x2, y2);
    return Ellipse(&rect);
}

BOOL CDCEx::Ellipse(LPCRECT lpRect)
{
    const CRect rect = Scaled(lpRect);
    return CDC::Ellipse(rect);
}

template <class Draw> BOOL CDCEx::WithScaledPoints(const POINT* lpPoints, size_t nCount, Draw draw)
{
    if (!m_bScaling || nCount == 0)
        return draw(lpPoints);
    std::vector<POINT> points(lpPoints, lpPoints + nCount);
    for (POINT& pt : points)
        ScaleLongs(pt.x, pt.y);
    return draw(points.data());
}

BOOL CDCEx::Polygon(const POINT* lpPoints, int nCount)
{
    return WithScaledPoints(lpPoints, nCount > 0 ? nCount : 0,
                            [&](const POINT* p) { return CDC::Polygon(p, nCount); });
}

BOOL CDCEx::PolyPolyline(const POINT* lpPoints, const DWORD* lpCounts, int nPolylines)
{
    size_t nPoints = 0;
    for (int i = 0; i < nPolylines; ++i)
        nPoints += lpCounts[i];
    return WithScaledPoints(lpPoints, nPoints,
                            [&](const POINT* p) { return ::PolyPolyline(m_hDC, p, lpCounts, nPolylines); });
}

BOOL CDCEx::Rectangle(int x1, int y1, int x2, int y2)
{
    const CRect rect(x1, y1, x2, y2);
    return Rectangle(&rect);
}

BOOL CDCEx::Rectangle(LPCRECT lpRect)
{
    const CRect rect = Scaled(lpRect);
    return CDC::Rectangle(rect);
}

int CDCEx::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    if (!m_bScaling)
        return CDC::DrawText(str, lpRect, nFormat);
    if ((nFormat & DT_CALCRECT) != 0)
    {
        CRect rect(lpRect);
        ScaleRect(rect);
        *lpRect = rect;
        return CDC::DrawText(str, lpRect, nFormat);
    }
    CRect rect = Scaled(lpRect);
    return CDC::DrawText(str, rect, nFormat);
}

void CDCEx::FillSolidRect(LPCRECT lpRect, COLORREF crColor)
{
    const CRect rect = Scaled(lpRect);
    CDC::FillSolidRect(rect, crColor);
}

void CDCEx::FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor)
{
    if (m_bScaling)
    {
        ScaleXY(x, y);
        ScaleXY(cx, cy);
    }
    CDC::FillSolidRect(x, y, cx, cy, crColor);
}
