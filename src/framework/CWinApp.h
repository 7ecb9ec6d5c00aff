// The application object: start-up, message loop, profile settings in the registry, message boxes.
#pragma once

#include "framework/CPtrList.h"
#include "framework/CString.h"
#include "framework/CWinThread.h"

#include <functional>

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
struct tagPDA;

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Profile settings under HKCU\Software\<registry key>\<profile name>\<section>.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR lpszSection);
    UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
    // Allocates *ppData with new BYTE[]; the caller deletes it. FALSE (and null) when missing.
    BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
    BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
    // Keeps the number of recent-file entries; the list itself lives in the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);

    // Document templates: the application owns them from AddDocTemplate on and deletes them at its end.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& rPosition) const;
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);

    // The command line after the program name, one ParseParam call per argument.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Runs what the command line asks for (a new document, or opening a file); FALSE when that failed or
    // left the application without a main window.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    // The printer settings of the application (the default printer until a print setup chose another);
    // fills hDevMode and hDevNames, which stay the application's. FALSE when there is no printer.
    BOOL GetPrinterDeviceDefaults(tagPDA* pPrintDlg);

    HICON LoadIcon(UINT nIDResource) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;

    // Test seam: while set, SetRegistryKey uses this key whatever the application asks for.
    static void SetRegistryKeyOverride(LPCSTR lpszRegistryKey);

    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CString m_strAppName;
    CString m_strRegistryKey;
    CString m_strProfileName;
    UINT m_nMaxMRU = 0;

    // Standard commands: ID_FILE_NEW (a new document of the first template), ID_FILE_PRINT_SETUP and
    // ID_APP_EXIT (closes the main window). ID_APP_EXIT is in the application's own map.
    afx_msg void OnFileNew();
    afx_msg void OnFilePrintSetup();
    afx_msg void OnAppExit();

protected:
    CPtrList m_templateList;
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    CWinApp* m_pPrevApp = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
LPCSTR AfxGetAppName();

// Message boxes: every box of the framework goes through AfxShowMessageBox, so a test can
// replace the dialog by a hook that records the text and returns a scripted answer.
typedef std::function<int(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)> AFX_MSGBOX_HOOK;
AFX_MSGBOX_HOOK AfxSetMessageBoxHook(AFX_MSGBOX_HOOK hook);
int AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
