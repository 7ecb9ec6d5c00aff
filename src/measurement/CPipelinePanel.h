// What the value pipeline needs of the operator panel: its run-time state and the start and stop of a
// triggered measurement. The operator panel implements it.
#pragma once

#include "framework/AfxWin32.h"

struct MeasurePanelState;

class CPipelinePanel
{
public:
    virtual ~CPipelinePanel() = default;

    virtual const MeasurePanelState& GetPanelState() = 0;
    // The panel's m_bStartMarker, handed on to the main frame's operator-start mark by the next Start.
    virtual void SetStartMarker(BYTE bMarker) = 0;
    virtual void OnBtnMeasureStart() = 0;
    virtual void OnBtnMeasureStop() = 0;
};
