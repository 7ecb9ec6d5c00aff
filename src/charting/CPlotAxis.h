// One axis of the chart: x (horizontal) or y (vertical), linear, logarithmic or time (OLE dates).
// It holds its full and displayed range and tick step, scales itself to whole steps, maps values to
// pixels and back with the length of its last drawing, and draws its line, ticks, labels, grid,
// title, curve markers, coloured bands and marker lines.
#pragma once

#include "charting/CPlotObject.h"
#include "charting/CurvePoint.h"
#include "framework/CFont.h"
#include "framework/CString.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

class CDC;
class CDCEx;

// Values to pixels along one axis with its scale taken once (CPlotAxis::GetPixelMap): the pixels
// ValueToPixel gives, without a call per value.
struct AxisPixelMap
{
    static constexpr double PIXEL_LIMIT = 1 << 26; // pixels beyond it are clipped before conversion

    bool bLinear;
    bool bY;     // pixels count up from the plot's bottom
    int nOrigin; // the plot's left edge (x) or bottom (y)
    int nLength; // pixels of the axis at its last drawing
    double dMin; // the displayed range
    double dMax;
    double dScale; // pixels per unit of a linear axis

    int operator()(double dValue) const
    {
        const double dOffset = Offset(dValue);
        return Clip(bY ? nOrigin - dOffset : nOrigin + dOffset);
    }
    double Offset(double dValue) const
    {
        if (bLinear)
            return (dValue - dMin) * dScale;
        return nLength * (std::log10(dValue) - std::log10(dMin)) / (std::log10(dMax) - std::log10(dMin));
    }
    static int Clip(double d)
    {
        if (std::isnan(d))
            return static_cast<int>(-PIXEL_LIMIT);
        return static_cast<int>(std::clamp(d, -PIXEL_LIMIT, PIXEL_LIMIT));
    }
};

// A displayed range before a zoom step.
struct AxisRange
{
    double dMin;
    double dMax;
};

// A coloured band across the plot; stored whole in the archive.
struct AxisColorRange
{
    double dFrom;
    double dTo;
    COLORREF crColor;
    COLORREF crColor2; // a solid band is filled only when both colours are equal
    int iStyle;        // 6 solid, else a Windows hatch style
    char szLabel[260];
};
static_assert(sizeof(AxisColorRange) == 288);

// A marker line across the plot at one axis value.
struct AxisMarker
{
    double dValue = 0.0;
    COLORREF crColor = 0;
    BYTE byFlag = 1;
    BYTE byShowValue = 1; // write the value at the line
    int iPenStyle = PS_SOLID;
    short sPenWidth = 1;
    LOGFONTA lfFont = {};
    CString strLabel; // written along the line; not kept by the archive
};

class CPlotAxis : public CPlotObject
{
    DECLARE_DYNCREATE(CPlotAxis)

public:
    CPlotAxis();
    CPlotAxis(const CPlotAxis& other);
    CPlotAxis& operator=(const CPlotAxis& other);
    ~CPlotAxis() override = default;

    // --- range and scale ---
    // Full and displayed range; false (nothing changed) when max < min or either is not finite.
    bool SetRange(double dMin, double dMax);
    // Displayed range only; a step of 0 lets the axis derive one.
    bool SetCurrentRange(double dMin, double dMax, double dStep);
    void ResetRange();
    void GetRange(double& dMin, double& dMax, double& dStep) const;
    // Step from the label size and the plot's length, measured on the chart window.
    void UpdateStep();
    // Tick count from the available pixels, then step and range rounded outward.
    void AutoScale(CDC* pDC);
    void ScaleRange(double dFactor);
    void SetDecimals(unsigned nDecimals);

    // The nice step for about n ticks over min..max (1, 2 or 5 times a power of ten); 0 for none.
    static double GetNiceStep(int n, double dMin, double dMax);
    // Moves the ends outward onto multiples of the step.
    static void RoundRange(double& dMin, double& dMax, double dStep);
    // The remainder of a by b with the sign of a.
    static double FloatRemainder(double a, double b);
    // A step from the time table, in days; 0 when the span cannot be measured.
    static double GetTimeStep(int n, double dMin, double dMax);
    // Moves the ends outward onto whole steps counted from 1970-01-01 00:00:00.
    static void RoundTimeRange(double& dMin, double& dMax, double dStep);
    static double RoundToDecimals(double dValue, int nDecimals);

    // --- mapping ---
    // x axis: the pixel x of the point's x (y = 0); y axis: the pixel y of its y (x = 0).
    CPoint ValueToPixel(const CurvePoint& point);
    AxisPixelMap GetPixelMap();
    double PixelToValue(int nPixel);
    // The point of a chart curve next to x; false (index -1) when the chart has no such curve or it
    // has no points.
    bool GetIndexByX(int& nIndex, double dX, int nCurve);
    // A point of a chart curve in pixels, through the curve's own axes; false when there is no such
    // curve or axis.
    static bool CurvePointToPixel(CPlotHost* pGraph, int nCurve, const CurvePoint& point, CPoint& ptPixel);

    // --- bands and marker lines ---
    // Appends at index = count, overwrites below it; other indices are ignored.
    void SetColorRange(int nIndex, double dFrom, double dTo, COLORREF crColor, COLORREF crColor2,
                       CString strLabel, int nStyle);
    void DeleteColorRange(int nIndex);
    void DeleteAllColorRanges();
    void SetAxisMarker(int nIndex, double dValue, COLORREF crColor, int nPenStyle);
    void DeleteAxisMarker(int nIndex);
    // The marker; n must lie below the count.
    AxisMarker& GetAxisMarker(int nIndex) { return m_AxisMarkers.at(static_cast<size_t>(nIndex)); }

    // --- fonts and texts ---
    void SetFont(const LOGFONTA& lf);
    void SetFont(CString strFaceName, int nHeight, int nWeight);
    void SetTitleFont(const LOGFONTA& lf);
    void SetTitleFont(CString strFaceName, int nHeight, int nWeight);
    bool IsTime() const { return m_bTime; }
    const CString& GetTitle() const { return m_strTitle; }
    const CString& GetFormat() const { return m_strFormat; }
    // A tick label: the date format on a time axis when bDate, printf otherwise.
    CString GetLabelText(double dValue, bool bDate) const;

    // --- archive and drawing ---
    void Serialize(CArchive& ar) override;
    void Draw(CDCEx* pDC) override;
    void DrawLog(CDCEx* pDC);
    // 1.4 times the wider label of the displayed ends, plus the tick length.
    int GetMaxLabelWidth(CDC* pDC);
    // The height of the full range's minimum label, plus the tick length.
    int GetLabelHeight(CDC* pDC);
    CSize GetTitleSize(CDC* pDC);
    void DrawLegendMarker(CDCEx* pDC, int x, int y, int n, int nSize, COLORREF crColor, bool bSymbol);
    static void DrawArrow(CDCEx* pDC, int x, int y, int nDirection, int nSize);
    // Draws the curve markers (or only measures them); their height on a y axis, width on an x axis.
    int DrawCurveLegend(CDCEx* pDC, bool bDraw);
    void DrawAxisMarkers(CDCEx* pDC);
    void DrawColorRanges(CDCEx* pDC);

    std::vector<AxisColorRange> m_ColorRanges;
    std::vector<AxisRange> m_ZoomHistory;
    std::vector<AxisMarker> m_AxisMarkers;
    double m_dRangeMin;
    double m_dRangeMax;
    double m_dMin;
    double m_dMax;
    double m_dStep = 0.1; // in days on a time axis, 0 on a logarithmic one
    double m_dTickSpace = 0.0;
    double m_dLegendSize = 0.0;
    double m_dSpan = 1.0;
    int m_iOriginY = 0;
    int m_iOriginX = 0;
    int m_iLength = 1;
    CRect m_rcArea;
    CFont m_Font;
    CFont m_TitleFont;
    int m_iType = 0; // 0 x axis, 1 y axis
    BOOL m_bLinear = TRUE;
    int m_iSide = 2; // 0 left, 1 right, 2 chosen by the chart's layout
    bool m_bCurveLegend = true;
    bool m_bTime = false;
    bool m_bGrid = true;
    bool m_bAutoScale = true;
    CString m_strTitle = " ";
    CString m_strFormat = "%5.3f";
    int m_iArrowSize = 5;
    int m_iLegendMarkerSize = 10;
    int m_iTickLength = 5;
    COLORREF m_crGrid = 0x969696;
    int m_iGridStyle = PS_DOT;

    // Seconds per step, ended by -1.
    static const long long TIME_AXIS_STEPS[];

private:
    bool IsYAxis() const { return m_iType != 0; }
    bool IsLeft() const { return m_iSide == 0; }
    CRect PlotRect() const;
    bool IsChartShown() const;
    // Redraws the chart window, erasing it first.
    void InvalidateChart();
    void CopyFrom(const CPlotAxis& other);
    // Range rules shared by SetRange and SetCurrentRange; false when the range is refused.
    bool NormalizeRange(double& dMin, double& dMax) const;
    void SwitchToExponentFormat();
    // Logarithmic automatic scaling: the ends out to whole decades.
    void RoundLogRange();
    // The chart curves whose markers this axis lists, in curve order.
    std::vector<int> LegendCurves() const;
    int CurveLegendSize() const;
    // Tick count for automatic scaling; sets the far-end space as drawing will.
    int AutoTickCount(CDC* pDC);
    // Far-end space: arrow, curve-marker block and (unless bTitleLater) the title.
    void ReserveFarEnd(CDCEx* pDC, bool bTitleLater);
    // Draws on a hidden memory context when the axis is invisible, so only its measures change.
    void DrawVisibleOrMeasure(CDCEx* pDC, void (CPlotAxis::*pfnDraw)(CDCEx*));
    void DrawLinear(CDCEx* pDC);
    void DrawLogarithmic(CDCEx* pDC);
    void DrawTitle(CDCEx* pDC, int nTop, int nRight);
    // A tick with its grid line at pixel position dPos, and its label when bLabel.
    void DrawTick(CDCEx* pDC, double dValue, double dPos, bool bLabel, bool bDate);
    // The line with its arrowhead, the hit area and, when selected, its focus rectangle.
    void DrawAxisLine(CDCEx* pDC, int nTop, int nRight);
    // A tick of a logarithmic axis, when the value lies in the displayed range.
    void DrawLogTick(CDCEx* pDC, double dValue, bool bLabel);
    COLORREF InnerAreaColor() const;
};
