#include "ports/CFakeBaud2.h"

#include "framework/AfxWin32.h"

#include <map>
#include <string>

namespace
{
struct CBaudTable
{
    CBaudTable() { InitializeCriticalSection(&m_lock); }
    ~CBaudTable() { DeleteCriticalSection(&m_lock); }

    CRITICAL_SECTION m_lock;
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

int TranslateBaudRate(const CString& strPortName, int iRate)
{
    CBaudTable& table = GetBaudTable();
    EnterCriticalSection(&table.m_lock);
    const CFakeBaud2& entry = table.m_map[std::string(strPortName.GetString(), strPortName.GetLength())];
    int iResult = entry.Translate(iRate);
    LeaveCriticalSection(&table.m_lock);
    return iResult;
}
