#include "measurement/CDiagramFeed.h"

#include "measurement/CValuePipeline.h"
#include "measurement/MeasureAdjustStruct.h"
#include "shell/CEnvironment.h"

#include <algorithm>

namespace
{
constexpr double NO_DATA_MIN = 1e99;
constexpr double NO_DATA_MAX = -1e99;

int QuantityShown(int iQuantity, BYTE bShown)
{
    return bShown ? iQuantity : -1;
}

// A value of exactly 0 is taken as it is.
double Rounded(double dValue, int iDecimals)
{
    return dValue == 0.0 ? dValue : CEnvironment::RoundToDecimals(dValue, iDecimals);
}
} // namespace

void CDiagramFeed::Start(const MeasureAdjustStruct& s, int iAveragingCount)
{
    m_bMeasurementStarted = 1;
    m_bGraphMeasureStart = 1;
    m_bDrawingEnabled = 0;
    m_iDrawingCountdown = DRAWING_COUNTDOWN;
    m_dSamplePeriod = s.dSamplePeriod;
    m_dPointPeriod = iAveragingCount * m_dSamplePeriod;
    m_iQuantityX = QuantityShown(s.iAxisX, s.bAxisXShown);
    m_iQuantityY1 = QuantityShown(s.iAxisY1, s.bAxisY1Shown);
    m_iQuantityY2 = QuantityShown(s.iAxisY2, s.bAxisY2Shown);
    m_bAxisOnX = s.bAxisXShown;
    m_bAxisOnY1 = s.bAxisY1Shown;
    m_bAxisOnY2 = s.bAxisY2Shown;
    if (IsTimeOnX())
        m_dValueX = 0.0;
    else if (IsChannelOnX())
        m_dValueX = X_BEFORE_FIRST_CHANNEL_VALUE;
    m_dDataXMin = NO_DATA_MIN;
    m_dDataXMax = NO_DATA_MAX;
}

void CDiagramFeed::SetPointLimit(bool bOn, int iLimit)
{
    m_bPointLimit = bOn ? 1 : 0;
    m_iPointLimit = iLimit;
}

double CDiagramFeed::ChannelValue(int iQuantity, double dValueA, double dValueB, double dOther)
{
    if (iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_A)
        return dValueA;
    if (iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_B)
        return dValueB;
    return dOther;
}

bool CDiagramFeed::Reduced(CValuePipeline& pipeline, int iIndex, double dValue, int iDecimals, double& dOut)
{
    double dMean = 0.0;
    if (pipeline.ReduceValue(iIndex, dValue, &dMean))
        dOut = Rounded(dMean, iDecimals);
    else if (!pipeline.IsValueListActive())
        dOut = Rounded(dValue, iDecimals);
    else
        return false;
    return true;
}

void CDiagramFeed::Add(double dValueA, double dValueB, CValuePipeline& pipeline, CDiagramCurves& curves,
                       double* pdTime)
{
    if (m_bPointLimit && m_iPointsY1 >= m_iPointLimit)
        return;
    dValueA = Rounded(dValueA, pipeline.m_sChannel[0].iDecimals);
    dValueB = Rounded(dValueB, pipeline.m_sChannel[1].iDecimals);
    if (!m_bGraphMeasureStart)
        return;
    m_dValueX = ChannelValue(m_iQuantityX, dValueA, dValueB, m_dValueX);
    m_dDataXMin = std::min(m_dDataXMin, m_dValueX);
    m_dDataXMax = std::max(m_dDataXMax, m_dValueX);
    if (!m_bDrawingEnabled && --m_iDrawingCountdown <= 0)
        m_bDrawingEnabled = 1;
    m_dValueY1 = ChannelValue(m_iQuantityY1, dValueA, dValueB, m_dValueY1);
    m_dValueY2 = ChannelValue(m_iQuantityY2, dValueA, dValueB, m_dValueY2);

    // The three reductions share one group size and advance together, so x and y come from one group.
    double dX = m_dValueX;
    const bool bX = IsTimeOnX() || Reduced(pipeline, CValuePipeline::REDUCE_X, m_dValueX, m_iDecimalsX, dX);
    double dY = 0.0;
    const bool bY1 =
        m_bAxisOnY1 && Reduced(pipeline, CValuePipeline::REDUCE_Y1, m_dValueY1, m_iDecimalsY1, dY);
    if (bY1 && bX)
        m_iPointsY1 = curves.AddPoint(0, dX, dY);
    const bool bY2 =
        m_bAxisOnY2 && Reduced(pipeline, CValuePipeline::REDUCE_Y2, m_dValueY2, m_iDecimalsY2, dY);
    if (bY2 && bX)
        m_iPointsY2 = curves.AddPoint(1, dX, dY);
    if (IsTimeOnX())
    {
        if (pdTime)
            *pdTime = m_dValueX;
        m_dValueX += m_dSamplePeriod;
    }
}
