// The diagram window: the chart with a position slider above it and an interval slider below it, kept
// in step. It owns the curve store of up to ten curves, whose points the chart draws in place without
// copying, and it is the one way the rest of the program reaches the chart: adding points, showing curves,
// the visible x range, titles, formats and colours, reading the points back, and the diagram bitmap.
#pragma once

#include "charting/CDataManager.h"
#include "charting/DLGTEXTELEMENT.h"
#include "framework/CCriticalSection.h"
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <memory>

class CChartPage;
class CDC;
class CFlatSliderCtrl;
class CIntervalSlider;
class CMenu;
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

class CGraphicDisplayWnd : public CWnd
{
public:
    static constexpr UINT ID_POS_SLIDER = 4711;
    static constexpr UINT ID_INTERVAL_SLIDER = 4712;
    static constexpr int POS_RANGE = 10000;
    static constexpr UINT_PTR TIMER_APPLY_RANGE = 1;
    static constexpr UINT APPLY_RANGE_DELAY = 50;
    static constexpr UINT_PTR TIMER_HOVER_DELAY = 2;
    static constexpr UINT_PTR TIMER_TOOLTIP_TIME = 3;

    // Commands of the context menu, in menu order.
    static constexpr UINT ID_MENU_SELECT = 4000;
    static constexpr UINT ID_MENU_ZOOM_IN = 60001;
    static constexpr UINT ID_MENU_ZOOM_OUT = 60002;
    static constexpr UINT ID_MENU_PAN = 60003;
    static constexpr UINT ID_MENU_CURSOR = 60004;
    static constexpr UINT ID_MENU_GRID = 60005;
    static constexpr UINT ID_MENU_FIT_X = 60006;
    static constexpr UINT ID_MENU_FIT_Y = 60007;
    static constexpr UINT ID_MENU_LEGEND = 60008;
    static constexpr UINT ID_MENU_CURVE_ON_OFF = 60009;
    static constexpr UINT ID_MENU_MEASURE = 60010;
    static constexpr UINT ID_MENU_RESET = 60011;
    static constexpr UINT ID_MENU_PROPERTIES = 60012;
    static constexpr int MENU_ENTRY_COUNT = 13;
    static const UINT MENU_COMMANDS[MENU_ENTRY_COUNT];

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

    // --- context menu; an empty text leaves its entry out ---
    void setMenuTextSelect(const CString& str) { m_strMenuText[0] = str; }
    void setMenuTextZoomIn(const CString& str) { m_strMenuText[1] = str; }
    void setMenuTextZoomOut(const CString& str) { m_strMenuText[2] = str; }
    void setMenuTextPan(const CString& str) { m_strMenuText[3] = str; }
    void setMenuTextCursor(const CString& str) { m_strMenuText[4] = str; }
    void setMenuTextGrid(const CString& str) { m_strMenuText[5] = str; }
    void setMenuTextFitX(const CString& str) { m_strMenuText[6] = str; }
    void setMenuTextFitY(const CString& str) { m_strMenuText[7] = str; }
    void setMenuTextLegend(const CString& str) { m_strMenuText[8] = str; }
    void setMenuTextCurveOnOff(const CString& str) { m_strMenuText[9] = str; }
    void setMenuTextMeasure(const CString& str) { m_strMenuText[10] = str; }
    void setMenuTextReset(const CString& str) { m_strMenuText[11] = str; }
    void setMenuTextProperties(const CString& str) { m_strMenuText[12] = str; }
    CString getMenuTextSelect() const { return m_strMenuText[0]; }
    CString getMenuTextZoomIn() const { return m_strMenuText[1]; }
    CString getMenuTextZoomOut() const { return m_strMenuText[2]; }
    CString getMenuTextPan() const { return m_strMenuText[3]; }
    CString getMenuTextCursor() const { return m_strMenuText[4]; }
    CString getMenuTextGrid() const { return m_strMenuText[5]; }
    CString getMenuTextFitX() const { return m_strMenuText[6]; }
    CString getMenuTextFitY() const { return m_strMenuText[7]; }
    CString getMenuTextLegend() const { return m_strMenuText[8]; }
    CString getMenuTextCurveOnOff() const { return m_strMenuText[9]; }
    CString getMenuTextMeasure() const { return m_strMenuText[10]; }
    CString getMenuTextReset() const { return m_strMenuText[11]; }
    CString getMenuTextProperties() const { return m_strMenuText[12]; }
    // Fills an empty popup menu with the entries that have texts; false (and no entry) when none has.
    bool buildContextMenu(CMenu& menu) const;

    // The menu's operations.
    // The chart selects series n alone; false for a series that does not exist.
    bool selectCurve(int iCurve);
    void zoomMode();
    void panMode();
    void cursorMode();
    // Switches the grid of x axis 0 and of every y axis; the new grid state of x axis 0.
    bool toggleGrid();
    // x axis 0 (y axis 0) to the x (y) extent of each series in turn: the last one decides.
    void fitXAxis();
    void fitYAxis();
    // The new legend state.
    bool toggleLegend();
    void setCurveVisible(int iCurve, bool bVisible);
    void measureMode();

    // --- hover tooltip ---
    // "Kurve %i" with the curve number; "%f %s\r\n%f %s" with x value, x title, y value and curve title.
    void setCurveFormat(const CString& str) { m_strCurveFormat = str; }
    CString getCurveFormat() const { return m_strCurveFormat; }
    void setValueFormat(const CString& str) { m_strValueFormat = str; }
    CString getValueFormat() const { return m_strValueFormat; }
    void setHoverDelay(int nMs) { m_iHoverDelay = nMs; }
    int getHoverDelay() const { return m_iHoverDelay; }
    void setTooltipTime(int nMs) { m_iTooltipTime = nMs; }
    int getTooltipTime() const { return m_iTooltipTime; }
    void setTooltipWidth(int nPixels) { m_iTooltipWidth = nPixels; }
    int getTooltipWidth() const { return m_iTooltipWidth; }
    void setTooltipHeight(int nPixels) { m_iTooltipHeight = nPixels; }
    int getTooltipHeight() const { return m_iTooltipHeight; }
    CPlotLabel* getHoverLabel() const { return m_pHoverLabel; }

    // --- texts of the chart property pages (German by default) ---
    void setCurvePageTexts(const DlgTextTable& texts) { m_CurvePageTexts.Copy(texts); }
    void setChartPageTexts(const DlgTextTable& texts) { m_ChartPageTexts.Copy(texts); }
    void setAxisPageTexts(const DlgTextTable& texts) { m_AxisPageTexts.Copy(texts); }
    const DlgTextTable& getCurvePageTexts() const { return m_CurvePageTexts; }
    const DlgTextTable& getChartPageTexts() const { return m_ChartPageTexts; }
    const DlgTextTable& getAxisPageTexts() const { return m_AxisPageTexts; }

    // --- further properties; a setter for a missing series or axis does nothing, a getter answers
    // -1, false, 0 or an empty text ---
    void setCurveLineStyle(int iCurve, int nStyle);
    int getCurveLineStyle(int iCurve) const;
    int getCurveLineWidth(int iCurve) const;
    void setCurveMarkerSymbol(int iCurve, int nSymbol);
    int getCurveMarkerSymbol(int iCurve) const;
    void setCurveMarkerSize(int iCurve, int nSize);
    int getCurveMarkerSize(int iCurve) const;
    void setCurveMarkerMode(int iCurve, int nMode);
    int getCurveMarkerMode(int iCurve) const;
    void setCurveMarkersOn(int iCurve, bool bOn);
    bool getCurveMarkersOn(int iCurve) const;
    CString getCurveTitle(int iCurve) const;
    COLORREF getCurveColor(int iCurve) const;
    bool getYAxisAutoScale(int iAxis) const;
    CString getYAxisFormat(int iAxis) const;
    CString getYAxisTitle(int iAxis) const;
    void setYAxisColor(int iAxis, COLORREF crColor);
    COLORREF getYAxisColor(int iAxis) const;
    void setXAxisColor(COLORREF crColor);
    COLORREF getXAxisColor() const;
    CString getXAxisTitle() const;

    // Window settings: slider bands take effect at the next resize; the colours are the ones handed
    // to the chart by create.
    void setPosSliderHeight(int nPixels) { m_nPosSliderHeight = nPixels; }
    int getPosSliderHeight() const { return m_nPosSliderHeight; }
    void setIntervalSliderHeight(int nPixels) { m_nIntervalSliderHeight = nPixels; }
    int getIntervalSliderHeight() const { return m_nIntervalSliderHeight; }
    void setPosSliderSide(int nSide) { m_nPosSliderSide = nSide; }
    int getPosSliderSide() const { return m_nPosSliderSide; }
    void setIntervalSliderSide(int nSide) { m_nIntervalSliderSide = nSide; }
    int getIntervalSliderSide() const { return m_nIntervalSliderSide; }
    void setPlotColor(COLORREF crColor);
    COLORREF getPlotColor() const { return m_crPlotArea; }
    void setBackgroundColor(COLORREF crColor);
    COLORREF getBackgroundColor() const { return m_crBackground; }
    void setInnerColor(COLORREF crColor);
    COLORREF getInnerColor() const { return m_crInnerArea; }

    // Stores the range as given, without applying it.
    void setXRangeValues(double a, double b)
    {
        m_dXMin = a;
        m_dXMax = b;
    }
    // x axis 0's displayed maximum, minimum and tick step; all 0 without it.
    void getXAxisRange(double& dMax, double& dMin, double& dStep) const;
    int getCurveCount() const;
    int getMaxCurvePointCount() const;
    // 100 for every curve.
    int getCurvePercent(int iCurve) const;
    // Decimals of x axis 0 from the span b - a (3 below 0.2, 2 below 1, 1 below 5, else 0), set only
    // when they differ from the last choice made in the program.
    void setXAxisDecimalsBySpan(double a, double b);
    void setChartText1(const CString& str);
    CString getChartText1() const { return m_strChartText1; }
    void setChartText2(const CString& str);
    CString getChartText2() const { return m_strChartText2; }
    // The chart window as the screen shows it, as a packed bitmap the caller frees; null without chart.
    HGLOBAL getWindowDib();

    // --- chart archive, printing and drawing ---
    // The chart's settings, measurements and objects (not the curves).
    bool saveChart(LPCSTR lpszFileName);
    // Settings, measurements and objects from the file; the curves and axes stay.
    bool loadChart(LPCSTR lpszFileName);
    void printChart(CDC* pDC);
    void printChartRect(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom);
    // The chart draws itself into the device (WM_PRINT with the flags).
    void drawToDC(CDC* pDC, DWORD dwFlags);

    // --- CSV ---
    // Columns X1, Y1, X2, Y2, ... of the series up to the last that holds points; false when none does
    // or the file cannot be written.
    bool exportCsv(LPCSTR lpszFileName, LPCSTR lpszSeparator);
    // Column pairs into curves 0 to 9 and shown; a pair with a cell that is not a number is skipped.
    // False when no point was read.
    bool importCsv(LPCSTR lpszFileName, LPCSTR lpszSeparator);

    // The bands of the two sliders and the chart in a window rectangle. Side 1 puts a slider above the
    // chart, 0 below; on one side the position slider is the outer band.
    static DiagramLayout ComputeLayout(const CRect& rcWindow, int nPosHeight, int nPosSide,
                                       int nIntervalHeight, int nIntervalSide);
    // x as a position 0..10,000 of the position slider against the largest x; 0 when that is not a number.
    static int PositionOf(double x, double dLargestX);

    // --- the chart property window (command 60012) ---
    // Shows it, then writes its texts.
    void showSettingsPage();
    // Hides it and redraws the chart.
    void hideSettingsPage();
    // Writes the three text tables into the window: caption, tab titles and control texts. Needs the
    // pages, which the first showing builds.
    void applyPageTexts();

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

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnSizing(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg LRESULT OnIntervalChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPlotZoomChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPlotContextMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPlotCurveHover(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMenuSelect();
    afx_msg void OnMenuGrid();
    afx_msg void OnMenuLegend();
    afx_msg void OnMenuCurveOnOff();
    DECLARE_MESSAGE_MAP()

    // Shows the popup at the screen point with this window as owner; the chosen command comes back
    // as WM_COMMAND.
    virtual void trackContextMenu(CMenu& menu, CPoint ptScreen);

private:
    void recalcLayout();
    void updateSliders();
    // Timer 1: the range the sliders chose goes to the chart.
    void applyXRange();
    // Fits the given axes (-1: none) to each visible curve.
    void fitAxesToShownCurves(int iXAxis, int iYAxis);
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
    // Mouse interaction on, no mode, then the chart's mode command (if any).
    void enterChartMode(void (CPlot::*pfnMode)());
    // Timer 2: the tooltip of the hovered curve at the pointer.
    void showTooltip();
    // Timer 3: the tooltip goes.
    void hideTooltip();
    // The label the tooltip shows in, made hidden and kept from the Delete key.
    void insertHoverLabel();
    // Points exported for series n: none while the store's curve is empty (cleared or warm-up points).
    int exportedPointCount(int iCurve) const;

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
    bool m_bBusy = false;
    CCriticalSection m_Lock;
    bool m_bSliderSync = false;
    CGraphicDisplayHost* m_pHost = nullptr;
    CString m_strMenuText[MENU_ENTRY_COUNT] = {"Selektieren",
                                               "Zoom in",
                                               "Zoom out",
                                               "Verschieben",
                                               "Cursor",
                                               "Raster ein/aus",
                                               "Auf X-Achse einpassen",
                                               "Auf Y-Achse einpassen",
                                               "Legende anzeigen",
                                               "Graph ein/aus",
                                               "Graph ausmessen",
                                               "Rücksetzen",
                                               "Eigenschaften"};
    CString m_strCurveFormat = "Kurve %i";
    CString m_strValueFormat = "%f %s\r\n%f %s";
    CString m_strChartText1;
    CString m_strChartText2;
    int m_iHoverDelay = 2000;
    int m_iTooltipCurve = -1;
    int m_iLastHoveredCurve = -1; // the last curve a hover message named
    int m_iTooltipTime = 3000;
    bool m_bTooltipShown = false;
    int m_iTooltipWidth = 100;
    int m_iTooltipHeight = 50;
    DlgTextTable m_AxisPageTexts;
    DlgTextTable m_ChartPageTexts;
    DlgTextTable m_CurvePageTexts;
    // The decimals setXAxisDecimalsBySpan chose last, in the whole program; -1 before the first choice.
    inline static int s_nLastSpanDecimals = -1;
};
