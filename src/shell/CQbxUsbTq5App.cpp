#include "shell/CQbxUsbTq5App.h"

#include "framework/CFrameWnd.h"
#include "resources/resource.h"

CQbxUsbTq5App::CQbxUsbTq5App() : CWinApp("TQ5") {}

BOOL CQbxUsbTq5App::InitInstance()
{
    SetRegistryKey(IDS_REGISTRY_KEY);
    auto* pFrame = new CFrameWnd;
    if (!pFrame->LoadFrame(IDR_MAINFRAME))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}
