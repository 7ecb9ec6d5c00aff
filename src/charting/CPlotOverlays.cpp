// The interaction overlays of the chart: zoom rectangle, measurements, cursor and cursor label.
#include "charting/CPlot.h"

#include "charting/CBrushSelector.h"
#include "charting/CDCEx.h"
#include "charting/CFontSelector.h"
#include "charting/CPenSelector.h"
#include "charting/CQuickFont.h"
#include "charting/PlotText.h"
#include "framework/CBrush.h"
#include "framework/COleDateTime.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr COLORREF ZOOM_FILL = RGB(150, 150, 255);
constexpr COLORREF GUIDE_COLOR = RGB(200, 200, 200);
constexpr COLORREF DIMENSION_COLOR = RGB(255, 0, 0);
constexpr int ARROW_SIZE = 6;

// The axis value as its tick labels show it, on one line.
CString OneLineText(const CPlotAxis& axis, double dValue)
{
    CString strFormat = axis.GetFormat();
    strFormat.Replace('\r', ' ');
    strFormat.Replace('\n', ' ');
    return axis.IsTime() ? COleDateTime(dValue).Format(strFormat) : FormatPlotNumber(strFormat, dValue);
}
} // namespace

void CPlot::DrawOverlays(CDCEx* pDC)
{
    DrawMeasurements(pDC);
    if (m_iMode == PLOT_MODE_ZOOM && m_bLButtonDown)
        DrawZoomRect(pDC);
    if (m_iMode == PLOT_MODE_MEASURE && m_bLButtonDown)
        DrawMeasurement(pDC, CRect());
    if (m_iMode != PLOT_MODE_CURSOR)
        return;
    // A picture for a printer or a caller's device leaves the cursor on the screen as it is.
    const bool bScreen = m_pPrintDC == nullptr && m_pTargetDC == nullptr;
    const CPoint ptScreenCursor = m_ptCursorLast;
    m_ptCursorLast = CPoint(-1, -1);
    DrawCursor(pDC);
    if (!bScreen)
        m_ptCursorLast = ptScreenCursor;
}

void CPlot::DrawZoomRect(CDCEx* pDC)
{
    m_rcZoom = ZoomRectangle();
    if (m_bDoubleBuffered)
    {
        CBrush brush(ZOOM_FILL);
        CBrush* pOldBrush = pDC->SelectObject(&brush);
        const HGDIOBJ hOldPen = ::SelectObject(pDC->m_hDC, ::GetStockObject(NULL_PEN));
        const int nOldRop = pDC->SetROP2(R2_NOTXORPEN);
        const COLORREF crOldBk = pDC->SetBkColor(m_crPlotArea);
        pDC->Rectangle(m_rcZoom.left, m_rcZoom.top, m_rcZoom.right + 1, m_rcZoom.bottom + 1);
        pDC->SetBkColor(crOldBk);
        pDC->SetROP2(nOldRop);
        ::SelectObject(pDC->m_hDC, hOldPen);
        pDC->SelectObject(pOldBrush);
    }
    pDC->DrawFocusRect(m_rcZoom);
}

// ---------------------------------------------------------------------------------------------------
// Measurements

bool CPlot::MeasureDifference(const CRect& rc, int iStartCurve, int iEndCurve, double& dx, double& dy)
{
    dx = dy = 0;
    if (!HasCurve(iStartCurve) || !HasCurve(iEndCurve))
        return false;
    const CPlotDataSerie& start = m_Curves[static_cast<size_t>(iStartCurve)];
    const CPlotDataSerie& end = m_Curves[static_cast<size_t>(iEndCurve)];
    CPlotAxis* pStartX = GetXAxisAt(start.m_iXAxis);
    CPlotAxis* pEndX = GetXAxisAt(end.m_iXAxis);
    if (pStartX == nullptr || pEndX == nullptr)
        return false;
    const double x1 = pStartX->PixelToValue(rc.left);
    const double x2 = pEndX->PixelToValue(rc.right);
    int i1 = -1, i2 = -1;
    pStartX->GetIndexByX(i1, x1, iStartCurve);
    pEndX->GetIndexByX(i2, x2, iEndCurve);
    dx = x2 - x1;
    dy = std::fabs(end.GetY(i2) - start.GetY(i1));
    return true;
}

void CPlot::DrawMeasurement(CDCEx* pDC, const CRect& rc)
{
    CRect rect = rc;
    if (rc.IsRectNull())
    {
        if (m_iMode != PLOT_MODE_MEASURE)
            return;
        rect.SetRect(std::max(m_ptDragStart.x, m_rcPlot.left), std::max(m_ptDragStart.y, m_rcPlot.top),
                     std::min(m_ptMouse.x, m_rcPlot.right), std::min(m_ptMouse.y, m_rcPlot.bottom));
    }
    DrawMeasurementBetween(pDC, rect, m_iCursorCurve, m_iMeasureEndCurve);
}

void CPlot::DrawMeasurements(CDCEx* pDC)
{
    for (const PlotMeasurement& m : m_Measurements)
    {
        if (!HasCurve(m.iStartCurve) || !HasCurve(m.iEndCurve))
            continue;
        const CPlotDataSerie& start = m_Curves[static_cast<size_t>(m.iStartCurve)];
        const CPlotDataSerie& end = m_Curves[static_cast<size_t>(m.iEndCurve)];
        CPoint ptStart, ptEnd;
        if (!start.HasPoint(m.iStartPoint) || !end.HasPoint(m.iEndPoint) ||
            !CPlotAxis::CurvePointToPixel(this, m.iStartCurve, start.m_pData[m.iStartPoint], ptStart) ||
            !CPlotAxis::CurvePointToPixel(this, m.iEndCurve, end.m_pData[m.iEndPoint], ptEnd))
            continue;
        // Each stored measurement is labelled from its own curves.
        DrawMeasurementBetween(pDC, CRect(ptStart, ptEnd), m.iStartCurve, m.iEndCurve);
    }
}

void CPlot::DrawMeasurementBetween(CDCEx* pDC, const CRect& rc, int iStartCurve, int iEndCurve)
{
    const COLORREF crOldBk = pDC->SetBkColor(m_crPlotArea);
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    {
        CPenSelector guide(GUIDE_COLOR, 1, pDC, PS_DOT);
        pDC->MoveTo(m_rcPlot.left, T);
        pDC->LineTo(R, T);
        pDC->MoveTo(R, m_rcPlot.top);
        pDC->LineTo(R, m_rcPlot.bottom);
    }
    {
        CPenSelector dimension(DIMENSION_COLOR, 1, pDC, PS_DOT);
        pDC->MoveTo(L, T);
        pDC->LineTo(R, T);
        pDC->LineTo(R, B);
    }
    if (std::abs(R - L) > ARROW_SIZE)
        DrawMarkerTriangleLeft(L, T - 3, ARROW_SIZE, DIMENSION_COLOR, 0, pDC);
    else
        DrawMarkerTriangleUp(R - 3, T + 3, ARROW_SIZE, DIMENSION_COLOR, 0, pDC);
    if (std::abs(B - T) > ARROW_SIZE)
        DrawMarkerTriangleDown(R - 3, B - 6, ARROW_SIZE, DIMENSION_COLOR, 0, pDC);
    else
        DrawMarkerTriangleRight(R - 6, B - 6, ARROW_SIZE, DIMENSION_COLOR, 0, pDC);

    double dx, dy;
    if (MeasureDifference(rc, iStartCurve, iEndCurve, dx, dy))
    {
        const CPlotDataSerie& start = m_Curves[static_cast<size_t>(iStartCurve)];
        const CPlotAxis* pXAxis = GetXAxisAt(start.m_iXAxis);
        const CPlotAxis* pYAxis = GetYAxisAt(start.m_iYAxis);
        CQuickFont font("Arial", -11, FW_BOLD, false);
        CFontSelector selector(&font, pDC, true);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        CRect rcText = rc;
        rcText.NormalizeRect();
        const CString strX = pXAxis->GetLabelText(dx, true);
        if (std::abs(R - L) > pDC->GetTextExtent(strX).cx)
            pDC->DrawText(strX, rcText, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        if (pYAxis != nullptr)
        {
            const CString strY = FormatPlotNumber(pYAxis->GetFormat(), dy) + " " + pYAxis->GetTitle();
            if (std::abs(B - T) > pDC->GetTextExtent(strY).cy)
                pDC->DrawText(strY, rcText, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        }
        pDC->SetBkMode(nOldMode);
    }
    pDC->SetBkColor(crOldBk);
}

// ---------------------------------------------------------------------------------------------------
// Cursor

void CPlot::DrawCursorShape(CDCEx* pDC, CPoint pt) const
{
    if ((m_iCursorStyle & PLOT_CURSOR_VLINE) != 0)
    {
        pDC->MoveTo(pt.x, m_rcPlot.top);
        pDC->LineTo(pt.x, m_rcPlot.bottom);
    }
    if ((m_iCursorStyle & PLOT_CURSOR_HLINE) != 0)
    {
        pDC->MoveTo(m_rcPlot.left, pt.y);
        pDC->LineTo(m_rcPlot.right, pt.y);
    }
    const int s = m_iSnapRange;
    pDC->Rectangle(pt.x - s / 2, pt.y - s / 2, pt.x + s / 2 + 1, pt.y + s / 2 + 1);
}

void CPlot::DrawCursor(CDCEx* pDC)
{
    m_iCursorCurve = -1;
    auto follow = [this](int iCurve, bool bWithinSnap)
    {
        const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
        CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
        CPlotAxis* pYAxis = GetYAxisAt(curve.m_iYAxis);
        if (pXAxis == nullptr || pYAxis == nullptr)
            return false;
        int iPoint = -1;
        const double x = pXAxis->PixelToValue(m_ptMouse.x);
        if (!pXAxis->GetIndexByX(iPoint, x, iCurve))
            return false;
        const double y = curve.GetY(iPoint);
        const int nPixelY = pYAxis->ValueToPixel({0, y}).y;
        if (bWithinSnap && std::abs(nPixelY - m_ptMouse.y) >= m_iSnapRange)
            return false;
        m_iCursorCurve = iCurve;
        m_dCursorX = x;
        m_dCursorY = y;
        m_ptMouse.y = nPixelY;
        return true;
    };
    if (m_iFixedCursorCurve != -1)
    {
        if (HasCurve(m_iFixedCursorCurve))
            follow(m_iFixedCursorCurve, false);
    }
    else if (m_bSnapToCurve)
    {
        // The first visible curve within the snap range.
        for (int i = 0; i < GetCurveCount(); ++i)
            if (m_Curves[static_cast<size_t>(i)].m_bVisible && follow(i, true))
                break;
    }
    CPenSelector pen(RGB(0, 0, 0), 1, pDC, PS_SOLID);
    const HGDIOBJ hOldBrush = ::SelectObject(pDC->m_hDC, ::GetStockObject(NULL_BRUSH));
    const int nOldRop = pDC->SetROP2(R2_NOTXORPEN);
    if (m_ptCursorLast != CPoint(-1, -1))
        DrawCursorShape(pDC, m_ptCursorLast);
    DrawCursorShape(pDC, m_ptMouse);
    m_ptCursorLast = m_ptMouse;
    pDC->SetROP2(nOldRop);
    ::SelectObject(pDC->m_hDC, hOldBrush);
    if ((m_iCursorStyle & PLOT_CURSOR_LABEL) != 0)
        DrawCursorLabel(pDC);
}

void CPlot::DrawCursorLabel(CDCEx* pDC)
{
    m_CursorLabel.m_bVisible = true;
    CString strText, strLine;
    // Hidden axes are not listed: the label's box would leave no room for the cursor's curve.
    for (size_t i = 0; i < m_XAxes.size(); ++i)
    {
        CPlotAxis& axis = m_XAxes[i];
        if (!axis.m_bVisible)
            continue;
        strLine.Format(" X[%02d] : %s %s\r\n", static_cast<int>(i) + 1,
                       OneLineText(axis, axis.PixelToValue(m_ptMouse.x)).GetString(),
                       axis.GetTitle().GetString());
        strText += strLine;
    }
    for (size_t i = 0; i < m_YAxes.size(); ++i)
    {
        CPlotAxis& axis = m_YAxes[i];
        if (!axis.m_bVisible)
            continue;
        strLine.Format(" Y[%02d] : %s %s\r\n", static_cast<int>(i) + 1,
                       FormatPlotNumber(axis.GetFormat(), axis.PixelToValue(m_ptMouse.y)).GetString(),
                       axis.GetTitle().GetString());
        strText += strLine;
    }
    if (HasCurve(m_iCursorCurve))
    {
        const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(m_iCursorCurve)];
        const CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
        const CPlotAxis* pYAxis = GetYAxisAt(curve.m_iYAxis);
        if (pXAxis != nullptr && pYAxis != nullptr)
        {
            CString strY = pYAxis->GetFormat();
            strY.Replace('\r', ' ');
            strY.Replace('\n', ' ');
            strLine.Format(" %s[%02d] : %s, %s\r\n", curve.m_strTitle.GetString(), m_iCursorCurve + 1,
                           OneLineText(*pXAxis, m_dCursorX).GetString(),
                           FormatPlotNumber(strY, m_dCursorY).GetString());
            strText += strLine;
        }
    }
    m_CursorLabel.m_strText = strText;
    m_CursorLabel.Draw(pDC);
}
