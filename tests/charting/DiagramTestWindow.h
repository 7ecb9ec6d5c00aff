// A diagram window with two curves in a window of its own, for the tests of its menu, tooltip and
// further operations. Its context menu is recorded instead of shown.
#pragma once

#include "ChartTestSupport.h"

#include "charting/CGraphicDisplayWnd.h"
#include "charting/CPlot.h"
#include "framework/CMenu.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Records the entries of each context menu it is asked to show.
class MenuRecordingDiagram : public CGraphicDisplayWnd
{
public:
    struct Entry
    {
        UINT nId; // 0 for a separator
        std::string strText;
        bool bChecked;
    };
    std::vector<std::vector<Entry>> m_shown;

    static std::vector<Entry> Entries(CMenu& menu)
    {
        std::vector<Entry> entries;
        for (UINT i = 0; i < menu.GetMenuItemCount(); ++i)
        {
            CString strText;
            menu.GetMenuString(i, strText, MF_BYPOSITION);
            const UINT nState = menu.GetMenuState(i, MF_BYPOSITION);
            entries.push_back(
                {menu.GetMenuItemID(static_cast<int>(i)), strText.GetString(), (nState & MF_CHECKED) != 0});
        }
        return entries;
    }

protected:
    void trackContextMenu(CMenu& menu, CPoint) override { m_shown.push_back(Entries(menu)); }
};

// Curve 0 at y = 2 and curve 1 at y = 8 for x = 0 to 10, each on its y axis of 0 to 10.
class DiagramWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "diagram", WS_POPUP | WS_VISIBLE, 30, 30, 420, 320, nullptr,
                                      nullptr));
        ASSERT_TRUE(
            m_wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &m_parent, 1209));
        ASSERT_TRUE(m_wnd.create(&m_parent, 1209, 0));
        for (int x = 0; x <= 10; ++x)
        {
            m_wnd.addPoint(0, x, 2);
            m_wnd.addPoint(1, x, 8);
        }
        for (int n : {0, 1})
        {
            m_wnd.showCurve(n, true, false, false);
            Chart().GetYAxis(n).m_bAutoScale = false;
            Chart().GetYAxis(n).SetRange(0, 10);
        }
        Chart().GetXAxis(0).m_bAutoScale = false;
        m_wnd.setXRange(0, 10);
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        m_parent.DestroyWindow();
    }
    CPlot& Chart() { return *m_wnd.GetChart(); }
    CPoint PixelOf(int iCurve, double x, double y)
    {
        return CPoint(Chart().GetXAxis(0).ValueToPixel({x, y}).x,
                      Chart().GetYAxis(iCurve).ValueToPixel({x, y}).y);
    }
    void SendToChart(UINT nMsg, UINT nFlags, CPoint pt)
    {
        Chart().SendMessage(nMsg, nFlags, MAKELPARAM(pt.x, pt.y));
    }
    void Drain() { DrainMessages(); }

    CWnd m_parent;
    MenuRecordingDiagram m_wnd;
};
