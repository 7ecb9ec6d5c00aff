#include "ports/CPortDirectory.h"

#include "framework/CSingleLock.h"
#include "ports/CPort.h"
#include "ports/CPortDetailsEx.h"
#include "ports/CStringHistory.h"

namespace
{
CString Lowered(const CString& str)
{
    CString strLower(str);
    strLower.MakeLower();
    return strLower;
}
} // namespace

CPortDirectory& GetPortDirectory()
{
    static CPortDirectory directory;
    return directory;
}

CPortDirectory::CPortDirectory() = default;

CPortDirectory::~CPortDirectory()
{
    RemoveAll();
}

// Lookups run under the lock too, since the device-change thread may add entries meanwhile.
CPortDetailsEx* CPortDirectory::Find(const CString& strName)
{
    CSingleLock lock(&m_lock, TRUE);
    void* pEntry = nullptr;
    if (m_mapAliases.Lookup(strName, pEntry))
        return static_cast<CPortDetailsEx*>(pEntry);
    int iBlank = strName.FindOneOf(" \t");
    if (iBlank >= 0 && m_mapAliases.Lookup(strName.Left(iBlank), pEntry))
        return static_cast<CPortDetailsEx*>(pEntry);
    if (m_mapAliases.Lookup(Lowered(strName), pEntry))
    {
        m_mapAliases.SetAt(strName, pEntry);
        return static_cast<CPortDetailsEx*>(pEntry);
    }
    return nullptr;
}

CString CPortDirectory::GetDisplayName(const CString& strName)
{
    CSingleLock lock(&m_lock, TRUE);
    CPortDetailsEx* pEntry = Find(strName);
    return pEntry != nullptr ? pEntry->m_strDisplayKey : strName;
}

CString CPortDirectory::GetDevicePath(const CString& strName)
{
    CSingleLock lock(&m_lock, TRUE);
    CPortDetailsEx* pEntry = Find(strName);
    return pEntry != nullptr ? pEntry->m_strDevicePath : strName;
}

bool CPortDirectory::IsKnown(const CString& strName)
{
    return Find(strName) != nullptr;
}

bool CPortDirectory::SetPresent(const CString& strName, bool bPresent)
{
    CSingleLock lock(&m_lock, TRUE);
    CPortDetailsEx* pEntry = Find(strName);
    if (pEntry == nullptr)
        return false;
    pEntry->m_ucPresent = bPresent ? 1 : 0;
    return true;
}

bool CPortDirectory::IsSamePort(const CString& strA, const CString& strB)
{
    return Find(strA) == Find(strB);
}

PortFactory CPortDirectory::GetFactory(const CString& strName)
{
    CSingleLock lock(&m_lock, TRUE);
    CPortDetailsEx* pEntry = Find(strName);
    return pEntry != nullptr ? pEntry->m_pfnFactory : &CPort::Create;
}

void CPortDirectory::AddAlias(const CString& strAlias, CPortDetailsEx* pEntry)
{
    if (!strAlias.IsEmpty())
        m_mapAliases.SetAt(strAlias, pEntry);
}

void CPortDirectory::AddAliasPair(const CString& strAlias, CPortDetailsEx* pEntry)
{
    AddAlias(strAlias, pEntry);
    AddAlias(Lowered(strAlias), pEntry);
}

void CPortDirectory::AddPort(CPortDetailsEx* pEntry)
{
    if (pEntry->m_strDisplayKey.IsEmpty())
        pEntry->m_strDisplayKey = pEntry->m_strPortName + "   " + pEntry->m_strDescription;
    CSingleLock lock(&m_lock, TRUE);
    void* pKnown = nullptr;
    if (m_mapAliases.Lookup(pEntry->m_strDisplayKey, pKnown))
    {
        static_cast<CPortDetailsEx*>(pKnown)->m_ucPresent = 1;
        delete pEntry;
        return;
    }
    pEntry->m_ucPresent = 1;
    AddAlias(pEntry->m_strDisplayKey, pEntry);
    AddAliasPair(pEntry->m_strDevicePath, pEntry);
    if (!pEntry->m_strPortName.IsEmpty())
    {
        AddAliasPair(pEntry->m_strPortName, pEntry);
        AddAliasPair(pEntry->m_strPortName + ":", pEntry);
    }
    AddAliasPair(pEntry->m_strFriendlyName, pEntry);
    AddAliasPair(pEntry->m_strInterfacePath, pEntry);
    m_aEntries.Add(pEntry);
}

void CPortDirectory::RemoveAll()
{
    CSingleLock lock(&m_lock, TRUE);
    for (int i = 0; i < m_aEntries.GetSize(); ++i)
        delete m_aEntries.GetAt(i);
    m_aEntries.RemoveAll();
    m_mapAliases.RemoveAll();
}

void CPortDirectory::GetListedKeys(CStringArray& astrKeys)
{
    CSingleLock lock(&m_lock, TRUE);
    for (int i = 0; i < m_aEntries.GetSize(); ++i)
    {
        const auto* pEntry = static_cast<const CPortDetailsEx*>(m_aEntries.GetAt(i));
        if (pEntry->m_ucPresent != 0 && pEntry->m_uiKindFlags != 0 &&
            IsPortHidden(pEntry->m_strDisplayKey) == -1)
            astrKeys.Add(pEntry->m_strDisplayKey);
    }
}

CString CPortDirectory::GetCurrentName()
{
    CSingleLock lock(&m_lock, TRUE);
    return m_strCurrentName;
}

int CPortDirectory::GetCount()
{
    CSingleLock lock(&m_lock, TRUE);
    return static_cast<int>(m_aEntries.GetSize());
}
