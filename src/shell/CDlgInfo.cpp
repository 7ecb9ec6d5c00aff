#include "shell/CDlgInfo.h"

#include "controls/ControlTexts.h"
#include "framework/CDC.h"
#include "resources/resource.h"
#include "shell/ProgramInfo.h"
#include "shell/ShellTexts.h"

BEGIN_MESSAGE_MAP(CDlgInfo, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace
{
const COLORREF INFO_BACKGROUND = RGB(190, 210, 250);
} // namespace

CDlgInfo::CDlgInfo()
    : CDialog(IDD_ABOUTBOX, nullptr), m_brDialog(INFO_BACKGROUND), m_brNotice(INFO_BACKGROUND),
      m_brVersion(INFO_BACKGROUND)
{
}

CDlgInfo::~CDlgInfo() = default;

BOOL CDlgInfo::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_wndPicture.CreateFromStatic(GetDlgItem(IDC_PICTURE_LOGO)))
    {
        m_wndPicture.LoadBitmapResource(IDB_LOGO);
        m_wndPicture.SetFitMode(CBitmapViewWnd::FIT_STRETCH);
    }
    CString strText;
    strText.LoadString(IDS_INFO + static_cast<UINT>(m_iLanguageOffset));
    SetWindowText(strText);
    // The version line is the same in every language.
    strText.LoadString(IDS_VERSION);
    SetDlgItemText(IDC_INFO_VERSION, strText + " " + APPLICATION_VERSION);
    SetDlgItemText(IDC_INFO_NOTICE, NOTICE_LINE);
    return TRUE;
}

HBRUSH CDlgInfo::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const int iId = pWnd != nullptr ? pWnd->GetDlgCtrlID() : 0;
    if (nCtlColor == CTLCOLOR_DLG)
    {
        pDC->SetBkColor(INFO_BACKGROUND);
        pDC->SetBkMode(TRANSPARENT);
        return m_brDialog;
    }
    if (nCtlColor == CTLCOLOR_STATIC && (iId == IDC_INFO_VERSION || iId == IDC_INFO_NOTICE))
    {
        pDC->SetBkMode(TRANSPARENT);
        return iId == IDC_INFO_VERSION ? m_brVersion : m_brNotice;
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}
