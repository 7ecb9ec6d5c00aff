// What the operator panel needs of the main frame to run a measurement: the status bar, the wait
// cursor, the close that waits for the measurement, the removed port, the value pipeline with the
// measurement state it shares, the frame's recording steps (the value list, the value files and the
// end of a measurement), the lost sensor, the data-received mark of the polling watchdog, the page in
// front, the diagnostic log and the storage side. The main frame implements it; the view hands it to
// the panel before it creates the panel. Every call runs on the user-interface thread.
#pragma once

#include "framework/CString.h"

class CMeasureDocumentation;
class CValuePipeline;
struct SensorStruct;

class CPanelHost
{
public:
    virtual ~CPanelHost() = default;

    virtual void ShowStatusMessage(int iStatusId) = 0;
    virtual void BeginWaitCursorOnce() = 0;
    virtual void EndWaitCursorOnce() = 0;
    // A close of the program waits for the running measurement to end.
    virtual bool IsClosePending() = 0;
    // The close was asked for while the panel offered Start and Trigger only (the trigger waited).
    virtual bool IsCloseWhileTriggerWaited() = 0;
    virtual void PostClose() = 0;
    // The port of the running measurement was removed (cleared when a measurement starts).
    virtual void SetMeasuredPortRemoved(bool bRemoved) = 0;
    // Finishes a stopped measurement: the last pair, the last redraw, the panel's end, a sensor lost
    // meanwhile, the values held for a file and the re-arm of the trigger.
    virtual void OnMeasurementEnd() = 0;

    virtual CValuePipeline& GetPipeline() = 0;
    // The values of the last measurement are no longer held.
    virtual void FreeValueList() = 0;
    // A measurement starts (mode 0): the value list freed and the output opened.
    virtual bool OpenValueFiles(int iMode) = 0;
    // The measurement ended because its values stopped: the last row of its file is left out.
    virtual void SetDropLastPoint(bool bDrop) = 0;
    // The connected sensor no longer answers (a running measurement is stopped when bStop).
    virtual void HandleSensorLost(bool bStop) = 0;
    // Bytes arrived since the mark was last cleared.
    virtual bool IsDataReceived() = 0;
    virtual void ClearDataReceived() = 0;
    // The ModePageId of the page in front.
    virtual int GetActiveMode() const = 0;
    // One entry of the sensor's diagnostic log (an empty text: the connection entry).
    virtual void WriteDiagnosticLog(const SensorStruct& sSensor, const CString& strText) = 0;
    virtual CMeasureDocumentation& GetDocumentation() = 0;
};
