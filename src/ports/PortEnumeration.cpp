#include "ports/PortEnumeration.h"

#include "ports/CHidInfo.h"
#include "ports/CPortBulk.h"
#include "ports/CPortCom.h"
#include "ports/CPortDetailsEx.h"
#include "ports/CPortDirectory.h"
#include "ports/CPortHidCom.h"
#include "ports/CPortHidPos.h"
#include "ports/CPortHidSurePosFlash.h"
#include "ports/CPortHidSurePosSio.h"

#include <setupapi.h>

#include <memory>
#include <vector>

namespace
{
constexpr GUID GUID_COMPORT = {0x86E0D1E0, 0x8089, 0x11D0, {0x9C, 0xE4, 0x08, 0x00, 0x3E, 0x30, 0x1F, 0x73}};
constexpr GUID GUID_PORTS_CLASS = {
    0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};
constexpr GUID GUID_BULK_USB = {0x00873FDF, 0x61A8, 0x11D1, {0xAA, 0x5E, 0x00, 0xC0, 0x4F, 0xB1, 0x72, 0x8B}};
constexpr DWORD TEXT_BUFFER_BYTES = 512;
constexpr ULONG HID_STRING_BYTES = 520;
constexpr DWORD MAX_MEMBERS = 4096; // bound on member indexes that keep failing

// A registry or property text of at most TEXT_BUFFER_BYTES, cut at its first zero byte.
CString BoundedText(const BYTE* pData, DWORD cbData)
{
    DWORD cb = cbData < TEXT_BUFFER_BYTES ? cbData : TEXT_BUFFER_BYTES;
    DWORD n = 0;
    while (n < cb && pData[n] != 0)
        ++n;
    return CString(reinterpret_cast<const char*>(pData), static_cast<int>(n));
}

bool IsTextType(DWORD dwType)
{
    return dwType == REG_SZ || dwType == REG_EXPAND_SZ || dwType == REG_MULTI_SZ;
}

CString ReadPortName(HKEY hKey)
{
    BYTE abData[TEXT_BUFFER_BYTES] = {};
    DWORD cbData = sizeof(abData);
    DWORD dwType = 0;
    if (RegQueryValueExA(hKey, "PortName", nullptr, &dwType, abData, &cbData) != ERROR_SUCCESS ||
        !IsTextType(dwType))
        return CString();
    return BoundedText(abData, cbData);
}

bool ReadDeviceProperty(HDEVINFO hDevInfo, SP_DEVINFO_DATA& devInfo, DWORD dwProperty, CString& strOut)
{
    BYTE abData[TEXT_BUFFER_BYTES] = {};
    DWORD cbNeeded = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(hDevInfo, &devInfo, dwProperty, nullptr, abData, sizeof(abData),
                                           &cbNeeded))
        return false;
    strOut = BoundedText(abData, cbNeeded);
    return true;
}

CString WideToAnsi(const wchar_t* pszWide, size_t cchMax)
{
    size_t cch = 0;
    while (cch < cchMax && pszWide[cch] != 0)
        ++cch;
    if (cch == 0)
        return CString();
    int cb = WideCharToMultiByte(CP_ACP, 0, pszWide, static_cast<int>(cch), nullptr, 0, nullptr, nullptr);
    std::vector<char> ach(cb > 0 ? cb : 1);
    cb = WideCharToMultiByte(CP_ACP, 0, pszWide, static_cast<int>(cch), ach.data(), cb, nullptr, nullptr);
    return CString(ach.data(), cb > 0 ? cb : 0);
}

using HidStringReader = BOOLEAN(__stdcall*)(HANDLE, PVOID, ULONG);

CString ReadHidString(HANDLE hDevice, HidStringReader pfnRead)
{
    wchar_t awc[HID_STRING_BYTES / sizeof(wchar_t) + 1] = {};
    if (!pfnRead(hDevice, awc, HID_STRING_BYTES))
        return CString();
    return WideToAnsi(awc, HID_STRING_BYTES / sizeof(wchar_t));
}

CString ReadHidIndexedString(HANDLE hDevice, ULONG ulIndex)
{
    wchar_t awc[HID_STRING_BYTES / sizeof(wchar_t) + 1] = {};
    if (!HidD_GetIndexedString(hDevice, ulIndex, awc, HID_STRING_BYTES))
        return CString();
    return WideToAnsi(awc, HID_STRING_BYTES / sizeof(wchar_t));
}

// Calls fnMember(hDevInfo, devInfo, path, memberIndex) for every interface of the class with its detail.
template <class Fn> void ForEachInterface(HDEVINFO hDevInfo, const GUID& guidClass, Fn fnMember)
{
    for (DWORD i = 0; i < MAX_MEMBERS; ++i)
    {
        SP_DEVICE_INTERFACE_DATA ifData = {};
        ifData.cbSize = sizeof(ifData);
        if (!SetupDiEnumDeviceInterfaces(hDevInfo, nullptr, &guidClass, i, &ifData))
        {
            if (GetLastError() == ERROR_NO_MORE_ITEMS)
                return;
            continue;
        }
        DWORD cbDetail = 0;
        SetupDiGetDeviceInterfaceDetailA(hDevInfo, &ifData, nullptr, 0, &cbDetail, nullptr);
        if (cbDetail < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
            continue;
        std::vector<BYTE> abDetail(cbDetail + sizeof(char));
        auto* pDetail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(abDetail.data());
        pDetail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        SP_DEVINFO_DATA devInfo = {};
        devInfo.cbSize = sizeof(devInfo);
        if (!SetupDiGetDeviceInterfaceDetailA(hDevInfo, &ifData, pDetail, cbDetail, nullptr, &devInfo))
            continue;
        fnMember(hDevInfo, devInfo, CString(pDetail->DevicePath), i);
    }
}

void ReadSerialDeviceProperties(HDEVINFO hDevInfo, SP_DEVINFO_DATA& devInfo, CPortDetailsEx& entry)
{
    CString strText;
    if (ReadDeviceProperty(hDevInfo, devInfo, SPDRP_SERVICE, strText))
    {
        strText.MakeUpper();
        entry.m_uiKindFlags = SerialKindFlagsFromService(strText);
    }
    if (ReadDeviceProperty(hDevInfo, devInfo, SPDRP_FRIENDLYNAME, strText))
    {
        entry.m_strFriendlyName = strText;
        if (entry.m_strPortName.IsEmpty())
        {
            entry.m_strPortName = PortNameFromFriendlyName(strText);
            if (entry.m_strPortName.IsEmpty())
            {
                entry.m_strPortName = strText;
                entry.m_strDisplayKey = strText;
            }
        }
    }
    if (ReadDeviceProperty(hDevInfo, devInfo, SPDRP_DEVICEDESC, strText))
        entry.m_strDescription = strText;
    entry.m_strDevicePath =
        entry.m_strPortName.IsEmpty() ? entry.m_strInterfacePath : "\\\\.\\" + entry.m_strPortName;
}

void EnumerateSerialInterfaces(CPortDirectory& directory, const GUID& guidClass)
{
    HDEVINFO hDevInfo =
        SetupDiGetClassDevsA(&guidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (hDevInfo == INVALID_HANDLE_VALUE)
        return;
    ForEachInterface(hDevInfo, guidClass,
                     [&](HDEVINFO hInfo, SP_DEVINFO_DATA& devInfo, const CString& strPath, DWORD)
                     {
                         CString strPortName;
                         HKEY hKey = SetupDiOpenDevRegKey(hInfo, &devInfo, DICS_FLAG_GLOBAL, 0, DIREG_DEV,
                                                          KEY_QUERY_VALUE);
                         if (hKey != INVALID_HANDLE_VALUE)
                         {
                             strPortName = ReadPortName(hKey);
                             RegCloseKey(hKey);
                         }
                         if (directory.SetPresent(strPortName, true))
                             return; // known: found again
                         auto* pEntry = new CPortDetailsEx;
                         pEntry->m_strInterfacePath = strPath;
                         pEntry->m_strPortName = strPortName;
                         ReadSerialDeviceProperties(hInfo, devInfo, *pEntry);
                         pEntry->m_pfnFactory = &CPortCom::Create;
                         directory.AddPort(pEntry);
                     });
    SetupDiDestroyDeviceInfoList(hDevInfo);
}

void AddHidDevice(CPortDirectory& directory, const CString& strPath, int& iNoSerial)
{
    HANDLE hDevice = CreateFileA(strPath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_OVERLAPPED, nullptr);
    if (hDevice == INVALID_HANDLE_VALUE)
        return;
    auto pInfo = std::make_unique<CHidInfo>();
    if (pInfo->Init(hDevice))
    {
        pInfo->m_strProduct = ReadHidString(hDevice, HidD_GetProductString);
        if (pInfo->m_strProduct.IsEmpty())
            pInfo->m_strProduct = "Device";
        pInfo->m_strIndexedString2 = ReadHidIndexedString(hDevice, 2);
        pInfo->m_strInterfaceNumber = GetHidInterfaceNumber(strPath);
        pInfo->m_strSerialNumber = ReadHidString(hDevice, HidD_GetSerialNumberString);
        if (pInfo->m_strSerialNumber == "?")
            pInfo->m_strSerialNumber.Format("NoSerNum%i", iNoSerial++);
        PortFactory pfnFactory = ProbeHidPortKind(*pInfo);
        if (pfnFactory != nullptr)
        {
            pInfo->FreePreparsedData();
            auto* pEntry = new CPortDetailsEx;
            pEntry->m_strDisplayKey = pInfo->m_strDisplayName;
            pEntry->m_strDevicePath = strPath;
            pEntry->m_uiKindFlags = pInfo->m_uiKindBits | 6 | (pInfo->m_ucKindPending == 0 ? 0x400000 : 0);
            pEntry->m_pfnFactory = pfnFactory;
            pEntry->m_pOwned = pInfo.release();
            directory.AddPort(pEntry);
        }
    }
    CloseHandle(hDevice);
}
} // namespace

const GUID& GetComPortInterfaceGuid()
{
    return GUID_COMPORT;
}

const GUID& GetBulkUsbInterfaceGuid()
{
    return GUID_BULK_USB;
}

unsigned int SerialKindFlagsFromService(const CString& strService)
{
    static const struct
    {
        const char* pszService;
        unsigned int uiFlags;
    } s_aKinds[] = {{"HHPCDC", 0x400122}, {"MTLGPOS2", 0x822}, {"FTSER", 0x222},
                    {"SER2PL", 0x422},    {"OXSER", 0x1060},   {"SERIAL", 0x60}};
    for (const auto& kind : s_aKinds)
    {
        if (strService.Find(kind.pszService) >= 0)
            return kind.uiFlags;
    }
    return 0xA0;
}

CString PortNameFromFriendlyName(const CString& strFriendlyName)
{
    int iOpen = strFriendlyName.ReverseFind('(');
    int iClose = strFriendlyName.ReverseFind(')');
    if (iOpen < 0 || iClose <= iOpen)
        return CString();
    return strFriendlyName.Mid(iOpen + 1, iClose - iOpen - 1);
}

CString GetBulkInstanceId(const CString& strPath)
{
    int iFirst = strPath.Find('#');
    int iSecond = iFirst < 0 ? -1 : strPath.Find('#', iFirst + 1);
    int iEnd = iSecond < 0 ? -1 : strPath.Find("#{", iSecond + 1);
    if (iEnd < 0)
        return CString();
    return strPath.Mid(iSecond + 1, iEnd - iSecond - 1);
}

CString GetHidInterfaceNumber(const CString& strPath)
{
    CString strLower(strPath);
    strLower.MakeLower();
    int iPos = strLower.Find("&mi_");
    if (iPos <= 0)
        return CString();
    int iStart = iPos + 4;
    int iEnd = strLower.Find('#', iStart);
    return iEnd < 0 ? strLower.Mid(iStart) : strLower.Mid(iStart, iEnd - iStart);
}

PortFactory ProbeHidPortKind(CHidInfo& info)
{
    if (CPortHidCom::Probe(info))
        return &CPortHidCom::Create;
    if (CPortHidPos::Probe(info))
        return &CPortHidPos::Create;
    if (CPortHidSurePosSio::Probe(info))
        return &CPortHidSurePosSio::Create;
    if (CPortHidSurePosFlash::Probe(info))
        return &CPortHidSurePosFlash::Create;
    return nullptr;
}

// A serial port found again is present again, also after a removal marked it absent.
void EnumerateSerialPorts(CPortDirectory& directory)
{
    EnumerateSerialInterfaces(directory, GUID_COMPORT);
    EnumerateSerialInterfaces(directory, GUID_PORTS_CLASS);
    EnumerateSerialCommMap(directory);
}

// Ports found only here are ordinary COM ports too: they get the serial port class, not the null port.
void EnumerateSerialCommMap(CPortDirectory& directory)
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &hKey) !=
        ERROR_SUCCESS)
        return;
    for (DWORD i = 0; i < MAX_MEMBERS; ++i)
    {
        char achName[TEXT_BUFFER_BYTES] = {};
        BYTE abData[TEXT_BUFFER_BYTES] = {};
        DWORD cchName = sizeof(achName) - 1;
        DWORD cbData = sizeof(abData);
        DWORD dwType = 0;
        LONG lResult = RegEnumValueA(hKey, i, achName, &cchName, nullptr, &dwType, abData, &cbData);
        if (lResult == ERROR_NO_MORE_ITEMS)
            break;
        if (lResult != ERROR_SUCCESS || !IsTextType(dwType))
            continue;
        CString strPortName = BoundedText(abData, cbData);
        if (strPortName.IsEmpty() || directory.SetPresent(strPortName, true))
            continue;
        auto* pEntry = new CPortDetailsEx;
        pEntry->m_strPortName = strPortName;
        pEntry->m_strDescription =
            CString(achName, static_cast<int>(cchName < sizeof(achName) ? cchName : 0));
        pEntry->m_strDevicePath = "\\\\.\\" + strPortName;
        pEntry->m_uiKindFlags = 0x80A0;
        pEntry->m_pfnFactory = &CPortCom::Create;
        directory.AddPort(pEntry);
    }
    RegCloseKey(hKey);
}

bool EnumerateHidPorts(CPortDirectory& directory)
{
    GUID guidHid;
    HidD_GetHidGuid(&guidHid);
    HDEVINFO hDevInfo = SetupDiGetClassDevsExA(
        &guidHid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE, nullptr, nullptr, nullptr);
    if (hDevInfo == INVALID_HANDLE_VALUE)
        return false;
    int iNoSerial = 0;
    ForEachInterface(hDevInfo, guidHid,
                     [&](HDEVINFO, SP_DEVINFO_DATA&, const CString& strPath, DWORD)
                     { AddHidDevice(directory, strPath, iNoSerial); });
    SetupDiDestroyDeviceInfoList(hDevInfo);
    return true;
}

bool EnumerateBulkPorts(CPortDirectory& directory)
{
    HDEVINFO hDevInfo = SetupDiGetClassDevsExA(
        &GUID_BULK_USB, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE, nullptr, nullptr, nullptr);
    if (hDevInfo == INVALID_HANDLE_VALUE)
        return false;
    ForEachInterface(hDevInfo, GUID_BULK_USB,
                     [&](HDEVINFO hInfo, SP_DEVINFO_DATA& devInfo, const CString& strPath, DWORD dwIndex)
                     {
                         auto* pEntry = new CPortDetailsEx;
                         pEntry->m_strDevicePath = strPath;
                         CString strInstance = GetBulkInstanceId(strPath);
                         CString strService;
                         ReadDeviceProperty(hInfo, devInfo, SPDRP_SERVICE, strService);
                         strService.MakeUpper();
                         pEntry->m_uiKindFlags = strService.Find("BULKUSB") >= 0 ? 10 : 1;
                         if (!ReadDeviceProperty(hInfo, devInfo, SPDRP_DEVICEDESC, pEntry->m_strDescription))
                             pEntry->m_strDescription = "Unknown Bulk Device";
                         pEntry->m_strPortName.Format("Bulk%u", static_cast<unsigned>(dwIndex + 1));
                         if (!strInstance.IsEmpty())
                             pEntry->m_strDisplayKey = pEntry->m_strDescription + "  " + strInstance;
                         pEntry->m_pfnFactory = &CPortBulk::Create;
                         directory.AddPort(pEntry);
                     });
    SetupDiDestroyDeviceInfoList(hDevInfo);
    return true;
}

bool EnumerateAllPorts()
{
    CPortDirectory& directory = GetPortDirectory();
    EnumerateSerialPorts(directory);
    EnumerateHidPorts(directory);
    EnumerateBulkPorts(directory);
    return true;
}
