// The chart's interaction: mode commands, mouse, wheel and keys, zoom with its history, pan, snapping,
// notes and trend curves.
#include "charting/CPlot.h"

#include "charting/CDCEx.h"
#include "charting/CPlotDataNotation.h"
#include "framework/CClientDC.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{
constexpr double SNAP_START_DISTANCE = 10000000;
} // namespace

// ---------------------------------------------------------------------------------------------------
// Mode commands

void CPlot::EnterMode(int iMode)
{
    m_CursorLabel.m_bVisible = false;
    m_iMode = iMode;
}

void CPlot::AutoScaleOff()
{
    for (CPlotAxis& axis : m_YAxes)
        axis.m_bAutoScale = false;
    for (CPlotAxis& axis : m_XAxes)
        axis.m_bAutoScale = false;
}

void CPlot::OnNoMode()
{
    EnterMode(PLOT_MODE_NONE);
    Redraw();
}

void CPlot::OnInsertLabel()
{
    InsertLabel(CString());
    Redraw();
}

void CPlot::OnZoomMode()
{
    EnterMode(PLOT_MODE_ZOOM);
    m_rcZoom.SetRectEmpty();
    Redraw();
}

void CPlot::OnResetZoom()
{
    m_CursorLabel.m_bVisible = false;
    for (CPlotAxis& axis : m_YAxes)
        axis.ResetRange();
    for (CPlotAxis& axis : m_XAxes)
        axis.ResetRange();
    Redraw();
}

void CPlot::OnPanMode()
{
    EnterMode(PLOT_MODE_PAN);
    AutoScaleOff();
    Redraw();
}

void CPlot::OnProperties()
{
    HitTest(true, false);
}

void CPlot::OnLinearTrend()
{
    AddTrend(m_iHoverCurve, false);
}

void CPlot::OnCubicTrend()
{
    AddTrend(m_iHoverCurve, true);
}

void CPlot::OnCursorMode()
{
    OnPanMode();
    m_iCursorCurve = m_iFixedCursorCurve;
    m_ptCursorLast = CPoint(-1, -1);
    m_iMode = PLOT_MODE_CURSOR;
    if ((m_iCursorStyle & PLOT_CURSOR_LABEL) != 0)
        m_CursorLabel.m_rcObject.SetRect(m_rcPlot.left + 1, m_rcPlot.top, m_rcPlot.left + 150,
                                         m_rcPlot.top + 50);
}

void CPlot::OnChartProperties()
{
    // A command, not a bare message number: numbers from 0xC000 are registered messages.
    if (CWnd* pParent = m_hWnd != nullptr ? GetParent() : nullptr)
        pParent->PostMessage(WM_COMMAND, ID_PLOT_CHART_PROPERTIES, 0);
}

void CPlot::OnZoomBack()
{
    for (auto* pAxes : {&m_YAxes, &m_XAxes})
        for (CPlotAxis& axis : *pAxes)
            if (!axis.m_ZoomHistory.empty())
            {
                const AxisRange range = axis.m_ZoomHistory.back();
                axis.m_ZoomHistory.pop_back();
                axis.SetCurrentRange(range.dMin, range.dMax, 0);
            }
    Notify(WM_PLOT_ZOOM_CHANGED);
    m_rcZoom.SetRectEmpty();
    Redraw();
}

void CPlot::OnMeasureMode()
{
    m_iMode = PLOT_MODE_MEASURE;
    Redraw();
}

void CPlot::OnEditMode()
{
    m_iMode = PLOT_MODE_EDIT;
    Redraw();
}

void CPlot::Notify(UINT nMessage, WPARAM wParam)
{
    if (m_hWnd == nullptr)
        return;
    if (const HWND hParent = ::GetParent(m_hWnd))
        ::PostMessageA(hParent, nMessage, wParam, reinterpret_cast<LPARAM>(this));
}

// ---------------------------------------------------------------------------------------------------
// Zoom and pan

int CPlot::GetZoomDepth() const
{
    return m_XAxes.empty() ? 0 : static_cast<int>(m_XAxes.front().m_ZoomHistory.size());
}

CRect CPlot::ZoomRectangle() const
{
    CRect rect(m_ptDragStart, m_ptMouse);
    rect.NormalizeRect();
    rect.left = std::max(rect.left, m_rcPlot.left);
    rect.top = std::max(rect.top, m_rcPlot.top);
    rect.right = std::min(rect.right, m_rcPlot.right);
    rect.bottom = std::min(rect.bottom, m_rcPlot.bottom);
    return rect;
}

void CPlot::DoZoom()
{
    if (m_rcZoom.Width() < 15 || m_rcZoom.Height() < 15)
        return;
    auto zoom = [](CPlotAxis& axis, int nLow, int nHigh)
    {
        const double dLower = axis.PixelToValue(nLow);
        const double dUpper = axis.PixelToValue(nHigh);
        if (dLower == dUpper)
            return;
        axis.m_ZoomHistory.push_back({axis.m_dMin, axis.m_dMax});
        axis.SetCurrentRange(dLower, dUpper, 0);
    };
    for (CPlotAxis& axis : m_YAxes)
        zoom(axis, std::min(m_rcZoom.bottom, m_rcPlot.bottom), std::max(m_rcZoom.top, m_rcPlot.top));
    for (CPlotAxis& axis : m_XAxes)
        zoom(axis, std::max(m_rcZoom.left, m_rcPlot.left), std::min(m_rcZoom.right, m_rcPlot.right));
    Notify(WM_PLOT_ZOOM_CHANGED);
    m_rcZoom.SetRectEmpty();
}

void CPlot::DoPan(CPoint point)
{
    for (CPlotAxis& axis : m_YAxes)
    {
        const double d = axis.PixelToValue(point.y) - axis.PixelToValue(m_ptPanRef.y);
        axis.SetCurrentRange(axis.m_dMin - d, axis.m_dMax - d, 0);
    }
    for (CPlotAxis& axis : m_XAxes)
    {
        const double d = axis.PixelToValue(point.x) - axis.PixelToValue(m_ptPanRef.x);
        axis.SetCurrentRange(axis.m_dMin - d, axis.m_dMax - d, 0);
    }
    m_ptPanRef = point;
    Redraw();
}

void CPlot::StepAxes(std::vector<CPlotAxis>& axes, int nLow, int nHigh, bool bCachedSpan)
{
    for (CPlotAxis& axis : axes)
    {
        const double d = (bCachedSpan ? axis.m_dSpan : axis.m_dMax - axis.m_dMin) / 10;
        axis.SetCurrentRange(axis.m_dMin + nLow * d, axis.m_dMax + nHigh * d, 0);
    }
}

// ---------------------------------------------------------------------------------------------------
// Mouse and keys

void CPlot::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    SetCapture();
    m_ptDragStart = point;
    if (m_iMode == PLOT_MODE_MEASURE)
    {
        m_CurrentMeasurement = {-1, -1, -1, -1};
        SnapToCurve(point);
        m_ptDragStart = point;
        // A click without a drag measures from the start to itself.
        m_iMeasureEndCurve = m_CurrentMeasurement.iEndCurve = m_CurrentMeasurement.iStartCurve;
        m_CurrentMeasurement.iEndPoint = m_CurrentMeasurement.iStartPoint;
    }
    m_bLButtonDown = true;
    m_pSelectedObject = nullptr;
    TrackObjects(point);
    CWnd::OnLButtonDown(nFlags, point);
}

void CPlot::TrackObjects(CPoint point)
{
    for (CPlotObject* pObject : m_Objects)
    {
        // A hidden object (the cursor label outside cursor mode) is not clicked.
        if (pObject->m_bVisible && pObject->m_rcObject.PtInRect(point))
            m_pSelectedObject = pObject;
        if (!pObject->m_bSizing || pObject->m_Tracker.HitTest(point) == CRectTracker::hitNothing)
            continue;
        ::ReleaseCapture();
        const bool bChanged = pObject->m_Tracker.Track(this, point) != FALSE;
        m_bLButtonDown = false; // the tracker took the button's release
        if (bChanged && pObject->m_bCanMove && pObject->m_bCanResize)
        {
            pObject->m_rcObject = pObject->m_Tracker.m_rect;
            Invalidate(FALSE);
        }
    }
}

void CPlot::OnMouseMove(UINT nFlags, CPoint point)
{
    m_bLButtonDown = (nFlags & MK_LBUTTON) != 0;
    const bool bRButton = (nFlags & MK_RBUTTON) != 0;
    if (m_iMode == PLOT_MODE_MEASURE && m_bLButtonDown)
        SnapToCurve(point);
    m_ptMouse = point;
    if (m_iMode == PLOT_MODE_CURSOR)
    {
        CClientDC window(this);
        CDCEx dc;
        dc.Attach(window.m_hDC);
        DrawCursor(&dc);
        dc.Detach();
        Notify(WM_PLOT_CURSOR_MOVED);
    }
    m_bHoverHit = HitTest(false, m_iMode != PLOT_MODE_EDIT);
    const bool bPan =
        (m_bLButtonDown && m_iMode == PLOT_MODE_PAN) || (bRButton && m_iMode == PLOT_MODE_CURSOR);
    if (bPan && m_rcPlot.PtInRect(point))
    {
        if (m_ptPanRef == CPoint(0, 0))
            m_ptPanRef = point;
        else
            DoPan(point);
    }
    const bool bZoomDrag = m_bLButtonDown && m_iMode == PLOT_MODE_ZOOM;
    const bool bMeasureDrag = m_bLButtonDown && m_iMode == PLOT_MODE_MEASURE;
    if (bZoomDrag || bMeasureDrag)
    {
        if (m_bDoubleBuffered)
        {
            if (bZoomDrag)
                m_rcZoom = ZoomRectangle();
            Invalidate(FALSE);
        }
        else
        {
            CClientDC window(this);
            CDCEx dc;
            dc.Attach(window.m_hDC);
            if (bZoomDrag)
            {
                if (!m_rcZoom.IsRectEmpty())
                    dc.DrawFocusRect(m_rcZoom); // the previous rectangle goes
                DrawZoomRect(&dc);
            }
            else
                DrawMeasurement(&dc, CRect());
            dc.Detach();
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CPlot::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bLButtonDown)
        return;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_ptPanRef = CPoint(0, 0);
    m_ptDragEnd = point;
    m_bLButtonDown = false;
    switch (m_iMode)
    {
        case PLOT_MODE_MEASURE:
        {
            CPoint ptEnd = point;
            SnapToCurve(ptEnd);
            if (HasCurve(m_CurrentMeasurement.iStartCurve) && HasCurve(m_CurrentMeasurement.iEndCurve))
                m_Measurements.push_back(m_CurrentMeasurement);
            break;
        }
        case PLOT_MODE_CURSOR:
            HitTest(false, false);
            if (HasCurve(m_iCursorCurve))
            {
                const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(m_iCursorCurve)];
                int iPoint = -1;
                if (CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
                    pXAxis != nullptr && pXAxis->GetIndexByX(iPoint, m_dCursorX, m_iCursorCurve))
                    InsertDataNotation(m_iCursorCurve, iPoint);
            }
            break;
        case PLOT_MODE_ZOOM:
            DoZoom();
            break;
        case PLOT_MODE_NONE:
        case PLOT_MODE_EDIT:
            HitTest(false, false);
            break;
        default:
            break;
    }
    Redraw();
    CWnd::OnLButtonUp(nFlags, point);
}

void CPlot::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_iMode == PLOT_MODE_NONE)
    {
        m_pActiveTracker = nullptr;
        HitTest(true, false);
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CPlot::OnRButtonDown(UINT nFlags, CPoint point)
{
    m_bRButtonDown = true;
    CWnd::OnRButtonDown(nFlags, point);
}

void CPlot::OnRButtonUp(UINT nFlags, CPoint point)
{
    HitTest(false, false);
    m_bRButtonDown = false;
    if (m_iMode == PLOT_MODE_CURSOR)
    {
        m_ptCursorLast = CPoint(-1, -1);
        Redraw();
    }
    if (m_pSelectedObject != nullptr && m_pSelectedObject->m_rcObject.PtInRect(point))
        m_pSelectedObject->InvokeProperties();
    else
        Notify(WM_PLOT_CONTEXT_MENU);
    CWnd::OnRButtonUp(nFlags, point);
}

BOOL CPlot::OnMouseWheel(UINT nFlags, short zDelta, CPoint)
{
    std::vector<CPlotAxis>& axes = (nFlags & MK_SHIFT) != 0 ? m_YAxes : m_XAxes;
    for (CPlotAxis& axis : axes)
        axis.m_bAutoScale = false;
    if (zDelta != 0)
        StepAxes(axes, zDelta > 0 ? 1 : -1, zDelta > 0 ? 1 : -1, false);
    Redraw();
    return TRUE;
}

void CPlot::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool bCursor = m_iMode == PLOT_MODE_CURSOR;
    bool bHandled = true;
    switch (nChar)
    {
        case VK_HOME:
            for (auto* pAxes : {&m_XAxes, &m_YAxes})
                for (CPlotAxis& axis : *pAxes)
                    axis.ResetRange();
            break;
        case VK_ADD:
        case VK_SUBTRACT:
        {
            const int n = nChar == VK_ADD ? 1 : -1;
            StepAxes(m_XAxes, n, -n, true);
            StepAxes(m_YAxes, n, -n, true);
            break;
        }
        case VK_LEFT:
        case VK_RIGHT:
        {
            const int n = nChar == VK_LEFT ? 1 : -1;
            if (bCursor)
                m_ptMouse.x -= n;
            else
                StepAxes(m_XAxes, n, n, true);
            break;
        }
        case VK_UP:
        case VK_DOWN:
        {
            const int n = nChar == VK_UP ? -1 : 1;
            if (bCursor)
                m_ptMouse.y += n;
            else
                StepAxes(m_YAxes, n, n, true);
            break;
        }
        default:
            bHandled = false;
            break;
    }
    if (bHandled)
        Redraw();
    CWnd::OnKeyUp(nChar, nRepCnt, nFlags);
}

BOOL CPlot::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_pActiveTracker != nullptr && m_pActiveTracker->SetCursor(this, nHitTest))
        return TRUE;
    LPCSTR lpszCursor = nullptr;
    if (m_iMode == PLOT_MODE_PAN)
        lpszCursor = IDC_SIZEALL;
    else if (m_iMode == PLOT_MODE_ZOOM || m_iMode == PLOT_MODE_CURSOR)
        lpszCursor = IDC_CROSS;
    else if (m_iMode == PLOT_MODE_NONE && m_bHoverHit)
        lpszCursor = IDC_HAND;
    else if (m_iMode == PLOT_MODE_EDIT && m_iHoverCurve != -1)
        lpszCursor = IDC_SIZENS;
    if (lpszCursor == nullptr)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(::LoadCursorA(nullptr, lpszCursor));
    return TRUE;
}

BOOL CPlot::PreTranslateMessage(MSG* pMsg)
{
    const bool bDelete =
        (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) && pMsg->wParam == VK_DELETE;
    if (bDelete && m_pSelectedObject != nullptr && m_pSelectedObject->m_bSizing &&
        m_pSelectedObject != &m_CursorLabel && m_pSelectedObject->m_bCanDelete)
    {
        m_Objects.remove(m_pSelectedObject);
        delete m_pSelectedObject;
        m_pSelectedObject = nullptr;
        m_pActiveTracker = nullptr;
        Redraw();
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------------------------------
// Snapping, notes, cursor position and trends

void CPlot::SnapToCurve(CPoint& point)
{
    double dBest = SNAP_START_DISTANCE;
    int nNewY = point.y;
    for (int i = 0; i < GetCurveCount(); ++i)
    {
        const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(i)];
        CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
        CPlotAxis* pYAxis = GetYAxisAt(curve.m_iYAxis);
        int iPoint = -1;
        // Hidden curves are not offered to snap to.
        if (!curve.m_bVisible || pXAxis == nullptr || pYAxis == nullptr ||
            !pXAxis->GetIndexByX(iPoint, pXAxis->PixelToValue(point.x), i))
            continue;
        const int y = pYAxis->ValueToPixel({0, curve.GetY(iPoint)}).y;
        if (std::abs(point.y - y) >= dBest)
            continue;
        dBest = std::abs(point.y - y);
        nNewY = y;
        if (point == m_ptDragStart)
        {
            m_iCursorCurve = m_CurrentMeasurement.iStartCurve = i;
            m_CurrentMeasurement.iStartPoint = iPoint;
        }
        else
        {
            m_iMeasureEndCurve = m_CurrentMeasurement.iEndCurve = i;
            m_CurrentMeasurement.iEndPoint = iPoint;
        }
    }
    point.y = nNewY;
}

CString CPlot::ValueText(const CPlotAxis& axis, double dValue)
{
    return axis.GetLabelText(dValue, axis.IsTime());
}

void CPlot::InsertDataNotation(int iCurve, int iPoint)
{
    if (!HasCurve(iCurve))
        return;
    const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
    CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
    CPlotAxis* pYAxis = GetYAxisAt(curve.m_iYAxis);
    if (pXAxis == nullptr || pYAxis == nullptr || !curve.HasPoint(iPoint))
        return;
    auto pNote = std::make_unique<CPlotDataNotation>();
    pNote->m_dX = curve.GetX(iPoint);
    pNote->m_dY = curve.GetY(iPoint);
    pNote->m_strText.Format("[%d] : %s%s,%s%s", iPoint + 1, ValueText(*pXAxis, pNote->m_dX).GetString(),
                            pXAxis->GetTitle().GetString(), ValueText(*pYAxis, pNote->m_dY).GetString(),
                            pYAxis->GetTitle().GetString());
    pNote->m_iCurve = iCurve;
    pNote->m_iIndex = iPoint;
    pNote->m_pGraph = this;
    m_Objects.push_back(pNote.release());
    Redraw();
}

CurvePoint CPlot::GetCursorPoint(int iCurve)
{
    if (!HasCurve(iCurve))
        return {0, 0};
    const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
    CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
    if (pXAxis == nullptr)
        return {0, 0};
    const double x = pXAxis->PixelToValue(m_ptMouse.x);
    int iPoint = -1;
    pXAxis->GetIndexByX(iPoint, x, iCurve);
    return {x, curve.GetY(iPoint)};
}

void CPlot::SetCursorPosition(int iCurve, double dX, bool bCentre)
{
    if (!HasCurve(iCurve))
        return;
    const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
    CPlotAxis* pXAxis = GetXAxisAt(curve.m_iXAxis);
    CPlotAxis* pYAxis = GetYAxisAt(curve.m_iYAxis);
    int iPoint = -1;
    if (pXAxis == nullptr || pYAxis == nullptr || !pXAxis->GetIndexByX(iPoint, dX, iCurve))
        return;
    const double dY = curve.GetY(iPoint);
    if (bCentre)
        for (auto [pAxis, dValue] : {std::pair(pXAxis, dX), std::pair(pYAxis, dY)})
            if ((m_iCursorStyle & PLOT_CURSOR_CENTERED) != 0 || dValue < pAxis->m_dMin ||
                dValue > pAxis->m_dMax)
            {
                const double dHalf = (pAxis->m_dMax - pAxis->m_dMin) / 2;
                pAxis->SetCurrentRange(dValue - dHalf, dValue + dHalf, 0);
            }
    m_dCursorX = dX;
    m_dCursorY = dY;
    m_ptMouse = CPoint(pXAxis->ValueToPixel({dX, 0}).x, pYAxis->ValueToPixel({0, dY}).y);
    Redraw();
}

void CPlot::AddLinearTrend(int iCurve)
{
    AddTrend(iCurve, false);
}

void CPlot::AddCubicTrend(int iCurve)
{
    AddTrend(iCurve, true);
}

void CPlot::AddTrend(int iCurve, bool bCubic)
{
    if (!HasCurve(iCurve))
        return;
    CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
    const std::unique_ptr<CurvePoint[]> pTrend = bCubic ? curve.GetCubicTrend(0) : curve.GetLinearTrend(0);
    if (!pTrend)
        return;
    const CString strTitle = curve.m_strTitle + (bCubic ? " cubic trend" : " linear trend");
    CPlotDataSerie* pNew = SetData(pTrend.get(), curve.m_iCount, GetCurveCount(), curve.m_iXAxis,
                                   curve.m_iYAxis, true, true, false);
    if (pNew != nullptr)
        pNew->m_strTitle = strTitle;
    Redraw();
}
