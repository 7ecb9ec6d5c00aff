// A picture of a window's client area as it is on the screen, read back as pixels and saved as a BMP
// file in the build tree's tests folder.
#pragma once

#include "framework/CWnd.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

class CClientShot
{
public:
    // Repaints the window, then copies its client area.
    explicit CClientShot(CWnd* pWnd)
    {
        pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        CRect rc;
        pWnd->GetClientRect(&rc);
        m_cx = rc.Width();
        m_cy = rc.Height();
        m_pixels.resize((size_t)m_cx * m_cy);
        HDC hdcWnd = ::GetDC(*pWnd);
        HDC hdcMem = ::CreateCompatibleDC(hdcWnd);
        BITMAPINFO bmi = Header();
        void* pBits = nullptr;
        HBITMAP hBitmap = ::CreateDIBSection(hdcWnd, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HGDIOBJ hOld = ::SelectObject(hdcMem, hBitmap);
        ::BitBlt(hdcMem, 0, 0, m_cx, m_cy, hdcWnd, 0, 0, SRCCOPY);
        ::GdiFlush();
        std::copy_n(static_cast<const DWORD*>(pBits), m_pixels.size(), m_pixels.begin());
        ::SelectObject(hdcMem, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hdcMem);
        ::ReleaseDC(*pWnd, hdcWnd);
    }

    // As a COLORREF; black outside the picture.
    COLORREF Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
            return 0;
        const DWORD dw = m_pixels[(size_t)y * m_cx + x];
        return RGB(GetBValue(dw), GetGValue(dw), GetRValue(dw));
    }
    // How many pixels of the rectangle have exactly this colour.
    int Count(const RECT& rc, COLORREF color) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += Pixel(x, y) == color;
        return n;
    }

    // As <build>/tests/<name>.bmp (the temporary folder when the build folder is unknown).
    bool Save(const char* lpszName) const
    {
        char szPath[MAX_PATH];
        const char* pszBuild = std::getenv("TQ5_BUILD_DIR");
        if (pszBuild && *pszBuild == '/')
            std::snprintf(szPath, sizeof(szPath), "Z:%s/tests/%s.bmp", pszBuild, lpszName);
        else
        {
            char szTemp[MAX_PATH];
            ::GetTempPathA(MAX_PATH, szTemp);
            std::snprintf(szPath, sizeof(szPath), "%s%s.bmp", szTemp, lpszName);
        }
        FILE* f = std::fopen(szPath, "wb");
        if (f == nullptr)
            return false;
        const BITMAPINFO bmi = Header();
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfOffBits = sizeof(bfh) + sizeof(bmi.bmiHeader);
        bfh.bfSize = bfh.bfOffBits + (DWORD)(m_pixels.size() * 4);
        bool bOk = std::fwrite(&bfh, sizeof(bfh), 1, f) == 1 &&
                   std::fwrite(&bmi.bmiHeader, sizeof(bmi.bmiHeader), 1, f) == 1 &&
                   std::fwrite(m_pixels.data(), 4, m_pixels.size(), f) == m_pixels.size();
        return std::fclose(f) == 0 && bOk;
    }

    int m_cx = 0;
    int m_cy = 0;

private:
    BITMAPINFO Header() const
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        return bmi;
    }

    std::vector<DWORD> m_pixels; // top-down
};
