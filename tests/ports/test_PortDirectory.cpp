#include "ports/CPortCom.h"
#include "ports/CPortDetailsEx.h"
#include "ports/CPortDirectory.h"
#include "ports/CStringHistory.h"
#include "ports/PortEnumeration.h"

#include <gtest/gtest.h>

namespace
{
CPortDetailsEx* UsbSerialAdapter()
{
    auto* pEntry = new CPortDetailsEx;
    pEntry->m_strPortName = "COM7";
    pEntry->m_strFriendlyName = "USB Serial Port (COM7)";
    pEntry->m_strDescription = "USB Serial Converter";
    pEntry->m_strInterfacePath = "\\\\?\\FTDIBUS#VID_0403+PID_6001#{86e0d1e0-8089-11d0-9ce4-08003e301f73}";
    pEntry->m_strDevicePath = "\\\\.\\COM7";
    pEntry->m_uiKindFlags = 0x222;
    return pEntry;
}

CPortDetailsEx* Entry(const char* pszPort, const char* pszDescription, unsigned int uiKind)
{
    auto* pEntry = new CPortDetailsEx;
    pEntry->m_strPortName = pszPort;
    pEntry->m_strDescription = pszDescription;
    pEntry->m_strDevicePath = CString("\\\\.\\") + pszPort;
    pEntry->m_uiKindFlags = uiKind;
    return pEntry;
}
} // namespace

TEST(PortDirectory, FindsAnAdapterByEveryAlias)
{
    CPortDirectory directory;
    CPortDetailsEx* pEntry = UsbSerialAdapter();
    directory.AddPort(pEntry);
    EXPECT_EQ(CString("COM7   USB Serial Converter"), pEntry->m_strDisplayKey);
    const char* apszNames[] = {"COM7",
                               "com7",
                               "COM7:",
                               "com7:",
                               "\\\\.\\COM7",
                               "\\\\?\\FTDIBUS#VID_0403+PID_6001#{86e0d1e0-8089-11d0-9ce4-08003e301f73}",
                               "USB Serial Port (COM7)",
                               "COM7   USB Serial Converter"};
    for (const char* pszName : apszNames)
        EXPECT_EQ(pEntry, directory.Find(pszName)) << pszName;
    EXPECT_EQ(CString("\\\\.\\COM7"), directory.GetDevicePath("com7:"));
    EXPECT_EQ(CString("COM7   USB Serial Converter"), directory.GetDisplayName("COM7"));
}

TEST(PortDirectory, ResolvesByFirstWordAndLearnsNewSpellings)
{
    CPortDirectory directory;
    CPortDetailsEx* pEntry = Entry("COM3", "\\Device\\Serial2", 0x80A0);
    directory.AddPort(pEntry);
    EXPECT_EQ(pEntry, directory.Find("COM3 anything after a blank"));
    EXPECT_EQ(pEntry, directory.Find("Com3")); // through com3, then kept as an alias
    EXPECT_EQ(pEntry, directory.Find("Com3"));
    EXPECT_EQ(nullptr, directory.Find("COM4"));
    EXPECT_EQ(CString("COM4"), directory.GetDisplayName("COM4"));
    EXPECT_EQ(CString("COM4"), directory.GetDevicePath("COM4"));
    EXPECT_EQ(&CPort::Create, directory.GetFactory("COM4"));
    EXPECT_TRUE(directory.IsSamePort("COM8", "COM9")); // neither is known
    EXPECT_TRUE(directory.IsSamePort("com3", "COM3   \\Device\\Serial2"));
    EXPECT_FALSE(directory.IsSamePort("COM3", "COM9"));
    EXPECT_FALSE(directory.SetPresent("COM9", true));
}

TEST(PortDirectory, ReAddingAKnownPortMarksItPresentOnce)
{
    CPortDirectory directory;
    directory.AddPort(Entry("COM3", "\\Device\\Serial2", 0x80A0));
    ASSERT_TRUE(directory.SetPresent("COM3", false));
    directory.AddPort(Entry("COM3", "\\Device\\Serial2", 0x80A0));
    EXPECT_EQ(1, directory.GetCount());
    CStringArray astrKeys;
    directory.GetListedKeys(astrKeys);
    ASSERT_EQ(1, astrKeys.GetSize());
    EXPECT_EQ(CString("COM3   \\Device\\Serial2"), astrKeys.GetAt(0));
}

TEST(PortDirectory, ListsOnlyPresentVisibleAndNotHiddenPorts)
{
    CPortDirectory directory;
    directory.AddPort(Entry("COM1", "\\Device\\Serial0", 0x80A0));
    directory.AddPort(Entry("COM2", "\\Device\\Serial1", 0x80A0));
    directory.AddPort(Entry("COM3", "\\Device\\Serial2", 0));
    directory.AddPort(Entry("COM4", "\\Device\\Serial3", 0x60));
    directory.SetPresent("COM2", false);
    g_HidePorts.AddString("Serial3");
    CStringArray astrKeys;
    directory.GetListedKeys(astrKeys);
    g_HidePorts.Clear();
    ASSERT_EQ(1, astrKeys.GetSize());
    EXPECT_EQ(CString("COM1   \\Device\\Serial0"), astrKeys.GetAt(0));
}

TEST(PortDirectory, HiddenPortsHistoryMatchesSubstringsAndKeys)
{
    CStringHistory history(30);
    EXPECT_EQ(0, history.AddString("alpha"));
    EXPECT_EQ(1, history.AddString("beta"));
    EXPECT_EQ(0, history.AddString("alpha"));
    EXPECT_EQ(2, history.AddByKey("gamma,1", ","));
    EXPECT_EQ(2, history.AddByKey("gamma,2", ","));
    EXPECT_EQ(CString("gamma,1"), history.GetAt(2));
    EXPECT_EQ(-1, IsPortHidden("COM1   \\Device\\Serial0"));
    g_HidePorts.AddString("Device");
    EXPECT_EQ(0, IsPortHidden("COM1   \\Device\\Serial0"));
    EXPECT_EQ(-1, IsPortHidden("COM1   \\device\\Serial0"));
    g_HidePorts.Clear();
}

TEST(PortEnumeration, ParsesFriendlyNamesServicesAndPaths)
{
    EXPECT_EQ(CString("COM7"), PortNameFromFriendlyName("USB Serial Port (COM7)"));
    EXPECT_EQ(CString("COM12"), PortNameFromFriendlyName("Port (A) (COM12)"));
    EXPECT_TRUE(PortNameFromFriendlyName("Communications Port").IsEmpty());
    EXPECT_TRUE(PortNameFromFriendlyName("Broken ) name (").IsEmpty());

    const struct
    {
        const char* pszService;
        unsigned int uiFlags;
    } aServices[] = {{"HHPCDC", 0x400122}, {"MTLGPOS2", 0x822}, {"FTSER2K", 0x222}, {"SER2PL64", 0x422},
                     {"OXSER", 0x1060},    {"SERIAL", 0x60},    {"USBSER", 0xA0}};
    for (const auto& service : aServices)
        EXPECT_EQ(service.uiFlags, SerialKindFlagsFromService(service.pszService)) << service.pszService;

    EXPECT_EQ(CString("ABC123"),
              GetBulkInstanceId("\\\\?\\usb#vid_1234&pid_0001#ABC123#{00873fdf-61a8-11d1-aa5e}"));
    EXPECT_TRUE(GetBulkInstanceId("\\\\?\\usb#vid_1234&pid_0001").IsEmpty());
    EXPECT_EQ(CString("01"), GetHidInterfaceNumber("\\\\?\\HID#VID_0536&PID_0107&MI_01#7&1&0000#{4d1e55b2}"));
    EXPECT_TRUE(GetHidInterfaceNumber("\\\\?\\hid#vid_0536&pid_0107#7&1&0000").IsEmpty());
}

// Under Wine the serial map is the only source: its ports are COM ports that open, not null ports.
TEST(PortEnumeration, SerialMapListsComFiveAsAnOpenablePort)
{
    CPortDirectory directory;
    EnumerateSerialPorts(directory);
    CPortDetailsEx* pEntry = directory.Find("COM5");
    ASSERT_NE(nullptr, pEntry);
    EXPECT_EQ(CString("COM5   \\Device\\Serial4"), pEntry->m_strDisplayKey);
    EXPECT_EQ(CString("\\\\.\\COM5"), pEntry->m_strDevicePath);
    EXPECT_EQ(0x80A0u, pEntry->m_uiKindFlags);
    EXPECT_EQ(&CPortCom::Create, pEntry->m_pfnFactory);
    int iCount = directory.GetCount();
    ASSERT_TRUE(directory.SetPresent("COM5", false)); // as after a removal
    EnumerateSerialPorts(directory);
    EXPECT_EQ(iCount, directory.GetCount());
    EXPECT_EQ(1, pEntry->m_ucPresent) << "found again, so present again";
}
