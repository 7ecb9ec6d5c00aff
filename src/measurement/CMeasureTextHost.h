// What the measurement side's number and unit texts need of the main frame: its language, its channel
// records and the measurand names of the connected sensor. The main frame implements it; everything runs
// on the interface thread.
#pragma once

#include "framework/CString.h"

struct ChannelSettingsStruct;

class CMeasureTextHost
{
public:
    virtual ~CMeasureTextHost() = default;

    // LanguageOffset: 0 German, 1000 English, 2000 French.
    virtual int GetLanguageOffset() = 0;
    // The two channel records m_sChannel (A, B).
    virtual const ChannelSettingsStruct* GetChannels() = 0;
    // The measurand name of a TypeClass letter in the current language, or "n.a." when the connected
    // interface does not name it (the sensor-information page's range-end-value text).
    virtual CString GetMeasurandName(char cTypeClass) = 0;
};
