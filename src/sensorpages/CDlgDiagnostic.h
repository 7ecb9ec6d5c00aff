// The diagnostic page (mode page 139). Its hidden port list is the list of the machine's ports that
// the sensor search goes through (CComPortDiagnosticRole, from its registration with the frame). So
// far the page shows its template and its caption.
#pragma once

#include "framework/CComboBox.h"
#include "protocol/CComPortDiagnosticRole.h"
#include "shell/CModePage.h"

class CDlgDiagnostic : public CModePage, public CComPortDiagnosticRole
{
    DECLARE_DYNAMIC(CDlgDiagnostic)

public:
    explicit CDlgDiagnostic(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The group caption (string 5027) in the interface language; FALSE when the string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

    // ---- CComPortDiagnosticRole
    CComboBox* Diagnostic_GetPortCombo() override { return &m_cbPorts; }

    CComboBox m_cbPorts;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachRoles(CComPort& engine, bool bAttach) override;
};
