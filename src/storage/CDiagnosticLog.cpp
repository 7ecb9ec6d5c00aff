#include "storage/CDiagnosticLog.h"

#include "framework/CFile.h"
#include "framework/CFileException.h"
#include "protocol/BlockDescriptor.h"
#include "shell/CEnvironment.h"
#include "shell/ProgramInfo.h"

namespace
{
const char* const START_BANNER = "\t*****************************\n\t* Anwendung wurde gestartet *\n"
                                 "\t*****************************\n\n";
const char* const END_BANNER = "\n\t*****************************\n\t* Anwendung wurde beendet   *\n"
                               "\t*****************************\n\n";

CString Repeat(char ch, int nCount)
{
    CString str;
    for (int i = 0; i < nCount; ++i)
        str += ch;
    return str;
}

CString DumpLine(const char* pszCheck, int iCheck, const CString& strName, const CString& strBytes,
                 const char* pszEmpty)
{
    CString strCheck;
    strCheck.Format("%s %d", pszCheck, iCheck);
    const CString strDump =
        strBytes == pszEmpty ? CString("leer") : CEnvironment::DumpString(strBytes, false, true, false);
    return CEnvironment::PadRight(strCheck, 20) + CEnvironment::PadRight(strName, 30) + strDump + "\n";
}
} // namespace

CString CDiagnosticLog::FilePath(const CString& strAppDataFolder, ULONG ulSerial)
{
    CString strName;
    strName.Format("%lu.txt", ulSerial);
    return strAppDataFolder + "\\Tervane\\Sensors\\" + strName;
}

CString CDiagnosticLog::Ruler()
{
    CString strRuler;
    for (int i = 0; i < 40; ++i)
        strRuler.AppendFormat("%2d|", i % 10);
    return strRuler;
}

CString CDiagnosticLog::BuildHead(const DiagnosticLogEntry& entry, ULONG ulSerial)
{
    CString strHead;
    if (entry.bStartBanner)
        strHead += Repeat('#', 77) + "\n\n" + START_BANNER;
    if (entry.bEndBanner)
        strHead += END_BANNER;
    CString strSerial;
    strSerial.Format("%lu", ulSerial);
    strHead += CString("TQ5 Version: ") + APPLICATION_VERSION + "  " + entry.strDate + " " + entry.strTime +
               "   Stator Serien Nr.: " + strSerial + "   \"" +
               (entry.bHasMessage ? entry.strMessage : CString("Sensor Verbunden")) + "\"\n" +
               Repeat('-', 69) + "\n";
    return strHead;
}

CString CDiagnosticLog::BuildDump(const DiagnosticLogEntry& entry)
{
    CString strDump = CEnvironment::PadRight("Byte-Index", 50) + Ruler() + "\n";
    for (int i = 0; i < entry.nBlocks; ++i)
    {
        const BlockDescriptor& block = entry.pBlocks[i];
        strDump += DumpLine("READ  CHECK", block.iReadCheck, block.strName, block.strRead, "leer READ");
        strDump += DumpLine("WRITE CHECK", block.iWriteCheck, block.strName, block.strWrite, "leer WRITE");
    }
    const auto mark = [](bool b) { return b ? "X" : " "; };
    strDump.AppendFormat("   Checkbox:\n---------\n\t\tKanal A: %s\n\t\tKanal B: %s\n",
                         mark(entry.abChannelChecked[0]), mark(entry.abChannelChecked[1]));
    strDump.AppendFormat("Messanzeige:\n---------\n\t\tKanal A: %s\n\t\tKanal B: %s\n",
                         mark(entry.abPaneVisible[0]), mark(entry.abPaneVisible[1]));
    return strDump;
}

CString CDiagnosticLog::Separator(const DiagnosticLogEntry& entry, bool bFileEmpty)
{
    if (bFileEmpty)
        return entry.strSystemInfo;
    if (entry.bSameVersion)
        return "\n\n";
    if (!m_bSystemInfoPending)
        return CString();
    m_bSystemInfoPending = false;
    return "\n\n" + entry.strSystemInfo;
}

bool CDiagnosticLog::Write(const CString& strAppDataFolder, const DiagnosticLogEntry& entry)
{
    if (entry.ulSerial != 0)
        m_ulLastSerial = entry.ulSerial;
    const ULONG ulSerial = m_ulLastSerial;
    // The maker's folder is made at start; only the sensors' folder below it may be missing.
    ::CreateDirectoryA(strAppDataFolder + "\\Tervane\\Sensors", nullptr);
    const CString strPath = FilePath(strAppDataFolder, ulSerial);
    constexpr UINT OPEN_FLAGS =
        CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareExclusive;
    CFile file;
    if (!file.Open(strPath, OPEN_FLAGS))
        return false;
    try
    {
        if (file.GetLength() > MAX_FILE_BYTES)
        {
            file.Close();
            if (!CEnvironment::RemoveFile(strPath) || !file.Open(strPath, OPEN_FLAGS))
                return false;
        }
        const bool bEmpty = file.SeekToEnd() == 0;
        const CString strHead = Separator(entry, bEmpty) + BuildHead(entry, ulSerial);
        file.Write(strHead.GetString(), static_cast<UINT>(strHead.GetLength()));
        const CString strBody = entry.bHasExtra ? entry.strExtra : BuildDump(entry);
        file.Write(strBody.GetString(), static_cast<UINT>(strBody.GetLength()));
        file.Close();
    }
    catch (CFileException* e)
    {
        e->Delete();
        file.Abort();
        return false;
    }
    return true;
}
