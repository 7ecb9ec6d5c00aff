#include "controls/CPictureBitmap.h"

#include "controls/C32BitImageProcessor.h"
#include "controls/CImageRotator.h"
#include "framework/CString.h"

#include <olectl.h>

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CPictureBitmap, CBitmap)

namespace
{
// The screen's device context for the length of a scope.
class CScreenDC
{
public:
    CScreenDC() : m_hDC(::GetDC(nullptr)) {}
    ~CScreenDC() { ::ReleaseDC(nullptr, m_hDC); }
    CScreenDC(const CScreenDC&) = delete;
    CScreenDC& operator=(const CScreenDC&) = delete;
    operator HDC() const { return m_hDC; }

private:
    HDC m_hDC;
};

HBITMAP LoadOlePicture(LPCSTR lpszFileName, COLORREF color)
{
    const int nChars = ::MultiByteToWideChar(CP_THREAD_ACP, 0, lpszFileName, -1, nullptr, 0);
    if (nChars <= 0)
        return nullptr;
    std::vector<WCHAR> wszName(nChars);
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, lpszFileName, -1, wszName.data(), nChars);
    // The loader binds the path through a moniker, which needs COM on this thread.
    const HRESULT hrInit = ::CoInitialize(nullptr);
    IPicture* pPicture = nullptr;
    const HRESULT hr = ::OleLoadPicturePath(wszName.data(), nullptr, 0, color, IID_IPicture,
                                            reinterpret_cast<void**>(&pPicture));
    HBITMAP hBitmap =
        SUCCEEDED(hr) && pPicture != nullptr ? CPictureBitmap::RenderPicture(pPicture, color) : nullptr;
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return hBitmap;
}
} // namespace

CPictureBitmap::CPictureBitmap(COLORREF colorBack) : m_colorBack(colorBack) {}

CPictureBitmap::~CPictureBitmap()
{
    DeleteObject();
}

int CPictureBitmap::PictureKind(LPCSTR lpszFileName)
{
    CString strName(lpszFileName ? lpszFileName : "");
    strName.MakeUpper();
    const struct
    {
        LPCSTR lpszText;
        int nKind;
    } kinds[] = {{".BMP", PICTURE_BMP},
                 {".ICO", PICTURE_ICO},
                 {".JPG", PICTURE_JPEG},
                 {".JPEG", PICTURE_JPEG},
                 {".GIF", PICTURE_GIF}};
    for (const auto& k : kinds)
    {
        if (strName.Find(k.lpszText) > 0)
            return k.nKind;
    }
    return PICTURE_NONE;
}

BOOL CPictureBitmap::LoadImageFile(LPCSTR lpszFileName, COLORREF color)
{
    if (m_hObject != nullptr)
        return FALSE;
    HBITMAP hBitmap = LoadPictureHandle(lpszFileName, color == CLR_INVALID ? m_colorBack : color);
    return hBitmap != nullptr && Attach(hBitmap);
}

HBITMAP CPictureBitmap::LoadPictureHandle(LPCSTR lpszFileName, COLORREF color)
{
    switch (PictureKind(lpszFileName))
    {
        case PICTURE_BMP:
            return static_cast<HBITMAP>(
                ::LoadImageA(nullptr, lpszFileName, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        case PICTURE_NONE:
            return nullptr;
        default:
            return LoadOlePicture(lpszFileName, color);
    }
}

HBITMAP CPictureBitmap::RenderPicture(IPicture* pPicture, COLORREF color)
{
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    pPicture->get_Width(&hmWidth);
    pPicture->get_Height(&hmHeight);
    CScreenDC screenDC;
    const int cx = ::MulDiv(hmWidth, ::GetDeviceCaps(screenDC, LOGPIXELSX), 2540);
    const int cy = ::MulDiv(hmHeight, ::GetDeviceCaps(screenDC, LOGPIXELSY), 2540);
    HBITMAP hBitmap = cx > 0 && cy > 0 ? ::CreateCompatibleBitmap(screenDC, cx, cy) : nullptr;
    HDC hMemDC = hBitmap ? ::CreateCompatibleDC(screenDC) : nullptr;
    if (hMemDC != nullptr)
    {
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        const RECT rc = {0, 0, cx, cy};
        if (color != CLR_INVALID)
        {
            HBRUSH hBrush = ::CreateSolidBrush(color);
            ::FillRect(hMemDC, &rc, hBrush);
            ::DeleteObject(hBrush);
        }
        pPicture->Render(hMemDC, 0, 0, cx, cy, 0, hmHeight, hmWidth, -hmHeight, nullptr);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
    }
    else if (hBitmap != nullptr)
    {
        ::DeleteObject(hBitmap);
        hBitmap = nullptr;
    }
    pPicture->Release();
    return hBitmap;
}

void CPictureBitmap::FillPixels(DWORD* pBuffer, int nWidth, int nHeight, COLORREF color)
{
    const size_t nPixels = (size_t)nWidth * (size_t)nHeight;
    if (color == 0)
        std::memset(pBuffer, 0, nPixels * 4);
    else if (color == 0xFFFFFF || color == CLR_INVALID)
        std::memset(pBuffer, 0xFF, nPixels * 4);
    else // blue, green, red, 0 in memory
        std::fill_n(pBuffer, nPixels, (DWORD)RGB(GetBValue(color), GetGValue(color), GetRValue(color)));
}

PixelBuffer CPictureBitmap::AllocPixels(int nWidth, int nHeight)
{
    const unsigned long long nBytes = 4ull * (unsigned)std::max(nWidth, 0) * (unsigned)std::max(nHeight, 0);
    if (nBytes > 0xFFFFFFFFull)
        AfxThrowMemoryException();
    return PixelBuffer((size_t)(nBytes / 4));
}

int CPictureBitmap::MakeInfoHeader32(BITMAPINFOHEADER& header, HBITMAP hBitmap) const
{
    BITMAP bm{};
    if (hBitmap == nullptr)
        hBitmap = static_cast<HBITMAP>(m_hObject);
    if (hBitmap == nullptr || !::GetObjectA(hBitmap, sizeof(bm), &bm))
        return 0;
    header = BITMAPINFOHEADER{};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = bm.bmWidth;
    header.biHeight = -bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = (DWORD)bm.bmWidth * 4 * (DWORD)bm.bmHeight;
    return bm.bmHeight;
}

PixelBuffer CPictureBitmap::ReadPixels32() const
{
    BITMAPINFO bmi{};
    const int nHeight = MakeInfoHeader32(bmi.bmiHeader);
    if (nHeight <= 0)
        return PixelBuffer();
    PixelBuffer pixels = AllocPixels(bmi.bmiHeader.biWidth, nHeight);
    CScreenDC screenDC;
    if (::GetDIBits(screenDC, static_cast<HBITMAP>(m_hObject), 0, (UINT)nHeight, pixels.data(), &bmi,
                    DIB_RGB_COLORS) != nHeight)
        return PixelBuffer();
    return pixels;
}

BOOL CPictureBitmap::Rotate(int nDegrees, BOOL bInterpolate)
{
    CImageRotator rotator(nDegrees, bInterpolate);
    return ApplyProcessor(&rotator);
}

BOOL CPictureBitmap::ApplyProcessor(C32BitImageProcessor* pProcessor)
{
    return ApplyProcessorChain({pProcessor});
}

BOOL CPictureBitmap::ApplyProcessorChain(const std::vector<C32BitImageProcessor*>& processors)
{
    BITMAP bm{};
    if (m_hObject == nullptr || !GetBitmap(&bm))
        return FALSE;
    if (processors.empty())
        return TRUE;

    // The largest size met on the way, the starting size included.
    CSize sizeMax(bm.bmWidth, bm.bmHeight);
    CSize size = sizeMax;
    for (C32BitImageProcessor* pProcessor : processors)
    {
        size = pProcessor->DestinationSize(size.cx, size.cy);
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }

    PixelBuffer source = ReadPixels32();
    if (source.empty())
        return FALSE;
    PixelBuffer dest = AllocPixels(sizeMax.cx, sizeMax.cy);
    FillPixels(dest.data(), sizeMax.cx, sizeMax.cy, m_colorBack);

    CSize sizeIn(bm.bmWidth, bm.bmHeight);
    CSize sizeOut = sizeIn;
    for (size_t i = 0; i < processors.size(); ++i)
    {
        if (i > 0)
        {
            // The previous output is this step's input.
            sizeIn = sizeOut;
            const size_t nIn = (size_t)sizeIn.cx * (size_t)sizeIn.cy;
            if (nIn > source.size())
                source = AllocPixels(sizeIn.cx, sizeIn.cy);
            std::copy_n(dest.begin(), nIn, source.begin());
            FillPixels(dest.data(), sizeMax.cx, sizeMax.cy, m_colorBack);
        }
        sizeOut = processors[i]->DestinationSize(sizeIn.cx, sizeIn.cy);
        if (!processors[i]->TransformPixels(source.data(), sizeIn.cx, sizeIn.cy, dest.data(), sizeOut.cx,
                                            sizeOut.cy))
            return FALSE;
    }

    CScreenDC screenDC;
    HBITMAP hNew = ::CreateCompatibleBitmap(screenDC, sizeOut.cx, sizeOut.cy);
    BITMAPINFO bmi{};
    if (hNew == nullptr || MakeInfoHeader32(bmi.bmiHeader, hNew) <= 0 ||
        ::SetDIBits(screenDC, hNew, 0, (UINT)sizeOut.cy, dest.data(), &bmi, DIB_RGB_COLORS) != sizeOut.cy)
    {
        if (hNew != nullptr)
            ::DeleteObject(hNew);
        return FALSE;
    }
    DeleteObject();
    Attach(hNew);
    return TRUE;
}
