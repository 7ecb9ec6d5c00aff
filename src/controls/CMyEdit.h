// Input field that filters what is typed: a set of allowed characters (text mode) or a number with one
// decimal separator in the interface language's form and a sign only in front (numeric mode). It keeps
// the last and previous accepted text or value and judges whether an edit was a change.
#pragma once

#include "framework/CEdit.h"

class CMyEditHost;

class CMyEdit : public CEdit
{
    DECLARE_DYNAMIC(CMyEdit)

public:
    CMyEdit() = default;

    // lpszAllowed: the characters that may be typed. iLang1..iLang4: the language offsets; the first, third
    // and fourth write numbers with ',', the second with '.'. pHost gives the current language and hears
    // each edit (it may be null). cFixedSeparator, when not 0, is the separator of every language.
    // bPlusMinus (text mode): a sign typed next to the opposite one makes "±".
    bool Configure(LPCSTR lpszAllowed, int iLang1, int iLang2, int iLang3, int iLang4, CMyEditHost* pHost,
                   bool bNumeric, char cFixedSeparator = '\0', bool bPlusMinus = false);
    // EM_LIMITTEXT; texts set later are cut to the limit.
    void SetMaxLength(int iLimit);
    // Writes the text (numeric mode: with the language's separator) and makes it current, last and
    // previous text. Raises EN_CHANGE.
    void SetText(LPCSTR lpszText);
    // SetText, then selects iStart..iEnd while the field has the focus and the range lies in the text.
    void SetTextAndSelect(LPCSTR lpszText, int iStart, int iEnd);
    // Called for each EN_CHANGE (by the field itself when it has a host, else by the page): filters the
    // typed character and parses the text; true when the edit counts as a change. The first call always
    // returns true.
    bool CheckChange();
    void SuppressChanges() { m_bSuppressChanges = true; }
    void AllowChanges() { m_bSuppressChanges = false; }
    bool IsSuppressingChanges() const { return m_bSuppressChanges; }
    // Puts back the text from before the last accepted change without reporting it.
    void RestorePreviousText();
    bool IsNumeric() const { return m_bNumeric; }
    bool HasFocus() const { return m_bHasFocus; }

    double m_dValue = 6666.66666666;    // numeric mode: the number of the text
    CString m_strCurrentText;           // the text after the last filtering
    CString m_strLastText = "n.a.";     // the text of the last accepted change
    CString m_strPreviousText = "n.a."; // the text before the last accepted change
    double m_dLastValue = -6666.666666; // numeric mode: the number of the last accepted change

protected:
    afx_msg BOOL OnReflectChange();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()

private:
    // The decimal separator of the current language, or 0 when it has none.
    char LanguageSeparator() const;
    void FilterText();
    // Replaces characters iStart..iEnd-1 of the window text without reporting the change.
    void ReplaceChars(int iStart, int iEnd, LPCSTR lpszWith);
    void ComposePlusMinus(const CString& strText, int p);
    void ParseValue();

    bool m_bSuppressChanges = false;
    char m_cFixedSeparator = '\0';
    int m_iLengthLimit = -1;
    bool m_bHasFocus = false;
    bool m_bFirstChange = true;
    bool m_bFiltering = false;
    CString m_strAllowed;
    bool m_bPlusMinus = false;
    int m_iLanguageIds[4] = {0, 0, 0, 0};
    CMyEditHost* m_pHost = nullptr;
    bool m_bNumeric = false;
};
