// The documentation settings' rules without a window: separator texts and defaults, the decimal
// separator of number texts, the time-stamped file names and the storage summary.
#include "protocol/Language.h"
#include "storage/CDocumentationRules.h"
#include "storage/DocumentationStruct.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace
{
using R = CDocumentationRules;

TEST(DocumentationRules, LineEndAndSeparatorTexts)
{
    EXPECT_STREQ(R::LineEndText(0), "\r\n");
    EXPECT_STREQ(R::LineEndText(1), "\n\r");
    EXPECT_STREQ(R::LineEndText(2), "\r");
    EXPECT_STREQ(R::LineEndText(3), "\n");
    EXPECT_STREQ(R::LineEndText(4), "\t\t\t default");
    const char* const apszColumns[] = {"\t", ";", ",", ".", " "};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(R::ColumnSeparatorText(i), apszColumns[i]) << i;
    EXPECT_STREQ(R::ColumnSeparatorText(-1), "\t\t\t default");
    EXPECT_EQ(R::DecimalSeparatorChar(0), ',');
    EXPECT_EQ(R::DecimalSeparatorChar(1), '.');
    EXPECT_EQ(R::DecimalSeparatorChar(2), '$');
}

TEST(DocumentationRules, ApplyDecimalSeparatorChangesOnlyTheOtherMark)
{
    EXPECT_STREQ(R::ApplyDecimalSeparator("0.25", ','), "0,25");
    EXPECT_STREQ(R::ApplyDecimalSeparator("0,25", '.'), "0.25");
    EXPECT_STREQ(R::ApplyDecimalSeparator("0.25", '.'), "0.25");
    EXPECT_STREQ(R::ApplyDecimalSeparator("100", ','), "100");
    // A point wins over a comma.
    EXPECT_STREQ(R::ApplyDecimalSeparator("1,000.5", ','), "1,000,5");
}

// Language defaults, then the locale's codes where they name a character; a clashing pair falls back.
TEST(DocumentationRules, SeparatorDefaultsByLanguageThenLocale)
{
    const struct
    {
        int iLanguage, iLocaleDecimal, iLocaleColumn, iColumn, iDecimal;
    } cases[] = {
        {LANGUAGE_GERMAN, -2, -2, 1, 0}, // no locale read yet
        {LANGUAGE_ENGLISH, -2, -2, 2, 1},
        {LANGUAGE_FRENCH, -1, -1, 1, 0}, // "|" and another mark: the language's
        {LANGUAGE_GERMAN, 0, 1, 1, 0},   // German locale
        {LANGUAGE_GERMAN, 1, 2, 2, 1},   // English locale under a German interface
        {LANGUAGE_ENGLISH, 0, 1, 1, 0},  // German locale under an English interface
        {LANGUAGE_GERMAN, 0, 0, 0, 0},   // TAB
        {LANGUAGE_GERMAN, 0, 4, 4, 0},   // blank
        {LANGUAGE_ENGLISH, 0, 2, 1, 0},  // "," with ",": falls back to ";"
        {LANGUAGE_GERMAN, 1, 3, 2, 1},   // "." with ".": falls back to ","
        {LANGUAGE_ENGLISH, -1, 3, 2, 1}, // "." from the locale with the English "."
    };
    for (const auto& c : cases)
    {
        int32_t iColumn = -9, iDecimal = -9;
        R::DefaultSeparators(c.iLanguage, c.iLocaleDecimal, c.iLocaleColumn, iColumn, iDecimal);
        EXPECT_EQ(iColumn, c.iColumn) << c.iLanguage << " " << c.iLocaleDecimal << " " << c.iLocaleColumn;
        EXPECT_EQ(iDecimal, c.iDecimal) << c.iLanguage << " " << c.iLocaleDecimal << " " << c.iLocaleColumn;
        EXPECT_FALSE(R::SeparatorsClash(iColumn, iDecimal));
    }
    EXPECT_TRUE(R::SeparatorsClash(2, 0));
    EXPECT_TRUE(R::SeparatorsClash(3, 1));
    EXPECT_FALSE(R::SeparatorsClash(2, 1));
}

TEST(DocumentationRules, FileNamesCarryTheStampAndTheFirstFreeCounter)
{
    tm tmLocal = {};
    tmLocal.tm_year = 2014 - 1900;
    tmLocal.tm_mon = 1;
    tmLocal.tm_mday = 5;
    tmLocal.tm_hour = 9;
    tmLocal.tm_min = 3;
    tmLocal.tm_sec = 7;
    tmLocal.tm_isdst = -1;
    EXPECT_STREQ(R::FileStamp(tmLocal, 0), "201402050903070000");
    EXPECT_STREQ(R::FileStamp(tmLocal, 12), "201402050903070012");
    const __time64_t tStamp = _mktime64(&tmLocal);
    std::set<std::string> existing;
    const auto fnExists = [&](const CString& str) { return existing.count(str.GetString()) != 0; };
    EXPECT_STREQ(R::IndexedFileName("C:\\d\\TAB", ".csv", tStamp, fnExists), "C:\\d\\TAB201402050903070000");
    existing = {"C:\\d\\TAB201402050903070000.csv", "C:\\d\\TAB201402050903070001.csv"};
    EXPECT_STREQ(R::IndexedFileName("C:\\d\\TAB", ".csv", tStamp, fnExists), "C:\\d\\TAB201402050903070002");
    // Another extension is another file.
    EXPECT_STREQ(R::IndexedFileName("C:\\d\\TAB", ".bmp", tStamp, fnExists), "C:\\d\\TAB201402050903070000");
}

TEST(DocumentationRules, StorageSummaryCountsModesWithADirectory)
{
    DocumentationStruct docu;
    std::memset(&docu, 0, sizeof(docu));
    EXPECT_EQ(R::StorageSummary(docu, "C:\\a", "C:\\b"), 0);
    docu.sAutoStorageMW.iSelected = 1;
    EXPECT_EQ(R::StorageSummary(docu, "C:\\a", "C:\\b"), 1);
    EXPECT_EQ(R::StorageSummary(docu, "", "C:\\b"), 0) << "mode set, directory empty";
    docu.sAutoStorageIONIO.iSelected = 2;
    EXPECT_EQ(R::StorageSummary(docu, "C:\\a", "C:\\b"), 3);
    EXPECT_EQ(R::StorageSummary(docu, "", "C:\\b"), 2);
}
} // namespace
