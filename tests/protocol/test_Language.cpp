// The one decimal-separator rule of the interface languages, which the send class, the measurement
// formatters and the main frame all use.
#include "protocol/Language.h"

#include <gtest/gtest.h>

TEST(Language, DecimalSeparatorOfEachLanguage)
{
    const struct
    {
        int iLanguage;
        const char* pszText;
        const char* pszLocalized;
    } cases[] = {
        {LANGUAGE_GERMAN, "1.234,5", "1,234,5"}, {LANGUAGE_GERMAN, "-0.004", "-0,004"},
        {LANGUAGE_ENGLISH, "1,50", "1.50"},      {LANGUAGE_ENGLISH, "2.5", "2.5"},
        {LANGUAGE_FRENCH, "1.50", "1,50"},       {LANGUAGE_SPANISH, "0.25", "0,25"},
        {LANGUAGE_GERMAN, "100", "100"},         {9, "1.50", "Language Fehler 34242334"},
        {-1, "1,5", "Language Fehler 34242334"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszLocalized, LocalizeDecimalSeparator(c.iLanguage, c.pszText))
            << c.iLanguage << " " << c.pszText;
}

TEST(Language, TextsHoldingNotAvailableStayInEveryLanguage)
{
    for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH, LANGUAGE_SPANISH, 42})
        EXPECT_STREQ("1.5 n.a.", LocalizeDecimalSeparator(iLanguage, "1.5 n.a.")) << iLanguage;
}
