// A framed, optionally shaded rectangle of a printed page in which text is placed relative to its body
// (below its caption, inside its frame). Made and kept by CPage::AddRegion.
#pragma once

#include "framework/AfxWin32.h"

class CPage;

class CPrintRegion
{
public:
    virtual ~CPrintRegion() = default;
    // Takes the rectangle and shades it; 0 when it does not lie on the page. A rectangle beyond the page's
    // right or bottom limit is cut to it.
    virtual int Place(CPage* pPage, int nTop, int nLeft, int nRight, int nBottom, int nFillFlags);
    // A caption band at the top, single line and vertically centred; the body starts below it. Its height is
    // the measured text plus 10 with PRINT_TEXT_SHADE, otherwise two lines of the point size.
    virtual void Caption(LPCSTR lpszText, int nPointSize, int nFlags, int nFillFlags);
    // The frame, pen width 1, with the page's current shading and pen style.
    virtual void Outline();

    int m_bodyTop = 0;
    int m_bodyLeft = 0;
    int m_top = 0;
    int m_left = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_fillFlags = 0;
    CPage* m_pPage = nullptr;
};
