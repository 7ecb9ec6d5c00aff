// The diagnostic page (mode page 139): sends single raw telegrams to the sensor interface on the open
// port (status-long request, ACK, NAK, restart) with the protocol's frame builders. Their answers take
// the protocol's ordinary receive path; the page shows nothing of them. It also holds the hidden port
// list that the sensor search fills with the machine's ports and reads them back from
// (CComPortDiagnosticRole, from the page's registration with the frame until it is destroyed).
#pragma once

#include "controls/CKombiBox.h"
#include "framework/CEdit.h"
#include "framework/CStatic.h"
#include "protocol/CComPortDiagnosticRole.h"
#include "sensorpages/CSensorPage.h"

class CComPort;

class CDlgDiagnostic : public CSensorPage, public CComPortDiagnosticRole
{
    DECLARE_DYNAMIC(CDlgDiagnostic)

public:
    explicit CDlgDiagnostic(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The group caption (string 5027) in the interface language; FALSE when the string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

    // ---- CComPortDiagnosticRole
    CComboBox* Diagnostic_GetPortCombo() override { return &m_cbPorts; }

    CKombiBox m_cbPorts;
    CStatic m_wndPortsLabel;
    CStatic m_wndGroup;
    CEdit m_editInfo;

    afx_msg void OnReadStatusLong();
    afx_msg void OnAck();
    afx_msg void OnNack();
    afx_msg void OnRestartSensor();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachRoles(CComPort& engine, bool bAttach) override;
    afx_msg void OnSelChangePorts();
    DECLARE_MESSAGE_MAP()

private:
    CComPort* GetEngine() const;
    static void WriteTelegram(CComPort& engine, const BYTE* pucTelegram, int iLength);
    static void WriteTelegram(CComPort& engine, const CString& strTelegram);
};
