#include "sensorpages/CDlgDiagnostic.h"

#include "controls/ControlTexts.h"
#include "framework/CDataExchange.h"
#include "protocol/CComPort.h"
#include "resources/resource.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgDiagnostic, CModePage)

CDlgDiagnostic::CDlgDiagnostic(CWnd* pParent, void*) : CModePage(IDD_DLG_DIAGNOSTIC, pParent) {}

void CDlgDiagnostic::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachDiagnostic(bAttach ? this : nullptr);
}

void CDlgDiagnostic::DoDataExchange(CDataExchange* pDX)
{
    CModePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIAG_PORTS, m_cbPorts);
}

BOOL CDlgDiagnostic::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_DIAGNOSTIC, GetLanguageOffset());
}
