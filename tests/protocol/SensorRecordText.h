// Every field of a sensor record as text, to compare whole records in tests.
#pragma once

#include "protocol/CTervane_Send.h"
#include "protocol/ConfigBlock.h"
#include "protocol/SensorStruct.h"

#include "ProtocolTestData.h"

#include <sstream>
#include <string>

namespace protocol_test
{
inline std::string Show(BYTE uc)
{
    return std::to_string(uc);
}
inline std::string Show(int i)
{
    return std::to_string(i);
}
inline std::string Show(ULONG ul)
{
    return std::to_string(ul);
}
inline std::string Show(long long ll)
{
    return std::to_string(ll);
}
inline std::string Show(double d)
{
    std::ostringstream out;
    out.precision(17);
    out << d;
    return out.str();
}
inline std::string Show(const CString& str)
{
    return "[" + Hex(str) + "]";
}
inline std::string Show(const tm& t)
{
    std::ostringstream out;
    out << t.tm_year << '-' << t.tm_mon << '-' << t.tm_mday << ' ' << t.tm_hour << ':' << t.tm_min << ':'
        << t.tm_sec;
    return out.str();
}

#define PROTOCOL_TEST_FIELD(record, name) out << #name << '=' << Show(record.name) << '\n'

inline std::string CalibText(const CalibBlockValues& c)
{
    std::ostringstream out;
    PROTOCOL_TEST_FIELD(c, tCalib);
    PROTOCOL_TEST_FIELD(c, tmCalib);
    PROTOCOL_TEST_FIELD(c, iGainA);
    PROTOCOL_TEST_FIELD(c, dGainA);
    PROTOCOL_TEST_FIELD(c, iOffsetA);
    PROTOCOL_TEST_FIELD(c, iGainB);
    PROTOCOL_TEST_FIELD(c, dGainB);
    PROTOCOL_TEST_FIELD(c, iOffsetB);
    PROTOCOL_TEST_FIELD(c, iCtrlA);
    PROTOCOL_TEST_FIELD(c, dCtrlA);
    PROTOCOL_TEST_FIELD(c, iCtrlB);
    PROTOCOL_TEST_FIELD(c, dCtrlB);
    PROTOCOL_TEST_FIELD(c, iCalib23);
    PROTOCOL_TEST_FIELD(c, iCalib25);
    PROTOCOL_TEST_FIELD(c, iUncertaintyA);
    PROTOCOL_TEST_FIELD(c, iUncertaintyB);
    PROTOCOL_TEST_FIELD(c, dUncertaintyA);
    PROTOCOL_TEST_FIELD(c, dUncertaintyB);
    PROTOCOL_TEST_FIELD(c, iCalibCheck);
    return out.str();
}

inline std::string RecordText(const SensorStruct& s)
{
    std::ostringstream out;
    PROTOCOL_TEST_FIELD(s, ucNakCode);
    PROTOCOL_TEST_FIELD(s, ucStatusAddress);
    PROTOCOL_TEST_FIELD(s, ucStatusOk);
    PROTOCOL_TEST_FIELD(s, ucAdjustment);
    PROTOCOL_TEST_FIELD(s, ucSupportInfo);
    PROTOCOL_TEST_FIELD(s, ucNoDigitalInput);
    PROTOCOL_TEST_FIELD(s, ucInterfaceKind);
    PROTOCOL_TEST_FIELD(s, ucStatusBit7);
    PROTOCOL_TEST_FIELD(s, ucStatorType);
    PROTOCOL_TEST_FIELD(s, ucStatorRev);
    PROTOCOL_TEST_FIELD(s, ucRotorId);
    PROTOCOL_TEST_FIELD(s, ucRotorRev);
    PROTOCOL_TEST_FIELD(s, ucWatchdogTime);
    PROTOCOL_TEST_FIELD(s, iStHeaderNo);
    PROTOCOL_TEST_FIELD(s, ulSerialNo);
    PROTOCOL_TEST_FIELD(s, iStHeaderCheck);
    PROTOCOL_TEST_FIELD(s, tStHardware);
    PROTOCOL_TEST_FIELD(s, tmStHardware);
    PROTOCOL_TEST_FIELD(s, ucStHw16);
    PROTOCOL_TEST_FIELD(s, iStHw16Kind);
    PROTOCOL_TEST_FIELD(s, ucImpulseCode);
    PROTOCOL_TEST_FIELD(s, iImpulsesPerRev);
    PROTOCOL_TEST_FIELD(s, iStHardwareCheck);
    PROTOCOL_TEST_FIELD(s, tStOperation);
    PROTOCOL_TEST_FIELD(s, tmStOperation);
    PROTOCOL_TEST_FIELD(s, ucStOp12);
    PROTOCOL_TEST_FIELD(s, ucStOp12Bit0);
    PROTOCOL_TEST_FIELD(s, ucBusAddress);
    PROTOCOL_TEST_FIELD(s, ucStOp15Bit0);
    PROTOCOL_TEST_FIELD(s, ucBaudCode);
    PROTOCOL_TEST_FIELD(s, ucStOp17);
    PROTOCOL_TEST_FIELD(s, ucStOp18);
    PROTOCOL_TEST_FIELD(s, iLowPassHzA);
    PROTOCOL_TEST_FIELD(s, iLowPassHzB);
    PROTOCOL_TEST_FIELD(s, iStOperationCheck);
    PROTOCOL_TEST_FIELD(s, ucSwCfg7);
    PROTOCOL_TEST_FIELD(s, dSwScaleA);
    PROTOCOL_TEST_FIELD(s, dSwScaleB);
    PROTOCOL_TEST_FIELD(s, strSwUnitA);
    PROTOCOL_TEST_FIELD(s, strSwUnitB);
    PROTOCOL_TEST_FIELD(s, ucUnitA);
    PROTOCOL_TEST_FIELD(s, ucUnitB);
    PROTOCOL_TEST_FIELD(s, ucDecimalsA);
    PROTOCOL_TEST_FIELD(s, ucDecimalsB);
    PROTOCOL_TEST_FIELD(s, ucMeanCodeA);
    PROTOCOL_TEST_FIELD(s, ucMeanCodeB);
    PROTOCOL_TEST_FIELD(s, ucSignA);
    PROTOCOL_TEST_FIELD(s, ucSignB);
    PROTOCOL_TEST_FIELD(s, iAveragingCount);
    PROTOCOL_TEST_FIELD(s, iMeasuringRateCode);
    PROTOCOL_TEST_FIELD(s, ucDisplayA);
    PROTOCOL_TEST_FIELD(s, ucDisplayB);
    PROTOCOL_TEST_FIELD(s, ucSwScalingA);
    PROTOCOL_TEST_FIELD(s, ucSwScalingB);
    PROTOCOL_TEST_FIELD(s, iSwCfgCheck);
    PROTOCOL_TEST_FIELD(s, ucSwCfgActive);
    PROTOCOL_TEST_FIELD(s, ucSwCfgValid);
    PROTOCOL_TEST_FIELD(s, ucSwCfgRead);
    PROTOCOL_TEST_FIELD(s, iRtHeaderNo);
    PROTOCOL_TEST_FIELD(s, ulRtHeaderNo);
    PROTOCOL_TEST_FIELD(s, ucRt14);
    PROTOCOL_TEST_FIELD(s, ucTypeClassA);
    PROTOCOL_TEST_FIELD(s, iRangeCodeA);
    PROTOCOL_TEST_FIELD(s, dRangeA);
    PROTOCOL_TEST_FIELD(s, ucAccuracyA);
    PROTOCOL_TEST_FIELD(s, ucTypeClassB);
    PROTOCOL_TEST_FIELD(s, iRangeCodeB);
    PROTOCOL_TEST_FIELD(s, dRangeB);
    PROTOCOL_TEST_FIELD(s, ucAccuracyB);
    PROTOCOL_TEST_FIELD(s, iRtHeaderCheck);
    out << "sFactoryCalib:\n" << CalibText(s.sFactoryCalib) << "sUserCalib:\n" << CalibText(s.sUserCalib);
    PROTOCOL_TEST_FIELD(s, tRtOperation);
    PROTOCOL_TEST_FIELD(s, tmRtOperation);
    PROTOCOL_TEST_FIELD(s, strSerialNoA);
    PROTOCOL_TEST_FIELD(s, strSerialNoB);
    PROTOCOL_TEST_FIELD(s, iRtOperationCheck);
    return out.str();
}

#undef PROTOCOL_TEST_FIELD

// The same block (filled up to 40 bytes) with correct block sums.
inline CString WithGoodBlockSums(const CString& strBlock)
{
    ConfigBlock block = ConfigBlock::FromString(strBlock);
    CTervane_Send::TerSend_CalcBlockSums(&block.At(ConfigBlock::FIRST_SUM_BYTE));
    return block.ToString();
}

// What the record shows after a block of number ucNumber failed its check with iCheck, starting from
// the record `before`: the fields as decoded from the block all the same (`decoded`: the record after
// decoding the block with good sums over `before`), its check state, and for the software
// configuration "not valid", the active flag as it was and both software scalings off.
inline SensorStruct AfterFailedBlock(const SensorStruct& before, SensorStruct decoded, int ucNumber,
                                     int iCheck)
{
    SensorStruct& s = decoded;
    switch (ucNumber)
    {
        case 0:
            s.iStHeaderCheck = iCheck;
            break;
        case 1:
            s.iStHardwareCheck = iCheck;
            break;
        case 2:
            s.iStOperationCheck = iCheck;
            break;
        case 3:
            s.iSwCfgCheck = iCheck;
            s.ucSwCfgValid = 0;
            s.ucSwCfgRead = 1;
            s.ucSwCfgActive = s.ucSwCfg7 != 1 ? 0 : before.ucSwCfgActive;
            s.ucSwScalingA = 0;
            s.ucSwScalingB = 0;
            break;
        case 128:
            s.iRtHeaderCheck = iCheck;
            break;
        case 129:
            s.sFactoryCalib.iCalibCheck = iCheck;
            break;
        case 130:
            s.sUserCalib.iCalibCheck = iCheck;
            break;
        case 131:
            s.iRtOperationCheck = iCheck;
            break;
        default:
            break;
    }
    return decoded;
}
} // namespace protocol_test
