// A drawing context over one rectangle of a target context: drawing goes to an off-screen bitmap (in
// the target's coordinates) that is copied to the target when the object goes. On a printing target
// it draws on the target directly.
#pragma once

#include "framework/CBitmap.h"
#include "framework/CDC.h"

class COwnerMenuMemDC : public CDC
{
    DECLARE_DYNAMIC(COwnerMenuMemDC)

public:
    COwnerMenuMemDC(CDC* pDC, const CRect& rcArea);
    ~COwnerMenuMemDC() override;

    CBitmap m_bmpOffscreen;
    CBitmap* m_pPrevBitmap = nullptr;
    CDC* m_pDestDC;
    CRect m_rcArea;
    BOOL m_bOffscreen = FALSE;
};
