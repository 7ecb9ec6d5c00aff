// The calibration page (mode page 137). So far the page shows its template and its caption.
#pragma once

#include "framework/CRect.h"
#include "shell/CModePage.h"

class CDlgSensorCalibration : public CModePage
{
    DECLARE_DYNAMIC(CDlgSensorCalibration)

public:
    explicit CDlgSensorCalibration(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

    // Where the calibration message dialogs (and the storage note) place themselves, in screen
    // coordinates; the dialogs store their own rectangle here when the operator leaves them.
    CRect m_rcMsgDlg;
};
