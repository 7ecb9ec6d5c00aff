// Bitmaps as packed bitmaps and BMP files: every byte of the file, for bitmaps of the screen's depth, of
// fewer bits per pixel and of an odd width, with and without the colour table.
#include "framework/AfxDib.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
enum class Kind
{
    Screen,
    Rgb24,
    Mono,
};

COLORREF PixelColour(Kind kind, int x, int y)
{
    if (kind == Kind::Mono)
        return (x + y) % 2 != 0 ? RGB(255, 255, 255) : RGB(0, 0, 0);
    return RGB(x * 20, y * 30, (x ^ y) * 17);
}

HBITMAP MakeBitmap(Kind kind, int cx, int cy)
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = nullptr;
    if (kind == Kind::Screen)
        hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    else if (kind == Kind::Mono)
        hBitmap = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    else
    {
        BITMAPINFO bi = {};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        hBitmap = ::CreateDIBSection(hScreen, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    }
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            ::SetPixel(hDC, x, y, PixelColour(kind, x, y));
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}

template <typename T> void Append(std::vector<BYTE>& bytes, const T& value)
{
    const auto* p = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof(T));
}

// The BMP file: 14-byte file header, 40-byte information header, nEntries unfilled colour-table entries,
// then 32-bit pixels blue, green, red, 0, rows from bottom to top.
std::vector<BYTE> ExpectedFile(Kind kind, int cx, int cy, DWORD nEntries)
{
    const DWORD cbImage = static_cast<DWORD>(cx * cy * 4);
    const DWORD cbHeaders = 14 + 40 + 4 * nEntries;
    std::vector<BYTE> bytes;
    Append(bytes, BITMAPFILEHEADER{0x4D42, cbHeaders + cbImage, 0, 0, cbHeaders});
    Append(bytes, BITMAPINFOHEADER{40, cx, cy, 1, 32, BI_RGB, cbImage, 0, 0, 0, 0});
    bytes.resize(cbHeaders, 0);
    for (int y = cy - 1; y >= 0; --y)
        for (int x = 0; x < cx; ++x)
        {
            const COLORREF cr = PixelColour(kind, x, y);
            Append(bytes, RGBQUAD{GetBValue(cr), GetGValue(cr), GetRValue(cr), 0});
        }
    return bytes;
}

std::string TempPath(const char* pszName)
{
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    return std::string(szTemp) + pszName;
}

std::vector<BYTE> ReadFileBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
} // namespace

TEST(Dib, FilesHoldTheHeadersTheColourTableAndThePixelsBottomUp)
{
    struct Case
    {
        Kind kind;
        int cx, cy;
    };
    const Case bitmaps[] = {
        {Kind::Screen, 10, 10}, {Kind::Screen, 7, 5}, {Kind::Rgb24, 13, 7}, {Kind::Mono, 9, 3}};
    const std::string strPath = TempPath("tq5_framework_dib.bmp");
    for (const Case& c : bitmaps)
    {
        HBITMAP hBitmap = MakeBitmap(c.kind, c.cx, c.cy);
        ASSERT_NE(hBitmap, nullptr);
        for (AfxDibColourTable table : {AfxDibColourTable::None, AfxDibColourTable::ByBitCount})
        {
            const DWORD nEntries = table == AfxDibColourTable::None ? 0 : 1;
            SCOPED_TRACE(std::to_string(c.cx) + " x " + std::to_string(c.cy) + ", entries " +
                         std::to_string(nEntries));
            ASSERT_TRUE(AfxSaveBitmapAsDib(nullptr, strPath.c_str(), hBitmap, table));
            EXPECT_EQ(ReadFileBytes(strPath), ExpectedFile(c.kind, c.cx, c.cy, nEntries));

            HGLOBAL hDib = AfxBitmapToDib(hBitmap, nullptr, table);
            ASSERT_NE(hDib, nullptr);
            ::DeleteFileA(strPath.c_str());
            ASSERT_TRUE(AfxWriteDib(strPath.c_str(), hDib, table));
            ::GlobalFree(hDib);
            EXPECT_EQ(ReadFileBytes(strPath), ExpectedFile(c.kind, c.cx, c.cy, nEntries));
        }
        ::DeleteObject(hBitmap);
    }
    ::DeleteFileA(strPath.c_str());
}

TEST(Dib, NothingIsWrittenWithoutABitmapOrAFolder)
{
    HBITMAP hBitmap = MakeBitmap(Kind::Screen, 4, 4);
    const AfxDibColourTable table = AfxDibColourTable::None;
    EXPECT_EQ(AfxBitmapToDib(nullptr, nullptr, table), nullptr);
    EXPECT_EQ(AfxBitmapToDib(hBitmap, nullptr, table, BI_BITFIELDS), nullptr);
    const std::string strPath = TempPath("tq5_framework_dib_none.bmp");
    EXPECT_FALSE(AfxWriteDib(strPath.c_str(), nullptr, table));
    EXPECT_FALSE(AfxSaveBitmapAsDib(nullptr, strPath.c_str(), nullptr, table));
    EXPECT_EQ(::GetFileAttributesA(strPath.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(AfxSaveBitmapAsDib(nullptr, "C:\\no_such_dir_tq5\\x.bmp", hBitmap, table));
    ::DeleteObject(hBitmap);
}
