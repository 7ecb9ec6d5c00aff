// The sensor-connection page (mode page 133): the list of ports and sensors. So far the page shows
// its template and its caption.
#pragma once

#include "framework/CString.h"
#include "shell/CModePage.h"

class CDlgSensorConnection : public CModePage
{
    DECLARE_DYNAMIC(CDlgSensorConnection)

public:
    explicit CDlgSensorConnection(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }
    // Fills the view's client area.
    void UpdateLayout();
    // The baud-rate code of a list text: "115,2k" 9, "230,4k" 16; any other text is reported in a
    // message box and gives 9. *plBaudrate (when given) receives the rate of the code.
    static BYTE BaudTextToCode(const CString& strText, long* plBaudrate);

    // The list row whose baud rate the operator changed (-1: none).
    int m_iBaudChangeRow = -1;
};
