// What the measure-configuration page and its software-scaling dialog need of the main frame besides the
// page host: the value pipeline (channel records, averaging count, rate code, trigger thresholds), the
// host of the number and unit texts, the view bars' recorded states, the focus helper and the
// operator-panel layout. The main frame implements it; the page takes it from its page host.
// User-interface thread only.
#pragma once

#include "framework/AfxWin32.h"

class CMeasureTextHost;
class CValuePipeline;
class CWnd;

class CAdjustHost
{
public:
    virtual ~CAdjustHost() = default;

    virtual CValuePipeline& GetPipeline() = 0;
    virtual CMeasureTextHost& GetMeasureTextHost() = 0;
    // Records the state of view bar nBar (0 hidden, 1 shown, 2 hidden because nothing is offered).
    virtual void SetViewBarCheckState(int nBar, int iState) = 0;
    // Gives the edit the focus, selects its text and scrolls the caret into view.
    virtual void FocusEditSelectAll(CWnd* pEdit) = 0;
    // Shows or hides the view bars for the operator-panel layout (reason 3: the panel is in front).
    virtual void SetMeasureLayout(int iReason) = 0;
    // The ModePageId of the page in front.
    virtual int GetActiveMode() const = 0;
};
