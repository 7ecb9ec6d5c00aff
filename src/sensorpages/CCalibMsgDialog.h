// What the calibration message dialogs share: the calibration page whose state they read and write,
// their registration in the frame's window table on every showing (the sequence's dialogs) and the
// slot freed when they close, their placement at the page's m_rcMsgDlg when shown, the position stored
// when the operator leaves them, texts in the interface language filled on every showing, and the
// frame's wait cursor kept while a reading runs.
#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"

class CCalibHost;
class CComPort;
class CDlgSensorCalibration;

class CCalibMsgDialog : public CDialog
{
    DECLARE_DYNAMIC(CCalibMsgDialog)

public:
    // nRegisterMessage: the frame's registration message of the dialog, 0 for a dialog that does not
    // register.
    CCalibMsgDialog(UINT nIDTemplate, CDlgSensorCalibration* pPage, UINT nRegisterMessage);

    CDlgSensorCalibration& GetPage() const { return *m_pPage; }

protected:
    enum class Placement
    {
        Always,
        NotOnFirstShow, // the first dialog of a sequence or loop stays where the system put it
        Never,
    };

    BOOL OnInitDialog() override;
    virtual Placement GetPlacement() const { return Placement::Always; }
    // The texts and values of one showing; false when a string was missing.
    virtual bool FillTexts() = 0;
    // The reading dialogs keep the frame's wait cursor.
    virtual bool KeepsWaitCursor() const { return false; }

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnDestroy();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

    // Copies the dialog's window rectangle (screen coordinates) into the page's m_rcMsgDlg.
    void StorePosition();
    int GetLanguage() const;
    CComPort& Engine() const;
    // The string in the interface language; a missing one gives the text of the previous lookup ("n.a."
    // for the first) and clears bAllFound.
    CString LoadText(UINT nId, bool& bAllFound);
    void SetItemText(int iControl, UINT nId, bool& bAllFound);
    void SetCaption(UINT nId, bool& bAllFound);
    // The filtered number of an input field ("," read as "."), as typed characters are checked.
    double GetEditValue(int iControl, BYTE& bBusy, const char* pszAllowed);
    // The page's progress range and position on the dialog's progress bar.
    void UpdateProgressBar();
    void ShowItem(int iControl, bool bShow);

    CCalibHost* m_pMainFrame = nullptr;
    int m_bFirstInit = 1;

private:
    void Place();

    CDlgSensorCalibration* m_pPage;
    UINT m_nRegisterMessage;
    CString m_strLookup = "n.a.";
};
