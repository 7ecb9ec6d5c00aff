// The information box (help menu): the logo, the program version and the notice line on a light-blue
// background. Modal; the frame's command creates, runs and destroys it.
#pragma once

#include "controls/CBitmapViewWnd.h"
#include "framework/CBrush.h"
#include "framework/CDialog.h"
#include "protocol/Language.h"

class CDlgInfo : public CDialog
{
public:
    CDlgInfo();
    ~CDlgInfo() override;

    CBitmapViewWnd m_wndPicture;
    CBrush m_brDialog;
    CBrush m_brNotice;
    CBrush m_brVersion;
    // The interface language, set by the window that opens the box.
    int m_iLanguageOffset = LANGUAGE_ENGLISH;

protected:
    BOOL OnInitDialog() override;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
