// The application object: the registry key, the single-document template (frame, document and view
// of resource 128), the restart wait and the release of the restart mutex at exit.
#pragma once

#include "framework/CWinApp.h"

class CMainFrame;

class CQbxUsbTq5App : public CWinApp
{
    DECLARE_DYNAMIC(CQbxUsbTq5App)

public:
    CQbxUsbTq5App();

    // The main window stays hidden until the first search has found a sensor.
    BOOL InitApplication() override;
    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL IsIdleMessage(MSG* pMsg) override;

protected:
    // The frame the document template made (null before it and after it is gone).
    CMainFrame* GetMainFrame() const;
    afx_msg void OnAppAbout();
    afx_msg void OnVersionNumbers();
    DECLARE_MESSAGE_MAP()
};
