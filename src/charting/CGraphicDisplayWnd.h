// The diagram window: the chart with a position slider above it and an interval slider below it, kept
// in step. It owns the curve store of up to ten curves, whose arrays the chart draws from without copying,
// and it is the one way the rest of the program reaches the chart: adding points, showing curves, the
// visible x range, titles, formats and colours, reading the points back, and the diagram bitmap.
#pragma once

#include "charting/CDataManager.h"
#include "framework/CCriticalSection.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <memory>

class CChartPage;
class CFlatSliderCtrl;
class CIntervalSlider;
class CPlot;
class CPlotLabel;

// What the diagram window tells its owner.
class CGraphicDisplayHost
{
public:
    // Points of curve iCurve are refused because memory is exhausted; said once until a curve is cleared.
    virtual void OnCurveStoreFull(int iCurve) = 0;

protected:
    ~CGraphicDisplayHost() = default;
};

// The rectangles of the chart and the two sliders in the window.
struct DiagramLayout
{
    CRect rcChart;
    CRect rcPosSlider;
    CRect rcIntervalSlider;
};

class CGraphicDisplayWnd : public CWnd, public CCurveStoreOwner
{
public:
    static constexpr UINT ID_POS_SLIDER = 4711;
    static constexpr UINT ID_INTERVAL_SLIDER = 4712;
    static constexpr int POS_RANGE = 10000;
    static constexpr UINT_PTR TIMER_APPLY_RANGE = 1;
    static constexpr UINT APPLY_RANGE_DELAY = 50;

    CGraphicDisplayWnd();
    // With a store of the caller's (tests use one whose memory runs out).
    explicit CGraphicDisplayWnd(std::unique_ptr<CDataManager> pDataManager);
    ~CGraphicDisplayWnd() override;

    // Creates the chart and the sliders inside this (already attached) window and builds the ten curves
    // and y axes; false when the chart exists already or cannot be created. The further arguments are
    // not used.
    bool create(CWnd* pParent, UINT nUnused = 0, UINT nUnused2 = 0);
    void setHost(CGraphicDisplayHost* pHost) { m_pHost = pHost; }

    // --- the live path ---
    // Under the lock: the curve's new count; -1 for a curve outside 0..9.
    int addPoint(int iCurve, double x, double y);
    // Hands the curve's points to the chart and sets how it is shown; nothing while busy.
    void showCurve(int iCurve, bool bVisible, bool bOwnYAxis, bool bFit);
    // Empties the curve in the store and hides it; false for a curve outside 0..9.
    bool clearCurve(int iCurve);
    // Shows a to b (either order) on x axis 0 and on both sliders; nothing while busy.
    void setXRange(double a, double b);
    void setIntervalWidth(double dWidth);
    void setIntervalMode(int iMode);
    // Mouse interaction on, no chart mode, every axis back to its full range.
    void resetZoom();
    // No chart mode, mouse interaction off, redrawn.
    void resetMode();

    // --- reading back ---
    // Under the lock: the points chart series iCurve holds (the count last handed to it); 0 for no series.
    int getCurvePointCount(int iCurve);
    // 0 for a point or series that does not exist.
    double getCurveX(int iCurve, int iPoint);
    double getCurveY(int iCurve, int iPoint);
    CString getVersion() const { return m_strVersion; }
    bool saveBitmap(LPCSTR lpszFileName);
    // Repaints the chart before it returns.
    void redrawChart();

    // --- chart properties; ignored for a series or axis that does not exist, each ends redrawn ---
    // 0 for a negative series, the series count past the last one, 1 when set.
    int setCurveLineWidth(int iCurve, int nWidth);
    void setCurveTitle(int iCurve, const CString& strTitle);
    void setCurveColor(int iCurve, COLORREF crColor);
    void setYAxisAutoScale(int iAxis, bool bOn);
    void setYAxisFormat(int iAxis, const CString& strFormat);
    void setYAxisTitle(int iAxis, const CString& strTitle);
    void setXAxisTitle(const CString& strTitle);

    // The bands of the two sliders and the chart in a window rectangle. Side 1 puts a slider above the
    // chart, 0 below; on one side the position slider is the outer band.
    static DiagramLayout ComputeLayout(const CRect& rcWindow, int nPosHeight, int nPosSide,
                                       int nIntervalHeight, int nIntervalSide);
    // x as a position 0..10,000 of the position slider against the largest x; 0 when that is not a number.
    static int PositionOf(double x, double dLargestX);

    // --- the chart property window ---
    // Shows it, then writes its texts.
    void showSettingsPage();
    // Hides it and redraws the chart.
    void hideSettingsPage();

    CPlot* GetChart() const { return m_pChart.get(); }
    CChartPage* GetChartPage() const { return m_pChartPage.get(); }
    CDataManager* GetDataManager() const { return m_pDataManager.get(); }
    CFlatSliderCtrl* GetPosSlider() const { return m_pPosSlider.get(); }
    CIntervalSlider* GetIntervalSlider() const { return m_pIntervalSlider.get(); }
    void GetXRange(double& dMin, double& dMax) const
    {
        dMin = m_dXMin;
        dMax = m_dXMax;
    }
    double getIntervalWidth() const { return m_dIntervalWidth; }
    int getIntervalMode() const { return m_iIntervalMode; }

    void OnCurveArrayMoved(int iCurve, CurvePoint* pNew, int nCount) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSizing(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnIntervalChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPlotZoomChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void recalcLayout();
    void updateSliders();
    // Timer 1: the range the sliders chose goes to the chart.
    void applyXRange();
    bool HasXAxis() const;
    bool HasCurve(int iCurve) const;
    bool HasYAxis(int iAxis) const;
    // Sets the interval slider without hearing its notifications.
    void SetIntervalSliderRange(double dMin, double dMax);
    void SetPosSlider(int nPos);
    void createSliders(const DiagramLayout& layout);
    void buildCurves();
    // The property window, created hidden with the chart window as its parent.
    void createSettingsPage();

    std::unique_ptr<CPlot> m_pChart;
    std::unique_ptr<CFlatSliderCtrl> m_pPosSlider;
    std::unique_ptr<CIntervalSlider> m_pIntervalSlider;
    std::unique_ptr<CDataManager> m_pDataManager;
    std::unique_ptr<CChartPage> m_pChartPage;
    double m_dXMin = 0.0;
    double m_dXMax = 0.0;
    int m_nPosSliderPos = 0;
    bool m_bSliderGuard = false;
    int m_nPosSliderHeight = 20;
    int m_nIntervalSliderHeight = 20;
    int m_nIntervalSliderSide = 0;
    int m_nPosSliderSide = 1;
    COLORREF m_crPlotArea = RGB(255, 255, 255);
    COLORREF m_crBackground = 0x7F7F7F;
    COLORREF m_crInnerArea = 0xC0C0C0;
    int m_iIntervalMode = 0;
    double m_dIntervalWidth = 0.0;
    CWnd* m_pParent = nullptr;
    CPlotLabel* m_pHoverLabel = nullptr;
    CString m_strVersion = "1.01";
    CurvePoint* m_pShownCurve[CDataManager::CURVE_COUNT] = {};
    bool m_bBusy = false;
    CCriticalSection m_Lock;
    bool m_bSliderSync = false;
    CGraphicDisplayHost* m_pHost = nullptr;
};
