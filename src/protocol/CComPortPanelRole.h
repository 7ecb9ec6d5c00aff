// The operator panel as the sensor engine sees it. The panel attaches itself with
// CComPort::COM_AttachPanel when it registers with the main frame and detaches when it is destroyed;
// without it the engine talks to an object of this class: nothing runs, nothing is requested.
// Every call runs on the user-interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CComPortPanelRole
{
public:
    virtual ~CComPortPanelRole() = default;

    // The panel's window timers (protocol/ComPortTimers.h, TIMER_PANEL_).
    virtual void Panel_SetTimer(UINT_PTR /*nIdEvent*/, UINT /*uiElapse*/) {}
    virtual void Panel_KillTimer(UINT_PTR /*nIdEvent*/) {}
    virtual bool Panel_IsRunning() { return false; }
    // Running flag set and the values-missing flag cleared.
    virtual void Panel_BeginRunning() {}
    // Trigger LED timer stopped, trigger LED off, running and trigger-cycle flags and the frame's
    // recording flag cleared, buttons refreshed.
    virtual void Panel_EndRunning() {}
    // Reads and clears a pending control-signal request.
    virtual bool Panel_TakeControlRequest() { return false; }
    virtual void Panel_ToggleControlSignal(int /*iWhy*/) {}
    virtual void Panel_ShowControlLed(bool /*bOn*/) {}
    virtual void Panel_SetControlState(BYTE /*ucState*/) {}
    virtual void Panel_SetConnectionState(int /*iState*/) {}
    virtual void Panel_OnSensorConnected() {}
    virtual void Panel_OnSensorDisconnected() {}
    virtual void Panel_ResetToDisconnected() {}
    virtual void Panel_OnBtnSingleShot() {}
    // The panel's multimedia timer; its tick sends the next single-shot or raw-value request.
    virtual void Panel_StartMeasureTimer(UINT /*uiPeriodMs*/) {}
    virtual void Panel_StopMeasureTimer() {}
    // The panel's buttons and their states, as a text for the diagnostic log.
    virtual CString Panel_GetButtonStateText() { return CString(); }
};
