// The curve page of the chart property window: title, drawing type, line style, width and colour,
// visibility, markers and filling of one curve, changed on Apply. It also derives new curves from the
// edited one: moving averages and linear, cubic and polynomial trends.
#pragma once

#include "charting/CChartTabPage.h"
#include "charting/CSwatchButton.h"
#include "charting/CurvePoint.h"
#include "framework/CBitmap.h"
#include "framework/CComboBox.h"
#include "framework/CSpinButtonCtrl.h"

#include <functional>
#include <memory>

class CPlotDataSerie;
class CPolynomialSolver;

class CCurveDlg : public CChartTabPage
{
public:
    static constexpr int HATCH_PREVIEW_COUNT = 6;

    CCurveDlg();

    // The page edits curve n of the chart.
    void SetCurve(int n) { m_iCurve = n; }
    int GetCurveIndex() const { return m_iCurve; }
    // Null when the chart has no such curve.
    CPlotDataSerie* GetCurve() const;
    // Fills the page from the curve.
    void LoadFromCurve();

    BOOL OnInitDialog() override;
    void OnApply() override;

    // New curves from the edited one, on the same axes, after asking for their parameters.
    void MakeMovingAverage();
    void MakeLinearTrend();
    void MakeCubicTrend();
    void MakePolynomialTrend();

    // The fill-target list holds every curve but the edited one: the entry of a curve, -1 for none
    // (no target, the edited curve or one the chart does not have), and the curve of an entry.
    static int FillTargetEntry(int iTarget, int iEdited, int nCurves);
    static int FillTargetCurve(int iEntry, int iEdited);
    // "f(x)=" and a term "%5.4e*X^%d" per non-zero coefficient, each but the last index followed by
    // "+" and a line feed.
    static CString PolynomialText(const CPolynomialSolver& solver);

    CComboBox m_cbFillTarget;
    CSpinButtonCtrl m_spinLineWidth;
    CSpinButtonCtrl m_spinMarkerSize;
    CComboBox m_cbSymbol;
    CSwatchButton m_btnColor;
    int m_iDrawType = -1;
    int m_iLineWidth = 0;
    int m_iLineStyle = -1;
    BOOL m_bMarkers = FALSE;
    BOOL m_bVisible = FALSE;
    BOOL m_bFill = FALSE;
    int m_iFillPattern = -1;
    BOOL m_bTransparent = FALSE;
    CString m_strTitle;
    int m_iMarkerMode = 0;
    int m_iSymbol = 0;
    int m_iMarkerSize = 1;
    int m_iFillTargetEntry = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSettingChanged();
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyEnableRules();
    void DrawSymbolItem(const DRAWITEMSTRUCT& dis);
    // Pictures of the six hatch patterns beside the fill-pattern radios, as the chart fills them.
    void CreateHatchPreviews();
    using DeriveFn = std::function<std::unique_ptr<CurvePoint[]>(CPlotDataSerie&)>;
    // Computes points from the edited curve and adds them as a new curve of its point count plus nExtra
    // points, on its axes, titled with its title and the suffix; the new curve's index, or -1 when
    // there is no result (exhausted memory is reported).
    int DeriveCurve(const DeriveFn& compute, int nExtra, const CString& strSuffix);
    // A trend of the edited curve extended by the number of values the trend dialog asks for.
    void MakeTrend(int iKind);

    CComboBox m_cbDrawType;
    CComboBox m_cbLineStyle;
    CBitmap m_bmpHatch[HATCH_PREVIEW_COUNT];
    int m_iCurve = 0;
};
