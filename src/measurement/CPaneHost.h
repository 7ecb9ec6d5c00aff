// What the panes of the measurement (channel and diagram panes) need of the main frame: the value
// pipeline with its channel records and commands, the host of their number and unit texts, and the
// frame's focus member. The main frame implements it and hands itself to each pane when the pane
// registers. User-interface thread only.
#pragma once

class CMeasureHost;
class CValuePipeline;

class CPaneHost
{
public:
    virtual ~CPaneHost() = default;

    virtual CValuePipeline& GetPipeline() = 0;
    virtual CMeasureHost& GetMeasureHost() = 0;
    // Alt pressed in a floating pane: the frame remembers the window that has the focus and takes it.
    virtual void TakeFocusFromPane() = 0;
};
