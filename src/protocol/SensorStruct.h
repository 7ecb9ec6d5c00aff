// Decoded picture of a sensor: its status long and the contents of its eight configuration blocks.
// A default-constructed record is the reset state: everything 0 or empty, except the two status
// flags "no digital input" and "QBX interface", which are 1. Broken-down times (tm) are local time
// with tm_mon counted 1 to 12 and tm_year the full year.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <ctime>

// One rotor calibration block (factory 129 or user 130).
struct CalibBlockValues
{
    __time64_t tCalib = 0;
    tm tmCalib = {};
    int iGainA = 0;
    double dGainA = 0.0;
    int iOffsetA = 0;
    int iGainB = 0;
    double dGainB = 0.0;
    int iOffsetB = 0;
    int iCtrlA = 0;
    double dCtrlA = 0.0;
    int iCtrlB = 0;
    double dCtrlB = 0.0;
    int iCalib23 = 0;
    int iCalib25 = 0;
    int iUncertaintyA = 0;
    int iUncertaintyB = 0;
    double dUncertaintyA = 0.0;
    double dUncertaintyB = 0.0;
    int iCalibCheck = 0;
};

struct SensorStruct
{
    BYTE ucNakCode = 0;

    // Status long
    BYTE ucStatusAddress = 0;
    BYTE ucStatusOk = 0;
    BYTE ucAdjustment = 0;
    BYTE ucSupportInfo = 0;
    BYTE ucNoDigitalInput = 1;
    BYTE ucInterfaceKind = 1;
    BYTE ucStatusBit7 = 0;
    BYTE ucStatorType = 0;
    BYTE ucStatorRev = 0;
    BYTE ucRotorId = 0;
    BYTE ucRotorRev = 0;
    BYTE ucWatchdogTime = 0;

    // Stator header (block 0)
    int iStHeaderNo = 0;
    ULONG ulSerialNo = 0;
    int iStHeaderCheck = 0;

    // Stator hardware (block 1)
    __time64_t tStHardware = 0;
    tm tmStHardware = {};
    BYTE ucStHw16 = 0;
    int iStHw16Kind = 0;
    BYTE ucImpulseCode = 0;
    int iImpulsesPerRev = 0;
    int iStHardwareCheck = 0;

    // Stator operation (block 2)
    __time64_t tStOperation = 0;
    tm tmStOperation = {};
    BYTE ucStOp12 = 0;
    BYTE ucStOp12Bit0 = 0;
    BYTE ucBusAddress = 0;
    BYTE ucStOp15Bit0 = 0;
    BYTE ucBaudCode = 0;
    BYTE ucStOp17 = 0;
    BYTE ucStOp18 = 0;
    int iLowPassHzA = 0;
    int iLowPassHzB = 0;
    int iStOperationCheck = 0;

    // Stator software configuration (block 3)
    BYTE ucSwCfg7 = 0;
    double dSwScaleA = 0.0;
    double dSwScaleB = 0.0;
    CString strSwUnitA;
    CString strSwUnitB;
    BYTE ucUnitA = 0;
    BYTE ucUnitB = 0;
    BYTE ucDecimalsA = 0;
    BYTE ucDecimalsB = 0;
    BYTE ucMeanCodeA = 0;
    BYTE ucMeanCodeB = 0;
    BYTE ucSignA = 0;
    BYTE ucSignB = 0;
    int iAveragingCount = 0;
    int iMeasuringRateCode = 0;
    BYTE ucDisplayA = 0;
    BYTE ucDisplayB = 0;
    BYTE ucSwScalingA = 0;
    BYTE ucSwScalingB = 0;
    int iSwCfgCheck = 0;
    // Kept by the receive path: configuration active, block valid (check 0), block read.
    BYTE ucSwCfgActive = 0;
    BYTE ucSwCfgValid = 0;
    BYTE ucSwCfgRead = 0;

    // Rotor header (block 128)
    int iRtHeaderNo = 0;
    ULONG ulRtHeaderNo = 0;
    BYTE ucRt14 = 0;
    BYTE ucTypeClassA = 0;
    int iRangeCodeA = 0;
    double dRangeA = 0.0;
    BYTE ucAccuracyA = 0;
    BYTE ucTypeClassB = 0;
    int iRangeCodeB = 0;
    double dRangeB = 0.0;
    BYTE ucAccuracyB = 0;
    int iRtHeaderCheck = 0;

    // Rotor calibrations (blocks 129, 130)
    CalibBlockValues sFactoryCalib;
    CalibBlockValues sUserCalib;

    // Rotor operation (block 131)
    __time64_t tRtOperation = 0;
    tm tmRtOperation = {};
    CString strSerialNoA;
    CString strSerialNoB;
    int iRtOperationCheck = 0;
};
