#include "storage/CDlgSaveMwMessage.h"

#include "controls/ControlTexts.h"
#include "resources/resource_storage.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"
#include "storage/CDlgDocumentation.h"
#include "storage/StorageTexts.h"

BEGIN_MESSAGE_MAP(CDlgSaveMwMessage, CDialog)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CDlgSaveMwMessage::CDlgSaveMwMessage(CWnd* pParent, CDlgDocumentation* pDocumentation)
    : CDialog(IDD_DLG_SAVE_MW_MESSAGE, pParent), m_pDocumentation(pDocumentation)
{
}

BOOL CDlgSaveMwMessage::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bFirstInit)
    {
        if (CWnd* pCancel = GetDlgItem(IDCANCEL))
            pCancel->ShowWindow(SW_HIDE);
        m_bFirstInit = false;
    }
    SetTexts();
    return TRUE;
}

void CDlgSaveMwMessage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    if (bShow)
        SetTexts();
}

void CDlgSaveMwMessage::SetTexts()
{
    const int iLanguage = m_pDocumentation->GetLanguageOffset();
    auto text = [iLanguage](int iId)
    {
        CString strText;
        strText.LoadString(static_cast<UINT>(iId + iLanguage));
        return strText;
    };
    SetWindowText(text(IDS_ADVICE));
    SetDlgItemText(IDC_NOTE_TEXT_0, "");
    SetDlgItemText(IDC_NOTE_TEXT_1, text(IDS_NOTE_TEXT_1));
    SetDlgItemText(IDC_NOTE_TEXT_2, text(IDS_NOTE_TEXT_2));
    SetDlgItemText(IDC_NOTE_DONT_SHOW, text(IDS_NOTE_DONT_SHOW));
    SetDlgItemText(IDOK, text(IDS_CONTINUE));
}

// The next calibration message opens where the note was; the check box always decides the note of the
// measured values, whichever selection showed the note.
void CDlgSaveMwMessage::OnOK()
{
    CPageHost* pHost = m_pDocumentation->GetPageHost();
    CWnd* pPage =
        pHost != nullptr ? pHost->GetRegisteredWindow(REGISTER_KIND_DLG_SENSOR_CALIBRATION) : nullptr;
    if (auto* pCalibration = DYNAMIC_DOWNCAST(CDlgSensorCalibration, pPage))
        GetWindowRect(pCalibration->m_rcMsgDlg);
    m_pDocumentation->SetMwNoteFlag(IsDlgButtonChecked(IDC_NOTE_DONT_SHOW) == BST_CHECKED ? 0 : 1);
    CDialog::OnOK();
}
