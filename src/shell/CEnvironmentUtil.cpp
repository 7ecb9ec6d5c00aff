// CEnvironment: text, number, file, bitmap and registry utilities.
#include "shell/CEnvironment.h"

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

constexpr DWORD DibRowBytes(LONG nWidth, WORD nBitCount)
{
    return ((static_cast<DWORD>(nWidth) * nBitCount + 31) / 32) * 4;
}

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

// A logical palette from the system palette for palette displays, else the default palette.
HPALETTE CreateDisplayPalette(HDC hdc, bool& bOwned)
{
    bOwned = false;
    if (!(::GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE))
        return static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    constexpr int nEntries = 255;
    BYTE buffer[sizeof(LOGPALETTE) + nEntries * sizeof(PALETTEENTRY)] = {};
    auto* pLogPal = reinterpret_cast<LOGPALETTE*>(buffer);
    pLogPal->palVersion = 0x300;
    pLogPal->palNumEntries =
        static_cast<WORD>(::GetSystemPaletteEntries(hdc, 0, nEntries, pLogPal->palPalEntry));
    HPALETTE hPal = pLogPal->palNumEntries ? ::CreatePalette(pLogPal) : nullptr;
    if (!hPal)
        return static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    bOwned = true;
    return hPal;
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
    HDC hdc = ::GetDC(hWnd);
    bool bOwnedPalette = false;
    HPALETTE hPal = CreateDisplayPalette(hdc, bOwnedPalette);
    ::ReleaseDC(hWnd, hdc);
    HGLOBAL hDib = BitmapToDib(hBitmap, hPal);
    if (bOwnedPalette)
        ::DeleteObject(hPal);
    if (!hDib)
        return false;
    const bool bOk = WriteDibFile(lpszPath, hDib);
    ::GlobalFree(hDib);
    return bOk;
}

HGLOBAL CEnvironment::BitmapToDib(HBITMAP hBitmap, HPALETTE hPalette)
{
    BITMAP bm{};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return nullptr;
    BITMAPINFOHEADER bi{};
    bi.biSize = sizeof(BITMAPINFOHEADER);
    bi.biWidth = bm.bmWidth;
    bi.biHeight = bm.bmHeight;
    bi.biPlanes = 1;
    bi.biBitCount = 32;
    bi.biCompression = BI_RGB;
    const SIZE_T nPixelBytes = static_cast<SIZE_T>(DibRowBytes(bi.biWidth, bi.biBitCount)) * bi.biHeight;
    HGLOBAL hDib = ::GlobalAlloc(GHND, sizeof(bi) + nPixelBytes);
    if (!hDib)
        return nullptr;
    auto* pHeader = static_cast<BITMAPINFOHEADER*>(::GlobalLock(hDib));
    *pHeader = bi;
    HDC hdc = ::GetDC(nullptr);
    HPALETTE hOldPal = ::SelectPalette(hdc, hPalette, FALSE);
    ::RealizePalette(hdc);
    const int nLines = ::GetDIBits(hdc, hBitmap, 0, static_cast<UINT>(bi.biHeight), pHeader + 1,
                                   reinterpret_cast<BITMAPINFO*>(pHeader), DIB_RGB_COLORS);
    ::SelectPalette(hdc, hOldPal, FALSE);
    ::ReleaseDC(nullptr, hdc);
    ::GlobalUnlock(hDib);
    if (nLines != bi.biHeight)
    {
        ::GlobalFree(hDib);
        return nullptr;
    }
    return hDib;
}

bool CEnvironment::WriteDibFile(LPCSTR lpszPath, HGLOBAL hDib)
{
    const auto* pHeader = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib));
    if (!pHeader)
        return false;
    const DWORD nBlock = pHeader->biSize + DibRowBytes(pHeader->biWidth, pHeader->biBitCount) *
                                               static_cast<DWORD>(std::abs(pHeader->biHeight));
    BITMAPFILEHEADER bf{};
    bf.bfType = 0x4D42; // "BM"
    bf.bfSize = nBlock + sizeof(BITMAPFILEHEADER);
    bf.bfOffBits = sizeof(BITMAPFILEHEADER) + pHeader->biSize;
    bool bOk = false;
    HANDLE hFile =
        ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE)
    {
        DWORD nWritten = 0;
        bOk = ::WriteFile(hFile, &bf, sizeof(bf), &nWritten, nullptr) && nWritten == sizeof(bf) &&
              ::WriteFile(hFile, pHeader, nBlock, &nWritten, nullptr) && nWritten == nBlock;
        bOk = ::CloseHandle(hFile) && bOk;
    }
    ::GlobalUnlock(hDib);
    return bOk;
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
