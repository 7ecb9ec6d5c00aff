#include "charting/CCurveDlg.h"

#include "charting/CDCEx.h"
#include "charting/CMovingAvgDlg.h"
#include "charting/CPlot.h"
#include "charting/CPlotDataSerie.h"
#include "charting/CTrendDlg.h"
#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "resources/resource_chartdlg.h"

#include <new>

BEGIN_MESSAGE_MAP(CCurveDlg, CChartTabPage)
ON_BN_CLICKED(IDC_APPLY, OnApply)
ON_CBN_SELCHANGE(IDC_PROP_TYPE, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_LINESTYLE, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_SYMBOL, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_FILLTARGET, OnSettingChanged)
ON_CBN_CLOSEUP(IDC_SYMBOL, OnSettingChanged)
ON_EN_CHANGE(IDC_PROP_TITLE, OnSettingChanged)
ON_EN_CHANGE(IDC_PROP_MARKERSIZE, OnSettingChanged)
ON_EN_CHANGE(IDC_LINEWIDTH, OnSettingChanged)
ON_BN_CLICKED(IDC_CBVISIBLE, OnSettingChanged)
ON_BN_CLICKED(IDC_CBFILL, OnSettingChanged)
ON_BN_CLICKED(IDC_CBTRANSPARENT, OnSettingChanged)
ON_BN_CLICKED(IDC_CBMARKER, OnSettingChanged)
ON_BN_CLICKED(IDC_RDSYM, OnSettingChanged)
ON_BN_CLICKED(IDC_MARKERTYPE, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_HORIZONTAL, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_VERTICAL, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_FDIAGONAL, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_BDIAGONAL, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_CROSS, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_DIAGCROSS, OnSettingChanged)
ON_BN_CLICKED(IDC_FILL_SOLID, OnSettingChanged)
ON_WM_MEASUREITEM()
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

namespace
{
constexpr int kFillRadios[] = {IDC_FILL_HORIZONTAL, IDC_FILL_VERTICAL, IDC_FILL_FDIAGONAL,
                               IDC_FILL_BDIAGONAL,  IDC_FILL_CROSS,    IDC_FILL_DIAGCROSS,
                               IDC_FILL_SOLID};
constexpr int kHatchPictures[] = {IDC_FILLPREVIEW_HORIZONTAL, IDC_FILLPREVIEW_VERTICAL,
                                  IDC_FILLPREVIEW_FDIAGONAL,  IDC_FILLPREVIEW_BDIAGONAL,
                                  IDC_FILLPREVIEW_CROSS,      IDC_FILLPREVIEW_DIAGCROSS};
static_assert(std::size(kHatchPictures) == CCurveDlg::HATCH_PREVIEW_COUNT);
constexpr int kPenStyleCount = 5;
constexpr int kLineItemWidth = 100;
constexpr int kItemHeight = 16;
constexpr int kSymbolOffset = 2;
constexpr int kSymbolSize = 10;
constexpr LPCSTR kAverageNames[] = {"simple", "linear", "exponential", "triangular", "sine weighted"};

enum TrendKind
{
    TREND_LINEAR,
    TREND_CUBIC
};
} // namespace

CCurveDlg::CCurveDlg() : CChartTabPage(IDD_CURVE_PAGE) {}

CPlotDataSerie* CCurveDlg::GetCurve() const
{
    if (m_pChart == nullptr || !m_pChart->HasCurve(m_iCurve))
        return nullptr;
    return &m_pChart->GetCurve(m_iCurve);
}

int CCurveDlg::FillTargetEntry(int iTarget, int iEdited, int nCurves)
{
    if (iTarget < 0 || iTarget == iEdited || iTarget >= nCurves)
        return -1;
    return iTarget < iEdited ? iTarget : iTarget - 1;
}

int CCurveDlg::FillTargetCurve(int iEntry, int iEdited)
{
    if (iEntry < 0)
        return -1;
    return iEntry < iEdited ? iEntry : iEntry + 1;
}

CString CCurveDlg::PolynomialText(const CPolynomialSolver& solver)
{
    CString strText = "f(x)=";
    for (int i = 0; i < solver.m_iCoeffCount; ++i)
    {
        if (solver.m_dCoeff[i] == 0)
            continue;
        CString strTerm;
        strTerm.Format("%5.4e*X^%d", solver.m_dCoeff[i], i);
        strText += strTerm;
        if (i != solver.m_iCoeffCount - 1)
            strText += "+\n";
    }
    return strText;
}

// ---------------------------------------------------------------------------------------------------
// Exchange and loading

void CCurveDlg::DoDataExchange(CDataExchange* pDX)
{
    CChartTabPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILLTARGET, m_cbFillTarget);
    DDX_Control(pDX, IDC_SPIN_LINEWIDTH, m_spinLineWidth);
    DDX_Control(pDX, IDC_SPIN_MARKERSIZE, m_spinMarkerSize);
    DDX_Control(pDX, IDC_SYMBOL, m_cbSymbol);
    DDX_Control(pDX, IDC_PROP_COLOR, m_btnColor);
    DDX_Control(pDX, IDC_PROP_TYPE, m_cbDrawType);
    DDX_Control(pDX, IDC_LINESTYLE, m_cbLineStyle);
    DDX_CBIndex(pDX, IDC_PROP_TYPE, m_iDrawType);
    ExchangeInt(pDX, IDC_LINEWIDTH, m_iLineWidth, 1, 5);
    DDX_CBIndex(pDX, IDC_LINESTYLE, m_iLineStyle);
    DDX_Check(pDX, IDC_CBMARKER, m_bMarkers);
    DDX_Check(pDX, IDC_CBVISIBLE, m_bVisible);
    DDX_Check(pDX, IDC_CBFILL, m_bFill);
    DDX_Radio(pDX, IDC_FILL_HORIZONTAL, m_iFillPattern);
    DDX_Check(pDX, IDC_CBTRANSPARENT, m_bTransparent);
    DDX_Text(pDX, IDC_PROP_TITLE, m_strTitle);
    DDX_Radio(pDX, IDC_MARKERTYPE, m_iMarkerMode);
    DDX_CBIndex(pDX, IDC_SYMBOL, m_iSymbol);
    ExchangeInt(pDX, IDC_PROP_MARKERSIZE, m_iMarkerSize, 1, 20);
    DDX_CBIndex(pDX, IDC_FILLTARGET, m_iFillTargetEntry);
}

BOOL CCurveDlg::OnInitDialog()
{
    CChartTabPage::OnInitDialog();
    FillList(m_cbDrawType, {"Line", "Scatter"});
    m_cbLineStyle.ResetContent();
    for (int i = 0; i < kPenStyleCount; ++i)
        m_cbLineStyle.AddString("");
    CreateHatchPreviews();
    LoadFromCurve();
    return TRUE;
}

void CCurveDlg::LoadFromCurve()
{
    const CPlotDataSerie* pCurve = GetCurve();
    if (pCurve == nullptr || m_hWnd == nullptr)
        return;
    const CPlotDataSerie& curve = *pCurve;
    m_cbFillTarget.ResetContent();
    m_cbSymbol.ResetContent();
    for (int i = 0; i < MARKER_SYMBOL_COUNT; ++i)
        m_cbSymbol.AddString("");
    const int nCurves = m_pChart->GetCurveCount();
    for (int n = 0; n < nCurves; ++n)
        if (n != m_iCurve)
            m_cbFillTarget.AddString(NumberedTitle(n, m_pChart->GetCurve(n).m_strTitle));
    m_spinMarkerSize.SetRange(1, 20);
    m_spinLineWidth.SetRange(1, 5);

    m_iDrawType = curve.m_iDrawStyle;
    m_iLineWidth = curve.m_iLineWidth;
    m_btnColor.SetColor(curve.m_crColor);
    m_iLineStyle = curve.m_iLineStyle;
    m_bVisible = curve.m_bVisible;
    m_bMarkers = curve.m_bMarkers;
    m_bFill = curve.m_bFill;
    m_iFillPattern = curve.m_iFillStyle;
    m_bTransparent = curve.m_bFillTransparent;
    m_strTitle = curve.m_strTitle;
    m_iMarkerMode = curve.m_iMarkerMode;
    m_iMarkerSize = curve.m_iMarkerSize;
    m_iSymbol = curve.m_iMarkerSymbol;
    m_iFillTargetEntry = FillTargetEntry(curve.m_sFillTarget, m_iCurve, nCurves);
    ApplyEnableRules();
    UpdateData(FALSE);
}

void CCurveDlg::ApplyEnableRules()
{
    for (int nID : kFillRadios)
        EnableControl(nID, m_bFill);
    EnableControl(IDC_CBTRANSPARENT, m_bFill);
    EnableControl(IDC_FILLTARGET, m_bFill);
    EnableControl(IDC_MARKERTYPE, m_bMarkers);
    EnableControl(IDC_RDSYM, m_bMarkers);
    EnableControl(IDC_SYMBOL, m_bMarkers && m_iMarkerMode == 1);
}

void CCurveDlg::CreateHatchPreviews()
{
    CClientDC dcWindow(this);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcWindow))
        return;
    for (int i = 0; i < HATCH_PREVIEW_COUNT; ++i)
    {
        CWnd* pPicture = GetDlgItem(kHatchPictures[i]);
        if (pPicture == nullptr)
            continue;
        // A picture takes the size of its bitmap as its window size: the layout stays as it is.
        CRect rcWindow;
        pPicture->GetWindowRect(&rcWindow);
        const CRect rc(0, 0, rcWindow.Width(), rcWindow.Height());
        CBrush brush;
        if (rc.IsRectEmpty() || !m_bmpHatch[i].CreateCompatibleBitmap(&dcWindow, rc.Width(), rc.Height()) ||
            !brush.CreateHatchBrush(i, RGB(0, 0, 0)))
            continue;
        CBitmap* pOld = dcMem.SelectObject(&m_bmpHatch[i]);
        dcMem.SetBkColor(RGB(255, 255, 255));
        dcMem.FillSolidRect(rc, RGB(255, 255, 255));
        dcMem.FillRect(rc, &brush);
        dcMem.SelectObject(pOld);
        pPicture->SendMessage(STM_SETIMAGE, IMAGE_BITMAP,
                              reinterpret_cast<LPARAM>(m_bmpHatch[i].GetSafeHandle()));
    }
}

// ---------------------------------------------------------------------------------------------------
// Changes and Apply

void CCurveDlg::OnSettingChanged()
{
    if (!IsShownPage())
        return;
    UpdateData(TRUE);
    EnableApply(TRUE);
    ApplyEnableRules();
}

void CCurveDlg::OnApply()
{
    CPlotDataSerie* pCurve = GetCurve();
    if (pCurve == nullptr)
        return;
    CPlotDataSerie& curve = *pCurve;
    UpdateData(TRUE);
    curve.m_iDrawStyle = m_iDrawType;
    curve.m_iLineWidth = m_iLineWidth;
    curve.m_crColor = m_btnColor.GetShownColor();
    curve.m_iLineStyle = m_iLineStyle;
    curve.m_bVisible = m_bVisible;
    curve.m_bMarkers = m_bMarkers;
    curve.SetFill(m_bFill, -1);
    curve.m_iFillStyle = m_iFillPattern;
    curve.m_bFillTransparent = m_bTransparent;
    curve.m_strTitle = m_strTitle;
    curve.m_iMarkerMode = m_iMarkerMode;
    curve.m_iMarkerSize = m_iMarkerSize;
    curve.m_iMarkerSymbol = m_iSymbol;
    curve.m_sFillTarget = static_cast<short>(FillTargetCurve(m_iFillTargetEntry, m_iCurve));
    InvalidateChart();
    EnableApply(FALSE);
}

// ---------------------------------------------------------------------------------------------------
// Owner-drawn lists

void CCurveDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (nIDCtl == IDC_LINESTYLE)
        lpMeasureItemStruct->itemWidth = kLineItemWidth;
    else if (nIDCtl == IDC_SYMBOL)
        lpMeasureItemStruct->itemWidth = kItemHeight;
    else
    {
        CChartTabPage::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
        return;
    }
    lpMeasureItemStruct->itemHeight = kItemHeight;
}

void CCurveDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int iItem = static_cast<int>(lpDrawItemStruct->itemID);
    if (nIDCtl == IDC_LINESTYLE)
    {
        if (iItem >= 0 && iItem < kPenStyleCount)
            DrawPenStyleItem(*lpDrawItemStruct, iItem);
    }
    else if (nIDCtl == IDC_SYMBOL)
    {
        if (iItem >= 0 && iItem < MARKER_SYMBOL_COUNT)
            DrawSymbolItem(*lpDrawItemStruct);
    }
    else
        CChartTabPage::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CCurveDlg::DrawSymbolItem(const DRAWITEMSTRUCT& dis)
{
    const MarkerPainter pPainter = m_pChart != nullptr ? m_pChart->GetMarkerPainter(dis.itemID) : nullptr;
    CDCEx dc;
    dc.Attach(dis.hDC);
    const int nSaved = dc.SaveDC();
    const CRect rcItem(dis.rcItem);
    dc.FillSolidRect(rcItem, ::GetSysColor((dis.itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const COLORREF crSymbol =
        (dis.itemState & ODS_DISABLED) ? ::GetSysColor(COLOR_INACTIVEBORDER) : RGB(0, 0, 0);
    if (pPainter != nullptr)
        pPainter(rcItem.left + kSymbolOffset, rcItem.top + kSymbolOffset, kSymbolSize, crSymbol, 0, &dc);
    dc.RestoreDC(nSaved);
    dc.Detach();
}

// ---------------------------------------------------------------------------------------------------
// Derived curves

int CCurveDlg::DeriveCurve(const DeriveFn& compute, int nExtra, const CString& strSuffix)
{
    CPlotDataSerie* pSource = GetCurve();
    if (pSource == nullptr)
        return -1;
    try
    {
        std::unique_ptr<CurvePoint[]> pPoints = compute(*pSource);
        if (!pPoints)
            return -1;
        // Adding a curve moves the chart's curves: what is needed of the source is taken first.
        const int nCount = pSource->m_iCount + nExtra;
        const int iXAxis = pSource->m_iXAxis;
        const int iYAxis = pSource->m_iYAxis;
        const CString strTitle = pSource->m_strTitle + strSuffix;
        const int iNew = m_pChart->GetCurveCount();
        CPlotDataSerie* pNew =
            m_pChart->SetData(pPoints.get(), nCount, iNew, iXAxis, iYAxis, true, true, false);
        if (pNew == nullptr)
            return -1;
        pNew->m_strTitle = strTitle;
        return iNew;
    }
    catch (const std::bad_alloc&)
    {
        AfxMessageBox("Not enough memory for the new curve.", MB_ICONEXCLAMATION);
        return -1;
    }
}

void CCurveDlg::MakeMovingAverage()
{
    const CPlotDataSerie* pCurve = GetCurve();
    if (pCurve == nullptr)
        return;
    CMovingAvgDlg dlg(this);
    dlg.m_iMaxWindowSize = pCurve->m_iCount / 2;
    if (dlg.DoModal() != IDOK || dlg.m_iType < 0 || dlg.m_iType >= static_cast<int>(std::size(kAverageNames)))
        return;
    using Average = std::unique_ptr<CurvePoint[]> (CPlotDataSerie::*)(int);
    static constexpr Average kAverages[] = {
        &CPlotDataSerie::GetSimpleMovingAverage, &CPlotDataSerie::GetLinearMovingAverage,
        &CPlotDataSerie::GetExponentialMovingAverage, &CPlotDataSerie::GetTriangularMovingAverage,
        &CPlotDataSerie::GetSineMovingAverage};
    const Average pAverage = kAverages[dlg.m_iType];
    const int nWindow = dlg.m_iWindowSize;
    DeriveCurve([pAverage, nWindow](CPlotDataSerie& curve) { return (curve.*pAverage)(nWindow); }, 0,
                CString(" AVG, ") + kAverageNames[dlg.m_iType]);
}

void CCurveDlg::MakeTrend(int iKind)
{
    if (GetCurve() == nullptr)
        return;
    CTrendDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    const int nExtra = dlg.m_iExtension;
    DeriveCurve(
        [iKind, nExtra](CPlotDataSerie& curve)
        { return iKind == TREND_LINEAR ? curve.GetLinearTrend(nExtra) : curve.GetCubicTrend(nExtra); },
        nExtra, iKind == TREND_LINEAR ? " Trend (lin.)" : " Trend (cub.)");
}

void CCurveDlg::MakeLinearTrend()
{
    MakeTrend(TREND_LINEAR);
}

void CCurveDlg::MakeCubicTrend()
{
    MakeTrend(TREND_CUBIC);
}

void CCurveDlg::MakePolynomialTrend()
{
    if (GetCurve() == nullptr)
        return;
    CTrendDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    const int nDegree = dlg.m_iMaxDegree;
    const int nExtra = dlg.m_iExtension;
    CString strFormula;
    auto fit = [nDegree, nExtra, &strFormula](CPlotDataSerie& curve)
    {
        auto pPoints = curve.GetPolynomialTrend(nDegree, nExtra);
        if (pPoints)
            strFormula = PolynomialText(curve.m_Solver);
        return pPoints;
    };
    if (DeriveCurve(fit, nExtra, " Trend (poly.) ") < 0)
        return;
    CRect rcLabel(200, 200, 210, 210);
    if (CDC* pDC = m_pChart->GetDC())
    {
        pDC->DrawText(strFormula, rcLabel, DT_CALCRECT);
        m_pChart->ReleaseDC(pDC);
    }
    m_pChart->InsertLabel(rcLabel, strFormula);
}
