// Drives the real program (TQ5.exe of the build tree) from a test: starts it in the build tree's Wine
// session (where the simulated sensor is COM5), with its settings cleared or preset; finds its
// windows; presses buttons and menu commands; answers message boxes; reads window texts, list rows,
// and registry values; saves screenshots; closes or ends it. Every wait is bounded; a
// failed one says what it waited for in LastError(), for the test's assertion message:
//     HWND hFrame = program.WaitForWindow(CProgramHarness::MainFrame());
//     ASSERT_TRUE(hFrame) << program.LastError();
#pragma once

#include "framework/AfxWin32.h"

#include <functional>
#include <string>
#include <vector>

class CProgramHarness
{
public:
    // The program's profile below HKEY_CURRENT_USER.
    static constexpr const char* PROGRAM_KEY = "Software\\Tervane\\TQ5";
    static constexpr DWORD DEFAULT_TIMEOUT_MS = 30000;

    // What a top-level window of the program is looked for by.
    struct WindowQuery
    {
        std::string strClass;  // empty: any class
        std::string strTitle;  // empty: any title
        bool bVisible = true;  // only visible windows
        HWND hOwner = nullptr; // only windows owned by this one
        bool bHasMenu = false; // only windows with a menu bar (the main frame)
        std::string Describe() const;
    };
    static WindowQuery MainFrame();
    static WindowQuery StartUpDialog();
    // A message box or other dialog of the program (window class #32770), optionally with its title.
    static WindowQuery Dialog(const std::string& strTitle = std::string());

    CProgramHarness();
    ~CProgramHarness();
    CProgramHarness(const CProgramHarness&) = delete;
    CProgramHarness& operator=(const CProgramHarness&) = delete;

    // ---- Settings (the program must not be running)
    // Deletes the program's whole profile and its files in the maker's local application-data folder.
    static bool ClearSettings();
    static bool WriteInt(const std::string& strSection, const std::string& strName, DWORD dwValue);
    static bool WriteString(const std::string& strSection, const std::string& strName,
                            const std::string& strValue);
    static bool WriteBinary(const std::string& strSection, const std::string& strName,
                            const std::vector<BYTE>& data);
    // False when the value is missing or of another type.
    static bool ReadInt(const std::string& strSection, const std::string& strName, DWORD& dwValue);
    static bool ReadString(const std::string& strSection, const std::string& strName, std::string& strValue);
    static bool ReadBinary(const std::string& strSection, const std::string& strName,
                           std::vector<BYTE>& data);
    static bool KeyExists(const std::string& strSection);
    // The maker's folder in the user's local application-data folder.
    static std::string MakerFolder();

    // ---- The process
    // TQ5.exe of the build tree.
    static std::string ProgramPath();
    // Starts TQ5.exe with the arguments; false when it could not be started.
    bool Start(const std::string& strArguments = std::string());
    // Starts this program by Start instead of the build tree's TQ5.exe (a host of the same classes).
    void SetProgramPath(const std::string& strPath) { m_strProgramPath = strPath; }
    bool IsRunning() const;
    DWORD ProcessId() const { return m_dwProcessId; }
    // Waits until the process has ended; its exit code in *pdwExitCode.
    bool WaitForExit(DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS, DWORD* pdwExitCode = nullptr);
    // Posts WM_CLOSE to the main frame and waits for the process to end.
    bool Close(DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    // Ends the process at once (for a test that failed halfway).
    void Kill();
    // Lets the process go on after this harness ends.
    void Release();
    // Takes over another instance of the program (one this one started, as the restart does) once its
    // main frame exists; the instance followed so far is let go.
    bool AttachToOtherInstance(DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);

    // ---- Windows
    std::vector<HWND> TopWindows(const WindowQuery& query) const;
    HWND FindWindow(const WindowQuery& query) const;
    HWND WaitForWindow(const WindowQuery& query, DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    // Waits until no window of the query is left (for example a dialog that closes).
    bool WaitForNoWindow(const WindowQuery& query, DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    // A descendant with the control id, searched depth-first; null when there is none.
    HWND FindControl(HWND hParent, int iControlId);
    HWND WaitForControl(HWND hParent, int iControlId, DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    // Waits until the window's visibility is bVisible.
    bool WaitForVisible(HWND hWnd, bool bVisible, DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    // Waits until the window's text is strText.
    bool WaitForText(HWND hWnd, const std::string& strText, DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    static std::string GetText(HWND hWnd);
    static bool IsVisible(HWND hWnd);
    // Clicks a button (BM_CLICK, sent): returns once the program has handled the click.
    bool Click(HWND hButton);
    // Clicks a button whose handler opens a modal window (BM_CLICK, posted): returns at once.
    bool PostClick(HWND hButton);
    // Posts WM_COMMAND with the id to the window (a menu command to the main frame).
    bool PostCommand(HWND hWnd, UINT nId);
    // Types a key into the window as the keyboard would (the window is brought to the front first),
    // with Ctrl and Shift held as asked; returns once the program's input queue has taken the keys.
    bool TypeKey(HWND hWnd, WORD wVirtualKey, bool bCtrl, bool bShift);
    // Sends WM_DEVICECHANGE as the system does: with a port broadcast naming strPort, or with no data
    // when strPort is empty (DBT_DEVNODES_CHANGED). False when the program did not answer.
    bool SendDeviceChange(HWND hWnd, UINT nEventType, const std::string& strPort = std::string());

    // ---- Message boxes
    HWND WaitForMessageBox(DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);
    // The message text of a message box (its static texts, joined by line breaks).
    std::string MessageBoxText(HWND hBox);
    // Presses the button iButtonId (IDOK, IDCANCEL, IDYES, ...) of the box and waits until it has gone.
    bool AnswerMessageBox(HWND hBox, int iButtonId, DWORD dwTimeoutMs = DEFAULT_TIMEOUT_MS);

    // ---- Combo boxes and edit fields of the program (their notifications go to the parent as typed)
    static std::vector<std::string> ComboItemTexts(HWND hCombo);
    // Selects the item with the text and tells the combo's parent, as a choice with the mouse does.
    bool SelectComboItem(HWND hCombo, const std::string& strText);
    // Sets the field's text; the field reports the change to its parent.
    bool SetEditText(HWND hEdit, const std::string& strText);

    // ---- List controls (report view) and tree controls of the program
    int ListRowCount(HWND hList);
    std::string ListCellText(HWND hList, int iRow, int iColumn);
    // The cell's rectangle in the list's client coordinates; false when the list has no such cell.
    bool ListCellRect(HWND hList, int iRow, int iColumn, RECT& rcCell);
    // A click on the cell as the mouse gives it (button down and up, sent): returns once it is handled.
    bool ClickListCell(HWND hList, int iRow, int iColumn);
    // A double-click on the row's first cell (posted, so a message box it opens does not block the test).
    bool DoubleClickListRow(HWND hList, int iRow);
    // The texts of all items of a tree, depth first; each line is indented by two blanks per level.
    std::vector<std::string> TreeItemTexts(HWND hTree);
    // Posts a mouse move over the text of the first item (depth first) with the text, scrolled into view,
    // as the mouse would send it.
    bool HoverTreeItem(HWND hTree, const std::string& strText);

    // ---- Screenshots
    // Saves what the screen shows of the window as "<build>/tests/screenshots/<name>.bmp"; its path in
    // *pstrPath. The window is raised first.
    bool SaveScreenshot(HWND hWnd, const std::string& strName, std::string* pstrPath = nullptr);
    // Copies a rectangle of the screen: 32-bit pixels (blue, green, red, unused), rows from the top.
    static bool CopyScreen(const RECT& rcScreen, std::vector<BYTE>& pixels);

    // Waits until the condition holds; on a time-out LastError() names strWhat.
    bool WaitFor(const std::string& strWhat, DWORD dwTimeoutMs, const std::function<bool()>& condition);
    const std::string& LastError() const { return m_strLastError; }

private:
    bool Fail(const std::string& strError);

    HANDLE m_hProcess = nullptr;
    DWORD m_dwProcessId = 0;
    std::string m_strProgramPath;
    std::string m_strLastError;
};
