// The calibration page (mode page 137): stores or deletes the measurement uncertainty of a channel in
// the sensor (the uncertainty loop), runs the user calibration as a chain of message dialogs (zero,
// control and scale readings by the sensor engine, the constants computed here, the new calibration
// written by the engine), and deletes or restores the user calibration. Only the uncertainty button is
// shown; the other buttons keep their commands. The page is the engine's calibration role: the engine
// advances its progress, asks it to compute, reads its flags and closes the reading dialogs through it.
#pragma once

#include "framework/CRect.h"
#include "protocol/CComPortCalibRole.h"
#include "sensorpages/CSensorPage.h"

class CCalibHost;
class CComPort;
class CDlgCalibMsgGetValueEnd;
class CDlgCalibMsgGetValueZero;
class CDlgCalibMsgWrongScaleValue;

class CDlgSensorCalibration : public CSensorPage, public CComPortCalibRole
{
    DECLARE_DYNAMIC(CDlgSensorCalibration)

public:
    // The error bits of CalcualteCalibValues.
    static constexpr int ERROR_SCALE_GAIN_A = 1;
    static constexpr int ERROR_SCALE_GAIN_B = 2;
    static constexpr int ERROR_CTRL_GAIN_A = 4;
    static constexpr int ERROR_CTRL_GAIN_B = 8;
    static constexpr int ERROR_SCALE_READING_A = 16;
    static constexpr int ERROR_SCALE_READING_B = 32;
    // A gain, the offset or the rescaled digits would not fit their 16-bit field, or a gain is 0.
    static constexpr int ERROR_FIELD_RANGE_A = 64;
    static constexpr int ERROR_FIELD_RANGE_B = 128;
    static constexpr int PROGRESS_RANGE = 4000;
    static constexpr int PROGRESS_DIVISOR = 40;

    explicit CDlgSensorCalibration(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // The captions of the group and of the six buttons with texts in the interface language; FALSE
    // when a string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

    // ---- Called by the engine, the operator panel and the message dialogs
    // iHow 0 adds one sample, 1 the write's 250; the open reading dialog's bar follows every 40.
    bool AdvanceCalibProgress(int iHow);
    // The calibration constants of both channels from the engine's readings; true when they may be
    // written. *piErrors receives the error bits.
    bool CalcualteCalibValues(BYTE bAsk, BYTE bSigned, int* piErrors);
    // 1: the uncertainty button on, the delete button by the user calibration's state; 0: the
    // uncertainty button off.
    void EnableCalibButtons(BYTE bEnable);

    bool IsSingleChannelSensor() const;
    void SetCalibStep(int iStep) { m_iCalibStep = iStep; }
    int GetCalibStep() const { return m_iCalibStep; }
    void ResetCalibSequence();
    // Bit 1: channel A's raw zero lies outside 32768 +- 8000, bit 2: channel B's.
    int CheckZeroWindow() const;
    // The four field texts ("," read as "."); true when both adjust values lie strictly between a
    // quarter and eight times their range end.
    bool CheckScaleValues(const CString& strRangeA, const CString& strAdjustA, const CString& strRangeB,
                          const CString& strAdjustB);
    // The control reading of channel 0 or 1 lies more than 2500 counts from its zero.
    bool CheckControlSignal(int iChannel, BYTE bSigned) const;
    // x in 0..2 as a Q15 integer (truncated); false and 0 outside.
    static bool ToQ15(double x, int* piOut);
    void KeepAdjustValueA() { m_bKeepAdjustA = 1; }
    void KeepAdjustValueB() { m_bKeepAdjustB = 1; }
    bool TakeAdjustTextA(CString& strOut);
    bool TakeAdjustTextB(CString& strOut);
    void RunCalibrationSequence(BYTE ucKind);
    void DefineUncertainty(BYTE ucKind);
    // A reading of the running sequence is given up: nothing of it is computed or written.
    void AbandonCalibReading();

    // The operator panel's control-signal LED: 0 off, 1 on; -1 without a panel.
    int GetControlSignalState() const;
    CComPort& Engine() const;
    // The main frame's calibration services; null without a frame.
    CCalibHost* GetCalibHost() const;
    CDlgCalibMsgGetValueZero* OpenZeroDialog() const;
    CDlgCalibMsgGetValueEnd* OpenEndDialog() const;

    // ---- CComPortCalibRole
    void Calib_EnableCalibButtons(int iEnable) override { EnableCalibButtons(static_cast<BYTE>(iEnable)); }
    void Calib_AdvanceCalibProgress(int iHow) override { AdvanceCalibProgress(iHow); }
    bool Calib_CalcualteCalibValues(BYTE ucAsk, BYTE ucSigned, int& iErrorBits) override;
    bool Calib_IsNewCalibReady() override;
    bool Calib_IsUncertaintyConfirmed() override;
    int Calib_GetUncertaintyAction() override { return m_iUncertaintyAction; }
    void Calib_GetBlockValues(int& iCalib23, int& iCalib25) override;
    void Calib_ClearCalibRunning() override { m_bCalibEndProgress = 0; }
    void CalibZero_CloseFromProtocol() override;
    void CalibEnd_CloseFromProtocol() override;

    // ---- CalibSequenceState: shared with the message dialogs and the engine
    CCalibHost* m_pMainFrame = nullptr;
    BYTE m_bKeepAdjustA = 0;
    BYTE m_bKeepAdjustB = 0;
    int m_iCalibStep = 0;
    BYTE m_bScaleCheckFailed = 0;
    // Where the calibration message dialogs (and the storage note) place themselves, in screen
    // coordinates; the dialogs store their own rectangle here when the operator leaves them.
    CRect m_rcMsgDlg;
    double m_dRangeEndA = 0.0;
    double m_dRangeEndB = 0.0;
    double m_dAdjustA = 0.0;
    double m_dAdjustB = 0.0;
    int m_iDigitsA = 0;
    int m_iDigitsB = 0;
    CString m_strDigitsA;
    CString m_strDigitsB;
    double m_dAcceptedAdjustA = 0.0;
    double m_dAcceptedAdjustB = 0.0;
    double m_dRatioA = 0.0;
    double m_dRatioB = 0.0;
    double m_dRangeEndShownA = 0.0;
    double m_dRangeEndShownB = 0.0;
    CString m_strRangeEndA = "n.a.";
    CString m_strRangeEndB = "n.a.";
    CString m_strAdjustA = "n.a.";
    CString m_strAdjustB = "n.a.";
    int m_iProgressRange = 0;
    int m_iProgressPos = 0;
    int m_iProgressDivisor = PROGRESS_DIVISOR;
    int m_iProgressUpdates = 0;
    BYTE m_bMeasureOnShow = 0;
    BYTE m_bFirstDlgShow = 0;
    int m_iUncertaintyAction = ID_INACCURACY_CH_A_CHANGE;
    double m_dUncertaintyValue = 0.0;
    BYTE m_bSingleChannel = 0;
    BYTE m_ucCalibKind = 1;
    BYTE m_ucUncertaintyKind = 1;
    // The flags the engine reads through the role: the computed calibration may be written, the
    // operator confirmed the uncertainty write, the end-value dialog takes progress (calibration running).
    BYTE m_bNewCalibReady = 0;
    BYTE m_bUncertaintyConfirmed = 0;
    BYTE m_bCalibEndProgress = 0;

protected:
    BOOL OnInitDialog() override;
    void AttachRoles(CComPort& engine, bool bAttach) override;
    afx_msg void OnBtnUserUncertainty() { DefineUncertainty(1); }
    afx_msg void OnBtnFactoryUncertainty() { DefineUncertainty(0); }
    afx_msg void OnBtnUserRun() { RunCalibrationSequence(1); }
    afx_msg void OnBtnFactoryRun() { RunCalibrationSequence(0); }
    afx_msg void OnBtnUserDelete() { DeleteCalibration(1); }
    afx_msg void OnBtnFactoryDelete() { DeleteCalibration(0); }
    afx_msg void OnBtnUserRestore();
    afx_msg void EmptyHandler() {}
    DECLARE_MESSAGE_MAP()

private:
    // Runs the end-value step until it ends the sequence (IDOK from the reading, or IDCANCEL).
    void RunEndValueSteps(CDlgCalibMsgGetValueEnd& dlgEnd, CDlgCalibMsgWrongScaleValue& dlgWrongScale);
    void DeleteCalibration(BYTE ucKind);
    // Bounds of the computed values of one channel; false sets the channel's range error bit.
    bool CheckFieldRanges(int iChannel, double dDigits, int* piErrors) const;
    void TraceCalibValues(bool bIsCalibTrue, const double adPercent[2], const double adGainCtrl[2],
                          const double adGainScale[2]);
};
