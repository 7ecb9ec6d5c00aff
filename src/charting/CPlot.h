// The chart window (class "Plot"): x and y axes, curves bound by index to one x and one y axis, a legend,
// and free chart objects (labels and point notes, the cursor label first). It paints off screen, keeps
// a copy of its last painted image for the diagram bitmap, prints, and stores itself in a chart archive.
#pragma once

#include "charting/CPlotAxis.h"
#include "charting/CPlotDataSerie.h"
#include "charting/CPlotHost.h"
#include "charting/CPlotLabel.h"
#include "framework/CWnd.h"

#include <list>
#include <memory>
#include <vector>

class CArchive;
class CBitmap;
class CDCEx;
class CPalette;
class CRectTracker;

enum PlotMode
{
    PLOT_MODE_NONE = 0,
    PLOT_MODE_ZOOM = 1,
    PLOT_MODE_PAN = 3,
    PLOT_MODE_CURSOR = 4,
    PLOT_MODE_EDIT = 7,
    PLOT_MODE_MEASURE = 8
};

enum PlotCursorStyle
{
    PLOT_CURSOR_HLINE = 1,
    PLOT_CURSOR_VLINE = 2,
    PLOT_CURSOR_LABEL = 4,
    PLOT_CURSOR_CENTERED = 8
};

enum PlotArchiveParts
{
    PLOT_ARCHIVE_SETTINGS = 1,
    PLOT_ARCHIVE_CURVES = 2,
    PLOT_ARCHIVE_OBJECTS = 4
};

// Messages the chart posts to its parent, the chart as lParam.
constexpr UINT WM_PLOT_YAXIS_SELECTED = WM_USER + 1; // wParam the axis
constexpr UINT WM_PLOT_XAXIS_SELECTED = WM_USER + 2;
constexpr UINT WM_PLOT_CURVE_SELECTED = WM_USER + 3; // wParam the curve
constexpr UINT WM_PLOT_YAXIS_DBLCLK = WM_USER + 4;
constexpr UINT WM_PLOT_XAXIS_DBLCLK = WM_USER + 5;
constexpr UINT WM_PLOT_CURVE_DBLCLK = WM_USER + 6;
constexpr UINT WM_PLOT_BACKGROUND_DBLCLK = WM_USER + 7;
constexpr UINT WM_PLOT_CONTEXT_MENU = WM_USER + 8;
constexpr UINT WM_PLOT_CURSOR_MOVED = WM_USER + 9;
constexpr UINT WM_PLOT_ZOOM_CHANGED = WM_USER + 10;
constexpr UINT WM_PLOT_POINT_EDITED = WM_USER + 11; // wParam the PlotPointEdit record
constexpr UINT WM_PLOT_CURVE_HOVER = WM_USER + 12;  // wParam the curve, or -1

// The chart's commands.
constexpr UINT ID_PLOT_NO_MODE = 60000;
constexpr UINT ID_PLOT_INSERT_LABEL = 60001;
constexpr UINT ID_PLOT_ZOOM_MODE = 60002;
constexpr UINT ID_PLOT_RESET_ZOOM = 60003;
constexpr UINT ID_PLOT_PAN_MODE = 60004;
constexpr UINT ID_PLOT_PROPERTIES = 60005;
constexpr UINT ID_PLOT_PRINT = 60007;
constexpr UINT ID_PLOT_LINEAR_TREND = 60009;
constexpr UINT ID_PLOT_CUBIC_TREND = 60010;
constexpr UINT ID_PLOT_CURSOR_MODE = 60011;
constexpr UINT ID_PLOT_CHART_PROPERTIES = 60012; // also posted to the parent as a WM_COMMAND
constexpr UINT ID_PLOT_ZOOM_BACK = 60013;
constexpr UINT ID_PLOT_MEASURE_MODE = 60014;
constexpr UINT ID_PLOT_EDIT_MODE = 60015;

// A curve point dragged in point-editing mode.
struct PlotPointEdit
{
    int iCurve;
    int iPoint;
    double dOldY;
    double dNewY;
};

struct PlotMeasurement
{
    int iStartCurve;
    int iStartPoint;
    int iEndCurve;
    int iEndPoint;
};
static_assert(sizeof(PlotMeasurement) == 16, "stored whole in the chart archive");

// A row of the legend and the number of the curve it lists (curves move when one is added).
struct PlotLegendEntry
{
    CRect rcEntry;
    int iCurve;
};

// The default curve colours; the n-th curve created takes entry n mod 12.
extern const COLORREF PLOT_CURVE_COLORS[12];

class CPlot : public CWnd, public CPlotHost
{
    DECLARE_DYNCREATE(CPlot)

public:
    static constexpr LPCSTR CLASS_NAME = "Plot";

    // Registers the window class "Plot" when the process lacks it; raises the framework's resource
    // exception when that fails.
    CPlot();
    ~CPlot() override;
    CPlot(const CPlot&) = delete;
    CPlot& operator=(const CPlot&) = delete;

    // Reads a chart stored with its class; the archive error for an object of another class.
    static CPlot* ReadFromArchive(CArchive& ar);

    // --- curves and axes ---
    // Creates curve iCurve (= the curve count) or updates it; a new axis is appended when its index
    // equals the count. Copy: the curve keeps its own copy of the points, else it refers to pData.
    // Range: the axes get exactly the curve's extent; else fit: FitAxesToCurve. Null (nothing changed)
    // for no points or an index beyond its count.
    CPlotDataSerie* SetData(const CurvePoints& pData, int nCount, int iCurve, int iXAxis, int iYAxis,
                            bool bFit, bool bCopy, bool bRange);
    void FitAxesToCurve(int iXAxis, int iYAxis, int iCurve);
    // False when the curve has no points.
    bool GetCurveExtent(int iCurve, double& dXMin, double& dXMax, double& dYMin, double& dYMax) const;
    CPlotDataSerie& GetCurve(int i) { return m_Curves[static_cast<size_t>(i)]; }
    bool HasCurve(int i) const { return i >= 0 && i < GetCurveCount(); }
    CPlotAxis& GetXAxis(int i) { return m_XAxes[static_cast<size_t>(i)]; }
    CPlotAxis& GetYAxis(int i) { return m_YAxes[static_cast<size_t>(i)]; }
    int GetXAxisCount() const { return static_cast<int>(m_XAxes.size()); }
    int GetYAxisCount() const { return static_cast<int>(m_YAxes.size()); }
    bool DeleteCurve(int i);
    bool DeleteXAxis(int i);
    bool DeleteYAxis(int i);
    // No axes, no curves, and no chart objects but the cursor label.
    void ResetAll();
    int GetCurveIndex(const CPlotDataSerie* pCurve) const;
    void SetCurveVisible(int i, bool bVisible);
    bool SelectCurve(int i);
    bool SelectXAxis(int i);
    bool SelectYAxis(int i);
    // Tick-label format of x axis n (which 0), y axis n (1) or both (2), for 0 to 3 decimals.
    void SetAxisDecimals(int iAxis, int nDecimals, int nWhich);
    void SetMargins(int nLeft, int nTop, int nRight, int nBottom);
    // A label on the 100 by 100 pixel square around the plot's centre.
    CPlotLabel* InsertLabel(const CString& strText);
    CPlotLabel* InsertLabel(const CRect& rect, const CString& strText);
    const std::list<CPlotObject*>& GetObjects() const { return m_Objects; }
    const std::vector<PlotLegendEntry>& GetLegendEntries() const { return m_LegendEntries; }

    // --- chart properties ---
    void SetBackgroundColor(COLORREF cr) { m_crBackground = cr; }
    void SetInnerAreaColor(COLORREF cr) { m_crInnerArea = cr; }
    void SetPlotAreaColor(COLORREF cr) { m_crPlotArea = cr; }
    COLORREF GetBackgroundColor() const { return m_crBackground; }
    COLORREF GetPlotAreaColor() const { return m_crPlotArea; }
    void SetLegendVisible(bool bVisible) { m_bLegendVisible = bVisible; }
    bool IsLegendVisible() const { return m_bLegendVisible; }
    void SetLegendSide(int iSide) { m_iLegendSide = iSide; }
    int GetLegendSide() const { return m_iLegendSide; }
    void SetInteraction(bool bOn) { m_bInteraction = bOn; }
    bool GetInteraction() const { return m_bInteraction; }
    void SetSnapRange(int nPixels) { m_iSnapRange = nPixels; }
    int GetSnapRange() const { return m_iSnapRange; }
    void SetDoubleBuffered(bool bOn) { m_bDoubleBuffered = bOn; }
    bool IsDoubleBuffered() const { return m_bDoubleBuffered; }
    void SetSnapToCurve(bool bOn) { m_bSnapToCurve = bOn; }
    bool GetSnapToCurve() const { return m_bSnapToCurve; }
    CPoint GetMousePosition() const { return m_ptMouse; }
    void SetMode(int iMode) { m_iMode = iMode; }
    int GetMode() const { return m_iMode; }
    // The curve the last full hit test found under the pointer, -1 for none.
    int GetHoverCurve() const { return m_iHoverCurve; }
    // Two texts the owner hands to the chart to keep (0 and 1).
    void SetChartText(int nText, const CString& strText);
    CString GetChartText(int nText) const;

    // --- modes and commands ---
    // Leaves any mode: the cursor label hidden, mode none, redrawn.
    afx_msg void OnNoMode();
    // A label with no text at the plot's centre.
    afx_msg void OnInsertLabel();
    afx_msg void OnZoomMode();
    // Every y axis, then every x axis, back to its full range (zoom histories stay); redrawn.
    afx_msg void OnResetZoom();
    // Pan mode; automatic scaling off on every axis.
    afx_msg void OnPanMode();
    // The full hit test at the pointer as a double-click.
    afx_msg void OnProperties();
    afx_msg void OnLinearTrend();
    afx_msg void OnCubicTrend();
    // Pan mode's settings, then cursor mode following the fixed cursor curve (if any).
    afx_msg void OnCursorMode();
    // Asks the parent for the chart properties (WM_COMMAND ID_PLOT_CHART_PROPERTIES).
    afx_msg void OnChartProperties();
    // Every axis back one zoom step.
    afx_msg void OnZoomBack();
    afx_msg void OnMeasureMode();
    afx_msg void OnEditMode();

    // --- interaction ---
    // Moves the point vertically onto the curve point nearest it (the start of a measurement when
    // it is the drag start, else its end).
    void SnapToCurve(CPoint& point);
    // Zooms every axis to m_rcZoom when it is at least 15 pixels wide and high.
    void DoZoom();
    // Shifts every axis so that the values under the pan reference point move under the point.
    void DoPan(CPoint point);
    int GetZoomDepth() const;
    // A note on that point of the curve, with its coordinates and the axis titles.
    void InsertDataNotation(int iCurve, int iPoint);
    // (x under the pointer on the curve's x axis, y of the curve point nearest that x).
    CurvePoint GetCursorPoint(int iCurve);
    void SetCursorPosition(int iCurve, double dX, bool bCentre);
    void AddLinearTrend(int iCurve);
    void AddCubicTrend(int iCurve);
    // What lies under the pointer. Test only: true when an element is there (nothing changes but
    // hover messages). Full: selects, edits, drags markers and points, posts the messages; false.
    bool HitTest(bool bDoubleClick, bool bTestOnly);
    // x and y difference of a measurement from (L, T) to (R, B) between two curves: x on their x
    // axes, y of their points nearest those x, as an absolute value. False for a missing curve.
    bool MeasureDifference(const CRect& rc, int iStartCurve, int iEndCurve, double& dx, double& dy);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // --- overlays ---
    void DrawZoomRect(CDCEx* pDC);
    void DrawMeasurements(CDCEx* pDC);
    // rc empty: the measurement being dragged.
    void DrawMeasurement(CDCEx* pDC, const CRect& rc);
    void DrawCursor(CDCEx* pDC);
    void DrawCursorLabel(CDCEx* pDC);

    // --- painting and output ---
    // Renders the whole chart into the caller's device, over its whole resolution.
    void DrawToDC(CDC* pDC);
    // Writes the image of the last paint as a 32-bit BMP file; false when there is none or the file
    // cannot be written.
    bool SaveBitmap(LPCSTR lpszFileName);
    // A packed bitmap (header, colour table, pixels) in global memory, at least 32 bits per pixel; null
    // for compression 3 (bit fields) or on any failure. Null palette: the system's default palette.
    static HGLOBAL BitmapToDib(HBITMAP hBitmap, DWORD dwCompression, CPalette* pPalette);
    // Creates or truncates the file and writes the packed bitmap as a BMP file.
    static bool WriteDib(LPCSTR lpszFileName, HGLOBAL hDib);
    // The window as the screen shows it, as a packed bitmap the caller frees.
    HGLOBAL GetWindowDib();
    // Asks for a printer and prints the chart on one page.
    afx_msg void OnPrint();
    // Over the device's whole printable area; a preview (attribute device apart) gets no document.
    void PrintTo(CDC* pDC);
    void PrintToRect(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom);

    // --- chart archive ---
    using CWnd::Serialize;
    void Serialize(CArchive& ar, UINT nParts);
    // False for parts 0, a file that cannot be created or a failure while writing.
    bool Save(LPCSTR lpszFileName, UINT nParts);
    // Empties the chart, then reads the file; false when it cannot be opened or reading fails (what was
    // read stays).
    bool Load(LPCSTR lpszFileName);
    // As Load, but a file without curves and axes leaves the chart's own curves and axes in place.
    bool LoadKeepingCurves(LPCSTR lpszFileName);

    // --- CPlotHost ---
    CWnd* GetPlotWnd() override { return m_hWnd != nullptr ? this : nullptr; }
    CRect GetPlotRect() const override { return m_rcPlot; }
    COLORREF GetInnerAreaColor() const override { return m_crInnerArea; }
    CPlotAxis* GetXAxisAt(int nAxis) override;
    CPlotAxis* GetYAxisAt(int nAxis) override;
    int GetAxisIndex(const CPlotAxis* pAxis) const override;
    int GetCurveCount() const override { return static_cast<int>(m_Curves.size()); }
    bool GetCurveInfo(int nCurve, PlotCurveInfo& info) const override;
    MarkerPainter GetMarkerPainter(int nSymbol) const override;
    int GetPlotMode() const override { return m_iMode; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

    // Edit state shared by all charts: the point being edited, the axis markers being dragged and
    // the record posted with WM_PLOT_POINT_EDITED.
    inline static int s_iEditCurve = -1;
    inline static int s_iEditPoint = -1;
    inline static int s_iDragYMarker = -1;
    inline static int s_iDragXMarker = -1;
    inline static PlotPointEdit s_PointEdit = {};

    MarkerPainter m_MarkerPainters[MARKER_SYMBOL_COUNT];
    COLORREF m_crBackground;
    COLORREF m_crInnerArea;
    COLORREF m_crPlotArea;
    bool m_bDoubleBuffered = true;
    bool m_bLegendVisible = true;
    bool m_bInteraction = true;
    int m_iLegendSide = 1;
    bool m_bSnapToCurve = true;
    int m_iSnapRange = 10;
    int m_iCursorStyle = PLOT_CURSOR_HLINE | PLOT_CURSOR_VLINE | PLOT_CURSOR_LABEL;
    CDCEx* m_pPrintDC = nullptr;
    CDCEx* m_pTargetDC = nullptr;
    CRectTracker* m_pActiveTracker = nullptr;
    CRect m_rcPlot;
    CRect m_rcPrint;
    CPoint m_ptPanRef;
    int m_iMode = PLOT_MODE_NONE;
    int m_iCursorCurve = -1;
    int m_iMeasureEndCurve = 0;
    int m_iMarginLeft = 5;
    int m_iMarginTop = 5;
    int m_iMarginRight = 5;
    int m_iMarginBottom = 5;
    int m_iAxisSpacing = 5;
    int m_iFixedCursorCurve = -1;
    CRect m_rcZoom;
    std::unique_ptr<CBitmap> m_pSnapshot;
    CPoint m_ptDragStart;
    CPoint m_ptCursorLast{-1, -1};
    CPoint m_ptDragEnd;
    CPoint m_ptMouse;
    bool m_bLButtonDown = false;
    bool m_bRButtonDown = false;
    bool m_bHoverHit = false;
    double m_dEditValue = 0.0;
    bool m_bShowEditValue = false;
    int m_iHoverCurve = -1;
    double m_dCursorX = 0.0;
    double m_dCursorY = 0.0;
    CPlotLabel m_CursorLabel;
    PlotMeasurement m_CurrentMeasurement = {};
    std::vector<PlotMeasurement> m_Measurements;
    std::vector<PlotLegendEntry> m_LegendEntries;
    std::vector<CPlotDataSerie> m_Curves;
    std::vector<CPlotAxis> m_XAxes;
    std::vector<CPlotAxis> m_YAxes;
    std::list<CPlotObject*> m_Objects;
    CPlotObject* m_pSelectedObject = nullptr;
    CString m_strChartText[2];

private:
    static void RegisterWindowClass();
    // The whole picture into pDC over rcDraw (steps shared by screen, printer and caller devices).
    void Render(CDCEx* pDC, const CRect& rcDraw);
    void LayOutYAxes(CDCEx* pDC, CRect& rcInner, int& nLeft, int& nRight);
    // Draws the legend box and narrows the inner rectangle by it.
    void DrawLegend(CDCEx* pDC, CRect& rcInner);
    void TakeSnapshot(CDCEx* pDC, const CRect& rcDraw);
    // The whole picture into a caller's device (DrawToDC, WM_PRINTCLIENT).
    void RenderOnTarget(HDC hDC, HDC hAttribDC, const CRect& rcDraw);
    // The device's whole printable area, or pRect (in device pixels), on a printer or a preview.
    void PrintToDevice(CDC* pDC, const CRect* pRect);
    // Paints onto a printer or preview device with the scaling set up; false when the document could
    // not be started.
    bool PrintOn(CDCEx* pDC, const CRect& rcPrint, bool bDocument);
    void DeleteObjects();
    void Redraw();
    void Notify(UINT nMessage, WPARAM wParam = 0);
    // Interaction overlays of a paint: measurements, zoom rectangle, dragged measurement, cursor.
    void DrawOverlays(CDCEx* pDC);
    // The zoom rectangle from the drag start to the pointer, inside the plot.
    CRect ZoomRectangle() const;
    // Hit test parts; each returns true when the test-only pass ends with a hit.
    bool HitAxes(std::vector<CPlotAxis>& axes, bool bY, bool bDoubleClick, bool bTestOnly, bool& bHit);
    bool HitAxisMarkers(CPlotAxis& axis, bool bY, bool bTestOnly);
    bool HitObjects(bool bDoubleClick, bool bTestOnly, bool& bHit);
    bool HitCurves(bool bDoubleClick, bool bTestOnly, bool& bHit);
    void EditPoint();
    bool HitLegend(bool bTestOnly, bool& bHit);
    // The tracker of an object under the point moves or resizes it.
    void TrackObjects(CPoint point);
    // Moves the low and high end of every axis of a list by nLow and nHigh tenths of its span (the
    // span of the last mapping when bCachedSpan).
    void StepAxes(std::vector<CPlotAxis>& axes, int nLow, int nHigh, bool bCachedSpan);
    void AddTrend(int iCurve, bool bCubic);
    // Hides the cursor label and redraws.
    void EnterMode(int iMode);
    void AutoScaleOff();
    // A measurement's guides, dimension lines, arrows and texts.
    void DrawMeasurementBetween(CDCEx* pDC, const CRect& rc, int iStartCurve, int iEndCurve);
    // The cursor's lines and box at pt, in the raster mode of the context.
    void DrawCursorShape(CDCEx* pDC, CPoint pt) const;
    // The text of an axis value: its tick-label format, or the date with it on a time axis.
    static CString ValueText(const CPlotAxis& axis, double dValue);
    void SerializeSettings(CArchive& ar);
    void SerializeCurvesAndAxes(CArchive& ar);
    void SerializeObjects(CArchive& ar);
};
