// The diagram window's further operations: series and axis properties, window settings, the chart
// archive, printing and drawing, and the curves as a CSV table.
#include "charting/CGraphicDisplayWnd.h"

#include "charting/CCsvTable.h"
#include "charting/CPlot.h"
#include "framework/CDC.h"
#include "framework/CWaitCursor.h"

#include <algorithm>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace
{
// The cell as a number: all of it (blanks around it aside) must be one.
bool ParseNumber(const std::string& strCell, double& dValue)
{
    const char* pStart = strCell.c_str();
    char* pEnd = nullptr;
    dValue = std::strtod(pStart, &pEnd);
    if (pEnd == pStart)
        return false;
    while (*pEnd == ' ' || *pEnd == '\t' || *pEnd == '\r')
        ++pEnd;
    return *pEnd == '\0' && std::isfinite(dValue);
}

// The decimals for an x span: 3 below 0.2, 2 below 1, 1 below 5, else 0.
int DecimalsForSpan(double dSpan)
{
    if (dSpan < 0.2)
        return 3;
    if (dSpan < 1.0)
        return 2;
    return dSpan < 5.0 ? 1 : 0;
}
} // namespace

// ---------------------------------------------------------------------------------------------------
// Series and axis properties

namespace
{
CPlotDataSerie* CurveAt(CPlot* pChart, int iCurve)
{
    return pChart && pChart->HasCurve(iCurve) ? &pChart->GetCurve(iCurve) : nullptr;
}

CPlotAxis* YAxisAt(CPlot* pChart, int iAxis)
{
    return pChart ? pChart->GetYAxisAt(iAxis) : nullptr;
}

CPlotAxis* XAxisOf(CPlot* pChart)
{
    return pChart ? pChart->GetXAxisAt(0) : nullptr;
}

// Sets a member of an element that exists; false for none.
template <class E, class M, class T> bool SetMember(E* pElement, M pMember, T value)
{
    if (pElement == nullptr)
        return false;
    pElement->*pMember = value;
    return true;
}

// The member of an element that exists, else the not-found value.
template <class E, class M, class T> T MemberOf(const E* pElement, M pMember, T notFound)
{
    return pElement != nullptr ? static_cast<T>(pElement->*pMember) : notFound;
}
} // namespace

void CGraphicDisplayWnd::setCurveLineStyle(int iCurve, int nStyle)
{
    if (SetMember(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iLineStyle, nStyle))
        redrawChart();
}

int CGraphicDisplayWnd::getCurveLineStyle(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iLineStyle, -1);
}

int CGraphicDisplayWnd::getCurveLineWidth(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iLineWidth, -1);
}

void CGraphicDisplayWnd::setCurveMarkerSymbol(int iCurve, int nSymbol)
{
    if (SetMember(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iMarkerSymbol, nSymbol))
        redrawChart();
}

int CGraphicDisplayWnd::getCurveMarkerSymbol(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iMarkerSymbol, -1);
}

void CGraphicDisplayWnd::setCurveMarkerSize(int iCurve, int nSize)
{
    if (SetMember(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iMarkerSize, nSize))
        redrawChart();
}

int CGraphicDisplayWnd::getCurveMarkerSize(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iMarkerSize, -1);
}

void CGraphicDisplayWnd::setCurveMarkerMode(int iCurve, int nMode)
{
    if (SetMember(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iMarkerMode, nMode))
        redrawChart();
}

int CGraphicDisplayWnd::getCurveMarkerMode(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_iMarkerMode, -1);
}

void CGraphicDisplayWnd::setCurveMarkersOn(int iCurve, bool bOn)
{
    if (SetMember(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_bMarkers, bOn))
        redrawChart();
}

bool CGraphicDisplayWnd::getCurveMarkersOn(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_bMarkers, false);
}

CString CGraphicDisplayWnd::getCurveTitle(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_strTitle, CString());
}

COLORREF CGraphicDisplayWnd::getCurveColor(int iCurve) const
{
    return MemberOf(CurveAt(m_pChart.get(), iCurve), &CPlotDataSerie::m_crColor, COLORREF(0));
}

bool CGraphicDisplayWnd::getYAxisAutoScale(int iAxis) const
{
    return MemberOf(YAxisAt(m_pChart.get(), iAxis), &CPlotAxis::m_bAutoScale, false);
}

CString CGraphicDisplayWnd::getYAxisFormat(int iAxis) const
{
    return MemberOf(YAxisAt(m_pChart.get(), iAxis), &CPlotAxis::m_strFormat, CString());
}

CString CGraphicDisplayWnd::getYAxisTitle(int iAxis) const
{
    return MemberOf(YAxisAt(m_pChart.get(), iAxis), &CPlotAxis::m_strTitle, CString());
}

void CGraphicDisplayWnd::setYAxisColor(int iAxis, COLORREF crColor)
{
    if (SetMember(YAxisAt(m_pChart.get(), iAxis), &CPlotAxis::m_crColor, crColor))
        redrawChart();
}

COLORREF CGraphicDisplayWnd::getYAxisColor(int iAxis) const
{
    return MemberOf(YAxisAt(m_pChart.get(), iAxis), &CPlotAxis::m_crColor, COLORREF(0));
}

void CGraphicDisplayWnd::setXAxisColor(COLORREF crColor)
{
    if (SetMember(XAxisOf(m_pChart.get()), &CPlotAxis::m_crColor, crColor))
        redrawChart();
}

COLORREF CGraphicDisplayWnd::getXAxisColor() const
{
    return MemberOf(XAxisOf(m_pChart.get()), &CPlotAxis::m_crColor, COLORREF(0));
}

CString CGraphicDisplayWnd::getXAxisTitle() const
{
    return MemberOf(XAxisOf(m_pChart.get()), &CPlotAxis::m_strTitle, CString());
}

// ---------------------------------------------------------------------------------------------------
// Window settings and queries

void CGraphicDisplayWnd::setPlotColor(COLORREF crColor)
{
    m_crPlotArea = crColor;
    redrawChart();
}

void CGraphicDisplayWnd::setBackgroundColor(COLORREF crColor)
{
    m_crBackground = crColor;
    redrawChart();
}

void CGraphicDisplayWnd::setInnerColor(COLORREF crColor)
{
    m_crInnerArea = crColor;
    redrawChart();
}

void CGraphicDisplayWnd::getXAxisRange(double& dMax, double& dMin, double& dStep) const
{
    dMax = dMin = dStep = 0;
    if (HasXAxis())
        m_pChart->GetXAxis(0).GetRange(dMin, dMax, dStep);
}

int CGraphicDisplayWnd::getCurveCount() const
{
    return m_pChart ? m_pChart->GetCurveCount() : 0;
}

int CGraphicDisplayWnd::getMaxCurvePointCount() const
{
    int nMax = 0;
    for (int i = 0; i < getCurveCount(); ++i)
        nMax = std::max(nMax, m_pChart->GetCurve(i).m_iCount);
    return nMax;
}

int CGraphicDisplayWnd::getCurvePercent(int) const
{
    return 100;
}

void CGraphicDisplayWnd::setXAxisDecimalsBySpan(double a, double b)
{
    const int nDecimals = DecimalsForSpan(b - a);
    if (nDecimals == s_nLastSpanDecimals || !m_pChart)
        return;
    s_nLastSpanDecimals = nDecimals;
    m_pChart->SetAxisDecimals(0, nDecimals, 0);
}

void CGraphicDisplayWnd::setChartText1(const CString& str)
{
    m_strChartText1 = str;
    if (m_pChart)
        m_pChart->SetChartText(0, str);
}

void CGraphicDisplayWnd::setChartText2(const CString& str)
{
    m_strChartText2 = str;
    if (m_pChart)
        m_pChart->SetChartText(1, str);
}

HGLOBAL CGraphicDisplayWnd::getWindowDib()
{
    return m_pChart ? m_pChart->GetWindowDib() : nullptr;
}

// ---------------------------------------------------------------------------------------------------
// Archive, printing, drawing

bool CGraphicDisplayWnd::saveChart(LPCSTR lpszFileName)
{
    return m_pChart && m_pChart->Save(lpszFileName, PLOT_ARCHIVE_SETTINGS | PLOT_ARCHIVE_OBJECTS);
}

bool CGraphicDisplayWnd::loadChart(LPCSTR lpszFileName)
{
    if (!m_pChart)
        return false;
    KillTimer(TIMER_HOVER_DELAY);
    KillTimer(TIMER_TOOLTIP_TIME);
    m_bTooltipShown = false;
    const bool bLoaded = m_pChart->LoadKeepingCurves(lpszFileName);
    // The hover label was stored first of the chart's objects; read back, it serves again.
    const auto& objects = m_pChart->GetObjects();
    auto* pLabel = objects.size() > 1 ? dynamic_cast<CPlotLabel*>(*std::next(objects.begin())) : nullptr;
    if (pLabel != nullptr)
    {
        m_pHoverLabel = pLabel;
        m_pHoverLabel->m_bVisible = false;
        m_pHoverLabel->m_bCanDelete = false;
    }
    else
        insertHoverLabel();
    redrawChart();
    return bLoaded;
}

void CGraphicDisplayWnd::printChart(CDC* pDC)
{
    if (m_pChart)
        m_pChart->PrintTo(pDC);
}

void CGraphicDisplayWnd::printChartRect(CDC* pDC, int nLeft, int nTop, int nRight, int nBottom)
{
    if (m_pChart)
        m_pChart->PrintToRect(pDC, nLeft, nTop, nRight, nBottom);
}

void CGraphicDisplayWnd::drawToDC(CDC* pDC, DWORD dwFlags)
{
    if (!m_pChart || m_pChart->GetSafeHwnd() == nullptr)
        return;
    CWaitCursor wait;
    m_pChart->SendMessage(WM_PRINT, reinterpret_cast<WPARAM>(pDC->m_hDC), dwFlags);
}

// ---------------------------------------------------------------------------------------------------
// CSV

int CGraphicDisplayWnd::exportedPointCount(int iCurve) const
{
    if (iCurve < CDataManager::CURVE_COUNT && m_pDataManager->getCount(iCurve, "exportCsv") == 0)
        return 0;
    return m_pChart->GetCurve(iCurve).m_iCount;
}

bool CGraphicDisplayWnd::exportCsv(LPCSTR lpszFileName, LPCSTR lpszSeparator)
{
    int nSeries = 0;
    for (int i = 0; i < getCurveCount(); ++i)
        if (exportedPointCount(i) > 0)
            nSeries = i + 1;
    if (nSeries == 0)
        return false;
    CCsvTable table;
    for (int i = 0; i < nSeries; ++i)
    {
        const CPlotDataSerie& curve = m_pChart->GetCurve(i);
        std::vector<double> x, y;
        const int nCount = exportedPointCount(i);
        x.reserve(static_cast<size_t>(nCount));
        y.reserve(static_cast<size_t>(nCount));
        for (int n = 0; n < nCount; ++n)
        {
            x.push_back(curve.GetX(n));
            y.push_back(curve.GetY(n));
        }
        const std::string strNumber = std::to_string(i + 1);
        if (!table.AddColumn("X" + strNumber, x) || !table.AddColumn("Y" + strNumber, y))
            return false;
    }
    return table.Write(lpszFileName, lpszSeparator);
}

bool CGraphicDisplayWnd::importCsv(LPCSTR lpszFileName, LPCSTR lpszSeparator)
{
    CCsvTable table(CCsvTable::READ_AS_STRING);
    table.strSeparator = lpszSeparator;
    if (!table.Read(lpszFileName))
        return false;
    const int nPairs = table.GetColumnCount() / 2;
    const int nRows = table.GetMaxRowCount();
    double dXMin = DBL_MAX, dXMax = -DBL_MAX;
    bool bRead = false;
    for (int r = 0; r < nPairs && nRows > 0; ++r)
        clearCurve(r);
    for (int q = 0; q < nRows; ++q)
        for (int r = 0; r < nPairs; ++r)
        {
            std::string strX, strY;
            double x, y;
            // A missing cell or one that is not a number skips its pair.
            if (table.GetString(2 * r, q, strX) < 0 || table.GetString(2 * r + 1, q, strY) < 0 ||
                !ParseNumber(strX, x) || !ParseNumber(strY, y) || addPoint(r, x, y) < 0)
                continue;
            dXMin = std::min(dXMin, x);
            dXMax = std::max(dXMax, x);
            bRead = true;
        }
    if (!bRead)
        return false;
    m_dXMin = dXMin;
    m_dXMax = dXMax;
    for (int r = 0; r < nPairs && r < CDataManager::CURVE_COUNT; ++r)
        showCurve(r, true, false, false);
    setXRange(dXMin, dXMax);
    Invalidate();
    redrawChart();
    return true;
}
