// What the value pipeline needs of the main frame beyond its texts: the navigation tree and the recording
// step that takes the processed value pairs. The main frame implements it; everything runs on the
// interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "measurement/CMeasureTextHost.h"

class CMeasureHost : public CMeasureTextHost
{
public:
    // Check state of a channel's bar in the navigation tree (0 hidden, 1 shown, 2 not offered).
    virtual void SetChannelTreeState(int iChannel, BYTE byShown) = 0;
    // The recording step: hands a processed value pair to the diagram and the measured-value file.
    virtual void RecordValuePair(double dValueA, double dValueB) = 0;
    // The first pair of a measurement has prepared the output, so the diagram's points are reduced.
    virtual bool IsFirstPairSeen() = 0;
};
