#include "shell/CEnvironment.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "protocol/Language.h"
#include "shell/CEnvironmentSource.h"

#include <shlobj.h>

namespace
{
constexpr const char* MARKER_0 = "649671726937360450STR_FIRST_TIME_OF_APP_0";
constexpr const char* MARKER_1 = "666666176937360451STR_FIRST_TIME_OF_APP_1";
constexpr const char* MARKER_2 = "649671726937360452STR_FIRST_TIME_OF_APP_2";
constexpr const char* MARKER_3 = "649671726937360453STR_FIRST_TIME_OF_APP_3";
constexpr const char* MARKER_DONE = "\"Hello World!\"STR_FIRST_T_NO_ITS_NOT";

struct LanguageEntry
{
    WORD wId;
    const char* pszName;
    const char* pszCode;
    int iOffset;
};

const LanguageEntry s_languages[] = {
    {1031, "German (Standard)", "de", LANGUAGE_GERMAN},
    {2055, "German (Switzerland)", "de", LANGUAGE_GERMAN},
    {3079, "German (Austria)", "de", LANGUAGE_GERMAN},
    {4103, "German (Luxembourg)", "de", LANGUAGE_GERMAN},
    {5127, "German (Liechtenstein)", "de", LANGUAGE_GERMAN},
    {1033, "English (United States)", "en", LANGUAGE_ENGLISH},
    {2057, "English (United Kingdom)", "en", LANGUAGE_ENGLISH},
    {3081, "English (Australian)", "en", LANGUAGE_ENGLISH},
    {4105, "English (Canadian)", "en", LANGUAGE_ENGLISH},
    {5129, "English (New Zealand)", "en", LANGUAGE_ENGLISH},
    {6153, "English (Ireland)", "en", LANGUAGE_ENGLISH},
    {7177, "English (South Africa)", "en", LANGUAGE_ENGLISH},
    {8201, "English (Jamaica)", "en", LANGUAGE_ENGLISH},
    {9225, "English (Caribbean)", "en", LANGUAGE_ENGLISH},
    {10249, "English (Belize)", "en", LANGUAGE_ENGLISH},
    {11273, "English (Trinidad)", "en", LANGUAGE_ENGLISH},
    {12297, "Windows 98/Me, Windows 2000/XP: English (Zimbabwe)", "en", LANGUAGE_ENGLISH},
    {13321, "Windows 98/Me, Windows 2000/XP: English (Philippines)", "en", LANGUAGE_ENGLISH},
    {1036, "French (Standard)", "fr", LANGUAGE_FRENCH},
    {2060, "French (Belgian)", "fr", LANGUAGE_FRENCH},
    {3084, "French (Canadian)", "fr", LANGUAGE_FRENCH},
    {4108, "French (Switzerland)", "fr", LANGUAGE_FRENCH},
    {5132, "French (Luxembourg)", "fr", LANGUAGE_FRENCH},
    {6156, "Windows 98/Me, Windows 2000/XP: French (Monaco)", "fr", LANGUAGE_FRENCH},
    {1034, "Spanish (Spain, Traditional Sort)", "es", LANGUAGE_SPANISH},
    {2058, "Spanish (Mexican)", "es", LANGUAGE_SPANISH},
    {3082, "Spanish (Spain, Modern Sort)", "es", LANGUAGE_SPANISH},
    {4106, "Spanish (Guatemala)", "es", LANGUAGE_SPANISH},
    {5130, "Spanish (Costa Rica)", "es", LANGUAGE_SPANISH},
    {6154, "Spanish (Panama)", "es", LANGUAGE_SPANISH},
    {7178, "Spanish (Dominican Republic)", "es", LANGUAGE_SPANISH},
    {8202, "Spanish (Venezuela)", "es", LANGUAGE_SPANISH},
    {9226, "Spanish (Colombia)", "es", LANGUAGE_SPANISH},
    {10250, "Spanish (Peru)", "es", LANGUAGE_SPANISH},
    {11274, "Spanish (Argentina)", "es", LANGUAGE_SPANISH},
    {12298, "Spanish (Ecuador)", "es", LANGUAGE_SPANISH},
    {13322, "Spanish (Chile)", "es", LANGUAGE_SPANISH},
    {14346, "Spanish (Uruguay)", "es", LANGUAGE_SPANISH},
    {15370, "Spanish (Paraguay)", "es", LANGUAGE_SPANISH},
    {16394, "Spanish (Bolivia)", "es", LANGUAGE_SPANISH},
    {17418, "Spanish (El Salvador)", "es", LANGUAGE_SPANISH},
    {18442, "Spanish (Honduras)", "es", LANGUAGE_SPANISH},
    {19466, "Spanish (Nicaragua)", "es", LANGUAGE_SPANISH},
    {20490, "Spanish (Puerto Rico)", "es", LANGUAGE_SPANISH},
};

struct EditionEntry
{
    DWORD dwType;
    const char* pszText;
};

const EditionEntry s_editions[] = {
    {1, "Ultimate Edition"},
    {2, "Home Basic Edition"},
    {3, "Home Premium Edition"},
    {4, "Enterprise Edition"},
    {6, "Business Edition"},
    {7, "Standard Edition"},
    {8, "Datacenter Edition"},
    {9, "Small Business Server"},
    {10, "Enterprise Edition Server"},
    {11, "Starter Edition"},
    {12, "Datacenter Edition (core installation)"},
    {13, "Standard Edition (core installation)"},
    {14, "Enterprise Edition (core installation)"},
    {15, "Enterprise Edition for Itanium-based Systems"},
    {17, "Web Server Edition"},
    {18, "Cluster Server Edition"},
    {25, "Small Business Server Premium Edition"},
    {48, "Professional"},
};

CString DashLine(int nDashes)
{
    return CString("\t\t") + CString('-', nDashes);
}

CString EnvText(LPCSTR lpszName)
{
    CString strValue;
    if (!CEnvironmentSource::Current().GetEnvVariable(lpszName, strValue) || strValue.IsEmpty())
        return CString(lpszName) + " n.a.";
    strValue.Trim();
    strValue.MakeLower();
    return strValue;
}

void AppendName(CString& strText, int& iCode, const char* pszName, int iNameCode)
{
    strText += pszName;
    iCode = iNameCode;
}

// Windows 2003 family: name, version code and (on servers) edition.
void DescribeVersion52(const EnvOsFacts& f, CString& strText, int& iCode, int& iProc)
{
    const bool bWorkstation = f.wProductType == VER_NT_WORKSTATION;
    const WORD wSuite = f.wSuiteMask;
    const WORD wArch = f.wProcessorArchitecture;
    if (f.bServerR2)
        AppendName(strText, iCode, "Windows Server 2003 R2, ", 5);
    else if (wSuite == VER_SUITE_STORAGE_SERVER)
        AppendName(strText, iCode, "Windows Storage Server 2003", 7);
    else if (bWorkstation && wArch == PROCESSOR_ARCHITECTURE_AMD64)
    {
        AppendName(strText, iCode, "Windows XP Professional x64 Edition", 8);
        iProc = 2;
    }
    else
        AppendName(strText, iCode, "Windows Server 2003, ", 7);
    if (bWorkstation)
        return;
    if (wArch == PROCESSOR_ARCHITECTURE_IA64)
    {
        if (wSuite & VER_SUITE_DATACENTER)
            strText += "Datacenter Edition for Itanium-based Systems";
        else if (wSuite & VER_SUITE_ENTERPRISE)
            strText += "Enterprise Edition for Itanium-based Systems";
        iProc = 2;
    }
    else if (wArch == PROCESSOR_ARCHITECTURE_AMD64)
    {
        if (wSuite & VER_SUITE_DATACENTER)
            strText += "Datacenter x64 Edition";
        else if (!(wSuite & VER_SUITE_ENTERPRISE))
            strText += "Standard x64 Edition";
        iProc = 2;
    }
    else
    {
        if (wSuite & VER_SUITE_COMPUTE_SERVER)
            strText += "Compute Cluster Edition";
        else if (wSuite & VER_SUITE_DATACENTER)
            strText += "Datacenter Edition";
        else if (wSuite & VER_SUITE_ENTERPRISE)
            strText += "Enterprise Edition";
        else if (wSuite & VER_SUITE_BLADE)
            strText += "Web Edition";
        else
            strText += "Standard Edition";
        iProc = 1;
    }
}

// Vista / Windows 7 family: name, version code, edition and bitness.
void DescribeVersion6(const EnvOsFacts& f, CString& strText, int& iCode, int& iProc)
{
    const bool bWorkstation = f.wProductType == VER_NT_WORKSTATION;
    if (f.dwMinorVersion == 0)
        AppendName(strText, iCode, bWorkstation ? "Windows Vista " : "Windows Server 2008 ",
                   bWorkstation ? 3 : 4);
    else if (f.dwMinorVersion == 1)
        AppendName(strText, iCode, bWorkstation ? "Windows 7 " : "Windows Server 2008 R2 ",
                   bWorkstation ? 1 : 2);
    for (const EditionEntry& e : s_editions)
        if (e.dwType == f.dwEditionType)
            strText += e.pszText;
    if (f.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64)
    {
        strText += ", 64-bit";
        iProc = 2;
    }
    else if (f.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_INTEL)
    {
        strText += ", 32-bit";
        iProc = 1;
    }
}

// Windows 2000 and XP: name and version code; 32-bit only.
void DescribeVersion5(const EnvOsFacts& f, CString& strText, int& iCode, int& iProc)
{
    const WORD wSuite = f.wSuiteMask;
    if (f.dwMinorVersion == 1)
    {
        strText += "Windows XP ";
        if (wSuite & VER_SUITE_PERSONAL)
            AppendName(strText, iCode, "Home Edition", 10);
        else
            AppendName(strText, iCode, "Professional", 9);
    }
    else
    {
        strText += "Windows 2000 ";
        if (f.wProductType == VER_NT_WORKSTATION)
            AppendName(strText, iCode, "Professional", 13);
        else if (wSuite & VER_SUITE_DATACENTER)
            AppendName(strText, iCode, "Datacenter Server", 14);
        else if (wSuite & VER_SUITE_ENTERPRISE)
            AppendName(strText, iCode, "Advanced Server", 15);
        else
            AppendName(strText, iCode, "Server", 16);
    }
    iProc = 1;
}
} // namespace

CEnvironment::CEnvironment() = default;

CEnvironment::~CEnvironment() = default;

// ---- Separator ids

void CEnvironment::SetDecimalSeparatorIds(int iIdComma, int iIdPoint)
{
    m_iDecSepId[0] = iIdComma;
    m_iDecSepId[1] = iIdPoint;
    m_bDecSepIdsSet = 1;
}

void CEnvironment::SetColumnSeparatorIds(int iIdTab, int iIdSemicolon, int iIdComma, int iIdPoint,
                                         int iIdBlank)
{
    const int ids[5] = {iIdTab, iIdSemicolon, iIdComma, iIdPoint, iIdBlank};
    for (int i = 0; i < 5; ++i)
        m_iColSepId[i] = ids[i];
    m_bColSepIdsSet = 1;
}

int CEnvironment::GetDecimalSeparatorId(const CString& strSeparator) const
{
    if (!m_bDecSepIdsSet)
        return -2;
    static const char* const separators[2] = {",", "."};
    for (int i = 0; i < 2; ++i)
        if (strSeparator == separators[i])
            return m_iDecSepId[i];
    return -1;
}

int CEnvironment::GetColumnSeparatorId(const CString& strSeparator) const
{
    if (!m_bColSepIdsSet)
        return -2;
    static const char* const separators[5] = {"\t", ";", ",", ".", " "};
    for (int i = 0; i < 5; ++i)
        if (strSeparator == separators[i])
            return m_iColSepId[i];
    return -1;
}

// ---- System information

BOOL CEnvironment::CollectSystemInfo(CWinApp* pApp, HWND hWndOwner)
{
    EnvRegStruct& r = m_sEnvReg;
    r.iNumberOfMonitors = GetNumberOfMonitors();
    r.rectVirtualScreen = GetVirtualScreen(r.rectSystemScreen[0], r.rectSystemScreen[1]);
    r.rectWorkArea = GetWorkArea();
    r.strUserName = GetEnvUserName();
    r.strComputerName = GetEnvComputerName();
    r.strDomainName = GetEnvDomainName();
    r.strLogonserver = GetEnvLogonServer();
    r.strHomePath = GetEnvHomePath();
    r.langidSysLanguage = CEnvironmentSource::Current().GetUserDefaultLangId();
    GetLanguageInfo(r.langidSysLanguage, r.strLanguageName, r.strLanguageCode, r.iSysLanguageOffset);
    const CRect& wa = r.rectWorkArea;
    r.iWorkArea = GetMonitorIndexOfRect(wa.left, wa.top, wa.right, wa.bottom);
    r.rectVirtualWorkArea = GetVirtualWorkArea();
    GetOsVersionText();
    r.strLocaleDecimalSeparator = GetLocaleText(LOCALE_SDECIMAL);
    r.strLocaleColumnSeparator = GetLocaleText(LOCALE_SLIST);
    r.iIdOfDecSep = GetDecimalSeparatorId(r.strLocaleDecimalSeparator);
    r.iIdOfColSep = GetColumnSeparatorId(r.strLocaleColumnSeparator);
    CString strFolder;
    GetApplicationFolder(strFolder);
    GetLocalAppDataPath(hWndOwner, strFolder);
    GetPersonalFolderPath(hWndOwner, strFolder);
    BuildSystemInfoText();
    return CheckFirstTimeOfApp(pApp);
}

CString CEnvironment::GetSystemInfoLine(int nLine) const
{
    const EnvRegStruct& r = m_sEnvReg;
    auto rectText = [](const CRect& rc)
    {
        CString s;
        s.Format("(%4d|%4d|%4d|%4d)", (int)rc.left, (int)rc.top, rc.Width(), rc.Height());
        return s;
    };
    CString t;
    switch (nLine)
    {
        case 4:
            t.Format("\t\tm_sEnvReg.iNumberOfProcessors\t\t= %d", r.iNumberOfProcessors);
            break;
        case 5:
            t.Format("\t\tm_sEnvReg.iNumberOfMonitors\t\t= %d", r.iNumberOfMonitors);
            break;
        case 6:
            t.Format("\t\tm_sEnvReg.rectSystemScreen[0]\t\t= %s", (LPCSTR)rectText(r.rectSystemScreen[0]));
            break;
        case 7:
            t.Format("\t\tm_sEnvReg.rectSystemScreen[1]\t\t= %s", (LPCSTR)rectText(r.rectSystemScreen[1]));
            break;
        case 8:
            t.Format("\t\tm_sEnvReg.rectWorkArea\t\t\t= %s", (LPCSTR)rectText(r.rectWorkArea));
            break;
        case 9:
            t.Format("\t\tm_sEnvReg.strComputerName \t\t= %s", (LPCSTR)r.strComputerName);
            break;
        case 10:
            t.Format("\t\tm_sEnvReg.strDomainName   \t\t= %s", (LPCSTR)r.strDomainName);
            break;
        case 11:
            t.Format("\t\tm_sEnvReg.strLogonserver  \t\t= %s", (LPCSTR)r.strLogonserver);
            break;
        case 12:
            t.Format("\t\tm_sEnvReg.strHomePath     \t\t= %s", (LPCSTR)r.strHomePath);
            break;
        case 13:
            t.Format("\t\tm_sEnvReg.strUserName\t\t\t= %s", (LPCSTR)r.strUserName);
            break;
        case 14:
            t.Format("\t\tm_sEnvReg.langidSysLanguage\t\t= %d | %s", (int)r.langidSysLanguage,
                     (LPCSTR)r.strLanguageName);
            break;
        case 15:
            t.Format("\t\tm_sEnvReg.iWorkArea\t\t\t= %d", r.iWorkArea);
            break;
        case 16:
            t.Format("\t\tm_sEnvReg.rectVirtualScreen\t\t\t= %s", (LPCSTR)rectText(r.rectVirtualScreen));
            break;
        case 17:
            t.Format("\t\tm_sEnvReg.strVersionOS\t\t\t= %s", (LPCSTR)r.strVersionOS);
            break;
        case 18:
            t.Format("\t\tm_sEnvReg.iVersionOS\t\t\t= %d", r.iVersionOS);
            break;
        case 19:
            t.Format("\t\tm_sEnvReg.iServicePackOS\t\t\t= %d", r.iServicePackOS);
            break;
        case 20:
            t.Format("\t\tm_sEnvReg.iVersionOSProc\t\t\t= %d", r.iVersionOSProc);
            break;
        case 22:
            t.Format("\t\tm_sEnvReg.strLocaleDecimalSeparator\t\t= '%s'",
                     (LPCSTR)r.strLocaleDecimalSeparator);
            break;
        case 23:
            t.Format("\t\tm_sEnvReg.iIdOfDecSep \t\t\t= %d", r.iIdOfDecSep);
            break;
        case 24:
            t.Format("\t\tm_sEnvReg.strLocaleColumnSeparator\t\t= '%s'", (LPCSTR)r.strLocaleColumnSeparator);
            break;
        case 25:
            t.Format("\t\tm_sEnvReg.iIdOfColSep \t\t\t= %d", r.iIdOfColSep);
            break;
        case 27:
            t.Format("\t\tm_strPathApplicationWhereExecuted\t\t= %s",
                     (LPCSTR)m_strPathApplicationWhereExecuted);
            break;
        case 28:
            t.Format("\t\tm_strPathUserNameAppdataLocalTemp\t\t= %s",
                     (LPCSTR)m_strPathUserNameAppdataLocalTemp);
            break;
        case 29:
            t.Format("\t\tm_strPathUserNameOwnFiles\t\t\t= %s", (LPCSTR)m_strPathUserNameOwnFiles);
            break;
    }
    return t;
}

void CEnvironment::BuildSystemInfoText()
{
    const CString strDash = DashLine(148);
    CString& t = m_strSystemInfo;
    t = strDash + "\n\t\tSystem Informationen\n" + strDash + "\n";
    for (int nLine = 4; nLine <= 29; ++nLine)
    {
        // Lines 21 and 26 are two empty lines each.
        if (nLine == 21 || nLine == 26)
            t += "\n\n";
        else
            t += GetSystemInfoLine(nLine) + "\n";
    }
    t += "\n" + strDash + "\n\n";
}

BOOL CEnvironment::CheckFirstTimeOfApp(CWinApp* pApp)
{
    if (!pApp)
        return FALSE;
    static const char* const next[][2] = {
        {MARKER_0, MARKER_1}, {MARKER_1, MARKER_2}, {MARKER_2, MARKER_3}, {MARKER_3, MARKER_DONE}};
    m_sEnvReg.strFirstTimeMarker = pApp->GetProfileString("Language", "IsFirstTimeOfApp", MARKER_0);
    for (int i = 0; i < 4; ++i)
    {
        if (m_sEnvReg.strFirstTimeMarker != next[i][0])
            continue;
        pApp->WriteProfileString("Language", "IsFirstTimeOfApp", next[i][1]);
        if (i > 0)
            return FALSE;
        m_sEnvReg.bIsFirstTimeOfApp = 1;
        return TRUE;
    }
    return FALSE;
}

int CEnvironment::SaveSystemInfo(CWnd* pMainWnd, CWinApp* pApp)
{
    if (!pApp)
        return 1;
    EnvRegStruct& r = m_sEnvReg;
    if (pMainWnd && pMainWnd->GetSafeHwnd())
    {
        CRect rect;
        pMainWnd->GetWindowRect(&rect);
        pApp->WriteProfileInt("DespiteReset", "ClosedScreen",
                              GetMonitorIndexOfRect(rect.left, rect.top, rect.right, rect.bottom));
    }
    pApp->WriteProfileInt("DespiteReset", "IsRegResetedFromView", r.bIsRegResetedFromView);

    r.rectWorkArea = GetWorkArea();
    const char* const pszSection = "AllViewState\\Configs\\SystemInfo";
    pApp->WriteProfileInt(pszSection, "Monitor_WorkArea__X", r.rectWorkArea.left);
    pApp->WriteProfileInt(pszSection, "Monitor_WorkArea__Y", r.rectWorkArea.top);
    pApp->WriteProfileInt(pszSection, "Monitor_WorkArea_CX", r.rectWorkArea.Width());
    pApp->WriteProfileInt(pszSection, "Monitor_WorkArea_CY", r.rectWorkArea.Height());
    pApp->WriteProfileInt(pszSection, "WinUser_Sprach_ID", r.langidSysLanguage);
    pApp->WriteProfileString(pszSection, "WinUser_Sprach_Str_F", r.strLanguageName);
    pApp->WriteProfileString(pszSection, "WinUser_Sprach_Str_S", r.strLanguageCode);
    pApp->WriteProfileInt(pszSection, "WinUser_Sprach_App_SUM", r.iSysLanguageOffset);
    pApp->WriteProfileString(pszSection, "SystemEnvBenutzer", r.strUserName);
    pApp->WriteProfileInt(pszSection, "Monitor_Anzahl", r.iNumberOfMonitors);
    for (int i = 0; i < 2; ++i)
    {
        const CRect& rc = r.rectSystemScreen[i];
        const int values[4] = {(int)rc.left, (int)rc.top, rc.Width(), rc.Height()};
        static const char* const suffixes[4] = {"__X", "__Y", "_CX", "_CY"};
        for (int k = 0; k < 4; ++k)
        {
            CString strEntry;
            strEntry.Format("Monitor_%d%s", i, suffixes[k]);
            pApp->WriteProfileInt(pszSection, strEntry, values[k]);
        }
    }
    return 1;
}

bool CEnvironment::GetLanguageInfo(LANGID langId, CString& strName, CString& strCode, int& iOffset)
{
    for (const LanguageEntry& e : s_languages)
    {
        if (e.wId == langId)
        {
            strName = e.pszName;
            strCode = e.pszCode;
            iOffset = e.iOffset;
            return true;
        }
    }
    strName = langId == 0 ? "Language Neutral" : "english (default)";
    strCode = "en";
    iOffset = 1000;
    return langId == 0;
}

bool CEnvironment::GetOsVersionText()
{
    EnvRegStruct& r = m_sEnvReg;
    r.strVersionOS.Empty();
    r.iVersionOS = r.iServicePackOS = r.iVersionOSProc = 0;
    EnvOsFacts f;
    if (!CEnvironmentSource::Current().GetOsFacts(f))
        return false;
    r.iNumberOfProcessors = static_cast<int>(f.dwNumberOfProcessors);
    if (f.dwPlatformId != VER_PLATFORM_WIN32_NT || f.dwMajorVersion <= 4)
    {
        r.strVersionOS = "This sample does not support this version of Windows.\n";
        return false;
    }
    CString strText = "Microsoft ";
    if (f.dwMajorVersion == 6)
        DescribeVersion6(f, strText, r.iVersionOS, r.iVersionOSProc);
    else if (f.dwMajorVersion == 5 && f.dwMinorVersion == 2)
        DescribeVersion52(f, strText, r.iVersionOS, r.iVersionOSProc);
    else if (f.dwMajorVersion == 5 && f.dwMinorVersion <= 1)
        DescribeVersion5(f, strText, r.iVersionOS, r.iVersionOSProc);
    if (!f.strServicePack.IsEmpty())
    {
        strText += " " + f.strServicePack;
        for (char ch = '1'; ch <= '9'; ++ch)
        {
            if (f.strServicePack.Find(ch) >= 0)
            {
                r.iServicePackOS = ch - '0';
                break;
            }
        }
    }
    strText.AppendFormat(" (build %d)", (int)f.dwBuildNumber);
    r.strVersionOS = strText;
    return true;
}

CString CEnvironment::GetLocaleText(LCTYPE lcType)
{
    return CEnvironmentSource::Current().GetLocaleText(lcType);
}

CString CEnvironment::GetEnvUserName()
{
    return EnvText("USERNAME");
}

CString CEnvironment::GetEnvComputerName()
{
    return EnvText("COMPUTERNAME");
}

CString CEnvironment::GetEnvDomainName()
{
    return EnvText("USERDOMAIN");
}

CString CEnvironment::GetEnvLogonServer()
{
    return EnvText("LOGONSERVER");
}

CString CEnvironment::GetEnvHomePath()
{
    return EnvText("HOMEPATH");
}

// ---- Settings-record check

BOOL CEnvironment::CheckStructSum(const void* pRecord, int iSize, int* piSizeOfStruct, int* piSumOfStruct,
                                  int* piWeightedSumOfStruct, int iMode)
{
    if ((iMode != 0 && iMode != 1) || !pRecord || iSize < 0 || !piSizeOfStruct || !piSumOfStruct ||
        !piWeightedSumOfStruct)
        return FALSE;
    const BYTE* pBytes = static_cast<const BYTE*>(pRecord);
    const BYTE* const checkInts[3] = {reinterpret_cast<const BYTE*>(piSizeOfStruct),
                                      reinterpret_cast<const BYTE*>(piSumOfStruct),
                                      reinterpret_cast<const BYTE*>(piWeightedSumOfStruct)};
    auto isCheckByte = [&](const BYTE* p)
    {
        for (const BYTE* pInt : checkInts)
            if (p >= pInt && p < pInt + sizeof(int))
                return true;
        return false;
    };
    // 32-bit sums that wrap.
    UINT uSum = 0;
    UINT uWeighted = 0;
    for (int i = 0; i < iSize; ++i)
    {
        if (isCheckByte(pBytes + i))
            continue;
        uSum += pBytes[i];
        uWeighted += uSum;
    }
    const int iSum = static_cast<int>(uSum);
    const int iWeighted = static_cast<int>(uWeighted);
    if (iMode == 1)
    {
        *piSizeOfStruct = iSize;
        *piSumOfStruct = iSum;
        *piWeightedSumOfStruct = iWeighted;
        return FALSE;
    }
    return *piSizeOfStruct == iSize && *piSumOfStruct == iSum && *piWeightedSumOfStruct == iWeighted;
}

// ---- Folders

bool CEnvironment::GetApplicationFolder(CString& strFolder)
{
    strFolder = CEnvironmentSource::Current().GetExecutablePath();
    const int iSlash = strFolder.ReverseFind('\\');
    strFolder = iSlash >= 0 ? strFolder.Left(iSlash) : CString();
    m_strPathApplicationWhereExecuted = strFolder;
    return !strFolder.IsEmpty();
}

bool CEnvironment::GetLocalAppDataPath(HWND hWndOwner, CString& strPath)
{
    const bool bOk = CEnvironmentSource::Current().GetShellFolder(hWndOwner, CSIDL_LOCAL_APPDATA, strPath);
    m_strPathUserNameAppdataLocalTemp = strPath;
    return bOk;
}

bool CEnvironment::GetPersonalFolderPath(HWND hWndOwner, CString& strPath)
{
    const bool bOk = CEnvironmentSource::Current().GetShellFolder(hWndOwner, CSIDL_PERSONAL, strPath);
    m_strPathUserNameOwnFiles = strPath;
    return bOk;
}

CString CEnvironment::CreateLocalAppDataFolder(HWND hWndOwner, LPCSTR lpszName)
{
    CString strBase;
    if (GetLocalAppDataPath(hWndOwner, strBase))
    {
        const CString strPath = strBase + "\\" + lpszName;
        if (::CreateDirectoryA(strPath, nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS)
            return strPath;
        if (::GetLastError() != ERROR_PATH_NOT_FOUND)
        {
            AfxShowMessageBox(hWndOwner, "Error: 84833 SE Path could not be found!", AfxGetAppName(),
                              MB_OK | MB_ICONERROR);
            return strBase;
        }
    }
    // Also when the application-data folder itself is unknown: nothing is created at the drive's root.
    AfxShowMessageBox(hWndOwner, "Error: 84866 Path could not be found!", AfxGetAppName(),
                      MB_OK | MB_ICONERROR);
    return strBase;
}
