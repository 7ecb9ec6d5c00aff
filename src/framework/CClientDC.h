// A context of a window's client area (the screen for a null window), released in the destructor.
#pragma once

#include "framework/CDC.h"

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)

public:
    // Raises CResourceException when GetDC gives no context.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
