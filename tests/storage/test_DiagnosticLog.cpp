// The diagnostic log in a folder of its own: the first entry of a file, later entries, the size limit,
// the serial number used last, the end banner and the block dump.
#include "storage/CDiagnosticLog.h"

#include "protocol/BlockDescriptor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace
{
class DiagnosticLog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strFolder = CString(szTemp) + "tq5_log_test";
        for (const char* pszPart : {"", "\\Tervane"})
            ::CreateDirectoryA(m_strFolder + pszPart, nullptr);
        ::DeleteFileA(CDiagnosticLog::FilePath(m_strFolder, 1));
        ::DeleteFileA(CDiagnosticLog::FilePath(m_strFolder, 4711));
        m_blocks[0].strName = "Stator Header";
        m_blocks[0].strRead = CString("\x01\xAB", 2);
        m_blocks[0].iReadCheck = 0;
        m_blocks[1].strName = "Stator Hardware";
        m_entry.strDate = "01.02.2024";
        m_entry.strTime = "10:11:12 Uhr";
        m_entry.strSystemInfo = "\t\tSystem Informationen\nOS\n";
        m_entry.pBlocks = m_blocks;
        m_entry.nBlocks = 2;
        m_entry.abChannelChecked[0] = true;
        m_entry.abPaneVisible[1] = true;
    }
    std::string Read(ULONG ulSerial)
    {
        std::ifstream in(CDiagnosticLog::FilePath(m_strFolder, ulSerial).GetString(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Fill(ULONG ulSerial, size_t nBytes)
    {
        std::ofstream out(CDiagnosticLog::FilePath(m_strFolder, ulSerial).GetString(), std::ios::binary);
        out << std::string(nBytes, 'x');
    }

    CString m_strFolder;
    BlockDescriptor m_blocks[2];
    DiagnosticLogEntry m_entry;
    CDiagnosticLog m_log;
};

TEST_F(DiagnosticLog, FirstEntryHasSystemInfoBannerHeadRulerAndDump)
{
    m_entry.bStartBanner = true;
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    const std::string strRuler =
        " 0| 1| 2| 3| 4| 5| 6| 7| 8| 9| 0| 1| 2| 3| 4| 5| 6| 7| 8| 9| 0| 1| 2| 3| 4| 5| 6| 7| 8| 9|"
        " 0| 1| 2| 3| 4| 5| 6| 7| 8| 9|";
    ASSERT_EQ(strRuler.size(), 120u);
    const std::string strExpected =
        "\t\tSystem Informationen\nOS\n" + std::string(77, '#') +
        "\n\n\t*****************************\n\t* Anwendung wurde gestartet "
        "*\n\t*****************************\n\n"
        "TQ5 Version: 2.05  01.02.2024 10:11:12 Uhr   Stator Serien Nr.: 1   \"Sensor Verbunden\"\n" +
        std::string(69, '-') + "\n" + "Byte-Index" + std::string(40, ' ') + strRuler + "\n" +
        "READ  CHECK 0       Stator Header                  1|ab|\n" +
        "WRITE CHECK -3      Stator Header                 leer\n" +
        "READ  CHECK -2      Stator Hardware               leer\n" +
        "WRITE CHECK -3      Stator Hardware               leer\n" +
        "   Checkbox:\n---------\n\t\tKanal A: X\n\t\tKanal B:  \n"
        "Messanzeige:\n---------\n\t\tKanal A:  \n\t\tKanal B: X\n";
    EXPECT_EQ(Read(1), strExpected);
    // A dump's byte columns start at character 51, under the ruler.
    EXPECT_EQ(strExpected.find(" 1|ab|") - strExpected.find("READ  CHECK 0"), 50u);
}

TEST_F(DiagnosticLog, LaterEntriesAndTheEndBanner)
{
    m_entry.bHasExtra = true;
    m_entry.strExtra = "extra\n";
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    m_entry.bEndBanner = true;
    m_entry.bHasMessage = true;
    m_entry.strMessage = "OnCloseApp()";
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    const std::string strText = Read(1);
    EXPECT_NE(strText.find("extra\n\n\n\n\t*****************************\n\t* Anwendung wurde beendet   *\n"),
              std::string::npos)
        << strText;
    EXPECT_NE(strText.find("Nr.: 1   \"OnCloseApp()\"\n"), std::string::npos);
    EXPECT_EQ(strText.find("Anwendung wurde gestartet"), std::string::npos);
}

// A new sensor's number is used from then on, also by entries without one.
TEST_F(DiagnosticLog, SerialNumberUsedLast)
{
    m_entry.ulSerial = 4711;
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    m_entry.ulSerial = 0;
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    EXPECT_TRUE(Read(1).empty());
    const std::string strText = Read(4711);
    EXPECT_EQ(strText.find("\t\tSystem Informationen"), 0u);
    EXPECT_NE(strText.find("\n\nTQ5 Version"), std::string::npos) << "the second entry";
}

TEST_F(DiagnosticLog, FileBeyondOneMegabyteIsStartedAnew)
{
    Fill(1, CDiagnosticLog::MAX_FILE_BYTES);
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    std::string strText = Read(1);
    EXPECT_EQ(strText.substr(CDiagnosticLog::MAX_FILE_BYTES, 4), "\n\nTQ");
    Fill(1, CDiagnosticLog::MAX_FILE_BYTES + 1);
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    strText = Read(1);
    EXPECT_EQ(strText.find("\t\tSystem Informationen"), 0u);
    EXPECT_LT(strText.size(), 2000u);
}

// With settings of another program version the system information is repeated once per run.
TEST_F(DiagnosticLog, OtherVersionRepeatsTheSystemInfoOnce)
{
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    m_entry.bSameVersion = false;
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    ASSERT_TRUE(m_log.Write(m_strFolder, m_entry));
    const std::string strText = Read(1);
    size_t nCount = 0;
    for (size_t n = strText.find("System Informationen"); n != std::string::npos;
         n = strText.find("System Informationen", n + 1))
        ++nCount;
    EXPECT_EQ(nCount, 2u);
}
} // namespace
