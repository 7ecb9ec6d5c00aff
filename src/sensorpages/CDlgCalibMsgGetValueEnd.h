// The end-value step of the calibration sequence (template 189): per channel the upper range value,
// the adjust value the sensor is loaded with and the digits. Entry mode: Continue checks the adjust
// values. Measuring mode (the page's m_bMeasureOnShow): Continue stays disabled, the scale values are
// read, and the engine (after a failed computation) or the operator panel (after the write and the
// sensor's restart) closes the dialog.
#pragma once

#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibMsgGetValueEnd : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibMsgGetValueEnd)

public:
    explicit CDlgCalibMsgGetValueEnd(CDlgSensorCalibration* pPage);

    void CloseFromProtocol();
    void UpdateProgress() { UpdateProgressBar(); }

    CString m_strAllowedA = "0123456789.,";
    CString m_strAllowedB = "0123456789.,";
    BYTE m_bBusyA = 0;
    BYTE m_bBusyB = 0;

protected:
    bool FillTexts() override;
    bool KeepsWaitCursor() const override { return true; }
    void OnOK() override;
    afx_msg void OnChangeAdjustA();
    afx_msg void OnChangeAdjustB();
    afx_msg void OnBtnCopyAToB();
    afx_msg void EmptyHandler() {}
    DECLARE_MESSAGE_MAP()

private:
    // The range, unit, adjust and digits fields of channel 0 or 1.
    void FillChannel(int iChannel);
};
