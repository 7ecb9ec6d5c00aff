// The port manager against the sensor simulator on COM5 (a pseudo-terminal under Wine).
#include "PortTestSupport.h"

#include "framework/AfxExceptionReport.h"
#include "framework/CString.h"
#include "framework/CComboBox.h"
#include "ports/CComm2.h"
#include "ports/CPort.h"
#include "ports/CPortDirectory.h"
#include "ports/CPortManGui.h"
#include "support/PumpUntil.h"
#include "support/RelayWatch.h"
#include "support/SimClient.h"

#include <dbt.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr int STATUS_ANSWER_BYTES = 21;
constexpr unsigned int STREAM_BYTES = 25000;
constexpr int RECORD_BYTES = 5;
constexpr unsigned int ACK_BYTES = 7;
constexpr unsigned char STATUS_REQUEST = 0x42;
constexpr unsigned char RAW_REQUEST = 0x41;
constexpr size_t RAW_ANSWER_BYTES = 16;
constexpr unsigned char STREAM_START = 0x5A;
constexpr unsigned char RATE_BYTE_5000 = 1; // 5000 records per second

double Seconds()
{
    LARGE_INTEGER liNow;
    LARGE_INTEGER liFrequency;
    QueryPerformanceCounter(&liNow);
    QueryPerformanceFrequency(&liFrequency);
    return static_cast<double>(liNow.QuadPart) / static_cast<double>(liFrequency.QuadPart);
}
} // namespace

class PortManagerCom5 : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Connect()) << "sensor simulator not reachable (SENSORSIM_PORT)";
        ASSERT_TRUE(m_sim.Reset());
        m_pManager =
            std::make_unique<CPortManGui>(m_owner.GetHwnd(), WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
        ASSERT_TRUE(m_pManager->SetEventCallback(nullptr, EV_PNP_ARRIVE | EV_PNP_REMOVE));
    }

    void TearDown() override
    {
        m_pManager->ClosePort(false);
        m_pManager.reset();
        m_sim.Reset();
    }

    bool OpenAt(DWORD dwRate, const char* pszName = "COM5")
    {
        m_pManager->m_dcb.BaudRate = dwRate;
        m_pManager->m_dcb.ByteSize = 8;
        m_pManager->m_dcb.Parity = 0;
        m_pManager->m_dcb.StopBits = 0;
        return m_pManager->OpenConnection(pszName, nullptr, 256);
    }

    // Sends the status request and waits for the 21-byte answer through WM_PORTMAN_DATA.
    std::vector<unsigned char> AskStatus()
    {
        m_owner.Clear();
        if (!Write(RequestFrame(STATUS_REQUEST)))
            return {};
        PumpUntil([this] { return Unstuffed(m_owner.m_abData).size() >= STATUS_ANSWER_BYTES; });
        return Unstuffed(m_owner.m_abData);
    }

    void StartStream()
    {
        m_owner.Clear();
        ASSERT_TRUE(Write(RequestFrame(STREAM_START, {0x03, RATE_BYTE_5000, 0x00, 0x00, 'C'})));
    }

    // Ends the stream and takes the records still on the line, so the next test starts quiet: a status
    // answer asked for after the stream has stopped comes behind every record.
    void StopStream()
    {
        for (int i = 0; i < 10; ++i)
            m_pManager->WriteByte(0x02);
        ASSERT_TRUE(
            PumpUntil([this] { return CSimClient::FindValue(m_sim.GetState(), "stream") == "null"; }));
        ASSERT_TRUE(Write(RequestFrame(STATUS_REQUEST)));
        ASSERT_TRUE(PumpUntil(
            [this]
            {
                std::vector<unsigned char> ab = Unstuffed(m_owner.m_abData);
                if (ab.size() < STATUS_ANSWER_BYTES)
                    return false;
                std::vector<unsigned char> abTail(ab.end() - STATUS_ANSWER_BYTES, ab.end());
                return abTail[0] == 0x02 && abTail[1] == STATUS_REQUEST && HasRightCheckBytes(abTail);
            }));
    }

    bool Write(const std::vector<unsigned char>& abFrame)
    {
        return m_pManager->WriteString(
            CString(reinterpret_cast<const char*>(abFrame.data()), static_cast<int>(abFrame.size())));
    }

    int Deliver(UINT uiEvent, const char* pszPort)
    {
        CPortNotification notification(pszPort);
        HWND hReceiver = m_pManager->GetDeviceChangeWindow();
        return static_cast<int>(SendMessageA(hReceiver, WM_DEVICECHANGE, uiEvent, notification.AsLParam()));
    }

    int State() const { return m_pManager->m_iState; }

    CSimClient m_sim;
    CPortOwnerWindow m_owner;
    std::unique_ptr<CPortManGui> m_pManager;
};

TEST_F(PortManagerCom5, PortListShowsComFiveWithItsDeviceName)
{
    HWND hCombo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 200, 200, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, hCombo);
    CComboBox combo;
    combo.Attach(hCombo);
    CPortManGui::FillPortCombo(&combo, "", true);
    int iCount = static_cast<int>(SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
    std::vector<std::string> astrItems;
    for (int i = 0; i < iCount; ++i)
    {
        char achText[256] = {};
        SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(achText));
        astrItems.emplace_back(achText);
    }
    EXPECT_EQ(0, SendMessageA(hCombo, CB_GETCURSEL, 0, 0)); // an empty name selects the first port
    CPortManGui::FillPortCombo(&combo, "com5", true);
    int iSelected = static_cast<int>(SendMessageA(hCombo, CB_GETCURSEL, 0, 0));
    combo.Detach();
    DestroyWindow(hCombo);
    ASSERT_GE(iSelected, 0);
    EXPECT_EQ("COM5   \\Device\\Serial4", astrItems.at(iSelected));
}

TEST_F(PortManagerCom5, OpensAtBothRatesAndTheSensorSeesTheRate)
{
    for (DWORD dwRate : {115200u, 230400u})
    {
        ASSERT_TRUE(OpenAt(dwRate)) << dwRate;
        EXPECT_EQ(PORT_OPEN, State());
        EXPECT_EQ(CString("COM5   \\Device\\Serial4"), m_pManager->GetCurrentDisplayName());
        EXPECT_EQ(std::to_string(dwRate), CSimClient::FindValue(m_sim.GetState(), "line_rate"));
        ASSERT_TRUE(m_pManager->ClosePort(false));
        EXPECT_EQ(CString("OffLine"), m_pManager->GetCurrentDisplayName());
    }
}

TEST_F(PortManagerCom5, StatusAnswerReachesTheOwnerWindow)
{
    ASSERT_TRUE(OpenAt(115200, "COM5   \\Device\\Serial4"));
    EXPECT_TRUE(OpenAt(115200)); // the same port again: stays open as it is
    std::vector<unsigned char> abAnswer = AskStatus();
    ASSERT_EQ(static_cast<size_t>(STATUS_ANSWER_BYTES), abAnswer.size());
    EXPECT_EQ((std::vector<unsigned char>{0x02, 0x42, 0xFF, 0x01, 14}),
              std::vector<unsigned char>(abAnswer.begin(), abAnswer.begin() + 5));
    EXPECT_TRUE(HasRightCheckBytes(abAnswer));
}

// The reader waits in SendMessage for this thread while the new event mask asks it to update.
TEST_F(PortManagerCom5, EventMaskChangeWhileTheReaderDeliversReturns)
{
    ASSERT_TRUE(OpenAt(115200));
    m_owner.Clear();
    ASSERT_TRUE(Write(RequestFrame(STATUS_REQUEST)));
    ASSERT_TRUE(WaitForSentMessage()) << "the reader delivers the answer";
    HANDLE hDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread watchdog(
        [hDone]
        {
            if (WaitForSingleObject(hDone, 10000) != WAIT_OBJECT_0)
            {
                fprintf(stderr, "SetEventCallback deadlocked with the reader\n");
                ExitProcess(3);
            }
        });
    EXPECT_TRUE(m_pManager->SetEventCallback(nullptr, EV_STATUS | EV_PNP_ARRIVE | EV_PNP_REMOVE));
    SetEvent(hDone);
    watchdog.join();
    CloseHandle(hDone);
    EXPECT_TRUE(PumpUntil([this] { return Unstuffed(m_owner.m_abData).size() >= STATUS_ANSWER_BYTES; }));
}

TEST_F(PortManagerCom5, StreamArrivesCompleteAndInOrder)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 0, 1));
    ASSERT_TRUE(m_sim.SetConstant('B', -2));
    ASSERT_TRUE(OpenAt(115200));
    StartStream();
    ASSERT_TRUE(PumpUntil([this] { return m_owner.m_abData.size() >= ACK_BYTES + STREAM_BYTES; }, 20000))
        << m_owner.m_abData.size() << " bytes";
    StopStream();
    const std::vector<unsigned char>& ab = m_owner.m_abData;
    ASSERT_EQ(0x06, ab[1]) << "the stream starts with the acknowledgement";
    EXPECT_LE(m_owner.m_uiLargestChunk, 256u);
    for (unsigned int i = 0; i < STREAM_BYTES / RECORD_BYTES; ++i)
    {
        const unsigned char* pRecord = ab.data() + ACK_BYTES + i * RECORD_BYTES;
        ASSERT_EQ(static_cast<unsigned char>(i), pRecord[0]) << "record " << i;
        ASSERT_EQ(static_cast<int>(i), pRecord[1] << 8 | pRecord[2]) << "record " << i;
        ASSERT_EQ(0xFFFE, pRecord[3] << 8 | pRecord[4]) << "record " << i;
    }
}

TEST_F(PortManagerCom5, ClosingWhileDataFlowsReturns)
{
    ASSERT_TRUE(OpenAt(115200));
    StartStream();
    ASSERT_TRUE(PumpUntil([this] { return m_owner.m_abData.size() > 2000; }, 10000));
    EXPECT_TRUE(m_pManager->ClosePort(false));
    EXPECT_EQ(PORT_CLOSED, State());
    size_t nReceived = m_owner.m_abData.size();
    ASSERT_TRUE(m_owner.HandlePosted());
    EXPECT_EQ(nReceived, m_owner.m_abData.size()) << "no chunk after the close";
    unsigned char ucByte = 0x02;
    EXPECT_FALSE(m_pManager->WriteBuffer(&ucByte, 1));
    ASSERT_TRUE(OpenAt(115200));
    StopStream();
}

// The protocol writes from the interface thread and from the multimedia-timer thread.
TEST_F(PortManagerCom5, WritesFromTwoThreadsArriveWhole)
{
    constexpr int REQUESTS_PER_THREAD = 40;
    ASSERT_TRUE(OpenAt(115200));
    ASSERT_TRUE(m_sim.ClearLog());
    std::vector<unsigned char> abFrame = RequestFrame(STATUS_REQUEST);
    std::atomic<int> iFailed = 0;
    auto fnWriter = [&]
    {
        for (int i = 0; i < REQUESTS_PER_THREAD; ++i)
        {
            if (!Write(abFrame))
                ++iFailed;
        }
    };
    std::atomic<bool> bTimerDone = false;
    std::thread timerThread(
        [&]
        {
            fnWriter();
            bTimerDone = true;
        });
    fnWriter();
    PumpUntil([&] { return bTimerDone.load(); });
    timerThread.join();
    EXPECT_EQ(0, iFailed.load());
    ASSERT_TRUE(
        PumpUntil([this] { return Unstuffed(m_owner.m_abData).size() >= 2 * REQUESTS_PER_THREAD * 21u; }));
    std::string strLog = m_sim.GetLog();
    EXPECT_EQ(2 * REQUESTS_PER_THREAD, CSimClient::CountMember(strLog, "check", "\"ok\""));
    EXPECT_EQ(0, CSimClient::CountMember(strLog, "event", "\"broken\""));
    EXPECT_EQ(0, CSimClient::CountMember(strLog, "event", "\"skipped\""));
}

TEST_F(PortManagerCom5, RemovalClosesAsLostAndArrivalReopens)
{
    ASSERT_TRUE(OpenAt(115200));
    ASSERT_EQ(static_cast<size_t>(STATUS_ANSWER_BYTES), AskStatus().size());
    ASSERT_TRUE(m_sim.Unplug());
    EXPECT_EQ(-1, Deliver(DBT_DEVICEREMOVEPENDING, "COM5"));
    EXPECT_EQ(-1, Deliver(DBT_DEVICEREMOVECOMPLETE, "COM5"));
    CPortNotification forwarded("COM5"); // the main frame forwards its own notification too
    EXPECT_EQ(-1, m_pManager->HandleDeviceChange(DBT_DEVICEREMOVECOMPLETE, forwarded.AsLParam()));
    EXPECT_EQ(0, Deliver(DBT_DEVICEREMOVECOMPLETE, "COM77"));
    EXPECT_EQ(PORT_LOST, State());
    EXPECT_EQ(CString("OffLine"), m_pManager->GetCurrentDisplayName());
    ASSERT_TRUE(m_owner.HandlePosted());
    EXPECT_EQ(1, m_owner.CountEvents(EV_PNP_REMOVE));
    EXPECT_FALSE(m_pManager->WriteByte(0x02));

    ASSERT_TRUE(m_sim.Replug());
    EXPECT_EQ(1, Deliver(DBT_DEVICEARRIVAL, "COM5"));
    EXPECT_EQ(PORT_OPEN, State());
    ASSERT_TRUE(PumpUntil([this] { return m_owner.CountEvents(EV_PNP_ARRIVE) == 1; }));
    EXPECT_EQ(static_cast<size_t>(STATUS_ANSWER_BYTES), AskStatus().size());
}

TEST_F(PortManagerCom5, PortClosedByTheProgramStaysClosedOnArrival)
{
    ASSERT_TRUE(OpenAt(115200));
    ASSERT_TRUE(m_pManager->ClosePort(false));
    EXPECT_EQ(0, Deliver(DBT_DEVICEARRIVAL, "COM5"));
    EXPECT_EQ(PORT_CLOSED, State());
    EXPECT_EQ(-1, Deliver(DBT_DEVICEREMOVECOMPLETE, "COM5"));
    EXPECT_EQ(PORT_CLOSED, State());
    ASSERT_TRUE(m_owner.HandlePosted());
    EXPECT_TRUE(m_owner.m_aulEvents.empty());
}

TEST_F(PortManagerCom5, OpenFailuresKeepOrCloseTheState)
{
    EXPECT_FALSE(m_pManager->OpenConnection("", nullptr, 256));
    EXPECT_EQ(PORT_REOPENING, State());
    EXPECT_FALSE(m_pManager->OpenConnection("COM99", nullptr, 256)); // unknown: the null port never opens
    EXPECT_EQ(PORT_REOPENING, State());
    EXPECT_EQ(CString("Bad Config"), m_pManager->GetCurrentDisplayName());
    EXPECT_FALSE(m_pManager->WriteString(CString("x")));

    ASSERT_TRUE(OpenAt(115200));
    EXPECT_FALSE(m_pManager->OpenConnection("COM99", nullptr, 256));
    EXPECT_EQ(PORT_CLOSED, State()) << "a failed open that replaced the open port";
    EXPECT_EQ(CString("OffLine"), m_pManager->GetCurrentDisplayName());
}

// The port manager with its port object in reach and the pause between open attempts counted, not slept.
class CTestPortMan : public CPortManGui
{
public:
    using CPortManGui::CPortManGui;

    CPort* Port() { return m_pPort.get(); }
    CComm2* Serial() { return dynamic_cast<CComm2*>(m_pPort.get()); }

    std::atomic<int> m_iPausesHere = 0;
    std::atomic<int> m_iPausesElsewhere = 0;
    DWORD m_dwTestThread = GetCurrentThreadId();

protected:
    void PauseBeforeRetry() override
    {
        ++(GetCurrentThreadId() == m_dwTestThread ? m_iPausesHere : m_iPausesElsewhere);
    }
};

class PortManagerFaults : public PortManagerCom5
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sim.Connect()) << "sensor simulator not reachable (SENSORSIM_PORT)";
        ASSERT_TRUE(m_sim.Reset());
        m_pTestManager = new CTestPortMan(m_owner.GetHwnd(), WM_PORTMAN_EVENT, WM_PORTMAN_DATA, true, 0);
        m_pManager.reset(m_pTestManager);
        ASSERT_TRUE(m_pManager->SetEventCallback(nullptr, EV_PNP_ARRIVE | EV_PNP_REMOVE));
    }

    CTestPortMan* m_pTestManager = nullptr;
};

// A client's data callback that throws: the reader reports it once, on the owner's thread, and ends
// this loop only; the port closes at once and the next open reads again.
TEST_F(PortManagerFaults, ThrowingReaderIsReportedAndStopsItsPortCleanly)
{
    std::vector<DWORD> adwReportThreads;
    AFX_EXCEPTION_REPORT_HOOK previous =
        AfxSetExceptionReportHook([&](const CString&) { adwReportThreads.push_back(GetCurrentThreadId()); });
    struct CThrowingCallback : CPortDataCallback
    {
        bool operator()(unsigned char*, unsigned int) override { throw std::runtime_error("client failure"); }
    } throwing;
    m_pManager->m_dcb.BaudRate = 115200;
    ASSERT_TRUE(m_pManager->OpenConnection("COM5", &throwing, 256));
    ASSERT_TRUE(Write(RequestFrame(STATUS_REQUEST)));
    EXPECT_TRUE(PumpUntil([&] { return !adwReportThreads.empty(); }));
    EXPECT_TRUE(PumpUntil([this] { return !m_pTestManager->Port()->IsReaderRunning(); }));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INTERNAL_ERROR), m_pTestManager->Port()->GetReaderResult());
    EXPECT_TRUE(m_pManager->ClosePort(false));
    AfxSetExceptionReportHook(previous);
    ASSERT_EQ(1u, adwReportThreads.size());
    EXPECT_EQ(GetCurrentThreadId(), adwReportThreads[0]);

    ASSERT_TRUE(OpenAt(115200));
    EXPECT_EQ(static_cast<size_t>(STATUS_ANSWER_BYTES), AskStatus().size());
}

// While the port closes, the reader's last chunk is taken, but a posted message waits and a device
// notification handled meanwhile does not re-enter the manager.
TEST_F(PortManagerFaults, CloseDoesNotLetPostedOrDeviceMessagesReenter)
{
    ASSERT_TRUE(OpenAt(115200));
    bool bClosing = false;
    int iDeviceChange = 99;
    bool bPostedDuringClose = false;
    m_owner.m_fnOnData = [&]
    {
        if (!bClosing)
            return;
        CPortNotification removal("COM5");
        iDeviceChange = m_pManager->HandleDeviceChange(DBT_DEVICEREMOVECOMPLETE, removal.AsLParam());
    };
    m_owner.m_fnOnPosted = [&] { bPostedDuringClose = bClosing; };
    ASSERT_TRUE(Write(RequestFrame(STATUS_REQUEST)));
    ASSERT_TRUE(WaitForSentMessage()) << "the reader delivers the answer";
    m_owner.PostApp();
    bClosing = true;
    EXPECT_TRUE(m_pManager->ClosePort(false));
    bClosing = false;
    EXPECT_EQ(0, iDeviceChange);
    EXPECT_FALSE(m_owner.m_abData.empty()) << "the chunk in progress was taken";
    EXPECT_EQ(PORT_CLOSED, State());
    ASSERT_TRUE(m_owner.HandlePosted());
    EXPECT_FALSE(bPostedDuringClose);
    EXPECT_EQ(0, m_owner.CountEvents(EV_PNP_REMOVE));
}

// The owner's thread writes the record (the next rate) while the device is away; its return reopens
// the port on the device-change thread with the settings it was opened with.
TEST_F(PortManagerFaults, ArrivalReopensWithTheSettingsOfTheOpen)
{
    ASSERT_TRUE(OpenAt(115200));
    ASSERT_TRUE(m_sim.Unplug());
    EXPECT_EQ(-1, Deliver(DBT_DEVICEREMOVECOMPLETE, "COM5"));
    m_pManager->m_dcb.BaudRate = 230400;
    ASSERT_TRUE(m_sim.Replug());
    EXPECT_EQ(1, Deliver(DBT_DEVICEARRIVAL, "COM5"));
    EXPECT_EQ(PORT_OPEN, State());
    EXPECT_EQ("115200", CSimClient::FindValue(m_sim.GetState(), "line_rate"));
}

// An ordinary open that fails makes one attempt and no pause; a reconnect makes 20 with 19 pauses, and
// an arrival forwarded on the owner's thread leaves them to the device-change thread.
TEST_F(PortManagerFaults, FailedOpensPauseOnlyBetweenRetriesAndNotOnTheOwnersThread)
{
    EXPECT_FALSE(m_pManager->OpenConnection("COM99", nullptr, 256));
    EXPECT_EQ(0, m_pTestManager->m_iPausesHere + m_pTestManager->m_iPausesElsewhere);

    ASSERT_TRUE(OpenAt(115200));
    ASSERT_TRUE(m_sim.Unplug());
    EXPECT_EQ(-1, Deliver(DBT_DEVICEREMOVECOMPLETE, "COM5"));
    CPortNotification arrival("COM5");
    EXPECT_EQ(1, m_pManager->HandleDeviceChange(DBT_DEVICEARRIVAL, arrival.AsLParam()));
    EXPECT_TRUE(PumpUntil([this] { return m_owner.CountEvents(EV_PNP_ARRIVE) == 1; }, 30000));
    EXPECT_EQ(0, m_pTestManager->m_iPausesHere.load());
    EXPECT_EQ(19, m_pTestManager->m_iPausesElsewhere.load());
    EXPECT_EQ(PORT_LOST, State());
}

// A pseudo-terminal has no modem lines: the line operations fail and leave the out-value alone.
TEST_F(PortManagerFaults, LineOperationsFailOnAPortWithoutLines)
{
    ASSERT_TRUE(OpenAt(115200));
    CPort* pPort = m_pTestManager->Port();
    DWORD dwStatus = 0x12345678;
    EXPECT_FALSE(pPort->GetModemStatus(&dwStatus));
    EXPECT_EQ(0x12345678u, dwStatus);
    EXPECT_FALSE(pPort->SetRts());
    EXPECT_FALSE(pPort->SetDtr());
    EXPECT_EQ(0, pPort->IsCtsOn());
}

// A device that goes away while the port is open fails the reader's read: the owner hears of it even
// before the device notification.
TEST_F(PortManagerFaults, ReaderReportsAPortThatFails)
{
    ASSERT_TRUE(OpenAt(115200));
    ASSERT_TRUE(m_sim.Unplug());
    EXPECT_TRUE(PumpUntil([this] { return m_owner.CountEvents(EV_ERR) == 1; }));
    EXPECT_TRUE(PumpUntil([this] { return !m_pTestManager->Port()->IsReaderRunning(); }));
    EXPECT_NE(0u, m_pTestManager->Port()->GetReaderResult());
    EXPECT_TRUE(m_pManager->ClosePort(false));
}

// The stream as the owner window took it, and the thread hops that carried it.
struct ReceivedStream
{
    std::vector<unsigned char> abBytes;
    unsigned int uiLargestChunk = 0;
    long long llChunks = 0;
    long long llHops = 0;
    long long llBatches = 0;
};

class PortManagerBatches : public PortManagerFaults
{
protected:
    // Streams at 5000 records per second with the given batch period (0: every read handed on at once)
    // until the owner has the acknowledgement and STREAM_BYTES, then stops the stream.
    ReceivedStream Stream(DWORD dwBatchPeriod)
    {
        ReceivedStream received;
        EXPECT_TRUE(m_sim.SetRamp('A', 0, 1));
        EXPECT_TRUE(m_sim.SetConstant('B', -2));
        EXPECT_TRUE(OpenAt(115200));
        EXPECT_TRUE(m_pTestManager->Serial()->SetBatchPeriod(dwBatchPeriod));
        CRelayWatch watch(m_pManager->GetRelayWindow());
        CHopCount hops;
        m_owner.m_fnOnData = [&] { hops.OnChunk(watch); };
        StartStream();
        EXPECT_TRUE(PumpUntil([this] { return m_owner.m_abData.size() >= ACK_BYTES + STREAM_BYTES; }, 20000));
        received.abBytes.assign(m_owner.m_abData.begin(),
                                m_owner.m_abData.begin() +
                                    std::min<size_t>(m_owner.m_abData.size(), ACK_BYTES + STREAM_BYTES));
        received.uiLargestChunk = m_owner.m_uiLargestChunk;
        received.llChunks = hops.llChunks;
        received.llHops = hops.Hops(watch);
        received.llBatches = watch.Batches();
        m_owner.m_fnOnData = nullptr;
        StopStream();
        EXPECT_TRUE(m_pManager->ClosePort(false));
        return received;
    }
};

// The batches carry the same bytes as reads handed on one by one: every byte, in order, in chunks of at
// most the buffer size, in far fewer thread hops.
TEST_F(PortManagerBatches, BatchedStreamMatchesReadsHandedOnOneByOne)
{
    const ReceivedStream plain = Stream(0);
    const ReceivedStream batched = Stream(CComm2::BATCH_PERIOD_MS);
    ASSERT_EQ(ACK_BYTES + STREAM_BYTES, plain.abBytes.size());
    ASSERT_EQ(ACK_BYTES + STREAM_BYTES, batched.abBytes.size());
    EXPECT_TRUE(plain.abBytes == batched.abBytes);
    EXPECT_EQ(0, plain.llBatches);
    EXPECT_EQ(plain.llChunks, plain.llHops);
    EXPECT_LE(plain.uiLargestChunk, 256u);
    EXPECT_LE(batched.uiLargestChunk, 256u);
    EXPECT_GT(batched.llBatches, 0);
    EXPECT_LT(batched.llHops * 2, batched.llChunks)
        << batched.llHops << " hops for " << batched.llChunks << " chunks";
    for (unsigned int i = 0; i < STREAM_BYTES / RECORD_BYTES; ++i)
    {
        const unsigned char* pRecord = plain.abBytes.data() + ACK_BYTES + i * RECORD_BYTES;
        ASSERT_EQ(static_cast<unsigned char>(i), pRecord[0]) << "record " << i;
        ASSERT_EQ(static_cast<int>(i), pRecord[1] << 8 | pRecord[2]) << "record " << i;
    }
}

// A request written while the line streams is answered between two records; the records around the
// answer and the answer itself arrive whole and in order.
TEST_F(PortManagerBatches, RequestDuringAStreamIsAnsweredBetweenRecords)
{
    ASSERT_TRUE(m_sim.SetRamp('A', 0, 1));
    ASSERT_TRUE(m_sim.SetConstant('B', -2));
    ASSERT_TRUE(OpenAt(115200));
    CRelayWatch watch(m_pManager->GetRelayWindow());
    StartStream();
    ASSERT_TRUE(PumpUntil([&] { return watch.Batches() > 2; }, 10000)) << "the stream is taken in batches";
    const std::vector<unsigned char> abStatus = RequestFrame(STATUS_REQUEST);
    const std::vector<unsigned char> abAnswerStart = {0x02, STATUS_REQUEST, 0xFF, 0x01, 14};
    ASSERT_TRUE(Write(abStatus));
    auto fnAnswerAt = [&]
    {
        const std::vector<unsigned char>& ab = m_owner.m_abData;
        auto it = std::search(ab.begin() + ACK_BYTES, ab.end(), abAnswerStart.begin(), abAnswerStart.end());
        return it == ab.end() || ab.end() - it < STATUS_ANSWER_BYTES + 2 * RECORD_BYTES
                   ? std::string::npos
                   : static_cast<size_t>(it - ab.begin());
    };
    ASSERT_TRUE(PumpUntil([&] { return fnAnswerAt() != std::string::npos; }, 10000));
    const size_t nAnswer = fnAnswerAt();
    std::vector<unsigned char> ab = m_owner.m_abData;
    StopStream();
    ASSERT_EQ(0u, (nAnswer - ACK_BYTES) % RECORD_BYTES) << "at a record boundary";
    const std::vector<unsigned char> abAnswer(ab.begin() + nAnswer,
                                              ab.begin() + nAnswer + STATUS_ANSWER_BYTES);
    EXPECT_TRUE(HasRightCheckBytes(abAnswer));
    ab.erase(ab.begin() + nAnswer, ab.begin() + nAnswer + STATUS_ANSWER_BYTES);
    for (size_t i = 0; ACK_BYTES + (i + 1) * RECORD_BYTES <= nAnswer + 2 * RECORD_BYTES; ++i)
    {
        const unsigned char* pRecord = ab.data() + ACK_BYTES + i * RECORD_BYTES;
        ASSERT_EQ(static_cast<unsigned char>(i), pRecord[0]) << "record " << i;
        ASSERT_EQ(static_cast<int>(i), pRecord[1] << 8 | pRecord[2]) << "record " << i;
    }
}

// The pace of the calibration readings: a raw-value request every 8 ms from a multimedia timer. Every
// answer is taken at its first byte, none waits for a batch, and each is in within the engine's answer
// wait (200 ms; the time an answer takes is the benchmark's to measure).
TEST_F(PortManagerBatches, RequestsEveryEightMillisecondsAreAllAnsweredInTime)
{
    constexpr int REQUESTS = 250;
    constexpr double ANSWER_WAIT_S = 0.2;
    ASSERT_TRUE(OpenAt(115200));
    CRelayWatch watch(m_pManager->GetRelayWindow());
    const std::vector<unsigned char> abRequest = RequestFrame(RAW_REQUEST);
    std::vector<double> adSent(REQUESTS, 0.0);
    std::vector<double> adAnswered(REQUESTS, 0.0);
    std::atomic<int> iSent = 0;
    std::atomic<bool> bWriteFailed = false;
    int iAnswers = 0;
    m_owner.m_fnOnData = [&]
    {
        const int iComplete = static_cast<int>(Unstuffed(m_owner.m_abData).size() / RAW_ANSWER_BYTES);
        for (; iAnswers < iComplete && iAnswers < REQUESTS; ++iAnswers)
            adAnswered[iAnswers] = Seconds();
    };
    struct Tick
    {
        std::function<void()> fn;
        static void CALLBACK Call(UINT, UINT, DWORD_PTR dwUser, DWORD_PTR, DWORD_PTR)
        {
            reinterpret_cast<Tick*>(dwUser)->fn();
        }
    } tick;
    tick.fn = [&]
    {
        const int iNext = iSent;
        if (iNext >= REQUESTS)
            return;
        adSent[iNext] = Seconds();
        bWriteFailed = bWriteFailed || !Write(abRequest);
        iSent = iNext + 1;
    };
    timeBeginPeriod(1);
    const MMRESULT uiTimer = timeSetEvent(8, 1, &Tick::Call, reinterpret_cast<DWORD_PTR>(&tick),
                                          TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    ASSERT_NE(0u, uiTimer);
    const bool bAllAnswered = PumpUntil([&] { return iAnswers >= REQUESTS; }, 20000);
    timeKillEvent(uiTimer);
    timeEndPeriod(1);
    m_owner.m_fnOnData = nullptr;
    EXPECT_TRUE(bAllAnswered) << iAnswers << " of " << iSent << " answered";
    EXPECT_FALSE(bWriteFailed);
    EXPECT_EQ(0, watch.Batches());
    const std::vector<unsigned char> ab = Unstuffed(m_owner.m_abData);
    for (int i = 0; i < iAnswers; ++i)
    {
        const std::vector<unsigned char> abAnswer(ab.begin() + i * RAW_ANSWER_BYTES,
                                                  ab.begin() + (i + 1) * RAW_ANSWER_BYTES);
        ASSERT_EQ(RAW_REQUEST, abAnswer[1]) << "answer " << i;
        ASSERT_TRUE(HasRightCheckBytes(abAnswer)) << "answer " << i;
        ASSERT_LE(adAnswered[i] - adSent[i], ANSWER_WAIT_S) << "answer " << i;
    }
}
