// The message of the uncertainty loop that the value lies outside 0 to 5 percent (template 195).
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibInaccuracyRangeFailure : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibInaccuracyRangeFailure)

public:
    explicit CDlgCalibInaccuracyRangeFailure(CDlgSensorCalibration* pPage);

    // The text with its first "#" replaced by the number ("%f" without trailing zeros and point, in the
    // language's decimals).
    static CString ReplaceFirstMark(const CString& strText, double dValue, int iLanguage);

protected:
    bool FillTexts() override;
    void OnOK() override;
};
