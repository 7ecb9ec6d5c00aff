// What the chart elements (axes, labels, notes) use of the chart that owns them. The chart control
// implements it; an element reaches its chart only through this interface.
#pragma once

#include "charting/CurvePoints.h"
#include "charting/PlotPainters.h"
#include "framework/CRect.h"
#include "framework/CString.h"

class CPlotAxis;
class CWnd;

// One curve as the elements read it.
struct PlotCurveInfo
{
    CurvePoints pData;
    int iCount = 0;
    int iXAxis = 0;
    int iYAxis = 0;
    bool bVisible = true;
    int iMarkerMode = 0; // 0 numbered square, 1 MarkerSymbol
    int iMarkerSymbol = 0;
    COLORREF crColor = 0;
    CString strTitle;
};

class CPlotHost
{
public:
    // The chart window; null before it is created.
    virtual CWnd* GetPlotWnd() = 0;
    // The plot rectangle of the last layout.
    virtual CRect GetPlotRect() const = 0;
    // The colour of the area inside the margins that is not plot.
    virtual COLORREF GetInnerAreaColor() const = 0;
    // The axes by number; null for a number the chart does not have.
    virtual CPlotAxis* GetXAxisAt(int nAxis) = 0;
    virtual CPlotAxis* GetYAxisAt(int nAxis) = 0;
    // The axis' number among the x axes, else among the y axes, else -1.
    virtual int GetAxisIndex(const CPlotAxis* pAxis) const = 0;
    virtual int GetCurveCount() const = 0;
    // False for a number the chart does not have.
    virtual bool GetCurveInfo(int nCurve, PlotCurveInfo& info) const = 0;
    // The painter of a MarkerSymbol; null outside the symbols.
    virtual MarkerPainter GetMarkerPainter(int nSymbol) const = 0;
    // The interaction mode (PlotMode) the chart is in.
    virtual int GetPlotMode() const = 0;

protected:
    ~CPlotHost() = default;
};
