// The measurement settings page as the sensor engine sees it. The page attaches itself with
// CComPort::COM_AttachAdjust when it registers with the main frame and detaches when it is destroyed;
// without it the engine talks to an object of this class, which answers as the page's defaults do.
// Every call runs on the user-interface thread.
#pragma once

class CComPortAdjustRole
{
public:
    virtual ~CComPortAdjustRole() = default;

    // The channels selected for measurement; by default both.
    virtual void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB)
    {
        bChannelA = true;
        bChannelB = true;
    }
    // The low-pass cut-offs in Hz for the stator operation write. The engine passes the sensor's own,
    // which the page takes as its defaults: without the page they stay.
    virtual void Adjust_GetLowPassHz(int& /*iHzA*/, int& /*iHzB*/) {}
    // The channel's unit is to become its software-scaling slot (after the scaling dialog's OK).
    virtual bool Adjust_IsSoftwareScalingChanged(int /*iChannel*/) { return false; }
    virtual void Adjust_UpdateControls(int /*iLanguageOffset*/) {}
    // Shows a single value in the software-scaling dialog while that dialog is open.
    virtual void Adjust_ShowCurrentValue(int /*iValueA*/, int /*iValueB*/) {}
};
