#include "ports/CDeviceChangeReceiver.h"

#include "ports/CPortMan.h"

#include <dbt.h>

#include <memory>

namespace
{
// Posted to the receiver with a CString* naming the arrived device.
constexpr UINT WM_REOPEN_ARRIVED = WM_APP + 1;

UINT s_uiLendQuery = 0;
UINT s_uiLendReply = 0;
UINT s_uiLendReturn = 0;
} // namespace

BEGIN_MESSAGE_MAP(CDeviceChangeReceiver, CWnd)
ON_MESSAGE(WM_DEVICECHANGE, OnDeviceChangeMessage)
ON_WM_CLOSE()
ON_REGISTERED_MESSAGE(s_uiLendQuery, OnLendQuery)
ON_REGISTERED_MESSAGE(s_uiLendReturn, OnLendReturn)
ON_REGISTERED_MESSAGE(s_uiLendReply, OnLendReply)
ON_MESSAGE(WM_REOPEN_ARRIVED, OnReopen)
END_MESSAGE_MAP()

CDeviceChangeReceiver::CDeviceChangeReceiver(CPortMan* pPortMan) : m_pPortMan(pPortMan) {}

void CDeviceChangeReceiver::SetLendMessages(UINT uiQuery, UINT uiReply, UINT uiReturn)
{
    s_uiLendQuery = uiQuery;
    s_uiLendReply = uiReply;
    s_uiLendReturn = uiReturn;
}

// A hidden top-level (popup) window: a child of the desktop would not get the broadcasts of the
// lending messages from another process. A popup takes no control id.
BOOL CDeviceChangeReceiver::CreateReceiver()
{
    if (!CreateEx(0, "STATIC", "Dummy", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr))
        return FALSE;
    m_pPortMan->AttachReceiver(this);
    return TRUE;
}

void CDeviceChangeReceiver::PostNcDestroy()
{
    delete this;
}

LRESULT CDeviceChangeReceiver::OnDeviceChangeMessage(WPARAM wParam, LPARAM lParam)
{
    bool bHandled = wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVEPENDING ||
                    wParam == DBT_DEVICEREMOVECOMPLETE;
    if (!bHandled || lParam == 0 || m_ucClosing != 0)
        return 0;
    return m_pPortMan->HandleDeviceChange(static_cast<UINT>(wParam), static_cast<DWORD_PTR>(lParam));
}

// The window is destroyed when the thread's loop has ended, not inside its own message.
void CDeviceChangeReceiver::OnClose()
{
    m_ucClosing = 1;
    PostQuitMessage(0);
}

LRESULT CDeviceChangeReceiver::OnLendQuery(WPARAM wParam, LPARAM lParam)
{
    if (m_ucClosing == 0 && reinterpret_cast<HWND>(wParam) != m_hWnd)
        m_pPortMan->OnLendQuery(reinterpret_cast<HWND>(wParam), lParam);
    return 0;
}

LRESULT CDeviceChangeReceiver::OnLendReturn(WPARAM wParam, LPARAM)
{
    if (m_ucClosing == 0 && reinterpret_cast<HWND>(wParam) != m_hWnd)
        m_pPortMan->OnLendReturn();
    return 0;
}

LRESULT CDeviceChangeReceiver::OnLendReply(WPARAM, LPARAM)
{
    if (m_ucClosing == 0)
        m_pPortMan->OnLendReply();
    return 0;
}

bool CDeviceChangeReceiver::PostReopen(HWND hReceiver, const CString& strDevice)
{
    auto pDevice = std::make_unique<CString>(strDevice);
    if (hReceiver == nullptr ||
        !::PostMessageA(hReceiver, WM_REOPEN_ARRIVED, 0, reinterpret_cast<LPARAM>(pDevice.get())))
        return false;
    pDevice.release();
    return true;
}

LRESULT CDeviceChangeReceiver::OnReopen(WPARAM, LPARAM lParam)
{
    std::unique_ptr<CString> pDevice(reinterpret_cast<CString*>(lParam));
    if (m_ucClosing == 0)
        m_pPortMan->ReopenArrivedPort(*pDevice);
    return 0;
}
