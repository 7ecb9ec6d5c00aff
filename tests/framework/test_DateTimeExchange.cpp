#include "TestDateTimeIds.h"

#include "framework/CDataExchange.h"
#include "framework/CDateTimeCtrl.h"
#include "framework/CDialog.h"
#include "framework/COleDateTime.h"

#include <gtest/gtest.h>

namespace
{
class CDateTimeDlg : public CDialog
{
public:
    COleDateTime m_dtDate{2024, 2, 29, 0, 0, 0};
    COleDateTime m_dtTime{1899, 12, 30, 13, 45, 10};
    int m_nChanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_DateTimeCtrl(pDX, IDC_TEST_DATE, m_dtDate);
        DDX_DateTimeCtrl(pDX, IDC_TEST_TIME, m_dtTime);
    }
    afx_msg void OnDateChange(NMHDR*, LRESULT* pResult)
    {
        ++m_nChanges;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDateTimeDlg, CDialog)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_TEST_DATE, OnDateChange)
END_MESSAGE_MAP()

class DateTimeExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create(IDD_TEST_DATETIME)); }
    void TearDown() override { m_dlg.DestroyWindow(); }
    SYSTEMTIME Shown(int nID, DWORD dwExpected = GDT_VALID)
    {
        SYSTEMTIME st = {};
        EXPECT_EQ(m_dlg.SendDlgItemMessage(nID, DTM_GETSYSTEMTIME, 0, (LPARAM)&st), (LRESULT)dwExpected)
            << nID;
        return st;
    }
    void Show(int nID, WORD wYear, WORD wMonth, WORD wDay, WORD wHour, WORD wMinute, WORD wSecond)
    {
        SYSTEMTIME st = {wYear, wMonth, 0, wDay, wHour, wMinute, wSecond, 0};
        ASSERT_TRUE(m_dlg.SendDlgItemMessage(nID, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&st));
    }

    CDateTimeDlg m_dlg;
};
} // namespace

TEST_F(DateTimeExchangeTest, LoadingShowsTheMembers)
{
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    const SYSTEMTIME date = Shown(IDC_TEST_DATE);
    EXPECT_EQ(date.wYear, 2024);
    EXPECT_EQ(date.wMonth, 2);
    EXPECT_EQ(date.wDay, 29);
    const SYSTEMTIME time = Shown(IDC_TEST_TIME);
    EXPECT_EQ(time.wHour, 13);
    EXPECT_EQ(time.wMinute, 45);
    EXPECT_EQ(time.wSecond, 10);
    // Setting the pickers is no change by the user.
    EXPECT_EQ(m_dlg.m_nChanges, 0);
}

TEST_F(DateTimeExchangeTest, SavingReadsEveryPickerIntoItsMember)
{
    Show(IDC_TEST_DATE, 1999, 12, 31, 0, 0, 0);
    Show(IDC_TEST_TIME, 2001, 5, 6, 23, 59, 58);
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_dtDate.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(m_dlg.m_dtDate.Format("%Y-%m-%d"), "1999-12-31");
    EXPECT_EQ(m_dlg.m_dtTime.Format("%Y-%m-%d %H:%M:%S"), "2001-05-06 23:59:58");
}

TEST_F(DateTimeExchangeTest, AnInvalidMemberLeavesThePickerAsItIs)
{
    Show(IDC_TEST_DATE, 2010, 7, 8, 0, 0, 0);
    m_dlg.m_dtDate.SetStatus(COleDateTime::invalid);
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    const SYSTEMTIME date = Shown(IDC_TEST_DATE);
    EXPECT_EQ(date.wYear, 2010);
    EXPECT_EQ(date.wDay, 8);
}

TEST(DateTimeCtrl, CreatedPickerAnswersThroughItsWrapper)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE, CRect(5, 5, 150, 25), &host, 7));

    EXPECT_TRUE(picker.SetTime(COleDateTime(2020, 10, 11, 8, 9, 10)));
    COleDateTime dt;
    EXPECT_TRUE(picker.GetTime(dt));
    EXPECT_EQ(dt.Format("%Y-%m-%d %H:%M:%S"), "2020-10-11 08:09:10");

    // A picker without DTS_SHOWNONE cannot be unchecked; neither a null nor an invalid time changes it.
    COleDateTime dtNone, dtInvalid;
    dtNone.SetStatus(COleDateTime::null);
    dtInvalid.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(picker.SetTime(dtNone));
    EXPECT_FALSE(picker.SetTime(dtInvalid));
    SYSTEMTIME st = {};
    EXPECT_EQ(picker.GetTime(&st), (DWORD)GDT_VALID);
    EXPECT_EQ(st.wYear, 2020);
    host.DestroyWindow();
}
