// What the operator panel needs of the main frame to start, stop and end a measurement: the status
// bar, the wait cursor, the close that waits for the measurement, the removed-port mark and the end
// of a stopped measurement. The main frame implements it; the view hands it to the panel before it
// creates the panel. Every call runs on the user-interface thread.
#pragma once

class CPanelHost
{
public:
    virtual ~CPanelHost() = default;

    virtual void ShowStatusMessage(int iStatusId) = 0;
    virtual void BeginWaitCursorOnce() = 0;
    virtual void EndWaitCursorOnce() = 0;
    // A close of the program waits for the running measurement to end.
    virtual bool IsClosePending() = 0;
    // The port of the running measurement was removed (cleared when a measurement starts).
    virtual void SetMeasuredPortRemoved(bool bRemoved) = 0;
    // Finishes a stopped measurement (output, tree, a sensor lost meanwhile).
    virtual void OnMeasurementEnd() = 0;
};
