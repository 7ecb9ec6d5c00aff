#include "ComPortTestFrame.h"

#include "ports/PortTypes.h"
#include "protocol/ComPortTimers.h"

namespace
{
// Panel timers run on the same window, above the frame's ids.
constexpr UINT_PTR PANEL_TIMER_BASE = 1000;
constexpr UINT ID_PORT_COMBO = 100;
} // namespace

BEGIN_MESSAGE_MAP(CComPortTestFrame, CWnd)
ON_MESSAGE(WM_PORTMAN_DATA, OnPortManData)
ON_MESSAGE(WM_PORTMAN_EVENT, OnPortManEvent)
ON_WM_TIMER()
END_MESSAGE_MAP()

CComPortTestFrame::CComPortTestFrame() : CTestComPortHost(this)
{
    m_pPortCombo = &m_comboPorts;
}

CComPortTestFrame::~CComPortTestFrame()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

bool CComPortTestFrame::CreateAndInit()
{
    if (!CreateEx(0, nullptr, "engine test frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr))
        return false;
    const RECT rect = {0, 0, 280, 200};
    if (!m_comboPorts.Create(WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, rect, this, ID_PORT_COMBO))
        return false;
    COM_Init(this);
    return true;
}

void CComPortTestFrame::Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    CTestComPortHost::Frame_SetTimer(nIdEvent, uiElapse);
    SetTimer(nIdEvent, uiElapse);
}

void CComPortTestFrame::Frame_KillTimer(UINT_PTR nIdEvent)
{
    CTestComPortHost::Frame_KillTimer(nIdEvent);
    KillTimer(nIdEvent);
}

void CComPortTestFrame::Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse)
{
    CTestComPortHost::Panel_SetTimer(nIdEvent, uiElapse);
    SetTimer(PANEL_TIMER_BASE + nIdEvent, uiElapse);
}

void CComPortTestFrame::Panel_KillTimer(UINT_PTR nIdEvent)
{
    CTestComPortHost::Panel_KillTimer(nIdEvent);
    KillTimer(PANEL_TIMER_BASE + nIdEvent);
}

LRESULT CComPortTestFrame::OnPortManData(WPARAM wParam, LPARAM lParam)
{
    return COM_OnReceiveData(static_cast<UINT>(wParam), reinterpret_cast<const BYTE*>(lParam));
}

LRESULT CComPortTestFrame::OnPortManEvent(WPARAM wParam, LPARAM lParam)
{
    return COM_OnPortEvent(wParam, lParam);
}

void CComPortTestFrame::OnTimer(UINT_PTR nIdEvent)
{
    if (nIdEvent < PANEL_TIMER_BASE)
    {
        COM_OnTimer(nIdEvent);
        return;
    }
    const UINT_PTR nPanelTimer = nIdEvent - PANEL_TIMER_BASE;
    Panel_KillTimer(nPanelTimer);
    switch (nPanelTimer)
    {
        case TIMER_PANEL_DEFERRED_SEARCH:
            COM_CheckConnectionIfQbxUsbTyp(0);
            break;
        case TIMER_PANEL_WATCHDOG:
            ++m_iWatchdogExpired;
            break;
        default:
            break;
    }
}
