#include "sensorpages/CDlgCalibMsgGetValueZero.h"

#include "controls/ControlTexts.h"
#include "framework/CButton.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNAMIC(CDlgCalibMsgGetValueZero, CCalibMsgDialog)

namespace
{
const char* const NO_BUILT_IN_CTRL_A = "Kanal A: Ausführen der Justierung ohne eingebaute Kontrolle";
const char* const NO_BUILT_IN_CTRL_B = "Kanal B: Ausführen der Justierung ohne eingebaute Kontrolle";
// The reading kinds of the engine: zero values first, control values first.
constexpr int READ_ZERO_FIRST = 0;
constexpr int READ_CONTROL_FIRST = 2;
} // namespace

CDlgCalibMsgGetValueZero::CDlgCalibMsgGetValueZero(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_CALIB_VALUE_ZERO, pPage, WM_REGISTER_DLG_CALIB_VALUE_ZERO)
{
}

BOOL CDlgCalibMsgGetValueZero::OnInitDialog()
{
    CCalibMsgDialog::OnInitDialog();
    ShowItem(IDC_CALIB_NO_CTRL_B, GetPage().m_bSingleChannel != 1);
    UpdateProgressBar();
    return TRUE;
}

bool CDlgCalibMsgGetValueZero::FillTexts()
{
    bool bAll = true;
    UpdateProgressBar();
    SetCaption(IDS_TREE_SENSOR_CALIBRATION, bAll);
    SetItemText(IDC_CALIB_ZERO_TEXT, IDS_UNLOAD_SENSOR, bAll);
    SetDlgItemText(IDC_CALIB_NO_CTRL_A, NO_BUILT_IN_CTRL_A);
    SetDlgItemText(IDC_CALIB_NO_CTRL_B, NO_BUILT_IN_CTRL_B);
    SetItemText(IDOK, IDS_CONTINUE, bAll);
    SetItemText(IDCANCEL, IDS_CANCEL, bAll);
    return bAll;
}

void CDlgCalibMsgGetValueZero::OnOK()
{
    StorePosition();
    if (m_pMainFrame != nullptr)
        m_pMainFrame->BeginWaitCursorOnce();
    CComPort& engine = Engine();
    engine.COM_ResetCalibValues();
    engine.COM_ClearCalibIdle();
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    engine.m_sCalibValues[0].bNoBuiltInCtrl = IsDlgButtonChecked(IDC_CALIB_NO_CTRL_A) == BST_CHECKED ? 1 : 0;
    engine.m_sCalibValues[1].bNoBuiltInCtrl = IsDlgButtonChecked(IDC_CALIB_NO_CTRL_B) == BST_CHECKED ? 1 : 0;
    switch (GetPage().GetControlSignalState())
    {
        case 0:
            engine.COM_ZMCOMConfgReadRawCalibInit(READ_ZERO_FIRST);
            break;
        case 1:
            engine.COM_ZMCOMConfgReadRawCalibInit(READ_CONTROL_FIRST);
            break;
        default:
            break;
    }
}

void CDlgCalibMsgGetValueZero::CloseFromProtocol()
{
    CCalibMsgDialog::OnOK();
}
