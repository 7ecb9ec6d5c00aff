// The main frame of the running program against the simulated sensor: menu commands and pages, the
// language switch, the timer table, device changes, the close rules, the trace window's hot key and
// the information box.
#include "ProgramTestSupport.h"

#include "app/AppTexts.h"
#include "controls/ControlTexts.h"
#include "framework/CString.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "sensorpages/SensorPageTexts.h"
#include "storage/StorageTexts.h"
#include "resources/resource.h"

#include <dbt.h>

#include <vector>

namespace
{

std::string Text(UINT nId, int iLanguageOffset = 0)
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(iLanguageOffset));
    return str.GetString();
}

// A menu command and the caption its page shows.
struct PageCommand
{
    UINT nCommand;
    UINT nCaptionId;
};
const PageCommand PAGE_COMMANDS[] = {{ID_MODE_SENSOR_CONNECTION, IDS_PAGE_SENSOR_CONNECTION},
                                     {ID_MODE_SENSOR_INFORMATION, IDS_PAGE_SENSOR_INFORMATION},
                                     {ID_MODE_MEASURE_ADJUST, IDS_PAGE_MEASURE_ADJUST},
                                     {ID_MODE_DOCUMENTATION, IDS_PAGE_DOCUMENTATION},
                                     {ID_MODE_SENSOR_CALIBRATION, IDS_PAGE_SENSOR_CALIBRATION},
                                     {ID_MODE_MEASURE_DIAGRAM, IDS_PAGE_MEASURE_DIAGRAM}};

// The caption of a docking bar after a language switch.
std::string ExpectedBarCaption(int iBarId, int iLanguage)
{
    switch (iBarId)
    {
        case 123:
            return Text(IDS_BAR_CHANNEL_A, iLanguage);
        case 125:
            return Text(IDS_BAR_CHANNEL_B, iLanguage);
        case 122:
            return Text(IDS_BAR_LIGHT, iLanguage) + " (" + Text(IDS_FIRST_CONDITION, iLanguage) + ")";
        case 185:
            return Text(IDS_DIAGRAM, iLanguage);
        default:
            return Text(IDS_BAR_NAVIGATION, iLanguage);
    }
}

// The navigation tree as the string table gives it in the language.
std::vector<std::string> ExpectedTree(int iLanguage)
{
    const struct
    {
        int iLevel;
        UINT nId;
    } items[] = {{0, IDS_TREE_FILE},
                 {1, IDS_TREE_SAVE_MEASURED_VALUES},
                 {1, IDS_TREE_SAVE_DIAGRAM},
                 {1, IDS_TREE_PRINT},
                 {1, IDS_EXIT},
                 {0, IDS_TREE_OPERATING_MODE},
                 {1, IDS_TREE_CONFIGURATION_MODE},
                 {2, IDS_TREE_SENSOR_CONNECTION},
                 {2, IDS_TREE_SENSOR_INFORMATION},
                 {2, IDS_TREE_MEASURE_ADJUST},
                 {2, IDS_TREE_DOCUMENTATION},
                 {2, IDS_TREE_SENSOR_CALIBRATION},
                 {1, IDS_TREE_MEASURE_DIAGRAM},
                 {0, IDS_TREE_VIEW},
                 {1, IDS_TREE_DIGITAL_VIEWS},
                 {2, IDS_CHANNEL_A},
                 {2, IDS_CHANNEL_B},
                 {2, IDS_TREE_IO_NIO},
                 {1, IDS_DIAGRAM},
                 {1, IDS_TREE_NAVIGATION_BAR},
                 {1, IDS_TREE_STATUS_BAR},
                 {1, IDS_TREE_RESET_VIEWS},
                 {0, IDS_TREE_LANGUAGE},
                 {1, IDS_TREE_GERMAN},
                 {1, IDS_TREE_ENGLISH},
                 {1, IDS_TREE_FRENCH},
                 {0, IDS_TREE_HELP},
                 {1, IDS_INFO},
                 {1, IDS_ADVICE}};
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(std::string(2 * item.iLevel, ' ') + Text(item.nId, iLanguage));
    return texts;
}
} // namespace

class ProgramShellTest : public ConnectedProgramTest
{
protected:
    // Starts a stream with the panel's Start button and waits until the simulator sends it.
    void StartStream()
    {
        ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_DIAGRAM, Text(IDS_PAGE_MEASURE_DIAGRAM, m_iLanguage)))
            << m_program.LastError();
        HWND hStart = m_program.FindControl(m_hFrame, IDC_PANEL_START);
        ASSERT_TRUE(m_program.WaitFor("an enabled Start button", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&] { return ::IsWindowEnabled(hStart) != FALSE; }))
            << m_program.LastError();
        ASSERT_TRUE(m_program.Click(hStart)) << m_program.LastError();
        ASSERT_TRUE(
            m_program.WaitFor("a running stream", CProgramHarness::DEFAULT_TIMEOUT_MS,
                              [&] { return CSimClient::FindValue(m_sim.GetState(), "stream") != "null"; }))
            << m_program.LastError();
        EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_MEASURING, m_iLanguage)))
            << m_program.LastError();
    }
};

TEST_F(ProgramShellTest, EachModeCommandShowsItsPage)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    for (const PageCommand& command : PAGE_COMMANDS)
        EXPECT_TRUE(ShowPage(command.nCommand, Text(command.nCaptionId))) << m_program.LastError();
    // The page cycle of Ctrl+Tab starts from the operator panel at the connection page.
    EXPECT_TRUE(m_program.WaitFor("the connection page", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      if (ActivePageCaption(m_hFrame) == Text(IDS_PAGE_SENSOR_CONNECTION))
                                          return true;
                                      m_program.TypeKey(m_hFrame, VK_TAB, true, false);
                                      return false;
                                  }))
        << m_program.LastError();
}

TEST_F(ProgramShellTest, LanguageSwitchRenewsMenuBarsTreeStatusAndPagesInEachLanguage)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_DIAGRAM, Text(IDS_PAGE_MEASURE_DIAGRAM))) << m_program.LastError();
    HWND hTree = m_program.FindControl(m_hFrame, IDC_NAVI_TREE);
    const struct
    {
        UINT nCommand;
        int iLanguage;
        const char* pszShot;
    } switches[] = {{ID_LANGUAGE_ENGLISH, LANGUAGE_ENGLISH, "program_main_window_en"},
                    {ID_LANGUAGE_FRENCH, LANGUAGE_FRENCH, "program_main_window_fr"},
                    {ID_LANGUAGE_GERMAN, LANGUAGE_GERMAN, "program_main_window_de"}};
    for (const auto& change : switches)
    {
        SCOPED_TRACE(change.iLanguage);
        m_iLanguage = change.iLanguage;
        ASSERT_TRUE(m_program.PostCommand(m_hFrame, change.nCommand));
        EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY, m_iLanguage)))
            << m_program.LastError();
        EXPECT_EQ(Text(IDS_PAGE_MEASURE_DIAGRAM, m_iLanguage), ActivePageCaption(m_hFrame));
        for (int iBar : {123, 125, 122, 185, 127})
            EXPECT_EQ(ExpectedBarCaption(iBar, m_iLanguage),
                      CProgramHarness::GetText(m_program.FindControl(m_hFrame, iBar)));
        EXPECT_EQ(ExpectedTree(m_iLanguage), m_program.TreeItemTexts(hTree));
        // A page hidden during the switch shows the new language when it comes to the front.
        EXPECT_TRUE(ShowPage(ID_MODE_MEASURE_ADJUST, Text(IDS_PAGE_MEASURE_ADJUST, m_iLanguage)))
            << m_program.LastError();
        EXPECT_TRUE(ShowPage(ID_MODE_MEASURE_DIAGRAM, Text(IDS_PAGE_MEASURE_DIAGRAM, m_iLanguage)))
            << m_program.LastError();
        EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, change.pszShot)) << m_program.LastError();
    }
}

// The channel items of the tree announce the prompts of their view commands in the interface language.
TEST_F(ProgramShellTest, TreeChannelItemsPromptInEnglishAndFrench)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    HWND hTree = m_program.FindControl(m_hFrame, IDC_NAVI_TREE);
    const struct
    {
        UINT nCommand;
        int iLanguage;
    } switches[] = {{ID_LANGUAGE_ENGLISH, LANGUAGE_ENGLISH}, {ID_LANGUAGE_FRENCH, LANGUAGE_FRENCH}};
    const struct
    {
        int iItem;
        UINT nPrompt;
    } channels[] = {{IDS_CHANNEL_A, ID_VIEW_CHANNEL_A}, {IDS_CHANNEL_B, ID_VIEW_CHANNEL_B}};
    for (const auto& change : switches)
    {
        SCOPED_TRACE(change.iLanguage);
        ASSERT_TRUE(m_program.PostCommand(m_hFrame, change.nCommand));
        ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY, change.iLanguage)))
            << m_program.LastError();
        for (const auto& channel : channels)
        {
            ASSERT_TRUE(m_program.HoverTreeItem(hTree, Text(channel.iItem, change.iLanguage)))
                << m_program.LastError();
            EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(channel.nPrompt, change.iLanguage)))
                << m_program.LastError() << "; shown: " << CProgramHarness::GetText(m_hStatusBar);
        }
    }
}

// Timers posted as the engine would start them carry the sequences on: a software-configuration write,
// a restart of the sensor, and a new search that ends in a new connection.
TEST_F(ProgramShellTest, TimerTableContinuesTheProtocolSequences)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(m_sim.ClearLog());
    ::PostMessageA(m_hFrame, WM_TIMER, 37, 0);
    EXPECT_TRUE(WaitForLog("the software configuration written", "\"event\": \"block_written\""))
        << m_program.LastError() << "\n"
        << m_sim.GetLog();

    ASSERT_TRUE(m_sim.ClearLog());
    ::PostMessageA(m_hFrame, WM_TIMER, 41, 0);
    EXPECT_TRUE(WaitForLog("the sensor restarted", "\"event\": \"restart\"")) << m_program.LastError();
    EXPECT_TRUE(WaitForLog("the sensor's greeting", "\"cmd\": \"HELLO\"")) << m_program.LastError();

    ASSERT_TRUE(m_sim.ClearLog());
    ::PostMessageA(m_hFrame, WM_TIMER, 31, 0);
    EXPECT_TRUE(WaitForLog("the search's address scan", "\"address\": 249")) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitFor("the connection after the search", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&] { return m_sim.GetLog().find("\"cmd\": \"D\"") != std::string::npos; }))
        << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
}

TEST_F(ProgramShellTest, RemovalDuringAStreamStopsItAndAnArrivalTestsTheConnectionAgain)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(StartStream());
    HWND hStart = m_program.FindControl(m_hFrame, IDC_PANEL_START);
    HWND hStop = m_program.FindControl(m_hFrame, IDC_PANEL_STOP);
    EXPECT_TRUE(::IsWindowEnabled(hStop));

    ASSERT_TRUE(m_sim.Unplug());
    ASSERT_TRUE(m_program.SendDeviceChange(m_hFrame, DBT_DEVICEREMOVECOMPLETE, "COM5"))
        << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_DISCONNECTED))) << m_program.LastError();
    EXPECT_FALSE(::IsWindowEnabled(hStart));
    EXPECT_FALSE(::IsWindowEnabled(hStop));
    std::string strShot;
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_sensor_lost", &strShot)) << m_program.LastError();

    // The interface comes back: the connection is tested again once the device list has settled.
    ASSERT_TRUE(m_sim.Replug());
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.SendDeviceChange(m_hFrame, DBT_DEVICEARRIVAL, "COM5")) << m_program.LastError();
    ASSERT_TRUE(m_program.SendDeviceChange(m_hFrame, DBT_DEVNODES_CHANGED)) << m_program.LastError();
    EXPECT_TRUE(WaitForLog("a status request after the arrival", "\"cmd\": \"B\"")) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitFor("an enabled Start button", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&] { return ::IsWindowEnabled(hStart) != FALSE; }))
        << m_program.LastError();
}

// A write the sensor never acknowledges is given up: the frame takes the sensor as lost and searches
// for it again.
TEST_F(ProgramShellTest, ASensorThatStopsAnsweringIsSearchedForAgain)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    // The single value read half a second after the initialisation comes first: a request sent after it
    // awaits its own answer.
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(WaitForLog("the value read after the initialisation", "\"cmd\": \"A\""))
        << m_program.LastError();
    ASSERT_TRUE(m_sim.InjectFault("no_answer", "3", "\"command\": \"F\""));
    ASSERT_TRUE(m_sim.ClearLog());
    ::PostMessageA(m_hFrame, WM_TIMER, 37, 0);
    EXPECT_TRUE(m_program.WaitFor("the write given up and a new search", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      const std::string strLog = m_sim.GetLog();
                                      return CSimClient::CountMember(strLog, "cmd", "\"F\"") == 3 &&
                                             strLog.find("\"address\": 249") != std::string::npos;
                                  }))
        << m_program.LastError() << "\n"
        << m_sim.GetLog();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
}

TEST_F(ProgramShellTest, CloseIsRefusedDuringTheInitialisationAndTakenAfterIt)
{
    ASSERT_TRUE(m_program.Start()) << m_program.LastError();
    m_hFrame = WaitForMainWindow();
    ASSERT_TRUE(m_hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    // Slow answers keep the sensor's initialisation going while the close request comes.
    ASSERT_TRUE(m_sim.InjectFault("delay", "all", "\"ms\": 150"));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(WaitForLog("the initialisation's status request", "\"cmd\": \"B\"")) << m_program.LastError();
    ASSERT_TRUE(::PostMessageA(m_hFrame, WM_CLOSE, 0, 0));
    m_hStatusBar = m_program.FindControl(m_hFrame, AFX_IDW_STATUS_BAR);
    ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
    EXPECT_TRUE(m_program.IsRunning()) << "closed during the initialisation";
    EXPECT_TRUE(::IsWindow(m_hFrame));
    ASSERT_TRUE(m_sim.ClearFaults());
    EXPECT_TRUE(m_program.Close()) << m_program.LastError();
}

TEST_F(ProgramShellTest, CloseDuringAStreamStopsItFirstThenCloses)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(StartStream());
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(::PostMessageA(m_hFrame, WM_CLOSE, 0, 0));
    ASSERT_TRUE(m_program.WaitForExit()) << m_program.LastError();
    const std::string strLog = m_sim.GetLog();
    EXPECT_NE(std::string::npos, strLog.find("\"event\": \"stream_stop\"")) << strLog;
    EXPECT_EQ("null", CSimClient::FindValue(m_sim.GetState(), "stream"));
}

TEST_F(ProgramShellTest, CtrlShiftTShowsAndHidesTheTraceWindow)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    CProgramHarness::WindowQuery trace = CProgramHarness::Dialog("Ausgabefenster");
    trace.bVisible = false;
    HWND hTrace = m_program.FindWindow(trace);
    ASSERT_TRUE(hTrace);
    ASSERT_FALSE(CProgramHarness::IsVisible(hTrace));
    ASSERT_TRUE(m_program.TypeKey(m_hFrame, 'T', true, true)) << m_program.LastError();
    ASSERT_TRUE(m_program.WaitForVisible(hTrace, true)) << m_program.LastError();
    EXPECT_TRUE(m_program.SaveScreenshot(hTrace, "program_trace_window")) << m_program.LastError();
    // Ctrl+T alone is taken but does nothing.
    ASSERT_TRUE(m_program.TypeKey(m_hFrame, 'T', true, false)) << m_program.LastError();
    EXPECT_TRUE(CProgramHarness::IsVisible(hTrace));
    ASSERT_TRUE(m_program.TypeKey(m_hFrame, 'T', true, true)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForVisible(hTrace, false)) << m_program.LastError();
}

TEST_F(ProgramShellTest, InformationBoxShowsTheVersionAndTheNoteItsLanguage)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_HELP_INFO));
    HWND hInfo = m_program.WaitForWindow(CProgramHarness::Dialog(Text(IDS_INFO)));
    ASSERT_TRUE(hInfo) << m_program.LastError();
    EXPECT_EQ("Version 2.05", CProgramHarness::GetText(::GetDlgItem(hInfo, IDC_INFO_VERSION)));
    EXPECT_TRUE(m_program.SaveScreenshot(hInfo, "program_information_box")) << m_program.LastError();
    ASSERT_TRUE(m_program.AnswerMessageBox(hInfo, IDOK)) << m_program.LastError();

    ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_LANGUAGE_FRENCH));
    ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY, LANGUAGE_FRENCH)))
        << m_program.LastError();
    ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_HELP_ADVICE));
    HWND hNote = m_program.WaitForWindow(CProgramHarness::Dialog(Text(IDS_ADVICE, LANGUAGE_FRENCH)));
    ASSERT_TRUE(hNote) << m_program.LastError();
    // French shows the English conditions and the international addresses.
    EXPECT_EQ("www.tervane.com", CProgramHarness::GetText(::GetDlgItem(hNote, IDC_ADVICE_WEB)));
    HWND hText = ::GetDlgItem(hNote, IDC_ADVICE_TEXT);
    EXPECT_EQ(0u, CProgramHarness::GetText(hText).find("License Conditions"));
    EXPECT_EQ(0, ::SendMessageA(hText, EM_GETFIRSTVISIBLELINE, 0, 0)) << "the text shows from its first line";
    EXPECT_TRUE(m_program.SaveScreenshot(hNote, "program_note_window")) << m_program.LastError();
    EXPECT_TRUE(m_program.AnswerMessageBox(hNote, IDOK)) << m_program.LastError();
}
