// The browse control: folder and file dialogs answered through the framework's seams (a folder, a file,
// several files, nothing on Cancel), the path shown and kept, the start path of the next dialog, the
// page hook on every change of the path, the browse notification and click, layout by the style bits,
// and the button's picture.
#include "ClientPicture.h"

#include "controls/CPathBrowseCtrl.h"
#include "controls/CPathBrowseHost.h"
#include "framework/AfxFolderDialog.h"
#include "framework/CFileDialog.h"
#include "framework/CWinApp.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace
{
constexpr UINT ID_BROWSE = 1201;
constexpr DWORD STYLE_DOCUMENTATION = 0xE6; // folder, editable, picture three, flat
constexpr DWORD STYLE_PROGRAMS = 0x66;      // file, editable, picture three, flat
constexpr DWORD STYLE_DEFAULT = 0x0A;       // file, read-only, picture one

const UINT s_nBrowseNotify = CPathBrowseCtrl::GetBrowseNotifyMessage();

// The page's dialog as the control sees it: its parent, with the page hooks.
class CBrowseParent : public CWnd, public CPathBrowseHost
{
public:
    struct Hook
    {
        UINT nNotifyCode;
        std::string strText;
    };
    std::vector<Hook> m_hooks;
    std::vector<std::pair<WPARAM, LPARAM>> m_notifications;
    int m_nClicks = 0;

    void OnPathBrowseChange(UINT nNotifyCode, CEdit* pEdit) override
    {
        CString strText;
        pEdit->GetWindowText(strText);
        m_hooks.push_back({nNotifyCode, (LPCSTR)strText});
    }

protected:
    afx_msg LRESULT OnBrowseNotify(WPARAM wParam, LPARAM lParam)
    {
        m_notifications.emplace_back(wParam, lParam);
        return 0;
    }
    afx_msg void OnBrowseClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CBrowseParent, CWnd)
ON_REGISTERED_MESSAGE(s_nBrowseNotify, OnBrowseNotify)
ON_BN_CLICKED(ID_BROWSE, OnBrowseClicked)
END_MESSAGE_MAP()

// Stands in for the folder dialog's window: records the start selection and the title it is given.
class CFolderDialogStandIn : public CWnd
{
public:
    std::string m_strSelection;

protected:
    afx_msg LRESULT OnSetSelection(WPARAM, LPARAM lParam)
    {
        m_strSelection = reinterpret_cast<LPCSTR>(lParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFolderDialogStandIn, CWnd)
ON_MESSAGE(BFFM_SETSELECTIONA, OnSetSelection)
END_MESSAGE_MAP()

// The shell item of an existing folder, as the folder dialog returns it.
PIDLIST_ABSOLUTE FolderItem(LPCSTR lpszPath)
{
    return ::ILCreateFromPathA(lpszPath);
}

// Answers the file dialog as it does after OK: lpszResult is its name buffer ("dir\0a\0b\0\0" for several).
INT_PTR AnswerFiles(CFileDialog& dlg, const char* pResult, size_t cbResult, WORD nFileOffset,
                    DWORD dwFlags = 0)
{
    std::memcpy(dlg.m_ofn.lpstrFile, pResult, cbResult);
    dlg.m_ofn.nFileOffset = nFileOffset;
    dlg.m_ofn.Flags |= dwFlags;
    return IDOK;
}

class PathBrowse : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_parent.CreateEx(0, nullptr, "page", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr));
        AfxGetApp()->m_pMainWnd = &m_parent;
    }
    void TearDown() override
    {
        AfxSetBrowseForFolderHook(nullptr);
        CFileDialog::SetModalHook(nullptr);
        AfxGetApp()->m_pMainWnd = nullptr;
        m_parent.DestroyWindow();
    }
    void Create(DWORD dwStyleBits, UINT nNotifyCode)
    {
        ASSERT_TRUE(m_browse.Create(CRect(10, 10, 310, 32), &m_parent, ID_BROWSE, dwStyleBits, nNotifyCode));
    }
    std::string EditText() const
    {
        CString str;
        const_cast<CPathBrowseCtrl&>(m_browse).GetEdit().GetWindowText(str);
        return (LPCSTR)str;
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const char* p = m_browse.GetNames(); *p; p += std::strlen(p) + 1)
            names.push_back(p);
        return names;
    }

    CBrowseParent m_parent;
    CPathBrowseCtrl m_browse;
};

TEST_F(PathBrowse, FolderModeReturnsTheChosenFolderAndNothingOnCancel)
{
    Create(STYLE_DOCUMENTATION, 180);
    m_browse.SetFolderDialogFlags(0x141);
    m_browse.SetFolderPrompt("Bitte wählen Sie ein Verzeichnis:");
    BROWSEINFOA seen = {};
    AfxSetBrowseForFolderHook(
        [&](BROWSEINFOA& bi)
        {
            seen = bi;
            return FolderItem("C:\\windows");
        });
    EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CHOSEN);
    EXPECT_EQ(seen.hwndOwner, m_parent.m_hWnd);
    EXPECT_STREQ(seen.lpszTitle, "Bitte wählen Sie ein Verzeichnis:");
    EXPECT_EQ(seen.ulFlags, 0x141u);
    EXPECT_STRCASEEQ(EditText().c_str(), "C:\\windows");
    int iStart = -1, iEnd = -1;
    m_browse.GetEdit().GetSel(iStart, iEnd);
    EXPECT_EQ(iStart, 0);
    EXPECT_EQ(iEnd, (int)EditText().size());
    EXPECT_EQ(m_browse.GetNamesCount(), 1);
    EXPECT_EQ(Names(), std::vector<std::string>{EditText()});
    EXPECT_FALSE(m_browse.GetReadOnlyPref());
    ASSERT_EQ(m_parent.m_hooks.size(), 1u);
    EXPECT_EQ(m_parent.m_hooks[0].nNotifyCode, 180u);
    EXPECT_EQ(m_parent.m_hooks[0].strText, EditText());
    ASSERT_EQ(m_parent.m_notifications.size(), 1u);
    EXPECT_EQ(m_parent.m_notifications[0].first, (WPARAM)CPathBrowseCtrl::BROWSE_CHOSEN);
    EXPECT_EQ(m_parent.m_notifications[0].second, (LPARAM)&m_browse);

    const std::string strChosen = EditText();
    AfxSetBrowseForFolderHook([](BROWSEINFOA&) { return PIDLIST_ABSOLUTE(nullptr); });
    EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CANCELLED);
    EXPECT_EQ(EditText(), strChosen);
    EXPECT_EQ(Names(), std::vector<std::string>{strChosen});
    EXPECT_EQ(m_parent.m_hooks.size(), 1u);
    ASSERT_EQ(m_parent.m_notifications.size(), 2u);
    EXPECT_EQ(m_parent.m_notifications[1].first, (WPARAM)CPathBrowseCtrl::BROWSE_CANCELLED);
}

TEST_F(PathBrowse, FolderDialogStartsAtThePreviousPathOrTheTypedOne)
{
    Create(STYLE_DOCUMENTATION, 181);
    m_browse.SetFileDialogTitle("Diagramme");
    m_browse.SetPathText("C:\\Messung\\Diagramme");
    CFolderDialogStandIn dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    AfxSetBrowseForFolderHook(
        [&](BROWSEINFOA& bi)
        {
            bi.lpfn(dialog.m_hWnd, BFFM_INITIALIZED, 0, bi.lParam);
            return PIDLIST_ABSOLUTE(nullptr);
        });
    struct Case
    {
        const char *pszTyped, *pszStart;
    } cases[] = {{nullptr, "C:\\Messung\\Diagramme"},
                 {"c:\\MESSUNG\\diagramme", "C:\\Messung\\Diagramme"}, // letter case alone is no edit
                 {"D:\\Bilder", "D:\\Bilder"}};
    for (const Case& c : cases)
    {
        if (c.pszTyped != nullptr)
            m_browse.GetEdit().SetWindowText(c.pszTyped);
        dialog.m_strSelection.clear();
        EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CANCELLED);
        EXPECT_EQ(dialog.m_strSelection, c.pszStart);
        CString strTitle;
        dialog.GetWindowText(strTitle);
        EXPECT_EQ(strTitle, "Diagramme");
    }
    dialog.DestroyWindow();
}

TEST_F(PathBrowse, FileModeReturnsOneOrSeveralFilesAndNothingOnCancel)
{
    Create(STYLE_PROGRAMS, 311);
    m_browse.SetFileFilter("Executables (*.bat,*.exe)|*.bat;*.exe||");
    m_browse.SetFileDialogTitle("Startprogramm");
    m_browse.SetPathText("C:\\Tools\\alt.bat");
    CFileDialog::SetModalHook(
        [&](CFileDialog& dlg)
        {
            EXPECT_TRUE(dlg.IsOpenFileDialog());
            EXPECT_STREQ(dlg.m_ofn.lpstrFile, "C:\\Tools\\alt.bat");
            EXPECT_STREQ(dlg.m_ofn.lpstrTitle, "Startprogramm");
            EXPECT_STREQ(dlg.m_ofn.lpstrFilter, "Executables (*.bat,*.exe)");
            EXPECT_TRUE(dlg.m_ofn.Flags & OFN_ALLOWMULTISELECT);
            EXPECT_EQ(dlg.m_ofn.hwndOwner, m_parent.m_hWnd);
            static const char szOne[] = "C:\\Tools\\start.bat";
            return AnswerFiles(dlg, szOne, sizeof(szOne), 9);
        });
    EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CHOSEN);
    EXPECT_EQ(EditText(), "C:\\Tools\\start.bat");
    EXPECT_EQ(m_browse.GetNamesCount(), 1);
    EXPECT_EQ(m_parent.m_hooks.back().nNotifyCode, 311u);
    EXPECT_EQ(m_parent.m_hooks.back().strText, "C:\\Tools\\start.bat");

    CFileDialog::SetModalHook(
        [](CFileDialog& dlg)
        {
            static const char szSeveral[] = "C:\\Tools\0a.exe\0b.bat\0";
            return AnswerFiles(dlg, szSeveral, sizeof(szSeveral), 9, OFN_READONLY);
        });
    EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CHOSEN);
    EXPECT_EQ(m_browse.GetNamesCount(), 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"C:\\Tools\\a.exe", "C:\\Tools\\b.bat"}));
    EXPECT_EQ(m_browse.GetNamesLength(), (int)(sizeof("C:\\Tools\\a.exe") + sizeof("C:\\Tools\\b.bat") + 1));
    EXPECT_EQ(EditText(), "C:\\Tools\\a.exe");
    EXPECT_TRUE(m_browse.GetReadOnlyPref());

    CFileDialog::SetModalHook([](CFileDialog&) { return (INT_PTR)IDCANCEL; });
    EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CANCELLED);
    EXPECT_EQ(EditText(), "C:\\Tools\\a.exe");
    EXPECT_EQ(m_browse.GetNamesCount(), 2);
}

TEST_F(PathBrowse, ASecondBrowseWhileADialogIsOpenReturnsAtOnce)
{
    Create(STYLE_PROGRAMS, 312);
    int nDialogs = 0;
    int nInner = 0;
    CFileDialog::SetModalHook(
        [&](CFileDialog&)
        {
            ++nDialogs;
            nInner = m_browse.Browse();
            return (INT_PTR)IDCANCEL;
        });
    EXPECT_EQ(m_browse.Browse(), CPathBrowseCtrl::BROWSE_CANCELLED);
    EXPECT_EQ(nDialogs, 1);
    EXPECT_EQ(nInner, CPathBrowseCtrl::BROWSE_CANCELLED);
}

TEST_F(PathBrowse, ClickEnterAndSpaceBrowseAndPostTheClick)
{
    Create(STYLE_PROGRAMS, 0);
    int nDialogs = 0;
    CFileDialog::SetModalHook(
        [&](CFileDialog&)
        {
            ++nDialogs;
            return (INT_PTR)IDCANCEL;
        });
    const CPoint ptButton = m_browse.GetButtonRect().CenterPoint();
    const LPARAM lButton = MAKELPARAM(ptButton.x, ptButton.y);
    m_browse.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lButton);
    EXPECT_TRUE(m_browse.IsPressed());
    m_browse.SendMessage(WM_LBUTTONUP, 0, lButton);
    EXPECT_FALSE(m_browse.IsPressed());
    EXPECT_EQ(nDialogs, 1);

    MSG msg = {m_browse.GetEdit().m_hWnd, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_TRUE(m_browse.PreTranslateMessage(&msg));
    EXPECT_EQ(nDialogs, 2);
    m_browse.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(m_browse.IsPressed());
    m_browse.SendMessage(WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(nDialogs, 3);
    EXPECT_TRUE(PumpUntil([&] { return m_parent.m_nClicks == 3; }));
    // No notification id: no browse notification.
    EXPECT_TRUE(m_parent.m_notifications.empty());

    // Released outside the button: no dialog.
    m_browse.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lButton);
    m_browse.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(nDialogs, 3);
}

TEST_F(PathBrowse, TypingCallsThePageHookOnEveryKeystrokeAReadOnlyFieldOnlyOnBrowse)
{
    Create(STYLE_PROGRAMS, 312);
    m_browse.GetEdit().SendMessage(WM_CHAR, 'C', 1);
    m_browse.GetEdit().SendMessage(WM_CHAR, ':', 1);
    ASSERT_EQ(m_parent.m_hooks.size(), 2u);
    EXPECT_EQ(m_parent.m_hooks[0].strText, "C");
    EXPECT_EQ(m_parent.m_hooks[1].strText, "C:");
    EXPECT_EQ(m_parent.m_hooks[1].nNotifyCode, 312u);
    EXPECT_EQ(m_browse.GetCurrentPath(), "C:");

    CPathBrowseCtrl readOnly;
    ASSERT_TRUE(readOnly.Create(CRect(10, 40, 310, 62), &m_parent, 1202, 0x8A, 220));
    m_parent.m_hooks.clear();
    readOnly.GetEdit().SendMessage(WM_CHAR, 'C', 1);
    EXPECT_TRUE(m_parent.m_hooks.empty());
    AfxSetBrowseForFolderHook([](BROWSEINFOA&) { return FolderItem("C:\\windows"); });
    EXPECT_EQ(readOnly.Browse(), CPathBrowseCtrl::BROWSE_CHOSEN);
    ASSERT_EQ(m_parent.m_hooks.size(), 1u);
    EXPECT_EQ(m_parent.m_hooks[0].nNotifyCode, 220u);
}

// The text is selected while the field has the focus and no longer once the focus has left it; the
// selection timer does one step after each change of the focus and stops.
TEST_F(PathBrowse, TheTextIsSelectedWhileTheFieldHasTheFocusOneTimerStepPerChange)
{
    Create(STYLE_PROGRAMS, 0);
    m_parent.ShowWindow(SW_SHOW);
    CEdit& edit = m_browse.GetEdit();
    edit.SetWindowText("C:\\windows");
    CEdit other;
    ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 310, 62), &m_parent, 1202));
    auto selection = [&]
    {
        DWORD dwStart = 0;
        DWORD dwEnd = 0;
        edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        return std::make_pair(dwStart, dwEnd);
    };
    const auto whole = std::make_pair(DWORD(0), DWORD(10));
    for (int iRound = 0; iRound < 2; ++iRound)
    {
        edit.SetFocus();
        EXPECT_TRUE(PumpUntil([&] { return selection() == whole; })) << "round " << iRound;
        other.SetFocus();
        EXPECT_TRUE(PumpUntil([&] { return selection().first == selection().second; })) << "round " << iRound;
        EXPECT_FALSE(::KillTimer(m_browse.GetSafeHwnd(), CPathBrowseCtrl::TIMER_SELECTION));
    }
    other.DestroyWindow();
}

// The hook is the page the control lies on, whatever the main window is.
TEST_F(PathBrowse, ThePageHookIsTheControlsParent)
{
    CBrowseParent mainWindow;
    ASSERT_TRUE(
        mainWindow.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
    AfxGetApp()->m_pMainWnd = &mainWindow;
    Create(STYLE_PROGRAMS, 311);
    m_browse.GetEdit().SendMessage(WM_CHAR, 'C', 1);
    EXPECT_EQ(m_parent.m_hooks.size(), 1u);
    EXPECT_TRUE(mainWindow.m_hooks.empty());
    AfxGetApp()->m_pMainWnd = &m_parent;
    mainWindow.DestroyWindow();
}

TEST_F(PathBrowse, StyleBitsLayTheButtonOutAndRemakeTheEditKeepingItsText)
{
    Create(STYLE_DEFAULT, 0);
    const CRect rcClient(0, 0, 300, 22);
    EXPECT_EQ(m_browse.GetButtonRect(), CRect(300 - 27, 0, 300, 22));
    EXPECT_EQ(m_browse.GetEditRect(), CRect(0, 0, 300 - 27, 22));
    EXPECT_EQ(m_browse.GetContentRect(), CRect(273 + 5, 3, 273 + 5 + 16, 19));
    m_browse.SetPathText("C:\\Tools\\start.bat");
    EXPECT_TRUE(m_browse.GetEdit().GetStyle() & ES_READONLY);

    m_browse.SetStyleBits(STYLE_PROGRAMS);
    EXPECT_FALSE(m_browse.GetEdit().GetStyle() & ES_READONLY);
    EXPECT_EQ(EditText(), "C:\\Tools\\start.bat");
    CRect rcEdit;
    m_browse.GetEdit().GetWindowRect(rcEdit);
    m_browse.ScreenToClient(rcEdit);
    EXPECT_EQ(rcEdit, m_browse.GetEditRect());

    m_browse.SetStyleBits(STYLE_PROGRAMS | PBS_BUTTON_LEFT);
    EXPECT_EQ(m_browse.GetButtonRect(), CRect(0, 0, 27, 22));
    EXPECT_EQ(m_browse.GetEditRect(), CRect(27, 0, 300, 22));
    m_browse.MoveWindow(10, 10, 200, 30);
    EXPECT_EQ(m_browse.GetEditRect(), CRect(27, 0, 200, 30));
}

// A button of a dialog template: its text becomes the caption, which sizes the button.
TEST_F(PathBrowse, AnAttachedButtonTakesItsTextAsCaption)
{
    HWND hButton = ::CreateWindowExA(0, "BUTTON", "Durchsuchen...", WS_CHILD | WS_VISIBLE, 10, 10, 300, 22,
                                     m_parent.m_hWnd, (HMENU)(UINT_PTR)ID_BROWSE, nullptr, nullptr);
    m_browse.SetStyleBits(PBS_EDITABLE);
    ASSERT_TRUE(m_browse.SubclassWindow(hButton));
    EXPECT_EQ(m_browse.GetWindowTextLength(), 0);
    EXPECT_GT(m_browse.GetButtonRect().Width(), 27);
    EXPECT_EQ(m_browse.GetButtonRect().right, 300);
    EXPECT_EQ(m_browse.GetToolTip().GetToolCount(), 1);
    m_browse.SetButtonTip("Verzeichnis wählen");
    char szTip[80] = {};
    TOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = m_browse.m_hWnd;
    ti.uId = CPathBrowseCtrl::ID_TOOL;
    ti.lpszText = szTip;
    m_browse.GetToolTip().SendMessage(TTM_GETTEXTA, sizeof(szTip), (LPARAM)&ti);
    EXPECT_STREQ(szTip, "Verzeichnis wählen");
}

TEST_F(PathBrowse, TheButtonShowsItsPictureAndFrame)
{
    Create(STYLE_DEFAULT, 0);
    const CRect rcContent = m_browse.GetContentRect();
    const CRect rcButton = m_browse.GetButtonRect();
    CClientPicture picture(m_browse.m_hWnd, "browse_picture1");
    // Picture one: a yellow folder with a black outline.
    EXPECT_EQ(picture.At(rcContent.left + 4, rcContent.top + 7), RGB(255, 255, 0));
    EXPECT_EQ(picture.At(rcContent.left + 1, rcContent.top + 7), RGB(0, 0, 0));
    EXPECT_EQ(picture.At(rcButton.left, rcButton.top), ::GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(picture.At(rcButton.right - 1, rcButton.bottom - 1), ::GetSysColor(COLOR_3DDKSHADOW));

    m_browse.EnableWindow(FALSE);
    EXPECT_FALSE(m_browse.GetEdit().IsWindowEnabled());
    CClientPicture disabled(m_browse.m_hWnd, "browse_disabled");
    EXPECT_EQ(disabled.At(rcContent.left + 4, rcContent.top + 7), RGB(255, 255, 255));
    EXPECT_EQ(disabled.At(rcContent.left + 1, rcContent.top + 7), RGB(128, 128, 128));
    m_browse.EnableWindow(TRUE);

    // Flat: no frame until the pointer is over the button.
    m_browse.SetStyleBits(STYLE_PROGRAMS);
    CClientPicture flat(m_browse.m_hWnd, "browse_flat");
    EXPECT_EQ(flat.At(rcButton.left, rcButton.top), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(flat.At(rcContent.left + 7, rcContent.top + 7), RGB(0, 255, 255)); // picture three's lens
}

TEST_F(PathBrowse, CreateWithoutParentNeedsTheMainWindow)
{
    AfxGetApp()->m_pMainWnd = nullptr;
    EXPECT_FALSE(m_browse.Create(CRect(0, 0, 100, 20), nullptr, ID_BROWSE, STYLE_DEFAULT, 0));
    EXPECT_EQ(m_browse.m_hWnd, nullptr);
    AfxGetApp()->m_pMainWnd = &m_parent;
    EXPECT_TRUE(m_browse.Create(CRect(0, 0, 100, 20), nullptr, ID_BROWSE, STYLE_DEFAULT, 0));
    EXPECT_EQ(m_browse.GetParent(), &m_parent);
}
} // namespace
