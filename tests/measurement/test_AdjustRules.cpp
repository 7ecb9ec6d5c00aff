// The rules of the measurement settings page as tables: diagram axes, trigger conditions, pass/fail
// conditions and channel selection.
#include "measurement/CChannelRules.h"
#include "measurement/CDiagramAxisRules.h"
#include "measurement/CLimitRules.h"
#include "measurement/CTriggerRules.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "protocol/CTervane_Send.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace
{
using S = MeasureAdjustStruct;
using Axis = CDiagramAxisRules;

S Record(bool bCheckedA, bool bCheckedB)
{
    S s;
    std::memset(&s, 0, sizeof(s));
    s.SetDefaults();
    s.bCheckedA = bCheckedA ? 1 : 0;
    s.bCheckedB = bCheckedB ? 1 : 0;
    s.bSavedCheckedA = s.bCheckedA;
    s.bSavedCheckedB = s.bCheckedB;
    return s;
}

// One axis as "quantity shown offered", e.g. "2 1 1010".
std::string AxisText(int iQuantity, BYTE bShown, const BYTE* pbItem)
{
    std::string str = std::to_string(iQuantity) + " " + std::to_string(bShown) + " ";
    for (int i = 0; i < 4; ++i)
        str += std::to_string(pbItem[i]);
    return str;
}
std::string X(const S& s)
{
    return AxisText(s.iAxisX, s.bAxisXShown, s.bAxisXItem);
}
std::string Y1(const S& s)
{
    return AxisText(s.iAxisY1, s.bAxisY1Shown, s.bAxisY1Item);
}
std::string Y2(const S& s)
{
    return AxisText(s.iAxisY2, s.bAxisY2Shown, s.bAxisY2Item);
}
} // namespace

// ---- Diagram axes ---------------------------------------------------------------------------------------

TEST(AxisRules, EachLayoutSetsItsOffersForTheCheckedChannels)
{
    struct Case
    {
        const char* pszName;
        bool bA, bB;
        int iAxisX;
        const char *pszX, *pszY1, *pszY2;
    };
    const Case cases[] = {
        {"N", false, false, S::AXIS_TIME, "0 0 0000", "0 0 0000", "0 0 0000"},
        {"T1 with A", true, false, S::AXIS_TIME, "1 1 0100", "2 1 0010", "0 0 0000"},
        {"T1 with B", false, true, S::AXIS_TIME, "1 1 0100", "3 1 0001", "0 0 0000"},
        {"T2", true, true, S::AXIS_TIME, "1 1 0111", "2 1 1011", "3 1 1011"},
        {"XA", true, true, S::AXIS_CHANNEL_A, "2 1 0111", "3 1 0001", "2 0 0000"},
        {"XB", true, true, S::AXIS_CHANNEL_B, "3 1 0111", "2 1 0010", "2 0 0000"},
        {"off becomes time", true, true, S::AXIS_OFF, "1 1 0111", "2 1 1011", "3 1 1011"},
        {"unknown becomes time", true, false, 7, "1 1 0100", "2 1 0010", "0 0 0000"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        S s = Record(c.bA, c.bB);
        s.iAxisX = c.iAxisX;
        Axis::ApplyXAxisRule(s, -1);
        EXPECT_EQ(X(s), c.pszX);
        EXPECT_EQ(Y1(s), c.pszY1);
        EXPECT_EQ(Y2(s), c.pszY2);
    }
    // Mode 2 forces time.
    S s = Record(true, true);
    s.iAxisX = S::AXIS_CHANNEL_B;
    Axis::ApplyXAxisRule(s, Axis::MODE_FORCE_TIME);
    EXPECT_EQ(X(s), "1 1 0111");
    // The defaults keep channel B on X with its layout.
    s = Record(true, true);
    s.iAxisX = S::AXIS_CHANNEL_B;
    s.SetDefaults();
    EXPECT_EQ(X(s), "3 1 0111");
    EXPECT_EQ(Y1(s), "2 1 0010");
}

TEST(AxisRules, RefreshKeepsValidChoicesAndFallsBackForTheChecks)
{
    struct Case
    {
        const char* pszName;
        bool bA, bB;
        int iX, iY1, iY2;
        const char *pszX, *pszY1, *pszY2;
    };
    const Case cases[] = {
        {"both, A and B kept", true, true, 1, 2, 3, "1 1 0111", "2 1 1010", "3 1 1001"},
        {"both, Y1 B and Y2 B: Y2 becomes A", true, true, 1, 3, 3, "1 1 0111", "3 1 1001", "2 1 1010"},
        {"both, Y1 A and Y2 off: Y2 becomes B", true, true, 1, 2, 0, "1 1 0111", "2 1 1010", "3 1 1001"},
        {"both, Y1 off: Y axes stay", true, true, 1, 0, 3, "1 1 0111", "0 1 1011", "3 1 1011"},
        {"B unchecked: T1 with A", true, false, 1, 2, 3, "1 1 0100", "2 1 0010", "0 0 0000"},
        {"no channel: N", false, false, 1, 2, 3, "0 0 0000", "0 0 0000", "0 0 0000"},
        {"A on X, one channel left: time", true, false, 2, 3, 2, "1 1 0100", "2 1 0010", "0 0 0000"},
        {"A on X, both: kept", true, true, 2, 3, 2, "2 1 0111", "3 1 0001", "2 0 0000"},
        {"B on X, one channel left: time", false, true, 3, 2, 2, "1 1 0100", "3 1 0001", "0 0 0000"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        S s = Record(true, true);
        s.iAxisX = c.iX;
        Axis::ApplyXAxisRule(s, -1);
        s.iAxisY1 = c.iY1;
        s.iAxisY2 = c.iY2;
        s.bCheckedA = c.bA ? 1 : 0;
        s.bCheckedB = c.bB ? 1 : 0;
        Axis::ApplyXAxisRule(s, Axis::MODE_KEEP);
        EXPECT_EQ(X(s), c.pszX);
        EXPECT_EQ(Y1(s), c.pszY1);
        EXPECT_EQ(Y2(s), c.pszY2);
    }
}

TEST(AxisRules, ChangingAnAxisMovesTheOffersAndFillsAnEmptyPlot)
{
    struct Case
    {
        const char* pszName;
        bool bA, bB;
        int iX;
        int iAxis, iQuantity;
        const char *pszX, *pszY1, *pszY2;
    };
    const Case cases[] = {
        {"Y1 B withdraws B from Y2 and offers A", true, true, 1, 1, 3, "1 1 0111", "3 1 1011", "3 1 1010"},
        {"Y1 off offers A in Y2 again", true, true, 1, 1, 0, "1 1 0111", "0 1 1011", "3 1 1011"},
        {"Y2 A withdraws A from Y1", true, true, 1, 2, 2, "1 1 0111", "2 1 1001", "2 1 1011"},
        {"both Y off with time: Y1 becomes A", true, true, 1, 2, 0, "1 1 0111", "2 1 1011", "0 1 1001"},
        {"X to channel A", true, true, 1, 0, 2, "2 1 0111", "3 1 0001", "2 0 0000"},
        {"X to channel B", true, true, 1, 0, 3, "3 1 0111", "2 1 0010", "2 0 0000"},
        {"X to time again", true, true, 2, 0, 1, "1 1 0111", "2 1 1011", "3 1 1011"},
        {"X on B, Y1 off: Y1 becomes A", true, true, 3, 1, 0, "3 1 0111", "2 1 0010", "2 0 0000"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        S s = Record(c.bA, c.bB);
        s.iAxisX = c.iX;
        Axis::ApplyXAxisRule(s, -1);
        int iLastAxisX = s.iAxisX;
        if (std::string(c.pszName) == "both Y off with time: Y1 becomes A")
            Axis::ChangeAxisQuantity(s, iLastAxisX, Axis::AXIS_Y1, 0);
        Axis::ChangeAxisQuantity(s, iLastAxisX, c.iAxis, c.iQuantity);
        EXPECT_EQ(X(s), c.pszX);
        EXPECT_EQ(Y1(s), c.pszY1);
        EXPECT_EQ(Y2(s), c.pszY2);
        EXPECT_EQ(iLastAxisX, s.iAxisX);
    }
    // X on channel A while A is not checked: Y1 off falls back to B.
    S s = Record(true, true);
    s.iAxisX = S::AXIS_CHANNEL_A;
    Axis::ApplyXAxisRule(s, -1);
    s.bCheckedA = 0;
    int iLastAxisX = s.iAxisX;
    Axis::ChangeAxisQuantity(s, iLastAxisX, Axis::AXIS_Y1, 0);
    EXPECT_EQ(s.iAxisY1, S::AXIS_CHANNEL_B);
    EXPECT_EQ(s.bAxisY2Item[S::AXIS_CHANNEL_B], 0);
}

TEST(AxisRules, AveragingCountOfZeroBecomesOne)
{
    EXPECT_EQ(Axis::ReadAveragingCount(0.0), 1);
    EXPECT_EQ(Axis::ReadAveragingCount(1.0), 1);
    EXPECT_EQ(Axis::ReadAveragingCount(2.7), 2);
    EXPECT_EQ(Axis::ReadAveragingCount(9999.0), 9999);
    EXPECT_EQ(Axis::LimitAveragingCount(0), 1);
    EXPECT_EQ(Axis::LimitAveragingCount(10000), 1);
    EXPECT_EQ(Axis::LimitAveragingCount(9999), 9999);
}

// ---- Trigger --------------------------------------------------------------------------------------------

TEST(TriggerRules, SystemTimeStartLiesFifteenSecondsAhead)
{
    constexpr __time64_t NOW = 1700000000;
    S s = Record(true, true);
    CTriggerRules::ChangeTriggerSetting(s, CTriggerRules::START_SOURCE, S::START_SYSTEM_TIME, NOW);
    EXPECT_EQ(s.tStartTime, NOW + 15);
    EXPECT_EQ(s.bStartTimeShown, 1);
    EXPECT_EQ(s.bStartValueShown, 0);
    // A picked time in the past, now itself, and 5 s ahead.
    EXPECT_EQ(CTriggerRules::PickedStartTime(NOW - 3600, NOW), NOW + 15);
    EXPECT_EQ(CTriggerRules::PickedStartTime(NOW, NOW), NOW + 15);
    EXPECT_EQ(CTriggerRules::PickedStartTime(NOW + 5, NOW), NOW + 5);
    // The picker shows a stored time only while it lies more than 15 s ahead.
    EXPECT_EQ(CTriggerRules::ShownStartTime(NOW + 10, NOW), NOW + 15);
    EXPECT_EQ(CTriggerRules::ShownStartTime(NOW + 100, NOW), NOW + 100);
}

TEST(TriggerRules, EachSourceShowsItsField)
{
    struct Case
    {
        int iWhat, iValue;
        BYTE bStartValue, bStartTime, bStopValue, bDuration, bCount;
    };
    const Case cases[] = {
        {CTriggerRules::START_SOURCE, 1, 1, 0, 0, 0, 0}, {CTriggerRules::START_SOURCE, 2, 1, 0, 0, 0, 0},
        {CTriggerRules::START_SOURCE, 0, 0, 0, 0, 0, 0}, {CTriggerRules::STOP_SOURCE, 2, 0, 0, 1, 0, 0},
        {CTriggerRules::STOP_SOURCE, 3, 0, 0, 0, 1, 0},  {CTriggerRules::STOP_SOURCE, 4, 0, 0, 0, 0, 1},
        {CTriggerRules::STOP_SOURCE, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.iWhat << "/" << c.iValue);
        S s = Record(true, true);
        s.dStartValue = s.dStopValue = 5.0;
        s.dDuration = s.dCount = 7.0;
        CTriggerRules::ChangeTriggerSetting(s, c.iWhat, c.iValue, 0);
        EXPECT_EQ(s.bStartValueShown, c.bStartValue);
        EXPECT_EQ(s.bStartTimeShown, c.bStartTime);
        EXPECT_EQ(s.bStopValueShown, c.bStopValue);
        EXPECT_EQ(s.bDurationShown, c.bDuration);
        EXPECT_EQ(s.bCountShown, c.bCount);
        EXPECT_EQ(s.dStartValue, c.bStartValue ? 0.0 : 5.0);
        EXPECT_EQ(s.dStopValue, c.bStopValue ? 0.0 : 5.0);
        EXPECT_EQ(s.dDuration, c.bDuration ? 1.0 : 7.0);
        EXPECT_EQ(s.dCount, c.bCount ? 1.0 : 7.0);
    }
}

TEST(TriggerRules, DurationUnitFollowsTheRate)
{
    for (int iCode = 0; iCode <= 19; ++iCode)
    {
        const int iExpected = iCode >= 15 && iCode <= 18 ? IDS_MINUTES
                              : iCode == 19              ? IDS_HOURS
                                                         : IDS_SECONDS;
        EXPECT_EQ(CTriggerRules::DurationUnitForRate(iCode), iExpected) << iCode;
    }
    // 2 typed at 1/min is 120 s and shows 2 again; 10/min keeps the unit.
    S s = Record(true, true);
    s.iDurationUnitId = CTriggerRules::DurationUnitForRate(18);
    double dField = 2.0;
    EXPECT_FALSE(CTriggerRules::ReadDuration(s, dField));
    EXPECT_EQ(s.dDuration, 120.0);
    s.iDurationUnitId = CTriggerRules::DurationUnitForRate(17);
    EXPECT_EQ(CTriggerRules::DurationInUnit(s), 2.0);
    // 0 becomes 1; a duration beyond INT_MAX seconds is held there.
    dField = 0.0;
    EXPECT_TRUE(CTriggerRules::ReadDuration(s, dField));
    EXPECT_EQ(dField, 1.0);
    EXPECT_EQ(s.dDuration, 60.0);
    dField = 999999999999999.0;
    EXPECT_TRUE(CTriggerRules::ReadDuration(s, dField));
    EXPECT_EQ(s.dDuration, INT_MAX);
    EXPECT_EQ(dField, INT_MAX / 60);
    dField = 99999999999.0;
    EXPECT_TRUE(CTriggerRules::ReadCount(s, dField));
    EXPECT_EQ(s.dCount, INT_MAX);
    dField = 1000.0;
    EXPECT_FALSE(CTriggerRules::ReadCount(s, dField));
    EXPECT_EQ(s.dCount, 1000.0);
}

TEST(TriggerRules, InfoTextsOfDurationAndCount)
{
    struct Case
    {
        double dDuration, dCount, dPeriod;
        int iUnit, iAveraging, iLanguage;
        const char *pszDuration, *pszCount;
    };
    const Case cases[] = {
        {10.0, 1000.0, 0.01, IDS_SECONDS, 1, LANGUAGE_GERMAN, "sek (1000 Messpunkte)", "Messpunkte (10 sek)"},
        {10.0, 1000.0, 0.01, IDS_SECONDS, 4, LANGUAGE_GERMAN, "sek (250 Messpunkte)", "Messpunkte (40 sek)"},
        {1.0, 1.0, 1.0 / 185, IDS_SECONDS, 1, LANGUAGE_GERMAN, "sek (185 Messpunkte)",
         "Messpunkte (0,0054 sek)"},
        {1.0, 1.0, 1.0 / 185, IDS_SECONDS, 1, LANGUAGE_ENGLISH, "sek (185 Messpunkte)",
         "Messpunkte (0.0054 sek)"},
        {120.0, 3.0, 60.0, IDS_MINUTES, 1, LANGUAGE_GERMAN, "min (2 Messpunkte)", "Messpunkte (3 min)"},
        // Beyond 1e11 values the short word; the count is printed in 64 bits.
        {2147483647.0, 1.0, 0.0002, IDS_SECONDS, 1, LANGUAGE_GERMAN, "sek (10737418235000 MP)",
         "Messpunkte (0,0002 sek)"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszDuration);
        S s = Record(true, true);
        s.dDuration = c.dDuration;
        s.dCount = c.dCount;
        s.dSamplePeriod = c.dPeriod;
        s.iDurationUnitId = c.iUnit;
        const CString strUnit = c.iUnit == IDS_MINUTES ? "min" : "sek";
        EXPECT_EQ(CTriggerRules::DurationInfo(s, c.iAveraging, strUnit, "Messpunkte", "MP"), c.pszDuration);
        EXPECT_EQ(CTriggerRules::CountInfo(s, c.iAveraging, c.iLanguage, strUnit, "Messpunkte"), c.pszCount);
    }
}

TEST(TriggerRules, ConditionsResetAfterAChangeOfPortSensorOrChecks)
{
    struct Case
    {
        const char* pszName;
        const char* pszPort;
        ULONG ulSerial;
        bool bUncheckB;
        bool bReset;
    };
    const Case cases[] = {
        {"same port, sensor and checks", "COM5", 4711, false, false},
        {"other port", "COM6", 4711, false, true},
        {"other sensor", "COM5", 4712, false, true},
        {"other checks", "COM5", 4711, true, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        S s = Record(true, true);
        CTriggerRules::ChangeTriggerSetting(s, CTriggerRules::START_SOURCE, S::SOURCE_CHANNEL_A, 0);
        CTriggerRules::ChangeTriggerSetting(s, CTriggerRules::STOP_SOURCE, S::STOP_COUNT, 0);
        CTriggerRules::LastConnection last{"COM5", 4711};
        if (c.bUncheckB)
            s.bCheckedB = 0;
        EXPECT_EQ(CTriggerRules::ResetTriggerSettings(s, 1, last, c.pszPort, c.ulSerial), c.bReset);
        EXPECT_EQ(s.iStartSource, c.bReset ? S::SOURCE_OFF : S::SOURCE_CHANNEL_A);
        EXPECT_EQ(s.iStopSource, c.bReset ? S::SOURCE_OFF : S::STOP_COUNT);
        EXPECT_EQ(last.strPort, c.pszPort);
        EXPECT_EQ(last.ulSerialNo, c.ulSerial);
        if (c.bUncheckB)
        {
            const BYTE abStart[4] = {1, 1, 0, 1};
            EXPECT_EQ(std::memcmp(s.bStartSourceItem, abStart, 4), 0);
        }
    }
    // No channel checked: not even "off" is offered.
    S s = Record(false, false);
    CTriggerRules::LastConnection last;
    EXPECT_TRUE(CTriggerRules::ResetTriggerSettings(s, 0, last, "COM5", 1));
    const BYTE abNone[5] = {0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(s.bStopSourceItem, abNone, 5), 0);
    EXPECT_FALSE(CTriggerRules::ResetTriggerSettings(s, 7, last, "COM5", 1));
}

// ---- Pass/fail conditions -------------------------------------------------------------------------------

TEST(LimitRules, ConditionStatesFromTheLimitTexts)
{
    struct Case
    {
        const char* apszLimit[4];
        int iState;
        bool bOff0, bOff1, bOff2;
    };
    const Case cases[] = {
        {{"", "", "", ""}, 0, true, true, true},        {{"1", "", "", ""}, 1, false, false, true},
        {{"", "2", "", ""}, 1, false, false, true},     {{"", "", "", "3"}, 2, false, true, false},
        {{"", "", "1", "3"}, 2, false, true, false},    {{"1", "", "", "3"}, 3, false, false, false},
        {{"1", "2", "3", "4"}, 3, false, false, false},
    };
    for (const Case& c : cases)
    {
        const CString astr[4] = {c.apszLimit[0], c.apszLimit[1], c.apszLimit[2], c.apszLimit[3]};
        const int iState = CLimitRules::ConditionState(astr);
        EXPECT_EQ(iState, c.iState);
        EXPECT_EQ(CLimitRules::IsConditionOff(iState, 0), c.bOff0);
        EXPECT_EQ(CLimitRules::IsConditionOff(iState, 1), c.bOff1);
        EXPECT_EQ(CLimitRules::IsConditionOff(iState, 2), c.bOff2);
        EXPECT_TRUE(CLimitRules::IsConditionOff(iState, 3));
    }
}

TEST(LimitRules, AConditionIsClearedWhenItsChannelIsUnchecked)
{
    struct Case
    {
        bool bA, bB;
        int iMeasurand1;
        bool bFirst, bSecond;
    };
    const Case cases[] = {
        {true, true, 1, false, false}, {true, false, 1, true, true},  {true, false, 0, false, true},
        {false, true, 0, true, true},  {false, true, 1, false, true}, {true, false, -1, false, true},
    };
    for (const Case& c : cases)
    {
        const CLimitRules::SwitchOff off = CLimitRules::ConditionsToSwitchOff(c.bA, c.bB, c.iMeasurand1);
        EXPECT_EQ(off.bFirst, c.bFirst) << c.bA << c.bB << c.iMeasurand1;
        EXPECT_EQ(off.bSecond, c.bSecond) << c.bA << c.bB << c.iMeasurand1;
    }
}

TEST(LimitRules, StoredMeasurandIndexIsRangeChecked)
{
    struct Case
    {
        const char* pszStored;
        int iIndex;
    };
    const Case cases[] = {{"0", 0},       {"1", 1},    {"-1", -1}, {"2", -1},
                          {"999999", -1}, {"n.a.", 0}, {"", 0},    {"99999999999999999999", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(CLimitRules::ReadMeasurandIndex(c.pszStored), c.iIndex) << c.pszStored;
}

// ---- Channels -------------------------------------------------------------------------------------------

TEST(ChannelRules, FirstRateCodeBySensorRevisionAndBaudRate)
{
    struct Case
    {
        int iType, iRev;
        long lBaud;
        bool bA, bB;
        int iFirst;
    };
    const Case cases[] = {
        {4, 9, 230400, true, true, 13},  {5, 4, 230400, true, false, 13}, {5, 3, 115200, true, true, 13},
        {5, 5, 230400, true, false, 0},  {5, 6, 230400, false, true, 0},  {5, 6, 115200, true, false, 1},
        {5, 6, 230400, true, true, 1},   {5, 6, 115200, true, true, 2},   {5, 6, 115200, false, false, 2},
        {6, 1, 230400, false, false, 1}, {7, 1, -1, true, false, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CChannelRules::FirstRateCode(c.iType, c.iRev, c.lBaud, c.bA, c.bB), c.iFirst)
            << c.iType << "/" << c.iRev << "/" << c.lBaud << "/" << c.bA << c.bB;
    // A stored code below the first, or beyond the offered ones, becomes the first.
    EXPECT_EQ(CChannelRules::RateInList(0, 2), 2);
    EXPECT_EQ(CChannelRules::RateInList(19, 13), 13);
    EXPECT_EQ(CChannelRules::RateInList(18, 13), 18);
    EXPECT_EQ(CChannelRules::RateInList(6, 2), 6);
}

TEST(ChannelRules, LowPassFilterFromRevisionSevenAndItsEntry)
{
    EXPECT_FALSE(CChannelRules::HasLowPassFilter(5, 6));
    EXPECT_TRUE(CChannelRules::HasLowPassFilter(5, 7));
    EXPECT_FALSE(CChannelRules::HasLowPassFilter(4, 9));
    // A stored cut-off of 500 Hz selects the 1000 Hz entry.
    EXPECT_EQ(CTervane_Send::TerSend_LowPassCodeToHz(CTervane_Send::TerSend_LowPassHzToCode(500)), 1000);
    EXPECT_EQ(CTervane_Send::TerSend_LowPassCodeToHz(CTervane_Send::TerSend_LowPassHzToCode(3000)), 3000);
}

TEST(ChannelRules, TheLastCheckedChannelCannotBeUnchecked)
{
    S s = Record(true, false);
    BYTE byShownA = 1;
    BYTE byShownB = 2;
    EXPECT_TRUE(CChannelRules::ClickChannel(s, 0, false, byShownA, byShownB));
    EXPECT_EQ(s.bCheckedA, 0);
    EXPECT_EQ(s.bCheckedB, 1);
    EXPECT_EQ(byShownA, 2);
    EXPECT_EQ(byShownB, 1);
    // With both checked, unchecking one leaves the other.
    s = Record(true, true);
    byShownA = byShownB = 1;
    EXPECT_FALSE(CChannelRules::ClickChannel(s, 1, false, byShownB, byShownA));
    EXPECT_EQ(s.bCheckedA, 1);
    EXPECT_EQ(s.bCheckedB, 0);
    EXPECT_EQ(byShownB, 2);
    EXPECT_EQ(byShownA, 1);
    EXPECT_FALSE(CChannelRules::ClickChannel(s, 1, true, byShownB, byShownA));
    EXPECT_EQ(byShownB, 1);
}

TEST(ChannelRules, ChecksFollowTheConnectionAndComeBackAfterIt)
{
    S s = Record(false, true);
    bool bPending = false;
    CChannelRules::ApplyChannelChecks(s, false, false, bPending);
    EXPECT_TRUE(bPending);
    EXPECT_EQ(s.bCheckedA + s.bCheckedB + s.bEnabledA + s.bEnabledB, 0);
    EXPECT_EQ(s.bVisibleA + s.bVisibleB, 2);
    CChannelRules::ApplyChannelChecks(s, true, false, bPending);
    EXPECT_FALSE(bPending);
    EXPECT_EQ(s.bCheckedA, 0);
    EXPECT_EQ(s.bCheckedB, 1);
    EXPECT_EQ(s.bEnabledA + s.bEnabledB + s.bSpareA + s.bSpareB, 4);
    // A one-channel interface: A checked and fixed, B hidden.
    CChannelRules::ApplyChannelChecks(s, true, true, bPending);
    EXPECT_EQ(std::string() + char('0' + s.bCheckedA) + char('0' + s.bCheckedB) + char('0' + s.bEnabledA) +
                  char('0' + s.bVisibleB),
              "1000");
    // Neither checked on a connected sensor: A.
    s = Record(false, false);
    CChannelRules::ApplyChannelChecks(s, true, false, bPending);
    EXPECT_EQ(s.bCheckedA, 1);
}

TEST(ChannelRules, UnitListLeavesOutAnUnsetScalingSlot)
{
    ChannelSettingsStruct c;
    const char* const apszUnit[] = {"kN·m", "N·m", "cN·m", "mV/V"};
    for (int i = 0; i < 3; ++i)
    {
        c.iUnitId[i] = 5091 + i;
        c.strUnit[i] = apszUnit[i];
        c.dUnitFactor[i] = 1.0;
    }
    c.iUnitCount = 3;
    c.iUnitId[3] = 1;
    c.strUnit[3] = "lbs";
    c.dUnitFactor[3] = 0.0;
    for (int i = 4; i < CHANNEL_UNIT_SLOTS; ++i)
        c.iUnitId[i] = -6;
    EXPECT_EQ(CChannelRules::UnitEntries(c).size(), 3U);
    c.dUnitFactor[3] = 0.5;
    const auto entries = CChannelRules::UnitEntries(c);
    ASSERT_EQ(entries.size(), 4U);
    EXPECT_EQ(entries[3].strText, "[lbs]");
    EXPECT_EQ(entries[3].iCode, 3);
    // A pending reset selects the scaling slot once; a selection beyond the list becomes 0.
    BYTE bPending = 1;
    c.iSelectedUnit = 1;
    EXPECT_EQ(CChannelRules::SelectUnit(c, bPending, 3), 3);
    EXPECT_EQ(bPending, 0);
    c.iSelectedUnit = 9;
    EXPECT_EQ(CChannelRules::SelectUnit(c, bPending, 2), 0);
    EXPECT_EQ(c.iSelectedUnit, 0);
    EXPECT_EQ(CChannelRules::ScalingButtonTextId(false, 0.5), IDS_CREATE);
    EXPECT_EQ(CChannelRules::ScalingButtonTextId(true, 0.0), IDS_CREATE);
    EXPECT_EQ(CChannelRules::ScalingButtonTextId(true, 0.5), IDS_CHANGE);
}
