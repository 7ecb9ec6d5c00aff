// The chart's hit test: axes and their marker lines, chart objects, curve lines, point editing and the
// legend, in that order, with the messages to the parent.
#include "charting/CPlot.h"

#include <cstdlib>

bool CPlot::HitTest(bool bDoubleClick, bool bTestOnly)
{
    if (!m_bInteraction)
        return false;
    bool bHit = false;
    if (HitAxes(m_YAxes, true, bDoubleClick, bTestOnly, bHit) ||
        HitAxes(m_XAxes, false, bDoubleClick, bTestOnly, bHit))
        return true;
    bool bObjectHit = false;
    if (HitObjects(bDoubleClick, bTestOnly, bObjectHit))
        return true;
    bHit = bHit || bObjectHit;
    if (!bTestOnly)
    {
        m_iHoverCurve = -1;
        if (!m_bLButtonDown)
            s_iEditCurve = s_iEditPoint = -1;
    }
    if (!bObjectHit && HitCurves(bDoubleClick, bTestOnly, bHit))
        return true;
    EditPoint();
    if (!bHit && HitLegend(bTestOnly, bHit))
        return true;
    if (!bHit && bDoubleClick)
        Notify(WM_PLOT_BACKGROUND_DBLCLK);
    return false;
}

bool CPlot::HitAxes(std::vector<CPlotAxis>& axes, bool bY, bool bDoubleClick, bool bTestOnly, bool& bHit)
{
    for (size_t i = 0; i < axes.size(); ++i)
    {
        CPlotAxis& axis = axes[i];
        if (m_iMode == PLOT_MODE_NONE && HitAxisMarkers(axis, bY, bTestOnly))
            return true;
        const bool bOnAxis = axis.m_rcObject.PtInRect(m_ptMouse) != FALSE;
        if (bTestOnly)
        {
            if (bOnAxis)
                return true;
            continue;
        }
        // A click away from a selected axis puts a marker line there.
        if (m_iMode == PLOT_MODE_NONE && axis.m_bSelected && !bOnAxis)
            axis.SetAxisMarker(static_cast<int>(axis.m_AxisMarkers.size()),
                               axis.PixelToValue(bY ? m_ptMouse.y : m_ptMouse.x), 0, PS_SOLID);
        axis.m_bSelected = bOnAxis;
        if (bOnAxis && (bY || !bHit))
        {
            const UINT nMessage = bY ? (bDoubleClick ? WM_PLOT_YAXIS_DBLCLK : WM_PLOT_YAXIS_SELECTED)
                                     : (bDoubleClick ? WM_PLOT_XAXIS_DBLCLK : WM_PLOT_XAXIS_SELECTED);
            Notify(nMessage, i);
        }
        bHit = bHit || bOnAxis;
    }
    return false;
}

bool CPlot::HitAxisMarkers(CPlotAxis& axis, bool bY, bool bTestOnly)
{
    int& iDragged = bY ? s_iDragYMarker : s_iDragXMarker;
    const int nPointer = bY ? m_ptMouse.y : m_ptMouse.x;
    for (int j = 0; iDragged == -1 && j < static_cast<int>(axis.m_AxisMarkers.size()); ++j)
    {
        const double dValue = axis.m_AxisMarkers[static_cast<size_t>(j)].dValue;
        const int nPixel = bY ? axis.ValueToPixel({0, dValue}).y : axis.ValueToPixel({dValue, 0}).x;
        const CRect rcBand = bY ? CRect(m_rcPlot.left, nPixel - 10, m_rcPlot.right, nPixel + 10)
                                : CRect(nPixel - 10, m_rcPlot.top, nPixel + 10, m_rcPlot.bottom);
        const bool bInBand = rcBand.PtInRect(m_ptMouse) != FALSE;
        if (!bInBand)
            continue;
        if (bTestOnly && !m_bLButtonDown)
            return true;
        if (m_bRButtonDown)
        {
            axis.DeleteAxisMarker(j);
            Redraw();
            break;
        }
        if (m_bLButtonDown)
            iDragged = j;
    }
    if (!m_bLButtonDown)
        iDragged = -1;
    else if (iDragged != -1)
    {
        // The dragged index is one for all axes of a kind; each axis that has that marker follows.
        for (CPlotAxis& other : bY ? m_YAxes : m_XAxes)
            if (iDragged < static_cast<int>(other.m_AxisMarkers.size()))
                other.m_AxisMarkers[static_cast<size_t>(iDragged)].dValue = other.PixelToValue(nPointer);
        Redraw();
    }
    return false;
}

bool CPlot::HitObjects(bool bDoubleClick, bool bTestOnly, bool& bHit)
{
    for (CPlotObject* pObject : m_Objects)
    {
        const bool bUnder = pObject->m_bVisible && pObject->m_rcObject.PtInRect(m_ptMouse);
        if (bTestOnly)
        {
            if (bUnder)
                return true;
            continue;
        }
        pObject->m_bSelected = bUnder;
        if (bUnder && bDoubleClick)
        {
            pObject->BeginEdit();
            bHit = true;
        }
        if (bUnder && !pObject->m_bEditing && m_pActiveTracker == nullptr)
        {
            pObject->BeginSize();
            m_pActiveTracker = &pObject->m_Tracker;
            bHit = true;
        }
        if (!bUnder && pObject->m_bEditing)
            pObject->EndEdit();
        if (!bUnder && pObject->m_bSizing)
        {
            m_pActiveTracker = nullptr;
            pObject->EndSize();
        }
    }
    return false;
}

bool CPlot::HitCurves(bool bDoubleClick, bool bTestOnly, bool& bHit)
{
    for (int i = 0; i < GetCurveCount(); ++i)
    {
        CPlotDataSerie& curve = m_Curves[static_cast<size_t>(i)];
        if (!curve.m_bVisible)
            continue;
        if (!bTestOnly)
            curve.m_bSelected = false;
        for (const HitSegment& segment : curve.GetHitSegments())
        {
            CRect rcSegment(segment.x1, segment.y1, segment.x2, segment.y2);
            rcSegment.NormalizeRect();
            rcSegment.InflateRect(2, 2);
            if (!rcSegment.PtInRect(m_ptMouse) ||
                !CPlotDataSerie::HitTestSegment(segment, m_ptMouse.x, m_ptMouse.y, 4))
                continue;
            if (bTestOnly)
            {
                Notify(WM_PLOT_CURVE_HOVER, static_cast<WPARAM>(i));
                return true;
            }
            if (bHit)
                continue;
            Notify(bDoubleClick ? WM_PLOT_CURVE_DBLCLK : WM_PLOT_CURVE_SELECTED, static_cast<WPARAM>(i));
            m_iHoverCurve = i;
            if (s_iEditPoint == -1)
            {
                CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
                s_iEditCurve = i;
                if (pXAxis != nullptr)
                    pXAxis->GetIndexByX(s_iEditPoint,
                                        pXAxis->PixelToValue(m_ptMouse.x - curve.m_iMarkerSize / 2), i);
            }
            curve.m_bSelected = true;
            bHit = true;
            break;
        }
        Notify(WM_PLOT_CURVE_HOVER, static_cast<WPARAM>(-1));
    }
    return false;
}

void CPlot::EditPoint()
{
    m_bShowEditValue = false;
    if (!m_bLButtonDown || m_iMode != PLOT_MODE_EDIT || !HasCurve(s_iEditCurve))
        return;
    CPlotDataSerie& curve = m_Curves[static_cast<size_t>(s_iEditCurve)];
    CPlotAxis* pYAxis = GetYAxisAt(curve.m_iYAxis);
    if (pYAxis == nullptr || curve.m_pData == nullptr || s_iEditPoint < 0 || s_iEditPoint >= curve.m_iCount)
        return;
    const double dNewY = pYAxis->PixelToValue(m_ptMouse.y);
    s_PointEdit = {s_iEditCurve, s_iEditPoint, curve.m_pData[s_iEditPoint].y, dNewY};
    Notify(WM_PLOT_POINT_EDITED, reinterpret_cast<WPARAM>(&s_PointEdit));
    // Points are edited where the curve keeps them: in its own copy or where its provider keeps them.
    const_cast<CurvePoint&>(curve.m_pData[s_iEditPoint]).y = dNewY;
    m_dEditValue = dNewY;
    m_bShowEditValue = true;
    Redraw();
}

bool CPlot::HitLegend(bool bTestOnly, bool& bHit)
{
    for (const PlotLegendEntry& entry : m_LegendEntries)
    {
        const bool bInside = entry.rcEntry.PtInRect(m_ptMouse) != FALSE;
        if (bTestOnly)
        {
            if (bInside)
                return true;
            continue;
        }
        // Entries are rebuilt by each legend drawing; one whose curve has gone is skipped.
        if (!HasCurve(entry.iCurve))
            continue;
        GetCurve(entry.iCurve).m_bSelected = bInside;
        if (bInside)
        {
            bHit = true;
            break;
        }
    }
    return false;
}
