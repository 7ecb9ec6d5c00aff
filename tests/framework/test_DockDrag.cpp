// Dragging bars: the tracking rectangle docks over a side the bar may use and floats elsewhere; the
// steps of a drag are called directly (no pointer under Xvfb).
#include "DockTestSupport.h"

#include "framework/CDockContext.h"
#include "framework/CMiniDockFrameWnd.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT ID_BAR_A = 501;
constexpr UINT ID_BAR_B = 502;
constexpr UINT ID_BAR_C = 503;

class DockDragTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = CreateDockTestFrame(600, 400);
        ASSERT_NE(m_pFrame, nullptr);
        const UINT ids[] = {ID_BAR_A, ID_BAR_B, ID_BAR_C};
        ASSERT_TRUE(DockRightColumn(m_pFrame, m_bars, ids));
        m_pFrame->GetClientRect(m_rcClient);
        m_pFrame->ClientToScreen(m_rcClient);
    }
    void TearDown() override
    {
        SetControlKey(FALSE);
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    // Drags bar i from its top-left corner (plus 5, 5) to ptTo (screen); returns the target side.
    CDockBar* Drag(int i, CPoint ptTo, BOOL bEnd = TRUE)
    {
        CRect rcBar;
        m_bars[i].GetWindowRect(rcBar);
        CDockContext* pContext = m_bars[i].m_pDockContext;
        pContext->InitDrag(rcBar.TopLeft() + CSize(5, 5));
        pContext->Move(ptTo + CSize(5, 5));
        CDockBar* pTarget = pContext->GetTargetDockBar();
        if (bEnd)
            pContext->EndDrag();
        return pTarget;
    }
    static void SetControlKey(BOOL bDown)
    {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = bDown ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }

    CFrameWnd* m_pFrame = nullptr;
    CDockTestBar m_bars[3];
    CRect m_rcClient; // the frame's client area on the screen
};

TEST_F(DockDragTest, DraggedOverTheLeftEdgeTheBarDocksLeft)
{
    CDockBar* pLeft = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(Drag(1, m_rcClient.TopLeft() + CSize(0, 50)), pLeft);
    EXPECT_EQ(m_bars[1].m_pDockBar, pLeft);
    EXPECT_EQ(DockEntries(pLeft), (std::vector<UINT>{ID_BAR_B, 0}));
    EXPECT_EQ(DockEntries(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT)),
              (std::vector<UINT>{ID_BAR_A, ID_BAR_C, 0}));
    EXPECT_EQ(RectIn(pLeft, m_pFrame).Width(), m_bars[1].m_sizeVert.cx);
}

TEST_F(DockDragTest, DraggedOverTheViewTheBarFloatsThereAndRemembersItsSide)
{
    const CPoint ptTo = m_rcClient.TopLeft() + CSize(200, 150);
    EXPECT_EQ(Drag(0, ptTo), nullptr);
    ASSERT_TRUE(m_bars[0].IsFloating());
    CWnd* pMini = m_bars[0].GetParentFrame();
    CRect rcMini;
    pMini->GetWindowRect(rcMini);
    // The tracking rectangle was the floating frame's: its window, at the dragged place.
    EXPECT_RECT(rcMini, CMiniDockFrameWnd::CalcFrameRect(CRect(ptTo, m_bars[0].m_sizeFloat)));
    EXPECT_EQ(m_bars[0].m_pDockContext->m_uMRUDockID, (UINT)AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(DockEntries(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT)),
              (std::vector<UINT>{ID_BAR_A, ID_BAR_B, ID_BAR_C, 0}));
}

TEST_F(DockDragTest, AFloatingBarDraggedIntoAColumnTakesThePlaceUnderIt)
{
    m_pFrame->FloatControlBar(&m_bars[2], m_rcClient.TopLeft() + CSize(100, 100));
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    CRect rcA;
    m_bars[0].GetWindowRect(rcA);
    // Over the column, its top below A's top (and clear of the top side): between A and B.
    EXPECT_EQ(Drag(2, rcA.TopLeft() + CSize(0, 30)), pRight);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_A, ID_BAR_C, ID_BAR_B, 0}));
    EXPECT_EQ(RectIn(&m_bars[2], pRight).top, RectIn(&m_bars[0], pRight).bottom - 2);
}

TEST_F(DockDragTest, SidesTheBarMayNotUseAndTheControlKeyKeepItFloating)
{
    m_bars[1].EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    EXPECT_EQ(Drag(1, m_rcClient.TopLeft() + CSize(200, 0), FALSE), nullptr); // over the top side
    m_bars[1].m_pDockContext->CancelDrag();
    EXPECT_EQ(m_bars[1].m_pDockBar, m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT)); // cancelled: unchanged

    SetControlKey(TRUE);
    EXPECT_EQ(Drag(1, m_rcClient.TopLeft() + CSize(0, 50)), nullptr);
    EXPECT_TRUE(m_bars[1].IsFloating());
}

TEST_F(DockDragTest, AClickWithoutMovingOrWithoutTheButtonChangesNothing)
{
    CDockContext* pContext = m_bars[0].m_pDockContext;
    CRect rcBar;
    m_bars[0].GetWindowRect(rcBar);
    pContext->InitDrag(rcBar.CenterPoint());
    pContext->Move(rcBar.CenterPoint());
    pContext->EndDrag();
    EXPECT_EQ(m_bars[0].m_pDockBar, m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT));
    // A button-down message sent by a program (the button is not down) starts no drag loop.
    m_bars[0].SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_FALSE(m_bars[0].IsFloating());
}
} // namespace
