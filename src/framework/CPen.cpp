#include "framework/CPen.h"

#include "framework/CResourceException.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (!CreatePen(nPenStyle, nWidth, crColor))
        AfxThrowResourceException();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen)
{
    return Attach(::CreatePenIndirect(lpLogPen));
}
