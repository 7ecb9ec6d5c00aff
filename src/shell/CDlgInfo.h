// The information box (help menu): the logo, the program version and the notice line on a light-blue
// background. Modal; the frame's command creates, runs and destroys it.
#pragma once

#include "controls/CBitmapViewWnd.h"
#include "framework/CBrush.h"
#include "framework/CDialog.h"

class CDlgInfo : public CDialog
{
public:
    CDlgInfo();
    ~CDlgInfo() override;

    CBitmapViewWnd m_wndPicture;
    CBrush m_brDialog;
    CBrush m_brNotice;
    CBrush m_brVersion;
    int m_iLanguageOffset = 0;
    bool m_bMainWindowPending = true;

protected:
    BOOL OnInitDialog() override;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
