// The cell list: cell operations and their range checks, combo cells, cell colours and progress bars
// by pixels, check boxes in cells and in the header, the empty-list text, keys over disabled rows, and
// tool tips.
#include "CellListFixture.h"
#include "ClientPicture.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CImageList.h"

namespace
{
// Pixels of a cell rectangle's interior row y that have the colour, between x0 and x1.
int CountRow(const CClientPicture& pic, int y, int x0, int x1, COLORREF cr)
{
    int n = 0;
    for (int x = x0; x < x1; ++x)
        n += pic.At(x, y) == cr;
    return n;
}
// A bitmap of vertical stripes, each cxStripe wide, in the colours given.
void MakeStripes(CBitmap& bitmap, CWnd& wnd, int cxStripe, int cy, std::initializer_list<COLORREF> colours)
{
    CClientDC dc(&wnd);
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, cxStripe * (int)colours.size(), cy));
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap* pOld = memDC.SelectObject(&bitmap);
    int x = 0;
    for (COLORREF cr : colours)
    {
        memDC.FillSolidRect(x, 0, cxStripe, cy, cr);
        x += cxStripe;
    }
    memDC.SelectObject(pOld);
}

int CountRect(const CClientPicture& pic, const CRect& rc, COLORREF cr)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        n += CountRow(pic, y, rc.left, rc.right, cr);
    return n;
}
} // namespace

TEST(CellListMessages, AreRegisteredByTheirNames)
{
    const struct
    {
        LPCSTR lpszName;
        UINT nMessage;
    } messages[] = {{"WM_CELLLIST_COMBO_SELECTION", WM_CELLLIST_COMBO_SELECTION},
                    {"WM_CELLLIST_EDIT_END", WM_CELLLIST_EDIT_END},
                    {"WM_CELLLIST_CHECKBOX_CLICKED", WM_CELLLIST_CHECKBOX_CLICKED},
                    {"WM_CELLEDIT_KILL_FOCUS", WM_CELLEDIT_KILL_FOCUS},
                    {"WM_CELLEDIT_VK_ESCAPE", WM_CELLEDIT_VK_ESCAPE},
                    {"WM_CELLCOMBO_COMPLETE", WM_CELLCOMBO_COMPLETE},
                    {"WM_CELLCOMBO_VK_RETURN", WM_CELLCOMBO_VK_RETURN},
                    {"WM_CELLCOMBO_VK_ESCAPE", WM_CELLCOMBO_VK_ESCAPE},
                    {"WM_CELLCOMBO_KEYDOWN", WM_CELLCOMBO_KEYDOWN},
                    {"WM_CELLCOMBO_LBUTTONUP", WM_CELLCOMBO_LBUTTONUP}};
    for (const auto& m : messages)
    {
        EXPECT_GE(m.nMessage, 0xC000u) << m.lpszName;
        EXPECT_EQ(m.nMessage, ::RegisterWindowMessageA(m.lpszName)) << m.lpszName;
    }
}

TEST_F(CellList, OperationsCheckRowAndColumn)
{
    AddSensorRow(0, "COM5");
    // A row inserted past the list's own operations has no cells; a column added later has none either.
    ASSERT_EQ(m_list.InsertItem(1, "COM9"), 1);
    EXPECT_EQ(m_list.InsertRow(-1, "x"), -1);
    m_list.InsertColumn(7, "Extra", LVCFMT_LEFT, 40);
    COLORREF crText = 1, crBack = 1;

    for (const auto& [iRow, iCol] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 8}, {1, 0}, {0, 7}})
    {
        SCOPED_TRACE(testing::Message() << iRow << "," << iCol);
        EXPECT_FALSE(m_list.GetCellColors(iRow, iCol, crText, crBack));
        EXPECT_EQ(crText, 0u);
        EXPECT_EQ(crBack, 0u);
        EXPECT_FALSE(m_list.SetCellTextAndColors(iRow, iCol, "x", BLACK, WHITE));
        EXPECT_FALSE(m_list.SetCellProgress(iRow, iCol, TRUE, nullptr));
        EXPECT_FALSE(m_list.SetCellCombo(iRow, iCol, TRUE, &m_baudItems, 2, 0, FALSE));
        EXPECT_FALSE(m_list.IsCellModified(iRow, iCol));
        EXPECT_EQ(m_list.GetCell(iRow, iCol), nullptr);
        m_list.SetCellModified(iRow, iCol, TRUE);
        m_list.UpdateCellProgress(iRow, iCol, 50);
    }
    EXPECT_FALSE(m_list.SetCellText(2, 0, "x"));
    EXPECT_FALSE(m_list.SetCellText(0, 8, "x"));
    // Setting a text works on a row without cells.
    EXPECT_TRUE(m_list.SetCellText(1, 5, "not available"));
    EXPECT_EQ(m_list.GetItemText(1, 5), "not available");
    EXPECT_FALSE(m_list.IsRowEnabled(1));
    EXPECT_FALSE(m_list.IsRowEnabled(5));
    EXPECT_TRUE(m_list.IsRowEnabled(0));
    EXPECT_EQ(m_list.GetHeaderCheckState(8), -1);
    EXPECT_FALSE(m_list.SetHeaderCheckState(-1, 1));
    EXPECT_EQ(m_list.CountCheckedRows(9), 0);
    EXPECT_EQ(m_list.GetColumnCount(), 8);
}

TEST_F(CellList, RowsTakeTheirColoursAndMinusOneMeansTheSystemColours)
{
    AddSensorRow(0, "COM5");
    AddSilentRow(1, "COM1");
    COLORREF crText = 0, crBack = 0;
    ASSERT_TRUE(m_list.GetCellColors(0, 0, crText, crBack));
    EXPECT_EQ(crText, BLACK);
    EXPECT_EQ(crBack, WHITE);
    ASSERT_TRUE(m_list.GetCellColors(1, 3, crText, crBack));
    EXPECT_EQ(crText, ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(crBack, ::GetSysColor(COLOR_WINDOW));
    EXPECT_TRUE(m_list.SetCellTextAndColors(0, 5, nullptr, (COLORREF)-1, RGB(255, 0, 0)));
    m_list.GetCellColors(0, 5, crText, crBack);
    EXPECT_EQ(crText, ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(crBack, RGB(255, 0, 0));
    EXPECT_EQ(m_list.GetItemText(0, 5), "available");
    m_list.SetCellColors(0, 5, RGB(1, 2, 3), RGB(4, 5, 6));
    m_list.GetCellColors(0, 5, crText, crBack);
    EXPECT_EQ(crText, RGB(1, 2, 3));
    EXPECT_EQ(crBack, RGB(4, 5, 6));
    m_list.DeleteAllRows();
    EXPECT_EQ(m_list.GetItemCount(), 0);
}

TEST_F(CellList, ComboCellsShowTheirInitialChoice)
{
    AddSensorRow(0, "COM5", 1);
    EXPECT_EQ(m_list.GetItemText(0, 1), "230,4k");
    // An initial index outside the choices shows the first one.
    AddSensorRow(1, "COM6", 7);
    EXPECT_EQ(m_list.GetItemText(1, 1), "115,2k");
    EXPECT_EQ(m_list.GetCell(1, 1)->comboInitialIndex, 0);
    EXPECT_FALSE(m_list.SetCellCombo(0, 1, TRUE, nullptr, 2, 0, FALSE));

    // Sorting reorders the caller's own array, ignoring case.
    CStringArray items;
    for (LPCSTR p : {"beta", "Alpha", "gamma", "ALPHA2"})
        items.Add(p);
    ASSERT_TRUE(m_list.SetCellCombo(0, 6, TRUE, &items, 10, 1, TRUE));
    ASSERT_EQ(items.GetSize(), 4);
    EXPECT_EQ(items[0], "Alpha");
    EXPECT_EQ(items[1], "ALPHA2");
    EXPECT_EQ(items[2], "beta");
    EXPECT_EQ(items[3], "gamma");
    EXPECT_EQ(m_list.GetItemText(0, 6), "ALPHA2");
    const ListCell* pCell = m_list.GetCell(0, 6);
    EXPECT_TRUE(pCell->comboOn);
    EXPECT_TRUE(pCell->comboSorted);
    EXPECT_EQ(pCell->comboItems, &items);
    EXPECT_EQ(pCell->comboDropRows, 10);
}

TEST_F(CellList, CellColoursAndProgressBarsAreDrawnByTheList)
{
    AddSensorRow(0, "COM5");
    AddSilentRow(1, "COM1");
    AddSensorRow(2, "COM6");
    const COLORREF crRed = RGB(255, 0, 0);
    m_list.SetCellTextAndColors(0, 5, "available", RGB(0, 0, 255), crRed);
    // Progress cells at 0, 50 and 100 percent and one beyond; a format with a text conversion is not used.
    const struct
    {
        int iRow, iCol, iPercent;
        LPCSTR lpszFormat;
    } bars[] = {{1, 4, 0, nullptr}, {1, 6, 50, ""}, {2, 5, 100, "%d%%"}, {2, 3, 170, "%s"}};
    for (const auto& b : bars)
    {
        ASSERT_TRUE(m_list.SetCellProgress(b.iRow, b.iCol, TRUE, b.lpszFormat));
        m_list.UpdateCellProgress(b.iRow, b.iCol, b.iPercent);
    }

    CClientPicture pic(m_list.m_hWnd, "celllist_progress");
    const CRect rcRed = CellRect(0, 5);
    // The cell's own background, away from its centred text.
    EXPECT_EQ(pic.At(rcRed.left + 3, rcRed.CenterPoint().y), crRed);
    EXPECT_EQ(pic.At(rcRed.right - 3, rcRed.top + 2), crRed);
    EXPECT_EQ(pic.At(CellRect(0, 2).right - 3, CellRect(0, 2).CenterPoint().y), WHITE);

    const COLORREF crTrack = RGB(224, 224, 224);
    const COLORREF crBar = ::GetSysColor(COLOR_HIGHLIGHT);
    for (const auto& b : bars)
    {
        SCOPED_TRACE(testing::Message() << "percent " << b.iPercent);
        CRect r = CellRect(b.iRow, b.iCol);
        r.left += 1;
        r.bottom -= 1;
        // The frame: black top and left, button shadow bottom and right.
        EXPECT_EQ(pic.At(r.left, r.top + 3), BLACK);
        EXPECT_EQ(pic.At(r.left + 3, r.top), BLACK);
        EXPECT_EQ(pic.At(r.right - 1, r.top + 3), ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(pic.At(r.left + 3, r.bottom - 1), ::GetSysColor(COLOR_BTNSHADOW));
        const int iPercent = std::min(b.iPercent, 100);
        const int xLeft = r.left + 1; // the bar's first column
        const int xEnd = r.left + (r.Width() - 1) * iPercent / 100;
        // The bar's and the track's first interior rows hold no text.
        const int y = r.top + 1;
        EXPECT_EQ(CountRow(pic, y, xLeft, xEnd, crBar), std::max(0, xEnd - xLeft));
        EXPECT_EQ(CountRow(pic, y, std::max(xEnd, xLeft), r.right - 1, crTrack),
                  r.right - 1 - std::max(xEnd, xLeft));
        if (iPercent == 0)
        {
            EXPECT_EQ(CountRect(pic, CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), crTrack),
                      (r.Width() - 2) * (r.Height() - 2))
                << "no text at 0 percent";
        }
        if (iPercent == 100)
        {
            // The whole text lies on the bar: none of it in the cell's text colour.
            const CRect rcBar(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
            EXPECT_EQ(CountRect(pic, rcBar, BLACK), 0);
            EXPECT_LT(CountRect(pic, rcBar, crBar), rcBar.Width() * rcBar.Height()) << "the text is drawn";
        }
    }
}

TEST_F(CellList, ASelectedRowTakesTheSelectionColoursButNotItsProgressCells)
{
    AddSensorRow(0, "COM5");
    m_list.SetCellProgress(0, 6, FALSE, nullptr);
    m_list.UpdateCellProgress(0, 6, 100);
    m_list.SelectRow(0, TRUE);
    const struct
    {
        bool bFocus;
        COLORREF crBack;
    } cases[] = {{true, ::GetSysColor(COLOR_HIGHLIGHT)}, {false, ::GetSysColor(COLOR_BTNFACE)}};
    for (const auto& c : cases)
    {
        if (c.bFocus)
            m_list.SetFocus();
        else
            m_parent.SetFocus();
        CClientPicture pic(m_list.m_hWnd);
        const CRect rc = CellRect(0, 2);
        EXPECT_EQ(pic.At(rc.right - 3, rc.top + 2), c.crBack) << c.bFocus;
        const CRect rcBar = CellRect(0, 6);
        EXPECT_EQ(pic.At(rcBar.left + 1, rcBar.top + 3), BLACK) << "the track's frame";
    }
}

TEST_F(CellList, AnImageCellDrawsItsImageBeforeTheText)
{
    AddSensorRow(0, "COM5");
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24, 1, 1));
    CBitmap bitmap;
    MakeStripes(bitmap, m_list, 8, 8, {RGB(0, 200, 0)});
    ASSERT_EQ(images.Add(&bitmap, (CBitmap*)nullptr), 0);
    m_list.SetImageList(images, LVSIL_SMALL);
    m_list.GetCell(0, 2)->imageIndex = 0;
    CClientPicture pic(m_list.m_hWnd, "celllist_image");
    const CRect rc = CellRect(0, 2);
    const int yTop = rc.CenterPoint().y - 4;
    EXPECT_EQ(pic.At(rc.left + 6, yTop), RGB(0, 200, 0));
    EXPECT_EQ(pic.At(rc.left + 13, yTop + 7), RGB(0, 200, 0));
    EXPECT_EQ(pic.At(rc.left + 5, yTop), WHITE);
    EXPECT_EQ(pic.At(rc.left + 14, yTop), WHITE);
    m_list.SetImageList(nullptr, LVSIL_SMALL);
}

TEST_F(CellList, ColumnZeroEndsAtTheNextColumnOfPositiveWidth)
{
    AddSensorRow(0, "COM5");
    m_list.SetColumnWidth(1, 0);
    const CRect rc0 = CellRect(0, 0);
    EXPECT_EQ(rc0.left, CellRect(0, 1).left - 110);
    EXPECT_EQ(rc0.right, CellRect(0, 2).left);
    m_list.SetPaddedColumnWidth(2, 30);
    EXPECT_EQ(m_list.GetColumnWidth(2), 42);
}

TEST_F(CellList, CheckBoxCellsToggleByClickAndTellTheParent)
{
    for (int i = 0; i < 3; ++i)
        AddSensorRow(i, "COM");
    m_list.SetCellText(1, 2, "");
    for (int i = 0; i < 3; ++i)
        m_list.GetCell(i, 2)->checkState = i == 0 ? 1 : 0;
    ASSERT_TRUE(m_list.SetHeaderCheckState(2, 1));

    ClickCell(1, 2);
    EXPECT_EQ(m_list.GetCell(1, 2)->checkState, 1);
    EXPECT_TRUE(m_list.IsCellModified(1, 2));
    EXPECT_TRUE(m_list.m_bListModified);
    EXPECT_EQ(m_list.GetHeaderCheckState(2), 1);
    ClickCell(2, 2);
    EXPECT_EQ(m_list.CountCheckedRows(2), 3);
    EXPECT_EQ(m_list.GetHeaderCheckState(2), 2) << "the last clear box was ticked";
    ClickCell(0, 2);
    EXPECT_EQ(m_list.GetHeaderCheckState(2), 1);
    const std::vector<CellMessage> expected = {{WM_CELLLIST_CHECKBOX_CLICKED, 1, 2},
                                               {WM_CELLLIST_CHECKBOX_CLICKED, 2, 2},
                                               {WM_CELLLIST_CHECKBOX_CLICKED, 0, 2}};
    EXPECT_EQ(m_parent.m_messages, expected);
    EXPECT_EQ(m_parent.m_nClicks, 3) << "the parent still sees the clicks";

    // The box: at the cell's left with a text, centred without one; the tick of a ticked box.
    CClientPicture pic(m_list.m_hWnd, "celllist_checks");
    const CRect rcText = CellRect(2, 2);
    const int nSide = rcText.Height() - 1;
    const CPoint ptBox(rcText.left + 9, rcText.top);
    EXPECT_EQ(pic.At(ptBox.x, ptBox.y + 2), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(pic.At(ptBox.x + nSide - 1, ptBox.y + 2), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(pic.At(ptBox.x + 9, ptBox.y + 4), RGB(0x33, 0x99, 0x33));
    EXPECT_EQ(pic.At(ptBox.x + 3, ptBox.y + 6), RGB(0x33, 0x99, 0x33));
    const CRect rcEmpty = CellRect(1, 2);
    const int xBox = rcEmpty.left + rcEmpty.Width() / 2 - nSide / 2 - 1;
    EXPECT_EQ(pic.At(xBox, rcEmpty.top + 2), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(pic.At(xBox - 1, rcEmpty.top + 2), WHITE);
}

TEST_F(CellList, AHeaderCheckBoxTicksAndClearsItsColumn)
{
    for (int i = 0; i < 3; ++i)
        AddSensorRow(i, "COM");
    m_list.GetCell(0, 3)->checkState = 0;
    m_list.GetCell(2, 3)->checkState = 1; // row 1 has no check box
    m_list.SetHeaderCheckState(3, 1);
    EXPECT_EQ(m_list.GetHeaderCheckState(0), 0);

    CRect rcItem;
    m_list.m_wndHeader.GetItemRect(3, &rcItem);
    const CPoint pt = rcItem.CenterPoint();
    auto clickHeader = [&](UINT nDown)
    {
        m_list.m_wndHeader.SendMessage(nDown, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_list.m_wndHeader.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    };
    clickHeader(WM_LBUTTONDOWN);
    EXPECT_EQ(m_list.GetHeaderCheckState(3), 2);
    EXPECT_EQ(m_list.GetCell(0, 3)->checkState, 1);
    EXPECT_EQ(m_list.GetCell(1, 3)->checkState, -1);
    EXPECT_EQ(m_list.GetCell(2, 3)->checkState, 1);
    EXPECT_TRUE(m_list.IsCellModified(0, 3));
    EXPECT_TRUE(m_list.IsCellModified(2, 3));
    EXPECT_FALSE(m_list.IsCellModified(1, 3));
    EXPECT_TRUE(m_list.m_bListModified);
    EXPECT_TRUE(m_parent.m_messages.empty()) << "no message for the rows";
    EXPECT_EQ(m_parent.m_columnClicks, std::vector<int>{3}) << "the parent still sees the click";

    // The header shows a ticked 13 x 13 box at the item's left edge plus the spacing.
    CClientPicture pic(m_list.m_wndHeader.m_hWnd, "celllist_header");
    const int xBox = rcItem.left + 6;
    const int yBox = rcItem.top + (rcItem.Height() - 13) / 2;
    EXPECT_EQ(pic.At(xBox, yBox), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(pic.At(xBox + 12, yBox + 12), RGB(0x33, 0x66, 0x99));
    EXPECT_EQ(pic.At(xBox + 9, yBox + 3), RGB(0x33, 0x99, 0x33));
    EXPECT_EQ(pic.At(xBox + 1, yBox + 1), ::GetSysColor(COLOR_WINDOW));

    clickHeader(WM_LBUTTONDOWN);
    EXPECT_EQ(m_list.GetHeaderCheckState(3), 1);
    EXPECT_EQ(m_list.GetCell(0, 3)->checkState, 0);
    EXPECT_EQ(m_list.GetCell(2, 3)->checkState, 0);
    // A double click is two clicks: the column toggles twice.
    clickHeader(WM_LBUTTONDOWN);
    clickHeader(WM_LBUTTONDBLCLK);
    EXPECT_EQ(m_list.GetHeaderCheckState(3), 1);
    EXPECT_EQ(m_parent.m_columnClicks.size(), 4u);
    // A column whose header has no check box is left alone.
    m_list.GetCell(0, 2)->checkState = 0;
    m_list.m_wndHeader.GetItemRect(2, &rcItem);
    m_list.m_wndHeader.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcItem.left + 5, 5));
    m_list.m_wndHeader.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rcItem.left + 5, 5));
    EXPECT_EQ(m_list.GetCell(0, 2)->checkState, 0);
    EXPECT_EQ(m_list.GetHeaderCheckState(2), 0);
}

TEST_F(CellList, TheHeaderPaintsItsFaceItemsDividersAndFrame)
{
    CCellHeaderCtrl& header = m_list.m_wndHeader;
    ASSERT_TRUE(m_list.m_bHeaderHooked);
    CClientPicture pic(header.m_hWnd, "celllist_header_plain");
    const COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
    int x = 0;
    for (int i = 0; i < header.GetItemCount(); ++i)
    {
        CRect rc;
        header.GetItemRect(i, &rc);
        const int y = rc.CenterPoint().y;
        if (i < header.GetItemCount() - 1)
        {
            EXPECT_EQ(pic.At(rc.right - 1, y), crShadow) << i;
            EXPECT_EQ(pic.At(rc.right, y), crHighlight) << i;
        }
        else
            EXPECT_EQ(pic.At(rc.right - 1, y), crShadow) << "the frame, not a divider";
        x = rc.right;
    }
    // The 3-D frame covers the items' width; beyond it only the face.
    EXPECT_EQ(x, 630);
    EXPECT_EQ(pic.At(3, 0), crHighlight);
    EXPECT_EQ(pic.At(0, 3), crHighlight);
    EXPECT_EQ(pic.At(3, pic.Height() - 1), crShadow);
    EXPECT_EQ(pic.At(x + 3, 0), crFace);
    EXPECT_EQ(pic.At(x + 3, pic.Height() - 1), crFace);

    // Reordered columns are painted in display order.
    int order[7] = {1, 0, 2, 3, 4, 5, 6};
    header.SendMessage(HDM_SETORDERARRAY, 7, (LPARAM)order);
    CRect rc0;
    header.GetItemRect(0, &rc0);
    EXPECT_EQ(rc0.left, 80);
    CClientPicture reordered(header.m_hWnd, "celllist_header_reordered");
    EXPECT_EQ(reordered.At(79, rc0.CenterPoint().y), crShadow);
    EXPECT_EQ(reordered.At(80, rc0.CenterPoint().y), crHighlight);
}

TEST_F(CellList, HeaderImagesBitmapsAndBorder)
{
    CCellHeaderCtrl& header = m_list.m_wndHeader;
    // An image list: its image size is taken, and an item's index picks an image (0: none).
    CImageList images;
    ASSERT_TRUE(images.Create(13, 13, ILC_COLOR24, 3, 1));
    CBitmap strip;
    MakeStripes(strip, m_list, 13, 13, {RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 0, 200)});
    ASSERT_EQ(images.Add(&strip, (CBitmap*)nullptr), 0);
    header.SetImageList(images);
    EXPECT_EQ(header.GetImageSize(), CSize(13, 13));
    m_list.SetHeaderCheckState(1, 1);
    // A bitmap at the item's right edge.
    CBitmap bitmap;
    MakeStripes(bitmap, m_list, 6, 6, {RGB(0, 150, 0)});
    HDITEMA item = {};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    item.fmt = HDF_STRING | HDF_BITMAP;
    item.hbm = bitmap;
    header.SetItem(2, &item);

    CClientPicture pic(header.m_hWnd, "celllist_header_images");
    CRect rc0, rc1, rc2;
    header.GetItemRect(0, &rc0);
    header.GetItemRect(1, &rc1);
    header.GetItemRect(2, &rc2);
    const int yImage = rc1.CenterPoint().y - 7;
    EXPECT_EQ(pic.At(rc1.left + 6, yImage + 1), RGB(0, 0, 200));
    EXPECT_EQ(pic.At(rc1.left + 18, yImage + 12), RGB(0, 0, 200));
    EXPECT_NE(pic.At(rc0.left + 6, yImage + 1), RGB(200, 0, 0)) << "index 0 shows no image";
    EXPECT_EQ(pic.At(rc2.right - 12, rc2.CenterPoint().y), RGB(0, 150, 0));
    EXPECT_EQ(pic.At(rc2.right - 7, rc2.CenterPoint().y), RGB(0, 150, 0));
    EXPECT_NE(pic.At(rc2.right - 6, rc2.CenterPoint().y), RGB(0, 150, 0));
    header.SetImageList(nullptr);

    // The static border widens the layout by two border widths.
    auto layoutWidth = [&]
    {
        RECT rc = {0, 0, 300, 100};
        WINDOWPOS wp = {};
        HDLAYOUT layout = {&rc, &wp};
        header.SendMessage(HDM_LAYOUT, 0, (LPARAM)&layout);
        return wp.cx;
    };
    const int cxPlain = layoutWidth();
    header.m_bStaticBorder = TRUE;
    EXPECT_EQ(layoutWidth(), cxPlain + 2 * ::GetSystemMetrics(SM_CXBORDER));
}

TEST_F(CellList, AnEmptyListSaysSoBelowItsHeader)
{
    CClientPicture pic(m_list.m_hWnd, "celllist_empty");
    CRect rcHeader;
    m_list.m_wndHeader.GetClientRect(&rcHeader);
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const int yText = rcHeader.bottom + 10;
    int yFirst = -1, xFirst = pic.Width(), xLast = -1;
    for (int y = rcHeader.bottom; y < pic.Height(); ++y)
        for (int x = 0; x < pic.Width(); ++x)
            if (pic.At(x, y) != crWindow && y >= yText)
            {
                yFirst = yFirst < 0 ? y : yFirst;
                xFirst = std::min(xFirst, x);
                xLast = std::max(xLast, x);
            }
    ASSERT_GE(yFirst, yText) << "text drawn";
    EXPECT_LT(yFirst, yText + 6);
    // Centred: as much room on the left as on the right.
    EXPECT_NEAR(xFirst, pic.Width() - 1 - xLast, 3);

    AddSensorRow(0, "COM5");
    CClientPicture filled(m_list.m_hWnd, "celllist_one_row");
    EXPECT_EQ(filled.At(pic.Width() / 2, CellRect(0, 0).bottom + 30), 0u) << "no text once there are rows";
}

TEST_F(CellList, KeysSkipDisabledRows)
{
    for (int i = 0; i < 4; ++i)
        AddSensorRow(i, "COM");
    m_list.GetCell(3, 0)->enabled = FALSE;
    m_list.GetCell(2, 0)->enabled = FALSE;
    m_list.SetFocus();
    m_list.SelectRow(1, TRUE);
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(m_list.GetSelectedRow(), 1) << "back up to the nearest enabled row";
    m_list.SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(m_list.GetSelectedRow(), 1) << "any other key restores the selection";
    m_list.SelectRow(0, TRUE);
    m_list.GetCell(0, 0)->enabled = FALSE;
    m_list.GetCell(1, 0)->enabled = FALSE;
    m_list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(m_list.GetSelectedRow(), 0) << "no row enabled: the previous selection";

    // A disabled row ignores clicks of either button and is drawn in the grey-text colour: the same
    // black text gives black pixels in an enabled row only.
    m_list.GetCell(1, 0)->enabled = TRUE;
    CClientPicture pic(m_list.m_hWnd);
    EXPECT_GT(CountRect(pic, CellRect(1, 1), BLACK), 0);
    EXPECT_EQ(CountRect(pic, CellRect(2, 1), BLACK), 0);
    m_list.GetCell(2, 3)->checkState = 0;
    ClickCell(2, 3);
    EXPECT_EQ(m_list.GetCell(2, 3)->checkState, 0);
    EXPECT_TRUE(m_parent.m_messages.empty());
    for (int iRow : {2, 1})
    {
        const CPoint pt = CellRect(iRow, 1).CenterPoint();
        // The list tracks a right button until its release is queued.
        m_list.PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(m_list.GetSelectedRow(), iRow == 2 ? 0 : 1);
    }
}

namespace
{
// Hit tests a fixed pointer position.
class CPointedList : public CCellListCtrl
{
public:
    CPoint m_ptScreen;

protected:
    CPoint GetMessagePoint() const override { return m_ptScreen; }
};
} // namespace

TEST(CellListTips, ToolIdsAndTipTexts)
{
    CCellListParent parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "tips", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr));
    CPointedList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &parent, 1));
    for (int i = 0; i < 4; ++i)
        list.InsertColumn(i, "c", LVCFMT_LEFT, 80);
    for (int i = 0; i < 3; ++i)
        list.InsertRow(i, "row");
    CRect rc;
    ASSERT_TRUE(list.GetCellRect(2, 3, LVIR_BOUNDS, rc));
    TOOLINFOA ti = {};
    EXPECT_EQ(list.OnToolHitTest(rc.CenterPoint(), &ti), 2004);
    EXPECT_EQ(ti.uId, 2004u);
    EXPECT_EQ(ti.hwnd, list.m_hWnd);
    EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKA);
    EXPECT_EQ(list.OnToolHitTest(CPoint(390, 190), &ti), -1);

    list.GetCell(2, 3)->tipText = CString('t', 100);
    list.m_ptScreen = rc.CenterPoint();
    list.ClientToScreen(&list.m_ptScreen);
    NMTTDISPINFOA infoA = {};
    infoA.hdr = {nullptr, 2004, (UINT)TTN_NEEDTEXTA};
    list.SendMessage(WM_NOTIFY, 0, (LPARAM)&infoA);
    EXPECT_EQ(CString(infoA.szText), CString('t', 79));
    NMTTDISPINFOW infoW = {};
    infoW.hdr = {nullptr, 2004, (UINT)TTN_NEEDTEXTW};
    list.SendMessage(WM_NOTIFY, 0, (LPARAM)&infoW);
    EXPECT_EQ(std::wstring(infoW.szText), std::wstring(79, L't'));
    // Off the cells nothing is copied.
    NMTTDISPINFOA off = {};
    off.hdr = {nullptr, 5, (UINT)TTN_NEEDTEXTA};
    list.m_ptScreen = CPoint(390, 190);
    list.ClientToScreen(&list.m_ptScreen);
    list.SendMessage(WM_NOTIFY, 0, (LPARAM)&off);
    EXPECT_EQ(off.szText[0], '\0');
    parent.DestroyWindow();
}
