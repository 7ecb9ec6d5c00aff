#include "support/ProgramHarness.h"

#include "support/PumpUntil.h"

#include <commctrl.h>
#include <dbt.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <algorithm>
#include <functional>
#include <memory>

namespace
{
constexpr int TEXT_MAX = 4096;

std::string ModuleFolder()
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string str(szPath);
    return str.substr(0, str.find_last_of('\\'));
}

// The test programs are in <build>\tests, the program in <build>\src.
std::string ProgramFile()
{
    const std::string strTests = ModuleFolder();
    return strTests.substr(0, strTests.find_last_of('\\')) + "\\src\\TQ5.exe";
}

std::string SectionPath(const std::string& strSection)
{
    return std::string(CProgramHarness::PROGRAM_KEY) + "\\" + strSection;
}

struct KeyCloser
{
    void operator()(HKEY__* h) const { ::RegCloseKey(h); }
};
using KeyHolder = std::unique_ptr<HKEY__, KeyCloser>;

KeyHolder OpenSection(const std::string& strSection, bool bCreate)
{
    HKEY hKey = nullptr;
    const std::string strPath = SectionPath(strSection);
    const LONG lResult = bCreate ? ::RegCreateKeyExA(HKEY_CURRENT_USER, strPath.c_str(), 0, nullptr, 0,
                                                     KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr)
                                 : ::RegOpenKeyExA(HKEY_CURRENT_USER, strPath.c_str(), 0, KEY_READ, &hKey);
    return KeyHolder(lResult == ERROR_SUCCESS ? hKey : nullptr);
}

bool WriteValue(const std::string& strSection, const std::string& strName, DWORD dwType, const void* pData,
                DWORD dwSize)
{
    KeyHolder key = OpenSection(strSection, true);
    return key && ::RegSetValueExA(key.get(), strName.c_str(), 0, dwType, static_cast<const BYTE*>(pData),
                                   dwSize) == ERROR_SUCCESS;
}

bool ReadValue(const std::string& strSection, const std::string& strName, DWORD dwType,
               std::vector<BYTE>& data)
{
    KeyHolder key = OpenSection(strSection, false);
    DWORD dwFound = 0;
    DWORD dwSize = 0;
    if (!key ||
        ::RegQueryValueExA(key.get(), strName.c_str(), nullptr, &dwFound, nullptr, &dwSize) !=
            ERROR_SUCCESS ||
        dwFound != dwType)
        return false;
    data.assign(dwSize, 0);
    return ::RegQueryValueExA(key.get(), strName.c_str(), nullptr, &dwFound, data.data(), &dwSize) ==
           ERROR_SUCCESS;
}

struct EnumState
{
    DWORD dwProcessId;
    const CProgramHarness::WindowQuery* pQuery;
    std::vector<HWND> found;
};

std::string ClassName(HWND hWnd)
{
    char szClass[256] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
{
    auto* pState = reinterpret_cast<EnumState*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    const CProgramHarness::WindowQuery& q = *pState->pQuery;
    if (dwProcessId != pState->dwProcessId || (q.bVisible && !::IsWindowVisible(hWnd)) ||
        (!q.strClass.empty() && ClassName(hWnd) != q.strClass) ||
        (!q.strTitle.empty() && CProgramHarness::GetText(hWnd) != q.strTitle) ||
        (q.hOwner != nullptr && ::GetWindow(hWnd, GW_OWNER) != q.hOwner) ||
        (q.bHasMenu && ::GetMenu(hWnd) == nullptr))
        return TRUE;
    pState->found.push_back(hWnd);
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND hWnd, LPARAM lParam)
{
    auto* pTexts = reinterpret_cast<std::string*>(lParam);
    const std::string strClass = ClassName(hWnd);
    if (_stricmp(strClass.c_str(), "Static") == 0 && ::IsWindowVisible(hWnd))
    {
        const std::string strText = CProgramHarness::GetText(hWnd);
        if (!strText.empty())
            *pTexts += (pTexts->empty() ? "" : "\n") + strText;
    }
    return TRUE;
}

// Memory in the program's address space for controls whose messages take pointers.
class CRemoteBuffer
{
public:
    CRemoteBuffer(DWORD dwProcessId, SIZE_T nSize)
        : m_hProcess(
              ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, dwProcessId)),
          m_pData(m_hProcess
                      ? ::VirtualAllocEx(m_hProcess, nullptr, nSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                      : nullptr)
    {
    }
    ~CRemoteBuffer()
    {
        if (m_pData)
            ::VirtualFreeEx(m_hProcess, m_pData, 0, MEM_RELEASE);
        if (m_hProcess)
            ::CloseHandle(m_hProcess);
    }
    CRemoteBuffer(const CRemoteBuffer&) = delete;
    CRemoteBuffer& operator=(const CRemoteBuffer&) = delete;
    bool IsReady() const { return m_pData != nullptr; }
    BYTE* Address(SIZE_T nOffset = 0) const { return static_cast<BYTE*>(m_pData) + nOffset; }
    bool Write(SIZE_T nOffset, const void* pSource, SIZE_T nSize) const
    {
        return m_pData && ::WriteProcessMemory(m_hProcess, Address(nOffset), pSource, nSize, nullptr);
    }
    bool Read(SIZE_T nOffset, void* pTarget, SIZE_T nSize) const
    {
        return m_pData && ::ReadProcessMemory(m_hProcess, Address(nOffset), pTarget, nSize, nullptr);
    }

private:
    HANDLE m_hProcess;
    void* m_pData;
};

// Calls visit with each item of the tree, depth first, with its level and text, until visit returns
// false.
void VisitTreeItems(HWND hTree, const CRemoteBuffer& buffer,
                    const std::function<bool(HTREEITEM, int, const std::string&)>& visit)
{
    bool bGoOn = true;
    std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM hItem, int iLevel)
    {
        for (; bGoOn && hItem != nullptr;
             hItem = reinterpret_cast<HTREEITEM>(
                 ::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(hItem))))
        {
            TVITEMA item = {};
            item.mask = TVIF_TEXT;
            item.hItem = hItem;
            item.pszText = reinterpret_cast<LPSTR>(buffer.Address(sizeof(TVITEMA)));
            item.cchTextMax = TEXT_MAX;
            char szText[TEXT_MAX] = {};
            if (buffer.Write(0, &item, sizeof(item)) &&
                ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(buffer.Address())) &&
                buffer.Read(sizeof(TVITEMA), szText, sizeof(szText) - 1))
                bGoOn = visit(hItem, iLevel, szText);
            walk(reinterpret_cast<HTREEITEM>(
                     ::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(hItem))),
                 iLevel + 1);
        }
    };
    walk(reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0)), 0);
}

bool WriteBmp(const std::string& strPath, int cx, int cy, const std::vector<BYTE>& pixels)
{
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = cx;
    info.biHeight = -cy;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (pFile == nullptr)
        return false;
    const bool bOk = std::fwrite(&file, sizeof(file), 1, pFile) == 1 &&
                     std::fwrite(&info, sizeof(info), 1, pFile) == 1 &&
                     std::fwrite(pixels.data(), pixels.size(), 1, pFile) == 1;
    return std::fclose(pFile) == 0 && bOk;
}
} // namespace

// ---- Queries ------------------------------------------------------------------------------------------

std::string CProgramHarness::WindowQuery::Describe() const
{
    std::string str = bVisible ? "visible top-level window" : "top-level window";
    if (bHasMenu)
        str += " with a menu bar";
    if (!strClass.empty())
        str += " of class \"" + strClass + "\"";
    if (!strTitle.empty())
        str += " titled \"" + strTitle + "\"";
    return str + " of TQ5.exe";
}

CProgramHarness::WindowQuery CProgramHarness::MainFrame()
{
    WindowQuery query;
    query.strTitle = "TQ5 Measure - Tervane";
    query.bHasMenu = true;
    return query;
}

CProgramHarness::WindowQuery CProgramHarness::StartUpDialog()
{
    WindowQuery query;
    query.strClass = "#32770";
    query.strTitle = "TQ5 Measure - Tervane";
    return query;
}

CProgramHarness::WindowQuery CProgramHarness::Dialog(const std::string& strTitle)
{
    WindowQuery query;
    query.strClass = "#32770";
    query.strTitle = strTitle;
    return query;
}

CProgramHarness::CProgramHarness() = default;

CProgramHarness::~CProgramHarness()
{
    Kill();
}

bool CProgramHarness::Fail(const std::string& strError)
{
    m_strLastError = strError;
    return false;
}

bool CProgramHarness::WaitFor(const std::string& strWhat, DWORD dwTimeoutMs,
                              const std::function<bool()>& condition)
{
    if (PumpUntil(condition, dwTimeoutMs))
        return true;
    return Fail("timed out after " + std::to_string(dwTimeoutMs) + " ms waiting for " + strWhat +
                (IsRunning() ? "" : " (TQ5.exe is not running)"));
}

// ---- Settings -------------------------------------------------------------------------------------------

std::string CProgramHarness::MakerFolder()
{
    char szPath[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, szPath, CSIDL_LOCAL_APPDATA, FALSE))
        return std::string();
    return std::string(szPath) + "\\Tervane";
}

bool CProgramHarness::ClearSettings()
{
    const LONG lResult = ::RegDeleteTreeA(HKEY_CURRENT_USER, PROGRAM_KEY);
    const std::string strFolder = MakerFolder();
    for (const char* pszFile : {"TEMP_TERVANE.bmp", "TEMP_DIAGRAM.bmp"})
        ::DeleteFileA((strFolder + "\\" + pszFile).c_str());
    return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
}

bool CProgramHarness::WriteInt(const std::string& strSection, const std::string& strName, DWORD dwValue)
{
    return WriteValue(strSection, strName, REG_DWORD, &dwValue, sizeof(dwValue));
}

bool CProgramHarness::WriteString(const std::string& strSection, const std::string& strName,
                                  const std::string& strValue)
{
    return WriteValue(strSection, strName, REG_SZ, strValue.c_str(), static_cast<DWORD>(strValue.size() + 1));
}

bool CProgramHarness::WriteBinary(const std::string& strSection, const std::string& strName,
                                  const std::vector<BYTE>& data)
{
    return WriteValue(strSection, strName, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

bool CProgramHarness::ReadInt(const std::string& strSection, const std::string& strName, DWORD& dwValue)
{
    std::vector<BYTE> data;
    if (!ReadValue(strSection, strName, REG_DWORD, data) || data.size() != sizeof(DWORD))
        return false;
    std::memcpy(&dwValue, data.data(), sizeof(dwValue));
    return true;
}

bool CProgramHarness::ReadString(const std::string& strSection, const std::string& strName,
                                 std::string& strValue)
{
    std::vector<BYTE> data;
    if (!ReadValue(strSection, strName, REG_SZ, data))
        return false;
    strValue.assign(data.begin(), data.end());
    strValue.resize(strValue.find('\0') == std::string::npos ? strValue.size() : strValue.find('\0'));
    return true;
}

bool CProgramHarness::ReadBinary(const std::string& strSection, const std::string& strName,
                                 std::vector<BYTE>& data)
{
    return ReadValue(strSection, strName, REG_BINARY, data);
}

bool CProgramHarness::KeyExists(const std::string& strSection)
{
    return OpenSection(strSection, false) != nullptr;
}

// ---- Process ----------------------------------------------------------------------------------------------

std::string CProgramHarness::ProgramPath()
{
    return ProgramFile();
}

bool CProgramHarness::Start(const std::string& strArguments)
{
    Kill();
    m_strLastError.clear();
    std::string strCommandLine = "\"" + (m_strProgramPath.empty() ? ProgramFile() : m_strProgramPath) + "\"";
    if (!strArguments.empty())
        strCommandLine += " " + strArguments;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, strCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi))
        return Fail("cannot start " + strCommandLine + " (error " + std::to_string(::GetLastError()) + ")");
    ::CloseHandle(pi.hThread);
    m_hProcess = pi.hProcess;
    m_dwProcessId = pi.dwProcessId;
    return true;
}

bool CProgramHarness::IsRunning() const
{
    return m_hProcess != nullptr && ::WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT;
}

bool CProgramHarness::WaitForExit(DWORD dwTimeoutMs, DWORD* pdwExitCode)
{
    if (m_hProcess == nullptr)
        return Fail("TQ5.exe was not started");
    if (!WaitFor("TQ5.exe to end", dwTimeoutMs, [this] { return !IsRunning(); }))
        return false;
    if (pdwExitCode != nullptr)
        ::GetExitCodeProcess(m_hProcess, pdwExitCode);
    return true;
}

bool CProgramHarness::Close(DWORD dwTimeoutMs)
{
    WindowQuery query = MainFrame();
    query.bVisible = false;
    HWND hFrame = FindWindow(query);
    if (hFrame == nullptr)
        return Fail("no main frame of TQ5.exe to close");
    ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
    return WaitForExit(dwTimeoutMs);
}

void CProgramHarness::Release()
{
    if (m_hProcess != nullptr)
        ::CloseHandle(m_hProcess);
    m_hProcess = nullptr;
}

void CProgramHarness::Kill()
{
    if (m_hProcess == nullptr)
        return;
    if (IsRunning())
    {
        ::TerminateProcess(m_hProcess, 1);
        ::WaitForSingleObject(m_hProcess, 5000);
    }
    ::CloseHandle(m_hProcess);
    m_hProcess = nullptr;
    m_dwProcessId = 0;
}

bool CProgramHarness::AttachToOtherInstance(DWORD dwTimeoutMs)
{
    const DWORD dwOldProcessId = m_dwProcessId;
    DWORD dwNewProcessId = 0;
    WindowQuery query = MainFrame();
    query.bVisible = false;
    const bool bFound = WaitFor("a main frame of another instance of TQ5.exe", dwTimeoutMs,
                                [&]
                                {
                                    EnumState state{0, &query, {}};
                                    for (HWND hWnd = ::GetTopWindow(nullptr); hWnd != nullptr;
                                         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
                                    {
                                        ::GetWindowThreadProcessId(hWnd, &state.dwProcessId);
                                        if (state.dwProcessId != dwOldProcessId)
                                            CollectWindow(hWnd, reinterpret_cast<LPARAM>(&state));
                                        if (!state.found.empty())
                                        {
                                            dwNewProcessId = state.dwProcessId;
                                            return true;
                                        }
                                    }
                                    return false;
                                });
    if (!bFound)
        return false;
    HANDLE hProcess = ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION |
                                        PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                    FALSE, dwNewProcessId);
    if (hProcess == nullptr)
        return Fail("cannot open the other instance of TQ5.exe (error " + std::to_string(::GetLastError()) +
                    ")");
    if (m_hProcess != nullptr)
        ::CloseHandle(m_hProcess);
    m_hProcess = hProcess;
    m_dwProcessId = dwNewProcessId;
    return true;
}

// ---- Windows ----------------------------------------------------------------------------------------------

std::vector<HWND> CProgramHarness::TopWindows(const WindowQuery& query) const
{
    EnumState state{m_dwProcessId, &query, {}};
    if (m_dwProcessId != 0)
        ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND CProgramHarness::FindWindow(const WindowQuery& query) const
{
    const std::vector<HWND> found = TopWindows(query);
    return found.empty() ? nullptr : found.front();
}

HWND CProgramHarness::WaitForWindow(const WindowQuery& query, DWORD dwTimeoutMs)
{
    HWND hFound = nullptr;
    WaitFor("a " + query.Describe(), dwTimeoutMs, [&] { return (hFound = FindWindow(query)) != nullptr; });
    return hFound;
}

bool CProgramHarness::WaitForNoWindow(const WindowQuery& query, DWORD dwTimeoutMs)
{
    return WaitFor("no " + query.Describe() + " to be left", dwTimeoutMs,
                   [&] { return FindWindow(query) == nullptr; });
}

HWND CProgramHarness::FindControl(HWND hParent, int iControlId)
{
    if (hParent == nullptr)
        return nullptr;
    if (HWND hChild = ::GetDlgItem(hParent, iControlId))
        return hChild;
    for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (HWND hFound = FindControl(hChild, iControlId))
            return hFound;
    }
    return nullptr;
}

HWND CProgramHarness::WaitForControl(HWND hParent, int iControlId, DWORD dwTimeoutMs)
{
    HWND hFound = nullptr;
    WaitFor("control " + std::to_string(iControlId) + " in window \"" + GetText(hParent) + "\"", dwTimeoutMs,
            [&] { return (hFound = FindControl(hParent, iControlId)) != nullptr; });
    return hFound;
}

bool CProgramHarness::WaitForVisible(HWND hWnd, bool bVisible, DWORD dwTimeoutMs)
{
    return WaitFor("window \"" + GetText(hWnd) + "\" (class " + ClassName(hWnd) + ") to become " +
                       (bVisible ? "visible" : "hidden"),
                   dwTimeoutMs, [&] { return IsVisible(hWnd) == bVisible; });
}

bool CProgramHarness::WaitForText(HWND hWnd, const std::string& strText, DWORD dwTimeoutMs)
{
    if (WaitFor("the text \"" + strText + "\"", dwTimeoutMs, [&] { return GetText(hWnd) == strText; }))
        return true;
    return Fail(m_strLastError + "; the window shows \"" + GetText(hWnd) + "\"");
}

std::string CProgramHarness::GetText(HWND hWnd)
{
    char szText[TEXT_MAX] = {};
    DWORD_PTR dwResult = 0;
    if (hWnd == nullptr ||
        !::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(szText), reinterpret_cast<LPARAM>(szText),
                               SMTO_ABORTIFHUNG, 5000, &dwResult))
        return std::string();
    return szText;
}

bool CProgramHarness::IsVisible(HWND hWnd)
{
    return hWnd != nullptr && ::IsWindowVisible(hWnd);
}

bool CProgramHarness::Click(HWND hButton)
{
    if (hButton == nullptr)
        return Fail("no button to click");
    DWORD_PTR dwResult = 0;
    if (!::SendMessageTimeoutA(hButton, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &dwResult))
        return Fail("the button \"" + GetText(hButton) + "\" did not take the click");
    return true;
}

bool CProgramHarness::PostClick(HWND hButton)
{
    if (hButton == nullptr || !::PostMessageA(hButton, BM_CLICK, 0, 0))
        return Fail("cannot click the button \"" + GetText(hButton) + "\"");
    return true;
}

bool CProgramHarness::PostCommand(HWND hWnd, UINT nId)
{
    if (hWnd == nullptr || !::PostMessageA(hWnd, WM_COMMAND, nId, 0))
        return Fail("cannot post command " + std::to_string(nId));
    return true;
}

bool CProgramHarness::TypeKey(HWND hWnd, WORD wVirtualKey, bool bCtrl, bool bShift)
{
    if (hWnd == nullptr)
        return Fail("no window to type into");
    ::SetForegroundWindow(hWnd);
    if (!WaitFor("the window to come to the front", DEFAULT_TIMEOUT_MS,
                 [hWnd] { return ::GetForegroundWindow() == hWnd; }))
        return false;
    std::vector<INPUT> inputs;
    auto key = [&inputs](WORD wKey, bool bUp)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = wKey;
        input.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (bCtrl)
        key(VK_CONTROL, false);
    if (bShift)
        key(VK_SHIFT, false);
    key(wVirtualKey, false);
    key(wVirtualKey, true);
    if (bShift)
        key(VK_SHIFT, true);
    if (bCtrl)
        key(VK_CONTROL, true);
    if (::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
        return Fail("the keys could not be typed");
    // A message sent behind the keys returns once the program has read its queue up to them.
    DWORD_PTR dwResult = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, DEFAULT_TIMEOUT_MS, &dwResult))
        return Fail("the program did not take the keys");
    return true;
}

bool CProgramHarness::SendDeviceChange(HWND hWnd, UINT nEventType, const std::string& strPort)
{
    if (hWnd == nullptr)
        return Fail("no window for the device change");
    std::vector<BYTE> broadcast;
    if (!strPort.empty())
    {
        broadcast.assign(sizeof(DEV_BROADCAST_PORT_A) + strPort.size(), 0);
        auto* pPort = reinterpret_cast<DEV_BROADCAST_PORT_A*>(broadcast.data());
        pPort->dbcp_size = static_cast<DWORD>(broadcast.size());
        pPort->dbcp_devicetype = DBT_DEVTYP_PORT;
        std::memcpy(pPort->dbcp_name, strPort.c_str(), strPort.size() + 1);
    }
    DWORD_PTR dwResult = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_DEVICECHANGE, nEventType,
                               broadcast.empty() ? 0 : reinterpret_cast<LPARAM>(broadcast.data()),
                               SMTO_ABORTIFHUNG, DEFAULT_TIMEOUT_MS, &dwResult))
        return Fail("the program did not take the device change " + std::to_string(nEventType));
    return true;
}

// ---- Message boxes
// ------------------------------------------------------------------------------------------

HWND CProgramHarness::WaitForMessageBox(DWORD dwTimeoutMs)
{
    HWND hFound = nullptr;
    WaitFor("a message box of TQ5.exe", dwTimeoutMs,
            [&]
            {
                for (HWND hWnd : TopWindows(Dialog()))
                {
                    // A message box has no control of the start-up dialog.
                    if (::GetDlgItem(hWnd, 1254) == nullptr)
                        return (hFound = hWnd) != nullptr;
                }
                return false;
            });
    return hFound;
}

std::string CProgramHarness::MessageBoxText(HWND hBox)
{
    std::string strText;
    ::EnumChildWindows(hBox, CollectStatic, reinterpret_cast<LPARAM>(&strText));
    return strText;
}

bool CProgramHarness::AnswerMessageBox(HWND hBox, int iButtonId, DWORD dwTimeoutMs)
{
    HWND hButton = ::GetDlgItem(hBox, iButtonId);
    if (hButton == nullptr)
        return Fail("the message box \"" + MessageBoxText(hBox) + "\" has no button " +
                    std::to_string(iButtonId));
    ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(iButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
    return WaitFor("the message box to close", dwTimeoutMs, [hBox] { return !::IsWindow(hBox); });
}

// ---- List controls
// --------------------------------------------------------------------------------------------

// ---- Combo boxes and edit fields
// ----------------------------------------------------------------------------

std::vector<std::string> CProgramHarness::ComboItemTexts(HWND hCombo)
{
    std::vector<std::string> texts;
    const LRESULT lCount = hCombo ? ::SendMessageA(hCombo, CB_GETCOUNT, 0, 0) : 0;
    // Asked in the wide form: Wine returns an item text asked across processes as UTF-16 to both forms.
    for (LRESULT i = 0; i < lCount; ++i)
    {
        wchar_t szWide[TEXT_MAX] = {};
        char szText[TEXT_MAX] = {};
        if (::SendMessageW(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < TEXT_MAX &&
            ::SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(szWide)) >
                0)
            ::WideCharToMultiByte(CP_ACP, 0, szWide, -1, szText, TEXT_MAX - 1, nullptr, nullptr);
        texts.emplace_back(szText);
    }
    return texts;
}

bool CProgramHarness::SelectComboItem(HWND hCombo, const std::string& strText)
{
    const std::vector<std::string> texts = ComboItemTexts(hCombo);
    const auto it = std::find(texts.begin(), texts.end(), strText);
    if (it == texts.end())
        return Fail("the combo box has no item \"" + strText + "\"");
    const WPARAM wIndex = static_cast<WPARAM>(it - texts.begin());
    DWORD_PTR dwResult = 0;
    const WPARAM wCommand = MAKEWPARAM(::GetDlgCtrlID(hCombo), CBN_SELCHANGE);
    if (!::SendMessageTimeoutA(hCombo, CB_SETCURSEL, wIndex, 0, SMTO_ABORTIFHUNG, 5000, &dwResult) ||
        !::SendMessageTimeoutA(::GetParent(hCombo), WM_COMMAND, wCommand, reinterpret_cast<LPARAM>(hCombo),
                               SMTO_ABORTIFHUNG, DEFAULT_TIMEOUT_MS, &dwResult))
        return Fail("the program did not take the choice \"" + strText + "\"");
    return true;
}

bool CProgramHarness::SetEditText(HWND hEdit, const std::string& strText)
{
    DWORD_PTR dwResult = 0;
    if (hEdit == nullptr ||
        !::SendMessageTimeoutA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(strText.c_str()),
                               SMTO_ABORTIFHUNG, DEFAULT_TIMEOUT_MS, &dwResult))
        return Fail("the program did not take the text \"" + strText + "\"");
    return true;
}

int CProgramHarness::ListRowCount(HWND hList)
{
    return hList ? static_cast<int>(::SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

std::string CProgramHarness::ListCellText(HWND hList, int iRow, int iColumn)
{
    CRemoteBuffer buffer(m_dwProcessId, sizeof(LVITEMA) + TEXT_MAX);
    if (!buffer.IsReady() || hList == nullptr)
    {
        Fail("cannot reach the list of TQ5.exe");
        return std::string();
    }
    LVITEMA item = {};
    item.iSubItem = iColumn;
    item.pszText = reinterpret_cast<LPSTR>(buffer.Address(sizeof(LVITEMA)));
    item.cchTextMax = TEXT_MAX;
    char szText[TEXT_MAX] = {};
    if (buffer.Write(0, &item, sizeof(item)) &&
        ::SendMessageA(hList, LVM_GETITEMTEXTA, static_cast<WPARAM>(iRow),
                       reinterpret_cast<LPARAM>(buffer.Address())) >= 0 &&
        buffer.Read(sizeof(LVITEMA), szText, sizeof(szText) - 1))
        return szText;
    return std::string();
}

bool CProgramHarness::ListCellRect(HWND hList, int iRow, int iColumn, RECT& rcCell)
{
    CRemoteBuffer buffer(m_dwProcessId, sizeof(RECT));
    if (!buffer.IsReady() || hList == nullptr)
        return Fail("cannot reach the list of TQ5.exe");
    RECT rc = {LVIR_BOUNDS, iColumn, 0, 0};
    if (!buffer.Write(0, &rc, sizeof(rc)) ||
        !::SendMessageA(hList, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iRow),
                        reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(0, &rcCell, sizeof(rcCell)))
        return Fail("the list has no cell " + std::to_string(iRow) + "/" + std::to_string(iColumn));
    return true;
}

bool CProgramHarness::ClickListCell(HWND hList, int iRow, int iColumn)
{
    RECT rc = {};
    if (!ListCellRect(hList, iRow, iColumn, rc))
        return false;
    const LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::SendMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    ::SendMessageA(hList, WM_LBUTTONUP, 0, lPoint);
    return true;
}

bool CProgramHarness::DoubleClickListRow(HWND hList, int iRow)
{
    RECT rc = {};
    if (!ListCellRect(hList, iRow, 0, rc))
        return false;
    // Column 0's bounds span the whole row: the point lies in its own text.
    const LPARAM lPoint = MAKELPARAM(rc.left + 8, (rc.top + rc.bottom) / 2);
    if (!::PostMessageA(hList, WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint) ||
        !::PostMessageA(hList, WM_LBUTTONUP, 0, lPoint))
        return Fail("the double-click could not be posted");
    return true;
}

std::vector<std::string> CProgramHarness::TreeItemTexts(HWND hTree)
{
    std::vector<std::string> texts;
    CRemoteBuffer buffer(m_dwProcessId, sizeof(TVITEMA) + TEXT_MAX);
    if (!buffer.IsReady() || hTree == nullptr)
    {
        Fail("cannot reach the tree of TQ5.exe");
        return texts;
    }
    VisitTreeItems(hTree, buffer,
                   [&](HTREEITEM, int iLevel, const std::string& strText)
                   {
                       texts.push_back(std::string(2 * iLevel, ' ') + strText);
                       return true;
                   });
    return texts;
}

bool CProgramHarness::HoverTreeItem(HWND hTree, const std::string& strText)
{
    CRemoteBuffer buffer(m_dwProcessId, sizeof(TVITEMA) + TEXT_MAX);
    if (!buffer.IsReady() || hTree == nullptr)
        return Fail("cannot reach the tree of TQ5.exe");
    HTREEITEM hFound = nullptr;
    VisitTreeItems(hTree, buffer,
                   [&](HTREEITEM hItem, int, const std::string& strItemText)
                   {
                       if (strItemText == strText)
                           hFound = hItem;
                       return hFound == nullptr;
                   });
    if (hFound == nullptr)
        return Fail("no tree item \"" + strText + "\"");
    ::SendMessageA(hTree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hFound));
    // TVM_GETITEMRECT takes the item in the rectangle it fills; wParam TRUE: the text's rectangle.
    RECT rc = {};
    std::memcpy(&rc, &hFound, sizeof(hFound));
    if (!buffer.Write(0, &rc, sizeof(rc)) ||
        !::SendMessageA(hTree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(buffer.Address())) ||
        !buffer.Read(0, &rc, sizeof(rc)))
        return Fail("no rectangle for the tree item \"" + strText + "\"");
    const LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    return ::PostMessageA(hTree, WM_MOUSEMOVE, 0, lPoint) || Fail("cannot post to the tree");
}

// ---- Screenshots
// ----------------------------------------------------------------------------------------------

bool CProgramHarness::CopyScreen(const RECT& rcScreen, std::vector<BYTE>& pixels)
{
    const int cx = rcScreen.right - rcScreen.left;
    const int cy = rcScreen.bottom - rcScreen.top;
    if (cx <= 0 || cy <= 0)
        return false;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    const bool bCopied =
        hBitmap && ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rcScreen.left, rcScreen.top, SRCCOPY);
    ::GdiFlush();
    if (bCopied)
        pixels.assign(static_cast<BYTE*>(pBits),
                      static_cast<BYTE*>(pBits) + static_cast<size_t>(cx) * cy * 4);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return bCopied;
}

bool CProgramHarness::SaveScreenshot(HWND hWnd, const std::string& strName, std::string* pstrPath)
{
    if (hWnd == nullptr)
        return Fail("no window to take a screenshot of");
    ::SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::RedrawWindow(hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    // The program paints what the raise exposed while the test waits for its message queue to be idle.
    DWORD_PTR dwResult = 0;
    ::SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &dwResult);
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return Fail("the window to take a screenshot of has no size");
    std::vector<BYTE> pixels;
    if (!CopyScreen(rc, pixels))
        return Fail("cannot copy the screen");
    const std::string strFolder = ModuleFolder() + "\\screenshots";
    ::CreateDirectoryA(strFolder.c_str(), nullptr);
    const std::string strPath = strFolder + "\\" + strName + ".bmp";
    if (!WriteBmp(strPath, cx, cy, pixels))
        return Fail("cannot write " + strPath);
    if (pstrPath != nullptr)
        *pstrPath = strPath;
    return true;
}
