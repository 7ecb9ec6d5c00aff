// Block contents: the status-long decoder, the block decoders and patchers, and the sensor record.
#include "protocol/CTervane_Send.h"

#include "protocol/CFloat32.h"
#include "protocol/ConfigBlock.h"
#include "protocol/SensorStruct.h"

#include <charconv>

namespace
{
constexpr BYTE BLOCK_ST_HEADER = 0;
constexpr BYTE BLOCK_ST_HARDWARE = 1;
constexpr BYTE BLOCK_ST_OPERATION = 2;
constexpr BYTE BLOCK_ST_SOFTWARE_CONFIG = 3;
constexpr BYTE BLOCK_RT_HEADER = 128;
constexpr BYTE BLOCK_RT_FACTORY_CALIB = 129;
constexpr BYTE BLOCK_RT_USER_CALIB = 130;
constexpr BYTE BLOCK_RT_OPERATION = 131;

constexpr int STATUS_LONG_MIN_LENGTH = 19;
constexpr int TIME_STAMP = 7;
constexpr int UNIT_TEXT_LENGTH = 5;
constexpr int SERIAL_TEXT_LENGTH = 6;
constexpr int SERIAL_FIRST = 23;
constexpr int SERIAL_LAST = 31;
constexpr int SERIAL_B_LOW = 29;
constexpr int MAX_AVERAGING_COUNT = 9999;
constexpr double GAIN_ONE = 32768.0;
constexpr double UNCERTAINTY_SCALE = 10000.0;
constexpr int NO_UNCERTAINTY = 0xFFFF;
const char* const SERIAL_NOT_AVAILABLE = "n.a.";

template <typename T, typename V> void SetIf(T* pField, V value)
{
    if (pField)
        *pField = static_cast<T>(value);
}

void ReadTime(const ConfigBlock& block, __time64_t* ptTime, tm* ptmLocal, CString* pstrDate)
{
    CTervane_Send::TerSend_ReadTimeStamp(block.ToString(), ptTime, ptmLocal, pstrDate, nullptr);
}

void WriteTime(ConfigBlock& block, const __time64_t* ptTime)
{
    if (ptTime)
        CTervane_Send::TerSend_TimeToBytes(*ptTime, &block.At(TIME_STAMP), &block.At(TIME_STAMP + 1),
                                           &block.At(TIME_STAMP + 2), &block.At(TIME_STAMP + 3));
}

BOOL WriteUInt16(ConfigBlock& block, int iIndex, const int* piValue)
{
    return piValue ? CTervane_Send::TerSend_UInt16ToBytes(*piValue, &block.At(iIndex), &block.At(iIndex + 1))
                   : TRUE;
}

BOOL WriteInt16(ConfigBlock& block, int iIndex, const int* piValue)
{
    return piValue ? CTervane_Send::TerSend_Int16ToBytes(*piValue, &block.At(iIndex), &block.At(iIndex + 1))
                   : TRUE;
}

void WriteByte(ConfigBlock& block, int iIndex, const BYTE* pucValue)
{
    if (pucValue)
        block.At(iIndex) = *pucValue;
}

CString ReadText(const ConfigBlock& block, int iFirst, int iLength)
{
    CString strText;
    for (int i = iFirst; i < iFirst + iLength; ++i)
        strText += static_cast<char>(block.At(i));
    return strText.Trim();
}

// Trimmed, cut to iLength characters and blank-filled to them.
CString FixedLengthText(const CString& strText, int iLength)
{
    CString strFixed = strText;
    strFixed.Trim();
    strFixed = strFixed.Left(iLength);
    return strFixed + CString(' ', iLength - strFixed.GetLength());
}

void WriteText(ConfigBlock& block, int iFirst, int iLength, const CString* pstrText)
{
    if (!pstrText)
        return;
    const CString strFixed = FixedLengthText(*pstrText, iLength);
    for (int i = 0; i < iLength; ++i)
        block.At(iFirst + i) = static_cast<BYTE>(strFixed.GetAt(i));
}

// The number of a range text; an empty text is 0.
double RangeTextToValue(const CString& strText)
{
    double dValue = 0.0;
    const char* pszText = strText.GetString();
    std::from_chars(pszText, pszText + strText.GetLength(), dValue);
    return dValue;
}

void ReadRange(const ConfigBlock& block, int iIndex, int* piCode, double* pdRange)
{
    const unsigned uCode = block.UInt16At(iIndex);
    SetIf(piCode, uCode);
    if (pdRange)
    {
        CString strRange;
        CTervane_Send::TerSend_RangeCodeToText(strRange, uCode);
        *pdRange = RangeTextToValue(strRange);
    }
}

double UncertaintyValue(int iRaw)
{
    return iRaw / UNCERTAINTY_SCALE;
}

int UncertaintyRaw(unsigned uValue)
{
    return uValue == NO_UNCERTAINTY ? 0 : static_cast<int>(uValue);
}

bool AllSerialBytesUnset(const ConfigBlock& block)
{
    for (int i = SERIAL_FIRST; i <= SERIAL_LAST; ++i)
    {
        if (block.At(i) != 0xFF)
            return false;
    }
    return true;
}

// Text A: bits 0-5 of bytes 23-28. Text B: bits 0-5 of bytes 29-31, then three characters from
// bits 6-7 of bytes 23-25, 26-28 and 29-31 (two code bits per byte, low bits first).
BYTE SerialCode(const ConfigBlock& block, bool bChannelB, int iChar)
{
    if (!bChannelB)
        return block.At(SERIAL_FIRST + iChar) & 0x3F;
    if (iChar < 3)
        return block.At(SERIAL_B_LOW + iChar) & 0x3F;
    const int iBase = SERIAL_FIRST + 3 * (iChar - 3);
    BYTE ucCode = 0;
    for (int k = 0; k < 3; ++k)
        ucCode |= static_cast<BYTE>(((block.At(iBase + k) >> 6) & 0x03) << (2 * k));
    return ucCode;
}

CString ReadSerialText(const ConfigBlock& block, bool bChannelB)
{
    if (AllSerialBytesUnset(block))
        return SERIAL_NOT_AVAILABLE;
    CString strText;
    for (int i = 0; i < SERIAL_TEXT_LENGTH; ++i)
        strText += CTervane_Send::TerSend_CodeToChar(SerialCode(block, bChannelB, i));
    return strText.Trim();
}

int StHw16Kind(BYTE ucStHw16)
{
    if (ucStHw16 == 0 || ucStHw16 == 0xFF)
        return 0;
    return ucStHw16 == 1 ? 1 : 2;
}
} // namespace

// ---- Shared steps

int CTervane_Send::TakeBlockForDecoding(const CString& strBlock, BYTE ucBlockNr, CString* pstrTrace,
                                        ConfigBlock& block)
{
    BlockDescriptor& descriptor = m_sBlock.at(TerSend_BlockIndex(ucBlockNr));
    descriptor.strRead = strBlock;
    block = ConfigBlock::FromString(strBlock);
    descriptor.iReadCheck = TerSend_CheckBlock(strBlock, pstrTrace);
    return descriptor.iReadCheck;
}

void CTervane_Send::KeepWrittenBlock(CString& strBlock, const ConfigBlock& block, BYTE ucBlockNr)
{
    strBlock = block.ToString();
    m_sBlock.at(TerSend_BlockIndex(ucBlockNr)).strWrite = strBlock;
}

double CTervane_Send::ReadFloat(const ConfigBlock& block, int iIndex)
{
    return m_pFloat32->Decode(&block.At(iIndex), &block.At(iIndex + 1), &block.At(iIndex + 2),
                              &block.At(iIndex + 3));
}

BOOL CTervane_Send::WriteFloat(ConfigBlock& block, int iIndex, const double* pdValue)
{
    if (!pdValue)
        return TRUE;
    const BOOL bInRange = m_pFloat32->Encode(pdValue);
    for (int i = 0; i < 4; ++i)
        block.At(iIndex + i) = m_pFloat32->GetByte(i);
    return bInRange;
}

BOOL CTervane_Send::WriteBitField(BYTE& ucDest, int iFirstBit, int iBitCount, const BYTE* pucValue) const
{
    if (!pucValue)
        return TRUE;
    for (int i = 0; i < iBitCount; ++i)
        TerSend_CopyBit(ucDest, iFirstBit + i, *pucValue, i);
    return (*pucValue >> iBitCount) == 0;
}

void CTervane_Send::WriteSerialText(ConfigBlock& block, const CString& strText, BOOL bChannelB) const
{
    CString strTrimmed = strText;
    strTrimmed.Trim();
    const CString strFixed = strTrimmed == SERIAL_NOT_AVAILABLE
                                 ? CString('?', SERIAL_TEXT_LENGTH)
                                 : FixedLengthText(strTrimmed, SERIAL_TEXT_LENGTH);
    for (int i = 0; i < SERIAL_TEXT_LENGTH; ++i)
    {
        const BYTE ucCode = TerSend_CharToCode(strFixed.GetAt(i));
        if (!bChannelB)
            WriteBitField(block.At(SERIAL_FIRST + i), 0, 6, &ucCode);
        else if (i < 3)
            WriteBitField(block.At(SERIAL_B_LOW + i), 0, 6, &ucCode);
        else
        {
            const int iBase = SERIAL_FIRST + 3 * (i - 3);
            for (int k = 0; k < 3; ++k)
            {
                TerSend_CopyBit(block.At(iBase + k), 6, ucCode, 2 * k);
                TerSend_CopyBit(block.At(iBase + k), 7, ucCode, 2 * k + 1);
            }
        }
    }
}

// ---- Decoders

BOOL CTervane_Send::TerSend_ReadStatusLongGetContent(
    const CString& strAnswer, BYTE* pucStatusAddress, BYTE* pucStatusOk, BYTE* pucAdjustment,
    BYTE* pucSupportInfo, BYTE* pucNoDigitalInput, BYTE* pucInterfaceKind, BYTE* pucStatusBit7,
    BYTE* pucStatorType, BYTE* pucStatorRev, BYTE* pucRotorId, BYTE* pucRotorRev, BYTE* pucWatchdogTime)
{
    if (strAnswer.GetLength() < STATUS_LONG_MIN_LENGTH)
        return FALSE;
    const auto at = [&strAnswer](int iIndex) { return static_cast<BYTE>(strAnswer.GetAt(iIndex)); };
    const BYTE ucBits = at(6);
    SetIf(pucStatusAddress, at(3));
    SetIf(pucStatusOk, at(5));
    SetIf(pucAdjustment, ucBits & 0x03);
    SetIf(pucSupportInfo, (ucBits >> 2) & 0x03);
    SetIf(pucNoDigitalInput, (ucBits >> 5) & 0x01);
    SetIf(pucInterfaceKind, (ucBits >> 6) & 0x01);
    SetIf(pucStatusBit7, ucBits >> 7);
    SetIf(pucStatorType, at(7));
    SetIf(pucStatorRev, at(8));
    SetIf(pucRotorId, at(9) & 0x7F);
    SetIf(pucRotorRev, at(10) & 0x7F);
    SetIf(pucWatchdogTime, at(18));
    return TRUE;
}

int CTervane_Send::TerSend_ReadBlockGetContentStatorHeader(const CString& strBlock, int* piStHeaderNo,
                                                           ULONG* pulSerialNo, CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, BLOCK_ST_HEADER, pstrTrace, block);
    SetIf(piStHeaderNo, block.UInt24At(7));
    SetIf(pulSerialNo, block.UInt32At(10));
    return iCheck;
}

int CTervane_Send::TerSend_ReadBlockGetContentStatorHardware(const CString& strBlock, __time64_t* ptTime,
                                                             tm* ptmLocal, CString* pstrDate, BYTE* pucStHw16,
                                                             BYTE* pucImpulseCode, CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, BLOCK_ST_HARDWARE, pstrTrace, block);
    ReadTime(block, ptTime, ptmLocal, pstrDate);
    SetIf(pucStHw16, block.At(16));
    SetIf(pucImpulseCode, block.At(17));
    return iCheck;
}

int CTervane_Send::TerSend_ReadBlockGetContentStatorOperation(
    const CString& strBlock, __time64_t* ptTime, tm* ptmLocal, CString* pstrDate, BYTE* pucStOp12,
    BYTE* pucStOp12Bit0, BYTE* pucBusAddress, BYTE* pucStOp15Bit0, BYTE* pucBaudCode, BYTE* pucStOp17,
    BYTE* pucStOp18, int* piLowPassHzA, int* piLowPassHzB, CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, BLOCK_ST_OPERATION, pstrTrace, block);
    ReadTime(block, ptTime, ptmLocal, pstrDate);
    SetIf(pucStOp12, block.At(12));
    SetIf(pucStOp12Bit0, block.At(12) & 0x01);
    SetIf(pucBusAddress, block.At(13));
    SetIf(pucStOp15Bit0, block.At(15) & 0x01);
    SetIf(pucBaudCode, block.At(16));
    SetIf(pucStOp17, block.At(17));
    SetIf(pucStOp18, block.At(18));
    SetIf(piLowPassHzA, block.UInt16At(19));
    SetIf(piLowPassHzB, block.UInt16At(21));
    return iCheck;
}

int CTervane_Send::TerSend_ReadBlockGetContentStatorSoftwareConfiguration(
    const CString& strBlock, BYTE* pucSwCfg7, double* pdSwScaleA, double* pdSwScaleB, CString* pstrSwUnitA,
    CString* pstrSwUnitB, BYTE* pucUnitA, BYTE* pucUnitB, BYTE* pucDecimalsA, BYTE* pucDecimalsB,
    BYTE* pucMeanCodeA, BYTE* pucMeanCodeB, BYTE* pucSignA, BYTE* pucSignB, BYTE* pucSwScalingA,
    BYTE* pucSwScalingB, int* piAveragingCount, int* piMeasuringRateCode, BYTE* pucDisplayA,
    BYTE* pucDisplayB, CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, BLOCK_ST_SOFTWARE_CONFIG, pstrTrace, block);
    SetIf(pucSwCfg7, block.At(7));
    if (pdSwScaleA)
        *pdSwScaleA = ReadFloat(block, 8);
    if (pdSwScaleB)
        *pdSwScaleB = ReadFloat(block, 12);
    SetIf(pstrSwUnitA, ReadText(block, 16, UNIT_TEXT_LENGTH));
    SetIf(pstrSwUnitB, ReadText(block, 21, UNIT_TEXT_LENGTH));
    SetIf(pucUnitA, block.At(26) & 0x1F);
    SetIf(pucDecimalsA, block.At(26) >> 5);
    SetIf(pucUnitB, block.At(27) & 0x1F);
    SetIf(pucDecimalsB, block.At(27) >> 5);
    SetIf(pucMeanCodeA, block.At(28) & 0x0F);
    SetIf(pucDisplayA, (block.At(28) >> 4) & 0x03);
    // The software scaling of a block that failed its check is never applied.
    const bool bUsable = iCheck == BLOCK_OK;
    SetIf(pucSwScalingA, bUsable ? (block.At(28) >> 6) & 0x01 : 0);
    SetIf(pucSignA, block.At(28) >> 7);
    SetIf(pucMeanCodeB, block.At(29) & 0x0F);
    SetIf(pucDisplayB, (block.At(29) >> 4) & 0x03);
    SetIf(pucSwScalingB, bUsable ? (block.At(29) >> 6) & 0x01 : 0);
    SetIf(pucSignB, block.At(29) >> 7);
    const unsigned uAveraging = block.UInt16At(30);
    SetIf(piAveragingCount, uAveraging == 0 || uAveraging > MAX_AVERAGING_COUNT ? 1u : uAveraging);
    SetIf(piMeasuringRateCode, block.At(32));
    return iCheck;
}

int CTervane_Send::TerSend_ReadBlockGetContentRotorHeader(
    const CString& strBlock, int* piRtHeaderNo, ULONG* pulRtHeaderNo, BYTE* pucRt14, BYTE* pucTypeClassA,
    int* piRangeCodeA, double* pdRangeA, BYTE* pucAccuracyA, BYTE* pucTypeClassB, int* piRangeCodeB,
    double* pdRangeB, BYTE* pucAccuracyB, CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, BLOCK_RT_HEADER, pstrTrace, block);
    SetIf(piRtHeaderNo, block.UInt24At(7));
    SetIf(pulRtHeaderNo, block.UInt32At(10));
    SetIf(pucRt14, block.At(14));
    SetIf(pucTypeClassA, block.At(15));
    ReadRange(block, 16, piRangeCodeA, pdRangeA);
    SetIf(pucAccuracyA, block.At(18));
    SetIf(pucTypeClassB, block.At(19));
    ReadRange(block, 20, piRangeCodeB, pdRangeB);
    SetIf(pucAccuracyB, block.At(22));
    return iCheck;
}

int CTervane_Send::TerSend_ReadBlockGetContentRotorCalibFactory(const CString& strBlock,
                                                                CalibBlockValues* psValues,
                                                                ULONG* pulTimeCount, BOOL bUser,
                                                                CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, bUser ? BLOCK_RT_USER_CALIB : BLOCK_RT_FACTORY_CALIB,
                                            pstrTrace, block);
    SetIf(pulTimeCount, block.UInt32At(TIME_STAMP));
    if (!psValues)
        return iCheck;
    CalibBlockValues& values = *psValues;
    ReadTime(block, &values.tCalib, &values.tmCalib, nullptr);
    values.iGainA = static_cast<int>(block.UInt16At(11));
    values.dGainA = values.iGainA / GAIN_ONE;
    values.iOffsetA = TerSend_BytesToInt16(block.At(13), block.At(14));
    values.iGainB = static_cast<int>(block.UInt16At(15));
    values.dGainB = values.iGainB / GAIN_ONE;
    values.iOffsetB = TerSend_BytesToInt16(block.At(17), block.At(18));
    values.iCtrlA = static_cast<int>(block.UInt16At(19));
    values.dCtrlA = values.iCtrlA / GAIN_ONE;
    values.iCtrlB = static_cast<int>(block.UInt16At(21));
    values.dCtrlB = values.iCtrlB / GAIN_ONE;
    values.iCalib23 = static_cast<int>(block.UInt16At(23));
    values.iCalib25 = static_cast<int>(block.UInt16At(25));
    values.iUncertaintyA = UncertaintyRaw(block.UInt16At(27));
    values.iUncertaintyB = UncertaintyRaw(block.UInt16At(29));
    values.dUncertaintyA = UncertaintyValue(values.iUncertaintyA);
    values.dUncertaintyB = UncertaintyValue(values.iUncertaintyB);
    return iCheck;
}

int CTervane_Send::TerSend_ReadBlockGetContentRotorCalibUser(const CString& strBlock,
                                                             CalibBlockValues* psValues, CString* pstrTrace)
{
    return TerSend_ReadBlockGetContentRotorCalibFactory(strBlock, psValues, nullptr, TRUE, pstrTrace);
}

int CTervane_Send::TerSend_ReadBlockGetContentRotorOperation(const CString& strBlock, __time64_t* ptTime,
                                                             tm* ptmLocal, CString* pstrDate,
                                                             CString* pstrSerialNoA, CString* pstrSerialNoB,
                                                             CString* pstrTrace)
{
    ConfigBlock block;
    const int iCheck = TakeBlockForDecoding(strBlock, BLOCK_RT_OPERATION, pstrTrace, block);
    ReadTime(block, ptTime, ptmLocal, pstrDate);
    SetIf(pstrSerialNoA, ReadSerialText(block, false));
    SetIf(pstrSerialNoB, ReadSerialText(block, true));
    return iCheck;
}

// ---- Into the sensor record

BOOL CTervane_Send::TerSend_ReadStatusLongIntoSensor(const CString& strAnswer, SensorStruct& s)
{
    return TerSend_ReadStatusLongGetContent(strAnswer, &s.ucStatusAddress, &s.ucStatusOk, &s.ucAdjustment,
                                            &s.ucSupportInfo, &s.ucNoDigitalInput, &s.ucInterfaceKind,
                                            &s.ucStatusBit7, &s.ucStatorType, &s.ucStatorRev, &s.ucRotorId,
                                            &s.ucRotorRev, &s.ucWatchdogTime);
}

int CTervane_Send::TerSend_ReadBlockIntoSensor(const CString& strBlock, BYTE ucBlockNr, SensorStruct& s,
                                               CString* pstrTrace)
{
    switch (ucBlockNr)
    {
        case BLOCK_ST_HEADER:
            return s.iStHeaderCheck = TerSend_ReadBlockGetContentStatorHeader(strBlock, &s.iStHeaderNo,
                                                                              &s.ulSerialNo, pstrTrace);
        case BLOCK_ST_HARDWARE:
        {
            s.iStHardwareCheck = TerSend_ReadBlockGetContentStatorHardware(
                strBlock, &s.tStHardware, &s.tmStHardware, nullptr, &s.ucStHw16, &s.ucImpulseCode, pstrTrace);
            s.iStHw16Kind = StHw16Kind(s.ucStHw16);
            CString strImpulses;
            TerSend_ImpulseCodeToText(strImpulses, s.ucImpulseCode, nullptr, &s.iImpulsesPerRev);
            return s.iStHardwareCheck;
        }
        case BLOCK_ST_OPERATION:
            return s.iStOperationCheck = TerSend_ReadBlockGetContentStatorOperation(
                       strBlock, &s.tStOperation, &s.tmStOperation, nullptr, &s.ucStOp12, &s.ucStOp12Bit0,
                       &s.ucBusAddress, &s.ucStOp15Bit0, &s.ucBaudCode, &s.ucStOp17, &s.ucStOp18,
                       &s.iLowPassHzA, &s.iLowPassHzB, pstrTrace);
        case BLOCK_ST_SOFTWARE_CONFIG:
            s.iSwCfgCheck = TerSend_ReadBlockGetContentStatorSoftwareConfiguration(
                strBlock, &s.ucSwCfg7, &s.dSwScaleA, &s.dSwScaleB, &s.strSwUnitA, &s.strSwUnitB, &s.ucUnitA,
                &s.ucUnitB, &s.ucDecimalsA, &s.ucDecimalsB, &s.ucMeanCodeA, &s.ucMeanCodeB, &s.ucSignA,
                &s.ucSignB, &s.ucSwScalingA, &s.ucSwScalingB, &s.iAveragingCount, &s.iMeasuringRateCode,
                &s.ucDisplayA, &s.ucDisplayB, pstrTrace);
            s.ucSwCfgValid = s.iSwCfgCheck == BLOCK_OK;
            if (s.ucSwCfg7 != 1)
                s.ucSwCfgActive = 0;
            else if (s.ucSwCfgValid)
                s.ucSwCfgActive = 1;
            s.ucSwCfgRead = 1;
            return s.iSwCfgCheck;
        case BLOCK_RT_HEADER:
            return s.iRtHeaderCheck = TerSend_ReadBlockGetContentRotorHeader(
                       strBlock, &s.iRtHeaderNo, &s.ulRtHeaderNo, &s.ucRt14, &s.ucTypeClassA, &s.iRangeCodeA,
                       &s.dRangeA, &s.ucAccuracyA, &s.ucTypeClassB, &s.iRangeCodeB, &s.dRangeB,
                       &s.ucAccuracyB, pstrTrace);
        case BLOCK_RT_FACTORY_CALIB:
            return s.sFactoryCalib.iCalibCheck = TerSend_ReadBlockGetContentRotorCalibFactory(
                       strBlock, &s.sFactoryCalib, nullptr, FALSE, pstrTrace);
        case BLOCK_RT_USER_CALIB:
            return s.sUserCalib.iCalibCheck =
                       TerSend_ReadBlockGetContentRotorCalibUser(strBlock, &s.sUserCalib, pstrTrace);
        case BLOCK_RT_OPERATION:
            return s.iRtOperationCheck = TerSend_ReadBlockGetContentRotorOperation(
                       strBlock, &s.tRtOperation, &s.tmRtOperation, nullptr, &s.strSerialNoA, &s.strSerialNoB,
                       pstrTrace);
        default:
            return -1;
    }
}

// ---- Patchers

BOOL CTervane_Send::TerSend_WriteBlockSetContentStatorOperation(
    CString& strBlock, const __time64_t* ptTime, const BYTE* pucStOp12, const BYTE* pucBusAddress,
    const BYTE* pucStOp15Bit0, const BYTE* pucBaudCode, const BYTE* pucStOp17, const BYTE* pucStOp18,
    const int* piLowPassHzA, const int* piLowPassHzB)
{
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    WriteTime(block, ptTime);
    WriteByte(block, 12, pucStOp12);
    WriteByte(block, 13, pucBusAddress);
    if (pucStOp15Bit0)
    {
        const BYTE ucBit = *pucStOp15Bit0 == 1 ? 1 : 0;
        TerSend_CopyBit(block.At(15), 0, ucBit, 0);
    }
    WriteByte(block, 16, pucBaudCode);
    WriteByte(block, 17, pucStOp17);
    WriteByte(block, 18, pucStOp18);
    BOOL bAllFit = WriteUInt16(block, 19, piLowPassHzA);
    bAllFit &= WriteUInt16(block, 21, piLowPassHzB);
    KeepWrittenBlock(strBlock, block, BLOCK_ST_OPERATION);
    return bAllFit;
}

BOOL CTervane_Send::TerSend_WriteBlockSetContentStatorSoftwareConfiguration(
    CString& strBlock, const BYTE* pucSwCfg7, const double* pdSwScaleA, const double* pdSwScaleB,
    const CString* pstrSwUnitA, const CString* pstrSwUnitB, const BYTE* pucUnitA, const BYTE* pucUnitB,
    const BYTE* pucDecimalsA, const BYTE* pucDecimalsB, const BYTE* pucMeanCodeA, const BYTE* pucMeanCodeB,
    const BYTE* pucSignA, const BYTE* pucSignB, const BYTE* pucSwScalingA, const BYTE* pucSwScalingB,
    const int* piAveragingCount, const int* piMeasuringRateCode, const BYTE* pucDisplayA,
    const BYTE* pucDisplayB)
{
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    WriteByte(block, 7, pucSwCfg7);
    BOOL bAllFit = WriteFloat(block, 8, pdSwScaleA);
    bAllFit &= WriteFloat(block, 12, pdSwScaleB);
    WriteText(block, 16, UNIT_TEXT_LENGTH, pstrSwUnitA);
    WriteText(block, 21, UNIT_TEXT_LENGTH, pstrSwUnitB);
    bAllFit &= WriteBitField(block.At(26), 0, 5, pucUnitA);
    bAllFit &= WriteBitField(block.At(26), 5, 3, pucDecimalsA);
    bAllFit &= WriteBitField(block.At(27), 0, 5, pucUnitB);
    bAllFit &= WriteBitField(block.At(27), 5, 3, pucDecimalsB);
    bAllFit &= WriteBitField(block.At(28), 0, 4, pucMeanCodeA);
    bAllFit &= WriteBitField(block.At(28), 4, 2, pucDisplayA);
    bAllFit &= WriteBitField(block.At(28), 6, 1, pucSwScalingA);
    bAllFit &= WriteBitField(block.At(28), 7, 1, pucSignA);
    bAllFit &= WriteBitField(block.At(29), 0, 4, pucMeanCodeB);
    bAllFit &= WriteBitField(block.At(29), 4, 2, pucDisplayB);
    bAllFit &= WriteBitField(block.At(29), 6, 1, pucSwScalingB);
    bAllFit &= WriteBitField(block.At(29), 7, 1, pucSignB);
    bAllFit &= WriteUInt16(block, 30, piAveragingCount);
    if (piMeasuringRateCode)
    {
        bAllFit &= *piMeasuringRateCode >= 0 && *piMeasuringRateCode <= 0xFF;
        block.At(32) = static_cast<BYTE>(*piMeasuringRateCode);
    }
    KeepWrittenBlock(strBlock, block, BLOCK_ST_SOFTWARE_CONFIG);
    return bAllFit;
}

BOOL CTervane_Send::TerSend_WriteBlockSetContentRotorCalibUser(
    CString& strBlock, const __time64_t* ptTime, const int* piGainA, const int* piOffsetA, const int* piGainB,
    const int* piOffsetB, const int* piCtrlA, const int* piCtrlB, const int* piCalib23, const int* piCalib25,
    const int* piUncertaintyA, const int* piUncertaintyB)
{
    return TerSend_WriteBlockSetContentRotorCalibFactory(strBlock, ptTime, piGainA, piOffsetA, piGainB,
                                                         piOffsetB, piCtrlA, piCtrlB, piCalib23, piCalib25,
                                                         piUncertaintyA, piUncertaintyB, TRUE);
}

BOOL CTervane_Send::TerSend_WriteBlockSetContentRotorCalibFactory(
    CString& strBlock, const __time64_t* ptTime, const int* piGainA, const int* piOffsetA, const int* piGainB,
    const int* piOffsetB, const int* piCtrlA, const int* piCtrlB, const int* piCalib23, const int* piCalib25,
    const int* piUncertaintyA, const int* piUncertaintyB, BOOL bUser)
{
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    WriteTime(block, ptTime);
    BOOL bAllFit = WriteUInt16(block, 11, piGainA);
    bAllFit &= WriteInt16(block, 13, piOffsetA);
    bAllFit &= WriteUInt16(block, 15, piGainB);
    bAllFit &= WriteInt16(block, 17, piOffsetB);
    bAllFit &= WriteUInt16(block, 19, piCtrlA);
    bAllFit &= WriteUInt16(block, 21, piCtrlB);
    bAllFit &= WriteUInt16(block, 23, piCalib23);
    bAllFit &= WriteUInt16(block, 25, piCalib25);
    bAllFit &= WriteUInt16(block, 27, piUncertaintyA);
    bAllFit &= WriteUInt16(block, 29, piUncertaintyB);
    KeepWrittenBlock(strBlock, block, bUser ? BLOCK_RT_USER_CALIB : BLOCK_RT_FACTORY_CALIB);
    return bAllFit;
}

BOOL CTervane_Send::TerSend_WriteBlockSetContentRotorOperation(CString& strBlock, const __time64_t* ptTime,
                                                               const CString* pstrSerialNoA,
                                                               const CString* pstrSerialNoB)
{
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    WriteTime(block, ptTime);
    if (pstrSerialNoA)
        WriteSerialText(block, *pstrSerialNoA, FALSE);
    if (pstrSerialNoB)
        WriteSerialText(block, *pstrSerialNoB, TRUE);
    KeepWrittenBlock(strBlock, block, BLOCK_RT_OPERATION);
    return TRUE;
}
