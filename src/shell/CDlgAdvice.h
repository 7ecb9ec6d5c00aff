// The note window (help menu): the licence conditions in a rich edit, German or English by the
// interface language, with the maker's web and e-mail addresses as links. Modal; the frame's command
// sets the language offset and the caption, runs it and destroys it.
#pragma once

#include "controls/CRichEditCtrlExtended.h"
#include "framework/CDialog.h"
#include "framework/CFont.h"
#include "framework/CString.h"

class CDlgAdvice : public CDialog
{
public:
    CDlgAdvice();
    ~CDlgAdvice() override;

    // The licence conditions in the language of m_iLanguageOffset (0 German; 1000, 2000, 3000 English;
    // any other offset: none), shown from their first line.
    void FillNoteText();
    // The link font and the two addresses of the language (any other offset keeps the template's).
    void SetLinks();

    CFont m_fontLink;
    int m_iLanguageOffset = 0;
    CString m_strCaption;
    CRichEditCtrlExtended m_richEdit;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnClickWebLink();
    afx_msg void OnClickMailLink();
    DECLARE_MESSAGE_MAP()

private:
    // Opens the link's text with the shell (after the prefix); "n.a." opens nothing.
    void OpenLink(int iControlId, LPCSTR lpszPrefix);
};
