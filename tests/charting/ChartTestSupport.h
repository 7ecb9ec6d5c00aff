// Helpers of the chart window tests: a chart shown in a window of its own, and dispatching what the
// windows have posted.
#pragma once

#include "charting/CPlot.h"

#include <gtest/gtest.h>

// A 300 by 200 chart filling a popup window of its own. The real pointer is put far from it, so that
// only the tests' own mouse messages reach the chart.
inline void CreateChartWindow(CWnd& parent, CPlot& plot)
{
    ::SetCursorPos(1200, 900);
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "chart", WS_POPUP | WS_VISIBLE, 10, 10, 320, 220, nullptr, nullptr));
    ASSERT_TRUE(plot.Create(CPlot::CLASS_NAME, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 0));
}

// Dispatches the messages queued now (and what they post meanwhile); never waits.
inline void DrainMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}
