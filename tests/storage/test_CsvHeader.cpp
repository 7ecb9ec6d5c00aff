// The header block of the output files, golden texts per sensor kind and option.
#include "protocol/Language.h"
#include "storage/CCsvHeader.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// A two-channel interface on an RS-485 port, English, ";" and "\r\n" with the decimal ",".
CsvHeaderSource TwoChannelSource()
{
    CsvHeaderSource src;
    src.iLanguage = LANGUAGE_ENGLISH;
    src.strLineEnd = "\r\n";
    src.strSeparator = ";";
    src.cDecimal = ',';
    src.sSensor.ucStatorType = 5;
    src.sSensor.ucInterfaceKind = 0;
    src.sSensor.iStHeaderNo = 4503;
    src.sSensor.ulSerialNo = 123456;
    src.sSensor.ucTypeClassA = 'D';
    src.sSensor.ucTypeClassB = 'K';
    src.sSensor.ucAccuracyA = 100;
    src.sSensor.ucAccuracyB = 160;
    src.sSensor.strSerialNoA = "A1B2";
    src.sSensor.strSerialNoB = "C3D4";
    src.sSensor.ucAdjustment = 2;
    src.strPortKey = "COM5   Serial port";
    src.strRangeEndA = "2.5 N\xB7m";
    src.strRangeEndB = "500 N";
    src.iRateCode = 8;
    src.uAveragingCount = 1;
    src.iMeanCodeA = 0;
    src.iMeanCodeB = 2;
    src.strFactoryDate = "02/05/2014";
    src.strUserDate = "n.a.";
    src.strColumnPart = "#;Channel A (N\xB7m);\r\n";
    return src;
}

TEST(CsvHeader, TwoChannelInterfaceWithEveryBoxClear)
{
    const std::string strExpected = "-------------------------------------------------------\r\n"
                                    "Measurement informations:\r\n\r\n"
                                    "Sensor: TK-RS485;Torque;Force\r\n"
                                    "Sensortype:;4503\r\n"
                                    "Serial number:;123456\r\n\r\n"
                                    "Serial number (Channel):;A1B2;C3D4\r\n"
                                    "Upper range value:;2,5 N\xB7m;500 N\r\n"
                                    "Accuracy class:;0,5 %;0,2 %\r\n"
                                    "Sampling rate:;100/sec\r\n"
                                    "moving average:;1;4\r\n"
                                    "Reducing the sampling rate by averaging via 1 value.\r\n"
                                    "Factory adjustment:;02/05/2014 active\r\n"
                                    "User adjustment:;n.a. inactive\r\n\r\n"
                                    "#;Channel A (N\xB7m);\r\n";
    EXPECT_EQ(std::string(CCsvHeader::Build(TwoChannelSource()).GetString()), strExpected);
}

TEST(CsvHeader, SingleChannelSensorWithEveryOptionInGerman)
{
    CsvHeaderSource src = TwoChannelSource();
    src.iLanguage = LANGUAGE_GERMAN;
    src.strLineEnd = "\n\r";
    src.strSeparator = "\t";
    src.cDecimal = '.';
    src.sSensor.ucStatorType = 7;
    src.sSensor.ulSerialNo = 0;
    src.sSensor.ucAdjustment = 3;
    src.bUserCalibEqualsFactory = true;
    src.strUserDate = "07.03.2020";
    src.strFactoryDate = "05.02.2014";
    src.bHeadline = src.bAddress = src.bComment = src.bUncertainty = src.bDateTime = 1;
    src.strHeadline = "Prüfstand 3";
    src.strAddress = "Halle 1\r\nTor 2";
    src.strComment = "ok";
    src.dUncertaintyA = 0.05;
    src.uAveragingCount = 2;
    src.bTriggerCycle = true;
    src.iStartSource = 0;
    src.iStopSource = 3;
    src.strStartDate = "01.01.2024";
    src.strStartTime = "10:00:00 Uhr";
    src.strColumnPart.Empty();
    const std::string E = "\n\r";
    const std::string strExpected =
        "-------------------------------------------------------" + E + "Überschrift:" + E + "Prüfstand 3" +
        E + E + "Adresse:" + E + "Halle 1\r\nTor 2" + E + E + "Bemerkung:" + E + "ok" + E + E +
        "Messinformationen:" + E + E + "Sensor: n.a.\tDrehmoment" + E + "Sensortyp:\t4503" + E +
        "Seriennummer:\t0" + E + E + "Seriennummer (Kanal):\tA1B2" + E + "Messbereichsendwert:\t2.5 N\xB7m" +
        E + "Genauigkeitsklasse:\t0.5 %" + E + "Messunsicherheit:\t0.0500 %" + E + E + "Messrate:\t100/sek" +
        E + "gleitender Mittelwert:\t1" + E + E + "Reduzierung der Messrate mit Mittelung über 2 Werte." + E +
        "Werksjustierung:\t05.02.2014 inaktiv" + E + "Anwenderjustierung:\t07.03.2020 aktiv*" + E + E +
        "Trigger - Start - Quelle:\tAus/Messen Start" + E + "Trigger - Stopp - Quelle:\tMessdauer" + E + E +
        "Start (Datum Uhrzeit):\t01.01.2024\t10:00:00 Uhr" + E + E + E;
    const std::string strActual = CCsvHeader::Build(src).GetString();
    // The device name of a single-channel sensor comes from the protocol's table: compare around it.
    const std::size_t nSensor = strActual.find("Sensor: ");
    ASSERT_NE(nSensor, std::string::npos);
    const std::size_t nTab = strActual.find('\t', nSensor);
    std::string strNormalised = strActual.substr(0, nSensor + 8) + "n.a." + strActual.substr(nTab);
    EXPECT_EQ(strNormalised, strExpected);
}

// Other sensors join the two entries with "/"; 0, 5 and negative values are not valid.
TEST(CsvHeader, UncertaintyEntries)
{
    CsvHeaderSource src = TwoChannelSource();
    src.bUncertainty = 1;
    const struct
    {
        int iStatorType;
        double dA, dB;
        const char* pszLine;
    } cases[] = {
        {4, 0.05, 0.0, "Uncertainty of measurement:;0,0500 %/n.a.\r\n\r\n"},
        {6, 5.0, -1.0, "Uncertainty of measurement:;n.a./n.a.\r\n\r\n"},
        {5, 4.9999, 0.1, "Uncertainty of measurement:;4,9999 %;0,1000 %\r\n\r\n"},
    };
    for (const auto& c : cases)
    {
        src.sSensor.ucStatorType = static_cast<BYTE>(c.iStatorType);
        src.dUncertaintyA = c.dA;
        src.dUncertaintyB = c.dB;
        const std::string strText = CCsvHeader::Build(src).GetString();
        EXPECT_NE(strText.find(c.pszLine), std::string::npos) << c.iStatorType << "\n" << strText;
    }
}

TEST(CsvHeader, SensorKinds)
{
    SensorStruct s;
    s.ucStatorType = 5;
    s.ucInterfaceKind = 1;
    EXPECT_EQ(CCsvHeader::SensorKind(s), CCsvHeader::KIND_SINGLE_INTERFACE);
    s.ucInterfaceKind = 0;
    EXPECT_EQ(CCsvHeader::SensorKind(s), CCsvHeader::KIND_TWO_CHANNEL_INTERFACE);
    s.ucStatorType = 7;
    EXPECT_EQ(CCsvHeader::SensorKind(s), CCsvHeader::KIND_SINGLE_SENSOR);
    s.ucStatorType = 0;
    EXPECT_EQ(CCsvHeader::SensorKind(s), CCsvHeader::KIND_OTHER);
    // A two-channel interface on the maker's USB keeps its own name.
    CsvHeaderSource src = TwoChannelSource();
    src.strPortKey = "COM7   Tervane USB";
    EXPECT_EQ(std::string(CCsvHeader::Build(src).GetString()).find("TK-RS485"), std::string::npos);
}
} // namespace
