// The software-scaling dialog (dialog 204, modal) of one channel: the operator states that a physical
// value in the unit of the channel's range corresponds to a value in a unit of his own (up to five
// characters); Save derives the scaling factor per unit of the channel's input unit. The physical value
// can be typed or read from the sensor. The measure-configuration page opens it and writes the result
// to the sensor; while it is open, the operator panel's running flag is set.
#pragma once

#include "controls/CMyEdit.h"
#include "controls/CMyEditHost.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "protocol/Language.h"

class CAdjustHost;
class CPageHost;

class CDlgSoftwareConfig : public CDialog, public CMyEditHost
{
    DECLARE_DYNAMIC(CDlgSoftwareConfig)

public:
    CDlgSoftwareConfig();
    ~CDlgSoftwareConfig() override;

    // The factor per input unit: (scaled / physical) × the range unit's factor. False, and the factor
    // left as it is, when it is not defined (a physical value, range or full-scale count of 0) or not
    // finite.
    static bool ComputeScalingFactor(double dScaled, double dPhysical, double dRangeValue,
                                     double dFullScaleCount, double dRangeUnitFactor, double& dFactor);
    // The range end value in the scaling unit; 0 when it is not defined.
    static double ScaledRangeValue(double dRangeValue, double dScalingFactor, double dFullScaleCount,
                                   double dRangeUnitFactor);
    // The text of a current value in the range unit: as many decimals as leave nine digits, at most eight,
    // without zeros at the end (nor a point left alone), with a decimal point.
    static CString FormatCurrentValue(double dValue);

    // The main frame as the page host and as the settings page's host, handed over by the opener.
    void SetHosts(CPageHost* pPageHost, CAdjustHost* pFrame);
    // The sensor's answer to the current-value request: the raw counts of both channels.
    void ShowCurrentValue(int iRawA, int iRawB);
    // Cancel, also when the port of the connected sensor is removed while the dialog is open.
    afx_msg void OnClickedCancel();

    // ---- CMyEditHost (the three fields)
    int GetLanguageOffset() override { return m_iLanguageOffsetCopy; }
    void OnMyEditChange(CMyEdit* pEdit, bool bChanged) override;

    CPageHost* m_pPageHost = nullptr;
    CAdjustHost* m_pMainFrame = nullptr;
    BOOL m_bOneTimeInit = TRUE;
    int m_iLanguageOffsetCopy = LANGUAGE_ENGLISH;
    int m_iChannel = 0;
    // In: the factor of the channel's software-scaling slot (0 without one); out: the new factor.
    double m_dScalingFactor = 0.0;
    // In: the unit of the slot; out: the unit typed.
    CString m_strScalingUnit;
    double m_dRangeUnitFactor = 1.0;
    double m_dRangeValue = 0.0;
    double m_dFullScaleCount = 0.0;
    double* m_pdPhysicalValue = nullptr;
    double* m_pdScaledValue = nullptr;
    double m_dCurrentRaw = 0.0;
    CMyEdit m_edPhysical;
    CMyEdit m_edScaled;
    CMyEdit m_edUnit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnClickedSave();
    afx_msg void OnClickedReadCurrentValue();
    DECLARE_MESSAGE_MAP()

private:
    void InitOnce();
    void FillControls();
    void FillRange();
    void ShowScaledValue();
    void SetPanelRunning(bool bRunning);
    CString Text(int iStringId) const;
};
