// The stored measurement records and the panel's run-time record: defaults, check sums and the size
// of a stored copy.
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasureDgrmStruct.h"
#include "measurement/MeasurePanelState.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

namespace
{
std::vector<BYTE> Items(const BYTE* pb, size_t n)
{
    return std::vector<BYTE>(pb, pb + n);
}

using Bytes = std::vector<BYTE>;
} // namespace

TEST(MeasureAdjustRecord, DefaultsCheckBothChannelsPlotTimeAndSetNoTrigger)
{
    MeasureAdjustStruct s{};
    s.dSamplePeriod = 0.25;
    s.SetDefaults();
    EXPECT_EQ(Bytes({1, 1, 0, 1, 0, 1, 1, 0, 1, 0}), Items(&s.bCheckedA, 10));
    EXPECT_EQ(MeasureAdjustStruct::AXIS_TIME, s.iAxisX);
    EXPECT_EQ(Bytes({0, 1, 1, 1}), Items(s.bAxisXItem, 4));
    EXPECT_EQ(MeasureAdjustStruct::AXIS_CHANNEL_A, s.iAxisY1);
    EXPECT_EQ(Bytes({1, 0, 1, 1}), Items(s.bAxisY1Item, 4));
    EXPECT_EQ(MeasureAdjustStruct::AXIS_CHANNEL_B, s.iAxisY2);
    EXPECT_EQ(1, s.bAxisY2Shown);
    EXPECT_EQ(0, s.iStartSource);
    EXPECT_EQ(Bytes({1, 1, 1, 1}), Items(s.bStartSourceItem, 4));
    EXPECT_EQ(Bytes({1, 1, 1, 1, 1}), Items(s.bStopSourceItem, 5));
    EXPECT_EQ(Bytes({1, 1}), Items(s.bStopDirectionItem, 2));
    EXPECT_EQ(0, s.bStartValueShown);
    EXPECT_EQ(5190, s.iDurationUnitId);
    EXPECT_EQ(1.0, s.dDuration);
    EXPECT_EQ(1.0, s.dCount);
    EXPECT_EQ(0.0, s.dStartValue);
    EXPECT_EQ(0.25, s.dSamplePeriod) << "not set by the defaults";
}

TEST(MeasureAdjustRecord, DefaultsKeepAChannelOnTheXAxisWithItsLayout)
{
    MeasureAdjustStruct s{};
    s.iAxisX = MeasureAdjustStruct::AXIS_CHANNEL_B;
    s.SetDefaults();
    EXPECT_EQ(MeasureAdjustStruct::AXIS_CHANNEL_B, s.iAxisX);
    EXPECT_EQ(MeasureAdjustStruct::AXIS_CHANNEL_A, s.iAxisY1);
    EXPECT_EQ(Bytes({0, 0, 1, 0}), Items(s.bAxisY1Item, 4));
    EXPECT_EQ(0, s.bAxisY2Shown);

    s.iAxisX = 9;
    s.SetDefaults();
    EXPECT_EQ(MeasureAdjustStruct::AXIS_TIME, s.iAxisX);
}

TEST(MeasureAdjustRecord, TimeLayoutFollowsTheCheckedChannels)
{
    MeasureAdjustStruct s{};
    s.bCheckedB = 1;
    s.SetAxisLayout(MeasureAdjustStruct::AXIS_TIME);
    EXPECT_EQ(MeasureAdjustStruct::AXIS_CHANNEL_B, s.iAxisY1);
    EXPECT_EQ(Bytes({0, 0, 0, 1}), Items(s.bAxisY1Item, 4));
    EXPECT_EQ(Bytes({0, 1, 0, 0}), Items(s.bAxisXItem, 4));
    EXPECT_EQ(0, s.bAxisY2Shown);
    s.ResetTriggerSettings();
    EXPECT_EQ(Bytes({1, 0, 1, 1}), Items(s.bStartSourceItem, 4));

    s.bCheckedB = 0;
    s.SetAxisLayout(MeasureAdjustStruct::AXIS_TIME);
    EXPECT_EQ(MeasureAdjustStruct::AXIS_OFF, s.iAxisX);
    EXPECT_EQ(0, s.bAxisXShown);
    s.ResetTriggerSettings();
    EXPECT_EQ(Bytes({0, 0, 0, 0, 0}), Items(s.bStopSourceItem, 5));
}

TEST(MeasureAdjustRecord, CheckSumsCoverEveryByteButTheCheckIntsPaddingIncluded)
{
    MeasureAdjustStruct s{};
    EXPECT_FALSE(s.HasValidCheckSums()) << "a record never stored does not pass";
    s.SetDefaults();
    s.StoreCheckSums();
    EXPECT_EQ(208, s.iSizeOfStruct);
    EXPECT_TRUE(s.HasValidCheckSums());

    BYTE* pb = reinterpret_cast<BYTE*>(&s);
    for (const size_t iByte : {size_t(10), size_t(147), size_t(204), size_t(207)})
    {
        MeasureAdjustStruct changed = s;
        reinterpret_cast<BYTE*>(&changed)[iByte] ^= 0x40;
        EXPECT_FALSE(changed.HasValidCheckSums()) << "byte " << iByte;
    }
    std::swap(pb[2], pb[3]); // 0, 1 -> 1, 0: the same sum, another weighted sum
    EXPECT_FALSE(s.HasValidCheckSums());
}

TEST(MeasureAdjustRecord, StoredCopyIsTakenOnlyWithTheRecordsSize)
{
    MeasureAdjustStruct stored{};
    stored.SetDefaults();
    stored.dStartValue = 12.5;
    stored.StoreCheckSums();
    const BYTE* pb = reinterpret_cast<const BYTE*>(&stored);

    MeasureAdjustStruct s{};
    EXPECT_FALSE(s.TakeStoredBytes(pb, 207));
    EXPECT_FALSE(s.TakeStoredBytes(pb, 209));
    EXPECT_EQ(0.0, s.dStartValue);
    EXPECT_TRUE(s.TakeStoredBytes(pb, 208));
    EXPECT_EQ(12.5, s.dStartValue);
    EXPECT_TRUE(s.HasValidCheckSums());
}

TEST(MeasureDgrmRecord, CheckSumsOfTheOptionBytes)
{
    const struct
    {
        BYTE bAutoRepeat;
        BYTE bLocked;
        int iSum;
        int iWeighted;
    } cases[] = {{1, 0, 1, 4}, {1, 1, 2, 7}, {0, 0, 0, 0}};
    for (const auto& c : cases)
    {
        MeasureDgrmStruct s{};
        s.bTriggerAutoRepeat = c.bAutoRepeat;
        s.bAutoRepeatLocked = c.bLocked;
        s.StoreCheckSums();
        EXPECT_EQ(16, s.iSizeOfStruct);
        EXPECT_EQ(c.iSum, s.iSumOfStruct);
        EXPECT_EQ(c.iWeighted, s.iWeightedSumOfStruct);
        EXPECT_TRUE(s.HasValidCheckSums());
    }
}

TEST(MeasureDgrmRecord, DefaultsAndStoredCopies)
{
    MeasureDgrmStruct stored{};
    stored.bTriggerAutoRepeat = 1;
    stored.StoreCheckSums();
    MeasureDgrmStruct s{};
    EXPECT_FALSE(s.TakeStoredBytes(reinterpret_cast<const BYTE*>(&stored), 15));
    EXPECT_TRUE(s.TakeStoredBytes(reinterpret_cast<const BYTE*>(&stored), 16));
    EXPECT_EQ(1, s.bTriggerAutoRepeat);
    s.bAutoRepeatLocked = 1;
    s.SetDefaults();
    EXPECT_EQ(0, s.bTriggerAutoRepeat);
    EXPECT_EQ(1, s.bAutoRepeatLocked);
}

TEST(MeasurePanelRecord, DefaultsClearEveryField)
{
    MeasurePanelState s;
    s.bRunning = s.bTriggerActive = s.bTrggrWasActivLastTime = s.bTriggerOn = s.bCtrlRequest = 1;
    s.iTriggerLed = 2;
    s.iCtrlLed = 1;
    std::memset(s.sIsVisible, 1, sizeof(s.sIsVisible));
    s.SetDefaults();
    EXPECT_EQ(Bytes({0, 0, 0, 0, 0}),
              Bytes({s.bRunning, s.bTriggerActive, s.bTrggrWasActivLastTime, s.bTriggerOn, s.bCtrlRequest}));
    EXPECT_EQ(0, s.iTriggerLed);
    EXPECT_EQ(0, s.iCtrlLed);
    EXPECT_EQ(Bytes({0, 0, 0, 0, 0}), Items(s.sIsVisible, 5));
}
