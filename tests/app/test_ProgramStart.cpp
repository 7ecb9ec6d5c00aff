// The program as a whole against the simulated sensor on COM5: start-up search, main window, settings
// written at exit and restored at the next start.
#include "ProgramTestSupport.h"

#include <algorithm>

namespace
{
constexpr UINT ID_MODE_MEASURE_DIAGRAM = 10010;
constexpr int IDC_STARTUP_TEXT = 1254;
constexpr int IDC_STARTUP_SEARCH_AGAIN = 1257;
constexpr int IDC_STARTUP_EXIT = 1258;
constexpr int IDC_STARTUP_SEARCH_ALL = 1292;
constexpr int IDC_STARTUP_INFO = 1161;
} // namespace

TEST_F(ProgramTest, FirstStartSearchesWithHiddenMainWindowThenShowsItAndSavesAtExit)
{
    // A two-channel interface whose software configuration shows both channels.
    ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_status", "fields": {"interface_kind": 0}})"));
    ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_block", "block": "stator_software_config", )"
                              R"("fields": {"display_a": 1, "display_b": 1}})"));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.Start()) << m_program.LastError();
    HWND hStartUp = m_program.WaitForWindow(CProgramHarness::StartUpDialog());
    ASSERT_TRUE(hStartUp) << m_program.LastError();
    EXPECT_EQ("Suche nach unterstütztem Sensor...",
              CProgramHarness::GetText(::GetDlgItem(hStartUp, IDC_STARTUP_TEXT)));
    CProgramHarness::WindowQuery anyFrame = CProgramHarness::MainFrame();
    anyFrame.bVisible = false;
    HWND hFrame = m_program.FindWindow(anyFrame);
    ASSERT_TRUE(hFrame) << "the main frame exists while the start-up dialog searches";
    if (CProgramHarness::IsVisible(hStartUp))
    {
        EXPECT_FALSE(CProgramHarness::IsVisible(hFrame)) << "main window shown before a sensor was found";
    }

    ASSERT_TRUE(m_program.WaitForVisible(hFrame, true, START_TIMEOUT_MS)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForVisible(hStartUp, false)) << m_program.LastError();
    EXPECT_TRUE(::IsZoomed(hFrame) == FALSE) << "no maximised placement was stored";
    EXPECT_EQ("TQ5 Measure - Tervane", CProgramHarness::GetText(hFrame));

    // The search asked the interface address 6 for its status with correct check bytes.
    const std::string strLog = m_sim.GetLog();
    EXPECT_NE(std::string::npos,
              strLog.find("\"dir\": \"rx\", \"cmd\": \"B\", \"code\": 66, \"address\": 6, \"own\": "
                          "255, \"data\": \"\", \"check\": \"ok\""))
        << strLog.substr(0, 2000);
    // No settings were stored by this version: the measure configuration comes first.
    EXPECT_EQ("Messeinstellungen", ActivePageCaption(hFrame));

    // Connected: the status bar says so.
    HWND hStatusBar = m_program.FindControl(hFrame, AFX_IDW_STATUS_BAR);
    EXPECT_TRUE(m_program.WaitForText(hStatusBar, "Betriebsbereit. Sensor aktiviert"))
        << m_program.LastError();

    // The operator panel comes with the channel panes the sensor shows and the diagram; the light pane
    // stays hidden while no pass/fail condition is set.
    ASSERT_TRUE(m_program.PostCommand(hFrame, ID_MODE_MEASURE_DIAGRAM)) << m_program.LastError();
    ASSERT_TRUE(m_program.WaitFor("the operator panel", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&] { return ActivePageCaption(hFrame) == "Mess- und Diagrammmodus"; }))
        << m_program.LastError();
    for (int iBar : {123, 125, 185, 127})
        EXPECT_TRUE(CProgramHarness::IsVisible(m_program.FindControl(hFrame, iBar))) << "bar " << iBar;
    EXPECT_FALSE(CProgramHarness::IsVisible(m_program.FindControl(hFrame, 122)));
    // Channel A above channel B on the right, the tree on the left.
    RECT rcBars[2] = {};
    const int barIds[2] = {123, 125};
    for (int i = 0; i < 2; ++i)
        ::GetWindowRect(m_program.FindControl(hFrame, barIds[i]), &rcBars[i]);
    EXPECT_EQ(rcBars[0].left, rcBars[1].left);
    EXPECT_LT(rcBars[0].top, rcBars[1].top);
    RECT rcTree = {};
    ::GetWindowRect(m_program.FindControl(hFrame, 10000), &rcTree);
    EXPECT_LT(rcTree.right, rcBars[0].left);
    std::string strShot;
    ASSERT_TRUE(m_program.SaveScreenshot(hFrame, "program_main_window", &strShot)) << m_program.LastError();
    std::printf("screenshot: %s\n", strShot.c_str());

    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
    std::string strVersion;
    EXPECT_TRUE(CProgramHarness::ReadString("DespiteReset", "ApplicationVersion", strVersion));
    EXPECT_EQ("2.05", strVersion);
    for (const char* pszName : {"X", "Y", "CX", "CY", "IsMaximized"})
    {
        DWORD dwValue = 0;
        EXPECT_TRUE(CProgramHarness::ReadInt("AllViewState\\Configs\\WindowPos", pszName, dwValue))
            << pszName;
    }
    DWORD dwValue = 0;
    EXPECT_TRUE(CProgramHarness::ReadInt("AllViewState\\Configs\\SystemInfo", "Monitor_Anzahl", dwValue));
    std::string strPort;
    EXPECT_TRUE(CProgramHarness::ReadString("COM Einstellungen", "000_Name", strPort));
    EXPECT_TRUE(CProgramHarness::ReadInt("COM Einstellungen", "000_State  ID", dwValue));
    EXPECT_TRUE(CProgramHarness::ReadInt("COM Einstellungen", "000_Baudrate", dwValue));
    std::vector<BYTE> record;
    EXPECT_TRUE(CProgramHarness::ReadBinary("DespiteReset", "MeasureAdjustStruct", record));
    EXPECT_EQ(208u, record.size());
    EXPECT_TRUE(CProgramHarness::ReadBinary("DespiteReset", "DocumentationStruct", record));
    EXPECT_EQ(60u, record.size());
    EXPECT_TRUE(CProgramHarness::ReadBinary("DespiteReset", "MeasureDgrmStruct", record));
    EXPECT_EQ(16u, record.size());
    EXPECT_TRUE(CProgramHarness::ReadBinary("AllViewState\\Configs\\TreeState", "TreeCtrlStruct", record));
    EXPECT_EQ(88u, record.size());
    DWORD dwPage = 0;
    EXPECT_TRUE(CProgramHarness::ReadInt("AllViewState\\Configs", "ActivDisplayMenu", dwPage));
    EXPECT_EQ(138u, dwPage);
}

TEST_F(ProgramTest, SecondStartRestoresTheWindowWhereItWas)
{
    HWND hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    ASSERT_TRUE(::SetWindowPos(hFrame, nullptr, 120, 90, 1000, 760, SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();

    hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    RECT rc = {};
    ::GetWindowRect(hFrame, &rc);
    EXPECT_EQ(120, rc.left);
    EXPECT_EQ(90, rc.top);
    EXPECT_EQ(1000, rc.right - rc.left);
    EXPECT_EQ(760, rc.bottom - rc.top);
    ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
}

TEST_F(ProgramTest, StoredMaximisedWindowIsShownMaximised)
{
    RunOnce();
    ASSERT_TRUE(CProgramHarness::WriteInt("AllViewState\\Configs\\WindowPos", "IsMaximized", 7));
    HWND hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    EXPECT_TRUE(::IsZoomed(hFrame));
    ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
}

// A start with a sensor that does not answer: the start-up dialog once the search has failed.
class ProgramWithoutSensorTest : public ProgramTest
{
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(m_sim.InjectFault("no_answer", "all", "\"command\": \"B\""));
        ASSERT_TRUE(m_program.Start()) << m_program.LastError();
        m_hStartUp = m_program.WaitForWindow(CProgramHarness::StartUpDialog());
        ASSERT_TRUE(m_hStartUp) << m_program.LastError();
        ASSERT_TRUE(m_program.WaitForVisible(::GetDlgItem(m_hStartUp, IDC_STARTUP_SEARCH_AGAIN), true,
                                             START_TIMEOUT_MS))
            << m_program.LastError();
    }
    HWND m_hStartUp = nullptr;
};

// Without a sensor the dialog stays, offers to search again, and a new search finds the sensor.
TEST_F(ProgramWithoutSensorTest, SearchAgainFindsTheSensorOnceItAnswers)
{
    HWND hStartUp = m_hStartUp;
    HWND hSearchAgain = ::GetDlgItem(hStartUp, IDC_STARTUP_SEARCH_AGAIN);
    EXPECT_EQ("Erneut suchen", CProgramHarness::GetText(hSearchAgain));
    EXPECT_TRUE(CProgramHarness::IsVisible(::GetDlgItem(hStartUp, IDC_STARTUP_INFO)));
    EXPECT_TRUE(CProgramHarness::IsVisible(::GetDlgItem(hStartUp, IDC_STARTUP_SEARCH_ALL)));
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(::GetDlgItem(hStartUp, IDC_STARTUP_SEARCH_ALL), BM_GETCHECK, 0, 0));
    EXPECT_EQ(0u, CProgramHarness::GetText(::GetDlgItem(hStartUp, IDC_STARTUP_TEXT)).find("Es wurde kein"));
    CProgramHarness::WindowQuery anyFrame = CProgramHarness::MainFrame();
    anyFrame.bVisible = false;
    EXPECT_FALSE(CProgramHarness::IsVisible(m_program.FindWindow(anyFrame)));
    std::string strShot;
    EXPECT_TRUE(m_program.SaveScreenshot(hStartUp, "program_startup_search_failed", &strShot))
        << m_program.LastError();
    std::printf("screenshot: %s\n", strShot.c_str());

    // Info names the program's version and the supported sensors.
    ASSERT_TRUE(m_program.PostClick(::GetDlgItem(hStartUp, IDC_STARTUP_INFO))) << m_program.LastError();
    HWND hBox = m_program.WaitForMessageBox();
    ASSERT_TRUE(hBox) << m_program.LastError();
    const std::string strInfo = m_program.MessageBoxText(hBox);
    EXPECT_EQ(0u, strInfo.find("TQ5 (Version 2.05)\n")) << strInfo;
    EXPECT_NE(std::string::npos, strInfo.find("Unterstützte Sensoren:")) << strInfo;
    ASSERT_TRUE(m_program.AnswerMessageBox(hBox, IDOK)) << m_program.LastError();

    ASSERT_TRUE(m_sim.ClearFaults());
    ASSERT_TRUE(m_program.Click(hSearchAgain)) << m_program.LastError();
    EXPECT_FALSE(CProgramHarness::IsVisible(hSearchAgain));
    ASSERT_TRUE(m_program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS))
        << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForVisible(hStartUp, false)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
}

TEST_F(ProgramWithoutSensorTest, ExitClosesTheProgram)
{
    HWND hExit = ::GetDlgItem(m_hStartUp, IDC_STARTUP_EXIT);
    EXPECT_EQ("Beenden", CProgramHarness::GetText(hExit));
    ASSERT_TRUE(m_program.Click(hExit)) << m_program.LastError();
    DWORD dwExitCode = 1;
    ASSERT_TRUE(m_program.WaitForExit(CProgramHarness::DEFAULT_TIMEOUT_MS, &dwExitCode))
        << m_program.LastError();
    EXPECT_EQ(0u, dwExitCode);
}
