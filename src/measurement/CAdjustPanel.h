// What the measure-configuration page and its software-scaling dialog need of the operator panel. The
// panel implements it; a panel that does not yet answers through this class's do-nothing operations.
// User-interface thread only.
#pragma once

class CWnd;

class CAdjustPanel
{
public:
    virtual ~CAdjustPanel() = default;

    // The panel window as this class, or an object that does nothing when it is none (or null).
    static CAdjustPanel& FromWindow(CWnd* pPanel);

    // The panel shows a supported sensor as connected.
    virtual bool IsSensorConnected() const { return false; }
    // The page is shown: a running measurement stops.
    virtual void StopMeasurement() {}
    // The panel's running flag, set while the software-scaling dialog is open.
    virtual void SetRunningFlag(bool /*bRunning*/) {}
    // Start at a system time: the auto-repeat box is unchecked, disabled and locked; false unlocks it.
    virtual void LockAutoRepeat(bool /*bLock*/) {}
    // The panel renews its captions when it is next shown.
    virtual void RefreshCaptionsOnShow() {}
};
