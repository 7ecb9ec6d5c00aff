#include "sensorpages/CDlgSensorConnection.h"

#include "framework/CRect.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgSensorConnection, CModePage)

namespace
{
constexpr BYTE BAUD_CODE_115200 = 9;
constexpr BYTE BAUD_CODE_230400 = 16;
} // namespace

CDlgSensorConnection::CDlgSensorConnection(CWnd* pParent, void*)
    : CModePage(IDD_DLG_SENSOR_CONNECTION, pParent)
{
}

BOOL CDlgSensorConnection::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_SENSOR_CONNECTION, GetLanguageOffset());
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

BYTE CDlgSensorConnection::BaudTextToCode(const CString& strText, long* plBaudrate)
{
    BYTE ucCode = BAUD_CODE_115200;
    if (strText == "230,4k")
        ucCode = BAUD_CODE_230400;
    else if (strText != "115,2k")
    {
        CString strMessage;
        strMessage.Format("Fehler 321KLM4354\n\n%s\n%ld", strText.GetString(),
                          plBaudrate ? *plBaudrate : -1L);
        AfxMessageBox(strMessage, MB_OK);
    }
    if (plBaudrate != nullptr)
        *plBaudrate = ucCode == BAUD_CODE_230400 ? 230400 : 115200;
    return ucCode;
}
