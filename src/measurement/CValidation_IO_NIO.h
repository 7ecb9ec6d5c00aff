// The pass/fail (IO/NIO) evaluation at the end of a measurement: up to two conditions, each a lower
// and an upper limit on the maximum of channel A or B. It keeps no data; the operator panel makes one
// for each evaluation and keeps the compared values for the result line.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

struct MeasuredValuesStruct;

// The light of an evaluation (IONIOResult).
enum
{
    IONIO_NOT_EVALUATED = -1,
    IONIO_PASS = 0,
    IONIO_WARNING = 1,
    IONIO_FAIL = 2,
};

// Per condition: 1 when it holds or has no limits, 0 when a limit is violated.
struct IONIOResultPair
{
    BYTE bCondition1 = 1;
    BYTE bCondition2 = 1;
};

// The value a condition was judged by and the string id of its channel (5323 A, 5324 B).
struct IONIOComparedValue
{
    double dValue = 0.0;
    int iChannelStringId = 0;
};

class CValidation_IO_NIO
{
public:
    // iMeasurand 0 channel A, 1 channel B. Limits are texts as typed (',' or '.'); an empty text or
    // "n.a." skips the limit, a text that is no number is 0. Values equal to a limit pass. iReserved
    // must be 0. psCompared (two slots, may be null) receives the value of each evaluated condition.
    IONIOResultPair* Execute(IONIOResultPair* pResult, const MeasuredValuesStruct* psValues, int iMeasurand1,
                             int iMeasurand2, CString strLower1, CString strUpper1, CString strLower2,
                             CString strUpper2, int iReserved, IONIOComparedValue* psCompared = nullptr);

    // IONIO_PASS when both conditions hold, else IONIO_FAIL.
    static int GetLight(const IONIOResultPair& result);
};
