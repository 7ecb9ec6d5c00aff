// The modal property dialog of a free text label of the chart: background colour, font and text
// colour (at once), alignment, the curve it is connected to, transparency and border (on Apply or OK).
#pragma once

#include "charting/CSwatchButton.h"
#include "framework/CComboBox.h"
#include "framework/CDialog.h"

class CPlotLabel;

class CLabelDlg : public CDialog
{
public:
    explicit CLabelDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    // Applies, then ends the dialog.
    void OnOK() override;

    CComboBox m_cbCurve;
    CSwatchButton m_btnBackColor;
    BOOL m_bBorder = FALSE;
    int m_iAlign = -1;
    int m_iCurve = -1;
    BOOL m_bTransparent = FALSE;
    // Set by the label before the dialog runs.
    CPlotLabel* m_pLabel = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnApply();
    afx_msg void OnFont();
    afx_msg void OnSettingChanged();
    afx_msg LRESULT OnColourChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CComboBox m_cbAlign;
};
