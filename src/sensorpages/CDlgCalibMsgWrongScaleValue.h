// The message of the calibration sequence that the typed adjust values lie outside their bounds
// (template 190); Back keeps the typed values for the next end-value step.
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibMsgWrongScaleValue : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibMsgWrongScaleValue)

public:
    explicit CDlgCalibMsgWrongScaleValue(CDlgSensorCalibration* pPage);

    // The message text with the bounds of the check, 8 and 4 times, in the language's decimals.
    static CString FormatBoundsText(const CString& strText, int iLanguage);

protected:
    bool FillTexts() override;
    void OnOK() override;
};
