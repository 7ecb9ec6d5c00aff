// The zero step of the calibration sequence (template 188): the operator unloads the sensor and
// chooses per channel to calibrate without the built-in control; Continue starts the zero and control
// readings, and the engine closes the dialog when both are in.
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibMsgGetValueZero : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibMsgGetValueZero)

public:
    explicit CDlgCalibMsgGetValueZero(CDlgSensorCalibration* pPage);

    // The zero and control values are in: the dialog ends with IDOK.
    void CloseFromProtocol();
    void UpdateProgress() { UpdateProgressBar(); }

protected:
    BOOL OnInitDialog() override;
    bool FillTexts() override;
    bool KeepsWaitCursor() const override { return true; }
    // Continue: the readings start; the buttons stay disabled until the engine closes the dialog.
    void OnOK() override;
};
