// How COwnerMenu paints its items: a flat style with a shaded image strip, or a classic raised and
// sunken style on palette displays.
#include "controls/COwnerMenu.h"

#include "controls/COwnerMenuData.h"
#include "controls/COwnerMenuMemDC.h"
#include "framework/CBitmap.h"
#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CImageList.h"
#include "framework/CPen.h"

#include <algorithm>
#include <optional>

namespace
{
constexpr int ACCELERATOR_MARGIN = 16; // the accelerator ends this far left of the item's right edge
constexpr int CLASSIC_FRAME = COwnerMenu::IMAGE_SIZE + 4;
constexpr DWORD ROP_PAINT_WHERE_MASK_CLEAR = 0x00B8074A; // ((D ^ P) & S) ^ P

struct FlatColours
{
    COLORREF crBack, crStrip, crSelection, crFrame, crCheckSelected, crCheck, crText, crGreyText;
};

FlatColours ReadFlatColours()
{
    const BOOL bXp = COwnerMenu::HasThemedXpLook();
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    FlatColours c;
    c.crBack = COwnerMenu::MixWithBlack(::GetSysColor(COLOR_WINDOW), 0.02);
    c.crStrip =
        bXp ? ::GetSysColor(COLOR_BTNFACE) : COwnerMenu::MixWithWhite(::GetSysColor(COLOR_BTNFACE), 0.25);
    c.crSelection = COwnerMenu::MixWithWhite(crHighlight, bXp ? 0.7 : 0.85);
    c.crFrame = crHighlight;
    c.crCheckSelected = COwnerMenu::MixWithWhite(crHighlight, 0.55);
    c.crCheck = COwnerMenu::MixWithWhite(crHighlight, 0.85);
    c.crText = ::GetSysColor(COLOR_MENUTEXT);
    c.crGreyText =
        bXp ? ::GetSysColor(COLOR_GRAYTEXT) : COwnerMenu::MixWithWhite(::GetSysColor(COLOR_GRAYTEXT), 0.4);
    return c;
}

COLORREF ClassicMenuColour()
{
    return ::GetSysColor(COwnerMenu::HasThemedXpLook() ? COLOR_BTNFACE : COLOR_MENU);
}

// Slot nFirst + nCopy when it holds a copy of the same command's image, else nFirst; -1 without image.
int ImageSlot(int nFirst, int nCopy)
{
    const auto& ids = COwnerMenu::s_sharedImageIds;
    const int nCount = std::min((int)ids.size(), COwnerMenu::s_sharedImages.GetImageCount());
    if (nFirst < 0 || nFirst >= nCount)
        return -1;
    const int nSlot = nFirst + nCopy;
    return nSlot < nCount && ids[nSlot] == ids[nFirst] ? nSlot : nFirst;
}

void DrawSharedImage(CDC* pDC, int nSlot, int x, int y)
{
    COwnerMenu::s_sharedImages.Draw(pDC, nSlot, CPoint(x, y), ILD_TRANSPARENT);
}

void FrameSolid(CDC* pDC, const CRect& rc, COLORREF cr)
{
    pDC->Draw3dRect(rc, cr, cr);
}

// The main text left-aligned, the accelerator (after the last tab) right-aligned, both single lines
// centred vertically; an ampersand underlines the next character.
void DrawItemText(CDC* pDC, const CString& strText, CRect rcText, COLORREF crText)
{
    const int nFirstTab = strText.Find('\t');
    const CString strMain = nFirstTab < 0 ? strText : strText.Left(nFirstTab);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(crText);
    if (nFirstTab >= 0)
    {
        rcText.right -= ACCELERATOR_MARGIN;
        const CString strAccel = strText.Mid(strText.ReverseFind('\t') + 1);
        pDC->DrawText(strAccel, rcText, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    }
    pDC->DrawText(strMain, rcText, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
}

// Whether the item's checked-state bitmap is set (a radio-like item): it shows a dot, not a tick.
BOOL HasCheckedBitmap(LPDRAWITEMSTRUCT lpDIS)
{
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_CHECKMARKS;
    return ::GetMenuItemInfoA(reinterpret_cast<HMENU>(lpDIS->hwndItem), lpDIS->itemID, FALSE, &mii) &&
           mii.hbmpChecked != nullptr;
}

int HalfUp(int n)
{
    return std::max(0, (int)(n / 2.0 + 0.5));
}

// The image cell of the flat style and its image as the item's state shows it.
void DrawFlatImage(CDC* pDC, const CRect& rcItem, int nFirst, UINT nState, const FlatColours& c)
{
    const CRect rcCell(rcItem.left + 1, rcItem.top + 1, rcItem.left + COwnerMenu::STRIP_WIDTH - 2,
                       rcItem.bottom - 1);
    const int x = rcItem.left + HalfUp(COwnerMenu::STRIP_WIDTH - COwnerMenu::IMAGE_SIZE);
    const int y = rcItem.top + HalfUp(rcItem.Height() - COwnerMenu::IMAGE_SIZE);
    const BOOL bGrey = (nState & ODS_GRAYED) != 0;
    const BOOL bSelected = !bGrey && (nState & ODS_SELECTED);
    const BOOL bChecked = (nState & ODS_CHECKED) != 0;
    if (bGrey)
    {
        DrawSharedImage(pDC, ImageSlot(nFirst, 3), x, y);
        return;
    }
    if (bChecked)
    {
        pDC->FillSolidRect(rcCell, bSelected ? c.crCheckSelected : c.crCheck);
        FrameSolid(pDC, rcCell, c.crFrame);
        DrawSharedImage(pDC, nFirst, x - 1, y - 1);
        return;
    }
    if (bSelected)
    {
        // The image floats over its shadow.
        pDC->FillSolidRect(rcCell, c.crSelection);
        DrawSharedImage(pDC, ImageSlot(nFirst, 2), x + 1, y + 1);
        DrawSharedImage(pDC, nFirst, x - 1, y - 1);
        return;
    }
    pDC->FillSolidRect(rcCell, c.crStrip);
    DrawSharedImage(pDC, ImageSlot(nFirst, 1), x, y);
}
} // namespace

void COwnerMenu::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    if (pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE)
        DrawItemClassic(lpDrawItemStruct);
    else
        DrawItemFlat(lpDrawItemStruct);
}

void COwnerMenu::DrawItemFlat(LPDRAWITEMSTRUCT lpDIS)
{
    const auto* pRecord = reinterpret_cast<const COwnerMenuData*>(lpDIS->itemData);
    if (pRecord == nullptr)
        return;
    const FlatColours c = ReadFlatColours();
    const CRect rcItem(lpDIS->rcItem);
    const CRect rcStrip(rcItem.left, rcItem.top, rcItem.left + STRIP_WIDTH, rcItem.bottom);
    UINT nState = lpDIS->itemState;
    const BOOL bGrey = (nState & ODS_GRAYED) != 0;
    if (bGrey)
        nState &= ~ODS_SELECTED;

    // Grey items change most: they appear in one step from an off-screen copy.
    CDC* pTarget = CDC::FromHandle(lpDIS->hDC);
    std::optional<COwnerMenuMemDC> memDC;
    CDC* pDC = pTarget;
    CFont font;
    CFont* pOldFont = nullptr;
    if (bGrey)
    {
        pDC = &memDC.emplace(pTarget, rcItem);
        if (CreateMenuFont(font))
            pOldFont = pDC->SelectObject(&font);
    }

    if (pRecord->uFlags & MF_SEPARATOR)
    {
        pDC->FillSolidRect(rcItem, c.crBack);
        pDC->FillSolidRect(rcStrip, c.crStrip);
        CRect rcLine(rcItem.left + STRIP_WIDTH + IMAGE_GAP, rcItem.top + rcItem.Height() / 2, rcItem.right,
                     rcItem.bottom);
        pDC->DrawEdge(rcLine, EDGE_ETCHED, BF_TOP);
    }
    else
    {
        if (nState & ODS_SELECTED)
        {
            pDC->FillSolidRect(rcItem, c.crSelection);
            FrameSolid(pDC, rcItem, c.crFrame);
        }
        else
        {
            pDC->FillSolidRect(rcItem, c.crBack);
            pDC->FillSolidRect(rcStrip, c.crStrip);
        }
        if (ImageSlot(pRecord->iSharedImage, 0) >= 0)
            DrawFlatImage(pDC, rcItem, pRecord->iSharedImage, nState, c);
        else if (nState & ODS_CHECKED)
        {
            const CRect rcCell(rcItem.left + 1, rcItem.top + 1, rcItem.left + STRIP_WIDTH - 2,
                               rcItem.bottom - 1);
            DrawCheckCell(pDC, rcCell, HasCheckedBitmap(lpDIS), c.crFrame, (nState & ODS_SELECTED) != 0);
        }
        if (pRecord->HasText())
        {
            const CRect rcText(rcItem.left + TEXT_INDENT, rcItem.top - 1, rcItem.right, rcItem.bottom - 1);
            DrawItemText(pDC, pRecord->GetAnsiText(), rcText, bGrey ? c.crGreyText : c.crText);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void COwnerMenu::DrawCheckCell(CDC* pDC, const CRect& rcCell, BOOL bDot, COLORREF crFrame, BOOL bSelected)
{
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const int a = std::max(0, rcCell.Height() / 2 - 3);
    const int b = std::max(0, rcCell.Width() / 2 - 3);
    pDC->FillSolidRect(rcCell, MixWithWhite(crHighlight, bSelected ? 0.55 : 0.85));
    FrameSolid(pDC, rcCell, crFrame);
    if (bDot)
        DrawDot(pDC, rcCell.left + b, rcCell.top + a, ::GetSysColor(COLOR_MENUTEXT));
    else
        DrawTick(pDC, rcCell.left + b, rcCell.top + a, ::GetSysColor(COLOR_MENUTEXT), TRUE);
}

void COwnerMenu::DrawTick(CDC* pDC, int x, int y, COLORREF crColor, BOOL bThin)
{
    static constexpr int s[7] = {2, 3, 4, 3, 2, 1, 0};
    static constexpr int e[7] = {5, 6, 7, 6, 5, 4, 3};
    CPen pen;
    if (!pen.CreatePen(PS_SOLID, 1, crColor))
        return;
    CPen* pOldPen = pDC->SelectObject(&pen);
    for (int i = 0; i < 7; ++i)
    {
        pDC->MoveTo(x + i, y + s[i]);
        pDC->LineTo(x + i, y + e[i] - (bThin ? 1 : 0)); // the end point stays unpainted
    }
    pDC->SelectObject(pOldPen);
}

void COwnerMenu::DrawDot(CDC* pDC, int x, int y, COLORREF crColor)
{
    CPen pen;
    CBrush brush;
    if (!pen.CreatePen(PS_SOLID, 1, crColor) || !brush.CreateSolidBrush(crColor))
        return;
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->Ellipse(x, y, x + 6, y + 6);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

// --- classic style ------------------------------------------------------------------------------------

void COwnerMenu::DrawItemClassic(LPDRAWITEMSTRUCT lpDIS)
{
    const auto* pRecord = reinterpret_cast<const COwnerMenuData*>(lpDIS->itemData);
    if (pRecord == nullptr)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rcItem(lpDIS->rcItem);
    const COLORREF crMenu = ClassicMenuColour();
    if (pRecord->uFlags & MF_SEPARATOR)
    {
        pDC->FillSolidRect(rcItem, crMenu);
        CRect rcLine(rcItem.left, rcItem.top + rcItem.Height() / 2, rcItem.right, rcItem.bottom);
        pDC->DrawEdge(rcLine, EDGE_ETCHED, BF_TOP);
        return;
    }
    const BOOL bGrey = (lpDIS->itemState & ODS_GRAYED) != 0;
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bChecked = (lpDIS->itemState & ODS_CHECKED) != 0;
    const int nSlot = ImageSlot(pRecord->iSharedImage, 0);
    const int dy = std::max(0, (rcItem.Height() - CLASSIC_FRAME) / 2);

    if (bSelected)
    {
        CRect rcSelection(rcItem);
        if (nSlot >= 0 || bChecked)
            rcSelection.left += IMAGE_SIZE + 5;
        pDC->FillSolidRect(rcSelection, ::GetSysColor(COLOR_HIGHLIGHT));
    }
    else
        pDC->FillSolidRect(rcItem, crMenu);

    const CRect rcFrame(rcItem.left, rcItem.top + dy, rcItem.left + CLASSIC_FRAME,
                        rcItem.top + dy + CLASSIC_FRAME);
    const CPoint ptImage(rcItem.left + 2, rcItem.top + dy + 2);
    const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (nSlot >= 0 && bGrey)
    {
        CBitmap bitmap;
        if (RenderImage(pDC, &s_sharedImages, nSlot, bitmap))
            DrawEmbossed(pDC, ptImage.x, ptImage.y, IMAGE_SIZE, IMAGE_SIZE, &bitmap, crMenu);
    }
    else if (nSlot >= 0)
    {
        if (!bSelected && bChecked)
            pDC->FillSolidRect(rcFrame, MixWithWhite(crMenu, 0.6));
        if (HasModernShell() && (bSelected || bChecked))
        {
            const BOOL bSunken = bChecked;
            pDC->Draw3dRect(rcFrame, bSunken ? crShadow : crLight, bSunken ? crLight : crShadow);
        }
        DrawSharedImage(pDC, nSlot, ptImage.x, ptImage.y);
    }
    else if (bChecked)
    {
        const CRect rcCell(rcItem.left + 1, rcItem.top + dy + 2, rcItem.left + 17, rcItem.top + dy + 18);
        DrawCheckCellClassic(pDC, rcCell, bSelected, HasCheckedBitmap(lpDIS));
    }

    if (!pRecord->HasText())
        return;
    const CString strText = pRecord->GetAnsiText();
    CRect rcText(rcItem.left + IMAGE_SIZE + 9, rcItem.top - 1, rcItem.right, rcItem.bottom - 1);
    if (!bGrey)
        DrawItemText(pDC, strText, rcText, ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    else if (bSelected)
        DrawItemText(pDC, strText, rcText, crMenu);
    else
    {
        CRect rcLight(rcText);
        rcLight.OffsetRect(1, 1);
        DrawItemText(pDC, strText, rcLight, crLight);
        DrawItemText(pDC, strText, rcText, ::GetSysColor(COLOR_GRAYTEXT));
    }
}

void COwnerMenu::DrawCheckCellClassic(CDC* pDC, const CRect& rcCell, BOOL bSelected, BOOL bDot)
{
    const COLORREF crMenu = ClassicMenuColour();
    pDC->FillSolidRect(rcCell, bSelected ? crMenu : MixWithWhite(crMenu, 0.6));
    if (HasModernShell())
    {
        CRect rcEdge(rcCell);
        pDC->DrawEdge(rcEdge, BDR_SUNKENOUTER, BF_RECT);
    }
    if (bDot)
        DrawDot(pDC, rcCell.left + 5, rcCell.top + 4, ::GetSysColor(COLOR_MENUTEXT));
    else
        DrawTick(pDC, rcCell.left + 4, rcCell.top + 4, ::GetSysColor(COLOR_MENUTEXT), FALSE);
}

void COwnerMenu::DrawEmbossed(CDC* pDC, int x, int y, int cx, int cy, CBitmap* pBitmap, COLORREF crBack)
{
    CDC srcDC, maskDC, workDC;
    CBitmap mask, work;
    if (!srcDC.CreateCompatibleDC(pDC) || !maskDC.CreateCompatibleDC(pDC) ||
        !workDC.CreateCompatibleDC(pDC) || !mask.CreateBitmap(cx, cy, 1, 1, nullptr) ||
        !work.CreateCompatibleBitmap(pDC, cx, cy))
        return;
    CBitmap* pOldSrc = srcDC.SelectObject(pBitmap);
    CBitmap* pOldMask = maskDC.SelectObject(&mask);
    CBitmap* pOldWork = workDC.SelectObject(&work);

    // Mask: set where the bitmap shows button face or button highlight, clear on the shape.
    srcDC.SetBkColor(::GetSysColor(COLOR_BTNFACE));
    maskDC.BitBlt(0, 0, cx, cy, &srcDC, 0, 0, SRCCOPY);
    srcDC.SetBkColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    maskDC.BitBlt(0, 0, cx, cy, &srcDC, 0, 0, SRCPAINT);

    workDC.FillSolidRect(0, 0, cx, cy, crBack);
    workDC.SetBkColor(RGB(255, 255, 255));
    workDC.SetTextColor(RGB(0, 0, 0));
    auto paintShape = [&](int dx, int dy, COLORREF cr)
    {
        CBrush brush;
        if (!brush.CreateSolidBrush(cr))
            return;
        CBrush* pOldBrush = workDC.SelectObject(&brush);
        workDC.BitBlt(dx, dy, cx, cy, &maskDC, 0, 0, ROP_PAINT_WHERE_MASK_CLEAR);
        workDC.SelectObject(pOldBrush);
    };
    paintShape(0, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    pDC->BitBlt(x + 1, y + 1, cx, cy, &workDC, 0, 0, SRCCOPY);
    paintShape(1, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    paintShape(0, 0, ::GetSysColor(COLOR_BTNSHADOW));
    pDC->BitBlt(x, y, cx, cy, &workDC, 0, 0, SRCCOPY);

    workDC.SelectObject(pOldWork);
    maskDC.SelectObject(pOldMask);
    srcDC.SelectObject(pOldSrc);
}
