#include "sensorpages/CDlgCalibMsgDeleteCalib.h"

#include "controls/ControlTexts.h"
#include "protocol/CComPort.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNAMIC(CDlgCalibMsgDeleteCalib, CCalibMsgDialog)

CDlgCalibMsgDeleteCalib::CDlgCalibMsgDeleteCalib(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_CALIB_DELETE, pPage, WM_REGISTER_DLG_CALIB_DELETE)
{
}

bool CDlgCalibMsgDeleteCalib::FillTexts()
{
    bool bAll = true;
    SetCaption(IDS_TREE_SENSOR_CALIBRATION, bAll);
    SetItemText(IDC_CALIB_DELETE_TEXT, IDS_DELETE_CALIB_QUESTION, bAll);
    SetItemText(IDOK, IDS_YES, bAll);
    SetItemText(IDCANCEL, IDS_NO, bAll);
    return bAll;
}

// The sensor's restart after the write ends the wait cursor; when nothing is written, it ends here.
void CDlgCalibMsgDeleteCalib::OnOK()
{
    if (m_pMainFrame != nullptr)
        m_pMainFrame->BeginWaitCursorOnce();
    const bool bWritten = m_ucCalibKind == 1 && Engine().COM_ZMCOMConfgUserCalibDeactivate();
    if (!bWritten && m_pMainFrame != nullptr)
        m_pMainFrame->EndWaitCursorOnce();
    EndDialog(IDOK);
}
