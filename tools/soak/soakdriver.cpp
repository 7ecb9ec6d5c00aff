// Drives the soak host (soakhost.exe beside it: the program with a probe of its own counts) or the program
// itself against the simulated sensor of the build tree's Wine session, as an operator would, and prints
// each figure with its goal and PASS or FAIL; the exit code is 0 when every goal is met.
//   soakdriver stream SECONDS CHANNELS [--no-timing-goals]
//                                        a stream at the top rate offered for 1 or 2 channels
//   soakdriver unplug CYCLES             unplug and replug during streams
//   soakdriver garbage ROUNDS SEED       random bytes before every answer while measurements start and stop
//   soakdriver records SEED              damaged settings records: the program starts and measures
//   soakdriver appended SEED             damaged files the program appends to: kept, appended to
//   soakdriver bitmaps SEED              a damaged logo file of the program's and of the user's; printing
//   soakdriver language                  the program in the session's locale, measuring (screenshot)
//   soakdriver operate SECONDS           starts a measurement in the running TQ5.exe and waits
//   soakdriver finish                    stops it and closes the program
#include "SoakProbe.h"

#include "controls/ControlTexts.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "resources/resource_panel.h"
#include "resources/resource_storage.h"
#include "storage/StorageTexts.h"
#include "support/ProgramHarness.h"
#include "support/FolderFiles.h"
#include "support/ProgramPages.h"
#include "support/SimClient.h"
#include "support/WaitUntil.h"

#include <dbt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <map>
#include <string>
#include <vector>

namespace
{
constexpr int AFX_IDW_STATUS_BAR = 0xE801;
constexpr DWORD START_TIMEOUT_MS = 60000;
constexpr DWORD PROBE_PERIOD_MS = 100;
constexpr double CPU_GOAL_PERCENT = 25;
constexpr DWORD PROBE_P99_GOAL_MS = 100;
constexpr double BYTES_PER_PAIR = 32;
// Room above the curve store's pairs for the allocator and the store's block steps.
constexpr double MEMORY_SLACK_BYTES = 16.0 * 1024 * 1024;
// The goal for the measured-value file of a 10-minute stream (3 M rows), from Stop until it is written.
constexpr double FILE_WRITE_GOAL_S = 15;
// The edit inside a path browse control.
constexpr int BROWSE_EDIT_ID = 12345;
// The folder of the measured-value files of the soak runs.
const char* const STORAGE_FOLDER = "C:\\tq5storage\\soak";

int g_iFailures = 0;

void Figure(const std::string& strName, const std::string& strValue, const std::string& strGoal, bool bPass)
{
    std::printf("%-40s %-28s goal: %-26s %s\n", strName.c_str(), strValue.c_str(), strGoal.c_str(),
                bPass ? "PASS" : "FAIL");
    std::fflush(stdout);
    g_iFailures += !bPass;
}

void Note(const std::string& strText)
{
    std::printf("%s\n", strText.c_str());
    std::fflush(stdout);
}

std::string Format(const char* pszFormat, double d)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), pszFormat, d);
    return sz;
}

std::string ModuleFolder()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string str(szPath);
    return str.substr(0, str.find_last_of('\\'));
}

// ---- Files -------------------------------------------------------------------------------------------

std::vector<BYTE> ReadFileBytes(const std::string& strPath)
{
    const std::string strText = ReadWholeFile(strPath);
    return std::vector<BYTE>(strText.begin(), strText.end());
}

bool WriteFileBytes(const std::string& strPath, const std::vector<BYTE>& bytes)
{
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (pFile == nullptr)
        return false;
    const bool bWritten = std::fwrite(bytes.data(), 1, bytes.size(), pFile) == bytes.size();
    return std::fclose(pFile) == 0 && bWritten;
}

// The folder made with the folders above it, and emptied of files.
bool EmptyFolder(const std::string& strFolder)
{
    for (size_t n = strFolder.find('\\', 3);; n = strFolder.find('\\', n + 1))
    {
        ::CreateDirectoryA(strFolder.substr(0, n).c_str(), nullptr);
        if (n == std::string::npos)
            break;
    }
    for (const std::string& strFile : FolderFiles(strFolder, "*"))
        ::DeleteFileA(strFile.c_str());
    const DWORD dwAttributes = ::GetFileAttributesA(strFolder.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// ---- /proc of the Linux processes behind the Wine processes ------------------------------------------

std::string ReadLinuxFile(const std::string& strPath)
{
    std::string strWindows = "Z:" + strPath;
    std::replace(strWindows.begin(), strWindows.end(), '/', '\\');
    HANDLE hFile = ::CreateFileA(strWindows.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return std::string();
    std::string strText;
    char szBuffer[4096];
    DWORD dwRead = 0;
    while (::ReadFile(hFile, szBuffer, sizeof(szBuffer), &dwRead, nullptr) && dwRead > 0)
        strText.append(szBuffer, dwRead);
    ::CloseHandle(hFile);
    return strText;
}

std::string Environment(const char* pszName)
{
    const char* psz = std::getenv(pszName);
    return psz ? psz : "";
}

// The Linux process id of the newest process of this session's prefix running the executable.
int FindLinuxProcess(const std::string& strExe)
{
    const std::string strPrefix = "WINEPREFIX=" + Environment("WINEPREFIX");
    int iFound = 0;
    WIN32_FIND_DATAA find;
    HANDLE hFind = ::FindFirstFileA("Z:\\proc\\*", &find);
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do
    {
        const int iPid = std::atoi(find.cFileName);
        if (iPid <= iFound || ReadLinuxFile("/proc/" + std::to_string(iPid) + "/comm") != strExe + "\n")
            continue;
        std::string strEnv = ReadLinuxFile("/proc/" + std::to_string(iPid) + "/environ");
        std::replace(strEnv.begin(), strEnv.end(), '\0', '\n');
        if (("\n" + strEnv).find("\n" + strPrefix + "\n") != std::string::npos)
            iFound = iPid;
    } while (::FindNextFileA(hFind, &find));
    ::FindClose(hFind);
    return iFound;
}

int WineserverProcess()
{
    std::string strBuild = Environment("TQ5_BUILD_DIR");
    return std::atoi(ReadLinuxFile(strBuild + "/wine/wineserver.pid").c_str());
}

// User plus system time of the process in clock ticks (1/100 s).
long long CpuTicks(int iPid)
{
    const std::string strStat = ReadLinuxFile("/proc/" + std::to_string(iPid) + "/stat");
    const size_t pos = strStat.rfind(')');
    if (pos == std::string::npos)
        return -1;
    // Fields after the command: state is field 3; utime and stime are fields 14 and 15.
    std::vector<std::string> fields;
    size_t i = pos + 2;
    while (i < strStat.size() && fields.size() < 13)
    {
        const size_t end = strStat.find(' ', i);
        fields.push_back(strStat.substr(i, end - i));
        i = end == std::string::npos ? strStat.size() : end + 1;
    }
    return fields.size() < 13 ? -1 : std::atoll(fields[11].c_str()) + std::atoll(fields[12].c_str());
}

long long StatusValue(int iPid, const std::string& strKey)
{
    const std::string strStatus = ReadLinuxFile("/proc/" + std::to_string(iPid) + "/status");
    const size_t pos = strStatus.find("\n" + strKey + ":");
    return pos == std::string::npos ? -1 : std::atoll(strStatus.c_str() + pos + strKey.size() + 2);
}

// ---- The probe of the soak host ----------------------------------------------------------------------

// pszAsk "ask": every figure; "askcurves": the diagram's curves only.
bool AskHost(DWORD dwProcessId, SoakFigures& figures, const char* pszAsk = "ask")
{
    HANDLE hAsk = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, SoakObjectName(dwProcessId, pszAsk).c_str());
    HANDLE hTold = ::OpenEventA(SYNCHRONIZE, FALSE, SoakObjectName(dwProcessId, "told").c_str());
    HANDLE hMapping =
        ::OpenFileMappingA(FILE_MAP_READ, FALSE, SoakObjectName(dwProcessId, "figures").c_str());
    const void* pView =
        hMapping ? ::MapViewOfFile(hMapping, FILE_MAP_READ, 0, 0, sizeof(SoakFigures)) : nullptr;
    const bool bTold =
        hAsk && hTold && pView && ::SetEvent(hAsk) && ::WaitForSingleObject(hTold, 30000) == WAIT_OBJECT_0;
    if (bTold)
        std::memcpy(&figures, pView, sizeof(figures));
    if (pView)
        ::UnmapViewOfFile(pView);
    for (HANDLE h : {hAsk, hTold, hMapping})
    {
        if (h)
            ::CloseHandle(h);
    }
    return bTold;
}

// ---- The operator ------------------------------------------------------------------------------------

class COperator
{
public:
    explicit COperator(bool bHost)
    {
        if (bHost)
            m_program.SetProgramPath(ModuleFolder() + "\\soakhost.exe");
    }
    ~COperator() { m_program.Kill(); }
    COperator(const COperator&) = delete;
    COperator& operator=(const COperator&) = delete;

    bool Fail(const std::string& strWhat)
    {
        Note("FAIL: " + strWhat + ": " + m_program.LastError());
        ++g_iFailures;
        return false;
    }

    bool ConnectSimulator() { return m_sim.Connect() || Fail("the simulator is not reachable"); }

    // Sequence sources on both channels, the rate code and 230400 baud (which offers the top rates); both
    // channels in newton metres with three decimals, so that a value as the files write it shows every count.
    bool ConfigureSensor(int iRateCode)
    {
        return (m_sim.Reset() && m_sim.SetValues('A', R"({"kind": "sequence", "bits": "low"})") &&
                m_sim.SetValues('B', R"({"kind": "sequence", "bits": "high"})") &&
                m_sim.Command(
                    R"({"cmd": "set_block", "block": "stator_software_config", "fields": {"rate_code": )" +
                    std::to_string(iRateCode) +
                    R"(, "unit_index_a": 1, "decimals_a": 3, "unit_index_b": 1, "decimals_b": 3}})") &&
                m_sim.Command(
                    R"({"cmd": "set_block", "block": "stator_operation", "fields": {"baud_code": 16}})") &&
                m_sim.SetRateMode("230400")) ||
               Fail("the simulator refused the configuration");
    }

    // The settings cleared, the diagnostic log switched on (as Ctrl+Shift+L does) and the simulated
    // sensor's log file deleted.
    static bool ClearSettingsLogOn()
    {
        ::DeleteFileA(LogFile().c_str());
        return CProgramHarness::ClearSettings() && CProgramHarness::WriteInt("Language", "WriteLogFile", 0);
    }
    // The diagnostic log of the simulated sensor, named by its serial number (the simulator's default).
    static std::string LogFile() { return CProgramHarness::MakerFolder() + "\\Sensors\\123456.txt"; }

    bool StartProgram(bool bClearSettings)
    {
        if (bClearSettings && !CProgramHarness::ClearSettings())
            return Fail("the settings could not be cleared");
        if (!m_program.Start())
            return Fail("the program did not start");
        m_hFrame = m_program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS);
        if (m_hFrame == nullptr)
            return Fail("no main window");
        m_hStatusBar = m_program.FindControl(m_hFrame, AFX_IDW_STATUS_BAR);
        return WaitForStatus(IDS_STATUS_READY, START_TIMEOUT_MS) || Fail("the sensor was not connected");
    }

    bool AttachToRunningProgram()
    {
        if (!m_program.AttachToOtherInstance(START_TIMEOUT_MS))
            return Fail("no running TQ5.exe");
        m_hFrame = m_program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS);
        m_hStatusBar = m_hFrame ? m_program.FindControl(m_hFrame, AFX_IDW_STATUS_BAR) : nullptr;
        return (m_hStatusBar && WaitForStatus(IDS_STATUS_READY, START_TIMEOUT_MS)) ||
               Fail("the program did not connect to the sensor");
    }

    // The status text in the program's language (any of the three until the language is known).
    bool WaitForStatus(int iId, DWORD dwTimeoutMs)
    {
        return m_program.WaitFor(
            "status " + std::to_string(iId), dwTimeoutMs,
            [&]
            {
                const std::string strStatus = CProgramHarness::GetText(m_hStatusBar);
                for (int iLanguage : {LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH})
                {
                    if (strStatus == ProgramText(iId, iLanguage))
                        return (m_iLanguage = iLanguage), true;
                }
                return false;
            });
    }

    bool ShowPage(UINT nCommand, int iCaptionId)
    {
        return ShowModePage(m_program, m_hFrame, nCommand, ProgramText(iCaptionId, m_iLanguage)) ||
               Fail("the page did not come");
    }

    HWND Control(int iId) { return m_program.FindControl(m_hFrame, iId); }

    bool ClickEnabled(int iId)
    {
        HWND hButton = Control(iId);
        return (m_program.WaitFor("an enabled button " + std::to_string(iId), START_TIMEOUT_MS,
                                  [&] { return ::IsWindowEnabled(hButton) != FALSE; }) &&
                m_program.Click(hButton)) ||
               Fail("button " + std::to_string(iId));
    }

    // Channel B checked as well as A on the settings page.
    bool SelectBothChannels()
    {
        if (!ShowPage(ID_MODE_MEASURE_ADJUST, IDS_PAGE_MEASURE_ADJUST))
            return false;
        for (int iId : {IDC_ADJ_CHECK_A, IDC_ADJ_CHECK_B})
        {
            HWND hCheck = Control(iId);
            if (::SendMessageA(hCheck, BM_GETCHECK, 0, 0) != BST_CHECKED && !ClickEnabled(iId))
                return false;
        }
        return true;
    }

    // A control of the documentation page.
    HWND DocuControl(int iId)
    {
        HWND hGroup = Control(IDC_DOCU_GROUP);
        return hGroup ? m_program.FindControl(::GetParent(hGroup), iId) : nullptr;
    }

    // Automatic storage of measured values chosen on the documentation page (its mode's text id), into
    // strFolder; the storage note that the choice brings up is answered with Continue.
    bool ChooseValueStorage(int iModeTextId, const std::string& strFolder)
    {
        if (!ShowPage(ID_MODE_DOCUMENTATION, IDS_TREE_DOCUMENTATION))
            return false;
        HWND hBrowse = DocuControl(IDC_DOCU_MW_DIR);
        HWND hCombo = DocuControl(IDC_DOCU_MW_AUTO);
        if (hBrowse == nullptr || hCombo == nullptr ||
            !m_program.SetEditText(::GetDlgItem(hBrowse, BROWSE_EDIT_ID), strFolder))
            return Fail("the target directory of the measured values");
        const std::string strMode = ProgramText(iModeTextId, m_iLanguage);
        auto choice =
            std::async(std::launch::async, [&] { return m_program.SelectComboItem(hCombo, strMode); });
        if (choice.wait_for(std::chrono::milliseconds(300)) != std::future_status::ready)
        {
            HWND hNote = m_program.WaitForMessageBox();
            if (hNote == nullptr || !m_program.AnswerMessageBox(hNote, IDOK))
            {
                choice.get();
                return Fail("the storage note");
            }
        }
        return choice.get() || Fail("the storage mode \"" + strMode + "\"");
    }

    std::string SimState() { return m_sim.GetState(); }
    std::string StreamOf(const std::string& strState) { return CSimClient::FindValue(strState, "stream"); }
    int Streams() { return std::atoi(CSimClient::FindValue(SimState(), "streams").c_str()); }

    // A message box or other dialog of the program, not the start-up dialog (its control 1254); or null.
    HWND FindMessageBox()
    {
        HWND hBox = m_program.FindWindow(CProgramHarness::Dialog());
        return hBox && ::GetDlgItem(hBox, 1254) == nullptr ? hBox : nullptr;
    }

    // A message box of the program (not the start-up dialog): its text, answered with OK; empty when none.
    std::string AnswerMessageBox()
    {
        HWND hBox = FindMessageBox();
        if (hBox == nullptr)
            return std::string();
        std::string strText = m_program.MessageBoxText(hBox);
        if (strText.empty())
        {
            // A dialog of another kind: its caption and its controls' texts.
            strText = "dialog \"" + CProgramHarness::GetText(hBox) + "\":";
            for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
                strText += " [" + CProgramHarness::GetText(hChild) + "]";
        }
        m_program.AnswerMessageBox(hBox, IDOK);
        return strText;
    }

    // What the program and the simulator show, for a failure's message.
    std::string Describe()
    {
        const std::vector<std::string> entries = CSimClient::LogEntries(m_sim.GetLog());
        std::string strLog;
        for (size_t i = entries.size() > 8 ? entries.size() - 8 : 0; i < entries.size(); ++i)
            strLog += "\n    " + entries[i];
        return "status \"" + CProgramHarness::GetText(m_hStatusBar) + "\", Start " +
               (::IsWindowEnabled(Control(IDC_PANEL_START)) ? "enabled" : "disabled") + ", Stop " +
               (::IsWindowEnabled(Control(IDC_PANEL_STOP)) ? "enabled" : "disabled") +
               "; simulator: " + SimState() + "; its last log entries:" + strLog;
    }

    // Start pressed until a new stream runs; a start the program refuses (a message box) is reported and
    // tried again, at most three times.
    bool StartMeasurement()
    {
        const int iStreamsBefore = Streams();
        if (!ShowPage(ID_MODE_MEASURE_DIAGRAM, IDS_PAGE_MEASURE_DIAGRAM))
            return false;
        for (int iTry = 0; iTry < 3; ++iTry)
        {
            if (!ClickEnabled(IDC_PANEL_START))
                return false;
            std::string strBox;
            const bool bStarted = m_program.WaitFor(
                "the stream start", START_TIMEOUT_MS,
                [&]
                {
                    strBox = AnswerMessageBox();
                    const std::string strState = SimState();
                    return !strBox.empty() ||
                           (StreamOf(strState) != "null" &&
                            std::atoi(CSimClient::FindValue(strState, "streams").c_str()) > iStreamsBefore);
                });
            if (bStarted && strBox.empty())
                return true;
            if (strBox.empty())
                break;
            ++m_iRefusedStarts;
            Note("start refused with the message \"" + strBox + "\"; " + Describe());
        }
        return Fail("no stream started; " + Describe());
    }

    bool StopMeasurement()
    {
        return (ClickEnabled(IDC_PANEL_STOP) &&
                m_program.WaitFor("the stream stop", START_TIMEOUT_MS,
                                  [&] { return StreamOf(SimState()) == "null"; }) &&
                WaitForStatus(IDS_STATUS_READY, START_TIMEOUT_MS)) ||
               Fail("the measurement did not stop");
    }

    // The answer time of the window to WM_NULL, or the time-out.
    DWORD ProbeAnswerMs()
    {
        DWORD_PTR dwResult = 0;
        const DWORD dwSent = ::GetTickCount();
        ::SendMessageTimeoutA(m_hFrame, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &dwResult);
        return ::GetTickCount() - dwSent;
    }

    CProgramHarness m_program;
    CSimClient m_sim;
    HWND m_hFrame = nullptr;
    HWND m_hStatusBar = nullptr;
    int m_iLanguage = LANGUAGE_GERMAN;
    int m_iRefusedStarts = 0;
};

// ---- Stream ------------------------------------------------------------------------------------------

struct CpuSample
{
    double dSeconds;
    long long llProgram;
    long long llServer;
};

// A value field ("-12,345" and the unit) as an integer in units of its last decimal; false when it is none.
bool ParseFixed(const std::string& strField, long long& llValue)
{
    std::string strDigits;
    for (char ch : strField.substr(0, strField.find(' ')))
    {
        if ((ch >= '0' && ch <= '9') || (ch == '-' && strDigits.empty()))
            strDigits += ch;
        else if (ch != ',' && ch != '.')
            return false;
    }
    if (strDigits.empty() || strDigits == "-")
        return false;
    llValue = std::atoll(strDigits.c_str());
    return true;
}

// What the measured-value file of a stream holds. Its rows are the lines between the column header ("#"
// and the separator) and the empty line before the end-of-storage text: one per point of the diagram,
// the records and the end point that Stop adds. Channel A carries the low 16 bits of the record number,
// so each record's value is one count above the one before (or wraps from 32767 to -32768 counts); the
// end point repeats the last record's value or is the next one.
struct ValueFile
{
    long long llRows = 0;
    // Rows whose running number is not their index, or whose value field cannot be read.
    long long llMalformed = 0;
    // Record rows whose channel A value is not one count above the row before: a record lost or doubled.
    long long llIrregular = 0;
    long long llFirstIrregular = -1;
    // Rows where channel B (the high 16 bits) changed although channel A did not pass from -1 to 0.
    long long llBadHighWords = 0;
    // One count of channel A in units of the file's last decimal (0: the file does not resolve a count).
    long long llUnit = 0;
    std::string strFirstRow;
    std::string strLastRow;
    bool bEndText = false;
};

// The step seen most often between the first rows: one count.
long long UnitStep(const std::vector<long long>& values)
{
    std::map<long long, int> seen;
    for (size_t i = 1; i < std::min<size_t>(values.size(), 1000); ++i)
        ++seen[values[i] - values[i - 1]];
    const auto best = std::max_element(seen.begin(), seen.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return best == seen.end() ? 0 : best->first;
}

ValueFile CheckValueFile(const std::string& strText, const std::string& strEndText)
{
    ValueFile file;
    std::vector<long long> a;
    std::vector<long long> b;
    size_t nLine = 0;
    bool bRows = false;
    char cSeparator = ';';
    for (size_t nEnd; nLine < strText.size(); nLine = nEnd + 1)
    {
        nEnd = strText.find('\n', nLine);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nLine, nEnd - nLine);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (!bRows)
        {
            bRows = strLine.size() >= 2 && strLine[0] == '#';
            cSeparator = bRows ? strLine[1] : cSeparator;
            continue;
        }
        if (strLine.empty())
            break;
        std::vector<std::string> fields;
        for (size_t i = 0, end; (end = strLine.find(cSeparator, i)) != std::string::npos; i = end + 1)
            fields.push_back(strLine.substr(i, end - i));
        long long llA = 0;
        long long llB = 0;
        if (fields.size() < 2 || fields[0] != std::to_string(file.llRows) || !ParseFixed(fields[1], llA) ||
            (fields.size() >= 3 && !ParseFixed(fields[2], llB)))
            ++file.llMalformed;
        a.push_back(llA);
        b.push_back(llB);
        ++file.llRows;
        (file.llRows == 1 ? file.strFirstRow : file.strLastRow) = strLine;
    }
    file.bEndText = strText.find(strEndText, nLine) != std::string::npos;
    const long long llUnit = UnitStep(a);
    file.llUnit = llUnit;
    for (size_t i = 1; i < a.size() && llUnit > 0; ++i)
    {
        const long long llSteps = (a[i] - a[i - 1]) / llUnit;
        const bool bWrap = a[i] - a[i - 1] == -65535 * llUnit;
        const bool bEndPoint = i + 1 == a.size() && a[i] == a[i - 1];
        if (!(llSteps == 1 && (a[i] - a[i - 1]) % llUnit == 0) && !bWrap && !bEndPoint &&
            file.llIrregular++ == 0)
            file.llFirstIrregular = static_cast<long long>(i);
        // The high word counts up where the low word passes from -1 to 0.
        const bool bCarry = a[i] == 0 && a[i - 1] == -llUnit;
        file.llBadHighWords += b[i] != b[i - 1] && !bCarry;
    }
    return file;
}

// The one measured-value file of the folder, once the program has closed it (it holds it without sharing
// while it writes) with its end-of-storage text; false after 120 s.
bool WaitForValueFile(COperator& op, const std::string& strFolder, std::string& strFile)
{
    const std::string strEndText = ProgramText(IDS_HEADER_STOP, op.m_iLanguage);
    return op.m_program.WaitFor(
        "the measured-value file written", 120000,
        [&]
        {
            const std::vector<std::string> files = FolderFiles(strFolder, "TAB*.csv");
            if (files.size() != 1)
                return false;
            strFile = files[0];
            HANDLE hFile = ::CreateFileA(strFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
            if (hFile == INVALID_HANDLE_VALUE)
                return false;
            // The end of the file: the end-of-storage text follows the rows.
            char szTail[512] = {};
            DWORD dwRead = 0;
            LARGE_INTEGER size = {};
            const bool bRead =
                ::GetFileSizeEx(hFile, &size) && size.QuadPart > 0 &&
                ::SetFilePointer(hFile, -static_cast<LONG>(std::min<LONGLONG>(size.QuadPart, 511)), nullptr,
                                 FILE_END) != INVALID_SET_FILE_POINTER &&
                ::ReadFile(hFile, szTail, sizeof(szTail) - 1, &dwRead, nullptr);
            ::CloseHandle(hFile);
            return bRead && std::string(szTail, dwRead).find(strEndText) != std::string::npos;
        });
}

// The figures of the measured-value file of a stream; the file is deleted afterwards (a 10-minute stream
// at 5000 records/s writes 3 M rows).
void ReportValueFile(COperator& op, const std::string& strFile, bool bWritten, long long llRecords,
                     double dWriteSeconds, bool bTimingGoals)
{
    Figure("measured-value file written after Stop", bWritten ? Format("%.1f s", dWriteSeconds) : "no",
           "<= " + Format("%.0f s", FILE_WRITE_GOAL_S),
           bWritten && (!bTimingGoals || dWriteSeconds <= FILE_WRITE_GOAL_S));
    if (!bWritten)
        return;
    const std::string strText = ReadWholeFile(strFile);
    const ValueFile file = CheckValueFile(strText, ProgramText(IDS_HEADER_STOP, op.m_iLanguage));
    Note("measured-value file: " + strFile + ", " + Format("%.1f MiB", strText.size() / 1048576.0) +
         "; its rows are the lines between the column header and the end text");
    Note("first row \"" + file.strFirstRow + "\", last row \"" + file.strLastRow + "\"");
    Figure("one count of channel A in the file", std::to_string(file.llUnit) + " last-decimal units",
           "> 0 (resolved)", file.llUnit > 0);
    Figure("file rows - records sent", std::to_string(file.llRows - llRecords), "1 (the end point)",
           file.llRows - llRecords == 1);
    Figure("rows malformed or misnumbered", std::to_string(file.llMalformed), "0", file.llMalformed == 0);
    Figure("rows lost or doubled (channel A steps)", std::to_string(file.llIrregular), "0",
           file.llIrregular == 0);
    if (file.llIrregular > 0)
        Note("first irregular row: " + std::to_string(file.llFirstIrregular));
    Figure("rows with channel B changed without a carry from A", std::to_string(file.llBadHighWords), "0",
           file.llBadHighWords == 0);
    Figure("end-of-storage text after the rows", file.bEndText ? "yes" : "no", "yes", file.bEndText);
    ::DeleteFileA(strFile.c_str());
}

// bTimingGoals false: CPU, answer times and memory are printed but not judged (the short run of ctest).
int RunStream(int iSeconds, int iChannels, bool bTimingGoals)
{
    COperator op(true);
    const int iRateCode = iChannels == 2 ? 1 : 0;
    const std::string strFolder = std::string(STORAGE_FOLDER) + "\\stream";
    if (!EmptyFolder(strFolder))
        return op.Fail("the folder " + strFolder + " could not be made"), 1;
    if (!op.ConnectSimulator() || !op.ConfigureSensor(iRateCode) || !op.StartProgram(true))
        return 1;
    if (iChannels == 2 && !op.SelectBothChannels())
        return 1;
    // Each measurement into a file of its own index, as the operator sets it on the documentation page.
    if (!op.ChooseValueStorage(IDS_DOCU_STORAGE_OWN_INDEX, strFolder))
        return 1;
    const int iPid = FindLinuxProcess("soakhost.exe");
    const int iServerPid = WineserverProcess();
    if (iPid == 0 || iServerPid == 0)
        return op.Fail("the Linux processes of the host and the wineserver were not found"), 1;
    if (!op.StartMeasurement())
        return 1;
    Note("stream: rate code " + std::to_string(iRateCode) + ", " + std::to_string(iChannels) +
         " channel(s), " + op.StreamOf(op.SimState()));
    const long long llRssStart = StatusValue(iPid, "VmRSS");
    const double dStart = ::GetTickCount64() / 1000.0;
    const CpuSample first{dStart, CpuTicks(iPid), CpuTicks(iServerPid)};
    std::vector<DWORD> answers;
    long long llRssMax = llRssStart;
    bool bStoppedEarly = false;
    ULONGLONG ullNextCheck = 0;
    while (::GetTickCount64() / 1000.0 - dStart < iSeconds)
    {
        const ULONGLONG ullTick = ::GetTickCount64();
        answers.push_back(op.ProbeAnswerMs());
        if (ullTick >= ullNextCheck)
        {
            llRssMax = std::max(llRssMax, StatusValue(iPid, "VmRSS"));
            bStoppedEarly |= op.StreamOf(op.SimState()) == "null";
            ullNextCheck = ullTick + 1000;
        }
        const ULONGLONG ullSpent = ::GetTickCount64() - ullTick;
        if (ullSpent < PROBE_PERIOD_MS)
            ::Sleep(static_cast<DWORD>(PROBE_PERIOD_MS - ullSpent));
    }
    const CpuSample last{::GetTickCount64() / 1000.0, CpuTicks(iPid), CpuTicks(iServerPid)};
    const long long llRssEnd = StatusValue(iPid, "VmRSS");
    const ULONGLONG ullStop = ::GetTickCount64();
    if (!op.StopMeasurement())
        return 1;
    std::string strValueFile;
    const bool bWritten = WaitForValueFile(op, strFolder, strValueFile);
    const double dWriteSeconds = (::GetTickCount64() - ullStop) / 1000.0;
    const std::string strLast = CSimClient::FindValue(op.SimState(), "last_stream");
    const long long llRecords = std::atoll(CSimClient::FindValue(strLast, "records").c_str());
    SoakFigures figures = {};
    if (!AskHost(op.m_program.ProcessId(), figures, "askcurves"))
        return op.Fail("the host's probe did not answer"), 1;

    const double dWall = last.dSeconds - first.dSeconds;
    const double dProgram = 100.0 * static_cast<double>(last.llProgram - first.llProgram) / 100.0 / dWall;
    const double dServer = 100.0 * static_cast<double>(last.llServer - first.llServer) / 100.0 / dWall;
    std::sort(answers.begin(), answers.end());
    const DWORD dwP99 = answers.empty() ? 0 : answers[answers.size() * 99 / 100];
    const DWORD dwMax = answers.empty() ? 0 : answers.back();
    const double dGrowth = static_cast<double>(llRssEnd - llRssStart) * 1024.0;
    const double dAllowed = BYTES_PER_PAIR * static_cast<double>(llRecords) + MEMORY_SLACK_BYTES;
    Note("load average at the end: " + ReadLinuxFile("/proc/loadavg").substr(0, 14));
    Figure("records sent by the simulator", std::to_string(llRecords), "-", llRecords > 0);
    Figure("records per second", Format("%.0f", static_cast<double>(llRecords) / dWall), "-", true);
    Figure("simulator stopped before Stop", bStoppedEarly ? "yes" : "no", "no", !bStoppedEarly);
    Figure("stop reason", CSimClient::FindValue(strLast, "reason"), "stop bytes",
           CSimClient::FindValue(strLast, "reason") == "stop bytes");
    Figure("diagram points Y1 - records", std::to_string(figures.lCurvePoints[0] - llRecords), "0 or 1",
           figures.lCurvePoints[0] - llRecords == 0 || figures.lCurvePoints[0] - llRecords == 1);
    Figure("one count of Y1 in the diagram", Format("%g", figures.dCurveUnit), "> 0 (resolved)",
           figures.dCurveUnit > 0);
    Figure("records lost or doubled (Y1 steps)", std::to_string(figures.lIrregularSteps), "0",
           figures.lIrregularSteps == 0);
    if (figures.lIrregularSteps > 0)
        Note("first irregular step at point " + std::to_string(figures.lFirstIrregular));
    Figure("program CPU, % of one core", Format("%.1f", dProgram), "<= 25",
           !bTimingGoals || dProgram <= CPU_GOAL_PERCENT);
    Figure("wineserver CPU, % of one core", Format("%.1f", dServer), "(reported)", true);
    Figure("UI probe p99, ms", std::to_string(dwP99), "<= 100", !bTimingGoals || dwP99 <= PROBE_P99_GOAL_MS);
    Figure("UI probe maximum, ms", std::to_string(dwMax), "(reported)", true);
    Figure("resident memory start/max/end, MiB",
           Format("%.1f", llRssStart / 1024.0) + "/" + Format("%.1f", llRssMax / 1024.0) + "/" +
               Format("%.1f", llRssEnd / 1024.0),
           "(reported)", true);
    Figure("memory growth, MiB", Format("%.1f", dGrowth / 1048576.0),
           "<= " + Format("%.1f", dAllowed / 1048576.0) + " (32 B/pair)",
           !bTimingGoals || dGrowth <= dAllowed);
    ReportValueFile(op, strValueFile, bWritten, llRecords, dWriteSeconds, bTimingGoals);
    if (!bTimingGoals)
        Note("CPU, answer times, memory and the file's write time not judged in this short run");
    return g_iFailures == 0 ? 0 : 1;
}

// ---- Unplug and replug -------------------------------------------------------------------------------

struct Counts
{
    SoakFigures figures;
    long long llThreads;
    // The kernel handles of each probe, as "80 80 79 80 80".
    std::string strProbes;
};

constexpr size_t PROBES = 5;
constexpr int MOST_PROBES = 12;

long long Median(std::vector<long long> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of five probes that found the program holding its port (after a replug it may search once
// more a few seconds after it connected, with the port closed meanwhile), at most twelve probes: a
// handle or thread that lives for a moment (serial waits) is not counted, an object kept from one cycle
// to the next is. False when the probe does not answer or never finds the port held.
bool Count(COperator& op, int iPid, Counts& counts)
{
    std::string strPort = CSimClient::FindValue(op.SimState(), "tty") + "|";
    std::replace(strPort.begin(), strPort.end(), '/', '\\');
    counts = {};
    std::vector<SoakFigures> probes;
    std::vector<long long> kernel;
    std::vector<long long> gdi;
    std::vector<long long> windows;
    std::vector<long long> threads;
    for (int i = 0; i < MOST_PROBES && probes.size() < PROBES; ++i)
    {
        SoakFigures figures = {};
        if (!AskHost(op.m_program.ProcessId(), figures))
            return false;
        const bool bHeld = std::string(figures.szFileNames).find(strPort) != std::string::npos;
        counts.strProbes +=
            (i ? " " : "") + std::to_string(figures.lKernelHandles) + (bHeld ? "" : " (port closed)");
        if (bHeld)
        {
            probes.push_back(figures);
            threads.push_back(StatusValue(iPid, "Threads"));
            kernel.push_back(figures.lKernelHandles);
            gdi.push_back(figures.lGdiObjects);
            windows.push_back(figures.lWindows);
        }
        ::Sleep(200);
    }
    if (probes.empty())
        return false;
    // The types and file names of a probe that found the median of kernel handles.
    const long long llKernel = Median(kernel);
    counts.figures = *std::find_if(probes.begin(), probes.end(),
                                   [&](const SoakFigures& f) { return f.lKernelHandles == llKernel; });
    counts.figures.lGdiObjects = static_cast<LONG>(Median(gdi));
    counts.figures.lWindows = static_cast<LONG>(Median(windows));
    counts.llThreads = Median(threads);
    for (const SoakFigures& figures : probes)
        counts.figures.lHighestHandle = std::max(counts.figures.lHighestHandle, figures.lHighestHandle);
    return true;
}

std::string Describe(const Counts& c)
{
    return "kernel " + std::to_string(c.figures.lKernelHandles) + " (highest value " +
           std::to_string(c.figures.lHighestHandle) + " of " + std::to_string(c.figures.lHandleLimit) +
           " probed), GDI " + std::to_string(c.figures.lGdiObjects) + ", windows " +
           std::to_string(c.figures.lWindows) + ", threads " + std::to_string(c.llThreads);
}

// The names of a '|'-ended list that are not in the other list as often (each name counted).
std::string NamesNotIn(const std::string& strList, const std::string& strOther)
{
    std::vector<std::string> others;
    for (size_t i = 0, end; (end = strOther.find('|', i)) != std::string::npos; i = end + 1)
        others.push_back(strOther.substr(i, end - i));
    std::string strMissing;
    for (size_t i = 0, end; (end = strList.find('|', i)) != std::string::npos; i = end + 1)
    {
        const std::string strName = strList.substr(i, end - i);
        const auto found = std::find(others.begin(), others.end(), strName);
        if (found == others.end())
            strMissing += (strMissing.empty() ? "" : ", ") + strName;
        else
            others.erase(found);
    }
    return strMissing.empty() ? "none" : strMissing;
}

// The entries of a sensor loss in the diagnostic log (their head lines end with the message), the first
// one's head line, and the file's length, which falls when a file over 1 MB is started anew.
struct LogState
{
    long long llBytes = 0;
    int iLossEntries = 0;
    std::string strFirstLoss;
};

// False while the file cannot be read (the program holds it without sharing while it writes an entry).
bool ReadLogState(LogState& state)
{
    static const std::string LOSS_HEAD = "   \"Sensor getrennt\"\n";
    const std::string strPath = COperator::LogFile();
    std::string strText;
    if (!ReadWholeFile(strPath, strText) && ::GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    state = {};
    state.llBytes = static_cast<long long>(strText.size());
    for (size_t n = strText.find(LOSS_HEAD); n != std::string::npos; n = strText.find(LOSS_HEAD, n + 1))
    {
        if (state.iLossEntries++ == 0)
        {
            const size_t nStart = strText.rfind('\n', n);
            state.strFirstLoss = strText.substr(nStart + 1, n + LOSS_HEAD.size() - 2 - nStart);
        }
    }
    return true;
}

// A new entry of the loss in the diagnostic log since the state before (after a file was started anew,
// any loss entry in it); the state is brought up to date.
bool WaitForLossLogEntry(COperator& op, LogState& before)
{
    LogState now = before;
    const bool bLogged = op.m_program.WaitFor("the loss in the diagnostic log", 10000,
                                              [&]
                                              {
                                                  if (!ReadLogState(now))
                                                      return false;
                                                  const int iBefore =
                                                      now.llBytes < before.llBytes ? 0 : before.iLossEntries;
                                                  return now.iLossEntries > iBefore;
                                              });
    before = now;
    return bLogged;
}

// The loss as the program reports it: a message box (its text read and answered) or the status.
bool WaitForLossReport(COperator& op, std::string& strReport)
{
    return op.m_program.WaitFor("the report of the loss", START_TIMEOUT_MS,
                                [&]
                                {
                                    if (HWND hBox = op.FindMessageBox())
                                    {
                                        strReport =
                                            "message box \"" + op.m_program.MessageBoxText(hBox) + "\"";
                                        op.m_program.AnswerMessageBox(hBox, IDOK);
                                        return true;
                                    }
                                    const std::string strStatus = CProgramHarness::GetText(op.m_hStatusBar);
                                    if (strStatus == ProgramText(IDS_STATUS_DISCONNECTED, op.m_iLanguage))
                                    {
                                        strReport = "status \"" + strStatus + "\"";
                                        return true;
                                    }
                                    return false;
                                });
}

int RunUnplug(int iCycles)
{
    COperator op(true);
    if (!COperator::ClearSettingsLogOn())
        return op.Fail("the settings could not be cleared"), 1;
    if (!op.ConnectSimulator() || !op.ConfigureSensor(3) || !op.StartProgram(false))
        return 1;
    const int iPid = FindLinuxProcess("soakhost.exe");
    if (iPid == 0)
        return op.Fail("the Linux process of the host was not found"), 1;
    LogState log;
    int iLogged = 0;
    // A long run compares with cycle 10, after the start's own objects have settled; a short one with
    // cycle 1.
    const int iBaseCycle = iCycles >= 20 ? 10 : 1;
    Counts base = {};
    Counts last = {};
    int iReports = 0;
    int iReconnects = 0;
    // Rises less falls of the summed counts from one probe to the next: a rising trend when above 0.
    int iRises = 0;
    long long llPreviousSum = -1;
    std::string strFirstReport;
    for (int iCycle = 1; iCycle <= iCycles; ++iCycle)
    {
        if (!op.StartMeasurement())
            break;
        ::Sleep(300);
        std::string strReport;
        if (!op.m_sim.Unplug() ||
            !op.m_program.SendDeviceChange(op.m_hFrame, DBT_DEVICEREMOVECOMPLETE, "COM5"))
            return op.Fail("unplug of cycle " + std::to_string(iCycle)), 1;
        if (!WaitForLossReport(op, strReport))
            return op.Fail("no report of the loss in cycle " + std::to_string(iCycle)), 1;
        ++iReports;
        if (strFirstReport.empty())
            strFirstReport = strReport;
        iLogged += WaitForLossLogEntry(op, log);
        if (!op.m_sim.Replug() || !op.m_program.SendDeviceChange(op.m_hFrame, DBT_DEVICEARRIVAL, "COM5") ||
            !op.m_program.SendDeviceChange(op.m_hFrame, DBT_DEVNODES_CHANGED))
            return op.Fail("replug of cycle " + std::to_string(iCycle)), 1;
        if (!op.WaitForStatus(IDS_STATUS_READY, START_TIMEOUT_MS))
        {
            op.Fail("no reconnection in cycle " + std::to_string(iCycle) + "; " + op.Describe());
            // The cycle counts as failed; the device unplugged and plugged in once more lets the run go on.
            if (!op.m_sim.Unplug() ||
                !op.m_program.SendDeviceChange(op.m_hFrame, DBT_DEVICEREMOVECOMPLETE, "COM5") ||
                !op.m_sim.Replug() ||
                !op.m_program.SendDeviceChange(op.m_hFrame, DBT_DEVICEARRIVAL, "COM5") ||
                !op.m_program.SendDeviceChange(op.m_hFrame, DBT_DEVNODES_CHANGED) ||
                !op.WaitForStatus(IDS_STATUS_READY, START_TIMEOUT_MS))
                break;
            Note("cycle " + std::to_string(iCycle) + ": connected again after a second replug");
            continue;
        }
        ++iReconnects;
        if (iCycle == iBaseCycle || iCycle % 10 == 0 || iCycle == iCycles)
        {
            Counts counts = {};
            if (!Count(op, iPid, counts))
                return op.Fail("the host's probe did not answer, or never found the port held"), 1;
            Note("cycle " + std::to_string(iCycle) + ": " + Describe(counts) + " (kernel handles by probe " +
                 counts.strProbes + "; probe " + std::to_string(counts.figures.lProbeMs) + " ms); trace " +
                 std::to_string(counts.figures.lTraceChars) +
                 " characters; handles: " + counts.figures.szHandleTypes);
            const long long llSum = counts.figures.lKernelHandles + counts.figures.lGdiObjects +
                                    counts.figures.lWindows + counts.llThreads;
            if (iCycle == iBaseCycle)
            {
                base = counts;
                Note("file handles at cycle " + std::to_string(iCycle) + ": " + counts.figures.szFileNames);
            }
            else if (iCycle > iBaseCycle && llSum != llPreviousSum)
                iRises += llSum > llPreviousSum ? 1 : -1;
            if (iCycle > iBaseCycle && counts.figures.lKernelHandles != base.figures.lKernelHandles)
                Note("file handles since cycle " + std::to_string(iBaseCycle) + ": opened " +
                     NamesNotIn(counts.figures.szFileNames, base.figures.szFileNames) + "; closed " +
                     NamesNotIn(base.figures.szFileNames, counts.figures.szFileNames));
            if (iCycle >= iBaseCycle)
                llPreviousSum = llSum;
            last = counts;
        }
    }
    if (op.m_program.IsRunning() && op.StartMeasurement())
        op.StopMeasurement();
    Note("load average at the end: " + ReadLinuxFile("/proc/loadavg").substr(0, 14));
    Note("the loss as reported: " + strFirstReport);
    Figure("cycles with a report of the loss", std::to_string(iReports), std::to_string(iCycles),
           iReports == iCycles);
    Note("the loss in the diagnostic log: " + (log.strFirstLoss.empty() ? "none" : log.strFirstLoss));
    Figure("cycles with a log entry of the loss", std::to_string(iLogged), std::to_string(iCycles),
           iLogged == iCycles);
    Figure("starts refused by a message box", std::to_string(op.m_iRefusedStarts), "0",
           op.m_iRefusedStarts == 0);
    Figure("cycles reconnected", std::to_string(iReconnects), std::to_string(iCycles),
           iReconnects == iCycles);
    Figure("program running (no crash)", op.m_program.IsRunning() ? "yes" : "no", "yes",
           op.m_program.IsRunning());
    Figure("kernel handles at cycle " + std::to_string(iBaseCycle) + " / last",
           std::to_string(base.figures.lKernelHandles) + " / " + std::to_string(last.figures.lKernelHandles),
           "equal", base.figures.lKernelHandles == last.figures.lKernelHandles);
    Figure("GDI objects at cycle " + std::to_string(iBaseCycle) + " / last",
           std::to_string(base.figures.lGdiObjects) + " / " + std::to_string(last.figures.lGdiObjects),
           "equal", base.figures.lGdiObjects == last.figures.lGdiObjects);
    Figure("windows at cycle " + std::to_string(iBaseCycle) + " / last",
           std::to_string(base.figures.lWindows) + " / " + std::to_string(last.figures.lWindows), "equal",
           base.figures.lWindows == last.figures.lWindows);
    Figure("threads at cycle " + std::to_string(iBaseCycle) + " / last",
           std::to_string(base.llThreads) + " / " + std::to_string(last.llThreads), "equal",
           base.llThreads == last.llThreads);
    Figure("rises less falls of the counts after cycle " + std::to_string(iBaseCycle), std::to_string(iRises),
           "<= 0", iRises <= 0);
    return g_iFailures == 0 ? 0 : 1;
}

// ---- Garbage on the line -----------------------------------------------------------------------------

// Rounds of random bytes before every answer of the sensor while the operator starts and stops
// measurements: the window keeps answering, and once the line is clean the program measures again (after
// a new search when it took the sensor as lost).
int RunGarbage(int iRounds, unsigned uSeed)
{
    COperator op(true);
    if (!op.ConnectSimulator() || !op.ConfigureSensor(3) || !op.StartProgram(true))
        return 1;
    std::srand(uSeed);
    DWORD dwSlowest = 0;
    for (int iRound = 0; iRound < iRounds; ++iRound)
    {
        std::string strHex;
        const int iBytes = 1 + std::rand() % 40;
        for (int i = 0; i < iBytes; ++i)
        {
            char sz[4];
            std::snprintf(sz, sizeof(sz), "%02X ", std::rand() % 3 == 0 ? 0x02 : std::rand() % 256);
            strHex += sz;
        }
        strHex.pop_back();
        op.m_sim.InjectFault("garbage", "all", "\"data\": \"" + strHex + "\"");
        HWND hStart = op.Control(IDC_PANEL_START);
        HWND hStop = op.Control(IDC_PANEL_STOP);
        op.ShowPage(ID_MODE_MEASURE_DIAGRAM, IDS_PAGE_MEASURE_DIAGRAM);
        for (int i = 0; i < 20; ++i)
        {
            if (::IsWindowEnabled(hStart))
                op.m_program.Click(hStart);
            else if (::IsWindowEnabled(hStop))
                op.m_program.Click(hStop);
            if (HWND hBox = op.FindMessageBox())
                op.m_program.AnswerMessageBox(hBox, IDOK);
            dwSlowest = std::max(dwSlowest, op.ProbeAnswerMs());
            ::Sleep(100);
        }
        op.m_sim.ClearFaults();
    }
    for (int i = 0; i < 5; ++i)
    {
        if (HWND hBox = op.FindMessageBox())
            op.m_program.AnswerMessageBox(hBox, IDOK);
        ::Sleep(200);
    }
    if (::IsWindowEnabled(op.Control(IDC_PANEL_STOP)))
        op.StopMeasurement();
    const bool bRecovered =
        op.WaitForStatus(IDS_STATUS_READY, START_TIMEOUT_MS) && op.StartMeasurement() && op.StopMeasurement();
    Figure("garbage rounds", std::to_string(iRounds), "-", true);
    Figure("slowest answer to WM_NULL, ms", std::to_string(dwSlowest), "< 5000 (responsive)",
           dwSlowest < 5000);
    Figure("program running (no crash)", op.m_program.IsRunning() ? "yes" : "no", "yes",
           op.m_program.IsRunning());
    Figure("measures again on a clean line", bRecovered ? "yes" : "no", "yes", bRecovered);
    return g_iFailures == 0 ? 0 : 1;
}

// ---- Damaged settings records -------------------------------------------------------------------------

// Each stored settings record damaged in turn (cut to half, random bytes of its size, an absurd size,
// one byte, one byte of it changed): the program starts, connects and measures, and at its exit the
// record is stored whole again.
int RunRecords(unsigned uSeed)
{
    struct Record
    {
        const char* pszSection;
        const char* pszName;
    };
    const Record RECORDS[] = {{"DespiteReset", "MeasureAdjustStruct"},
                              {"DespiteReset", "MeasureDgrmStruct"},
                              {"DespiteReset", "DocumentationStruct"},
                              {"AllViewState\\Configs\\TreeState", "TreeCtrlStruct"}};
    const char* const KINDS[] = {"cut to half", "random bytes", "64 KiB", "one byte", "one byte changed"};
    COperator op(true);
    if (!op.ConnectSimulator() || !op.ConfigureSensor(6) || !op.StartProgram(true) || !op.m_program.Close())
        return op.Fail("a first run to store the records"), 1;
    std::srand(uSeed);
    for (const Record& record : RECORDS)
    {
        std::vector<BYTE> good;
        if (!CProgramHarness::ReadBinary(record.pszSection, record.pszName, good) || good.size() < 16)
        {
            Figure(std::string(record.pszName) + " stored by the program", "no", "yes", false);
            continue;
        }
        for (const char* pszKind : KINDS)
        {
            std::vector<BYTE> bad(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
            if (std::strcmp(pszKind, "random bytes") == 0 || std::strcmp(pszKind, "64 KiB") == 0)
            {
                bad.resize(std::strcmp(pszKind, "64 KiB") == 0 ? 65536 : good.size());
                for (BYTE& b : bad)
                    b = static_cast<BYTE>(std::rand());
            }
            else if (std::strcmp(pszKind, "one byte") == 0)
                bad.assign(1, 0x7F);
            else if (std::strcmp(pszKind, "one byte changed") == 0)
            {
                bad = good;
                bad[0] ^= 0x10;
            }
            const bool bWritten = CProgramHarness::WriteBinary(record.pszSection, record.pszName, bad);
            const bool bRuns = bWritten && op.StartProgram(false) && op.StartMeasurement() &&
                               op.StopMeasurement() && op.m_program.Close();
            std::vector<BYTE> after;
            const bool bWhole = CProgramHarness::ReadBinary(record.pszSection, record.pszName, after) &&
                                after.size() == good.size();
            Figure(std::string(record.pszName) + ", " + pszKind, bRuns ? "runs, measures" : "failed",
                   "runs, measures", bRuns);
            Figure(std::string(record.pszName) + ", " + pszKind + ": stored after",
                   std::to_string(after.size()) + " bytes", std::to_string(good.size()) + " bytes", bWhole);
            if (!bRuns)
                op.m_program.Kill();
        }
    }
    return g_iFailures == 0 ? 0 : 1;
}

// ---- Damaged files the program appends to ------------------------------------------------------------

// A measurement started and stopped in the running program, and its file in the one-file mode written.
bool MeasureOnce(COperator& op, const std::string& strFolder)
{
    std::string strFile;
    if (!op.StartMeasurement())
        return false;
    ::Sleep(500);
    return op.StopMeasurement() &&
           (WaitForValueFile(op, strFolder, strFile) || op.Fail("the file not written"));
}

// The damaged version of good content: cut to half, random bytes of its size, or of another version (the
// CSV with TABs and LF line ends, as another program or version writes it; the log with another version
// in its head lines and CR LF line ends).
std::vector<BYTE> Damaged(const std::vector<BYTE>& good, const std::string& strKind, bool bLog)
{
    std::vector<BYTE> bad(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    if (strKind == "random bytes")
    {
        bad.resize(good.size());
        for (BYTE& b : bad)
            b = static_cast<BYTE>(std::rand());
    }
    else if (strKind == "another version")
    {
        std::string strText(good.begin(), good.end());
        std::string strOther;
        for (size_t i = 0; i < strText.size(); ++i)
        {
            if (bLog && strText.compare(i, 14, "Version: 2.05 ") == 0)
                strOther += "Version: 1.98 ", i += 13;
            else if (bLog && strText[i] == '\n')
                strOther += "\r\n";
            else if (!bLog && strText[i] == ';')
                strOther += '\t';
            else if (!bLog && strText[i] == '\r')
                continue;
            else
                strOther += strText[i];
        }
        bad.assign(strOther.begin(), strOther.end());
    }
    return bad;
}

// The one-file CSV that measurements append to and the diagnostic log, each cut short, of random bytes and
// of another version: with each the program starts, measures (which appends to the CSV and, with logging
// on, to the log) and closes, and the file keeps every byte it had.
int RunAppended(unsigned uSeed)
{
    COperator op(true);
    const std::string strFolder = std::string(STORAGE_FOLDER) + "\\appended";
    if (!EmptyFolder(STORAGE_FOLDER) || !EmptyFolder(strFolder) || !COperator::ClearSettingsLogOn())
        return op.Fail("the folder " + strFolder + " or the settings"), 1;
    // A first run writes both files; storage and logging stay on in the stored settings.
    if (!op.ConnectSimulator() || !op.ConfigureSensor(6) || !op.StartProgram(false) ||
        !op.ChooseValueStorage(IDS_DOCU_STORAGE_ONE_FILE, strFolder) || !MeasureOnce(op, strFolder) ||
        !op.m_program.Close())
        return op.Fail("a first run to write the files"), 1;
    const std::string strCsv = strFolder + "\\TAB.csv";
    const std::string strLog = COperator::LogFile();
    const std::vector<BYTE> goodCsv = ReadFileBytes(strCsv);
    const std::vector<BYTE> goodLog = ReadFileBytes(strLog);
    Figure("files written by a first run",
           std::to_string(goodCsv.size()) + " + " + std::to_string(goodLog.size()) + " bytes", "both",
           !goodCsv.empty() && !goodLog.empty());
    if (goodCsv.empty() || goodLog.empty())
        return 1;
    Note("CSV " + strCsv + ", log " + strLog);
    std::srand(uSeed);
    for (const bool bLog : {false, true})
    {
        const std::string strFile = bLog ? strLog : strCsv;
        // What a run appends: a measurement to the CSV; its connection and end to the log.
        const std::vector<std::string> marks =
            bLog ? std::vector<std::string>{"\"Sensor Verbunden\"", "\"OnCloseApp()\""}
                 : std::vector<std::string>{"\n#;", ProgramText(IDS_HEADER_STOP, op.m_iLanguage)};
        for (const char* pszKind : {"cut short", "random bytes", "another version"})
        {
            const std::vector<BYTE> bad = Damaged(bLog ? goodLog : goodCsv, pszKind, bLog);
            const bool bRuns = WriteFileBytes(strFile, bad) && op.StartProgram(false) &&
                               MeasureOnce(op, strFolder) && op.m_program.Close();
            if (!bRuns)
                op.m_program.Kill();
            const std::vector<BYTE> after = ReadFileBytes(strFile);
            const bool bKept =
                after.size() >= bad.size() && std::equal(bad.begin(), bad.end(), after.begin());
            const std::string strAppended(after.begin() + static_cast<long>(bKept ? bad.size() : 0),
                                          after.end());
            bool bAppended = bKept;
            for (const std::string& strMark : marks)
                bAppended = bAppended && strAppended.find(strMark) != std::string::npos;
            Figure(std::string(bLog ? "diagnostic log, " : "one-file CSV, ") + pszKind,
                   std::string(bRuns ? "runs" : "failed") + ", " + (bKept ? "kept" : "changed") + " " +
                       std::to_string(bad.size()) + " B, +" +
                       std::to_string(after.size() - std::min(after.size(), bad.size())) + " B",
                   "runs, a prefix, appended", bRuns && bKept && bAppended);
        }
    }
    return g_iFailures == 0 ? 0 : 1;
}

// ---- Damaged bitmaps: the user's print logo and the program's own logo file -----------------------------

// The report printed on the default test printer: the note answered, the print dialog confirmed; the
// message boxes that come meanwhile are collected (answered with OK). True once the printer file changed.
bool PrintReport(COperator& op, std::string& strMessages)
{
    std::string strPath = "Z:" + Environment("TQ5_BUILD_DIR") + "/wine/printer/port300.ps";
    std::replace(strPath.begin(), strPath.end(), '/', '\\');
    const std::vector<BYTE> before = ReadFileBytes(strPath);
    if (!op.m_program.PostCommand(op.m_hFrame, ID_FILE_PRINT_REPORT))
        return false;
    HWND hNote = op.m_program.WaitForMessageBox();
    if (hNote == nullptr || !op.m_program.AnswerMessageBox(hNote, IDOK))
        return false;
    HWND hDialog = nullptr;
    op.m_program.WaitFor("the print dialog", START_TIMEOUT_MS,
                         [&]
                         {
                             for (HWND hWnd : op.m_program.TopWindows(CProgramHarness::Dialog()))
                             {
                                 if (::GetDlgItem(hWnd, IDOK) && ::GetDlgItem(hWnd, 0x473))
                                     return (hDialog = hWnd) != nullptr;
                             }
                             return false;
                         });
    if (hDialog == nullptr || !op.m_program.PostClick(::GetDlgItem(hDialog, IDOK)) ||
        !op.m_program.WaitFor("the print dialog closed", START_TIMEOUT_MS,
                              [&] { return !::IsWindow(hDialog); }))
        return false;
    return op.m_program.WaitFor("the printed page", START_TIMEOUT_MS,
                                [&]
                                {
                                    const std::string strBox = op.AnswerMessageBox();
                                    if (!strBox.empty())
                                        strMessages += (strMessages.empty() ? "" : " / ") + strBox;
                                    const std::vector<BYTE> after = ReadFileBytes(strPath);
                                    return !after.empty() && after != before &&
                                           std::string(after.begin(), after.end()).find("%%EOF") !=
                                               std::string::npos;
                                });
}

int RunBitmaps(unsigned uSeed)
{
    COperator op(true);
    const std::string strFolder = CProgramHarness::MakerFolder();
    const std::string strOwnLogo = strFolder + "\\TEMP_TERVANE.bmp";
    const std::string strUserLogo = strFolder + "\\Custom_Print_Logo.bmp";
    ::DeleteFileA(strUserLogo.c_str());
    if (!op.ConnectSimulator() || !op.ConfigureSensor(6) || !op.StartProgram(true) || !op.m_program.Close())
        return op.Fail("a first run to write the program's logo file"), 1;
    const std::vector<BYTE> good = ReadFileBytes(strOwnLogo);
    Figure("TEMP_TERVANE.bmp written at the start", std::to_string(good.size()) + " bytes", "a bitmap",
           good.size() > 54 && good[0] == 'B' && good[1] == 'M');
    // The program's own logo cut short, and a user logo of random bytes with a bitmap's signature.
    std::vector<BYTE> cut(good.begin(), good.begin() + static_cast<long>(std::min<size_t>(good.size(), 100)));
    std::srand(uSeed);
    std::vector<BYTE> junk(4000);
    for (BYTE& b : junk)
        b = static_cast<BYTE>(std::rand());
    junk[0] = 'B';
    junk[1] = 'M';
    if (!WriteFileBytes(strOwnLogo, cut) || !WriteFileBytes(strUserLogo, junk))
        return op.Fail("the damaged files could not be written"), 1;
    const bool bRuns = op.StartProgram(false) && op.StartMeasurement() && op.StopMeasurement();
    Figure("starts and measures with both damaged", bRuns ? "yes" : "no", "yes", bRuns);
    const std::vector<BYTE> after = ReadFileBytes(strOwnLogo);
    Figure("damaged TEMP_TERVANE.bmp rewritten", std::to_string(after.size()) + " bytes",
           std::to_string(good.size()) + " bytes", after == good);
    std::string strMessages;
    const bool bPrinted = bRuns && PrintReport(op, strMessages);
    Figure("report printed with an unreadable user logo", bPrinted ? "yes" : "no", "yes", bPrinted);
    Figure("message naming the user logo", strMessages.empty() ? "none" : "\"" + strMessages + "\"",
           "names Custom_Print_Logo.bmp", strMessages.find("Custom_Print_Logo.bmp") != std::string::npos);
    Figure("program running (no crash)", op.m_program.IsRunning() ? "yes" : "no", "yes",
           op.m_program.IsRunning());
    op.m_program.Close();
    ::DeleteFileA(strUserLogo.c_str());
    return g_iFailures == 0 ? 0 : 1;
}

// ---- Languages and the operator of the demo ------------------------------------------------------------

int RunLanguage(const std::string& strShot)
{
    COperator op(true);
    if (!op.ConnectSimulator() || !op.m_sim.Reset() || !op.m_sim.SetRamp('A', -9000, 3) ||
        !op.StartProgram(false) || !op.StartMeasurement() ||
        !op.WaitForStatus(IDS_STATUS_MEASURING, START_TIMEOUT_MS))
        return 1;
    const int iLanguage = op.m_iLanguage;
    Note("language offset " + std::to_string(iLanguage) + " (" + Environment("LANG") + ")");
    const std::string strCaption = ActivePageCaption(op.m_hFrame);
    Figure("page caption", "\"" + strCaption + "\"",
           "string " + std::to_string(IDS_PAGE_MEASURE_DIAGRAM + iLanguage),
           strCaption == ProgramText(IDS_PAGE_MEASURE_DIAGRAM, iLanguage));
    const std::string strStatus = CProgramHarness::GetText(op.m_hStatusBar);
    Figure("status while measuring", "\"" + strStatus + "\"",
           "string " + std::to_string(IDS_STATUS_MEASURING + iLanguage),
           strStatus == ProgramText(IDS_STATUS_MEASURING, iLanguage));
    // The menu bar's titles (File, Operating mode, View, Language, Help) and the Spanish command, as the
    // host reads them from its own owner-drawn menu.
    SoakFigures figures = {};
    if (!AskHost(op.m_program.ProcessId(), figures))
        return op.Fail("the host's probe did not answer"), 1;
    std::string strExpected;
    for (int iId : {5045, 5050, 5059, 5068, 5073})
        strExpected += ProgramText(iId, iLanguage) + "|";
    const std::string strTitles(figures.szMenuTitles);
    Figure("menu titles", strTitles, "strings 5045.. + offset", strTitles == strExpected);
    Figure("owner-drawn popup menu items",
           std::to_string(figures.lOwnerDrawnItems) + " of " + std::to_string(figures.lMenuItems), "all",
           figures.lOwnerDrawnItems == figures.lMenuItems);
    Figure("Spanish in the language menu",
           figures.nSpanishState == static_cast<UINT>(-1) ? "removed" : "present", "removed",
           figures.nSpanishState == static_cast<UINT>(-1));
    std::string strPath;
    if (!op.m_program.SaveScreenshot(op.m_hFrame, strShot, &strPath))
        op.Fail("screenshot");
    Note("screenshot: " + strPath);
    if (op.StopMeasurement())
    {
        const std::string strReady = CProgramHarness::GetText(op.m_hStatusBar);
        Figure("status after Stop", "\"" + strReady + "\"",
               "string " + std::to_string(IDS_STATUS_READY + iLanguage),
               strReady == ProgramText(IDS_STATUS_READY, iLanguage));
    }
    op.m_program.Close();
    return g_iFailures == 0 ? 0 : 1;
}

// The demo's operator: a measurement started in the program the run script started; it goes on running
// when the driver ends after the given seconds.
int RunOperate(int iSeconds)
{
    COperator op(false);
    if (!op.ConnectSimulator() || !op.AttachToRunningProgram() || !op.StartMeasurement() ||
        !op.WaitForStatus(IDS_STATUS_MEASURING, START_TIMEOUT_MS))
        return 1;
    // Channel A's value as the pane shows it, every second.
    constexpr int BAR_CHANNEL_A = 123;
    HWND hValue =
        op.m_program.FindControl(op.m_program.FindControl(op.m_hFrame, BAR_CHANNEL_A), IDC_CHANNEL_VALUE);
    std::string strValues;
    for (int i = 0; i < iSeconds; ++i)
    {
        ::Sleep(1000);
        strValues += (i ? ", " : "") + CProgramHarness::GetText(hValue);
    }
    Note("channel A, once a second: " + strValues);
    Note("measuring for " + std::to_string(iSeconds) + " s; status \"" +
         CProgramHarness::GetText(op.m_hStatusBar) + "\"; stream " + op.StreamOf(op.SimState()));
    op.m_program.Release();
    return 0;
}

// The end of the demo: the measurement stopped and the program closed as by the operator.
int RunFinish()
{
    COperator op(false);
    if (!op.ConnectSimulator() || !op.m_program.AttachToOtherInstance(START_TIMEOUT_MS))
        return op.Fail("no running TQ5.exe"), 1;
    op.m_hFrame = op.m_program.WaitForWindow(CProgramHarness::MainFrame(), START_TIMEOUT_MS);
    op.m_hStatusBar = op.m_hFrame ? op.m_program.FindControl(op.m_hFrame, AFX_IDW_STATUS_BAR) : nullptr;
    if (op.m_hStatusBar == nullptr || !op.StopMeasurement())
        return 1;
    return op.m_program.Close() ? 0 : (op.Fail("the program did not close"), 1);
}
} // namespace

int main(int argc, char** argv)
{
    const std::string strMode = argc > 1 ? argv[1] : "";
    if (strMode == "stream" && (argc == 4 || (argc == 5 && std::strcmp(argv[4], "--no-timing-goals") == 0)))
        return RunStream(std::atoi(argv[2]), std::atoi(argv[3]), argc == 4);
    if (strMode == "unplug" && argc == 3)
        return RunUnplug(std::atoi(argv[2]));
    if (strMode == "garbage" && argc == 4)
        return RunGarbage(std::atoi(argv[2]), static_cast<unsigned>(std::atoi(argv[3])));
    if (strMode == "records" && argc == 3)
        return RunRecords(static_cast<unsigned>(std::atoi(argv[2])));
    if (strMode == "appended" && argc == 3)
        return RunAppended(static_cast<unsigned>(std::atoi(argv[2])));
    if (strMode == "bitmaps" && argc == 3)
        return RunBitmaps(static_cast<unsigned>(std::atoi(argv[2])));
    if (strMode == "language" && argc == 3)
        return RunLanguage(argv[2]);
    if (strMode == "operate" && argc == 3)
        return RunOperate(std::atoi(argv[2]));
    if (strMode == "finish" && argc == 2)
        return RunFinish();
    std::fprintf(stderr, "usage: soakdriver stream SECONDS CHANNELS [--no-timing-goals] | unplug CYCLES | "
                         "garbage ROUNDS SEED | records SEED | appended SEED | bitmaps SEED | "
                         "language SHOTNAME | operate SECONDS | finish\n");
    return 2;
}
