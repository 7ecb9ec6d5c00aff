// The chart page of the property window: the chart's three colours, legend and its side, snapping,
// double buffering, and the lists that choose which axis and which curve the other two pages edit.
#pragma once

#include "charting/CChartTabPage.h"
#include "charting/CSwatchButton.h"
#include "framework/CComboBox.h"
#include "framework/CSpinButtonCtrl.h"

class CChartPage;

class CChartDlg : public CChartTabPage
{
public:
    CChartDlg();

    // The window whose axis and curve pages the lists choose for; set before creation.
    void SetPropertyWindow(CChartPage* pWindow) { m_pWindow = pWindow; }

    BOOL OnInitDialog() override;
    void OnApply() override;

    CSpinButtonCtrl m_spinSnapRange;
    CComboBox m_cbCurve;
    CComboBox m_cbYAxis;
    CComboBox m_cbXAxis;
    CComboBox m_cbLegendSide;
    CSwatchButton m_btnPlotColor;
    CSwatchButton m_btnInnerColor;
    CSwatchButton m_btnBackgroundColor;
    BOOL m_bLegendVisible = FALSE;
    BOOL m_bDoubleBuffered = FALSE;
    int m_iXAxis = -1;
    int m_iYAxis = -1;
    int m_iCurve = -1;
    BOOL m_bSnap = FALSE;
    int m_iSnapRange = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSettingChanged();
    afx_msg void OnSelchangeXAxis();
    afx_msg void OnSelchangeYAxis();
    afx_msg void OnSelchangeCurve();
    DECLARE_MESSAGE_MAP()

private:
    void FillElementLists();
    // The axis page edits the x or y axis chosen in its list; the chart marks it.
    void ChooseAxis(bool bXAxis);
    // The legend side can be chosen only while the legend is shown.
    void ApplyEnableRules();

    CChartPage* m_pWindow = nullptr;
};
