#include "measurement/CLimitRules.h"

#include <cstdlib>

int CLimitRules::ConditionState(const CString astrLimit[4])
{
    const bool bFirst = !astrLimit[0].IsEmpty() || !astrLimit[1].IsEmpty();
    const bool bSecond = !astrLimit[2].IsEmpty() || !astrLimit[3].IsEmpty();
    if (!bFirst && !bSecond)
        return 0;
    if (!bSecond)
        return 1;
    return bFirst ? 3 : 2;
}

bool CLimitRules::IsConditionOff(int iConditionState, int iWhich)
{
    switch (iWhich)
    {
        case 0:
            return iConditionState == 0;
        case 1:
            return iConditionState == 0 || iConditionState == 2;
        case 2:
            return iConditionState == 0 || iConditionState == 1;
        default:
            return true;
    }
}

int CLimitRules::ReadMeasurandIndex(const CString& strStored)
{
    const long lIndex = std::strtol(strStored, nullptr, 10);
    return lIndex == 0 || lIndex == 1 ? static_cast<int>(lIndex) : -1;
}

CLimitRules::SwitchOff CLimitRules::ConditionsToSwitchOff(bool bCheckedA, bool bCheckedB, int iMeasurand1)
{
    if (bCheckedA && bCheckedB)
        return {false, false};
    const bool bFirst = (iMeasurand1 == 0 && !bCheckedA) || (iMeasurand1 == 1 && !bCheckedB);
    return {bFirst, true};
}
