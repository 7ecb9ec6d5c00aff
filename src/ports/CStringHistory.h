// A list of strings with a last-used index; g_HidePorts names substrings of port keys left out of lists.
#pragma once

#include "framework/CStringArray.h"

class CStringHistory : public CStringArray
{
public:
    explicit CStringHistory(int iSaveLimit) : m_iSaveLimit(iSaveLimit) {}

    virtual int AddByKey(const CString& strText, const char* pszDelimiters);
    virtual int AddString(const CString& strText);
    void Clear();

    int m_iLastIndex = 0;
    int m_iSaveLimit;
};

extern CStringHistory g_HidePorts;

// Index of the first hidden-ports entry contained in the key, or -1.
int IsPortHidden(const CString& strKey);
