#include "measurement/CDiagramAxisRules.h"

#include "measurement/MeasureAdjustStruct.h"

#include <cstring>

namespace
{
using S = MeasureAdjustStruct;
constexpr int MAX_AVERAGING_COUNT = 9999;

bool IsChannel(int iQuantity)
{
    return iQuantity == S::AXIS_CHANNEL_A || iQuantity == S::AXIS_CHANNEL_B;
}

bool IsQuantity(int iQuantity)
{
    return iQuantity >= S::AXIS_OFF && iQuantity <= S::AXIS_CHANNEL_B;
}

void SetItems(BYTE* pbItem, BYTE bOff, BYTE bTime, BYTE bA, BYTE bB)
{
    const BYTE abItem[4] = {bOff, bTime, bA, bB};
    std::memcpy(pbItem, abItem, sizeof(abItem));
}

void Offer(BYTE* pbItem, int iQuantity, BYTE bOffered)
{
    if (IsQuantity(iQuantity))
        pbItem[iQuantity] = bOffered;
}

int CheckedChannels(const S& s)
{
    return (s.bCheckedA ? 1 : 0) + (s.bCheckedB ? 1 : 0);
}

// Y1 takes a channel the plot is left without, which the Y2 list then no longer offers.
void FallBackY1(S& s, int iQuantity)
{
    s.iAxisY1 = iQuantity;
    Offer(s.bAxisY2Item, iQuantity, 0);
}
} // namespace

void CDiagramAxisRules::ApplyXAxisRule(MeasureAdjustStruct& s, int iMode)
{
    if (iMode == MODE_FORCE_TIME)
    {
        s.iAxisX = S::AXIS_TIME;
        SetAxisLayoutTime(s, MODE_SET);
        return;
    }
    const int iLayoutMode = iMode == MODE_KEEP ? MODE_KEEP : MODE_SET;
    switch (s.iAxisX)
    {
        case S::AXIS_CHANNEL_A:
            SetAxisLayoutChannelA(s, iLayoutMode);
            break;
        case S::AXIS_CHANNEL_B:
            SetAxisLayoutChannelB(s, iLayoutMode);
            break;
        default:
            s.iAxisX = S::AXIS_TIME;
            SetAxisLayoutTime(s, iLayoutMode);
            break;
    }
}

void CDiagramAxisRules::SetAxisLayoutTime(MeasureAdjustStruct& s, int iMode)
{
    if (iMode != MODE_KEEP || CheckedChannels(s) != 2)
    {
        s.SetAxisLayout(S::AXIS_TIME);
        return;
    }
    s.iAxisX = S::AXIS_TIME;
    s.bAxisXShown = 1;
    SetItems(s.bAxisXItem, 0, 1, 1, 1);
    if (!IsChannel(s.iAxisY1))
        return;
    const int iOther = s.iAxisY1 == S::AXIS_CHANNEL_A ? S::AXIS_CHANNEL_B : S::AXIS_CHANNEL_A;
    s.bAxisY1Shown = 1;
    SetItems(s.bAxisY1Item, 1, 0, 0, 0);
    Offer(s.bAxisY1Item, s.iAxisY1, 1);
    s.bAxisY2Shown = 1;
    if (s.iAxisY2 == s.iAxisY1 || s.iAxisY2 == S::AXIS_OFF)
        s.iAxisY2 = iOther;
    SetItems(s.bAxisY2Item, 1, 0, 0, 0);
    Offer(s.bAxisY2Item, iOther, 1);
}

void CDiagramAxisRules::SetAxisLayoutChannelA(MeasureAdjustStruct& s, int iMode)
{
    if (iMode == MODE_KEEP)
    {
        if (CheckedChannels(s) == 1)
            SetAxisLayoutTime(s, MODE_SET);
        return;
    }
    s.SetAxisLayout(S::AXIS_CHANNEL_A);
}

void CDiagramAxisRules::SetAxisLayoutChannelB(MeasureAdjustStruct& s, int iMode)
{
    if (iMode == MODE_KEEP)
    {
        if (CheckedChannels(s) == 1)
            SetAxisLayoutTime(s, MODE_SET);
        return;
    }
    s.SetAxisLayout(S::AXIS_CHANNEL_B);
}

void CDiagramAxisRules::ChangeAxisQuantity(MeasureAdjustStruct& s, int& iLastAxisX, int iAxis, int iQuantity)
{
    if (iAxis == AXIS_X)
    {
        s.iAxisX = iQuantity;
        if (s.iAxisX != iLastAxisX)
        {
            iLastAxisX = s.iAxisX;
            if (s.iAxisX == S::AXIS_TIME)
                SetAxisLayoutTime(s, MODE_SET);
            else if (s.iAxisX == S::AXIS_CHANNEL_A)
                SetAxisLayoutChannelA(s, MODE_SET);
            else if (s.iAxisX == S::AXIS_CHANNEL_B)
                SetAxisLayoutChannelB(s, MODE_SET);
        }
    }
    else if (iAxis == AXIS_Y1 || iAxis == AXIS_Y2)
    {
        int32_t& iThis = iAxis == AXIS_Y1 ? s.iAxisY1 : s.iAxisY2;
        BYTE* pbOtherItem = iAxis == AXIS_Y1 ? s.bAxisY2Item : s.bAxisY1Item;
        const int iPrevious = iThis;
        iThis = iQuantity;
        if (iQuantity == S::AXIS_OFF)
            Offer(pbOtherItem, iPrevious, 1);
        else if (IsChannel(iQuantity))
        {
            Offer(pbOtherItem, iQuantity, 0);
            if (IsChannel(iPrevious))
                Offer(pbOtherItem, iPrevious, 1);
        }
    }
    const bool bY1Off = s.iAxisY1 == S::AXIS_OFF;
    const bool bBothOff = bY1Off && s.iAxisY2 == S::AXIS_OFF;
    if (s.iAxisX == S::AXIS_TIME && bBothOff)
        FallBackY1(s, S::AXIS_CHANNEL_A);
    else if (s.iAxisX == S::AXIS_CHANNEL_A && s.bCheckedA && bBothOff)
        FallBackY1(s, S::AXIS_CHANNEL_A);
    else if (s.iAxisX == S::AXIS_CHANNEL_A && !s.bCheckedA && bY1Off)
        FallBackY1(s, S::AXIS_CHANNEL_B);
    else if (s.iAxisX == S::AXIS_CHANNEL_B && bY1Off)
        FallBackY1(s, S::AXIS_CHANNEL_A);
}

int CDiagramAxisRules::ReadAveragingCount(double dValue)
{
    return dValue >= 1.0 && dValue <= MAX_AVERAGING_COUNT ? static_cast<int>(dValue) : 1;
}

int CDiagramAxisRules::LimitAveragingCount(int iCount)
{
    return iCount >= 1 && iCount <= MAX_AVERAGING_COUNT ? iCount : 1;
}
