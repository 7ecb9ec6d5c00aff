// BMP files drawn by the page: 24 and 32 bits with and without file header, an 8-bit core-header file, the
// files the chart and the environment layer write, a top-down picture; truncated, oversized and
// inconsistent files draw nothing.
#include "storage/CBmpFileReader.h"
#include "storage/CPage.h"

#include "BuildTreeFiles.h"
#include "PageCanvas.h"
#include "charting/CPlot.h"
#include "shell/CEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace
{
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr COLORREF GREEN = RGB(0, 255, 0);
constexpr COLORREF BLUE = RGB(0, 0, 255);
constexpr COLORREF YELLOW = RGB(255, 255, 0);
// The test picture, 2 x 2, by row from the top.
constexpr COLORREF QUADRANTS[2][2] = {{RED, GREEN}, {BLUE, YELLOW}};

struct BmpVariant
{
    WORD nBits = 24;
    bool bCoreHeader = false;
    bool bFileHeader = true;
    DWORD nGap = 0; // bytes between colour table and pixels
    bool bTopDown = false;
};

class CBytes
{
public:
    template <class T> void Put(const T& value)
    {
        const BYTE* p = reinterpret_cast<const BYTE*>(&value);
        m_bytes.insert(m_bytes.end(), p, p + sizeof(T));
    }
    void Zeros(size_t n) { m_bytes.insert(m_bytes.end(), n, 0); }
    std::vector<BYTE> m_bytes;
};

void PutPixel(CBytes& out, WORD nBits, int nIndex, COLORREF cr)
{
    if (nBits == 8)
        out.Put(static_cast<BYTE>(nIndex));
    else
    {
        out.Put(GetBValue(cr));
        out.Put(GetGValue(cr));
        out.Put(GetRValue(cr));
        if (nBits == 32)
            out.Put(BYTE{0});
    }
}

std::vector<BYTE> QuadrantBmp(const BmpVariant& v)
{
    const DWORD nColours = v.nBits == 8 ? 256 : 0;
    const DWORD cbHeader = v.bCoreHeader ? sizeof(BITMAPCOREHEADER) : sizeof(BITMAPINFOHEADER);
    const DWORD cbTable = nColours * (v.bCoreHeader ? 3 : 4);
    const DWORD cbRow = (2 * v.nBits + 31) / 32 * 4;
    const DWORD nPixelOffset = (v.bFileHeader ? 14 : 0) + cbHeader + cbTable + v.nGap;
    CBytes out;
    if (v.bFileHeader)
        out.Put(BITMAPFILEHEADER{0x4D42, nPixelOffset + 2 * cbRow, 0, 0, nPixelOffset});
    if (v.bCoreHeader)
        out.Put(BITMAPCOREHEADER{sizeof(BITMAPCOREHEADER), 2, 2, 1, v.nBits});
    else
        out.Put(BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, v.bTopDown ? -2 : 2, 1, v.nBits, BI_RGB, 0, 0,
                                 0, 0, 0});
    for (DWORD i = 0; i < nColours; ++i) // the four colours first, the rest grey
    {
        const COLORREF cr = i < 4 ? QUADRANTS[i / 2][i % 2] : RGB(128, 128, 128);
        out.Put(GetBValue(cr));
        out.Put(GetGValue(cr));
        out.Put(GetRValue(cr));
        if (!v.bCoreHeader)
            out.Put(BYTE{0});
    }
    out.Zeros(v.nGap);
    for (int nRow = 0; nRow < 2; ++nRow)
    {
        const int nTop = v.bTopDown ? nRow : 1 - nRow;
        const size_t nStart = out.m_bytes.size();
        for (int x = 0; x < 2; ++x)
            PutPixel(out, v.nBits, nTop * 2 + x, QUADRANTS[nTop][x]);
        out.Zeros(cbRow - (out.m_bytes.size() - nStart));
    }
    return out.m_bytes;
}

// The test picture as a bitmap of the screen's format.
HBITMAP QuadrantBitmap()
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 2, 2);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            ::SetPixelV(hMem, x, y, QUADRANTS[y][x]);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
}

DWORD DwordAt(const std::vector<BYTE>& bytes, size_t nOffset)
{
    DWORD dw = 0;
    if (nOffset + sizeof(dw) <= bytes.size())
        std::memcpy(&dw, bytes.data() + nOffset, sizeof(dw));
    return dw;
}

template <class T> void Patch(std::vector<BYTE>& bytes, size_t nOffset, T value)
{
    ASSERT_LE(nOffset + sizeof(T), bytes.size());
    std::memcpy(bytes.data() + nOffset, &value, sizeof(T));
}

class BmpFileTest : public ::testing::Test
{
protected:
    // Draws the file into (20, 10, 60, 50) of a fresh canvas; returns the page's answer.
    BOOL Draw(const CString& strPath)
    {
        m_canvas.m_dc.FillSolidRect(0, 0, 80, 60, PAGE_WHITE);
        CPage page(0, 0, 80, 60, &m_canvas.m_dc, CPage::MAP_TEXT);
        page.m_state.text = "kept";
        const BOOL bDrawn = page.DrawBitmapFile(10, 20, 50, 60, strPath);
        EXPECT_EQ(page.m_state.text, CString("kept"));
        return bDrawn;
    }
    BOOL DrawBytes(const std::vector<BYTE>& bytes)
    {
        const CString strPath = BuildTreePath("tests/storage_bmp_case.bmp");
        EXPECT_TRUE(WriteBytes(strPath, bytes));
        return Draw(strPath);
    }
    void ExpectQuadrants(const char* lpszCase)
    {
        EXPECT_EQ(m_canvas.Pixel(30, 20), RED) << lpszCase;
        EXPECT_EQ(m_canvas.Pixel(50, 20), GREEN) << lpszCase;
        EXPECT_EQ(m_canvas.Pixel(30, 40), BLUE) << lpszCase;
        EXPECT_EQ(m_canvas.Pixel(50, 40), YELLOW) << lpszCase;
        EXPECT_EQ(m_canvas.Pixel(20, 10), RED) << lpszCase;
        EXPECT_EQ(m_canvas.Pixel(59, 49), YELLOW) << lpszCase;
        EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 80, 10), PAGE_WHITE), 0) << lpszCase;
        EXPECT_EQ(m_canvas.CountOther(CRect(60, 0, 80, 60), PAGE_WHITE), 0) << lpszCase;
    }

    PageCanvas m_canvas{80, 60};
};
} // namespace

TEST_F(BmpFileTest, ReadableFilesAreStretchedIntoTheRectangle)
{
    struct Case
    {
        const char* lpszName;
        BmpVariant variant;
    };
    const Case cases[] = {
        {"24 bits, file header", {}},
        {"32 bits, file header", {32}},
        {"8 bits, core header", {8, true}},
        {"8 bits, information header", {8}},
        {"24 bits, no file header", {24, false, false}},
        {"24 bits, core header, no file header", {24, true, false}},
        {"32 bits, pixels 4 bytes behind the header", {32, false, true, 4}},
        {"24 bits, top-down", {24, false, true, 0, true}},
    };
    for (const Case& c : cases)
    {
        EXPECT_TRUE(DrawBytes(QuadrantBmp(c.variant))) << c.lpszName;
        ExpectQuadrants(c.lpszName);
    }
}

TEST_F(BmpFileTest, ACoreHeaderPictureGetsAFullTableOfFourByteColours)
{
    const CString strPath = BuildTreePath("tests/storage_bmp_core.bmp");
    ASSERT_TRUE(WriteBytes(strPath, QuadrantBmp({8, true})));
    CBmpFileReader reader;
    ASSERT_TRUE(reader.Load(strPath));
    EXPECT_EQ(reader.GetColourCount(), 256u);
    const BITMAPINFOHEADER* pHeader = reader.GetHeader();
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader->biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(pHeader->biClrUsed, 256u);
    EXPECT_EQ(pHeader->biSizeImage, 8u); // two rows of 4 bytes
    const auto* pColours = reinterpret_cast<const RGBQUAD*>(pHeader + 1);
    EXPECT_EQ(pColours[1].rgbGreen, 255);
    EXPECT_EQ(pColours[1].rgbRed, 0);
    EXPECT_EQ(pColours[3].rgbRed, 255);
    EXPECT_EQ(pColours[3].rgbReserved, 0);
}

TEST_F(BmpFileTest, TheChartsAndTheEnvironmentsBitmapFilesAreDrawn)
{
    HBITMAP hBitmap = QuadrantBitmap();
    const CString strChart = BuildTreePath("tests/storage_bmp_chart.bmp");
    HGLOBAL hDib = CPlot::BitmapToDib(hBitmap, BI_RGB, nullptr);
    ASSERT_TRUE(CPlot::WriteDib(strChart, hDib));
    ::GlobalFree(hDib);
    const CString strEnvironment = BuildTreePath("tests/storage_bmp_environment.bmp");
    ASSERT_TRUE(CEnvironment::SaveBitmapToFile(nullptr, strEnvironment, hBitmap));
    ::DeleteObject(hBitmap);

    const std::vector<BYTE> chart = ReadBytes(strChart);
    ASSERT_EQ(chart.size(), 58u + 2 * 2 * 4);
    EXPECT_EQ(chart[0], 'B');
    EXPECT_EQ(chart[1], 'M');
    EXPECT_EQ(DwordAt(chart, 10), 58u);
    EXPECT_EQ(chart[28], 32);
    EXPECT_TRUE(Draw(strChart));
    ExpectQuadrants("chart, offset 58");

    const std::vector<BYTE> environment = ReadBytes(strEnvironment);
    ASSERT_EQ(environment.size(), 54u + 2 * 2 * 4);
    EXPECT_EQ(DwordAt(environment, 10), 54u);
    EXPECT_TRUE(Draw(strEnvironment));
    ExpectQuadrants("environment, offset 54");
}

TEST_F(BmpFileTest, TruncatedOversizedAndInconsistentFilesDrawNothing)
{
    const std::vector<BYTE> good = QuadrantBmp({});
    struct Case
    {
        const char* lpszName;
        std::function<void(std::vector<BYTE>&)> change;
    };
    const Case cases[] = {
        {"one pixel byte short", [](std::vector<BYTE>& b) { b.pop_back(); }},
        {"information header cut", [](std::vector<BYTE>& b) { b.resize(14 + 20); }},
        {"file header only", [](std::vector<BYTE>& b) { b.resize(14); }},
        {"shorter than a file header", [](std::vector<BYTE>& b) { b.resize(6); }},
        {"empty", [](std::vector<BYTE>& b) { b.clear(); }},
        {"header size 64", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 14, 64); }},
        {"header size 0", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 14, 0); }},
        {"100000 x 100000 pixels",
         [](std::vector<BYTE>& b)
         {
             Patch<LONG>(b, 18, 100000);
             Patch<LONG>(b, 22, 100000);
         }},
        {"65536 x 65536 at 32 bits",
         [](std::vector<BYTE>& b)
         {
             Patch<LONG>(b, 18, 65536);
             Patch<LONG>(b, 22, -65536);
             Patch<WORD>(b, 28, 32);
         }},
        {"no width", [](std::vector<BYTE>& b) { Patch<LONG>(b, 18, 0); }},
        {"negative width", [](std::vector<BYTE>& b) { Patch<LONG>(b, 18, -2); }},
        {"no height", [](std::vector<BYTE>& b) { Patch<LONG>(b, 22, 0); }},
        {"pixel offset at the end", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 10, (DWORD)b.size()); }},
        {"pixel offset far beyond", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 10, 0xFFFFFFF0); }},
        {"pixel offset inside the header", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 10, 20); }},
        {"7 bits per pixel", [](std::vector<BYTE>& b) { Patch<WORD>(b, 28, 7); }},
        {"two planes", [](std::vector<BYTE>& b) { Patch<WORD>(b, 26, 2); }},
        {"run-length compressed", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 30, BI_RLE8); }},
        {"1000 colours", [](std::vector<BYTE>& b) { Patch<DWORD>(b, 46, 1000); }},
    };
    for (const Case& c : cases)
    {
        std::vector<BYTE> bytes = good;
        c.change(bytes);
        EXPECT_FALSE(DrawBytes(bytes)) << c.lpszName;
        EXPECT_TRUE(m_canvas.IsBlank()) << c.lpszName;
    }

    std::vector<BYTE> colours = QuadrantBmp({8});
    Patch<DWORD>(colours, 46, 257); // more colours than 8 bits index
    EXPECT_FALSE(DrawBytes(colours));
    EXPECT_FALSE(Draw(BuildTreePath("tests/storage_bmp_missing.bmp")));
    EXPECT_FALSE(Draw(BuildTreePath("tests")));
    EXPECT_TRUE(m_canvas.IsBlank());
}
