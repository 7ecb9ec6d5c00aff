// Rules of the application shell checked without the running program: the menu texts, the language
// setter, the status prompts and texts, the page cycle, the move limit, the start page's logo
// placement, the port-row names, the restart mutex and the documentation page's storage check.
#include "MenuTexts.h"
#include "framework/CMenu.h"
#include "resources/resource.h"
#include "app/AppRestart.h"
#include "app/CMainFrame.h"
#include "app/CQbxUsbTq5View.h"
#include "controls/ControlTexts.h"
#include "protocol/Language.h"
#include "storage/CDlgDocumentation.h"
#include "storage/DocumentationStruct.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#define TREE_ITEM_ID(name, id) name,

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
    pFrame->SetLanguage(LANGUAGE_FRENCH);
    CString strPrompt;
    pFrame->GetMessageString(ID_FILE_EXIT, strPrompt);
    EXPECT_STREQ("Termine le programme", strPrompt);
    pFrame->GetMessageString(IDC_NAVI_TREE, strPrompt);
    EXPECT_STREQ("Barre de navigation: choisir le mode, l'affichage et la langue", strPrompt);
    pFrame->GetMessageString(ID_VIEW_CHANNEL_A, strPrompt);
    EXPECT_STREQ("Affiche ou cache l'affichage du canal A", strPrompt);
}

// Whichever item the mouse is over, the tree's prompt is the string of the item's prompt id in the
// interface language.
TEST(MainFrameLanguage, EveryPromptOfTheTreeIsInTheInterfaceLanguage)
{
    auto pFrame = std::make_unique<CMainFrame>();
    const int aiItems[] = {CONTROL_TEXTS(TREE_ITEM_ID)};
    for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH})
    {
        pFrame->SetLanguage(iLanguage);
        for (int iItem : aiItems)
        {
            if (!pFrame->m_wndNaviTree.LookupPrompt(static_cast<DWORD_PTR>(iItem), TRUE))
                continue;
            const int iPromptId = pFrame->m_wndNaviTree.GetPromptId();
            CString strExpected;
            strExpected.LoadString(static_cast<UINT>(iPromptId + iLanguage));
            CString strPrompt;
            pFrame->GetMessageString(IDC_NAVI_TREE, strPrompt);
            EXPECT_EQ(strExpected, strPrompt)
                << "item " << iItem << ", prompt " << iPromptId << ", language " << iLanguage;
        }
    }
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

TEST(MainFramePages, HotKeysCycleThroughSixPages)
{
    const int next[][2] = {{133, 202}, {202, 135}, {135, 136}, {136, 137}, {137, 138},
                           {138, 133}, {131, 133}, {139, 133}, {0, 133}};
    for (const auto& step : next)
        EXPECT_EQ(step[1], CMainFrame::GetNextModePage(step[0])) << step[0];
    const int previous[][2] = {{133, 138}, {138, 137}, {137, 136}, {136, 135},
                               {135, 202}, {202, 133}, {131, 133}, {139, 133}};
    for (const auto& step : previous)
        EXPECT_EQ(step[1], CMainFrame::GetPreviousModePage(step[0])) << step[0];
}

TEST(MainFrameStatus, StorageProgressGivesTheRateInKilobytesOrMegabytes)
{
    struct Case
    {
        double dProgress, dRate;
        bool bMeasured;
        int iLanguage;
        const char* pszText;
    };
    const Case cases[] = {
        {42, 1000, true, 1000, "wait 42 %  speed: 1.0 MB/sec)"},
        {42, 500, true, 1000, "wait 42 %  speed: 0.5 MB/sec)"},
        {42, 1000, true, 0, "wait 42 %  speed: 1,0 MB/sec)"},
        {42, 1000, true, 2000, "wait 42 %  speed: 1,0 MB/sec)"},
        {5, 499, true, 1000, "wait  5 %  speed: 499 KB/sec)"},
        {100, 499, false, 1000, "wait 100 %)"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszText, CMainFrame::FormatStorageProgress("wait", "speed", "sec", c.dProgress,
                                                                  c.dRate, c.bMeasured, c.iLanguage));
}

TEST(MainFrameMove, AWindowStaysOnItsMonitorsAndKeepsItsSize)
{
    const CRect rcLeft(0, 0, 1600, 1200);
    const CRect rcRight(1600, 100, 2880, 1124);
    const CRect rcSpan(0, 0, 2880, 1200);
    struct Case
    {
        const char* pszWhat;
        CRect rcWindow;
        double dShare0, dShare1;
        int iBest;
        bool bMoved;
        CRect rcExpected;
    };
    const Case cases[] = {
        {"inside", CRect(100, 100, 900, 800), 100, 0, 0, false, CRect(100, 100, 900, 800)},
        {"across both monitors", CRect(1200, 50, 2000, 750), 50, 50, 0, false, CRect(1200, 50, 2000, 750)},
        {"off the left edge", CRect(-300, 100, 500, 800), 100, 0, 0, true, CRect(0, 100, 800, 800)},
        {"below the only monitor it touches", CRect(100, 900, 900, 1600), 100, 0, 0, true,
         CRect(100, 500, 900, 1200)},
        {"right part off the second monitor", CRect(2500, 200, 3300, 900), 0, 100, 1, true,
         CRect(2080, 200, 2880, 900)},
        {"larger than its monitor keeps the top left corner", CRect(-50, -50, 1750, 1350), 100, 0, 0, true,
         CRect(0, 0, 1800, 1400)},
    };
    for (const Case& c : cases)
    {
        CRect rc = c.rcWindow;
        EXPECT_EQ(c.bMoved,
                  CMainFrame::LimitMoveRect(rc, rcLeft, rcRight, rcSpan, c.dShare0, c.dShare1, c.iBest))
            << c.pszWhat;
        EXPECT_EQ(c.rcExpected, rc) << c.pszWhat;
    }
}

TEST(DocumentationPage, AutomaticStorageNeedsItsDirectoryAndPrefix)
{
    DocumentationStruct docu = {};
    const CString strDirs[3] = {"C:\\mw", "C:\\io", "C:\\dm"};
    const CString strPrefixes[3] = {"mw", "io", "dm"};
    EXPECT_TRUE(CDlgDocumentation::IsAutoStorageComplete(docu, strDirs, strPrefixes));
    const CString strNone[3] = {"", "", ""};
    EXPECT_TRUE(CDlgDocumentation::IsAutoStorageComplete(docu, strNone, strNone)) << "nothing stored";
    for (int i = 0; i < 3; ++i)
    {
        DocumentationStruct selected = {};
        (i == 0   ? selected.sAutoStorageMW.iSelected
         : i == 1 ? selected.sAutoStorageIONIO.iSelected
                  : selected.sAutoStorageDM.iSelected) = 2;
        CString strDirsMissing[3] = {strDirs[0], strDirs[1], strDirs[2]};
        strDirsMissing[i].Empty();
        CString strPrefixMissing[3] = {strPrefixes[0], strPrefixes[1], strPrefixes[2]};
        strPrefixMissing[i].Empty();
        EXPECT_TRUE(CDlgDocumentation::IsAutoStorageComplete(selected, strDirs, strPrefixes)) << i;
        EXPECT_FALSE(CDlgDocumentation::IsAutoStorageComplete(selected, strDirsMissing, strPrefixes)) << i;
        EXPECT_FALSE(CDlgDocumentation::IsAutoStorageComplete(selected, strDirs, strPrefixMissing)) << i;
    }
}
