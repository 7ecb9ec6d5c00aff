// The operator panel (mode page 138): Start, Stop, Trigger, Single shot and Control with the trigger
// and control LEDs, the auto-repeat of the trigger, the sensor's information lines and the measuring
// rate. It sequences a measurement: the start and stop through the sensor engine, the trigger's
// preparation for the value pipeline, the output through the frame, the programs run at start and stop,
// the pass/fail evaluation shown on the light pane, the automatic re-arm of the trigger, and the end of
// a measurement whose values stop arriving (timer 5). It owns the polling timer, whose ticks it carries
// out on its own thread, and it is the sensor engine's operator panel (CComPortPanelRole) from its
// registration with the frame. Its stored options (MeasureDgrmStruct) are read once when it is
// created; the frame checks and saves them.
#pragma once

#include "measurement/CAdjustPanel.h"
#include "controls/CLedButton.h"
#include "framework/CButton.h"
#include "framework/CStatic.h"
#include "measurement/CMultimediaTimer.h"
#include "measurement/CPipelinePanel.h"
#include "measurement/CValidation_IO_NIO.h"
#include "protocol/CComPortPanelRole.h"
#include "shell/CModePage.h"

#include <atomic>
#include <memory>

class CAFormDiagram;
class CAFormLight;
class CChannelPane;
class CComPort;
class CDlgMeasureAdjust;
class CPanelHost;
class CValuePipeline;
struct MeasureDgrmStruct;
struct MeasurePanelState;

class CDlgMeasureDiagram : public CModePage,
                           public CComPortPanelRole,
                           public CPipelinePanel,
                           public CAdjustPanel
{
    DECLARE_DYNAMIC(CDlgMeasureDiagram)

public:
    // The panel's own timers (0, 1 and 5 are the engine's, protocol/ComPortTimers.h).
    static constexpr UINT_PTR TIMER_CTRL_ENABLE = 7;
    static constexpr UINT_PTR TIMER_INIT_NO_ANSWER = 9;
    static constexpr UINT_PTR TIMER_SINGLE_SHOT = 43;
    static constexpr UINT TRIGGER_BLINK_MS = 250;
    static constexpr UINT CTRL_ENABLE_MS = 350;

    explicit CDlgMeasureDiagram(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgMeasureDiagram() override;

    // The frame's panel services, handed over with the page host before the panel is created.
    void SetPanelHost(CPanelHost* pPanelHost) { m_pPanelHost = pPanelHost; }

    // ---- Stored options
    // The whole record cleared: auto-repeat off and unlocked; the run-time state cleared as well.
    void SetDefaultMeasureDgrm();

    // ---- Buttons
    afx_msg void OnBtnMeasureStart() override;
    afx_msg void OnBtnMeasureStop() override;
    afx_msg void OnBtnTrigger();
    afx_msg void OnBtnSingleShot();
    afx_msg void OnBtnCtrl();
    afx_msg void OnBtnAutoRepeat();
    // Trigger caption, auto-repeat box, enable states by sIsVisible (1 enable, 0 disable, others
    // unchanged) and both LEDs.
    void UpdateButtons();
    void UpdateTriggerLed();
    void UpdateControlLed();
    // Mode 0 outside a stream, 1 during it: the command that switches the control signal over.
    void ToggleControlSignal(int iMode);
    // The control signal the sensor reports (0 or 1; other states are ignored).
    void SetControlState(BYTE ucState);
    // Start and Trigger offered, Stop and Single shot not.
    bool ShowsIdleButtons() const;
    bool IsRunning() const;

    // ---- The end of a measurement
    // The measurement's output is complete: the panel is ready for the next one.
    void OnMeasureFinished();
    // After a triggered measurement: the trigger armed again when auto-repeat is on.
    void RearmTriggerAfterStorage();

    // ---- Sensor state and texts
    void OnSensorConnected();
    void OnSensorReady();
    void OnSensorDisconnected();
    // A button disabled under the keyboard focus leaves the focus nowhere: while the program is active the
    // frame takes it (and hands it to its view), so that the keys still reach the program.
    void KeepKeyboardFocus();
    void ResetToDisconnected();
    // The message of an unsupported sensor (kind 0 revision, 1 stator type).
    CString BuildNotSupportedText(CString& strOut, int iKind);
    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }
    // The three information lines for the language, or for no sensor with -1.
    BOOL UpdateSensorInfoTexts(int iLanguageOffset);
    static CString GetZMStateName(CString& strOut, int iState);
    CString GetButtonStateText(CString& strOut) const;

    // ---- The polling timer: its callback posts one tick at a time to the panel's thread.
    static void CALLBACK MeasureTimerCallback(UINT uTimerId, UINT uMsg, DWORD_PTR dwUser, DWORD_PTR dw1,
                                              DWORD_PTR dw2);
    void OnMeasureTimerTick();

    // ---- CComPortPanelRole
    void Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Panel_KillTimer(UINT_PTR nIdEvent) override;
    bool Panel_IsRunning() override { return IsRunning(); }
    void Panel_BeginRunning() override;
    void Panel_EndRunning() override;
    bool Panel_TakeControlRequest() override;
    void Panel_ToggleControlSignal(int iWhy) override { ToggleControlSignal(iWhy); }
    void Panel_ShowControlLed(bool bOn) override;
    void Panel_SetControlState(BYTE ucState) override { SetControlState(ucState); }
    void Panel_SetConnectionState(int iState) override { m_bSensorConnected = iState ? 1 : 0; }
    void Panel_OnSensorConnected() override { OnSensorConnected(); }
    void Panel_OnSensorDisconnected() override { OnSensorDisconnected(); }
    void Panel_ResetToDisconnected() override { ResetToDisconnected(); }
    void Panel_OnBtnSingleShot() override { OnBtnSingleShot(); }
    void Panel_StartMeasureTimer(UINT uiPeriodMs) override;
    void Panel_StopMeasureTimer() override;
    CString Panel_GetButtonStateText() override;

    // ---- CPipelinePanel
    const MeasurePanelState& GetPanelState() override { return *m_psMsureDgrm; }
    void SetStartMarker(BYTE bMarker) override { m_bStartMarker = bMarker; }

    // ---- CAdjustPanel: what the measure-configuration page asks of the panel
    bool IsSensorConnected() const override { return m_bSensorConnected != 0; }
    void StopMeasurement() override { OnBtnMeasureStop(); }
    void SetRunningFlag(bool bRunning) override;
    void LockAutoRepeat(bool bLock) override;
    void RefreshCaptionsOnShow() override { m_bRefreshOnShow = 1; }

    std::unique_ptr<MeasureDgrmStruct> m_psMeasureDgrmStruct;
    std::unique_ptr<MeasurePanelState> m_psMsureDgrm;
    BYTE m_bTextsPending = 0;
    BYTE m_bValuesMissing = 0;
    BYTE m_bSensorConnected = 0;
    BYTE m_bStartMarker = 1;
    BYTE m_bIONIOPending = 0;
    BYTE m_bIONIOResult1 = 1;
    BYTE m_bIONIOResult2 = 1;
    BYTE m_bTriggerByOperator = 1;
    // The compared value of each condition of the last evaluation, for the result line.
    IONIOComparedValue m_sIONIOCompared[2];

    CButton m_btnStart;
    CButton m_btnStop;
    CButton m_btnTrigger;
    CButton m_btnSingleShot;
    CButton m_btnCtrl;
    CButton m_chkAutoRepeat;
    CLedButton m_ledCtrl;
    CLedButton m_ledTrigger;
    CStatic m_stcRate;
    CStatic m_stcSerial;
    CStatic m_stcRange;
    CStatic m_stcUncertainty;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void AttachRoles(CComPort& engine, bool bAttach) override;
    afx_msg void OnPaint();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnMeasureTimerMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDefaultButton() {}
    DECLARE_MESSAGE_MAP()

private:
    void InitOnce();
    void LoadStoredOptions();
    void SetButtonsMeasuring();
    void PrepareTrigger();
    void EvaluateLimits();
    void RunProgram(const CString& strPath);
    void OnWatchdog();
    // The measure-configuration page refills its controls for the connection state.
    void UpdateSettingsPage();
    void OnTriggerBlink();
    void PostCloseAfterWatchdog();
    void EnablePaneButtons(bool bEnable);
    void SetAllPaneFields(const CString& strText);
    CString RangeText(int iChannel, int iRangeCode);

    // The frame's parts and windows; null (or nothing done) while they are not there.
    CComPort* Engine() const;
    CValuePipeline* Pipeline() const;
    CDlgMeasureAdjust* AdjustPage() const;
    CAFormDiagram* DiagramPane() const;
    CAFormLight* LightPane() const;
    CChannelPane* ChannelPane(int iChannel) const;
    void ShowStatus(int iStatusId);
    CString Text(int iStringId) const;

    bool m_bInitPending = true;
    CPanelHost* m_pPanelHost = nullptr;
    // The engine has started a measurement since the program began.
    bool m_bMeasuredSinceStart = false;
    // A tick of the polling timer is posted and not yet carried out.
    std::atomic<bool> m_bTickPosted{false};
    std::atomic<HWND> m_hTickTarget{nullptr};

public:
    // The polling timer at the finest resolution; destroyed first, so no tick is posted once the panel
    // goes.
    CMultimediaTimer m_Timer{0};
};
