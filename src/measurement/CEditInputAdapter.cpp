#include "measurement/CEditInputAdapter.h"

#include "framework/CEdit.h"

CString CEditInputAdapter::GetText() const
{
    CString strText;
    m_edit.GetWindowText(strText);
    return strText;
}

void CEditInputAdapter::GetSel(int& iStart, int& iEnd) const
{
    m_edit.GetSel(iStart, iEnd);
}

void CEditInputAdapter::ReplaceRange(int iStart, int iEnd, const CString& strText)
{
    m_edit.SetSel(iStart, iEnd);
    m_edit.ReplaceSel(strText);
}
