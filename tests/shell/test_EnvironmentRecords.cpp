// Settings-record check, first-start marker, separator ids.
#include "shell/CEnvironment.h"

#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cstdint>
#include <memory>
#include <vector>

namespace
{
// A 16-byte record with its check ints at the end, as the stored settings records have them.
struct SmallRecord
{
    BYTE data[4];
    int iSizeOfStruct;
    int iSumOfStruct;
    int iWeightedSumOfStruct;
};
static_assert(sizeof(SmallRecord) == 16);

BOOL Check(SmallRecord& r, int iSize, int iMode)
{
    return CEnvironment::CheckStructSum(&r, iSize, &r.iSizeOfStruct, &r.iSumOfStruct, &r.iWeightedSumOfStruct,
                                        iMode);
}

// A record whose owner keeps four bytes behind the check ints, as one of the system's records does.
struct TailRecord
{
    int iValue;
    double dValue;
    int iSizeOfStruct;
    int iSumOfStruct;
    int iWeightedSumOfStruct;
    int iBehind;
};
static_assert(sizeof(TailRecord) == 32);

const TailRecord s_defaultRecord = {7, 2.5, 0, 0, 0, 3};

// What a record's owner does at start: take the stored block when it has the right size and passes
// the check, else its defaults.
TailRecord LoadOrDefault(CWinApp* pApp)
{
    TailRecord r = s_defaultRecord;
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!pApp->GetProfileBinary("DespiteReset", "TailRecord", &pData, &nBytes))
        return r;
    std::unique_ptr<BYTE[]> owner(pData);
    TailRecord stored;
    std::memset(&stored, 0, sizeof(stored));
    std::memcpy(&stored, pData, std::min<UINT>(nBytes, sizeof(stored)));
    if (nBytes == sizeof(stored) &&
        CEnvironment::CheckStructSum(&stored, sizeof(stored), &stored.iSizeOfStruct, &stored.iSumOfStruct,
                                     &stored.iWeightedSumOfStruct, 0))
        r = stored;
    return r;
}

void StoreRecord(CWinApp* pApp, TailRecord r, int nBytes = sizeof(TailRecord))
{
    CEnvironment::CheckStructSum(&r, sizeof(r), &r.iSizeOfStruct, &r.iSumOfStruct, &r.iWeightedSumOfStruct,
                                 1);
    pApp->WriteProfileBinary("DespiteReset", "TailRecord", reinterpret_cast<LPBYTE>(&r), nBytes);
}
} // namespace

TEST(StructSum, StoresSizeSumAndWeightedSumAndChecksThem)
{
    SmallRecord r = {{1, 2, 3, 4}, -1, -1, -1};
    EXPECT_FALSE(Check(r, 16, 1));
    EXPECT_EQ(r.iSizeOfStruct, 16);
    EXPECT_EQ(r.iSumOfStruct, 10);
    EXPECT_EQ(r.iWeightedSumOfStruct, 20); // 1 + 3 + 6 + 10
    EXPECT_TRUE(Check(r, 16, 0));
    // Storing again gives the same words: the check ints never count.
    EXPECT_FALSE(Check(r, 16, 1));
    EXPECT_EQ(r.iSumOfStruct, 10);
    EXPECT_EQ(r.iWeightedSumOfStruct, 20);
}

TEST(StructSum, AnyDifferenceFailsTheCheckAndLeavesTheRecord)
{
    SmallRecord stored = {{1, 2, 3, 4}, 0, 0, 0};
    Check(stored, 16, 1);
    struct Case
    {
        const char* pszWhat;
        void (*change)(SmallRecord&);
        int iSize;
    };
    const Case cases[] = {
        {"data byte", [](SmallRecord& r) { r.data[2] = 9; }, 16},
        {"two bytes swapped (same sum)", [](SmallRecord& r) { std::swap(r.data[0], r.data[1]); }, 16},
        {"size argument", [](SmallRecord&) {}, 12},
        {"stored size", [](SmallRecord& r) { r.iSizeOfStruct = 15; }, 16},
        {"stored sum", [](SmallRecord& r) { r.iSumOfStruct++; }, 16},
        {"stored weighted sum", [](SmallRecord& r) { r.iWeightedSumOfStruct--; }, 16},
    };
    for (const Case& c : cases)
    {
        SmallRecord r = stored;
        c.change(r);
        SmallRecord before = r;
        EXPECT_FALSE(Check(r, c.iSize, 0)) << c.pszWhat;
        EXPECT_EQ(std::memcmp(&r, &before, sizeof(r)), 0) << c.pszWhat;
    }
}

TEST(StructSum, OtherModesWriteNothing)
{
    SmallRecord r = {{1, 2, 3, 4}, 5, 6, 7};
    EXPECT_FALSE(Check(r, 16, 2));
    EXPECT_FALSE(Check(r, 16, -1));
    EXPECT_EQ(r.iSizeOfStruct, 5);
    EXPECT_EQ(r.iSumOfStruct, 6);
    EXPECT_EQ(r.iWeightedSumOfStruct, 7);
}

TEST(StructSum, SumsWrapAt32BitsAndCoverBytesBehindTheCheckInts)
{
    // 5000 bytes of 0xFF and the check ints in the middle: the weighted sum passes 2^32 and wraps.
    std::vector<BYTE> block(5012, 0xFF);
    int* pCheck = reinterpret_cast<int*>(block.data() + 2000);
    CEnvironment::CheckStructSum(block.data(), 5012, pCheck, pCheck + 1, pCheck + 2, 1);
    EXPECT_EQ(pCheck[0], 5012);
    EXPECT_EQ(pCheck[1], 5000 * 255);
    EXPECT_EQ(pCheck[2], static_cast<int>(static_cast<uint32_t>(255ull * 5000 * 5001 / 2)));
    EXPECT_TRUE(CEnvironment::CheckStructSum(block.data(), 5012, pCheck, pCheck + 1, pCheck + 2, 0));

    TailRecord r = s_defaultRecord;
    CEnvironment::CheckStructSum(&r, sizeof(r), &r.iSizeOfStruct, &r.iSumOfStruct, &r.iWeightedSumOfStruct,
                                 1);
    r.iBehind = 4;
    EXPECT_FALSE(CEnvironment::CheckStructSum(&r, sizeof(r), &r.iSizeOfStruct, &r.iSumOfStruct,
                                              &r.iWeightedSumOfStruct, 0));
}

TEST(StructSum, RecordFromTheRegistryIsTakenOnlyWhenSizeAndSumsMatch)
{
    CWinApp* pApp = AfxGetApp();
    TailRecord changed = {42, -1.25, 0, 0, 0, 9};

    StoreRecord(pApp, changed);
    TailRecord loaded = LoadOrDefault(pApp);
    EXPECT_EQ(loaded.iValue, 42);
    EXPECT_EQ(loaded.iBehind, 9);

    // A byte changed in the registry: defaults.
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(pApp->GetProfileBinary("DespiteReset", "TailRecord", &pData, &nBytes));
    std::unique_ptr<BYTE[]> owner(pData);
    pData[1] ^= 0x10;
    pApp->WriteProfileBinary("DespiteReset", "TailRecord", pData, nBytes);
    loaded = LoadOrDefault(pApp);
    EXPECT_EQ(loaded.iValue, s_defaultRecord.iValue);
    EXPECT_EQ(loaded.dValue, s_defaultRecord.dValue);

    // A block of another size (an older record layout): defaults.
    StoreRecord(pApp, changed, sizeof(TailRecord) - 4);
    EXPECT_EQ(LoadOrDefault(pApp).iValue, s_defaultRecord.iValue);
}

TEST(FirstStart, MarkerAdvancesOverTheFirstFourStarts)
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileString("Language", "IsFirstTimeOfApp", nullptr);
    const char* const expected[] = {
        "666666176937360451STR_FIRST_TIME_OF_APP_1", "649671726937360452STR_FIRST_TIME_OF_APP_2",
        "649671726937360453STR_FIRST_TIME_OF_APP_3", "\"Hello World!\"STR_FIRST_T_NO_ITS_NOT",
        "\"Hello World!\"STR_FIRST_T_NO_ITS_NOT",    "\"Hello World!\"STR_FIRST_T_NO_ITS_NOT"};
    for (int nStart = 0; nStart < 6; ++nStart)
    {
        CEnvironment env;
        EXPECT_EQ(env.CheckFirstTimeOfApp(pApp), nStart == 0) << "start " << nStart + 1;
        EXPECT_EQ(env.m_sEnvReg.bIsFirstTimeOfApp, nStart == 0 ? 1 : 0);
        EXPECT_EQ(pApp->GetProfileString("Language", "IsFirstTimeOfApp"), expected[nStart]);
    }

    pApp->WriteProfileString("Language", "IsFirstTimeOfApp", "something else");
    CEnvironment env;
    EXPECT_FALSE(env.CheckFirstTimeOfApp(pApp));
    EXPECT_EQ(env.m_sEnvReg.strFirstTimeMarker, "something else");
    EXPECT_EQ(pApp->GetProfileString("Language", "IsFirstTimeOfApp"), "something else");
    EXPECT_FALSE(env.CheckFirstTimeOfApp(nullptr));
}

TEST(Separators, IdsAreReportedOnceSet)
{
    CEnvironment env;
    EXPECT_EQ(env.GetDecimalSeparatorId(","), -2);
    EXPECT_EQ(env.GetColumnSeparatorId(";"), -2);
    env.SetDecimalSeparatorIds(0, 1);
    env.SetColumnSeparatorIds(0, 1, 2, 3, 4);
    EXPECT_EQ(env.GetDecimalSeparatorId(","), 0);
    EXPECT_EQ(env.GetDecimalSeparatorId("."), 1);
    EXPECT_EQ(env.GetDecimalSeparatorId(";"), -1);
    EXPECT_EQ(env.GetDecimalSeparatorId(""), -1);
    EXPECT_EQ(env.GetColumnSeparatorId("\t"), 0);
    EXPECT_EQ(env.GetColumnSeparatorId(";"), 1);
    EXPECT_EQ(env.GetColumnSeparatorId(","), 2);
    EXPECT_EQ(env.GetColumnSeparatorId("."), 3);
    EXPECT_EQ(env.GetColumnSeparatorId(" "), 4);
    EXPECT_EQ(env.GetColumnSeparatorId(",,"), -1);
}
