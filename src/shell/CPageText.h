// Texts of the pages' controls from the string table in the interface language.
#pragma once

#include "framework/AfxWin32.h"

class CWnd;

class CPageText
{
public:
    // Sets control nCtrlId of pPage to string nStringId + iLanguageOffset; FALSE, and the text left as
    // it is, when the string or the control is missing.
    static BOOL SetItemText(CWnd* pPage, int nCtrlId, UINT nStringId, int iLanguageOffset);
};
