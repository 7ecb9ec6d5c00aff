// Helpers of the owner-drawn menu tests: a caller's image list with known colours, a memory canvas
// to paint items on, and a fixture that starts every test with an empty shared image list.
#pragma once

#include "OwnerMenuTestIds.h"

#include "controls/COwnerMenu.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CDC.h"
#include "framework/CImageList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Image 0: a red square (2..13) with a dark green core (6..9) on a transparent ground.
// Image 1: a blue square (1..14).
constexpr COLORREF kImageRed = RGB(255, 0, 0);
constexpr COLORREF kImageGreen = RGB(0, 128, 0);
constexpr COLORREF kImageBlue = RGB(0, 0, 255);
constexpr COLORREF kImageMask = RGB(255, 0, 255);

// A memory context with a 32-bit bitmap of cx x cy, filled with crFill.
class CTestCanvas
{
public:
    CTestCanvas(int cx, int cy, COLORREF crFill)
    {
        CClientDC screen(nullptr);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        m_pOld = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, crFill);
    }
    ~CTestCanvas() { m_dc.SelectObject(m_pOld); }
    CDC* DC() { return &m_dc; }
    COLORREF Pixel(int x, int y) const { return m_dc.GetPixel(x, y); }
    // Whether any pixel of the rectangle has the colour.
    bool Contains(const CRect& rc, COLORREF cr) const
    {
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (m_dc.GetPixel(x, y) == cr)
                    return true;
        return false;
    }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOld = nullptr;
};

inline void AddTestImage(CImageList& list, bool bBlue)
{
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 16, 16);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 16, 16, kImageMask);
    if (bBlue)
        dc.FillSolidRect(1, 1, 14, 14, kImageBlue);
    else
    {
        dc.FillSolidRect(2, 2, 12, 12, kImageRed);
        dc.FillSolidRect(6, 6, 4, 4, kImageGreen);
    }
    dc.SelectObject(pOld);
    list.Add(&bitmap, kImageMask);
}

// The frame's image list: the two test images.
inline bool CreateTestImages(CImageList& list)
{
    if (!list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 1))
        return false;
    AddTestImage(list, false);
    AddTestImage(list, true);
    return list.GetImageCount() == 2;
}

// Every test starts with an empty shared image list and the look of a current system (class 1, no
// classic scheme); tests that change the look get it back.
class OwnerMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        COwnerMenu::s_sharedImages.DeleteImageList();
        COwnerMenu::s_sharedImageIds.clear();
        m_nOsClass = COwnerMenu::s_osClass;
        COwnerMenu::s_osClass = 1;
        COwnerMenu::s_classicScheme = FALSE;
        COwnerMenu::s_bClassicSchemeKnown = TRUE;
        ASSERT_TRUE(CreateTestImages(m_images));
    }
    void TearDown() override
    {
        COwnerMenu::s_osClass = m_nOsClass;
        COwnerMenu::s_bClassicSchemeKnown = FALSE;
    }

    CImageList m_images;
    int m_nOsClass = 1;
};

// With TQ5_BUILD_DIR set, the picture's path in the build tree (seen through Wine's drive for the
// Unix root); otherwise in the temporary folder.
inline CString OwnerMenuPicturePath(const char* pszName)
{
    const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
    if (pszBuild != nullptr && *pszBuild == '/')
        return CString("Z:") + pszBuild + "/tests/" + pszName;
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    return CString(szTemp) + pszName;
}

// Saves the bitmap (not selected into a context) as a 24-bit BMP file.
inline bool SaveTestBitmap(HBITMAP hBitmap, const CString& strPath)
{
    BITMAP bm = {};
    if (!::GetObjectA(hBitmap, sizeof(bm), &bm))
        return false;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = bm.bmHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    const DWORD cbRow = (DWORD)((bm.bmWidth * 3 + 3) & ~3);
    std::string bits(cbRow * bm.bmHeight, '\0');
    HDC hScreen = ::GetDC(nullptr);
    const int nLines = ::GetDIBits(hScreen, hBitmap, 0, bm.bmHeight, bits.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hScreen);
    if (nLines != bm.bmHeight)
        return false;
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bmi.bmiHeader);
    bfh.bfSize = bfh.bfOffBits + (DWORD)bits.size();
    FILE* f = std::fopen(strPath, "wb");
    if (f == nullptr)
        return false;
    const bool bOk = std::fwrite(&bfh, sizeof(bfh), 1, f) == 1 &&
                     std::fwrite(&bmi.bmiHeader, sizeof(bmi.bmiHeader), 1, f) == 1 &&
                     std::fwrite(bits.data(), bits.size(), 1, f) == 1;
    return std::fclose(f) == 0 && bOk;
}
