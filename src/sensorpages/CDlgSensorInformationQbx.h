// The sensor-information page (mode page 202). So far the page shows its template and its caption.
#pragma once

#include "shell/CModePage.h"

class CDlgSensorInformationQbx : public CModePage
{
    DECLARE_DYNAMIC(CDlgSensorInformationQbx)

public:
    explicit CDlgSensorInformationQbx(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdatePage();
    BOOL RefreshTexts() override { return UpdatePage(); }
};
