// The measurement settings record of the measure-configuration page, stored whole (208 bytes,
// little-endian) in the registry; the last three ints check it. The padding is spelled out so that
// every byte has a defined value and counts in the check sums.
#pragma once

#include "framework/AfxWin32.h"

#include <cstddef>
#include <cstdint>

struct MeasureAdjustStruct
{
    BYTE bCheckedA;
    BYTE bSavedCheckedA;
    BYTE bEnabledA;
    BYTE bVisibleA;
    BYTE bSpareA;
    BYTE bCheckedB;
    BYTE bSavedCheckedB;
    BYTE bEnabledB;
    BYTE bVisibleB;
    BYTE bSpareB;
    BYTE aucPad10[6];
    int32_t iDurationUnitId;
    BYTE aucPad20[4];
    double dSamplePeriod;
    int32_t iAxisX;
    BYTE bAxisXShown;
    BYTE bAxisXItem[4];
    BYTE aucPad41[3];
    int32_t iAxisY1;
    BYTE bAxisY1Shown;
    BYTE bAxisY1Item[4];
    BYTE aucPad53[3];
    int32_t iAxisY2;
    BYTE bAxisY2Shown;
    BYTE bAxisY2Item[4];
    BYTE aucPad65[7];
    double dStartValue;
    int64_t tStartTime;
    int32_t iStartSource;
    BYTE bStartTimeShown;
    BYTE bStartSourceItem[4];
    BYTE aucPad97[3];
    int32_t iStartDirection;
    BYTE bStartValueShown;
    BYTE bStartDirectionItem[2];
    BYTE aucPad107[5];
    double dStopValue;
    double dDuration;
    double dCount;
    int32_t iStopSource;
    BYTE bDurationShown;
    BYTE bCountShown;
    BYTE bStopSourceItem[5];
    BYTE ucPad147;
    int32_t iStopDirection;
    BYTE bStopValueShown;
    BYTE bStopDirectionItem[2];
    BYTE aucPad155[5];
    double dLowerLimit1;
    double dUpperLimit1;
    double dLowerLimit2;
    double dUpperLimit2;
    int32_t iSizeOfStruct;
    int32_t iSumOfStruct;
    int32_t iWeightedSumOfStruct;
    BYTE aucPad204[4];

    // Axis quantities, trigger sources and directions.
    enum
    {
        AXIS_OFF = 0,
        AXIS_TIME = 1,
        AXIS_CHANNEL_A = 2,
        AXIS_CHANNEL_B = 3,
    };
    enum
    {
        SOURCE_OFF = 0,
        SOURCE_CHANNEL_A = 1,
        SOURCE_CHANNEL_B = 2,
        START_SYSTEM_TIME = 3,
        STOP_DURATION = 3,
        STOP_COUNT = 4,
    };
    enum
    {
        DIRECTION_OVER_RUN = 0,
        DIRECTION_UNDER_RUN = 1,
    };

    // The defaults of the record: both channels checked, the axis layout of the kept X quantity (time
    // when it is none), no trigger conditions, thresholds 0, duration 1 s and count 1. The sample
    // period, the start time, the limits and the check ints keep their contents.
    void SetDefaults();
    // The axis layout for X quantity iAxisX with the checked channels: off, time with one or both
    // channels, or channel A or B along X. Any other quantity sets nothing.
    void SetAxisLayout(int iAxisX);
    // Both trigger conditions off, with the sources offered by the checked channels.
    void ResetTriggerSettings();

    // Stores size and sums into the check ints.
    void StoreCheckSums();
    bool HasValidCheckSums() const;
    // Takes a stored copy when it has exactly the record's size; false leaves the record as it was.
    bool TakeStoredBytes(const BYTE* pBytes, UINT nBytes);
};

static_assert(sizeof(MeasureAdjustStruct) == 208, "stored record size");
static_assert(offsetof(MeasureAdjustStruct, bCheckedA) == 0);
static_assert(offsetof(MeasureAdjustStruct, bSavedCheckedA) == 1);
static_assert(offsetof(MeasureAdjustStruct, bEnabledA) == 2);
static_assert(offsetof(MeasureAdjustStruct, bVisibleA) == 3);
static_assert(offsetof(MeasureAdjustStruct, bSpareA) == 4);
static_assert(offsetof(MeasureAdjustStruct, bCheckedB) == 5);
static_assert(offsetof(MeasureAdjustStruct, bSavedCheckedB) == 6);
static_assert(offsetof(MeasureAdjustStruct, bEnabledB) == 7);
static_assert(offsetof(MeasureAdjustStruct, bVisibleB) == 8);
static_assert(offsetof(MeasureAdjustStruct, bSpareB) == 9);
static_assert(offsetof(MeasureAdjustStruct, aucPad10) == 10);
static_assert(offsetof(MeasureAdjustStruct, iDurationUnitId) == 16);
static_assert(offsetof(MeasureAdjustStruct, aucPad20) == 20);
static_assert(offsetof(MeasureAdjustStruct, dSamplePeriod) == 24);
static_assert(offsetof(MeasureAdjustStruct, iAxisX) == 32);
static_assert(offsetof(MeasureAdjustStruct, bAxisXShown) == 36);
static_assert(offsetof(MeasureAdjustStruct, bAxisXItem) == 37);
static_assert(offsetof(MeasureAdjustStruct, aucPad41) == 41);
static_assert(offsetof(MeasureAdjustStruct, iAxisY1) == 44);
static_assert(offsetof(MeasureAdjustStruct, bAxisY1Shown) == 48);
static_assert(offsetof(MeasureAdjustStruct, bAxisY1Item) == 49);
static_assert(offsetof(MeasureAdjustStruct, aucPad53) == 53);
static_assert(offsetof(MeasureAdjustStruct, iAxisY2) == 56);
static_assert(offsetof(MeasureAdjustStruct, bAxisY2Shown) == 60);
static_assert(offsetof(MeasureAdjustStruct, bAxisY2Item) == 61);
static_assert(offsetof(MeasureAdjustStruct, aucPad65) == 65);
static_assert(offsetof(MeasureAdjustStruct, dStartValue) == 72);
static_assert(offsetof(MeasureAdjustStruct, tStartTime) == 80);
static_assert(offsetof(MeasureAdjustStruct, iStartSource) == 88);
static_assert(offsetof(MeasureAdjustStruct, bStartTimeShown) == 92);
static_assert(offsetof(MeasureAdjustStruct, bStartSourceItem) == 93);
static_assert(offsetof(MeasureAdjustStruct, aucPad97) == 97);
static_assert(offsetof(MeasureAdjustStruct, iStartDirection) == 100);
static_assert(offsetof(MeasureAdjustStruct, bStartValueShown) == 104);
static_assert(offsetof(MeasureAdjustStruct, bStartDirectionItem) == 105);
static_assert(offsetof(MeasureAdjustStruct, aucPad107) == 107);
static_assert(offsetof(MeasureAdjustStruct, dStopValue) == 112);
static_assert(offsetof(MeasureAdjustStruct, dDuration) == 120);
static_assert(offsetof(MeasureAdjustStruct, dCount) == 128);
static_assert(offsetof(MeasureAdjustStruct, iStopSource) == 136);
static_assert(offsetof(MeasureAdjustStruct, bDurationShown) == 140);
static_assert(offsetof(MeasureAdjustStruct, bCountShown) == 141);
static_assert(offsetof(MeasureAdjustStruct, bStopSourceItem) == 142);
static_assert(offsetof(MeasureAdjustStruct, ucPad147) == 147);
static_assert(offsetof(MeasureAdjustStruct, iStopDirection) == 148);
static_assert(offsetof(MeasureAdjustStruct, bStopValueShown) == 152);
static_assert(offsetof(MeasureAdjustStruct, bStopDirectionItem) == 153);
static_assert(offsetof(MeasureAdjustStruct, aucPad155) == 155);
static_assert(offsetof(MeasureAdjustStruct, dLowerLimit1) == 160);
static_assert(offsetof(MeasureAdjustStruct, dUpperLimit1) == 168);
static_assert(offsetof(MeasureAdjustStruct, dLowerLimit2) == 176);
static_assert(offsetof(MeasureAdjustStruct, dUpperLimit2) == 184);
static_assert(offsetof(MeasureAdjustStruct, iSizeOfStruct) == 192);
static_assert(offsetof(MeasureAdjustStruct, iSumOfStruct) == 196);
static_assert(offsetof(MeasureAdjustStruct, iWeightedSumOfStruct) == 200);
static_assert(offsetof(MeasureAdjustStruct, aucPad204) == 204);
