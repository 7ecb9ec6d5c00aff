// The operator panel's stored options (16 bytes, little-endian); the last three ints check it.
#pragma once

#include "framework/AfxWin32.h"

#include <cstdint>

struct MeasureDgrmStruct
{
    BYTE bTriggerAutoRepeat;
    BYTE bAutoRepeatLocked;
    BYTE aucPad[2];
    int32_t iSizeOfStruct;
    int32_t iSumOfStruct;
    int32_t iWeightedSumOfStruct;
};

static_assert(sizeof(MeasureDgrmStruct) == 16, "stored record size");
