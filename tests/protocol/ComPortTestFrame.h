// Test frame around the sensor engine: a window that, as the main frame does, hands WM_PORTMAN_DATA
// and WM_PORTMAN_EVENT to the engine and runs its protocol timers, and that also owns the operator
// panel's timers (start-up answer, deferred search, watchdog) with their panel steps.
#pragma once

#include "ComPortTestHost.h"

#include "framework/CComboBox.h"
#include "framework/CWnd.h"
#include "protocol/CComPort.h"

class CComPortTestFrame : public CWnd, public CComPort, public CTestComPortHost
{
public:
    CComPortTestFrame();
    ~CComPortTestFrame() override;

    // Creates the window and its port combo box, then the engine's port manager.
    bool CreateAndInit();

    void Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Frame_KillTimer(UINT_PTR nIdEvent) override;
    void Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Panel_KillTimer(UINT_PTR nIdEvent) override;

    int m_iWatchdogExpired = 0;
    CComboBox m_comboPorts;

protected:
    afx_msg LRESULT OnPortManData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPortManEvent(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIdEvent);
    DECLARE_MESSAGE_MAP()
};
