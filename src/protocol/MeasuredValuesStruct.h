// The current values of channels A and B: the protocol writes the sensor values, raw counts and
// scales; the value pipeline writes the processed values and keeps their shown copies.
#pragma once

#include "framework/AfxWin32.h"

struct MeasuredValuesStruct
{
    // The maxima from the reset of a measurement until its first value.
    static constexpr double NO_MAXIMUM = -1e99;

    int iValueA = 0;
    int iValueB = 0;
    int iPrevA = 0;
    int iPrevB = 0;
    BYTE ucControlState = 0;
    int iRawA = 0;
    int iRawB = 0;
    double dScaleA = 1.0;
    double dScaleB = 1.0;
    double dValueA = 0.0;
    double dValueB = 0.0;
    double dShownValueA = 0.0;
    double dShownValueB = 0.0;
    double dTareA = 0.0;
    double dTareB = 0.0;
    double dShownTareA = 0.0;
    double dShownTareB = 0.0;
    double dMinA = 0.0;
    double dMinB = 0.0;
    double dShownMinA = 0.0;
    double dShownMinB = 0.0;
    double dMaxA = 0.0;
    double dMaxB = 0.0;
    double dShownMaxA = 0.0;
    double dShownMaxB = 0.0;
};
