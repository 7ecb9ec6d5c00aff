// The display record of one channel: its unit slots, selected unit, decimals, averaging, sign, scale,
// and whether it is shown and tared. The main frame holds one for channel A and one for channel B.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

constexpr int CHANNEL_UNIT_SLOTS = 32;

struct ChannelSettingsStruct
{
    int iUnitId[CHANNEL_UNIT_SLOTS] = {};
    CString strUnit[CHANNEL_UNIT_SLOTS];
    double dUnitFactor[CHANNEL_UNIT_SLOTS] = {};
    int iUnitCount = 0;
    double dRangeEndValue = 0.0;
    char cTypeClass = 0;
    int iSelectedUnit = 0;
    double dCountFactor = 1.0;
    double dBaseCountFactor = 0.0;
    int iDecimals = 0;
    int iMeanCode = 0;
    int iSign = 0;
    BYTE bAvailable = 0;
    int iFullScaleCount = 0;
    BYTE byShown = 1;  // 0 or 1 offered, 2 not offered
    BYTE bTareOff = 1; // 1: no tare applied
};
