// The trace window: a modeless dialog, owned by the main frame, that collects diagnostic lines from
// the protocol, the port search, the device-change handling and the calibration, visible or not.
// OK, Cancel and the close box only hide it; "Feld löschen" empties it. Nothing goes to a file.
#pragma once

#include "controls/CRichEditCtrlExtended.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class CEnvironment;

class CDlgTrace : public CDialog
{
    DECLARE_DYNAMIC(CDlgTrace)

public:
    explicit CDlgTrace(CWnd* pParent = nullptr);
    ~CDlgTrace() override;

    // Appends the text, or m_strTraceLine when null, and one line break, keeping the newest lines in
    // view; the text is taken as it is (never as a format). Returns the count of line breaks appended.
    int AddTraceLinePtr(LPCSTR lpszText = nullptr);
    int AddTraceLine(CString strText);
    // "\t\t\t %2d: " with the length, "%2x|" per byte, then "\n" when asked.
    static CString FormatHexDump(const CString& strBytes, bool bLineBreak);
    static CString FormatHexByte(BYTE ucByte);
    // Remembers a non-null environment, then appends the system information lines.
    void DumpSystemInfo(CEnvironment* pEnvironment);
    // The rich edit at client left + 10, top + 45, width - 15, height - 50.
    void LayoutRichEdit();

    CEnvironment* m_pEnvironment = nullptr;
    CString m_strTraceLine;
    CRichEditCtrlExtended m_richEdit; // counts the line breaks appended since the last clearing
    BYTE m_bShown = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnClearField();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void ClearText();
    void AppendAtEnd(const CString& strText);
};
