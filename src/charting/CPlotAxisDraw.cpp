// CPlotAxis: drawing and the measures taken from the label sizes.
#include "charting/CPlotAxis.h"

#include "charting/CBrushSelector.h"
#include "charting/CDCEx.h"
#include "charting/CFontSelector.h"
#include "charting/CPenSelector.h"
#include "charting/CPlotHost.h"
#include "charting/CQuickFont.h"
#include "charting/PlotText.h"
#include "framework/CBrush.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr double kTickTolerance = 1e-9; // in steps: an end this close counts as reached
constexpr int kMaxDecades = 400;        // 1e-16 to beyond the largest double

// Intervals the step divides the span into, or -1 when no tick is drawn: a step that is not a positive
// finite number, or one finer than a pixel of the room the ticks have.
double TickIntervals(double dSpan, double dStep, double dRoom)
{
    if (!std::isfinite(dStep) || !(dStep > 0) || !std::isfinite(dSpan) || dSpan < 0)
        return -1;
    const double dIntervals = dSpan / dStep;
    return dIntervals <= std::max(dRoom, 1.0) ? dIntervals : -1;
}

CSize MeasureText(CDC* pDC, CFont* pFont, const CString& str)
{
    CFont* pOld = pDC->SelectObject(pFont);
    const CSize size = GetMultiLineTextExtent(pDC, str);
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
    return size;
}

// The bold Arial on a transparent background in which bands and marker lines write, for one scope.
class MarkTextScope
{
public:
    explicit MarkTextScope(CDCEx* pDC)
        : m_font("Arial", 12, FW_BOLD, false), m_select(&m_font, pDC, true), m_pDC(pDC),
          m_nOldMode(pDC->SetBkMode(TRANSPARENT))
    {
    }
    ~MarkTextScope() { m_pDC->SetBkMode(m_nOldMode); }
    MarkTextScope(const MarkTextScope&) = delete;
    MarkTextScope& operator=(const MarkTextScope&) = delete;

private:
    CQuickFont m_font;
    CFontSelector m_select;
    CDCEx* m_pDC;
    int m_nOldMode;
};

int ClampPixel(int v, int nLow, int nHigh)
{
    return std::max(nLow, std::min(v, nHigh));
}
} // namespace

COLORREF CPlotAxis::InnerAreaColor() const
{
    return m_pGraph != nullptr ? m_pGraph->GetInnerAreaColor() : ::GetSysColor(COLOR_APPWORKSPACE);
}

// ---------------------------------------------------------------------------------------------------
// Measures

int CPlotAxis::GetMaxLabelWidth(CDC* pDC)
{
    const int nMin = static_cast<int>(MeasureText(pDC, &m_Font, GetLabelText(m_dMin, true)).cx * 1.4);
    const int nMax = static_cast<int>(MeasureText(pDC, &m_Font, GetLabelText(m_dMax, true)).cx * 1.4);
    return std::max(nMin, nMax) + m_iTickLength;
}

int CPlotAxis::GetLabelHeight(CDC* pDC)
{
    return MeasureText(pDC, &m_Font, GetLabelText(m_dRangeMin, true)).cy + m_iTickLength;
}

CSize CPlotAxis::GetTitleSize(CDC* pDC)
{
    return MeasureText(pDC, &m_TitleFont, m_strTitle);
}

std::vector<int> CPlotAxis::LegendCurves() const
{
    std::vector<int> curves;
    if (m_pGraph == nullptr)
        return curves;
    const int nAxis = m_pGraph->GetAxisIndex(this);
    for (int i = 0; i < m_pGraph->GetCurveCount(); ++i)
    {
        PlotCurveInfo curve;
        if (m_pGraph->GetCurveInfo(i, curve) && curve.bVisible &&
            (IsYAxis() ? curve.iYAxis : curve.iXAxis) == nAxis)
            curves.push_back(i);
    }
    return curves;
}

int CPlotAxis::CurveLegendSize() const
{
    if (!m_bCurveLegend)
        return 0;
    const int n = static_cast<int>(LegendCurves().size());
    const int s = m_iLegendMarkerSize;
    return IsYAxis() ? s * ((n + 2) / 3) : s * (1 + (n + 1) / 2);
}

void CPlotAxis::ReserveFarEnd(CDCEx* pDC, bool bTitleLater)
{
    m_dTickSpace = (IsYAxis() ? 2.0 : 4.0) * m_iArrowSize;
    m_dLegendSize = DrawCurveLegend(pDC, false);
    if (!bTitleLater && !m_strTitle.IsEmpty())
    {
        const CSize size = GetTitleSize(pDC);
        m_dTickSpace += IsYAxis() ? size.cy : size.cx;
    }
}

// ---------------------------------------------------------------------------------------------------
// The axis

void CPlotAxis::Draw(CDCEx* pDC)
{
    DrawVisibleOrMeasure(pDC, m_bLinear ? &CPlotAxis::DrawLinear : &CPlotAxis::DrawLogarithmic);
}

void CPlotAxis::DrawLog(CDCEx* pDC)
{
    DrawVisibleOrMeasure(pDC, &CPlotAxis::DrawLogarithmic);
}

void CPlotAxis::DrawVisibleOrMeasure(CDCEx* pDC, void (CPlotAxis::*pfnDraw)(CDCEx*))
{
    if (m_bVisible)
    {
        (this->*pfnDraw)(pDC);
        return;
    }
    CDCEx dcHidden;
    dcHidden.CreateCompatibleDC(pDC);
    dcHidden.m_bScaleComputed = pDC->m_bScaleComputed;
    dcHidden.m_bMonochrome = pDC->m_bMonochrome;
    dcHidden.m_bScaling = pDC->m_bScaling;
    dcHidden.m_bPreview = pDC->m_bPreview;
    dcHidden.m_fScaleX = pDC->m_fScaleX;
    dcHidden.m_fScaleY = pDC->m_fScaleY;
    (this->*pfnDraw)(&dcHidden);
}

void CPlotAxis::DrawLinear(CDCEx* pDC)
{
    if (m_bAutoScale)
        AutoScale(pDC);
    m_dSpan = m_dMax - m_dMin;
    ReserveFarEnd(pDC, false);
    const CRect rcPlot = PlotRect();
    int nTop = 0, nRight = 0;
    double dRoom, dFirst;
    if (IsYAxis())
    {
        nTop = static_cast<int>(m_rcArea.top + m_dLegendSize);
        m_iLength = rcPlot.bottom - static_cast<int>(rcPlot.top + m_dTickSpace + m_dLegendSize);
        dRoom = m_iOriginY - nTop - m_dTickSpace;
        dFirst = m_iOriginY;
    }
    else
    {
        nRight = static_cast<int>(rcPlot.right - m_dLegendSize);
        dRoom = nRight - m_iOriginX - m_dTickSpace;
        m_iLength = static_cast<int>(dRoom);
        dFirst = m_iOriginX;
    }
    DrawColorRanges(pDC);
    DrawAxisMarkers(pDC);
    m_dLegendSize = DrawCurveLegend(pDC, true);
    pDC->SetBkColor(pDC->m_bMonochrome ? kWhite : InnerAreaColor());
    pDC->SetBkMode(OPAQUE);
    DrawTitle(pDC, nTop, nRight);

    // A y axis labels its maximum, an x axis does not.
    const double dIntervals = TickIntervals(m_dSpan, m_dStep, dRoom);
    if (dIntervals >= 0)
    {
        const double dSpacing = dIntervals > 0 ? dRoom / dIntervals : 0;
        const double dDirection = IsYAxis() ? -1 : 1;
        for (int i = 0; IsYAxis() ? i <= dIntervals + kTickTolerance : i < dIntervals - kTickTolerance; ++i)
            DrawTick(pDC, m_dMin + i * m_dStep, dFirst + dDirection * i * dSpacing, true, !IsYAxis());
    }
    DrawAxisLine(pDC, nTop, nRight);
}

void CPlotAxis::DrawLogarithmic(CDCEx* pDC)
{
    if (m_bAutoScale)
        AutoScale(pDC);
    m_dSpan = m_dMax - m_dMin;
    // An x axis takes its title's width only when drawing it.
    ReserveFarEnd(pDC, !IsYAxis());
    const CRect rcPlot = PlotRect();
    int nTop = 0, nRight = 0;
    if (IsYAxis())
    {
        nTop = static_cast<int>(m_rcArea.top + m_dLegendSize);
        m_iLength = rcPlot.bottom - static_cast<int>(rcPlot.top + m_dTickSpace + m_dLegendSize);
    }
    else
    {
        nRight = static_cast<int>(rcPlot.right - m_dLegendSize);
        m_iLength = static_cast<int>(rcPlot.right - m_dTickSpace - m_dLegendSize) - rcPlot.left;
    }
    DrawColorRanges(pDC);
    DrawAxisMarkers(pDC);
    m_dLegendSize = DrawCurveLegend(pDC, true);
    pDC->SetBkColor(pDC->m_bMonochrome ? kWhite : InnerAreaColor());
    pDC->SetBkMode(OPAQUE);
    DrawTitle(pDC, nTop, nRight);
    if (!IsYAxis() && !m_strTitle.IsEmpty())
        m_dTickSpace += GetTitleSize(pDC).cx;

    // Every value of a decade in range gets a tick, the decade's first a label. As on a linear axis, a
    // y axis also labels a maximum that is a whole decade, an x axis does not.
    if (m_dMin > 0 && m_dMax > 0 && std::isfinite(m_dMin) && std::isfinite(m_dMax))
    {
        const double dEnd = std::pow(10.0, std::ceil(std::log10(m_dMax)));
        double d = std::pow(10.0, std::floor(std::log10(m_dMin)));
        for (int nDecade = 0; d < dEnd && nDecade < kMaxDecades; d *= 10, ++nDecade)
        {
            for (int k = 1; k < 10; ++k)
                DrawLogTick(pDC, k * d, k == 1);
        }
        if (IsYAxis() && dEnd <= m_dMax)
            DrawLogTick(pDC, dEnd, true);
    }
    DrawAxisLine(pDC, nTop, nRight);
}

void CPlotAxis::DrawLogTick(CDCEx* pDC, double dValue, bool bLabel)
{
    if (dValue < m_dMin || dValue > m_dMax)
        return;
    const CPoint pt = ValueToPixel(CurvePoint{dValue, dValue});
    DrawTick(pDC, dValue, IsYAxis() ? pt.y : pt.x, bLabel, true);
}

void CPlotAxis::DrawTitle(CDCEx* pDC, int nTop, int nRight)
{
    if (m_strTitle.IsEmpty())
        return;
    const CSize size = GetTitleSize(pDC);
    CFontSelector font(&m_TitleFont, pDC, true);
    CRect rect;
    UINT nFormat = DT_LEFT;
    if (!IsYAxis())
        rect.SetRect(nRight - size.cx, m_iOriginY + m_iTickLength, nRight,
                     m_iOriginY + m_iTickLength + size.cy);
    else if (!IsLeft())
        rect.SetRect(m_iOriginX + m_iTickLength, nTop, m_iOriginX + m_iTickLength + size.cx, nTop + size.cy);
    else
    {
        rect.SetRect(m_iOriginX - size.cx - m_iTickLength, nTop, m_iOriginX - m_iTickLength, nTop + size.cy);
        nFormat = DT_RIGHT;
    }
    pDC->DrawText(m_strTitle, rect, nFormat);
}

void CPlotAxis::DrawTick(CDCEx* pDC, double dValue, double dPos, bool bLabel, bool bDate)
{
    const int nPos = static_cast<int>(dPos);
    if (bLabel)
    {
        const CString strLabel = GetLabelText(dValue, bDate);
        const CSize size = MeasureText(pDC, &m_Font, strLabel);
        const int w = size.cx, h = size.cy;
        CFontSelector font(&m_Font, pDC, true);
        CRect rect;
        UINT nFormat = DT_CENTER;
        if (!IsYAxis())
            rect.SetRect(static_cast<int>(dPos - w / 2), m_iOriginY + m_iTickLength,
                         static_cast<int>(w / 2 + dPos), m_iOriginY + m_iTickLength + h);
        else if (IsLeft())
        {
            rect.SetRect(m_iOriginX - w - m_iTickLength, static_cast<int>(dPos - h / 2),
                         m_iOriginX - m_iTickLength, static_cast<int>(h / 2 + dPos));
            nFormat = DT_RIGHT;
        }
        else
        {
            rect.SetRect(m_iOriginX + m_iTickLength, static_cast<int>(dPos - h / 2),
                         m_iOriginX + m_iTickLength + w, static_cast<int>(h / 2 + dPos));
            nFormat = DT_LEFT;
        }
        pDC->DrawText(strLabel, rect, nFormat);
    }

    // The tick at the origin stays short: its grid line would cover the other axis.
    const CRect rcPlot = PlotRect();
    CPenSelector pen(m_crGrid, 1, pDC, m_iGridStyle);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    if (IsYAxis())
    {
        const bool bGridLine = m_bGrid && nPos != m_iOriginY;
        const int nSign = IsLeft() ? -1 : 1;
        pDC->MoveTo(m_iOriginX + nSign * m_iTickLength, nPos);
        pDC->LineTo(bGridLine ? (IsLeft() ? rcPlot.right : rcPlot.left) : m_iOriginX, nPos);
    }
    else
    {
        const bool bGridLine = m_bGrid && nPos != m_iOriginX;
        pDC->MoveTo(nPos, m_iOriginY + m_iTickLength);
        pDC->LineTo(nPos, bGridLine ? m_rcArea.top : m_iOriginY);
    }
    pDC->SetBkMode(nOldMode);
}

void CPlotAxis::DrawAxisLine(CDCEx* pDC, int nTop, int nRight)
{
    {
        CPenSelector pen(m_crColor, 1, pDC, PS_SOLID);
        pDC->MoveTo(m_iOriginX, m_iOriginY);
        if (IsYAxis())
        {
            pDC->LineTo(m_iOriginX, nTop);
            DrawArrow(pDC, m_iOriginX, nTop, 1, m_iArrowSize);
        }
        else
        {
            pDC->LineTo(nRight, m_iOriginY);
            DrawArrow(pDC, nRight, m_iOriginY, 2, m_iArrowSize);
        }
    }
    if (IsYAxis())
        m_rcObject.SetRect(m_iOriginX - 5, nTop, m_iOriginX + 5, m_iOriginY);
    else
        m_rcObject.SetRect(m_iOriginX, m_iOriginY - 5, nRight, m_iOriginY + 5);
    if (m_bSelected)
        pDC->DrawFocusRect(m_rcObject);
}

void CPlotAxis::DrawArrow(CDCEx* pDC, int x, int y, int nDirection, int s)
{
    for (int i = 0; i < s; ++i)
    {
        switch (nDirection)
        {
            case 0:
                pDC->MoveTo(x + i, y - i);
                pDC->LineTo(x + i, y + i);
                break;
            case 1:
                pDC->MoveTo(x - i, y + i);
                pDC->LineTo(x + i, y + i);
                break;
            case 2:
                pDC->MoveTo(x - s + i, y - (s - i));
                pDC->LineTo(x - s + i, y + (s - i));
                break;
            case 3:
                pDC->MoveTo(x - (s - i), y + i);
                pDC->LineTo(x + (s - i), y + i);
                break;
            default:
                return;
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// Curve markers, marker lines, bands

int CPlotAxis::DrawCurveLegend(CDCEx* pDC, bool bDraw)
{
    if (!m_bCurveLegend)
        return 0;
    if (bDraw)
    {
        const std::vector<int> curves = LegendCurves();
        const int s = m_iLegendMarkerSize;
        const CRect rcPlot = PlotRect();
        for (int k = 0; k < static_cast<int>(curves.size()); ++k)
        {
            PlotCurveInfo curve;
            m_pGraph->GetCurveInfo(curves[k], curve);
            int x, y;
            if (IsYAxis())
            {
                const int c = s * (k % 3);
                x = (IsLeft() ? m_iOriginX - c : m_iOriginX + c) - s / 2;
                y = m_rcArea.top + s * (k / 3);
            }
            else
            {
                x = rcPlot.right - s * (1 + k / 2);
                y = m_iOriginY + s * (k % 2) - s / 2;
            }
            const int n = curve.iMarkerMode != 0 ? curve.iMarkerSymbol : curves[k];
            DrawLegendMarker(pDC, x, y, n, s, curve.crColor, curve.iMarkerMode == 1);
        }
    }
    return CurveLegendSize();
}

void CPlotAxis::DrawLegendMarker(CDCEx* pDC, int x, int y, int n, int nSize, COLORREF crColor, bool bSymbol)
{
    if (bSymbol)
    {
        MarkerPainter pfnPaint = nullptr;
        if (m_pGraph != nullptr)
            pfnPaint = m_pGraph->GetMarkerPainter(n);
        else if (n >= 0 && n < MARKER_SYMBOL_COUNT)
            pfnPaint = PLOT_MARKER_PAINTERS[n];
        if (pfnPaint != nullptr)
            pfnPaint(x, y, nSize, crColor, 0, pDC);
        return;
    }
    CRect rect(x, y, x + nSize, y + nSize);
    pDC->FillSolidRect(rect, pDC->m_bMonochrome ? kBlack : crColor);
    CString strNumber;
    strNumber.Format("%d", n + 1);
    CQuickFont font("Arial", nSize, 100, false);
    CFontSelector select(&font, pDC, true);
    // Blue counts half: a dark blue square takes white digits.
    const int nBright = std::max({int{GetRValue(crColor)}, int{GetGValue(crColor)}, GetBValue(crColor) / 2});
    const COLORREF crText = pDC->m_bMonochrome || nBright <= 128 ? kWhite : kBlack;
    const COLORREF crOldText = pDC->SetTextColor(crText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strNumber, rect, DT_CENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOldText);
}

void CPlotAxis::DrawAxisMarkers(CDCEx* pDC)
{
    if (m_AxisMarkers.empty())
        return;
    MarkTextScope text(pDC);
    const CRect rcPlot = PlotRect();
    for (const AxisMarker& marker : m_AxisMarkers)
    {
        CPenSelector pen(marker.crColor, marker.sPenWidth, pDC, marker.iPenStyle);
        const CPoint pt = ValueToPixel(CurvePoint{marker.dValue, marker.dValue});
        const bool bY = IsYAxis();
        if (bY ? (pt.y < rcPlot.top || pt.y > rcPlot.bottom) : (pt.x < rcPlot.left || pt.x > rcPlot.right))
            continue;
        if (bY)
        {
            pDC->MoveTo(rcPlot.left, pt.y);
            pDC->LineTo(rcPlot.right, pt.y);
        }
        else
        {
            pDC->MoveTo(pt.x, rcPlot.bottom);
            pDC->LineTo(pt.x, rcPlot.top);
        }
        CQuickFont markerFont(marker.lfFont);
        CFontSelector selectMarker(&markerFont, pDC, true);
        if (marker.byShowValue != 0)
        {
            int x = bY ? rcPlot.left : pt.x;
            int y = bY ? pt.y : rcPlot.bottom;
            if (pDC->m_bScaling)
                pDC->ScaleXY(x, y);
            pDC->TextOut(x, y, GetLabelText(marker.dValue, true));
        }
        if (marker.strLabel.IsEmpty())
            continue;
        const CSize sizeW = pDC->GetTextExtent(CString("W"));
        if (bY)
        {
            CRect rect(rcPlot.left, pt.y - sizeW.cy, rcPlot.right, pt.y);
            rect.NormalizeRect();
            pDC->DrawText(marker.strLabel, rect, DT_RIGHT | DT_SINGLELINE);
        }
        else
        {
            CRect rect(pt.x, rcPlot.top + sizeW.cy, pt.x + sizeW.cx, rcPlot.bottom);
            rect.NormalizeRect();
            if (pDC->m_bScaling)
                pDC->ScaleRect(rect);
            pDC->TextOut(rect.left - sizeW.cy, rect.top + sizeW.cx, marker.strLabel);
        }
    }
}

void CPlotAxis::DrawColorRanges(CDCEx* pDC)
{
    if (m_ColorRanges.empty())
        return;
    MarkTextScope text(pDC);
    const CRect rcPlot = PlotRect();
    for (const AxisColorRange& range : m_ColorRanges)
    {
        if (!(range.dFrom < range.dTo))
            continue;
        const CPoint ptFrom = ValueToPixel(CurvePoint{range.dFrom, range.dFrom});
        const CPoint ptTo = ValueToPixel(CurvePoint{range.dTo, range.dTo});
        CRect band;
        if (IsYAxis())
            band.SetRect(rcPlot.left, ClampPixel(ptTo.y, rcPlot.top, rcPlot.bottom), rcPlot.right,
                         ClampPixel(ptFrom.y, rcPlot.top, rcPlot.bottom));
        else
            band.SetRect(ClampPixel(ptFrom.x, rcPlot.left, rcPlot.right), rcPlot.top,
                         ClampPixel(ptTo.x, rcPlot.left, rcPlot.right), rcPlot.bottom);
        if (range.iStyle == 6)
        {
            CBrush brush;
            if (range.crColor == range.crColor2 && brush.CreateSolidBrush(range.crColor))
                pDC->FillRect(band, &brush);
        }
        else
        {
            CPenSelector pen(range.crColor, 1, pDC, PS_SOLID);
            CBrushSelector brush(range.crColor, range.iStyle, pDC);
            pDC->Rectangle(band);
        }
        if (range.szLabel[0] != '\0')
        {
            CRect rcLabel = band;
            rcLabel.DeflateRect(2, 2);
            pDC->DrawText(CString(range.szLabel), rcLabel, 0);
        }
    }
}
