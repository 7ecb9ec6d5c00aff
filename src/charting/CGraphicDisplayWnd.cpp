#include "charting/CGraphicDisplayWnd.h"

#include "charting/CChartPage.h"
#include "charting/CFlatSliderCtrl.h"
#include "charting/CIntervalSlider.h"
#include "charting/CPlot.h"
#include "framework/AfxInitControls.h"
#include "framework/CPaintDC.h"
#include "framework/CSingleLock.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

BEGIN_MESSAGE_MAP(CGraphicDisplayWnd, CWnd)
ON_WM_SIZE()
ON_MESSAGE(WM_SIZING, OnSizing)
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_HSCROLL()
ON_REGISTERED_MESSAGE(RANGE_CHANGED, OnIntervalChange)
ON_MESSAGE(WM_PLOT_ZOOM_CHANGED, OnPlotZoomChanged)
ON_MESSAGE(WM_PLOT_CONTEXT_MENU, OnPlotContextMenu)
ON_MESSAGE(WM_PLOT_CURVE_HOVER, OnPlotCurveHover)
ON_COMMAND(ID_MENU_SELECT, OnMenuSelect)
ON_COMMAND(ID_MENU_ZOOM_IN, zoomMode)
ON_COMMAND(ID_MENU_ZOOM_OUT, resetZoom)
ON_COMMAND(ID_MENU_PAN, panMode)
ON_COMMAND(ID_MENU_CURSOR, cursorMode)
ON_COMMAND(ID_MENU_GRID, OnMenuGrid)
ON_COMMAND(ID_MENU_FIT_X, fitXAxis)
ON_COMMAND(ID_MENU_FIT_Y, fitYAxis)
ON_COMMAND(ID_MENU_LEGEND, OnMenuLegend)
ON_COMMAND(ID_MENU_CURVE_ON_OFF, OnMenuCurveOnOff)
ON_COMMAND(ID_MENU_MEASURE, measureMode)
ON_COMMAND(ID_MENU_RESET, resetMode)
ON_COMMAND(ID_MENU_PROPERTIES, showSettingsPage)
END_MESSAGE_MAP()

namespace
{
constexpr LPCSTR kCaller = "CGraphicDisplayWnd";
constexpr int kWarmUpCurves = CDataManager::CURVE_COUNT;

// Sets a flag for the lifetime of the object.
class FlagScope
{
public:
    explicit FlagScope(bool& bFlag) : m_bFlag(bFlag) { m_bFlag = true; }
    ~FlagScope() { m_bFlag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_bFlag;
};
} // namespace

CGraphicDisplayWnd::CGraphicDisplayWnd() : CGraphicDisplayWnd(std::make_unique<CDataManager>()) {}

CGraphicDisplayWnd::CGraphicDisplayWnd(std::unique_ptr<CDataManager> pDataManager)
    : m_pDataManager(std::move(pDataManager))
{
}

CGraphicDisplayWnd::~CGraphicDisplayWnd()
{
    // The property window refers to the chart, the chart to the store's points.
    m_pChartPage.reset();
    m_pChart.reset();
    m_pIntervalSlider.reset();
    m_pPosSlider.reset();
    m_pDataManager.reset();
}

// ---------------------------------------------------------------------------------------------------
// Creation and layout

DiagramLayout CGraphicDisplayWnd::ComputeLayout(const CRect& rcWindow, int nPosHeight, int nPosSide,
                                                int nIntervalHeight, int nIntervalSide)
{
    DiagramLayout layout;
    CRect rcRest = rcWindow;
    // The position slider takes the outer band of its side, the interval slider the next one.
    auto takeBand = [&rcRest](int nHeight, int nSide)
    {
        CRect rcBand = rcRest;
        if (nSide == 1)
        {
            rcBand.bottom = rcRest.top + nHeight;
            rcRest.top += nHeight;
        }
        else
        {
            rcBand.top = rcRest.bottom - nHeight;
            rcRest.bottom -= nHeight;
        }
        return rcBand;
    };
    layout.rcPosSlider = takeBand(nPosHeight, nPosSide);
    layout.rcIntervalSlider = takeBand(nIntervalHeight, nIntervalSide);
    layout.rcChart = rcRest;
    return layout;
}

void CGraphicDisplayWnd::recalcLayout()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const DiagramLayout layout = ComputeLayout(rcClient, m_nPosSliderHeight, m_nPosSliderSide,
                                               m_nIntervalSliderHeight, m_nIntervalSliderSide);
    const std::pair<CWnd*, const CRect*> children[] = {{m_pChart.get(), &layout.rcChart},
                                                       {m_pPosSlider.get(), &layout.rcPosSlider},
                                                       {m_pIntervalSlider.get(), &layout.rcIntervalSlider}};
    for (const auto& [pChild, pRect] : children)
        if (pChild != nullptr && pChild->GetSafeHwnd() != nullptr)
            pChild->SetWindowPos(nullptr, pRect->left, pRect->top, pRect->Width(), pRect->Height(),
                                 SWP_NOZORDER);
}

bool CGraphicDisplayWnd::create(CWnd* pParent, UINT, UINT)
{
    m_pParent = pParent;
    if (m_pChart)
        return false;
    CRect rcClient;
    GetClientRect(&rcClient);
    const DiagramLayout layout = ComputeLayout(rcClient, m_nPosSliderHeight, m_nPosSliderSide,
                                               m_nIntervalSliderHeight, m_nIntervalSliderSide);
    auto pChart = std::make_unique<CPlot>();
    if (!pChart->Create(CPlot::CLASS_NAME, "", WS_CHILD | WS_VISIBLE, layout.rcChart, this, 0))
        return false;
    m_pChart = std::move(pChart);
    m_pChart->SetPlotAreaColor(m_crPlotArea);
    m_pChart->SetBackgroundColor(m_crBackground);
    m_pChart->SetInnerAreaColor(m_crInnerArea);

    // A dummy series makes x axis 0 and y axis 0; it goes again once they exist.
    static const CurvePoint kDummy[2] = {{0, 0}, {0, 0}};
    m_pChart->SetData(kDummy, 2, 0, 0, 0, true, false, false);
    m_pChart->SetLegendVisible(false);
    insertHoverLabel();
    m_pChart->DeleteCurve(0);
    m_pChart->GetXAxis(0).m_bCurveLegend = false;
    m_pChart->GetYAxis(0).m_bCurveLegend = false;

    createSliders(layout);
    createSettingsPage();
    buildCurves();
    GetDefaultCurvePageTexts(m_CurvePageTexts);
    GetDefaultAxisPageTexts(m_AxisPageTexts);
    GetDefaultChartPageTexts(m_ChartPageTexts);
    return true;
}

void CGraphicDisplayWnd::createSliders(const DiagramLayout& layout)
{
    AfxInitCommonControls();
    m_pPosSlider = std::make_unique<CFlatSliderCtrl>();
    const DWORD dwPosStyle = WS_CHILD | WS_BORDER | WS_TABSTOP | TBS_BOTH | TBS_NOTICKS | TBS_AUTOTICKS;
    if (m_pPosSlider->CreateEx(WS_EX_CLIENTEDGE, TRACKBAR_CLASSA, nullptr, dwPosStyle, layout.rcPosSlider,
                               this, ID_POS_SLIDER))
    {
        m_pPosSlider->ShowWindow(SW_SHOW);
        m_pPosSlider->SetNotifyWindow(this);
        m_pPosSlider->SetRange(0, POS_RANGE);
    }
    m_pIntervalSlider = std::make_unique<CIntervalSlider>();
    if (m_pIntervalSlider->Create(WS_CHILD | WS_TABSTOP, layout.rcIntervalSlider, this, ID_INTERVAL_SLIDER))
        m_pIntervalSlider->ShowWindow(SW_SHOW);
}

void CGraphicDisplayWnd::buildCurves()
{
    for (int n = 0; n < kWarmUpCurves; ++n)
    {
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 3; ++y)
                addPoint(n, x, y);
        showCurve(n, true, true, true);
    }
    for (int n = 0; n < kWarmUpCurves; ++n)
    {
        showCurve(n, true, false, false);
        setCurveLineWidth(n, 1);
        setYAxisTitle(n, "");
        clearCurve(n);
    }
}

void CGraphicDisplayWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    recalcLayout();
}

LRESULT CGraphicDisplayWnd::OnSizing(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    recalcLayout();
    return lResult;
}

void CGraphicDisplayWnd::OnPaint()
{
    CPaintDC dc(this); // the children cover the client area
}

// ---------------------------------------------------------------------------------------------------
// The live path

int CGraphicDisplayWnd::addPoint(int iCurve, double x, double y)
{
    CSingleLock lock(&m_Lock, TRUE);
    const int nCount = m_pDataManager->addPoint(iCurve, x, y);
    if (m_pDataManager->takeRefusal() && m_pHost != nullptr)
        m_pHost->OnCurveStoreFull(iCurve);
    return nCount;
}

void CGraphicDisplayWnd::showCurve(int iCurve, bool bVisible, bool bOwnYAxis, bool bFit)
{
    if (m_bBusy)
        return;
    CSingleLock lock(&m_Lock, TRUE);
    FlagScope busy(m_bBusy);
    if (iCurve < 0 || iCurve >= CDataManager::CURVE_COUNT || !m_pChart)
        return;
    const CurvePoints points = m_pDataManager->getCurve(iCurve);
    if (points == nullptr)
        return;
    const int nCount = m_pDataManager->getCount(iCurve, kCaller);
    m_pChart->SetData(points, nCount, iCurve, 0, iCurve, false, false, bFit);
    if (HasCurve(iCurve))
    {
        CPlotDataSerie& curve = m_pChart->GetCurve(iCurve);
        // A curve that kept more points than the store now has (cleared, being refilled) is not in order.
        curve.SetAscendingX(m_pDataManager->isAscending(iCurve) && curve.m_pData == points &&
                            curve.m_iCount <= nCount);
        curve.m_bMarkers = false;
        curve.m_iMarkerSymbol = 1;
        curve.m_iMarkerSize = 1;
    }
    if (HasYAxis(iCurve))
    {
        CPlotAxis& axis = m_pChart->GetYAxis(iCurve);
        axis.m_bVisible = iCurve == 0 || bOwnYAxis;
        if (bOwnYAxis)
            axis.m_iSide = iCurve >= 8 ? 1 : 0;
    }
    m_pChart->SetCurveVisible(iCurve, bVisible);
    setIntervalMode(m_iIntervalMode); // while busy this only recomputes the range
}

bool CGraphicDisplayWnd::clearCurve(int iCurve)
{
    if (!m_pDataManager->clearCurve(iCurve))
        return false;
    showCurve(iCurve, false, false, false);
    return true;
}

void CGraphicDisplayWnd::setXRange(double a, double b)
{
    if (m_bBusy)
        return;
    FlagScope busy(m_bBusy);
    CSingleLock lock(&m_Lock, TRUE);
    if (!HasXAxis())
        return;
    m_dXMin = std::min(a, b);
    m_dXMax = std::max(a, b);
    m_pChart->GetXAxis(0).SetRange(m_dXMin, m_dXMax);
    updateSliders();
    redrawChart();
}

void CGraphicDisplayWnd::setIntervalMode(int iMode)
{
    m_iIntervalMode = iMode;
    const double dLargest = m_pDataManager->getAbsoluteXMax(kCaller);
    // Without a point there is no x range to show.
    if (dLargest == -DBL_MAX)
        return;
    if (iMode != 1)
    {
        m_dXMin = m_pDataManager->getAbsoluteXMin(kCaller);
        m_dXMax = dLargest;
    }
    else if (m_dIntervalWidth > DBL_EPSILON)
    {
        m_dXMax = dLargest;
        m_dXMin = m_dXMax - m_dIntervalWidth;
    }
    setXRange(m_dXMin, m_dXMax);
}

void CGraphicDisplayWnd::setIntervalWidth(double dWidth)
{
    m_dIntervalWidth = dWidth;
    setIntervalMode(1);
}

void CGraphicDisplayWnd::resetZoom()
{
    enterChartMode(&CPlot::OnResetZoom);
}

void CGraphicDisplayWnd::resetMode()
{
    if (!m_pChart)
        return;
    m_pChart->OnNoMode();
    m_pChart->SetInteraction(false);
    redrawChart();
}

// ---------------------------------------------------------------------------------------------------
// Sliders

int CGraphicDisplayWnd::PositionOf(double x, double dLargestX)
{
    const double dPos = x / dLargestX * POS_RANGE;
    if (!std::isfinite(dPos))
        return 0;
    return static_cast<int>(std::clamp(dPos, 0.0, static_cast<double>(POS_RANGE)));
}

void CGraphicDisplayWnd::SetIntervalSliderRange(double dMin, double dMax)
{
    if (!m_pIntervalSlider || m_pIntervalSlider->GetSafeHwnd() == nullptr)
        return;
    FlagScope guard(m_bSliderGuard);
    m_pIntervalSlider->SetRange(dMin, dMax);
    m_pIntervalSlider->SetVisibleRange(dMin, dMax);
}

void CGraphicDisplayWnd::SetPosSlider(int nPos)
{
    m_nPosSliderPos = nPos;
    if (m_pPosSlider && m_pPosSlider->GetSafeHwnd() != nullptr)
        m_pPosSlider->SetPos(nPos);
}

void CGraphicDisplayWnd::updateSliders()
{
    FlagScope sync(m_bSliderSync);
    if (m_pIntervalSlider && m_pIntervalSlider->GetSafeHwnd() != nullptr)
    {
        FlagScope guard(m_bSliderGuard);
        m_pIntervalSlider->SetMinMax(m_dXMin, m_dXMax);
        m_pIntervalSlider->SetRange(m_dXMin, m_dXMax);
        m_pIntervalSlider->SetVisibleRange(m_dXMin, m_dXMax);
    }
    SetPosSlider(PositionOf(m_dXMax, m_pDataManager->getAbsoluteXMax(kCaller)));
}

LRESULT CGraphicDisplayWnd::OnIntervalChange(WPARAM, LPARAM)
{
    // Slider moves made here in code are not taken as the operator's.
    if (m_bSliderGuard || m_bSliderSync || !m_pIntervalSlider)
        return 0;
    m_pIntervalSlider->GetRange(m_dXMin, m_dXMax);
    m_dIntervalWidth = m_dXMax - m_dXMin;
    const double dLargest = m_pDataManager->getAbsoluteXMax(kCaller);
    {
        FlagScope guard(m_bSliderGuard);
        SetPosSlider(PositionOf(m_dXMax, dLargest < DBL_EPSILON ? DBL_EPSILON : dLargest));
    }
    SetTimer(TIMER_APPLY_RANGE, APPLY_RANGE_DELAY);
    return 0;
}

void CGraphicDisplayWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const double dLargest = m_pDataManager->getAbsoluteXMax(kCaller);
    if (!m_bSliderGuard && m_pPosSlider && m_pPosSlider->GetSafeHwnd() != nullptr && dLargest != -DBL_MAX)
    {
        m_nPosSliderPos = m_pPosSlider->GetPos();
        m_dXMax = m_nPosSliderPos * dLargest / POS_RANGE;
        if (m_dIntervalWidth > DBL_EPSILON)
            m_dXMin = std::max(0.0, m_dXMax - m_dIntervalWidth);
        else
            m_dXMin = m_pDataManager->getAbsoluteXMin(kCaller);
        if (m_dXMax >= m_dXMin)
            SetIntervalSliderRange(m_dXMin, m_dXMax);
        if (!m_bSliderSync)
            SetTimer(TIMER_APPLY_RANGE, APPLY_RANGE_DELAY);
    }
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CGraphicDisplayWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_APPLY_RANGE)
        applyXRange();
    else if (nIDEvent == TIMER_HOVER_DELAY)
        showTooltip();
    else if (nIDEvent == TIMER_TOOLTIP_TIME)
        hideTooltip();
    else
        CWnd::OnTimer(nIDEvent);
}

void CGraphicDisplayWnd::applyXRange()
{
    KillTimer(TIMER_APPLY_RANGE);
    if (!HasXAxis())
        return;
    if (std::fabs(m_dXMax - m_dXMin) > DBL_EPSILON)
        m_pChart->GetXAxis(0).SetRange(m_dXMin, m_dXMax);
    redrawChart();
}

LRESULT CGraphicDisplayWnd::OnPlotZoomChanged(WPARAM, LPARAM)
{
    if (!HasXAxis())
        return 0;
    double dStep;
    m_pChart->GetXAxis(0).GetRange(m_dXMin, m_dXMax, dStep);
    SetIntervalSliderRange(m_dXMin, m_dXMax);
    if (m_pIntervalSlider && m_pIntervalSlider->GetSafeHwnd() != nullptr)
        m_pIntervalSlider->Invalidate();
    SetPosSlider(PositionOf(m_dXMax, m_pDataManager->getAbsoluteXMax(kCaller)));
    return 0;
}

// ---------------------------------------------------------------------------------------------------
// Reading back and redrawing

int CGraphicDisplayWnd::getCurvePointCount(int iCurve)
{
    CSingleLock lock(&m_Lock, TRUE);
    return HasCurve(iCurve) ? m_pChart->GetCurve(iCurve).m_iCount : 0;
}

double CGraphicDisplayWnd::getCurveX(int iCurve, int iPoint)
{
    return HasCurve(iCurve) ? m_pChart->GetCurve(iCurve).GetX(iPoint) : 0.0;
}

double CGraphicDisplayWnd::getCurveY(int iCurve, int iPoint)
{
    return HasCurve(iCurve) ? m_pChart->GetCurve(iCurve).GetY(iPoint) : 0.0;
}

bool CGraphicDisplayWnd::saveBitmap(LPCSTR lpszFileName)
{
    return m_pChart && m_pChart->SaveBitmap(lpszFileName);
}

void CGraphicDisplayWnd::redrawChart()
{
    if (!m_pChart || m_pChart->GetSafeHwnd() == nullptr)
        return;
    m_pChart->Invalidate(FALSE);
    m_pChart->SendMessage(WM_PAINT);
}

bool CGraphicDisplayWnd::HasXAxis() const
{
    return m_pChart && m_pChart->GetXAxisCount() > 0;
}

bool CGraphicDisplayWnd::HasCurve(int iCurve) const
{
    return m_pChart && m_pChart->HasCurve(iCurve);
}

bool CGraphicDisplayWnd::HasYAxis(int iAxis) const
{
    return m_pChart && iAxis >= 0 && iAxis < m_pChart->GetYAxisCount();
}

// ---------------------------------------------------------------------------------------------------
// Chart properties

int CGraphicDisplayWnd::setCurveLineWidth(int iCurve, int nWidth)
{
    if (iCurve < 0 || !m_pChart)
        return 0;
    if (!HasCurve(iCurve))
        return m_pChart->GetCurveCount();
    m_pChart->GetCurve(iCurve).m_iLineWidth = nWidth;
    redrawChart();
    return 1;
}

void CGraphicDisplayWnd::setCurveTitle(int iCurve, const CString& strTitle)
{
    if (!HasCurve(iCurve))
        return;
    m_pChart->GetCurve(iCurve).m_strTitle = strTitle;
    redrawChart();
}

void CGraphicDisplayWnd::setCurveColor(int iCurve, COLORREF crColor)
{
    if (!HasCurve(iCurve))
        return;
    m_pChart->GetCurve(iCurve).m_crColor = crColor;
    redrawChart();
}

void CGraphicDisplayWnd::setYAxisAutoScale(int iAxis, bool bOn)
{
    if (!HasYAxis(iAxis))
        return;
    m_pChart->GetYAxis(iAxis).m_bAutoScale = bOn;
    redrawChart();
}

void CGraphicDisplayWnd::setYAxisFormat(int iAxis, const CString& strFormat)
{
    if (!HasYAxis(iAxis))
        return;
    m_pChart->GetYAxis(iAxis).m_strFormat = strFormat;
    redrawChart();
}

void CGraphicDisplayWnd::setYAxisTitle(int iAxis, const CString& strTitle)
{
    if (!HasYAxis(iAxis))
        return;
    m_pChart->GetYAxis(iAxis).m_strTitle = strTitle;
    redrawChart();
}

void CGraphicDisplayWnd::setXAxisTitle(const CString& strTitle)
{
    if (!HasXAxis())
        return;
    m_pChart->GetXAxis(0).m_strTitle = strTitle;
    redrawChart();
}
