#include "measurement/MeasureAdjustStruct.h"

#include "measurement/MeasurementTexts.h"
#include "measurement/StoredRecord.h"

#include <cstring>

namespace
{
struct AxisLayout
{
    int32_t iQuantity;
    BYTE bShown;
    BYTE abItem[4]; // off, time, channel A, channel B
};

void SetAxis(int32_t& iQuantity, BYTE& bShown, BYTE* pbItem, const AxisLayout& layout)
{
    iQuantity = layout.iQuantity;
    bShown = layout.bShown;
    std::memcpy(pbItem, layout.abItem, sizeof(layout.abItem));
}

constexpr AxisLayout AXIS_HIDDEN = {MeasureAdjustStruct::AXIS_OFF, 0, {0, 0, 0, 0}};
constexpr AxisLayout Y2_HIDDEN_A = {MeasureAdjustStruct::AXIS_CHANNEL_A, 0, {0, 0, 0, 0}};
constexpr AxisLayout X_TIME_ONE = {MeasureAdjustStruct::AXIS_TIME, 1, {0, 1, 0, 0}};
constexpr AxisLayout X_ANY = {MeasureAdjustStruct::AXIS_TIME, 1, {0, 1, 1, 1}};
} // namespace

void MeasureAdjustStruct::SetDefaults()
{
    const BYTE abChannels[10] = {1, 1, 0, 1, 0, 1, 1, 0, 1, 0};
    std::memcpy(&bCheckedA, abChannels, sizeof(abChannels));
    if (iAxisX != AXIS_TIME && iAxisX != AXIS_CHANNEL_A && iAxisX != AXIS_CHANNEL_B)
        iAxisX = AXIS_TIME;
    SetAxisLayout(iAxisX);
    ResetTriggerSettings();
    dStartValue = 0.0;
    dStopValue = 0.0;
    iDurationUnitId = IDS_SECONDS;
    dDuration = 1.0;
    dCount = 1.0;
}

void MeasureAdjustStruct::SetAxisLayout(int iNewAxisX)
{
    const bool bA = bCheckedA != 0;
    const bool bB = bCheckedB != 0;
    AxisLayout x = X_ANY;
    AxisLayout y1 = AXIS_HIDDEN;
    AxisLayout y2 = AXIS_HIDDEN;
    switch (iNewAxisX)
    {
        case AXIS_TIME:
            if (!bA && !bB)
                x = AXIS_HIDDEN;
            else if (bA != bB)
            {
                x = X_TIME_ONE;
                y1 = {bA ? AXIS_CHANNEL_A : AXIS_CHANNEL_B, 1, {0, 0, BYTE(bA), BYTE(bB)}};
            }
            else
            {
                y1 = {AXIS_CHANNEL_A, 1, {1, 0, 1, 1}};
                y2 = {AXIS_CHANNEL_B, 1, {1, 0, 1, 1}};
            }
            break;
        case AXIS_CHANNEL_A:
            x.iQuantity = AXIS_CHANNEL_A;
            y1 = {AXIS_CHANNEL_B, 1, {0, 0, 0, 1}};
            y2 = Y2_HIDDEN_A;
            break;
        case AXIS_CHANNEL_B:
            x.iQuantity = AXIS_CHANNEL_B;
            y1 = {AXIS_CHANNEL_A, 1, {0, 0, 1, 0}};
            y2 = Y2_HIDDEN_A;
            break;
        default:
            return;
    }
    SetAxis(iAxisX, bAxisXShown, bAxisXItem, x);
    SetAxis(iAxisY1, bAxisY1Shown, bAxisY1Item, y1);
    SetAxis(iAxisY2, bAxisY2Shown, bAxisY2Item, y2);
}

void MeasureAdjustStruct::ResetTriggerSettings()
{
    const BYTE bA = bCheckedA != 0 ? 1 : 0;
    const BYTE bB = bCheckedB != 0 ? 1 : 0;
    const BYTE bAny = bA | bB;
    iStartSource = SOURCE_OFF;
    bStartTimeShown = 0;
    const BYTE abStart[4] = {bAny, bA, bB, bAny};
    std::memcpy(bStartSourceItem, abStart, sizeof(abStart));
    iStopSource = SOURCE_OFF;
    bDurationShown = 0;
    bCountShown = 0;
    const BYTE abStop[5] = {bAny, bA, bB, bAny, bAny};
    std::memcpy(bStopSourceItem, abStop, sizeof(abStop));
    iStartDirection = DIRECTION_OVER_RUN;
    bStartValueShown = 0;
    bStartDirectionItem[0] = bStartDirectionItem[1] = 1;
    iStopDirection = DIRECTION_OVER_RUN;
    bStopValueShown = 0;
    bStopDirectionItem[0] = bStopDirectionItem[1] = 1;
}

void MeasureAdjustStruct::StoreCheckSums()
{
    StoreRecordCheckSums(*this);
}

bool MeasureAdjustStruct::HasValidCheckSums() const
{
    return HasValidRecordCheckSums(*this);
}

bool MeasureAdjustStruct::TakeStoredBytes(const BYTE* pBytes, UINT nBytes)
{
    return TakeStoredRecordBytes(*this, pBytes, nBytes);
}
