#include "app/CQbxUsbTq5App.h"

#include "framework/AfxInitControls.h"
#include "framework/AfxRes.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CDialog.h"
#include "framework/CSingleDocTemplate.h"
#include "resources/resource.h"
#include "app/AppRestart.h"
#include "shell/CDlgInfo.h"
#include "app/CMainFrame.h"
#include "app/CQbxUsbTq5Doc.h"
#include "app/CQbxUsbTq5View.h"

IMPLEMENT_DYNAMIC(CQbxUsbTq5App, CWinApp)

BEGIN_MESSAGE_MAP(CQbxUsbTq5App, CWinApp)
ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_VERSIONSNUMMERN, OnVersionNumbers)
END_MESSAGE_MAP()

CQbxUsbTq5App::CQbxUsbTq5App() : CWinApp("TQ5") {}

BOOL CQbxUsbTq5App::InitApplication()
{
    m_nCmdShow = SW_HIDE;
    return CWinApp::InitApplication();
}

BOOL CQbxUsbTq5App::InitInstance()
{
    if (IsRestartRequested() && !WaitForPreviousInstance(RESTART_WAIT_MS))
        AfxMessageBox("The previous instance of the program has not ended; this instance starts anyway.",
                      MB_OK | MB_ICONWARNING);
    SetRegistryKey(IDS_REGISTRY_KEY);
    LoadStdProfileSettings(4);
    AfxInitRichEdit2();
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CQbxUsbTq5Doc),
                                          RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CQbxUsbTq5View)));
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;
    // The owner-drawn menu replaces the resource menu, also as the menu the framework restores.
    if (CMainFrame* pFrame = GetMainFrame())
    {
        if (HMENU hMenu = pFrame->CreateOwnerDrawnMenu())
        {
            HMENU hOld = pFrame->GetMenuHandle();
            ::SetMenu(pFrame->m_hWnd, hMenu);
            if (hOld != nullptr)
                ::DestroyMenu(hOld);
            pFrame->m_hMenuDefault = hMenu;
        }
    }
    return TRUE;
}

int CQbxUsbTq5App::ExitInstance()
{
    const int iExitCode = CWinApp::ExitInstance();
    ReleaseRestartMutex();
    return iExitCode;
}

// The frame's status-pane timers refresh the status bar themselves: they are no reason for the idle update.
BOOL CQbxUsbTq5App::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_TIMER && m_pMainWnd != nullptr && pMsg->hwnd == m_pMainWnd->m_hWnd &&
        CMainFrame::IsStatusPaneTimer(pMsg->wParam))
        return FALSE;
    return CWinApp::IsIdleMessage(pMsg);
}

CMainFrame* CQbxUsbTq5App::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

void CQbxUsbTq5App::OnAppAbout()
{
    CDlgInfo dlg;
    if (CMainFrame* pFrame = GetMainFrame())
        dlg.m_iLanguageOffset = pFrame->GetLanguageOffset();
    dlg.DoModal();
}

void CQbxUsbTq5App::OnVersionNumbers()
{
    CDialog dlg(IDD_DLG_VERSIONSNUMMERN);
    dlg.DoModal();
}
