#include "sensorpages/CDlgSensorCalibration.h"

#include "resources/resource.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgSensorCalibration, CModePage)

namespace
{
constexpr UINT IDS_PAGE_CAPTION = 5056;
}

CDlgSensorCalibration::CDlgSensorCalibration(CWnd* pParent, void*)
    : CModePage(IDD_DLG_SENSOR_CALIBRATION, pParent)
{
}

BOOL CDlgSensorCalibration::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_CAPTION, CPageText::GetLanguageOffset());
}
