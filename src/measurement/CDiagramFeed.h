// What the diagram pane does with the value pairs of a measurement, without its window: the axis
// quantities read at each start, the rounding of each value to its channel's decimals, the reduction of
// the points by groups of the averaging count, the running time along x, the x range the data span, the
// point counters and the point limit. The points go to a curve sink (the diagram window).
#pragma once

#include "framework/AfxWin32.h"

class CValuePipeline;
struct MeasureAdjustStruct;

// Where the feed adds its points: curve 0 (y1) and curve 1 (y2).
class CDiagramCurves
{
public:
    // The curve's new point count.
    virtual int AddPoint(int iCurve, double dX, double dY) = 0;

protected:
    ~CDiagramCurves() = default;
};

class CDiagramFeed
{
public:
    // The x of a channel along x before its first value.
    static constexpr double X_BEFORE_FIRST_CHANNEL_VALUE = -1000.0;
    static constexpr int DRAWING_COUNTDOWN = 2;

    // A measurement starts: quantities and periods from the settings (an axis not shown is off, -1),
    // x at 0 or before the first channel value, an empty x range, drawing after the second pair.
    void Start(const MeasureAdjustStruct& s, int iAveragingCount);
    // Adds one value pair to the curves in use; with time along x, *pdTime receives the point's time.
    // Nothing while no measurement is drawn or once curve 0 holds the point limit.
    void Add(double dValueA, double dValueB, CValuePipeline& pipeline, CDiagramCurves& curves,
             double* pdTime);
    void Stop() { m_bGraphMeasureStart = 0; }
    void SetPointLimit(bool bOn, int iLimit);
    void ResetPointsY1() { m_iPointsY1 = 0; }
    void ResetPointsY2() { m_iPointsY2 = 0; }

    bool IsTimeOnX() const { return m_iQuantityX == 1; }
    bool IsChannelOnX() const { return m_iQuantityX == 2 || m_iQuantityX == 3; }

    int m_iQuantityX = -1;
    int m_iQuantityY1 = -1;
    int m_iQuantityY2 = -1;
    BYTE m_bAxisOnX = 0;
    BYTE m_bAxisOnY1 = 0;
    BYTE m_bAxisOnY2 = 0;
    int m_iDecimalsX = 0;
    int m_iDecimalsY1 = 0;
    int m_iDecimalsY2 = 0;
    double m_dDataXMin = 0.0;
    double m_dDataXMax = 0.0;
    double m_dValueX = 0.0;
    double m_dValueY1 = 0.0;
    double m_dValueY2 = 0.0;
    double m_dSamplePeriod = 0.0;
    double m_dPointPeriod = 0.0;
    int m_iPointsY1 = 0;
    int m_iPointsY2 = 0;
    BYTE m_bPointLimit = 0;
    int m_iPointLimit = 0;
    BYTE m_bGraphMeasureStart = 0;
    BYTE m_bDrawingEnabled = 0;
    int m_iDrawingCountdown = DRAWING_COUNTDOWN;
    BYTE m_bMeasurementStarted = 0;

private:
    // The value of an axis quantity from the pair (channels only).
    static double ChannelValue(int iQuantity, double dValueA, double dValueB, double dOther);
    // The reduced (or, without a buffered value list, the plain) value rounded; false when no point.
    static bool Reduced(CValuePipeline& pipeline, int iIndex, double dValue, int iDecimals, double& dOut);
};
