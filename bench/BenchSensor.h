// The sensor of the measurement benchmarks: factory-calibrated torque on both channels, 500 N·m over 25000
// counts, unit N·m with three decimals, at the stream's highest rate.
#pragma once

#include "SimulatorStream.h"

#include "protocol/SensorStruct.h"

inline SensorStruct BenchSensor()
{
    SensorStruct s;
    s.ucAdjustment = 2;
    s.sFactoryCalib.iCalib23 = 25000;
    s.sFactoryCalib.iCalib25 = 25000;
    s.ucTypeClassA = 'D';
    s.ucTypeClassB = 'D';
    s.dRangeA = 500.0;
    s.dRangeB = 500.0;
    s.iRangeCodeA = 0x2500;
    s.iRangeCodeB = 0x2500;
    s.ucSwCfgRead = 1;
    s.ucSwCfgValid = 1;
    s.ucUnitA = s.ucUnitB = 1;
    s.ucDecimalsA = s.ucDecimalsB = 3;
    s.iAveragingCount = 1;
    s.iMeasuringRateCode = bench_stream::RATE_CODE_5000;
    s.ucDisplayA = s.ucDisplayB = 1;
    return s;
}
