// The start-up search dialog's progress: the bar's position through a search over n ports, as the
// protocol reports it (ports tested from row n - 1 down to 0, 29 sub-steps per port).
#include "framework/CProgressCtrl.h"
#include "resources/resource.h"
#include "sensorpages/CDlgStartUp.h"
#include "sensorpages/CSearchProgressList.h"

#include <gtest/gtest.h>

#include <map>

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

// The progress cells of a port list: -1 while a row shows its status text.
class CFakeProgressList : public CSearchProgressList
{
public:
    explicit CFakeProgressList(int nRows) : m_nRows(nRows) {}
    int GetProgressRowCount() override { return m_nRows; }
    void BeginRowProgress(int iRow) override { m_cells[iRow] = 0; }
    void SetRowProgress(int iRow, int iPercent) override
    {
        ASSERT_TRUE(m_cells.count(iRow) && m_cells[iRow] >= 0) << "no progress cell in row " << iRow;
        m_cells[iRow] = iPercent;
    }
    void EndRowProgress(int iRow) override { m_cells[iRow] = -1; }
    int Cell(int iRow) const { return m_cells.count(iRow) ? m_cells.at(iRow) : -1; }

    int m_nRows;
    std::map<int, int> m_cells;
};

// Each port's row gets a progress cell when its test begins, rising by 100/29 per sub-step, full when
// the next port begins; hiding the progress gives every row its status text back.
TEST_F(DlgStartUpProgress, MirroredProgressCellsFollowThePortsUnderTest)
{
    CFakeProgressList list(3);
    m_dlg.AttachProgressList(&list);
    m_dlg.SetListProgress(true);
    m_dlg.InitSearchProgress(3);
    m_dlg.SetSearchedPort(2);
    EXPECT_EQ(0, list.Cell(2));
    EXPECT_EQ(-1, list.Cell(1));
    const int expected[] = {3, 6, 10, 13};
    for (int iPercent : expected)
    {
        m_dlg.AdvanceSearchProgress(0);
        EXPECT_EQ(iPercent, list.Cell(2));
    }
    for (int i = 4; i < 40; ++i)
        m_dlg.AdvanceSearchProgress(0);
    EXPECT_EQ(100, list.Cell(2)) << "at most 100";
    m_dlg.SetSearchedPort(1);
    EXPECT_EQ(100, list.Cell(2));
    EXPECT_EQ(0, list.Cell(1));
    m_dlg.AdvanceSearchProgress(0);
    EXPECT_EQ(3, list.Cell(1));
    EXPECT_EQ(-1, list.Cell(0));
    m_dlg.HideSearchProgress();
    for (int iRow = 0; iRow < 3; ++iRow)
        EXPECT_EQ(-1, list.Cell(iRow)) << iRow;
    EXPECT_FALSE(m_dlg.IsMirroringToList());
}

// Rows the list does not have are skipped; without mirroring the list is left alone.
TEST_F(DlgStartUpProgress, MirroringSkipsRowsOutsideTheListAndStaysOffUntilAsked)
{
    CFakeProgressList list(1);
    m_dlg.AttachProgressList(&list);
    m_dlg.InitSearchProgress(3);
    m_dlg.SetSearchedPort(0);
    EXPECT_TRUE(list.m_cells.empty());
    m_dlg.SetListProgress(true);
    m_dlg.InitSearchProgress(3);
    m_dlg.SetSearchedPort(2);
    m_dlg.AdvanceSearchProgress(0);
    m_dlg.SetSearchedPort(1);
    EXPECT_TRUE(list.m_cells.empty()) << "rows 1 and 2 are not in the list";
    m_dlg.SetSearchedPort(0);
    EXPECT_EQ(0, list.Cell(0));
    m_dlg.HideSearchProgress();
    EXPECT_EQ(-1, list.Cell(0));
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
