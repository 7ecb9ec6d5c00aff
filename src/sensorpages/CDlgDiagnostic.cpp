#include "sensorpages/CDlgDiagnostic.h"

#include "controls/ControlTexts.h"
#include "framework/CDataExchange.h"
#include "ports/CPortManGui.h"
#include "protocol/CComPort.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_sensorpages.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"

IMPLEMENT_DYNAMIC(CDlgDiagnostic, CSensorPage)

BEGIN_MESSAGE_MAP(CDlgDiagnostic, CSensorPage)
ON_BN_CLICKED(IDC_DIAG_STATUS_LONG, OnReadStatusLong)
ON_BN_CLICKED(IDC_DIAG_ACK, OnAck)
ON_BN_CLICKED(IDC_DIAG_NAK, OnNack)
ON_BN_CLICKED(IDC_DIAG_RESTART, OnRestartSensor)
ON_CBN_SELCHANGE(IDC_DIAG_PORTS, OnSelChangePorts)
END_MESSAGE_MAP()

namespace
{
constexpr int MIN_GROUP_WIDTH = 500;
constexpr int MIN_GROUP_HEIGHT = 400;
constexpr int NAK_BUFFER_BYTES = 40;
} // namespace

CDlgDiagnostic::CDlgDiagnostic(CWnd* pParent, void*)
    : CSensorPage(IDD_DLG_DIAGNOSTIC, pParent, IDC_PAGE_GROUP, CSize(MIN_GROUP_WIDTH, MIN_GROUP_HEIGHT))
{
}

void CDlgDiagnostic::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachDiagnostic(bAttach ? this : nullptr);
}

void CDlgDiagnostic::DoDataExchange(CDataExchange* pDX)
{
    CSensorPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIAG_PORTS, m_cbPorts);
    DDX_Control(pDX, IDC_DIAG_PORTS_LABEL, m_wndPortsLabel);
    DDX_Control(pDX, IDC_PAGE_GROUP, m_wndGroup);
    DDX_Control(pDX, IDC_DIAG_INFO, m_editInfo);
}

BOOL CDlgDiagnostic::UpdateLanguageTexts()
{
    const int iLanguage = GetLanguageOffset();
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_DIAGNOSTIC, iLanguage);
}

CComPort* CDlgDiagnostic::GetEngine() const
{
    return GetPageHost() ? &GetPageHost()->GetComPort() : nullptr;
}

// A telegram is answered through the ordinary receive path, so what the receive buffer holds is dropped
// first. With no port open the port manager writes nothing and reports it; the page shows nothing.
void CDlgDiagnostic::WriteTelegram(CComPort& engine, const BYTE* pucTelegram, int iLength)
{
    engine.m_strReceiveCOM.Empty();
    if (engine.m_pPort && iLength > 0)
        engine.m_pPort->WriteBuffer(pucTelegram, static_cast<unsigned int>(iLength));
}

void CDlgDiagnostic::WriteTelegram(CComPort& engine, const CString& strTelegram)
{
    WriteTelegram(engine, reinterpret_cast<const BYTE*>(strTelegram.GetString()), strTelegram.GetLength());
}

// The answer is taken as a status-long answer.
void CDlgDiagnostic::OnReadStatusLong()
{
    if (CComPort* pEngine = GetEngine())
    {
        CString strTelegram;
        pEngine->TerSend_ReadStatusLong(strTelegram);
        pEngine->COM_SetZMCOMConfgFlow(ZM_GET_STATUS_LONG);
        WriteTelegram(*pEngine, strTelegram);
    }
}

void CDlgDiagnostic::OnAck()
{
    if (CComPort* pEngine = GetEngine())
    {
        CString strTelegram;
        pEngine->TerSend_Ack(strTelegram, FALSE);
        WriteTelegram(*pEngine, strTelegram);
    }
}

void CDlgDiagnostic::OnNack()
{
    if (CComPort* pEngine = GetEngine())
    {
        BYTE aucTelegram[NAK_BUFFER_BYTES] = {};
        WriteTelegram(*pEngine, aucTelegram, pEngine->TerSend_Nack(aucTelegram, NAK_BUFFER_BYTES));
    }
}

void CDlgDiagnostic::OnRestartSensor()
{
    if (CComPort* pEngine = GetEngine())
    {
        CString strTelegram;
        pEngine->TerSend_RestartSensor(strTelegram);
        WriteTelegram(*pEngine, strTelegram);
    }
}

// Presets the serial settings the port manager applies when it next opens a port; nothing is opened.
void CDlgDiagnostic::OnSelChangePorts()
{
    CComPort* pEngine = GetEngine();
    if (pEngine == nullptr || !pEngine->m_pPort)
        return;
    DCB& dcb = pEngine->m_pPort->m_dcb;
    dcb.BaudRate = static_cast<DWORD>(pEngine->m_lDefaultBaudrate);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
}
