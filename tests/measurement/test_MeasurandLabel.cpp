// The sensor's type-number text and the measurand names by TypeClass letter and interface type.
#include "measurement/CMeasurandLabel.h"
#include "protocol/Language.h"
#include "protocol/SensorStruct.h"

#include <gtest/gtest.h>

namespace
{

SensorStruct Interface(int iStatorType, unsigned char ucTypeClassA = 'D', unsigned char ucTypeClassB = 'K')
{
    SensorStruct s;
    s.ucStatorType = static_cast<BYTE>(iStatorType);
    s.ucStatorRev = 6;
    s.iStHeaderNo = 500;
    s.ucTypeClassA = ucTypeClassA;
    s.ucTypeClassB = ucTypeClassB;
    return s;
}
} // namespace

TEST(MeasurandLabel, EachLetterNamesItsMeasurandInEachLanguage)
{
    struct Case
    {
        unsigned char ucLetter;
        const char* pszGerman;
        const char* pszEnglish;
        const char* pszFrench;
    };
    const Case cases[] = {
        {'A', "Spannung", "Voltage", "Tension"},
        {'D', "Drehmoment", "Torque", "Couple"},
        {'K', "Kraft", "Force", "Force"},
        {'S', "Strom", "Current", "Courant"},
        {'W', "Gewicht", "Weight", "Poids"},
        {'X', "Sonstiges", "Miscellaneous", "Divers"},
        {'d', "DMS", "SG", "JC"},
        {'k', "n.a.", "n.a.", "n.a."},
        {'\0', "n.a.", "n.a.", "n.a."},
    };
    const SensorStruct sensor = Interface(5);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.ucLetter);
        const char* const apszExpected[] = {c.pszGerman, c.pszEnglish, c.pszFrench};
        const int aiLanguage[] = {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH};
        for (int i = 0; i < 3; ++i)
        {
            CString strMeasurand;
            CMeasurandLabel::FormatRangeEndValue(nullptr, false, 500, c.ucLetter, &strMeasurand, nullptr,
                                                 sensor, aiLanguage[i]);
            EXPECT_EQ(strMeasurand, apszExpected[i]);
        }
    }
}

TEST(MeasurandLabel, RangeEndValueTextByInterfaceType)
{
    struct Case
    {
        int iStatorType;
        unsigned char ucLetter;
        bool bWithMeasurand;
        const char* pszResult;
        const char* pszMeasurand;
        const char* pszDevice;
    };
    const Case cases[] = {
        {4, 'D', true, "500 (Torque)", "Torque", "MW-RS485"},
        {5, 'K', true, "500 (Force)", "Force", "QBX-USB2"},
        {6, 'W', false, "500", "Weight", "MWE-DSP"},
        {7, 'd', true, "500 (SG)", "SG", "MW-USB"},
        {5, '?', true, "500", "n.a.", "QBX-USB2"},
        {3, 'D', true, "", "n.a.", "MW-VARIA"},
        {8, 'D', true, "", "n.a.", "RS485 memory"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.iStatorType);
        CString strResult = "old";
        CString strMeasurand;
        CString strDevice;
        EXPECT_EQ(CMeasurandLabel::FormatRangeEndValue(&strResult, c.bWithMeasurand, 500, c.ucLetter,
                                                       &strMeasurand, &strDevice, Interface(c.iStatorType),
                                                       LANGUAGE_ENGLISH),
                  c.pszResult);
        EXPECT_EQ(strResult, c.pszResult);
        EXPECT_EQ(strMeasurand, c.pszMeasurand);
        EXPECT_EQ(strDevice, c.pszDevice);
    }
}

TEST(MeasurandLabel, MeasurandLabelTakesTheChannelsLetter)
{
    struct Case
    {
        int iStatorType;
        int iChannel;
        bool bWithMeasurand;
        const char* pszLabel;
    };
    const Case cases[] = {
        {5, 0, true, "Drehmoment:"}, {5, 1, true, "Kraft:"},
        {5, 2, true, "Drehmoment:"}, {5, -1, true, "Drehmoment:"},
        {5, 1, false, "500:"},       {4, 1, true, "Kraft:"},
        {8, 0, true, ":"},           {3, 1, false, ":"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.iStatorType << "/" << c.iChannel);
        CString strLabel;
        EXPECT_EQ(CMeasurandLabel::GetMeasurandLabel(&strLabel, c.bWithMeasurand, c.iChannel, nullptr,
                                                     nullptr, Interface(c.iStatorType), LANGUAGE_GERMAN),
                  c.pszLabel);
        EXPECT_EQ(strLabel, c.pszLabel);
    }
    // A letter without a measurand leaves the number.
    EXPECT_EQ(CMeasurandLabel::GetMeasurandLabel(nullptr, true, 0, nullptr, nullptr, Interface(5, 'q'),
                                                 LANGUAGE_ENGLISH),
              "500:");
}
