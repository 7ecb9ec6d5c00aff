// The measured-value and result files of measurements through the running program against the simulated
// sensor: the documentation page set up by hand, a stream measured, the files read back and compared
// field by field with what the simulator sent; both storage modes, a target folder that cannot be made,
// and the settings record after a clean exit.
#include "ProgramTestSupport.h"
#include "support/FolderFiles.h"

#include "controls/ControlTexts.h"
#include "measurement/MeasurementTexts.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "resources/resource_panel.h"
#include "resources/resource_storage.h"
#include "shell/CEnvironment.h"
#include "storage/DocumentationStruct.h"
#include "storage/StorageTexts.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <future>
#include <sstream>
#include <vector>

namespace
{
constexpr int BROWSE_EDIT_ID = 12345;
const char* const ROOT = "C:\\tq5storage";

std::string Text(int iId, int iLanguage = LANGUAGE_GERMAN)
{
    return ProgramText(iId, iLanguage);
}

std::vector<std::string> SplitLines(const std::string& strText, const std::string& strLineEnd)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    for (size_t n = strText.find(strLineEnd); n != std::string::npos; n = strText.find(strLineEnd, nStart))
    {
        lines.push_back(strText.substr(nStart, n - nStart));
        nStart = n + strLineEnd.size();
    }
    lines.push_back(strText.substr(nStart));
    return lines;
}

std::vector<std::string> SplitFields(const std::string& strLine, char cSeparator)
{
    std::vector<std::string> fields;
    std::stringstream in(strLine);
    std::string strField;
    while (std::getline(in, strField, cSeparator))
        fields.push_back(strField);
    return fields;
}

void RemoveFolder(const std::string& strFolder)
{
    for (const std::string& strFile : FolderFiles(strFolder, "*"))
        ::DeleteFileA(strFile.c_str());
    ::RemoveDirectoryA(strFolder.c_str());
}

// "12,34 N·m" as a number (the decimal comma swapped).
double ParseValue(std::string strField)
{
    const size_t nBlank = strField.find(' ');
    strField = strField.substr(0, nBlank);
    for (char& ch : strField)
        ch = ch == ',' ? '.' : ch;
    return std::atof(strField.c_str());
}
} // namespace

class ProgramStorageTest : public ConnectedProgramTest
{
protected:
    void SetUp() override
    {
        ConnectedProgramTest::SetUp();
        // Channel A in N·m with two decimals at 200 values a second; one count is 0.001 N·m.
        ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_block", "block": "stator_software_config", "fields": )"
                                  R"({"unit_index_a": 1, "decimals_a": 2, "rate_code": 6}})"));
        ::CreateDirectoryA(ROOT, nullptr);
        m_strFolder =
            std::string(ROOT) + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RemoveFolder(m_strFolder);
    }
    void TearDown() override
    {
        ConnectedProgramTest::TearDown();
        RemoveFolder(m_strFolder);
    }
    HWND Control(int iId) { return m_program.FindControl(m_hFrame, iId); }
    HWND DocuControl(int iId)
    {
        HWND hGroup = Control(IDC_DOCU_GROUP);
        return hGroup ? m_program.FindControl(::GetParent(hGroup), iId) : nullptr;
    }
    std::string LangText(int iId) { return Text(iId, m_iLanguage); }
    bool ShowDocumentation() { return ShowPage(ID_MODE_DOCUMENTATION, LangText(IDS_TREE_DOCUMENTATION)); }
    bool ShowSettings() { return ShowPage(ID_MODE_MEASURE_ADJUST, LangText(IDS_PAGE_MEASURE_ADJUST)); }
    bool ShowPanel() { return ShowPage(ID_MODE_MEASURE_DIAGRAM, LangText(IDS_PAGE_MEASURE_DIAGRAM)); }
    // A storage mode chosen while the note it brings up is answered with Continue.
    void ChooseStorage(int iComboId, int iModeTextId, const std::string& strFolder)
    {
        HWND hBrowse = DocuControl(iComboId == IDC_DOCU_MW_AUTO ? IDC_DOCU_MW_DIR : IDC_DOCU_IONIO_DIR);
        ASSERT_TRUE(hBrowse);
        ASSERT_TRUE(m_program.SetEditText(::GetDlgItem(hBrowse, BROWSE_EDIT_ID), strFolder))
            << m_program.LastError();
        HWND hCombo = DocuControl(iComboId);
        auto choice = std::async(std::launch::async,
                                 [&] { return m_program.SelectComboItem(hCombo, LangText(iModeTextId)); });
        if (choice.wait_for(std::chrono::milliseconds(300)) != std::future_status::ready)
        {
            HWND hNote = m_program.WaitForMessageBox();
            ASSERT_TRUE(hNote) << m_program.LastError();
            EXPECT_EQ(CProgramHarness::GetText(hNote), LangText(IDS_ADVICE));
            EXPECT_TRUE(m_program.AnswerMessageBox(hNote, IDOK)) << m_program.LastError();
        }
        EXPECT_TRUE(choice.get()) << m_program.LastError();
    }
    void SetCondition(const char* pszLower, const char* pszUpper)
    {
        ASSERT_TRUE(ShowSettings()) << m_program.LastError();
        ASSERT_TRUE(m_program.SelectComboItem(Control(IDC_ADJ_MEASURAND1), Text(IDS_CHANNEL_A)))
            << m_program.LastError();
        ASSERT_TRUE(m_program.SetEditText(Control(IDC_ADJ_LOWER1), pszLower)) << m_program.LastError();
        ASSERT_TRUE(m_program.SetEditText(Control(IDC_ADJ_UPPER1), pszUpper)) << m_program.LastError();
    }
    // A measurement of about dwMs, stopped, and the files finished (Start enabled again).
    void Measure(DWORD dwMs = 1000)
    {
        ASSERT_TRUE(ShowPanel()) << m_program.LastError();
        ASSERT_TRUE(m_sim.ClearLog());
        HWND hStart = Control(IDC_PANEL_START);
        ASSERT_TRUE(
            m_program.WaitFor("Start enabled", 10000, [&] { return ::IsWindowEnabled(hStart) != FALSE; }));
        ASSERT_TRUE(m_program.Click(hStart)) << m_program.LastError();
        ASSERT_TRUE(m_program.WaitFor("the measurement running", 10000,
                                      [&] { return ::IsWindowEnabled(Control(IDC_PANEL_STOP)) != FALSE; }));
        // Measured from the first value on its way: a streamed one or a polled one.
        ASSERT_TRUE(m_program.WaitFor("the first value", 10000,
                                      [&]
                                      {
                                          const std::string strLog = m_sim.GetLog();
                                          return strLog.find("\"event\": \"stream_start\"") !=
                                                     std::string::npos ||
                                                 strLog.find("\"answer_to\": \"A\"") != std::string::npos;
                                      }));
        // The length of the measurement, not a wait for the program.
        ::Sleep(dwMs);
        ASSERT_TRUE(m_program.Click(Control(IDC_PANEL_STOP))) << m_program.LastError();
        // The first tick of the file-pacing worker comes 3 s after the first value.
        ASSERT_TRUE(m_program.WaitFor("the files finished", 15000,
                                      [&] { return ::IsWindowEnabled(Control(IDC_PANEL_START)) != FALSE; }))
            << m_program.LastError();
    }
    // Start answered by the message strExpected; the measurement runs on, is stopped and ends.
    void MeasureAfterMessage(const std::string& strExpected)
    {
        ASSERT_TRUE(ShowPanel()) << m_program.LastError();
        ASSERT_TRUE(m_program.PostClick(Control(IDC_PANEL_START))) << m_program.LastError();
        HWND hBox = m_program.WaitForMessageBox();
        ASSERT_TRUE(hBox) << m_program.LastError();
        EXPECT_EQ(m_program.MessageBoxText(hBox), strExpected);
        ASSERT_TRUE(m_program.AnswerMessageBox(hBox, IDOK)) << m_program.LastError();
        EXPECT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
        ASSERT_TRUE(m_program.Click(Control(IDC_PANEL_STOP))) << m_program.LastError();
        EXPECT_TRUE(m_program.WaitFor("the measurement ended", 15000,
                                      [&] { return ::IsWindowEnabled(Control(IDC_PANEL_START)) != FALSE; }))
            << m_program.LastError();
    }
    // The rows of a measured-value file section: number, value of channel A; checked against the ramp.
    void CheckRows(const std::vector<std::string>& lines, size_t& nLine, int& nRows)
    {
        nRows = 0;
        double dPrevious = 0.0;
        for (; nLine < lines.size() && !lines[nLine].empty(); ++nLine)
        {
            const std::vector<std::string> fields = SplitFields(lines[nLine], ';');
            ASSERT_EQ(fields.size(), 2u) << lines[nLine];
            EXPECT_EQ(fields[0], std::to_string(nRows));
            ASSERT_GT(fields[1].size(), 5u);
            EXPECT_EQ(fields[1].substr(fields[1].size() - 4), " N\xB7m") << lines[nLine];
            EXPECT_EQ(fields[1].find(','), fields[1].size() - 7) << "two decimals: " << lines[nLine];
            const double dValue = ParseValue(fields[1]);
            // The ramp rises 0.01 N·m a record; the extra last point repeats or continues it.
            if (nRows > 0 && nLine + 1 < lines.size() && !lines[nLine + 1].empty())
            {
                EXPECT_NEAR(dValue - dPrevious, 0.01, 1e-9) << lines[nLine];
            }
            dPrevious = dValue;
            ++nRows;
        }
    }

    // The save dialog of command 10001 answered with strPath; further prompts (replace, create) with Yes.
    void SaveMeasuredValuesAs(const std::string& strPath)
    {
        ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_FILE_SAVE_MEASURED_VALUES)) << m_program.LastError();
        HWND hDialog = m_program.WaitForMessageBox();
        ASSERT_TRUE(hDialog) << m_program.LastError();
        // The file name field: the edit inside the explorer style's combo box, or the old style's edit.
        HWND hName = ::GetDlgItem(hDialog, 0x47c);
        while (hName != nullptr && ::GetWindow(hName, GW_CHILD) != nullptr)
            hName = ::GetWindow(hName, GW_CHILD);
        if (hName == nullptr)
            hName = ::GetDlgItem(hDialog, 0x480);
        ASSERT_TRUE(m_program.SetEditText(hName, strPath)) << m_program.LastError();
        ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        m_program.WaitFor("the save dialog to close", 5000,
                          [&]
                          {
                              if (!::IsWindow(hDialog))
                                  return true;
                              for (HWND hPrompt : m_program.TopWindows(CProgramHarness::Dialog()))
                              {
                                  if (hPrompt != hDialog && ::GetDlgItem(hPrompt, IDYES) != nullptr)
                                      ::PostMessageA(hPrompt, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
                              }
                              return false;
                          });
        if (::IsWindow(hDialog))
        {
            m_program.SaveScreenshot(hDialog, "storage_save_dialog");
            std::string strControls;
            for (HWND h = ::GetWindow(hDialog, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
            {
                char szClass[64] = {};
                ::GetClassNameA(h, szClass, sizeof(szClass));
                strControls += std::to_string(::GetDlgCtrlID(h)) + ":" + szClass + ":" +
                               CProgramHarness::GetText(h) + " ";
            }
            FAIL() << "the save dialog stays open: " << strControls;
        }
    }

    std::string m_strFolder;
};

// Own-index files: the measured values with their header and end text, and the result file.
TEST_F(ProgramStorageTest, OwnIndexFilesHoldTheStreamedValuesTheHeaderAndTheResult)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 1000, 10));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(SetCondition("0", "1")); // 1 N·m at most: fails
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_MW_AUTO, IDS_DOCU_STORAGE_OWN_INDEX, m_strFolder));
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_IONIO_AUTO, IDS_DOCU_STORAGE_OWN_INDEX, m_strFolder));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "documentation_page")) << m_program.LastError();
    const __time64_t tBefore = _time64(nullptr);
    ASSERT_NO_FATAL_FAILURE(Measure());
    const std::vector<std::string> values = FolderFiles(m_strFolder, "TAB*.csv");
    const std::vector<std::string> results = FolderFiles(m_strFolder, "ERG*.csv");
    ASSERT_EQ(values.size(), 1u);
    ASSERT_EQ(results.size(), 1u);

    const std::vector<std::string> lines = SplitLines(ReadWholeFile(values[0]), "\r\n");
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], std::string(55, '-'));
    const auto has = [&](const std::string& strLine)
    { return std::find(lines.begin(), lines.end(), strLine) != lines.end(); };
    EXPECT_TRUE(has("Seriennummer:;123456"));
    EXPECT_TRUE(has("Sensortyp:;500"));
    EXPECT_TRUE(has("Messrate:;200/sek"));
    EXPECT_TRUE(has("Reduzierung der Messrate mit Mittelung über 1 Wert."));
    const auto column = std::find(lines.begin(), lines.end(), "#;Kanal A (N\xB7m);");
    ASSERT_NE(column, lines.end());
    const auto start =
        std::find_if(lines.begin(), lines.end(),
                     [](const std::string& s) { return s.rfind("Start (Datum Uhrzeit):;", 0) == 0; });
    ASSERT_NE(start, lines.end());
    size_t nLine = static_cast<size_t>(column - lines.begin()) + 1;
    int nRows = 0;
    ASSERT_NO_FATAL_FAILURE(CheckRows(lines, nLine, nRows));
    EXPECT_GE(nRows, 100) << "a second at 200 values a second";
    // The end-of-storage text after two empty lines: stop date, time and the duration.
    ASSERT_GE(lines.size(), nLine + 3);
    EXPECT_TRUE(lines[nLine + 1].empty());
    const std::vector<std::string> stop = SplitFields(lines[nLine + 2], ';');
    ASSERT_EQ(stop.size(), 4u) << lines[nLine + 2];
    EXPECT_EQ(stop[0], "Stopp (Datum Uhrzeit Dauer):");
    tm tmNow = {};
    _localtime64_s(&tmNow, &tBefore);
    char szDate[16];
    std::snprintf(szDate, sizeof(szDate), "%02d.%02d.%04d", tmNow.tm_mday, tmNow.tm_mon + 1,
                  tmNow.tm_year + 1900);
    EXPECT_EQ(stop[1], szDate);
    EXPECT_EQ(stop[2].substr(stop[2].size() - 4), " Uhr");
    EXPECT_TRUE(stop[3] == "(00:00:01)" || stop[3] == "(00:00:02)") << stop[3];

    // The result file: its header ends with the two result lines, then the verdict line and the end text.
    const std::vector<std::string> result = SplitLines(ReadWholeFile(results[0]), "\r\n");
    const auto first =
        std::find(result.begin(), result.end(), "Datum;Zeit;Prüfung 1;;;Prüfung 2;;;Allgemein;");
    ASSERT_NE(first, result.end()) << ReadWholeFile(results[0]);
    ASSERT_LT(first + 2, result.end());
    EXPECT_EQ(*(first + 1), "(Stop - Event);;Maximalwert;Einheit;IO/NIO;Maximalwert;Einheit;IO/NIO;IO/NIO;");
    const std::vector<std::string> verdict = SplitFields(*(first + 2), ';');
    ASSERT_EQ(verdict.size(), 9u) << *(first + 2);
    EXPECT_EQ(verdict[0], szDate);
    EXPECT_GT(ParseValue(verdict[2]), 1.0);
    EXPECT_EQ(verdict[3], "N\xB7m");
    EXPECT_EQ(verdict[4], "NIO");
    EXPECT_EQ(verdict[5], " -");
    EXPECT_EQ(verdict[7], " -");
    EXPECT_EQ(verdict[8], "NIO");
}

// One file for all: two measurements appended, each numbered from 0; each result line ends in one LF.
TEST_F(ProgramStorageTest, OneFileModeAppendsEachMeasurementNumberedFromZero)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 1000, 10));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(SetCondition("0", "100")); // passes
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_MW_AUTO, IDS_DOCU_STORAGE_ONE_FILE, m_strFolder));
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_IONIO_AUTO, IDS_DOCU_STORAGE_ONE_FILE, m_strFolder));
    ASSERT_NO_FATAL_FAILURE(Measure());
    ASSERT_NO_FATAL_FAILURE(SetCondition("0", "1")); // fails
    ASSERT_NO_FATAL_FAILURE(Measure());
    ASSERT_TRUE(CEnvironment::FileExists((m_strFolder + "\\TAB.csv").c_str()));
    const std::vector<std::string> lines = SplitLines(ReadWholeFile(m_strFolder + "\\TAB.csv"), "\r\n");
    int nSections = 0;
    for (size_t nLine = 0; nLine < lines.size(); ++nLine)
    {
        if (lines[nLine] != "#;Kanal A (N\xB7m);")
            continue;
        ++nSections;
        ++nLine;
        int nRows = 0;
        ASSERT_NO_FATAL_FAILURE(CheckRows(lines, nLine, nRows));
        EXPECT_GE(nRows, 100);
    }
    EXPECT_EQ(nSections, 2);
    // The result file: header once (the second start is the operator's too, so it has its own), two
    // verdict lines each ended by a single LF.
    const std::string strResults = ReadWholeFile(m_strFolder + "\\ERG.csv");
    std::vector<std::string> verdicts;
    for (const std::string& strLine : SplitLines(strResults, "\n"))
    {
        if (strLine.find(";N\xB7m;") != std::string::npos)
            verdicts.push_back(strLine);
    }
    ASSERT_EQ(verdicts.size(), 2u) << strResults;
    EXPECT_EQ(verdicts[0].substr(verdicts[0].size() - 3), "IO;");
    EXPECT_EQ(verdicts[1].substr(verdicts[1].size() - 4), "NIO;");
    EXPECT_EQ(strResults.back(), '\n');
    EXPECT_NE(strResults[strResults.size() - 2], '\r');
}

// A target whose parent folder is missing: the message, and the measurement runs without the file.
TEST_F(ProgramStorageTest, TargetWithoutParentFolderIsReportedAndTheMeasurementRunsOn)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 1000, 10));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    const std::string strMissing = m_strFolder + "\\missing\\deeper";
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_MW_AUTO, IDS_DOCU_STORAGE_OWN_INDEX, strMissing));
    ASSERT_NO_FATAL_FAILURE(MeasureAfterMessage(Text(IDS_FOLDER_FAILED_BEFORE) + " '" + strMissing + "' " +
                                                Text(IDS_FOLDER_FAILED_AFTER)));
    EXPECT_FALSE(CEnvironment::FileExists(strMissing.c_str()));
}

// A file held open by another program: the message, the measurement runs on, and the file keeps what it had.
TEST_F(ProgramStorageTest, FileHeldByAnotherProgramIsReportedAndKeepsItsContents)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 1000, 10));
    ASSERT_TRUE(::CreateDirectoryA(m_strFolder.c_str(), nullptr));
    const std::string strFile = m_strFolder + "\\TAB.csv";
    HANDLE hHeld = ::CreateFileA(strFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    DWORD dwWritten = 0;
    ASSERT_TRUE(::WriteFile(hHeld, "keep\r\n", 6, &dwWritten, nullptr));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_MW_AUTO, IDS_DOCU_STORAGE_ONE_FILE, m_strFolder));
    ASSERT_NO_FATAL_FAILURE(MeasureAfterMessage(Text(IDS_FILE_CANNOT_OPEN) + " '" + strFile + "' " +
                                                Text(IDS_FILE_CANNOT_OPEN_END)));
    ::CloseHandle(hHeld);
    EXPECT_EQ(ReadWholeFile(strFile), "keep\r\n");
}

// Run under a German, an English and a French user locale by the tests app_csv_*, whose script then reads
// the file with Python's csv module: the separators are the interface language's and the locale's.
TEST_F(ProgramStorageTest, CsvFileInTheSeparatorsOfTheLanguageAndTheLocale)
{
    const WORD wLanguage = PRIMARYLANGID(::GetUserDefaultLangID());
    m_iLanguage = wLanguage == LANG_ENGLISH  ? LANGUAGE_ENGLISH
                  : wLanguage == LANG_FRENCH ? LANGUAGE_FRENCH
                                             : LANGUAGE_GERMAN;
    const char* pszCode = m_iLanguage == LANGUAGE_ENGLISH  ? "en"
                          : m_iLanguage == LANGUAGE_FRENCH ? "fr"
                                                           : "de";
    const std::string strFolder = std::string(ROOT) + "\\csv_" + pszCode;
    RemoveFolder(strFolder);
    ASSERT_TRUE(m_sim.SetRamp('A', -2000, 10));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    const std::string strColumn = m_iLanguage == LANGUAGE_ENGLISH ? "[,]" : "[;]";
    EXPECT_EQ(CProgramHarness::GetText(DocuControl(IDC_DOCU_COLUMN_SEP)), strColumn);
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_MW_AUTO, IDS_DOCU_STORAGE_OWN_INDEX, strFolder));
    ASSERT_NO_FATAL_FAILURE(Measure());
    EXPECT_EQ(FolderFiles(strFolder, "TAB*.csv").size(), 1u);
}

// A manual save: the header of the measurement's start, its rows, the end text and, with a condition set,
// the result lines; over a file that cannot be deleted it says so and the file keeps what it had.
TEST_F(ProgramStorageTest, ManualSaveWritesTheMeasurementAndRefusesAnUndeletableFile)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 1000, 10));
    ASSERT_TRUE(::CreateDirectoryA(m_strFolder.c_str(), nullptr));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_NO_FATAL_FAILURE(SetCondition("0", "100"));
    ASSERT_NO_FATAL_FAILURE(Measure());
    const std::string strFile = m_strFolder + "\\manual.csv";
    ASSERT_NO_FATAL_FAILURE(SaveMeasuredValuesAs(strFile));
    std::string strText;
    EXPECT_TRUE(m_program.WaitFor("the saved file", 15000,
                                  [&]
                                  {
                                      strText = ReadWholeFile(strFile);
                                      return strText.size() > 4 &&
                                             strText.substr(strText.size() - 4) == ";IO;";
                                  }))
        << strText;
    const std::vector<std::string> lines = SplitLines(strText, "\r\n");
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], std::string(55, '-'));
    const auto column = std::find(lines.begin(), lines.end(), "#;Kanal A (N\xB7m);");
    ASSERT_NE(column, lines.end());
    size_t nLine = static_cast<size_t>(column - lines.begin()) + 1;
    int nRows = 0;
    ASSERT_NO_FATAL_FAILURE(CheckRows(lines, nLine, nRows));
    EXPECT_GE(nRows, 100);
    ASSERT_GE(lines.size(), nLine + 6);
    EXPECT_EQ(lines[nLine + 2].rfind("Stopp (Datum Uhrzeit Dauer):;", 0), 0u) << lines[nLine + 2];
    EXPECT_EQ(lines[nLine + 5], "Datum;Zeit;Prüfung 1;;;Prüfung 2;;;Allgemein;");
    EXPECT_EQ(lines.back().substr(lines.back().size() - 16), ";IO; -; -; -;IO;") << lines.back();

    // Held open without delete sharing, the file cannot be replaced.
    HANDLE hHeld = ::CreateFileA(strFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    ASSERT_NO_FATAL_FAILURE(SaveMeasuredValuesAs(strFile));
    HWND hBox = m_program.WaitForMessageBox();
    ASSERT_TRUE(hBox) << m_program.LastError();
    EXPECT_EQ(m_program.MessageBoxText(hBox),
              Text(IDS_FILE_CANNOT_OPEN) + " '" + strFile + "' " + Text(IDS_FILE_CANNOT_OPEN_END));
    EXPECT_TRUE(m_program.AnswerMessageBox(hBox, IDOK)) << m_program.LastError();
    ::CloseHandle(hHeld);
    EXPECT_EQ(ReadWholeFile(strFile), strText);
}

// After a clean exit the record is stored with valid check words; a record of 59 bytes gives the defaults.
TEST_F(ProgramStorageTest, SettingsRecordIsStoredWithItsChecksAndAShortOneGivesTheDefaults)
{
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    ASSERT_TRUE(m_program.SetEditText(DocuControl(IDC_DOCU_MW_PREFIX), "MESS")) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
    std::vector<BYTE> record;
    ASSERT_TRUE(CProgramHarness::ReadBinary("DespiteReset", "DocumentationStruct", record));
    ASSERT_EQ(record.size(), sizeof(DocumentationStruct));
    DocumentationStruct docu;
    std::memcpy(&docu, record.data(), sizeof(docu));
    EXPECT_TRUE(CEnvironment::CheckStructSum(&docu, sizeof(docu), &docu.iSizeOfStruct, &docu.iSumOfStruct,
                                             &docu.iWeightedSumOfStruct, 0));
    EXPECT_EQ(docu.iSizeOfStruct, 60);
    std::string strPrefix;
    ASSERT_TRUE(CProgramHarness::ReadString("DespiteReset", "MWPrefix", strPrefix));
    EXPECT_EQ(strPrefix, "MESS");

    // A record with a wrong check word, then one a byte short: the defaults each time.
    record[52] ^= 1;
    for (int iRun = 0; iRun < 2; ++iRun)
    {
        SCOPED_TRACE(iRun == 0 ? "wrong check word" : "59 bytes");
        ASSERT_TRUE(CProgramHarness::WriteBinary("DespiteReset", "DocumentationStruct", record));
        ASSERT_NO_FATAL_FAILURE(StartConnected());
        ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
        EXPECT_EQ(CProgramHarness::GetText(DocuControl(IDC_DOCU_MW_PREFIX)), "TAB");
        m_program.Kill();
        record.pop_back();
    }
}

// A polled measurement (10 values a second) is written the same way.
TEST_F(ProgramStorageTest, PolledMeasurementWritesItsRows)
{
    ASSERT_TRUE(m_sim.Command(R"({"cmd": "set_block", "block": "stator_software_config", "fields": )"
                              R"({"unit_index_a": 1, "decimals_a": 2, "rate_code": 13}})"));
    ASSERT_TRUE(m_sim.SetRamp('A', 1000, 10));
    ASSERT_NO_FATAL_FAILURE(StartConnected());
    ASSERT_TRUE(ShowDocumentation()) << m_program.LastError();
    ASSERT_NO_FATAL_FAILURE(ChooseStorage(IDC_DOCU_MW_AUTO, IDS_DOCU_STORAGE_ONE_FILE, m_strFolder));
    ASSERT_NO_FATAL_FAILURE(Measure(2000));
    const std::vector<std::string> lines = SplitLines(ReadWholeFile(m_strFolder + "\\TAB.csv"), "\r\n");
    const auto column = std::find(lines.begin(), lines.end(), "#;Kanal A (N\xB7m);");
    ASSERT_NE(column, lines.end());
    size_t nLine = static_cast<size_t>(column - lines.begin()) + 1;
    int nRows = 0;
    double dPrevious = -1e9;
    for (; nLine < lines.size() && !lines[nLine].empty(); ++nLine, ++nRows)
    {
        const std::vector<std::string> fields = SplitFields(lines[nLine], ';');
        ASSERT_EQ(fields.size(), 2u) << lines[nLine];
        EXPECT_EQ(fields[0], std::to_string(nRows));
        const double dValue = ParseValue(fields[1]);
        EXPECT_GE(dValue, dPrevious) << lines[nLine];
        dPrevious = dValue;
    }
    EXPECT_GE(nRows, 10) << "two seconds at 10 values a second";
    EXPECT_LE(nRows, 30);
}
