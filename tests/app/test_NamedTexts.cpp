// Every text the code names is in the string tables: the texts that follow the interface language in
// German, English and French, the port manager's texts (English in every language) at their own id. A
// layer's list in its texts header is walked as it stands, so a text added there is checked here.
#include "app/AppTexts.h"
#include "controls/ControlTexts.h"
#include "framework/CString.h"
#include "measurement/MeasurementTexts.h"
#include "ports/PortTexts.h"
#include "protocol/Language.h"
#include "protocol/ProtocolTexts.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/ShellTexts.h"
#include "storage/StorageTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{
struct NamedText
{
    const char* pszName;
    int iId;
};
#define NAMED_TEXT(name, id) NamedText{#name, id},

const NamedText LANGUAGE_TEXTS[] = {
    PROTOCOL_TEXTS(NAMED_TEXT) CONTROL_TEXTS(NAMED_TEXT) SHELL_TEXTS(NAMED_TEXT) MEASUREMENT_TEXTS(NAMED_TEXT)
        SENSOR_PAGE_TEXTS(NAMED_TEXT) STORAGE_TEXTS(NAMED_TEXT) APP_TEXTS(NAMED_TEXT)};
const NamedText FIXED_TEXTS[] = {PORT_TEXTS(NAMED_TEXT)};

// German program texts lie at 5000 to 5999; the language offset takes them to the other blocks.
constexpr int GERMAN_FIRST = 5000;
constexpr int GERMAN_LAST = 5999;

bool HasText(int iId)
{
    CString str;
    return str.LoadString(static_cast<UINT>(iId)) && !str.IsEmpty();
}
} // namespace

TEST(NamedTexts, EachLanguageTextIsInGermanEnglishAndFrench)
{
    for (const NamedText& text : LANGUAGE_TEXTS)
    {
        EXPECT_TRUE(text.iId >= GERMAN_FIRST && text.iId <= GERMAN_LAST)
            << text.pszName << " (" << text.iId << ") is not a German id";
        for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH})
            EXPECT_TRUE(HasText(text.iId + iLanguage))
                << text.pszName << " (" << text.iId << ") has no text " << text.iId + iLanguage;
    }
}

TEST(NamedTexts, EachPortTextIsAtItsId)
{
    for (const NamedText& text : FIXED_TEXTS)
        EXPECT_TRUE(HasText(text.iId)) << text.pszName << " (" << text.iId << ") has no text";
}

TEST(NamedTexts, NoTextHasTwoNames)
{
    std::map<int, std::string> names;
    auto enter = [&names](const NamedText& text)
    {
        const auto [it, bNew] = names.emplace(text.iId, text.pszName);
        EXPECT_TRUE(bNew) << text.iId << " is named " << it->second << " and " << text.pszName;
    };
    for (const NamedText& text : LANGUAGE_TEXTS)
        enter(text);
    for (const NamedText& text : FIXED_TEXTS)
        enter(text);
}
