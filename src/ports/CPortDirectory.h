// Process-wide register of every port found on the machine, addressed by any of its aliases.
#pragma once

#include "framework/CCriticalSection.h"
#include "framework/CMapStringToPtr.h"
#include "framework/CObArray.h"
#include "framework/CStringArray.h"
#include "ports/PortTypes.h"

class CPortDetailsEx;

class CPortDetailArray : public CObArray
{
};

class CPortDirectory
{
public:
    CPortDirectory();
    ~CPortDirectory();
    CPortDirectory(const CPortDirectory&) = delete;
    CPortDirectory& operator=(const CPortDirectory&) = delete;

    CPortDetailsEx* Find(const CString& strName);
    CString GetDisplayName(const CString& strName);
    CString GetDevicePath(const CString& strName);
    bool IsKnown(const CString& strName);
    bool SetPresent(const CString& strName, bool bPresent);
    bool IsSamePort(const CString& strA, const CString& strB);
    PortFactory GetFactory(const CString& strName);
    void AddPort(CPortDetailsEx* pEntry);
    void RemoveAll();

    // Display keys of the present, visible and not hidden ports in list order.
    void GetListedKeys(CStringArray& astrKeys);
    CString GetCurrentName();
    int GetCount();

private:
    void AddAlias(const CString& strAlias, CPortDetailsEx* pEntry);
    void AddAliasPair(const CString& strAlias, CPortDetailsEx* pEntry);

    CCriticalSection m_lock;
    CPortDetailArray m_aEntries;
    CMapStringToPtr m_mapAliases;
    CString m_strCurrentName;
};

CPortDirectory& GetPortDirectory();
