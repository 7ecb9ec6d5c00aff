#include "measurement/CValidation_IO_NIO.h"

#include "controls/ControlTexts.h"
#include "framework/CWinApp.h"
#include "protocol/MeasuredValuesStruct.h"

#include <cstdlib>

IONIOResultPair* CValidation_IO_NIO::Execute(IONIOResultPair* pResult, const MeasuredValuesStruct* psValues,
                                             int iMeasurand1, int iMeasurand2, CString strLower1,
                                             CString strUpper1, CString strLower2, CString strUpper2,
                                             int iReserved, IONIOComparedValue* psCompared)
{
    pResult->bCondition1 = 1;
    pResult->bCondition2 = 1;
    struct Limit
    {
        CString strText;
        int iCondition;
        bool bLower;
    };
    const Limit limits[4] = {
        {strLower1, 0, true}, {strUpper1, 0, false}, {strLower2, 1, true}, {strUpper2, 1, false}};
    for (Limit limit : limits)
    {
        limit.strText.Replace(',', '.');
        if (limit.strText.IsEmpty() || limit.strText == "n.a.")
            continue;
        if (iReserved != 0)
        {
            AfxMessageBox("improper call of CValidation_IO_NIO.Execute()", MB_OK);
            break;
        }
        const int iMeasurand = limit.iCondition == 0 ? iMeasurand1 : iMeasurand2;
        if (iMeasurand != 0 && iMeasurand != 1)
        {
            AfxMessageBox("one of measurands for IO/NIO Control cannot be defined", MB_OK);
            continue;
        }
        const double dValue = iMeasurand == 0 ? psValues->dMaxA : psValues->dMaxB;
        if (psCompared)
            psCompared[limit.iCondition] = {dValue, iMeasurand == 0 ? IDS_CHANNEL_A : IDS_CHANNEL_B};
        const double dLimit = std::atof(limit.strText);
        if (limit.bLower ? dLimit > dValue : dLimit < dValue)
            (limit.iCondition == 0 ? pResult->bCondition1 : pResult->bCondition2) = 0;
    }
    return pResult;
}

int CValidation_IO_NIO::GetLight(const IONIOResultPair& result)
{
    return result.bCondition1 && result.bCondition2 ? IONIO_PASS : IONIO_FAIL;
}
