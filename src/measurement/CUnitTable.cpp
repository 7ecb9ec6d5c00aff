#include "measurement/CUnitTable.h"

#include <cstddef>

namespace
{
constexpr int ID_ADU = 5319;

// Codes 4/5 and 6/7 are crossed against the order of their string ids.
constexpr CUnitTable::Entry TORQUE[] = {{5091, 0.00001},     {5092, 0.01},        {5093, 1.0},
                                        {5094, 10.0},        {5096, 0.11800994},  {5095, 1.4161193},
                                        {5098, 0.007375621}, {5097, 0.088507458}, {ID_ADU, 1.0}};
constexpr CUnitTable::Entry FORCE[] = {{5329, 1000.0},   {5328, 1.0},         {5330, 0.001},
                                       {5337, 0.000001}, {5363, 3.596942998}, {5364, 0.2248089},
                                       {ID_ADU, 1.0}};
constexpr CUnitTable::Entry MASS[] = {{5338, 1000.0},   {5331, 1.0},          {5332, 0.001},
                                      {5333, 0.000001}, {5365, 0.0352739621}, {5366, 0.002204623001},
                                      {ID_ADU, 1.0}};
constexpr CUnitTable::Entry UNKNOWN[] = {{5361, 1.0}, {ID_ADU, 1.0}};
constexpr CUnitTable::Entry BRIDGE[] = {{5334, 1.0}, {ID_ADU, 1.0}};
constexpr CUnitTable::Entry VOLTAGE[] = {{5335, 1.0}, {ID_ADU, 1.0}};
constexpr CUnitTable::Entry CURRENT[] = {{5336, 1.0}, {ID_ADU, 1.0}};

template <size_t N> constexpr CUnitTable Table(const CUnitTable::Entry (&entries)[N])
{
    return CUnitTable(entries, static_cast<int>(N));
}

constexpr CUnitTable TORQUE_TABLE = Table(TORQUE);
constexpr CUnitTable FORCE_TABLE = Table(FORCE);
constexpr CUnitTable MASS_TABLE = Table(MASS);
constexpr CUnitTable UNKNOWN_TABLE = Table(UNKNOWN);
constexpr CUnitTable BRIDGE_TABLE = Table(BRIDGE);
constexpr CUnitTable VOLTAGE_TABLE = Table(VOLTAGE);
constexpr CUnitTable CURRENT_TABLE = Table(CURRENT);

void SetFactor(double* pdFactor, double dFactor)
{
    if (pdFactor)
        *pdFactor = dFactor;
}
} // namespace

const CUnitTable& CUnitTable::ForTypeClass(char cTypeClass)
{
    switch (cTypeClass)
    {
        case 'D':
            return TORQUE_TABLE;
        case 'K':
            return FORCE_TABLE;
        case 'W':
            return MASS_TABLE;
        case 'd':
            return BRIDGE_TABLE;
        case 'A':
            return VOLTAGE_TABLE;
        case 'S':
            return CURRENT_TABLE;
        default:
            return UNKNOWN_TABLE;
    }
}

int CUnitTable::CodeToId(int iCode, double* pdFactor) const
{
    if (iCode < 0 || iCode >= m_iCount)
    {
        SetFactor(pdFactor, 1.0);
        return -1;
    }
    SetFactor(pdFactor, m_pEntries[iCode].dFactor);
    return m_pEntries[iCode].iStringId;
}

int CUnitTable::IdToCode(int iStringId, double* pdFactor) const
{
    for (int iCode = 0; iCode < m_iCount; ++iCode)
    {
        if (m_pEntries[iCode].iStringId == iStringId)
        {
            SetFactor(pdFactor, m_pEntries[iCode].dFactor);
            return iCode;
        }
    }
    SetFactor(pdFactor, 1.0);
    return -1;
}

double CUnitTable::IdToFactor(int iStringId) const
{
    double dFactor = 1.0;
    IdToCode(iStringId, &dFactor);
    return dFactor;
}

double CUnitTable::CodeToFactor(int iCode) const
{
    double dFactor = 1.0;
    CodeToId(iCode, &dFactor);
    return dFactor;
}
