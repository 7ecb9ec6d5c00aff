// The sensor-connection page (mode page 133): the list of ports and sensors. So far the page shows
// its template and its caption.
#pragma once

#include "framework/CDialog.h"

class CDlgSensorConnection : public CDialog
{
    DECLARE_DYNAMIC(CDlgSensorConnection)

public:
    explicit CDlgSensorConnection(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    // Fills the view's client area.
    void UpdateLayout();
};
