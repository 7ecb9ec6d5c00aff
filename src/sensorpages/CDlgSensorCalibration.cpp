#include "sensorpages/CDlgSensorCalibration.h"

#include "resources/resource.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgSensorCalibration, CModePage)

CDlgSensorCalibration::CDlgSensorCalibration(CWnd* pParent, void*)
    : CModePage(IDD_DLG_SENSOR_CALIBRATION, pParent)
{
}

BOOL CDlgSensorCalibration::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_SENSOR_CALIBRATION, GetLanguageOffset());
}
