#include "charting/CLabelDlg.h"

#include "charting/CPlotHost.h"
#include "charting/CPlotLabel.h"
#include "charting/ColorPickMessages.h"
#include "framework/CDataExchange.h"
#include "framework/CFontDialog.h"
#include "resources/resource_chartdlg.h"

BEGIN_MESSAGE_MAP(CLabelDlg, CDialog)
ON_BN_CLICKED(IDC_APPLY, OnApply)
ON_BN_CLICKED(IDC_LABELFONT, OnFont)
ON_BN_CLICKED(IDC_LABELBORDER, OnSettingChanged)
ON_BN_CLICKED(IDC_LABELTRANSPARENT, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_LABELALIGN, OnSettingChanged)
ON_CBN_SELCHANGE(IDC_LABELCURVE, OnSettingChanged)
ON_MESSAGE(WM_COLORPICK_CHANGED, OnColourChanged)
END_MESSAGE_MAP()

CLabelDlg::CLabelDlg(CWnd* pParent) : CDialog(IDD_LABEL_PROPERTIES, pParent) {}

void CLabelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LABELCURVE, m_cbCurve);
    DDX_Control(pDX, IDC_PROP_COLOR, m_btnBackColor);
    DDX_Control(pDX, IDC_LABELALIGN, m_cbAlign);
    DDX_Check(pDX, IDC_LABELBORDER, m_bBorder);
    DDX_CBIndex(pDX, IDC_LABELALIGN, m_iAlign);
    DDX_CBIndex(pDX, IDC_LABELCURVE, m_iCurve);
    DDX_Check(pDX, IDC_LABELTRANSPARENT, m_bTransparent);
}

BOOL CLabelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_pLabel == nullptr)
        return TRUE;
    m_bBorder = m_pLabel->m_bBorder;
    m_btnBackColor.SetColor(m_pLabel->m_crBackColor);
    m_cbAlign.ResetContent();
    for (LPCSTR lpszAlign : {"Left", "Centered", "Right"})
        m_cbAlign.AddString(lpszAlign);
    m_iAlign = m_pLabel->m_iAlign;
    m_bTransparent = m_pLabel->m_bTransparent;
    m_cbCurve.ResetContent();
    CPlotHost* pChart = m_pLabel->m_pGraph;
    PlotCurveInfo curve;
    for (int n = 0; pChart != nullptr && pChart->GetCurveInfo(n, curve); ++n)
    {
        CString strEntry;
        strEntry.Format("%02d %s", n + 1, (LPCSTR)curve.strTitle);
        m_cbCurve.AddString(strEntry);
    }
    m_iCurve = m_pLabel->m_iCurve;
    UpdateData(FALSE);
    return TRUE;
}

void CLabelDlg::OnApply()
{
    if (m_pLabel == nullptr)
        return;
    UpdateData(TRUE);
    m_pLabel->m_bBorder = m_bBorder;
    m_pLabel->m_crBackColor = m_btnBackColor.GetShownColor();
    m_pLabel->m_iAlign = m_iAlign;
    m_pLabel->m_iCurve = m_iCurve;
    m_pLabel->m_bTransparent = m_bTransparent;
    if (CWnd* pChart = m_pLabel->m_pGraph != nullptr ? m_pLabel->m_pGraph->GetPlotWnd() : nullptr)
        pChart->Invalidate(TRUE);
    GetDlgItem(IDC_APPLY)->EnableWindow(FALSE);
}

void CLabelDlg::OnOK()
{
    OnApply();
    CDialog::OnOK();
}

void CLabelDlg::OnFont()
{
    CFontDialog dlg(nullptr, CF_EFFECTS | CF_SCREENFONTS, nullptr, this);
    if (m_pLabel == nullptr || dlg.DoModal() != IDOK)
        return;
    LOGFONTA lf;
    dlg.GetCurrentFont(&lf);
    m_pLabel->SetFont(lf);
    m_pLabel->m_crText = dlg.GetColor();
    OnSettingChanged();
}

void CLabelDlg::OnSettingChanged()
{
    GetDlgItem(IDC_APPLY)->EnableWindow(TRUE);
}

LRESULT CLabelDlg::OnColourChanged(WPARAM, LPARAM)
{
    OnSettingChanged();
    return 0;
}
