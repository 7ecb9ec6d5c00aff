// One curve of the chart: CurvePoint values drawn as a polyline through one x axis and one y axis, with
// optional markers, dots and an area fill. The points are referenced (the curve store's blocks) or
// owned. The segments drawn at the last paint serve the chart's hit test. Trend lines and moving
// averages come back as new point arrays.
#pragma once

#include "charting/CPlotObject.h"
#include "charting/CPolynomialSolver.h"
#include "charting/CurvePoints.h"
#include "framework/CString.h"

#include <memory>
#include <vector>

class CPlotAxis;

// A segment in pixels.
struct HitSegment
{
    int x1;
    int y1;
    int x2;
    int y2;
};

// What GetProperties copies out.
struct PlotSerieProperties
{
    int iCount;
    int iFirst;
    int iLast;
    int iXAxis;
    int iYAxis;
    int iIndex;
    int iLineWidth;
    int iFillStyle;
    int iMarkerMode;
    int iMarkerSymbol;
    int iMarkerSize;
    int iLineStyle;
    BYTE byValid;
    bool bMarkers;
    bool bFill;
    short sFillTarget;
    bool bFillTransparent;
    COLORREF crFill;
    char szTitle[261];
    int iDrawStyle;
};

class CPlotDataSerie : public CPlotObject
{
    DECLARE_DYNCREATE(CPlotDataSerie)

public:
    CPlotDataSerie() = default;
    CPlotDataSerie(const CPlotDataSerie& other);
    CPlotDataSerie& operator=(const CPlotDataSerie& other);
    ~CPlotDataSerie() override = default;

    // Refers to the caller's points, which must outlive the reference.
    void ReferData(const CurvePoints& pData, int nCount);
    // Keeps a copy of the points in one array.
    void CopyData(const CurvePoints& pData, int nCount);

    void Serialize(CArchive& ar) override;
    void Draw(CDCEx* pDC) override;
    // Markers on every stride-th point; none for a marker size of 0 or less.
    void DrawMarkers(CDCEx* pDC);
    // About a quarter as many markers as fit across the plot; every point while points are edited.
    static int MarkerStride(int nPlotWidth, int nMarkerSize, int nCount, int nPlotMode);

    // True when (x, y) lies at most max(1, width / 2) pixels from the line through the segment's ends;
    // a segment whose ends coincide never hits.
    static bool HitTestSegment(const HitSegment& segment, int x, int y, int nLineWidth);
    void AddHitSegment(int x1, int y1, int x2, int y2);
    const std::vector<HitSegment>& GetHitSegments() const { return m_HitSegments; }

    // 0 for an index outside the points.
    double GetX(int i) const;
    double GetY(int i) const;
    void ResetTrendRange();
    void GetProperties(PlotSerieProperties& props) const;

    int GetFillStyle() const { return m_iFillStyle; }
    void SetFillStyle(int iStyle) { m_iFillStyle = iStyle; }
    bool GetFill() const { return m_bFill; }
    void SetFill(bool bFill, short sTarget)
    {
        m_bFill = bFill;
        m_sFillTarget = sTarget;
    }
    short GetFillTarget() const { return m_sFillTarget; }
    void SetFillTarget(short sTarget) { m_sFillTarget = sTarget; }
    bool GetFillTransparent() const { return m_bFillTransparent; }
    void SetFillTransparent(bool bTransparent) { m_bFillTransparent = bTransparent; }
    int GetDrawStyle() const { return m_iDrawStyle; }
    void SetDrawStyle(int iStyle) { m_iDrawStyle = iStyle; }
    int GetIndex() const { return m_iIndex; }
    // The points' x never decrease (the curve store knows): drawing then visits only the pixel
    // columns of the plot instead of every point.
    void SetAscendingX(bool bAscending) { m_bAscendingX = bAscending; }
    bool IsAscendingX() const { return m_bAscendingX; }
    bool HasPoint(int i) const { return i >= 0 && i < m_iCount; }

    // Trends (m_iCount + n points) and moving averages (m_iCount points) as new arrays; null when the
    // curve has no points, a polynomial fit fails or a window is below 1.
    std::unique_ptr<CurvePoint[]> GetLinearTrend(int n);
    std::unique_ptr<CurvePoint[]> GetCubicTrend(int n);
    std::unique_ptr<CurvePoint[]> GetPolynomialTrend(int k, int n);
    std::unique_ptr<CurvePoint[]> GetSimpleMovingAverage(int nWindow);
    std::unique_ptr<CurvePoint[]> GetExponentialMovingAverage(int nWindow);
    std::unique_ptr<CurvePoint[]> GetLinearMovingAverage(int nWindow);
    std::unique_ptr<CurvePoint[]> GetTriangularMovingAverage(int nWindow);
    std::unique_ptr<CurvePoint[]> GetSineMovingAverage(int nWindow);
    static double TriangularWeight(double a, double b, double c);

    CurvePoints m_pData;
    int m_iCount = 0;
    int m_iFirst = 0;
    int m_iLast = 0;
    int m_iXAxis = 0;
    int m_iYAxis = 0;
    int m_iIndex = 0;
    int m_iLineWidth = 1;
    int m_iFillStyle = 6;
    int m_iMarkerMode = 0;
    int m_iMarkerSymbol = 0;
    int m_iMarkerSize = 10;
    int m_iLineStyle = PS_SOLID;
    bool m_bOwnData = false;
    bool m_bMarkers = false;
    bool m_bFill = false;
    bool m_bFillTransparent = true;
    COLORREF m_crFill = RGB(255, 255, 255);
    CString m_strTitle = " ";
    int m_iDrawStyle = 0;
    short m_sFillTarget = 1;
    CPolynomialSolver m_Solver;

private:
    class Painter;
    void CopyFrom(const CPlotDataSerie& other);
    // A new array of m_iCount + nExtra points with the curve's x and x continued by the first
    // spacing; y left 0.
    std::unique_ptr<CurvePoint[]> TrendFrame(int nExtra) const;
    // A new array whose point i is (x_i, f(i, m)) for i ≥ 1 with m = min(i, N), point 0 copied.
    template <class Average> std::unique_ptr<CurvePoint[]> MovingAverage(int nWindow, Average average) const;

    std::unique_ptr<CurvePoint[]> m_pOwnData;
    std::vector<HitSegment> m_HitSegments;
    bool m_bAscendingX = false;
};
