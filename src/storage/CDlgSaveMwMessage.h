// The storage note (dialog 200): tells the operator, when an automatic storage is chosen, that the
// files are written at the end of a measurement; its check box stops the note for measured values.
#pragma once

#include "framework/CDialog.h"

class CDlgDocumentation;

class CDlgSaveMwMessage : public CDialog
{
public:
    CDlgSaveMwMessage(CWnd* pParent, CDlgDocumentation* pDocumentation);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()

private:
    void SetTexts();

    CDlgDocumentation* m_pDocumentation;
    bool m_bFirstInit = true;
};
