// Bar sizes and bar layout in the profile: "<profile>-ResBar-<id>" sections with the six sizes, and the
// frame's bar state, restored in a new frame.
#include "ResizableBarFrame.h"

#include "framework/CWinApp.h"

#include <gtest/gtest.h>

namespace
{
const char* const kProfile = "AllViewState\\BarState\\ViewBar";

class ResizableBarStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HKEY hKey = AfxGetApp()->GetAppRegistryKey();
        ::RegDeleteTreeA(hKey, "AllViewState");
        ::RegCloseKey(hKey);
    }
    static int Stored(UINT nID, LPCSTR lpszEntry)
    {
        CString strSection;
        strSection.Format("%s-ResBar-%u", kProfile, nID);
        return (int)AfxGetApp()->GetProfileInt(strSection, lpszEntry, -1);
    }
};

TEST_F(ResizableBarStateTest, SizesAreStoredPerBarAndNeverLoadBelowTheMinimum)
{
    CResizableTestFrame<CResizableBar> frame;
    ASSERT_TRUE(frame.Create(800, 600));
    CResizableBar& bar = frame.m_bars[0];
    bar.m_szHorz = CSize(310, 45);
    bar.m_szFloat = CSize(250, 120);
    bar.SaveSizes(kProfile);
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeHorzCX"), 310);
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeHorzCY"), 45);
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeVertCX"), bar.m_szVert.cx);
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeVertCY"), bar.m_szVert.cy);
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeFloatCX"), 250);
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeFloatCY"), 120);
    EXPECT_EQ(Stored(ID_RESBAR_B, "sizeHorzCX"), -1); // another bar, another section

    // A stored height of 10 loads as the minimum 32; values not stored keep the current size.
    CString strSection;
    strSection.Format("%s-ResBar-%u", kProfile, ID_RESBAR_B);
    AfxGetApp()->WriteProfileInt(strSection, "sizeHorzCY", 10);
    AfxGetApp()->WriteProfileInt(strSection, "sizeFloatCX", 20);
    CResizableBar& other = frame.m_bars[1];
    other.m_szHorz = CSize(200, 200);
    other.m_szFloat = CSize(200, 200);
    other.LoadSizes(kProfile);
    EXPECT_EQ(other.m_szHorz, CSize(200, 32));
    EXPECT_EQ(other.m_szFloat, CSize(37, 200));
    frame.Destroy();
}

TEST_F(ResizableBarStateTest, ANewFrameRestoresDockedFloatingAndHiddenBarsAndTheirSizes)
{
    CSize sizeA, sizeNavi, sizeFloatC;
    {
        CResizableTestFrame<CResizableBar> frame;
        ASSERT_TRUE(frame.Create(800, 600));
        // A grows by 40 at the expense of B, the navigation bar gets thicker, B is hidden, C floats.
        CRect rcWindow, rcStrip;
        frame.m_bars[0].GetWindowRect(rcWindow);
        ASSERT_TRUE(frame.m_bars[0].EdgeStripRect(rcWindow, HTBOTTOM, rcStrip));
        frame.m_bars[0].StartTracking(HTBOTTOM, rcStrip.CenterPoint());
        frame.m_bars[0].TrackToPoint(rcStrip.CenterPoint() + CSize(0, 40));
        frame.m_bars[0].StopTracking();
        frame.m_bars[3].m_szVert.cx = 230;
        frame.m_bars[2].m_szFloat = CSize(260, 140);
        frame.m_pFrame->ShowControlBar(&frame.m_bars[1], FALSE, FALSE);
        frame.m_pFrame->FloatControlBar(&frame.m_bars[2], CPoint(150, 120));
        frame.Settle();
        sizeA = frame.m_bars[0].m_szVert;
        sizeNavi = frame.m_bars[3].m_szVert;
        sizeFloatC = frame.m_bars[2].m_szFloat;
        CResizableBar::SaveAllSizes(frame.m_pFrame, kProfile);
        frame.m_pFrame->SaveBarState(kProfile);
        frame.Destroy();
    }
    EXPECT_EQ(Stored(ID_RESBAR_A, "sizeVertCY"), sizeA.cy);
    EXPECT_EQ(Stored(ID_RESBAR_NAVI, "sizeVertCX"), 230);

    CResizableTestFrame<CResizableBar> frame;
    ASSERT_TRUE(frame.Create(800, 600));
    CResizableBar::LoadAllSizes(frame.m_pFrame, kProfile);
    frame.m_pFrame->LoadBarState(kProfile);
    frame.Settle();
    EXPECT_EQ(frame.m_bars[0].m_szVert, sizeA);
    EXPECT_EQ(frame.m_bars[3].m_szVert, sizeNavi);
    EXPECT_EQ(RectIn(frame.Side(AFX_IDW_DOCKBAR_LEFT), frame.m_pFrame).Width(), 230);
    EXPECT_EQ(DockEntries(frame.Side(AFX_IDW_DOCKBAR_RIGHT)),
              (std::vector<UINT>{ID_RESBAR_A, ID_RESBAR_B, ID_RESBAR_C, 0}));
    EXPECT_FALSE(frame.m_bars[1].IsWindowVisible());
    EXPECT_TRUE(frame.m_bars[0].IsWindowVisible());
    ASSERT_TRUE(frame.m_bars[2].IsFloating());
    CWnd* pMini = frame.m_bars[2].GetParentFrame();
    ASSERT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CResizableMiniDockFrameWnd)));
    CRect rcMini, rcClient;
    pMini->GetWindowRect(rcMini);
    pMini->GetClientRect(rcClient);
    EXPECT_EQ(rcMini.TopLeft(), CPoint(150, 120));
    EXPECT_EQ(rcClient.Size(), sizeFloatC - CSize(4, 4));
    EXPECT_EQ(frame.m_bars[2].m_szFloat, sizeFloatC);
    // The column holds A and C's place; showing B brings it back between them.
    frame.m_pFrame->ShowControlBar(&frame.m_bars[1], TRUE, FALSE);
    frame.Settle();
    CDockBar* pRight = frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(RectIn(&frame.m_bars[1], pRight).top, RectIn(&frame.m_bars[0], pRight).bottom - 2);
    SaveScreenshot(frame.m_pFrame, "resbar_restored");
    frame.Destroy();
}
} // namespace
