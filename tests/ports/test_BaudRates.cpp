#include "ports/CFakeBaud2.h"
#include "ports/CPortManGui.h"

#include <gtest/gtest.h>

TEST(BaudRateText, NamesTheTableRatesAndFormatsOthers)
{
    CPortManGui manager(nullptr, 0, 0, true, 0);
    const struct
    {
        DWORD dwRate;
        const char* pszText;
    } aCases[] = {{110, "110"},       {9600, "9600"},     {14400, "14.4k"},
                  {115200, "115.2k"}, {230400, "230.4k"}, {921600, "921.6k"},
                  {500000, "500K"},   {9601, "9601"},     {166600, "166600"}};
    for (const auto& test : aCases)
    {
        manager.m_dcb.BaudRate = test.dwRate;
        EXPECT_EQ(CString(test.pszText), manager.GetBaudRateText()) << test.dwRate;
    }
}

TEST(BaudTranslation, IdentityForEveryPortUnlessEntered)
{
    const int iEntries = GetBaudTranslationCount();
    EXPECT_EQ(115200, TranslateBaudRate("COM5", 115200));
    EXPECT_EQ(230400, TranslateBaudRate("COM77   never seen", 230400));
    EXPECT_EQ(iEntries, GetBaudTranslationCount()) << "a port without a translation gets no entry";

    CFakeBaud2 pairs;
    pairs.m_ucIdentity = 0;
    pairs.m_aPairs[0] = {125000, 115200};
    EXPECT_EQ(125000, pairs.Translate(115200));
    EXPECT_EQ(9600, pairs.Translate(9600));

    CFakeBaud2 halved;
    halved.m_ucIdentity = 0;
    halved.m_dFactor = 0.5;
    EXPECT_EQ(4800, halved.Translate(9601));
    pairs.m_ucIdentity = 1;
    EXPECT_EQ(115200, pairs.Translate(115200));
}

TEST(BaudTranslation, FormatsOnlyEntriesThatTranslate)
{
    CFakeBaud2 entry;
    EXPECT_TRUE(entry.Format().IsEmpty());
    entry.m_ucIdentity = 0;
    EXPECT_TRUE(entry.Format().IsEmpty());
    entry.m_dFactor = 2.5;
    EXPECT_EQ(CString(",0,2.5,4,0,0,0,0,0,0,0,0"), entry.Format());
    entry.m_dFactor = 1.0;
    entry.m_aPairs[1] = {125000, 115200};
    EXPECT_EQ(CString(",0,1,4,0,0,125000,115200,0,0,0,0"), entry.Format());
}
