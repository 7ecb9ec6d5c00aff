#include "framework/AfxDib.h"

#include <cstdlib>
#include <utility>
#include <vector>

namespace
{
constexpr DWORD FILE_HEADER_SIZE = sizeof(BITMAPFILEHEADER);
static_assert(FILE_HEADER_SIZE == 14);

DWORD ColourTableEntries(AfxDibColourTable table, WORD wBitCount)
{
    if (table == AfxDibColourTable::None)
        return 0;
    const DWORD n = 1u << (wBitCount % 32);
    return n > 256 ? 0 : n;
}

DWORD RowBytes(LONG nWidth, WORD wBitCount)
{
    return ((static_cast<DWORD>(nWidth) * wBitCount + 31) & ~31u) / 8;
}

// A global block that frees itself unless released.
struct GlobalBlock
{
    HGLOBAL h = nullptr;
    ~GlobalBlock()
    {
        if (h != nullptr)
            ::GlobalFree(h);
    }
    HGLOBAL Release() { return std::exchange(h, nullptr); }
};

// The screen's device context with a palette selected and realised for as long as it lives.
class CScreenWithPalette
{
public:
    explicit CScreenWithPalette(HPALETTE hPalette) : m_hDC(::GetDC(nullptr))
    {
        if (hPalette == nullptr)
            hPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
        m_hOldPalette = ::SelectPalette(m_hDC, hPalette, FALSE);
        ::RealizePalette(m_hDC);
    }
    ~CScreenWithPalette()
    {
        ::SelectPalette(m_hDC, m_hOldPalette, FALSE);
        ::ReleaseDC(nullptr, m_hDC);
    }
    CScreenWithPalette(const CScreenWithPalette&) = delete;
    CScreenWithPalette& operator=(const CScreenWithPalette&) = delete;
    HDC m_hDC;

private:
    HPALETTE m_hOldPalette = nullptr;
};

// Lets the system fill in the header (and image size) of hBitmap; an image size still 0 is computed.
bool FillHeader(HDC hDC, HBITMAP hBitmap, BITMAPINFOHEADER* pbi)
{
    if (::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(pbi->biHeight), nullptr,
                    reinterpret_cast<BITMAPINFO*>(pbi), DIB_RGB_COLORS) == 0)
        return false;
    if (pbi->biSizeImage == 0)
    {
        pbi->biSizeImage = RowBytes(pbi->biWidth, pbi->biBitCount) * static_cast<DWORD>(pbi->biHeight);
        if (pbi->biCompression != BI_RGB)
            pbi->biSizeImage = pbi->biSizeImage * 3 / 2;
    }
    return true;
}
} // namespace

HPALETTE AfxCreateSystemPalette(HDC hDC)
{
    if ((::GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE) == 0)
        return nullptr;
    constexpr UINT ENTRIES = 255;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + ENTRIES * sizeof(PALETTEENTRY));
    auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLogPalette->palVersion = 0x300;
    pLogPalette->palNumEntries =
        static_cast<WORD>(::GetSystemPaletteEntries(hDC, 0, ENTRIES, pLogPalette->palPalEntry));
    return pLogPalette->palNumEntries != 0 ? ::CreatePalette(pLogPalette) : nullptr;
}

HGLOBAL AfxBitmapToDib(HBITMAP hBitmap, HPALETTE hPalette, AfxDibColourTable table, DWORD dwCompression)
{
    BITMAP bm{};
    if (dwCompression == BI_BITFIELDS || hBitmap == nullptr || ::GetObjectA(hBitmap, sizeof(bm), &bm) == 0 ||
        bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return nullptr;
    const int nPlaneBits = bm.bmPlanes * bm.bmBitsPixel;
    const WORD wBitCount = static_cast<WORD>(nPlaneBits >= 32 ? nPlaneBits : bm.bmPlanes * 32);
    const DWORD cbHeader = sizeof(BITMAPINFOHEADER) + ColourTableEntries(table, wBitCount) * sizeof(RGBQUAD);
    CScreenWithPalette screen(hPalette);

    GlobalBlock dib{::GlobalAlloc(GHND, cbHeader)};
    if (dib.h == nullptr)
        return nullptr;
    auto* pbi = static_cast<BITMAPINFOHEADER*>(::GlobalLock(dib.h));
    *pbi = {sizeof(BITMAPINFOHEADER), bm.bmWidth, bm.bmHeight, 1, wBitCount, dwCompression, 0, 0, 0, 0, 0};
    const bool bFilled = FillHeader(screen.m_hDC, hBitmap, pbi);
    const BITMAPINFOHEADER bi = *pbi;
    ::GlobalUnlock(dib.h);
    if (!bFilled)
        return nullptr;
    HGLOBAL hLarger = ::GlobalReAlloc(dib.h, cbHeader + bi.biSizeImage, GMEM_MOVEABLE);
    if (hLarger == nullptr)
        return nullptr;
    dib.h = hLarger;
    pbi = static_cast<BITMAPINFOHEADER*>(::GlobalLock(dib.h));
    *pbi = bi;
    const int nLines = ::GetDIBits(screen.m_hDC, hBitmap, 0, static_cast<UINT>(bi.biHeight),
                                   reinterpret_cast<BYTE*>(pbi) + cbHeader,
                                   reinterpret_cast<BITMAPINFO*>(pbi), DIB_RGB_COLORS);
    ::GlobalUnlock(dib.h);
    return nLines == bi.biHeight ? dib.Release() : nullptr;
}

bool AfxWriteDib(LPCSTR lpszPath, HGLOBAL hDib, AfxDibColourTable table)
{
    if (hDib == nullptr)
        return false;
    const auto* pbi = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(hDib));
    if (pbi == nullptr)
        return false;
    const DWORD cbHeader = pbi->biSize + ColourTableEntries(table, pbi->biBitCount) * sizeof(RGBQUAD);
    const DWORD cbPacked = cbHeader + pbi->biSizeImage;
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42; // "BM"
    bfh.bfSize = FILE_HEADER_SIZE + cbPacked;
    bfh.bfOffBits = FILE_HEADER_SIZE + cbHeader;
    bool bOk = false;
    const HANDLE hFile =
        ::CreateFileA(lpszPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE)
    {
        DWORD nWritten = 0, nWrittenDib = 0;
        bOk = ::WriteFile(hFile, &bfh, FILE_HEADER_SIZE, &nWritten, nullptr) &&
              nWritten == FILE_HEADER_SIZE && ::WriteFile(hFile, pbi, cbPacked, &nWrittenDib, nullptr) &&
              nWrittenDib == cbPacked;
        bOk = ::CloseHandle(hFile) && bOk;
    }
    ::GlobalUnlock(hDib);
    return bOk;
}

bool AfxSaveBitmapAsDib(HWND hWnd, LPCSTR lpszPath, HBITMAP hBitmap, AfxDibColourTable table)
{
    const HDC hDC = ::GetDC(hWnd);
    const HPALETTE hPalette = AfxCreateSystemPalette(hDC);
    ::ReleaseDC(hWnd, hDC);
    GlobalBlock dib{AfxBitmapToDib(hBitmap, hPalette, table)};
    if (hPalette != nullptr)
        ::DeleteObject(hPalette);
    return dib.h != nullptr && AfxWriteDib(lpszPath, dib.h, table);
}
