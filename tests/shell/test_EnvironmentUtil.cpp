// Text, number, file, bitmap and registry utilities of the environment layer.
#include "shell/CEnvironment.h"

#include "framework/CWnd.h"

#include "support/TestApp.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace
{
CString TempPath(const char* pszName)
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    return CString(szTemp) + pszName;
}

std::vector<BYTE> ReadFileBytes(const CString& strPath)
{
    std::ifstream in(static_cast<LPCSTR>(strPath), std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

DWORD ReadDword(const std::vector<BYTE>& bytes, size_t nOffset)
{
    return bytes[nOffset] | bytes[nOffset + 1] << 8 | bytes[nOffset + 2] << 16 |
           (DWORD)bytes[nOffset + 3] << 24;
}
} // namespace

TEST(TextUtil, StripTrailingZeros)
{
    const char* const cases[][2] = {
        {"12.500000", "12.5"},
        {"3.000000", "3"},
        {"0.000000", "0"},
        {"100", "100"},
        {"2.50", "2.5"},
        {"7.", "7"},
        {"-0.0400", "-0.04"},
        {"1.2.300", "1.2.3"},
        {"", ""},
        {".000", ""},
        {"1000.0001", "1000.0001"},
        {"n.a.", "n.a."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CEnvironment::StripTrailingZeros(c[0]), c[1]) << c[0];
}

TEST(TextUtil, ReplaceAllNeverSearchesTheReplacement)
{
    EXPECT_EQ(CEnvironment::ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(CEnvironment::ReplaceAll("aaaa", "aa", "b"), "bb");
    EXPECT_EQ(CEnvironment::ReplaceAll("x-y-z", "-", ""), "xyz");
    EXPECT_EQ(CEnvironment::ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(CEnvironment::ReplaceAll("", "a", "x"), "");
    EXPECT_EQ(CEnvironment::ReplaceAll("abc", "d", "x"), "abc");
    EXPECT_EQ(CEnvironment::ReplaceAll("%s %n", "%", "%%"), "%%s %%n");
}

TEST(TextUtil, RoundPadRemove)
{
    EXPECT_DOUBLE_EQ(CEnvironment::RoundToDecimals(1.25, 1), 1.3);
    EXPECT_DOUBLE_EQ(CEnvironment::RoundToDecimals(-1.25, 1), -1.2);
    EXPECT_DOUBLE_EQ(CEnvironment::RoundToDecimals(2.71828, 0), 3.0);
    EXPECT_DOUBLE_EQ(CEnvironment::RoundToDecimals(0.123456, 4), 0.1235);
    EXPECT_DOUBLE_EQ(CEnvironment::RoundToDecimals(1.23456, 16), 1.23456);
    EXPECT_DOUBLE_EQ(CEnvironment::RoundToDecimals(1.23456, -1), 1.23456);

    EXPECT_EQ(CEnvironment::PadRight("ab", 5), "ab   ");
    EXPECT_EQ(CEnvironment::PadRight("abcdef", 5), "abcdef");
    EXPECT_EQ(CEnvironment::PadRight("ab", -3), "ab");

    CString str = "1,234,5";
    int nCount = -1;
    EXPECT_TRUE(CEnvironment::RemoveChar(',', str, &nCount));
    EXPECT_EQ(str, "12345");
    EXPECT_EQ(nCount, 2);
    EXPECT_FALSE(CEnvironment::RemoveChar(',', str, &nCount));
    EXPECT_EQ(nCount, 0);
    str = ",,,";
    EXPECT_TRUE(CEnvironment::RemoveChar(',', str));
    EXPECT_EQ(str, "");
}

TEST(TextUtil, DumpStringHexAndCharacters)
{
    EXPECT_EQ(CEnvironment::DumpString("A", true, true, false), "41|\n");
    EXPECT_EQ(CEnvironment::DumpString("A", true, true, true), " A|\n");
    EXPECT_EQ(CEnvironment::DumpString("A", true, false, false), "");
    const CString bytes("\x02\x00\xFF\x7F", 4);
    EXPECT_EQ(CEnvironment::DumpString(bytes, false, true, false), " 2| 0|ff|7f|");
    EXPECT_EQ(CEnvironment::DumpString(CString("a\0b", 3), false, true, true), " a|00| b|");
    EXPECT_EQ(CEnvironment::DumpString("", true, true, false), "\n");
}

TEST(TextUtil, NameHooksKeepTheTexts)
{
    const CString strWarning = "Tervane Vavizoderad GmbH does not accept warranty claims";
    EXPECT_EQ(CEnvironment::ApplyOemCompanyName(strWarning), strWarning);
    const CString strModels = "Supported sensors:\n - QBX-USB2 from revision 6.\n - TK-USB.\n - MW-4100";
    EXPECT_EQ(CEnvironment::ApplyOemModelNames(strModels), strModels);
}

TEST(TextUtil, SelectedTextOfEditAndRichEdit)
{
    ASSERT_TRUE(::LoadLibraryA("riched20.dll"));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "sel", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr));
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL;
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", dwStyle, 0, 0, 200, 100, parent, nullptr, nullptr, nullptr);
    HWND hRich =
        ::CreateWindowExA(0, "RichEdit20A", "", dwStyle, 0, 100, 200, 100, parent, nullptr, nullptr, nullptr);
    ASSERT_TRUE(hEdit && hRich);

    ::SetWindowTextA(hEdit, "first line\r\nsecond line\r\nthird");
    ::SendMessageA(hEdit, EM_SETSEL, 6, 18); // "line\r\nsecond"
    EXPECT_EQ(CEnvironment::GetSelectedText(hEdit), "line\r\nsecond");
    ::SendMessageA(hEdit, EM_SETSEL, 3, 3);
    EXPECT_EQ(CEnvironment::GetSelectedText(hEdit), "");

    // A rich edit counts a line break as one position; the text copied is still what is selected.
    ::SendMessageA(hRich, EM_EXLIMITTEXT, 0, 1 << 20);
    CString strLong;
    for (int i = 0; i < 2000; ++i)
        strLong.AppendFormat("line %04d of the trace\r\n", i);
    ::SetWindowTextA(hRich, strLong);
    CHARRANGE cr{(LONG)(1998 * 23), (LONG)(1999 * 23 + 9)}; // from line 1998 to "line 1999"
    ::SendMessageA(hRich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    EXPECT_EQ(CEnvironment::GetSelectedText(hRich), "line 1998 of the trace\r\nline 1999");
    EXPECT_EQ(CEnvironment::GetSelectedText(nullptr), "");
    parent.DestroyWindow();
}

TEST(FileUtil, ExistsAndRemove)
{
    const CString strPath = TempPath("tq5_exists_test.txt");
    std::ofstream(static_cast<LPCSTR>(strPath)) << "x";
    EXPECT_TRUE(CEnvironment::FileExists(strPath));
    EXPECT_TRUE(CEnvironment::FileExists(TempPath("tq5_exists_*.txt")));
    EXPECT_TRUE(CEnvironment::RemoveFile(strPath));
    EXPECT_FALSE(CEnvironment::FileExists(strPath));
    EXPECT_FALSE(CEnvironment::FileExists(TempPath("tq5_exists_*.txt")));
    EXPECT_FALSE(CEnvironment::RemoveFile(strPath));
}

TEST(FileUtil, BitmapWrittenAs32BitBmp)
{
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcScreen, 10, 10);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    RECT rc = {0, 0, 10, 10};
    HBRUSH hBlue = ::CreateSolidBrush(RGB(0, 0, 255));
    ::FillRect(hdc, &rc, hBlue);
    ::SetPixel(hdc, 0, 0, RGB(255, 0, 0)); // top left
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hBlue);
    ::DeleteDC(hdc);
    ::ReleaseDC(nullptr, hdcScreen);

    const CString strPath = TempPath("tq5_bitmap_test.bmp");
    ASSERT_TRUE(CEnvironment::SaveBitmapToFile(nullptr, strPath, hBitmap));
    const std::vector<BYTE> file = ReadFileBytes(strPath);
    ASSERT_EQ(file.size(), 454u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(ReadDword(file, 2), 454u);
    EXPECT_EQ(ReadDword(file, 10), 54u);
    EXPECT_EQ(ReadDword(file, 14), 40u);
    EXPECT_EQ(ReadDword(file, 18), 10u);
    EXPECT_EQ(file[28], 32);
    // Rows bottom-up, pixels blue, green, red: the red corner is in the last row.
    EXPECT_EQ(file[54 + 0], 255);
    EXPECT_EQ(file[54 + 2], 0);
    const size_t nTopLeft = 54 + 9 * 40;
    EXPECT_EQ(file[nTopLeft + 0], 0);
    EXPECT_EQ(file[nTopLeft + 2], 255);

    EXPECT_FALSE(CEnvironment::SaveBitmapToFile(nullptr, "C:\\no_such_dir_tq5\\x.bmp", hBitmap));
    EXPECT_FALSE(CEnvironment::SaveBitmapToFile(nullptr, strPath, nullptr));
    ::DeleteObject(hBitmap);
    CEnvironment::RemoveFile(strPath);
}

TEST(RegistryUtil, DeleteTreeRemovesAllSubKeys)
{
    const CString strProfile = CTestApp::GetProfilePath();
    const CString strBase = strProfile + "\\TreeTest";
    const char* const pszBase = strBase;
    const char* const keys[] = {"TreeTest\\A\\B\\C", "TreeTest\\A\\D", "TreeTest\\E"};
    for (const char* pszKey : keys)
    {
        HKEY hKey;
        const CString strKey = strProfile + "\\" + pszKey;
        ASSERT_EQ(
            ::RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr),
            ERROR_SUCCESS);
        DWORD dw = 1;
        ::RegSetValueExA(hKey, "Value", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), sizeof(dw));
        ::RegCloseKey(hKey);
    }
    EXPECT_TRUE(CEnvironment::DeleteRegistryTree(HKEY_CURRENT_USER, pszBase));
    HKEY hKey;
    EXPECT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, pszBase, 0, KEY_READ, &hKey), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, strProfile, 0, KEY_READ, &hKey), ERROR_SUCCESS);
    ::RegCloseKey(hKey);

    EXPECT_TRUE(CEnvironment::DeleteRegistryTree(HKEY_CURRENT_USER, pszBase));
    EXPECT_TRUE(CEnvironment::DeleteRegistryTree(HKEY_CURRENT_USER, strProfile + "\\NoSuchKey\\Deeper"));
    // Never the root itself, never past the path buffer.
    EXPECT_FALSE(CEnvironment::DeleteRegistryTree(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(CEnvironment::DeleteRegistryTree(HKEY_CURRENT_USER, CString('k', 600)));
}
