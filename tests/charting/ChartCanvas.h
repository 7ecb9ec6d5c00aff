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
    // Pixels of the rectangle, clipped to both canvases, that differ from the other canvas.
    int CountDifferent(const ChartCanvas& other, const CRect& rect) const
    {
        int n = 0;
        for (int y = std::max(0L, rect.top); y < std::min<LONG>({Height(), other.Height(), rect.bottom}); ++y)
            for (int x = std::max(0L, rect.left); x < std::min<LONG>({Width(), other.Width(), rect.right});
                 ++x)
                n += Pixel(x, y) != other.Pixel(x, y);
        return n;
    }
};
