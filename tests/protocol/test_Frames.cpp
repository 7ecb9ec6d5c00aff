// Request frames, check bytes, doubling and the answer check.
#include "protocol/CTervane_Send.h"

#include "ProtocolTestData.h"

#include <gtest/gtest.h>

#include <functional>

using namespace protocol_test;

namespace
{
class FramesTest : public ::testing::Test
{
protected:
    void SetUp() override { send.TerSend_SetAddress(6, 255); }
    CTervane_Send send;
};

struct RequestCase
{
    const char* pszName;
    std::function<void(CTervane_Send&, CString&)> build;
    const char* pszWire;
    BYTE ucCommand;
    int iAnswerLength; // -1: left as it was
};
} // namespace

TEST_F(FramesTest, RequestsAtInterfaceAddress6)
{
    const RequestCase cases[] = {
        {"status long", [](CTervane_Send& s, CString& out) { s.TerSend_ReadStatusLong(out); },
         "02 42 06 FF 00 47 19", 0x42, 21},
        {"raw values", [](CTervane_Send& s, CString& out) { s.TerSend_ReadRaw(out); }, "02 41 06 FF 00 46 15",
         0x41, 16},
        {"acknowledgement", [](CTervane_Send& s, CString& out) { s.TerSend_Ack(out, FALSE); },
         "02 06 06 FF 00 0B 28", 0x06, 7},
        {"block 2", [](CTervane_Send& s, CString& out) { s.ReadConfig(out, 2); },
         "02 44 06 FF 01 02 02 4C 6E", 0x44, 40},
        {"block 131", [](CTervane_Send& s, CString& out) { s.ReadConfig(out, 131); },
         "02 44 06 FF 01 83 CD EF", 0x44, 40},
        {"restart", [](CTervane_Send& s, CString& out) { s.TerSend_RestartSensor(out); },
         "02 4B 06 FF 00 50 3D", 0x4B, -1},
        {"control on", [](CTervane_Send& s, CString& out) { s.TerSend_SetCtrlOn(out); },
         "02 45 06 FF 01 01 4C 72", 0x45, -1},
        {"control off", [](CTervane_Send& s, CString& out) { s.TerSend_SetCtrlOff(out); },
         "02 45 06 FF 01 00 4B 71", 0x45, -1},
        {"stream A and B", [](CTervane_Send& s, CString& out) { s.TerSend_StartMeasureAB(out); },
         "02 5A 06 FF 05 03 19 00 00 43 C3 2B", 0x5A, -1},
        {"stream A", [](CTervane_Send& s, CString& out) { s.TerSend_StartMeasureA(out); },
         "02 5A 06 FF 05 03 19 00 00 41 C1 29", 0x5A, -1},
        {"stream B", [](CTervane_Send& s, CString& out) { s.TerSend_StartMeasureB(out); },
         "02 5A 06 FF 05 03 19 00 00 42 C2 2A", 0x5A, -1},
    };
    send.TerSend_SetMeasuringRate(6);
    for (const RequestCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        send.TerSend_SetAnswerLength(99);
        CString strOut = "old content";
        c.build(send, strOut);
        EXPECT_EQ(Hex(strOut), c.pszWire);
        EXPECT_EQ(send.TerSend_GetCommand(), c.ucCommand);
        EXPECT_EQ(send.TerSend_GetAnswerLength(), c.iAnswerLength < 0 ? 99 : c.iAnswerLength);
    }
}

TEST_F(FramesTest, SetAddressPrecomputesExpectedAcknowledgement)
{
    EXPECT_EQ(send.TerSend_GetAckCS(), 0x0B);
    EXPECT_EQ(send.TerSend_GetAckWCS(), 0x21);
    EXPECT_EQ(send.TerSend_GetAddress1(), 6);
    EXPECT_EQ(send.TerSend_GetAddress2(), 255);
    EXPECT_EQ(send.TerSend_GetCommand(), 0x06);
    EXPECT_EQ(send.TerSend_GetAnswerLength(), 7);

    CString strExpected;
    send.TerSend_Ack(strExpected, TRUE);
    EXPECT_EQ(Hex(strExpected), "02 06 FF 06 00 0B 21");
}

TEST_F(FramesTest, ConstructionState)
{
    CTervane_Send fresh;
    EXPECT_EQ(fresh.TerSend_GetAddress1(), 0);
    EXPECT_EQ(fresh.TerSend_GetAddress2(), 0);
    const char* const names[] = {"Stator Header",         "Stator Hardware", "Stator Operation",
                                 "Stator SoftwareConfig", "Rotor  Header",   "Rotor  FactoryCalib",
                                 "Rotor  UserCalib",      "Rotor  Operation"};
    for (int i = 0; i < CTervane_Send::BLOCK_KINDS; ++i)
    {
        EXPECT_EQ(fresh.m_sBlock[i].strName, names[i]);
        EXPECT_EQ(fresh.m_sBlock[i].strRead, "leer READ");
        EXPECT_EQ(fresh.m_sBlock[i].iReadCheck, -2);
        EXPECT_EQ(fresh.m_sBlock[i].strWrite, "leer WRITE");
        EXPECT_EQ(fresh.m_sBlock[i].iWriteCheck, -3);
    }
}

TEST_F(FramesTest, ReadConfigWithoutOutputOnlySetsExpectation)
{
    send.ReadConfig(nullptr, 0x81);
    EXPECT_EQ(send.TerSend_GetCommand(), 0x44);
    EXPECT_EQ(send.TerSend_GetAnswerLength(), 40);
    EXPECT_EQ(send.TerSend_GetBlockNumber(), 0x81);
}

TEST_F(FramesTest, MeasuringRateCodes)
{
    const BYTE rateBytes[] = {1, 2, 4, 5, 10, 20, 25, 27, 50, 100, 151, 200, 250};
    CTervane_Send fresh;
    fresh.TerSend_SetMeasuringRate(13);
    CString strFrame;
    fresh.TerSend_StartMeasureAB(strFrame);
    EXPECT_EQ(At(Unstuff(strFrame), 6), 25) << "13 leaves the initial rate byte";
    for (UINT uiCode = 0; uiCode < std::size(rateBytes); ++uiCode)
    {
        fresh.TerSend_SetMeasuringRate(uiCode);
        fresh.TerSend_SetMeasuringRate(200);
        fresh.TerSend_StartMeasureAB(strFrame);
        EXPECT_EQ(At(Unstuff(strFrame), 6), rateBytes[uiCode]) << "code " << uiCode;
    }
}

TEST_F(FramesTest, CheckBytesWrapWithAddedCarry)
{
    const BYTE bytes[] = {0x42, 0x06, 0xFF, 0x00};
    BYTE out[2] = {};
    CTervane_Send::TerSend_CalcCheckBytes(bytes, out, 3);
    EXPECT_EQ(out[0], 0x47);
    EXPECT_EQ(out[1], 0x19);
}

TEST_F(FramesTest, DoublingOf02AfterTheLeadingStx)
{
    // Address 2 doubles; address 193 gives CS 0x02 and its WCS 0x49.
    CString strFrame;
    send.TerSend_SetAddress(193, 255);
    send.TerSend_ReadStatusLong(strFrame);
    EXPECT_EQ(Hex(strFrame), "02 42 C1 FF 00 02 02 49");

    // Length byte 0x02 and data bytes 0x02 are doubled; the leading STX is not.
    const BYTE frame[] = {0x02, 0x41, 0x06, 0xFF, 0x02, 0x02, 0x02, 0x4C, 0xAD};
    EXPECT_TRUE(CTervane_Send::TerSend_FrameToString(strFrame, frame));
    EXPECT_EQ(Hex(strFrame), "02 41 06 FF 02 02 02 02 02 02 4C AD");

    // A length byte that announces more than the buffer holds is refused, not followed.
    const BYTE held[16] = {0x02, 0x41, 0x06, 0xFF, 0x09, 0x01, 0x02};
    EXPECT_FALSE(CTervane_Send::TerSend_FrameToString(strFrame, held, 7));
    EXPECT_TRUE(strFrame.IsEmpty());
    EXPECT_FALSE(CTervane_Send::TerSend_FrameToString(strFrame, held, 4)) << "no length byte";
    EXPECT_TRUE(CTervane_Send::TerSend_FrameToString(strFrame, held)) << "the whole frame";

    BYTE buffer[12] = {0x02, 0x41, 0x06, 0xFF, 0x02, 0x02, 0x02, 0x4C, 0xAD};
    int iLength = 9;
    EXPECT_FALSE(CTervane_Send::TerSend_StuffBuffer(buffer, iLength, 11));
    EXPECT_EQ(iLength, 9) << "no room: buffer unchanged";
    EXPECT_TRUE(CTervane_Send::TerSend_StuffBuffer(buffer, iLength, 12));
    EXPECT_EQ(iLength, 12);
    EXPECT_EQ(Hex(CString(reinterpret_cast<const char*>(buffer), iLength)),
              "02 41 06 FF 02 02 02 02 02 02 4C AD");
}

TEST_F(FramesTest, NakWithInterfaceAddress2)
{
    send.TerSend_SetAddress(2, 255);
    BYTE buffer[CTervane_Send::NAK_BUFFER_SIZE] = {};
    const int iLength = send.TerSend_Nack(buffer, sizeof buffer);
    EXPECT_EQ(iLength, 8);
    EXPECT_EQ(Hex(CString(reinterpret_cast<const char*>(buffer), iLength)), "02 15 02 02 FF 00 16 58");
    EXPECT_EQ(send.TerSend_GetCommand(), 0x15);
    EXPECT_EQ(send.TerSend_GetAnswerLength(), 8);

    BYTE small[7] = {};
    EXPECT_EQ(send.TerSend_Nack(small, sizeof small), 0) << "a buffer too small gets nothing";
    EXPECT_EQ(small[0], 0);
}

TEST(AnswerCheck, NormalAndBlockMode)
{
    const CString strStatus = Bytes(KNOWN_STATUS_LONG);
    const CString str41 =
        Bytes("02 41 FF 06 22 10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F 20 21 22 23 24 25 26 "
              "27 28 29 2A 2B 2C 2D 2E 2F 30 31 B9 D2");
    ASSERT_EQ(str41.GetLength(), 41);
    const CString strBlock = KnownBlockRead(3);

    const auto withByte = [](CString str, int iIndex, int iValue)
    {
        str.SetAt(iIndex, static_cast<char>(iValue));
        return str;
    };
    struct Case
    {
        const char* pszName;
        CString strAnswer;
        BOOL bBlockMode;
        int iExpected;
    } cases[] = {
        {"status long", strStatus, FALSE, 0},
        {"CS wrong", withByte(strStatus, 19, 0x55), FALSE, 4},
        {"WCS wrong", withByte(strStatus, 20, 0x00), FALSE, 8},
        {"data byte wrong", withByte(strStatus, 10, 0x84), FALSE, 12},
        {"41 bytes compared", str41, FALSE, 0},
        {"41 bytes, wrong WCS", withByte(str41, 40, 0xD3), FALSE, 8},
        {"42 bytes", str41 + '\x00', FALSE, 16},
        {"42 bytes of garbage", CString('\x02', 42), FALSE, 16},
        {"shorter than its length byte", strStatus.Left(20), FALSE, 32},
        {"four bytes", strStatus.Left(4), FALSE, 32},
        {"empty", CString(), FALSE, 32},
        {"block", strBlock, TRUE, 0},
        {"block followed by more bytes", strBlock + "\x02\x06", TRUE, 0},
        {"block, CS wrong", withByte(strBlock, 38, 0x10), TRUE, 4},
        {"block with N above 33", withByte(strBlock, 4, 34), TRUE, 12},
        {"block cut short", strBlock.Left(39), TRUE, 32},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTervane_Send::TerSend_CheckAnswer(c.strAnswer, c.bBlockMode), c.iExpected) << c.pszName;
}
