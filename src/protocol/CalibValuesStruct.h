// The readings of a user calibration for one channel (CComPort::m_sCalibValues, A then B).
#pragma once

#include "framework/AfxWin32.h"

struct CalibValuesStruct
{
    // "Not read" value of the averages.
    static constexpr double NOT_READ = 66666.6666666;

    int slOffset = 0;
    // Gain from the scale reading and gain from the control reading (Q15), set by the calculation.
    int dCtrl = 0;
    int dGainCtrl = 0;
    int iRawZero = 0;
    int iRawScale = 0;
    int iRawCtrl = 0;
    double dRawZero = NOT_READ;
    double dRawScale = NOT_READ;
    double dRawCtrl = NOT_READ;
    int iValZero = 0;
    int iValScale = 0;
    int iValCtrl = 0;
    double dValZero = NOT_READ;
    double dValScale = NOT_READ;
    double dValCtrl = NOT_READ;
    BYTE bZeroRead = 0;
    BYTE bScaleRead = 0;
    BYTE bCtrlRead = 0;
    BYTE bIdle = 1;
    BYTE bReserved = 0;
    // 1: the channel is calibrated without its built-in control signal (set by the zero-value dialog).
    BYTE bNoBuiltInCtrl = 0;
};
