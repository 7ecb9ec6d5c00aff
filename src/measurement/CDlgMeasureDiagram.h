// The operator panel (mode page 138) and its stored options, which it loads from the registry when it
// is created; the main frame checks and saves them. So far the panel starts and stops a measurement
// with its Start and Stop buttons, ends it when its values stop (the watchdog, timer 5), follows the
// sensor's connection, and runs the timer of a put-off sensor search. It is the sensor engine's
// operator panel (CComPortPanelRole) from its registration with the frame.
#pragma once

#include "measurement/CAdjustPanel.h"
#include "protocol/CComPortPanelRole.h"
#include "shell/CModePage.h"

#include <memory>

class CPanelHost;
struct MeasureDgrmStruct;
struct MeasurePanelState;

class CDlgMeasureDiagram : public CModePage, public CComPortPanelRole, public CAdjustPanel
{
    DECLARE_DYNAMIC(CDlgMeasureDiagram)

public:
    explicit CDlgMeasureDiagram(CWnd* pParent = nullptr, void* pUnused = nullptr);
    ~CDlgMeasureDiagram() override;

    // The frame's panel services, handed over with the page host before the panel is created.
    void SetPanelHost(CPanelHost* pPanelHost) { m_pPanelHost = pPanelHost; }

    void SetDefaultMeasureDgrm();
    // The page's captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    BOOL RefreshTexts() override { return UpdateLanguageTexts(); }

    afx_msg void OnBtnMeasureStart();
    afx_msg void OnBtnMeasureStop();
    // The measurement's output is complete: the panel is ready for the next one.
    void OnMeasureFinished();
    void OnSensorConnected();
    void OnSensorDisconnected();
    void ResetToDisconnected();
    // Enables and disables the buttons by sIsVisible (1 enable, 0 disable, others unchanged).
    void UpdateButtons();
    // Start and Trigger offered, Stop and Single shot not.
    bool ShowsIdleButtons() const;
    bool IsRunning() const;

    // ---- CComPortPanelRole
    void Panel_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Panel_KillTimer(UINT_PTR nIdEvent) override;
    bool Panel_IsRunning() override { return IsRunning(); }
    void Panel_BeginRunning() override;
    void Panel_EndRunning() override;
    void Panel_OnSensorConnected() override { OnSensorConnected(); }
    void Panel_OnSensorDisconnected() override { OnSensorDisconnected(); }
    void Panel_ResetToDisconnected() override { ResetToDisconnected(); }

    // ---- CAdjustPanel: what the measure-configuration page asks of the panel
    bool IsSensorConnected() const override { return m_bSensorConnected != 0; }
    void StopMeasurement() override { OnBtnMeasureStop(); }
    void SetRunningFlag(bool bRunning) override;
    void LockAutoRepeat(bool bLock) override;
    void RefreshCaptionsOnShow() override { m_bRefreshOnShow = 1; }

    std::unique_ptr<MeasureDgrmStruct> m_psMeasureDgrmStruct;
    std::unique_ptr<MeasurePanelState> m_psMsureDgrm;
    BYTE m_bValuesMissing = 0;
    BYTE m_bSensorConnected = 0;

protected:
    BOOL OnInitDialog() override;
    void AttachRoles(CComPort& engine, bool bAttach) override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void LoadStoredOptions();
    void OnWatchdog();
    // The measure-configuration page refills its controls for the connection state.
    void UpdateSettingsPage();
    void SetButtons(int iStart, int iStop, int iSingleShot, int iTrigger, int iCtrl);
    bool m_bInitPending = true;
    CPanelHost* m_pPanelHost = nullptr;
};
