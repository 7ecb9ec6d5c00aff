// A BMP file read back whole: its header fields and its pixels (32 bits per pixel, rows bottom up).
#pragma once

#include "framework/AfxWin32.h"

#include <cstdio>
#include <cstring>
#include <vector>

class BmpFile
{
public:
    explicit BmpFile(const char* lpszPath)
    {
        if (FILE* f = std::fopen(lpszPath, "rb"))
        {
            BYTE buffer[65536];
            for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), f)) > 0;)
                m_bytes.insert(m_bytes.end(), buffer, buffer + n);
            std::fclose(f);
        }
    }

    bool IsValid() const { return m_bytes.size() >= 58 && m_bytes[0] == 'B' && m_bytes[1] == 'M'; }
    size_t Size() const { return m_bytes.size(); }
    DWORD Dword(size_t nOffset) const
    {
        DWORD dw = 0;
        std::memcpy(&dw, &m_bytes[nOffset], sizeof(dw));
        return dw;
    }
    WORD Word(size_t nOffset) const
    {
        WORD w = 0;
        std::memcpy(&w, &m_bytes[nOffset], sizeof(w));
        return w;
    }
    const BITMAPINFOHEADER& Header() const
    {
        return *reinterpret_cast<const BITMAPINFOHEADER*>(&m_bytes[14]);
    }
    // The pixel at (x, y) counted from the top, as a COLORREF.
    COLORREF Pixel(int x, int y) const
    {
        const BITMAPINFOHEADER& bih = Header();
        const int nRow = bih.biHeight > 0 ? bih.biHeight - 1 - y : y;
        const size_t nOffset = Dword(10) + (static_cast<size_t>(nRow) * bih.biWidth + x) * 4;
        return RGB(m_bytes[nOffset + 2], m_bytes[nOffset + 1], m_bytes[nOffset]);
    }
    int Count(const RECT& rc, COLORREF cr) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += Pixel(x, y) == cr;
        return n;
    }

private:
    std::vector<BYTE> m_bytes;
};
