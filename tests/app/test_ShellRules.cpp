// Rules of the application shell checked without the running program: the menu texts, the language
// setter, the status prompts, the start page's logo placement, the port-row names and the restart
// mutex.
#include "framework/CMenu.h"
#include "resources/resource.h"
#include "shell/AppRestart.h"
#include "shell/CMainFrame.h"
#include "shell/CQbxUsbTq5View.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace
{
std::vector<std::string> MenuItemTexts(HMENU hMenu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        char szText[256] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof(szText), MF_BYPOSITION);
        texts.push_back(szText);
    }
    return texts;
}
} // namespace

TEST(MainFrameMenu, TextsFollowTheLanguageAndTheDiagnosticAndSpanishCommandsGo)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    ASSERT_TRUE(CMainFrame::ApplyMenuTexts(menu, 0, true));
    EXPECT_EQ((std::vector<std::string>{"Datei", "Betriebsart", "Ansicht", "Sprache", "Hilfe"}),
              MenuItemTexts(menu));
    EXPECT_EQ((std::vector<std::string>{"Konfigurationsmodus", "Mess- und Diagrammmodus"}),
              MenuItemTexts(::GetSubMenu(menu, 1)));
    EXPECT_EQ((std::vector<std::string>{"Deutsch", "English", "Francais"}),
              MenuItemTexts(::GetSubMenu(menu, 3)));
    EXPECT_EQ((std::vector<std::string>{"Kanal A", "Kanal B"}),
              MenuItemTexts(::GetSubMenu(::GetSubMenu(menu, 2), 0)));

    ASSERT_TRUE(CMainFrame::ApplyMenuTexts(menu, 1000, false));
    EXPECT_EQ((std::vector<std::string>{"Save &Measvalue\tCtrl+M", "Save &Diagram\tCtrl+D", "&Print\tCtrl+P",
                                        "", "&Exit\tCtrl+E"}),
              MenuItemTexts(::GetSubMenu(menu, 0)));
    ASSERT_TRUE(CMainFrame::ApplyMenuTexts(menu, 2000, false));
    EXPECT_EQ((std::vector<std::string>{"Allmand", "Anglais", "Francais"}),
              MenuItemTexts(::GetSubMenu(menu, 3)));
    EXPECT_EQ("Rétablir l'a&ffichage\tStrg+R", MenuItemTexts(::GetSubMenu(menu, 2)).back());
}

TEST(MainFrameMenu, WithoutRemovalTheDiagnosticCommandStays)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MAINFRAME));
    CMainFrame::ApplyMenuTexts(menu, 1000, false);
    EXPECT_EQ(3, ::GetMenuItemCount(::GetSubMenu(menu, 1)));
    EXPECT_EQ(3, ::GetMenuItemCount(::GetSubMenu(menu, 3)));
}

TEST(MainFrameLanguage, OnlyGermanEnglishAndFrenchAreTaken)
{
    auto pFrame = std::make_unique<CMainFrame>();
    EXPECT_EQ(1000, pFrame->GetLanguageOffset());
    EXPECT_FALSE(pFrame->SetLanguage(1000));
    EXPECT_TRUE(pFrame->SetLanguage(0));
    EXPECT_EQ(0, pFrame->GetLanguageOffset());
    EXPECT_TRUE(pFrame->SetLanguage(3000));
    EXPECT_EQ(1000, pFrame->GetLanguageOffset());
    EXPECT_TRUE(pFrame->SetLanguage(2000));
    EXPECT_TRUE(pFrame->SetLanguage(-5));
    EXPECT_EQ(1000, pFrame->GetLanguageOffset());
}

TEST(MainFrameLanguage, PromptsOfTheTreeAndTheCommandsFollowTheLanguage)
{
    auto pFrame = std::make_unique<CMainFrame>();
    pFrame->SetLanguage(2000);
    CString strPrompt;
    pFrame->GetMessageString(ID_FILE_EXIT, strPrompt);
    EXPECT_STREQ("Termine le programme", strPrompt);
    pFrame->GetMessageString(IDC_NAVI_TREE, strPrompt);
    EXPECT_STREQ("Barre de navigation: choisir le mode, l'affichage et la langue", strPrompt);
    // The channel commands lie above the range that follows the language.
    pFrame->GetMessageString(ID_VIEW_CHANNEL_A, strPrompt);
    EXPECT_STREQ("Zeigt oder verbirgt die Anzeige von Kanal A", strPrompt);
}

TEST(MainFrameSettings, PortRowsAreNumberedWithThreeDigits)
{
    EXPECT_STREQ("000_", CMainFrame::PortRowPrefix(0));
    EXPECT_STREQ("007_", CMainFrame::PortRowPrefix(7));
    EXPECT_STREQ("042_", CMainFrame::PortRowPrefix(42));
    EXPECT_STREQ("255_", CMainFrame::PortRowPrefix(255));
}

TEST(StartPageLogo, ZoomFollowsTheSmallerSideOfTheView)
{
    struct Case
    {
        int cx, cy;
        double dZoom;
        int x, y;
    };
    const Case cases[] = {
        {1000, 700, 0.9 * 1.3, 406, 256},  // 161 * 1.17 / 2 = 94
        {1300, 1200, 1.1 * 1.3, 535, 485}, // a bound must be exceeded: 1200 gives the factor of 1000
        {1300, 1201, 1.5 * 1.3, 494, 444}, // 156
        {300, 25, 0.0005 * 1.3, 150, 12},  // below every bound
        {0, 0, 0.0005 * 1.3, 0, 0},
    };
    for (const Case& c : cases)
    {
        const CQbxUsbTq5View::LogoPlacement placement = CQbxUsbTq5View::CalcLogoPlacement(c.cx, c.cy);
        EXPECT_DOUBLE_EQ(c.dZoom, placement.dZoom) << c.cx << "x" << c.cy;
        EXPECT_EQ(c.x, placement.x) << c.cx << "x" << c.cy;
        EXPECT_EQ(c.y, placement.y) << c.cx << "x" << c.cy;
    }
}

// Another instance holds the restart mutex: a thread that owns it, as the instance that asked for the
// restart does until its user-interface thread ends.
class RestartMutexOwner
{
public:
    RestartMutexOwner()
        : m_thread(
              [this]
              {
                  HANDLE hMutex = ::CreateMutexA(nullptr, TRUE, "YOUR_RESTART-MUTEX_NAME");
                  ::SetEvent(m_hOwned);
                  ::WaitForSingleObject(m_hRelease, 30000);
                  ::CloseHandle(hMutex); // the thread ends owning it: the mutex is abandoned
              })
    {
        ::WaitForSingleObject(m_hOwned, 30000);
    }
    ~RestartMutexOwner()
    {
        End();
        ::CloseHandle(m_hOwned);
        ::CloseHandle(m_hRelease);
    }
    void End()
    {
        ::SetEvent(m_hRelease);
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    HANDLE m_hOwned = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_hRelease = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread m_thread;
};

TEST(Restart, NewInstanceGoesOnOnlyAfterTheOldOneHasEnded)
{
    EXPECT_TRUE(WaitForPreviousInstance(0)) << "nobody holds the mutex";
    RestartMutexOwner owner;
    EXPECT_FALSE(WaitForPreviousInstance(50)) << "the old instance still runs";
    std::thread ender([&owner] { owner.End(); });
    EXPECT_TRUE(WaitForPreviousInstance(30000));
    ender.join();
}

TEST(Restart, RestartDuringAnotherRestartStartsNothing)
{
    RestartMutexOwner owner;
    EXPECT_FALSE(RestartApplication(50));
    EXPECT_EQ(nullptr, g_hRestartMutex);
    EXPECT_FALSE(ReleaseRestartMutex()) << "no mutex held";
}

// The window table of a frame without its window: registration fills a slot only while it is empty;
// the calibration dialogs' slots follow the dialog that exists.
class MainFrameRegistration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (CWnd& wnd : m_windows)
            ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "registrant", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr));
    }
    std::unique_ptr<CMainFrame> m_pFrame = std::make_unique<CMainFrame>();
    CWnd m_windows[2];
};

TEST_F(MainFrameRegistration, FirstRegistrationOfAKindStays)
{
    EXPECT_FALSE(m_pFrame->RegisterPointer(&m_windows[0], 999, 1229))
        << "no initialisation without the pages";
    EXPECT_EQ(&m_windows[0], m_pFrame->GetRegisteredWindow(1229));
    m_pFrame->RegisterPointer(&m_windows[1], 999, 1229);
    EXPECT_EQ(&m_windows[0], m_pFrame->GetRegisteredWindow(1229));
    // A window of the wrong kind, a kind without a slot and a pointer that is no window change nothing.
    m_pFrame->RegisterPointer(&m_windows[1], 999, 1026);
    EXPECT_EQ(nullptr, m_pFrame->GetRegisteredWindow(1026));
    m_pFrame->RegisterPointer(&m_windows[1], 999, 4711);
    alignas(CWnd) static unsigned char s_notAWindow[sizeof(CWnd)] = {};
    m_pFrame->RegisterPointer(reinterpret_cast<CWnd*>(s_notAWindow), 999, 1230);
    EXPECT_EQ(nullptr, m_pFrame->GetRegisteredWindow(1230));
}

TEST_F(MainFrameRegistration, AnEndedCalibrationDialogFreesItsSlot)
{
    m_pFrame->RegisterPointer(&m_windows[0], 999, 1230);
    m_pFrame->UnregisterPointer(&m_windows[1]);
    EXPECT_EQ(&m_windows[0], m_pFrame->GetRegisteredWindow(1230)) << "another dialog's end frees nothing";
    m_pFrame->UnregisterPointer(&m_windows[0]);
    EXPECT_EQ(nullptr, m_pFrame->GetRegisteredWindow(1230));
    m_pFrame->RegisterPointer(&m_windows[1], 999, 1230);
    EXPECT_EQ(&m_windows[1], m_pFrame->GetRegisteredWindow(1230));
}

TEST(MainFrameLanguage, DateAndNumberTextsFollowTheLanguage)
{
    auto pFrame = std::make_unique<CMainFrame>();
    pFrame->SetLanguage(0);
    EXPECT_STREQ(" 05.03.2014 ", pFrame->FormatDate(5, 3, 2014));
    EXPECT_STREQ("1,5", pFrame->LocalizeDecimalSeparator("1.5"));
    pFrame->SetLanguage(1000);
    EXPECT_STREQ(" 03/05/2014 ", pFrame->FormatDate(5, 3, 2014));
    EXPECT_STREQ("1.5", pFrame->LocalizeDecimalSeparator("1,5"));
}
