// A context of a whole window, non-client area included (the screen for a null window), released in
// the destructor.
#pragma once

#include "framework/CDC.h"

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)

public:
    // Raises CResourceException when GetWindowDC gives no context.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
