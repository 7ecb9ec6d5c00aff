// The texts of the operator panel without its window: the message of an unsupported sensor, the three
// information lines about the connected sensor (serial number, range end value, measurement
// uncertainty) and the button flags as the protocol's trace shows them. Captions come in as loaded.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

struct MeasurePanelState;
struct SensorStruct;

class CPanelTexts
{
public:
    // Kinds of the unsupported-sensor message: the revision or the stator type is not supported.
    enum
    {
        NOT_SUPPORTED_REVISION = 0,
        NOT_SUPPORTED_TYPE = 1,
    };

    // strIntro, a blank line, strErrorCode, ": " and strKindText with its first ')' replaced by the
    // number: '0' + n up to 10, '*' above (so 7 turns "01 (Typ)" into "01 (Typ7"). An empty kind text
    // ends the message after ": ".
    static CString NotSupportedText(const CString& strIntro, const CString& strErrorCode, CString strKindText,
                                    int iNumber);

    // "<caption>: n.a."
    static CString NotAvailableLine(const CString& strCaption);
    // "<caption>: <serial>", or "n.a." for serial number 0.
    static CString SerialNumberLine(const CString& strCaption, ULONG ulSerialNo);
    // A sensor shows channel B unless it is of stator type 7 or of type 5 on the QBX interface.
    static bool ShowsTwoChannels(const SensorStruct& sSensor);
    // "<caption> ( A / B ): <a> / <b>" or "<caption> ( A ): <a>".
    static CString RangeLine(const CString& strCaption, bool bTwoChannels, const CString& strRangeA,
                             const CString& strRangeB);
    // The caption loses its ':'; then the valid uncertainties in percent ("%f" without trailing zeros, in
    // the language's decimal separator): " ( A / B ): a % / b %", " ( A ): a %", " ( B ): b %", or
    // ": n.a." when none is shown.
    static CString UncertaintyLine(CString strCaption, bool bTwoChannels, bool bValidA, double dA,
                                   bool bValidB, double dB, int iLanguageOffset);

    // The five button flags, one line each, as the protocol's receive trace lists them.
    static CString ButtonStateText(const MeasurePanelState& s);
};
