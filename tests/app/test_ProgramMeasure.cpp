// A measurement through the running program against the simulated sensor, driven through its windows:
// the values of a connected sensor on the panes and the panel, a stream started and stopped with its
// curve in the diagram and its fields redrawn at most every 100 ms, polling at 1/s with a control
// switch, the watchdog of a stream that falls silent, the unplugged sensor, the status after a stop and
// minimum and maximum kept across a language switch; with settings made on the settings page, the
// pass/fail light, a measurement started by a threshold and ended by a count, the programs run at start
// and stop, and a unit change that takes the tare off.
// Screenshots are kept in build/tests/screenshots and the simulator's logs in the failure messages.
#include "ProgramTestSupport.h"

#include "controls/ControlTexts.h"
#include "framework/CString.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "resources/resource_panel.h"
#include "support/WaitUntil.h"

#include <dbt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

namespace
{
constexpr int BAR_CHANNEL_A = 123;
constexpr int BAR_LIGHT = 122;
constexpr int BAR_DIAGRAM = 185;
const int PANE_FIELDS[4] = {IDC_CHANNEL_VALUE, IDC_CHANNEL_TARE_VALUE, IDC_CHANNEL_MIN_VALUE,
                            IDC_CHANNEL_MAX_VALUE};

std::string Text(UINT nId, int iLanguageOffset = LANGUAGE_GERMAN)
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(iLanguageOffset));
    return str.GetString();
}

// The times ("t") of the log's entries that hold strNeedle.
std::vector<double> EntryTimes(const std::string& strLog, const std::string& strNeedle)
{
    std::vector<double> times;
    for (size_t pos = strLog.find(strNeedle); pos != std::string::npos; pos = strLog.find(strNeedle, pos + 1))
    {
        const size_t begin = strLog.rfind('{', pos);
        const size_t t = strLog.find("\"t\": ", begin);
        if (begin != std::string::npos && t != std::string::npos && t < pos)
            times.push_back(std::atof(strLog.c_str() + t + 5));
    }
    return times;
}

// Pixels of the colour that the screen shows in the window.
int CountScreenPixels(HWND hWnd, COLORREF crColour)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    HDC hScreen = ::GetDC(nullptr);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y += 1)
        for (int x = rc.left; x < rc.right; x += 1)
            n += ::GetPixel(hScreen, x, y) == crColour;
    ::ReleaseDC(nullptr, hScreen);
    return n;
}
} // namespace

class ProgramMeasureTest : public ConnectedProgramTest
{
protected:
    // A torque sensor whose software configuration shows channel A in N·m with two decimals at the rate
    // code given; channel A of 2000 cN·m over 20000 counts: one count is 0.001 N·m.
    void SetUp() override
    {
        ConnectedProgramTest::SetUp();
        ConfigureSensor(6);
    }
    void ConfigureSensor(int iRateCode)
    {
        ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_block", "block": "stator_software_config", "fields": )"
                                  R"({"unit_index_a": 1, "decimals_a": 2, "rate_code": )" +
                                  std::to_string(iRateCode) + "}}"));
    }
    // The program connected and the operator panel in front.
    void StartOnPanel()
    {
        ASSERT_NO_FATAL_FAILURE(StartConnected());
        m_hPaneA = m_program.FindControl(m_hFrame, BAR_CHANNEL_A);
        ASSERT_TRUE(m_hPaneA);
        ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_DIAGRAM, Text(IDS_PAGE_MEASURE_DIAGRAM)));
    }
    HWND KeyboardFocus()
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(m_hFrame, nullptr), &info);
        return info.hwndFocus;
    }
    std::string PaneField(int iField)
    {
        return CProgramHarness::GetText(m_program.FindControl(m_hPaneA, iField));
    }
    bool WaitForPaneField(int iField, const std::string& strText)
    {
        return m_program.WaitForText(m_program.FindControl(m_hPaneA, iField), strText);
    }
    void Screenshot(const std::string& strName)
    {
        std::string strPath;
        EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, strName, &strPath)) << m_program.LastError();
        std::printf("screenshot: %s\n", strPath.c_str());
    }

    HWND m_hPaneA = nullptr;
};

TEST_F(ProgramMeasureTest, ConnectedSensorShowsItsScaledValuesAndItsInformation)
{
    ASSERT_TRUE(m_sim.SetConstant('A', 5000));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    // The value read at the initialisation and the single value after it: 5000 counts of 0.001 N·m.
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "5,00 N·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_MIN_VALUE, "5,00 N·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_MAX_VALUE, "5,00 N·m")) << m_program.LastError();
    EXPECT_EQ("Seriennummer: 123456", CProgramHarness::GetText(Control(IDC_PANEL_SERIAL)));
    EXPECT_EQ("Messbereichsendwert ( A ): 20,0 N·m", CProgramHarness::GetText(Control(IDC_PANEL_RANGE)));
    EXPECT_EQ("Messunsicherheit ( A ): 0,1 %", CProgramHarness::GetText(Control(IDC_PANEL_UNCERTAINTY)));
    EXPECT_EQ("Messrate: 200/sek", CProgramHarness::GetText(Control(IDC_PANEL_RATE)));
    EXPECT_EQ(Text(IDS_STATUS_READY), CProgramHarness::GetText(m_hStatusBar));
    // The value request of the initialisation and the single shot 500 ms after it (request and answer each).
    EXPECT_TRUE(
        m_program.WaitFor("the single shot after the initialisation", CProgramHarness::DEFAULT_TIMEOUT_MS,
                          [&] { return CSimClient::CountMember(m_sim.GetLog(), "cmd", "\"A\"") >= 4; }))
        << m_sim.GetLog();
    Screenshot("measure_connected");
}

TEST_F(ProgramMeasureTest, StreamDrawsTheCurveRedrawsFieldsAtMostTenTimesASecondAndStops)
{
    ASSERT_TRUE(m_sim.SetRamp('A', -9000, 7));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
    // The sensor offers channel A alone: the stream carries it alone.
    EXPECT_NE(std::string::npos, m_sim.GetLog().find("\"channels\": \"A\"")) << m_sim.GetLog();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_MEASURING))) << m_program.LastError();

    // For two seconds each field is watched: its text changes at most every 100 ms.
    HWND hValue = m_program.FindControl(m_hPaneA, IDC_CHANNEL_VALUE);
    std::string strLast = CProgramHarness::GetText(hValue);
    int iChanges = 0;
    const DWORD dwStart = ::GetTickCount();
    WaitUntil(
        [&]
        {
            const std::string strText = CProgramHarness::GetText(hValue);
            iChanges += strText != strLast;
            strLast = strText;
            return ::GetTickCount() - dwStart >= 2000;
        },
        5000);
    EXPECT_GE(iChanges, 5) << "the ramp moves the value";
    EXPECT_LE(iChanges, 21) << "at most ten changes a second";

    // The diagram draws channel A's curve in blue.
    HWND hDiagram = m_program.FindControl(m_hFrame, BAR_DIAGRAM);
    EXPECT_TRUE(m_program.WaitFor("the curve in the diagram", 10000,
                                  [&] { return CountScreenPixels(hDiagram, RGB(0, 0, 255)) > 200; }))
        << m_program.LastError();
    Screenshot("measure_streaming");

    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
    EXPECT_TRUE(WaitForLog("the stream stop", "\"event\": \"stream_stop\"")) << m_program.LastError();
    // The simulator logs the run of 0x02 bytes once it has ended.
    EXPECT_TRUE(WaitForLog("ten stop bytes", "\"event\": \"stop_bytes\", \"count\": 10")) << m_sim.GetLog();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitFor("Start enabled again", 5000,
                                  [&] { return ::IsWindowEnabled(Control(IDC_PANEL_START)) != FALSE; }));
    Screenshot("measure_stopped");
    // The status stays after a language switch, in the new language.
    ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_LANGUAGE_ENGLISH));
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY, LANGUAGE_ENGLISH)))
        << m_program.LastError();
}

TEST_F(ProgramMeasureTest, PollingAtOnePerSecondAsksOncePerTickAndAControlSwitchTakesATicksPlace)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureSensor(14)); // 1/s, polled
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    EXPECT_EQ("Messrate: 1/sek", CProgramHarness::GetText(Control(IDC_PANEL_RATE)));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    const std::string strRequestA = "\"dir\": \"rx\", \"cmd\": \"A\"";
    ASSERT_TRUE(m_program.WaitFor("three requests", 10000,
                                  [&] { return EntryTimes(m_sim.GetLog(), strRequestA).size() >= 3; }));
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_CTRL)) << m_program.LastError();
    const std::string strRequestE = "\"dir\": \"rx\", \"cmd\": \"E\"";
    ASSERT_TRUE(m_program.WaitFor("the control switch and two requests after it", 10000,
                                  [&]
                                  {
                                      const std::string strLog = m_sim.GetLog();
                                      const std::vector<double> e = EntryTimes(strLog, strRequestE);
                                      const std::vector<double> a = EntryTimes(strLog, strRequestA);
                                      return !e.empty() && !a.empty() && a.back() > e.front() + 1.5;
                                  }));
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
    const std::string strLog = m_sim.GetLog();
    const std::vector<double> switches = EntryTimes(strLog, strRequestE);
    ASSERT_EQ(1u, switches.size()) << strLog;
    // The acknowledged switch is followed by one request of the protocol's own for the new value; every
    // other request is a tick's.
    std::vector<double> ticks;
    int iAfterSwitch = 0;
    for (double t : EntryTimes(strLog, strRequestA))
    {
        const bool bAnswerToSwitch = t > switches.front() && t < switches.front() + 0.5;
        iAfterSwitch += bAnswerToSwitch;
        if (!bAnswerToSwitch)
            ticks.push_back(t);
    }
    EXPECT_EQ(1, iAfterSwitch) << strLog;
    ticks.push_back(switches.front());
    std::sort(ticks.begin(), ticks.end());
    // One request a second, the switch in the place of one.
    for (size_t i = 1; i < ticks.size(); ++i)
        EXPECT_NEAR(1.0, ticks[i] - ticks[i - 1], 0.25)
            << "between requests " << i - 1 << " and " << i << "\n"
            << strLog;
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
}

TEST_F(ProgramMeasureTest, StreamThatFallsSilentEndsWithTheProtocolErrorAfter800Ms)
{
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
    // The sensor restarts without greeting: no record comes any more.
    ASSERT_TRUE(m_sim.Command(R"({"cmd": "restart", "hello": false})"));
    const DWORD dwSilent = ::GetTickCount();
    HWND hBox = m_program.WaitForMessageBox(10000);
    const DWORD dwElapsed = ::GetTickCount() - dwSilent;
    ASSERT_TRUE(hBox) << m_program.LastError();
    EXPECT_EQ(Text(IDS_PROTOCOL_ERROR), m_program.MessageBoxText(hBox));
    EXPECT_GE(dwElapsed, 700u);
    EXPECT_LE(dwElapsed, 3000u);
    EXPECT_TRUE(m_program.AnswerMessageBox(hBox, IDOK)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
}

TEST_F(ProgramMeasureTest, UnpluggedSensorShowsDashesInEveryField)
{
    ASSERT_TRUE(m_sim.SetConstant('A', 1234));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "1,23 N·m")) << m_program.LastError();
    ASSERT_TRUE(m_sim.Unplug());
    ASSERT_TRUE(m_program.SendDeviceChange(m_hFrame, DBT_DEVICEREMOVECOMPLETE, "COM5"))
        << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_DISCONNECTED))) << m_program.LastError();
    for (int iField : PANE_FIELDS)
        EXPECT_TRUE(WaitForPaneField(iField, "---")) << m_program.LastError();
    EXPECT_EQ("Seriennummer: n.a.", CProgramHarness::GetText(Control(IDC_PANEL_SERIAL)));
    Screenshot("measure_unplugged");
}

// The sensor is lost without a device-change message (its line hangs up, as a pty or a failing USB adapter
// gives), during a stream and then while nothing is measured, and comes back each time: the loss is shown
// as for an unplugged sensor, without a message, and the program finds the sensor again by itself. Then
// Start streams, Stop ends the stream, and one close request ends the program.
TEST_F(ProgramMeasureTest, LineLostIsALostSensorFoundAgainOnceItAnswers)
{
    auto loseAndFindAgain = [&](const std::string& strWhen)
    {
        ASSERT_TRUE(m_sim.Unplug());
        EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_DISCONNECTED)))
            << strWhen << ": " << m_program.LastError();
        for (int iField : PANE_FIELDS)
            EXPECT_TRUE(WaitForPaneField(iField, "---")) << strWhen << ": " << m_program.LastError();
        EXPECT_FALSE(::IsWindowEnabled(Control(IDC_PANEL_START))) << strWhen << ": no start without a sensor";
        EXPECT_NE(nullptr, KeyboardFocus()) << strWhen << ": the keys still reach the program";
        Screenshot("measure_line_lost");
        ASSERT_TRUE(m_sim.Replug());
        EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY), START_TIMEOUT_MS))
            << strWhen << ": " << m_program.LastError();
        ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "1,23 N·m"))
            << strWhen << ": " << m_program.LastError();
        EXPECT_EQ(nullptr, m_program.FindWindow(CProgramHarness::Dialog())) << strWhen << ": no message";
        EXPECT_NE(nullptr, KeyboardFocus()) << strWhen << ": the keys reach the program again";
    };
    ASSERT_TRUE(m_sim.SetConstant('A', 1234));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "1,23 N·m")) << m_program.LastError();
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
    ASSERT_NO_FATAL_FAILURE(loseAndFindAgain("during a stream"));
    ASSERT_NO_FATAL_FAILURE(loseAndFindAgain("with nothing measured"));

    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    EXPECT_TRUE(WaitForLog("the stream start after the losses", "\"event\": \"stream_start\"", 10000))
        << m_program.LastError() << "\n"
        << m_sim.GetLog();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_MEASURING), 10000))
        << m_program.LastError();
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY), 10000)) << m_program.LastError();
    EXPECT_TRUE(m_program.Close(10000)) << "one close request ends the program: " << m_program.LastError();
}

TEST_F(ProgramMeasureTest, MinimumAndMaximumSurviveALanguageSwitchInTheNewFormat)
{
    ASSERT_TRUE(m_sim.SetConstant('A', 3000));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_MAX_VALUE, "3,00 N·m")) << m_program.LastError();
    ASSERT_TRUE(m_sim.SetConstant('A', 6000));
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_SINGLE_SHOT)) << m_program.LastError();
    ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_MAX_VALUE, "6,00 N·m")) << m_program.LastError();
    EXPECT_EQ("3,00 N·m", PaneField(IDC_CHANNEL_MIN_VALUE));

    ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_LANGUAGE_ENGLISH));
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY, LANGUAGE_ENGLISH)))
        << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_MAX_VALUE, "6.00 N·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_MIN_VALUE, "3.00 N·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "6.00 N·m")) << m_program.LastError();
    Screenshot("measure_english");
}

// A stream at 5000 records per second for TQ5_SOAK_SECONDS (default 5): the program keeps its window
// answering and ends the stream cleanly. The figures (longest and 99th-percentile answer to a WM_NULL sent
// every 100 ms) are printed for the record, not judged here.
TEST_F(ProgramMeasureTest, StreamAt5000PerSecondKeepsTheWindowAnswering)
{
    const char* pszSeconds = std::getenv("TQ5_SOAK_SECONDS");
    const DWORD dwSeconds = pszSeconds ? static_cast<DWORD>(std::atoi(pszSeconds)) : 5;
    ASSERT_NO_FATAL_FAILURE(ConfigureSensor(0)); // 5000/s, offered at 230400 baud
    ASSERT_TRUE(
        m_sim.Command(R"({"cmd": "set_block", "block": "stator_operation", "fields": {"baud_code": 16}})"));
    ASSERT_TRUE(m_sim.SetRateMode("230400"));
    ASSERT_TRUE(m_sim.SetRamp('A', -9000, 1));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    EXPECT_EQ("Messrate: 5000/sek", CProgramHarness::GetText(Control(IDC_PANEL_RATE)));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();

    const DWORD dwStart = ::GetTickCount();
    std::vector<DWORD> answers;
    DWORD dwNextProbe = dwStart;
    WaitUntil(
        [&]
        {
            const DWORD dwNow = ::GetTickCount();
            if (dwNow >= dwNextProbe)
            {
                DWORD_PTR dwResult = 0;
                const DWORD dwSent = ::GetTickCount();
                EXPECT_TRUE(::SendMessageTimeoutA(m_hFrame, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult));
                answers.push_back(::GetTickCount() - dwSent);
                dwNextProbe = dwSent + 100;
            }
            return dwNow - dwStart >= dwSeconds * 1000;
        },
        dwSeconds * 1000 + 10000);

    ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
    EXPECT_TRUE(WaitForLog("the stream stop", "\"event\": \"stream_stop\"")) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
    const std::string strLog = m_sim.GetLog();
    EXPECT_EQ(std::string::npos, strLog.find("stream_gap"));
    std::sort(answers.begin(), answers.end());
    ASSERT_FALSE(answers.empty());
    std::printf(
        "soak %lu s: %s records sent, %zu probes, answer p99 %lu ms, longest %lu ms\n", dwSeconds,
        CSimClient::FindValue(strLog.substr(strLog.find("\"event\": \"stream_stop\"")), "records").c_str(),
        answers.size(), answers[answers.size() * 99 / 100], answers.back());
    Screenshot("measure_soak");
}

namespace
{
// Colour of the light pane's picture at its centre: green, red or neither.
enum class Light
{
    GREEN,
    RED,
    OTHER
};

Light LightAtCentre(HWND hLight)
{
    RECT rc = {};
    ::GetWindowRect(hLight, &rc);
    HDC hScreen = ::GetDC(nullptr);
    const COLORREF cr = ::GetPixel(hScreen, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::ReleaseDC(nullptr, hScreen);
    const int r = GetRValue(cr);
    const int g = GetGValue(cr);
    if (g > r + 60)
        return Light::GREEN;
    if (r > g + 60)
        return Light::RED;
    return Light::OTHER;
}

bool FileExists(const std::string& strPath)
{
    return ::GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

class ProgramMeasureSettingsTest : public ProgramMeasureTest
{
protected:
    bool ShowSettings() { return ShowPage(ID_MODE_MEASURE_ADJUST, Text(IDS_PAGE_MEASURE_ADJUST)); }
    bool ShowPanel() { return ShowPage(ID_MODE_MEASURE_DIAGRAM, Text(IDS_PAGE_MEASURE_DIAGRAM)); }
    // A measurement of a moment: started, a few records streamed, stopped and ended.
    void MeasureBriefly()
    {
        ASSERT_TRUE(m_sim.ClearLog());
        ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
        ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
        // A tenth of a second of records at 200/s, so that the measurement has values to judge.
        ASSERT_TRUE(m_program.WaitFor(
            "records streamed", CProgramHarness::DEFAULT_TIMEOUT_MS,
            [&]
            {
                const std::string strStream = CSimClient::FindValue(m_sim.GetState(), "stream");
                return std::atoi(CSimClient::FindValue(strStream, "records").c_str()) >= 20;
            }))
            << m_program.LastError();
        ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
        ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();
    }
    void SetLimits(const char* pszLower, const char* pszUpper)
    {
        ASSERT_TRUE(ShowSettings()) << m_program.LastError();
        ASSERT_TRUE(m_program.SelectComboItem(Control(IDC_ADJ_MEASURAND1), Text(IDS_CHANNEL_A)))
            << m_program.LastError();
        ASSERT_TRUE(m_program.SetEditText(Control(IDC_ADJ_LOWER1), pszLower)) << m_program.LastError();
        ASSERT_TRUE(m_program.SetEditText(Control(IDC_ADJ_UPPER1), pszUpper)) << m_program.LastError();
        ASSERT_TRUE(ShowPanel()) << m_program.LastError();
    }
};

TEST_F(ProgramMeasureSettingsTest, LimitsOnTheSettingsPageGiveAGreenOrARedLight)
{
    ASSERT_TRUE(m_sim.SetConstant('A', 5000)); // 5,00 N·m
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    HWND hLight = m_program.FindControl(m_hFrame, BAR_LIGHT);
    struct Case
    {
        const char* pszLower;
        const char* pszUpper;
        Light light;
    };
    for (const Case& c : {Case{"4", "6", Light::GREEN}, Case{"6", "8", Light::RED}})
    {
        SCOPED_TRACE(std::string(c.pszLower) + " .. " + c.pszUpper);
        ASSERT_NO_FATAL_FAILURE(SetLimits(c.pszLower, c.pszUpper));
        ASSERT_NO_FATAL_FAILURE(MeasureBriefly());
        ASSERT_TRUE(m_program.WaitForVisible(hLight, true)) << m_program.LastError();
        EXPECT_TRUE(m_program.WaitFor("the light", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&] { return LightAtCentre(hLight) == c.light; }))
            << m_program.LastError();
        Screenshot(c.light == Light::GREEN ? "measure_light_green" : "measure_light_red");
    }
    // Without a condition no evaluation lights the pane: it goes grey at the start and stays so.
    ASSERT_NO_FATAL_FAILURE(SetLimits("", ""));
    ASSERT_NO_FATAL_FAILURE(MeasureBriefly());
    EXPECT_TRUE(!CProgramHarness::IsVisible(hLight) || LightAtCentre(hLight) == Light::OTHER);
}

TEST_F(ProgramMeasureSettingsTest, UnitChangedOnTheSettingsPageShowsTheValueInItAtOnceWithoutTheTare)
{
    ASSERT_TRUE(m_sim.SetConstant('A', 5000));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "5,00 N·m")) << m_program.LastError();
    ASSERT_TRUE(m_program.Click(m_program.FindControl(m_hPaneA, IDC_CHANNEL_TARE))) << m_program.LastError();
    ASSERT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "0,00 N·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_TARE_VALUE, "5,00 N·m")) << m_program.LastError();
    ASSERT_TRUE(ShowSettings()) << m_program.LastError();
    ASSERT_TRUE(m_program.SelectComboItem(Control(IDC_ADJ_UNIT_A), "cN·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_VALUE, "500,00 cN·m")) << m_program.LastError();
    EXPECT_TRUE(WaitForPaneField(IDC_CHANNEL_TARE_VALUE, "0,00 cN·m")) << m_program.LastError();
}

TEST_F(ProgramMeasureSettingsTest, ThresholdStartsTheMeasurementAndTheCountStopsIt)
{
    ASSERT_TRUE(m_sim.SetRamp('A', -3000, 10)); // -3 N·m rising 2 N·m a second at 200/s
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(ShowSettings()) << m_program.LastError();
    ASSERT_TRUE(m_program.SelectComboItem(Control(IDC_ADJ_START_SOURCE), Text(IDS_CHANNEL_A)))
        << m_program.LastError();
    ASSERT_TRUE(m_program.SelectComboItem(Control(IDC_ADJ_START_DIRECTION), Text(IDS_OVER_RUN)))
        << m_program.LastError();
    ASSERT_TRUE(m_program.SetEditText(Control(IDC_ADJ_START_VALUE), "1")) << m_program.LastError();
    ASSERT_TRUE(m_program.SelectComboItem(Control(IDC_ADJ_STOP_SOURCE), "Anzahl Messungen"))
        << m_program.LastError();
    ASSERT_TRUE(m_program.SetEditText(Control(IDC_ADJ_COUNT), "200")) << m_program.LastError();
    ASSERT_TRUE(ShowPanel()) << m_program.LastError();

    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_TRIGGER)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
    HWND hLed = Control(IDC_PANEL_LED_TRIGGER);
    EXPECT_TRUE(m_program.WaitFor("the green trigger LED", 10000,
                                  [&] { return LightAtCentre(hLed) == Light::GREEN; }))
        << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_WAIT_FOR_TRIGGER_STOP)))
        << m_program.LastError();
    Screenshot("measure_trigger_recording");
    // 200 values at 200/s: the count ends the recording; the trigger stays armed for the next one or is off.
    EXPECT_TRUE(
        m_program.WaitFor("the end by the count", 10000, [&] { return LightAtCentre(hLed) != Light::GREEN; }))
        << m_program.LastError();
    Screenshot("measure_trigger_done");
}

TEST_F(ProgramMeasureSettingsTest, ProgramsRunAtStartAndStopButNotWhenTheSettingsPageIsShown)
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    const std::string strBase =
        std::string(szTemp) + "tq5_programs_" + std::to_string(::GetCurrentProcessId());
    const std::string strStartMarker = strBase + "_started.txt";
    const std::string strStopMarker = strBase + "_stopped.txt";
    auto writeBatch = [](const std::string& strPath, const std::string& strMarker)
    {
        FILE* pFile = std::fopen(strPath.c_str(), "w");
        ASSERT_TRUE(pFile);
        std::fprintf(pFile, "@echo ran> \"%s\"\r\n", strMarker.c_str());
        std::fclose(pFile);
    };
    writeBatch(strBase + "_start.bat", strStartMarker);
    writeBatch(strBase + "_stop.bat", strStopMarker);
    ::DeleteFileA(strStartMarker.c_str());
    ::DeleteFileA(strStopMarker.c_str());

    // The programs are read with a stored settings record of this version.
    ASSERT_NO_FATAL_FAILURE(RunOnce());
    ASSERT_TRUE(
        CProgramHarness::WriteString("DespiteReset", "PartOfMeasureStartAddProg", strBase + "_start.bat"));
    ASSERT_TRUE(
        CProgramHarness::WriteString("DespiteReset", "PartOfMeasureStopAddProg", strBase + "_stop.bat"));
    ASSERT_NO_FATAL_FAILURE(StartOnPanel());
    ASSERT_TRUE(ShowSettings()) << m_program.LastError();
    ASSERT_TRUE(ShowPanel()) << m_program.LastError();

    ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitFor("the start marker", 10000, [&] { return FileExists(strStartMarker); }));
    EXPECT_FALSE(FileExists(strStopMarker)) << "showing the settings page ran the stop program";
    ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitFor("the stop marker", 10000, [&] { return FileExists(strStopMarker); }));
    for (const char* pszSuffix : {"_start.bat", "_stop.bat", "_started.txt", "_stopped.txt"})
        ::DeleteFileA((strBase + pszSuffix).c_str());
}
