// Docked rows, the frame's layout of sides and view, showing and hiding docked bars.
#include "DockTestSupport.h"

#include "framework/CWinApp.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT ID_BAR_A = 201;
constexpr UINT ID_BAR_B = 202;
constexpr UINT ID_BAR_C = 203;
constexpr UINT ID_BAR_L = 204;

class DockLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = CreateDockTestFrame(600, 400);
        ASSERT_NE(m_pFrame, nullptr);
        LPCSTR lpszViewClass = AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        ASSERT_TRUE(m_wndView.Create(lpszViewClass, "view", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                     CRect(0, 0, 10, 10), m_pFrame, AFX_IDW_PANE_FIRST));
        const UINT ids[] = {ID_BAR_A, ID_BAR_B, ID_BAR_C, ID_BAR_L};
        for (int i = 0; i < 4; ++i)
            ASSERT_TRUE(m_bars[i].Create(m_pFrame, ids[i]));
        m_bars[0].m_sizeVert = CSize(40, 100);
        m_bars[1].m_sizeVert = CSize(50, 80);
        m_bars[2].m_sizeVert = CSize(40, 60);
        m_bars[3].m_sizeVert = CSize(30, 200);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    // The three bars docked right one below the other, the fourth left.
    void DockFour()
    {
        CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
        m_pFrame->DockControlBar(&m_bars[0], AFX_IDW_DOCKBAR_RIGHT);
        for (int i = 1; i < 3; ++i)
        {
            CRect rect;
            m_bars[i - 1].GetWindowRect(rect);
            rect.OffsetRect(0, 1);
            m_pFrame->DockControlBar(&m_bars[i], pRight, rect);
        }
        m_pFrame->DockControlBar(&m_bars[3], AFX_IDW_DOCKBAR_LEFT);
    }

    CFrameWnd* m_pFrame = nullptr;
    CWnd m_wndView;
    CDockTestBar m_bars[4];
};

TEST_F(DockLayoutTest, RowsOfTheSidesAndTheViewTakeTheClientArea)
{
    DockFour();
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    CDockBar* pLeft = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_A, ID_BAR_B, ID_BAR_C, 0}));
    EXPECT_EQ(DockEntries(pLeft), (std::vector<UINT>{ID_BAR_L, 0}));

    // A side is as wide as its widest bar; its bars follow each other with 2 pixels of overlap, the
    // first starting 2 pixels above the side's client area (below its 2-pixel top line).
    EXPECT_RECT(RectIn(pRight, m_pFrame), CRect(550, 0, 600, 400));
    EXPECT_RECT(RectIn(pLeft, m_pFrame), CRect(0, 0, 30, 400));
    EXPECT_RECT(RectIn(&m_bars[0], pRight), CRect(0, -2, 40, 98));
    EXPECT_RECT(RectIn(&m_bars[1], pRight), CRect(0, 96, 50, 176));
    EXPECT_RECT(RectIn(&m_bars[2], pRight), CRect(0, 174, 40, 234));
    EXPECT_RECT(RectIn(&m_wndView, m_pFrame), CRect(30, 0, 550, 400));
    for (CDockTestBar& bar : m_bars)
        EXPECT_EQ(bar.m_dwStyle & CBRS_ALIGN_ANY,
                  &bar == &m_bars[3] ? (DWORD)CBRS_ALIGN_LEFT : (DWORD)CBRS_ALIGN_RIGHT);
    // Docked bars draw a 3-D border on every side: shadow outside, highlight inside.
    m_bars[1].RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
    HDC hDC = ::GetWindowDC(m_bars[1].m_hWnd);
    EXPECT_EQ(::GetPixel(hDC, 0, 40), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(::GetPixel(hDC, 1, 40), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(::GetPixel(hDC, 49, 40), ::GetSysColor(COLOR_BTNSHADOW));
    ::ReleaseDC(m_bars[1].m_hWnd, hDC);
    CRect rcClient;
    m_bars[1].GetClientRect(rcClient);
    EXPECT_EQ(rcClient.Size(), CSize(50 - 4, 80 - 4));
    SaveScreenshot(m_pFrame, "dock_rows");
}

TEST_F(DockLayoutTest, InsertionByRectangleFindsTheRowOrMakesOne)
{
    DockFour();
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    CRect rect;
    // Left of the column: a new row (column) before it.
    m_bars[2].GetWindowRect(rect);
    rect.OffsetRect(-60, 0);
    m_pFrame->DockControlBar(&m_bars[2], pRight, rect);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_C, 0, ID_BAR_A, ID_BAR_B, 0}));
    EXPECT_EQ(RectIn(pRight, m_pFrame).Width(), 40 - 2 + 50 - 2 + 2);
    // Into the column, above the first bar.
    m_bars[0].GetWindowRect(rect);
    rect.OffsetRect(0, -1);
    m_pFrame->DockControlBar(&m_bars[2], pRight, rect);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_C, ID_BAR_A, ID_BAR_B, 0}));
    // Without a rectangle: a new last row.
    m_pFrame->DockControlBar(&m_bars[3], pRight);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_C, ID_BAR_A, ID_BAR_B, 0, ID_BAR_L, 0}));
    EXPECT_EQ(DockEntries(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT)), std::vector<UINT>{});
    EXPECT_EQ(RectIn(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT), m_pFrame).Width(), 0);
}

TEST_F(DockLayoutTest, ASideTheBarMayNotUseIsReplacedByOneItMay)
{
    m_bars[0].EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    m_pFrame->DockControlBar(&m_bars[0], AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(m_bars[0].m_pDockBar, m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(m_pFrame->GetControlBar(ID_BAR_A), &m_bars[0]);
    EXPECT_EQ(m_pFrame->GetControlBar(9999), nullptr);
}

TEST_F(DockLayoutTest, AHiddenBarKeepsItsPlaceAndComesBackToIt)
{
    DockFour();
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    m_pFrame->ShowControlBar(&m_bars[1], FALSE, FALSE);
    EXPECT_FALSE(m_bars[1].IsWindowVisible());
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_A, ID_BAR_B, ID_BAR_C, 0}));
    EXPECT_RECT(RectIn(&m_bars[2], pRight), CRect(0, 96, 40, 156));
    EXPECT_EQ(RectIn(pRight, m_pFrame).Width(), 40);

    m_pFrame->ShowControlBar(&m_bars[1], TRUE, FALSE);
    EXPECT_RECT(RectIn(&m_bars[1], pRight), CRect(0, 96, 50, 176));
    EXPECT_RECT(RectIn(&m_bars[2], pRight), CRect(0, 174, 40, 234));

    // Hiding every bar of a side gives its space to the view.
    m_pFrame->ShowControlBar(&m_bars[3], FALSE, FALSE);
    EXPECT_RECT(RectIn(&m_wndView, m_pFrame), CRect(0, 0, 550, 400));
}

TEST_F(DockLayoutTest, DelayedShowAndHideHappenAtTheIdleUpdate)
{
    DockFour();
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    m_pFrame->ShowControlBar(&m_bars[0], FALSE, TRUE);
    EXPECT_TRUE(m_bars[0].IsWindowVisible());
    EXPECT_FALSE(m_bars[0].IsVisible());
    IdleUpdate(m_pFrame);
    EXPECT_FALSE(m_bars[0].IsWindowVisible());
    EXPECT_EQ(RectIn(&m_bars[1], pRight).top, -2);

    m_pFrame->ShowControlBar(&m_bars[0], TRUE, TRUE);
    EXPECT_FALSE(m_bars[0].IsWindowVisible());
    IdleUpdate(m_pFrame);
    EXPECT_TRUE(m_bars[0].IsWindowVisible());
    EXPECT_EQ(RectIn(&m_bars[0], pRight).top, -2);
    EXPECT_EQ(RectIn(&m_bars[1], pRight).top, 96);
}

TEST_F(DockLayoutTest, IdleUpdateReachesOnlyVisibleBars)
{
    DockFour();
    m_pFrame->ShowControlBar(&m_bars[2], FALSE, FALSE);
    IdleUpdate(m_pFrame);
    EXPECT_EQ(m_bars[0].m_nUpdates, 1);
    EXPECT_EQ(m_bars[3].m_nUpdates, 1);
    EXPECT_EQ(m_bars[2].m_nUpdates, 0);
}

TEST_F(DockLayoutTest, TopAndBottomSidesSpanTheWidthAndTheLeftAndRightFitBetween)
{
    m_bars[0].m_sizeHorz = CSize(200, 30);
    m_bars[1].m_sizeHorz = CSize(150, 40);
    m_pFrame->DockControlBar(&m_bars[0], AFX_IDW_DOCKBAR_TOP);
    m_pFrame->DockControlBar(&m_bars[1], AFX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->DockControlBar(&m_bars[3], AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->ShowControlBar(&m_bars[2], FALSE, FALSE); // an undocked bar would take a strip itself
    CDockBar* pTop = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_TOP);
    // The top side: its 2-pixel line, then the row; horizontal bars start 2 pixels left of the side.
    EXPECT_RECT(RectIn(pTop, m_pFrame), CRect(0, 0, 600, 32));
    EXPECT_RECT(RectIn(&m_bars[0], pTop), CRect(-2, 0, 198, 30));
    EXPECT_RECT(RectIn(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_BOTTOM), m_pFrame), CRect(0, 360, 600, 400));
    EXPECT_RECT(RectIn(m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_LEFT), m_pFrame), CRect(0, 32, 30, 360));
    EXPECT_RECT(RectIn(&m_wndView, m_pFrame), CRect(30, 32, 600, 360));
}

TEST_F(DockLayoutTest, ABarDeletedWithItsWindowAliveLeavesItsDockBarAndFrame)
{
    DockFour();
    CDockBar* pRight = m_pFrame->GetDockBar(AFX_IDW_DOCKBAR_RIGHT);
    auto* pBar = new CDockTestBar;
    ASSERT_TRUE(pBar->Create(m_pFrame, 205));
    m_pFrame->DockControlBar(pBar, pRight);
    HWND hWndBar = pBar->m_hWnd;
    delete pBar;
    EXPECT_FALSE(::IsWindow(hWndBar));
    // Only the pointer values are compared: the object is gone.
    EXPECT_EQ(m_pFrame->m_listControlBars.Find(pBar), nullptr);
    ASSERT_LT(pRight->FindBar(pBar), 0);
    EXPECT_EQ(DockEntries(pRight), (std::vector<UINT>{ID_BAR_A, ID_BAR_B, ID_BAR_C, 0}));
}

// The row array without windows: row bounds, row breaks and placeholders.
TEST(DockBarRows, BoundsBreaksAndPlaceholders)
{
    CDockBar dockBar;
    for (UINT_PTR n : {0, 7, 9, 0, 11, 0})
        dockBar.m_arrBars.Add(reinterpret_cast<void*>(n));
    dockBar.m_arrBars.RemoveAt(0); // the constructor's leading null is the first entry above
    int nFirst = 0, nLast = 0;
    dockBar.GetRowBounds(2, nFirst, nLast);
    EXPECT_EQ(nFirst, 1);
    EXPECT_EQ(nLast, 2);
    dockBar.GetRowBounds(4, nFirst, nLast);
    EXPECT_EQ(nFirst, 4);
    EXPECT_EQ(nLast, 4);
    EXPECT_EQ(dockBar.FindPlaceHolder(9), 2);
    EXPECT_EQ(dockBar.FindPlaceHolder(8), -1);
    EXPECT_EQ(dockBar.GetDockedCount(), 0);

    dockBar.InsertRowBreak(2); // between 7 and 9
    EXPECT_EQ(dockBar.m_arrBars.GetSize(), 7);
    EXPECT_EQ(dockBar.m_arrBars[2], nullptr);
    dockBar.InsertRowBreak(3); // already a row start: nothing
    dockBar.InsertRowBreak(1);
    EXPECT_EQ(dockBar.m_arrBars.GetSize(), 7);

    dockBar.RemovePlaceHolder(11); // the emptied row goes
    EXPECT_EQ(dockBar.m_arrBars.GetSize(), 5);
    EXPECT_EQ(dockBar.m_arrBars[4], nullptr);
}
} // namespace
