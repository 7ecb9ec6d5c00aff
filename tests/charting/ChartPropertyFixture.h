// A test window holding a diagram window with its ten curves (20 points each, titled "Kurve 1" to
// "Kurve 10", curves 1 and 2 shown), its hidden chart property window, and the operator's actions on
// the property window's pages as the controls report them.
#pragma once

#include "charting/CAxisDlg.h"
#include "charting/CChartDlg.h"
#include "charting/CChartPage.h"
#include "charting/CCurveDlg.h"
#include "charting/CGraphicDisplayWnd.h"
#include "charting/CPlot.h"
#include "resource_chartdlg.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <cmath>

class ChartPropertyTest : public ::testing::Test
{
protected:
    static constexpr int kPoints = 20;

    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateEx(0, nullptr, "Diagramm", WS_POPUP | WS_VISIBLE, 560, 40, 520, 360,
                                     nullptr, nullptr));
        ASSERT_TRUE(
            m_wnd.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 520, 360), &m_frame, 1209));
        ASSERT_TRUE(m_wnd.create(&m_frame, 1209, 0));
        for (int n = 0; n < 10; ++n)
        {
            for (int i = 0; i < kPoints; ++i)
                m_wnd.addPoint(n, i, n + std::sin(i / 3.0));
            m_wnd.showCurve(n, n < 2, false, n == 0);
            CString strTitle;
            strTitle.Format("Kurve %d", n + 1);
            m_wnd.setCurveTitle(n, strTitle);
        }
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        m_frame.DestroyWindow();
    }

    CPlot& Chart() { return *m_wnd.GetChart(); }
    CChartPage& Window() { return *m_wnd.GetChartPage(); }
    CChartDlg& ChartDlg() { return *Window().GetChartDlg(); }
    CAxisDlg& AxisDlg() { return *Window().GetAxisDlg(); }
    CCurveDlg& CurveDlg() { return *Window().GetCurveDlg(); }

    // Shows the property window by the diagram's command and puts it beside the diagram.
    void Show()
    {
        m_wnd.SendMessage(WM_COMMAND, CGraphicDisplayWnd::ID_MENU_PROPERTIES);
        Window().SetWindowPos(nullptr, 20, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Shows the window on the tab of the page.
    void ShowTab(int iTab)
    {
        if (!Window().IsWindowVisible())
            Show();
        Window().m_ctrlTab.SetCurSel(iTab);
        NMHDR nmhdr = {Window().m_ctrlTab.GetSafeHwnd(), IDC_PROP_TAB, TCN_SELCHANGE};
        Window().SendMessage(WM_NOTIFY, IDC_PROP_TAB, reinterpret_cast<LPARAM>(&nmhdr));
    }

    // The operator's actions on a control of a page.
    static void Click(CWnd& page, int nID) { page.GetDlgItem(nID)->SendMessage(BM_CLICK); }
    static void Type(CWnd& page, int nID, LPCSTR lpszText) { page.SetDlgItemText(nID, lpszText); }
    static void Choose(CWnd& page, int nID, int iEntry)
    {
        CWnd* pList = page.GetDlgItem(nID);
        pList->SendMessage(CB_SETCURSEL, iEntry);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), reinterpret_cast<LPARAM>(pList->m_hWnd));
    }
    static int Chosen(CWnd& page, int nID) { return (int)page.GetDlgItem(nID)->SendMessage(CB_GETCURSEL); }
    static CString Text(CWnd& page, int nID)
    {
        CString str;
        page.GetDlgItemText(nID, str);
        return str;
    }
    static CString EntryText(CWnd& page, int nID, int iEntry)
    {
        char sz[128] = {};
        page.GetDlgItem(nID)->SendMessage(CB_GETLBTEXT, iEntry, reinterpret_cast<LPARAM>(sz));
        return sz;
    }
    static bool IsChecked(CWnd& page, int nID) { return page.IsDlgButtonChecked(nID) == BST_CHECKED; }
    static bool IsEnabled(CWnd& page, int nID) { return page.GetDlgItem(nID)->IsWindowEnabled(); }
    // Apply, which the operator can press only while it is enabled.
    static void Apply(CWnd& page)
    {
        EXPECT_TRUE(IsEnabled(page, IDC_APPLY));
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED),
                         reinterpret_cast<LPARAM>(page.GetDlgItem(IDC_APPLY)->m_hWnd));
    }

    CWnd m_frame;
    CGraphicDisplayWnd m_wnd;
};
