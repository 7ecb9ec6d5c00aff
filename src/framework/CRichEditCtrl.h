// Rich edit 2.0 control (class RICHEDIT_CLASSA; AfxInitRichEdit2 loads its library).
#pragma once

#include "framework/AfxInitControls.h"
#include "framework/CWnd.h"

#include <richedit.h>

class CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)

public:
    CRichEditCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr) { SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr); }
    void GetSel(long& nStartChar, long& nEndChar) const;
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, (WPARAM)bCanUndo, (LPARAM)lpszNewText);
    }
    // Character formats (cbSize is filled in); Get... returns the mask of attributes common to the range.
    DWORD GetSelectionCharFormat(CHARFORMATA& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMATA& cf);
    DWORD GetDefaultCharFormat(CHARFORMATA& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMATA& cf);
    // Text length in characters as WM_GETTEXT gives the text (line breaks as CR LF).
    long GetTextLength() const { return (long)SendMessage(WM_GETTEXTLENGTH); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT); }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE); }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, (WPARAM)nLine); }
    long LineFromChar(long nIndex) const { return (long)SendMessage(EM_EXLINEFROMCHAR, 0, nIndex); }
    BOOL LineScroll(int nLines, int nChars = 0)
    {
        return (BOOL)SendMessage(EM_LINESCROLL, (WPARAM)nChars, nLines);
    }
    // Most characters the control takes (the control's own default is 32767; 0 means 65536).
    void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }
    long GetLimitText() const { return (long)SendMessage(EM_GETLIMITTEXT); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, (WPARAM)bReadOnly); }
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
    {
        return (COLORREF)SendMessage(EM_SETBKGNDCOLOR, (WPARAM)bSysColor, (LPARAM)cr);
    }
    DWORD SetEventMask(DWORD dwEventMask)
    {
        return (DWORD)SendMessage(EM_SETEVENTMASK, 0, (LPARAM)dwEventMask);
    }
    DWORD GetEventMask() const { return (DWORD)SendMessage(EM_GETEVENTMASK); }
};
