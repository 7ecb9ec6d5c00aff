// The question before the user calibration is deleted (template 186); Yes switches it off in the
// sensor (user calibration only).
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibMsgDeleteCalib : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibMsgDeleteCalib)

public:
    explicit CDlgCalibMsgDeleteCalib(CDlgSensorCalibration* pPage);

    // 1 user calibration, 0 factory calibration (set before the dialog is shown).
    BYTE m_ucCalibKind = 1;

protected:
    Placement GetPlacement() const override { return Placement::Never; }
    bool FillTexts() override;
    void OnOK() override;
};
