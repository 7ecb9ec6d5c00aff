// The reader thread's start, result and exception handling, on a port "opened" on a stand-in handle, and the
// chunking of a batch.
#include "framework/AfxExceptionReport.h"
#include "framework/CInvalidArgException.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "ports/CComm2.h"
#include "ports/CPort.h"
#include "ports/CPortBulk.h"
#include "ports/CThreadMan.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace
{
class CFakeOpenPort : public CPort
{
public:
    explicit CFakeOpenPort(std::function<DWORD()> fnLoop) : CPort(nullptr, 0), m_fnLoop(std::move(fnLoop))
    {
        m_hPort = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    }
    ~CFakeOpenPort() override
    {
        StopReader(true);
        CloseHandle(m_hPort);
    }
    DWORD ReaderLoop() override { return m_fnLoop(); }
    // A loop that runs until it is asked to stop.
    DWORD WaitForStop()
    {
        return WaitForSingleObject(m_stopPair.GetRequestEvent(), INFINITE) == WAIT_OBJECT_0 ? 0 : 1;
    }

private:
    std::function<DWORD()> m_fnLoop;
};
} // namespace

TEST(PortReader, StartFailsWithoutAThreadAndTheLoopsResultIsKept)
{
    CFakeOpenPort noThread([] { return 0u; });
    EXPECT_FALSE(noThread.SetCallbacks(nullptr, 256, nullptr, 0));

    CThreadMan threadMan;
    CFakeOpenPort failing([] { return static_cast<DWORD>(ERROR_GEN_FAILURE); });
    failing.SetThreadMan(&threadMan);
    threadMan.SetPort(&failing);
    failing.SetCallbacks(nullptr, 256, nullptr, 0);
    EXPECT_TRUE(PumpUntil([&] { return !failing.IsReaderRunning(); }));
    EXPECT_EQ(static_cast<DWORD>(ERROR_GEN_FAILURE), failing.GetReaderResult());

    // The same thread starts the next loop.
    CFakeOpenPort* pWaiting = nullptr;
    CFakeOpenPort waiting([&] { return pWaiting->WaitForStop(); });
    pWaiting = &waiting;
    waiting.SetThreadMan(&threadMan);
    threadMan.SetPort(&waiting);
    EXPECT_TRUE(waiting.SetCallbacks(nullptr, 256, nullptr, 0));
    EXPECT_TRUE(waiting.IsReaderRunning());
    EXPECT_TRUE(waiting.StopReader(true));
    EXPECT_EQ(0u, waiting.GetReaderResult());
    threadMan.SetPort(nullptr);
}

// Without an owner the report goes to the application's main window.
TEST(PortReader, LoopThatThrowsIsReportedOnTheApplicationsThreadAndEnds)
{
    std::vector<DWORD> adwThreads;
    AFX_EXCEPTION_REPORT_HOOK previous =
        AfxSetExceptionReportHook([&](const CString&) { adwThreads.push_back(GetCurrentThreadId()); });
    CWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, nullptr, "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CWnd* pPreviousMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = &mainWnd;
    {
        CThreadMan threadMan;
        CFakeOpenPort throwing([]() -> DWORD { AfxThrowInvalidArgException(); });
        throwing.SetThreadMan(&threadMan);
        threadMan.SetPort(&throwing);
        throwing.SetCallbacks(nullptr, 256, nullptr, 0);
        EXPECT_TRUE(PumpUntil([&] { return !throwing.IsReaderRunning(); }));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNAL_ERROR), throwing.GetReaderResult());
        EXPECT_TRUE(PumpUntil([&] { return !adwThreads.empty(); }));
        threadMan.SetPort(nullptr);
    }
    AfxGetApp()->m_pMainWnd = pPreviousMain;
    mainWnd.DestroyWindow();
    AfxSetExceptionReportHook(previous);
    ASSERT_EQ(1u, adwThreads.size());
    EXPECT_EQ(GetCurrentThreadId(), adwThreads[0]);
}

// Ports without modem lines (the null port, the USB kinds) fail every line operation.
TEST(PortReader, LineOperationsFailWithoutLines)
{
    CPort nullPort(nullptr, 0);
    CPortBulk bulk(nullptr, 0);
    for (CPort* pPort : {&nullPort, static_cast<CPort*>(&bulk)})
    {
        DWORD dwStatus = 0x12345678;
        EXPECT_FALSE(pPort->GetModemStatus(&dwStatus));
        EXPECT_EQ(0x12345678u, dwStatus);
        EXPECT_FALSE(pPort->SetRts());
        EXPECT_FALSE(pPort->ClearRts());
        EXPECT_FALSE(pPort->SetDtr());
        EXPECT_FALSE(pPort->ClearDtr());
        EXPECT_FALSE(pPort->SetBreak());
        EXPECT_FALSE(pPort->ClearBreak());
    }
}

TEST(PortReader, LinePollsBecomeSerialEvents)
{
    const struct
    {
        DWORD dwErrors;
        DWORD dwOld;
        bool bOldKnown;
        DWORD dwNew;
        bool bNewKnown;
        DWORD dwEvents;
    } aCases[] = {
        {0, 0, true, 0, true, 0},
        {CE_FRAME, 0, false, 0, false, EV_ERR},
        {CE_OVERRUN | CE_BREAK, 0, false, 0, false, EV_ERR | EV_BREAK},
        {CE_RXPARITY, MS_CTS_ON, true, MS_CTS_ON, true, EV_ERR},
        {0, MS_CTS_ON, true, MS_DSR_ON, true, EV_CTS | EV_DSR},
        {0, 0, true, MS_RLSD_ON | MS_RING_ON, true, EV_RLSD | EV_RING},
        {0, MS_RING_ON, true, 0, true, 0},               // the ring indicator going off is no ring
        {0, 0, false, MS_CTS_ON | MS_DSR_ON, true, 0},   // nothing to compare with yet
        {CE_BREAK, MS_CTS_ON, true, 0, false, EV_BREAK}, // the lines could not be read
    };
    for (const auto& test : aCases)
        EXPECT_EQ(test.dwEvents,
                  CComm2::LineEvents(test.dwErrors, test.dwOld, test.bOldKnown, test.dwNew, test.bNewKnown))
            << test.dwErrors << " " << test.dwOld << " " << test.dwNew;
}

// A batch reaches the data callback in chunks of at most the receive buffer size, in order, and a
// callback taken away meanwhile (a stop) gets nothing more.
TEST(PortReader, BatchesAreHandedOnInChunksOfTheBufferSize)
{
    struct CRecording : CPortDataCallback
    {
        bool operator()(unsigned char* pBytes, unsigned int uiCount) override
        {
            chunks.emplace_back(pBytes, pBytes + uiCount);
            if (fnAfter)
                fnAfter();
            return true;
        }
        std::vector<std::vector<unsigned char>> chunks;
        std::function<void()> fnAfter;
    };
    const struct
    {
        unsigned int uiBuffer;
        unsigned int uiCount;
        std::vector<size_t> chunkSizes;
    } aCases[] = {
        {256, 0, {}},
        {256, 1, {1}},
        {256, 256, {256}},
        {256, 257, {256, 1}},
        {256, 1000, {256, 256, 256, 232}},
        {100, 250, {100, 100, 50}},
    };
    std::vector<unsigned char> abBatch(1000);
    for (size_t i = 0; i < abBatch.size(); ++i)
        abBatch[i] = static_cast<unsigned char>(i * 7);
    CPort port(nullptr, 0);
    for (const auto& test : aCases)
    {
        CRecording recording;
        ASSERT_TRUE(port.SetCallbacks(&recording, test.uiBuffer, nullptr, 0));
        port.DeliverChunks(abBatch.data(), test.uiCount);
        std::vector<size_t> sizes;
        std::vector<unsigned char> abJoined;
        for (const std::vector<unsigned char>& chunk : recording.chunks)
        {
            sizes.push_back(chunk.size());
            abJoined.insert(abJoined.end(), chunk.begin(), chunk.end());
        }
        EXPECT_EQ(test.chunkSizes, sizes) << test.uiBuffer << " " << test.uiCount;
        EXPECT_TRUE(std::equal(abJoined.begin(), abJoined.end(), abBatch.begin())) << test.uiCount;
    }
    CRecording stopping;
    stopping.fnAfter = [&]
    {
        if (stopping.chunks.size() == 2)
            port.SetCallbacks(nullptr, 256, nullptr, 0);
    };
    ASSERT_TRUE(port.SetCallbacks(&stopping, 256, nullptr, 0));
    port.DeliverChunks(abBatch.data(), 1000);
    EXPECT_EQ(2u, stopping.chunks.size());
}
