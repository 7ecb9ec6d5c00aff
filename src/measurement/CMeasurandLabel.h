// The sensor's type number as the information page shows it, and the measurand names of the channels'
// TypeClass letters, from a sensor record in a language. Without window code, so the sensor-information
// page, the software-scaling dialog and the channel panes' formatter share them.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

struct SensorStruct;

class CMeasurandLabel
{
public:
    // The German string id of a TypeClass letter's measurand name; 0 for another letter.
    static UINT MeasurandStringId(unsigned char ucTypeClass);
    // The measurand name of a letter in the language; "n.a." for another letter.
    static CString MeasurandName(unsigned char ucTypeClass, int iLanguageOffset);
    // Only for the interface types 4 to 7: iValue as "%d", followed by " (" name ")" when bWithMeasurand
    // is set and the letter names a measurand; an empty text for the other types. The measurand name
    // ("n.a." for another letter or another type) and the interface's device name go to *pstrMeasurand
    // and *pstrDeviceName, the result to *pstrOut, each when given.
    static CString FormatRangeEndValue(CString* pstrOut, bool bWithMeasurand, int iValue,
                                       unsigned char ucTypeClass, CString* pstrMeasurand,
                                       CString* pstrDeviceName, const SensorStruct& sSensor,
                                       int iLanguageOffset);
    // The label of channel B (iChannel 1) or A (any other value), followed by ":": the measurand name
    // with bWithMeasurand, else the sensor's type number; ":" alone for the other interface types.
    static CString GetMeasurandLabel(CString* pstrOut, bool bWithMeasurand, int iChannel,
                                     CString* pstrMeasurand, CString* pstrDeviceName,
                                     const SensorStruct& sSensor, int iLanguageOffset);
};
