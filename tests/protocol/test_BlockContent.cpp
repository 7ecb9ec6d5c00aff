// Status long and block decoders into the sensor record, the patchers, and re-encoding.
#include "protocol/CFloat32.h"
#include "protocol/CTervane_Send.h"
#include "protocol/SensorStruct.h"

#include "ProtocolTestData.h"
#include "SensorRecordText.h"

#include <gtest/gtest.h>

#include <bit>

using namespace protocol_test;

namespace
{
CString WithByte(CString str, int iIndex, int iValue)
{
    str.SetAt(iIndex, static_cast<char>(iValue));
    return str;
}

class BlockContentTest : public ::testing::Test
{
protected:
    void SetUp() override { send.TerSend_SetAddress(6, 255); }

    // Reads every known block into the record; each must pass.
    void ReadAllKnownBlocks()
    {
        for (const KnownBlock& known : KnownBlocks())
            ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Bytes(known.pszRead), known.ucNumber, sensor), 0);
    }

    // Prepares the known block for writing, as the configuration writes do.
    CString PreparedBlock(BYTE ucNumber)
    {
        CString strBlock = KnownBlockRead(ucNumber);
        send.TerSend_PrepareWriteBlock(strBlock, ucNumber);
        return strBlock;
    }

    // The block after patch and finish, as read back from the sensor.
    static CString Written(const CString& strPatched)
    {
        return Unstuff(CTervane_Send::TerSend_FinishWriteBlock(strPatched, FALSE));
    }

    CTervane_Send send;
    SensorStruct sensor;
};
} // namespace

TEST_F(BlockContentTest, StatusLong)
{
    ASSERT_TRUE(send.TerSend_ReadStatusLongIntoSensor(Bytes(KNOWN_STATUS_LONG), sensor));
    EXPECT_EQ(sensor.ucStatusAddress, 6);
    EXPECT_EQ(sensor.ucStatusOk, 0x4F);
    EXPECT_EQ(sensor.ucAdjustment, 3) << "byte 6 = 0x63: user calibration";
    EXPECT_EQ(sensor.ucSupportInfo, 0);
    EXPECT_EQ(sensor.ucNoDigitalInput, 1);
    EXPECT_EQ(sensor.ucInterfaceKind, 1);
    EXPECT_EQ(sensor.ucStatusBit7, 0);
    EXPECT_EQ(sensor.ucStatorType, 5);
    EXPECT_EQ(sensor.ucStatorRev, 6);
    EXPECT_EQ(sensor.ucRotorId, 5) << "bits 0-6 of 0x85";
    EXPECT_EQ(sensor.ucRotorRev, 3) << "bits 0-6 of 0x83";
    EXPECT_EQ(sensor.ucWatchdogTime, 0x1E);

    ASSERT_TRUE(send.TerSend_ReadStatusLongIntoSensor(WithByte(Bytes(KNOWN_STATUS_LONG), 6, 0x9E), sensor));
    EXPECT_EQ(sensor.ucAdjustment, 2);
    EXPECT_EQ(sensor.ucSupportInfo, 3);
    EXPECT_EQ(sensor.ucNoDigitalInput, 0);
    EXPECT_EQ(sensor.ucInterfaceKind, 0);
    EXPECT_EQ(sensor.ucStatusBit7, 1);
}

TEST_F(BlockContentTest, ShortStatusLongLeavesTheRecord)
{
    const std::string strBefore = RecordText(sensor);
    EXPECT_FALSE(send.TerSend_ReadStatusLongIntoSensor(Bytes(KNOWN_STATUS_LONG).Left(18), sensor));
    EXPECT_EQ(RecordText(sensor), strBefore);
    EXPECT_TRUE(send.TerSend_ReadStatusLongIntoSensor(Bytes(KNOWN_STATUS_LONG).Left(19), sensor));
}

TEST_F(BlockContentTest, ResetRecord)
{
    EXPECT_EQ(sensor.ucNoDigitalInput, 1);
    EXPECT_EQ(sensor.ucInterfaceKind, 1);
    EXPECT_EQ(sensor.ucAdjustment, 0);
    EXPECT_EQ(sensor.sUserCalib.iGainA, 0);
    EXPECT_TRUE(sensor.strSerialNoA.IsEmpty());
}

TEST_F(BlockContentTest, KnownBlocksIntoTheRecord)
{
    ReadAllKnownBlocks();
    EXPECT_EQ(sensor.iStHeaderNo, 0x012345);
    EXPECT_EQ(sensor.ulSerialNo, 123456u);

    EXPECT_EQ(sensor.tStHardware, KNOWN_TIME);
    EXPECT_EQ(sensor.tmStHardware.tm_year, 2014);
    EXPECT_EQ(sensor.tmStHardware.tm_mon, 2);
    EXPECT_EQ(sensor.ucStHw16, 1);
    EXPECT_EQ(sensor.iStHw16Kind, 1);
    EXPECT_EQ(sensor.ucImpulseCode, 7);
    EXPECT_EQ(sensor.iImpulsesPerRev, 360);

    EXPECT_EQ(sensor.tStOperation, KNOWN_TIME);
    EXPECT_EQ(sensor.ucStOp12, 3);
    EXPECT_EQ(sensor.ucStOp12Bit0, 1);
    EXPECT_EQ(sensor.ucBusAddress, 6);
    EXPECT_EQ(sensor.ucStOp15Bit0, 1);
    EXPECT_EQ(sensor.ucBaudCode, 9);
    EXPECT_EQ(sensor.ucStOp17, 1);
    EXPECT_EQ(sensor.ucStOp18, 2);
    EXPECT_EQ(sensor.iLowPassHzA, 3000);
    EXPECT_EQ(sensor.iLowPassHzB, 300);

    EXPECT_EQ(sensor.ucSwCfg7, 1);
    EXPECT_EQ(sensor.dSwScaleA, 2.5);
    EXPECT_EQ(sensor.dSwScaleB, static_cast<double>(std::bit_cast<float>(0x3DCCCCCCu)));
    EXPECT_EQ(sensor.strSwUnitA, "N·m");
    EXPECT_EQ(sensor.strSwUnitB, "lbf");
    EXPECT_EQ(sensor.ucUnitA, 3);
    EXPECT_EQ(sensor.ucDecimalsA, 2);
    EXPECT_EQ(sensor.ucUnitB, 17);
    EXPECT_EQ(sensor.ucDecimalsB, 5);
    EXPECT_EQ(sensor.ucMeanCodeA, 5);
    EXPECT_EQ(sensor.ucDisplayA, 2);
    EXPECT_EQ(sensor.ucSwScalingA, 1);
    EXPECT_EQ(sensor.ucSignA, 1);
    EXPECT_EQ(sensor.ucMeanCodeB, 10);
    EXPECT_EQ(sensor.ucDisplayB, 1);
    EXPECT_EQ(sensor.ucSwScalingB, 0);
    EXPECT_EQ(sensor.ucSignB, 0);
    EXPECT_EQ(sensor.iAveragingCount, 500);
    EXPECT_EQ(sensor.iMeasuringRateCode, 6);
    EXPECT_EQ(sensor.ucSwCfgValid, 1);
    EXPECT_EQ(sensor.ucSwCfgActive, 1);
    EXPECT_EQ(sensor.ucSwCfgRead, 1);

    EXPECT_EQ(sensor.iRtHeaderNo, 1111);
    EXPECT_EQ(sensor.ulRtHeaderNo, 12345678u);
    EXPECT_EQ(sensor.ucRt14, 2);
    EXPECT_EQ(sensor.ucTypeClassA, 'D');
    EXPECT_EQ(sensor.iRangeCodeA, 0x2100);
    EXPECT_EQ(sensor.dRangeA, 100.0);
    EXPECT_EQ(sensor.ucAccuracyA, 100);
    EXPECT_EQ(sensor.ucTypeClassB, 'N');
    EXPECT_EQ(sensor.iRangeCodeB, 5);
    EXPECT_EQ(sensor.dRangeB, 0.05);
    EXPECT_EQ(sensor.ucAccuracyB, 255);

    const CalibBlockValues& f = sensor.sFactoryCalib;
    EXPECT_EQ(f.tCalib, KNOWN_TIME);
    EXPECT_EQ(f.iGainA, 0x8000);
    EXPECT_EQ(f.dGainA, 1.0);
    EXPECT_EQ(f.iOffsetA, -120);
    EXPECT_EQ(f.iGainB, 0x7F00);
    EXPECT_EQ(f.dGainB, 0x7F00 / 32768.0);
    EXPECT_EQ(f.iOffsetB, 300);
    EXPECT_EQ(f.iCtrlA, 0x4000);
    EXPECT_EQ(f.dCtrlA, 0.5);
    EXPECT_EQ(f.iCtrlB, 0x4100);
    EXPECT_EQ(f.iCalib23, 25000);
    EXPECT_EQ(f.iCalib25, 65535);
    EXPECT_EQ(f.iUncertaintyA, 1234);
    EXPECT_DOUBLE_EQ(f.dUncertaintyA, 0.1234);
    EXPECT_EQ(f.iUncertaintyB, 0) << "FF FF means none";
    EXPECT_EQ(f.dUncertaintyB, 0.0);

    const CalibBlockValues& u = sensor.sUserCalib;
    EXPECT_EQ(u.tCalib, KNOWN_TIME + 3600);
    EXPECT_EQ(u.iGainA, 0x8123);
    EXPECT_EQ(u.iOffsetA, -32767);
    EXPECT_EQ(u.iOffsetB, 32767);
    EXPECT_EQ(u.iCtrlB, 0x40F0);
    EXPECT_EQ(u.iCalib23, 1000);
    EXPECT_EQ(u.iCalib25, 2000);
    EXPECT_EQ(u.iUncertaintyA, 0);
    EXPECT_EQ(u.iUncertaintyB, 77);
    EXPECT_DOUBLE_EQ(u.dUncertaintyB, 0.0077);

    EXPECT_EQ(sensor.tRtOperation, KNOWN_TIME);
    EXPECT_EQ(sensor.strSerialNoA, "QX0815");
    EXPECT_EQ(sensor.strSerialNoB, "7b3Kx?");

    for (int i = 0; i < CTervane_Send::BLOCK_KINDS; ++i)
    {
        EXPECT_EQ(send.m_sBlock[i].strRead, Bytes(KnownBlocks()[i].pszRead));
        EXPECT_EQ(send.m_sBlock[i].iReadCheck, 0);
    }
}

// A damaged block is still decoded (a switched-off user calibration is read this way); its check
// state tells the readers, and a damaged software configuration scales nothing.
TEST_F(BlockContentTest, DamagedBlockIsDecodedAndItsCheckSaysSo)
{
    for (const KnownBlock& known : KnownBlocks())
    {
        SCOPED_TRACE(known.ucNumber);
        const SensorStruct before;
        SensorStruct damaged;
        const CString strDamaged = WithByte(Bytes(known.pszRead), 12, 0x77);
        const int iCheck = send.TerSend_ReadBlockIntoSensor(strDamaged, known.ucNumber, damaged);
        EXPECT_EQ(iCheck, 12);
        SensorStruct decoded;
        ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(WithGoodBlockSums(strDamaged), known.ucNumber, decoded),
                  0);
        EXPECT_EQ(RecordText(damaged), RecordText(AfterFailedBlock(before, decoded, known.ucNumber, iCheck)));
        EXPECT_NE(RecordText(damaged), RecordText(AfterFailedBlock(before, before, known.ucNumber, iCheck)))
            << "the fields come from the block";
        send.TerSend_ReadBlockIntoSensor(strDamaged, known.ucNumber, damaged);
        const BlockDescriptor& descriptor = send.m_sBlock[CTervane_Send::TerSend_BlockIndex(known.ucNumber)];
        EXPECT_EQ(descriptor.strRead, strDamaged);
        EXPECT_EQ(descriptor.iReadCheck, 12);
    }
    SensorStruct sensor3;
    send.TerSend_ReadBlockIntoSensor(WithByte(KnownBlockRead(3), 12, 0x77), 3, sensor3);
    EXPECT_EQ(sensor3.strSwUnitA, "N·m") << "decoded";
    EXPECT_EQ(sensor3.ucSwScalingA, 0) << "its bit is set, but the block failed";
}

TEST_F(BlockContentTest, BlockWithoutContentsChangesNothing)
{
    const std::string strBefore = RecordText(sensor);
    EXPECT_EQ(send.TerSend_ReadBlockIntoSensor(KnownBlockRead(2), 4, sensor), -1);
    EXPECT_EQ(send.TerSend_ReadBlockIntoSensor(KnownBlockRead(2), 200, sensor), -1);
    EXPECT_EQ(RecordText(sensor), strBefore);
}

TEST_F(BlockContentTest, DecodersSkipNullFieldsAndKeepTheTrace)
{
    CString strTrace;
    EXPECT_EQ(send.TerSend_ReadBlockGetContentRotorHeader(KnownBlockRead(128), nullptr, nullptr, nullptr,
                                                          nullptr, nullptr, nullptr, nullptr, nullptr,
                                                          nullptr, nullptr, nullptr, &strTrace),
              0);
    EXPECT_EQ(strTrace.Right(41), "Block vollständig I.O. wird verwendet!   ");
    ULONG ulCount = 0;
    EXPECT_EQ(send.TerSend_ReadBlockGetContentRotorCalibFactory(KnownBlockRead(129), nullptr, &ulCount), 0);
    EXPECT_EQ(ulCount, static_cast<ULONG>(KNOWN_TIME));
}

TEST_F(BlockContentTest, PatchedBlocksReEncodeByteIdentical)
{
    ReadAllKnownBlocks();
    SensorStruct& s = sensor;
    const auto wire = [](BYTE ucNumber)
    {
        for (const KnownBlock& known : KnownBlocks())
        {
            if (known.ucNumber == ucNumber)
                return std::string(known.pszWriteWire);
        }
        return std::string();
    };
    const auto finished = [](const CString& strBlock)
    { return Hex(CTervane_Send::TerSend_FinishWriteBlock(strBlock, FALSE)); };

    CString strBlock = PreparedBlock(2);
    EXPECT_TRUE(send.TerSend_WriteBlockSetContentStatorOperation(
        strBlock, &s.tStOperation, &s.ucStOp12, &s.ucBusAddress, &s.ucStOp15Bit0, &s.ucBaudCode, &s.ucStOp17,
        &s.ucStOp18, &s.iLowPassHzA, &s.iLowPassHzB));
    EXPECT_EQ(finished(strBlock), wire(2));
    EXPECT_EQ(send.m_sBlock[2].strWrite, strBlock);

    strBlock = PreparedBlock(3);
    EXPECT_TRUE(send.TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
        strBlock, &s.ucSwCfg7, &s.dSwScaleA, &s.dSwScaleB, &s.strSwUnitA, &s.strSwUnitB, &s.ucUnitA,
        &s.ucUnitB, &s.ucDecimalsA, &s.ucDecimalsB, &s.ucMeanCodeA, &s.ucMeanCodeB, &s.ucSignA, &s.ucSignB,
        &s.ucSwScalingA, &s.ucSwScalingB, &s.iAveragingCount, &s.iMeasuringRateCode, &s.ucDisplayA,
        &s.ucDisplayB));
    EXPECT_EQ(finished(strBlock), wire(3));

    for (const BYTE ucNumber : {BYTE{129}, BYTE{130}})
    {
        const CalibBlockValues& c = ucNumber == 129 ? s.sFactoryCalib : s.sUserCalib;
        // The raw uncertainty 0 stands for FF FF too: write back the bytes as read.
        const int iUncertaintyB = ucNumber == 129 ? 0xFFFF : c.iUncertaintyB;
        strBlock = PreparedBlock(ucNumber);
        EXPECT_TRUE(send.TerSend_WriteBlockSetContentRotorCalibFactory(
            strBlock, &c.tCalib, &c.iGainA, &c.iOffsetA, &c.iGainB, &c.iOffsetB, &c.iCtrlA, &c.iCtrlB,
            &c.iCalib23, &c.iCalib25, &c.iUncertaintyA, &iUncertaintyB, ucNumber == 130));
        EXPECT_EQ(finished(strBlock), wire(ucNumber));
        EXPECT_EQ(send.m_sBlock[CTervane_Send::TerSend_BlockIndex(ucNumber)].strWrite, strBlock);
    }

    strBlock = PreparedBlock(131);
    EXPECT_TRUE(send.TerSend_WriteBlockSetContentRotorOperation(strBlock, &s.tRtOperation, &s.strSerialNoA,
                                                                &s.strSerialNoB));
    EXPECT_EQ(finished(strBlock), wire(131));
}

TEST_F(BlockContentTest, PatchersWriteTheFieldsGiven)
{
    const __time64_t tNow = 0x61000000;
    const BYTE ucBus = 17;
    const int iLowPassA = 1000;
    CString strBlock = PreparedBlock(2);
    send.TerSend_WriteBlockSetContentStatorOperation(strBlock, &tNow, nullptr, &ucBus, nullptr, nullptr,
                                                     nullptr, nullptr, &iLowPassA, nullptr);
    SensorStruct read;
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 2, read), 0);
    EXPECT_EQ(read.tStOperation, tNow);
    EXPECT_EQ(read.ucBusAddress, 17);
    EXPECT_EQ(read.iLowPassHzA, 1000);
    EXPECT_EQ(read.iLowPassHzB, 300) << "untouched";
    EXPECT_EQ(read.ucBaudCode, 9) << "untouched";
}

TEST_F(BlockContentTest, StatorOperationByte15Flag)
{
    const struct
    {
        BYTE ucFlag;
        BYTE ucByte15;
    } cases[] = {{0, 0xA4}, {1, 0xA5}, {2, 0xA4}};
    for (const auto& c : cases)
    {
        CString strBlock = PreparedBlock(2);
        send.TerSend_WriteBlockSetContentStatorOperation(strBlock, nullptr, nullptr, nullptr, &c.ucFlag,
                                                         nullptr, nullptr, nullptr, nullptr, nullptr);
        EXPECT_EQ(At(strBlock, 15), c.ucByte15) << int{c.ucFlag};
    }
}

TEST_F(BlockContentTest, SoftwareConfigurationTextsAndLimits)
{
    const CString strLong = " kN·m/s ";
    const CString strShort = "g";
    const int iNoAveraging = 0;
    const BYTE ucTooWide = 0x25; // unit field has 5 bits
    CString strBlock = PreparedBlock(3);
    EXPECT_FALSE(send.TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
        strBlock, nullptr, nullptr, nullptr, &strLong, &strShort, &ucTooWide, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &iNoAveraging, nullptr, nullptr, nullptr));
    EXPECT_EQ(strBlock.Mid(16, 10), "kN·m/g    ");
    EXPECT_EQ(At(strBlock, 26), 0x45) << "low five bits written, decimals kept";

    SensorStruct read;
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 3, read), 0);
    EXPECT_EQ(read.strSwUnitA, "kN·m/");
    EXPECT_EQ(read.strSwUnitB, "g");
    EXPECT_EQ(read.iAveragingCount, 1) << "0 reads as 1";

    const int iTooMany = 10000;
    send.TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
        strBlock, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, &iTooMany, nullptr, nullptr, nullptr);
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 3, read), 0);
    EXPECT_EQ(read.iAveragingCount, 1) << "above 9999 reads as 1";
}

TEST_F(BlockContentTest, SoftwareConfigurationFlags)
{
    // Byte 7 not 1: configuration inactive even for a valid block.
    CString strBlock = PreparedBlock(3);
    const BYTE ucZero = 0;
    send.TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
        strBlock, &ucZero, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(KnownBlockRead(3), 3, sensor), 0);
    ASSERT_EQ(sensor.ucSwCfgActive, 1);
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 3, sensor), 0);
    EXPECT_EQ(sensor.ucSwCfgActive, 0);
    EXPECT_EQ(sensor.ucSwCfgValid, 1);

    SensorStruct fresh;
    EXPECT_EQ(send.TerSend_ReadBlockIntoSensor(CString('\xFF', 40), 3, fresh), 255);
    EXPECT_EQ(fresh.ucSwCfgRead, 1);
    EXPECT_EQ(fresh.ucSwCfgValid, 0);
    EXPECT_EQ(fresh.ucSwScalingA, 0) << "scaling of a damaged block never applies";
}

TEST_F(BlockContentTest, CalibrationValuesOutOfRange)
{
    const int iOffsetTooLow = -40000;
    const int iGainTooHigh = 70000;
    const int iOffsetB = -5;
    CString strBlock = PreparedBlock(130);
    EXPECT_FALSE(send.TerSend_WriteBlockSetContentRotorCalibUser(
        strBlock, nullptr, &iGainTooHigh, &iOffsetTooLow, nullptr, &iOffsetB, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr));
    EXPECT_EQ(Hex(strBlock.Mid(11, 8)), "80 00 80 01 7E DC FF FB") << "offset A keeps its bytes";
}

TEST_F(BlockContentTest, SerialNumberTexts)
{
    // Bytes 23 to 31 all 0xFF read as "n.a."; "n.a." is written as six question marks.
    BYTE bytes[40] = {0x02, 0x44, 0xFF, 0x06, 0x21, 0x83, 0x43};
    for (int i = 23; i <= 31; ++i)
        bytes[i] = 0xFF;
    CTervane_Send::TerSend_CalcBlockSums(&bytes[6]);
    const CString strUnset(reinterpret_cast<const char*>(bytes), 40);
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(strUnset, 131, sensor), 0);
    EXPECT_EQ(sensor.strSerialNoA, "n.a.");
    EXPECT_EQ(sensor.strSerialNoB, "n.a.");

    const CString strNa = "n.a.";
    CString strBlock = PreparedBlock(131);
    send.TerSend_WriteBlockSetContentRotorOperation(strBlock, nullptr, &strNa, nullptr);
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 131, sensor), 0);
    EXPECT_EQ(sensor.strSerialNoA, "??????");
    EXPECT_EQ(sensor.strSerialNoB, "7b3Kx?");

    // Text B alone keeps bits 0-5 of bytes 23 to 28; short texts are blank-filled, long ones cut.
    const CString strB = " Zz ";
    strBlock = PreparedBlock(131);
    send.TerSend_WriteBlockSetContentRotorOperation(strBlock, nullptr, nullptr, &strB);
    for (int i = 23; i <= 28; ++i)
        EXPECT_EQ(At(strBlock, i) & 0x3F, At(KnownBlockRead(131), i) & 0x3F) << i;
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 131, sensor), 0);
    EXPECT_EQ(sensor.strSerialNoA, "QX0815");
    EXPECT_EQ(sensor.strSerialNoB, "Zz");

    const CString strLong = "ABCDEFGH";
    const CString strOutside = "ä-.";
    send.TerSend_WriteBlockSetContentRotorOperation(strBlock, nullptr, &strLong, &strOutside);
    ASSERT_EQ(send.TerSend_ReadBlockIntoSensor(Written(strBlock), 131, sensor), 0);
    EXPECT_EQ(sensor.strSerialNoA, "ABCDEF");
    EXPECT_EQ(sensor.strSerialNoB, "???");
}
