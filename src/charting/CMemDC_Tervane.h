// Collects one paint in an off-screen bitmap and copies it to the target context when it ends, so that
// the target shows no intermediate state. On a printing context it draws straight to the printer.
// The caller draws on this object in the target's logical coordinates.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CRect.h"

class CMemDC_Tervane : public CDC
{
public:
    // rectCopy is what is copied back at the end; empty means all of rectDraw.
    CMemDC_Tervane(CDC* pDC, CRect rectCopy, CRect rectDraw);
    // The drawing rectangle is the target's clip box; the bitmap is nWidthReduction pixels narrower.
    CMemDC_Tervane(CDC* pDC, int nWidthReduction);
    ~CMemDC_Tervane() override;

    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CDC* m_pDC;
    CRect m_rectDraw;
    CRect m_rectCopy;
    BOOL m_bOffscreen;

private:
    void Begin(int nWidthReduction);
};
