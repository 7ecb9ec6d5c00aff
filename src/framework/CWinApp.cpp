#include "framework/CWinApp.h"

#include "framework/AfxExceptionReport.h"
#include "framework/AfxRes.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CPrintDialog.h"
#include "framework/CWnd.h"

#include <cstdlib>

#include <memory>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace
{
CWinApp* s_pApp = nullptr;
AFX_MSGBOX_HOOK& MessageBoxHook()
{
    static AFX_MSGBOX_HOOK s_hook;
    return s_hook;
}
CString& RegistryKeyOverride()
{
    static CString s_strKey;
    return s_strKey;
}

// Value lengths read from the registry are bounded so a damaged profile cannot exhaust memory.
constexpr DWORD kMaxProfileValue = 1024 * 1024;
} // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pPrevApp(s_pApp)
{
    s_pApp = this;
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;
    if (lpszAppName != nullptr)
        m_strAppName = lpszAppName;
}

CWinApp::~CWinApp()
{
    for (POSITION pos = m_templateList.GetHeadPosition(); pos != nullptr;)
        delete static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    if (s_pApp == this)
        s_pApp = m_pPrevApp;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

int CWinApp::Run()
{
    if (m_pMainWnd == nullptr)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndOwner = ::GetActiveWindow();
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr && m_pMainWnd->IsWindowVisible() &&
        m_pMainWnd->IsWindowEnabled())
        hWndOwner = m_pMainWnd->m_hWnd;
    return AfxShowMessageBox(hWndOwner, lpszPrompt, m_strAppName, nType);
}

// --- documents and the command line -------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate != nullptr)
        m_templateList.AddTail(pTemplate);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& rPosition) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(rPosition));
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR lpszFileName)
{
    if (m_templateList.IsEmpty())
        return nullptr;
    return static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(lpszFileName);
}

void CWinApp::OnFileNew()
{
    OpenDocumentFile(nullptr);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < __argc; ++i)
    {
        const char* pszParam = __argv[i];
        const BOOL bFlag = pszParam[0] == '-' || pszParam[0] == '/';
        rCmdInfo.ParseParam(bFlag ? pszParam + 1 : pszParam, bFlag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand)
    {
        case CCommandLineInfo::FileNew:
            // The application's map decides what a new document is (normally CWinApp::OnFileNew).
            if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
                OnFileNew();
            return m_pMainWnd != nullptr;
        case CCommandLineInfo::FileOpen:
            return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr;
        case CCommandLineInfo::FileNothing:
            return TRUE;
        default:
            return FALSE;
    }
}

BOOL CWinApp::GetPrinterDeviceDefaults(tagPDA* pPrintDlg)
{
    if (m_hDevNames == nullptr)
    {
        // The default printer, without showing the dialog.
        CPrintDialog dlg(TRUE, PD_RETURNDEFAULT);
        const bool bFound = dlg.DoModal() == IDOK && dlg.m_pd.hDevNames != nullptr;
        if (bFound)
        {
            m_hDevMode = dlg.m_pd.hDevMode;
            m_hDevNames = dlg.m_pd.hDevNames;
            dlg.m_pd.hDevMode = nullptr;
            dlg.m_pd.hDevNames = nullptr;
        }
        if (!bFound)
            return FALSE;
    }
    pPrintDlg->hDevMode = m_hDevMode;
    pPrintDlg->hDevNames = m_hDevNames;
    return TRUE;
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog dlg(TRUE);
    dlg.m_pd.hDevMode = m_hDevMode;
    dlg.m_pd.hDevNames = m_hDevNames;
    dlg.DoModal();
    // The settings stay the application's whatever the operator chose.
    m_hDevMode = dlg.m_pd.hDevMode;
    m_hDevNames = dlg.m_pd.hDevNames;
    dlg.m_pd.hDevMode = nullptr;
    dlg.m_pd.hDevNames = nullptr;
}

// --- profile --------------------------------------------------------------------------------------

void CWinApp::SetRegistryKeyOverride(LPCSTR lpszRegistryKey)
{
    RegistryKeyOverride() = lpszRegistryKey ? lpszRegistryKey : "";
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    const CString& strOverride = RegistryKeyOverride();
    m_strRegistryKey = strOverride.IsEmpty() ? CString(lpszRegistryKey) : strOverride;
    if (m_strProfileName.IsEmpty())
        m_strProfileName = m_strAppName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_strRegistryKey.IsEmpty())
        return nullptr;
    CString strPath = "Software\\" + m_strRegistryKey + "\\" + m_strProfileName;
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, strPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == nullptr)
        return nullptr;
    HKEY hSectionKey = nullptr;
    if (::RegCreateKeyExA(hAppKey, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &hSectionKey, nullptr) != ERROR_SUCCESS)
        hSectionKey = nullptr;
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

namespace
{
struct KeyCloser
{
    void operator()(HKEY__* h) const { ::RegCloseKey(h); }
};
using KeyHolder = std::unique_ptr<HKEY__, KeyCloser>;
} // namespace

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return (UINT)nDefault;
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(dwValue);
    if (::RegQueryValueExA(key.get(), lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(&dwValue),
                           &dwCount) != ERROR_SUCCESS ||
        dwType != REG_DWORD || dwCount != sizeof(dwValue))
        return (UINT)nDefault;
    return (UINT)dwValue;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault)
{
    const CString strDefault(lpszDefault ? lpszDefault : "");
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return strDefault;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    if (::RegQueryValueExA(key.get(), lpszEntry, nullptr, &dwType, nullptr, &dwCount) != ERROR_SUCCESS ||
        (dwType != REG_SZ && dwType != REG_EXPAND_SZ) || dwCount > kMaxProfileValue)
        return strDefault;
    CString strValue;
    char* p = strValue.GetBuffer((int)dwCount + 1);
    if (::RegQueryValueExA(key.get(), lpszEntry, nullptr, &dwType, reinterpret_cast<LPBYTE>(p), &dwCount) !=
        ERROR_SUCCESS)
    {
        strValue.ReleaseBuffer(0);
        return strDefault;
    }
    // The stored text need not end with a zero byte.
    p[dwCount] = '\0';
    strValue.ReleaseBuffer();
    return strValue;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = nullptr;
    *pBytes = 0;
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    if (::RegQueryValueExA(key.get(), lpszEntry, nullptr, &dwType, nullptr, &dwCount) != ERROR_SUCCESS ||
        dwType != REG_BINARY || dwCount > kMaxProfileValue)
        return FALSE;
    auto data = std::make_unique<BYTE[]>(dwCount > 0 ? dwCount : 1);
    if (::RegQueryValueExA(key.get(), lpszEntry, nullptr, &dwType, data.get(), &dwCount) != ERROR_SUCCESS)
        return FALSE;
    *ppData = data.release();
    *pBytes = dwCount;
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue)
{
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    const DWORD dwValue = (DWORD)nValue;
    return ::RegSetValueExA(key.get(), lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                            sizeof(dwValue)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue)
{
    if (lpszEntry == nullptr)
    {
        // No entry: the whole section goes.
        KeyHolder appKey(GetAppRegistryKey());
        return appKey && ::RegDeleteTreeA(appKey.get(), lpszSection) == ERROR_SUCCESS;
    }
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    if (lpszValue == nullptr)
        return ::RegDeleteValueA(key.get(), lpszEntry) == ERROR_SUCCESS;
    return ::RegSetValueExA(key.get(), lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            (DWORD)lstrlenA(lpszValue) + 1) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    KeyHolder key(GetSectionKey(lpszSection));
    if (!key)
        return FALSE;
    return ::RegSetValueExA(key.get(), lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxMRU = nMaxMRU;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

// --- globals --------------------------------------------------------------------------------------

CWinApp* AfxGetApp()
{
    return s_pApp;
}

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->GetMainWnd() != nullptr)
        return pThread->GetMainWnd();
    return s_pApp != nullptr ? s_pApp->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    if (s_pApp != nullptr && s_pApp->m_hInstance != nullptr)
        return s_pApp->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

LPCSTR AfxGetAppName()
{
    return s_pApp != nullptr ? (LPCSTR)s_pApp->m_strAppName : "";
}

AFX_MSGBOX_HOOK AfxSetMessageBoxHook(AFX_MSGBOX_HOOK hook)
{
    AFX_MSGBOX_HOOK previous = std::move(MessageBoxHook());
    MessageBoxHook() = std::move(hook);
    return previous;
}

int AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    if (MessageBoxHook())
        return MessageBoxHook()(hWndOwner, lpszText, lpszCaption, nType);
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (s_pApp != nullptr)
        return s_pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return AfxShowMessageBox(::GetActiveWindow(), lpszText, "", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    strPrompt.LoadString(nIDPrompt);
    return AfxMessageBox(strPrompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (pApp->m_strAppName.IsEmpty())
        pApp->m_strAppName.LoadString(AFX_IDS_APP_TITLE);
    if (pApp->m_strAppName.IsEmpty())
    {
        char szPath[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
        CString strName(szPath);
        strName = strName.Mid(strName.ReverseFind('\\') + 1);
        const int nDot = strName.ReverseFind('.');
        pApp->m_strAppName = nDot > 0 ? strName.Left(nDot) : strName;
    }
    // A start that throws is reported and ends the program as a failed start; the message loop reports
    // what its messages throw and goes on.
    BOOL bStarted = FALSE;
    const bool bThrew = !AfxCallGuarded([&] { bStarted = pApp->InitApplication() && pApp->InitInstance(); });
    if (!bStarted)
    {
        int nResult = -1;
        AfxCallGuarded(
            [&]
            {
                if (pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->m_hWnd != nullptr)
                    pApp->m_pMainWnd->DestroyWindow();
                nResult = pApp->ExitInstance();
            });
        return bThrew ? -1 : nResult;
    }
    int nResult = -1;
    AfxCallGuarded([&] { nResult = pApp->Run(); });
    return nResult;
}
