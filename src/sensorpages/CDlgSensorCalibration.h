// The calibration page (mode page 137). So far the page shows its template and its caption.
#pragma once

#include "framework/CDialog.h"

class CDlgSensorCalibration : public CDialog
{
    DECLARE_DYNAMIC(CDlgSensorCalibration)

public:
    explicit CDlgSensorCalibration(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
};
