// The test printers of the Wine session: a page laid out on a printer's context lands as one PostScript
// page in the printer's file, laid out by the context's pixels per inch (the 600-dpi printer reports a
// print quality of 300); so does the report, with the same geometry on both printers, and nothing when
// its print dialog is cancelled. Each test keeps the page as printer/page-<dpi>.ps in the session's folder
// with printer/page-<dpi>.expect, what its picture must show; cmake/test-printer.sh renders it with
// ghostscript and checks it. The printer's settings orientation is read by the page.
#include "storage/CPage.h"
#include "storage/CPrintRegion.h"
#include "storage/CReportLayout.h"
#include "storage/CReportPrinter.h"
#include "storage/StorageTexts.h"
#include "storage/TableLayout.h"

#include "BuildTreeFiles.h"
#include "TwoColourPicture.h"
#include "support/PumpUntil.h"
#include "support/ScriptedMessageBoxes.h"
#include "framework/CDC.h"
#include "framework/CPrintDialog.h"
#include "framework/CWinApp.h"
#include "shell/CEnvironment.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <cstdio>
#include <string>

namespace
{
struct TestPrinter
{
    const char* lpszName;
    const char* lpszPortFile;
    int nDpi;
};
const TestPrinter PRINTERS[] = {{"TQ5 Test 300", "port300", 300}, {"TQ5 Test 600", "port600", 600}};

CString PrinterFile(const char* lpszName)
{
    return BuildTreePath(CString("wine/printer/") + lpszName);
}

std::string FileText(const CString& strPath)
{
    const std::vector<BYTE> bytes = ReadBytes(strPath);
    return std::string(bytes.begin(), bytes.end());
}

size_t Occurrences(const std::string& strText, const std::string& strWhat)
{
    size_t n = 0;
    for (size_t pos = strText.find(strWhat); pos != std::string::npos; pos = strText.find(strWhat, pos + 1))
        ++n;
    return n;
}

// What the rendered page must show, in pixels of the whole sheet at the printer's resolution.
class CPageExpectations
{
public:
    CPageExpectations(CDC& dc, int nDpi) : m_nDpi(nDpi)
    {
        m_nOffsetX = dc.GetDeviceCaps(PHYSICALOFFSETX);
        m_nOffsetY = dc.GetDeviceCaps(PHYSICALOFFSETY);
        m_strLines.Format("dpi %d\nsize %d %d\n", nDpi, dc.GetDeviceCaps(PHYSICALWIDTH),
                          dc.GetDeviceCaps(PHYSICALHEIGHT));
    }
    // A point given in inches from the printable area's corner.
    void Expect(const char* lpszWhat, double dX, double dY, COLORREF cr = 0)
    {
        ExpectAt(lpszWhat, static_cast<int>(dX * m_nDpi), static_cast<int>(dY * m_nDpi), cr);
    }
    // A point given in pixels from the printable area's corner.
    void ExpectAt(const char* lpszWhat, int x, int y, COLORREF cr = 0)
    {
        m_strLines.AppendFormat("%s %d %d %d %d %d\n", lpszWhat, m_nOffsetX + x, m_nOffsetY + y,
                                GetRValue(cr), GetGValue(cr), GetBValue(cr));
    }
    bool Write(const CString& strPath) const
    {
        return WriteBytes(strPath, std::vector<BYTE>(m_strLines.GetString(),
                                                     m_strLines.GetString() + m_strLines.GetLength()));
    }

private:
    int m_nDpi;
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    CString m_strLines;
};

// Waits for the printer's file to hold a whole PostScript document.
std::string WaitForPostScript(const CString& strPort)
{
    std::string strPostScript;
    EXPECT_TRUE(PumpUntil(
        [&]
        {
            strPostScript = FileText(strPort);
            return strPostScript.find("%%EOF") != std::string::npos;
        },
        10000))
        << strPort.GetString();
    return strPostScript;
}

// The print dialog answered with the printer's context, or cancelled.
class PrintDialogAnswer
{
public:
    PrintDialogAnswer(const char* lpszPrinter, bool bOk)
    {
        m_previous = CPrintDialog::SetModalHook(
            [lpszPrinter, bOk](CPrintDialog& dlg) -> INT_PTR
            {
                EXPECT_EQ(CReportPrinter::PRINT_DIALOG_FLAGS | PD_RETURNDC, dlg.m_pd.Flags);
                if (!bOk)
                    return IDCANCEL;
                dlg.m_pd.hDC = ::CreateDCA(nullptr, lpszPrinter, nullptr, nullptr);
                return IDOK;
            });
    }
    ~PrintDialogAnswer() { CPrintDialog::SetModalHook(m_previous); }

private:
    AFX_PRINTDIALOG_HOOK m_previous;
};

CString WritePicture(const char* lpszName, int cx, int cy, COLORREF crLeft, COLORREF crRight)
{
    const CString strPath = BuildTreePath(CString("tests/storage_printer_") + lpszName + ".bmp");
    EXPECT_TRUE(WriteTwoColourPicture(strPath, cx, cy, crLeft, crRight));
    return strPath;
}

// Where the report's frame, cells, logo and diagram must show, in the printer's pixels.
void ExpectReport(const CReportLayout& layout, CPageExpectations& expect)
{
    const double FRAME_X[2] = {2.5, 19.2};
    const double FRAME_Y[2] = {1.7, 27.7};
    for (double dX : FRAME_X)
        for (double dY : {1.7, 10.0, 27.7})
            expect.ExpectAt("dark", layout.X(dX), layout.Y(dY));
    for (double dY : FRAME_Y)
        expect.ExpectAt("dark", layout.X(8.0), layout.Y(dY));
    expect.ExpectAt("dark", layout.X(5.0), layout.Y(3.0));
    expect.ExpectAt("dark", layout.X(16.7), layout.Y(3.0));
    expect.ExpectAt("dark", layout.X(8.0), layout.Y(4.2));
    expect.ExpectAt("light", layout.X(5.0), layout.Y(6.0));
    expect.ExpectAt("rgb", layout.X(3.75), layout.Y(2.95), RGB(0, 160, 0));
    // The diagram turned counter-clockwise: its left half (red) is the bottom half.
    const CRect rc = layout.GetDiagramRect();
    expect.ExpectAt("rgb", rc.CenterPoint().x, rc.top + rc.Height() / 4, RGB(0, 0, 255));
    expect.ExpectAt("rgb", rc.CenterPoint().x, rc.bottom - rc.Height() / 4, RGB(255, 0, 0));
}

CString WriteQuadrantBitmap()
{
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 2, 2);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::SetPixelV(hMem, 0, 0, RGB(255, 0, 0));
    ::SetPixelV(hMem, 1, 0, RGB(0, 160, 0));
    ::SetPixelV(hMem, 0, 1, RGB(0, 0, 255));
    ::SetPixelV(hMem, 1, 1, RGB(255, 255, 0));
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
    const CString strPath = BuildTreePath("tests/storage_printer_quadrants.bmp");
    EXPECT_TRUE(CEnvironment::SaveBitmapToFile(nullptr, strPath, hBitmap));
    ::DeleteObject(hBitmap);
    return strPath;
}

// The test page, in inches from the printable corner: frame, a black box, a rule, a heading, a checked
// tick box, a table, the quadrant bitmap and a light grey region with a caption.
void LayOutTestPage(CPage& page, int nDpi, CPageExpectations& expect)
{
    page.m_state.offsetX = 0;
    page.DrawRectangleIn(0.5, 0.5, 10.5, 7.5, 2, 0, 0);
    page.DrawRectangleIn(1.0, 1.0, 2.0, 3.0, 1, PRINT_FILL_BLACK, 0);
    expect.Expect("dark", 2.0, 1.5);
    expect.Expect("light", 2.0, 2.25);
    expect.Expect("dark", 0.5, 5.0); // the frame's left edge
    page.DrawLineIn(2.5, 1.0, 2.5, 7.0, 3, 0);
    expect.Expect("dark", 4.0, 2.5);
    page.FormatAtExIn(3.0, 1.0, PRINT_TEXT_BOLD | PRINT_TEXT_SINGLELINE, 24, "TQ5 Testseite %d dpi", nDpi);
    page.DrawTickBoxIn("Kanal A", TRUE, 3.8, 1.0, 14, 0, 2, 0, PRINT_TEXT_SINGLELINE);

    TableLayout table;
    table.inInches = 1;
    table.equalWidths = 1;
    table.top = 4.5;
    table.left = 1.0;
    table.right = 7.0;
    table.columns = 3;
    table.rows = 3;
    table.pointSize = 10;
    table.lineWidth = 2;
    table.headerHeight = 1;
    table.linesPerRow = 1;
    table.headerFill = PRINT_FILL_DARKGRAY;
    table.drawFrame = 1;
    table.drawColumnLines = 1;
    table.drawRowLines = 1;
    table.rowLineInterval = 1;
    table.columnSpecs[0].title = "Kanal";
    table.columnSpecs[1].title = "Wert";
    page.AddTable(table);
    page.FormatInCell(table, 0, 0, 0, PRINT_TEXT_DEFAULT, "A");
    page.FormatInCell(table, 0, 1, 0, PRINT_TEXT_DEFAULT, "%.2f N·m", 12.5);

    EXPECT_TRUE(page.DrawBitmapFileIn(6.5, 1.0, 8.5, 3.0, WriteQuadrantBitmap()));
    expect.Expect("rgb", 1.5, 7.0, RGB(255, 0, 0));
    expect.Expect("rgb", 2.5, 7.0, RGB(0, 160, 0));
    expect.Expect("rgb", 1.5, 8.0, RGB(0, 0, 255));
    expect.Expect("rgb", 2.5, 8.0, RGB(255, 255, 0));

    CPrintRegion* pRegion = page.AddRegionIn(6.5, 4.0, 8.5, 7.0, PRINT_FILL_LIGHTGRAY);
    ASSERT_NE(pRegion, nullptr);
    pRegion->Caption("Bereich", 12, PRINT_TEXT_BOLD, 0);
    pRegion->Outline();
    page.FormatInRegionIn(pRegion, 0.2, 0.2, PRINT_TEXT_DEFAULT, 10, "Text im Bereich");
    expect.Expect("rgb", 6.5, 8.3, RGB(192, 192, 192));
}
} // namespace

TEST(TestPrinter, APagePrintedThroughThePageModelLandsAsOnePostScriptPageAtThePrintersResolution)
{
    for (const TestPrinter& printer : PRINTERS)
    {
        const CString strPort = PrinterFile(CString(printer.lpszPortFile) + ".ps");
        ::DeleteFileA(strPort);
        CDC dc;
        ASSERT_TRUE(dc.CreateDC(nullptr, printer.lpszName, nullptr, nullptr))
            << printer.lpszName << " is missing: the Wine session adds it when it makes the prefix";
        dc.m_bPrinting = TRUE;
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), printer.nDpi);
        CPageExpectations expect(dc, printer.nDpi);
        CString strTitle;
        strTitle.Format("TQ5 Testseite %d", printer.nDpi);
        ASSERT_GT(dc.StartDoc(strTitle), 0);
        ASSERT_GT(dc.StartPage(), 0);
        {
            CPage page(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES), &dc, CPage::MAP_TEXT);
            EXPECT_EQ(page.m_pixelsPerInchX, printer.nDpi);
            LayOutTestPage(page, printer.nDpi, expect);
        }
        ASSERT_GT(dc.EndPage(), 0);
        ASSERT_GT(dc.EndDoc(), 0);
        dc.DeleteDC();

        const std::string strPostScript = WaitForPostScript(strPort);
        EXPECT_EQ(strPostScript.rfind("%!PS-Adobe-3.0", 0), 0u);
        EXPECT_NE(strPostScript.find("%%Title: " + std::string(strTitle)), std::string::npos);
        EXPECT_NE(strPostScript.find("%%Pages: 1"), std::string::npos);
        EXPECT_EQ(Occurrences(strPostScript, "%%Page: "), 1u);
        const std::string strScale = "72 " + std::to_string(printer.nDpi) + " div";
        EXPECT_EQ(Occurrences(strPostScript, strScale + " " + strScale + " scale"), 1u);

        const CString strKept = PrinterFile(CString("page-") + std::to_string(printer.nDpi).c_str());
        EXPECT_TRUE(::CopyFileA(strPort, strKept + ".ps", FALSE));
        EXPECT_TRUE(expect.Write(strKept + ".expect"));
    }
}

TEST(TestPrinter, TheOrientationOfThePrinterSettingsDecidesHowThePageIsCentred)
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    ASSERT_TRUE(AfxGetApp()->GetPrinterDeviceDefaults(&pd));
    auto* pMode = static_cast<DEVMODEA*>(::GlobalLock(pd.hDevMode));
    ASSERT_NE(pMode, nullptr);
    EXPECT_STREQ(reinterpret_cast<const char*>(pMode->dmDeviceName), "TQ5 Test 300");
    for (const short nOrientation : {DMORIENT_LANDSCAPE, DMORIENT_PORTRAIT})
    {
        pMode->dmOrientation = nOrientation;
        pMode->dmFields |= DM_ORIENTATION;
        CDC dc;
        ASSERT_TRUE(dc.CreateDC(nullptr, reinterpret_cast<LPCSTR>(pMode->dmDeviceName), nullptr, pMode));
        dc.m_bPrinting = TRUE;
        const int nWidth = dc.GetDeviceCaps(HORZRES);
        CPage page(0, 0, nWidth, dc.GetDeviceCaps(VERTRES), &dc, CPage::MAP_TEXT);
        EXPECT_EQ(page.m_orientation, nOrientation);
        // Printable: 11.19 inches in landscape, 7.76 in portrait.
        const double dOffset = nOrientation == DMORIENT_LANDSCAPE ? (nWidth - 10.5 * 300) / 2 : 0.0;
        EXPECT_NEAR(page.m_state.offsetX, dOffset, 1.0);
    }
    ::GlobalUnlock(pd.hDevMode);
}

TEST(TestPrinter, TheReportIsOnePageNamedMessenWithTheSameGeometryOnBothPrinters)
{
    ReportContent content;
    content.strHeadline = "Prüfstand 3";
    content.strComment = "Kommentar zur Messung";
    content.strAddress = "Tervane, Musterstraße 1";
    content.strLogoFile = WritePicture("logo", 20, 20, RGB(0, 160, 0), RGB(0, 160, 0));
    for (const TestPrinter& printer : PRINTERS)
    {
        SCOPED_TRACE(printer.lpszName);
        const CString strPort = PrinterFile(CString(printer.lpszPortFile) + ".ps");
        ::DeleteFileA(strPort);
        content.strDiagramFile = WritePicture("diagram", 300, 200, RGB(255, 0, 0), RGB(0, 0, 255));
        ScriptedMessageBoxes boxes;
        PrintDialogAnswer answer(printer.lpszName, true);
        CReportPrinter report;
        EXPECT_EQ(CReportPrinter::PRINTED, report.Print(nullptr, content, 0))
            << report.m_strError.GetString();
        EXPECT_TRUE(report.m_strError.IsEmpty()) << report.m_strError.GetString();
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_STREQ(CReportPrinter::PAPER_NOTE, boxes.Calls()[0].strText);
        EXPECT_EQ(printer.nDpi, report.m_iResolution);

        const std::string strPostScript = WaitForPostScript(strPort);
        EXPECT_NE(strPostScript.find("%%Title: Messen"), std::string::npos);
        EXPECT_NE(strPostScript.find("%%Pages: 1"), std::string::npos);
        EXPECT_EQ(Occurrences(strPostScript, "%%Page: "), 1u);

        CDC dc;
        ASSERT_TRUE(dc.CreateDC(nullptr, printer.lpszName, nullptr, nullptr));
        CPageExpectations expect(dc, printer.nDpi);
        ExpectReport(CReportLayout(printer.nDpi, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)),
                     expect);
        dc.DeleteDC();
        const CString strKept = PrinterFile(CString("page-report-") + std::to_string(printer.nDpi).c_str());
        EXPECT_TRUE(::CopyFileA(strPort, strKept + ".ps", FALSE));
        EXPECT_TRUE(expect.Write(strKept + ".expect"));
    }
}

// A logo file of random bytes is named in a message in the interface language after the print dialog;
// the report is printed all the same, without the logo.
TEST(TestPrinter, AnUnreadableLogoIsNamedInAMessageAndTheReportIsPrintedWithoutIt)
{
    ReportContent content;
    content.strLogoFile = BuildTreePath("tests/storage_report_damaged_logo.bmp");
    std::vector<BYTE> junk(4000);
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<BYTE>(i * 7919 % 251);
    junk[0] = 'B';
    junk[1] = 'M';
    ASSERT_TRUE(WriteBytes(content.strLogoFile, junk));
    content.strDiagramFile = WritePicture("diagram", 300, 200, RGB(255, 0, 0), RGB(0, 0, 255));
    const CString strPort = PrinterFile("port300.ps");
    ::DeleteFileA(strPort);
    ScriptedMessageBoxes boxes;
    PrintDialogAnswer answer("TQ5 Test 300", true);
    CReportPrinter report;
    EXPECT_EQ(CReportPrinter::PRINTED, report.Print(nullptr, content, 1000));
    ASSERT_EQ(2u, boxes.Calls().size());
    CString strFormat;
    strFormat.LoadString(IDS_REPORT_LOGO_UNREADABLE + 1000);
    CString strExpected;
    strExpected.Format(strFormat, content.strLogoFile.GetString());
    EXPECT_STREQ(strExpected, boxes.Calls()[1].strText);
    EXPECT_NE(-1, boxes.Calls()[1].strText.Find("storage_report_damaged_logo.bmp"));
    EXPECT_EQ(0, boxes.Calls()[1].strText.Find("The print logo"));
    EXPECT_NE(-1, report.m_strError.Find("the logo")) << report.m_strError.GetString();
    const std::string strPostScript = WaitForPostScript(strPort);
    EXPECT_EQ(Occurrences(strPostScript, "%%Page: "), 1u);
    ::DeleteFileA(content.strLogoFile);
}

TEST(TestPrinter, ACancelledPrintDialogPrintsNothing)
{
    const CString strPort = PrinterFile("port300.ps");
    ::DeleteFileA(strPort);
    ScriptedMessageBoxes boxes;
    PrintDialogAnswer answer("TQ5 Test 300", false);
    CReportPrinter report;
    EXPECT_EQ(CReportPrinter::CANCELLED, report.Print(nullptr, ReportContent(), 0));
    EXPECT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(0, report.m_iResolution);
    EXPECT_FALSE(CEnvironment::FileExists(strPort));
}
