#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
constexpr UINT WM_APP_PING = WM_APP + 1;
constexpr UINT WM_APP_BASEONLY = WM_APP + 2;
constexpr UINT ID_CMD_DERIVED = 40001;
constexpr UINT ID_CMD_BASE = 40002;
constexpr UINT ID_CMD_DISABLED = 40003;
const UINT WM_REG_TEST = ::RegisterWindowMessageA("TQ5_TEST_REGISTERED");

// Base window: handles the command ID_CMD_BASE and WM_APP_BASEONLY; the derived class overrides others.
class CBaseTestWnd : public CWnd
{
public:
    std::vector<CString> m_log;

protected:
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        m_log.push_back("base ping");
        return 1;
    }
    afx_msg LRESULT OnBaseOnly(WPARAM wParam, LPARAM)
    {
        m_log.push_back("base only");
        return (LRESULT)wParam * 2;
    }
    afx_msg void OnCmdBase() { m_log.push_back("base cmd"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
ON_MESSAGE(WM_APP_PING, OnPing)
ON_MESSAGE(WM_APP_BASEONLY, OnBaseOnly)
ON_COMMAND(ID_CMD_BASE, OnCmdBase)
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd
{
public:
    bool m_bCreateSeen = false;
    bool m_bNcCreateAttached = false;
    UINT_PTR m_nTimerId = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_bCreateSeen = true;
        return CWnd::OnCreate(lpcs);
    }
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        m_log.push_back("derived ping");
        return 2;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam)
    {
        m_log.push_back("registered");
        return (LRESULT)(wParam + lParam);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        m_nTimerId = nIDEvent;
    }
    afx_msg void OnCmdDerived() { m_log.push_back("derived cmd"); }
    afx_msg void OnCmdDisabled() { m_log.push_back("disabled cmd ran"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_APP_PING, OnPing)
ON_REGISTERED_MESSAGE(WM_REG_TEST, OnRegistered)
ON_WM_TIMER()
ON_COMMAND(ID_CMD_DERIVED, OnCmdDerived)
ON_COMMAND(ID_CMD_DISABLED, OnCmdDisabled)
ON_UPDATE_COMMAND_UI(ID_CMD_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_wnd.CreateEx(0, nullptr, "msgmap", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    }
    void TearDown() override { m_wnd.DestroyWindow(); }
    CDerivedTestWnd m_wnd;
};
} // namespace

TEST_F(MessageMapTest, ObjectIsAttachedBeforeCreateAndFoundByHandle)
{
    EXPECT_TRUE(m_wnd.m_bCreateSeen);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_wnd.m_hWnd), &m_wnd);
    EXPECT_EQ(CWnd::FromHandle(m_wnd.m_hWnd), &m_wnd);
}

TEST_F(MessageMapTest, DerivedEntryWinsAndBaseEntryIsTheFallback)
{
    EXPECT_EQ(m_wnd.SendMessage(WM_APP_PING), 2);
    EXPECT_EQ(m_wnd.SendMessage(WM_APP_BASEONLY, 21), 42);
    ASSERT_EQ(m_wnd.m_log.size(), 2u);
    EXPECT_EQ(m_wnd.m_log[0], "derived ping");
    EXPECT_EQ(m_wnd.m_log[1], "base only");
}

TEST_F(MessageMapTest, PostedCustomAndRegisteredMessagesAndTimerReachHandlers)
{
    m_wnd.PostMessage(WM_APP_PING);
    m_wnd.PostMessage(WM_REG_TEST, 3, 4);
    m_wnd.SetTimer(7, 10);
    ASSERT_TRUE(PumpUntil([&] { return m_wnd.m_nTimerId == 7 && m_wnd.m_log.size() == 2; }, 3000));
    EXPECT_EQ(m_wnd.m_log[0], "derived ping");
    EXPECT_EQ(m_wnd.m_log[1], "registered");
    EXPECT_EQ(m_wnd.SendMessage(WM_REG_TEST, 3, 4), 7);
}

TEST_F(MessageMapTest, MenuCommandsRouteThroughTheChainAndDisabledCommandsDoNotRun)
{
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_DERIVED, 0));
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_BASE, 0));
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_DISABLED, 0));
    ASSERT_EQ(m_wnd.m_log.size(), 2u);
    EXPECT_EQ(m_wnd.m_log[0], "derived cmd");
    EXPECT_EQ(m_wnd.m_log[1], "base cmd");
}

TEST_F(MessageMapTest, UnhandledMessagesGetDefaultProcessing)
{
    m_wnd.SetWindowText("Titel mit Ä");
    CString strText;
    m_wnd.GetWindowText(strText);
    EXPECT_EQ(strText, "Titel mit \xC4");
}

namespace
{
// A button subclassed by the test sees its own reflected notification before the parent.
class CReflectButton : public CWnd
{
public:
    int m_nReflected = 0;

protected:
    afx_msg void OnClickedReflect() { ++m_nReflected; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CWnd)
ON_CONTROL_REFLECT(BN_CLICKED, OnClickedReflect)
END_MESSAGE_MAP()

class CButtonParent : public CWnd
{
public:
    int m_nParentClicks = 0;

protected:
    afx_msg void OnClicked() { ++m_nParentClicks; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CButtonParent, CWnd)
ON_BN_CLICKED(100, OnClicked)
ON_BN_CLICKED(101, OnClicked)
END_MESSAGE_MAP()
} // namespace

TEST(MessageMapReflection, ControlNotificationGoesToTheChildsOwnMapFirst)
{
    CButtonParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    HWND hReflect = ::CreateWindowExA(0, "BUTTON", "a", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, parent.m_hWnd,
                                      (HMENU)100, nullptr, nullptr);
    HWND hPlain = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 60, 0, 50, 20, parent.m_hWnd,
                                    (HMENU)101, nullptr, nullptr);
    CReflectButton button;
    ASSERT_TRUE(button.SubclassWindow(hReflect));
    ::SendMessageA(hReflect, BM_CLICK, 0, 0);
    ::SendMessageA(hPlain, BM_CLICK, 0, 0);
    EXPECT_EQ(button.m_nReflected, 1);
    EXPECT_EQ(parent.m_nParentClicks, 1);
    parent.DestroyWindow();
    EXPECT_EQ(button.m_hWnd, nullptr);
}

namespace
{
class CSelfDeletingFrame : public CFrameWnd
{
public:
    explicit CSelfDeletingFrame(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
    ~CSelfDeletingFrame() override { *m_pbDeleted = true; }

private:
    bool* m_pbDeleted;
};
} // namespace

TEST(FrameWnd, LoadFrameTakesTitleFromResourcesAndCloseDeletesTheObject)
{
    bool bDeleted = false;
    auto* pFrame = new CSelfDeletingFrame(&bDeleted);
    ASSERT_TRUE(pFrame->LoadFrame(128));
    CString strTitle;
    pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "TQ5 Measure - Tervane");
    EXPECT_NE(::GetClassLongPtrA(pFrame->m_hWnd, GCLP_HICON), 0);
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(bDeleted);
}

namespace
{
// Takes WM_SETTEXT through its map and leaves the work to the default procedure.
class CDefaultTextWnd : public CWnd
{
public:
    UINT m_nCurrentMessage = 0;

protected:
    afx_msg LRESULT OnSetTextMsg(WPARAM, LPARAM)
    {
        m_nCurrentMessage = GetCurrentMessage()->message;
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDefaultTextWnd, CWnd)
ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
END_MESSAGE_MAP()
} // namespace

TEST(MessageMapDescendants, HandlersSeeTheMessageTheyWereSentAsCurrent)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    CDefaultTextWnd child;
    ASSERT_TRUE(child.Create(nullptr, "old", WS_CHILD, CRect(0, 0, 50, 20), &parent, 100));
    CDefaultTextWnd grandchild;
    ASSERT_TRUE(grandchild.Create(nullptr, "old", WS_CHILD, CRect(0, 0, 20, 10), &child, 101));
    for (BOOL bOnlyPerm : {TRUE, FALSE})
    {
        child.m_nCurrentMessage = grandchild.m_nCurrentMessage = 0;
        parent.SendMessageToDescendants(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"), TRUE, bOnlyPerm);
        for (CDefaultTextWnd* pWnd : {&child, &grandchild})
        {
            EXPECT_EQ(pWnd->m_nCurrentMessage, (UINT)WM_SETTEXT);
            CString strText;
            pWnd->GetWindowText(strText);
            EXPECT_EQ(strText, "new");
            pWnd->SetWindowText("old");
        }
    }
    parent.DestroyWindow();
}

namespace
{
// Notes each WM_IDLEUPDATECMDUI it takes in a shared log; may destroy another window when it does.
class CIdleLogWnd : public CWnd
{
public:
    std::vector<CWnd*>* m_pLog = nullptr;
    CWnd* m_pDestroyOnIdle = nullptr;

protected:
    afx_msg LRESULT OnIdleUpdate(WPARAM, LPARAM)
    {
        m_pLog->push_back(this);
        if (m_pDestroyOnIdle != nullptr)
            m_pDestroyOnIdle->DestroyWindow();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CIdleLogWnd, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()
} // namespace

TEST(MessageMapDescendants, PermanentDescendantsFromTheMapAreTheWalksWindowsEachAfterItsParent)
{
    std::vector<CWnd*> log;
    CIdleLogWnd parent, child, grandchild, underPlain, other;
    for (CIdleLogWnd* p : {&parent, &child, &grandchild, &underPlain, &other})
        p->m_pLog = &log;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    ASSERT_TRUE(child.Create(nullptr, "child", WS_CHILD, CRect(0, 0, 50, 20), &parent, 100));
    ASSERT_TRUE(grandchild.Create(nullptr, "grandchild", WS_CHILD, CRect(0, 0, 20, 10), &child, 101));
    // A window without an object of its own, with a permanent child.
    HWND hPlain = ::CreateWindowExA(0, "STATIC", "plain", WS_CHILD, 0, 30, 50, 20, parent.m_hWnd, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(hPlain);
    ASSERT_TRUE(underPlain.Create(nullptr, "under plain", WS_CHILD, CRect(0, 0, 20, 10),
                                  CWnd::FromHandle(hPlain), 102));

    parent.SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    std::vector<CWnd*> walked = log;
    log.clear();
    parent.SendMessageToPermanentDescendants(WM_IDLEUPDATECMDUI, TRUE);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(std::is_permutation(log.begin(), log.end(), walked.begin(), walked.end()));
    const auto position = [&](CWnd* p) { return std::find(log.begin(), log.end(), p) - log.begin(); };
    EXPECT_LT(position(&child), position(&grandchild));

    // A window that a handler destroys before its turn gets nothing.
    log.clear();
    child.m_pDestroyOnIdle = &grandchild;
    parent.SendMessageToPermanentDescendants(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(std::count(log.begin(), log.end(), &grandchild), 0);
    EXPECT_EQ(log.size(), 2u);
    other.DestroyWindow();
    parent.DestroyWindow();
}
