#include "charting/CPlot.h"

#include "framework/CArchive.h"
#include "framework/CBitmap.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <tuple>

IMPLEMENT_DYNCREATE(CPlot, CWnd)

BEGIN_MESSAGE_MAP(CPlot, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MOUSEWHEEL()
ON_WM_KEYUP()
ON_WM_SETCURSOR()
ON_COMMAND(ID_PLOT_NO_MODE, OnNoMode)
ON_COMMAND(ID_PLOT_INSERT_LABEL, OnInsertLabel)
ON_COMMAND(ID_PLOT_ZOOM_MODE, OnZoomMode)
ON_COMMAND(ID_PLOT_RESET_ZOOM, OnResetZoom)
ON_COMMAND(ID_PLOT_PAN_MODE, OnPanMode)
ON_COMMAND(ID_PLOT_PROPERTIES, OnProperties)
ON_COMMAND(ID_PLOT_PRINT, OnPrint)
ON_COMMAND(ID_PLOT_LINEAR_TREND, OnLinearTrend)
ON_COMMAND(ID_PLOT_CUBIC_TREND, OnCubicTrend)
ON_COMMAND(ID_PLOT_CURSOR_MODE, OnCursorMode)
ON_COMMAND(ID_PLOT_CHART_PROPERTIES, OnChartProperties)
ON_COMMAND(ID_PLOT_ZOOM_BACK, OnZoomBack)
ON_COMMAND(ID_PLOT_MEASURE_MODE, OnMeasureMode)
ON_COMMAND(ID_PLOT_EDIT_MODE, OnEditMode)
END_MESSAGE_MAP()

const COLORREF PLOT_CURVE_COLORS[12] = {RGB(128, 0, 0), RGB(255, 0, 0), RGB(128, 128, 0), RGB(255, 255, 0),
                                        RGB(0, 128, 0), RGB(0, 255, 0), RGB(0, 128, 128), RGB(0, 255, 255),
                                        RGB(0, 0, 128), RGB(0, 0, 255), RGB(128, 0, 128), RGB(255, 0, 255)};

namespace
{
template <class T> bool IsIndexOf(const std::vector<T>& items, int i)
{
    return i >= 0 && i < static_cast<int>(items.size());
}

// Marks element i selected and every other one unselected; false for an index outside the list.
template <class T> bool SelectOnly(std::vector<T>& items, int i)
{
    if (!IsIndexOf(items, i))
        return false;
    for (size_t k = 0; k < items.size(); ++k)
        items[k].m_bSelected = static_cast<int>(k) == i;
    return true;
}
} // namespace

CPlot::CPlot()
    : m_crBackground(::GetSysColor(COLOR_APPWORKSPACE)), m_crInnerArea(::GetSysColor(COLOR_APPWORKSPACE)),
      m_crPlotArea(::GetSysColor(COLOR_WINDOW))
{
    std::copy(std::begin(PLOT_MARKER_PAINTERS), std::end(PLOT_MARKER_PAINTERS), m_MarkerPainters);
    m_CursorLabel.m_rcObject.SetRect(100, 100, 200, 175);
    m_CursorLabel.m_bVisible = false;
    m_CursorLabel.m_bCanEdit = false;
    m_CursorLabel.m_bCanDelete = false;
    m_CursorLabel.m_pGraph = this;
    m_Objects.push_back(&m_CursorLabel);
    RegisterWindowClass();
}

CPlot::~CPlot()
{
    ResetAll();
}

void CPlot::RegisterWindowClass()
{
    WNDCLASSA wc = {};
    const HINSTANCE hInstance = AfxGetInstanceHandle();
    if (::GetClassInfoA(hInstance, CLASS_NAME, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = CLASS_NAME;
    if (!::RegisterClassA(&wc))
        AfxThrowResourceException();
}

CPlot* CPlot::ReadFromArchive(CArchive& ar)
{
    return static_cast<CPlot*>(ar.ReadObject(RUNTIME_CLASS(CPlot)));
}

// ---------------------------------------------------------------------------------------------------
// Curves and axes

CPlotDataSerie* CPlot::SetData(const CurvePoints& pData, int nCount, int iCurve, int iXAxis, int iYAxis,
                               bool bFit, bool bCopy, bool bRange)
{
    if (pData == nullptr || nCount <= 0)
        return nullptr;
    // Indices are consecutive: one past the last creates the element, further ones are refused.
    if (iCurve < 0 || iCurve > GetCurveCount() || iXAxis < 0 || iXAxis > GetXAxisCount() || iYAxis < 0 ||
        iYAxis > GetYAxisCount())
        return nullptr;
    if (iCurve == GetCurveCount())
    {
        CPlotDataSerie curve;
        curve.m_iIndex = iCurve;
        curve.m_crColor = PLOT_CURVE_COLORS[iCurve % 12];
        m_Curves.push_back(curve);
    }
    CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
    curve.m_iXAxis = iXAxis;
    curve.m_iYAxis = iYAxis;
    if (bCopy)
        curve.CopyData(pData, nCount);
    else
        curve.ReferData(pData, nCount);
    curve.SetAscendingX(false); // unknown for new points until their provider says so
    for (auto [pAxes, nIndex, nType] : {std::tuple(&m_XAxes, iXAxis, 0), std::tuple(&m_YAxes, iYAxis, 1)})
        if (nIndex == static_cast<int>(pAxes->size()))
        {
            CPlotAxis axis;
            axis.m_iType = nType;
            axis.m_pGraph = this;
            pAxes->push_back(axis);
        }
    curve.m_pGraph = this;
    if (bRange)
    {
        double dXMin, dXMax, dYMin, dYMax;
        GetCurveExtent(iCurve, dXMin, dXMax, dYMin, dYMax);
        m_XAxes[static_cast<size_t>(iXAxis)].SetRange(dXMin, dXMax);
        m_YAxes[static_cast<size_t>(iYAxis)].SetRange(dYMin, dYMax);
    }
    else if (bFit)
        FitAxesToCurve(iXAxis, iYAxis, iCurve);
    return &curve;
}

bool CPlot::GetCurveExtent(int iCurve, double& dXMin, double& dXMax, double& dYMin, double& dYMax) const
{
    if (!IsIndexOf(m_Curves, iCurve))
        return false;
    const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(iCurve)];
    const CurvePoints& p = curve.m_pData;
    if (p == nullptr || curve.m_iCount <= 0)
        return false;
    dXMin = dXMax = p[0].x;
    dYMin = dYMax = p[0].y;
    const bool bAscending = curve.IsAscendingX();
    if (bAscending)
        dXMax = p[curve.m_iCount - 1].x;
    for (int i = 1; i < curve.m_iCount; ++i)
    {
        if (!bAscending)
        {
            dXMin = std::min(dXMin, p[i].x);
            dXMax = std::max(dXMax, p[i].x);
        }
        dYMin = std::min(dYMin, p[i].y);
        dYMax = std::max(dYMax, p[i].y);
    }
    return true;
}

void CPlot::FitAxesToCurve(int iXAxis, int iYAxis, int iCurve)
{
    double dXMin, dXMax, dYMin, dYMax;
    if (!GetCurveExtent(iCurve, dXMin, dXMax, dYMin, dYMax))
        return;
    if (IsIndexOf(m_XAxes, iXAxis))
        m_XAxes[static_cast<size_t>(iXAxis)].SetRange(dXMin, dXMax);
    if (IsIndexOf(m_YAxes, iYAxis))
        m_YAxes[static_cast<size_t>(iYAxis)].SetRange(dYMin, dYMax);
}

bool CPlot::DeleteCurve(int i)
{
    if (!IsIndexOf(m_Curves, i))
        return false;
    m_LegendEntries.clear();
    m_Curves.erase(m_Curves.begin() + i);
    for (size_t k = static_cast<size_t>(i); k < m_Curves.size(); ++k)
        m_Curves[k].m_iIndex = static_cast<int>(k);
    return true;
}

bool CPlot::DeleteXAxis(int i)
{
    if (!IsIndexOf(m_XAxes, i))
        return false;
    m_XAxes.erase(m_XAxes.begin() + i);
    return true;
}

bool CPlot::DeleteYAxis(int i)
{
    if (!IsIndexOf(m_YAxes, i))
        return false;
    m_YAxes.erase(m_YAxes.begin() + i);
    return true;
}

void CPlot::ResetAll()
{
    m_LegendEntries.clear();
    m_Curves.clear();
    m_XAxes.clear();
    m_YAxes.clear();
    DeleteObjects();
}

void CPlot::DeleteObjects()
{
    m_pActiveTracker = nullptr;
    m_pSelectedObject = nullptr;
    for (auto it = m_Objects.begin(); it != m_Objects.end();)
    {
        if (*it == &m_CursorLabel)
        {
            ++it;
            continue;
        }
        delete *it;
        it = m_Objects.erase(it);
    }
}

int CPlot::GetCurveIndex(const CPlotDataSerie* pCurve) const
{
    for (size_t i = 0; i < m_Curves.size(); ++i)
        if (&m_Curves[i] == pCurve)
            return static_cast<int>(i);
    return -1;
}

int CPlot::GetAxisIndex(const CPlotAxis* pAxis) const
{
    for (const auto* pAxes : {&m_XAxes, &m_YAxes})
        for (size_t i = 0; i < pAxes->size(); ++i)
            if (&(*pAxes)[i] == pAxis)
                return static_cast<int>(i);
    return -1;
}

CPlotAxis* CPlot::GetXAxisAt(int nAxis)
{
    return IsIndexOf(m_XAxes, nAxis) ? &m_XAxes[static_cast<size_t>(nAxis)] : nullptr;
}

CPlotAxis* CPlot::GetYAxisAt(int nAxis)
{
    return IsIndexOf(m_YAxes, nAxis) ? &m_YAxes[static_cast<size_t>(nAxis)] : nullptr;
}

bool CPlot::GetCurveInfo(int nCurve, PlotCurveInfo& info) const
{
    if (!IsIndexOf(m_Curves, nCurve))
        return false;
    const CPlotDataSerie& curve = m_Curves[static_cast<size_t>(nCurve)];
    info.pData = curve.m_pData;
    info.iCount = curve.m_iCount;
    info.iXAxis = curve.m_iXAxis;
    info.iYAxis = curve.m_iYAxis;
    info.bVisible = curve.m_bVisible;
    info.iMarkerMode = curve.m_iMarkerMode;
    info.iMarkerSymbol = curve.m_iMarkerSymbol;
    info.crColor = curve.m_crColor;
    info.strTitle = curve.m_strTitle;
    return true;
}

MarkerPainter CPlot::GetMarkerPainter(int nSymbol) const
{
    return nSymbol >= 0 && nSymbol < MARKER_SYMBOL_COUNT ? m_MarkerPainters[nSymbol] : nullptr;
}

void CPlot::SetCurveVisible(int i, bool bVisible)
{
    if (!IsIndexOf(m_Curves, i))
        return;
    m_Curves[static_cast<size_t>(i)].m_bVisible = bVisible;
    Redraw();
}

bool CPlot::SelectCurve(int i)
{
    if (!SelectOnly(m_Curves, i))
        return false;
    Redraw();
    return true;
}

bool CPlot::SelectXAxis(int i)
{
    if (!SelectOnly(m_XAxes, i))
        return false;
    Redraw();
    return true;
}

bool CPlot::SelectYAxis(int i)
{
    if (!SelectOnly(m_YAxes, i))
        return false;
    Redraw();
    return true;
}

void CPlot::SetAxisDecimals(int iAxis, int nDecimals, int nWhich)
{
    const unsigned nSafe = nDecimals >= 0 ? static_cast<unsigned>(nDecimals) : 4u;
    if ((nWhich == 0 || nWhich == 2) && IsIndexOf(m_XAxes, iAxis))
        m_XAxes[static_cast<size_t>(iAxis)].SetDecimals(nSafe);
    if ((nWhich == 1 || nWhich == 2) && IsIndexOf(m_YAxes, iAxis))
        m_YAxes[static_cast<size_t>(iAxis)].SetDecimals(nSafe);
}

void CPlot::SetMargins(int nLeft, int nTop, int nRight, int nBottom)
{
    m_iMarginLeft = nLeft;
    m_iMarginTop = nTop;
    m_iMarginRight = nRight;
    m_iMarginBottom = nBottom;
}

CPlotLabel* CPlot::InsertLabel(const CString& strText)
{
    const CPoint ptCentre = m_rcPlot.CenterPoint();
    return InsertLabel(CRect(ptCentre.x - 50, ptCentre.y - 50, ptCentre.x + 50, ptCentre.y + 50), strText);
}

CPlotLabel* CPlot::InsertLabel(const CRect& rect, const CString& strText)
{
    auto pLabel = std::make_unique<CPlotLabel>();
    pLabel->m_rcObject = rect;
    pLabel->m_strText = strText;
    pLabel->m_pGraph = this;
    m_Objects.push_back(pLabel.get());
    return pLabel.release();
}

void CPlot::SetChartText(int nText, const CString& strText)
{
    if (nText == 0 || nText == 1)
        m_strChartText[nText] = strText;
}

CString CPlot::GetChartText(int nText) const
{
    return nText == 0 || nText == 1 ? m_strChartText[nText] : CString();
}

void CPlot::Redraw()
{
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CPlot::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Invalidate(FALSE);
}

BOOL CPlot::OnEraseBkgnd(CDC*)
{
    return TRUE; // painting covers the whole client area
}
