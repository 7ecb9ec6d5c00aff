// A 32-bit bitmap to draw on through CDCEx in the chart tests; TQ5_CHART_SHOTS names a folder for Save.
#pragma once

#include "charting/CDCEx.h"
#include "support/DibCanvas.h"

class ChartCanvas : public CDibCanvas<CDCEx>
{
public:
    ChartCanvas(int cx, int cy) : CDibCanvas(cx, cy, "TQ5_CHART_SHOTS")
    {
        m_dc.m_bScaleComputed = true; // screen resolution: factors 1
    }
};
