// A white 32-bit top-down DIB section selected into a memory context of the context class DC (CDC or one
// derived from it), to draw on in tests; its pixels are read directly.
#pragma once

#include "framework/CDC.h"
#include "framework/CRect.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

template <class DC> class CDibCanvas
{
public:
    // lpszShotsVariable names the environment variable that, set to a folder, lets Save write pictures.
    CDibCanvas(int cx, int cy, const char* lpszShotsVariable)
        : m_cx(cx), m_cy(cy), m_lpszShotsVariable(lpszShotsVariable)
    {
        HDC hScreen = ::GetDC(nullptr);
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy; // top-down rows
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        m_hBitmap =
            ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_dc.Attach(::CreateCompatibleDC(hScreen));
        ::ReleaseDC(nullptr, hScreen);
        m_hOld = ::SelectObject(m_dc, m_hBitmap);
        Fill(RGB(255, 255, 255));
    }
    ~CDibCanvas()
    {
        ::SelectObject(m_dc, m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    CDibCanvas(const CDibCanvas&) = delete;
    CDibCanvas& operator=(const CDibCanvas&) = delete;

    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    void Fill(COLORREF cr) { m_dc.CDC::FillSolidRect(0, 0, m_cx, m_cy, cr); }
    // CLR_INVALID outside the canvas.
    COLORREF Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
            return CLR_INVALID;
        ::GdiFlush();
        const DWORD v = m_pBits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels of the rectangle, clipped to the canvas, that are cr.
    int Count(const CRect& rect, COLORREF cr) const
    {
        int n = 0;
        for (int y = std::max(0L, rect.top); y < std::min<LONG>(m_cy, rect.bottom); ++y)
            for (int x = std::max(0L, rect.left); x < std::min<LONG>(m_cx, rect.right); ++x)
                n += Pixel(x, y) == cr;
        return n;
    }
    // Pixels of the rectangle, clipped to the canvas, that are not cr.
    int CountOther(const CRect& rect, COLORREF cr) const
    {
        const CRect clip(std::max(0L, rect.left), std::max(0L, rect.top), std::min<LONG>(m_cx, rect.right),
                         std::min<LONG>(m_cy, rect.bottom));
        return clip.IsRectEmpty() ? 0 : clip.Width() * clip.Height() - Count(clip, cr);
    }
    // Writes the canvas as <name>.bmp into the folder the shots variable names, when it is set.
    void Save(const char* lpszName) const
    {
        const char* lpszFolder = std::getenv(m_lpszShotsVariable);
        if (lpszFolder == nullptr)
            return;
        ::GdiFlush();
        char szPath[MAX_PATH];
        std::snprintf(szPath, sizeof(szPath), "%s\\%s.bmp", lpszFolder, lpszName);
        BITMAPINFOHEADER bih = {sizeof(bih), m_cx, -m_cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const DWORD cbImage = static_cast<DWORD>(m_cx * m_cy * 4);
        const DWORD cbHeaders = sizeof(BITMAPFILEHEADER) + sizeof(bih);
        BITMAPFILEHEADER bfh = {0x4D42, cbHeaders + cbImage, 0, 0, cbHeaders};
        if (FILE* f = std::fopen(szPath, "wb"))
        {
            std::fwrite(&bfh, sizeof(bfh), 1, f);
            std::fwrite(&bih, sizeof(bih), 1, f);
            std::fwrite(m_pBits, cbImage, 1, f);
            std::fclose(f);
        }
    }

    DC m_dc;

private:
    int m_cx, m_cy;
    const char* m_lpszShotsVariable;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_pBits = nullptr;
};
