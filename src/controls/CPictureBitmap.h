// A bitmap that loads a picture file (BMP, ICO, JPEG, GIF) onto a background colour and passes its
// pixels through image processors, such as a rotation.
#pragma once

#include "framework/AfxAllocator.h"
#include "framework/CBitmap.h"

#include <vector>

class C32BitImageProcessor;
struct IPicture;

// 32-bit pixels, top-down rows (see C32BitImageProcessor).
using PixelBuffer = std::vector<DWORD, CAfxAllocator<DWORD>>;

class CPictureBitmap : public CBitmap
{
    DECLARE_DYNAMIC(CPictureBitmap)

public:
    // The kind of a picture file, from its name.
    enum
    {
        PICTURE_BMP = 0,
        PICTURE_ICO = 1,
        PICTURE_JPEG = 2,
        PICTURE_GIF = 3,
        PICTURE_NONE = 4
    };

    explicit CPictureBitmap(COLORREF colorBack);
    ~CPictureBitmap() override;

    // FALSE without doing anything while a bitmap is held; color CLR_INVALID means m_colorBack.
    BOOL LoadImageFile(LPCSTR lpszFileName, COLORREF color = CLR_INVALID);
    // Turns the held bitmap by nDegrees.
    BOOL Rotate(int nDegrees, BOOL bInterpolate = FALSE);
    // Replace the held bitmap by the result of the processors, run in order; FALSE (and the bitmap
    // kept) when there is none or a step fails.
    BOOL ApplyProcessor(C32BitImageProcessor* pProcessor);
    BOOL ApplyProcessorChain(const std::vector<C32BitImageProcessor*>& processors);

    // A bitmap of the file's picture, or null.
    static HBITMAP LoadPictureHandle(LPCSTR lpszFileName, COLORREF color);
    // Draws the picture upright on the colour (none for CLR_INVALID) into a new bitmap; releases the
    // picture.
    static HBITMAP RenderPicture(IPicture* pPicture, COLORREF color);
    static int PictureKind(LPCSTR lpszFileName);
    // The held bitmap's pixels; empty on failure.
    PixelBuffer ReadPixels32() const;
    // The 32-bit top-down header of hBitmap (the held bitmap when null); returns its height, 0 when the
    // bitmap cannot be read.
    int MakeInfoHeader32(BITMAPINFOHEADER& header, HBITMAP hBitmap = nullptr) const;
    static void FillPixels(DWORD* pBuffer, int nWidth, int nHeight, COLORREF color);
    // A buffer of nWidth x nHeight pixels; raises CMemoryException when it cannot be had or its byte
    // size does not fit in 32 bits.
    static PixelBuffer AllocPixels(int nWidth, int nHeight);

    COLORREF m_colorBack;
};
