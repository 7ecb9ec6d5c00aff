#include "framework/CImageList.h"

#include "framework/AfxHandleMap.h"
#include "framework/CBitmap.h"
#include "framework/CDC.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace
{
using ImageListMap = CHandleMap<HIMAGELIST, CImageList>;

CImageList* NewTempImageList(HIMAGELIST hImageList)
{
    auto* p = new CImageList;
    p->m_hImageList = hImageList;
    return p;
}

HBITMAP BitmapHandle(CBitmap* pBitmap)
{
    return pBitmap != nullptr ? static_cast<HBITMAP>(pBitmap->m_hObject) : nullptr;
}
} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap::ForThisThread().FromHandle(hImageList, &NewTempImageList);
}

void CImageList::DeleteTempMap()
{
    ImageListMap::ForThisThread().DeleteTemp([](CImageList* p) { p->m_hImageList = nullptr; });
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    ImageListMap::ForThisThread().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        ImageListMap::ForThisThread().RemovePermanent(hImageList, this);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImageA(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP,
                                       LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    return pImageList != nullptr && Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, BitmapHandle(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}
