// Sensor value codes: accuracy class, impulses per revolution, packed range end value, low-pass
// filter and the interface's device name.
#include "protocol/CTervane_Send.h"

#include "protocol/Language.h"

namespace
{
struct AccuracyClass
{
    BYTE ucCode;
    double dPercent;
    const char* pszText;
};
constexpr AccuracyClass ACCURACY_CLASSES[] = {
    {40, 3.0, "3.0"},    {60, 2.0, "2.0"},  {80, 1.0, "1.0"},    {100, 0.5, "0.5"}, {120, 0.3, "0.3"},
    {140, 0.25, "0.25"}, {160, 0.2, "0.2"}, {180, 0.15, "0.15"}, {200, 0.1, "0.1"}, {220, 0.05, "0.05"}};
constexpr AccuracyClass DEFAULT_ACCURACY = {0, 3.0, "(def) 3.0"};

constexpr int IMPULSES[] = {6, 30, 60, 90, 120, 180, 360, 720};
constexpr int DEFAULT_IMPULSES = 60;

constexpr int LOW_PASS_HZ[] = {30, 300, 1000, 3000};
constexpr UINT LOW_PASS_UPPER_HZ[] = {30, 300, 1000, 65536};

constexpr UINT NO_RANGE_VALUE = 0xFFFE;

struct DeviceTexts
{
    const char* pszUnknown;
    const char* pszMemory;
    const char* pszWith;
    const char* pszDigitalInput;
    const char* pszOther;
};
constexpr DeviceTexts GERMAN_TEXTS = {"unbekannt", "RS485 Speicher", " mit ", "Digitaleingang",
                                      "n.a. [Stator Typ %d|Rev %d]322421234434"};
constexpr DeviceTexts ENGLISH_TEXTS = {"unknown", "RS485 memory", " with ", "digital input",
                                       "n.a. [Stator Typ %d|Rev %d]322421234435"};

CString QbxUsbName(int iStatorRev, int iDigitalInputBit, const DeviceTexts& texts)
{
    CString strName = iStatorRev < 6 ? "QBX-USB" : "QBX-USB2";
    if (iDigitalInputBit == 0)
        strName += CString(texts.pszWith) + texts.pszDigitalInput;
    return strName;
}

// The digits of a packed value with the decimal point placed, before leading and trailing zeros go.
CString PlaceDecimalPoint(const CString& strHex)
{
    const int iExponent = strHex.GetAt(0) <= '9' ? strHex.GetAt(0) - '0' : strHex.GetAt(0) - 'a' + 10;
    const CString strDigits = strHex.Mid(1);
    if (iExponent > 3)
        return strDigits + CString('0', iExponent - 2);
    if (iExponent == 0)
        return strDigits.Left(1) + "." + strDigits.Mid(1);
    const CString strAll = strDigits + CString('0', iExponent - 1);
    return strAll.Left(iExponent + 1) + "." + strAll.Mid(iExponent + 1);
}
} // namespace

CString CTervane_Send::TerSend_AccuracyCodeToText(CString& strOut, BYTE ucCode, int* piIndex, double* pdValue)
{
    const AccuracyClass* pClass = &DEFAULT_ACCURACY;
    int iIndex = -1;
    for (int i = 0; i < static_cast<int>(std::size(ACCURACY_CLASSES)); ++i)
    {
        if (ACCURACY_CLASSES[i].ucCode == ucCode)
        {
            pClass = &ACCURACY_CLASSES[i];
            iIndex = i;
        }
    }
    strOut = pClass->pszText;
    if (piIndex)
        *piIndex = iIndex;
    if (pdValue)
        *pdValue = pClass->dPercent;
    return strOut;
}

CString CTervane_Send::TerSend_ImpulseCodeToText(CString& strOut, BYTE ucCode, int* piIndex, int* piImpulses)
{
    const bool bKnown = ucCode >= 1 && ucCode <= std::size(IMPULSES);
    const int iImpulses = bKnown ? IMPULSES[ucCode - 1] : DEFAULT_IMPULSES;
    strOut.Format("%d", iImpulses);
    if (piIndex)
        *piIndex = bKnown ? ucCode - 1 : -2;
    if (piImpulses)
        *piImpulses = iImpulses;
    return strOut;
}

int CTervane_Send::TerSend_RangeCodeToText(CString& strOut, UINT uiValue)
{
    strOut.Empty();
    if (uiValue > NO_RANGE_VALUE)
        return 0;
    CString strHex;
    strHex.Format("%04x", uiValue);
    strOut = PlaceDecimalPoint(strHex);
    strOut.TrimLeft('0');
    if (!strOut.IsEmpty() && strOut.GetAt(0) == '.')
        strOut.Insert(0, '0');
    if (strOut.Find('.') >= 0)
    {
        strOut.TrimRight('0');
        strOut.TrimRight('.');
    }
    return 0;
}

int CTervane_Send::TerSend_LowPassCodeToHz(int iCode)
{
    return iCode >= 0 && iCode < static_cast<int>(std::size(LOW_PASS_HZ)) ? LOW_PASS_HZ[iCode]
                                                                          : LOW_PASS_HZ[0];
}

int CTervane_Send::TerSend_LowPassHzToCode(UINT uiHz)
{
    for (int iCode = 0; iCode < static_cast<int>(std::size(LOW_PASS_UPPER_HZ)); ++iCode)
    {
        if (uiHz <= LOW_PASS_UPPER_HZ[iCode])
            return iCode;
    }
    return 0;
}

CString CTervane_Send::TerSend_StatorTypeToDeviceName(CString& strOut, int iStatorType, int iStatorRev,
                                                      int iInterfaceKind, int iDigitalInputBit,
                                                      int iLanguageOffset)
{
    const bool bGerman = iLanguageOffset == LANGUAGE_GERMAN || iLanguageOffset == LANGUAGE_FRENCH ||
                         iLanguageOffset == LANGUAGE_SPANISH;
    const DeviceTexts& texts = bGerman ? GERMAN_TEXTS : ENGLISH_TEXTS;
    switch (iStatorType)
    {
        case 1:
        case 2:
            strOut = texts.pszUnknown;
            break;
        case 3:
            strOut = "MW-VARIA";
            break;
        case 4:
            strOut = "MW-RS485";
            break;
        case 5:
            strOut =
                iInterfaceKind == 0 ? CString("TK-USB") : QbxUsbName(iStatorRev, iDigitalInputBit, texts);
            break;
        case 6:
            strOut = "MWE-DSP";
            break;
        case 7:
            strOut = "MW-USB";
            break;
        case 8:
            strOut = texts.pszMemory;
            break;
        default:
            strOut.Format(texts.pszOther, iStatorType, iStatorRev);
            break;
    }
    return strOut;
}
