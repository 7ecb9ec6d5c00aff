// The diagnostic log: one text file per sensor (named by its serial number) in the folder
// "Tervane\Sensors" below the local application-data folder, to which each entry is appended: the
// system information at the start of a file, the start and end banners, a head line with the date,
// the serial number and the message, then the caller's text or a dump of the eight configuration
// blocks and the channel displays. A file longer than 1 MB is started anew. It keeps, for the program
// run, the serial number used last and whether the system information was repeated.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

struct BlockDescriptor;

struct DiagnosticLogEntry
{
    // The connected sensor's serial number; 0 takes the number used last.
    ULONG ulSerial = 0;
    // The message of the head line; without one it says that a sensor was connected.
    bool bHasMessage = false;
    CString strMessage;
    // The body; without one the block dump and the display state.
    bool bHasExtra = false;
    CString strExtra;
    const BlockDescriptor* pBlocks = nullptr;
    int nBlocks = 0;
    bool abChannelChecked[2] = {false, false};
    bool abPaneVisible[2] = {false, false};
    CString strDate;
    CString strTime;
    bool bStartBanner = false;
    bool bEndBanner = false;
    // The stored settings came from this program version.
    bool bSameVersion = true;
    CString strSystemInfo;
};

class CDiagnosticLog
{
public:
    // A file longer than this is started anew before the next entry.
    static constexpr ULONGLONG MAX_FILE_BYTES = 1048576;

    // Appends the entry to the sensor's file below strAppDataFolder; false when the file cannot be
    // opened or written.
    bool Write(const CString& strAppDataFolder, const DiagnosticLogEntry& entry);
    // The file of a serial number.
    static CString FilePath(const CString& strAppDataFolder, ULONG ulSerial);
    // The head line with the banners in front of it.
    static CString BuildHead(const DiagnosticLogEntry& entry, ULONG ulSerial);
    // The ruler, two lines per block and the two display blocks.
    static CString BuildDump(const DiagnosticLogEntry& entry);
    // "%2d|" of 0 to 9, four times: 120 characters, above the dump's byte columns.
    static CString Ruler();

    ULONG m_ulLastSerial = 1;
    bool m_bSystemInfoPending = true;

private:
    CString Separator(const DiagnosticLogEntry& entry, bool bFileEmpty);
};
