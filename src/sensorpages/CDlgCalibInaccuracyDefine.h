// The uncertainty dialog of the calibration page (template 194): the measurement uncertainty of
// channel A and B in percent, each with Change and Delete; the page's loop checks and writes the choice.
#pragma once

#include "protocol/CComPortCalibRole.h"
#include "sensorpages/CCalibMsgDialog.h"

class CDlgCalibInaccuracyDefine : public CCalibMsgDialog
{
    DECLARE_DYNAMIC(CDlgCalibInaccuracyDefine)

public:
    explicit CDlgCalibInaccuracyDefine(CDlgSensorCalibration* pPage);

    // The uncertainty of channel 1 (A) or 0 (B) as the field shows it: "%f" without trailing zeros in
    // the language's decimals, or "0,0000" (localised) when it is not valid.
    static CString UncertaintyText(double dPercent, bool bValid, int iLanguage);
    BOOL PreTranslateMessage(MSG* pMsg) override { return CCalibMsgDialog::PreTranslateMessage(pMsg); }

    CString m_strAllowed = "0123456789.,";
    BYTE m_bBusyA = 0;
    BYTE m_bBusyB = 0;
    double m_dValueA = 0.0;
    double m_dValueB = 0.0;

protected:
    BOOL OnInitDialog() override;
    Placement GetPlacement() const override { return Placement::NotOnFirstShow; }
    bool FillTexts() override;
    void OnOK() override { Choose(m_dValueA, ID_INACCURACY_CH_A_CHANGE); }
    void OnCancel() override;
    afx_msg void OnBtnChangeB() { Choose(m_dValueB, ID_INACCURACY_CH_B_CHANGE); }
    afx_msg void OnBtnDeleteA() { Choose(DELETE_VALUE, ID_INACCURACY_CH_A_DELETE); }
    afx_msg void OnBtnDeleteB() { Choose(DELETE_VALUE, ID_INACCURACY_CH_B_DELETE); }
    afx_msg void OnChangeValueA();
    afx_msg void OnChangeValueB();
    DECLARE_MESSAGE_MAP()

private:
    // Passes the page's range check; the write then stores 0 for the channel.
    static constexpr double DELETE_VALUE = 0.666;

    void Choose(double dValue, int iAction);
};
