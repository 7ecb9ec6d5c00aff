#include "charting/CPlotAxis.h"

#include "charting/CPlotHost.h"
#include "charting/PlotText.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CClientDC.h"
#include "framework/COleDateTime.h"
#include "framework/CWnd.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

IMPLEMENT_DYNCREATE(CPlotAxis, CPlotObject)

namespace
{
constexpr double kExponentLimit = 1e6; // beyond it a number axis switches to "%5.2e"
constexpr double kLogMin = 1e-16;      // smallest minimum of a logarithmic range
constexpr double kLogMax = 1e-15;      // smallest maximum of a logarithmic range
constexpr double kSecondsPerDay = 86400.0;
constexpr double kEpochDate = 25569.0; // 1970-01-01 00:00 as an OLE date
constexpr double kSecondsLimit = 1e15; // time rounding leaves larger values alone

// Whole seconds of a span or a date counted from the epoch; false when out of reach.
bool ToSeconds(double dDays, long long& nSeconds)
{
    const double d = std::round(dDays * kSecondsPerDay);
    if (!std::isfinite(d) || std::fabs(d) > kSecondsLimit)
        return false;
    nSeconds = static_cast<long long>(d);
    return true;
}

long long FloorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

void CreateAxisFont(CFont& font, const CString& strFaceName, int nHeight, int nWeight)
{
    font.DeleteObject();
    font.CreateFont(nHeight, 0, 0, 0, nWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY, 0, strFaceName);
}

void CreateAxisFont(CFont& font, const LOGFONTA& lf)
{
    font.DeleteObject();
    font.CreateFontIndirect(&lf);
}

LOGFONTA LogFontOf(const CFont& font)
{
    LOGFONTA lf = {};
    font.GetLogFont(&lf);
    return lf;
}

// The archive form of a marker line: 88 bytes, the label's slot left empty.
struct AxisMarkerRecord
{
    double dValue;
    COLORREF crColor;
    BYTE byFlag;
    BYTE byShowValue;
    BYTE byPad1[2];
    int iPenStyle;
    short sPenWidth;
    BYTE byPad2[2];
    LOGFONTA lfFont;
    DWORD dwLabel;
};
static_assert(sizeof(AxisMarkerRecord) == 88);
static_assert(offsetof(AxisMarkerRecord, iPenStyle) == 16 && offsetof(AxisMarkerRecord, lfFont) == 24);

void WriteMarker(CArchive& ar, const AxisMarker& marker)
{
    AxisMarkerRecord rec = {};
    rec.dValue = marker.dValue;
    rec.crColor = marker.crColor;
    rec.byFlag = marker.byFlag;
    rec.byShowValue = marker.byShowValue;
    rec.iPenStyle = marker.iPenStyle;
    rec.sPenWidth = marker.sPenWidth;
    rec.lfFont = marker.lfFont;
    ar.Write(&rec, sizeof(rec));
}

AxisMarker ReadMarker(CArchive& ar)
{
    AxisMarkerRecord rec;
    if (ar.Read(&rec, sizeof(rec)) != sizeof(rec))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    AxisMarker marker;
    marker.dValue = rec.dValue;
    marker.crColor = rec.crColor;
    marker.byFlag = rec.byFlag;
    marker.byShowValue = rec.byShowValue;
    marker.iPenStyle = rec.iPenStyle;
    marker.sPenWidth = rec.sPenWidth;
    marker.lfFont = rec.lfFont;
    marker.lfFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return marker;
}

// Puts an element at nIndex: appended at the end, replacing below it; false for other indices.
template <class T> bool PutAt(std::vector<T>& items, int nIndex, const T& item)
{
    if (nIndex < 0 || static_cast<size_t>(nIndex) > items.size())
        return false;
    if (static_cast<size_t>(nIndex) == items.size())
        items.push_back(item);
    else
        items[static_cast<size_t>(nIndex)] = item;
    return true;
}

template <class T> void EraseAt(std::vector<T>& items, int nIndex)
{
    if (nIndex >= 0 && static_cast<size_t>(nIndex) < items.size())
        items.erase(items.begin() + nIndex);
}

AxisColorRange ReadColorRange(CArchive& ar)
{
    AxisColorRange range;
    if (ar.Read(&range, sizeof(range)) != sizeof(range))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    range.szLabel[sizeof(range.szLabel) - 1] = '\0';
    return range;
}
} // namespace

const long long CPlotAxis::TIME_AXIS_STEPS[] = {
    0,       1,        2,        5,        10,        15,        20,        30,         60,
    120,     300,      600,      900,      1800,      3600,      7200,      14400,      28800,
    36000,   43200,    86400,    172800,   345600,    604800,    1209600,   2419200,    4838400,
    7257600, 15724800, 31449600, 62899200, 157248000, 314496000, 628992000, 1572480000, -1};

CPlotAxis::CPlotAxis() : m_dRangeMin(DBL_MAX), m_dRangeMax(-DBL_MAX), m_dMin(DBL_MAX), m_dMax(-DBL_MAX)
{
    SetFont("Arial", 13, FW_NORMAL);
    SetTitleFont("Arial", 14, FW_BOLD);
}

CPlotAxis::CPlotAxis(const CPlotAxis& other) : CPlotObject()
{
    CopyFrom(other);
}

CPlotAxis& CPlotAxis::operator=(const CPlotAxis& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

void CPlotAxis::CopyFrom(const CPlotAxis& other)
{
    m_bVisible = other.m_bVisible;
    m_crColor = other.m_crColor;
    m_pGraph = other.m_pGraph;
    m_ColorRanges = other.m_ColorRanges;
    m_ZoomHistory = other.m_ZoomHistory;
    m_AxisMarkers = other.m_AxisMarkers;
    m_dRangeMin = other.m_dRangeMin;
    m_dRangeMax = other.m_dRangeMax;
    m_dMin = other.m_dMin;
    m_dMax = other.m_dMax;
    m_dStep = other.m_dStep;
    m_dTickSpace = other.m_dTickSpace;
    m_dLegendSize = other.m_dLegendSize;
    m_dSpan = other.m_dSpan;
    m_iOriginY = other.m_iOriginY;
    m_iOriginX = other.m_iOriginX;
    m_iLength = other.m_iLength;
    m_rcArea = other.m_rcArea;
    CreateAxisFont(m_Font, LogFontOf(other.m_Font));
    CreateAxisFont(m_TitleFont, LogFontOf(other.m_TitleFont));
    m_iType = other.m_iType;
    m_bLinear = other.m_bLinear;
    m_iSide = other.m_iSide;
    m_bCurveLegend = other.m_bCurveLegend;
    m_bTime = other.m_bTime;
    m_bGrid = other.m_bGrid;
    m_bAutoScale = other.m_bAutoScale;
    m_strTitle = other.m_strTitle;
    m_strFormat = other.m_strFormat;
    m_iArrowSize = other.m_iArrowSize;
    m_iLegendMarkerSize = other.m_iLegendMarkerSize;
    m_iTickLength = other.m_iTickLength;
    m_crGrid = other.m_crGrid;
    m_iGridStyle = other.m_iGridStyle;
}

bool CPlotAxis::IsChartShown() const
{
    return m_pGraph != nullptr && m_pGraph->GetPlotWnd() != nullptr &&
           m_pGraph->GetPlotWnd()->IsWindowVisible();
}

CRect CPlotAxis::PlotRect() const
{
    return m_pGraph != nullptr ? m_pGraph->GetPlotRect() : CRect();
}

// ---------------------------------------------------------------------------------------------------
// Range and scale

void CPlotAxis::SwitchToExponentFormat()
{
    if (!m_bTime && (std::fabs(m_dMin) > kExponentLimit || std::fabs(m_dMax) > kExponentLimit))
        m_strFormat = "%5.2e";
}

bool CPlotAxis::NormalizeRange(double& dMin, double& dMax) const
{
    if (!std::isfinite(dMin) || !std::isfinite(dMax) || dMax < dMin)
        return false;
    if (m_bLinear)
    {
        if (dMin == dMax)
        {
            dMin -= 1;
            dMax += 1;
        }
        return true;
    }
    if (dMin == dMax)
    {
        dMin *= 0.1;
        dMax *= 10;
    }
    dMin = std::max(dMin, kLogMin);
    dMax = std::max(dMax, kLogMax);
    return true;
}

bool CPlotAxis::SetRange(double dMin, double dMax)
{
    if (!NormalizeRange(dMin, dMax))
        return false;
    m_dRangeMin = m_dMin = dMin;
    m_dRangeMax = m_dMax = dMax;
    SwitchToExponentFormat();
    if (!m_bLinear)
        m_dStep = 0;
    else if (IsChartShown())
        UpdateStep();
    else
        m_dStep = (dMax - dMin) / 10;
    return true;
}

bool CPlotAxis::SetCurrentRange(double dMin, double dMax, double dStep)
{
    if (!NormalizeRange(dMin, dMax))
        return false;
    m_dMin = dMin;
    m_dMax = dMax;
    SwitchToExponentFormat();
    if (!m_bLinear)
        m_dStep = 0;
    else if (dStep != 0)
        m_dStep = dStep;
    else if (IsChartShown())
        UpdateStep();
    else
        m_dStep = (dMax - dMin) / 10;
    return true;
}

void CPlotAxis::ResetRange()
{
    m_dMin = m_dRangeMin;
    m_dMax = m_dRangeMax;
    m_dStep = (m_dRangeMax - m_dRangeMin) / 10;
}

void CPlotAxis::GetRange(double& dMin, double& dMax, double& dStep) const
{
    dMin = m_dMin;
    dMax = m_dMax;
    dStep = m_dStep;
}

void CPlotAxis::UpdateStep()
{
    CClientDC dc(m_pGraph != nullptr ? m_pGraph->GetPlotWnd() : nullptr);
    const CRect rcPlot = PlotRect();
    int nPixels, nLabelSize;
    if (IsYAxis())
    {
        const int nTop = static_cast<int>(rcPlot.top + m_dTickSpace + m_dLegendSize);
        nPixels = rcPlot.bottom != nTop ? rcPlot.bottom - nTop : 1;
        nLabelSize = GetLabelHeight(&dc);
    }
    else
    {
        const int nRight = static_cast<int>(rcPlot.right - m_dTickSpace - m_dLegendSize);
        nPixels = nRight != rcPlot.left ? nRight - rcPlot.left : 1;
        nLabelSize = GetMaxLabelWidth(&dc);
    }
    m_dStep = (m_dMax - m_dMin) / nPixels * nLabelSize;
}

int CPlotAxis::AutoTickCount(CDC* pDC)
{
    const CRect rcPlot = PlotRect();
    m_dLegendSize = CurveLegendSize();
    double dPixels, dLabelSize;
    if (IsYAxis())
    {
        m_dTickSpace = 2.0 * m_iArrowSize;
        dPixels = rcPlot.bottom - static_cast<int>(rcPlot.top + m_dTickSpace + m_dLegendSize);
        dLabelSize = GetLabelHeight(pDC);
    }
    else
    {
        m_dTickSpace = 4.0 * m_iArrowSize;
        dPixels = static_cast<int>(rcPlot.right - m_dTickSpace - m_dLegendSize) - rcPlot.left;
        dLabelSize = GetMaxLabelWidth(pDC);
    }
    const double n = dLabelSize > 0 ? std::trunc(dPixels / dLabelSize) : 0;
    return n < 2 ? 2 : static_cast<int>(std::min(n, 1e6));
}

void CPlotAxis::AutoScale(CDC* pDC)
{
    if (!m_bLinear)
    {
        RoundLogRange();
        return;
    }
    const int n = AutoTickCount(pDC);
    const double dStep = m_bTime ? GetTimeStep(n, m_dMin, m_dMax) : GetNiceStep(n, m_dMin, m_dMax);
    if (dStep > 0)
    {
        m_dStep = dStep;
        if (m_bTime)
            RoundTimeRange(m_dMin, m_dMax, m_dStep);
        else
            RoundRange(m_dMin, m_dMax, m_dStep);
    }
}

void CPlotAxis::RoundLogRange()
{
    // Whole decades: the minimum down, the maximum up (an exact decade stays).
    if (!(m_dMin > 0) || !(m_dMax > 0) || !std::isfinite(m_dMin) || !std::isfinite(m_dMax))
        return;
    const auto decade = [](double v, bool bUp)
    {
        double e = bUp ? std::ceil(std::log10(v)) : std::floor(std::log10(v));
        // log10 may round an exact power of ten to the wrong side; correct it against pow.
        if (bUp && std::pow(10.0, e - 1) >= v)
            --e;
        if (!bUp && std::pow(10.0, e + 1) <= v)
            ++e;
        return std::pow(10.0, e);
    };
    m_dMin = decade(m_dMin, false);
    m_dMax = decade(m_dMax, true);
}

void CPlotAxis::ScaleRange(double dFactor)
{
    if (m_bTime)
    {
        long long nSeconds = 0;
        if (!ToSeconds((m_dMax - m_dMin) / dFactor, nSeconds))
            return;
        const double dDays = nSeconds / kSecondsPerDay;
        SetCurrentRange(m_dMin + dDays, m_dMax - dDays, 0);
    }
    else
        SetCurrentRange(m_dMin / dFactor, m_dMax / dFactor, 0);
}

void CPlotAxis::SetDecimals(unsigned nDecimals)
{
    static const char* const kFormats[] = {"%5.0f", "%5.1f", "%5.2f", "%5.3f"};
    m_strFormat = nDecimals < 4 ? kFormats[nDecimals] : "%5.2f";
}

double CPlotAxis::FloatRemainder(double a, double b)
{
    return std::fmod(a, b);
}

double CPlotAxis::GetNiceStep(int n, double dMin, double dMax)
{
    double dRaw = (dMax - dMin) / n;
    if (!std::isfinite(dRaw) || dRaw <= 0)
        return 0;
    int k = 0;
    if (dRaw >= 1)
    {
        int nDivisions = 0;
        for (; dRaw >= 1; ++nDivisions)
            dRaw /= 10;
        dRaw *= 10;
        k = nDivisions - 1;
    }
    else
    {
        for (; dRaw < 1; --k)
            dRaw *= 10;
    }
    const int m = dRaw <= 1 ? 1 : dRaw <= 2 ? 2 : dRaw <= 5 ? 5 : 10;
    const double dStep = std::pow(10.0, k) * m;
    return dStep == 0 ? 0.1 : dStep;
}

void CPlotAxis::RoundRange(double& dMin, double& dMax, double dStep)
{
    double r = FloatRemainder(dMin - dStep, dStep);
    if (r != 0)
        dMin -= r + dStep;
    r = FloatRemainder(dMax + dStep, dStep);
    if (r != 0)
        dMax -= r - dStep;
}

double CPlotAxis::GetTimeStep(int n, double dMin, double dMax)
{
    long long nSeconds = 0;
    if (!ToSeconds(dMax - dMin, nSeconds))
        return 0;
    long long e = n < 1 ? 0 : nSeconds / n;
    for (int i = 1; TIME_AXIS_STEPS[i] >= 0; ++i)
    {
        if (TIME_AXIS_STEPS[i - 1] < e && e <= TIME_AXIS_STEPS[i])
        {
            e = TIME_AXIS_STEPS[i];
            break;
        }
    }
    return e / kSecondsPerDay;
}

void CPlotAxis::RoundTimeRange(double& dMin, double& dMax, double dStep)
{
    const double dStepSeconds = std::trunc(dStep * kSecondsPerDay);
    long long tMin = 0, tMax = 0;
    if (!(dStepSeconds >= 1) || dStepSeconds > kSecondsLimit || !ToSeconds(dMin - kEpochDate, tMin) ||
        !ToSeconds(dMax - kEpochDate, tMax))
        return;
    const long long s = static_cast<long long>(dStepSeconds);
    if (tMin % s != 0)
        dMin = kEpochDate + FloorDiv(tMin, s) * s / kSecondsPerDay;
    if (tMax % s != 0)
        dMax = kEpochDate + (FloorDiv(tMax, s) + 1) * s / kSecondsPerDay;
}

double CPlotAxis::RoundToDecimals(double dValue, int nDecimals)
{
    double v = std::pow(10.0, nDecimals + 1) * dValue;
    v += dValue < 0 ? -5 : 5;
    return std::trunc(v / 10) / std::pow(10.0, nDecimals);
}

// ---------------------------------------------------------------------------------------------------
// Mapping

AxisPixelMap CPlotAxis::GetPixelMap()
{
    const CRect rcPlot = PlotRect();
    m_dSpan = m_dMax - m_dMin;
    const bool bY = IsYAxis();
    return {m_bLinear != FALSE, bY, bY ? rcPlot.bottom : rcPlot.left, m_iLength, m_dMin, m_dMax,
            m_iLength / m_dSpan};
}

CPoint CPlotAxis::ValueToPixel(const CurvePoint& point)
{
    const AxisPixelMap map = GetPixelMap();
    return map.bY ? CPoint(0, map(point.y)) : CPoint(map(point.x), 0);
}

double CPlotAxis::PixelToValue(int nPixel)
{
    const CRect rcPlot = PlotRect();
    const double d = IsYAxis() ? rcPlot.bottom - nPixel : nPixel - rcPlot.left;
    m_dSpan = m_dMax - m_dMin;
    if (m_bLinear)
        return m_dMin + d / (m_iLength / m_dSpan);
    const double dLogMin = std::log10(m_dMin);
    return std::pow(10.0, dLogMin + (std::log10(m_dMax) - dLogMin) * d / m_iLength);
}

bool CPlotAxis::GetIndexByX(int& nIndex, double dX, int nCurve)
{
    nIndex = -1;
    PlotCurveInfo curve;
    if (m_pGraph == nullptr || !m_pGraph->GetCurveInfo(nCurve, curve) || curve.pData == nullptr ||
        curve.iCount <= 0)
        return false;
    const CurvePoints& p = curve.pData;
    const int nLast = curve.iCount - 1;
    double dEstimate = 0;
    if (nLast > 0)
    {
        dEstimate = (dX - p[0].x) / std::fabs(p[1].x - p[0].x);
        // Equal first x values or a non-number give no estimate: the walk starts at the first point.
        dEstimate = std::isnan(dEstimate) ? 0 : std::clamp(dEstimate, 0.0, static_cast<double>(nLast));
    }
    int i = static_cast<int>(dEstimate);
    if (dX < p[i].x)
    {
        while (i > 0 && dX < p[i].x)
            --i;
    }
    else
    {
        while (i < nLast && dX >= p[i].x)
            ++i;
    }
    nIndex = i;
    return true;
}

bool CPlotAxis::CurvePointToPixel(CPlotHost* pGraph, int nCurve, const CurvePoint& point, CPoint& ptPixel)
{
    PlotCurveInfo curve;
    if (pGraph == nullptr || !pGraph->GetCurveInfo(nCurve, curve))
        return false;
    CPlotAxis* pXAxis = pGraph->GetXAxisAt(curve.iXAxis);
    CPlotAxis* pYAxis = pGraph->GetYAxisAt(curve.iYAxis);
    if (pXAxis == nullptr || pYAxis == nullptr)
        return false;
    ptPixel.x = pXAxis->ValueToPixel(point).x;
    ptPixel.y = pYAxis->ValueToPixel(point).y;
    return true;
}

// ---------------------------------------------------------------------------------------------------
// Bands and marker lines

void CPlotAxis::SetColorRange(int nIndex, double dFrom, double dTo, COLORREF crColor, COLORREF crColor2,
                              CString strLabel, int nStyle)
{
    AxisColorRange range = {dFrom, dTo, crColor, crColor2, nStyle, {}};
    const size_t nLen = std::min(static_cast<size_t>(strLabel.GetLength()), sizeof(range.szLabel) - 1);
    std::memcpy(range.szLabel, strLabel.GetString(), nLen);
    if (PutAt(m_ColorRanges, nIndex, range))
        InvalidateChart();
}

void CPlotAxis::DeleteColorRange(int nIndex)
{
    EraseAt(m_ColorRanges, nIndex);
}

void CPlotAxis::DeleteAllColorRanges()
{
    m_ColorRanges.clear();
}

void CPlotAxis::SetAxisMarker(int nIndex, double dValue, COLORREF crColor, int nPenStyle)
{
    AxisMarker marker;
    marker.dValue = dValue;
    marker.crColor = crColor;
    marker.iPenStyle = nPenStyle;
    marker.lfFont = LogFontOf(m_Font);
    if (!IsYAxis())
    {
        marker.lfFont.lfEscapement = 900;
        marker.lfFont.lfOrientation = 900;
        marker.lfFont.lfClipPrecision = CLIP_LH_ANGLES;
    }
    if (PutAt(m_AxisMarkers, nIndex, marker))
        InvalidateChart();
}

void CPlotAxis::DeleteAxisMarker(int nIndex)
{
    EraseAt(m_AxisMarkers, nIndex);
}

void CPlotAxis::InvalidateChart()
{
    if (m_pGraph != nullptr && m_pGraph->GetPlotWnd() != nullptr)
        m_pGraph->GetPlotWnd()->Invalidate(TRUE);
}

// ---------------------------------------------------------------------------------------------------
// Fonts, texts, archive

void CPlotAxis::SetFont(const LOGFONTA& lf)
{
    CreateAxisFont(m_Font, lf);
}

void CPlotAxis::SetFont(CString strFaceName, int nHeight, int nWeight)
{
    CreateAxisFont(m_Font, strFaceName, nHeight, nWeight);
}

void CPlotAxis::SetTitleFont(const LOGFONTA& lf)
{
    CreateAxisFont(m_TitleFont, lf);
}

void CPlotAxis::SetTitleFont(CString strFaceName, int nHeight, int nWeight)
{
    CreateAxisFont(m_TitleFont, strFaceName, nHeight, nWeight);
}

CString CPlotAxis::GetLabelText(double dValue, bool bDate) const
{
    if (bDate && m_bTime)
        return COleDateTime(dValue).Format(m_strFormat);
    return FormatPlotNumber(m_strFormat, dValue);
}

void CPlotAxis::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << m_bAutoScale << m_bVisible << m_bGrid << m_strFormat << m_strTitle;
        ar << m_dRangeMax << m_dRangeMin << m_dMax << m_dMin << m_dStep;
        ar << m_iOriginY << m_iOriginX << m_iType << m_iArrowSize << m_iTickLength;
        ar << static_cast<DWORD>(m_crColor) << static_cast<DWORD>(m_crGrid) << m_iGridStyle;
        ar << m_dTickSpace << m_bTime << m_dLegendSize << m_dSpan << m_iLength << m_iLegendMarkerSize
           << m_iSide << m_bCurveLegend;
        ar << static_cast<int>(m_ColorRanges.size());
        for (const AxisColorRange& range : m_ColorRanges)
            ar.Write(&range, sizeof(range));
        ar << static_cast<int>(m_AxisMarkers.size());
        for (const AxisMarker& marker : m_AxisMarkers)
            WriteMarker(ar, marker);
        const LOGFONTA lf = LogFontOf(m_Font);
        const LOGFONTA lfTitle = LogFontOf(m_TitleFont);
        ar.Write(&lf, sizeof(lf));
        ar.Write(&lfTitle, sizeof(lfTitle));
        return;
    }
    DWORD crColor, crGrid;
    ar >> m_bAutoScale >> m_bVisible >> m_bGrid >> m_strFormat >> m_strTitle;
    ar >> m_dRangeMax >> m_dRangeMin >> m_dMax >> m_dMin >> m_dStep;
    ar >> m_iOriginY >> m_iOriginX >> m_iType >> m_iArrowSize >> m_iTickLength;
    ar >> crColor >> crGrid >> m_iGridStyle;
    ar >> m_dTickSpace >> m_bTime >> m_dLegendSize >> m_dSpan >> m_iLength >> m_iLegendMarkerSize >>
        m_iSide >> m_bCurveLegend;
    m_crColor = crColor;
    m_crGrid = crGrid;
    int nCount = 0;
    ar >> nCount;
    for (int i = 0; i < nCount; ++i)
        m_ColorRanges.push_back(ReadColorRange(ar));
    ar >> nCount;
    for (int i = 0; i < nCount; ++i)
        m_AxisMarkers.push_back(ReadMarker(ar));
    LOGFONTA lf, lfTitle;
    ReadLogFont(ar, lf);
    ReadLogFont(ar, lfTitle);
    SetFont(lf);
    SetTitleFont(lfTitle);
}
