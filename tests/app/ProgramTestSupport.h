// Shared steps of the program tests: a simulated sensor reset to its defaults, a program started from
// cleared settings, and the registry values of its profile.
#pragma once

#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "support/ProgramHarness.h"
#include "support/ProgramPages.h"
#include "support/SimClient.h"

#include <gtest/gtest.h>

// How long a start may take until the first search has found the simulated sensor.
constexpr DWORD START_TIMEOUT_MS = 60000;

constexpr int AFX_IDW_STATUS_BAR = 0xE801;

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Connect()) << "sensor simulator not reachable (SENSORSIM_PORT)";
        ASSERT_TRUE(m_sim.Reset());
        ASSERT_TRUE(CProgramHarness::ClearSettings());
    }
    void TearDown() override
    {
        m_program.Kill();
        m_sim.ClearFaults();
    }

    // Starts the program and waits until its main window is shown after the first search.
    HWND StartAndWaitForMainWindow(const std::string& strArguments = std::string())
    {
        if (!m_program.Start(strArguments))
            return nullptr;
        return WaitForMainWindow();
    }
    // Waits for the main window after the first search; a failure names what the start-up dialog shows.
    HWND WaitForMainWindow()
    {
        HWND hFrame = m_program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS);
        if (hFrame == nullptr)
            m_strStartUpState = DescribeStartUp();
        return hFrame;
    }
    bool ShowPage(HWND hFrame, UINT nCommand, const std::string& strCaption)
    {
        return ShowModePage(m_program, hFrame, nCommand, strCaption);
    }
    std::string DescribeStartUp()
    {
        CProgramHarness::WindowQuery query = CProgramHarness::StartUpDialog();
        query.bVisible = false;
        HWND hStartUp = m_program.FindWindow(query);
        if (hStartUp == nullptr)
            return "no start-up dialog";
        constexpr int IDC_STARTUP_TEXT = 1254;
        return std::string(CProgramHarness::IsVisible(hStartUp) ? "start-up dialog shown: \""
                                                                : "start-up dialog hidden: \"") +
               CProgramHarness::GetText(::GetDlgItem(hStartUp, IDC_STARTUP_TEXT)) +
               "\"; simulator: " + m_sim.GetState();
    }
    // One run from cleared settings to a normal exit, so the profile holds what the program stores.
    // A close during the sensor's initialisation is refused: the test closes once it has ended.
    void RunOnce()
    {
        HWND hFrame = StartAndWaitForMainWindow();
        ASSERT_TRUE(hFrame) << m_program.LastError();
        ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
        ASSERT_TRUE(m_program.Close()) << m_program.LastError();
    }
    // Waits until the status bar says, in any language, that the sensor is connected.
    bool WaitForConnected(HWND hFrame)
    {
        HWND hStatusBar = m_program.FindControl(hFrame, AFX_IDW_STATUS_BAR);
        return m_program.WaitFor(
            "the sensor connected", START_TIMEOUT_MS,
            [&]
            {
                const std::string strStatus = CProgramHarness::GetText(hStatusBar);
                for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH})
                {
                    if (strStatus == ProgramText(IDS_STATUS_READY, iLanguage))
                        return true;
                }
                return false;
            });
    }
    bool WaitForLog(const std::string& strWhat, const std::string& strNeedle,
                    DWORD dwTimeoutMs = CProgramHarness::DEFAULT_TIMEOUT_MS)
    {
        return m_program.WaitFor(strWhat, dwTimeoutMs,
                                 [&] { return m_sim.GetLog().find(strNeedle) != std::string::npos; });
    }

    CProgramHarness m_program;
    CSimClient m_sim;
    std::string m_strStartUpState; // what the start-up dialog showed when the main window did not come
};

// The program started and its sensor connected, with its frame, status bar and interface language.
class ConnectedProgramTest : public ProgramTest
{
protected:
    void StartConnected()
    {
        m_hFrame = StartAndWaitForMainWindow();
        ASSERT_TRUE(m_hFrame) << m_program.LastError() << "; " << m_strStartUpState;
        m_hStatusBar = m_program.FindControl(m_hFrame, AFX_IDW_STATUS_BAR);
        ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, ProgramText(IDS_STATUS_READY, m_iLanguage)))
            << m_program.LastError();
    }
    bool ShowPage(UINT nCommand, const std::string& strCaption)
    {
        return ProgramTest::ShowPage(m_hFrame, nCommand, strCaption);
    }
    HWND Control(int iId) { return m_program.FindControl(m_hFrame, iId); }
    // Clicks the button once it is enabled.
    bool ClickEnabled(int iId)
    {
        HWND hButton = Control(iId);
        return m_program.WaitFor("an enabled button " + std::to_string(iId),
                                 CProgramHarness::DEFAULT_TIMEOUT_MS,
                                 [&] { return ::IsWindowEnabled(hButton) != FALSE; }) &&
               m_program.Click(hButton);
    }

    HWND m_hFrame = nullptr;
    HWND m_hStatusBar = nullptr;
    int m_iLanguage = LANGUAGE_GERMAN;
};
