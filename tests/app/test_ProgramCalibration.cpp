// The calibration page of the running program against the simulated sensor on COM5: the uncertainty
// of a channel changed, refused out of range and deleted; the hidden user-calibration sequence driven
// through its dialogs with the readings at 8 ms, written and run twice, and cancelled during the scale
// reading. The simulator's log is the witness of what reaches the sensor.
#include "ProgramTestSupport.h"

#include "framework/CString.h"
#include "protocol/CTervane_Send.h"
#include "resources/resource.h"
#include "resources/resource_calibration.h"
#include "resources/resource_sensorpages.h"
#include "sensorpages/CDlgSensorInformationQbx.h"

#include <cstdlib>
#include <map>
#include <vector>

namespace
{
constexpr int IDS_SENSOR_ADJUSTMENT = 5025;
constexpr int IDS_SENSOR_INFORMATION = 5022;
constexpr int IDS_ACTIVE = 5125;
constexpr UINT CALIB_SAMPLES = 1250;
// A reading of the zero, control and scale values with its restart takes well over half a minute.
constexpr DWORD SEQUENCE_TIMEOUT_MS = 90000;
// The simulated sensor's values while unloaded and loaded, and the digits typed for both channels:
// the zero reads 32768, the control (+10000 counts) 42768 and the load 44768. The digits are rescaled by
// the range end number (up to 2000 here) and must still fit 16 bits.
constexpr int LOADED_VALUE = 12000;
constexpr int CONTROL_DELTA = 10000;
constexpr int TYPED_DIGITS = 30;

bool IsFrame(const std::string& strEntry, const std::string& strCommand)
{
    return CSimClient::FindValue(strEntry, "dir") == "rx" &&
           CSimClient::FindValue(strEntry, "cmd") == strCommand;
}

bool IsEvent(const std::string& strEntry, const std::string& strEvent)
{
    return CSimClient::FindValue(strEntry, "event") == strEvent;
}

int Number(const std::string& strValue)
{
    return static_cast<int>(std::strtol(strValue.c_str(), nullptr, 0));
}

// The number of the range code's text, as the sensor's record holds it.
double RangeEndNumber(int iRangeCode)
{
    CString strRange;
    CTervane_Send::TerSend_RangeCodeToText(strRange, static_cast<UINT>(iRangeCode));
    return std::atof(strRange);
}
} // namespace

class ProgramCalibrationTest : public ConnectedProgramTest
{
protected:
    // A two-channel sensor (not the one-channel QBX interface), the program connected to it and the
    // calibration page in front with its uncertainty button enabled.
    void StartOnCalibrationPage()
    {
        ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_status", "fields": {"interface_kind": 0}})"));
        ASSERT_NO_FATAL_FAILURE(StartConnected());
        ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CALIBRATION, ProgramText(IDS_SENSOR_ADJUSTMENT, m_iLanguage)))
            << m_program.LastError();
        m_hUncertainty = m_program.FindControl(m_hFrame, IDC_CALIB_USER_UNCERTAINTY);
        ASSERT_TRUE(m_hUncertainty) << m_program.LastError();
        m_hPage = ::GetParent(m_hUncertainty);
        ASSERT_TRUE(m_program.WaitFor("the uncertainty button enabled", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&] { return ::IsWindowEnabled(m_hUncertainty) != FALSE; }))
            << m_program.LastError();
    }
    // A shown dialog of the program that has the control (and not the other one).
    HWND WaitForDialog(const std::string& strWhat, int iControl, int iWithout = 0,
                       DWORD dwTimeoutMs = CProgramHarness::DEFAULT_TIMEOUT_MS)
    {
        HWND hFound = nullptr;
        m_program.WaitFor(strWhat, dwTimeoutMs,
                          [&]
                          {
                              for (HWND hDialog : m_program.TopWindows(CProgramHarness::Dialog()))
                              {
                                  if (::GetDlgItem(hDialog, iControl) &&
                                      (iWithout == 0 || !::GetDlgItem(hDialog, iWithout)))
                                      hFound = hDialog;
                              }
                              return hFound != nullptr;
                          });
        return hFound;
    }
    bool WaitForNoDialog(const std::string& strWhat, int iControl, DWORD dwTimeoutMs)
    {
        return m_program.WaitFor(strWhat, dwTimeoutMs,
                                 [&]
                                 {
                                     for (HWND hDialog : m_program.TopWindows(CProgramHarness::Dialog()))
                                     {
                                         if (::GetDlgItem(hDialog, iControl))
                                             return false;
                                     }
                                     return true;
                                 });
    }
    bool PressButton(HWND hDialog, int iButton)
    {
        return m_program.PostClick(::GetDlgItem(hDialog, iButton));
    }
    std::vector<std::string> Log() { return CSimClient::LogEntries(m_sim.GetLog()); }
    // For failure messages: the number of frames received per command, and the last entries.
    std::string LogSummary()
    {
        const std::vector<std::string> entries = Log();
        std::map<std::string, int> counts;
        for (const std::string& strEntry : entries)
        {
            if (CSimClient::FindValue(strEntry, "dir") == "rx")
                ++counts[CSimClient::FindValue(strEntry, "cmd")];
        }
        std::string strSummary = "frames received:";
        for (const auto& [strCommand, iCount] : counts)
            strSummary += " " + strCommand + " " + std::to_string(iCount);
        for (HWND hDialog : m_program.TopWindows(CProgramHarness::Dialog()))
            strSummary += "\ndialog \"" + CProgramHarness::GetText(hDialog) +
                          "\": " + m_program.MessageBoxText(hDialog);
        for (size_t i = entries.size() > 8 ? entries.size() - 8 : 0; i < entries.size(); ++i)
            strSummary += "\n" + entries[i];
        return strSummary;
    }
    int CountFrames(const std::string& strCommand)
    {
        int iCount = 0;
        for (const std::string& strEntry : Log())
            iCount += IsFrame(strEntry, strCommand) ? 1 : 0;
        return iCount;
    }
    std::string BlockValue(int iBlock, const std::string& strKey)
    {
        return CSimClient::FindValue(
            m_sim.Request("{\"cmd\": \"get_block\", \"block\": " + std::to_string(iBlock) + "}"), strKey);
    }
    // Waits until the sensor has been restarted after a write of block 130 and read again.
    bool WaitForRewrittenAndReadAgain()
    {
        return m_program.WaitFor("block 130 written, the sensor restarted and read again",
                                 SEQUENCE_TIMEOUT_MS,
                                 [&]
                                 {
                                     const std::vector<std::string> entries = Log();
                                     size_t nStep = 0;
                                     for (const std::string& strEntry : entries)
                                     {
                                         if (nStep == 0 && IsEvent(strEntry, "block_written") &&
                                             CSimClient::FindValue(strEntry, "block") == "130")
                                             nStep = 1;
                                         else if (nStep == 1 && IsEvent(strEntry, "restart"))
                                             nStep = 2;
                                         else if (nStep == 2 && IsFrame(strEntry, "D") &&
                                                  CSimClient::FindValue(strEntry, "data") == "83")
                                             nStep = 3;
                                     }
                                     return nStep == 3;
                                 }) &&
               m_program.WaitForText(m_hStatusBar, ProgramText(IDS_STATUS_READY, m_iLanguage));
    }
    // One uncertainty round: Delete of a channel, then Yes.
    void DeleteUncertainty(int iButton)
    {
        ASSERT_TRUE(m_program.PostClick(m_hUncertainty)) << m_program.LastError();
        HWND hDefine = WaitForDialog("the uncertainty dialog", IDC_CALIB_UNCERTAINTY_A);
        ASSERT_TRUE(hDefine) << m_program.LastError();
        ASSERT_TRUE(PressButton(hDefine, iButton)) << m_program.LastError();
        HWND hWarning = WaitForDialog("the warning", IDC_CALIB_NOTE_1);
        ASSERT_TRUE(hWarning) << m_program.LastError();
        ASSERT_TRUE(PressButton(hWarning, IDOK)) << m_program.LastError();
    }

    HWND m_hPage = nullptr;
    HWND m_hUncertainty = nullptr;
};

// A changed uncertainty of channel B: block 130 with the value x 10000 and valid sums, then the restart,
// then the whole configuration read again in order; the information page shows the new state.
TEST_F(ProgramCalibrationTest, AChangedUncertaintyIsWrittenAndReadAgain)
{
    ASSERT_NO_FATAL_FAILURE(StartOnCalibrationPage());
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_calibration_page")) << m_program.LastError();
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.PostClick(m_hUncertainty)) << m_program.LastError();
    HWND hDefine = WaitForDialog("the uncertainty dialog", IDC_CALIB_UNCERTAINTY_A);
    ASSERT_TRUE(hDefine) << m_program.LastError();
    // The factory calibration's 0.1 % on both channels, in German.
    EXPECT_EQ("0,1", CProgramHarness::GetText(::GetDlgItem(hDefine, IDC_CALIB_UNCERTAINTY_A)));
    EXPECT_EQ("0,1", CProgramHarness::GetText(::GetDlgItem(hDefine, IDC_CALIB_UNCERTAINTY_B)));
    ASSERT_TRUE(m_program.SetEditText(::GetDlgItem(hDefine, IDC_CALIB_UNCERTAINTY_B), "0,25"))
        << m_program.LastError();
    EXPECT_TRUE(m_program.SaveScreenshot(hDefine, "program_calibration_uncertainty"))
        << m_program.LastError();
    ASSERT_TRUE(PressButton(hDefine, IDC_CALIB_ALT_OK)) << m_program.LastError();
    HWND hWarning = WaitForDialog("the warning", IDC_CALIB_NOTE_1);
    ASSERT_TRUE(hWarning) << m_program.LastError();
    ASSERT_TRUE(PressButton(hWarning, IDOK)) << m_program.LastError();
    ASSERT_TRUE(WaitForRewrittenAndReadAgain()) << m_program.LastError() << "\n" << LogSummary();

    // In this order: the write, the restart, the status and blocks 0 to 131 read again.
    std::vector<std::string> reread;
    bool bWritten = false;
    bool bRestarted = false;
    for (const std::string& strEntry : Log())
    {
        bWritten = bWritten ||
                   (IsEvent(strEntry, "block_written") && CSimClient::FindValue(strEntry, "block") == "130");
        bRestarted = bRestarted || (bWritten && IsEvent(strEntry, "restart"));
        if (bRestarted && (IsFrame(strEntry, "B") || IsFrame(strEntry, "D")))
            reread.push_back(CSimClient::FindValue(strEntry, "cmd") +
                             CSimClient::FindValue(strEntry, "data"));
    }
    const std::vector<std::string> expected = {"B", "D00", "D01", "D02", "D03", "D80", "D81", "D82", "D83"};
    EXPECT_EQ(expected, reread);
    EXPECT_EQ("0", BlockValue(130, "check"));
    EXPECT_EQ("2500", BlockValue(130, "uncertainty_b"));
    EXPECT_EQ("1000", BlockValue(130, "uncertainty_a"));

    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_INFORMATION, ProgramText(IDS_SENSOR_INFORMATION, m_iLanguage)))
        << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_program.FindControl(m_hFrame, IDC_INFO_USER_STATE),
                                      ProgramText(IDS_ACTIVE, m_iLanguage) + "*"))
        << m_program.LastError();
    EXPECT_TRUE(
        m_program.WaitForText(m_program.FindControl(m_hFrame, IDC_INFO_UNCERTAINTY_B),
                              CDlgSensorInformationQbx::UncertaintyText(0.25, m_iLanguage).GetString()))
        << m_program.LastError();
}

// 5 and 0 are refused with the range message (bounds 5 and 0) and nothing reaches the sensor.
TEST_F(ProgramCalibrationTest, AnUncertaintyOutOfRangeIsRefused)
{
    ASSERT_NO_FATAL_FAILURE(StartOnCalibrationPage());
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.PostClick(m_hUncertainty)) << m_program.LastError();
    for (const char* pszValue : {"5", "0"})
    {
        HWND hDefine = WaitForDialog("the uncertainty dialog", IDC_CALIB_UNCERTAINTY_A);
        ASSERT_TRUE(hDefine) << m_program.LastError();
        ASSERT_TRUE(m_program.SetEditText(::GetDlgItem(hDefine, IDC_CALIB_UNCERTAINTY_A), pszValue));
        ASSERT_TRUE(PressButton(hDefine, IDOK)) << m_program.LastError();
        // The range message, filled (a closing dialog loses its controls one by one).
        const std::string strBounds = "[ 5 % ] > [ Messunsicherheit ] > [ 0 % ]";
        HWND hFailure = nullptr;
        ASSERT_TRUE(m_program.WaitFor("the range message", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&]
                                      {
                                          for (HWND hDialog : m_program.TopWindows(CProgramHarness::Dialog()))
                                          {
                                              if (::GetDlgItem(hDialog, IDOK) &&
                                                  CProgramHarness::GetText(
                                                      ::GetDlgItem(hDialog, IDC_CALIB_UNCERTAINTY_LABEL_B))
                                                          .find(strBounds) != std::string::npos)
                                                  hFailure = hDialog;
                                          }
                                          return hFailure != nullptr;
                                      }))
            << m_program.LastError() << " for " << pszValue;
        ASSERT_TRUE(PressButton(hFailure, IDOK)) << m_program.LastError();
    }
    HWND hDefine = WaitForDialog("the uncertainty dialog again", IDC_CALIB_UNCERTAINTY_A);
    ASSERT_TRUE(hDefine) << m_program.LastError();
    ASSERT_TRUE(PressButton(hDefine, IDCANCEL)) << m_program.LastError();
    ASSERT_TRUE(
        WaitForNoDialog("the loop ended", IDC_CALIB_UNCERTAINTY_A, CProgramHarness::DEFAULT_TIMEOUT_MS));
    EXPECT_EQ(0, CSimClient::CountMember(m_sim.GetLog(), "dir", "\"rx\"")) << m_sim.GetLog();
}

// Deleting A while B keeps its uncertainty writes valid sums; deleting B then, with nothing valid left
// and the user calibration equal to the factory one, switches the block off.
TEST_F(ProgramCalibrationTest, DeletingTheUncertaintiesSwitchesTheBlockOffWhenNothingIsLeft)
{
    ASSERT_NO_FATAL_FAILURE(StartOnCalibrationPage());
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_NO_FATAL_FAILURE(DeleteUncertainty(IDC_CALIB_DELETE_A));
    ASSERT_TRUE(WaitForRewrittenAndReadAgain()) << m_program.LastError() << "\n" << LogSummary();
    EXPECT_EQ("0", BlockValue(130, "check"));
    EXPECT_EQ("0", BlockValue(130, "uncertainty_a"));
    EXPECT_EQ("1000", BlockValue(130, "uncertainty_b"));

    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CALIBRATION, ProgramText(IDS_SENSOR_ADJUSTMENT, m_iLanguage)));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_NO_FATAL_FAILURE(DeleteUncertainty(IDC_CALIB_DELETE_B));
    ASSERT_TRUE(WaitForRewrittenAndReadAgain()) << m_program.LastError() << "\n" << LogSummary();
    EXPECT_EQ("true", BlockValue(130, "switched_off"));
    EXPECT_EQ("0", BlockValue(130, "uncertainty_b"));
}

class ProgramCalibrationSequenceTest : public ProgramCalibrationTest
{
protected:
    void SetUp() override
    {
        ProgramCalibrationTest::SetUp();
        ASSERT_TRUE(m_sim.SetConstant('A', 0));
        ASSERT_TRUE(m_sim.SetConstant('B', 0));
    }
    // Posts the hidden button's command and answers the start question and the zero step; returns the
    // end-value dialog once the zero and control readings are in.
    HWND RunToEndValueStep()
    {
        HWND hButton = ::GetDlgItem(m_hPage, IDC_CALIB_USER_RUN);
        EXPECT_FALSE(CProgramHarness::IsVisible(hButton));
        ::PostMessageA(m_hPage, WM_COMMAND, MAKEWPARAM(IDC_CALIB_USER_RUN, BN_CLICKED),
                       reinterpret_cast<LPARAM>(hButton));
        HWND hStart = WaitForDialog("the start question", IDC_CALIB_WARNING_TEXT);
        if (hStart == nullptr || !PressButton(hStart, IDOK))
            return nullptr;
        HWND hZero = WaitForDialog("the zero step", IDC_CALIB_ZERO_TEXT);
        if (hZero == nullptr || !PressButton(hZero, IDOK))
            return nullptr;
        return WaitForDialog("the end-value step", IDC_CALIB_ADJUST_A, 0, SEQUENCE_TIMEOUT_MS);
    }
    // Loads the sensor, types the digits and continues: the scale values are read.
    bool StartScaleReading(HWND hEnd, const char* pszScreenshot = nullptr)
    {
        if (!m_sim.SetConstant('A', LOADED_VALUE) || !m_sim.SetConstant('B', LOADED_VALUE))
            return false;
        const std::string strDigits = std::to_string(TYPED_DIGITS);
        if (!m_program.SetEditText(::GetDlgItem(hEnd, IDC_CALIB_DIGITS_A), strDigits) ||
            !m_program.SetEditText(::GetDlgItem(hEnd, IDC_CALIB_DIGITS_B), strDigits))
            return false;
        if (pszScreenshot != nullptr)
        {
            EXPECT_TRUE(m_program.SaveScreenshot(hEnd, pszScreenshot)) << m_program.LastError();
        }
        return PressButton(hEnd, IDOK);
    }
    // The block as computed from the simulated readings: gains D / span in Q15, offset 0, digits D
    // rescaled by the range end (adjust value = range end), uncertainties 0.
    void ExpectComputedBlock()
    {
        const int iZero = 32768;
        EXPECT_EQ("0", BlockValue(130, "check"));
        EXPECT_EQ(std::to_string(static_cast<int>(double(TYPED_DIGITS) / LOADED_VALUE * 32768)),
                  BlockValue(130, "gain_a"));
        EXPECT_EQ(std::to_string(static_cast<int>(double(TYPED_DIGITS) / CONTROL_DELTA * 32768)),
                  BlockValue(130, "ctrl_b"));
        EXPECT_EQ(std::to_string(32768 - iZero), BlockValue(130, "offset_a"));
        const double dRangeA = RangeEndNumber(Number(BlockValue(128, "range_code_a")));
        EXPECT_EQ(std::to_string(static_cast<int>(TYPED_DIGITS * dRangeA)), BlockValue(130, "digits_a"));
        EXPECT_EQ("0", BlockValue(130, "uncertainty_a"));
        EXPECT_EQ("0", BlockValue(130, "uncertainty_b"));
    }
    // The frames of the zero step: the 'A' requests before the control signal goes on, at about 8 ms.
    void ExpectZeroStepFrames()
    {
        const std::vector<std::string> entries = Log();
        std::vector<double> times;
        std::vector<std::string> control;
        for (const std::string& strEntry : entries)
        {
            if (IsFrame(strEntry, "A") && control.empty())
                times.push_back(std::atof(CSimClient::FindValue(strEntry, "t").c_str()));
            if (IsFrame(strEntry, "E"))
                control.push_back(CSimClient::FindValue(strEntry, "data"));
        }
        EXPECT_GE(times.size(), size_t(CALIB_SAMPLES));
        EXPECT_LE(times.size(), size_t(CALIB_SAMPLES + 4));
        ASSERT_GE(times.size(), size_t(2));
        // Paced by the 8 ms tick: not sent flat out, and not left to a slow fallback. A busy machine merges
        // ticks that come while the previous one is still handled, so only loose bounds hold.
        const double dMeanMs = (times.back() - times.front()) * 1000.0 / double(times.size() - 1);
        EXPECT_GT(dMeanMs, 6.0);
        EXPECT_LT(dMeanMs, 40.0);
        ASSERT_GE(control.size(), size_t(2));
        EXPECT_EQ("01", control[0]);
        EXPECT_EQ("00", control[1]);
    }
};

// Twice in one program run: zero and control readings, the end values, the scale reading, the computed
// block 130 written, the restart and the end of the sequence once the sensor has been read again.
TEST_F(ProgramCalibrationSequenceTest, TheSequenceWritesTheComputedCalibrationTwice)
{
    ASSERT_NO_FATAL_FAILURE(StartOnCalibrationPage());
    for (int iRun = 0; iRun < 2; ++iRun)
    {
        SCOPED_TRACE("run " + std::to_string(iRun + 1));
        // The sensor's raw counts follow the calibration in force: each run starts from the factory one.
        ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_block", "block": 130, "empty": true})"));
        ASSERT_TRUE(m_sim.SetConstant('A', 0));
        ASSERT_TRUE(m_sim.SetConstant('B', 0));
        ASSERT_TRUE(m_sim.ClearLog());
        HWND hEnd = RunToEndValueStep();
        ASSERT_TRUE(hEnd) << m_program.LastError() << "\n" << LogSummary();
        ASSERT_NO_FATAL_FAILURE(ExpectZeroStepFrames());
        ASSERT_TRUE(StartScaleReading(hEnd, iRun == 0 ? "program_calibration_end_value" : nullptr))
            << m_program.LastError();
        ASSERT_TRUE(WaitForRewrittenAndReadAgain()) << m_program.LastError() << "\n" << LogSummary();
        ASSERT_TRUE(WaitForNoDialog("the sequence ended", IDC_CALIB_ADJUST_A, SEQUENCE_TIMEOUT_MS))
            << m_program.LastError();
        ExpectComputedBlock();
        ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CALIBRATION, ProgramText(IDS_SENSOR_ADJUSTMENT, m_iLanguage)));
    }
}

// A Cancel during the scale reading stops it: no block is written, whatever answers still come.
TEST_F(ProgramCalibrationSequenceTest, ACancelDuringTheScaleReadingWritesNothing)
{
    ASSERT_NO_FATAL_FAILURE(StartOnCalibrationPage());
    ASSERT_TRUE(m_sim.ClearLog());
    HWND hEnd = RunToEndValueStep();
    ASSERT_TRUE(hEnd) << m_program.LastError() << "\n" << LogSummary();
    const int iBeforeScale = CountFrames("A");
    ASSERT_TRUE(StartScaleReading(hEnd)) << m_program.LastError();
    // The measuring showing: Continue disabled while the scale values are read.
    HWND hMeasuring = nullptr;
    ASSERT_TRUE(m_program.WaitFor("the scale reading", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      hMeasuring = WaitForDialog("the end-value step", IDC_CALIB_ADJUST_A);
                                      return hMeasuring &&
                                             !::IsWindowEnabled(::GetDlgItem(hMeasuring, IDOK)) &&
                                             CountFrames("A") > iBeforeScale + 100;
                                  }))
        << m_program.LastError();
    ASSERT_TRUE(PressButton(hMeasuring, IDCANCEL)) << m_program.LastError();
    // The end-value step comes again for new entries; Cancel there ends the sequence.
    HWND hEntry = nullptr;
    ASSERT_TRUE(m_program.WaitFor("the end-value step for new entries", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      hEntry = WaitForDialog("the end-value step", IDC_CALIB_ADJUST_A);
                                      return hEntry && ::IsWindowEnabled(::GetDlgItem(hEntry, IDOK));
                                  }))
        << m_program.LastError();
    ASSERT_TRUE(PressButton(hEntry, IDCANCEL)) << m_program.LastError();
    ASSERT_TRUE(
        WaitForNoDialog("the sequence ended", IDC_CALIB_ADJUST_A, CProgramHarness::DEFAULT_TIMEOUT_MS));
    // The requests have stopped, so the abandoned reading can never complete.
    int iRequests = -1;
    ULONGLONG ullSince = 0;
    EXPECT_TRUE(m_program.WaitFor("the raw requests stopped for 40 periods",
                                  CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      const int iNow = CountFrames("A");
                                      if (iNow != iRequests)
                                      {
                                          iRequests = iNow;
                                          ullSince = ::GetTickCount64();
                                      }
                                      return ::GetTickCount64() - ullSince >= 320;
                                  }))
        << m_program.LastError();
    EXPECT_LT(iRequests, iBeforeScale + int(CALIB_SAMPLES)) << "the scale reading ran to its end";
    EXPECT_EQ(0, CSimClient::CountMember(m_sim.GetLog(), "cmd", "\"F\"")) << m_sim.GetLog();
}
