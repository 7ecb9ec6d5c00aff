// CEnvironment: text, number, file, bitmap and registry utilities.
#include "shell/CEnvironment.h"

#include "framework/AfxDib.h"
#include "framework/CWnd.h"

#include <richedit.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// The maker's names and the names this build shows in their place (the same in this system).
constexpr const char* COMPANY_NAME = "Tervane Vavizoderad GmbH";
constexpr const char* COMPANY_NAME_CONFIGURED = "Tervane Vavizoderad GmbH";
constexpr const char* MODEL_NAMES[3][2] = {
    {"MW-4100", "MW-4100"}, {"QBX-USB", "QBX-USB"}, {"TK-USB", "TK-USB"}};

// Registry paths the tree deletion works on in place, sub-key names included.
constexpr int REG_PATH_CHARS = 520;
constexpr DWORD REG_NAME_CHARS = 260;

bool DeleteTreeAt(HKEY hRoot, char* pszPath)
{
    if (::RegDeleteKeyA(hRoot, pszPath) == ERROR_SUCCESS)
        return true;
    HKEY hKey = nullptr;
    const LONG lOpen = ::RegOpenKeyExA(hRoot, pszPath, 0, KEY_READ, &hKey);
    if (lOpen == ERROR_FILE_NOT_FOUND)
        return true;
    if (lOpen != ERROR_SUCCESS)
        return false;
    const size_t nLen = std::strlen(pszPath);
    size_t nBase = nLen;
    if (nBase == 0 || pszPath[nBase - 1] != '\\')
    {
        if (nBase + 1 < REG_PATH_CHARS)
        {
            pszPath[nBase++] = '\\';
            pszPath[nBase] = '\0';
        }
    }
    for (;;)
    {
        char szName[REG_NAME_CHARS + 1];
        DWORD cchName = REG_NAME_CHARS + 1;
        if (::RegEnumKeyExA(hKey, 0, szName, &cchName, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (nBase + cchName >= REG_PATH_CHARS)
            break;
        std::memcpy(pszPath + nBase, szName, cchName + 1);
        if (!DeleteTreeAt(hRoot, pszPath))
            break;
    }
    pszPath[nLen] = '\0';
    ::RegCloseKey(hKey);
    return ::RegDeleteKeyA(hRoot, pszPath) == ERROR_SUCCESS;
}
} // namespace

// ---- Text and number utilities

double CEnvironment::RoundToDecimals(double dValue, int nDecimals)
{
    static const double powers[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (nDecimals < 0 || nDecimals > 15)
        return dValue;
    return std::floor(dValue * powers[nDecimals] + 0.5) / powers[nDecimals];
}

CString CEnvironment::PadRight(const CString& strText, int nLength)
{
    CString strResult = strText;
    if (strResult.GetLength() < nLength)
        strResult += CString(' ', nLength - strResult.GetLength());
    return strResult;
}

CString CEnvironment::StripTrailingZeros(const CString& strNumber)
{
    const int iPoint = strNumber.Find('.');
    if (iPoint < 0)
        return strNumber;
    int nLen = strNumber.GetLength();
    while (nLen - 1 > iPoint && strNumber[nLen - 1] == '0')
        --nLen;
    if (nLen - 1 == iPoint)
        --nLen;
    return strNumber.Left(nLen);
}

bool CEnvironment::RemoveChar(char ch, CString& strText, int* pnCount)
{
    int nCount = 0;
    for (int i = strText.Find(ch); i >= 0; i = strText.Find(ch, i))
    {
        strText.Delete(i);
        ++nCount;
    }
    if (pnCount)
        *pnCount = nCount;
    return nCount > 0;
}

CString CEnvironment::ReplaceAll(const CString& strText, const CString& strSearch, const CString& strReplace)
{
    if (strSearch.IsEmpty() || strText.IsEmpty())
        return strText;
    CString strResult = strText;
    for (int i = strResult.Find(strSearch); i >= 0; i = strResult.Find(strSearch, i + strReplace.GetLength()))
        strResult = strResult.Left(i) + strReplace + strResult.Mid(i + strSearch.GetLength());
    return strResult;
}

CString CEnvironment::ApplyOemCompanyName(const CString& strText)
{
    return ReplaceAll(strText, COMPANY_NAME, COMPANY_NAME_CONFIGURED);
}

CString CEnvironment::ApplyOemModelNames(const CString& strText)
{
    CString strResult = strText;
    for (const auto& names : MODEL_NAMES)
        strResult = ReplaceAll(strResult, names[0], names[1]);
    return strResult;
}

CString CEnvironment::DumpString(const CString& strBytes, bool bLineBreak, bool bEnabled, bool bCharMode)
{
    CString strDump;
    if (!bEnabled)
        return strDump;
    for (int i = 0; i < strBytes.GetLength(); ++i)
    {
        const BYTE b = static_cast<BYTE>(strBytes[i]);
        if (!bCharMode)
            strDump.AppendFormat("%2x|", b);
        else if (b == 0)
            strDump += "00|";
        else
            strDump.AppendFormat("%2c|", b);
    }
    if (bLineBreak)
        strDump += "\n";
    return strDump;
}

CString CEnvironment::GetSelectedText(HWND hWnd)
{
    CString strText;
    if (!::IsWindow(hWnd))
        return strText;
    char szClass[64] = "";
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    CString strClass(szClass);
    if (strClass.MakeLower().Find("richedit") >= 0)
    {
        // Rich edits count a line break as one position: ask the control for the selection itself.
        GETTEXTLENGTHEX gtl{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
        const LRESULT nMax = ::SendMessageA(hWnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl), 0);
        if (nMax <= 0)
            return strText;
        GETTEXTEX gt{};
        gt.cb = static_cast<DWORD>(nMax + 1);
        gt.flags = GT_SELECTION | GT_USECRLF;
        gt.codepage = CP_ACP;
        const LRESULT nGot =
            ::SendMessageA(hWnd, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                           reinterpret_cast<LPARAM>(strText.GetBuffer(static_cast<int>(nMax))));
        strText.ReleaseBuffer(nGot > 0 ? std::min(static_cast<int>(nGot), static_cast<int>(nMax)) : 0);
        return strText;
    }
    // Edits: the positions as full 32-bit values (the packed result stops at 65535).
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageA(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    if (dwEnd <= dwStart)
        return strText;
    CWnd::FromHandle(hWnd)->GetWindowText(strText);
    return strText.Mid(static_cast<int>(dwStart), static_cast<int>(dwEnd - dwStart));
}

// ---- File, bitmap and registry utilities

bool CEnvironment::FileExists(LPCSTR lpszPath)
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(lpszPath, &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(hFind);
    return true;
}

bool CEnvironment::RemoveFile(LPCSTR lpszPath)
{
    return ::DeleteFileA(lpszPath) != FALSE;
}

bool CEnvironment::SaveBitmapToFile(CWnd* pWnd, LPCSTR lpszPath, HBITMAP hBitmap)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    return AfxSaveBitmapAsDib(hWnd, lpszPath, hBitmap, AfxDibColourTable::None);
}

bool CEnvironment::DeleteRegistryTree(HKEY hRoot, LPCSTR lpszSubKey)
{
    char szPath[REG_PATH_CHARS];
    // An empty path would name the root itself.
    if (!lpszSubKey || !*lpszSubKey || std::strlen(lpszSubKey) >= REG_PATH_CHARS)
        return false;
    std::strcpy(szPath, lpszSubKey);
    return DeleteTreeAt(hRoot, szPath);
}
