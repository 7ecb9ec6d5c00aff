// Receive path of the sensor engine: a measured-value stream recorded from the sensor simulator at
// its highest rate (5000 five-byte records per second, chunks as the port delivered them) is fed
// again and again through CComPort::COM_OnReceiveData, each record handed to the value pipeline.
// Prints records per second and CPU time per record. Reference: the stream's 5000 records per second;
// goal 100 times that on one core.
#include "BenchGoal.h"
#include "SimulatorStream.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"

#include <cstdio>
#include <vector>

namespace
{
using namespace bench_stream;

constexpr double GOAL_RATIO = 100.0;
constexpr int REPLAYS = 100;

// The value pipeline's share of the work is out of scope here: it only takes the pair.
class CBenchHost : public CComPortHost, public CComPortPanelRole
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
    int Frame_GetMeasuringRateCode() override { return RATE_CODE_5000; }
    bool Panel_IsRunning() override { return true; }

private:
    CComPort& m_engine;
};

} // namespace

int main()
{
    CComPort engine;
    CBenchHost host(engine);
    engine.COM_AttachHost(&host);
    engine.COM_AttachPanel(&host);
    engine.COM_SetWriteSink([](const CString&) { return true; });
    const Chunks chunks = LoadStream(engine);

    engine.COM_SetMeasuringRateMode();
    const Timing timing = ReplayStream(engine, chunks, REPLAYS);
    const double dCpu = timing.dCpu;
    const double dWall = timing.dWall;

    const long long llExpected = static_cast<long long>(RECORDED_RECORDS) * REPLAYS;
    const double dRecordsPerS = host.m_llRecords / dWall;
    std::printf("records handed on: %lld of %lld (stream in step: %s, checksum %lld)\n", host.m_llRecords,
                llExpected, engine.m_bStreamInSync ? "yes" : "no", host.m_llSum);
    std::printf("wall time: %.3f s, CPU time: %.3f s\n", dWall, dCpu);
    std::printf("records per second: %.0f\n", dRecordsPerS);
    std::printf("CPU time per record: %.3f us\n", dCpu * 1e6 / static_cast<double>(host.m_llRecords));
    BenchGoals goals;
    goals.AtLeast("ratio to the highest stream rate (5000 records/s)", dRecordsPerS / STREAM_RECORDS_PER_S,
                  GOAL_RATIO, "times");
    goals.Holds("every record handed on", host.m_llRecords == llExpected);
    return goals.Finish();
}
