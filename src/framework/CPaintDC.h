// The context of one WM_PAINT: BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include "framework/CDC.h"

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)

public:
    // Raises CResourceException when BeginPaint gives no context.
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

protected:
    HWND m_hWnd;
};
