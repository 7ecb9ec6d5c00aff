// The curve page: fill targets among the other curves, the range message of the line width, Apply,
// the enabled states of markers and filling, the owner-drawn line-style and symbol lists and the
// pictures of the hatch patterns.
#include "ChartCanvas.h"
#include "ChartPropertyFixture.h"

#include "charting/CPlotDataSerie.h"
#include "support/ScriptedMessageBoxes.h"

namespace
{
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
} // namespace

TEST(CurvePageRules, FillTargetEntriesStandForTheOtherCurves)
{
    // Editing curve 3 of 10: entries 0-2 are curves 0-2, entries 3-8 curves 4-9.
    const struct
    {
        int iTarget, iEntry;
    } cases[] = {{0, 0}, {2, 2}, {4, 3}, {9, 8}, {3, -1}, {-1, -1}, {10, -1}};
    for (const auto& c : cases)
    {
        EXPECT_EQ(CCurveDlg::FillTargetEntry(c.iTarget, 3, 10), c.iEntry) << c.iTarget;
        if (c.iEntry >= 0)
        {
            EXPECT_EQ(CCurveDlg::FillTargetCurve(c.iEntry, 3), c.iTarget) << c.iEntry;
        }
    }
    EXPECT_EQ(CCurveDlg::FillTargetCurve(-1, 3), -1);
    // The last curve: entry p stands for curve p.
    EXPECT_EQ(CCurveDlg::FillTargetCurve(8, 9), 8);
}

TEST_F(ChartPropertyTest, FirstOfTenCurvesOffersTheOthersAsFillTargets)
{
    Chart().GetCurve(0).SetFill(true, -1);
    ShowTab(CChartPage::TAB_CURVE);
    ASSERT_EQ(CurveDlg().m_cbFillTarget.GetCount(), 9);
    EXPECT_EQ(EntryText(CurveDlg(), IDC_FILLTARGET, 0), "2 Kurve 2");
    EXPECT_EQ(EntryText(CurveDlg(), IDC_FILLTARGET, 8), "10 Kurve 10");
    EXPECT_EQ(Chosen(CurveDlg(), IDC_FILLTARGET), -1);

    Choose(CurveDlg(), IDC_FILLTARGET, 0);
    Apply(CurveDlg());
    EXPECT_EQ(Chart().GetCurve(0).GetFillTarget(), 1);
    EXPECT_TRUE(Chart().GetCurve(0).GetFill());

    // Reloaded through the chart page's curve list, the entry is chosen again.
    ShowTab(CChartPage::TAB_CHART);
    Choose(ChartDlg(), IDC_CURVELIST, 1);
    Choose(ChartDlg(), IDC_CURVELIST, 0);
    EXPECT_EQ(Chosen(CurveDlg(), IDC_FILLTARGET), 0);

    // Fill off with the target still chosen keeps that curve as target.
    ShowTab(CChartPage::TAB_CURVE);
    Click(CurveDlg(), IDC_CBFILL);
    Apply(CurveDlg());
    EXPECT_FALSE(Chart().GetCurve(0).GetFill());
    EXPECT_EQ(Chart().GetCurve(0).GetFillTarget(), 1);
}

TEST_F(ChartPropertyTest, CurvePageAppliesItsValuesAndRefusesAWidthOfSix)
{
    ShowTab(CChartPage::TAB_CURVE);
    ScriptedMessageBoxes boxes;
    Type(CurveDlg(), IDC_LINEWIDTH, "6");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].strText, "Enter an integer between 1 and 5.");
    Type(CurveDlg(), IDC_LINEWIDTH, "3");
    Type(CurveDlg(), IDC_PROP_TITLE, "Drehmoment");
    Choose(CurveDlg(), IDC_PROP_TYPE, 1);
    Choose(CurveDlg(), IDC_LINESTYLE, PS_DOT);
    CurveDlg().m_btnColor.SetColor(RGB(0, 0, 255));
    Click(CurveDlg(), IDC_CBMARKER);
    Click(CurveDlg(), IDC_RDSYM);
    Choose(CurveDlg(), IDC_SYMBOL, MARKER_DIAMOND);
    Type(CurveDlg(), IDC_PROP_MARKERSIZE, "8");
    Click(CurveDlg(), IDC_CBFILL);
    Click(CurveDlg(), IDC_FILL_CROSS);
    Apply(CurveDlg());
    EXPECT_EQ(boxes.Calls().size(), 1u);

    const CPlotDataSerie& curve = Chart().GetCurve(0);
    EXPECT_EQ(curve.m_iLineWidth, 3);
    EXPECT_EQ(curve.m_strTitle, "Drehmoment");
    EXPECT_EQ(curve.m_iDrawStyle, 1);
    EXPECT_EQ(curve.m_iLineStyle, PS_DOT);
    EXPECT_EQ(curve.m_crColor, RGB(0, 0, 255));
    EXPECT_TRUE(curve.m_bMarkers);
    EXPECT_EQ(curve.m_iMarkerMode, 1);
    EXPECT_EQ(curve.m_iMarkerSymbol, MARKER_DIAMOND);
    EXPECT_EQ(curve.m_iMarkerSize, 8);
    EXPECT_TRUE(curve.m_bFill);
    EXPECT_EQ(curve.m_iFillStyle, HS_CROSS);
    EXPECT_EQ(curve.m_sFillTarget, 1) << "the target loaded for curve 0 stays chosen";
    EXPECT_FALSE(IsEnabled(CurveDlg(), IDC_APPLY));
}

TEST_F(ChartPropertyTest, MarkersAndFillingEnableTheirControls)
{
    Chart().GetCurve(0).m_iMarkerMode = 1;
    ShowTab(CChartPage::TAB_CURVE);
    // Markers off: no type, no symbol, whatever the marker mode; fill off: no pattern, target or
    // transparency.
    for (int nID : {IDC_MARKERTYPE, IDC_RDSYM, IDC_SYMBOL, IDC_CBTRANSPARENT, IDC_FILLTARGET, IDC_FILL_SOLID})
        EXPECT_FALSE(IsEnabled(CurveDlg(), nID)) << nID;
    Click(CurveDlg(), IDC_CBMARKER);
    for (int nID : {IDC_MARKERTYPE, IDC_RDSYM, IDC_SYMBOL})
        EXPECT_TRUE(IsEnabled(CurveDlg(), nID)) << nID;
    Click(CurveDlg(), IDC_MARKERTYPE);
    EXPECT_FALSE(IsEnabled(CurveDlg(), IDC_SYMBOL));
    Click(CurveDlg(), IDC_CBFILL);
    for (int nID : {IDC_CBTRANSPARENT, IDC_FILLTARGET, IDC_FILL_HORIZONTAL, IDC_FILL_SOLID})
        EXPECT_TRUE(IsEnabled(CurveDlg(), nID)) << nID;
}

TEST_F(ChartPropertyTest, LineStyleAndSymbolListsDrawTheirItems)
{
    ShowTab(CChartPage::TAB_CURVE);
    MEASUREITEMSTRUCT mis = {ODT_COMBOBOX, IDC_LINESTYLE, 0, 0, 0, 0};
    CurveDlg().SendMessage(WM_MEASUREITEM, IDC_LINESTYLE, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(mis.itemWidth, 100u);
    EXPECT_EQ(mis.itemHeight, 16u);
    mis.CtlID = IDC_SYMBOL;
    CurveDlg().SendMessage(WM_MEASUREITEM, IDC_SYMBOL, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(mis.itemWidth, 16u);

    // Row 6 of each line-style item: a solid line covers it, the broken styles part of it.
    ChartCanvas canvas(100, 16);
    auto draw = [&](int nID, int iItem, UINT nState)
    {
        canvas.Fill(RGB(1, 2, 3));
        DRAWITEMSTRUCT dis = {ODT_COMBOBOX,
                              (UINT)nID,
                              (UINT)iItem,
                              ODA_DRAWENTIRE,
                              nState,
                              CurveDlg().GetDlgItem(nID)->m_hWnd,
                              canvas.m_dc.GetSafeHdc(),
                              {0, 0, 100, 16},
                              0};
        CurveDlg().SendMessage(WM_DRAWITEM, nID, reinterpret_cast<LPARAM>(&dis));
    };
    const CRect rcRow(0, 6, 100, 7);
    draw(IDC_LINESTYLE, PS_SOLID, 0);
    EXPECT_EQ(canvas.Count(rcRow, kBlack), 100);
    EXPECT_EQ(canvas.Pixel(50, 3), ::GetSysColor(COLOR_WINDOW));
    for (int iStyle : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT})
    {
        draw(IDC_LINESTYLE, iStyle, 0);
        const int nBlack = canvas.Count(rcRow, kBlack);
        EXPECT_GT(nBlack, 20) << iStyle;
        EXPECT_LT(nBlack, 90) << iStyle;
    }
    draw(IDC_LINESTYLE, PS_SOLID, ODS_SELECTED);
    EXPECT_EQ(canvas.Pixel(50, 3), ::GetSysColor(COLOR_HIGHLIGHT));
    draw(IDC_LINESTYLE, 5, 0);
    EXPECT_EQ(canvas.Count(CRect(0, 0, 100, 16), RGB(1, 2, 3)), 1600) << "no sixth style";

    // A square at 2,2, 10 pixels wide, filled black, or grey when disabled.
    const CRect rcInside(3, 3, 11, 11);
    draw(IDC_SYMBOL, MARKER_SQUARE, 0);
    EXPECT_EQ(canvas.Count(rcInside, kBlack), 64);
    EXPECT_EQ(canvas.Count(CRect(13, 0, 100, 16), kBlack), 0);
    draw(IDC_SYMBOL, MARKER_SQUARE, ODS_DISABLED);
    EXPECT_EQ(canvas.Count(rcInside, ::GetSysColor(COLOR_INACTIVEBORDER)), 64);
}

TEST_F(ChartPropertyTest, HatchPatternPicturesShowTheSixHatches)
{
    ShowTab(CChartPage::TAB_CURVE);
    const int pictures[] = {IDC_FILLPREVIEW_HORIZONTAL, IDC_FILLPREVIEW_VERTICAL, IDC_FILLPREVIEW_FDIAGONAL,
                            IDC_FILLPREVIEW_BDIAGONAL,  IDC_FILLPREVIEW_CROSS,    IDC_FILLPREVIEW_DIAGCROSS};
    for (int i = 0; i < CCurveDlg::HATCH_PREVIEW_COUNT; ++i)
    {
        CWnd* pPicture = CurveDlg().GetDlgItem(pictures[i]);
        const auto hBitmap = reinterpret_cast<HBITMAP>(pPicture->SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
        ASSERT_NE(hBitmap, nullptr) << i;
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof(bm), &bm);
        CRect rcTemplate(0, 0, 22, 14), rcWindow;
        CurveDlg().MapDialogRect(&rcTemplate);
        pPicture->GetWindowRect(&rcWindow);
        EXPECT_EQ(rcWindow.Size(), rcTemplate.Size()) << i;
        EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), rcWindow.Size()) << i;
        // Read the picture back: black hatch lines on white.
        ChartCanvas canvas(bm.bmWidth, bm.bmHeight);
        HDC hdcBitmap = ::CreateCompatibleDC(canvas.m_dc.GetSafeHdc());
        HGDIOBJ hOld = ::SelectObject(hdcBitmap, hBitmap);
        ::BitBlt(canvas.m_dc.GetSafeHdc(), 0, 0, bm.bmWidth, bm.bmHeight, hdcBitmap, 0, 0, SRCCOPY);
        ::SelectObject(hdcBitmap, hOld);
        ::DeleteDC(hdcBitmap);
        const CRect rcAll(0, 0, bm.bmWidth, bm.bmHeight);
        EXPECT_GT(canvas.Count(rcAll, kBlack), 0) << i;
        EXPECT_EQ(canvas.Count(rcAll, kBlack) + canvas.Count(rcAll, kWhite), bm.bmWidth * bm.bmHeight) << i;
        // The horizontal hatch has whole black rows, the vertical one whole black columns.
        const CRect rcEight[] = {CRect(0, 0, bm.bmWidth, 8), CRect(0, 0, 8, bm.bmHeight)};
        const int nLine[] = {bm.bmWidth, bm.bmHeight};
        if (i == HS_HORIZONTAL || i == HS_VERTICAL)
        {
            EXPECT_EQ(canvas.Count(rcEight[i], kBlack), nLine[i]) << "one whole line in 8";
        }
    }
}
