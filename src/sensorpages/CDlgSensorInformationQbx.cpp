#include "sensorpages/CDlgSensorInformationQbx.h"

#include "resources/resource.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgSensorInformationQbx, CModePage)

CDlgSensorInformationQbx::CDlgSensorInformationQbx(CWnd* pParent, void*)
    : CModePage(IDD_DLG_SENSOR_INFORMATION, pParent)
{
}

BOOL CDlgSensorInformationQbx::UpdatePage()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_SENSOR_INFORMATION, GetLanguageOffset());
}
