// A resizable bar floating in its own frame: the frame follows the floating size and gives it back
// when resized, never below the minimum; double clicks float and dock the bar.
#include "ResizableBarFrame.h"

#include <gtest/gtest.h>

namespace
{
class ResizableBarFloatTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_frame.Create(800, 600)); }
    void TearDown() override { m_frame.Destroy(); }

    CResizableBar& Bar(int i) { return m_frame.m_bars[i]; }
    CResizableMiniDockFrameWnd* FloatBar(int i)
    {
        Bar(i).SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
        m_frame.Settle();
        return Bar(i).IsFloating() ? DYNAMIC_DOWNCAST(CResizableMiniDockFrameWnd, Bar(i).GetParentFrame())
                                   : nullptr;
    }
    static CSize ClientSize(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetClientRect(rc);
        return rc.Size();
    }

    CResizableTestFrame<CResizableBar> m_frame;
};

TEST_F(ResizableBarFloatTest, TheFloatingFrameShowsTheBarAtItsFloatingSize)
{
    Bar(1).m_szFloat = CSize(260, 150);
    CResizableMiniDockFrameWnd* pMini = FloatBar(1);
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(pMini->FindHostedBar(), &Bar(1));
    EXPECT_FALSE(pMini->GetStyle() & MFS_4THICKFRAME); // sized by its border from the first change on
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    EXPECT_EQ(ClientSize(pMini), CSize(256, 146));
    EXPECT_TRUE(Bar(1).IsFloatingBar());
    EXPECT_EQ(Bar(1).m_nDockBarID, (UINT)AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_EQ(Bar(1).m_dwSizingStyle & RBS_EDGEALL, 0u);
    CRect rcBar;
    Bar(1).GetWindowRect(rcBar);
    EXPECT_EQ(Bar(1).SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rcBar.left + 3, rcBar.top + 50)), HTCLIENT);
    // The column closes up around B's placeholder.
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_RESBAR_A, ID_RESBAR_B, ID_RESBAR_C, 0}));
    EXPECT_EQ(Bar(0).m_szVert.cy - 2 + Bar(2).m_szVert.cy - 2, RectIn(pRight, m_frame.m_pFrame).Height() - 2);
    // Its close item hides the bar, and says so.
    char szItem[32] = {};
    ::GetMenuStringA(::GetSystemMenu(pMini->m_hWnd, FALSE), SC_CLOSE, szItem, sizeof(szItem), MF_BYCOMMAND);
    EXPECT_STREQ(szItem, "&Hide");
    // The floating frame's caption follows the bar's title.
    Bar(1).SetWindowText("Kanal B2");
    m_frame.Settle();
    CString strTitle;
    pMini->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "Kanal B2");
    SaveScreenshot(m_frame.m_pFrame, "resbar_floating");
}

TEST_F(ResizableBarFloatTest, ResizingTheFrameStoresTheFloatingSizeButNotBelowTheMinimum)
{
    CResizableMiniDockFrameWnd* pMini = FloatBar(0);
    ASSERT_NE(pMini, nullptr);
    CRect rcWindow;
    pMini->GetWindowRect(rcWindow);
    const CSize sizeFrame = rcWindow.Size() - ClientSize(pMini); // the frame's borders and caption
    pMini->SetWindowPos(nullptr, 0, 0, 300 + sizeFrame.cx, 180 + sizeFrame.cy,
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_frame.Settle();
    EXPECT_EQ(Bar(0).m_szFloat, CSize(304, 184));
    EXPECT_EQ(ClientSize(pMini), CSize(300, 180));
    EXPECT_RECT(RectIn(&Bar(0), &pMini->m_wndDockBar), CRect(-2, -2, 302, 182));

    // Below the minimum floating size (37 x 32) the size is not taken.
    pMini->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(20, 100));
    EXPECT_EQ(Bar(0).m_szFloat, CSize(304, 184));
    // The frame cannot be dragged smaller than the bar's minimum floating size.
    MINMAXINFO mmi = {};
    pMini->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    CRect rcMin(0, 0, 33, 28);
    ::AdjustWindowRectEx(rcMin, WS_THICKFRAME | WS_CAPTION, FALSE, 0);
    EXPECT_EQ(mmi.ptMinTrackSize.x, rcMin.Width());
    EXPECT_EQ(mmi.ptMinTrackSize.y, rcMin.Height());
}

TEST_F(ResizableBarFloatTest, ADoubleClickOnTheFloatingFrameDocksTheBarBackInItsRow)
{
    CResizableMiniDockFrameWnd* pMini = FloatBar(1);
    ASSERT_NE(pMini, nullptr);
    CRect rcMini;
    pMini->GetWindowRect(rcMini);
    pMini->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rcMini.left + 30, rcMini.top + 8));
    m_frame.Settle();
    CDockBar* pRight = m_frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(Bar(1).m_pDockBar, pRight);
    EXPECT_EQ(Bar(1).m_nDockBarID, (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(RectIn(&Bar(1), pRight).top, RectIn(&Bar(0), pRight).bottom - 2);
    EXPECT_EQ(RectIn(&Bar(2), pRight).top, RectIn(&Bar(1), pRight).bottom - 2);
    EXPECT_EQ(RectIn(&Bar(2), pRight).bottom, RectIn(pRight, m_frame.m_pFrame).Height() - 2);
    EXPECT_EQ(Bar(1).m_dwSizingStyle & RBS_EDGEALL, (DWORD)(RBS_EDGETOP | RBS_EDGEBOTTOM | RBS_EDGELEFT));
}
} // namespace
