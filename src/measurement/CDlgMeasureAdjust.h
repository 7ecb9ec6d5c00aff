// The measure-configuration page (mode page 135): the channels and the measuring rate, the low-pass
// filter and the display settings of each channel (written to the sensor), the diagram axes and the
// averaging count, the trigger start and stop conditions, the pass/fail conditions and the programs run
// at start and stop. It keeps the settings record MeasureAdjustStruct, which it reads from the registry
// once and the main frame checks and saves. The number and unit helpers it shares with the measurement
// side are CMeasureAdjustHelpers; its rules are CChannelRules, CDiagramAxisRules, CTriggerRules and
// CLimitRules.
#pragma once

#include "controls/CCheckBox.h"
#include "controls/CKombiBox.h"
#include "controls/CMyEdit.h"
#include "controls/CMyEditHost.h"
#include "controls/CPathBrowseCtrl.h"
#include "controls/CPathBrowseHost.h"
#include "framework/CDateTimeCtrl.h"
#include "framework/CEdit.h"
#include "framework/CRect.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/CTriggerRules.h"
#include "protocol/CComPortAdjustRole.h"
#include "protocol/Language.h"
#include "shell/CModePage.h"

#include <memory>

class CAdjustHost;
class CAdjustPanel;
class CComPort;
class CDlgSoftwareConfig;
class CPageHost;
class CValuePipeline;
struct ChannelSettingsStruct;
struct MeasureAdjustStruct;

class CDlgMeasureAdjust : public CModePage,
                          public CComPortAdjustRole,
                          public CMeasureAdjustHelpers,
                          public CMyEditHost,
                          public CPathBrowseHost
{
    DECLARE_DYNAMIC(CDlgMeasureAdjust)

public:
    // What ChangeChannelDisplaySetting changes.
    enum
    {
        DISPLAY_DECIMALS = 0,
        DISPLAY_UNIT = 1,
        DISPLAY_MEAN = 2,
        DISPLAY_SIGN = 3,
    };
    // Notification codes of the program browse controls.
    static constexpr UINT NOTIFY_START_PROGRAM = 311;
    static constexpr UINT NOTIFY_STOP_PROGRAM = 312;

    explicit CDlgMeasureAdjust(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgMeasureAdjust() override;

    // ---- Record and page
    // The one-time initialisation from OnInitDialog: host, edits and the stored settings; returns 1.
    int InitPage();
    // The record's defaults; returns 1.
    int SetDefaultMeasureAdjustStruct();
    // Every caption for m_iLanguageOffsetCopy and every control refilled; FALSE when a string or a
    // refill failed.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }
    // Refills and re-enables the controls from the sensor, the channel records and the record; TRUE
    // while the frame's initialisation is pending.
    BOOL UpdateControls(int iLanguage);
    void LayoutPage();
    // The outer group in a view client of cx × cy pixels: at (10, 5), 19 and 15 pixels smaller, but
    // 530 × 340 in a client narrower than 549 or lower than 355.
    static CRect OuterGroupRect(int cx, int cy);

    // ---- Channels, rate, low-pass filter and display table
    BOOL FillChannelChecks(int iLanguage);
    BOOL FillRateCombo(int iLanguage);
    BOOL FillLowPassGroup(int iLanguage);
    BOOL FillChannelTable(int iLanguage);
    void ChangeMeasuringRate(int iRateCode);
    void ChangeChannelDisplaySetting(int iWhat, int iValue, int iChannel);
    void OnBtnScaling(int iChannel);
    void OnChangeSerialNumber(int iChannel);

    // ---- Diagram axes and averaging count
    void ApplyXAxisRule(int iMode);
    void ChangeAxisQuantity(int iAxis, int iQuantity);
    BOOL FillDiagramGroup(int iLanguage);

    // ---- Trigger
    void ResetTriggerSettings(int iMode);
    BOOL FillTriggerGroup();
    void ChangeTriggerSetting(int iWhat, int iValue);
    void ShowStartValue();
    void ShowStopValue();
    void ShowDuration();
    void ShowCount();
    void ShowDurationInfo();
    void ShowCountInfo();
    void ReadDuration();
    void UpdateTriggerUnitLabels(int iChannelId, const CString& strUnit);

    // ---- Pass/fail conditions and programs
    // 0 refills both conditions, 1 or 2 renews that one.
    void UpdateLimitConditions(int iWhich);
    void UpdateSecondConditionAvailability();
    void UpdateLimitUnits(int iChannel);
    void UpdateLimitConditionState();
    bool IsIONIOConditionOff(int iWhich) const;
    void ApplyProgramPaths();
    void OnBrowseStartProgram();
    void OnBrowseStopProgram();

    // ---- CComPortAdjustRole: what the sensor engine asks of the page (from its registration on)
    void Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB) override;
    void Adjust_GetLowPassHz(int& iHzA, int& iHzB) override;
    bool Adjust_IsSoftwareScalingChanged(int iChannel) override;
    void Adjust_UpdateControls(int iLanguageOffset) override;
    void Adjust_ShowCurrentValue(int iValueA, int iValueB) override;

    // ---- CMyEditHost (the serial-number edits) and CPathBrowseHost (the program browse controls)
    int GetLanguageOffset() override { return m_iLanguageOffsetCopy; }
    void OnMyEditChange(CMyEdit* pEdit, bool bChanged) override;
    void OnPathBrowseChange(UINT nNotifyCode, CEdit* pEdit) override;

    // ---- State read and written by the main frame, the engine, the panel and the writers
    std::unique_ptr<MeasureAdjustStruct> m_psMeasureAdjust;
    // 0 before the frame's start-up check, 1 stored record taken, 2 replaced by its defaults.
    int m_iStoredRecordState = 0;
    int m_bViewUseShowWindow = 0;
    int m_iLanguageOffsetCopy = LANGUAGE_ENGLISH;
    int m_iIONIOConditionState = 0;
    int m_iLastAxisX = 0;
    CString m_strStartProgram;
    CString m_strStopProgram;
    // Measurand of each pass/fail condition: 0 channel A, 1 channel B, below 0 none.
    int m_iLimitMeasurandIndex[2] = {-2, -2};
    CString m_strLimitText[4];
    int m_iLowPassHz[2] = {0, 0};
    BYTE m_bUnitResetPending[2] = {0, 0};
    CDlgSoftwareConfig* m_pDlgSoftwareConfig = nullptr;

    // ---- Controls
    CCheckBox m_chkChannel[2];
    CKombiBox m_cbRate;
    CKombiBox m_cbLowPass[2];
    CKombiBox m_cbDecimals[2];
    CKombiBox m_cbUnit[2];
    CKombiBox m_cbMean[2];
    CKombiBox m_cbSign[2];
    CButton m_btnScaling[2];
    CMyEdit m_edSerial[2];
    CKombiBox m_cbAxis[3];
    CEdit m_edAveraging;
    CKombiBox m_cbStartSource;
    CKombiBox m_cbStartDirection;
    CKombiBox m_cbStopSource;
    CKombiBox m_cbStopDirection;
    CEdit m_edStartValue;
    CEdit m_edStopValue;
    CEdit m_edDuration;
    CEdit m_edCount;
    CDateTimeCtrl m_dtStartTime;
    CKombiBox m_cbLimitMeasurand[2];
    CCheckBox m_chkCondition[2];
    CEdit m_edLimit[4];
    CPathBrowseCtrl m_browseProgram[2];

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void AttachRoles(CComPort& engine, bool bAttach) override;

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnPaint();
    afx_msg void OnCheckChannelA();
    afx_msg void OnCheckChannelB();
    afx_msg void OnSelChangeRate();
    afx_msg void OnSelChangeLowPassA();
    afx_msg void OnSelChangeLowPassB();
    afx_msg void OnSelChangeDisplay(UINT nId);
    afx_msg void OnBtnScalingA();
    afx_msg void OnBtnScalingB();
    afx_msg void OnKillFocusSerial(UINT nId);
    afx_msg void OnSelChangeAxis(UINT nId);
    afx_msg void OnChangeAveraging();
    afx_msg void OnSelChangeStartSource();
    afx_msg void OnSelChangeStopSource();
    afx_msg void OnSelChangeStartDirection();
    afx_msg void OnSelChangeStopDirection();
    afx_msg void OnChangeStartValue();
    afx_msg void OnChangeStopValue();
    afx_msg void OnChangeDuration();
    afx_msg void OnChangeCount();
    afx_msg void OnStartTimeChange(NMHDR* pNotifyStruct, LRESULT* pResult);
    afx_msg void OnSelChangeMeasurand1();
    afx_msg void OnSelChangeMeasurand2();
    afx_msg void OnClickCondition1();
    afx_msg void OnClickCondition2();
    afx_msg void OnChangeLimit(UINT nId);
    afx_msg LRESULT OnBrowseNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Update flags of the fields the page writes itself: their change handlers ignore what it writes.
    enum
    {
        FLAG_START_VALUE = 0,
        FLAG_STOP_VALUE,
        FLAG_DURATION,
        FLAG_COUNT,
        FLAG_AVERAGING,
        FLAG_LIMIT_1,
        FLAG_START_PROGRAM = FLAG_LIMIT_1 + 4,
        FLAG_STOP_PROGRAM,
        FLAG_COUNT_OF_FLAGS,
    };

    // ---- Hosts and parts of the frame
    CPageHost* PageHost() const;
    CComPort* Engine() const;
    CValuePipeline* Pipeline() const;
    ChannelSettingsStruct* Channels() const;
    CAdjustPanel& Panel() const;
    bool IsInitPending() const;
    bool IsSensorConnected() const;
    __time64_t Now();

    // ---- Record and page (CDlgMeasureAdjust.cpp)
    void LoadStoredSettings();
    void SetTriggerThresholds();
    CString Text(int iStringId, int iLanguage) const;
    BOOL SetText(int iCtrlId, int iStringId, int iLanguage, const char* pszAfter = "");
    void SetLabelText(int iCtrlId, const CString& strText);
    void WriteField(CEdit& edit, int iFlag, const CString& strText);
    double ReadField(CEdit& edit, int iFlag, const char* pszAllowed);
    void ApplyChannelVisibility(CWnd& wnd, bool bAvailable);
    void WriteSensorDisplaySettings();

    // ---- Channels (CDlgMeasureAdjustChannels.cpp)
    BOOL FillLowPassCombo(int iChannel, int iLanguage);
    void OnSelChangeLowPass(int iChannel);
    BOOL FillChannelRow(int iChannel, int iLanguage);
    BOOL FillUnitCombo(int iChannel);
    void FillScalingButton(int iChannel, int iLanguage);
    void FillSerialNumber(int iChannel);
    void OnCheckChannel(int iChannel);
    void RemoveTare(int iChannel);
    void RecomputeScale();

    // ---- Diagram (CDlgMeasureAdjustDiagram.cpp)
    void FillAveragingUnit(int iLanguage);
    void ShowAveragingCount();

    // ---- Trigger (CDlgMeasureAdjustTrigger.cpp)
    void ShowThreshold(CEdit& edit, int iFlag, int iSource, double& dValue, bool bStart);
    void FillSourceCombo(CKombiBox& combo, const BYTE* pbItem, int iItems, int iSelected, bool bStart);
    void FillDirectionCombo(CKombiBox& combo, BYTE bShown, const BYTE* pbItem, int iSelected);
    void FillStartTime();
    CString SourceUnitText(int iSource, int iLanguage) const;
    void FocusAfterSourceChoice(bool bStart);
    void OnSelChangeSource(bool bStart);
    void OnSelChangeDirection(bool bStart);

    // ---- Limits and programs (CDlgMeasureAdjustLimits.cpp)
    void FillMeasurandCombos(int iLanguage);
    void ClearCondition(int iCondition, bool bDisable);
    void SwitchOffCondition(int iCondition);
    void OnSelChangeMeasurand(int iCondition);
    void ShowConditionUnits(int iCondition, const CString& strUnit);
    void TakeLimitTexts();
    void SetupProgramBrowser(CPathBrowseCtrl& browse, const CString& strTip, const CString& strPrompt,
                             const CString& strTitle, BYTE& bSetupFlag);

    CAdjustHost* m_pAdjustHost = nullptr;
    bool m_bFirstInit = true;
    BYTE m_abUpdateFlag[FLAG_COUNT_OF_FLAGS] = {};
    // The next change of a channel's rotor serial number asks first.
    bool m_bConfirmSerialChange[2] = {true, true};
    int m_aiSerialSelection[2][2] = {};
    // The channel checks of the connected sensor wait to come back after a disconnection.
    bool m_bSavedChecksPending = false;
    CTriggerRules::LastConnection m_lastConnection;
    bool m_bLastConnectionLoaded = false;
    CString m_strProgramShown[2];
};
