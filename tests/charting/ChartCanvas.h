// A 32-bit bitmap to draw on through CDCEx in the chart tests.
#pragma once

#include "charting/CDCEx.h"
#include "framework/CClientDC.h"
#include "framework/CString.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// A white canvas of the given size; CDCEx drawing lands in a DIB whose pixels are read directly.
class ChartCanvas
{
public:
    ChartCanvas(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        CClientDC screen(nullptr);
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy; // top-down rows
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        m_hBitmap =
            ::CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_dc.Attach(::CreateCompatibleDC(screen));
        m_hOld = ::SelectObject(m_dc, m_hBitmap);
        m_dc.m_bScaleComputed = true; // screen resolution: factors 1
        Fill(RGB(255, 255, 255));
    }
    ~ChartCanvas()
    {
        ::SelectObject(m_dc, m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    ChartCanvas(const ChartCanvas&) = delete;
    ChartCanvas& operator=(const ChartCanvas&) = delete;

    void Fill(COLORREF cr) { m_dc.CDC::FillSolidRect(0, 0, m_cx, m_cy, cr); }
    COLORREF Pixel(int x, int y) const
    {
        ::GdiFlush();
        const DWORD v = m_pBits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    int Count(const CRect& rect, COLORREF cr) const
    {
        int n = 0;
        for (int y = std::max(0L, rect.top); y < std::min<LONG>(m_cy, rect.bottom); ++y)
            for (int x = std::max(0L, rect.left); x < std::min<LONG>(m_cx, rect.right); ++x)
                n += Pixel(x, y) == cr;
        return n;
    }
    int CountOther(const CRect& rect, COLORREF cr) const
    {
        const CRect clip(std::max(0L, rect.left), std::max(0L, rect.top), std::min<LONG>(m_cx, rect.right),
                         std::min<LONG>(m_cy, rect.bottom));
        return clip.IsRectEmpty() ? 0 : clip.Width() * clip.Height() - Count(clip, cr);
    }
    // With TQ5_CHART_SHOTS set to a folder, writes the canvas there as <name>.bmp to look at.
    void Save(const char* lpszName) const
    {
        const char* lpszFolder = std::getenv("TQ5_CHART_SHOTS");
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

    CDCEx m_dc;

private:
    int m_cx, m_cy;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_pBits = nullptr;
};
