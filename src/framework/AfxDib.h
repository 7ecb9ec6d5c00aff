// Device-dependent bitmaps as packed bitmaps (information header, colour table and pixel rows in one
// block of global memory) and as BMP files.
#pragma once

#include "framework/AfxWin32.h"

// The colour table of a packed bitmap: none, or as many entries as the bit count gives (2 to the power of
// the bits per pixel taken modulo 32, none above 256: one entry, left unfilled, at 32 bits per pixel).
enum class AfxDibColourTable
{
    None,
    ByBitCount,
};

// The system palette of a palette display (up to 255 entries) as a logical palette the caller deletes;
// null on other displays.
HPALETTE AfxCreateSystemPalette(HDC hDC);
// The bitmap as a packed bitmap of at least 32 bits per pixel in global memory (the caller frees it),
// read through the screen with the palette selected and realised (null: the default palette). Null for
// bit-field compression, an empty bitmap, no memory, or pixels that cannot be read.
HGLOBAL AfxBitmapToDib(HBITMAP hBitmap, HPALETTE hPalette, AfxDibColourTable table,
                       DWORD dwCompression = BI_RGB);
// Creates or truncates the file and writes the packed bitmap behind a BMP file header; false when there
// is no bitmap or the file cannot be written.
bool AfxWriteDib(LPCSTR lpszPath, HGLOBAL hDib, AfxDibColourTable table);
// Converts and writes in one: the palette comes from the device context of hWnd (null: the screen).
bool AfxSaveBitmapAsDib(HWND hWnd, LPCSTR lpszPath, HBITMAP hBitmap, AfxDibColourTable table);
