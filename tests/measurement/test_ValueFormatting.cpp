// A magnitude with the unit of its decade: the channel panes' formatter and the send class's.
#include "MeasureFakes.h"

#include "measurement/CDisplayHelper.h"
#include "protocol/CTervane_Send.h"
#include "protocol/Language.h"

#include <gtest/gtest.h>

namespace
{

class ValueFormatting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.m_psChannel = channels;
        helper.m_pMainFrame = &host;
    }

    CString Display(const char* pszValue, char cTypeClass, int* piDecimals = nullptr, int iMode = 1)
    {
        return helper.FormatByTypeClass(0, pszValue, &cTypeClass, iMode, nullptr, nullptr, nullptr, nullptr,
                                        piDecimals, nullptr);
    }
    static CString Send(const char* pszValue, char cTypeClass, int* piDecimals = nullptr,
                        int iLanguage = LANGUAGE_GERMAN)
    {
        return CTervane_Send::TerSend_FormatValueWithUnit(pszValue, cTypeClass, iLanguage, nullptr, nullptr,
                                                          nullptr, nullptr, piDecimals);
    }

    ChannelSettingsStruct channels[2];
    CFakeMeasureHost host;
    CDisplayHelper helper;
};
} // namespace

TEST_F(ValueFormatting, DecadeChoosesUnitAndDecimalsInBothFormatters)
{
    const struct
    {
        const char* pszValue;
        char cTypeClass;
        const char* pszDisplay;
        int iDisplayDecimals;
        const char* pszSend;
        int iSendDecimals;
    } cases[] = {
        {"0.01", 'D', "0,10 mN·m", 2, "0,10 mN·m", 2},
        {"1", 'D', "10,0 mN·m", 1, "10,0 mN·m", 1},
        {"10", 'D', "10,0 cN·m", 1, "10,0 cN·m", 1},
        {"100", 'D', "1,00 N·m", 2, "1,00 N·m", 2},
        {"9.999", 'D', "10,00 cN·m", 2, "10,00 cN·m", 2},
        {"123456", 'D', "1,23 kN·m", 2, "1,23 kN·m", 2},
        {"5e9", 'D', "50000 kN·m", 0, "50,0 MN·m", 1},
        {"2e10", 'D', "200,0 MN·m", 1, "200,0 MN·m", 1},
        {"9.99e15", 'D', "99900000 MN·m", 0, "99900000 MN·m", 0},
        {"0.5", 'K', "500,0 mN", 1, "500,0 mN", 1},
        {"1000", 'K', "1,00 kN", 2, "1,00 kN", 2},
        {"2.5e6", 'W', "2,50 t", 1, "2,50 t", 1},
        {"2.5e6", 'K', "2,50 MN", 2, "2,50 MN", 2},
        {"3e10", 'W', "30000 t", 0, "30000 t", 0},
        {"12", 'X', "12 UKN", 0, "12 ADU", 0},
        {"2", 'd', "2,000 mV/V", 3, "2,000 mV/V", 3},
        {"10", 'A', "10,00 V", 2, "10,00 V", 2},
        {"20", 'S', "20,00 mA", 2, "20,00 mA", 2},
    };
    for (const auto& c : cases)
    {
        int iDisplayDecimals = -1;
        int iSendDecimals = -1;
        EXPECT_STREQ(c.pszDisplay, Display(c.pszValue, c.cTypeClass, &iDisplayDecimals)) << c.pszValue;
        EXPECT_EQ(c.iDisplayDecimals, iDisplayDecimals) << c.pszValue;
        EXPECT_STREQ(c.pszSend, Send(c.pszValue, c.cTypeClass, &iSendDecimals)) << c.pszValue;
        EXPECT_EQ(c.iSendDecimals, iSendDecimals) << c.pszValue;
    }
}

TEST_F(ValueFormatting, NumbersOutsideTheRangeAreNotAvailableAndWriteNothing)
{
    for (const char* pszValue : {"1e16", "0", "-5", "", "abc", "0.0099", "nan"})
    {
        int iDecimals = 77;
        EXPECT_STREQ("n.a.", Display(pszValue, 'D', &iDecimals)) << pszValue;
        EXPECT_STREQ("n.a.", Send(pszValue, 'K', &iDecimals)) << pszValue;
        EXPECT_EQ(77, iDecimals);
    }
}

TEST_F(ValueFormatting, DisplayHelperReportsTheUnitOfTheSettingsTables)
{
    CString strValue = "x";
    CString strUnit = "x";
    int iId = 0;
    int iCode = 0;
    double dFactor = 0.0;
    host.m_iLanguageOffset = LANGUAGE_ENGLISH;
    char cTorque = 'D';
    EXPECT_STREQ("1.00 N·m", helper.FormatByTypeClass(0, "100", &cTorque, 1, &strValue, &strUnit, &iId,
                                                      &iCode, nullptr, &dFactor));
    EXPECT_STREQ("1.00", strValue);
    EXPECT_STREQ("N·m", strUnit);
    EXPECT_EQ(5092, iId);
    EXPECT_EQ(1, iCode);
    EXPECT_EQ(0.01, dFactor);

    // MN·m is not in the torque table of the settings page.
    helper.FormatByTypeClass(0, "2e10", &cTorque, 1, nullptr, nullptr, &iId, &iCode, nullptr, &dFactor);
    EXPECT_EQ(5367, iId);
    EXPECT_EQ(-1, iCode);
    EXPECT_EQ(1.0, dFactor);

    // Value and unit texts come only in pairs.
    strValue = "kept";
    helper.FormatByTypeClass(0, "100", &cTorque, 1, &strValue, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_STREQ("kept", strValue);
}

TEST_F(ValueFormatting, SendClassReportsItsOwnCodesAndFactors)
{
    CString strValue;
    CString strUnit;
    int iCode = -1;
    double dFactor = 0.0;
    EXPECT_STREQ("2.50 kg",
                 CTervane_Send::TerSend_FormatValueWithUnit("2500", 'W', LANGUAGE_ENGLISH, &strValue,
                                                            &strUnit, &iCode, &dFactor, nullptr));
    EXPECT_STREQ("2.50", strValue);
    EXPECT_STREQ("kg", strUnit);
    EXPECT_EQ(2, iCode);
    EXPECT_EQ(0.001, dFactor);
    CTervane_Send::TerSend_FormatValueWithUnit("500", 'K', LANGUAGE_GERMAN, nullptr, nullptr, &iCode,
                                               &dFactor, nullptr);
    EXPECT_EQ(2, iCode); // N
    EXPECT_EQ(1.0, dFactor);
}

TEST_F(ValueFormatting, CommaEndsTheDisplayHelpersNumberButNotTheSendClasss)
{
    EXPECT_STREQ("2,00 cN·m", Display("2,5", 'D'));
    EXPECT_STREQ("2,50 cN·m", Send("2,5", 'D'));
    EXPECT_STREQ("2.50 cN·m", Send("2,5", 'D', nullptr, LANGUAGE_ENGLISH));
}

TEST_F(ValueFormatting, UnknownLetters)
{
    EXPECT_STREQ("12 UKN", Display("12", 'Q'));
    EXPECT_STREQ("n.a. TypeClass Unkonwn", Send("12", 'Q'));
    channels[0].cTypeClass = 'K';
    EXPECT_STREQ("12,0 N", helper.FormatByTypeClass(0, "12", nullptr, 1, nullptr, nullptr, nullptr, nullptr,
                                                    nullptr, nullptr));
}

TEST_F(ValueFormatting, ModeZeroAppendsTheChannelsSelectedUnit)
{
    channels[0].strUnit[1] = "N·m";
    channels[0].iSelectedUnit = 1;
    EXPECT_STREQ("---", Display("---", 'D', nullptr, 0));
    EXPECT_STREQ("12,34 N·m", Display("12,34", 'D', nullptr, 0));
    EXPECT_STREQ("12,34 N·m", Display("12,34", 'D', nullptr, 5));
    channels[0].iSelectedUnit = -1;
    EXPECT_STREQ("12,34", Display("12,34", 'D', nullptr, 0));
}

TEST_F(ValueFormatting, ModeTwoNamesTheMeasurandOfSingleUnitClasses)
{
    host.m_measurandNames['A'] = "Spannung";
    EXPECT_STREQ("Spannung", Display("whatever", 'A', nullptr, 2));
    EXPECT_STREQ("n.a.", Display("10", 'S', nullptr, 2));
    EXPECT_STREQ("1,00 N·m", Display("100", 'D', nullptr, 2));
}
