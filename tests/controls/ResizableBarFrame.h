// The test frame of the resizable-bar tests: a status bar, a view, and four resizable bars, three
// docked right one below the other and one left, floating in the resizable floating frame.
#pragma once

#include "controls/CResizableBar.h"
#include "controls/CResizableMiniDockFrameWnd.h"
#include "framework/CDockBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CStatusBar.h"
#include "framework/DockTestSupport.h"

constexpr UINT ID_RESBAR_A = 123;
constexpr UINT ID_RESBAR_B = 125;
constexpr UINT ID_RESBAR_C = 122;
constexpr UINT ID_RESBAR_NAVI = 127;

template <class TBar, class TFrame = CFrameWnd> class CResizableTestFrame
{
public:
    // Creates the frame with a client area of cx x cy; the bars are docked unless bDock is FALSE.
    BOOL Create(int cx, int cy, BOOL bDock = TRUE)
    {
        m_pFrame = new TFrame;
        CRect rect(0, 0, cx, cy);
        ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, FALSE, 0);
        rect.OffsetRect(30 - rect.left, 30 - rect.top);
        if (!m_pFrame->Create(nullptr, "Resizable bars", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect))
            return FALSE;
        static const UINT s_indicators[] = {ID_SEPARATOR};
        if (!m_wndStatusBar.Create(m_pFrame) || !m_wndStatusBar.SetIndicators(s_indicators, 1))
            return FALSE;
        LPCSTR lpszViewClass = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        if (!m_wndView.Create(lpszViewClass, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame,
                              AFX_IDW_PANE_FIRST))
            return FALSE;
        const UINT ids[] = {ID_RESBAR_A, ID_RESBAR_B, ID_RESBAR_C, ID_RESBAR_NAVI};
        const char* titles[] = {"Kanal A", "Kanal B", "Kanal C", "Navigation"};
        for (int i = 0; i < 4; ++i)
        {
            if (!m_bars[i].CreateBar(titles[i], m_pFrame, ids[i], WS_CHILD | WS_VISIBLE | CBRS_TOP))
                return FALSE;
            m_bars[i].SetBarStyle(m_bars[i].GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
            m_bars[i].EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
        }
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->m_pFloatingFrameClass = RUNTIME_CLASS(CResizableMiniDockFrameWnd);
        m_pFrame->RecalcLayout();
        if (bDock)
            DockBars();
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        m_pFrame->UpdateWindow();
        return TRUE;
    }
    void DockBars()
    {
        m_pFrame->DockControlBar(&m_bars[0], AFX_IDW_DOCKBAR_RIGHT);
        for (int i = 1; i < 3; ++i)
        {
            CRect rect;
            m_bars[i - 1].GetWindowRect(rect);
            rect.OffsetRect(0, 1);
            m_pFrame->DockControlBar(&m_bars[i], AFX_IDW_DOCKBAR_RIGHT, rect);
        }
        m_pFrame->DockControlBar(&m_bars[3], AFX_IDW_DOCKBAR_LEFT);
        Settle();
    }
    // The layouts the message loop would run at idle time, until nothing changes.
    void Settle()
    {
        for (int i = 0; i < 4; ++i)
            IdleUpdate(m_pFrame);
    }
    void Destroy()
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
        m_pFrame = nullptr;
    }
    CDockBar* Side(UINT nID) const { return m_pFrame->GetDockBar(nID); }

    TFrame* m_pFrame = nullptr;
    CStatusBar m_wndStatusBar;
    CWnd m_wndView;
    TBar m_bars[4];
};
