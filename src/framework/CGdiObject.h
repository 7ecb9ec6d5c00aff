// Base of the GDI object wrappers: owns one GDI handle, deleted with the object unless detached.
// FromHandle gives the permanent wrapper of a handle, or a temporary one of the handle's own class
// (CPen, CBrush, CFont, CBitmap, CRgn, CPalette) that lives until the thread's next idle time.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)

public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }

    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
};
