#include "sensorpages/CDlgCalibInaccuracyWarning.h"

#include "protocol/CComPort.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"

IMPLEMENT_DYNAMIC(CDlgCalibInaccuracyWarning, CCalibMsgDialog)

CDlgCalibInaccuracyWarning::CDlgCalibInaccuracyWarning(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_INACCURACY_WARNING, pPage, 0)
{
}

bool CDlgCalibInaccuracyWarning::FillTexts()
{
    bool bAll = true;
    SetCaption(IDS_STORE_UNCERTAINTY_CAPTION, bAll);
    SetDlgItemText(IDC_CALIB_NOTE_1,
                   CEnvironment::ApplyOemCompanyName(LoadText(IDS_UNCERTAINTY_WARRANTY, bAll)));
    SetItemText(IDC_CALIB_NOTE_2, IDS_UNCERTAINTY_RESTORE_NOTE, bAll);
    SetItemText(IDOK, IDS_YES, bAll);
    SetItemText(IDCANCEL, IDS_NO, bAll);
    return bAll;
}

// Yes: the engine writes for the user row only; the sensor's restart after the write ends the wait
// cursor, and when nothing is written it ends here.
void CDlgCalibInaccuracyWarning::OnOK()
{
    CDlgSensorCalibration& page = GetPage();
    if (m_pMainFrame != nullptr)
        m_pMainFrame->BeginWaitCursorOnce();
    page.m_bUncertaintyConfirmed = page.m_ucUncertaintyKind == 1 ? 1 : 0;
    bool bWritten = false;
    switch (page.m_iUncertaintyAction)
    {
        case ID_INACCURACY_CH_A_CHANGE:
        case ID_INACCURACY_CH_B_CHANGE:
            bWritten = Engine().COM_ZMCOMConfgSetInaccuracy(page.m_dUncertaintyValue);
            break;
        case ID_INACCURACY_CH_A_DELETE:
        case ID_INACCURACY_CH_B_DELETE:
            bWritten = Engine().COM_ZMCOMConfgSetInaccuracy(0.0);
            break;
        default:
            break;
    }
    page.m_bUncertaintyConfirmed = 0;
    if (!bWritten && m_pMainFrame != nullptr)
        m_pMainFrame->EndWaitCursorOnce();
    EndDialog(IDOK);
}

void CDlgCalibInaccuracyWarning::OnCancel()
{
    StorePosition();
    CCalibMsgDialog::OnCancel();
}
