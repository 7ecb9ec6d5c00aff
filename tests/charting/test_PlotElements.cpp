#include "ChartCanvas.h"
#include "FakePlotHost.h"

#include "charting/CPlotDataNotation.h"
#include "charting/CPlotLabel.h"
#include "charting/PlotText.h"
#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFile.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A chart with plot (0, 0)-(200, 200), x and y axes 0 to 100 over 200 pixels, and the curve
// y = x at x = 0, 25, 50, 75, 100 (its middle point (50, 50) lies at pixel (100, 100)).
class ElementTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_host.m_rcPlot.SetRect(0, 0, 200, 200);
        m_x.m_iType = 0;
        m_y.m_iType = 1;
        for (CPlotAxis* pAxis : {&m_x, &m_y})
        {
            pAxis->m_pGraph = &m_host;
            pAxis->SetRange(0, 100);
            pAxis->m_iLength = 200;
        }
        m_host.m_xAxes.push_back(&m_x);
        m_host.m_yAxes.push_back(&m_y);
        m_host.AddCurve(m_points);
        m_canvas.Fill(kGreen);
    }

    FakePlotHost m_host;
    CPlotAxis m_x, m_y;
    const std::vector<CurvePoint> m_points = {{0, 0}, {25, 25}, {50, 50}, {75, 75}, {100, 100}};
    ChartCanvas m_canvas{220, 220};
};
} // namespace

TEST_F(ElementTest, LabelFillsFramesAndWritesItsBox)
{
    CPlotLabel label;
    label.m_pGraph = &m_host;
    label.m_rcObject.SetRect(20, 20, 120, 60);
    label.m_strText = "Kurve 1";
    label.m_crBackColor = kWhite;
    label.m_crText = kBlue;
    label.Draw(&m_canvas.m_dc);
    m_canvas.Save("label");
    EXPECT_EQ(m_canvas.Count(CRect(20, 20, 120, 21), kBlack), 100); // the frame
    EXPECT_EQ(m_canvas.Count(CRect(119, 20, 120, 60), kBlack), 40);
    EXPECT_GT(m_canvas.Count(CRect(21, 21, 119, 59), kBlue), 10); // the text
    EXPECT_EQ(m_canvas.Count(CRect(21, 21, 119, 59), kGreen), 0);
    EXPECT_EQ(m_canvas.Count(CRect(0, 0, 220, 20), kGreen), 220 * 20);

    label.m_bVisible = false;
    m_canvas.Fill(kGreen);
    label.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_canvas.CountOther(CRect(0, 0, 220, 220), kGreen), 0);
}

TEST_F(ElementTest, TransparentLabelShowsWhatLiesBelowIt)
{
    CPlotLabel label;
    label.m_rcObject.SetRect(20, 20, 120, 60);
    label.m_strText = "Text";
    label.m_bTransparent = true;
    label.m_crText = kRed;
    label.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_canvas.Count(CRect(20, 20, 120, 21), kBlack), 100);
    EXPECT_GT(m_canvas.Count(CRect(21, 21, 119, 59), kRed), 5);
    EXPECT_GT(m_canvas.Count(CRect(21, 21, 119, 59), kGreen), 3000);
    EXPECT_EQ(::GetCurrentObject(m_canvas.m_dc, OBJ_BRUSH), ::GetStockObject(WHITE_BRUSH)); // restored
}

TEST_F(ElementTest, MonochromeLabelIsBlackOnWhite)
{
    CPlotLabel label;
    label.m_rcObject.SetRect(20, 20, 120, 60);
    label.m_strText = "Text";
    label.m_crBackColor = kBlue;
    label.m_crText = kRed;
    m_canvas.m_dc.m_bMonochrome = true;
    label.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_canvas.Count(CRect(21, 21, 119, 59), kBlue) + m_canvas.Count(CRect(21, 21, 119, 59), kRed),
              0);
    EXPECT_GT(m_canvas.Count(CRect(21, 21, 119, 59), kWhite), 3000);
    EXPECT_GT(m_canvas.Count(CRect(21, 21, 119, 59), kBlack), 5);
}

TEST_F(ElementTest, LabelConnectorStartsAtTheCurvesMiddlePoint)
{
    CPlotLabel label;
    label.m_pGraph = &m_host;
    label.m_rcObject.SetRect(140, 20, 200, 60); // centre (170, 40)
    label.m_iCurve = 0;
    label.Draw(&m_canvas.m_dc);
    m_canvas.Save("label_connector");
    EXPECT_EQ(m_canvas.Pixel(100, 100), kBlack); // point 2 of 5
    EXPECT_EQ(m_canvas.Pixel(135, 70), kBlack);  // halfway to the box, below it
    EXPECT_EQ(m_canvas.Pixel(170, 40), kWhite);  // covered by the box

    label.m_iCurve = 7; // names no curve: no connector
    m_canvas.Fill(kGreen);
    label.Draw(&m_canvas.m_dc);
    EXPECT_EQ(m_canvas.Count(CRect(0, 70, 220, 220), kBlack), 0);
}

TEST_F(ElementTest, SizingLabelShowsTheTrackerOutsideItsBox)
{
    CPlotLabel label;
    label.m_rcObject.SetRect(40, 40, 120, 80);
    label.BeginSize();
    EXPECT_TRUE(label.m_bSizing);
    EXPECT_EQ(label.m_Tracker.m_nStyle, 20u);
    EXPECT_EQ(label.m_Tracker.m_rect, label.m_rcObject);
    label.Draw(&m_canvas.m_dc);
    const CRect handle = label.m_Tracker.GetHandleRect(0);
    EXPECT_EQ(m_canvas.Count(handle, kBlack), handle.Width() * handle.Height());
    label.EndSize();
    EXPECT_FALSE(label.m_bSizing);
}

TEST_F(ElementTest, NoteSitsAboveItsPointAndMeasuresItsBoxOnce)
{
    CPlotDataNotation note;
    note.m_pGraph = &m_host;
    note.m_dX = 50;
    note.m_dY = 50;
    note.m_strText = "Max";
    note.Draw(&m_canvas.m_dc);
    m_canvas.Save("note");
    EXPECT_EQ(note.m_rcObject.TopLeft(), CPoint(100, 80));
    EXPECT_TRUE(note.m_bSized);
    const CSize size = note.m_rcObject.Size();
    EXPECT_GT(size.cx, 10);
    EXPECT_EQ(m_canvas.Count(CRect(99, 99, 102, 102), kBlack), 9); // the point
    EXPECT_EQ(m_canvas.Pixel(99, 79), kBlack);                     // the frame's corner
    EXPECT_GT(m_canvas.Count(note.m_rcObject, kWhite), 20);
    EXPECT_EQ(m_canvas.Count(note.m_rcObject, kGreen), 0);
    EXPECT_EQ(m_canvas.Pixel(100, note.m_rcObject.bottom + 1), kBlack); // the line down to the point

    note.m_strText = "A much longer note";
    note.m_dY = 25;
    note.Draw(&m_canvas.m_dc);
    EXPECT_EQ(note.m_rcObject.TopLeft(), CPoint(100, 130));
    EXPECT_EQ(note.m_rcObject.Size(), size);
    note.m_bSized = false;
    note.Draw(&m_canvas.m_dc);
    EXPECT_GT(note.m_rcObject.Width(), size.cx);
}

TEST(PlotText, BlackOrWhiteAndMultiLineExtents)
{
    EXPECT_EQ(GetBlackOrWhite(RGB(127, 128, 128)), RGB(0, 0, 0));
    EXPECT_EQ(GetBlackOrWhite(RGB(128, 128, 128)), RGB(255, 255, 255));
    EXPECT_EQ(GetBlackOrWhite(RGB(255, 0, 0)), RGB(0, 0, 0));

    ChartCanvas canvas(10, 10);
    const CSize one = GetMultiLineTextExtent(&canvas.m_dc, "Wide text");
    EXPECT_EQ(one, canvas.m_dc.GetTextExtent(CString("Wide text")));
    const CSize two = GetMultiLineTextExtent(&canvas.m_dc, "Wide text\nab");
    EXPECT_EQ(two.cx, one.cx);
    EXPECT_EQ(two.cy, 2 * one.cy);
}

TEST(PlotText, NumberFormatsAreCheckedBeforeUse)
{
    struct Case
    {
        const char* pszFormat;
        const char* pszText;
    };
    const Case cases[] = {
        {"%5.1f", "  2.5"}, {"%.2e", "2.50e+00"}, {"%g N", "2.5 N"},  {"100%% %.0f", "100% 2"},
        {"%d", "2.500"},    {"%s", "2.500"},      {"%f %f", "2.500"}, {"no number", "2.500"},
        {"%*f", "2.500"},   {"%9999f", "2.500"},  {"%H:%M", "2.500"}, {"%Lf", "2.500"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPlotNumber(c.pszFormat, 2.5), CString(c.pszText)) << c.pszFormat;
}

TEST(PlotText, FormatsOfSeveralValuesAreCheckedInOrder)
{
    EXPECT_TRUE(IsFormatOf("Kurve %i", "d"));
    EXPECT_TRUE(IsFormatOf("%f %s\r\n%-8.2lf %s", "fsfs"));
    EXPECT_TRUE(IsFormatOf("100%%", ""));
    EXPECT_FALSE(IsFormatOf("%s %f", "fs"));    // order
    EXPECT_FALSE(IsFormatOf("%f %s %s", "fs")); // one too many
    EXPECT_FALSE(IsFormatOf("Kurve %i", "dd")); // one too few
    EXPECT_FALSE(IsFormatOf("Kurve %li", "d")); // a long
    EXPECT_FALSE(IsFormatOf("%n", "d"));
}

TEST(LabelEdit, EditsInPlaceOverTheBoxAndTakesTheText)
{
    CWnd chart;
    ASSERT_TRUE(chart.CreateEx(0, nullptr, "chart", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr));
    FakePlotHost host;
    host.m_pWnd = &chart;
    CPlotLabel label;
    label.m_pGraph = &host;
    label.m_rcObject.SetRect(10, 10, 110, 60);
    label.m_strText = "old";
    label.m_iAlign = 1;
    label.m_bSizing = true;
    label.BeginEdit();
    ASSERT_NE(label.m_Edit.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(label.m_bEditing);
    EXPECT_FALSE(label.m_bSizing);
    EXPECT_EQ(::GetParent(label.m_Edit.GetSafeHwnd()), chart.GetSafeHwnd());
    EXPECT_EQ(label.m_Edit.GetDlgCtrlID(), 0xFFFE);
    const LONG style = ::GetWindowLongA(label.m_Edit.GetSafeHwnd(), GWL_STYLE);
    EXPECT_EQ(style & (ES_MULTILINE | ES_CENTER | ES_WANTRETURN), ES_MULTILINE | ES_CENTER | ES_WANTRETURN);
    CRect rect;
    label.m_Edit.GetWindowRect(rect);
    chart.ScreenToClient(rect);
    EXPECT_EQ(rect, CRect(11, 11, 109, 59));
    CString str;
    label.m_Edit.GetWindowText(str);
    EXPECT_EQ(str, CString("old"));
    int nStart = -1, nEnd = -1;
    label.m_Edit.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 3);

    label.m_Edit.SetWindowText("new\r\ntext");
    label.EndEdit();
    EXPECT_EQ(label.m_strText, CString("new\r\ntext"));
    EXPECT_EQ(label.m_Edit.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(label.m_bEditing);

    label.m_bCanEdit = false;
    label.BeginEdit();
    EXPECT_EQ(label.m_Edit.GetSafeHwnd(), nullptr);
    chart.DestroyWindow();
}

TEST(PlotArchive, LabelsAndNotesComeBackAsTheirOwnClass)
{
    CPlotLabel label;
    label.m_rcObject.SetRect(1, 2, 3, 4);
    label.m_bSelected = true;
    label.m_crColor = RGB(5, 6, 7);
    label.m_strText = "Peak";
    label.m_crBackColor = RGB(1, 1, 1);
    label.m_crText = RGB(2, 2, 2);
    label.m_bBorder = false;
    label.m_bTransparent = true;
    label.m_iAlign = 2;
    label.m_iCurve = 3;
    LOGFONTA lf = {};
    label.m_Font.GetLogFont(&lf);
    lf.lfHeight = 25;
    label.SetFont(lf);
    CPlotDataNotation note;
    note.m_dX = 1.5;
    note.m_dY = -2.5;
    note.m_iCurve = 1;
    note.m_iIndex = 42;
    note.m_strText = "here";

    TempFile file("elements.bin");
    {
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        ar << &label << &note;
        ar.Close();
    }
    CFile in(file.Path(), CFile::modeRead);
    CArchive ar(&in, CArchive::load);
    CPlotObject* pFirst = nullptr;
    CPlotObject* pSecond = nullptr;
    ar >> pFirst >> pSecond;
    std::unique_ptr<CPlotObject> first(pFirst), second(pSecond);
    auto* pLabel = DYNAMIC_DOWNCAST(CPlotLabel, pFirst);
    auto* pNote = DYNAMIC_DOWNCAST(CPlotDataNotation, pSecond);
    ASSERT_NE(pLabel, nullptr);
    ASSERT_NE(pNote, nullptr);
    EXPECT_EQ(pLabel->m_rcObject, CRect(1, 2, 3, 4));
    EXPECT_TRUE(pLabel->m_bSelected);
    EXPECT_EQ(pLabel->m_crColor, RGB(5, 6, 7));
    EXPECT_EQ(pLabel->m_strText, CString("Peak"));
    EXPECT_EQ(pLabel->m_crBackColor, RGB(1, 1, 1));
    EXPECT_EQ(pLabel->m_crText, RGB(2, 2, 2));
    EXPECT_FALSE(pLabel->m_bBorder);
    EXPECT_TRUE(pLabel->m_bTransparent);
    EXPECT_EQ(pLabel->m_iAlign, 2);
    EXPECT_EQ(pLabel->m_iCurve, 3);
    LOGFONTA lfLoaded = {};
    pLabel->m_Font.GetLogFont(&lfLoaded);
    EXPECT_EQ(lfLoaded.lfHeight, 25);
    EXPECT_EQ(pNote->m_dX, 1.5);
    EXPECT_EQ(pNote->m_dY, -2.5);
    EXPECT_EQ(pNote->m_iCurve, 1);
    EXPECT_EQ(pNote->m_iIndex, 42);
    EXPECT_EQ(pNote->m_strText, CString("here"));
    EXPECT_FALSE(pNote->m_bSized);
}

TEST(PlotArchive, ATruncatedRecordRaisesTheArchiveError)
{
    CPlotLabel label;
    TempFile file("short.bin");
    {
        CFile out(file.Path(), CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&out, CArchive::store);
        ar << &label;
        ar.Close();
        out.SetLength(out.GetLength() - 20); // into the font record
    }
    CFile in(file.Path(), CFile::modeRead);
    CArchive ar(&in, CArchive::load);
    CPlotObject* pObject = nullptr;
    try
    {
        ar >> pObject;
        ADD_FAILURE() << "no exception";
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
        e->Delete();
    }
    EXPECT_EQ(pObject, nullptr);
}
