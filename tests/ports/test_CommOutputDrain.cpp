// The serial port's output drain on COM5 (the simulated sensor's pseudo-terminal), with the output queue's
// counts scripted.
#include "PortTestSupport.h"

#include "ports/CComm2.h"
#include "ports/CThreadMan.h"
#include "support/SimClient.h"

#include <gtest/gtest.h>

#include <deque>

namespace
{
// A serial port whose output queue reports scripted counts; the last one stays.
class CScriptedQueuePort : public CComm2
{
public:
    CScriptedQueuePort() : CComm2(nullptr, 0) {}
    unsigned int GetOutputQueueCount() override
    {
        ++m_iPolls;
        const unsigned int uiCount = m_queue.empty() ? 0 : m_queue.front();
        if (m_queue.size() > 1)
            m_queue.pop_front();
        return uiCount;
    }
    // True when no operation is pending on the OVERLAPPED that writes and drains share.
    bool IsWriteIdle() const { return m_olWrite.Internal != STATUS_PENDING; }
    void Abort() { m_abortEvent.SetEvent(); }

    std::deque<unsigned int> m_queue;
    int m_iPolls = 0;
};
} // namespace

// A drain that returned while a wait of its own was pending let the platform write into its stack frame
// later: it waits until the queue is empty and leaves nothing pending; an aborted port ends it at once.
TEST(CommOutputDrain, WaitsUntilTheQueueIsEmptyAndLeavesNothingPending)
{
    CSimClient sim;
    ASSERT_TRUE(sim.Connect()) << "sensor simulator not reachable (SENSORSIM_PORT)";
    CThreadMan threadMan;
    CScriptedQueuePort port;
    port.SetThreadMan(&threadMan);
    threadMan.SetPort(&port);
    DCB dcb = {};
    dcb.DCBlength = sizeof(dcb);
    dcb.BaudRate = 115200;
    dcb.ByteSize = 8;
    ASSERT_TRUE(port.Open("\\\\.\\COM5", &dcb, nullptr, 256, nullptr, 0));

    port.m_queue = {40, 25, 25, 10, 0};
    port.m_iPolls = 0;
    port.WaitOutputEmpty();
    EXPECT_EQ(5, port.m_iPolls) << "the drain ended before the queue was empty";
    EXPECT_TRUE(port.IsWriteIdle());
    const std::vector<unsigned char> abRequest = RequestFrame(0x42);
    EXPECT_TRUE(port.Write(abRequest.data(), static_cast<unsigned int>(abRequest.size())));

    port.m_queue = {40};
    port.m_iPolls = 0;
    port.Abort();
    port.WaitOutputEmpty();
    EXPECT_EQ(1, port.m_iPolls);
    EXPECT_TRUE(port.IsWriteIdle());
    port.Close(false);
    threadMan.SetPort(nullptr);
}
