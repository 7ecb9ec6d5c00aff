// The start question of the calibration sequence (template 187): the warranty warning; Yes goes on.
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibMsgDoCalib : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibMsgDoCalib)

public:
    explicit CDlgCalibMsgDoCalib(CDlgSensorCalibration* pPage);

protected:
    Placement GetPlacement() const override { return Placement::NotOnFirstShow; }
    bool FillTexts() override;
    void OnOK() override;
};
