// The start-up search dialog's progress: the bar's position through a search over n ports, as the
// protocol reports it (ports tested from row n - 1 down to 0, 29 sub-steps per port).
#include "framework/CProgressCtrl.h"
#include "resources/resource.h"
#include "sensorpages/CDlgStartUp.h"

#include <gtest/gtest.h>

class DlgStartUpProgress : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create(IDD_DLG_STARTUP, nullptr)); }
    // Shown in the dialog, whether the dialog is shown or not.
    bool IsShown(int iId)
    {
        return (::GetWindowLongA(::GetDlgItem(m_dlg.m_hWnd, iId), GWL_STYLE) & WS_VISIBLE) != 0;
    }
    int BarPos()
    {
        return static_cast<int>(::SendDlgItemMessageA(m_dlg.m_hWnd, IDC_STARTUP_PROGRESS, PBM_GETPOS, 0, 0));
    }

    CDlgStartUp m_dlg;
};

TEST_F(DlgStartUpProgress, FourPortsMoveFromPortToPort)
{
    m_dlg.InitSearchProgress(4);
    EXPECT_TRUE(m_dlg.IsSearching());
    EXPECT_TRUE(IsShown(IDC_STARTUP_PROGRESS));
    const int expected[4] = {25, 50, 75, 100};
    for (int r = 3; r >= 0; --r)
    {
        m_dlg.SetSearchedPort(r);
        EXPECT_EQ(expected[3 - r], m_dlg.GetProgressPos()) << "row " << r;
        // A sub-step adds 100 / 116 = 0.862, lost in the whole position.
        m_dlg.AdvanceSearchProgress(0);
        EXPECT_EQ(expected[3 - r], m_dlg.GetProgressPos()) << "row " << r;
    }
    EXPECT_EQ(100, BarPos());
}

TEST_F(DlgStartUpProgress, TwoPortsGainOnePerSubStepAndOnePortIsFullAtOnce)
{
    m_dlg.InitSearchProgress(2);
    m_dlg.SetSearchedPort(1);
    EXPECT_EQ(50, m_dlg.GetProgressPos());
    m_dlg.AdvanceSearchProgress(0);
    m_dlg.AdvanceSearchProgress(0);
    EXPECT_EQ(52, m_dlg.GetProgressPos());
    m_dlg.AdvanceSearchProgress(1);
    EXPECT_EQ(102, m_dlg.GetProgressPos()) << "the last port may pass 100";
    EXPECT_EQ(100, BarPos()) << "the bar shows it as full";

    m_dlg.InitSearchProgress(1);
    EXPECT_EQ(0, m_dlg.GetProgressPos());
    m_dlg.SetSearchedPort(0);
    EXPECT_EQ(100, m_dlg.GetProgressPos());
}

TEST_F(DlgStartUpProgress, RowEqualToThePortCountChangesNothingButCounts)
{
    m_dlg.InitSearchProgress(3);
    m_dlg.AdvanceSearchProgress(7);
    m_dlg.SetSearchedPort(3);
    EXPECT_EQ(0, m_dlg.GetProgressPos());
    EXPECT_EQ(1, m_dlg.m_iPortsDone);
    EXPECT_EQ(-1, m_dlg.GetRowUnderTest());
}

TEST_F(DlgStartUpProgress, MirroringFollowsTheRowUnderTestUntilTheProgressIsHidden)
{
    m_dlg.SetListProgress(true);
    m_dlg.InitSearchProgress(3);
    m_dlg.SetSearchedPort(2);
    EXPECT_EQ(2, m_dlg.GetRowUnderTest());
    m_dlg.HideSearchProgress();
    EXPECT_FALSE(m_dlg.IsMirroringToList());
    EXPECT_FALSE(m_dlg.IsSearching());
    EXPECT_FALSE(IsShown(IDC_STARTUP_PROGRESS));
}

TEST_F(DlgStartUpProgress, FailedSearchOffersToSearchAgain)
{
    m_dlg.InitSearchProgress(2);
    m_dlg.ShowSearchFailed();
    EXPECT_FALSE(IsShown(IDC_STARTUP_PROGRESS));
    for (int iId : {IDC_STARTUP_SEARCH_AGAIN, IDC_STARTUP_INFO, IDC_STARTUP_SEARCH_ALL})
        EXPECT_TRUE(IsShown(iId)) << iId;
}

TEST_F(DlgStartUpProgress, EscapeNeverReachesTheDialog)
{
    MSG msg = {};
    msg.hwnd = ::GetDlgItem(m_dlg.m_hWnd, IDC_STARTUP_EXIT);
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_ESCAPE;
    EXPECT_TRUE(m_dlg.PreTranslateMessage(&msg));
    msg.message = WM_CHAR;
    EXPECT_TRUE(m_dlg.PreTranslateMessage(&msg));
    msg.message = WM_KEYUP;
    EXPECT_TRUE(m_dlg.PreTranslateMessage(&msg));
}
