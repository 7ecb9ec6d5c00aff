// The calibration page and its message dialogs as the sensor engine sees them. The page attaches
// itself with CComPort::COM_AttachCalib when it registers with the main frame and detaches when it is
// destroyed; without it the engine talks to an object of this class: no calibration is ready, nothing
// is confirmed, and the engine writes nothing.
// Every call runs on the user-interface thread.
#pragma once

#include "framework/AfxWin32.h"

// Uncertainty actions of the calibration page.
constexpr int ID_INACCURACY_CH_A_CHANGE = 0;
constexpr int ID_INACCURACY_CH_B_CHANGE = 1;
constexpr int ID_INACCURACY_CH_A_DELETE = 2;
constexpr int ID_INACCURACY_CH_B_DELETE = 3;

class CComPortCalibRole
{
public:
    virtual ~CComPortCalibRole() = default;

    virtual void Calib_EnableCalibButtons(int /*iEnable*/) {}
    virtual void Calib_AdvanceCalibProgress(int /*iHow*/) {}
    // Computes the calibration from the engine's readings; true when it can be written. Error bits
    // are added to iErrorBits.
    virtual bool Calib_CalcualteCalibValues(BYTE /*ucFlag1*/, BYTE /*ucFlag2*/, int& /*iErrorBits*/)
    {
        return false;
    }
    virtual bool Calib_IsNewCalibReady() { return false; }
    virtual bool Calib_IsUncertaintyConfirmed() { return false; }
    virtual int Calib_GetUncertaintyAction() { return ID_INACCURACY_CH_A_CHANGE; }
    // The two values of bytes 23-26 of the user calibration block (the engine passes 0 and 0).
    virtual void Calib_GetBlockValues(int& /*iCalib23*/, int& /*iCalib25*/) {}
    virtual void Calib_ClearCalibRunning() {}
    // The message dialogs of the zero and end readings close when the engine is done with them.
    virtual void CalibZero_CloseFromProtocol() {}
    virtual void CalibEnd_CloseFromProtocol() {}
};
