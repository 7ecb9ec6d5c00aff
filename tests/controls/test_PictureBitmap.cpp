// Picture loading and rotation: the kind by the file name, BMP, GIF, icon and JPEG files on a background,
// the rotated sizes and corner pixels, interpolation, processor chains, pixel buffers, and a picture
// of a rotated bitmap.
#include "controls/CBitmapViewWnd.h"
#include "controls/CImageRotator.h"
#include "controls/CPictureBitmap.h"

#include "ClientShot.h"
#include "PictureTestIds.h"
#include "QuadrantPicture.h"
#include "framework/CMemoryException.h"
#include "support/BuildTreePath.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// A Windows path in the build tree's tests folder.
CString TestFilePath(const char* lpszName)
{
    return BuildTreePath(CString("tests/") + lpszName);
}

// Writes the bytes of an RCDATA resource to a file of that name; returns its path.
CString WriteResourceFile(UINT nID, const char* lpszName)
{
    HRSRC hRes = ::FindResourceA(nullptr, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(10)); // RT_RCDATA
    const void* pData = hRes ? ::LockResource(::LoadResource(nullptr, hRes)) : nullptr;
    const DWORD cb = hRes ? ::SizeofResource(nullptr, hRes) : 0;
    const CString strPath = TestFilePath(lpszName);
    FILE* f = std::fopen(strPath, "wb");
    EXPECT_TRUE(f != nullptr && pData != nullptr) << strPath.GetString();
    if (f != nullptr)
    {
        if (pData)
            std::fwrite(pData, 1, cb, f);
        std::fclose(f);
    }
    return strPath;
}

void MakeQuadrants(CPictureBitmap& picture, int cx, int cy)
{
    ASSERT_TRUE(picture.Attach(MakeQuadrantBitmap(cx, cy)));
}

CSize SizeOf(const CPictureBitmap& picture)
{
    BITMAP bm{};
    picture.GetBitmap(&bm);
    return CSize(bm.bmWidth, bm.bmHeight);
}

// The pixels of a picture as COLORREFs, by row and column.
class CPixels
{
public:
    explicit CPixels(const CPictureBitmap& picture)
        : m_size(SizeOf(picture)), m_buffer(picture.ReadPixels32())
    {
    }
    COLORREF operator()(int x, int y) const
    {
        const DWORD dw = m_buffer.at((size_t)y * m_size.cx + x);
        return RGB(GetBValue(dw), GetGValue(dw), GetRValue(dw));
    }
    CSize m_size;
    PixelBuffer m_buffer;
};

bool IsNear(COLORREF a, COLORREF b, int nTolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= nTolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= nTolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}

// Refuses to run.
class CFailingProcessor : public C32BitImageProcessor
{
public:
    BOOL TransformPixels(const DWORD*, int, int, DWORD*, int, int) override { return FALSE; }
};
} // namespace

TEST(PictureBitmap, KindByFileName)
{
    const struct
    {
        const char* lpszName;
        int nKind;
    } cases[] = {
        {"C:\\logo.bmp", 0}, {"logo.BMP", 0},  {"report.bmp.gif", 0}, // ".BMP" is tested first
        {"icon.ico", 1},     {"photo.jpg", 2}, {"photo.JPEG", 2},     {"anim.gif", 3},
        {"a.gif.txt", 3},    {".bmp", 4}, // only after the first character
        {"notes.txt", 4},    {"", 4},          {nullptr, 4},          {"C:\\x.jpeg\\y.png", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPictureBitmap::PictureKind(c.lpszName), c.nKind) << (c.lpszName ? c.lpszName : "(null)");
}

TEST(PictureBitmap, LoadsABitmapFileOnce)
{
    const CString strBmp = WriteResourceFile(IDR_TEST_QUADRANTS_BMP, "controls_quadrants.bmp");
    CPictureBitmap picture(WHITE);
    ASSERT_TRUE(picture.LoadImageFile(strBmp));
    EXPECT_EQ(SizeOf(picture), CSize(40, 20));
    HGDIOBJ hFirst = picture.GetSafeHandle();
    EXPECT_FALSE(picture.LoadImageFile(strBmp)); // one picture at a time
    EXPECT_EQ(picture.GetSafeHandle(), hFirst);
    const CPixels pixels(picture);
    EXPECT_EQ(pixels(0, 0), RED);
    EXPECT_EQ(pixels(39, 0), BLUE);
    EXPECT_EQ(pixels(0, 19), GREEN);
    EXPECT_EQ(pixels(39, 19), YELLOW);

    // A bitmap file named as a GIF after ".bmp" loads as a bitmap.
    const CString strOddName = WriteResourceFile(IDR_TEST_QUADRANTS_BMP, "controls_report.bmp.gif");
    CPictureBitmap odd(WHITE);
    EXPECT_TRUE(odd.LoadImageFile(strOddName));

    CPictureBitmap failed(WHITE);
    EXPECT_FALSE(failed.LoadImageFile(TestFilePath("controls_no_such_picture.bmp")));
    EXPECT_FALSE(failed.LoadImageFile(TestFilePath("controls_no_such_picture.jpg")));
    EXPECT_FALSE(failed.LoadImageFile(WriteResourceFile(IDR_TEST_QUADRANTS_BMP, "controls_quadrants.png")));
    EXPECT_FALSE(failed.LoadImageFile(WriteResourceFile(IDR_TEST_GIF, "controls_not_a_bitmap.bmp")));
    EXPECT_EQ(failed.GetSafeHandle(), nullptr);
}

TEST(PictureBitmap, TransparentPartsTakeTheBackground)
{
    // Both pictures: left half red, right half transparent.
    const struct
    {
        UINT nID;
        const char* lpszName;
        CSize size;
    } cases[] = {{IDR_TEST_GIF, "controls_half_transparent.gif", CSize(8, 4)},
                 {IDR_TEST_ICO, "controls_half_transparent.ico", CSize(16, 16)}};
    for (const auto& c : cases)
    {
        const CString strPath = WriteResourceFile(c.nID, c.lpszName);
        CPictureBitmap onWhite(WHITE);
        ASSERT_TRUE(onWhite.LoadImageFile(strPath)) << c.lpszName;
        CPictureBitmap onBlack(WHITE);
        ASSERT_TRUE(onBlack.LoadImageFile(strPath, BLACK)) << c.lpszName;
        for (const CPictureBitmap* p : {&onWhite, &onBlack})
        {
            const CPixels pixels(*p);
            const COLORREF back = p == &onWhite ? WHITE : BLACK;
            const int cxHalf = c.size.cx / 2;
            ASSERT_EQ(pixels.m_size, c.size) << c.lpszName;
            EXPECT_EQ(pixels(0, 0), RED) << c.lpszName;
            EXPECT_EQ(pixels(cxHalf - 1, c.size.cy - 1), RED) << c.lpszName;
            EXPECT_EQ(pixels(cxHalf, 0), back) << c.lpszName;
            EXPECT_EQ(pixels(c.size.cx - 1, c.size.cy - 1), back) << c.lpszName;
        }
    }
}

TEST(PictureBitmap, LoadsAJpegFile)
{
    CPictureBitmap picture(WHITE);
    ASSERT_TRUE(picture.LoadImageFile(WriteResourceFile(IDR_TEST_JPEG, "controls_two_blocks.jpg")));
    const CPixels pixels(picture);
    ASSERT_EQ(pixels.m_size, CSize(16, 8));
    EXPECT_TRUE(IsNear(pixels(2, 2), RGB(200, 30, 30), 8));
    EXPECT_TRUE(IsNear(pixels(13, 5), RGB(30, 30, 200), 8));
}

TEST(ImageRotator, AnglesAndSizes)
{
    const struct
    {
        int nDegrees, cx, cy;
        CSize sizeExpected;
    } cases[] = {
        {90, 100, 50, CSize(52, 102)},   {270, 100, 50, CSize(52, 102)}, {-90, 100, 50, CSize(52, 102)},
        {450, 100, 50, CSize(52, 102)},  {180, 100, 50, CSize(102, 52)}, {45, 100, 50, CSize(108, 108)},
        {45, 76, 76, CSize(108, 108)},   {0, 100, 50, CSize(100, 50)},   {360, 100, 50, CSize(100, 50)},
        {-360, 100, 50, CSize(100, 50)}, {30, 0, 50, CSize(0, 50)},
    };
    for (const auto& c : cases)
    {
        CImageRotator rotator(c.nDegrees);
        EXPECT_EQ(rotator.DestinationSize(c.cx, c.cy), c.sizeExpected) << c.nDegrees << " " << c.cx;
    }
    EXPECT_DOUBLE_EQ(CImageRotator(-90).m_dRadians, CImageRotator(270).m_dRadians);
    EXPECT_EQ(CImageRotator(-360).m_dRadians, 0.0);
}

TEST(ImageRotator, QuarterTurnsMoveTheCorners)
{
    const struct
    {
        int nDegrees;
        COLORREF topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {270, BLUE, YELLOW, RED, GREEN}, // counter-clockwise: the top edge becomes the left edge
        {90, GREEN, RED, YELLOW, BLUE},
        {180, YELLOW, GREEN, BLUE, RED},
    };
    for (const auto& c : cases)
    {
        CPictureBitmap picture(WHITE);
        MakeQuadrants(picture, 100, 50);
        ASSERT_TRUE(picture.Rotate(c.nDegrees));
        const CPixels pixels(picture);
        const CSize size = pixels.m_size;
        // The turned picture lies inside a frame of background one or two pixels wide.
        EXPECT_EQ(pixels(3, 3), c.topLeft) << c.nDegrees;
        EXPECT_EQ(pixels(size.cx - 4, 3), c.topRight) << c.nDegrees;
        EXPECT_EQ(pixels(3, size.cy - 4), c.bottomLeft) << c.nDegrees;
        EXPECT_EQ(pixels(size.cx - 4, size.cy - 4), c.bottomRight) << c.nDegrees;
        EXPECT_EQ(pixels(size.cx - 1, size.cy - 1), WHITE) << c.nDegrees;
    }
}

TEST(ImageRotator, UncoveredCornersTakeTheBackground)
{
    for (COLORREF back : {WHITE, BLACK, RGB(10, 20, 30)})
    {
        CPictureBitmap picture(back);
        MakeQuadrants(picture, 100, 50);
        ASSERT_TRUE(picture.Rotate(45));
        const CPixels pixels(picture);
        ASSERT_EQ(pixels.m_size, CSize(108, 108));
        for (CPoint pt : {CPoint(0, 0), CPoint(107, 0), CPoint(0, 107), CPoint(107, 107)})
            EXPECT_EQ(pixels(pt.x, pt.y), back) << pt.x << "," << pt.y;
        EXPECT_NE(pixels(54, 54), back);
    }
}

TEST(ImageRotator, NoTurnKeepsThePixels)
{
    CPictureBitmap picture(WHITE);
    MakeQuadrants(picture, 30, 16);
    const PixelBuffer before = picture.ReadPixels32();
    HGDIOBJ hBefore = picture.GetSafeHandle();
    for (int nDegrees : {0, 360, -360})
    {
        ASSERT_TRUE(picture.Rotate(nDegrees));
        EXPECT_EQ(picture.ReadPixels32(), before) << nDegrees;
    }
    EXPECT_NE(picture.GetSafeHandle(), hBefore); // rebuilt all the same
}

TEST(ImageRotator, InterpolationBlendsNeighbours)
{
    // Blue, green, red, fourth byte in memory.
    const DWORD src[4] = {0x00000000, 0x00C8C8C8, 0x00646464, 0xFF000000};
    EXPECT_EQ(CImageRotator::SampleBilinear(src, 2, 2, 0.0, 0.0), 0x00000000u);
    EXPECT_EQ(CImageRotator::SampleBilinear(src, 2, 2, 0.5, 0.0), 0x00646464u);
    EXPECT_EQ(CImageRotator::SampleBilinear(src, 2, 2, 0.5, 0.5), 0x004B4B4Bu); // fourth byte 0
    EXPECT_EQ(CImageRotator::SampleBilinear(src, 2, 2, 1.0, 1.0), 0x00000000u);
    EXPECT_EQ(CImageRotator::SampleBilinear(src, 2, 2, 1.0, -0.5), 0x00C8C8C8u); // negative: nearest
    EXPECT_EQ(CImageRotator::SampleBilinear(src, 2, 2, -3.0, 1.5), 0x00646464u);

    // A turned picture with interpolation has blended pixels where red meets blue.
    CPictureBitmap picture(WHITE);
    MakeQuadrants(picture, 100, 50);
    ASSERT_TRUE(picture.Rotate(30, TRUE));
    const CPixels pixels(picture);
    int nBlended = 0;
    for (int y = 0; y < pixels.m_size.cy; ++y)
        for (int x = 0; x < pixels.m_size.cx; ++x)
        {
            const COLORREF c = pixels(x, y);
            nBlended += GetRValue(c) > 20 && GetRValue(c) < 235 && GetBValue(c) > 20 && GetBValue(c) < 235 &&
                        GetGValue(c) < 20;
        }
    EXPECT_GT(nBlended, 10);
}

TEST(PictureBitmap, ProcessorChains)
{
    CPictureBitmap empty(WHITE);
    CImageRotator quarter(90);
    EXPECT_FALSE(empty.ApplyProcessor(&quarter));

    CPictureBitmap picture(WHITE);
    MakeQuadrants(picture, 100, 50);
    HGDIOBJ hBefore = picture.GetSafeHandle();
    EXPECT_TRUE(picture.ApplyProcessorChain({}));
    EXPECT_EQ(picture.GetSafeHandle(), hBefore);

    CFailingProcessor failing;
    EXPECT_FALSE(picture.ApplyProcessorChain({&quarter, &failing}));
    EXPECT_EQ(picture.GetSafeHandle(), hBefore);

    // Two quarter turns: the second takes the larger output of the first.
    CImageRotator again(90);
    ASSERT_TRUE(picture.ApplyProcessorChain({&quarter, &again}));
    const CPixels pixels(picture);
    EXPECT_EQ(pixels.m_size, CSize(104, 54));
    EXPECT_EQ(pixels(6, 6), YELLOW);
    EXPECT_EQ(pixels(97, 47), RED);
}

TEST(PictureBitmap, PixelBuffers)
{
    const struct
    {
        COLORREF color;
        DWORD dwPixel;
    } cases[] = {{0, 0x00000000}, {WHITE, 0xFFFFFFFF}, {CLR_INVALID, 0xFFFFFFFF}, {RGB(1, 2, 3), 0x00010203}};
    for (const auto& c : cases)
    {
        PixelBuffer buffer = CPictureBitmap::AllocPixels(7, 3);
        ASSERT_EQ(buffer.size(), 21u);
        CPictureBitmap::FillPixels(buffer.data(), 7, 3, c.color);
        EXPECT_EQ(buffer, PixelBuffer(21, c.dwPixel)) << c.color;
    }

    CPictureBitmap picture(WHITE);
    BITMAPINFOHEADER header{};
    EXPECT_EQ(picture.MakeInfoHeader32(header), 0);
    EXPECT_TRUE(picture.ReadPixels32().empty());
    MakeQuadrants(picture, 10, 6);
    EXPECT_EQ(picture.MakeInfoHeader32(header), 6);
    EXPECT_EQ(header.biWidth, 10);
    EXPECT_EQ(header.biHeight, -6);
    EXPECT_EQ(header.biBitCount, 32);
    EXPECT_EQ(header.biSizeImage, 240u);

    // More than 4 GB of pixels.
    bool bRaised = false;
    try
    {
        CPictureBitmap::AllocPixels(40000, 30000);
    }
    catch (CMemoryException* e)
    {
        bRaised = true;
        e->Delete();
    }
    EXPECT_TRUE(bRaised);
}

TEST(PictureBitmap, PictureOfATurnedBitmap)
{
    CPictureBitmap picture(WHITE);
    MakeQuadrants(picture, 100, 50);
    ASSERT_TRUE(picture.Rotate(270));

    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, "turned", WS_POPUP | WS_VISIBLE, 80, 80, 120, 220, nullptr, nullptr));
    CBitmapViewWnd view;
    ASSERT_TRUE(view.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 220), &parent, 1023));
    view.SetBitmap(static_cast<HBITMAP>(picture));
    view.SetZoom(2.0);
    CClientShot shot(&view);
    EXPECT_EQ(shot.Pixel(8, 8), BLUE);
    EXPECT_EQ(shot.Pixel(8, 196), RED);
    EXPECT_EQ(shot.Pixel(96, 196), GREEN);
    EXPECT_EQ(shot.Pixel(96, 8), YELLOW);
    EXPECT_TRUE(shot.Save("controls_picture_turned"));
    view.DestroyWindow();
    parent.DestroyWindow();
}
