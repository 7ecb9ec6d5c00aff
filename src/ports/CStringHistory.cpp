#include "ports/CStringHistory.h"

CStringHistory g_HidePorts(30);

namespace
{
CString KeyPart(const CString& strText, const char* pszDelimiters)
{
    int iPos = strText.FindOneOf(pszDelimiters);
    return iPos < 0 ? strText : strText.Left(iPos);
}
} // namespace

int CStringHistory::AddByKey(const CString& strText, const char* pszDelimiters)
{
    CString strKey = KeyPart(strText, pszDelimiters);
    for (int i = 0; i < GetSize(); ++i)
    {
        if (KeyPart(GetAt(i), pszDelimiters) == strKey)
            return m_iLastIndex = i;
    }
    return m_iLastIndex = static_cast<int>(Add(strText));
}

int CStringHistory::AddString(const CString& strText)
{
    for (int i = 0; i < GetSize(); ++i)
    {
        if (GetAt(i) == strText)
            return m_iLastIndex = i;
    }
    return m_iLastIndex = static_cast<int>(Add(strText));
}

void CStringHistory::Clear()
{
    RemoveAll();
    m_iLastIndex = 0;
}

int IsPortHidden(const CString& strKey)
{
    for (int i = 0; i < g_HidePorts.GetSize(); ++i)
    {
        if (strKey.Find(g_HidePorts.GetAt(i)) >= 0)
            return g_HidePorts.m_iLastIndex = i;
    }
    return -1;
}
