// The report printed by the running program after a measurement against the simulated sensor: command
// 10003, the note on the paper and the print dialog answered as the operator would, one PostScript page
// named "Messen" on each test printer (kept for the printer check as printer/page-program-<dpi>), the
// diagram picture turned upright on the sheet, and the diagram bar back in its place; a cancelled print
// dialog prints nothing.
#include "ProgramTestSupport.h"

#include "framework/CDC.h"
#include "framework/CString.h"
#include "measurement/MeasurementTexts.h"
#include "resources/resource.h"
#include "storage/CReportLayout.h"
#include "storage/CReportPrinter.h"
#include "support/BuildTreePath.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace
{
constexpr int BAR_DIAGRAM = 185;
// The print dialog's printer list.
constexpr int PRINTER_COMBO = 0x473;

std::string FileText(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string PrinterFile(const std::string& strName)
{
    return BuildTreePath(("wine/printer/" + strName).c_str()).GetString();
}

size_t Occurrences(const std::string& strText, const std::string& strWhat)
{
    size_t n = 0;
    for (size_t pos = strText.find(strWhat); pos != std::string::npos; pos = strText.find(strWhat, pos + 1))
        ++n;
    return n;
}

// Width and height of a BMP file; 0 x 0 when it cannot be read.
SIZE BitmapSize(const std::string& strPath)
{
    const std::string strBytes = FileText(strPath);
    BITMAPINFOHEADER header = {};
    if (strBytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(header))
        return SIZE{0, 0};
    std::memcpy(&header, strBytes.data() + sizeof(BITMAPFILEHEADER), sizeof(header));
    return SIZE{header.biWidth, std::abs(header.biHeight)};
}

// Where the printed report's frame and cell lines must show: the points of the sheet at the printer's
// resolution (as the printer check reads them).
bool WriteReportExpectations(const char* lpszPrinter, int nDpi, const std::string& strPath)
{
    CDC dc;
    if (!dc.CreateDC(nullptr, lpszPrinter, nullptr, nullptr))
        return false;
    const int nOffsetX = dc.GetDeviceCaps(PHYSICALOFFSETX);
    const int nOffsetY = dc.GetDeviceCaps(PHYSICALOFFSETY);
    const CReportLayout layout(nDpi, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    std::ofstream out(strPath);
    out << "dpi " << nDpi << "\nsize " << dc.GetDeviceCaps(PHYSICALWIDTH) << " "
        << dc.GetDeviceCaps(PHYSICALHEIGHT) << "\n";
    dc.DeleteDC();
    auto point = [&](const char* lpszWhat, double dX, double dY)
    { out << lpszWhat << " " << nOffsetX + layout.X(dX) << " " << nOffsetY + layout.Y(dY) << " 0 0 0\n"; };
    for (double dX : {2.5, 19.2})
        for (double dY : {1.7, 10.0, 20.0, 27.7})
            point("dark", dX, dY);
    for (double dY : {1.7, 4.2, 27.7})
        point("dark", 8.0, dY);
    point("dark", 5.0, 3.0);
    point("dark", 16.7, 3.0);
    point("light", 5.0, 6.0);
    return out.good();
}
} // namespace

class ProgramPrint : public ConnectedProgramTest
{
protected:
    void SetUp() override
    {
        ConnectedProgramTest::SetUp();
        // A first run stores the settings records, so that the texts below are taken.
        ASSERT_NO_FATAL_FAILURE(RunOnce());
        ASSERT_TRUE(CProgramHarness::WriteString("DespiteReset", "Headline", "Prüfstand 3\r\nLinie 2"));
        ASSERT_TRUE(CProgramHarness::WriteString("DespiteReset", "Comment", "Kommentar"));
        ASSERT_TRUE(m_sim.SetRamp('A', -9000, 7));
    }
    // A measurement of a second's stream, stopped.
    void Measure()
    {
        ASSERT_NO_FATAL_FAILURE(StartConnected());
        ASSERT_TRUE(ShowPage(ID_MODE_MEASURE_DIAGRAM, ProgramText(IDS_PAGE_MEASURE_DIAGRAM, 0)));
        ASSERT_TRUE(ClickEnabled(IDC_PANEL_START)) << m_program.LastError();
        ASSERT_TRUE(WaitForLog("the stream start", "\"event\": \"stream_start\"")) << m_program.LastError();
        ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, ProgramText(IDS_STATUS_MEASURING, 0)))
            << m_program.LastError();
        ASSERT_TRUE(ClickEnabled(IDC_PANEL_STOP)) << m_program.LastError();
        ASSERT_TRUE(m_program.WaitForText(m_hStatusBar, ProgramText(IDS_STATUS_READY, 0)))
            << m_program.LastError();
    }
    // Runs command 10003: the note is answered with OK, then the print dialog with the printer chosen
    // and OK, or with Cancel.
    void Print(const char* lpszPrinter, bool bOk)
    {
        ASSERT_TRUE(m_program.PostCommand(m_hFrame, ID_FILE_PRINT_REPORT));
        HWND hNote = m_program.WaitForMessageBox();
        ASSERT_TRUE(hNote) << m_program.LastError();
        EXPECT_EQ(CReportPrinter::PAPER_NOTE, m_program.MessageBoxText(hNote));
        ASSERT_TRUE(m_program.AnswerMessageBox(hNote, IDOK)) << m_program.LastError();
        HWND hDialog = nullptr;
        ASSERT_TRUE(m_program.WaitFor("the print dialog", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&]
                                      {
                                          for (HWND hWnd : m_program.TopWindows(CProgramHarness::Dialog()))
                                          {
                                              if (::GetDlgItem(hWnd, PRINTER_COMBO) != nullptr)
                                                  return (hDialog = hWnd) != nullptr;
                                          }
                                          return false;
                                      }))
            << m_program.LastError();
        ASSERT_TRUE(m_program.SelectComboItem(::GetDlgItem(hDialog, PRINTER_COMBO), lpszPrinter))
            << m_program.LastError();
        ASSERT_TRUE(m_program.PostClick(::GetDlgItem(hDialog, bOk ? IDOK : IDCANCEL)));
        ASSERT_TRUE(m_program.WaitFor("the print dialog closed", CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&] { return !::IsWindow(hDialog); }));
    }
    // The diagram bar at its place and with its visibility of before the output.
    bool WaitForBarBack(HWND hBar, const RECT& rcBar, bool bVisible)
    {
        return m_program.WaitFor("the diagram bar back in its place", 5000,
                                 [&]
                                 {
                                     RECT rc = {};
                                     ::GetWindowRect(hBar, &rc);
                                     return ::EqualRect(&rc, &rcBar) &&
                                            CProgramHarness::IsVisible(hBar) == bVisible;
                                 });
    }
    std::string WaitForPostScript(const std::string& strPort)
    {
        std::string strText;
        EXPECT_TRUE(m_program.WaitFor("the printed page in " + strPort, CProgramHarness::DEFAULT_TIMEOUT_MS,
                                      [&]
                                      {
                                          strText = FileText(strPort);
                                          return strText.find("%%EOF") != std::string::npos;
                                      }))
            << m_program.LastError();
        return strText;
    }
};

TEST_F(ProgramPrint, AfterAMeasurementTheReportIsOnePageOnEachPrinterAndTheDiagramBarReturns)
{
    ASSERT_NO_FATAL_FAILURE(Measure());
    HWND hBar = Control(BAR_DIAGRAM);
    ASSERT_TRUE(hBar);
    const bool bBarVisible = CProgramHarness::IsVisible(hBar);
    RECT rcBar = {};
    ::GetWindowRect(hBar, &rcBar);
    const std::string strDiagram = CProgramHarness::MakerFolder() + "\\TEMP_DIAGRAM.bmp";
    const struct
    {
        const char* lpszPrinter;
        const char* lpszPort;
        int nDpi;
    } printers[] = {{"TQ5 Test 300", "port300.ps", 300}, {"TQ5 Test 600", "port600.ps", 600}};
    for (const auto& printer : printers)
    {
        SCOPED_TRACE(printer.lpszPrinter);
        const std::string strPort = PrinterFile(printer.lpszPort);
        std::remove(strPort.c_str());
        ASSERT_NO_FATAL_FAILURE(Print(printer.lpszPrinter, true));
        const std::string strPostScript = WaitForPostScript(strPort);
        EXPECT_NE(strPostScript.find("%%Title: Messen"), std::string::npos);
        EXPECT_NE(strPostScript.find("%%Pages: 1"), std::string::npos);
        EXPECT_EQ(1u, Occurrences(strPostScript, "%%Page: "));
        const std::string strKept = PrinterFile("page-program-" + std::to_string(printer.nDpi));
        std::ofstream(strKept + ".ps", std::ios::binary) << strPostScript;
        EXPECT_TRUE(WriteReportExpectations(printer.lpszPrinter, printer.nDpi, strKept + ".expect"));

        // The chart's picture of the print size, turned upright: taller than wide.
        const SIZE size = BitmapSize(strDiagram);
        EXPECT_GT(size.cy, size.cx);
        EXPECT_GT(size.cx, 100);
        // The bar is back where it was, shown or hidden as before.
        EXPECT_TRUE(WaitForBarBack(hBar, rcBar, bBarVisible)) << m_program.LastError();
    }
    std::string strPath;
    EXPECT_TRUE(m_program.SaveScreenshot(m_hFrame, "print_after", &strPath)) << m_program.LastError();
}

TEST_F(ProgramPrint, CancelInThePrintDialogPrintsNothingAndRestoresTheBar)
{
    ASSERT_NO_FATAL_FAILURE(Measure());
    HWND hBar = Control(BAR_DIAGRAM);
    const bool bBarVisible = CProgramHarness::IsVisible(hBar);
    RECT rcBar = {};
    ::GetWindowRect(hBar, &rcBar);
    const std::string strPort = PrinterFile("port300.ps");
    std::remove(strPort.c_str());
    ASSERT_NO_FATAL_FAILURE(Print("TQ5 Test 300", false));
    EXPECT_TRUE(WaitForBarBack(hBar, rcBar, bBarVisible)) << m_program.LastError();
    // The program still answers, and no page was printed.
    EXPECT_TRUE(m_program.WaitForText(m_hStatusBar, ProgramText(IDS_STATUS_READY, 0)));
    EXPECT_TRUE(FileText(strPort).empty());
}
