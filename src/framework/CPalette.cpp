#include "framework/CPalette.h"

#include "framework/CDC.h"

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette)
{
    return Attach(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return pDC != nullptr && Attach(::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    ::GetObjectA(m_hObject, sizeof(WORD), &nEntries);
    return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors)
{
    return ::SetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return ::GetNearestPaletteIndex(*this, crColor);
}

BOOL CPalette::ResizePalette(UINT nNumEntries)
{
    return ::ResizePalette(*this, nNumEntries);
}
