#include "charting/CPlotDataSerie.h"

#include "charting/CBrushSelector.h"
#include "charting/CDCEx.h"
#include "charting/CPenSelector.h"
#include "charting/CPlotAxis.h"
#include "charting/CPlotHost.h"
#include "charting/PlotVector.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

IMPLEMENT_DYNCREATE(CPlotDataSerie, CPlotObject)

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kPlotModeEdit = 7;
// Points moved through the archive at a time.
constexpr int kArchiveSlice = 4096;
// Line segments handed to one PolyPolyline call.
constexpr size_t kSegmentBatch = 4096;
// Segments looked up between two checks that looking up still pays: it stops for the rest of a paint
// when fewer than a quarter of them were drawn before (a curve that seldom runs over its own path).
constexpr int kLookupWindow = 16384;

COLORREF Inverted(COLORREF cr)
{
    return RGB(255 - GetRValue(cr), 255 - GetGValue(cr), 255 - GetBValue(cr));
}

// The pen selected is solid and one pixel wide: each segment then sets the same pixels whether it is
// drawn by LineTo or as a line of its own in a PolyPolyline (a wider or styled pen joins the segments
// of a line, or carries its pattern over them).
bool DrawsThinSolidLines(CDCEx* pDC)
{
    LOGPEN pen;
    const HGDIOBJ hPen = ::GetCurrentObject(pDC->m_hDC, OBJ_PEN);
    return hPen != nullptr && ::GetObjectA(hPen, sizeof(pen), &pen) == sizeof(pen) &&
           pen.lopnStyle == PS_SOLID && pen.lopnWidth.x <= 1;
}

// The segments of one paint, so that a segment drawn again (a curve that runs back over its path)
// goes to the context once. A segment between neighbouring pixels sets only its start pixel (the end
// is never drawn): those count as that pixel and are kept as bits over a rectangle (the plot); the
// others go to a hash table (open addressing over a power of two).
class SegmentSet
{
public:
    explicit SegmentSet(const CRect& rcPixels) : m_rcPixels(rcPixels) {}

    // False when the segment, or what it sets, was there already.
    bool Insert(const CPoint& a, const CPoint& b)
    {
        if (std::abs(b.x - a.x) <= 1 && std::abs(b.y - a.y) <= 1)
        {
            if (m_rcPixels.PtInRect(a))
                return InsertPixel(a);
            return InsertSegment({a.x, a.y, a.x, a.y});
        }
        return InsertSegment({a.x, a.y, b.x, b.y});
    }

private:
    static constexpr int kEmpty = INT_MIN; // pixels are clipped long before it

    bool InsertPixel(const CPoint& pt)
    {
        if (m_pixels.empty())
            m_pixels.assign((static_cast<size_t>(m_rcPixels.Width()) * m_rcPixels.Height() + 63) / 64, 0);
        const size_t i =
            static_cast<size_t>(pt.y - m_rcPixels.top) * m_rcPixels.Width() + (pt.x - m_rcPixels.left);
        const uint64_t bit = uint64_t(1) << (i % 64);
        if (m_pixels[i / 64] & bit)
            return false;
        m_pixels[i / 64] |= bit;
        return true;
    }

    bool InsertSegment(const HitSegment& segment)
    {
        if (2 * (m_nUsed + 1) > m_slots.size())
            Grow();
        HitSegment* pSlot = Find(m_slots, segment);
        if (pSlot->x1 != kEmpty)
            return false;
        *pSlot = segment;
        ++m_nUsed;
        return true;
    }

    static HitSegment* Find(std::vector<HitSegment>& slots, const HitSegment& s)
    {
        uint64_t h = static_cast<uint32_t>(s.x1) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<uint32_t>(s.y1) * 0xC2B2AE3D27D4EB4Full;
        h ^= static_cast<uint32_t>(s.x2) * 0x165667B19E3779F9ull;
        h ^= static_cast<uint32_t>(s.y2) * 0x27D4EB2F165667C5ull;
        const size_t nMask = slots.size() - 1;
        for (size_t i = (h ^ (h >> 29)) & nMask;; i = (i + 1) & nMask)
        {
            HitSegment& slot = slots[i];
            if (slot.x1 == kEmpty ||
                (slot.x1 == s.x1 && slot.y1 == s.y1 && slot.x2 == s.x2 && slot.y2 == s.y2))
                return &slot;
        }
    }

    void Grow()
    {
        std::vector<HitSegment> slots(std::max<size_t>(4096, 2 * m_slots.size()),
                                      HitSegment{kEmpty, 0, 0, 0});
        for (const HitSegment& s : m_slots)
            if (s.x1 != kEmpty)
                *Find(slots, s) = s;
        m_slots.swap(slots);
    }

    CRect m_rcPixels;
    std::vector<uint64_t> m_pixels;
    std::vector<HitSegment> m_slots;
    size_t m_nUsed = 0;
};
} // namespace

// ---------------------------------------------------------------------------------------------------
// Points and copies

CPlotDataSerie::CPlotDataSerie(const CPlotDataSerie& other) : CPlotObject()
{
    CopyFrom(other);
}

CPlotDataSerie& CPlotDataSerie::operator=(const CPlotDataSerie& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

void CPlotDataSerie::CopyFrom(const CPlotDataSerie& other)
{
    m_bVisible = other.m_bVisible;
    m_crColor = other.m_crColor;
    m_pGraph = other.m_pGraph;
    if (other.m_bOwnData)
        CopyData(other.m_pData, other.m_iCount);
    else
        ReferData(other.m_pData, other.m_iCount);
    m_iFirst = other.m_iFirst;
    m_iLast = other.m_iLast;
    m_iXAxis = other.m_iXAxis;
    m_iYAxis = other.m_iYAxis;
    m_iIndex = other.m_iIndex;
    m_iLineWidth = other.m_iLineWidth;
    m_iFillStyle = other.m_iFillStyle;
    m_iMarkerMode = other.m_iMarkerMode;
    m_iMarkerSymbol = other.m_iMarkerSymbol;
    m_iMarkerSize = other.m_iMarkerSize;
    m_iLineStyle = other.m_iLineStyle;
    m_bMarkers = other.m_bMarkers;
    m_bFill = other.m_bFill;
    m_bFillTransparent = other.m_bFillTransparent;
    m_crFill = other.m_crFill;
    m_strTitle = other.m_strTitle;
    m_iDrawStyle = other.m_iDrawStyle;
    m_sFillTarget = other.m_sFillTarget;
    m_Solver.m_iCoeffCount = other.m_Solver.m_iCoeffCount;
    std::copy(std::begin(other.m_Solver.m_dCoeff), std::end(other.m_Solver.m_dCoeff), m_Solver.m_dCoeff);
    m_HitSegments = other.m_HitSegments;
    m_bAscendingX = other.m_bAscendingX;
}

void CPlotDataSerie::ReferData(const CurvePoints& pData, int nCount)
{
    m_pOwnData.reset();
    m_bOwnData = false;
    m_pData = pData;
    m_iCount = nCount;
}

void CPlotDataSerie::CopyData(const CurvePoints& pData, int nCount)
{
    std::unique_ptr<CurvePoint[]> pCopy;
    if (pData != nullptr && nCount > 0)
    {
        pCopy = std::make_unique<CurvePoint[]>(static_cast<size_t>(nCount));
        pData.ForEachRun(0, nCount,
                         [&](const CurvePoint* pRun, int iFirst, int nRun)
                         { std::copy_n(pRun, nRun, pCopy.get() + iFirst); });
    }
    m_pOwnData = std::move(pCopy);
    m_bOwnData = true;
    m_pData = m_pOwnData.get();
    m_iCount = m_pData != nullptr ? nCount : 0;
}

double CPlotDataSerie::GetX(int i) const
{
    return m_pData != nullptr && HasPoint(i) ? m_pData[i].x : 0.0;
}

double CPlotDataSerie::GetY(int i) const
{
    return m_pData != nullptr && HasPoint(i) ? m_pData[i].y : 0.0;
}

void CPlotDataSerie::ResetTrendRange()
{
    m_iFirst = 0;
    m_iLast = m_iCount - 1;
}

void CPlotDataSerie::GetProperties(PlotSerieProperties& props) const
{
    props = {m_iCount,
             m_iFirst,
             m_iLast,
             m_iXAxis,
             m_iYAxis,
             m_iIndex,
             m_iLineWidth,
             m_iFillStyle,
             m_iMarkerMode,
             m_iMarkerSymbol,
             m_iMarkerSize,
             m_iLineStyle,
             1,
             m_bMarkers,
             m_bFill,
             m_sFillTarget,
             m_bFillTransparent,
             m_crFill,
             {},
             m_iDrawStyle};
    const size_t nLen = std::min(static_cast<size_t>(m_strTitle.GetLength()), sizeof(props.szTitle) - 1);
    std::memcpy(props.szTitle, m_strTitle.GetString(), nLen);
}

// ---------------------------------------------------------------------------------------------------
// Archive

void CPlotDataSerie::Serialize(CArchive& ar)
{
    CPlotObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_iCount;
        m_pData.ForEachRun(0, m_iCount,
                           [&](const CurvePoint* pRun, int /*iFirst*/, int nRun)
                           {
                               for (int nWritten = 0; nWritten < nRun;)
                               {
                                   const int n = std::min(kArchiveSlice, nRun - nWritten);
                                   ar.Write(pRun + nWritten, static_cast<UINT>(n * sizeof(CurvePoint)));
                                   nWritten += n;
                               }
                           });
        ar << m_iFirst << m_iLast << m_iXAxis << m_iYAxis << m_iIndex << m_iLineWidth << m_iFillStyle
           << m_iMarkerMode << m_iMarkerSymbol << m_iMarkerSize << m_iLineStyle;
        ar << m_bMarkers << m_bFill << m_bFillTransparent << m_sFillTarget << static_cast<DWORD>(m_crFill);
        ar << m_strTitle << m_iDrawStyle;
        return;
    }
    int nCount;
    ar >> nCount;
    if (nCount < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    // Read in slices, so that a count the file does not hold allocates no more than what is there.
    std::vector<CurvePoint> points;
    for (int nRead = 0; nRead < nCount;)
    {
        const int n = std::min(kArchiveSlice, nCount - nRead);
        points.resize(static_cast<size_t>(nRead + n));
        const UINT nBytes = static_cast<UINT>(n * sizeof(CurvePoint));
        if (ar.Read(points.data() + nRead, nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        nRead += n;
    }
    CopyData(points.data(), nCount);
    DWORD crFill;
    ar >> m_iFirst >> m_iLast >> m_iXAxis >> m_iYAxis >> m_iIndex >> m_iLineWidth >> m_iFillStyle >>
        m_iMarkerMode >> m_iMarkerSymbol >> m_iMarkerSize >> m_iLineStyle;
    ar >> m_bMarkers >> m_bFill >> m_bFillTransparent >> m_sFillTarget >> crFill;
    ar >> m_strTitle >> m_iDrawStyle;
    m_crFill = crFill;
}

// ---------------------------------------------------------------------------------------------------
// Drawing

// Walks the curve's drawn vertices (the first point of each run of points in one pixel column) and
// draws lines or dots, records the hit segments and collects the fill corners. On the screen, lines of a
// thin solid pen go to the context in PolyPolyline batches rather than one LineTo per vertex, and with
// the plain copy mix each distinct segment goes once: the pixels set stay the same. (A scaled context,
// a printer, keeps LineTo: its segments between neighbouring pixels grow.)
class CPlotDataSerie::Painter
{
public:
    Painter(CPlotDataSerie& serie, CDCEx* pDC, CPlotAxis* pXAxis, CPlotAxis* pYAxis)
        : m_serie(serie), m_pDC(pDC), m_xMap(pXAxis->GetPixelMap()), m_yMap(pYAxis->GetPixelMap()),
          m_rcPlot(serie.m_pGraph->GetPlotRect()),
          m_bBatchLines(serie.m_iDrawStyle == 0 && !pDC->m_bScaling && DrawsThinSolidLines(pDC)),
          m_bDrawOnce(m_bBatchLines && pDC->GetROP2() == R2_COPYPEN), m_drawn(m_rcPlot)
    {
    }

    int Column(int i) const { return m_xMap(m_serie.m_pData[i].x); }
    CPoint Pixel(int i) const { return CPoint(Column(i), m_yMap(m_serie.m_pData[i].y)); }

    void Start(int i)
    {
        m_last = m_first = Pixel(i);
        if (m_serie.m_iDrawStyle == 0)
            m_pDC->MoveTo(m_first);
        else if (m_serie.m_iDrawStyle == 1)
            Dot(m_first);
        if (m_serie.m_bFill)
            m_fill.push_back(m_first);
    }

    void Next(const CPoint& pt)
    {
        if (m_rcPlot.PtInRect(pt) || m_rcPlot.PtInRect(m_last))
            m_serie.AddHitSegment(m_last.x, m_last.y, pt.x, pt.y);
        if (m_bBatchLines)
            AddSegment(m_last, pt);
        else if (m_serie.m_iDrawStyle == 0)
            m_pDC->LineTo(pt);
        else if (m_serie.m_iDrawStyle == 1)
            Dot(pt);
        if (m_serie.m_bFill)
            m_fill.push_back(pt);
        m_last = pt;
    }

    // Draws the segments still batched and leaves the current position at the last vertex, where
    // LineTo leaves it.
    void Finish()
    {
        if (!m_bBatchLines)
            return;
        FlushSegments();
        m_pDC->MoveTo(m_last);
    }

    // Every point in order.
    void WalkAll()
    {
        Start(0);
        m_serie.m_pData.ForEachRun(1, m_serie.m_iCount,
                                   [this](const CurvePoint* p, int /*iFirst*/, int nRun)
                                   {
                                       for (const CurvePoint* pEnd = p + nRun; p != pEnd; ++p)
                                       {
                                           const int x = m_xMap(p->x);
                                           if (x != m_last.x)
                                               Next(CPoint(x, m_yMap(p->y)));
                                       }
                                   });
    }

    // Points in ascending x on a linear axis: columns never decrease with the index, so the vertex of
    // each column is found by search, and only the columns around the plot are visited. The vertices
    // are those WalkAll draws there; lines outside the plot (with the pen's reach) are clipped anyway.
    void WalkColumns()
    {
        const int nReach = m_serie.m_iLineWidth + 2;
        const int nLeft = m_rcPlot.left - nReach;
        const int nRight = m_rcPlot.right + nReach;
        const int n = m_serie.m_iCount;
        int i = FirstWithColumnAtLeast(0, n, nLeft);
        if (i > 0)
            i = FirstWithColumnAtLeast(0, i - 1, Column(i - 1));
        Start(i);
        while (m_last.x < nRight)
        {
            i = FirstWithColumnAbove(i, m_last.x);
            if (i >= n)
                break;
            Next(Pixel(i));
        }
    }

    void Fill()
    {
        if (!AddFillTarget())
            return;
        const bool bTransparent = m_serie.m_bFillTransparent;
        const int nOldBkMode = m_pDC->SetBkMode(bTransparent ? TRANSPARENT : OPAQUE);
        const int nOldRop = bTransparent ? m_pDC->SetROP2(R2_NOTXORPEN) : 0;
        CGdiObject* pOldPen = m_pDC->SelectStockObject(NULL_PEN);
        const COLORREF crFill = m_pDC->m_bMonochrome ? kBlack : m_serie.m_crFill;
        {
            std::optional<CBrushSelector> brush;
            if (m_serie.m_iFillStyle == 6)
                brush.emplace(crFill, m_pDC);
            else
                brush.emplace(crFill, m_serie.m_iFillStyle, m_pDC);
            m_pDC->Polygon(m_fill.data(), static_cast<int>(m_fill.size()));
        }
        if (pOldPen != nullptr)
            m_pDC->SelectObject(pOldPen);
        if (bTransparent)
            m_pDC->SetROP2(nOldRop != 0 ? nOldRop : R2_COPYPEN);
        m_pDC->SetBkMode(nOldBkMode);
    }

private:
    void AddSegment(const CPoint& a, const CPoint& b)
    {
        if (m_bDrawOnce && DrawnBefore(a, b))
            return;
        m_segments.push_back(a);
        m_segments.push_back(b);
        if (m_segments.size() == 2 * kSegmentBatch)
            FlushSegments();
    }

    bool DrawnBefore(const CPoint& a, const CPoint& b)
    {
        const bool bDrawn = !m_drawn.Insert(a, b);
        m_nFound += bDrawn ? 1 : 0;
        if (++m_nLookups == kLookupWindow)
        {
            m_bDrawOnce = 4 * m_nFound >= kLookupWindow;
            m_nLookups = m_nFound = 0;
        }
        return bDrawn;
    }

    void FlushSegments()
    {
        static const std::vector<DWORD> s_twos(kSegmentBatch, 2);
        if (!m_segments.empty())
            m_pDC->PolyPolyline(m_segments.data(), s_twos.data(), static_cast<int>(m_segments.size() / 2));
        m_segments.clear();
    }

    void Dot(const CPoint& pt)
    {
        const int w = m_serie.m_iLineWidth;
        m_pDC->Ellipse(pt.x - w, pt.y - w, pt.x + w, pt.y + w);
    }

    // The first index in [lo, hi) whose column is at least nColumn; hi when none.
    int FirstWithColumnAtLeast(int lo, int hi, int nColumn) const
    {
        while (lo < hi)
        {
            const int mid = lo + (hi - lo) / 2;
            if (Column(mid) < nColumn)
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo;
    }

    // The first index after i whose column lies right of nColumn, found by doubling steps and then by
    // halving; the count when none.
    int FirstWithColumnAbove(int i, int nColumn) const
    {
        const int n = m_serie.m_iCount;
        int lo = i + 1;
        int nStep = 1;
        while (lo < n && Column(lo) <= nColumn)
        {
            i = lo;
            lo = static_cast<int>(std::min<long long>(n, static_cast<long long>(i) + nStep));
            nStep *= 2;
        }
        return FirstWithColumnAtLeast(i + 1, lo, nColumn + 1);
    }

    // Closes the fill polygon: down to the plot bottom, or back along the target curve. False when the
    // target names no curve of the chart.
    bool AddFillTarget()
    {
        const short sTarget = m_serie.m_sFillTarget;
        if (sTarget == -1)
        {
            m_fill.emplace_back(m_last.x, m_rcPlot.bottom);
            m_fill.emplace_back(m_first.x, m_rcPlot.bottom);
            return true;
        }
        PlotCurveInfo target;
        if (!m_serie.m_pGraph->GetCurveInfo(sTarget, target) || target.pData == nullptr)
            return false;
        for (int i = target.iCount - 1; i >= 0; --i)
        {
            CPoint pt;
            if (!CPlotAxis::CurvePointToPixel(m_serie.m_pGraph, sTarget, target.pData[i], pt))
                return false;
            m_fill.push_back(pt);
        }
        return true;
    }

    CPlotDataSerie& m_serie;
    CDCEx* m_pDC;
    const AxisPixelMap m_xMap;
    const AxisPixelMap m_yMap;
    CRect m_rcPlot;
    const bool m_bBatchLines;
    bool m_bDrawOnce;
    int m_nLookups = 0;
    int m_nFound = 0;
    CPoint m_first;
    CPoint m_last;
    std::vector<CPoint> m_fill;
    std::vector<CPoint> m_segments; // start and end of each batched segment
    SegmentSet m_drawn;
};

void CPlotDataSerie::Draw(CDCEx* pDC)
{
    m_HitSegments.clear();
    if (m_pGraph == nullptr || m_pData == nullptr || m_iCount <= 0)
        return;
    CPlotAxis* pXAxis = m_pGraph->GetXAxisAt(m_iXAxis);
    CPlotAxis* pYAxis = m_pGraph->GetYAxisAt(m_iYAxis);
    if (pXAxis == nullptr || pYAxis == nullptr)
        return;
    const COLORREF crLine = pDC->m_bMonochrome ? kBlack : (m_bSelected ? Inverted(m_crColor) : m_crColor);
    CPenSelector pen(crLine, m_iLineWidth, pDC, m_iLineStyle);
    Painter painter(*this, pDC, pXAxis, pYAxis);
    if (m_bAscendingX && !m_bFill && pXAxis->m_bLinear)
        painter.WalkColumns();
    else
        painter.WalkAll();
    painter.Finish();
    if (m_bFill)
        painter.Fill();
}

int CPlotDataSerie::MarkerStride(int nPlotWidth, int nMarkerSize, int nCount, int nPlotMode)
{
    if (nPlotMode == kPlotModeEdit)
        return 1;
    const int nPerWidth = (nPlotWidth / nMarkerSize) / 4;
    const int nStride = nPerWidth > 0 ? nCount / nPerWidth : 2;
    return nStride != 0 ? nStride : 2;
}

void CPlotDataSerie::DrawMarkers(CDCEx* pDC)
{
    if (m_pGraph == nullptr || m_pData == nullptr || m_iCount <= 0 || m_iMarkerSize <= 0)
        return;
    CPlotAxis* pXAxis = m_pGraph->GetXAxisAt(m_iXAxis);
    CPlotAxis* pYAxis = m_pGraph->GetYAxisAt(m_iYAxis);
    if (pXAxis == nullptr || pYAxis == nullptr)
        return;
    const int nStride =
        MarkerStride(m_pGraph->GetPlotRect().Width(), m_iMarkerSize, m_iCount, m_pGraph->GetPlotMode());
    const COLORREF crMarker = pDC->m_bMonochrome ? kBlack : m_crColor;
    const int n = m_iMarkerMode != 0 ? m_iMarkerSymbol : m_iIndex;
    for (long long i = 0; i < m_iCount; i += nStride)
    {
        const CurvePoint& point = m_pData[i];
        const int x = pXAxis->ValueToPixel(point).x - m_iMarkerSize / 2;
        const int y = pYAxis->ValueToPixel(point).y - m_iMarkerSize / 2;
        pYAxis->DrawLegendMarker(pDC, x, y, n, m_iMarkerSize, crMarker, m_iMarkerMode == 1);
    }
}

// ---------------------------------------------------------------------------------------------------
// Hit segments

bool CPlotDataSerie::HitTestSegment(const HitSegment& segment, int x, int y, int nLineWidth)
{
    if (segment.x1 == segment.x2 && segment.y1 == segment.y2)
        return false;
    const double dDistance = PointLineDistance({segment.x1, segment.y1}, {segment.x2, segment.y2}, {x, y});
    return dDistance <= std::max(1, nLineWidth / 2);
}

void CPlotDataSerie::AddHitSegment(int x1, int y1, int x2, int y2)
{
    m_HitSegments.push_back({x1, y1, x2, y2});
}

// ---------------------------------------------------------------------------------------------------
// Trends and moving averages

std::unique_ptr<CurvePoint[]> CPlotDataSerie::TrendFrame(int nExtra) const
{
    if (m_pData == nullptr || m_iCount <= 0 || nExtra < 0)
        return nullptr;
    const int nTotal = m_iCount + nExtra;
    auto pResult = std::make_unique<CurvePoint[]>(static_cast<size_t>(nTotal));
    const double dx = m_iCount > 1 ? m_pData[1].x - m_pData[0].x : 0.0;
    for (int j = 0; j < nTotal; ++j)
        pResult[j].x = j < m_iCount ? m_pData[j].x : pResult[j - 1].x + dx;
    return pResult;
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetLinearTrend(int n)
{
    auto pResult = TrendFrame(n);
    if (!pResult)
        return nullptr;
    const double T = m_iCount;
    double sk = 0, sy = 0, sky = 0, skk = 0;
    for (int k = 1; k <= m_iCount; ++k)
    {
        const double y = m_pData[k - 1].y;
        sk += k;
        sy += y;
        sky += k * y;
        skk += static_cast<double>(k) * k;
    }
    const double dDenominator = T * skk - sk * sk;
    const double dSlope = dDenominator != 0 ? (T * sky - sk * sy) / dDenominator : 0.0;
    const double dIntercept = (sy - sk * dSlope) / T;
    for (int j = 0; j < m_iCount + n; ++j)
        pResult[j].y = (j + 1) * dSlope + dIntercept;
    return pResult;
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetCubicTrend(int n)
{
    auto pResult = TrendFrame(n);
    if (!pResult)
        return nullptr;
    double sk3y = 0, sk6 = 0;
    for (int k = 1; k <= m_iCount; ++k)
    {
        const double k3 = static_cast<double>(k) * k * k;
        sk3y += k3 * m_pData[k - 1].y;
        sk6 += k3 * k3;
    }
    const double c = sk3y / sk6;
    for (int j = 0; j < m_iCount + n; ++j)
    {
        const double k = j + 1;
        pResult[j].y = k * k * k * c;
    }
    return pResult;
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetPolynomialTrend(int k, int n)
{
    if (m_pData == nullptr || m_iCount <= 0 || n < 0)
        return nullptr;
    m_Solver.m_iCoeffCount = k;
    if (!m_Solver.Fit(m_iCount, k, m_pData))
        return nullptr;
    const int nTotal = m_iCount + n;
    auto pResult = std::make_unique<CurvePoint[]>(static_cast<size_t>(nTotal));
    for (int i = 0; i < nTotal; ++i)
    {
        if (i < m_iCount)
            pResult[i].x = m_pData[i].x;
        else if (i >= 2)
            pResult[i].x = pResult[i - 1].x + (pResult[i - 1].x - pResult[i - 2].x);
        else
            pResult[i].x = pResult[i - 1].x;
        pResult[i].y = m_Solver.Evaluate(pResult[i].x);
    }
    return pResult;
}

template <class Average>
std::unique_ptr<CurvePoint[]> CPlotDataSerie::MovingAverage(int nWindow, Average average) const
{
    if (m_pData == nullptr || m_iCount <= 0 || nWindow < 1)
        return nullptr;
    auto pResult = std::make_unique<CurvePoint[]>(static_cast<size_t>(m_iCount));
    pResult[0] = m_pData[0];
    for (int i = 1; i < m_iCount; ++i)
        pResult[i] = {m_pData[i].x, average(i, std::min(i, nWindow), pResult[i - 1].y)};
    return pResult;
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetSimpleMovingAverage(int nWindow)
{
    return MovingAverage(nWindow,
                         [this](int i, int m, double)
                         {
                             double dSum = 0;
                             for (int j = i - m + 1; j <= i; ++j)
                                 dSum += m_pData[j].y;
                             return dSum / m;
                         });
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetExponentialMovingAverage(int nWindow)
{
    const double a = 2.0 / (nWindow + 1);
    return MovingAverage(nWindow, [this, a](int i, int, double dPrevious)
                         { return a * m_pData[i].y + (1 - a) * dPrevious; });
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetLinearMovingAverage(int nWindow)
{
    return MovingAverage(nWindow,
                         [this](int i, int m, double)
                         {
                             double dSum = 0;
                             for (int j = 0; j < m; ++j)
                                 dSum += (m - j) * m_pData[i - j].y;
                             return dSum / (m * (m + 1) / 2.0);
                         });
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetTriangularMovingAverage(int nWindow)
{
    return MovingAverage(nWindow,
                         [this](int i, int m, double)
                         {
                             double dSum = 0, dWeights = 0;
                             for (int j = 1; j <= m; ++j)
                             {
                                 const double w = TriangularWeight(m + 1, j, m);
                                 dSum += w * m_pData[i - j + 1].y;
                                 dWeights += w;
                             }
                             return dSum / dWeights;
                         });
}

std::unique_ptr<CurvePoint[]> CPlotDataSerie::GetSineMovingAverage(int nWindow)
{
    const double q = 3.14159265358979 / (nWindow + 1);
    return MovingAverage(nWindow,
                         [this, q](int i, int m, double)
                         {
                             double dSum = 0, dWeights = 0;
                             for (int j = 0; j < m; ++j)
                                 dSum += std::sin(q * (m - j)) * m_pData[i - j].y;
                             for (int j = 1; j <= m; ++j)
                                 dWeights += std::sin(q * j);
                             return dSum / dWeights;
                         });
}

double CPlotDataSerie::TriangularWeight(double a, double b, double c)
{
    if (a == 0)
        return 0;
    const double dHalf = a / 2;
    return c * (1 - std::fabs((b - dHalf) / dHalf));
}
