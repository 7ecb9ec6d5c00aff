// The operator panel's stored options (16 bytes, little-endian); the last three ints check it.
#pragma once

#include "framework/AfxWin32.h"

#include <cstddef>
#include <cstdint>

struct MeasureDgrmStruct
{
    BYTE bTriggerAutoRepeat;
    BYTE bAutoRepeatLocked;
    BYTE aucPad[2];
    int32_t iSizeOfStruct;
    int32_t iSumOfStruct;
    int32_t iWeightedSumOfStruct;

    // Auto-repeat off; the lock and the check ints keep their contents.
    void SetDefaults() { bTriggerAutoRepeat = 0; }
    void StoreCheckSums();
    bool HasValidCheckSums() const;
    // Takes a stored copy when it has exactly the record's size; false leaves the record as it was.
    bool TakeStoredBytes(const BYTE* pBytes, UINT nBytes);
};

static_assert(sizeof(MeasureDgrmStruct) == 16, "stored record size");
static_assert(offsetof(MeasureDgrmStruct, bTriggerAutoRepeat) == 0);
static_assert(offsetof(MeasureDgrmStruct, bAutoRepeatLocked) == 1);
static_assert(offsetof(MeasureDgrmStruct, aucPad) == 2);
static_assert(offsetof(MeasureDgrmStruct, iSizeOfStruct) == 4);
static_assert(offsetof(MeasureDgrmStruct, iSumOfStruct) == 8);
static_assert(offsetof(MeasureDgrmStruct, iWeightedSumOfStruct) == 12);
