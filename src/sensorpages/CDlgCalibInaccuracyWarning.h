// The warranty warning of the uncertainty loop (template 196); Yes has the engine write the chosen
// uncertainty (or its deletion) into the sensor's user calibration.
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibInaccuracyWarning : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibInaccuracyWarning)

public:
    explicit CDlgCalibInaccuracyWarning(CDlgSensorCalibration* pPage);

protected:
    bool FillTexts() override;
    void OnOK() override;
    void OnCancel() override;
};
