// Value text with unit and decimals by TypeClass and magnitude, as the channel panes give it to the
// rest of the system: the unit is chosen by the decade of the value (0.01 to 9.99e15 accepted,
// otherwise "n.a."), its text comes from the string table in the interface language, and its code and
// factor from the measure-configuration page's unit table of the class. Base of the channel panes.
#pragma once

#include "framework/CString.h"
#include "protocol/CTervane_Send.h"

class CMeasureTextHost;

class CDisplayHelper : public CTervane_Send
{
public:
    // Modes of FormatByTypeClass.
    enum
    {
        MODE_APPEND_UNIT = 0, // a formatted number gets the channel's selected unit
        MODE_FORMAT = 1,      // a number in the input unit of the class is formatted
        MODE_MEASURAND = 2,   // as 1, but 'd', 'A' and 'S' give the measurand name
    };

    CDisplayHelper() = default;
    virtual ~CDisplayHelper() = default;

    // pcTypeClass null takes the letter of the channel's record. Every out-parameter may be null; mode 1
    // and 2 write them only for a value in range.
    CString FormatByTypeClass(int iChannel, CString strValue, const char* pcTypeClass, int iMode,
                              CString* pstrValue, CString* pstrUnit, int* piUnitStringId, int* piUnitCode,
                              int* piDecimals, double* pdFactor);

    CString FormatTorque(int iChannel, CString strValue, int iMode, CString* pstrValue, CString* pstrUnit,
                         int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor);
    CString FormatForce(int iChannel, CString strValue, int iMode, CString* pstrValue, CString* pstrUnit,
                        int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor);
    CString FormatMass(int iChannel, CString strValue, int iMode, CString* pstrValue, CString* pstrUnit,
                       int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor);
    CString FormatUnknown(int iChannel, CString strValue, int iMode, CString* pstrValue, CString* pstrUnit,
                          int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor);
    CString FormatBridgeSignal(int iChannel, CString strValue, int iMode, CString* pstrValue,
                               CString* pstrUnit, int* piUnitStringId, int* piUnitCode, int* piDecimals,
                               double* pdFactor);
    CString FormatVoltage(int iChannel, CString strValue, int iMode, CString* pstrValue, CString* pstrUnit,
                          int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor);
    CString FormatCurrent(int iChannel, CString strValue, int iMode, CString* pstrValue, CString* pstrUnit,
                          int* piUnitStringId, int* piUnitCode, int* piDecimals, double* pdFactor);

    // Set by the owning pane before anything is formatted.
    CMeasureTextHost* m_pMainFrame = nullptr;

private:
    CString FormatClass(char cTypeClass, const int* piUnitIds, const CString& strValue, CString* pstrValue,
                        CString* pstrUnit, int* piUnitStringId, int* piUnitCode, int* piDecimals,
                        double* pdFactor) const;
    CString AppendSelectedUnit(int iChannel, const CString& strValue) const;
    int GetLanguage() const;
};
