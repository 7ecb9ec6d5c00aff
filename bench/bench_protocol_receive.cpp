// Receive path of the sensor engine: a measured-value stream recorded from the sensor simulator at
// its highest rate (5000 five-byte records per second, chunks as the port delivered them) is fed
// again and again through CComPort::COM_OnReceiveData, each record handed to the value pipeline.
// Prints records per second and CPU time per record. Reference: the stream's 5000 records per second;
// goal 100 times that on one core.
#include "SimulatorStream.h"

#include "protocol/CComPort.h"
#include "protocol/CComPortHost.h"

#include <cstdio>
#include <vector>

namespace
{
using namespace bench_stream;

constexpr double GOAL_RATIO = 100.0;
constexpr int REPLAYS = 100;

// The value pipeline's share of the work is out of scope here: it only takes the pair.
class CBenchHost : public CComPortHost
{
public:
    explicit CBenchHost(CComPort& engine) : m_engine(engine) {}

    long long m_llSum = 0;
    long long m_llRecords = 0;

    void Frame_ProcessMeasuredValues(int) override
    {
        m_llSum += m_engine.m_sMeasuredValues.iValueA - m_engine.m_sMeasuredValues.iValueB;
        ++m_llRecords;
    }
    void Adjust_GetChannelSelection(bool& bA, bool& bB) override { bA = bB = true; }
    int Frame_GetMeasuringRateCode() override { return RATE_CODE_5000; }

    void Frame_Trace(const CString&) override {}
    void Frame_BeginWaitCursor() override {}
    void Frame_EndWaitCursor() override {}
    void Frame_SetTimer(UINT_PTR, UINT) override {}
    void Frame_KillTimer(UINT_PTR) override {}
    int Frame_GetLanguageOffset() override { return 1000; }
    void Frame_ShowMainWindow() override {}
    void Frame_SetSensorConfigRead(bool) override {}
    void Frame_WriteDiagnosticLog(const SensorStruct&, const CString&, const CString&) override {}
    void Frame_ResetMeanLists(int) override {}
    void Frame_ResetCalibLists() override {}
    void Frame_AddCalibSample(double, double, double, double) override {}
    CalibRingAverages Frame_GetCalibAverages() override { return {}; }
    void Frame_SetupChannels(int, SensorStruct*) override {}
    void Frame_AddSoftwareScalingUnit() override {}
    void Frame_SetSoftwareScalingUnit(int, double, const CString&) override {}
    int Frame_GetUnitCount(int) override { return 0; }
    void Frame_StoreDisplaySettings() override {}
    bool Frame_GetChannelScaleSource(int, ChannelScaleSource&) override { return false; }
    void Frame_SetChannelScale(int, double, double) override {}
    void Frame_OnMeasureStarting(bool) override {}
    void Adjust_GetLowPassHz(int&, int&) override {}
    bool Adjust_IsSoftwareScalingChanged(int) override { return false; }
    void Adjust_UpdateControls(int) override {}
    void Adjust_ShowCurrentValue(int, int) override {}
    void Panel_SetTimer(UINT_PTR, UINT) override {}
    void Panel_KillTimer(UINT_PTR) override {}
    bool Panel_IsRunning() override { return true; }
    void Panel_BeginRunning() override {}
    void Panel_EndRunning() override {}
    bool Panel_TakeControlRequest() override { return false; }
    void Panel_ToggleControlSignal(int) override {}
    void Panel_ShowControlLed(bool) override {}
    void Panel_SetControlState(BYTE) override {}
    void Panel_SetConnectionState(int) override {}
    void Panel_OnSensorConnected() override {}
    void Panel_OnSensorDisconnected() override {}
    void Panel_ResetToDisconnected() override {}
    void Panel_OnBtnSingleShot() override {}
    void Panel_StartMeasureTimer(UINT) override {}
    void Panel_StopMeasureTimer() override {}
    CString Panel_GetButtonStateText() override { return CString(); }
    void StartUp_InitSearchProgress(int) override {}
    void StartUp_SetSearchedPort(int) override {}
    void StartUp_AdvanceSearchProgress(int) override {}
    void StartUp_ShowSearchFailed() override {}
    void StartUp_HideSearchProgress() override {}
    void StartUp_Hide() override {}
    void Connection_MarkAllPortsForSearch(int) override {}
    void Connection_FillPortList(int) override {}
    void Connection_BeginRefill() override {}
    void Connection_SetPortRow(const CString&, int, int, ULONG) override {}
    void Connection_EndRefill() override {}
    int Connection_GetRowCount() override { return 0; }
    CString Connection_GetCellText(int, int) override { return CString(); }
    void Connection_SetCellText(int, int, const CString&) override {}
    void Connection_ResetListMarks() override {}
    void Connection_ClearBaudChangePending() override {}
    void Info_SetDataValid() override {}
    void Info_UpdatePage(bool) override {}
    void Calib_EnableCalibButtons(int) override {}
    void Calib_AdvanceCalibProgress(int) override {}
    bool Calib_CalcualteCalibValues(BYTE, BYTE, int&) override { return false; }
    bool Calib_IsNewCalibReady() override { return false; }
    bool Calib_IsUncertaintyConfirmed() override { return false; }
    int Calib_GetUncertaintyAction() override { return 0; }
    void Calib_GetBlockValues(int&, int&) override {}
    void Calib_ClearCalibRunning() override {}
    void CalibZero_CloseFromProtocol() override {}
    void CalibEnd_CloseFromProtocol() override {}
    CComboBox* Diagnostic_GetPortCombo() override { return nullptr; }
    void Documentation_SetStopTime(__time64_t) override {}

private:
    CComPort& m_engine;
};

} // namespace

int main()
{
    CComPort engine;
    CBenchHost host(engine);
    engine.COM_AttachHost(&host);
    engine.COM_SetWriteSink([](const CString&) { return true; });
    engine.TerSend_SetAddress(1, 255);
    CString strAck;
    engine.TerSend_Ack(strAck, TRUE);

    Chunks chunks = RecordFromSimulator();
    const bool bRecorded = !chunks.empty();
    if (!bRecorded)
        chunks = SyntheticStream(strAck);
    std::printf("stream: %s, %d records in %zu chunks\n",
                bRecorded ? "recorded from the simulator on COM5" : "synthetic (simulator not reachable)",
                RECORDED_RECORDS, chunks.size());

    engine.COM_SetMeasuringRateMode();
    LARGE_INTEGER liFrequency;
    LARGE_INTEGER liStart;
    LARGE_INTEGER liEnd;
    QueryPerformanceFrequency(&liFrequency);
    const double dCpuStart = ThreadCpuSeconds();
    QueryPerformanceCounter(&liStart);
    for (int iReplay = 0; iReplay < REPLAYS; ++iReplay)
    {
        engine.COM_ZMCOMConfgStartMeasure(-1, false);
        for (const std::vector<unsigned char>& chunk : chunks)
            engine.COM_OnReceiveData(static_cast<UINT>(chunk.size()), chunk.data());
    }
    QueryPerformanceCounter(&liEnd);
    const double dCpu = ThreadCpuSeconds() - dCpuStart;
    const double dWall = static_cast<double>(liEnd.QuadPart - liStart.QuadPart) / liFrequency.QuadPart;

    const long long llExpected = static_cast<long long>(RECORDED_RECORDS) * REPLAYS;
    const double dRecordsPerS = host.m_llRecords / dWall;
    std::printf("records handed on: %lld of %lld (stream in step: %s, checksum %lld)\n", host.m_llRecords,
                llExpected, engine.m_bStreamInSync ? "yes" : "no", host.m_llSum);
    std::printf("wall time: %.3f s, CPU time: %.3f s\n", dWall, dCpu);
    std::printf("records per second: %.0f\n", dRecordsPerS);
    std::printf("CPU time per record: %.3f us\n", dCpu * 1e6 / static_cast<double>(host.m_llRecords));
    std::printf("ratio to the highest stream rate (5000 records/s): %.1f (goal %.0f)\n",
                dRecordsPerS / STREAM_RECORDS_PER_S, GOAL_RATIO);
    return host.m_llRecords == llExpected ? 0 : 1;
}
