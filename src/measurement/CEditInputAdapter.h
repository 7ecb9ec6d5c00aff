// CEditInput over an edit control. Replacing a range sends the control's change notification at once.
#pragma once

#include "measurement/CEditInput.h"

class CEdit;

class CEditInputAdapter : public CEditInput
{
public:
    explicit CEditInputAdapter(CEdit& edit) : m_edit(edit) {}

    CString GetText() const override;
    void GetSel(int& iStart, int& iEnd) const override;
    void ReplaceRange(int iStart, int iEnd, const CString& strText) override;

private:
    CEdit& m_edit;
};
