// A device context that can scale its coordinates from the screen's resolution to a printer's, and
// knows whether its target has fewer than 256 colours. The scaled operations hide the CDC operations
// of the same name; they scale only while m_bScaling is set. The handle is attached by the user.
#pragma once

#include "framework/CDC.h"

class CDCEx : public CDC
{
public:
    CDCEx() = default;
    ~CDCEx() override = default;

    // Factors (never below 1) and the colour-depth flag for a target, against the main window's screen.
    void ComputeScaleFactors(HDC hDC);
    // Larger resolution over smaller; 1 for a zero or tiny result.
    static float ScaleFactor(int nScreenDpi, int nTargetDpi);
    // NUMCOLORS of a device: a colour table of fewer than 256 entries (-1 means more colours).
    static bool IsMonochromeColorCount(int nNumColors) { return nNumColors >= 0 && nNumColors < 256; }

    // Unconditional in-place scaling; computes the factors for the output handle on first need.
    void ScaleRect(CRect& rect);
    void ScalePoint(CPoint& point);
    void ScaleXY(int& x, int& y);

    using CDC::DrawText;
    using CDC::Ellipse;
    using CDC::FillSolidRect;
    using CDC::LineTo;
    using CDC::MoveTo;
    using CDC::Rectangle;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL PolyPolyline(const POINT* lpPoints, const DWORD* lpCounts, int nPolylines);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    // With DT_CALCRECT the caller's rectangle is scaled and then receives the computed one.
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    void FillSolidRect(LPCRECT lpRect, COLORREF crColor);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF crColor);

    COLORREF SetBkColor(COLORREF crColor) override { return CDC::SetBkColor(crColor); }
    COLORREF SetTextColor(COLORREF crColor) override { return CDC::SetTextColor(crColor); }

    bool m_bScaleComputed = false;
    bool m_bMonochrome = false;
    bool m_bScaling = false;
    bool m_bPreview = false;
    float m_fScaleX = 1.0f;
    float m_fScaleY = 1.0f;

private:
    void EnsureScaleFactors();
    void ScaleLongs(LONG& x, LONG& y);
    // A copy, scaled when m_bScaling is set.
    CRect Scaled(LPCRECT lpRect);
    // Calls draw(points) with the points, or with a scaled copy when m_bScaling is set.
    template <class Draw> BOOL WithScaledPoints(const POINT* lpPoints, size_t nCount, Draw draw);
};
