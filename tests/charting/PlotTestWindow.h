// A chart of two horizontal curves in a window that records what the chart posts to it, for the
// interaction and hit test tests. Mouse and keys are sent as messages; there is no real input.
#pragma once

#include "ChartTestSupport.h"

#include "charting/CPlot.h"
#include "framework/CWnd.h"

#include <gtest/gtest.h>

#include <vector>

// The chart with its protected state open to the tests.
class InteractivePlot : public CPlot
{
public:
    using CPlot::m_bLButtonDown;
    using CPlot::m_CurrentMeasurement;
    using CPlot::m_CursorLabel;
    using CPlot::m_iCursorCurve;
    using CPlot::m_iMode;
    using CPlot::m_Measurements;
    using CPlot::m_pSelectedObject;
    using CPlot::m_ptMouse;
    using CPlot::m_rcPlot;
    using CPlot::m_rcZoom;
};

// Records the chart's messages (WM_USER+1 to +12) and commands.
class RecordingParent : public CWnd
{
public:
    struct Message
    {
        UINT nMsg;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> m_messages;

    int Count(UINT nMsg) const
    {
        int n = 0;
        for (const Message& m : m_messages)
            n += m.nMsg == nMsg;
        return n;
    }
    std::vector<int> Params(UINT nMsg) const
    {
        std::vector<int> params;
        for (const Message& m : m_messages)
            if (m.nMsg == nMsg)
                params.push_back(static_cast<int>(m.wParam));
        return params;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if ((message > WM_USER && message <= WM_USER + 12) || message == WM_COMMAND)
            m_messages.push_back({message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// Curve 0 at y = 2 and curve 1 at y = 8, from x = 0 to 10, on axes 0 to 10 without automatic scaling,
// painted once so that the plot, the mapping and the curves' hit segments exist.
class PlotInteraction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CreateChartWindow(m_parent, m_plot);
        if (HasFatalFailure())
            return;
        for (int i = 0; i <= 10; ++i)
        {
            m_low.push_back({double(i), 2});
            m_high.push_back({double(i), 8});
        }
        m_plot.SetData(m_low.data(), 11, 0, 0, 0, false, false, false);
        m_plot.SetData(m_high.data(), 11, 1, 0, 0, false, false, false);
        m_plot.SetLegendVisible(false);
        for (CPlotAxis* pAxis : {&m_plot.GetXAxis(0), &m_plot.GetYAxis(0)})
        {
            pAxis->m_bAutoScale = false;
            pAxis->SetRange(0, 10);
        }
        Paint();
    }
    void TearDown() override
    {
        m_plot.DestroyWindow();
        m_parent.DestroyWindow();
    }
    void Paint() { m_plot.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    void Drain() { DrainMessages(); }
    void Send(UINT nMsg, UINT nFlags, CPoint pt) { m_plot.SendMessage(nMsg, nFlags, MAKELPARAM(pt.x, pt.y)); }
    void Command(UINT nId) { m_plot.SendMessage(WM_COMMAND, nId, 0); }
    void Key(UINT nChar) { m_plot.SendMessage(WM_KEYUP, nChar, 0); }
    void Drag(CPoint from, CPoint to)
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, from);
        Send(WM_MOUSEMOVE, MK_LBUTTON, to);
        Send(WM_LBUTTONUP, 0, to);
    }
    CPoint PixelOf(double x, double y)
    {
        return CPoint(m_plot.GetXAxis(0).ValueToPixel({x, y}).x, m_plot.GetYAxis(0).ValueToPixel({x, y}).y);
    }
    std::pair<double, double> XRange() { return {m_plot.GetXAxis(0).m_dMin, m_plot.GetXAxis(0).m_dMax}; }
    std::pair<double, double> YRange() { return {m_plot.GetYAxis(0).m_dMin, m_plot.GetYAxis(0).m_dMax}; }

    RecordingParent m_parent;
    InteractivePlot m_plot;
    std::vector<CurvePoint> m_low, m_high;
};
