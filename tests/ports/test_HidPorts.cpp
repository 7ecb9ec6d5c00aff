#include "ports/CHidInfo.h"
#include "ports/CPortBulk.h"
#include "ports/CPortHidCom.h"
#include "ports/CPortHidPos.h"
#include "ports/CPortHidSurePosFlash.h"
#include "ports/CPortHidSurePosSio.h"
#include "ports/PortEnumeration.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace
{
using Bytes = std::vector<unsigned char>;

// A HID kind "opened" on a stand-in handle with made-up capabilities; written reports are kept.
template <class Kind> class CFakeHid : public Kind
{
public:
    explicit CFakeHid(USHORT usInputLength = 64, USHORT usOutputLength = 64) : Kind(nullptr, 0)
    {
        HIDP_CAPS caps = {};
        caps.InputReportByteLength = usInputLength;
        caps.OutputReportByteLength = usOutputLength;
        this->m_hPort = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        this->TakeCaps(caps);
    }

    Bytes ReadAll()
    {
        Bytes ab(4096);
        ab.resize(this->ReadAvailable(ab.data(), static_cast<unsigned int>(ab.size())));
        return ab;
    }

    std::vector<Bytes> m_aReports;
    Bytes m_abFeature;
    int m_iFeatureReads = 0;
    size_t m_nFailingReport = SIZE_MAX; // the report whose write fails

protected:
    bool WriteRaw(const unsigned char* pBytes, unsigned int uiCount) override
    {
        if (m_aReports.size() == m_nFailingReport)
            return false;
        m_aReports.emplace_back(pBytes, pBytes + uiCount);
        return true;
    }
};

class CFakeSurePosSio : public CFakeHid<CPortHidSurePosSio>
{
protected:
    bool GetFeatureReport(unsigned char* pReport, ULONG ulLength) override
    {
        ++m_iFeatureReads;
        for (ULONG i = 0; i < ulLength && i < m_abFeature.size(); ++i)
            pReport[i] = m_abFeature[i];
        return true;
    }
};

Bytes Counting(unsigned int uiCount)
{
    Bytes ab(uiCount);
    for (unsigned int i = 0; i < uiCount; ++i)
        ab[i] = static_cast<unsigned char>(i);
    return ab;
}

CHidInfo& Caps(CHidInfo& info, USHORT usPage, USHORT usUsage)
{
    info.m_caps.UsagePage = usPage;
    info.m_caps.Usage = usUsage;
    info.m_strProduct = "Sensor";
    info.m_strSerialNumber = "NoSerNum0";
    return info;
}
} // namespace

TEST(HidPorts, ProbesRecogniseTheirDevicesByUsage)
{
    CHidInfo info;
    EXPECT_EQ(&CPortHidCom::Create, ProbeHidPortKind(Caps(info, 0xFFA0, 1)));
    EXPECT_EQ(CString("Sensor HidCom - NoSerNum0"), info.m_strDisplayName);
    EXPECT_EQ(0x20000u, info.m_uiKindBits);
    EXPECT_EQ(0, info.m_ucKindPending);

    info.Reset();
    Caps(info, 0x8C, 2).m_strInterfaceNumber = "01";
    EXPECT_EQ(&CPortHidPos::Create, ProbeHidPortKind(info)); // no preparsed data: link collection assumed
    EXPECT_EQ(CString("Sensor HidPos 01 - NoSerNum0"), info.m_strDisplayName);

    info.Reset();
    EXPECT_EQ(&CPortHidSurePosSio::Create, ProbeHidPortKind(Caps(info, 0xFF45, 0x6800)));
    info.Reset();
    Caps(info, 0xFF45, 0xA000).m_strProduct = "Usage = A000";
    info.m_strIndexedString2 = "Flash";
    EXPECT_EQ(&CPortHidSurePosFlash::Create, ProbeHidPortKind(info));
    EXPECT_EQ(CString("Flash SurePosFlash - NoSerNum0"), info.m_strDisplayName);
    EXPECT_EQ(0u, info.m_uiKindBits);

    info.Reset();
    EXPECT_EQ(nullptr, ProbeHidPortKind(Caps(info, 0x01, 2))); // a mouse
    info.Reset();
    info.m_attributes.VendorID = 0x0536;
    info.m_attributes.ProductID = 0x0149;
    EXPECT_EQ(&CPortHidSurePosSio::Create, ProbeHidPortKind(info));
}

TEST(HidPorts, HidComSplitsWritesIntoPaddedReports)
{
    CFakeHid<CPortHidCom> port;
    Bytes abData = Counting(100);
    ASSERT_TRUE(port.Write(abData.data(), 100));
    ASSERT_EQ(2u, port.m_aReports.size());
    for (const Bytes& report : port.m_aReports)
        ASSERT_EQ(64u, report.size());
    EXPECT_EQ((Bytes{0x00, 0x30, 60, 0, 1, 2}),
              Bytes(port.m_aReports[0].begin(), port.m_aReports[0].begin() + 6));
    EXPECT_EQ(59, port.m_aReports[0][62]);
    EXPECT_EQ((Bytes{0x00, 0x30, 40, 60, 61}),
              Bytes(port.m_aReports[1].begin(), port.m_aReports[1].begin() + 5));
    EXPECT_EQ(99, port.m_aReports[1][42]);
    EXPECT_EQ(0, port.m_aReports[1][43]);
    EXPECT_EQ(0, port.m_aReports[1][63]);
}

TEST(HidPorts, ReportHeadersOfTheOtherKinds)
{
    CFakeHid<CPortHidPos> pos;
    ASSERT_TRUE(pos.WriteByte(0x42));
    EXPECT_EQ((Bytes{0xFD, 1, 0x42, 0}), Bytes(pos.m_aReports[0].begin(), pos.m_aReports[0].begin() + 4));

    CFakeHid<CPortHidSurePosSio> sio;
    Bytes abData = Counting(61);
    ASSERT_TRUE(sio.Write(abData.data(), 61)); // 59 bytes fit a 64-byte report with its 5-byte header
    ASSERT_EQ(2u, sio.m_aReports.size());
    EXPECT_EQ((Bytes{0x00, 63, 0x00, 0x08, 0x00, 0}),
              Bytes(sio.m_aReports[0].begin(), sio.m_aReports[0].begin() + 6));
    EXPECT_EQ((Bytes{0x00, 6, 0x00, 0x08, 0x00, 59, 60}),
              Bytes(sio.m_aReports[1].begin(), sio.m_aReports[1].begin() + 7));

    CFakeHid<CPortHidSurePosFlash> flash;
    EXPECT_FALSE(flash.WriteByte(1));
    EXPECT_TRUE(flash.m_aReports.empty());
    ASSERT_TRUE(flash.Write(abData.data(), 3));
    EXPECT_EQ((Bytes{0, 1, 2}), flash.m_aReports[0]);
}

TEST(HidPorts, WriteOfSeveralReportsFailsWhenOneFails)
{
    CFakeHid<CPortHidCom> com;
    com.m_nFailingReport = 1;
    Bytes abData = Counting(150);
    EXPECT_FALSE(com.Write(abData.data(), 150));
    EXPECT_EQ(1u, com.m_aReports.size()) << "nothing is written after the failed report";

    CFakeHid<CPortHidSurePosSio> sio;
    sio.m_nFailingReport = 0;
    EXPECT_FALSE(sio.Write(abData.data(), 10));
}

// A device that is no HID device has no capabilities: it is not taken as open.
TEST(HidPorts, DeviceWithoutCapabilitiesDoesNotOpen)
{
    CPortHidCom port(nullptr, 0);
    EXPECT_FALSE(port.Open("NUL", nullptr, nullptr, 256, nullptr, 0));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_DATA), GetLastError());
}

TEST(HidPorts, ClosedPortWritesNothing)
{
    CPortHidCom port(nullptr, 0);
    unsigned char ucByte = 1;
    EXPECT_FALSE(port.Write(&ucByte, 1));
    EXPECT_FALSE(port.WriteByte(1));
}

TEST(HidPorts, InputReportsDeliverTheirCountedBytesBounded)
{
    CFakeHid<CPortHidCom> com;
    Bytes abReport = {0x00, 0x00, 3, 'a', 'b', 'c', 'x', 'y'};
    com.OnReceived(abReport.data(), static_cast<unsigned int>(abReport.size()));
    Bytes abLying = {0x00, 0x00, 0xF0, 'd', 'e'}; // announces more than the report holds
    com.OnReceived(abLying.data(), static_cast<unsigned int>(abLying.size()));
    EXPECT_EQ((Bytes{'a', 'b', 'c', 'd', 'e'}), com.ReadAll());

    CFakeHid<CPortHidPos> pos;
    Bytes abPos = {0x00, 3, 9, 9, 9, 'p', 'q', 'r', 's'};
    pos.OnReceived(abPos.data(), static_cast<unsigned int>(abPos.size()));
    Bytes abShort = {0x00, 3, 9};
    pos.OnReceived(abShort.data(), static_cast<unsigned int>(abShort.size()));
    EXPECT_EQ((Bytes{'p', 'q', 'r'}), pos.ReadAll());
}

TEST(HidPorts, SurePosSioFetchesAnnouncedDataAsFeatureReport)
{
    CFakeSurePosSio sio;
    sio.m_abFeature = {0x00, 5, 0x00, 'h', 'i', 'j', 'k'};
    Bytes abStatus6 = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00};
    sio.OnReceived(abStatus6.data(), 6);
    EXPECT_EQ(1, sio.m_iFeatureReads);
    EXPECT_EQ((Bytes{'h', 'i', 'j'}), sio.ReadAll());

    Bytes abStatus4 = {0x00, 0x00, 0x00, 0x00}; // only byte 1 counts
    abStatus4[3] = 0x30;
    sio.OnReceived(abStatus4.data(), 4);
    Bytes abTooShort = {0x00, 0x30};
    sio.OnReceived(abTooShort.data(), 2);
    EXPECT_EQ(1, sio.m_iFeatureReads);

    sio.m_abFeature = {0x00, 2, 0x00, 'z'};
    Bytes abStatus3 = {0x00, 0x20, 0x00};
    sio.OnReceived(abStatus3.data(), 3);
    EXPECT_EQ(2, sio.m_iFeatureReads);
    EXPECT_TRUE(sio.ReadAll().empty());

    sio.m_abFeature.assign(251, 'w');
    sio.m_abFeature[1] = 0xFF; // announces 253 bytes; 247 follow byte 3
    sio.OnReceived(abStatus3.data(), 3);
    EXPECT_EQ(247u, sio.ReadAll().size());
}

TEST(HidPorts, RingKeepsBytesWithoutCallbackAndDropsWhatDoesNotFit)
{
    CFakeHid<CPortHidSurePosFlash> flash;
    ASSERT_TRUE(flash.SetQueueSizes(8, 0));
    Bytes abFirst = Counting(6);
    flash.OnReceived(abFirst.data(), 6);
    Bytes abSecond = Counting(3);
    flash.OnReceived(abSecond.data(), 3);
    EXPECT_EQ(Counting(6), flash.ReadAll());
    COMMTIMEOUTS timeouts = {MAXDWORD, 0, 0, 0, 0};
    ASSERT_TRUE(flash.SetTimeouts(&timeouts));
    unsigned char abOut[4];
    EXPECT_EQ(0u, flash.Read(abOut, 4));
    EXPECT_TRUE(flash.PurgeBuffers());
}

TEST(BulkPorts, DeliverRawBytesAndWriteNothingWhileClosed)
{
    CPortBulk port(nullptr, 0);
    Bytes abData = Counting(5);
    port.OnReceived(abData.data(), 5);
    Bytes abOut(8);
    abOut.resize(port.ReadAvailable(abOut.data(), 8));
    EXPECT_EQ(abData, abOut);
    EXPECT_FALSE(port.WriteByte(1));
    EXPECT_FALSE(port.Open("\\\\?\\usb#vid_1234&pid_0001#none#{00873fdf-61a8-11d1-aa5e-00c04fb1728b}",
                           nullptr, nullptr, 256, nullptr, 0));
    EXPECT_TRUE(port.Close(false));
}
