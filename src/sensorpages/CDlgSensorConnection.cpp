#include "sensorpages/CDlgSensorConnection.h"

#include "framework/CRect.h"
#include "resources/resource.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgSensorConnection, CDialog)

namespace
{
constexpr UINT IDS_PAGE_CAPTION = 5052;
}

CDlgSensorConnection::CDlgSensorConnection(CWnd* pParent, void*) : CDialog(IDD_DLG_SENSOR_CONNECTION, pParent)
{
}

BOOL CDlgSensorConnection::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_CAPTION, CPageText::GetLanguageOffset());
}

void CDlgSensorConnection::UpdateLayout()
{
    CWnd* pView = GetParent();
    if (!GetSafeHwnd() || pView == nullptr)
        return;
    CRect rcView;
    pView->GetClientRect(rcView);
    MoveWindow(rcView, TRUE);
}
