// Enumeration of the machine's serial, HID and bulk-USB ports into the port directory.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"
#include "ports/PortTypes.h"

class CHidInfo;
class CPortDirectory;

// The refresh: serial, HID and bulk passes into the process-wide directory; always true.
bool EnumerateAllPorts();

void EnumerateSerialPorts(CPortDirectory& directory);
void EnumerateSerialCommMap(CPortDirectory& directory);
bool EnumerateHidPorts(CPortDirectory& directory);
bool EnumerateBulkPorts(CPortDirectory& directory);

const GUID& GetComPortInterfaceGuid();
const GUID& GetBulkUsbInterfaceGuid();

// Parsing steps of the passes.
unsigned int SerialKindFlagsFromService(const CString& strService);
CString PortNameFromFriendlyName(const CString& strFriendlyName);
CString GetBulkInstanceId(const CString& strPath);
CString GetHidInterfaceNumber(const CString& strPath);
PortFactory ProbeHidPortKind(CHidInfo& info);
