#include "controls/CCellHeaderCtrl.h"

#include "charting/CMemDC_Tervane.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CPaintDC.h"
#include "framework/CPen.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CCellHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CCellHeaderCtrl, CHeaderCtrl)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(HDM_SETIMAGELIST, OnSetImageList)
ON_MESSAGE(HDM_LAYOUT, OnLayout)
END_MESSAGE_MAP()

namespace
{
const COLORREF CHECK_FRAME_COLOUR = RGB(0x33, 0x66, 0x99);
constexpr int ITEM_TEXT_CHARS = 80;
} // namespace

CCellHeaderCtrl::CCellHeaderCtrl() : m_crText(::GetSysColor(COLOR_BTNTEXT))
{
    ReadSystemColours();
}

CCellHeaderCtrl::~CCellHeaderCtrl() = default;

void CCellHeaderCtrl::ReadSystemColours()
{
    m_cr3DHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_cr3DShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_crFace = ::GetSysColor(COLOR_BTNFACE);
    m_crBtnText = ::GetSysColor(COLOR_BTNTEXT);
}

void CCellHeaderCtrl::PaintTick(CDC* pDC, int x, int y, COLORREF crTick)
{
    // Seven strokes of three pixels: four going down to the left, then three going up to the left.
    static const POINT strokes[] = {{9, 3}, {8, 4}, {7, 5}, {6, 6}, {5, 7}, {4, 6}, {3, 5}};
    CPen pen(PS_SOLID, 1, crTick);
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (const POINT& s : strokes)
    {
        pDC->MoveTo(x + s.x, y + s.y);
        pDC->LineTo(x + s.x, y + s.y + 3);
    }
    pDC->SelectObject(pOldPen);
}

void CCellHeaderCtrl::PaintCheckBox(CDC* pDC, const CRect& rcBox, bool bTicked, COLORREF crTick)
{
    pDC->FillSolidRect(&rcBox, ::GetSysColor(COLOR_WINDOW));
    CBrush brFrame(CHECK_FRAME_COLOUR);
    pDC->FrameRect(&rcBox, &brFrame);
    if (bTicked)
        PaintTick(pDC, rcBox.left, rcBox.top, crTick);
}

BOOL CCellHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CCellHeaderCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bDoubleBuffered)
    {
        PaintHeader(&dc);
        return;
    }
    // Composed off screen over the clip box and copied when the memory context goes.
    CMemDC_Tervane memDC(&dc, 0);
    PaintHeader(&memDC);
}

LRESULT CCellHeaderCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    PaintHeader(CDC::FromHandle((HDC)wParam));
    return 0;
}

void CCellHeaderCtrl::PaintHeader(CDC* pDC)
{
    CRect rcClip;
    if (pDC->GetClipBox(&rcClip) == ERROR)
        return;
    pDC->FillSolidRect(&rcClip, m_crFace);

    CPen penHighlight(PS_SOLID, 1, m_cr3DHighlight);
    CPen penShadow(PS_SOLID, 1, m_cr3DShadow);
    CPen* pOldPen = pDC->GetCurrentPen();
    HFONT hFont = (HFONT)SendMessage(WM_GETFONT);
    HGDIOBJ hOldFont = hFont != nullptr ? pDC->SelectObject((HGDIOBJ)hFont) : nullptr;
    pDC->SetBkColor(m_crFace);
    pDC->SetTextColor(m_crBtnText);

    int x = 0;
    const int nItems = GetItemCount();
    for (int iOrder = 0; iOrder < nItems; ++iOrder)
    {
        const int iItem = OrderToIndex(iOrder);
        char szText[ITEM_TEXT_CHARS] = "";
        HDITEMA item = {};
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
        item.pszText = szText;
        item.cchTextMax = ITEM_TEXT_CHARS;
        GetItem(iItem, &item);
        CRect rcItem;
        GetItemRect(iItem, &rcItem);
        if (item.fmt & HDF_OWNERDRAW)
        {
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_BUTTON;
            dis.CtlID = (UINT)GetDlgCtrlID();
            dis.itemID = (UINT)iItem;
            dis.itemAction = ODA_DRAWENTIRE;
            dis.hwndItem = m_hWnd;
            dis.hDC = pDC->m_hDC;
            dis.rcItem = rcItem;
            DrawItem(&dis);
        }
        else
        {
            PaintItem(pDC, rcItem.left + m_iSpacing, rcItem.top, rcItem.right - m_iSpacing, rcItem.bottom,
                      item);
        }
        if (m_bDividerLines && iOrder < nItems - 1)
        {
            pDC->SelectObject(&penShadow);
            pDC->MoveTo(rcItem.right - 1, rcItem.top + 2);
            pDC->LineTo(rcItem.right - 1, rcItem.bottom - 2);
            pDC->SelectObject(&penHighlight);
            pDC->MoveTo(rcItem.right, rcItem.top + 2);
            pDC->LineTo(rcItem.right, rcItem.bottom - 2);
        }
        x += item.cxy;
    }
    if (x > 0)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        rcClient.right = rcClient.left + x;
        pDC->Draw3dRect(&rcClient, m_cr3DHighlight, m_cr3DShadow);
    }
    if (hOldFont != nullptr)
        pDC->SelectObject(hOldFont);
    pDC->SelectObject(pOldPen);
}

void CCellHeaderCtrl::PaintItem(CDC* pDC, int iLeft, int iTop, int iRight, int iBottom, const HDITEMA& item)
{
    HBITMAP hBitmap = nullptr;
    BITMAP bm = {};
    if ((item.fmt & HDF_BITMAP) && item.hbm != nullptr && ::GetObjectA(item.hbm, sizeof(bm), &bm) != 0)
        hBitmap = item.hbm;
    int c = PaintItemCheck(pDC, CRect(iLeft, iTop, iRight, iBottom), item, SIDE_LEFT);
    if (c > 0)
        c += m_iSpacing;
    int b = PaintItemBitmap(pDC, CRect(iLeft + c, iTop, iRight, iBottom), hBitmap, bm, SIDE_RIGHT);
    if (b > 0)
        b += m_iSpacing;
    PaintItemText(pDC, CRect(iLeft + c, iTop, iRight - b, iBottom), item);
}

int CCellHeaderCtrl::PaintItemCheck(CDC* pDC, const CRect& rc, const HDITEMA& item, Side side)
{
    if (item.iImage == 0 || rc.Width() <= 0)
        return 0;
    HIMAGELIST hImages = GetImageList();
    if (hImages != nullptr)
    {
        const int x = side == SIDE_RIGHT ? rc.right - m_sizeImage.cx : rc.left;
        const int y = (rc.top + rc.bottom) / 2 - (m_sizeImage.cy + 1) / 2;
        const COLORREF crOld = ::ImageList_SetBkColor(hImages, pDC->GetBkColor());
        ::ImageList_DrawEx(hImages, item.iImage, pDC->m_hDC, x, y, std::min((int)m_sizeImage.cx, rc.Width()),
                           m_sizeImage.cy, CLR_DEFAULT, CLR_DEFAULT, ILD_NORMAL);
        ::ImageList_SetBkColor(hImages, crOld);
        return m_sizeImage.cx;
    }
    const CRect rcBox(CPoint(rc.left, rc.top + (rc.Height() - CHECK_BOX_SIZE) / 2),
                      CSize(CHECK_BOX_SIZE, CHECK_BOX_SIZE));
    const COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    PaintCheckBox(pDC, rcBox, item.iImage == 2, CHECK_TICK_COLOUR);
    pDC->SetBkColor(crOldBk);
    return CHECK_BOX_SIZE;
}

int CCellHeaderCtrl::PaintItemBitmap(CDC* pDC, const CRect& rc, HBITMAP hBitmap, const BITMAP& bm, Side side)
{
    if (hBitmap == nullptr || rc.Width() < bm.bmWidth || rc.Width() <= 0)
        return 0;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return 0;
    HGDIOBJ hOld = memDC.SelectObject((HGDIOBJ)hBitmap);
    const int x = side == SIDE_RIGHT ? rc.right - bm.bmWidth : rc.left;
    const int y = (rc.top + rc.bottom) / 2 - bm.bmHeight / 2;
    const BOOL bCopied = pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(hOld);
    return bCopied ? bm.bmWidth : 0;
}

int CCellHeaderCtrl::PaintItemText(CDC* pDC, const CRect& rc, const HDITEMA& item)
{
    const CString strText = (item.mask & HDI_TEXT) && item.pszText != nullptr ? item.pszText : "";
    const CSize sizeText = pDC->GetTextExtent(strText);
    if (rc.Width() > 0 && (item.mask & HDI_TEXT) && (item.fmt & HDF_STRING))
    {
        UINT nAlign = (UINT)m_iTextAlign;
        if (m_iTextAlign == -1)
        {
            const int nJustify = item.fmt & HDF_JUSTIFYMASK;
            nAlign = nJustify == HDF_CENTER ? DT_CENTER : nJustify == HDF_RIGHT ? DT_RIGHT : DT_LEFT;
        }
        CRect rcText = rc;
        const COLORREF crOld = pDC->SetTextColor(m_crText);
        pDC->DrawText(strText, &rcText, nAlign | DT_END_ELLIPSIS | DT_VCENTER | DT_SINGLELINE);
        pDC->SetTextColor(crOld);
    }
    const int nUsed = std::min((int)sizeText.cx, rc.Width());
    return nUsed > 0 ? nUsed : 0;
}

LRESULT CCellHeaderCtrl::OnSysColorChange(WPARAM, LPARAM)
{
    Default();
    ReadSystemColours();
    return 0;
}

void CCellHeaderCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click acts as a second click.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

LRESULT CCellHeaderCtrl::OnSetImageList(WPARAM, LPARAM lParam)
{
    // Every image of a list has the size of image 0.
    int cx = 0;
    int cy = 0;
    HIMAGELIST hImages = (HIMAGELIST)lParam;
    if (hImages == nullptr || !::ImageList_GetIconSize(hImages, &cx, &cy))
        cx = cy = 0;
    m_sizeImage = CSize(cx, cy);
    return Default();
}

LRESULT CCellHeaderCtrl::OnLayout(WPARAM wParam, LPARAM lParam)
{
    HDLAYOUT* pLayout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (m_bStaticBorder && pLayout != nullptr && pLayout->prc != nullptr)
        pLayout->prc->right += 2 * ::GetSystemMetrics(SM_CXBORDER);
    return DefWindowProc(HDM_LAYOUT, wParam, lParam);
}
