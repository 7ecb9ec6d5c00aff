#include "sensorpages/CDlgCalibMsgDoCalib.h"

#include "controls/ControlTexts.h"
#include "resources/resource_calibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNAMIC(CDlgCalibMsgDoCalib, CCalibMsgDialog)

CDlgCalibMsgDoCalib::CDlgCalibMsgDoCalib(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_CALIB_DO_CALIB, pPage, WM_REGISTER_DLG_CALIB_DO_CALIB)
{
}

bool CDlgCalibMsgDoCalib::FillTexts()
{
    bool bAll = true;
    SetCaption(IDS_TREE_SENSOR_CALIBRATION, bAll);
    SetDlgItemText(IDC_CALIB_WARNING_TEXT,
                   CEnvironment::ApplyOemCompanyName(LoadText(IDS_CALIB_WARRANTY, bAll)));
    SetItemText(IDC_CALIB_RESTORE_NOTE, IDS_RESTORE_FACTORY_NOTE, bAll);
    SetItemText(IDOK, IDS_YES, bAll);
    SetItemText(IDCANCEL, IDS_NO, bAll);
    return bAll;
}

void CDlgCalibMsgDoCalib::OnOK()
{
    StorePosition();
    CCalibMsgDialog::OnOK();
}
