// A GDI logical palette.
#pragma once

#include "framework/CGdiObject.h"

class CDC;

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)

public:
    CPalette() = default;

    static CPalette* FromHandle(HPALETTE hPalette)
    {
        return static_cast<CPalette*>(CGdiObject::FromHandle(hPalette));
    }
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
    BOOL CreateHalftonePalette(CDC* pDC);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
    BOOL ResizePalette(UINT nNumEntries);
};
