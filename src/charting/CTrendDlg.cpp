#include "charting/CTrendDlg.h"

#include "framework/CDataExchange.h"
#include "resources/resource_chartdlg.h"

namespace
{
constexpr int kMinDegree = 2;
constexpr int kMaxDegree = 20;
} // namespace

CTrendDlg::CTrendDlg(CWnd* pParent) : CDialog(IDD_TREND, pParent) {}

void CTrendDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPIN_MAXDEGREE, m_spinMaxDegree);
    DDX_Control(pDX, IDC_SPIN_EXTENSION, m_spinExtension);
    DDX_Text(pDX, IDC_EXTENSION, m_iExtension);
    DDV_MinMaxInt(pDX, m_iExtension, 0, MAX_EXTENSION);
    DDX_Text(pDX, IDC_MAXDEGREE, m_iMaxDegree);
    DDV_MinMaxInt(pDX, m_iMaxDegree, kMinDegree, kMaxDegree);
}

BOOL CTrendDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_spinExtension.SetRange32(0, MAX_EXTENSION);
    m_spinMaxDegree.SetRange(kMinDegree, kMaxDegree);
    return TRUE;
}
