#include "framework/CGdiObject.h"

#include "framework/AfxHandleMap.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CPalette.h"
#include "framework/CPen.h"
#include "framework/CRgn.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace
{
using GdiMap = CHandleMap<HGDIOBJ, CGdiObject>;

// A temporary wrapper of the class that matches the handle's object type.
CGdiObject* NewTempObject(HGDIOBJ hObject)
{
    CGdiObject* p;
    switch (::GetObjectType(hObject))
    {
        case OBJ_PEN:
        case OBJ_EXTPEN:
            p = new CPen;
            break;
        case OBJ_BRUSH:
            p = new CBrush;
            break;
        case OBJ_FONT:
            p = new CFont;
            break;
        case OBJ_BITMAP:
            p = new CBitmap;
            break;
        case OBJ_REGION:
            p = new CRgn;
            break;
        case OBJ_PAL:
            p = new CPalette;
            break;
        default:
            p = new CGdiObject;
            break;
    }
    p->m_hObject = hObject;
    return p;
}
} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiMap::ForThisThread().FromHandle(hObject, &NewTempObject);
}

void CGdiObject::DeleteTempMap()
{
    GdiMap::ForThisThread().DeleteTemp([](CGdiObject* p) { p->m_hObject = nullptr; });
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    GdiMap::ForThisThread().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        GdiMap::ForThisThread().RemovePermanent(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return (UINT)::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
