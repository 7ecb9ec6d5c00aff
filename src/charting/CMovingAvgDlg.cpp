#include "charting/CMovingAvgDlg.h"

#include "framework/CDataExchange.h"
#include "resources/resource_chartdlg.h"

CMovingAvgDlg::CMovingAvgDlg(CWnd* pParent) : CDialog(IDD_MOVING_AVERAGE, pParent) {}

void CMovingAvgDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPIN_WINDOWSIZE, m_spinWindowSize);
    DDX_CBIndex(pDX, IDC_PROP_TYPE, m_iType);
    DDX_Text(pDX, IDC_WINDOWSIZE, m_iWindowSize);
    DDV_MinMaxInt(pDX, m_iWindowSize, 1, m_iMaxWindowSize);
}

BOOL CMovingAvgDlg::OnInitDialog()
{
    for (LPCSTR lpszType : {"Simple", "Linear", "Exponential", "Triangular", "Sine-weighted"})
        SendDlgItemMessage(IDC_PROP_TYPE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszType));
    CDialog::OnInitDialog();
    // 32 bits: half the points of a long curve exceed a 16-bit range.
    m_spinWindowSize.SetRange32(1, m_iMaxWindowSize);
    return TRUE;
}
