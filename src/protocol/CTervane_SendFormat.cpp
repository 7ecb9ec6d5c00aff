// Numbers with their unit: the decade of a magnitude chooses unit and decimals.
#include "protocol/CTervane_Send.h"

#include "protocol/Language.h"

#include <climits>
#include <cstdlib>

namespace
{
constexpr double LOWEST_MAGNITUDE = 0.01;
constexpr double HIGHEST_MAGNITUDE = 9.99e15;
constexpr int TORQUE_KILO_DECADE = 9;
constexpr int UNIT_MEGA = 3;
constexpr int MASS_MEGA_DECADE = 6;

// From the highest decade down: the first row whose decade is reached applies.
struct DecadeRow
{
    int iFromDecade;
    int iUnit;
    double dMultiplier;
    double dDivisor;
    int iDecimals;
};
// Units mN·m, cN·m, N·m, kN·m, MN·m.
constexpr DecadeRow TORQUE_ROWS[] = {{12, 4, 1, 1e8, 0}, {10, 4, 1, 1e8, 1},    {9, 4, 1, 1e8, 1},
                                     {6, 3, 1, 1e5, 1},  {5, 3, 1, 1e5, 2},     {3, 2, 1, 100, 1},
                                     {2, 2, 1, 100, 2},  {1, 1, 1, 1, 1},       {0, 1, 1, 1, 2},
                                     {-1, 0, 10, 1, 1},  {INT_MIN, 0, 10, 1, 2}};
constexpr DecadeRow TORQUE_KILO_ROW = {TORQUE_KILO_DECADE, 3, 1, 1e5, 0};
// Units mN, N, kN, MN (mg, g, kg, t).
constexpr DecadeRow FORCE_ROWS[] = {{10, 3, 1, 1e6, 0}, {7, 3, 1, 1e6, 1},       {6, 3, 1, 1e6, 2},
                                    {4, 2, 1, 1000, 1}, {3, 2, 1, 1000, 2},      {1, 1, 1, 1, 1},
                                    {0, 1, 1, 1, 2},    {INT_MIN, 0, 1000, 1, 1}};

// Divisions by 10 for values from 10 on (positive), multiplications by 10 up to 1 (negative):
// 10, 100, ... open their decade, 1 and 0.1 close theirs.
int Decade(double dValue)
{
    int iDecade = 0;
    if (dValue >= 10.0)
    {
        for (; dValue >= 10.0; dValue /= 10.0)
            ++iDecade;
        return iDecade;
    }
    for (; dValue <= 1.0 && dValue > 0.0; dValue *= 10.0)
        --iDecade;
    return iDecade;
}

template <size_t N> const DecadeRow& RowOf(const DecadeRow (&rows)[N], int iDecade)
{
    for (const DecadeRow& row : rows)
    {
        if (iDecade >= row.iFromDecade)
            return row;
    }
    return rows[N - 1];
}

int SingleUnitDecimals(char cTypeClass)
{
    switch (cTypeClass)
    {
        case 'X':
            return 0;
        case 'd':
            return 3;
        case 'A':
        case 'S':
            return 2;
        default:
            return -1;
    }
}

struct UnitEntry
{
    int iCode;
    const char* pszText;
    double dFactor;
};
constexpr UnitEntry TORQUE_UNITS[] = {
    {0, "mN·m", 10}, {1, "cN·m", 1}, {2, "N·m", 0.01}, {3, "kN·m", 0.00001}, {4, "MN·m", 0.00000001}};
constexpr UnitEntry FORCE_UNITS[] = {{0, "mN", 1000}, {2, "N", 1}, {3, "kN", 0.001}, {4, "MN", 0.000001}};
constexpr UnitEntry MASS_UNITS[] = {{0, "mg", 1000}, {1, "g", 1}, {2, "kg", 0.001}, {3, "t", 0.000001}};

CString FormatWithUnit(CString strValue, char cTypeClass, const UnitEntry* pUnits, int iLanguageOffset,
                       CString* pstrValue, CString* pstrUnit, int* piUnitCode, double* pdFactor,
                       int* piDecimals)
{
    strValue.Replace(',', '.');
    CTervane_Send::MagnitudeRow row;
    if (!CTervane_Send::TerSend_FindMagnitudeRow(cTypeClass, std::strtod(strValue, nullptr), false, row))
        return "n.a.";
    const UnitEntry& unit = pUnits[row.iUnit];
    CString strNumber;
    strNumber.Format("%0.*f", row.iDecimals, row.dShown);
    strNumber = LocalizeDecimalSeparator(iLanguageOffset, strNumber);
    if (pstrValue)
        *pstrValue = strNumber;
    if (pstrUnit)
        *pstrUnit = unit.pszText;
    if (piUnitCode)
        *piUnitCode = unit.iCode;
    if (pdFactor)
        *pdFactor = unit.dFactor;
    if (piDecimals)
        *piDecimals = row.iReportedDecimals;
    return strNumber + " " + unit.pszText;
}
} // namespace

bool CTervane_Send::TerSend_FindMagnitudeRow(char cTypeClass, double dValue, bool bKiloTorqueToE10,
                                             MagnitudeRow& row)
{
    if (!(dValue >= LOWEST_MAGNITUDE && dValue <= HIGHEST_MAGNITUDE))
        return false;
    const int iSingleDecimals = SingleUnitDecimals(cTypeClass);
    if (iSingleDecimals >= 0)
    {
        row = {0, dValue, iSingleDecimals, iSingleDecimals};
        return true;
    }
    if (cTypeClass != 'D' && cTypeClass != 'K' && cTypeClass != 'W')
        return false;
    const int iDecade = Decade(dValue);
    const DecadeRow& decade = cTypeClass != 'D' ? RowOf(FORCE_ROWS, iDecade)
                              : bKiloTorqueToE10 && iDecade == TORQUE_KILO_DECADE
                                  ? TORQUE_KILO_ROW
                                  : RowOf(TORQUE_ROWS, iDecade);
    row.iUnit = decade.iUnit;
    row.dShown = dValue * decade.dMultiplier / decade.dDivisor;
    row.iDecimals = decade.iDecimals;
    // Mass in tonnes below 10^7 g is shown with two decimals but reported with one.
    const bool bMassTonnes = cTypeClass == 'W' && decade.iUnit == UNIT_MEGA && iDecade == MASS_MEGA_DECADE;
    row.iReportedDecimals = bMassTonnes ? 1 : decade.iDecimals;
    return true;
}

CString CTervane_Send::TerSend_FormatValueWithUnit(CString strValue, char cTypeClass, int iLanguageOffset,
                                                   CString* pstrValue, CString* pstrUnit, int* piUnitCode,
                                                   double* pdFactor, int* piDecimals)
{
    using Formatter = CString (*)(CString, int, CString*, CString*, int*, double*, int*);
    Formatter pFormat = nullptr;
    switch (cTypeClass)
    {
        case 'D':
            pFormat = &TerSend_FormatTorque;
            break;
        case 'K':
            pFormat = &TerSend_FormatForce;
            break;
        case 'W':
            pFormat = &TerSend_FormatMass;
            break;
        case 'X':
            pFormat = &TerSend_FormatAdu;
            break;
        case 'd':
            pFormat = &TerSend_FormatBridgeSignal;
            break;
        case 'A':
            pFormat = &TerSend_FormatVoltage;
            break;
        case 'S':
            pFormat = &TerSend_FormatCurrent;
            break;
        default:
            return "n.a. TypeClass Unkonwn";
    }
    return pFormat(strValue, iLanguageOffset, pstrValue, pstrUnit, piUnitCode, pdFactor, piDecimals);
}

CString CTervane_Send::TerSend_FormatTorque(CString strValue, int iLanguageOffset, CString* pstrValue,
                                            CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                            int* piDecimals)
{
    return FormatWithUnit(strValue, 'D', TORQUE_UNITS, iLanguageOffset, pstrValue, pstrUnit, piUnitCode,
                          pdFactor, piDecimals);
}

CString CTervane_Send::TerSend_FormatForce(CString strValue, int iLanguageOffset, CString* pstrValue,
                                           CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                           int* piDecimals)
{
    return FormatWithUnit(strValue, 'K', FORCE_UNITS, iLanguageOffset, pstrValue, pstrUnit, piUnitCode,
                          pdFactor, piDecimals);
}

CString CTervane_Send::TerSend_FormatMass(CString strValue, int iLanguageOffset, CString* pstrValue,
                                          CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                          int* piDecimals)
{
    return FormatWithUnit(strValue, 'W', MASS_UNITS, iLanguageOffset, pstrValue, pstrUnit, piUnitCode,
                          pdFactor, piDecimals);
}

CString CTervane_Send::TerSend_FormatAdu(CString strValue, int iLanguageOffset, CString* pstrValue,
                                         CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                         int* piDecimals)
{
    static constexpr UnitEntry UNIT = {0, "ADU", 1};
    return FormatWithUnit(strValue, 'X', &UNIT, iLanguageOffset, pstrValue, pstrUnit, piUnitCode, pdFactor,
                          piDecimals);
}

CString CTervane_Send::TerSend_FormatBridgeSignal(CString strValue, int iLanguageOffset, CString* pstrValue,
                                                  CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                                  int* piDecimals)
{
    static constexpr UnitEntry UNIT = {0, "mV/V", 1};
    return FormatWithUnit(strValue, 'd', &UNIT, iLanguageOffset, pstrValue, pstrUnit, piUnitCode, pdFactor,
                          piDecimals);
}

CString CTervane_Send::TerSend_FormatVoltage(CString strValue, int iLanguageOffset, CString* pstrValue,
                                             CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                             int* piDecimals)
{
    static constexpr UnitEntry UNIT = {0, "V", 1};
    return FormatWithUnit(strValue, 'A', &UNIT, iLanguageOffset, pstrValue, pstrUnit, piUnitCode, pdFactor,
                          piDecimals);
}

CString CTervane_Send::TerSend_FormatCurrent(CString strValue, int iLanguageOffset, CString* pstrValue,
                                             CString* pstrUnit, int* piUnitCode, double* pdFactor,
                                             int* piDecimals)
{
    static constexpr UnitEntry UNIT = {0, "mA", 1};
    return FormatWithUnit(strValue, 'S', &UNIT, iLanguageOffset, pstrValue, pstrUnit, piUnitCode, pdFactor,
                          piDecimals);
}
