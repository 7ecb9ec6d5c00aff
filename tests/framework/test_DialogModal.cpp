#include "TestDialogIds.h"

#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr UINT WM_APP_SCRIPT = WM_APP + 10;

// A modal dialog that closes itself: after its initialisation it posts a key to its edit, which the
// loop's pre-translation turns into IDOK (Enter) or IDCANCEL (Escape) through dialog navigation.
class CKeyClosingDlg : public CDialog
{
public:
    CKeyClosingDlg() : CDialog(IDD_TEST_MODAL) {}

    UINT m_nKey = VK_RETURN;
    CString m_strText;
    HWND m_hWndOwnerSeen = nullptr;
    BOOL m_bOwnerEnabledSeen = TRUE;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_TEST_EDIT, "Eingabe");
        PostMessage(WM_APP_SCRIPT);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_TEST_EDIT, m_strText); }
    afx_msg LRESULT OnScript(WPARAM, LPARAM)
    {
        m_hWndOwnerSeen = ::GetWindow(m_hWnd, GW_OWNER);
        m_bOwnerEnabledSeen = ::IsWindowEnabled(m_hWndOwnerSeen);
        ::PostMessageA(::GetDlgItem(m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, m_nKey, 1);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CKeyClosingDlg, CDialog)
ON_MESSAGE(WM_APP_SCRIPT, OnScript)
END_MESSAGE_MAP()

// A modeless host whose button opens the modal dialog twice on the same object.
class CHostDlg : public CDialog
{
public:
    CKeyClosingDlg m_modal;
    std::vector<INT_PTR> m_results;
    std::vector<CString> m_texts;

protected:
    afx_msg void OnOpen()
    {
        m_modal.m_pParentWnd = this;
        for (UINT nKey : {VK_RETURN, VK_ESCAPE})
        {
            m_modal.m_nKey = nKey;
            m_modal.m_strText.Empty();
            m_results.push_back(m_modal.DoModal());
            m_texts.push_back(m_modal.m_strText);
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
ON_BN_CLICKED(IDC_TEST_OPEN, OnOpen)
END_MESSAGE_MAP()

// Ends on its first idle kick.
class CIdleClosingDlg : public CDialog
{
public:
    CIdleClosingDlg() : CDialog(IDD_TEST_MODAL) {}
    LONG m_nKicks = 0;

protected:
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lCount)
    {
        ++m_nKicks;
        EndDialog(7 + (int)lCount);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CIdleClosingDlg, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

// Opens the idle-closing dialog from inside its own loop, then ends by a timer with the inner result.
class COuterDlg : public CDialog
{
public:
    COuterDlg() : CDialog(IDD_TEST_MODAL) {}
    CIdleClosingDlg m_inner;
    INT_PTR m_nInnerResult = 0;
    BOOL m_bEnabledAfterInner = FALSE;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(WM_APP_SCRIPT);
        return TRUE;
    }
    afx_msg LRESULT OnScript(WPARAM, LPARAM)
    {
        m_inner.m_pParentWnd = this;
        m_nInnerResult = m_inner.DoModal();
        m_bEnabledAfterInner = IsWindowEnabled();
        SetTimer(1, 10);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        EndDialog(100 + (int)m_nInnerResult);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(COuterDlg, CDialog)
ON_MESSAGE(WM_APP_SCRIPT, OnScript)
ON_WM_TIMER()
END_MESSAGE_MAP()

// Ends while it is being created.
class CEarlyEndDlg : public CDialog
{
public:
    CEarlyEndDlg() : CDialog(IDD_TEST_MODAL) {}

protected:
    BOOL OnInitDialog() override
    {
        EndDialog(IDABORT);
        return TRUE;
    }
};
} // namespace

TEST(DialogModal, ModalFromModelessReturnsItsResultAndOpensAgain)
{
    CHostDlg host;
    ASSERT_TRUE(host.Create(IDD_TEST_HOST));
    host.ShowWindow(SW_SHOW);
    host.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_TEST_OPEN, BN_CLICKED));
    ASSERT_TRUE(PumpUntil([&] { return host.m_results.size() == 2; }));

    EXPECT_EQ(host.m_results[0], IDOK);
    EXPECT_EQ(host.m_texts[0], "Eingabe");
    EXPECT_EQ(host.m_results[1], IDCANCEL);
    EXPECT_EQ(host.m_texts[1], "");
    EXPECT_EQ(host.m_modal.m_hWndOwnerSeen, host.m_hWnd);
    EXPECT_FALSE(host.m_modal.m_bOwnerEnabledSeen);
    EXPECT_TRUE(host.IsWindowEnabled());
    EXPECT_EQ(host.m_modal.m_hWnd, nullptr);
    host.DestroyWindow();
}

TEST(DialogModal, NestedModalLoopsEndInnerFirstAndIdleReachesTheDialog)
{
    COuterDlg outer;
    EXPECT_EQ(outer.DoModal(), 107);
    EXPECT_EQ(outer.m_nInnerResult, 7);
    EXPECT_EQ(outer.m_inner.m_nKicks, 1);
    EXPECT_TRUE(outer.m_bEnabledAfterInner);
    EXPECT_EQ(outer.m_hWnd, nullptr);
}

TEST(DialogModal, EndDialogDuringInitialisationReturnsAtOnce)
{
    CEarlyEndDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDABORT);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(DialogModal, ModelessOkAndCancelOnlyHide)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_MODAL));
    for (int nID : {IDOK, IDCANCEL})
    {
        dlg.ShowWindow(SW_SHOW);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)dlg.GetDlgItem(nID)->m_hWnd);
        EXPECT_TRUE(dlg.IsWindow());
        EXPECT_FALSE(dlg.IsWindowVisible());
    }
    dlg.DestroyWindow();
}
