// The rules of the pass/fail (IO/NIO) conditions of the measurement settings page: which conditions
// hold a limit text, and the stored measurand index of a condition.
#pragma once

#include "framework/CString.h"

class CLimitRules
{
public:
    // 0 no condition holds a limit text, 1 only condition 1, 2 only condition 2, 3 both. The texts are
    // lower 1, upper 1, lower 2, upper 2.
    static int ConditionState(const CString astrLimit[4]);
    // iWhich 0: true when no condition holds limits; 1 or 2: when that condition holds none; any other
    // value: true.
    static bool IsConditionOff(int iConditionState, int iWhich);
    // A stored measurand index as the C library reads it ("n.a." and other non-numbers give 0); an
    // index other than 0 (channel A) or 1 (channel B) gives -1, no measurand.
    static int ReadMeasurandIndex(const CString& strStored);

    // Which conditions the channel checks switch off: the second whenever not both channels are
    // checked, the first when its measurand (-1 none, 0 A, 1 B) is a channel that is not checked.
    struct SwitchOff
    {
        bool bFirst;
        bool bSecond;
    };
    static SwitchOff ConditionsToSwitchOff(bool bCheckedA, bool bCheckedB, int iMeasurand1);
};
