// What the measurement classes need of the main frame: its language, its channel records, the
// sensor-information page's measurand names, the navigation tree and the recording step that takes
// the processed value pairs. The main frame implements it; everything runs on the interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

struct ChannelSettingsStruct;

class CMeasureHost
{
public:
    virtual ~CMeasureHost() = default;

    // LanguageOffset: 0 German, 1000 English, 2000 French.
    virtual int GetLanguageOffset() = 0;
    // The two channel records m_sChannel (A, B).
    virtual const ChannelSettingsStruct* GetChannels() = 0;
    // The measurand name of a TypeClass letter in the current language, or "n.a." when the connected
    // interface does not name it (the sensor-information page's range-end-value text).
    virtual CString GetMeasurandName(char cTypeClass) = 0;
    // Check state of a channel's bar in the navigation tree (0 hidden, 1 shown, 2 not offered).
    virtual void SetChannelTreeState(int iChannel, BYTE byShown) = 0;
    // The recording step: hands a processed value pair to the diagram and the measured-value file.
    virtual void RecordValuePair(double dValueA, double dValueB) = 0;
    // The first pair of a measurement has prepared the output, so the diagram's points are reduced.
    virtual bool IsFirstPairSeen() = 0;
};
