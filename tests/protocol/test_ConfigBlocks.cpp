// Block sums and checks, write preparation, the float format and the byte, time and text codecs.
#include "protocol/CFloat32.h"
#include "protocol/CTervane_Send.h"

#include "ProtocolTestData.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace protocol_test;

namespace
{
const CString TRACE_HEAD = CString('\t', 20) + " ";

CString WithByte(CString str, int iIndex, int iValue)
{
    str.SetAt(iIndex, static_cast<char>(iValue));
    return str;
}

// A block with the given ID and content bytes 7-33, block sums computed.
CString BlockWithSums(BYTE ucId, BYTE ucContent)
{
    BYTE bytes[40] = {0x02, 0x44, 0xFF, 0x06, 0x21, 0x83, ucId};
    for (int i = 7; i < 34; ++i)
        bytes[i] = ucContent;
    CTervane_Send::TerSend_CalcBlockSums(&bytes[6]);
    return CString(reinterpret_cast<const char*>(bytes), 40);
}
} // namespace

TEST(BlockCheck, Verdicts)
{
    const CString strGood = KnownBlockRead(2);
    struct Case
    {
        const char* pszName;
        CString strBlock;
        int iExpected;
        CString strTrace;
    } cases[] = {
        {"known block", strGood, 0, TRACE_HEAD + "Block vollständig I.O. wird verwendet!   "},
        {"CS byte wrong", WithByte(strGood, 35, 0x94), 4,
         TRACE_HEAD + "          CheckSumme stimmt nicht!       "},
        {"WCS byte wrong", WithByte(strGood, 36, 0x4C), 8,
         TRACE_HEAD + "GewichteteCheckSumme stimmt nicht!       "},
        {"content changed", WithByte(strGood, 20, 0x00), 12,
         TRACE_HEAD + "GewichteteCheckSumme stimmt nicht!       " +
             "          CheckSumme stimmt nicht!       "},
        {"ID 0x00", BlockWithSums(0x00, 0x11), 3,
         TRACE_HEAD + "Block ID ist nicht bekannt!              " +
             "Block ID ist nicht gesetzt 0x00 or 0xFF  "},
        {"ID 0x11", BlockWithSums(0x11, 0x11), 2, TRACE_HEAD + "Block ID ist nicht bekannt!              "},
        {"ID 0x15 (block 4)", BlockWithSums(0x15, 0x11), 0,
         TRACE_HEAD + "Block vollständig I.O. wird verwendet!   "},
        {"all 0xFF", CString('\xFF', 40), 255, "Block-Str ist Leer! Alles 0x00 or 0xFF   "},
        {"0xFF from byte 6 to 37", CString("\x02\x44\xFF\x06\x21\x02", 6) + CString('\xFF', 32) + "\x01\x02",
         255, "Block-Str ist Leer! Alles 0x00 or 0xFF   "},
        {"all 0x00", CString('\x00', 40), 255, "untouched"},
    };
    for (const Case& c : cases)
    {
        CString strTrace = "untouched";
        EXPECT_EQ(CTervane_Send::TerSend_CheckBlock(c.strBlock, &strTrace), c.iExpected) << c.pszName;
        EXPECT_EQ(strTrace, c.strTrace) << c.pszName;
    }
}

TEST(BlockCheck, ShortBlockIsFilledWithBlanks)
{
    const CString strShort = KnownBlockRead(2).Left(30);
    EXPECT_EQ(CTervane_Send::TerSend_PadBlock(strShort), strShort + CString(' ', 10));
    EXPECT_EQ(CTervane_Send::TerSend_PadBlock(KnownBlockRead(2)), KnownBlockRead(2));
    // The blanks make the sums wrong, but the check reads no byte beyond the string.
    EXPECT_EQ(CTervane_Send::TerSend_CheckBlock(strShort), 12);
}

TEST(BlockCheck, SixteenBitWcsCarry)
{
    // ID 0x43 and 27 bytes 0xFF: CS 6952; the running WCS passes 65535 once: 98266 - 65536 + 1.
    const CString strBlock = BlockWithSums(0x43, 0xFF);
    EXPECT_EQ(Hex(strBlock.Mid(34, 4)), "1B 28 7F DB");
    EXPECT_EQ(CTervane_Send::TerSend_CheckBlock(strBlock), 0);
}

TEST(BlockWrite, PrepareAndFinishGiveTheWriteRequest)
{
    CTervane_Send send;
    send.TerSend_SetAddress(6, 255);
    CString strOther;
    send.TerSend_ReadStatusLong(strOther);
    for (const KnownBlock& known : KnownBlocks())
    {
        SCOPED_TRACE(known.ucNumber);
        CString strBlock = Bytes(known.pszRead);
        send.TerSend_PrepareWriteBlock(strBlock, known.ucNumber);
        EXPECT_EQ(send.TerSend_GetCommand(), 0x06);
        EXPECT_EQ(send.TerSend_GetAnswerLength(), 7);
        EXPECT_EQ(Hex(CTervane_Send::TerSend_FinishWriteBlock(strBlock, FALSE)), known.pszWriteWire);
    }
}

TEST(BlockWrite, PrepareTurnsAnyStringIntoARequest)
{
    CTervane_Send send;
    send.TerSend_SetAddress(9, 255);
    CString strBlock = "short";
    send.TerSend_PrepareWriteBlock(strBlock, 7);
    ASSERT_EQ(strBlock.GetLength(), 40);
    EXPECT_EQ(Hex(strBlock.Left(8)), "02 46 09 FF 21 07 FF 20") << "unknown number: ID 0xFF";
    const CString strFrame = Unstuff(CTervane_Send::TerSend_FinishWriteBlock(strBlock, FALSE));
    EXPECT_EQ(CTervane_Send::TerSend_CheckAnswer(strFrame, TRUE), 0);
}

TEST(BlockWrite, FinishWritesA33ByteFrameWhateverTheLengthByteHolds)
{
    CString strBlock = KnownBlockRead(2);
    strBlock.SetAt(4, (char)0xFF);
    const CString strFrame = Unstuff(CTervane_Send::TerSend_FinishWriteBlock(strBlock, FALSE));
    ASSERT_EQ(strFrame.GetLength(), 40);
    EXPECT_EQ((BYTE)strFrame[4], 33);
    EXPECT_EQ(CTervane_Send::TerSend_CheckAnswer(strFrame, TRUE), 0);
}

TEST(BlockWrite, SwitchOffLowersTheBlockCheckBytesAndIsUndone)
{
    CTervane_Send send;
    send.TerSend_SetAddress(6, 255);
    CString strBlock = KnownBlockRead(2);
    send.TerSend_PrepareWriteBlock(strBlock, 2);

    const CString strOff = CTervane_Send::TerSend_FinishWriteBlock(strBlock, TRUE);
    EXPECT_EQ(Hex(strOff),
              "02 46 06 FF 21 02 02 13 52 F2 2D 65 00 03 06 00 A5 09 01 02 02 0B B8 01 2C 00 00 00 00 00 "
              "00 00 00 00 00 00 D0 60 18 9C E5 C8");
    const CString strOffRead = Unstuff(strOff);
    EXPECT_EQ(CTervane_Send::TerSend_CheckAnswer(strOffRead, TRUE), 0) << "frame check bytes stay right";
    EXPECT_EQ(CTervane_Send::TerSend_CheckBlock(strOffRead), 12);

    CString strAgain = strOffRead;
    send.TerSend_PrepareWriteBlock(strAgain, 2);
    const CString strOn = Unstuff(CTervane_Send::TerSend_FinishWriteBlock(strAgain, FALSE));
    EXPECT_EQ(CTervane_Send::TerSend_CheckBlock(strOn), 0);
    EXPECT_EQ(strOn.Mid(34, 4), KnownBlockRead(2).Mid(34, 4));
}

TEST(Float32, KnownPatterns)
{
    CFloat32 converter;
    struct Case
    {
        const char* pszBytes;
        double dValue;
    } cases[] = {
        {"3D CC CC CC", static_cast<double>(std::bit_cast<float>(0x3DCCCCCCu))},
        {"3F 80 00 00", 1.0},
        {"45 3B 80 00", 3000.0},
        {"C0 20 00 00", -2.5},
        {"00 00 00 00", 0.0},
        {"00 00 00 01", 0.0},
        {"80 00 00 00", 0.0},
        {"80 00 00 01", 0.0},
        {"00 00 00 02", std::ldexp(1.0 + std::ldexp(2.0, -23), -127)},
        {"00 80 00 00", std::ldexp(1.0, -126)},
        {"7F FF FF FF", std::ldexp(2.0 - std::ldexp(1.0, -23), 128)},
        {"FF 80 00 00", -std::ldexp(1.0, 128)},
    };
    for (const Case& c : cases)
    {
        const CString str = Bytes(c.pszBytes);
        const BYTE b[4] = {At(str, 0), At(str, 1), At(str, 2), At(str, 3)};
        EXPECT_EQ(converter.Decode(&b[0], &b[1], &b[2], &b[3]), c.dValue) << c.pszBytes;
        EXPECT_EQ(converter.GetValue(), c.dValue);
    }
    EXPECT_NEAR(static_cast<double>(std::bit_cast<float>(0x3DCCCCCCu)), 0.099999994, 1e-9);
    const BYTE one[4] = {0, 0, 0, 1};
    EXPECT_EQ(converter.Decode(&one[0], &one[1], &one[2], &one[3], TRUE),
              std::ldexp(1.0 + std::ldexp(1.0, -23), -127))
        << "without the zero band";
}

TEST(Float32, Encode)
{
    CFloat32 converter;
    struct Case
    {
        double dValue;
        BOOL bResult;
        const char* pszBytes;
    } cases[] = {
        {0.1, TRUE, "3D CC CC CC"},
        {1.0, TRUE, "3F 80 00 00"},
        {3000.0, TRUE, "45 3B 80 00"},
        {-2.5, TRUE, "C0 20 00 00"},
        {0.0, TRUE, "00 00 00 00"},
        {5e-39, TRUE, "00 00 00 00"},
        {-5e-39, TRUE, "00 00 00 00"},
        {std::ldexp(1.5, -127), TRUE, "00 40 00 00"},
        {1e39, FALSE, "7F FF FF FF"},
        {-1e39, FALSE, "7F FF FF FF"},
        {std::ldexp(1.0, 129), FALSE, "7F FF FF FF"},
        {std::nextafter(std::ldexp(1.0, 129), 0.0), TRUE, "7F FF FF FF"},
        {std::numeric_limits<double>::infinity(), FALSE, "7F FF FF FF"},
        {std::numeric_limits<double>::quiet_NaN(), FALSE, "7F FF FF FF"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(converter.Encode(&c.dValue), c.bResult) << c.dValue;
        const char szBytes[4] = {
            static_cast<char>(converter.GetByte(0)), static_cast<char>(converter.GetByte(1)),
            static_cast<char>(converter.GetByte(2)), static_cast<char>(converter.GetByte(3))};
        EXPECT_EQ(Hex(CString(szBytes, 4)), c.pszBytes) << c.dValue;
    }
}

TEST(Float32, RoundTripOfEveryExponent)
{
    // Outside the zero band every pattern reads and writes back unchanged; for exponent fields
    // 1 to 254 the value is the IEEE single of the same bits.
    CFloat32 converter;
    std::mt19937 random(42);
    for (int i = 0; i < 20000; ++i)
    {
        const auto uWord = static_cast<std::uint32_t>(random());
        if ((uWord & 0x7FFFFFFFu) <= 1u)
            continue;
        const BYTE b[4] = {static_cast<BYTE>(uWord >> 24), static_cast<BYTE>(uWord >> 16),
                           static_cast<BYTE>(uWord >> 8), static_cast<BYTE>(uWord)};
        const double dValue = converter.Decode(&b[0], &b[1], &b[2], &b[3]);
        const unsigned uExponent = (uWord >> 23) & 0xFF;
        if (uExponent != 0 && uExponent != 0xFF)
        {
            ASSERT_EQ(dValue, static_cast<double>(std::bit_cast<float>(uWord))) << std::hex << uWord;
        }
        ASSERT_TRUE(converter.Encode(&dValue));
        const std::uint32_t uBack = (std::uint32_t{converter.GetByte(0)} << 24) |
                                    (converter.GetByte(1) << 16) | (converter.GetByte(2) << 8) |
                                    converter.GetByte(3);
        ASSERT_EQ(uBack, uWord) << std::hex << uWord;
    }
}

TEST(Float32, OtherWidths)
{
    const int iExponentWidth = 11;
    CFloat32 wide(&iExponentWidth);
    const double dValue = 1e100;
    EXPECT_TRUE(wide.Encode(&dValue));
    const BYTE b[4] = {wide.GetByte(0), wide.GetByte(1), wide.GetByte(2), wide.GetByte(3)};
    EXPECT_NEAR(wide.Decode(&b[0], &b[1], &b[2], &b[3]), 1e100, 1e100 * std::ldexp(1.0, -20));

    const int iInvalid = 0;
    CFloat32 defaults(&iInvalid, &iInvalid);
    const double dTenth = 0.1;
    defaults.Encode(&dTenth);
    EXPECT_EQ(defaults.GetByte(3), 0xCC);
}

TEST(ByteCodecs, SixteenBitNumbers)
{
    EXPECT_EQ(CTervane_Send::TerSend_BytesToInt16(0xFF, 0x88), -120);
    EXPECT_EQ(CTervane_Send::TerSend_BytesToInt16(0x80, 0x00), -32768);
    EXPECT_EQ(CTervane_Send::TerSend_BytesToUInt16(0xFF, 0x88), 0xFF88);

    struct Case
    {
        int iValue;
        BOOL bSigned;
        BOOL bResult;
        BYTE ucHigh;
        BYTE ucLow;
    } cases[] = {
        {-120, TRUE, TRUE, 0xFF, 0x88},   {32767, TRUE, TRUE, 0x7F, 0xFF},
        {-32767, TRUE, TRUE, 0x80, 0x01}, {-32768, TRUE, FALSE, 0xAA, 0xBB},
        {40000, TRUE, FALSE, 0xAA, 0xBB}, {65535, FALSE, TRUE, 0xFF, 0xFF},
        {0, FALSE, TRUE, 0x00, 0x00},     {65536, FALSE, FALSE, 0x80, 0x00},
        {-1, FALSE, FALSE, 0x80, 0x00},
    };
    for (const Case& c : cases)
    {
        BYTE ucHigh = 0xAA;
        BYTE ucLow = 0xBB;
        const BOOL bResult = c.bSigned ? CTervane_Send::TerSend_Int16ToBytes(c.iValue, &ucHigh, &ucLow)
                                       : CTervane_Send::TerSend_UInt16ToBytes(c.iValue, &ucHigh, &ucLow);
        EXPECT_EQ(bResult, c.bResult) << c.iValue;
        EXPECT_EQ(ucHigh, c.ucHigh) << c.iValue;
        EXPECT_EQ(ucLow, c.ucLow) << c.iValue;
    }
}

TEST(ByteCodecs, TextAlphabetAndBitCopy)
{
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(0), 'a');
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(26), 'A');
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(52), '0');
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(62), ' ');
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(63), '?');
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(64), '?');
    EXPECT_EQ(CTervane_Send::TerSend_CodeToChar(255), '?');
    EXPECT_EQ(CTervane_Send::TerSend_CharToCode('z'), 25);
    EXPECT_EQ(CTervane_Send::TerSend_CharToCode('9'), 61);
    EXPECT_EQ(CTervane_Send::TerSend_CharToCode(' '), 62);
    EXPECT_EQ(CTervane_Send::TerSend_CharToCode('?'), 63);
    EXPECT_EQ(CTervane_Send::TerSend_CharToCode('\xE4'), 63) << "a-umlaut is outside the alphabet";
    EXPECT_EQ(CTervane_Send::TerSend_CharToCode('\0'), 63);

    CTervane_Send send;
    BYTE ucDest = 0x0F;
    EXPECT_TRUE(send.TerSend_CopyBit(ucDest, 7, 0x02, 1));
    EXPECT_EQ(ucDest, 0x8F);
    EXPECT_TRUE(send.TerSend_CopyBit(ucDest, 0, 0xFD, 1));
    EXPECT_EQ(ucDest, 0x8E);
    EXPECT_FALSE(send.TerSend_CopyBit(ucDest, 8, 0xFF, 0));
    EXPECT_FALSE(send.TerSend_CopyBit(ucDest, 0, 0xFF, -1));
    EXPECT_EQ(ucDest, 0x8E);
}

TEST(TimeCodecs, BytesAndTimeStamp)
{
    BYTE b[4] = {};
    CTervane_Send::TerSend_TimeToBytes(0x123456789LL, &b[0], &b[1], &b[2], &b[3]);
    EXPECT_EQ(Hex(CString(reinterpret_cast<const char*>(b), 4)), "23 45 67 89");

    __time64_t tTime = 0;
    tm tmLocal = {};
    CString strText;
    ULONG ulCount = 0;
    CTervane_Send::TerSend_ReadTimeStamp(KnownBlockRead(1), &tTime, &tmLocal, &strText, &ulCount);
    EXPECT_EQ(tTime, KNOWN_TIME);
    EXPECT_EQ(ulCount, static_cast<ULONG>(KNOWN_TIME));
    tm tmExpected = {};
    const __time64_t tKnown = KNOWN_TIME;
    ASSERT_EQ(_localtime64_s(&tmExpected, &tKnown), 0);
    EXPECT_EQ(tmLocal.tm_year, tmExpected.tm_year + 1900);
    EXPECT_EQ(tmLocal.tm_mon, tmExpected.tm_mon + 1);
    EXPECT_EQ(tmLocal.tm_mday, tmExpected.tm_mday);
    EXPECT_EQ(tmLocal.tm_hour, tmExpected.tm_hour);
    EXPECT_EQ(tmLocal.tm_min, tmExpected.tm_min);
    EXPECT_EQ(strText, CTervane_Send::TerSend_FormatDateTime(0, nullptr, tmLocal));
    EXPECT_EQ(strText.Left(5), "2014/");
}

TEST(TimeCodecs, DateTextByLanguage)
{
    const auto time = [](int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond)
    {
        tm t = {};
        t.tm_year = iYear;
        t.tm_mon = iMonth;
        t.tm_mday = iDay;
        t.tm_hour = iHour;
        t.tm_min = iMinute;
        t.tm_sec = iSecond;
        return t;
    };
    struct Case
    {
        int iLanguage;
        tm tmLocal;
        const char* pszText;
    } cases[] = {
        {0, time(2014, 2, 5, 13, 5, 9), "2014/02/05 13:05:09"},
        {6, time(2014, 2, 5, 13, 5, 9), "2014/02/05 13:05:09"},
        {1000, time(2014, 2, 5, 13, 5, 9), "02/05/2014 01:05:09 PM"},
        {1000, time(2014, 2, 5, 9, 5, 9), "02/05/2014 09:05:09 AM"},
        {1000, time(2014, 2, 5, 12, 30, 0), "02/05/2014 12:30:00 PM"},
        {1000, time(2014, 2, 5, 0, 30, 0), "02/05/2014 12:30:00 AM"},
        {2000, time(2014, 2, 5, 13, 5, 9), "05.02.2014 13:05:09 Uhr"},
        {0, time(1969, 12, 31, 23, 0, 0), "ERROR DATE TIME"},
        {0, time(3001, 1, 1, 0, 0, 0), "ERROR DATE TIME"},
        {0, time(2014, 0, 5, 13, 5, 9), "ERROR DATE TIME"},
        {0, time(2014, 2, 32, 13, 5, 9), "ERROR DATE TIME"},
        {0, time(2014, 2, 5, 25, 5, 9), "ERROR DATE TIME"},
    };
    for (const Case& c : cases)
    {
        CString strOut;
        EXPECT_EQ(CTervane_Send::TerSend_FormatDateTime(c.iLanguage, &strOut, c.tmLocal), c.pszText);
        EXPECT_EQ(strOut, c.pszText);
    }
}
