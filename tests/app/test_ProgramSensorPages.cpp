// The sensor pages of the running program against the simulated sensor on COM5, driven through their
// windows: the connection list with its search progress, connecting and disconnecting by double-click,
// a port that does not answer, the baud-rate change, F5, the information page in two languages and the
// diagnostic page's telegrams. Expected values come from the simulator's configuration.
#include "ProgramTestSupport.h"

#include "framework/CString.h"
#include "protocol/CTervane_Send.h"
#include "resources/resource.h"
#include "resources/resource_sensorpages.h"
#include "shell/CEnvironment.h"
#include "protocol/Language.h"
#include "shell/CFrameDateTime.h"

#include <cstdlib>
#include <ctime>
#include <vector>

namespace
{
constexpr int COL_INTERFACE = 0;
constexpr int COL_BAUDRATE = 1;
constexpr int COL_ADDRESS = 2;
constexpr int COL_SERIAL = 3;
constexpr int COL_RANGE = 4;
constexpr int COL_STATE = 5;
constexpr int COL_SENSOR_TYPE = 6;
constexpr UINT IDS_CONNECTION = 5021;
constexpr UINT IDS_INFORMATION = 5022;
constexpr UINT IDS_DIAGNOSTIC = 5027;
constexpr UINT IDS_ACTIVE = 5125;
constexpr UINT IDS_AVAILABLE = 5126;
constexpr UINT IDS_INACTIVE = 5187;
constexpr UINT IDS_CHECK_INTERFACE = 5355;
constexpr UINT IDS_PORT_BUSY_BEFORE = 5131;
constexpr UINT IDS_PORT_BUSY_AFTER = 5132;
constexpr UINT IDS_READY = 5270;
constexpr UINT IDS_DISCONNECTED = 5271;

std::string Text(UINT nId, int iLanguage)
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(iLanguage));
    return str.GetString();
}

int Number(const std::string& strValue)
{
    return static_cast<int>(std::strtol(strValue.c_str(), nullptr, 0));
}

// The objects of the simulator's log (a JSON array of flat objects), one text each.
std::vector<std::string> LogEntries(const std::string& strLog)
{
    std::vector<std::string> entries;
    int iDepth = 0;
    size_t nStart = 0;
    for (size_t i = 0; i < strLog.size(); ++i)
    {
        if (strLog[i] == '{' && iDepth++ == 0)
            nStart = i;
        else if (strLog[i] == '}' && iDepth > 0 && --iDepth == 0)
            entries.push_back(strLog.substr(nStart, i - nStart + 1));
    }
    return entries;
}

bool IsFrame(const std::string& strEntry, const std::string& strCommand)
{
    return CSimClient::FindValue(strEntry, "dir") == "rx" &&
           CSimClient::FindValue(strEntry, "cmd") == strCommand;
}

bool IsEvent(const std::string& strEntry, const std::string& strEvent)
{
    return CSimClient::FindValue(strEntry, "event") == strEvent;
}

// The width in pixels of the progress bar's fill in a list cell, as the screen shows it; -1 when the cell
// cannot be read.
int ProgressFillWidth(CProgramHarness& program, HWND hList, int iRow, int iColumn)
{
    RECT rc = {};
    if (!program.ListCellRect(hList, iRow, iColumn, rc))
        return -1;
    // Other test programs share the display: the frame is raised before its pixels are read.
    ::SetWindowPos(::GetAncestor(hList, GA_ROOT), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    POINT ptOrigin = {rc.left, rc.top};
    ::ClientToScreen(hList, &ptOrigin);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return -1;
    std::vector<BYTE> pixels;
    if (!CProgramHarness::CopyScreen(RECT{ptOrigin.x, ptOrigin.y, ptOrigin.x + cx, ptOrigin.y + cy}, pixels))
        return -1;
    // The fill is drawn in the highlight colour.
    const COLORREF crFill = ::GetSysColor(COLOR_HIGHLIGHT);
    int iWidth = 0;
    for (int x = 0; x < cx; ++x)
    {
        for (int y = 0; y < cy; ++y)
        {
            const BYTE* pPixel = &pixels[(static_cast<size_t>(y) * cx + x) * 4];
            if (RGB(pPixel[2], pPixel[1], pPixel[0]) == crFill)
            {
                ++iWidth;
                break;
            }
        }
    }
    return iWidth;
}
} // namespace

class ProgramSensorPagesTest : public ProgramTest
{
protected:
    // Starts the program, waits for the connection and shows the connection page in the language.
    void StartOnConnectionPage(int iLanguage)
    {
        m_iLanguage = iLanguage;
        m_hFrame = StartAndWaitForMainWindow();
        ASSERT_TRUE(m_hFrame) << m_program.LastError() << "; " << m_strStartUpState;
        m_program.PostCommand(m_hFrame,
                              iLanguage == LANGUAGE_GERMAN ? ID_LANGUAGE_GERMAN : ID_LANGUAGE_ENGLISH);
        m_hStatusBar = m_program.FindControl(m_hFrame, AFX_IDW_STATUS_BAR);
        ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_READY, m_iLanguage)))
            << m_program.LastError();
        ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CONNECTION, IDS_CONNECTION)) << m_program.LastError();
        m_hList = PageControl(IDC_CONN_LIST);
        ASSERT_TRUE(m_hList);
        m_iSensorRow = WaitForRow("[COM5]");
        ASSERT_LE(0, m_iSensorRow) << m_program.LastError();
        ASSERT_TRUE(WaitForState(m_iSensorRow, IDS_ACTIVE)) << m_program.LastError();
    }

    bool ShowPage(UINT nCommand, UINT nCaptionId)
    {
        return ProgramTest::ShowPage(m_hFrame, nCommand, Text(nCaptionId, m_iLanguage));
    }

    // A control of the page in front: control ids repeat from page to page.
    HWND PageControl(int iControl)
    {
        constexpr int VIEW_ID = 0xE900;
        HWND hView = ::GetDlgItem(m_hFrame, VIEW_ID);
        for (HWND hPage = hView ? ::GetWindow(hView, GW_CHILD) : nullptr; hPage;
             hPage = ::GetWindow(hPage, GW_HWNDNEXT))
        {
            HWND hControl = ::IsWindowVisible(hPage) ? ::GetDlgItem(hPage, iControl) : nullptr;
            if (hControl != nullptr)
                return hControl;
        }
        return nullptr;
    }

    std::string Cell(int iRow, int iColumn) { return m_program.ListCellText(m_hList, iRow, iColumn); }

    // The row whose interface text holds strPort; -1 when none comes.
    int WaitForRow(const std::string& strPort)
    {
        int iFound = -1;
        m_program.WaitFor("a row of " + strPort, CProgramHarness::DEFAULT_TIMEOUT_MS,
                          [&]
                          {
                              for (int iRow = 0; iRow < m_program.ListRowCount(m_hList); ++iRow)
                              {
                                  if (Cell(iRow, COL_INTERFACE).find(strPort) != std::string::npos)
                                      iFound = iRow;
                              }
                              return iFound >= 0;
                          });
        return iFound;
    }

    bool WaitForState(int iRow, UINT nStateId, DWORD dwTimeoutMs = CProgramHarness::DEFAULT_TIMEOUT_MS)
    {
        const std::string strState = Text(nStateId, m_iLanguage);
        return m_program.WaitFor("row " + std::to_string(iRow) + " \"" + strState + "\"", dwTimeoutMs,
                                 [&] { return Cell(iRow, COL_STATE) == strState; });
    }

    std::string Config(const std::string& strKey) { return CSimClient::FindValue(m_strConfig, strKey); }
    void ReadConfig()
    {
        m_strConfig = m_sim.Request("{\"cmd\": \"get_config\"}");
        m_strTypeNumber =
            CSimClient::FindValue(m_sim.Request("{\"cmd\": \"get_block\", \"block\": 0}"), "header_no");
    }

    std::string ItemText(int iControl) { return CProgramHarness::GetText(PageControl(iControl)); }

    // The sensor's range end value of a channel as the simulator's rotor header gives it.
    std::string ExpectedRange(const char* pszChannel)
    {
        CString strNumber;
        CTervane_Send::TerSend_RangeCodeToText(
            strNumber, static_cast<UINT>(Number(Config(std::string("range_code_") + pszChannel))));
        const char cTypeClass = Config(std::string("type_class_") + pszChannel).at(0);
        return CTervane_Send::TerSend_FormatValueWithUnit(strNumber, cTypeClass, m_iLanguage, nullptr,
                                                          nullptr, nullptr, nullptr, nullptr)
            .GetString();
    }

    // The interface's device name; the simulated port is a plain serial port, so a TK-USB is a TK-RS485.
    std::string ExpectedDevice()
    {
        CString strName;
        CTervane_Send::TerSend_StatorTypeToDeviceName(
            strName, Number(Config("stator_type")), Number(Config("stator_rev")),
            Number(Config("interface_kind")), Number(Config("no_digital_input")), m_iLanguage);
        strName.Replace("TK-USB", "TK-RS485");
        return std::string(strName.GetString()) + " (Rev.: " + Config("stator_rev") + ")";
    }

    // Rows of the log from the frames and events the program caused since the log was cleared.
    std::vector<std::string> Log() { return LogEntries(m_sim.GetLog()); }
    // The last entries of the log, for a failure message.
    std::string LogTail()
    {
        const std::vector<std::string> entries = Log();
        std::string strTail = std::to_string(entries.size()) + " log entries, the last:";
        for (size_t i = entries.size() > 12 ? entries.size() - 12 : 0; i < entries.size(); ++i)
            strTail += "\n" + entries[i];
        return strTail;
    }
    bool WaitForLog(const std::string& strWhat, const std::function<bool(const std::string&)>& isEntry)
    {
        return m_program.WaitFor(strWhat, CProgramHarness::DEFAULT_TIMEOUT_MS,
                                 [&]
                                 {
                                     for (const std::string& strEntry : Log())
                                     {
                                         if (isEntry(strEntry))
                                             return true;
                                     }
                                     return false;
                                 });
    }

    HWND m_hFrame = nullptr;
    HWND m_hStatusBar = nullptr;
    HWND m_hList = nullptr;
    int m_iSensorRow = -1;
    int m_iLanguage = LANGUAGE_ENGLISH;
    std::string m_strConfig;
    std::string m_strTypeNumber;
};

TEST_F(ProgramSensorPagesTest, TheSensorsRowShowsItsInterfaceAsTheSimulatorIsConfigured)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ReadConfig();
    const int iRow = m_iSensorRow;
    EXPECT_EQ(Number(Config("baud_code")) == 16 ? "230,4k" : "115,2k", Cell(iRow, COL_BAUDRATE));
    EXPECT_EQ(Config("bus_address"), Cell(iRow, COL_ADDRESS));
    EXPECT_EQ(Config("serial_no"), Cell(iRow, COL_SERIAL));
    // A QBX interface (the device bit set) has one channel.
    const std::string strRange =
        Config("interface_kind") == "1" ? ExpectedRange("a") : ExpectedRange("a") + "/" + ExpectedRange("b");
    EXPECT_EQ(strRange, Cell(iRow, COL_RANGE));
    EXPECT_EQ(Text(IDS_ACTIVE, LANGUAGE_ENGLISH), Cell(iRow, COL_STATE));
    EXPECT_EQ(ExpectedDevice(), Cell(iRow, COL_SENSOR_TYPE));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_connection_page")) << m_program.LastError();
}

TEST_F(ProgramSensorPagesTest, DoubleClicksDisconnectAndConnectTheSensor)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ReadConfig();
    ASSERT_TRUE(m_program.DoubleClickListRow(m_hList, m_iSensorRow)) << m_program.LastError();
    ASSERT_TRUE(WaitForState(m_iSensorRow, IDS_AVAILABLE)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_DISCONNECTED, LANGUAGE_ENGLISH)))
        << m_program.LastError();
    EXPECT_FALSE(::IsWindowEnabled(m_program.FindControl(m_hFrame, IDC_PANEL_START)));
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_INFORMATION, IDS_INFORMATION)) << m_program.LastError();
    for (int iControl : {IDC_INFO_SENSOR_TYPE, IDC_INFO_SERIAL, IDC_INFO_RANGE_A, IDC_INFO_FACTORY_DATE})
        EXPECT_EQ("n.a.", ItemText(iControl)) << iControl;
    EXPECT_EQ("Sensor", ItemText(IDC_INFO_SENSOR_GROUP));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_information_disconnected"))
        << m_program.LastError();

    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CONNECTION, IDS_CONNECTION)) << m_program.LastError();
    ASSERT_TRUE(m_program.DoubleClickListRow(m_hList, m_iSensorRow)) << m_program.LastError();
    ASSERT_TRUE(WaitForState(m_iSensorRow, IDS_ACTIVE)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, Text(IDS_READY, LANGUAGE_ENGLISH)))
        << m_program.LastError();
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_INFORMATION, IDS_INFORMATION)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(PageControl(IDC_INFO_SERIAL), Config("serial_no")))
        << m_program.LastError();
}

// The port of COM1 is listed but no sensor answers there.
TEST_F(ProgramSensorPagesTest, APortWhereNothingAnswersIsExplainedAsBusy)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    int iSilent = -1;
    for (int iRow = 0; iRow < m_program.ListRowCount(m_hList); ++iRow)
    {
        if (Cell(iRow, COL_STATE) == Text(IDS_NOT_AVAILABLE, LANGUAGE_ENGLISH))
            iSilent = iRow;
    }
    ASSERT_LE(0, iSilent) << "a second listed port that does not answer";
    for (int iColumn : {COL_BAUDRATE, COL_ADDRESS, COL_SERIAL, COL_RANGE, COL_SENSOR_TYPE})
        EXPECT_EQ("n.a.", Cell(iSilent, iColumn)) << iColumn;
    ASSERT_TRUE(m_program.DoubleClickListRow(m_hList, iSilent)) << m_program.LastError();
    HWND hBox = m_program.WaitForMessageBox();
    ASSERT_TRUE(hBox) << m_program.LastError();
    EXPECT_EQ(Text(IDS_PORT_BUSY_BEFORE, LANGUAGE_ENGLISH) + " \"" + Cell(iSilent, COL_INTERFACE) + "\" " +
                  Text(IDS_PORT_BUSY_AFTER, LANGUAGE_ENGLISH),
              m_program.MessageBoxText(hBox));
    EXPECT_TRUE(m_program.SaveScreenshot(hBox, "program_connection_busy_port")) << m_program.LastError();
    EXPECT_TRUE(m_program.AnswerMessageBox(hBox, IDOK)) << m_program.LastError();
    EXPECT_EQ(Text(IDS_ACTIVE, LANGUAGE_ENGLISH), Cell(m_iSensorRow, COL_STATE))
        << "the sensor stays connected";
}

// F5 searches again with one progress cell per row; the answers come late, so the search can be seen.
TEST_F(ProgramSensorPagesTest, F5SearchesAgainWithTheProgressInTheList)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ASSERT_TRUE(m_sim.InjectFault("delay", "all", "\"ms\": 150"));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.TypeKey(m_hFrame, VK_F5, false, false)) << m_program.LastError();
    EXPECT_TRUE(WaitForState(m_iSensorRow, IDS_CHECK_INTERFACE)) << m_program.LastError();
    // The sensor's row is searched first (the search goes from the last row up): its progress cell
    // fills step by step while the requests and the configuration blocks are answered.
    int iFill = 0;
    ASSERT_TRUE(m_program.WaitFor("a progress cell in the sensor's row", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      iFill = ProgressFillWidth(m_program, m_hList, m_iSensorRow, COL_STATE);
                                      return iFill > 0;
                                  }))
        << m_program.LastError();
    const int iFirstFill = iFill;
    EXPECT_TRUE(m_program.WaitFor("the progress cell advancing", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&]
                                  {
                                      iFill = ProgressFillWidth(m_program, m_hList, m_iSensorRow, COL_STATE);
                                      return iFill > iFirstFill;
                                  }))
        << iFirstFill << " pixels, then " << iFill;
    ASSERT_TRUE(WaitForLog("the sensor's configuration read by the search",
                           [](const std::string& strEntry) { return IsFrame(strEntry, "D"); }))
        << m_program.LastError();
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_connection_search_progress"))
        << m_program.LastError();
    ASSERT_TRUE(m_sim.ClearFaults());
    EXPECT_TRUE(WaitForState(m_iSensorRow, IDS_ACTIVE)) << m_program.LastError();
    // The state text can be painted before the row's progress cell is repainted away.
    EXPECT_TRUE(m_program.WaitFor(
        "the progress cell gone", CProgramHarness::DEFAULT_TIMEOUT_MS,
        [&] { return ProgressFillWidth(m_program, m_hList, m_iSensorRow, COL_STATE) == 0; }))
        << m_program.LastError();
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_connection_search_done"))
        << m_program.LastError();
}

// Choosing 230,4k writes the baud code into the stator operation block (byte 16), restarts the sensor
// and finds it again at its new rate.
TEST_F(ProgramSensorPagesTest, ABaudRateChangeIsWrittenAndTheSensorFoundAtItsNewRate)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ASSERT_EQ("115,2k", Cell(m_iSensorRow, COL_BAUDRATE));
    ASSERT_TRUE(m_sim.ClearLog());
    ASSERT_TRUE(m_program.ClickListCell(m_hList, m_iSensorRow, COL_BAUDRATE)) << m_program.LastError();
    CProgramHarness::WindowQuery comboQuery;
    comboQuery.strClass = "SuperComboBox";
    HWND hCombo = m_program.WaitForWindow(comboQuery);
    ASSERT_TRUE(hCombo) << m_program.LastError();
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_connection_baud_combo")) << m_program.LastError();
    for (WPARAM wKey : {VK_DOWN, VK_RETURN})
        ::PostMessageA(hCombo, WM_KEYDOWN, wKey,
                       1 | static_cast<LPARAM>(::MapVirtualKeyA(UINT(wKey), MAPVK_VK_TO_VSC)) << 16);
    ASSERT_TRUE(WaitForLog("the sensor found again at 230400 baud",
                           [](const std::string& strEntry)
                           {
                               return IsEvent(strEntry, "booted") &&
                                      CSimClient::FindValue(strEntry, "rates").find("230400") !=
                                          std::string::npos;
                           }))
        << m_program.LastError() << "\n"
        << LogTail();
    // The write of block 2 with byte 16 = 0x10, then the restart, then the start at the new rate.
    const std::vector<std::string> entries = Log();
    size_t nWrite = entries.size();
    size_t nRestart = entries.size();
    size_t nBooted = entries.size();
    for (size_t i = 0; i < entries.size(); ++i)
    {
        const std::string& strEntry = entries[i];
        if (nWrite == entries.size() && IsEvent(strEntry, "block_written") &&
            CSimClient::FindValue(strEntry, "block") == "2")
            nWrite = i;
        else if (nWrite < i && nRestart == entries.size() && IsEvent(strEntry, "restart"))
            nRestart = i;
        else if (nRestart < i && nBooted == entries.size() && IsEvent(strEntry, "booted"))
            nBooted = i;
    }
    ASSERT_LT(nWrite, entries.size()) << LogTail();
    EXPECT_LT(nRestart, entries.size()) << LogTail();
    EXPECT_LT(nBooted, entries.size()) << LogTail();
    const std::string strBlock =
        CSimClient::FindValue(m_sim.Request("{\"cmd\": \"get_block\", \"block\": 2}"), "hex");
    // The block as the D answer shows it: frame bytes 0 to 39, three characters each.
    ASSERT_GE(strBlock.size(), size_t(16 * 3 + 2));
    EXPECT_EQ("10", strBlock.substr(16 * 3, 2)) << strBlock;
    EXPECT_TRUE(
        m_program.WaitFor("the sensor on the line at 230400 baud", CProgramHarness::DEFAULT_TIMEOUT_MS,
                          [&] { return CSimClient::FindValue(m_sim.GetState(), "line_rate") == "230400"; }))
        << m_sim.GetState();
    EXPECT_TRUE(m_program.WaitFor("the row at 230,4k", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                  [&] { return Cell(m_iSensorRow, COL_BAUDRATE) == "230,4k"; }))
        << Cell(m_iSensorRow, COL_BAUDRATE);
    EXPECT_TRUE(WaitForState(m_iSensorRow, IDS_ACTIVE)) << m_program.LastError();
}

namespace
{
// What the information page shows of the sensor in a language, from the simulator's configuration.
struct ExpectedInformation
{
    std::string strSerial, strTypeNumber, strRangeA, strAccuracy, strUncertainty, strFactoryDate;
};
} // namespace

class ProgramInformationPageTest : public ProgramSensorPagesTest
{
protected:
    ExpectedInformation Expected()
    {
        ExpectedInformation info;
        info.strSerial = Config("serial_no");
        info.strTypeNumber = m_strTypeNumber;
        info.strRangeA = ExpectedRange("a");
        CString strAccuracy;
        CTervane_Send::TerSend_AccuracyCodeToText(strAccuracy,
                                                  static_cast<BYTE>(Number(Config("accuracy_a"))));
        info.strAccuracy = std::string(LocalizeDecimalSeparator(m_iLanguage, strAccuracy).GetString()) + " %";
        // The factory calibration is in force (the user calibration block is empty).
        const std::string strFactory =
            CSimClient::FindValue(m_sim.Request("{\"cmd\": \"get_block\", \"block\": 129}"), "fields");
        CString strPercent;
        strPercent.Format("%f", Number(CSimClient::FindValue(strFactory, "uncertainty_a")) / 10000.0);
        info.strUncertainty =
            " " +
            std::string(LocalizeDecimalSeparator(m_iLanguage, CEnvironment::StripTrailingZeros(strPercent))
                            .GetString()) +
            " %";
        const __time64_t tCalib = Number(CSimClient::FindValue(strFactory, "time"));
        tm local = {};
        _localtime64_s(&local, &tCalib);
        info.strFactoryDate =
            CFrameDateTime::FormatDate(m_iLanguage, local.tm_mday, local.tm_mon + 1, local.tm_year + 1900)
                .GetString();
        return info;
    }

    void ExpectPageShows(const ExpectedInformation& info)
    {
        EXPECT_TRUE(m_program.WaitForText(PageControl(IDC_INFO_SERIAL), info.strSerial))
            << m_program.LastError();
        EXPECT_EQ(info.strTypeNumber, ItemText(IDC_INFO_SENSOR_TYPE));
        EXPECT_EQ(Config("stator_type"), ItemText(IDC_INFO_ID));
        EXPECT_EQ(Config("stator_rev"), ItemText(IDC_INFO_REVISION));
        EXPECT_EQ(Config("serial_a"), ItemText(IDC_INFO_SERIAL_A));
        EXPECT_EQ(info.strRangeA, ItemText(IDC_INFO_RANGE_A));
        EXPECT_EQ(info.strAccuracy, ItemText(IDC_INFO_ACCURACY_A));
        EXPECT_EQ(info.strUncertainty, ItemText(IDC_INFO_UNCERTAINTY_A));
        EXPECT_EQ(Text(IDS_ACTIVE, m_iLanguage), ItemText(IDC_INFO_FACTORY_STATE));
        EXPECT_EQ(info.strFactoryDate, ItemText(IDC_INFO_FACTORY_DATE));
        EXPECT_EQ(Text(IDS_INACTIVE, m_iLanguage), ItemText(IDC_INFO_USER_STATE));
        EXPECT_EQ("n.a.", ItemText(IDC_INFO_USER_DATE));
    }
};

// A single-channel interface (the simulator's default) hides channel B; the texts follow the language.
TEST_F(ProgramInformationPageTest, TextsMatchTheSensorInEnglishAndGerman)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ReadConfig();
    ASSERT_EQ("1", Config("interface_kind"));
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_INFORMATION, IDS_INFORMATION)) << m_program.LastError();
    ExpectPageShows(Expected());
    EXPECT_FALSE(CProgramHarness::IsVisible(PageControl(IDC_INFO_CHANNEL_B_GROUP)));
    EXPECT_FALSE(CProgramHarness::IsVisible(PageControl(IDC_INFO_RANGE_B)));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_information_english")) << m_program.LastError();

    m_iLanguage = LANGUAGE_GERMAN;
    ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_LANGUAGE_GERMAN));
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_INFORMATION, IDS_INFORMATION)) << m_program.LastError();
    ExpectPageShows(Expected());
    EXPECT_NE(std::string::npos, ItemText(IDC_INFO_ACCURACY_A).find(',')) << "German decimal comma";
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_information_german")) << m_program.LastError();
    // The connection page, hidden during the switch, renews its rows when it is shown.
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CONNECTION, IDS_CONNECTION)) << m_program.LastError();
    EXPECT_TRUE(WaitForState(m_iSensorRow, IDS_ACTIVE)) << m_program.LastError();
    EXPECT_EQ(ExpectedRange("a"), Cell(m_iSensorRow, COL_RANGE));
}

TEST_F(ProgramInformationPageTest, ATwoChannelInterfaceShowsChannelB)
{
    ASSERT_TRUE(m_sim.Command("{\"cmd\": \"set_status\", \"fields\": {\"interface_kind\": 0}}"));
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ReadConfig();
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_INFORMATION, IDS_INFORMATION)) << m_program.LastError();
    EXPECT_TRUE(m_program.WaitForText(PageControl(IDC_INFO_SERIAL), Config("serial_no")))
        << m_program.LastError();
    EXPECT_TRUE(CProgramHarness::IsVisible(PageControl(IDC_INFO_CHANNEL_B_GROUP)));
    EXPECT_EQ(ExpectedRange("b"), ItemText(IDC_INFO_RANGE_B));
    EXPECT_EQ(Config("serial_b"), ItemText(IDC_INFO_SERIAL_B));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_information_two_channels"))
        << m_program.LastError();
}

namespace
{
// The four telegram buttons and what each puts on the wire.
struct Telegram
{
    int iButton;
    const char* pszCommand;
};
const Telegram TELEGRAMS[] = {
    {IDC_DIAG_STATUS_LONG, "B"}, {IDC_DIAG_ACK, "ACK"}, {IDC_DIAG_NAK, "NAK"}, {IDC_DIAG_RESTART, "K"}};
} // namespace

class ProgramDiagnosticPageTest : public ProgramSensorPagesTest
{
protected:
    // Each button, pressed in turn, sends its frame without data from the program's address 255 to the
    // sensor's address, with good check bytes.
    void PressEachButtonAndCheckTheWire(const std::string& strAddress)
    {
        ASSERT_TRUE(ShowPage(ID_MODE_DIAGNOSTIC, IDS_DIAGNOSTIC)) << m_program.LastError();
        for (const Telegram& telegram : TELEGRAMS)
        {
            ASSERT_TRUE(m_sim.ClearLog());
            ASSERT_TRUE(m_program.Click(PageControl(telegram.iButton))) << m_program.LastError();
            ASSERT_TRUE(WaitForLog(std::string("the frame ") + telegram.pszCommand,
                                   [&](const std::string& strEntry)
                                   { return IsFrame(strEntry, telegram.pszCommand); }))
                << m_program.LastError();
            int nFrames = 0;
            for (const std::string& strEntry : Log())
            {
                if (CSimClient::FindValue(strEntry, "dir") != "rx")
                    continue;
                ++nFrames;
                EXPECT_EQ(telegram.pszCommand, CSimClient::FindValue(strEntry, "cmd"));
                EXPECT_EQ(strAddress, CSimClient::FindValue(strEntry, "address")) << strEntry;
                EXPECT_EQ("255", CSimClient::FindValue(strEntry, "own")) << strEntry;
                EXPECT_EQ("", CSimClient::FindValue(strEntry, "data")) << strEntry;
                EXPECT_EQ("ok", CSimClient::FindValue(strEntry, "check")) << strEntry;
            }
            EXPECT_EQ(1, nFrames) << telegram.pszCommand << ":\n" << LogTail();
        }
    }
};

TEST_F(ProgramDiagnosticPageTest, EachButtonPutsItsFrameOnTheWire)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ReadConfig();
    PressEachButtonAndCheckTheWire(Config("bus_address"));
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "program_diagnostic_page")) << m_program.LastError();
}

// At address 2 every frame holds a 0x02 after its STX, which goes on the wire doubled: the simulator takes
// the frame with good check bytes only when it was.
TEST_F(ProgramDiagnosticPageTest, AtAddressTwoTheFramesAreStuffed)
{
    ASSERT_TRUE(m_sim.Command(
        "{\"cmd\": \"set_block\", \"block\": \"stator_operation\", \"fields\": {\"bus_address\": 2}}"));
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    PressEachButtonAndCheckTheWire("2");
}

// With the sensor disconnected the port is closed: the buttons write nothing. The search that follows
// writes behind them on the same line, so anything they had written would come first.
TEST_F(ProgramDiagnosticPageTest, WithNoPortOpenNothingIsWritten)
{
    ASSERT_NO_FATAL_FAILURE(StartOnConnectionPage(LANGUAGE_ENGLISH));
    ASSERT_TRUE(m_program.DoubleClickListRow(m_hList, m_iSensorRow)) << m_program.LastError();
    ASSERT_TRUE(WaitForState(m_iSensorRow, IDS_AVAILABLE)) << m_program.LastError();
    ASSERT_TRUE(ShowPage(ID_MODE_DIAGNOSTIC, IDS_DIAGNOSTIC)) << m_program.LastError();
    ASSERT_TRUE(m_sim.ClearLog());
    for (const Telegram& telegram : TELEGRAMS)
        ASSERT_TRUE(m_program.Click(PageControl(telegram.iButton))) << m_program.LastError();
    ASSERT_TRUE(ShowPage(ID_MODE_SENSOR_CONNECTION, IDS_CONNECTION)) << m_program.LastError();
    ASSERT_TRUE(m_program.TypeKey(m_hFrame, VK_F5, false, false)) << m_program.LastError();
    ASSERT_TRUE(WaitForLog("the search's first request", [](const std::string& strEntry)
                           { return CSimClient::FindValue(strEntry, "dir") == "rx"; }))
        << m_program.LastError();
    for (const std::string& strEntry : Log())
    {
        if (CSimClient::FindValue(strEntry, "dir") != "rx")
            continue;
        EXPECT_EQ("B", CSimClient::FindValue(strEntry, "cmd")) << strEntry;
        EXPECT_EQ("249", CSimClient::FindValue(strEntry, "address"))
            << "the search's scan comes first: " << strEntry;
        break;
    }
}
