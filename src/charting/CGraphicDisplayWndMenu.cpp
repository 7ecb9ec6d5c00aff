// The diagram window's context menu with its commands, and the tooltip with the values of the curve
// under the pointer.
#include "charting/CGraphicDisplayWnd.h"

#include "charting/CPlot.h"
#include "charting/PlotText.h"
#include "framework/CMenu.h"
#include "framework/CWaitCursor.h"

#include <algorithm>

namespace
{
constexpr LPCSTR DEFAULT_CURVE_FORMAT = "Kurve %i";
constexpr LPCSTR DEFAULT_VALUE_FORMAT = "%f %s\r\n%f %s";
} // namespace

const UINT CGraphicDisplayWnd::MENU_COMMANDS[MENU_ENTRY_COUNT] = {
    ID_MENU_SELECT,  ID_MENU_ZOOM_IN, ID_MENU_ZOOM_OUT,  ID_MENU_PAN,    ID_MENU_CURSOR,
    ID_MENU_GRID,    ID_MENU_FIT_X,   ID_MENU_FIT_Y,     ID_MENU_LEGEND, ID_MENU_CURVE_ON_OFF,
    ID_MENU_MEASURE, ID_MENU_RESET,   ID_MENU_PROPERTIES};

// ---------------------------------------------------------------------------------------------------
// Context menu

bool CGraphicDisplayWnd::buildContextMenu(CMenu& menu) const
{
    int nEntries = 0;
    for (int i = 0; i < MENU_ENTRY_COUNT - 1; ++i)
    {
        if (m_strMenuText[i].IsEmpty())
            continue;
        const bool bChecked = MENU_COMMANDS[i] == ID_MENU_LEGEND && m_pChart && m_pChart->IsLegendVisible();
        menu.AppendMenu(MF_STRING | (bChecked ? MF_CHECKED : MF_UNCHECKED), MENU_COMMANDS[i],
                        m_strMenuText[i]);
        ++nEntries;
    }
    // The properties need a series and a y axis to show.
    const CString& strProperties = m_strMenuText[MENU_ENTRY_COUNT - 1];
    if (!strProperties.IsEmpty() && m_pChart && m_pChart->GetYAxisCount() > 0 &&
        m_pChart->GetCurveCount() > 0)
    {
        if (nEntries > 0)
            menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, ID_MENU_PROPERTIES, strProperties);
        ++nEntries;
    }
    return nEntries > 0;
}

LRESULT CGraphicDisplayWnd::OnPlotContextMenu(WPARAM, LPARAM)
{
    CPoint ptScreen;
    ::GetCursorPos(&ptScreen);
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return 0;
    if (buildContextMenu(menu))
    {
        redrawChart();
        trackContextMenu(menu, ptScreen);
        redrawChart();
    }
    menu.DestroyMenu();
    return 0;
}

void CGraphicDisplayWnd::trackContextMenu(CMenu& menu, CPoint ptScreen)
{
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, this);
}

void CGraphicDisplayWnd::OnMenuSelect()
{
    if (m_pChart)
        selectCurve(m_pChart->GetHoverCurve());
}

void CGraphicDisplayWnd::OnMenuGrid()
{
    toggleGrid();
}

void CGraphicDisplayWnd::OnMenuLegend()
{
    toggleLegend();
}

void CGraphicDisplayWnd::OnMenuCurveOnOff()
{
    if (!m_pChart)
        return;
    const int iCurve = m_pChart->GetHoverCurve();
    if (HasCurve(iCurve))
        setCurveVisible(iCurve, !m_pChart->GetCurve(iCurve).m_bVisible);
}

bool CGraphicDisplayWnd::selectCurve(int iCurve)
{
    return HasCurve(iCurve) && m_pChart->SelectCurve(iCurve);
}

void CGraphicDisplayWnd::enterChartMode(void (CPlot::*pfnMode)())
{
    if (!m_pChart)
        return;
    m_pChart->SetInteraction(true);
    m_pChart->OnNoMode();
    if (pfnMode != nullptr)
        (m_pChart.get()->*pfnMode)();
}

void CGraphicDisplayWnd::zoomMode()
{
    enterChartMode(&CPlot::OnZoomMode);
}

void CGraphicDisplayWnd::panMode()
{
    enterChartMode(&CPlot::OnPanMode);
}

void CGraphicDisplayWnd::cursorMode()
{
    enterChartMode(&CPlot::OnCursorMode);
}

void CGraphicDisplayWnd::measureMode()
{
    // Measuring needs a series to measure on.
    enterChartMode(m_pChart && m_pChart->GetCurveCount() > 0 ? &CPlot::OnMeasureMode : nullptr);
    redrawChart();
}

bool CGraphicDisplayWnd::toggleGrid()
{
    if (!HasXAxis())
        return false;
    CPlotAxis& xAxis = m_pChart->GetXAxis(0);
    xAxis.m_bGrid = !xAxis.m_bGrid;
    for (int i = 0; i < m_pChart->GetYAxisCount(); ++i)
        m_pChart->GetYAxis(i).m_bGrid = !m_pChart->GetYAxis(i).m_bGrid;
    redrawChart();
    return xAxis.m_bGrid;
}

void CGraphicDisplayWnd::fitAxesToShownCurves(int iXAxis, int iYAxis)
{
    if (!m_pChart)
        return;
    CWaitCursor wait;
    // Hidden series (never shown, or cleared) are not what the operator sees.
    for (int i = 0; i < m_pChart->GetCurveCount(); ++i)
        if (m_pChart->GetCurve(i).m_bVisible)
            m_pChart->FitAxesToCurve(iXAxis, iYAxis, i);
    redrawChart();
}

void CGraphicDisplayWnd::fitXAxis()
{
    fitAxesToShownCurves(0, -1);
}

void CGraphicDisplayWnd::fitYAxis()
{
    fitAxesToShownCurves(-1, 0);
}

bool CGraphicDisplayWnd::toggleLegend()
{
    if (!m_pChart)
        return false;
    m_pChart->SetLegendVisible(!m_pChart->IsLegendVisible());
    redrawChart();
    return m_pChart->IsLegendVisible();
}

void CGraphicDisplayWnd::setCurveVisible(int iCurve, bool bVisible)
{
    if (!HasCurve(iCurve))
        return;
    m_pChart->SetCurveVisible(iCurve, bVisible);
    redrawChart();
}

// ---------------------------------------------------------------------------------------------------
// Hover tooltip

LRESULT CGraphicDisplayWnd::OnPlotCurveHover(WPARAM wParam, LPARAM)
{
    const int iCurve = static_cast<int>(static_cast<INT_PTR>(wParam));
    if (m_bTooltipShown)
    {
        redrawChart();
        m_bTooltipShown = false;
    }
    if (m_iHoverDelay > 0)
    {
        // The chart reports each lower curve as -1 before the one under the pointer, so a curve still
        // hovered since the last pointer move counts as resting too.
        if (m_iTooltipCurve >= 0 || (iCurve >= 0 && iCurve == m_iLastHoveredCurve))
            SetTimer(TIMER_HOVER_DELAY, static_cast<UINT>(m_iHoverDelay));
        else
            KillTimer(TIMER_HOVER_DELAY);
    }
    if (iCurve >= 0)
        m_iLastHoveredCurve = iCurve;
    m_iTooltipCurve = iCurve;
    return 0;
}

void CGraphicDisplayWnd::showTooltip()
{
    KillTimer(TIMER_HOVER_DELAY);
    if (m_bTooltipShown || m_iTooltipCurve < 0 || !HasXAxis() || m_iTooltipWidth <= 0 ||
        m_iTooltipHeight <= 0)
        return;
    const CPoint pt = m_pChart->GetMousePosition();
    CPlotAxis& xAxis = m_pChart->GetXAxis(0);
    CString strCurve;
    strCurve.Format(IsFormatOf(m_strCurveFormat, "d") ? m_strCurveFormat.GetString() : DEFAULT_CURVE_FORMAT,
                    m_iTooltipCurve + 1);
    const double v = xAxis.PixelToValue(pt.x);
    int iPoint = -1;
    xAxis.GetIndexByX(iPoint, v, m_iTooltipCurve);
    const bool bCurve = HasCurve(m_iTooltipCurve);
    const double w = bCurve ? m_pChart->GetCurve(m_iTooltipCurve).GetY(iPoint) : 0.0;
    const CString strTitle = bCurve ? m_pChart->GetCurve(m_iTooltipCurve).m_strTitle : CString();
    CString strValues;
    strValues.Format(IsFormatOf(m_strValueFormat, "fsfs") ? m_strValueFormat.GetString()
                                                          : DEFAULT_VALUE_FORMAT,
                     v, xAxis.GetTitle().GetString(), w, strTitle.GetString());
    m_bTooltipShown = true;
    m_pHoverLabel->m_strText = strCurve + "\n" + strValues;
    m_pHoverLabel->m_rcObject.SetRect(pt.x, pt.y, pt.x + m_iTooltipWidth, pt.y + m_iTooltipHeight);
    m_pHoverLabel->m_bVisible = true;
    redrawChart();
    SetTimer(TIMER_TOOLTIP_TIME, static_cast<UINT>(std::max(m_iTooltipTime, 0)));
}

void CGraphicDisplayWnd::hideTooltip()
{
    KillTimer(TIMER_TOOLTIP_TIME);
    if (m_pHoverLabel != nullptr)
        m_pHoverLabel->m_bVisible = false;
    m_bTooltipShown = false;
    redrawChart();
}

void CGraphicDisplayWnd::insertHoverLabel()
{
    m_pHoverLabel = m_pChart->InsertLabel("");
    m_pHoverLabel->m_bVisible = false;
    m_pHoverLabel->m_bCanDelete = false;
}
