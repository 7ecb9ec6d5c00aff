#include "measurement/CChannelRules.h"

#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/SensorStruct.h"

namespace
{
constexpr BYTE SHOWN_NOT_OFFERED = 2;
constexpr long BAUD_230400 = 230400;
} // namespace

bool CChannelRules::HasDigitalInput(const SensorStruct& s)
{
    return s.ucInterfaceKind != 0 && s.ucNoDigitalInput == 0 && s.ucStatorType == 5;
}

bool CChannelRules::IsOneChannelQbx(const SensorStruct& s)
{
    return s.ucInterfaceKind != 0 && s.ucNoDigitalInput != 0 && s.ucStatorType == 5;
}

void CChannelRules::ApplyChannelChecks(MeasureAdjustStruct& s, bool bConnected, bool bOneChannelQbx,
                                       bool& bSavedCopyPending)
{
    if (!bConnected)
    {
        if (!bSavedCopyPending)
        {
            s.bSavedCheckedA = s.bCheckedA;
            s.bSavedCheckedB = s.bCheckedB;
            bSavedCopyPending = true;
        }
        s.bCheckedA = s.bCheckedB = 0;
        s.bEnabledA = s.bEnabledB = 0;
        s.bVisibleA = s.bVisibleB = 1;
    }
    else if (bOneChannelQbx)
    {
        s.bCheckedA = 1;
        s.bCheckedB = 0;
        s.bEnabledA = 0;
        s.bEnabledB = 1;
        s.bVisibleA = 1;
        s.bVisibleB = 0;
    }
    else
    {
        if (bSavedCopyPending)
        {
            s.bCheckedA = s.bSavedCheckedA;
            s.bCheckedB = s.bSavedCheckedB;
            bSavedCopyPending = false;
        }
        else
        {
            s.bSavedCheckedA = s.bCheckedA;
            s.bSavedCheckedB = s.bCheckedB;
        }
        if (!s.bCheckedA && !s.bCheckedB)
            s.bCheckedA = 1;
        s.bEnabledA = s.bEnabledB = 1;
        s.bVisibleA = s.bVisibleB = 1;
    }
    s.bSpareA = s.bSpareB = 1;
}

void CChannelRules::TakeShownStates(MeasureAdjustStruct& s, BYTE byShownA, BYTE byShownB)
{
    s.bCheckedA = byShownA <= 1 ? 1 : 0;
    s.bCheckedB = byShownB <= 1 ? 1 : 0;
}

bool CChannelRules::ClickChannel(MeasureAdjustStruct& s, int iChannel, bool bChecked, BYTE& byShownThis,
                                 BYTE& byShownOther)
{
    BYTE& bThis = iChannel == 0 ? s.bCheckedA : s.bCheckedB;
    BYTE& bOther = iChannel == 0 ? s.bCheckedB : s.bCheckedA;
    bThis = bChecked ? 1 : 0;
    if (bThis || bOther)
    {
        byShownThis = bThis ? 1 : SHOWN_NOT_OFFERED;
        return false;
    }
    bOther = 1;
    byShownThis = SHOWN_NOT_OFFERED;
    byShownOther = 1;
    return true;
}

int CChannelRules::FirstRateCode(int iStatorType, int iStatorRev, long lBaudrate, bool bCheckedA,
                                 bool bCheckedB)
{
    if (iStatorType == 4 || (iStatorType == 5 && iStatorRev <= 4))
        return 13;
    const bool bFast = lBaudrate == BAUD_230400;
    if (bCheckedA != bCheckedB)
        return bFast ? 0 : 1;
    return bFast ? 1 : 2;
}

int CChannelRules::RateInList(int iCurrent, int iFirst)
{
    return iCurrent >= iFirst && iCurrent <= LAST_OFFERED_RATE ? iCurrent : iFirst;
}

bool CChannelRules::HasLowPassFilter(int iStatorType, int iStatorRev)
{
    return iStatorType == 5 && iStatorRev >= 7;
}

std::vector<CChannelRules::UnitEntry> CChannelRules::UnitEntries(const ChannelSettingsStruct& c)
{
    std::vector<UnitEntry> entries;
    for (int iSlot = 0; iSlot < CHANNEL_UNIT_SLOTS && c.iUnitId[iSlot] >= 0; ++iSlot)
    {
        if (iSlot != c.iUnitCount)
            entries.push_back({c.strUnit[iSlot], iSlot});
        else if (c.dUnitFactor[iSlot] != 0.0)
            entries.push_back({"[" + c.strUnit[iSlot] + "]", iSlot});
    }
    return entries;
}

int CChannelRules::SelectUnit(ChannelSettingsStruct& c, BYTE& bUnitResetPending, int iLastCode)
{
    if (bUnitResetPending)
    {
        c.iSelectedUnit = c.iUnitCount;
        bUnitResetPending = 0;
    }
    if (c.iSelectedUnit < 0 || c.iSelectedUnit > iLastCode)
        c.iSelectedUnit = 0;
    return c.iSelectedUnit;
}

int CChannelRules::ScalingButtonTextId(bool bHasScaling, double dSlotFactor)
{
    return bHasScaling && dSlotFactor != 0.0 ? IDS_CHANGE : IDS_CREATE;
}
