// A window's client area painted into a 32-bit bitmap through WM_PRINTCLIENT and read pixel by pixel.
// With TQ5_CONTROL_SHOTS set to a folder, the picture is also saved there as <name>.bmp.
#pragma once

#include "framework/AfxWin32.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

class CClientPicture
{
public:
    explicit CClientPicture(HWND hWnd, const char* lpszName = nullptr)
    {
        RECT rc;
        ::GetClientRect(hWnd, &rc);
        m_cx = rc.right;
        m_cy = rc.bottom;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = m_cx;
        bmi.bmiHeader.biHeight = -m_cy; // top-down
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        HDC hScreen = ::GetDC(nullptr);
        HDC hMem = ::CreateCompatibleDC(hScreen);
        HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hMem), PRF_CLIENT);
        ::GdiFlush();
        const DWORD* pPixels = static_cast<const DWORD*>(pBits);
        m_pixels.assign(pPixels, pPixels + (size_t)m_cx * m_cy);
        ::SelectObject(hMem, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hMem);
        ::ReleaseDC(nullptr, hScreen);
        if (lpszName != nullptr)
            Save(lpszName);
    }

    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    COLORREF At(int x, int y) const
    {
        const DWORD dw = m_pixels[(size_t)y * m_cx + x];
        return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
    }

private:
    void Save(const char* lpszName) const
    {
        const char* lpszFolder = std::getenv("TQ5_CONTROL_SHOTS");
        if (lpszFolder == nullptr)
            return;
        char szPath[MAX_PATH];
        std::snprintf(szPath, sizeof(szPath), "%s\\%s.bmp", lpszFolder, lpszName);
        BITMAPINFOHEADER bih = {};
        bih.biSize = sizeof(bih);
        bih.biWidth = m_cx;
        bih.biHeight = -m_cy;
        bih.biPlanes = 1;
        bih.biBitCount = 32;
        const DWORD cbImage = (DWORD)(m_pixels.size() * 4);
        BITMAPFILEHEADER bfh = {};
        bfh.bfType = 0x4D42;
        bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
        bfh.bfSize = bfh.bfOffBits + cbImage;
        if (FILE* f = std::fopen(szPath, "wb"))
        {
            std::fwrite(&bfh, sizeof(bfh), 1, f);
            std::fwrite(&bih, sizeof(bih), 1, f);
            std::fwrite(m_pixels.data(), cbImage, 1, f);
            std::fclose(f);
        }
    }

    int m_cx = 0;
    int m_cy = 0;
    std::vector<DWORD> m_pixels;
};
