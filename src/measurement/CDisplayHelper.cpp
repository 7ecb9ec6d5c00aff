#include "measurement/CDisplayHelper.h"

#include "measurement/CMeasureTextHost.h"
#include "measurement/CUnitTable.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"

#include <cstdlib>

namespace
{
// Unit string ids from the smallest unit of the class up.
constexpr int TORQUE_IDS[] = {IDS_UNIT_MILLINEWTON_METRE, IDS_UNIT_CENTINEWTON_METRE, IDS_UNIT_NEWTON_METRE,
                              IDS_UNIT_KILONEWTON_METRE, IDS_UNIT_MEGANEWTON_METRE};
constexpr int FORCE_IDS[] = {IDS_UNIT_MILLINEWTON, IDS_UNIT_NEWTON, IDS_UNIT_KILONEWTON, IDS_UNIT_MEGANEWTON};
constexpr int MASS_IDS[] = {IDS_UNIT_MILLIGRAM, IDS_UNIT_GRAM, IDS_UNIT_KILOGRAM, IDS_UNIT_TONNE};
} // namespace

CString CDisplayHelper::FormatByTypeClass(int iChannel, CString strValue, const char* pcTypeClass, int iMode,
                                          CString* pstrValue, CString* pstrUnit, int* piUnitStringId,
                                          int* piUnitCode, int* piDecimals, double* pdFactor)
{
    if (iMode != MODE_FORMAT && iMode != MODE_MEASURAND)
        return AppendSelectedUnit(iChannel, strValue);
    char cTypeClass = 0;
    if (pcTypeClass)
        cTypeClass = *pcTypeClass;
    else if (m_pMainFrame && m_pMainFrame->GetChannels() && (iChannel == 0 || iChannel == 1))
        cTypeClass = m_pMainFrame->GetChannels()[iChannel].cTypeClass;
    switch (cTypeClass)
    {
        case 'D':
            return FormatTorque(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                                piDecimals, pdFactor);
        case 'K':
            return FormatForce(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                               piDecimals, pdFactor);
        case 'W':
            return FormatMass(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                              piDecimals, pdFactor);
        case 'd':
        case 'A':
        case 'S':
            if (iMode == MODE_MEASURAND)
                return m_pMainFrame ? m_pMainFrame->GetMeasurandName(cTypeClass) : CString("n.a.");
            if (cTypeClass == 'd')
                return FormatBridgeSignal(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId,
                                          piUnitCode, piDecimals, pdFactor);
            if (cTypeClass == 'A')
                return FormatVoltage(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId,
                                     piUnitCode, piDecimals, pdFactor);
            return FormatCurrent(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                                 piDecimals, pdFactor);
        default:
            return FormatUnknown(iChannel, strValue, iMode, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                                 piDecimals, pdFactor);
    }
}

CString CDisplayHelper::FormatTorque(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                     int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor)
{
    return FormatClass('D', TORQUE_IDS, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode, piDecimals,
                       pdFactor);
}

CString CDisplayHelper::FormatForce(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                    int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor)
{
    return FormatClass('K', FORCE_IDS, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode, piDecimals,
                       pdFactor);
}

CString CDisplayHelper::FormatMass(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                   int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor)
{
    return FormatClass('W', MASS_IDS, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode, piDecimals,
                       pdFactor);
}

CString CDisplayHelper::FormatUnknown(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                      int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor)
{
    return FormatClass('X', &IDS_UNIT_UNKNOWN, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                       piDecimals, pdFactor);
}

CString CDisplayHelper::FormatBridgeSignal(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                           int* piUnitStringId, int* piUnitCode, int* piDecimals,
                                           double* pdFactor)
{
    return FormatClass('d', &IDS_UNIT_MILLIVOLT_PER_VOLT, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode, piDecimals,
                       pdFactor);
}

CString CDisplayHelper::FormatVoltage(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                      int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor)
{
    return FormatClass('A', &IDS_UNIT_VOLT, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                       piDecimals, pdFactor);
}

CString CDisplayHelper::FormatCurrent(int, CString strValue, int, CString* pstrValue, CString* pstrUnit,
                                      int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor)
{
    return FormatClass('S', &IDS_UNIT_MILLIAMPERE, strValue, pstrValue, pstrUnit, piUnitStringId, piUnitCode,
                       piDecimals, pdFactor);
}

// The number is read up to its first character that cannot continue it, so a comma ends it.
CString CDisplayHelper::FormatClass(char cTypeClass, const int* piUnitIds, const CString& strValue,
                                    CString* pstrValue, CString* pstrUnit, int* piUnitStringId,
                                    int* piUnitCode, int* piDecimals, double* pdFactor) const
{
    MagnitudeRow row;
    if (!TerSend_FindMagnitudeRow(cTypeClass, std::strtod(strValue, nullptr), true, row))
        return "n.a.";
    const int iLanguage = GetLanguage();
    const int iUnitId = piUnitIds[row.iUnit];
    CString strUnit;
    if (!strUnit.LoadString(static_cast<UINT>(iUnitId + iLanguage)))
        strUnit.Empty();
    CString strNumber;
    strNumber.Format("%0.*f", row.iDecimals, row.dShown);
    if (pstrValue && pstrUnit)
    {
        *pstrValue = LocalizeDecimalSeparator(iLanguage, strNumber);
        *pstrUnit = LocalizeDecimalSeparator(iLanguage, strUnit);
    }
    if (piUnitStringId)
        *piUnitStringId = iUnitId;
    const int iUnitCode = CUnitTable::ForTypeClass(cTypeClass).IdToCode(iUnitId, pdFactor);
    if (piUnitCode)
        *piUnitCode = iUnitCode;
    if (piDecimals)
        *piDecimals = row.iReportedDecimals;
    return LocalizeDecimalSeparator(iLanguage, strNumber + " " + strUnit);
}

// A selected unit outside the record's unit slots adds nothing.
CString CDisplayHelper::AppendSelectedUnit(int iChannel, const CString& strValue) const
{
    if (strValue == "---" || !m_pMainFrame || !m_pMainFrame->GetChannels() ||
        (iChannel != 0 && iChannel != 1))
        return strValue;
    const ChannelSettingsStruct& channel = m_pMainFrame->GetChannels()[iChannel];
    if (channel.iSelectedUnit < 0 || channel.iSelectedUnit >= CHANNEL_UNIT_SLOTS)
        return strValue;
    return strValue + " " + channel.strUnit[channel.iSelectedUnit];
}

int CDisplayHelper::GetLanguage() const
{
    return m_pMainFrame ? m_pMainFrame->GetLanguageOffset() : LANGUAGE_ENGLISH;
}
