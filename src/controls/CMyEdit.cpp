#include "controls/CMyEdit.h"

#include "controls/CMyEditHost.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CMyEdit, CEdit)

BEGIN_MESSAGE_MAP(CMyEdit, CEdit)
ON_CONTROL_REFLECT_EX(EN_CHANGE, OnReflectChange)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace
{
bool IsSeparator(char ch)
{
    return ch == '.' || ch == ',';
}
bool IsSign(char ch)
{
    return ch == '+' || ch == '-';
}
constexpr char kPlusMinus[] = "\xB1"; // "±" in code page 1252
} // namespace

bool CMyEdit::Configure(LPCSTR lpszAllowed, int iLang1, int iLang2, int iLang3, int iLang4,
                        CMyEditHost* pHost, bool bNumeric, char cFixedSeparator, bool bPlusMinus)
{
    m_strAllowed = lpszAllowed != nullptr ? lpszAllowed : "";
    m_iLanguageIds[0] = iLang1;
    m_iLanguageIds[1] = iLang2;
    m_iLanguageIds[2] = iLang3;
    m_iLanguageIds[3] = iLang4;
    m_pHost = pHost;
    m_bNumeric = bNumeric;
    m_cFixedSeparator = cFixedSeparator;
    m_bPlusMinus = bPlusMinus;
    return true;
}

void CMyEdit::SetMaxLength(int iLimit)
{
    SendMessage(EM_LIMITTEXT, (WPARAM)(iLimit > 0 ? iLimit : 0));
    m_iLengthLimit = iLimit;
}

char CMyEdit::LanguageSeparator() const
{
    if (m_cFixedSeparator != '\0')
        return m_cFixedSeparator;
    if (m_pHost == nullptr)
        return '\0';
    const int iLanguage = m_pHost->GetLanguageOffset();
    if (iLanguage == m_iLanguageIds[1])
        return '.';
    if (iLanguage == m_iLanguageIds[0] || iLanguage == m_iLanguageIds[2] || iLanguage == m_iLanguageIds[3])
        return ',';
    return '\0';
}

void CMyEdit::SetText(LPCSTR lpszText)
{
    CString strText = lpszText != nullptr ? lpszText : "";
    const char cSeparator = m_bNumeric ? LanguageSeparator() : '\0';
    if (cSeparator != '\0')
    {
        strText.Replace('.', cSeparator);
        strText.Replace(',', cSeparator);
    }
    if (m_iLengthLimit > 0 && strText.GetLength() > m_iLengthLimit)
        strText = strText.Left(m_iLengthLimit);
    m_strCurrentText = m_strLastText = m_strPreviousText = strText;
    SetWindowText(strText);
}

void CMyEdit::SetTextAndSelect(LPCSTR lpszText, int iStart, int iEnd)
{
    SetText(lpszText);
    const int nLength = GetWindowTextLength();
    if (m_bHasFocus && iStart >= 0 && iEnd >= 0 && iStart <= nLength && iEnd <= nLength)
        SetSel(iStart, iEnd);
}

void CMyEdit::RestorePreviousText()
{
    SuppressChanges();
    SetText(m_strPreviousText);
    AllowChanges();
}

bool CMyEdit::CheckChange()
{
    if (m_bFirstChange)
    {
        const bool bWasSuppressed = m_bSuppressChanges;
        m_bSuppressChanges = false;
        FilterText();
        ParseValue();
        m_bFirstChange = false;
        m_strPreviousText = m_strLastText = m_strCurrentText;
        m_bSuppressChanges = bWasSuppressed;
        return true;
    }
    if (m_bSuppressChanges)
        return false;
    FilterText();
    ParseValue();
    if (m_bNumeric)
    {
        if (m_dValue == m_dLastValue)
            return false;
        m_dLastValue = m_dValue;
        return true;
    }
    if (m_strCurrentText != m_strLastText)
    {
        m_strPreviousText = m_strLastText;
        m_strLastText = m_strCurrentText;
    }
    return true;
}

void CMyEdit::ParseValue()
{
    CString strNumber = m_strCurrentText;
    strNumber.Replace(',', '.');
    m_dValue = std::strtod(strNumber, nullptr);
}

void CMyEdit::ReplaceChars(int iStart, int iEnd, LPCSTR lpszWith)
{
    const bool bWasSuppressed = m_bSuppressChanges;
    m_bSuppressChanges = true;
    SetSel(iStart, iEnd);
    ReplaceSel(lpszWith);
    m_bSuppressChanges = bWasSuppressed;
}

// Judges the character just before the caret, the one just typed.
void CMyEdit::FilterText()
{
    int iStart = 0, iEnd = 0;
    GetSel(iStart, iEnd);
    CString strText;
    GetWindowText(strText);
    if (iStart == iEnd && iStart > 0 && iStart <= strText.GetLength())
    {
        m_bFiltering = true;
        const int p = iStart - 1;
        const char ch = strText[p];
        int s = 0, g = 0;
        for (int i = 0; m_bNumeric && i < strText.GetLength(); ++i)
        {
            s += IsSeparator(strText[i]) ? 1 : 0;
            g += IsSign(strText[i]) ? 1 : 0;
        }
        const bool bAllowed = ch != '\0' && m_strAllowed.Find(ch) >= 0;
        char cReplacement = '\0';
        if (m_bNumeric && s == 1 && IsSeparator(ch))
        {
            const char cSeparator = LanguageSeparator();
            if (cSeparator != '\0' && cSeparator != ch)
                cReplacement = cSeparator;
        }
        if (!bAllowed || s == 2)
            ReplaceChars(p, p + 1, "");
        else if (cReplacement != '\0')
            ReplaceChars(p, p + 1, CString(cReplacement));
        else if (g == 2)
            ReplaceChars(p, p + 1, "");

        if (m_bNumeric)
        {
            CString strNow;
            GetWindowText(strNow);
            if (p == 0 && !strNow.IsEmpty() && IsSeparator(strNow[0]))
                ReplaceChars(0, 1, ""); // no leading separator
            else if (p > 0 && p < strNow.GetLength() && IsSign(strNow[p]))
                ReplaceChars(p, p + 1, ""); // a sign only in front
        }
        else if (m_bPlusMinus && bAllowed)
        {
            ComposePlusMinus(strText, p);
        }
        m_bFiltering = false;
    }
    GetWindowText(m_strCurrentText);
}

// A '+' typed next to a '-' (or the reverse) makes the two one "±".
void CMyEdit::ComposePlusMinus(const CString& strText, int p)
{
    const char ch = strText[p];
    if (!IsSign(ch))
        return;
    const char cOpposite = ch == '+' ? '-' : '+';
    if (p > 0 && strText[p - 1] == cOpposite)
        ReplaceChars(p - 1, p + 1, kPlusMinus);
    else if (p + 1 < strText.GetLength() && strText[p + 1] == cOpposite)
        ReplaceChars(p, p + 2, kPlusMinus);
}

BOOL CMyEdit::OnReflectChange()
{
    // Without a host the page's own EN_CHANGE handler calls CheckChange; the field's own replacements
    // while it filters are never reported.
    if (m_pHost == nullptr)
        return FALSE;
    if (m_bFiltering)
        return TRUE;
    const bool bChanged = CheckChange();
    m_pHost->OnMyEditChange(this, bChanged);
    return TRUE;
}

void CMyEdit::OnSetFocus(CWnd* pOldWnd)
{
    m_bHasFocus = true;
    CEdit::OnSetFocus(pOldWnd);
}

void CMyEdit::OnKillFocus(CWnd* pNewWnd)
{
    m_bHasFocus = false;
    CEdit::OnKillFocus(pNewWnd);
}
