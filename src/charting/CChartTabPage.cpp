#include "charting/CChartTabPage.h"

#include "charting/CDCEx.h"
#include "charting/CPenSelector.h"
#include "charting/CPlot.h"
#include "charting/ColorPickMessages.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "resources/resource_chartdlg.h"

BEGIN_MESSAGE_MAP(CChartTabPage, CDialog)
ON_MESSAGE(WM_COLORPICK_CHANGED, OnColourChanged)
END_MESSAGE_MAP()

namespace
{
constexpr int kLineOffset = 6;
} // namespace

CChartTabPage::CChartTabPage(UINT nIDTemplate) : CDialog(nIDTemplate) {}

void CChartTabPage::OnOK()
{
    OnApply();
    if (m_pOwner != nullptr)
        m_pOwner->OnOK();
}

void CChartTabPage::OnCancel()
{
    if (m_pOwner != nullptr)
        m_pOwner->OnCancel();
}

bool CChartTabPage::IsEnterOrEscape(const MSG& msg)
{
    return (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
           (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

BOOL CChartTabPage::PreTranslateMessage(MSG* pMsg)
{
    if (IsEnterOrEscape(*pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

CString CChartTabPage::NumberedTitle(int n, const CString& strTitle)
{
    CString str;
    str.Format("%d %s", n + 1, (LPCSTR)strTitle);
    return str;
}

void CChartTabPage::DrawPenStyleItem(const DRAWITEMSTRUCT& dis, int nPenStyle)
{
    CDCEx dc;
    dc.Attach(dis.hDC);
    const int nSaved = dc.SaveDC();
    const CRect rcItem(dis.rcItem);
    dc.FillSolidRect(rcItem, ::GetSysColor((dis.itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    {
        CPenSelector pen(RGB(0, 0, 0), 1, &dc, nPenStyle);
        dc.MoveTo(rcItem.left, rcItem.top + kLineOffset);
        dc.LineTo(rcItem.right, rcItem.top + kLineOffset);
    }
    dc.RestoreDC(nSaved);
    dc.Detach();
}

void CChartTabPage::ExchangeInt(CDataExchange* pDX, int nIDC, int& value, int nMin, int nMax)
{
    if (!pDX->m_bSaveAndValidate)
    {
        DDX_Text(pDX, nIDC, value);
        return;
    }
    int iRead = value;
    DDX_Text(pDX, nIDC, iRead);
    DDV_MinMaxInt(pDX, iRead, nMin, nMax);
    value = iRead;
}

void CChartTabPage::EnableApply(BOOL bEnable)
{
    EnableControl(IDC_APPLY, bEnable);
}

void CChartTabPage::EnableControl(int nID, BOOL bEnable)
{
    if (CWnd* pCtrl = GetDlgItem(nID))
        pCtrl->EnableWindow(bEnable);
}

void CChartTabPage::FillList(CComboBox& list, std::initializer_list<LPCSTR> entries)
{
    list.ResetContent();
    for (LPCSTR lpszEntry : entries)
        list.AddString(lpszEntry);
}

void CChartTabPage::InvalidateChart()
{
    if (m_pChart != nullptr && m_pChart->GetSafeHwnd() != nullptr)
        m_pChart->Invalidate(TRUE);
}

LRESULT CChartTabPage::OnColourChanged(WPARAM, LPARAM)
{
    EnableApply(TRUE);
    return 0;
}
