// The rules of the sensor pages without their windows: the layout of the outer group and the list
// columns, the baud-rate texts, the row texts of the connection page and the value texts of the
// information page.
#include "protocol/Language.h"
#include "protocol/SensorStruct.h"
#include "resources/resource_sensorpages.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "sensorpages/CDlgSensorInformationQbx.h"

#include <gtest/gtest.h>

namespace
{
const char* const SERIAL_PORT_KEY = "COM5   \\Device\\Serial4";
const char* const USB_PORT_KEY = "COM3   Tervane USB sensor interface port";

// A two-channel torque/force sensor on a TK-USB interface (stator type 5 without the device bit).
SensorStruct TwoChannelSensor()
{
    SensorStruct s;
    s.ucStatorType = 5;
    s.ucStatorRev = 6;
    s.ucInterfaceKind = 0;
    s.iStHeaderNo = 500;
    s.ulSerialNo = 123456;
    s.ucTypeClassA = 'D';
    s.iRangeCodeA = 0x3200; // 2000 cN·m
    s.ucAccuracyA = 200;    // 0.1
    s.ucTypeClassB = 'K';
    s.iRangeCodeB = 0x2500; // 500 N
    s.ucAccuracyB = 7;      // unknown code
    s.strSerialNoA = "A10001";
    s.strSerialNoB = "B10001";
    s.ucAdjustment = 2;
    s.sFactoryCalib.tmCalib.tm_mday = 15;
    s.sFactoryCalib.tmCalib.tm_mon = 3;
    s.sFactoryCalib.tmCalib.tm_year = 2024;
    s.sUserCalib.tmCalib.tm_mday = 2;
    s.sUserCalib.tmCalib.tm_mon = 11;
    s.sUserCalib.tmCalib.tm_year = 2025;
    return s;
}

CString TextOf(const CDlgSensorInformationQbx::ControlTexts& texts, int iControl)
{
    for (const auto& [iId, strText] : texts)
    {
        if (iId == iControl)
            return strText;
    }
    return "<none>";
}
} // namespace

TEST(SensorPageRules, OuterGroupFillsTheViewDownToThePagesSmallestSize)
{
    const struct
    {
        int cx, cy;
        CSize sizeMin;
        CRect rcGroup;
    } cases[] = {
        {800, 600, {350, 350}, {10, 5, 791, 590}}, // connection page
        {369, 365, {350, 350}, {10, 5, 360, 355}}, // exactly the smallest group
        {368, 364, {350, 350}, {10, 5, 360, 355}}, // below it
        {200, 100, {350, 350}, {10, 5, 360, 355}},
        {494, 452, {475, 437}, {10, 5, 485, 442}}, // information page
        {493, 451, {475, 437}, {10, 5, 485, 442}},
        {519, 415, {500, 400}, {10, 5, 510, 405}}, // diagnostic page
        {1000, 414, {500, 400}, {10, 5, 991, 405}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rcGroup, CSensorPage::GroupRect(CRect(0, 0, c.cx, c.cy), c.sizeMin))
            << c.cx << " x " << c.cy;
    // The view's client area need not start at (0, 0).
    EXPECT_EQ(CRect(30, 25, 811, 610), CSensorPage::GroupRect(CRect(20, 20, 820, 620), CSize(350, 350)));
}

TEST(SensorPageRules, ColumnsShareTheListWidthLess98Pixels)
{
    using Widths = std::array<int, CDlgSensorConnection::COLUMN_COUNT>;
    EXPECT_EQ((Widths{179, 49, 19, 59, 59, 84, 151}), CDlgSensorConnection::ColumnWidths(700));
    EXPECT_EQ((Widths{60, 16, 6, 20, 20, 28, 50}), CDlgSensorConnection::ColumnWidths(300));
    for (int iWidth : {330, 517, 1203, 1900})
    {
        int iSum = 0;
        for (int iColumn : CDlgSensorConnection::ColumnWidths(iWidth))
            iSum += iColumn;
        EXPECT_EQ(iWidth - 98 - 2, iSum) << iWidth;
    }
}

TEST(SensorPageRules, BaudRatesAndTheirListTexts)
{
    const struct
    {
        long lRate;
        int iResult;
        const char* pszText;
        BYTE ucCode;
    } cases[] = {
        {115200, 0, "115,2k", 9}, {230400, 1, "230,4k", 16}, {57600, -1, "keep", 0}, {-1, -1, "keep", 0}};
    for (const auto& c : cases)
    {
        CString strText = "keep";
        BYTE ucCode = 0;
        EXPECT_EQ(c.iResult, CDlgSensorConnection::BaudToText(c.lRate, &strText, &ucCode)) << c.lRate;
        EXPECT_STREQ(c.pszText, strText);
        EXPECT_EQ(c.ucCode, ucCode);
        EXPECT_EQ(c.iResult, CDlgSensorConnection::BaudToText(c.lRate, nullptr, nullptr));
    }
}

TEST(SensorPageRules, RowStatesAndTheirStatusTexts)
{
    const struct
    {
        int iState;
        UINT nText;
    } cases[] = {{ID_PORT_AVAILABLE, 5126},       {ID_PORT_ACTIVE, 5125},
                 {ID_PORT_WRONG_DEVICE, 5133},    {ID_PORT_NO_ANSWER, 5129},
                 {ID_PORT_CHECK_INTERFACE, 5355}, {ID_PORT_NOT_COMPATIBLE, 0},
                 {ID_PORT_CANDIDATE, 0},          {-1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.nText, CDlgSensorConnection::StateTextId(c.iState)) << c.iState;
}

TEST(SensorPageRules, RangeEndTextsNameOneChannelOnlyForSingleChannelInterfaces)
{
    SensorStruct s = TwoChannelSensor();
    EXPECT_STREQ("20.0 N·m/500.0 N", CDlgSensorConnection::RangeEndText(s, LANGUAGE_ENGLISH));
    EXPECT_STREQ("20,0 N·m/500,0 N", CDlgSensorConnection::RangeEndText(s, LANGUAGE_GERMAN));
    s.ucInterfaceKind = 1; // QBX-USB: one channel
    EXPECT_STREQ("20.0 N·m", CDlgSensorConnection::RangeEndText(s, LANGUAGE_ENGLISH));
    s.ucStatorType = 7;
    EXPECT_STREQ("20.0 N·m", CDlgSensorConnection::RangeEndText(s, LANGUAGE_ENGLISH));
    s.ucStatorType = 4;
    EXPECT_STREQ("20.0 N·m/500.0 N", CDlgSensorConnection::RangeEndText(s, LANGUAGE_ENGLISH));
    // A bridge signal, a voltage and a current have no range unit: the sensor's type number stands there.
    s.ucTypeClassB = 'd';
    EXPECT_STREQ("20.0 N·m/500", CDlgSensorConnection::RangeEndText(s, LANGUAGE_ENGLISH));
    s.ucStatorType = 9; // no interface type: no type number either
    EXPECT_STREQ("20.0 N·m/", CDlgSensorConnection::RangeEndText(s, LANGUAGE_ENGLISH));
}

TEST(SensorPageRules, ATkUsbReachedThroughAPlainSerialPortIsATkRs485)
{
    const SensorStruct s = TwoChannelSensor();
    EXPECT_STREQ("TK-RS485 (Rev.: 6)",
                 CDlgSensorConnection::DeviceText(s, SERIAL_PORT_KEY, true, LANGUAGE_ENGLISH));
    EXPECT_STREQ("TK-USB (Rev.: 6)",
                 CDlgSensorConnection::DeviceText(s, USB_PORT_KEY, true, LANGUAGE_ENGLISH));
    EXPECT_STREQ("TK-USB (Rev.: 6)",
                 CDlgSensorConnection::DeviceText(s, SERIAL_PORT_KEY, false, LANGUAGE_ENGLISH));
}

TEST(SensorInformationTexts, UncertaintyOnlyStrictlyBetweenZeroAndFivePercent)
{
    const struct
    {
        double dPercent;
        int iLanguage;
        const char* pszText;
    } cases[] = {{0.0066, LANGUAGE_GERMAN, " 0,0066 %"}, {0.0066, LANGUAGE_ENGLISH, " 0.0066 %"},
                 {0.1, LANGUAGE_FRENCH, " 0,1 %"},       {4.5, LANGUAGE_ENGLISH, " 4.5 %"},
                 {2.0, LANGUAGE_GERMAN, " 2 %"},         {0.0, LANGUAGE_ENGLISH, "n.a."},
                 {5.0, LANGUAGE_ENGLISH, "n.a."},        {7.2, LANGUAGE_ENGLISH, "n.a."},
                 {-0.5, LANGUAGE_ENGLISH, "n.a."}};
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszText, CDlgSensorInformationQbx::UncertaintyText(c.dPercent, c.iLanguage))
            << c.dPercent;
}

TEST(SensorInformationTexts, AccuracyClassWithTheLanguagesDecimalSeparator)
{
    EXPECT_STREQ("0,1 %", CDlgSensorInformationQbx::AccuracyText(200, LANGUAGE_GERMAN));
    EXPECT_STREQ("0.1 %", CDlgSensorInformationQbx::AccuracyText(200, LANGUAGE_ENGLISH));
    EXPECT_STREQ("0,25 %", CDlgSensorInformationQbx::AccuracyText(140, LANGUAGE_FRENCH));
    EXPECT_STREQ("(def) 3.0 %", CDlgSensorInformationQbx::AccuracyText(7, LANGUAGE_ENGLISH));
}

TEST(SensorInformationTexts, ChannelBOnlyForTwoChannelInterfaces)
{
    const struct
    {
        BYTE ucStatorType;
        BYTE ucDeviceBit;
        bool bShown;
    } cases[] = {{4, 1, true},  {6, 1, true},  {5, 0, true}, {5, 1, false},
                 {7, 0, false}, {3, 0, false}, {0, 1, false}};
    for (const auto& c : cases)
    {
        SensorStruct s;
        s.ucStatorType = c.ucStatorType;
        s.ucInterfaceKind = c.ucDeviceBit;
        EXPECT_EQ(c.bShown, CDlgSensorInformationQbx::ShowsChannelB(s))
            << int(c.ucStatorType) << " " << int(c.ucDeviceBit);
    }
}

TEST(SensorInformationTexts, SensorValuesOfATwoChannelSensor)
{
    SensorStruct s = TwoChannelSensor();
    const double adUncertainty[2] = {0.0066, 0.0};
    auto texts = CDlgSensorInformationQbx::SensorValueTexts(s, SERIAL_PORT_KEY, LANGUAGE_ENGLISH,
                                                            adUncertainty, false);
    EXPECT_STREQ("500", TextOf(texts, IDC_INFO_SENSOR_TYPE));
    EXPECT_STREQ("Sensor (TK-RS485: Torque / Force)", TextOf(texts, IDC_INFO_SENSOR_GROUP));
    EXPECT_STREQ("123456", TextOf(texts, IDC_INFO_SERIAL));
    EXPECT_STREQ("5", TextOf(texts, IDC_INFO_ID));
    EXPECT_STREQ("6", TextOf(texts, IDC_INFO_REVISION));
    EXPECT_STREQ("A10001", TextOf(texts, IDC_INFO_SERIAL_A));
    EXPECT_STREQ("B10001", TextOf(texts, IDC_INFO_SERIAL_B));
    EXPECT_STREQ("20.0 N·m", TextOf(texts, IDC_INFO_RANGE_A));
    EXPECT_STREQ("500.0 N", TextOf(texts, IDC_INFO_RANGE_B));
    EXPECT_STREQ("0.1 %", TextOf(texts, IDC_INFO_ACCURACY_A));
    EXPECT_STREQ("(def) 3.0 %", TextOf(texts, IDC_INFO_ACCURACY_B));
    EXPECT_STREQ(" 0.0066 %", TextOf(texts, IDC_INFO_UNCERTAINTY_A));
    EXPECT_STREQ("n.a.", TextOf(texts, IDC_INFO_UNCERTAINTY_B));
    EXPECT_STREQ("active", TextOf(texts, IDC_INFO_FACTORY_STATE));
    EXPECT_STREQ(" 03/15/2024 ", TextOf(texts, IDC_INFO_FACTORY_DATE));
    EXPECT_STREQ("inactive", TextOf(texts, IDC_INFO_USER_STATE));
    EXPECT_STREQ("n.a.", TextOf(texts, IDC_INFO_USER_DATE));

    // German; on the maker's USB interface the device keeps its name.
    texts =
        CDlgSensorInformationQbx::SensorValueTexts(s, USB_PORT_KEY, LANGUAGE_GERMAN, adUncertainty, false);
    EXPECT_STREQ("Sensor (TK-USB: Drehmoment / Kraft)", TextOf(texts, IDC_INFO_SENSOR_GROUP));
    EXPECT_STREQ("20,0 N·m", TextOf(texts, IDC_INFO_RANGE_A));
    EXPECT_STREQ(" 0,0066 %", TextOf(texts, IDC_INFO_UNCERTAINTY_A));
    EXPECT_STREQ(" 15.03.2024 ", TextOf(texts, IDC_INFO_FACTORY_DATE));
}

TEST(SensorInformationTexts, UserCalibrationSerialZeroAndOneChannel)
{
    SensorStruct s = TwoChannelSensor();
    s.ucAdjustment = 3;
    s.ulSerialNo = 0;
    s.ucInterfaceKind = 1;
    const double adUncertainty[2] = {1.0, 1.0};
    auto texts =
        CDlgSensorInformationQbx::SensorValueTexts(s, SERIAL_PORT_KEY, LANGUAGE_ENGLISH, adUncertainty, true);
    EXPECT_STREQ("n.a.", TextOf(texts, IDC_INFO_SERIAL));
    EXPECT_STREQ("inactive", TextOf(texts, IDC_INFO_FACTORY_STATE));
    EXPECT_STREQ(" 03/15/2024 ", TextOf(texts, IDC_INFO_FACTORY_DATE)) << "the factory date is always shown";
    EXPECT_STREQ("active*", TextOf(texts, IDC_INFO_USER_STATE))
        << "a user calibration equal to the factory's";
    EXPECT_STREQ(" 11/02/2025 ", TextOf(texts, IDC_INFO_USER_DATE));
    const CString strGroup = TextOf(texts, IDC_INFO_SENSOR_GROUP);
    EXPECT_EQ(0, strGroup.Find("Sensor (")) << strGroup.GetString();
    EXPECT_LT(0, strGroup.Find(": Torque)")) << "one measurand: " << strGroup.GetString();
    texts = CDlgSensorInformationQbx::SensorValueTexts(s, SERIAL_PORT_KEY, LANGUAGE_ENGLISH, adUncertainty,
                                                       false);
    EXPECT_STREQ("active", TextOf(texts, IDC_INFO_USER_STATE));
    // An impossible date reads "n.a.".
    s.sUserCalib.tmCalib.tm_mon = 13;
    texts = CDlgSensorInformationQbx::SensorValueTexts(s, SERIAL_PORT_KEY, LANGUAGE_ENGLISH, adUncertainty,
                                                       false);
    EXPECT_STREQ("n.a.", TextOf(texts, IDC_INFO_USER_DATE));
}

TEST(SensorInformationTexts, WithoutASensorEveryValueIsNotAvailable)
{
    const auto texts = CDlgSensorInformationQbx::NotAvailableTexts(LANGUAGE_GERMAN);
    EXPECT_STREQ("Sensor", TextOf(texts, IDC_INFO_SENSOR_GROUP));
    for (int iControl :
         {IDC_INFO_SENSOR_TYPE, IDC_INFO_SERIAL, IDC_INFO_ID, IDC_INFO_REVISION, IDC_INFO_SERIAL_A,
          IDC_INFO_RANGE_A, IDC_INFO_ACCURACY_A, IDC_INFO_UNCERTAINTY_A, IDC_INFO_SERIAL_B, IDC_INFO_RANGE_B,
          IDC_INFO_ACCURACY_B, IDC_INFO_UNCERTAINTY_B, IDC_INFO_FACTORY_DATE, IDC_INFO_FACTORY_STATE,
          IDC_INFO_USER_DATE, IDC_INFO_USER_STATE})
        EXPECT_STREQ("n.a.", TextOf(texts, iControl)) << iControl;
}
