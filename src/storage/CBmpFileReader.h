// Reads an uncompressed BMP file, with or without its 14-byte file header, with a 40-byte information header
// or a 12-byte core header, into one packed picture (information header, 4-byte colour table, pixels) and
// stretches it into a rectangle of a device context. The headers are checked against the file's size
// before anything else is read: a truncated or inconsistent file is refused.
#pragma once

#include "framework/AfxWin32.h"

#include <vector>

class CDC;

class CBmpFileReader
{
public:
    // False, and nothing held, for a file that cannot be read or whose headers do not fit it.
    bool Load(LPCSTR lpszFileName);
    // Tells a printer driver the picture's bounds, then stretches the whole picture into (x, y, cx, cy).
    bool Draw(CDC& dc, int x, int y, int cx, int cy) const;
    // The loaded picture's header; null when none is held.
    const BITMAPINFOHEADER* GetHeader() const;
    // Of the colour table behind the header.
    DWORD GetColourCount() const { return m_nColours; }

private:
    std::vector<BYTE> m_picture;
    DWORD m_nColours = 0;
};
