// The main frame: the program's hub. It is the frame window, the environment layer and the sensor
// engine in one object; it owns the status bar, the docking bars with the panes and the navigation
// tree, the start-up search dialog and the trace window, keeps the window table m_sPointer that the
// view, the pages, the panes and the dialogs enter themselves in, runs the one-time initialisation
// once all of them are in, and reads and writes the program's settings in the registry.
#pragma once

#include "controls/CMyTreeCtrl.h"
#include "controls/COwnerMenu.h"
#include "controls/CViewBarHost.h"
#include "framework/CFrameWnd.h"
#include "framework/CImageList.h"
#include "framework/CStatusBar.h"
#include "measurement/CAdjustHost.h"
#include "measurement/CDiagramOutput.h"
#include "measurement/CDiagramPaneHost.h"
#include "measurement/CMeasureDocumentation.h"
#include "measurement/CMeasureHost.h"
#include "measurement/CPanelHost.h"
#include "measurement/CValuePipeline.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortHost.h"
#include "protocol/Language.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgStartUp.h"
#include "app/CChannelBarGroup.h"
#include "shell/CDlgTrace.h"
#include "shell/CEnvironment.h"
#include "shell/CFrameDateTime.h"
#include "shell/CPageHost.h"
#include "shell/ProgramInfo.h"
#include "shell/CStopwatch.h"
#include "shell/CViewBar.h"
#include "shell/CViewBarDiagram.h"
#include "shell/CViewBarNavi.h"
#include "storage/CDiagnosticLog.h"
#include "storage/CThreadedConvertFile.h"
#include "framework/CFile.h"

#include <atomic>
#include <memory>

class CAFormChannelA;
class CCmdUI;
class CAFormChannelB;
class CAFormDiagram;
class CAFormLight;
class CDlgDiagnostic;
class CDlgDocumentation;
class CDlgLMBk;
class CDlgMeasureAdjust;
class CDlgMeasureDiagram;
class CDlgSensorCalibration;
class CDlgSensorConnection;
class CDlgSensorInformationQbx;
class CModePage;
class CQbxUsbTq5View;
struct ReportContent;
struct TreeCtrlStruct;

// The frame's own timers (the protocol's ids 23 to 44 are in protocol/ComPortTimers.h).
constexpr UINT_PTR TIMER_STATUS_REARM = 21;
constexpr UINT_PTR TIMER_MODE_SWITCH_ENABLE = 22;
// The navigation tree's item slots, in the order of its items.
constexpr int NAVI_ITEM_COUNT = 31;
constexpr int NAVI_IMAGE_COUNT = 35;

class CMainFrame : public CFrameWnd,
                   public CEnvironment,
                   public CComPort,
                   public CComPortHost,
                   public CViewBarHost,
                   public CPageHost,
                   public CPanelHost,
                   public CAdjustHost,
                   public CMeasureHost,
                   public CDiagramPaneHost,
                   public CDiagramOutput,
                   public CMeasureDocumentation,
                   public CConvertFileOwner,
                   public CCalibHost
{
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    // The window table. Each slot is written only while it is empty.
    struct PointerTable
    {
        CWinApp* pApp = nullptr;
        CQbxUsbTq5View* pView = nullptr;
        CAFormChannelA* pChannelA = nullptr;
        CAFormChannelB* pChannelB = nullptr;
        CAFormDiagram* pDiagram = nullptr;
        CDlgLMBk* pDlgLMBk = nullptr;
        CDlgSensorConnection* pDlgSensorConnection = nullptr;
        CDlgSensorInformationQbx* pDlgSensorInformationQbx = nullptr;
        CDlgMeasureAdjust* pDlgMeasureAdjust = nullptr;
        CDlgDocumentation* pDlgDocumentation = nullptr;
        CDlgSensorCalibration* pDlgSensorCalibration = nullptr;
        CDlgMeasureDiagram* pDlgMeasureDiagram = nullptr;
        CDlgDiagnostic* pDlgDiagnostic = nullptr;
        CWnd* pDlgCalibMsgDoCalib = nullptr;
        CWnd* pDlgCalibMsgGetValueZero = nullptr;
        CWnd* pDlgCalibMsgGetValueEnd = nullptr;
        CWnd* pDlgCalibMsgWrongScaleValue = nullptr;
        CWnd* pDlgCalibMsgDeleteCalib = nullptr;
        CDlgStartUp* pDlgStartUp = nullptr;
        CAFormLight* pLight = nullptr;
    };

    // ---- Registration and start-up
    // Enters pWnd in the slot of iKind while it is empty (other kinds change nothing), then tries the
    // one-time initialisation; true when it ran to its end in this call.
    bool RegisterPointer(CWnd* pWnd, LPARAM lValue, int iKind);
    bool RegisterPointerDirect(CWnd* pWnd, LPARAM lValue, int iKind) override;
    void UnregisterPointer(CWnd* pWnd) override;
    // Shows the main window (maximised as stored), restores the bar sizes and layout, and brings the
    // measure configuration forward when the stored settings were not taken.
    bool ShowMainWindow();
    bool InitAllPages();
    void ApplyBarVisibility();
    // True when every bar the dock state under lpszSection names exists in the frame.
    bool VerifyBarState(LPCSTR lpszSection);
    void GetMessageString(UINT nID, CString& rMessage) const override;
    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // ---- Settings in the registry
    bool LoadSettings();
    // True only on the very first start.
    bool LoadSettingsPrepare();
    bool LoadLastConnection();
    // True when the save after "Reset Views" ended early.
    bool SaveSettings();
    // Deletes section "AllViewState" or "Language"; the new reset flag.
    int ResetViewState(LPCSTR lpszSection);
    // "000_" to "255_": the prefix of a port-table row's values in "COM Einstellungen".
    static CString PortRowPrefix(int k);
    // The registry path (below HKEY_CURRENT_USER) of a section of the program's profile.
    static CString GetAppRegistryPath(LPCSTR lpszSection);

    // ---- Language, pages, bars and status texts
    int GetLanguageOffset() override { return m_iLanguageOffset; }
    // Keeps 0, 1000 and 2000 and makes any other offset 1000; false when nothing changed.
    bool SetLanguage(int iLanguageOffset);
    // Switches the interface language and renews menu, bars, panes, tree and pages; true when every
    // text was found.
    bool ApplyLanguage(int iLanguageOffset);
    bool UpdateMenuTexts(bool bRemoveDiagnostic);
    // The menu's texts in the language; removes the Spanish command, and the diagnostic-mode command
    // when bRemoveDiagnostic is set. False when a text or an item is missing.
    static bool ApplyMenuTexts(HMENU hMenu, int iLanguageOffset, bool bRemoveDiagnostic);
    bool UpdateBarCaptions();
    bool UpdateChannelPaneTexts();
    bool UpdatePageLanguages();
    // Shows page iPage (a ModePageId), or with 0 the current page again; false when refused.
    bool SelectMode(int iPage);
    int GetActiveMode() const override { return m_iActiveMode; }
    void SelectAdjacentMode(bool bNext);
    // The page cycle 133, 202, 135, 136, 137, 138 (start and diagnostic pages lead to 133).
    static int GetNextModePage(int iPage);
    static int GetPreviousModePage(int iPage);
    void SetMeasureLayout(int iReason) override;
    // False only when the documentation page is in front and refuses to be left.
    bool CanLeaveActivePage();
    void ShowStatusMessage(int iStatusId) override;
    // The storage-progress status text (5291) from its string table texts.
    static CString FormatStorageProgress(const CString& strPleaseWait, const CString& strSpeed,
                                         const CString& strSeconds, double dProgress, double dRate,
                                         bool bRateMeasured, int iLanguageOffset);
    // The text as it is (never taken as a format).
    void SetStatusText(const CString& strText);
    void SetStatusTextF(LPCSTR lpszFormat, ...) __attribute__((format(gnu_printf, 2, 3)));
    // Loads menu resource 128 into the owner-drawn menu, gives its commands the tree's pictures and
    // hands its handle over (the frame's menu).
    HMENU CreateOwnerDrawnMenu();
    UINT GetChannelBarCommandId(int nIndex) override;
    void OnViewChannelBar(UINT nID) override;
    void OnViewDiagramBar() override;
    void OnViewNavigationBar() override;
    void OnViewStatusBar();
    int OnViewBarHidden(WINDOWPOS* lpwndpos) override;
    // Makes two or three channel bars docked in one column equally high, in one row equally wide;
    // false when no two of them share a column or row.
    bool EqualizeChannelBars();
    // The connected sensor no longer answers: its port is marked as not answering in the port table and
    // the connection is tested again; a running measurement is stopped first when bStopMeasurement is set.
    void HandleSensorLost(bool bStopMeasurement);
    void BeginWaitCursorOnce() override;
    void EndWaitCursorOnce() override;
    void FocusEditSelectAll(CWnd* pEdit) override;
    bool IsWaitCursorOn() override { return m_bWaitCursor; }
    void AddTraceLine(const CString& strLine) override { Frame_Trace(strLine); }

    // ---- Keys, device changes, closing
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The frame's hot keys; true when the message is consumed.
    bool TranslateHotKeys(MSG* pMsg) override;
    // Copies the selected text of the message's window to the clipboard.
    void CopySelectionToClipboard(MSG* pMsg);
    bool IsClosePending() override;
    // The timers of the time, date and weekday panes.
    static bool IsStatusPaneTimer(UINT_PTR nIDEvent);
    void SetMeasuredPortRemoved(bool bRemoved) override { m_bMeasuredPortRemoved = bRemoved; }
    // The window rectangle rcWindow kept inside the area its monitors allow; false when it may stay.
    static bool LimitMoveRect(CRect& rcWindow, const CRect& rcMonitor0, const CRect& rcMonitor1,
                              const CRect& rcVirtual, double dShare0, double dShare1, int iBestMonitor);

    // ---- Navigation tree
    bool InitNaviTree();
    bool RebuildNaviTree();
    bool BuildNaviTree();
    bool InsertNaviTreeItems();
    bool CreateNaviTreeImages();
    void SetNaviTreeColors();
    void SetNaviItemColors();
    void UpdateNaviTreeColors();
    bool RefreshNaviTree();
    bool ExpandNaviFolders();
    bool SetNaviTreeImages();
    int GetViewItemImage(int iIndex) const;
    bool ToggleNaviFolder(UINT nFolderId);
    static int NaviTreeCallback(void* pContext, CString strEvent, CString strItemText, DWORD_PTR dwItemData);
    // True when the activation was refused.
    bool OnNaviTreeItem(const CString& strEvent, const CString& strText, DWORD_PTR dwId);

    // ---- CViewBarHost
    BOOL IsInitPending() override { return m_bInitPending; }
    int GetViewBarCheckState(int nBar) override;
    CWnd* GetViewBar(int nBar) override;
    CWnd* GetChannelPane(int nBar) override;
    void ResizeDiagramInBar(CWnd* pBar, const CRect& rcClient) override;

    // ---- CPageHost
    BOOL IsSameApplicationVersion() override { return m_bSameApplicationVersion; }
    CWnd* GetRegisteredWindow(int iKind) override;
    CString FormatDate(int iDay, int iMonth, int iYear) override;
    CString FormatTime(__time64_t tTime) override;
    CString FormatDuration(long long llSeconds) override;
    CString LocalizeDecimalSeparator(const CString& strText) override;
    void SetTriggerThresholds(double dStartValue, double dStopValue) override;
    CComPort& GetComPort() override { return *this; }
    CEnvironment& GetEnvironment() override { return *this; }
    CWnd* GetFrameWindow() override { return this; }

    // ---- CAdjustHost
    CMeasureTextHost& GetMeasureTextHost() override { return *this; }
    void SetViewBarCheckState(int nBar, int iState) override;
    // ---- The measurement: panel, panes and recording steps (CMainFrameMeasure.cpp)
    // Hands the panes their host when they register, and attaches the value pipeline once the settings
    // page, the panel, both channel panes and the diagram pane are in the window table.
    void AttachMeasurementWindows(CWnd* pWnd, int iKind);
    // The recording step of each processed value pair: to the diagram while the measurement records.
    void RecordValuePair(double dValueA, double dValueB) override;
    // The end of a stopped measurement: its last pair and redraw, the panel's end, a sensor lost
    // meanwhile, the values held for saving and the re-arm of the trigger.
    void OnMeasurementEnd() override;
    // Clears *pbFlag and the first-pair mark when the flag is 1 (the values of a measurement are let go).
    void FreeValueList(BYTE* pbFlag);
    void FreeValueList() override { FreeValueList(&m_bValuesAvailable); }
    bool OpenValueFiles(int iMode) override;
    void SetDropLastPoint(bool bDrop) override { m_bDropLastPoint = bDrop ? 1 : 0; }
    bool IsDataReceived() override { return m_bDataReceived; }
    void ClearDataReceived() override { m_bDataReceived = false; }
    bool IsCloseWhileTriggerWaited() override { return m_bCloseIdleButtons; }
    void PostClose() override { PostMessage(WM_CLOSE); }
    void WriteDiagnosticLog(const SensorStruct& sSensor, const CString& strText) override;
    CMeasureDocumentation& GetDocumentation() override { return *this; }
    CValuePipeline& GetPipeline() override { return m_pipeline; }
    // CMeasureHost
    const ChannelSettingsStruct* GetChannels() override { return m_pipeline.m_sChannel; }
    CString GetMeasurandName(char cTypeClass) override;
    void SetChannelTreeState(int iChannel, BYTE byShown) override;
    bool IsFirstPairSeen() override { return m_bFirstPairSeen != 0; }
    // CPaneHost and CDiagramPaneHost
    CMeasureHost& GetMeasureHost() override { return *this; }
    void TakeFocusFromPane() override;
    const MeasureAdjustStruct* GetMeasureAdjust() override;
    bool HasDigitalInputB() override;
    CWnd* GetDiagramBar() override { return &m_wndViewBarDiagram; }
    bool IsDiagramBarShown() override;
    void FocusPanelStart() override;
    bool IsMeasuredPortRemoved() override { return m_bMeasuredPortRemoved; }
    void RearmTriggerAfterStorage() override;
    CDiagramOutput& GetDiagramOutput() override { return *this; }

    // ---- Diagram output and the report (CMainFrameOutput.cpp)
    // Floats the diagram bar at the size kind's rectangle (null: the documentation's), which it returns;
    // kind 3 keeps the bar as it is and returns an empty rectangle.
    CRect SizeDiagramForOutput(const int* piKind);
    void SizeDiagramForOutput() override { SizeDiagramForOutput(nullptr); }
    void RestoreDiagramAfterOutput() override;
    void PrintReport() override;
    void ReportBitmapNotWritten(const CString& strFile) override;
    CString GetReportBitmapPath() override { return m_strTempDiagramBmp; }
    CString GetManualDiagramFile() override { return m_strManualDiagramFile; }
    ReportContent GetReportContent();
    void PrintCommand();
    void SaveDiagram();
    void RecordDiagramPlace();

    // ---- Output files of a measurement and the file-pacing worker (CMainFrameStorage.cpp)
    bool OpenAutoFile(CFile& file, BYTE& bOpen, const CString& strNameBase, LPCSTR lpszExtension, int iKind);
    void CONVERTTOCSV_FirstCall(double dValueA, double dValueB);
    afx_msg LRESULT OnConvertFileNotify(WPARAM wParam, LPARAM lParam);
    void ConvertFileSlice();
    void StopConvertFile();
    void WriteValueRows();
    void WriteResultLine(CFile& file);
    void FinishOutputFiles();
    void CloseOutputFile(CFile& file, BYTE& bOpen, bool bOneFileResult);
    CString BuildCannotOpenMessage(const CString& strPath) const;
    afx_msg void SaveMeasuredValues();
    bool IsRecordingValues() const override { return m_bRecordingValues != 0; }
    // CMeasureDocumentation: the documentation page's settings and the worker's state.
    int GetAutoStorageValues() override;
    int GetAutoStorageResults() override;
    int GetAutoStorageDiagram() override;
    int GetStorageSummary() override;
    CString GetDiagramDirectory() override;
    void BuildDiagramFileName() override;
    CString GetDiagramFileName() override;
    void SetStopTime(__time64_t tStop) override;
    void EnableUncertaintyOption(bool bEnable, bool bAvailable) override;
    bool IsFileWriterRunning() override { return m_pConvertFile && m_pConvertFile->IsRunning(); }

    // ---- CComPortHost: the frame's services to the sensor engine
    void Frame_Trace(const CString& strLine) override;
    void Frame_BeginWaitCursor() override { BeginWaitCursorOnce(); }
    void Frame_EndWaitCursor() override { EndWaitCursorOnce(); }
    void Frame_SetTimer(UINT_PTR nIdEvent, UINT uiElapse) override;
    void Frame_KillTimer(UINT_PTR nIdEvent) override;
    int Frame_GetLanguageOffset() override { return m_iLanguageOffset; }
    void Frame_ShowMainWindow() override { ShowMainWindow(); }
    void Frame_SetSensorConfigRead(bool bRead) override { m_bSensorConfigRead = bRead; }
    void Frame_HandleSensorLost(bool bStopMeasurement) override { HandleSensorLost(bStopMeasurement); }
    void Frame_HandleLineBroken() override;
    void Frame_WriteDiagnosticLog(const SensorStruct& sSensor, const CString& strText1,
                                  const CString& strText2) override;
    void Frame_ProcessMeasuredValues(int iReason) override;
    void Frame_ResetMeanLists(int iReason) override;
    void Frame_ResetCalibLists() override;
    void Frame_AddCalibSample(double dRawA, double dRawB, double dValueA, double dValueB) override;
    CalibRingAverages Frame_GetCalibAverages() override;
    void Frame_SetupChannels(int iMode, SensorStruct* pSensor) override;
    void Frame_AddSoftwareScalingUnit() override;
    void Frame_SetSoftwareScalingUnit(int iChannel, double dFactor, const CString& strUnit) override;
    int Frame_GetUnitCount(int iChannel) override;
    void Frame_StoreDisplaySettings() override;
    int Frame_GetMeasuringRateCode() override { return m_pipeline.m_iMeasuringRate; }
    bool Frame_GetChannelScaleSource(int iChannel, ChannelScaleSource& source) override;
    void Frame_SetChannelScale(int iChannel, double dCountFactor, double dBaseCountFactor) override;
    void Frame_OnMeasureStarting(bool bNewDiagram) override;

    // ---- Members
    CDlgStartUp m_dlgStartUp;
    CStatusBar m_wndStatusBar;
    CViewBar m_wndViewBar[3];
    CViewBarDiagram m_wndViewBarDiagram;
    BOOL m_bInitPending = TRUE;
    // The value pipeline with the channel records m_sChannel, the averaging count, the rate code and
    // the trigger thresholds.
    CValuePipeline m_pipeline{*this};
    PointerTable m_sPointer;
    int m_iLastStatusId = 0;
    CString m_strStatusText;
    BOOL m_bModeSwitchAllowed = TRUE;
    COwnerMenu m_menu;
    int m_iActiveMode = 0;
    std::unique_ptr<TreeCtrlStruct> m_psTreeCtrlStruct;
    int m_bMeasureLayout = 0;
    CMyTreeCtrl m_wndNaviTree;
    CViewBarNavi m_wndViewBarNavi;
    int m_iLanguageOffset = LANGUAGE_ENGLISH;
    int m_iWriteLogFile = 1;
    CString m_strTempDiagramBmp = "TEMP_DIAGRAM.bmp";
    CString m_strLogoBmp = "TEMP_TERVANE.bmp";
    BOOL m_bSameApplicationVersion = FALSE;
    CDlgTrace m_dlgTrace;
    bool m_bSensorConfigRead = false;
    bool m_bDataReceived = false;
    bool m_bWaitCursor = false;
    __time64_t m_tStatusTime = 0;
    bool m_bWeekdayPending = false;
    CFrameDateTime m_paneDates;
    bool m_bStatusRefreshArmed = true;
    bool m_bMeasuredPortRemoved = false;
    bool m_bClosePendingStream = false;
    bool m_bClosePendingPolled = false;
    bool m_bCloseIdleButtons = false;
    // The values of the last measurement can be saved (from its end until the next start).
    BYTE m_bValuesAvailable = 0;
    // The output of a measurement is finished: no pair is recorded (from its end to the next start).
    BYTE m_bOutputFinished = 1;
    // From the first recorded pair of a measurement until its end (read by the file-pacing worker).
    std::atomic<BYTE> m_bRecordingValues{1};
    BYTE m_bFirstPairSeen = 0;
    // The last measurement ended because its values stopped: its file leaves out the last row.
    BYTE m_bDropLastPoint = 0;
    // The window that had the focus when a floating pane gave it to the frame.
    HWND m_hFocusWnd = nullptr;
    // Where the diagram bar was before its output, and the output's rectangles and files.
    int m_iDiagramDockBarId = AFX_IDW_DOCKBAR_BOTTOM;
    CRect m_rectDiagramFloat;
    BYTE m_bDiagramBarWasVisible = 1;
    BYTE m_bDiagramSizeUnchanged = 0;
    bool m_bDiagramOutputPending = false; // sized and not yet restored
    CRect m_rectDiagramOutput;
    int m_iPrintResolutionX = 0;
    CString m_strManualDiagramFile;
    // The output files of a measurement (automatic or saved by hand) and the worker pacing them.
    std::unique_ptr<CThreadedConvertFile> m_pConvertFile;
    CFile m_fileValues;
    CFile m_fileResults;
    BYTE m_bValuesFileOpen = 0;
    BYTE m_bResultsFileOpen = 0;
    int m_iRowNumber = 0;
    CString m_strManualValuesFile;
    BYTE m_bManualSave = 0;
    int m_iFileLanguage = LANGUAGE_GERMAN;
    CString m_strFileLineEnd;
    CString m_strFileSeparator;
    CString m_strUnitSuffixA;
    CString m_strUnitSuffixB;
    int m_iColumnKind[3] = {0, 0, 0};
    // Files finished within the end of the measurement: the panel's end step has run already.
    bool m_bFinishingInline = false;
    CDiagnosticLog m_diagnosticLog;
    BYTE m_bLogStartBanner = 1;
    BYTE m_bLogEndBanner = 0;
    double m_dStorageProgress = 100.0;
    double m_dStorageRate = 0.0;
    CStopwatch m_swStorage;
    // The navigation tree: item handles in item order, pictures, colours.
    HTREEITEM m_hNaviItem[NAVI_ITEM_COUNT] = {};
    CImageList m_ilNavi;
    COLORREF m_crNaviBk = RGB(190, 210, 250);
    COLORREF m_crNaviLine = 0;
    COLORREF m_crNaviText = 0;
    COLORREF m_crNaviItemOnBk = RGB(190, 210, 250);
    COLORREF m_crNaviItemOnText = 0;
    COLORREF m_crNaviItemOffBk = RGB(190, 210, 250);
    COLORREF m_crNaviItemOffText = RGB(128, 128, 128);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnUpdateTime(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDate(CCmdUI* pCmdUI);
    afx_msg void OnUpdateWeekday(CCmdUI* pCmdUI);
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI);
    afx_msg void OnUpdateModeCommand(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewNavigationBar(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewStatusBar(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewDiagramBar(CCmdUI* pCmdUI);
    afx_msg void OnUpdateViewChannelBar(CCmdUI* pCmdUI);
    afx_msg void OnUpdateLanguage(CCmdUI* pCmdUI);
    afx_msg void OnLanguageCommand(UINT nID);
    afx_msg void OnHelpInfo();
    afx_msg void OnHelpAdvice();
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg LRESULT OnPortManData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPortManEvent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg void OnModeCommand(UINT nID);
    afx_msg void OnFileExit();
    afx_msg void OnFileSaveDiagram();
    afx_msg void OnViewChannelCommand(UINT nID);
    afx_msg void OnViewReset();
    // One handler per registration message: wParam the window, lParam ignored.
    afx_msg LRESULT OnRegisterView(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgLMBk(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgSensorConnection(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgSensorInformation(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgMeasureAdjust(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgDocumentation(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgSensorCalibration(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgMeasureDiagram(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDlgDiagnostic(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterChannelA(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterChannelB(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterLight(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterDiagram(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterCalibDoCalib(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterCalibValueZero(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterCalibValueEnd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterCalibWrongScale(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterCalibDelete(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRegisterStartUp(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    bool EnterPointer(CWnd* pWnd, int iKind);
    bool IsReadyForInit() const;
    bool RunOneTimeInit();
    void CheckStoredRecords();
    bool CreateBars(CCreateContext* pContext);
    bool CreateNaviTree();
    void DockBars();
    void PrepareLogoFiles();
    CString LoadText(UINT nId) const;
    CModePage* GetModePage(int iPage) const;
    void ShowBar(CControlBar& bar, bool bShow);
    void SaveDespiteReset();
    void SaveViewState();
    void SavePortRows();
    LRESULT Register(WPARAM wParam, LPARAM lParam, int iKind);

    void OnTimerWaitBaudrateChanged();
    void OnPortArrivalSettled();
    void OnPortRemoved();
    bool ShowActiveModeAgain();
    CString GetBarCaption(int iBar) const;
    // The bar of a CheckState index (channel A, B, light, diagram, navigation, status bar).
    CControlBar* GetCheckStateBar(int iIndex);
    void ToggleBar(int iIndex);
    void UpdateBarCommand(CCmdUI* pCmdUI, int iIndex, bool bMeasureLayoutOnly);
    void ReadChannelBars(CChannelBarGroup::Bar bars[3]);
    void SizeChannelBarGroup(const CChannelBarGroup& group, const CChannelBarGroup::Bar bars[3]);

    bool m_bRestoringLayout = false;
    bool m_bMainWindowShown = false;
};
