#include "measurement/CUnitTable.h"

#include "measurement/MeasurementTexts.h"
#include "protocol/ProtocolTexts.h"

#include <cstddef>

namespace
{
// Codes 4/5 and 6/7 are crossed against the order of their string ids.
constexpr CUnitTable::Entry TORQUE[] = {{IDS_UNIT_KILONEWTON_METRE, 0.00001},     {IDS_UNIT_NEWTON_METRE, 0.01},        {IDS_UNIT_CENTINEWTON_METRE, 1.0},
                                        {IDS_UNIT_MILLINEWTON_METRE, 10.0},        {IDS_UNIT_OUNCE_FORCE_FOOT, 0.11800994},  {IDS_UNIT_OUNCE_FORCE_INCH, 1.4161193},
                                        {IDS_UNIT_POUND_FORCE_FOOT, 0.007375621}, {IDS_UNIT_POUND_FORCE_INCH, 0.088507458}, {IDS_UNIT_ADU, 1.0}};
constexpr CUnitTable::Entry FORCE[] = {{IDS_UNIT_MILLINEWTON, 1000.0},   {IDS_UNIT_NEWTON, 1.0},         {IDS_UNIT_KILONEWTON, 0.001},
                                       {IDS_UNIT_MEGANEWTON, 0.000001}, {IDS_UNIT_OUNCE_FORCE, 3.596942998}, {IDS_UNIT_POUND_FORCE, 0.2248089},
                                       {IDS_UNIT_ADU, 1.0}};
constexpr CUnitTable::Entry MASS[] = {{IDS_UNIT_MILLIGRAM, 1000.0},   {IDS_UNIT_GRAM, 1.0},          {IDS_UNIT_KILOGRAM, 0.001},
                                      {IDS_UNIT_TONNE, 0.000001}, {IDS_UNIT_OUNCE, 0.0352739621}, {IDS_UNIT_POUND, 0.002204623001},
                                      {IDS_UNIT_ADU, 1.0}};
constexpr CUnitTable::Entry UNKNOWN[] = {{IDS_UNIT_UNKNOWN, 1.0}, {IDS_UNIT_ADU, 1.0}};
constexpr CUnitTable::Entry BRIDGE[] = {{IDS_UNIT_MILLIVOLT_PER_VOLT, 1.0}, {IDS_UNIT_ADU, 1.0}};
constexpr CUnitTable::Entry VOLTAGE[] = {{IDS_UNIT_VOLT, 1.0}, {IDS_UNIT_ADU, 1.0}};
constexpr CUnitTable::Entry CURRENT[] = {{IDS_UNIT_MILLIAMPERE, 1.0}, {IDS_UNIT_ADU, 1.0}};

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
