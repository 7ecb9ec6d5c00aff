// The main frame's diagram bar around an output: floated at the size kind's rectangle and given back its
// docked or floating place and its visibility afterwards; kind 3 leaves it where it is; a second sizing
// before the restore keeps the first place.
#include "framework/AfxRes.h"
#include "resources/resource.h"
#include "app/CMainFrame.h"
#include "app/TreeCtrlStruct.h"
#include "storage/CDiagramSizing.h"

#include <gtest/gtest.h>

class DiagramOutputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The frame deletes itself with its window.
        m_pFrame = new CMainFrame;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
        m_hFrame = m_pFrame->GetSafeHwnd();
        m_pFrame->SetWindowPos(nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_pFrame->RecalcLayout();
        // As in the running program, where hiding a bar by hand changes its check state.
        m_pFrame->m_bInitPending = FALSE;
    }
    void TearDown() override
    {
        // Without pages the frame saves no settings.
        m_pFrame->m_bInitPending = TRUE;
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }
    CRect Expected(int iKind)
    {
        CRect rc;
        CDiagramSizing::OutputRect(iKind, CEnvironment::GetWorkArea(), m_pFrame->GetVirtualWorkArea(),
                                   m_pFrame->m_sEnvReg.rectVirtualWorkArea, rc);
        CDiagramSizing::CutMargin(rc);
        return rc;
    }
    CRect FloatingFrameRect()
    {
        CRect rc;
        m_pFrame->m_wndViewBarDiagram.GetParentFrame()->GetWindowRect(rc);
        return rc;
    }
    UINT DockBarId() { return m_pFrame->m_wndViewBarDiagram.GetDockBarId(); }
    bool IsBarVisible() { return m_pFrame->m_wndViewBarDiagram.IsVisible() != FALSE; }

    CMainFrame* m_pFrame = nullptr;
    HWND m_hFrame = nullptr;
};

TEST_F(DiagramOutputTest, AHiddenDockedBarFloatsAtTheKindsRectangleAndIsDockedAndHiddenAgain)
{
    ASSERT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), DockBarId());
    ASSERT_FALSE(IsBarVisible());
    const int iCheckState = m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_DIAGRAM];
    for (int iKind :
         {CDiagramSizing::SIZE_WORK_AREA, CDiagramSizing::SIZE_NORMAL, CDiagramSizing::SIZE_PRINT})
    {
        SCOPED_TRACE(iKind);
        const CRect rc = m_pFrame->SizeDiagramForOutput(&iKind);
        EXPECT_EQ(Expected(iKind), rc);
        EXPECT_TRUE(IsBarVisible());
        EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), DockBarId());
        EXPECT_EQ(rc.TopLeft(), FloatingFrameRect().TopLeft());
        EXPECT_EQ(rc.Size(), m_pFrame->m_wndViewBarDiagram.GetFloatSize());

        m_pFrame->RestoreDiagramAfterOutput();
        EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), DockBarId());
        EXPECT_FALSE(IsBarVisible());
        EXPECT_EQ(iCheckState, m_pFrame->m_psTreeCtrlStruct->iCheckState[CHECK_STATE_DIAGRAM]);
    }
}

TEST_F(DiagramOutputTest, AFloatingBarReturnsToItsFloatingRectangleEvenAfterASecondSizing)
{
    CViewBarDiagram& bar = m_pFrame->m_wndViewBarDiagram;
    m_pFrame->ShowControlBar(&bar, TRUE, FALSE);
    m_pFrame->FloatControlBar(&bar, CPoint(100, 50), CBRS_ALIGN_TOP);
    bar.SetFloatRect(CRect(100, 50, 500, 350));
    ASSERT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_FLOAT), DockBarId());
    const CRect rcBefore = FloatingFrameRect();

    int iKind = CDiagramSizing::SIZE_WORK_AREA;
    m_pFrame->SizeDiagramForOutput(&iKind);
    iKind = CDiagramSizing::SIZE_NORMAL;
    m_pFrame->SizeDiagramForOutput(&iKind);
    EXPECT_EQ(Expected(iKind).TopLeft(), FloatingFrameRect().TopLeft());
    m_pFrame->RestoreDiagramAfterOutput();
    EXPECT_EQ(rcBefore, FloatingFrameRect());
    EXPECT_EQ(CSize(400, 300), bar.GetFloatSize());
    EXPECT_TRUE(IsBarVisible());
    // A restore without a sizing changes nothing.
    m_pFrame->RestoreDiagramAfterOutput();
    EXPECT_EQ(rcBefore, FloatingFrameRect());
}

TEST_F(DiagramOutputTest, KindThreeLeavesTheBarWhereItIsButShowsAHiddenOneForTheOutput)
{
    int iKind = CDiagramSizing::SIZE_WINDOW;
    EXPECT_EQ(CRect(), m_pFrame->SizeDiagramForOutput(&iKind));
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), DockBarId());
    EXPECT_TRUE(IsBarVisible());
    m_pFrame->RestoreDiagramAfterOutput();
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), DockBarId());
    EXPECT_FALSE(IsBarVisible());
}
