#include "framework/CWnd.h"
#include "framework/CWinApp.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <memory>

TEST(Profile, ValuesRoundTripThroughTheRegistry)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT_NE(pApp, nullptr);
    EXPECT_TRUE(pApp->WriteProfileInt("Language", "Language", 1000));
    EXPECT_TRUE(pApp->WriteProfileInt("Language", "Negative", -5));
    EXPECT_TRUE(pApp->WriteProfileString("DespiteReset", "Prefix", "Messung_\xE4"));
    const BYTE data[] = {0x00, 0x02, 0xFF, 0x10, 0x00};
    EXPECT_TRUE(
        pApp->WriteProfileBinary("AllViewState\\Configs", "Record", const_cast<BYTE*>(data), sizeof(data)));

    EXPECT_EQ(pApp->GetProfileInt("Language", "Language", 0), 1000u);
    EXPECT_EQ((int)pApp->GetProfileInt("Language", "Negative", 0), -5);
    EXPECT_EQ(pApp->GetProfileString("DespiteReset", "Prefix"), "Messung_\xE4");
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    ASSERT_TRUE(pApp->GetProfileBinary("AllViewState\\Configs", "Record", &pData, &nBytes));
    std::unique_ptr<BYTE[]> owner(pData);
    ASSERT_EQ(nBytes, sizeof(data));
    EXPECT_EQ(memcmp(pData, data, sizeof(data)), 0);

    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, CTestApp::GetProfilePath() + "\\AllViewState\\Configs", 0,
                              KEY_READ, &hKey),
              ERROR_SUCCESS);
    ::RegCloseKey(hKey);
}

TEST(Profile, MissingOrMistypedValuesGiveTheDefault)
{
    CWinApp* pApp = AfxGetApp();
    EXPECT_EQ(pApp->GetProfileInt("Nowhere", "Nothing", 17), 17u);
    EXPECT_EQ(pApp->GetProfileString("Nowhere", "Nothing", "dflt"), "dflt");
    LPBYTE pData = reinterpret_cast<LPBYTE>(1);
    UINT nBytes = 99;
    EXPECT_FALSE(pApp->GetProfileBinary("Nowhere", "Nothing", &pData, &nBytes));
    EXPECT_EQ(pData, nullptr);
    EXPECT_EQ(nBytes, 0u);

    pApp->WriteProfileString("Typed", "Number", "12");
    EXPECT_EQ(pApp->GetProfileInt("Typed", "Number", 3), 3u);
    EXPECT_FALSE(pApp->GetProfileBinary("Typed", "Number", &pData, &nBytes));
}

TEST(Profile, NullEntryDeletesTheSectionAndNullValueTheEntry)
{
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileString("ToDelete\\Sub", "A", "1");
    pApp->WriteProfileString("ToDelete", "B", "2");
    EXPECT_TRUE(pApp->WriteProfileString("ToDelete", "B", nullptr));
    EXPECT_EQ(pApp->GetProfileString("ToDelete", "B", "gone"), "gone");
    EXPECT_TRUE(pApp->WriteProfileString("ToDelete", nullptr, nullptr));
    EXPECT_EQ(pApp->GetProfileString("ToDelete\\Sub", "A", "gone"), "gone");
}

TEST(MsgBox, ScriptedAnswersAreReturnedAndTextsRecorded)
{
    ScriptedMessageBoxes boxes({IDNO, IDRETRY});
    EXPECT_EQ(AfxMessageBox("Erste Frage", MB_YESNO), IDNO);
    CWnd wnd;
    EXPECT_EQ(wnd.MessageBox("Zweite", "Titel", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(AfxMessageBox("Dritte"), IDOK);
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_EQ(boxes.Calls()[0].strText, "Erste Frage");
    EXPECT_EQ(boxes.Calls()[0].nType, (UINT)MB_YESNO);
    EXPECT_EQ(boxes.Calls()[1].strCaption, "Titel");
}

// Runs only as the second program started by the test below; it starts, clears its own profile and ends.
TEST(Profile, DISABLED_SecondProgram) {}

// Test programs run at once: one that starts clears its own profile, never another's.
TEST(Profile, AnotherTestProgramStartingLeavesThisProfileAlone)
{
    ASSERT_TRUE(AfxGetApp()->WriteProfileString("Language", "Kept", "yes"));
    char achPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, achPath, MAX_PATH);
    CString strCommand;
    strCommand.Format("\"%s\" --gtest_also_run_disabled_tests --gtest_filter=Profile.DISABLED_SecondProgram",
                      achPath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    ::SetEnvironmentVariableA("TQ5_TEST_PROFILE", "second");
    BOOL bStarted = ::CreateProcessA(nullptr, const_cast<LPSTR>(static_cast<LPCSTR>(strCommand)), nullptr,
                                     nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    ::SetEnvironmentVariableA("TQ5_TEST_PROFILE", nullptr);
    ASSERT_TRUE(bStarted);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    EXPECT_EQ(AfxGetApp()->GetProfileString("Language", "Kept"), "yes");
}
