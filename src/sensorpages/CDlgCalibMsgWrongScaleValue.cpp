#include "sensorpages/CDlgCalibMsgWrongScaleValue.h"

#include "controls/ControlTexts.h"
#include "protocol/Language.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNAMIC(CDlgCalibMsgWrongScaleValue, CCalibMsgDialog)

namespace
{
constexpr double UPPER_FACTOR = 8.0;
constexpr double LOWER_DIVISOR = 4.0;
} // namespace

CDlgCalibMsgWrongScaleValue::CDlgCalibMsgWrongScaleValue(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_CALIB_WRONG_SCALE, pPage, WM_REGISTER_DLG_CALIB_WRONG_SCALE)
{
}

CString CDlgCalibMsgWrongScaleValue::FormatBoundsText(const CString& strText, int iLanguage)
{
    CString strUpper;
    strUpper.Format("%0.1f", UPPER_FACTOR);
    strUpper = LocalizeDecimalSeparator(iLanguage, strUpper);
    CString strLower;
    strLower.Format("%0.1f", LOWER_DIVISOR);
    strLower = LocalizeDecimalSeparator(iLanguage, strLower);
    CString strResult = CEnvironment::ReplaceAll(strText, "1.3", strUpper);
    strResult = CEnvironment::ReplaceAll(strResult, "1,3", strUpper);
    return CEnvironment::ReplaceAll(strResult, "2", strLower);
}

bool CDlgCalibMsgWrongScaleValue::FillTexts()
{
    bool bAll = true;
    SetCaption(IDS_TREE_SENSOR_CALIBRATION, bAll);
    SetDlgItemText(IDC_CALIB_WRONG_SCALE_TEXT,
                   FormatBoundsText(LoadText(IDS_WRONG_SCALE_VALUE, bAll), GetLanguage()));
    SetItemText(IDOK, IDS_BACK, bAll);
    return bAll;
}

// Back: the end-value step comes again with the typed adjust values.
void CDlgCalibMsgWrongScaleValue::OnOK()
{
    StorePosition();
    GetPage().KeepAdjustValueA();
    GetPage().KeepAdjustValueB();
    EndDialog(IDCANCEL);
}
