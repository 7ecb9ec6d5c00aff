#include "ports/CFakeBaud2.h"

#include "framework/CCriticalSection.h"
#include "framework/CSingleLock.h"

#include <map>
#include <string>

namespace
{
struct CBaudTable
{
    CCriticalSection m_lock;
    std::map<std::string, CFakeBaud2> m_map;
};

CBaudTable& GetBaudTable()
{
    static CBaudTable table;
    return table;
}
} // namespace

int CFakeBaud2::Translate(int iRate) const
{
    if (m_ucIdentity != 0)
        return iRate;
    for (const Pair& pair : m_aPairs)
    {
        if (pair.iActual == 0)
            break;
        if (pair.iRequested == iRate)
            return pair.iActual;
    }
    return static_cast<int>(iRate * m_dFactor);
}

CString CFakeBaud2::Format() const
{
    bool bPairsZero = true;
    for (const Pair& pair : m_aPairs)
        bPairsZero = bPairsZero && pair.iActual == 0 && pair.iRequested == 0;
    CString strText;
    if (m_dFactor == 1.0 && bPairsZero)
        return strText;
    strText.Format(",%i,%.14G,%i", m_ucIdentity, m_dFactor, 4);
    for (const Pair& pair : m_aPairs)
    {
        CString strPair;
        strPair.Format(",%i,%i", pair.iActual, pair.iRequested);
        strText += strPair;
    }
    return strText;
}

// A port without an entry has no translation and gets none: the table holds only real translations.
int TranslateBaudRate(const CString& strPortName, int iRate)
{
    CBaudTable& table = GetBaudTable();
    CSingleLock lock(&table.m_lock, TRUE);
    auto it = table.m_map.find(std::string(strPortName.GetString(), strPortName.GetLength()));
    return it != table.m_map.end() ? it->second.Translate(iRate) : iRate;
}

int GetBaudTranslationCount()
{
    CBaudTable& table = GetBaudTable();
    CSingleLock lock(&table.m_lock, TRUE);
    return static_cast<int>(table.m_map.size());
}
