#include "TestDialogIds.h"

#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

namespace
{
// A dialog that exchanges one value of every kind; the string comes first, so a failing number leaves
// it taken and the values after the number untouched.
class CExchangeDlg : public CDialog
{
public:
    CString m_strName = "Welle";
    int m_iCount = 42;
    double m_dFactor = 0.1;
    UINT m_uPeriod = 7;
    int m_iCheck = 1;
    int m_iRadio = 2;
    int m_iCbIndex = 1;
    CString m_strCbText = "Zwei";
    int m_iLbIndex = 2;
    int m_iSlider = 30;
    int m_nChanges = 0;

    BOOL OnInitDialog() override
    {
        FillLists();
        return CDialog::OnInitDialog();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_STRING, m_strName);
        DDV_MaxChars(pDX, m_strName, 5);
        DDX_Text(pDX, IDC_TEST_INT, m_iCount);
        DDV_MinMaxInt(pDX, m_iCount, 0, 100);
        DDX_Text(pDX, IDC_TEST_DOUBLE, m_dFactor);
        DDV_MinMaxDouble(pDX, m_dFactor, -1.5, 2.5);
        DDX_Text(pDX, IDC_TEST_UINT, m_uPeriod);
        DDX_Check(pDX, IDC_TEST_CHECK, m_iCheck);
        DDX_Radio(pDX, IDC_TEST_RADIO0, m_iRadio);
        DDX_CBIndex(pDX, IDC_TEST_CBINDEX, m_iCbIndex);
        DDX_CBString(pDX, IDC_TEST_CBSTRING, m_strCbText);
        DDX_LBIndex(pDX, IDC_TEST_LIST, m_iLbIndex);
        DDX_Slider(pDX, IDC_TEST_SLIDER, m_iSlider);
    }
    afx_msg void OnNameChange() { ++m_nChanges; }
    DECLARE_MESSAGE_MAP()

private:
    void FillLists()
    {
        for (LPCSTR psz : {"Eins", "Zwei", "Drei"})
        {
            SendDlgItemMessage(IDC_TEST_CBINDEX, CB_ADDSTRING, 0, (LPARAM)psz);
            SendDlgItemMessage(IDC_TEST_CBSTRING, CB_ADDSTRING, 0, (LPARAM)psz);
            SendDlgItemMessage(IDC_TEST_LIST, LB_ADDSTRING, 0, (LPARAM)psz);
        }
        SendDlgItemMessage(IDC_TEST_SLIDER, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    }
};
BEGIN_MESSAGE_MAP(CExchangeDlg, CDialog)
ON_EN_CHANGE(IDC_TEST_STRING, OnNameChange)
END_MESSAGE_MAP()

class DialogExchangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_TEST_EXCHANGE));
        m_dlg.ShowWindow(SW_SHOW);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    CString Text(int nID) const
    {
        CString str;
        m_dlg.GetDlgItemText(nID, str);
        return str;
    }
    void SetText(int nID, LPCSTR psz) { m_dlg.SetDlgItemText(nID, psz); }
    LRESULT Item(int nID, UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return m_dlg.SendDlgItemMessage(nID, nMsg, wParam, lParam);
    }

    CExchangeDlg m_dlg;
};
} // namespace

TEST_F(DialogExchangeTest, InitialisationMovesMembersIntoControls)
{
    EXPECT_EQ(Text(IDC_TEST_STRING), "Welle");
    EXPECT_EQ(Text(IDC_TEST_INT), "42");
    EXPECT_EQ(Text(IDC_TEST_DOUBLE), "0.1");
    EXPECT_EQ(Text(IDC_TEST_UINT), "7");
    EXPECT_EQ(Item(IDC_TEST_CHECK, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Item(IDC_TEST_RADIO0, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(Item(IDC_TEST_RADIO2, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Item(IDC_TEST_CBINDEX, CB_GETCURSEL), 1);
    EXPECT_EQ(Item(IDC_TEST_CBSTRING, CB_GETCURSEL), 1);
    EXPECT_EQ(Item(IDC_TEST_LIST, LB_GETCURSEL), 2);
    EXPECT_EQ(Item(IDC_TEST_SLIDER, TBM_GETPOS), 30);
    // DDV_MaxChars limits the edit while loading.
    EXPECT_EQ(Item(IDC_TEST_STRING, EM_GETLIMITTEXT), 5);
    // An index the list does not have clears the selection.
    m_dlg.m_iCbIndex = 3;
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(Item(IDC_TEST_CBINDEX, CB_GETCURSEL), -1);
}

TEST_F(DialogExchangeTest, SavingMovesControlValuesIntoMembers)
{
    SetText(IDC_TEST_STRING, "Kraft");
    SetText(IDC_TEST_INT, " -0 ");
    SetText(IDC_TEST_DOUBLE, "-1.25e0");
    SetText(IDC_TEST_UINT, "4000000000");
    Item(IDC_TEST_CHECK, BM_SETCHECK, BST_UNCHECKED);
    ::CheckRadioButton(m_dlg.m_hWnd, IDC_TEST_RADIO0, IDC_TEST_RADIO2, IDC_TEST_RADIO1);
    Item(IDC_TEST_CBINDEX, CB_SETCURSEL, 2);
    SetText(IDC_TEST_CBSTRING, "Frei");
    Item(IDC_TEST_LIST, LB_SETCURSEL, (WPARAM)-1);
    Item(IDC_TEST_SLIDER, TBM_SETPOS, TRUE, 75);

    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_strName, "Kraft");
    EXPECT_EQ(m_dlg.m_iCount, 0);
    EXPECT_DOUBLE_EQ(m_dlg.m_dFactor, -1.25);
    EXPECT_EQ(m_dlg.m_uPeriod, 4000000000u);
    EXPECT_EQ(m_dlg.m_iCheck, 0);
    EXPECT_EQ(m_dlg.m_iRadio, 1);
    EXPECT_EQ(m_dlg.m_iCbIndex, 2);
    EXPECT_EQ(m_dlg.m_strCbText, "Frei");
    EXPECT_EQ(m_dlg.m_iLbIndex, -1);
    EXPECT_EQ(m_dlg.m_iSlider, 75);

    // An editable combo shows a text that is not in its list as it is; a known prefix selects the item.
    m_dlg.m_strCbText = "Dr";
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(Item(IDC_TEST_CBSTRING, CB_GETCURSEL), 2);
    EXPECT_EQ(Text(IDC_TEST_CBSTRING), "Drei");
}

TEST_F(DialogExchangeTest, OutOfRangeNumberShowsRangeMessageFocusesFieldAndStopsExchange)
{
    SetText(IDC_TEST_STRING, "Neu");
    SetText(IDC_TEST_INT, "150");
    SetText(IDC_TEST_UINT, "99");
    ScriptedMessageBoxes boxes;

    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].strText, "Enter an integer between 0 and 100.");
    EXPECT_EQ(::GetFocus(), m_dlg.GetDlgItem(IDC_TEST_INT)->m_hWnd);
    EXPECT_EQ(m_dlg.m_strName, "Neu");
    EXPECT_EQ(m_dlg.m_iCount, 150);
    EXPECT_EQ(m_dlg.m_uPeriod, 7u);
}

TEST_F(DialogExchangeTest, InvalidTextsAreRejectedWithTheirMessages)
{
    struct Case
    {
        int nID;
        LPCSTR pszText;
        LPCSTR pszMessage;
    };
    const Case cases[] = {
        {IDC_TEST_INT, "abc", "Enter an integer."},
        {IDC_TEST_INT, "12x", "Enter an integer."},
        {IDC_TEST_INT, "", "Enter an integer."},
        {IDC_TEST_INT, "99999999999", "Enter an integer."},
        {IDC_TEST_INT, "-1", "Enter an integer between 0 and 100."},
        {IDC_TEST_DOUBLE, "1,5", "Enter a number."},
        {IDC_TEST_DOUBLE, "inf", "Enter a number."},
        {IDC_TEST_DOUBLE, "2.6", "Enter a number between -1.5 and 2.5."},
        {IDC_TEST_UINT, "-3", "Enter a positive integer."},
        {IDC_TEST_UINT, "4294967296", "Enter a positive integer."},
        {IDC_TEST_STRING, "Sensor", "Enter no more than 5 characters."},
    };
    for (const Case& c : cases)
    {
        m_dlg.m_strName = "Welle";
        m_dlg.m_iCount = 42;
        m_dlg.m_dFactor = 0.1;
        m_dlg.m_uPeriod = 7;
        ASSERT_TRUE(m_dlg.UpdateData(FALSE));
        // Text set by code passes the edit's own limit; the check catches it.
        SetText(c.nID, c.pszText);
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(m_dlg.UpdateData(TRUE)) << c.pszText;
        ASSERT_EQ(boxes.Calls().size(), 1u) << c.pszText;
        EXPECT_EQ(boxes.Calls()[0].strText, c.pszMessage) << c.pszText;
        // The failing edit has the focus with its whole text selected.
        DWORD dwStart = 1, dwEnd = 0;
        Item(c.nID, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
        EXPECT_EQ(dwStart, 0u) << c.pszText;
        EXPECT_EQ((int)dwEnd, m_dlg.GetDlgItem(c.nID)->GetWindowTextLength()) << c.pszText;
    }
}

TEST_F(DialogExchangeTest, ChangeNotificationsOfTheExchangeItselfAreNotReported)
{
    m_dlg.m_nChanges = 0;
    m_dlg.m_strName = "Anders";
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(m_dlg.m_nChanges, 0);
    SetText(IDC_TEST_STRING, "Typ");
    EXPECT_EQ(m_dlg.m_nChanges, 1);
}

TEST_F(DialogExchangeTest, FocusNavigationMovesBetweenControls)
{
    m_dlg.GotoDlgCtrl(m_dlg.GetDlgItem(IDC_TEST_INT));
    EXPECT_EQ(::GetFocus(), m_dlg.GetDlgItem(IDC_TEST_INT)->m_hWnd);
    m_dlg.NextDlgCtrl();
    EXPECT_EQ(::GetFocus(), m_dlg.GetDlgItem(IDC_TEST_DOUBLE)->m_hWnd);
    m_dlg.PrevDlgCtrl();
    EXPECT_EQ(::GetFocus(), m_dlg.GetDlgItem(IDC_TEST_INT)->m_hWnd);

    CRect rc(0, 0, 4, 8);
    m_dlg.MapDialogRect(&rc);
    EXPECT_GT(rc.right, 0);
    EXPECT_GT(rc.bottom, rc.right);
}

TEST(DialogExchange, MissingTemplateOrControlFails)
{
    CDialog dlg;
    EXPECT_FALSE(dlg.Create(65099));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.DoModal(), -1);

    // A control id that the template lacks ends the exchange instead of touching another window.
    class CWrongIdDlg : public CDialog
    {
    protected:
        void DoDataExchange(CDataExchange* pDX) override
        {
            CString str;
            DDX_Text(pDX, 4711, str);
        }
    } wrong;
    EXPECT_EQ(wrong.m_hWnd, nullptr);
    ASSERT_TRUE(CDialog::CreateDlgWindow(&wrong, MAKEINTRESOURCEA(IDD_TEST_MODAL), nullptr));
    EXPECT_FALSE(wrong.UpdateData(TRUE));
    wrong.DestroyWindow();
}
