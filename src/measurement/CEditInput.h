// An input field as the numeric input filter sees it: its text and its selection (the caret when the
// selection is empty). CEditInputAdapter puts a CEdit behind it.
#pragma once

#include "framework/CString.h"

class CEditInput
{
public:
    virtual ~CEditInput() = default;

    virtual CString GetText() const = 0;
    virtual void GetSel(int& iStart, int& iEnd) const = 0;
    // Selects [iStart, iEnd) and replaces it with strText; the caret then stands behind strText.
    virtual void ReplaceRange(int iStart, int iEnd, const CString& strText) = 0;
};
