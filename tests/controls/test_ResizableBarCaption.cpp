// Captioned bars: the channel-pane layout by its table (pure and in a bar), fonts fitted to the cells,
// the gripper and close button, the caption colours, and closing a bar by its button.
#include "ResizableBarFrame.h"

#include "controls/CResizableBarCF.h"
#include "controls/CViewBarHost.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string Text(const RECT& rect)
{
    char sz[80];
    std::snprintf(sz, sizeof(sz), "(%ld, %ld, %ld, %ld)", rect.left, rect.top, rect.right, rect.bottom);
    return sz;
}
// x, y, width, height as the layout table gives them.
std::string Cell(int x, int y, int cx, int cy)
{
    return Text(CRect(CPoint(x, y), CSize(cx, cy)));
}

TEST(ResizableBarCaptionRules, PaneLayoutTable)
{
    CResizableBarCF::PaneRects rects;
    // Wider than three times the height: a 3:1 area centred.
    CResizableBarCF::CalcPaneRects(CRect(0, 0, 300, 90), 3.0, 1.0 / 3.0, rects);
    EXPECT_EQ(Text(rects.rcDisplay), Cell(21, 4, 258, 78));
    EXPECT_EQ(Text(rects.rcValue), Cell(21, 4, 258, 39));
    const int xs[] = {21, 108, 195};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(Text(rects.rcFields[i]), Cell(xs[i], 47, 83, 15)) << i;
        EXPECT_EQ(Text(rects.rcButtons[i]), Cell(xs[i], 66, 83, 15)) << i;
    }
    // Less than three times as wide: the width decides.
    CResizableBarCF::CalcPaneRects(CRect(0, 0, 200, 200), 3.0, 1.0 / 3.0, rects);
    EXPECT_EQ(Text(rects.rcDisplay), Cell(4, 4, 188, 54));
    EXPECT_EQ(rects.rcFields[2].Size(), CSize(60, 9));
    EXPECT_EQ(rects.rcButtons[0].Size(), CSize(60, 9));

    struct FontCase
    {
        int nKind, cx, cy;
        LONG lfWidth, lfHeight, lfWeight;
    } fonts[] = {{0, 258, 39, 13, 37, FW_NORMAL}, {1, 83, 15, 4, 14, FW_NORMAL},
                 {3, 83, 15, 4, 14, FW_NORMAL},   {4, 83, 15, 4, 10, FW_BOLD},
                 {6, 83, 15, 4, 10, FW_BOLD},     {2, 60, 9, 3, 8, FW_NORMAL}};
    for (const FontCase& f : fonts)
    {
        LONG lfWidth = 0, lfHeight = 0, lfWeight = 0;
        CResizableBarCF::CalcFontSize(f.nKind, f.cx, f.cy, lfWidth, lfHeight, lfWeight);
        EXPECT_EQ(lfWidth, f.lfWidth) << f.nKind;
        EXPECT_EQ(lfHeight, f.lfHeight) << f.nKind;
        EXPECT_EQ(lfWeight, f.lfWeight) << f.nKind;
    }
}

TEST(ResizableBarCaptionRules, GripperClientAreaAndCloseButton)
{
    struct GripCase
    {
        UINT nDockBarID;
        CRect rcClient;
        CPoint ptButton;
    } cases[] = {
        {AFX_IDW_DOCKBAR_RIGHT, CRect(5, 17, 195, 95), CPoint(183, 4)},
        {AFX_IDW_DOCKBAR_LEFT, CRect(5, 17, 195, 95), CPoint(183, 4)},
        {AFX_IDW_DOCKBAR_TOP, CRect(17, 5, 195, 95), CPoint(4, 5)},
        {AFX_IDW_DOCKBAR_BOTTOM, CRect(17, 5, 195, 95), CPoint(4, 5)},
    };
    for (const GripCase& c : cases)
    {
        CResizableBarG bar;
        bar.m_nDockBarID = c.nDockBarID;
        CRect rc(100, 50, 300, 150); // a window rectangle on the screen: the origin is relative to it
        bar.CalcClientArea(rc, c.nDockBarID);
        rc.OffsetRect(-100, -50);
        EXPECT_EQ(Text(rc), Text(c.rcClient)) << c.nDockBarID;
        EXPECT_EQ(bar.m_btnClose.ptOrigin, c.ptButton) << c.nDockBarID;
        EXPECT_TRUE(bar.HasGripper());
    }
    CResizableBarG floating;
    floating.m_nDockBarID = AFX_IDW_DOCKBAR_FLOAT;
    CRect rc(0, 0, 200, 100);
    floating.CalcClientArea(rc, AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_FALSE(floating.HasGripper());
    EXPECT_EQ(Text(rc), Text(CRect(3, 5, 197, 97)));
}

// --- in a frame -------------------------------------------------------------------------------------

// A caption bar whose pointer state the test sets.
class CTestCaptionBar : public CResizableBarCF
{
public:
    CPoint m_ptPointer{-1000, -1000};
    BOOL m_bButtonDown = FALSE;

protected:
    void GetPointerState(CPoint& ptScreen, BOOL& bButtonDown) const override
    {
        ptScreen = m_ptPointer;
        bButtonDown = m_bButtonDown;
    }
};

// The main frame as the bars see it: bars A, B, C and the navigation bar; panes in bars A and B.
class CHostFrame : public CFrameWnd, public CViewBarHost
{
public:
    BOOL m_bInitPending = FALSE;
    int m_nCheckStates[5] = {1, 1, 1, 0, 1};
    CWnd* m_pBars[5] = {};
    CWnd* m_pPanes[2] = {};
    std::vector<std::string> m_log;

    BOOL IsInitPending() override { return m_bInitPending; }
    int GetViewBarCheckState(int nBar) override { return m_nCheckStates[nBar]; }
    CWnd* GetViewBar(int nBar) override { return m_pBars[nBar]; }
    CWnd* GetChannelPane(int nBar) override { return nBar < 2 ? m_pPanes[nBar] : nullptr; }
    UINT GetChannelBarCommandId(int nIndex) override { return 10026 + nIndex; }
    void OnViewChannelBar(UINT nID) override
    {
        m_log.push_back("channel " + std::to_string(nID));
        m_nCheckStates[nID - 10026] = 0;
    }
    void OnViewDiagramBar() override { m_log.push_back("diagram"); }
    void OnViewNavigationBar() override { m_log.push_back("navigation"); }
    int OnViewBarHidden(WINDOWPOS*) override
    {
        m_log.push_back("hidden");
        return 1;
    }
    void ResizeDiagramInBar(CWnd*, const CRect&) override { m_log.push_back("diagram resize"); }
};

class ResizableBarCaptionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &m_bGradientBefore, 0);
        ::SystemParametersInfoA(SPI_SETGRADIENTCAPTIONS, 0, nullptr, 0);
        ASSERT_TRUE(m_frame.Create(800, 600));
        AfxGetApp()->m_pMainWnd = m_frame.m_pFrame;
        CHostFrame* pHost = m_frame.m_pFrame;
        for (CTestCaptionBar& bar : m_frame.m_bars)
            bar.SetFrameLink(pHost);
        const int nBars[4] = {VIEWBAR_CHANNEL_A, VIEWBAR_CHANNEL_B, VIEWBAR_CHANNEL_C, VIEWBAR_NAVIGATION};
        for (int i = 0; i < 4; ++i)
            pHost->m_pBars[nBars[i]] = &m_frame.m_bars[i];
        for (int p = 0; p < 2; ++p)
        {
            ASSERT_TRUE(m_panes[p].Create(nullptr, "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10),
                                          &m_frame.m_bars[p], 1));
            for (UINT nID : CResizableBarCF::s_nChannelControlIds)
            {
                auto* pControl = new CWnd;
                m_controls.push_back(pControl);
                ASSERT_TRUE(pControl->Create("STATIC", "0,00", WS_CHILD | WS_VISIBLE, CRect(0, 0, 5, 5),
                                             &m_panes[p], nID));
            }
            pHost->m_pPanes[p] = &m_panes[p];
        }
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_frame.Destroy();
        for (CWnd* pControl : m_controls)
            delete pControl;
        ::SystemParametersInfoA(SPI_SETGRADIENTCAPTIONS, 0,
                                reinterpret_cast<PVOID>((INT_PTR)m_bGradientBefore), 0);
    }
    CTestCaptionBar& Bar(int i) { return m_frame.m_bars[i]; }
    CHostFrame& Host() { return *m_frame.m_pFrame; }
    // Paints the bar now (its first paint links it to the frame and lays out its pane).
    void Paint(CWnd& wnd) { wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME); }
    static LOGFONTA FontOf(CWnd* pControl)
    {
        LOGFONTA lf = {};
        HFONT hFont = reinterpret_cast<HFONT>(pControl->SendMessage(WM_GETFONT));
        ::GetObjectA(hFont, sizeof(lf), &lf);
        return lf;
    }
    static COLORREF NcPixel(CWnd& wnd, int x, int y)
    {
        HDC hDC = ::GetWindowDC(wnd.m_hWnd);
        const COLORREF cr = ::GetPixel(hDC, x, y);
        ::ReleaseDC(wnd.m_hWnd, hDC);
        return cr;
    }

    BOOL m_bGradientBefore = FALSE;
    CResizableTestFrame<CTestCaptionBar, CHostFrame> m_frame;
    CWnd m_panes[2];
    std::vector<CWnd*> m_controls;
};

TEST_F(ResizableBarCaptionTest, AChannelBarLaysOutItsPaneByTheTableAndFitsTheFonts)
{
    // Floating, the bar has no gripper: a floating size of 306 x 98 gives a client area of 300 x 90.
    Bar(0).m_szFloat = CSize(306, 98);
    Host().FloatControlBar(&Bar(0), CPoint(100, 100));
    m_frame.Settle();
    CRect rcClient;
    Bar(0).GetClientRect(rcClient);
    ASSERT_EQ(rcClient.Size(), CSize(300, 90));
    Paint(Bar(0));
    EXPECT_FALSE(Bar(0).m_bSuspended);
    CWnd* pValue = m_panes[0].GetDlgItem(1006);
    EXPECT_EQ(Text(RectIn(pValue, &m_panes[0])), Cell(21, 4, 258, 39));
    const int xs[] = {21, 108, 195};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(Text(RectIn(m_panes[0].GetDlgItem(1003 + i), &m_panes[0])), Cell(xs[i], 47, 83, 15));
        EXPECT_EQ(Text(RectIn(m_panes[0].GetDlgItem(1000 + i), &m_panes[0])), Cell(xs[i], 66, 83, 15));
    }
    LOGFONTA lf = FontOf(pValue);
    EXPECT_EQ(lf.lfWidth, 13);
    EXPECT_EQ(lf.lfHeight, 37);
    EXPECT_EQ(lf.lfPitchAndFamily, FF_SWISS | DEFAULT_PITCH);
    lf = FontOf(m_panes[0].GetDlgItem(1004));
    EXPECT_EQ(lf.lfWidth, 4);
    EXPECT_EQ(lf.lfHeight, 14);
    lf = FontOf(m_panes[0].GetDlgItem(1002));
    EXPECT_EQ(lf.lfWidth, 4);
    EXPECT_EQ(lf.lfHeight, 10);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);

    // A repaint without a size change moves nothing and makes no font.
    const HGDIOBJ hValueFont = Bar(0).m_fonts[0].m_hObject;
    pValue->SetWindowPos(nullptr, 1, 1, 10, 10, SWP_NOZORDER | SWP_NOACTIVATE);
    Paint(Bar(0));
    EXPECT_EQ(Text(RectIn(pValue, &m_panes[0])), Cell(1, 1, 10, 10));
    EXPECT_EQ(Bar(0).m_fonts[0].m_hObject, hValueFont);
}

TEST_F(ResizableBarCaptionTest, NothingIsLaidOutBeforeTheFrameIsInitialisedNorInOtherBars)
{
    Host().m_bInitPending = TRUE;
    Paint(Bar(0));
    EXPECT_FALSE(Bar(0).m_bSuspended); // linked at the first paint
    EXPECT_EQ(Text(RectIn(m_panes[0].GetDlgItem(1006), &m_panes[0])), Cell(0, 0, 5, 5));
    Host().m_bInitPending = FALSE;
    Paint(Bar(0));
    EXPECT_NE(Text(RectIn(m_panes[0].GetDlgItem(1006), &m_panes[0])), Cell(0, 0, 5, 5));
    Paint(Bar(2)); // channel bar C: nothing to lay out
    EXPECT_TRUE(Host().m_log.empty());

    // Without a frame that hosts the bars, a bar stays suspended.
    CTestCaptionBar& navi = Bar(3);
    navi.m_pFrameLink = nullptr;
    navi.m_bSuspended = TRUE;
    Paint(navi);
    EXPECT_TRUE(navi.m_bSuspended);
}

TEST_F(ResizableBarCaptionTest, TheCloseButtonHidesTheBarAndKeepsTheFramesRecordInStep)
{
    Paint(Bar(1));
    CRect rcWindow;
    Bar(1).GetWindowRect(rcWindow);
    const CPoint ptButton = rcWindow.TopLeft() + Bar(1).GetCloseButtonRect().CenterPoint();
    EXPECT_EQ(Bar(1).SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptButton.x, ptButton.y)), HTCLOSE);

    // Pointer over the button: raised; pressed: pushed; away: neither.
    Bar(1).m_ptPointer = ptButton;
    IdleUpdate(&Host());
    EXPECT_TRUE(Bar(1).m_btnClose.bRaised);
    Bar(1).m_bButtonDown = TRUE;
    IdleUpdate(&Host());
    EXPECT_TRUE(Bar(1).m_btnClose.bPushed);
    EXPECT_FALSE(Bar(1).m_btnClose.bRaised);

    Bar(1).SendMessage(WM_NCLBUTTONUP, HTCLOSE, MAKELPARAM(ptButton.x, ptButton.y));
    EXPECT_FALSE(Bar(1).IsWindowVisible());
    EXPECT_EQ(Host().m_log, (std::vector<std::string>{"channel 10027"}));
    EXPECT_EQ(Host().m_nCheckStates[VIEWBAR_CHANNEL_B], 0);
    // The column closes up without it.
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(RectIn(&Bar(2), pRight).top, RectIn(&Bar(0), pRight).bottom - 2);

    // A floating bar has no gripper and no close button.
    Host().FloatControlBar(&Bar(0), CPoint(100, 100));
    m_frame.Settle();
    EXPECT_FALSE(Bar(0).HasGripper());
    Bar(0).GetWindowRect(rcWindow);
    const CPoint ptFormer = rcWindow.TopLeft() + Bar(0).GetCloseButtonRect().CenterPoint();
    EXPECT_EQ(Bar(0).SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptFormer.x, ptFormer.y)), HTCLIENT);
}

TEST_F(ResizableBarCaptionTest, AClickFocusesTheBarAndAQuietHideIsReportedToTheFrame)
{
    Paint(Bar(1));
    Bar(1).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(Bar(1).m_bActive);
    EXPECT_EQ(::GetFocus(), m_panes[1].m_hWnd);
    EXPECT_EQ(Bar(1).m_pDockBar, m_frame.Side(AFX_IDW_DOCKBAR_RIGHT)); // no drag without the button

    // A hide without redrawing goes to the frame's handler for hidden bars; a plain hide does not.
    Paint(Bar(2));
    ASSERT_FALSE(Bar(2).m_bSuspended);
    Bar(2).SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
    EXPECT_TRUE(Host().m_log.empty());
    Paint(Bar(0));
    Bar(0).SetWindowPos(nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW | SWP_NOREDRAW);
    EXPECT_EQ(Host().m_log, (std::vector<std::string>{"hidden"}));
}

TEST_F(ResizableBarCaptionTest, TheCaptionIsOneColourAndTurnsActiveWithTheFocusInside)
{
    // Docked right: the caption runs across the top, from the client's left to the button.
    Paint(Bar(0));
    const CRect rcButton = Bar(0).GetCloseButtonRect();
    const int x = rcButton.left - 8, y = rcButton.top + 5;
    EXPECT_EQ(NcPixel(Bar(0), x, y), ::GetSysColor(COLOR_INACTIVECAPTION));
    ::SetFocus(m_panes[0].GetDlgItem(1006)->m_hWnd);
    IdleUpdate(&Host());
    EXPECT_TRUE(Bar(0).m_bActive);
    EXPECT_EQ(NcPixel(Bar(0), x, y), ::GetSysColor(COLOR_ACTIVECAPTION));
    ::SetFocus(Host().m_hWnd);
    IdleUpdate(&Host());
    EXPECT_FALSE(Bar(0).m_bActive);
    EXPECT_EQ(NcPixel(Bar(0), x, y), ::GetSysColor(COLOR_INACTIVECAPTION));

    // Docked at the top the caption runs down the left side.
    Bar(3).EnableDocking(CBRS_ALIGN_ANY);
    Host().DockControlBar(&Bar(3), AFX_IDW_DOCKBAR_TOP);
    m_frame.Settle();
    Paint(Bar(3));
    const CRect rcTopButton = Bar(3).GetCloseButtonRect();
    EXPECT_EQ(NcPixel(Bar(3), rcTopButton.left + 5, rcTopButton.bottom + 30),
              ::GetSysColor(COLOR_INACTIVECAPTION));
    SaveScreenshot(&Host(), "resbar_captions");
}
} // namespace
