// The measurement settings record of the measure-configuration page, stored whole (208 bytes,
// little-endian) in the registry; the last three ints check it.
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
};

static_assert(sizeof(MeasureAdjustStruct) == 208, "stored record size");
static_assert(offsetof(MeasureAdjustStruct, dStartValue) == 72, "stored record layout");
static_assert(offsetof(MeasureAdjustStruct, dStopValue) == 112, "stored record layout");
static_assert(offsetof(MeasureAdjustStruct, iStopDirection) == 148, "stored record layout");
static_assert(offsetof(MeasureAdjustStruct, iSizeOfStruct) == 192, "stored record layout");
