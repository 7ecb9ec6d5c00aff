// What a dock state keeps of one control bar or dock bar: visibility, docked or floating place, the
// places remembered for toggling, and for a dock bar the ids of its bars row by row.
#pragma once

#include "framework/CArray.h"
#include "framework/CRect.h"
#include "framework/CString.h"

class CControlBar;

class CControlBarInfo
{
public:
    // In m_arrBarID: a bar that is hidden or floats elsewhere (a placeholder) has this bit added.
    static constexpr UINT PLACEHOLDER_FLAG = 0x10000;

    // Reads entry nIndex of the state stored under lpszProfileName; FALSE when it is missing or
    // names no bar.
    BOOL LoadState(LPCSTR lpszProfileName, int nIndex);
    BOOL SaveState(LPCSTR lpszProfileName, int nIndex) const;
    // The profile section of entry nIndex.
    static CString GetSection(LPCSTR lpszProfileName, int nIndex);

    UINT m_nBarID = 0;
    BOOL m_bVisible = TRUE;
    BOOL m_bFloating = FALSE;
    BOOL m_bHorz = TRUE;     // a floating bar's orientation
    BOOL m_bDockBar = FALSE; // a dock bar: m_arrBarID lists its bars
    CPoint m_pointPos;       // a floating bar's frame (screen)
    int m_nMRUWidth = 32767;
    UINT m_uMRUDockID = 0; // where a floating bar docks back
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos;
    BOOL m_bMRUFloatPosSet = FALSE;
    // A dock bar's bars: 0 ends a row, an id is a shown bar, an id | PLACEHOLDER_FLAG a hidden bar
    // or the place of a bar that floats.
    CArray<UINT, UINT> m_arrBarID;
    CControlBar* m_pBar = nullptr; // the bar while the state is applied
};
