// Stored settings at the start of the program: records with wrong check sums, another program
// version, a bar layout naming a bar that does not exist, and "Reset Views".
#include "ProgramTestSupport.h"

#include "measurement/MeasureAdjustStruct.h"

#include <cstring>

namespace
{
constexpr UINT ID_VIEW_RESET = 10018;

bool ReadMeasureAdjust(MeasureAdjustStruct& record)
{
    std::vector<BYTE> data;
    if (!CProgramHarness::ReadBinary("DespiteReset", "MeasureAdjustStruct", data) ||
        data.size() != sizeof(record))
        return false;
    std::memcpy(&record, data.data(), sizeof(record));
    return true;
}

// The record, or its first nBytes.
bool WriteMeasureAdjust(const MeasureAdjustStruct& record, size_t nBytes = sizeof(MeasureAdjustStruct))
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&record);
    return CProgramHarness::WriteBinary("DespiteReset", "MeasureAdjustStruct",
                                        std::vector<BYTE>(p, p + nBytes));
}

} // namespace

// The page shown at the last exit comes back when the stored settings are this version's; a stored
// version that differs in any character brings the measure configuration forward.
TEST_F(ProgramTest, StoredPageComesBackUnlessAnotherVersionStoredIt)
{
    RunOnce();
    ASSERT_TRUE(CProgramHarness::WriteInt("AllViewState\\Configs", "ActivDisplayMenu", 138));
    HWND hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    EXPECT_EQ("Mess- und Diagrammmodus", ActivePageCaption(hFrame));
    ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();

    ASSERT_TRUE(CProgramHarness::WriteString("DespiteReset", "ApplicationVersion", "2.05 "));
    hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    EXPECT_EQ("Messeinstellungen", ActivePageCaption(hFrame));
    ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
    std::string strVersion;
    ASSERT_TRUE(CProgramHarness::ReadString("DespiteReset", "ApplicationVersion", strVersion));
    EXPECT_EQ("2.05", strVersion);
}

// A record with wrong sums, or one byte short, is not taken: the defaults come, the page is shown first,
// and the exit stores a whole record with its sums again.
TEST_F(ProgramTest, RecordWithWrongSumsOrLengthIsReplacedByItsDefaults)
{
    for (bool bShort : {false, true})
    {
        SCOPED_TRACE(bShort ? "207 bytes" : "wrong sums");
        RunOnce();
        MeasureAdjustStruct record = {};
        ASSERT_TRUE(ReadMeasureAdjust(record));
        ASSERT_TRUE(record.HasValidCheckSums()) << "the program stores the record with its sums";
        record.dStartValue = 5.0;
        record.dCount = 7.0;
        if (bShort)
            record.StoreCheckSums();
        ASSERT_TRUE(WriteMeasureAdjust(record, bShort ? sizeof(record) - 1 : sizeof(record)));
        ASSERT_TRUE(CProgramHarness::WriteInt("AllViewState\\Configs", "ActivDisplayMenu", 138));

        HWND hFrame = StartAndWaitForMainWindow();
        ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
        EXPECT_EQ("Messeinstellungen", ActivePageCaption(hFrame));
        ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
        ASSERT_TRUE(m_program.Close()) << m_program.LastError();

        ASSERT_TRUE(ReadMeasureAdjust(record));
        EXPECT_TRUE(record.HasValidCheckSums());
        EXPECT_EQ(208, record.iSizeOfStruct);
        EXPECT_EQ(0.0, record.dStartValue);
        EXPECT_EQ(1.0, record.dCount);
        EXPECT_EQ(1.0, record.dDuration);
    }
}

// After an exit the measurands of the pass/fail conditions are stored as indexes, "-1" for none; an
// index out of range reads as none.
TEST_F(ProgramTest, MeasurandIndexesAreStoredAndRangeCheckedWhenRead)
{
    RunOnce();
    std::string strIndex;
    for (const char* pszValue : {"IndexOfLimitedMeasurand_1", "IndexOfLimitedMeasurand_2"})
    {
        ASSERT_TRUE(CProgramHarness::ReadString("DespiteReset", pszValue, strIndex)) << pszValue;
        EXPECT_EQ("-1", strIndex) << pszValue;
    }
    ASSERT_TRUE(CProgramHarness::WriteString("DespiteReset", "IndexOfLimitedMeasurand_1", "0"));
    ASSERT_TRUE(CProgramHarness::WriteString("DespiteReset", "IndexOfLimitedMeasurand_2", "999999"));
    RunOnce();
    ASSERT_TRUE(CProgramHarness::ReadString("DespiteReset", "IndexOfLimitedMeasurand_1", strIndex));
    EXPECT_EQ("0", strIndex);
    ASSERT_TRUE(CProgramHarness::ReadString("DespiteReset", "IndexOfLimitedMeasurand_2", strIndex));
    EXPECT_EQ("-1", strIndex);
}

// A stored layout that names a bar the frame does not have is dropped; the program starts with the
// default layout and stores its own at exit.
TEST_F(ProgramTest, BarLayoutNamingAMissingBarIsDiscarded)
{
    RunOnce();
    const std::string strBar0 = "AllViewState\\BarState\\ViewBar-Bar0";
    ASSERT_TRUE(CProgramHarness::KeyExists(strBar0));
    ASSERT_TRUE(CProgramHarness::WriteInt(strBar0, "BarID", 999));
    ASSERT_TRUE(CProgramHarness::WriteInt(strBar0, "Floating", 0));

    HWND hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;
    ASSERT_TRUE(WaitForConnected(hFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
    DWORD dwBarId = 0;
    ASSERT_TRUE(CProgramHarness::ReadInt(strBar0, "BarID", dwBarId));
    EXPECT_NE(999u, dwBarId);
}

TEST_F(ProgramTest, ResetViewsDeletesTheViewStateAndRestartsTheProgram)
{
    RunOnce();
    HWND hFrame = StartAndWaitForMainWindow();
    ASSERT_TRUE(hFrame) << m_program.LastError() << "; " << m_strStartUpState;

    // Cancel changes nothing.
    ASSERT_TRUE(m_program.PostCommand(hFrame, ID_VIEW_RESET)) << m_program.LastError();
    HWND hBox = m_program.WaitForMessageBox();
    ASSERT_TRUE(hBox) << m_program.LastError();
    EXPECT_EQ(0u, m_program.MessageBoxText(hBox).find("Möchten Sie wirklich alle Fenster"));
    ASSERT_TRUE(m_program.AnswerMessageBox(hBox, IDCANCEL)) << m_program.LastError();
    EXPECT_TRUE(m_program.IsRunning());
    EXPECT_TRUE(CProgramHarness::KeyExists("AllViewState\\Configs\\WindowPos"));

    ASSERT_TRUE(m_program.PostCommand(hFrame, ID_VIEW_RESET)) << m_program.LastError();
    hBox = m_program.WaitForMessageBox();
    ASSERT_TRUE(hBox) << m_program.LastError();
    ASSERT_TRUE(m_program.AnswerMessageBox(hBox, IDOK)) << m_program.LastError();
    const DWORD dwOldProcess = m_program.ProcessId();
    ASSERT_TRUE(m_program.WaitForExit()) << m_program.LastError();

    // The exit after the reset wrote no window placement and no bar layout; the rest survives.
    EXPECT_FALSE(CProgramHarness::KeyExists("AllViewState\\Configs\\WindowPos"));
    EXPECT_FALSE(CProgramHarness::KeyExists("AllViewState\\BarState"));
    DWORD dwValue = 0;
    EXPECT_TRUE(CProgramHarness::ReadInt("AllViewState\\Configs", "ActivDisplayMenu", dwValue));
    EXPECT_TRUE(CProgramHarness::ReadInt("AllViewState\\Configs\\TreeState", "CheckState_0", dwValue));
    std::string strVersion;
    EXPECT_TRUE(CProgramHarness::ReadString("DespiteReset", "ApplicationVersion", strVersion));
    EXPECT_TRUE(CProgramHarness::ReadInt("DespiteReset", "IsRegResetedFromView", dwValue));
    EXPECT_EQ(1u, dwValue);

    // The new instance went on once the old one had ended.
    ASSERT_TRUE(m_program.AttachToOtherInstance()) << m_program.LastError();
    EXPECT_NE(dwOldProcess, m_program.ProcessId());
    HWND hNewFrame = WaitForMainWindow();
    ASSERT_TRUE(hNewFrame) << m_program.LastError() << "; " << m_strStartUpState;
    ASSERT_TRUE(WaitForConnected(hNewFrame)) << m_program.LastError();
    ASSERT_TRUE(m_program.Close()) << m_program.LastError();
    EXPECT_TRUE(CProgramHarness::KeyExists("AllViewState\\Configs\\WindowPos"));
}
