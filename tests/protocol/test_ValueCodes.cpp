// Accuracy classes, impulses per revolution, packed range values, low-pass codes and device names.
#include "protocol/CTervane_Send.h"

#include <gtest/gtest.h>

TEST(ValueCodes, AccuracyClass)
{
    struct Case
    {
        BYTE ucCode;
        const char* pszText;
        int iIndex;
        double dValue;
    } cases[] = {
        {40, "3.0", 0, 3.0},        {60, "2.0", 1, 2.0},         {80, "1.0", 2, 1.0},
        {100, "0.5", 3, 0.5},       {120, "0.3", 4, 0.3},        {140, "0.25", 5, 0.25},
        {160, "0.2", 6, 0.2},       {180, "0.15", 7, 0.15},      {200, "0.1", 8, 0.1},
        {220, "0.05", 9, 0.05},     {255, "(def) 3.0", -1, 3.0}, {0, "(def) 3.0", -1, 3.0},
        {41, "(def) 3.0", -1, 3.0},
    };
    for (const Case& c : cases)
    {
        CString strText;
        int iIndex = 99;
        double dValue = 99.0;
        EXPECT_EQ(CTervane_Send::TerSend_AccuracyCodeToText(strText, c.ucCode, &iIndex, &dValue), c.pszText);
        EXPECT_EQ(strText, c.pszText);
        EXPECT_EQ(iIndex, c.iIndex) << int{c.ucCode};
        EXPECT_EQ(dValue, c.dValue) << int{c.ucCode};
    }
    CString strText;
    EXPECT_EQ(CTervane_Send::TerSend_AccuracyCodeToText(strText, 100), "0.5") << "outputs are optional";
}

TEST(ValueCodes, ImpulsesPerRevolution)
{
    const int impulses[] = {6, 30, 60, 90, 120, 180, 360, 720};
    for (int iCode = 0; iCode < 12; ++iCode)
    {
        const bool bKnown = iCode >= 1 && iCode <= 8;
        CString strText;
        int iIndex = 99;
        int iImpulses = 0;
        CTervane_Send::TerSend_ImpulseCodeToText(strText, static_cast<BYTE>(iCode), &iIndex, &iImpulses);
        EXPECT_EQ(iImpulses, bKnown ? impulses[iCode - 1] : 60) << iCode;
        EXPECT_EQ(iIndex, bKnown ? iCode - 1 : -2) << iCode;
        EXPECT_EQ(atoi(strText), iImpulses) << iCode;
    }
    CString strText;
    EXPECT_EQ(CTervane_Send::TerSend_ImpulseCodeToText(strText, 0), "60");
    EXPECT_EQ(CTervane_Send::TerSend_ImpulseCodeToText(strText, 8), "720");
}

TEST(ValueCodes, PackedRangeValue)
{
    struct Case
    {
        UINT uiValue;
        const char* pszText;
    } cases[] = {
        {0x0005, "0.05"},
        {0x0123, "1.23"},
        {0x1250, "25"},
        {0x2100, "100"},
        {0x2050, "50"},
        {0x3123, "1230"},
        {0x4123, "12300"},
        {0x4005, "500"},
        {0x0000, "0"},
        {0x4000, ""},
        {0xFFFF, ""},
        {0x10000, ""},
        {0x1234, "23.4"},
        {0x2005, "5"},
        {0x5001, "1000"},
        {0xF100, "1000000000000000"},
        {0xFFFE, "ffe0000000000000"},
    };
    for (const Case& c : cases)
    {
        CString strText = "old";
        EXPECT_EQ(CTervane_Send::TerSend_RangeCodeToText(strText, c.uiValue), 0);
        EXPECT_EQ(strText, c.pszText) << std::hex << c.uiValue;
    }
}

TEST(ValueCodes, LowPassFilter)
{
    const int hz[] = {30, 300, 1000, 3000};
    for (int iCode = 0; iCode < 4; ++iCode)
        EXPECT_EQ(CTervane_Send::TerSend_LowPassCodeToHz(iCode), hz[iCode]);
    EXPECT_EQ(CTervane_Send::TerSend_LowPassCodeToHz(7), 30);
    EXPECT_EQ(CTervane_Send::TerSend_LowPassCodeToHz(-1), 30);

    const struct
    {
        UINT uiHz;
        int iCode;
    } cases[] = {{0, 0},    {30, 0},   {31, 1},    {300, 1},   {301, 2},
                 {1000, 2}, {1001, 3}, {65536, 3}, {65537, 0}, {0xFFFFFFFF, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CTervane_Send::TerSend_LowPassHzToCode(c.uiHz), c.iCode) << c.uiHz;
}

TEST(ValueCodes, DeviceName)
{
    struct Case
    {
        int iType;
        int iRev;
        int iKind;
        int iDigitalInputBit;
        int iLanguage;
        const char* pszName;
    } cases[] = {
        {1, 0, 0, 1, 0, "unbekannt"},
        {2, 0, 0, 1, 1000, "unknown"},
        {3, 0, 0, 1, 0, "MW-VARIA"},
        {4, 0, 0, 1, 1000, "MW-RS485"},
        {5, 6, 0, 0, 0, "TK-USB"},
        {5, 2, 0, 1, 1000, "TK-USB"},
        {5, 5, 1, 1, 0, "QBX-USB"},
        {5, 6, 1, 1, 0, "QBX-USB2"},
        {5, 6, 1, 0, 0, "QBX-USB2 mit Digitaleingang"},
        {5, 6, 1, 0, 1000, "QBX-USB2 with digital input"},
        {5, 3, 1, 0, 2000, "QBX-USB mit Digitaleingang"},
        {6, 0, 0, 1, 3000, "MWE-DSP"},
        {7, 0, 0, 1, 0, "MW-USB"},
        {8, 0, 0, 1, 0, "RS485 Speicher"},
        {8, 0, 0, 1, 1000, "RS485 memory"},
        {9, 2, 0, 1, 0, "n.a. [Stator Typ 9|Rev 2]322421234434"},
        {9, 2, 0, 1, 2000, "n.a. [Stator Typ 9|Rev 2]322421234434"},
        {0, 7, 0, 1, 1000, "n.a. [Stator Typ 0|Rev 7]322421234435"},
    };
    for (const Case& c : cases)
    {
        CString strName;
        EXPECT_EQ(CTervane_Send::TerSend_StatorTypeToDeviceName(strName, c.iType, c.iRev, c.iKind,
                                                                c.iDigitalInputBit, c.iLanguage),
                  c.pszName);
        EXPECT_EQ(strName, c.pszName);
    }
}
