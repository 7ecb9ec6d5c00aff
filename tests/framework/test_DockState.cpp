// The bar layout in the profile: SaveBarState, then LoadBarState in a new frame, and broken records.
#include "DockTestSupport.h"

#include "framework/CDockState.h"
#include "framework/CMiniDockFrameWnd.h"
#include "framework/CWinApp.h"

#include <gtest/gtest.h>

namespace
{
constexpr UINT ID_BAR_A = 301;
constexpr UINT ID_BAR_B = 302;
constexpr UINT ID_BAR_C = 303;
constexpr UINT ID_BAR_D = 304;
constexpr UINT PH = CControlBarInfo::PLACEHOLDER_FLAG;
const char* const kProfile = "AllViewState\\BarState\\DockTest";

// A frame with bars A, B, C (docked right, A and B in one column, C in a second) and D (left).
class CStateFrame
{
public:
    BOOL Create()
    {
        m_pFrame = CreateDockTestFrame(600, 400);
        if (m_pFrame == nullptr)
            return FALSE;
        const UINT ids[] = {ID_BAR_A, ID_BAR_B, ID_BAR_C, ID_BAR_D};
        for (int i = 0; i < 4; ++i)
            if (!m_bars[i].Create(m_pFrame, ids[i]))
                return FALSE;
        return TRUE;
    }
    void DockDefault()
    {
        m_pFrame->DockControlBar(&m_bars[0], AFX_IDW_DOCKBAR_RIGHT);
        CRect rect;
        m_bars[0].GetWindowRect(rect);
        rect.OffsetRect(0, 1);
        m_pFrame->DockControlBar(&m_bars[1], AFX_IDW_DOCKBAR_RIGHT, rect);
        m_pFrame->DockControlBar(&m_bars[2], AFX_IDW_DOCKBAR_RIGHT);
        m_pFrame->DockControlBar(&m_bars[3], AFX_IDW_DOCKBAR_LEFT);
    }
    ~CStateFrame()
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow();
    }
    CDockBar* Side(UINT nID) { return m_pFrame->GetDockBar(nID); }

    CFrameWnd* m_pFrame = nullptr;
    CDockTestBar m_bars[4];
};

class DockStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HKEY hKey = AfxGetApp()->GetAppRegistryKey();
        ::RegDeleteTreeA(hKey, "AllViewState");
        ::RegCloseKey(hKey);
    }
    static const CControlBarInfo* FindInfo(const CDockState& state, UINT nID)
    {
        for (int i = 0; i < (int)state.m_arrBarInfo.GetSize(); ++i)
            if (state.GetBarInfo(i)->m_nBarID == nID)
                return state.GetBarInfo(i);
        return nullptr;
    }
    static std::vector<UINT> Ids(const CControlBarInfo* pInfo)
    {
        std::vector<UINT> ids;
        for (int i = 0; pInfo != nullptr && i < (int)pInfo->m_arrBarID.GetSize(); ++i)
            ids.push_back(pInfo->m_arrBarID[i]);
        return ids;
    }
};

TEST_F(DockStateTest, TheStateListsEachSidesBarsWithPlaceholdersForHiddenAndFloatingBars)
{
    CStateFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.DockDefault();
    frame.m_pFrame->ShowControlBar(&frame.m_bars[1], FALSE, FALSE);
    frame.m_pFrame->FloatControlBar(&frame.m_bars[2], CPoint(300, 200));
    frame.m_pFrame->SaveBarState(kProfile);

    CDockState state;
    state.LoadState(kProfile);
    EXPECT_EQ(Ids(FindInfo(state, AFX_IDW_DOCKBAR_RIGHT)),
              (std::vector<UINT>{ID_BAR_A, ID_BAR_B | PH, 0, ID_BAR_C | PH, 0}));
    EXPECT_EQ(Ids(FindInfo(state, AFX_IDW_DOCKBAR_LEFT)), (std::vector<UINT>{ID_BAR_D, 0}));
    const CControlBarInfo* pB = FindInfo(state, ID_BAR_B);
    ASSERT_NE(pB, nullptr);
    EXPECT_FALSE(pB->m_bVisible);
    EXPECT_FALSE(pB->m_bFloating);
    const CControlBarInfo* pC = FindInfo(state, ID_BAR_C);
    ASSERT_NE(pC, nullptr);
    EXPECT_TRUE(pC->m_bFloating);
    EXPECT_EQ(pC->m_pointPos, CPoint(300, 200));
    EXPECT_EQ(pC->m_uMRUDockID, 0u); // floated by program, not from a side
}

TEST_F(DockStateTest, ANewFrameLoadsDockedHiddenAndFloatingBars)
{
    {
        CStateFrame frame;
        ASSERT_TRUE(frame.Create());
        frame.DockDefault();
        // D moves to the right side's first column, between A and B; B is hidden, C floats.
        CRect rect;
        frame.m_bars[0].GetWindowRect(rect);
        rect.OffsetRect(0, 1);
        frame.m_pFrame->DockControlBar(&frame.m_bars[3], frame.Side(AFX_IDW_DOCKBAR_RIGHT), rect);
        frame.m_pFrame->ShowControlBar(&frame.m_bars[1], FALSE, FALSE);
        frame.m_pFrame->FloatControlBar(&frame.m_bars[2], CPoint(320, 240));
        frame.m_pFrame->SaveBarState(kProfile);
    }
    CStateFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.DockDefault();
    frame.m_pFrame->LoadBarState(kProfile);
    IdleUpdate(frame.m_pFrame);
    EXPECT_EQ(DockEntries(frame.Side(AFX_IDW_DOCKBAR_RIGHT)),
              (std::vector<UINT>{ID_BAR_A, ID_BAR_D, ID_BAR_B, 0, ID_BAR_C, 0}));
    EXPECT_EQ(DockEntries(frame.Side(AFX_IDW_DOCKBAR_LEFT)), std::vector<UINT>{});
    EXPECT_FALSE(frame.m_bars[1].IsWindowVisible());
    EXPECT_EQ(frame.m_bars[3].m_pDockBar, frame.Side(AFX_IDW_DOCKBAR_RIGHT));
    ASSERT_TRUE(frame.m_bars[2].IsFloating());
    auto* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, frame.m_bars[2].GetParentFrame());
    ASSERT_NE(pMini, nullptr);
    CRect rcMini;
    pMini->GetWindowRect(rcMini);
    EXPECT_EQ(rcMini.TopLeft(), CPoint(320, 240));
    EXPECT_TRUE(pMini->IsWindowVisible());
    // The shown bars of the column follow each other; the hidden one waits in its place.
    CDockBar* pRight = frame.Side(AFX_IDW_DOCKBAR_RIGHT);
    EXPECT_EQ(RectIn(&frame.m_bars[3], pRight).top, RectIn(&frame.m_bars[0], pRight).bottom - 2);
    frame.m_pFrame->ShowControlBar(&frame.m_bars[1], TRUE, FALSE);
    EXPECT_EQ(RectIn(&frame.m_bars[1], pRight).top, RectIn(&frame.m_bars[3], pRight).bottom - 2);
}

TEST_F(DockStateTest, AShorterStateRemovesTheEntriesOfALongerOne)
{
    CStateFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.DockDefault();
    frame.m_pFrame->SaveBarState(kProfile);
    CDockState state;
    state.LoadState(kProfile);
    const int nLong = (int)state.m_arrBarInfo.GetSize();
    ASSERT_GE(nLong, 8); // four sides, four bars

    state.Clear();
    state.m_arrBarInfo.Add(new CControlBarInfo);
    state.GetBarInfo(0)->m_nBarID = ID_BAR_A;
    state.SaveState(kProfile);
    state.LoadState(kProfile);
    EXPECT_EQ(state.m_arrBarInfo.GetSize(), 1);
    HKEY hKey = AfxGetApp()->GetSectionKey("AllViewState\\BarState");
    HKEY hSection = nullptr;
    CString strSection;
    strSection.Format("DockTest-Bar%d", nLong - 1);
    EXPECT_NE(::RegOpenKeyExA(hKey, strSection, 0, KEY_READ, &hSection), ERROR_SUCCESS);
    ::RegCloseKey(hKey);
}

TEST_F(DockStateTest, BrokenRecordsLoadNothingOrOnlyWhatMakesSense)
{
    CWinApp* pApp = AfxGetApp();
    const CString strSummary = CString(kProfile) + "-Summary";
    pApp->WriteProfileInt(strSummary, "Bars", 100000);
    CDockState state;
    state.LoadState(kProfile);
    EXPECT_EQ(state.m_arrBarInfo.GetSize(), 0);

    // Two entries: a bar id out of range (dropped), and the right side naming an unknown bar and
    // an absurd number of bars.
    pApp->WriteProfileInt(strSummary, "Bars", 2);
    pApp->WriteProfileInt(CControlBarInfo::GetSection(kProfile, 0), "BarID", 0x123456);
    const CString strRight = CControlBarInfo::GetSection(kProfile, 1);
    pApp->WriteProfileInt(strRight, "BarID", AFX_IDW_DOCKBAR_RIGHT);
    pApp->WriteProfileInt(strRight, "DockBar", 1);
    pApp->WriteProfileInt(strRight, "Bars", 3);
    pApp->WriteProfileInt(strRight, "Bar#0", ID_BAR_A);
    pApp->WriteProfileInt(strRight, "Bar#1", 999);
    pApp->WriteProfileInt(strRight, "Bar#2", 0);
    state.LoadState(kProfile);
    ASSERT_EQ(state.m_arrBarInfo.GetSize(), 1);

    CStateFrame frame;
    ASSERT_TRUE(frame.Create());
    frame.DockDefault();
    // 999 does not exist; the bars the side's list leaves out stay docked, in rows of their own.
    frame.m_pFrame->SetDockState(state);
    EXPECT_EQ(DockEntries(frame.Side(AFX_IDW_DOCKBAR_RIGHT)),
              (std::vector<UINT>{ID_BAR_A, 0, ID_BAR_B, 0, ID_BAR_C, 0}));
    EXPECT_TRUE(frame.m_bars[1].IsWindowVisible());

    pApp->WriteProfileInt(strRight, "Bars", 50000);
    state.LoadState(kProfile);
    ASSERT_EQ(state.m_arrBarInfo.GetSize(), 1);
    EXPECT_EQ(state.GetBarInfo(0)->m_arrBarID.GetSize(), 0);
}
} // namespace
