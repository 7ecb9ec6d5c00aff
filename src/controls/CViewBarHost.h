// What the captioned view bars need of the main frame: its initialisation state, the shown/hidden
// record of its view bars and their show/hide commands, and the panes the bars lay out. The main
// frame implements it and hands itself to each captioned bar it creates. Every call runs on the
// user-interface thread.
#pragma once

#include "framework/AfxWin32.h"

class CRect;
class CWnd;

// The view bars, as the main frame's record numbers them.
constexpr int VIEWBAR_CHANNEL_A = 0;
constexpr int VIEWBAR_CHANNEL_B = 1;
constexpr int VIEWBAR_CHANNEL_C = 2;
constexpr int VIEWBAR_DIAGRAM = 3;
constexpr int VIEWBAR_NAVIGATION = 4;

class CViewBarHost
{
public:
    virtual ~CViewBarHost() = default;

    // The frame's one-time initialisation has not run yet.
    virtual BOOL IsInitPending() = 0;
    // The recorded state of view bar nBar (TreeCtrlStruct int 13 + nBar): 0 hidden, 1 shown, 2 not
    // available.
    virtual int GetViewBarCheckState(int nBar) = 0;
    // The bar window of view bar nBar, or null.
    virtual CWnd* GetViewBar(int nBar) = 0;
    // The pane hosted by channel bar VIEWBAR_CHANNEL_A or VIEWBAR_CHANNEL_B, or null.
    virtual CWnd* GetChannelPane(int nBar) = 0;
    // The show/hide command of channel bar 0, 1 or 2 (10026, 10027, 10028).
    virtual UINT GetChannelBarCommandId(int nIndex) = 0;
    // The frame's show/hide commands: they follow the record and lay the frame out again.
    virtual void OnViewChannelBar(UINT nID) = 0;
    virtual void OnViewDiagramBar() = 0;
    virtual void OnViewNavigationBar() = 0;
    // A bar was hidden: runs the show/hide command of the bar the record names; 1 when one matched.
    virtual int OnViewBarHidden(WINDOWPOS* lpwndpos) = 0;
    // Sizes the diagram pane to the diagram bar's client rectangle.
    virtual void ResizeDiagramInBar(CWnd* pBar, const CRect& rcClient) = 0;
};
