// The note window: its text and links by language, and what a click on a link opens.
#include "framework/AfxInitControls.h"
#include "framework/AfxShellOpen.h"
#include "resources/resource.h"
#include "shell/CDlgAdvice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The note window made modeless for the test, in the language given.
class NoteWindow
{
public:
    explicit NoteWindow(int iLanguageOffset)
    {
        m_dlg.m_iLanguageOffset = iLanguageOffset;
        m_dlg.m_strCaption = "Note";
        // The program does this once at its start.
        AfxInitRichEdit2();
        m_bCreated = m_dlg.Create(IDD_DLG_ADVICE) != FALSE;
        m_previous = AfxSetShellOpenHook(
            [this](HWND, LPCSTR lpszFile, int)
            {
                m_opened.push_back(lpszFile);
                return true;
            });
    }
    ~NoteWindow()
    {
        AfxSetShellOpenHook(m_previous);
        if (m_dlg.GetSafeHwnd())
            m_dlg.DestroyWindow();
    }
    std::string ItemText(int iId)
    {
        CString str;
        m_dlg.GetDlgItem(iId)->GetWindowText(str);
        return str.GetString();
    }
    void Click(int iId)
    {
        m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(iId, BN_CLICKED),
                          reinterpret_cast<LPARAM>(m_dlg.GetDlgItem(iId)->GetSafeHwnd()));
    }

    CDlgAdvice m_dlg;
    bool m_bCreated = false;
    std::vector<std::string> m_opened;

private:
    AFX_SHELLOPEN_HOOK m_previous;
};
} // namespace

TEST(NoteWindow, TextAndLinksFollowTheLanguage)
{
    {
        NoteWindow note(0);
        ASSERT_TRUE(note.m_bCreated);
        EXPECT_EQ(0u, note.ItemText(IDC_ADVICE_TEXT).find("Lizenzbedingungen\r\n\r\n\r\n1.\tBegriffe"));
        EXPECT_EQ("www.tervane.de", note.ItemText(IDC_ADVICE_WEB));
        EXPECT_EQ("info@tervane.de", note.ItemText(IDC_ADVICE_MAIL));
        EXPECT_EQ(0, note.m_dlg.m_richEdit.SendMessage(EM_GETFIRSTVISIBLELINE))
            << "shown from its first line";
    }
    for (int iLanguage : {1000, 2000, 3000})
    {
        NoteWindow note(iLanguage);
        EXPECT_EQ(0u, note.ItemText(IDC_ADVICE_TEXT).find("License Conditions")) << iLanguage;
        EXPECT_EQ("www.tervane.com", note.ItemText(IDC_ADVICE_WEB)) << iLanguage;
    }
    // Any other language: no text, and the links of the template.
    NoteWindow note(4711);
    EXPECT_EQ("", note.ItemText(IDC_ADVICE_TEXT));
    EXPECT_EQ("www.tervane.de", note.ItemText(IDC_ADVICE_WEB));
}

TEST(NoteWindow, LinksOpenTheirAddressUnlessNotAvailable)
{
    NoteWindow note(1000);
    ASSERT_TRUE(note.m_bCreated);
    note.Click(IDC_ADVICE_WEB);
    note.Click(IDC_ADVICE_MAIL);
    EXPECT_EQ((std::vector<std::string>{"www.tervane.com", "mailto:info@tervane.com"}), note.m_opened);
    note.m_dlg.SetDlgItemText(IDC_ADVICE_WEB, "n.a.");
    note.m_dlg.SetDlgItemText(IDC_ADVICE_MAIL, "n.a.");
    note.Click(IDC_ADVICE_WEB);
    note.Click(IDC_ADVICE_MAIL);
    EXPECT_EQ(2u, note.m_opened.size());
}
