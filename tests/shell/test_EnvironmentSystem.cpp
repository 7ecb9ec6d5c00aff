// System information: language, locale, Windows version, environment variables, folders, the text.
#include "shell/CEnvironment.h"

#include "FakeEnvironmentSource.h"
#include "framework/CWinApp.h"
#include "support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdlib>

TEST(Language, WindowsUserLanguageGivesNameCodeAndOffset)
{
    struct Case
    {
        LANGID id;
        const char* pszName;
        const char* pszCode;
        int iOffset;
        bool bKnown;
    };
    const Case cases[] = {
        {0x0407, "German (Standard)", "de", 0, true},
        {0x0C07, "German (Austria)", "de", 0, true},
        {0x0409, "English (United States)", "en", 1000, true},
        {0x3409, "Windows 98/Me, Windows 2000/XP: English (Philippines)", "en", 1000, true},
        {0x040C, "French (Standard)", "fr", 2000, true},
        {0x180C, "Windows 98/Me, Windows 2000/XP: French (Monaco)", "fr", 2000, true},
        // Spanish has its own offset here; the frame's language setter turns 3000 into English.
        {0x0C0A, "Spanish (Spain, Modern Sort)", "es", 3000, true},
        {0x500A, "Spanish (Puerto Rico)", "es", 3000, true},
        {0x0000, "Language Neutral", "en", 1000, true},
        {0x0410, "english (default)", "en", 1000, false}, // Italian
        {0x0411, "english (default)", "en", 1000, false}, // Japanese
    };
    for (const Case& c : cases)
    {
        CString strName, strCode;
        int iOffset = -1;
        EXPECT_EQ(CEnvironment::GetLanguageInfo(c.id, strName, strCode, iOffset), c.bKnown) << c.id;
        EXPECT_EQ(strName, c.pszName) << c.id;
        EXPECT_EQ(strCode, c.pszCode) << c.id;
        EXPECT_EQ(iOffset, c.iOffset) << c.id;
    }
}

TEST(Language, CollectedFromTheUserLanguageAndLocale)
{
    struct Case
    {
        LANGID id;
        const char* pszDecimal;
        const char* pszList;
        int iOffset;
        int iDecId;
        int iColId;
    };
    const Case cases[] = {
        {0x0407, ",", ";", 0, 0, 1},    {0x0409, ".", ",", 1000, 1, 2}, {0x040C, ",", ";", 2000, 0, 1},
        {0x0C0A, ",", ";", 3000, 0, 1}, {0x0416, ",", "", 1000, 0, -1}, // no list separator text
    };
    for (const Case& c : cases)
    {
        FakeEnvironmentSource fake;
        fake.m_langId = c.id;
        fake.m_locale[LOCALE_SDECIMAL] = c.pszDecimal;
        fake.m_locale[LOCALE_SLIST] = c.pszList;
        CEnvironment env;
        env.SetDecimalSeparatorIds(0, 1);
        env.SetColumnSeparatorIds(0, 1, 2, 3, 4);
        env.CollectSystemInfo(nullptr, nullptr);
        EXPECT_EQ(env.m_sEnvReg.langidSysLanguage, c.id);
        EXPECT_EQ(env.m_sEnvReg.iSysLanguageOffset, c.iOffset) << c.id;
        EXPECT_EQ(env.m_sEnvReg.strLocaleDecimalSeparator, c.pszDecimal);
        EXPECT_EQ(env.m_sEnvReg.strLocaleColumnSeparator, c.pszList);
        EXPECT_EQ(env.m_sEnvReg.iIdOfDecSep, c.iDecId) << c.id;
        EXPECT_EQ(env.m_sEnvReg.iIdOfColSep, c.iColId) << c.id;
    }
}

// Reads the machine's locale, which the test session pins through LANG.
TEST(RealLocale, SeparatorsAndLanguageOfThePinnedLocale)
{
    const char* pszLang = std::getenv("LANG");
    const CString strLang = pszLang ? pszLang : "";
    CEnvironment env;
    env.SetDecimalSeparatorIds(0, 1);
    env.SetColumnSeparatorIds(0, 1, 2, 3, 4);
    env.CollectSystemInfo(nullptr, nullptr);
    if (strLang.Find("en_US") == 0)
    {
        EXPECT_EQ(env.m_sEnvReg.langidSysLanguage, 0x0409);
        EXPECT_EQ(env.m_sEnvReg.iSysLanguageOffset, 1000);
        EXPECT_EQ(env.m_sEnvReg.strLocaleDecimalSeparator, ".");
        EXPECT_EQ(env.m_sEnvReg.strLocaleColumnSeparator, ",");
        EXPECT_EQ(env.m_sEnvReg.iIdOfDecSep, 1);
        EXPECT_EQ(env.m_sEnvReg.iIdOfColSep, 2);
        return;
    }
    ASSERT_EQ(strLang.Find("de_DE"), 0) << "the session pins German unless told otherwise";
    EXPECT_EQ(env.m_sEnvReg.langidSysLanguage, 0x0407);
    EXPECT_EQ(env.m_sEnvReg.strLanguageName, "German (Standard)");
    EXPECT_EQ(env.m_sEnvReg.iSysLanguageOffset, 0);
    EXPECT_EQ(env.m_sEnvReg.strLocaleDecimalSeparator, ",");
    EXPECT_EQ(env.m_sEnvReg.strLocaleColumnSeparator, ";");
    EXPECT_EQ(env.m_sEnvReg.iIdOfDecSep, 0);
    EXPECT_EQ(env.m_sEnvReg.iIdOfColSep, 1);
}

TEST(OsVersion, TextAndCodesFromTheVersionFacts)
{
    struct Case
    {
        DWORD dwMajor, dwMinor, dwBuild;
        BYTE wProductType;
        WORD wSuite;
        WORD wArch;
        DWORD dwEdition;
        bool bR2;
        const char* pszServicePack;
        const char* pszText;
        int iCode, iSp, iProc;
    };
    const WORD x64 = PROCESSOR_ARCHITECTURE_AMD64, x86 = PROCESSOR_ARCHITECTURE_INTEL;
    const Case cases[] = {
        {6, 1, 7601, VER_NT_WORKSTATION, 0, x64, 48, false, "Service Pack 1",
         "Microsoft Windows 7 Professional, 64-bit Service Pack 1 (build 7601)", 1, 1, 2},
        {6, 0, 6002, VER_NT_WORKSTATION, 0, x86, 3, false, "Service Pack 2",
         "Microsoft Windows Vista Home Premium Edition, 32-bit Service Pack 2 (build 6002)", 3, 2, 1},
        {6, 1, 7600, VER_NT_SERVER, 0, x64, 8, false, "",
         "Microsoft Windows Server 2008 R2 Datacenter Edition, 64-bit (build 7600)", 2, 0, 2},
        {6, 2, 9200, VER_NT_WORKSTATION, 0, x64, 99, false, "", "Microsoft , 64-bit (build 9200)", 0, 0, 2},
        {5, 1, 2600, VER_NT_WORKSTATION, VER_SUITE_PERSONAL, x86, 0, false, "Service Pack 3",
         "Microsoft Windows XP Home Edition Service Pack 3 (build 2600)", 10, 3, 1},
        {5, 2, 3790, VER_NT_SERVER, VER_SUITE_ENTERPRISE, x86, 0, true, "",
         "Microsoft Windows Server 2003 R2, Enterprise Edition (build 3790)", 5, 0, 1},
        {5, 2, 3790, VER_NT_SERVER, VER_SUITE_ENTERPRISE, x64, 0, false, "",
         "Microsoft Windows Server 2003,  (build 3790)", 7, 0, 2},
        {5, 2, 3790, VER_NT_WORKSTATION, 0, x64, 0, false, "",
         "Microsoft Windows XP Professional x64 Edition (build 3790)", 8, 0, 2},
        {5, 0, 2195, VER_NT_SERVER, VER_SUITE_DATACENTER, x86, 0, false, "Service Pack 4",
         "Microsoft Windows 2000 Datacenter Server Service Pack 4 (build 2195)", 14, 4, 1},
    };
    for (const Case& c : cases)
    {
        FakeEnvironmentSource fake;
        EnvOsFacts f;
        f.dwMajorVersion = c.dwMajor;
        f.dwMinorVersion = c.dwMinor;
        f.dwBuildNumber = c.dwBuild;
        f.dwPlatformId = VER_PLATFORM_WIN32_NT;
        f.wProductType = c.wProductType;
        f.wSuiteMask = c.wSuite;
        f.wProcessorArchitecture = c.wArch;
        f.dwEditionType = c.dwEdition;
        f.bServerR2 = c.bR2;
        f.strServicePack = c.pszServicePack;
        f.dwNumberOfProcessors = 4;
        fake.m_osFacts = f;
        CEnvironment env;
        EXPECT_TRUE(env.GetOsVersionText());
        EXPECT_EQ(env.m_sEnvReg.strVersionOS, c.pszText);
        EXPECT_EQ(env.m_sEnvReg.iVersionOS, c.iCode) << c.pszText;
        EXPECT_EQ(env.m_sEnvReg.iServicePackOS, c.iSp) << c.pszText;
        EXPECT_EQ(env.m_sEnvReg.iVersionOSProc, c.iProc) << c.pszText;
        EXPECT_EQ(env.m_sEnvReg.iNumberOfProcessors, 4);
    }

    FakeEnvironmentSource fake;
    EnvOsFacts nt4;
    nt4.dwMajorVersion = 4;
    nt4.dwPlatformId = VER_PLATFORM_WIN32_NT;
    fake.m_osFacts = nt4;
    CEnvironment env;
    EXPECT_FALSE(env.GetOsVersionText());
    EXPECT_EQ(env.m_sEnvReg.strVersionOS, "This sample does not support this version of Windows.\n");
    EXPECT_EQ(env.m_sEnvReg.iVersionOS, 0);
}

TEST(OsVersion, RealSystemGivesAVersionText)
{
    CEnvironment env;
    EXPECT_TRUE(env.GetOsVersionText());
    EXPECT_EQ(env.m_sEnvReg.strVersionOS.Find("Microsoft "), 0);
    EXPECT_GT(env.m_sEnvReg.iNumberOfProcessors, 0);
}

TEST(EnvironmentVariables, TrimmedLowerCasedOrNotAvailable)
{
    FakeEnvironmentSource fake;
    fake.m_env["USERNAME"] = CString("  Anna Meier\t");
    fake.m_env["COMPUTERNAME"] = std::nullopt;
    fake.m_env["USERDOMAIN"] = CString("WERK-Süd");
    fake.m_env["LOGONSERVER"] = std::nullopt;
    fake.m_env["HOMEPATH"] = CString("\\Users\\Anna");
    EXPECT_EQ(CEnvironment::GetEnvUserName(), "anna meier");
    EXPECT_EQ(CEnvironment::GetEnvComputerName(), "COMPUTERNAME n.a.");
    EXPECT_EQ(CEnvironment::GetEnvDomainName(), "werk-süd");
    EXPECT_EQ(CEnvironment::GetEnvLogonServer(), "LOGONSERVER n.a.");
    EXPECT_EQ(CEnvironment::GetEnvHomePath(), "\\users\\anna");
}

TEST(SystemInfo, TextListsTheCollectedValues)
{
    FakeEnvironmentSource fake;
    fake.SetMonitors({CRect(0, 0, 1920, 1080), CRect(1920, 0, 3200, 1024)}, CRect(0, 0, 1920, 1040));
    fake.m_langId = 0x0407;
    fake.m_locale[LOCALE_SDECIMAL] = ",";
    fake.m_locale[LOCALE_SLIST] = ";";
    fake.m_env["USERNAME"] = CString("Tester");
    fake.m_folders[CSIDL_LOCAL_APPDATA] = "C:\\users\\tester\\AppData\\Local";
    fake.m_folders[CSIDL_PERSONAL] = "C:\\users\\tester\\Documents";
    CEnvironment env;
    env.SetDecimalSeparatorIds(0, 1);
    env.SetColumnSeparatorIds(0, 1, 2, 3, 4);
    env.CollectSystemInfo(nullptr, nullptr);

    const EnvRegStruct& r = env.m_sEnvReg;
    EXPECT_EQ(r.iNumberOfMonitors, 2);
    EXPECT_EQ(r.rectSystemScreen[1], CRect(1920, 0, 3200, 1024));
    EXPECT_EQ(r.rectVirtualScreen, CRect(0, 0, 3200, 1024));
    EXPECT_EQ(r.rectVirtualWorkArea, CRect(0, 0, 3200, 1024));
    EXPECT_EQ(r.iWorkArea, 0);
    EXPECT_EQ(env.m_strPathUserNameOwnFiles, "C:\\users\\tester\\Documents");

    const CString& t = env.m_strSystemInfo;
    const CString strDash = CString("\t\t") + CString('-', 148) + "\n";
    EXPECT_EQ(t.Find(strDash + "\t\tSystem Informationen\n" + strDash), 0);
    const char* const lines[] = {
        "\t\tm_sEnvReg.iNumberOfMonitors\t\t= 2\n",
        "\t\tm_sEnvReg.rectSystemScreen[1]\t\t= (1920|   0|1280|1024)\n",
        "\t\tm_sEnvReg.rectWorkArea\t\t\t= (   0|   0|1920|1040)\n",
        "\t\tm_sEnvReg.strUserName\t\t\t= tester\n",
        "\t\tm_sEnvReg.langidSysLanguage\t\t= 1031 | German (Standard)\n",
        "\t\tm_sEnvReg.rectVirtualScreen\t\t\t= (   0|   0|3200|1024)\n",
        "\n\n\t\tm_sEnvReg.strLocaleDecimalSeparator\t\t= ','\n\t\tm_sEnvReg.iIdOfDecSep \t\t\t= 0\n",
        "\t\tm_sEnvReg.strLocaleColumnSeparator\t\t= ';'\n\t\tm_sEnvReg.iIdOfColSep \t\t\t= 1\n\n\n",
        "\t\tm_strPathUserNameAppdataLocalTemp\t\t= C:\\users\\tester\\AppData\\Local\n",
    };
    for (const char* pszLine : lines)
        EXPECT_GE(t.Find(pszLine), 0) << pszLine;
    EXPECT_EQ(t.Right(strDash.GetLength() + 2), "\n" + strDash + "\n");

    // Collecting again replaces the text.
    const int nLength = t.GetLength();
    env.CollectSystemInfo(nullptr, nullptr);
    EXPECT_EQ(env.m_strSystemInfo.GetLength(), nLength);
}

TEST(SystemInfo, SavedUnderTheProfile)
{
    FakeEnvironmentSource fake;
    fake.SetMonitors({CRect(0, 0, 1920, 1080), CRect(1920, 0, 3200, 1024)}, CRect(0, 0, 1920, 1040));
    fake.m_langId = 0x040C;
    fake.m_env["USERNAME"] = CString("Tester");
    CWinApp* pApp = AfxGetApp();
    CEnvironment env;
    env.CollectSystemInfo(nullptr, nullptr);
    env.m_sEnvReg.bIsRegResetedFromView = 1;
    EXPECT_EQ(env.SaveSystemInfo(nullptr, pApp), 1);

    const char* const pszSection = "AllViewState\\Configs\\SystemInfo";
    EXPECT_EQ((int)pApp->GetProfileInt("DespiteReset", "IsRegResetedFromView", -1), 1);
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "Monitor_WorkArea_CY", -1), 1040);
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "WinUser_Sprach_ID", -1), 0x040C);
    EXPECT_EQ(pApp->GetProfileString(pszSection, "WinUser_Sprach_Str_F"), "French (Standard)");
    EXPECT_EQ(pApp->GetProfileString(pszSection, "WinUser_Sprach_Str_S"), "fr");
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "WinUser_Sprach_App_SUM", -1), 2000);
    EXPECT_EQ(pApp->GetProfileString(pszSection, "SystemEnvBenutzer"), "tester");
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "Monitor_Anzahl", -1), 2);
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "Monitor_1__X", -1), 1920);
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "Monitor_1_CX", -1), 1280);
    EXPECT_EQ((int)pApp->GetProfileInt(pszSection, "Monitor_1_CY", -1), 1024);
}

TEST(Folders, ApplicationFolderAndLocalAppData)
{
    CEnvironment env;
    CString strFolder;
    ASSERT_TRUE(env.GetApplicationFolder(strFolder));
    EXPECT_NE(strFolder.Right(1), "\\");
    EXPECT_EQ(env.m_strPathApplicationWhereExecuted, strFolder);
    char szModule[MAX_PATH];
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    EXPECT_EQ(CString(szModule).Left(strFolder.GetLength() + 1), strFolder + "\\");

    CString strLocal;
    ASSERT_TRUE(env.GetLocalAppDataPath(nullptr, strLocal));
    EXPECT_EQ(env.m_strPathUserNameAppdataLocalTemp, strLocal);
    CString strDocs;
    EXPECT_TRUE(env.GetPersonalFolderPath(nullptr, strDocs));

    ScriptedMessageBoxes boxes;
    const CString strMade = env.CreateLocalAppDataFolder(nullptr, "TQ5TestFolder");
    EXPECT_EQ(strMade, strLocal + "\\TQ5TestFolder");
    EXPECT_NE(::GetFileAttributesA(strMade), INVALID_FILE_ATTRIBUTES);
    // Existing already: the same path, no message.
    EXPECT_EQ(env.CreateLocalAppDataFolder(nullptr, "TQ5TestFolder"), strMade);
    EXPECT_TRUE(boxes.Calls().empty());
    ::RemoveDirectoryA(strMade);
}

TEST(Folders, FolderThatCannotBeCreatedGivesAMessageAndTheBase)
{
    FakeEnvironmentSource fake;
    {
        fake.m_folders[CSIDL_LOCAL_APPDATA] = "C:\\no_such_parent_tq5\\deeper";
        ScriptedMessageBoxes boxes;
        CEnvironment env;
        EXPECT_EQ(env.CreateLocalAppDataFolder(nullptr, "Tervane"), "C:\\no_such_parent_tq5\\deeper");
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].strText, "Error: 84866 Path could not be found!");
    }
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        CString strBase(szTemp);
        strBase.TrimRight('\\');
        fake.m_folders[CSIDL_LOCAL_APPDATA] = strBase;
        ScriptedMessageBoxes boxes;
        CEnvironment env;
        EXPECT_EQ(env.CreateLocalAppDataFolder(nullptr, "bad|name"), strBase);
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].strText, "Error: 84833 SE Path could not be found!");
    }
    {
        // Unknown application-data folder: nothing is created at the drive's root.
        fake.m_folders[CSIDL_LOCAL_APPDATA] = "";
        ScriptedMessageBoxes boxes;
        CEnvironment env;
        EXPECT_EQ(env.CreateLocalAppDataFolder(nullptr, "TQ5TestRoot"), "");
        EXPECT_EQ(::GetFileAttributesA("\\TQ5TestRoot"), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(boxes.Calls().size(), 1u);
    }
}
