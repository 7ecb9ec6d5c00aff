// The environment layer, second base of the main frame: what the program knows of the machine
// (monitors, work area, user, Windows version, language, locale separators, folders) in m_sEnvReg,
// the system-information text, first-start detection, the main window's placement over one or two
// monitors, the check of stored settings records, and the small text, number, file, bitmap and
// registry utilities the other subsystems share. The machine is read through CEnvironmentSource.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CRect.h"
#include "framework/CString.h"

class CWinApp;
class CWnd;

// System information gathered by CEnvironment::CollectSystemInfo.
struct EnvRegStruct
{
    BYTE bIsFirstTimeOfApp = 0;
    int bIsRegResetedFromView = 0;
    int iNumberOfMonitors = 0;
    CRect rectSystemScreen[2];
    CRect rectWorkArea;
    int iWorkArea = 0;
    CRect rectVirtualScreen;
    CRect rectVirtualWorkArea;
    CString strUserName;
    CString strComputerName;
    CString strDomainName;
    CString strLogonserver;
    CString strHomePath;
    CString strFirstTimeMarker;
    CString strLanguageName;
    CString strLanguageCode;
    CString strVersionOS;
    int iVersionOS = 0;
    int iServicePackOS = 0;
    int iVersionOSProc = 0;
    int iNumberOfProcessors = 0;
    WORD langidSysLanguage = 0;
    int iSysLanguageOffset = 0;
    CString strLocaleDecimalSeparator;
    int iIdOfDecSep = 0;
    CString strLocaleColumnSeparator;
    int iIdOfColSep = 0;
};

class CEnvironment
{
public:
    CEnvironment();
    virtual ~CEnvironment();
    CEnvironment(const CEnvironment&) = delete;
    CEnvironment& operator=(const CEnvironment&) = delete;

    // ---- Separator ids
    void SetDecimalSeparatorIds(int iIdComma, int iIdPoint);
    void SetColumnSeparatorIds(int iIdTab, int iIdSemicolon, int iIdComma, int iIdPoint, int iIdBlank);
    // The id of the separator equal to the text; -1 for any other text, -2 while the ids are not set.
    int GetDecimalSeparatorId(const CString& strSeparator) const;
    int GetColumnSeparatorId(const CString& strSeparator) const;

    // ---- System information and first start
    // Fills m_sEnvReg, the folders and m_strSystemInfo; returns CheckFirstTimeOfApp.
    BOOL CollectSystemInfo(CWinApp* pApp, HWND hWndOwner);
    // True only on the very first start; advances the marker over the first four starts.
    BOOL CheckFirstTimeOfApp(CWinApp* pApp);
    int SaveSystemInfo(CWnd* pMainWnd, CWinApp* pApp);
    // Line nLine (4 to 29, without its line break) of the system-information text; empty for the
    // dash, title and empty lines.
    CString GetSystemInfoLine(int nLine) const;

    // Name, code ("de", "en", "fr", "es") and language offset of a Windows language id; false for an
    // id not in the table (then English).
    static bool GetLanguageInfo(LANGID langId, CString& strName, CString& strCode, int& iOffset);
    // Fills strVersionOS, iVersionOS, iServicePackOS, iVersionOSProc and iNumberOfProcessors; false
    // when the version cannot be read or is not supported.
    bool GetOsVersionText();
    // The user locale's text (LOCALE_SDECIMAL, LOCALE_SLIST, ...); empty when there is none.
    static CString GetLocaleText(LCTYPE lcType);
    // Environment variables, trimmed and lower-cased; "<NAME> n.a." when missing.
    static CString GetEnvUserName();
    static CString GetEnvComputerName();
    static CString GetEnvDomainName();
    static CString GetEnvLogonServer();
    static CString GetEnvHomePath();

    // ---- Monitors and window placement
    static int GetNumberOfMonitors();
    static CRect GetWorkArea();
    // Enumerates the monitors into m_rectMonitor (slot 0 primary, slot 1 another); the slot's rectangle.
    CRect GetMonitorRect(int iSlot);
    CRect GetStoredMonitorRect(int iSlot) const;
    // The rectangle spanning both monitors; rect0 and rect1 receive the two monitor rectangles.
    CRect GetVirtualScreen(CRect& rect0, CRect& rect1);
    CRect GetVirtualWorkArea();
    // The slot holding the largest part of the rectangle (ties and no overlap: 0); the shares are percent.
    int GetMonitorIndexOfRect(int iLeft, int iTop, int iRight, int iBottom, double* pdBestShare = nullptr,
                              double* pdShare0 = nullptr, double* pdShare1 = nullptr);
    static int CalcDefaultWindowRect(int iLeft, int iTop, int iRight, int iBottom, int& x, int& y, int& cx,
                                     int& cy);
    // Moves and shrinks rect into the area; an empty area leaves it as it is.
    static bool ClampRectToArea(CRect& rect, int iLeft, int iTop, int iRight, int iBottom);
    int RestoreWindowPlacement(CWnd* pMainWnd, CWinApp* pApp);
    int SaveWindowPlacement(CWnd* pMainWnd, CWinApp* pApp);

    // ---- Settings-record check. Mode 1 stores size and sums (returns FALSE), mode 0 compares them.
    static BOOL CheckStructSum(const void* pRecord, int iSize, int* piSizeOfStruct, int* piSumOfStruct,
                               int* piWeightedSumOfStruct, int iMode);

    // ---- Folders
    bool GetApplicationFolder(CString& strFolder);
    bool GetLocalAppDataPath(HWND hWndOwner, CString& strPath);
    bool GetPersonalFolderPath(HWND hWndOwner, CString& strPath);
    // The folder below the local application-data folder, created when missing; on failure a message
    // and the application-data folder itself.
    CString CreateLocalAppDataFolder(HWND hWndOwner, LPCSTR lpszName);

    // ---- Text and number utilities
    static double RoundToDecimals(double dValue, int nDecimals);
    static CString PadRight(const CString& strText, int nLength);
    static CString StripTrailingZeros(const CString& strNumber);
    static bool RemoveChar(char ch, CString& strText, int* pnCount = nullptr);
    static CString ReplaceAll(const CString& strText, const CString& strSearch, const CString& strReplace);
    static CString ApplyOemCompanyName(const CString& strText);
    static CString ApplyOemModelNames(const CString& strText);
    static CString DumpString(const CString& strBytes, bool bLineBreak, bool bEnabled, bool bCharMode);
    // The selected text of an edit or rich-edit window, exactly as selected (line breaks as "\r\n").
    static CString GetSelectedText(HWND hWnd);

    // ---- File, bitmap and registry utilities
    static bool FileExists(LPCSTR lpszPath);
    static bool RemoveFile(LPCSTR lpszPath);
    // Writes the bitmap as a 32-bit BMP file; the window's device context tells whether a palette is used.
    static bool SaveBitmapToFile(CWnd* pWnd, LPCSTR lpszPath, HBITMAP hBitmap);
    // True when the key and its whole sub-tree are gone, or the key did not exist.
    static bool DeleteRegistryTree(HKEY hRoot, LPCSTR lpszSubKey);

    CRect m_rectMonitor[2];
    int m_bMonitorPresent[2] = {0, 0};
    CString m_strPathApplicationWhereExecuted;
    CString m_strPathUserNameAppdataLocalTemp;
    CString m_strPathUserNameOwnFiles;
    EnvRegStruct m_sEnvReg;
    int m_iDecSepId[2] = {0, 0};
    int m_iColSepId[5] = {0, 0, 0, 0, 0};
    CString m_strSystemInfo;
    BYTE m_bDecSepIdsSet = 0;
    BYTE m_bColSepIdsSet = 0;

private:
    void BuildSystemInfoText();
    void ApplyDefaultRect(CWnd* pMainWnd, const CRect& rectArea);
    bool IsOnSomeMonitor(int x, int y) const;
    static void ApplyRect(CWnd* pMainWnd, const CRect& rect);
};
