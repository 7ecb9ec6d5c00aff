// What the diagram pane needs of the main frame beyond what every pane needs: the measurement settings
// record, the connected sensor's digital input, the diagram bar and whether it is shown, the status
// bar, the wait cursor, the panel's Start button and its re-arm of the trigger, the close that waits
// for the measurement, the removed port, and the storage side (documentation settings and the frame's
// diagram output). The main frame implements it and hands itself to the pane when the pane registers.
// User-interface thread only.
#pragma once

#include "measurement/CPaneHost.h"

class CDiagramOutput;
class CMeasureDocumentation;
class CWnd;
struct MeasureAdjustStruct;

class CDiagramPaneHost : public CPaneHost
{
public:
    // The measurement settings record; null while the settings page is not there.
    virtual const MeasureAdjustStruct* GetMeasureAdjust() = 0;
    // Channel B is the digital input of the interface.
    virtual bool HasDigitalInputB() = 0;
    virtual CWnd* GetDiagramBar() = 0;
    // The diagram bar is shown (its state in the view record is 1).
    virtual bool IsDiagramBarShown() = 0;
    virtual void ShowStatusMessage(int iStatusId) = 0;
    virtual void EndWaitCursorOnce() = 0;
    virtual void FocusPanelStart() = 0;
    virtual bool IsMeasuredPortRemoved() = 0;
    // A close of the program waits for the measurement's output: the pane posts it again.
    virtual bool IsClosePending() = 0;
    virtual void PostClose() = 0;
    virtual void RearmTriggerAfterStorage() = 0;
    virtual CMeasureDocumentation& GetDocumentation() = 0;
    virtual CDiagramOutput& GetDiagramOutput() = 0;
};
