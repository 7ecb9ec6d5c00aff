// The unit table of a measurand class: unit code (0, 1, 2, ...) to the string id of the unit's text
// and the number of units that make one base unit of the table. Codes and ids outside the table give
// -1 and the factor 1.
#pragma once

class CUnitTable
{
public:
    struct Entry
    {
        int iStringId;
        double dFactor;
    };

    // The table of a TypeClass letter: 'D' torque (cN·m), 'K' force (N), 'W' mass (g), 'd' mV/V,
    // 'A' V, 'S' mA; any other letter the UKN table.
    static const CUnitTable& ForTypeClass(char cTypeClass);

    int CodeToId(int iCode, double* pdFactor = nullptr) const;
    int IdToCode(int iStringId, double* pdFactor = nullptr) const;
    double IdToFactor(int iStringId) const;
    double CodeToFactor(int iCode) const;
    // One past the highest code.
    int GetCount() const { return m_iCount; }

    constexpr CUnitTable(const Entry* pEntries, int iCount) : m_pEntries(pEntries), m_iCount(iCount) {}

private:
    const Entry* m_pEntries;
    int m_iCount;
};
