// An image list of the common controls; destroyed with the object unless detached.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CObject.h"

class CBitmap;
class CDC;

class CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)

public:
    CImageList() = default;
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;

    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    static CImageList* FromHandle(HIMAGELIST hImageList);
    static void DeleteTempMap();
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // From a bitmap resource of the application's resource module, images cx wide.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // A copy of pImageList.
    BOOL Create(CImageList* pImageList);

    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;

    // Index of the new image, -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    // A new icon the caller destroys, null on failure.
    HICON ExtractIcon(int nImage);
    BOOL SetOverlayImage(int nImage, int nOverlay);

    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
};
