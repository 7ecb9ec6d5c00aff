// The measure-configuration page of the running program against the simulated sensor: what it shows
// after a connection, the writes of its changes to the sensor, the serial-number question, the
// software-scaling dialog and the language switch with the page in front.
#include "ProgramTestSupport.h"

#include "controls/ControlTexts.h"
#include "framework/CString.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"

#include <dbt.h>

#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

namespace
{
constexpr int VIEW_ID = 0xE900;
// Long enough for a write the page would start a second after a change.
constexpr DWORD NO_WRITE_WAIT_MS = 2500;

std::string Text(UINT nId, int iLanguageOffset = LANGUAGE_GERMAN)
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(iLanguageOffset));
    return str.GetString();
}

// "\"event\": \"block_written\", \"block\": N" as the simulator's log writes it.
std::string BlockWritten(int iBlock)
{
    return "\"event\": \"block_written\", \"block\": " + std::to_string(iBlock) + ",";
}

} // namespace

class AdjustProgramTest : public ConnectedProgramTest
{
protected:
    // A TK-USB interface with two channels, the low-pass filter (revision 7) and an active software
    // configuration; channel A's filter stored at 500 Hz.
    void ConfigureTwoChannelSensor()
    {
        ASSERT_TRUE(
            m_sim.Command(R"({"cmd": "set_status", "fields": {"interface_kind": 0, "stator_rev": 7}})"));
        ASSERT_TRUE(m_sim.Command(
            R"({"cmd": "set_block", "block": "stator_operation", "fields": {"lowpass_a": 500, "lowpass_b": 3000}})"));
        ASSERT_TRUE(m_sim.Command(
            R"({"cmd": "set_block", "block": "stator_software_config", "fields": {"cfg7": 1}})"));
    }

    // Brings page 135 to the front and finds it.
    void ShowAdjustPage()
    {
        ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_ADJUST, Text(IDS_TREE_MEASURE_ADJUST, m_iLanguage)))
            << m_program.LastError();
        HWND hView = ::GetDlgItem(m_hFrame, VIEW_ID);
        for (HWND hPage = ::GetWindow(hView, GW_CHILD); hPage; hPage = ::GetWindow(hPage, GW_HWNDNEXT))
        {
            if (::IsWindowVisible(hPage) && ::GetDlgItem(hPage, IDC_ADJ_GROUP))
                m_hPage = hPage;
        }
        ASSERT_TRUE(m_hPage);
    }

    HWND Item(int iId) const { return ::GetDlgItem(m_hPage, iId); }
    std::string ItemText(int iId) const { return CProgramHarness::GetText(Item(iId)); }

    // A field of a block as the simulator holds it now.
    std::string BlockField(const std::string& strBlock, const std::string& strField)
    {
        const std::string strAnswer = m_sim.Request(R"({"cmd": "get_block", "block": ")" + strBlock + "\"}");
        return CSimClient::FindValue(CSimClient::FindValue(strAnswer, "fields"), strField);
    }

    // Types into a field whose change asks a question: the text is set from another thread while this
    // one answers the box. The question's text in *pstrQuestion.
    bool SetTextAndAnswer(HWND hEdit, const std::string& strText, int iAnswer, std::string* pstrQuestion)
    {
        bool bTaken = false;
        std::thread typist([&] { bTaken = m_program.SetEditText(hEdit, strText); });
        HWND hBox = m_program.WaitForMessageBox();
        if (hBox && pstrQuestion)
            *pstrQuestion = m_program.MessageBoxText(hBox);
        const bool bAnswered = hBox && m_program.AnswerMessageBox(hBox, iAnswer);
        typist.join();
        return bAnswered && bTaken;
    }

    HWND OpenScalingDialog(int iButtonId)
    {
        if (!m_program.PostClick(Item(iButtonId)))
            return nullptr;
        CProgramHarness::WindowQuery query =
            CProgramHarness::Dialog(Text(IDS_SCALING, m_iLanguage) + " " + Text(IDS_CREATE, m_iLanguage));
        return m_program.WaitForWindow(query);
    }

    HWND m_hPage = nullptr;
};

// ---- What the page shows
// ------------------------------------------------------------------------------------

TEST_F(AdjustProgramTest, ConnectedSensorFillsChannelsRatesUnitsAndFilters)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureTwoChannelSensor());
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(ShowAdjustPage());

    EXPECT_EQ("Kanal A", ItemText(IDC_ADJ_CHECK_A));
    EXPECT_EQ("Kanal B", ItemText(IDC_ADJ_CHECK_B));
    for (int iId : {IDC_ADJ_CHECK_A, IDC_ADJ_CHECK_B})
    {
        EXPECT_EQ(BST_CHECKED, ::SendMessageA(Item(iId), BM_GETCHECK, 0, 0)) << iId;
        EXPECT_TRUE(::IsWindowEnabled(Item(iId))) << iId;
    }
    // Two channels at 115200 baud: from 1250/sek to 1/min; the sensor's rate code 6 selected.
    const std::vector<std::string> rates = CProgramHarness::ComboItemTexts(Item(IDC_ADJ_RATE));
    ASSERT_EQ(17U, rates.size());
    EXPECT_EQ("1250/sek", rates.front());
    EXPECT_EQ("1/min", rates.back());
    EXPECT_EQ("200/sek", ItemText(IDC_ADJ_RATE));
    // The sensor's display settings: unit 0 with 3 decimals, no averaging, sign +.
    const std::vector<std::string> units = CProgramHarness::ComboItemTexts(Item(IDC_ADJ_UNIT_A));
    EXPECT_EQ((std::vector<std::string>{"kN·m", "N·m", "cN·m", "mN·m", "ozf·ft", "ozf·in", "lbf·ft", "lbf·in",
                                        "ADU"}),
              units);
    EXPECT_EQ("kN·m", ItemText(IDC_ADJ_UNIT_A));
    EXPECT_EQ("3", ItemText(IDC_ADJ_DECIMALS_A));
    EXPECT_EQ("1", ItemText(IDC_ADJ_MEAN_A));
    EXPECT_EQ("+", ItemText(IDC_ADJ_SIGN_B));
    EXPECT_EQ("1", ItemText(IDC_ADJ_AVERAGING));
    // A stored cut-off of 500 Hz selects the 1000 Hz entry.
    EXPECT_EQ("Tiefpassfilter A", ItemText(IDC_ADJ_LOWPASS_LABEL_A));
    EXPECT_EQ("1000 Hz", ItemText(IDC_ADJ_LOWPASS_A));
    EXPECT_EQ("3000 Hz", ItemText(IDC_ADJ_LOWPASS_B));
    EXPECT_EQ("A10001", ItemText(IDC_ADJ_SERIAL_A));
    EXPECT_EQ("B10001", ItemText(IDC_ADJ_SERIAL_B));
    EXPECT_EQ("Erstellen", ItemText(IDC_ADJ_SCALING_A));
    EXPECT_EQ("Zeit", ItemText(IDC_ADJ_AXIS_X));
    EXPECT_EQ("Kanal A", ItemText(IDC_ADJ_AXIS_Y1));
    EXPECT_EQ("Kanal B", ItemText(IDC_ADJ_AXIS_Y2));
    EXPECT_EQ("Aus/Messen Start", ItemText(IDC_ADJ_START_SOURCE));
    EXPECT_FALSE(CProgramHarness::IsVisible(Item(IDC_ADJ_START_VALUE)));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "adjust_page_de")) << m_program.LastError();

    // A stop by count shows its field and the time it takes.
    ASSERT_TRUE(m_program.SelectComboItem(Item(IDC_ADJ_STOP_SOURCE), "Anzahl Messungen"))
        << m_program.LastError();
    EXPECT_TRUE(CProgramHarness::IsVisible(Item(IDC_ADJ_COUNT)));
    ASSERT_TRUE(m_program.SetEditText(Item(IDC_ADJ_COUNT), "1000")) << m_program.LastError();
    EXPECT_EQ("Messpunkte (5 sek)", ItemText(IDC_ADJ_COUNT_INFO));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "adjust_page_count_de")) << m_program.LastError();
}

// ---- Writes to the sensor
// -------------------------------------------------------------------------------------

TEST_F(AdjustProgramTest, FilterAndRateChangesAreWrittenToTheSensor)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureTwoChannelSensor());
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(ShowAdjustPage());

    // The filter chosen, never 0 Hz, and the other channel's as it was; the sensor restarts with it.
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.SelectComboItem(Item(IDC_ADJ_LOWPASS_A), "300 Hz")) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the stator operation block written", BlockWritten(2), 10000)) << m_sim.GetLog();
    EXPECT_EQ("300", BlockField("stator_operation", "lowpass_a"));
    EXPECT_EQ("3000", BlockField("stator_operation", "lowpass_b"));
    EXPECT_TRUE(WaitForLog("the restart", "\"event\": \"restart\"", 10000)) << m_sim.GetLog();
    // The status bar already reads "ready" during the restart: wait for the sensor to be back.
    EXPECT_TRUE(WaitForLog("the sensor booted", "\"event\": \"booted\"", 10000)) << m_sim.GetLog();
    EXPECT_TRUE(m_program.WaitFor("the page refilled from the restarted sensor", 30000,
                                  [&] { return ItemText(IDC_ADJ_LOWPASS_A) == "300 Hz"; }))
        << ItemText(IDC_ADJ_LOWPASS_A);
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_STATUS_READY))) << m_program.LastError();

    // A rate change writes the software configuration with the new rate byte.
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.SelectComboItem(Item(IDC_ADJ_RATE), "100/sek")) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the software configuration written", BlockWritten(3), 10000)) << m_sim.GetLog();
    EXPECT_EQ("8", BlockField("stator_software_config", "rate_code"));

    // A unit change too, with the unit index.
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.SelectComboItem(Item(IDC_ADJ_UNIT_B), "N·m")) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the software configuration written", BlockWritten(3), 10000)) << m_sim.GetLog();
    EXPECT_EQ("1", BlockField("stator_software_config", "unit_index_b"));
}

TEST_F(AdjustProgramTest, SerialNumberIsWrittenOnlyAfterYes)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureTwoChannelSensor());
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(ShowAdjustPage());
    HWND hSerial = Item(IDC_ADJ_SERIAL_A);

    ASSERT_TRUE(m_sim.ClearLog());
    std::string strQuestion;
    ASSERT_TRUE(SetTextAndAnswer(hSerial, "A10002", IDNO, &strQuestion)) << m_program.LastError();
    EXPECT_EQ(Text(IDS_SERIAL_QUESTION_A), strQuestion);
    EXPECT_EQ("A10001", CProgramHarness::GetText(hSerial));
    EXPECT_FALSE(WaitForLog("no rotor operation write", BlockWritten(131), NO_WRITE_WAIT_MS))
        << m_sim.GetLog();

    ASSERT_TRUE(SetTextAndAnswer(hSerial, "A10003", IDYES, nullptr)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the rotor operation block written", BlockWritten(131), 10000)) << m_sim.GetLog();
    EXPECT_EQ("A10003", BlockField("rotor_operation", "serial_a"));
    EXPECT_EQ("B10001", BlockField("rotor_operation", "serial_b"));
}

// ---- Software scaling -------------------------------------------------------------------------------------

TEST_F(AdjustProgramTest, ScalingIsSavedAsFactorPerInputUnit)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureTwoChannelSensor());
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(ShowAdjustPage());
    HWND hDialog = OpenScalingDialog(IDC_ADJ_SCALING_A);
    ASSERT_TRUE(hDialog) << m_program.LastError();
    auto item = [hDialog](int iId) { return ::GetDlgItem(hDialog, iId); };
    // Channel A's range of 2000 cN·m is 20 N·m.
    EXPECT_EQ("Kanal A", CProgramHarness::GetText(item(IDC_SCALE_CHANNEL_GROUP)));
    EXPECT_EQ("Drehmoment:", CProgramHarness::GetText(item(IDC_SCALE_MEASURAND)));
    EXPECT_EQ("N·m", CProgramHarness::GetText(item(IDC_SCALE_RANGE_UNIT)));
    EXPECT_EQ("20000", CProgramHarness::GetText(item(IDC_SCALE_FULL_SCALE)));
    EXPECT_EQ("0", CProgramHarness::GetText(item(IDC_SCALE_SCALED)));
    EXPECT_EQ("Erstellen", CProgramHarness::GetText(item(IDOK)));

    // The current value read from the sensor: 1234 counts of 0.1 cN·m are 1.234 N·m.
    ASSERT_TRUE(m_sim.SetConstant('A', 1234));
    ASSERT_TRUE(m_program.Click(item(IDC_SCALE_READ_CURRENT))) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(item(IDC_SCALE_PHYSICAL), "1,234")) << m_program.LastError();

    // A physical value of 0 leaves the factor undefined: Save is refused and the dialog stays.
    ASSERT_TRUE(m_program.SetEditText(item(IDC_SCALE_PHYSICAL), "0")) << m_program.LastError();
    ASSERT_TRUE(m_program.Click(item(IDOK))) << m_program.LastError();
    EXPECT_TRUE(::IsWindow(hDialog));

    ASSERT_TRUE(m_program.SetEditText(item(IDC_SCALE_PHYSICAL), "1")) << m_program.LastError();
    ASSERT_TRUE(m_program.SetEditText(item(IDC_SCALE_SCALED), "0,7376")) << m_program.LastError();
    ASSERT_TRUE(m_program.SetEditText(item(IDC_SCALE_UNIT), "lbft")) << m_program.LastError();
    EXPECT_TRUE(m_program.SaveScreenshot(hDialog, "adjust_scaling_de")) << m_program.LastError();
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.PostClick(item(IDOK))) << m_program.LastError();
    ASSERT_TRUE(
        m_program.WaitForNoWindow(CProgramHarness::Dialog(Text(IDS_SCALING) + " " + Text(IDS_CREATE))))
        << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the software configuration written", BlockWritten(3), 10000)) << m_sim.GetLog();
    EXPECT_NEAR(0.007376, std::atof(BlockField("stator_software_config", "scale_a").c_str()), 1e-7);
    EXPECT_EQ("lbft", BlockField("stator_software_config", "unit_a"));
    EXPECT_EQ("1", BlockField("stator_software_config", "sw_scaling_a"));
    // The acknowledged write selects the new unit, and the button now changes it.
    EXPECT_TRUE(m_program.WaitFor("the scaling unit selected", 10000,
                                  [&] { return ItemText(IDC_ADJ_UNIT_A) == "[lbft]"; }))
        << ItemText(IDC_ADJ_UNIT_A);
    EXPECT_EQ("Ändern", ItemText(IDC_ADJ_SCALING_A));
}

TEST_F(AdjustProgramTest, RemovingThePortClosesTheScalingDialogAsCancel)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureTwoChannelSensor());
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(ShowAdjustPage());
    HWND hDialog = OpenScalingDialog(IDC_ADJ_SCALING_B);
    ASSERT_TRUE(hDialog) << m_program.LastError();
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_sim.Unplug());
    ASSERT_TRUE(m_program.SendDeviceChange(m_hFrame, DBT_DEVICEREMOVECOMPLETE, "COM5"))
        << m_program.LastError();
    EXPECT_TRUE(
        m_program.WaitForNoWindow(CProgramHarness::Dialog(Text(IDS_SCALING) + " " + Text(IDS_CREATE))))
        << m_program.LastError();
    EXPECT_EQ(std::string::npos, m_sim.GetLog().find(BlockWritten(3)));
}

// ---- Languages
// ----------------------------------------------------------------------------------------------

// The page in front follows each switch at once, and keeps the language after it was left and shown
// again.
TEST_F(AdjustProgramTest, LanguageSwitchWithThePageInFrontRenewsItsTexts)
{
    ASSERT_NO_FATAL_FAILURE(ConfigureTwoChannelSensor());
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(ShowAdjustPage());
    const struct
    {
        UINT nCommand;
        int iLanguage;
        const char* pszFirstRate;
        const char* pszShot;
    } switches[] = {{ID_LANGUAGE_ENGLISH, LANGUAGE_ENGLISH, "1250/sec", "adjust_page_en"},
                    {ID_LANGUAGE_FRENCH, LANGUAGE_FRENCH, "1250/sek", "adjust_page_fr"},
                    {ID_LANGUAGE_GERMAN, LANGUAGE_GERMAN, "1250/sek", nullptr}};
    for (const auto& change : switches)
    {
        SCOPED_TRACE(change.iLanguage);
        m_iLanguage = change.iLanguage;
        ASSERT_TRUE(m_program.PostCommand(m_hFrame, change.nCommand));
        ASSERT_TRUE(
            m_program.WaitForText(Item(IDC_ADJ_MEASURAND_GROUP), Text(IDS_MEASURED_VARIABLE, m_iLanguage)))
            << m_program.LastError();
        for (int iPass = 0; iPass < 2; ++iPass)
        {
            EXPECT_EQ(Text(IDS_SAMPLING_RATE, m_iLanguage), ItemText(IDC_ADJ_RATE_GROUP));
            EXPECT_EQ(Text(IDS_CHANNEL_A, m_iLanguage), ItemText(IDC_ADJ_CHECK_A));
            EXPECT_EQ(Text(IDS_X_AXIS, m_iLanguage) + ":", ItemText(IDC_ADJ_AXIS_X_LABEL));
            EXPECT_EQ(Text(IDS_SOURCE, m_iLanguage) + ":", ItemText(IDC_ADJ_START_SOURCE_LABEL));
            EXPECT_EQ(Text(IDS_LOW_PASS_FILTER, m_iLanguage) + " A", ItemText(IDC_ADJ_LOWPASS_LABEL_A));
            EXPECT_EQ(Text(IDS_LOWER_LIMIT, m_iLanguage), ItemText(IDC_ADJ_LOWER1_LABEL));
            EXPECT_EQ(Text(IDS_START_SOURCE_OFF, m_iLanguage), ItemText(IDC_ADJ_START_SOURCE));
            EXPECT_EQ(change.pszFirstRate, CProgramHarness::ComboItemTexts(Item(IDC_ADJ_RATE)).front());
            // Leave the page and come back.
            ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_DIAGRAM, Text(IDS_PAGE_MEASURE_DIAGRAM, m_iLanguage)))
                << m_program.LastError();
            ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_ADJUST, Text(IDS_TREE_MEASURE_ADJUST, m_iLanguage)))
                << m_program.LastError();
        }
        if (change.pszShot)
        {
            EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, change.pszShot)) << m_program.LastError();
        }
    }
}
