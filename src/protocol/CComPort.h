// The sensor engine: the port tables and the sensor search, connection and initialisation, the
// command senders and configuration writes, the receive path with the ZMState machine, and the
// measured-value stream. It is a base of the main frame, which reaches it through its window
// messages and timers (COM_OnReceiveData, COM_OnPortEvent, COM_OnTimer). The engine reaches the frame
// through CComPortHost and each window it drives through the role that window plays (measurement
// settings, operator panel, start-up search, connection list, information, calibration, diagnostic
// and documentation pages); a role nobody plays is a do-nothing object, never null. Everything runs
// on the user-interface thread.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "protocol/CTervane_Send.h"
#include "protocol/CalibValuesStruct.h"
#include "protocol/ComPortStruct.h"
#include "protocol/MeasuredValuesStruct.h"
#include "protocol/SensorStruct.h"
#include "protocol/ZMState.h"

#include <functional>
#include <memory>
#include <vector>

class CComboBox;
class CComPortAdjustRole;
class CComPortCalibRole;
class CComPortConnectionRole;
class CComPortDiagnosticRole;
class CComPortDocumentationRole;
class CComPortHost;
class CComPortInfoRole;
class CComPortPanelRole;
class CComPortStartUpRole;
class CComPortLine;
class CPortManGui;
class CWnd;

class CComPort : public CTervane_Send
{
public:
    using ZMHandler = void (CComPort::*)();
    // Replaces the port manager's writes (tests of the receive path without a port).
    using WriteSink = std::function<bool(const CString& strBytes)>;

    CComPort();
    ~CComPort();
    CComPort(const CComPort&) = delete;
    CComPort& operator=(const CComPort&) = delete;

    // ---- Set-up
    // Creates the port manager for pMainWnd (the port stays closed).
    void COM_Init(CWnd* pMainWnd);
    // The frame and the windows that play the engine's roles. Each attach replaces the one before;
    // null restores the role's do-nothing object.
    void COM_AttachHost(CComPortHost* pHost);
    void COM_AttachAdjust(CComPortAdjustRole* pAdjust);
    void COM_AttachPanel(CComPortPanelRole* pPanel);
    void COM_AttachStartUp(CComPortStartUpRole* pStartUp);
    void COM_AttachConnection(CComPortConnectionRole* pConnection);
    void COM_AttachInfo(CComPortInfoRole* pInfo);
    void COM_AttachCalib(CComPortCalibRole* pCalib);
    void COM_AttachDiagnostic(CComPortDiagnosticRole* pDiagnostic);
    void COM_AttachDocumentation(CComPortDocumentationRole* pDocumentation);
    // The role objects in use (the attached windows, else the do-nothing objects) that the frame and
    // the pages ask.
    CComPortHost& COM_Host() const { return *m_pHost; }
    CComPortAdjustRole& COM_Adjust() const { return *m_pAdjust; }
    CComPortPanelRole& COM_Panel() const { return *m_pPanel; }
    CComPortStartUpRole& COM_StartUp() const { return *m_pStartUp; }
    CComPortConnectionRole& COM_Connection() const { return *m_pConnection; }
    CComPortDiagnosticRole& COM_Diagnostic() const { return *m_pDiagnostic; }
    CComPortCalibRole& COM_Calib() const { return *m_pCalib; }
    void COM_SetWriteSink(WriteSink sink) { m_writeSink = std::move(sink); }
    // Talks through pLine instead of the port manager (tests with ports of their own); null: the
    // port manager again.
    void COM_SetLine(CComPortLine* pLine) { m_pLine = pLine; }

    // ---- Main-frame entry points
    int COM_OnReceiveData(UINT uiCount, const BYTE* pucBytes);
    LRESULT COM_OnPortEvent(WPARAM wParam, LPARAM lParam);
    // Carries out the step of a protocol timer of the main frame; false for other ids.
    bool COM_OnTimer(UINT_PTR nIdEvent);

    // ---- Search and connection
    void COM_CheckConnectionIfQbxUsbTyp(int iWhatToDo);
    void COM_CheckConnection(int iWhatToDo);
    int COM_ActivateComPort(CString strKey, int iArray, int iState);
    bool COM_ActivatePort(int iArray);
    int COM_GetStateDoTestConnection(const CString& strComPort, int iArray);
    void ZMQBXUSBTQ5_AvailablePorts();
    void ZMQBXUSBTQ5_TestPort();
    CString ZMQBXUSBTQ5_GetStatusLong(CString str);
    void ZMQBXUSBTQ5_PortDoesNotAnswer();
    void ZMQBXUSBTQ5_CheckInterface();
    void ZMQBXUSBTQ5_SearchFinished();
    bool COM_IsSearchRunning() const;

    // ---- Tables and texts
    void COM_SavePortTableAsPrev();
    // The search flag iSearch of every entry of both port tables := iValue.
    void COM_MarkAllPortsForSearch(int iValue);
    void COM_TakeOverPrevSearchFlags();
    void COM_TakeOverStoredSearchFlags(int iCount, bool bForce);
    bool COM_HasSeveralInterfaces(int iArray) const;
    static bool COM_IsSupportedBaudrate(LONG lBaud, LONG* plOut);
    static bool COM_IsCompatibleInterface(const SensorStruct& sSensor);
    CString COM_PortKeyToDisplayText(CString strKey);
    CString COM_DisplayTextToPortKey(CString strText);
    bool COM_IsPortOpen();
    // The status text of the port in use (its name while it is open).
    CString COM_GetPortDisplayName();

    // ---- Command senders
    bool COM_ZMCOMConfgStartInit();
    void COM_ZMCOMConfgStartInitNoAnswer();
    bool COM_ZMCOMConfgSingleShot();
    // A single shot asked for from outside a flow (the operator, the end of a restart, the software
    // scaling dialog): sent when the engine is idle, deferred while another flow has the line and
    // taken when it ends, refused (false) while values come anyway (a stream) or a search runs.
    bool COM_SingleShot();
    bool COM_SingleShotForSoftwareConfig();
    bool COM_ZMCOMConfgReadRaw();
    bool COM_ZMCOMConfgSetCtrlOn();
    bool COM_ZMCOMConfgSetCtrlOff();
    bool COM_ZMCOMConfgSetCtrlOnSOSM();
    bool COM_ZMCOMConfgSetCtrlOffSOSM();
    bool COM_ZMCOMConfgRestartSensor();
    bool COM_ZMCOMConfgNewBaudrateIsSetRestartThatDevice();
    bool COM_ZMCOMConfgNewLowPassFilterIsSetRestartThatDevice();
    bool COM_ZMCOMConfgReadRawCalibInit(int iKind);

    // ---- Measurement
    bool COM_ZMCOMConfgStartMeasure(int iState, bool bNewDiagram);
    bool COM_ZMCOMConfgSendStartStream();
    bool COM_ZMCOMConfgStopMeasure();

    // ---- Configuration writes
    bool COM_ZMCOMConfgUserCalibDeactivate();
    bool COM_ZMCOMConfgUserCalibActivate();
    bool COM_ZMCOMConfgSetNewUserCalib();
    bool COM_ZMCOMConfgSetInaccuracy(double dPercent);
    bool COM_ZMCOMConfgSetSoftwareConfigBlock(int iState);
    bool COM_ZMCOMConfgSetSerialNumberRotorOperation(int iWhich);
    // Baud-rate code ucLUT (9 = 115200, 16 = 230400) into the stator operation block; Row is unused.
    bool COM_ZMCOMConfgSetNewBaudrate(int Row, int ucLUT);
    // The low-pass filter frequencies of the measurement-configuration page.
    bool COM_ZMCOMConfgSetNewBaudrate();

    // ---- State
    int COM_GetZMCOMConfgFlow() const { return m_iZMCOMConfgFlow; }
    void COM_SetZMCOMConfgFlow(int iState) { m_iZMCOMConfgFlow = iState; }
    bool COM_IsActionAllowed() const;
    void COM_EnterWriteState(int iState);
    bool COM_UpdateConnectionListRow(const CString& strKey, int iMode);
    static CString COM_GetZMStateName(int iState);

    // ---- Values, rates and calibration readings
    void COM_SetMeasuringRateMode();
    void COM_ResetSensorStruct();
    void COM_ResetMeasuredValues();
    void COM_ResetCalibValues();
    void COM_ClearCalibIdle();
    void COM_SetCalibIdle();
    bool COM_IsCalibIdle() const;
    // Uncertainty in percent: the given value, else that of the calibration in force (2 factory,
    // 3 user) for channel A (iChannel 1) or B (any other value).
    double COM_GetCalibInaccuracy(BYTE* pucInRange, BYTE* pucAdjustment, const double* pdValue, int iChannel);
    bool COM_IsUserCalibEqualFactoryCalib() const;
    void COM_SetStreamGapInterpolation(bool bOn) { m_bStreamGapInterpolation = bOn ? 1 : 0; }
    void COM_UpdateScaleFactors();
    int COM_GetTypeClassIndex(int iChannel);

    // ---- Answer handlers (called through MAIN_FKTPTR); the status-long handler is also called
    // directly with a stored answer in m_strReceiveCOM.
    void ZMCOMConfg_AnalyseStatusLong();

    // ---- Members
    int m_bPortArrivalPending = 0;
    CString m_strLastUsedComPort;
    int m_iLastUsedSerialNo = 0;
    CString m_strStOperationBlockToWrite;
    CString m_strRtUserCalibBlock;
    CString m_strRtFactCalibBlock;
    CString m_strStHeaderBlock;
    CString m_strRtHeaderBlock;
    CString m_strStHardwareBlock;
    CString m_strStOperationBlock;
    CString m_strStSoftwareConfigBlock;
    CString m_strStSoftwareConfigBlockToWrite;
    CString m_strRtOperationBlock;
    std::unique_ptr<CPortManGui> m_pPort;
    CString m_strClosedPortName;
    CString m_strReceiveCOM;
    CString m_strActivePortKey;
    CString m_strPortBeforeSearch;
    SensorStruct m_sSensor;
    std::vector<ComPortStruct> m_sComPort;
    std::vector<ComPortStruct> m_sComPortPrev;
    LONG m_lDefaultBaudrate = 115200;
    int m_iActiveArray = 0;
    int m_iCountHits = 0;
    int m_iCountFound = 0;
    bool m_bOneTimeInitCheckIfQbxUsbTyp = true;
    int m_iChosenPort = -1;
    int m_iPortBeforeSearch = -1;
    bool m_bPortListOutdated = false;
    CString m_strUsbPortTag;
    ZMHandler m_pSearchStep = nullptr;
    bool m_COM_bDeviceIsArrivedJustOneOfIt = false;
    CString m_strUsbPortDescription = "Tervane USB sensor interface port";
    bool m_bPageSwitchLocked = false;
    int m_iCalibReadingKind = 0;
    int m_iCalibReadingCount = 0;
    CalibValuesStruct m_sCalibValues[2];
    BYTE m_bStreamRefused = 0;
    BYTE m_bSingleShotForSoftwareConfig = 0;
    ZMHandler MAIN_FKTPTR = nullptr;
    ZMHandler ZMCOMC_PREV = nullptr;
    int m_iZMCOMConfgFlow = ZM_STOP_MEASURE;
    int m_iZMCOMConfgFlowNext = -1;
    MeasuredValuesStruct m_sMeasuredValues;
    BYTE m_bStreamMode = 1;
    BYTE m_bStreamStarted = 0;
    BYTE m_bStreamInSync = 1;
    BYTE m_ucExpectedCounter = 0;
    int m_iStreamConsumed = 0;
    BYTE m_bStreamGapInterpolation = 0;
    BYTE m_bDeliverTwice = 0;
    int m_iDisplayCountdownReload = 10;
    int m_iDisplayCountdown = 10;
    int m_iPollingPeriod = 100;

private:
    // Port manager calls (CComPortLink.cpp).
    void COM_CreatePortManager(CWnd* pMainWnd);
    bool COM_OpenPort(const CString& strKey, LONG lBaudrate);
    bool COM_ClosePort();
    bool COM_WriteBytes(const CString& strBytes);
    bool COM_WriteByte(BYTE ucByte);
    bool COM_NoteWrite(bool bWritten);
    LONG COM_GetPortBaudrate();
    void COM_FillPortCombo(CComboBox* pComboBox);

    // Search helpers.
    ComPortStruct& COM_Entry(int iArray) { return m_sComPort.at(static_cast<size_t>(iArray)); }
    void COM_ResetPortTableForSearch();
    int COM_ListPorts();
    int COM_ChoosePort();
    void COM_RefillConnectionList();
    void COM_FinishConnectionChoice();
    void COM_MarkSearchActivity();
    void ZMQBXUSBTQ5_ScanAddresses();
    void ZMQBXUSBTQ5_ScanFinished();
    void ZMQBXUSBTQ5_PortIsSilent();
    void COM_Trace(const CString& strLine);
    bool COM_RequestBlock(BYTE ucBlockNr);

    // Requests and the answers they wait for (CComPortAnswerWait.cpp). A request written with
    // COM_WriteAwaited is repeated when its answer does not come within its wait, and given up after
    // the repeats: the search then counts the port as silent, the initialisation reports the
    // connection lost, and otherwise the sensor is lost to the frame.
    bool COM_Write(const CString& strRequest);
    bool COM_WriteAwaited(const CString& strRequest, BYTE ucAnswerCode, UINT uiWaitMs);
    void COM_ForgetAwaitedAnswer();
    void COM_OnAnswerWaitExpired();
    void COM_GiveUpAwaitedAnswer();
    void COM_SensorLost();
    // The port failed (a read or write, or the line hung up): the sensor is lost, the port closed and
    // the search repeated until a sensor answers. A failure during a search is the search's to handle.
    void COM_OnLineBroken();
    void COM_OnLineSearchTick();
    // Notes a complete frame at the start of the buffer as the answer; false drops it.
    bool ZMCOMConfg_NoteAnswer();

    // Single shots asked for from outside a flow (CComPortSend.cpp).
    enum class SingleShotKind
    {
        None,
        Plain,
        SoftwareConfig,
    };
    bool COM_RequestSingleShot(SingleShotKind eKind);
    bool COM_IsSingleShotRefused() const;
    bool COM_IsFlowPending() const;
    void COM_SendRequestedSingleShot(SingleShotKind eKind);
    void COM_TakeDeferredSingleShot();
    // The line is closed, lost or searched: no deferred single shot, no restart still to come.
    void COM_ResetSingleShotGate();
    // Arms the timer that restarts the sensor after a write; the flow stays pending until it runs.
    void COM_ArmRestartTimer(UINT uiTimerId, UINT uiMs);
    bool COM_RunTimerStep(UINT_PTR nIdEvent);

    // Write helpers.
    bool COM_WriteBlock(const CString& strBlock, BOOL bSwitchOff);
    void COM_SendStreamStop();

    // Receive path (CComPortReceive.cpp).
    enum class FrameScan
    {
        Complete,
        Incomplete,
        Broken,
    };
    void ZMCOMConfg_ProcessReceiveBuffer();
    bool ZMCOMConfg_ProcessOnce();
    bool ZMCOMConfg_SyncFrame();
    bool ZMCOMConfg_SelectAnalyse();
    // Unstuffs the frame starting at iStart of str; iRawLength receives the bytes it takes there.
    static FrameScan ZMCOMConfg_ScanFrame(const CString& str, int iStart, CString& strFrame, int& iRawLength);
    void ZMCOMConfg_PlaceFrame(int iRawLength, const CString& strFrame);
    int ZMCOMConfg_FrameLength() const;
    CString ZMCOMConfg_CurrentFrame() const;
    void ZMCOMConfg_TakeFrame();
    void ZMCOMConfg_ClearReceiveBuffer();
    bool ZMCOMConfg_HandlerTakesFrames(int iState) const;
    static bool ZMCOMConfg_IsSlowState(int iState);
    void ZMCOMConfg_LogShortAnswer();
    void ZMCOMConfgERRCheckCmdFailed(int iRawLength, int iCheck);
    void ZMCOMConfgERRDataFrameToSmall();
    void ZMCOMConfgERRCmdNotFound(int iDropped);
    void ZMCOMConfgERRCmdMissingAtSwitch();
    static CString ZMCOMConfg_RemoveStuffing(const CString& strIn, int iExpectedLength);

    // Answer handlers.
    void ZMCOMConfg_AnalyseNack();
    void ZMCOMConfg_AnalyseAck();
    void ZMCOMConfg_AnalyseHello();
    void ZMCOMConfg_AnalyseReadConfigStHeader();
    void ZMCOMConfg_AnalyseReadConfigStHardware();
    void ZMCOMConfg_AnalyseReadConfigStOperation();
    void ZMCOMConfg_AnalyseReadConfigStSoftwareConfiguration();
    void ZMCOMConfg_AnalyseReadConfigBlock4();
    void ZMCOMConfg_AnalyseReadConfigRtHeader();
    void ZMCOMConfg_AnalyseReadConfigRtFactCalib();
    void ZMCOMConfg_AnalyseReadConfigRtUserCalib();
    void ZMCOMConfg_AnalyseReadConfigRtOperation();
    bool ZMCOMConfg_TakeBlock(BYTE ucBlockNr, CString& strStored);
    void ZMCOMConfg_ContinueReadChain(BYTE ucBlockNr);
    void ZMCOMConfg_ClearSoftwareConfigFlags();
    void ZMCOMConfg_ReanalyseSoftwareConfiguration();
    void ZMCOMConfg_ApplySoftwareScalingUnits();
    bool ZMCOMConfg_HasDigitalInput() const;

    // Values (CComPortStream.cpp).
    bool ZMCOMConfg_TakeRawValues();
    void ZMCOMConfg_AnalyseReadRaw();
    void ZMCOMConfg_AnalyseReadRawInit();
    void ZMCOMConfg_AnalyseMeasureStream();
    void ZMCOMConfg_AnalyseMeasureStreamOneChannel();
    void ZMCOMConfg_InitializeSensorConfigurationDone();
    void ZMCOMConfg_DeliverValues(int iReason, int iStateAfter);
    void ZMCOMConfg_AnalyseStreamStart();
    void ZMCOMConfg_AnalyseStreamRecords(int iRecordLength);
    void ZMCOMConfg_DeliverRecord(int iValueA, int iValueB);
    int ZMCOMConfg_MatchExpectedAck(const CString& str, int iStart) const;
    int ZMCOMConfg_DigitalInputValue(int iValue) const;
    void ZMCOMConfg_TakeCalibSample();
    void ZMCOMConfg_FinishCalibReading();
    void ZMCOMConfg_CalculateCalibration();

    CComPortHost* m_pHost;
    CComPortAdjustRole* m_pAdjust;
    CComPortPanelRole* m_pPanel;
    CComPortStartUpRole* m_pStartUp;
    CComPortConnectionRole* m_pConnection;
    CComPortInfoRole* m_pInfo;
    CComPortCalibRole* m_pCalib;
    CComPortDiagnosticRole* m_pDiagnostic;
    CComPortDocumentationRole* m_pDocumentation;
    WriteSink m_writeSink;
    CComPortLine* m_pLine = nullptr;
    // The awaited answer: the request to repeat, the expectation it set, the answer code (and block
    // number) that ends the wait, the wait, and the waits run out or refusals so far.
    CString m_strAwaitedRequest;
    BYTE m_ucAwaitedCommand = 0;
    int m_iAwaitedAnswerLength = 0;
    BYTE m_ucAwaitedBlockNr = 0;
    BYTE m_ucAwaitedAnswerCode = 0;
    UINT m_uiAwaitMs = 0;
    int m_iAwaitFailures = 0;
    // Refusals during one read of the configuration blocks (the initialisation's or a port's in the search).
    int m_iChainRefusals = 0;
    // The address scan in parts: the next address (0 when the scan has ended), the progress step,
    // and whether an address answered.
    int m_iScanAddress = 0;
    int m_iScanStep = 1;
    bool m_bScanAnswered = false;
    int m_iFrameInBuffer = 0;
    bool m_bReceiving = false;
    bool m_bMoreReceived = false;
    bool m_bBaudrate115200IsCheckedToo = false;
    bool m_bNoSecondTry = false;
    bool m_bStoredSearchFlagsArmed = true;
    bool m_bMeasuredValuesResetOnce = false;
    bool m_bSearchRunning = false;
    bool m_bSearchDeferred = false;
    SingleShotKind m_eDeferredSingleShot = SingleShotKind::None;
    bool m_bRestartTimerArmed = false;
    DWORD m_dwSearchActivity = 0;
};
