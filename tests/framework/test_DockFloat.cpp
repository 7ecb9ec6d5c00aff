// Floating frames: floating a bar, docking it back by double click at its placeholder, closing the
// floating frame, and the idle update of floating bars.
#include "DockTestSupport.h"

#include "framework/CDockContext.h"
#include "framework/CMiniDockFrameWnd.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT ID_BAR_A = 401;
constexpr UINT ID_BAR_B = 402;
constexpr UINT ID_BAR_C = 403;

class DockFloatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = CreateDockTestFrame(600, 400);
        ASSERT_NE(m_pFrame, nullptr);
        const UINT ids[] = {ID_BAR_A, ID_BAR_B, ID_BAR_C};
        ASSERT_TRUE(DockRightColumn(m_pFrame, m_bars, ids));
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    CMiniDockFrameWnd* FloatingFrameOf(CControlBar& bar)
    {
        return bar.IsFloating() ? DYNAMIC_DOWNCAST(CMiniDockFrameWnd, bar.GetParentFrame()) : nullptr;
    }
    static void DoubleClickCaption(CWnd* pFrame)
    {
        CRect rect;
        pFrame->GetWindowRect(rect);
        pFrame->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(rect.left + 20, rect.top + 5));
    }
    // Floating frames that lost their bars go at the next idle update.
    int FloatingFrameCount()
    {
        int nCount = 0;
        for (POSITION pos = m_pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;)
        {
            auto* pBar = static_cast<CControlBar*>(m_pFrame->m_listControlBars.GetNext(pos));
            if (pBar->IsDockBar() && static_cast<CDockBar*>(pBar)->m_bFloating)
                ++nCount;
        }
        return nCount;
    }

    CFrameWnd* m_pFrame = nullptr;
    CDockTestBar m_bars[3];
};

TEST_F(DockFloatTest, ADoubleClickFloatsABarAndOneOnTheFloatingFrameDocksItBackInItsRow)
{
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    CRect rcDocked;
    m_bars[1].GetWindowRect(rcDocked);
    m_bars[1].SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(m_bars[1]);
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_A, ID_BAR_B, ID_BAR_C, 0})); // B's placeholder
    EXPECT_EQ(pRight->GetDockedCount(), 2);
    EXPECT_EQ(RectIn(&m_bars[2], pRight).top, RectIn(&m_bars[0], pRight).bottom - 2);
    // The floating frame shows the bar at its floating size, where it was docked, with its title.
    CRect rcMini, rcClient;
    pMini->GetWindowRect(rcMini);
    pMini->GetClientRect(rcClient);
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(rcMini.TopLeft(), rcDocked.TopLeft());
    EXPECT_EQ(rcClient.Size(), m_bars[1].m_sizeFloat - CSize(4, 4));
    EXPECT_RECT(RectIn(&m_bars[1], &pMini->m_wndDockBar), CRect(CPoint(-2, -2), m_bars[1].m_sizeFloat));
    CString strTitle;
    pMini->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "bar");
    EXPECT_TRUE(m_bars[1].m_dwStyle & CBRS_FLOATING);
    SaveScreenshot(m_pFrame, "dock_floating");

    // Moved, then docked back by a double click on its caption: in its place between A and C.
    pMini->SetWindowPos(nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DoubleClickCaption(pMini);
    EXPECT_EQ(m_bars[1].m_pDockBar, pRight);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_A, ID_BAR_B, ID_BAR_C, 0}));
    EXPECT_EQ(RectIn(&m_bars[1], pRight).top, RectIn(&m_bars[0], pRight).bottom - 2);
    EXPECT_EQ(RectIn(&m_bars[2], pRight).top, RectIn(&m_bars[1], pRight).bottom - 2);
    EXPECT_FALSE(m_bars[1].m_dwStyle & CBRS_FLOATING);
    EXPECT_EQ(FloatingFrameCount(), 1);
    IdleUpdate(m_pFrame);
    EXPECT_EQ(FloatingFrameCount(), 0);

    // The next double click floats it where it floated last.
    m_bars[1].SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    pMini = FloatingFrameOf(m_bars[1]);
    ASSERT_NE(pMini, nullptr);
    pMini->GetWindowRect(rcMini);
    EXPECT_EQ(rcMini.TopLeft(), CPoint(200, 150));
}

TEST_F(DockFloatTest, ClosingTheFloatingFrameHidesTheBarAndShowingTheBarBringsItBack)
{
    m_pFrame->FloatControlBar(&m_bars[0], CPoint(100, 100));
    CMiniDockFrameWnd* pMini = FloatingFrameOf(m_bars[0]);
    ASSERT_NE(pMini, nullptr);
    pMini->SendMessage(WM_CLOSE);
    EXPECT_FALSE(m_bars[0].IsWindowVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(pMini->m_hWnd)); // the frame keeps its hidden bar
    IdleUpdate(m_pFrame);
    EXPECT_EQ(FloatingFrameOf(m_bars[0]), pMini);

    m_pFrame->ShowControlBar(&m_bars[0], TRUE, FALSE);
    EXPECT_TRUE(m_bars[0].IsWindowVisible());
    EXPECT_TRUE(pMini->IsWindowVisible());
}

TEST_F(DockFloatTest, FloatingBarsGetTheirIdleUpdateAndFloatingFramesFollowDelayedShows)
{
    m_pFrame->FloatControlBar(&m_bars[2], CPoint(120, 80));
    const int nBefore = m_bars[2].m_nUpdates;
    IdleUpdate(m_pFrame);
    EXPECT_EQ(m_bars[2].m_nUpdates, nBefore + 1);

    m_pFrame->ShowControlBar(&m_bars[2], FALSE, TRUE);
    IdleUpdate(m_pFrame);
    IdleUpdate(m_pFrame);
    EXPECT_FALSE(m_bars[2].IsWindowVisible());
    EXPECT_FALSE(FloatingFrameOf(m_bars[2])->IsWindowVisible());
}

TEST_F(DockFloatTest, AFloatingBarDockedElsewhereForgetsItsPlaceholder)
{
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    m_bars[0].SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(m_bars[0].IsFloating());
    EXPECT_EQ(m_bars[0].m_pDockContext->m_uMRUDockID, (UINT)AFX_IDW_DOCKBAR_RIGHT);
    m_pFrame->DockControlBar(&m_bars[0], AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_B, ID_BAR_C, 0}));
    EXPECT_EQ(DockEntries(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT)), (std::vector<UINT>{ID_BAR_A, 0}));
    IdleUpdate(m_pFrame);
    EXPECT_EQ(FloatingFrameCount(), 0);
}
} // namespace
