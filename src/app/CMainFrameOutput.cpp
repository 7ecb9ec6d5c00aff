// The main frame's output of the diagram: the diagram bar sized for a bitmap or the printout and given
// back its place, the commands that save the diagram and print the report, and the report's content.
#include "app/CMainFrame.h"

#include "framework/CFileDialog.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormDiagram.h"
#include "resources/resource_storage.h"
#include "storage/CDiagramSizing.h"
#include "storage/CDlgDocumentation.h"
#include "storage/CReportLayout.h"
#include "storage/CReportPrinter.h"
#include "storage/DocumentationStruct.h"
#include "storage/StorageTexts.h"

#include <algorithm>
#include <vector>

namespace
{
// The lines of the page's edit field, or of the stored text while the page has no such field.
std::vector<CString> DocumentationLines(CWnd* pPage, int iControlId, const CString& strStored)
{
    HWND hEdit = pPage->GetSafeHwnd() ? ::GetDlgItem(pPage->GetSafeHwnd(), iControlId) : nullptr;
    if (hEdit == nullptr)
        return CReportLayout::SplitLines(strStored);
    std::vector<CString> lines;
    const int iCount = static_cast<int>(::SendMessageA(hEdit, EM_GETLINECOUNT, 0, 0));
    for (int i = 0; i < iCount; ++i)
    {
        const LRESULT lStart = ::SendMessageA(hEdit, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
        const int iLength =
            static_cast<int>(::SendMessageA(hEdit, EM_LINELENGTH, static_cast<WPARAM>(lStart), 0));
        // EM_GETLINE takes the buffer's size in its first word.
        std::vector<char> buffer(static_cast<size_t>(std::max(iLength, 1)) + 1, 0);
        *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(std::min(iLength, 0xFFFF));
        const int iCopied = static_cast<int>(::SendMessageA(hEdit, EM_GETLINE, static_cast<WPARAM>(i),
                                                            reinterpret_cast<LPARAM>(buffer.data())));
        lines.emplace_back(buffer.data(), std::max(0, std::min(iCopied, iLength)));
    }
    return lines;
}
} // namespace

// ---- Sizing the diagram bar ------------------------------------------------------------------------

CRect CMainFrame::SizeDiagramForOutput(const int* piKind)
{
    CViewBarDiagram& bar = m_wndViewBarDiagram;
    m_bDiagramSizeUnchanged = 0;
    const CRect rcWork = GetWorkArea();
    // A second sizing before the restore keeps the place the first one recorded.
    const bool bRecord = !m_bDiagramOutputPending;
    if (bRecord)
        m_bDiagramBarWasVisible = bar.IsVisible() ? 1 : 0;
    if (!bar.IsVisible())
        ShowControlBar(&bar, TRUE, FALSE);
    if (bRecord)
        RecordDiagramPlace();
    m_bDiagramOutputPending = true;

    int iKind = CDiagramSizing::SIZE_WINDOW;
    if (piKind != nullptr)
        iKind = *piKind;
    else if (m_sPointer.pDlgDocumentation != nullptr && m_sPointer.pDlgDocumentation->m_psDocumentation)
        iKind = m_sPointer.pDlgDocumentation->m_psDocumentation->iDiagramSize;
    CRect rc;
    if (!CDiagramSizing::OutputRect(iKind, rcWork, GetVirtualWorkArea(), m_sEnvReg.rectVirtualWorkArea, rc))
    {
        m_bDiagramSizeUnchanged = 1;
        return CRect();
    }
    CDiagramSizing::CutMargin(rc);
    FloatControlBar(&bar, rc.TopLeft(), CBRS_ALIGN_TOP);
    bar.SetFloatRect(rc);
    return rc;
}

void CMainFrame::RecordDiagramPlace()
{
    CViewBarDiagram& bar = m_wndViewBarDiagram;
    const UINT nDockBarId = bar.GetDockBarId();
    if (nDockBarId < AFX_IDW_DOCKBAR_TOP || nDockBarId > AFX_IDW_DOCKBAR_FLOAT)
        return;
    m_iDiagramDockBarId = static_cast<int>(nDockBarId);
    if (nDockBarId != AFX_IDW_DOCKBAR_FLOAT)
        return;
    // The floating frame's corner: SetFloatRect places the frame, which holds the bar below its caption.
    CRect rcFrame;
    bar.GetParentFrame()->GetWindowRect(&rcFrame);
    m_rectDiagramFloat = CRect(rcFrame.TopLeft(), bar.GetFloatSize());
}

void CMainFrame::RestoreDiagramAfterOutput()
{
    if (!m_bDiagramOutputPending)
        return;
    m_bDiagramOutputPending = false;
    CViewBarDiagram& bar = m_wndViewBarDiagram;
    if (!m_bDiagramSizeUnchanged)
    {
        if (m_iDiagramDockBarId == AFX_IDW_DOCKBAR_FLOAT)
            bar.SetFloatRect(m_rectDiagramFloat);
        else
        {
            DockControlBar(&bar, static_cast<UINT>(m_iDiagramDockBarId));
            bar.GetParentFrame()->RecalcLayout();
        }
    }
    if (!m_bDiagramBarWasVisible)
        ShowControlBar(&bar, FALSE, FALSE);
}

// ---- The commands ----------------------------------------------------------------------------------

void CMainFrame::PrintCommand()
{
    CAFormDiagram* pDiagram = m_sPointer.pDiagram;
    if (pDiagram == nullptr || pDiagram->GetSafeHwnd() == nullptr)
        return;
    // The picture of an earlier printout is not printed again when this one cannot be written.
    ::DeleteFileA(m_strTempDiagramBmp);
    int iKind = CDiagramSizing::SIZE_PRINT;
    m_rectDiagramOutput = SizeDiagramForOutput(&iKind);
    pDiagram->SetTimer(CAFormDiagram::TIMER_PRINT_BITMAP, CAFormDiagram::OUTPUT_DELAY_MS);
}

void CMainFrame::OnFileSaveDiagram()
{
    if (m_bValuesAvailable != 0 && !GetDocumentation().IsFileWriterRunning())
        SaveDiagram();
}

void CMainFrame::SaveDiagram()
{
    CAFormDiagram* pDiagram = m_sPointer.pDiagram;
    if (pDiagram == nullptr || pDiagram->GetSafeHwnd() == nullptr)
        return;
    CFileDialog dlg(FALSE, "bmp", "*.bmp", OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT, "(*.bmp)|*.bmp|", this);
    if (dlg.DoModal() != IDOK)
        return;
    BeginWaitCursorOnce();
    m_strManualDiagramFile = dlg.GetPathName();
    SizeDiagramForOutput(nullptr);
    pDiagram->SetTimer(CAFormDiagram::TIMER_SAVE_BITMAP, CAFormDiagram::OUTPUT_DELAY_MS);
}

void CMainFrame::ReportBitmapNotWritten(const CString& strFile)
{
    Frame_Trace("The diagram's bitmap cannot be written to " + strFile);
    AfxMessageBox(LoadText(IDS_FILE_CANNOT_OPEN) + " '" + strFile + "' " + LoadText(IDS_FILE_CANNOT_OPEN_END),
                  MB_OK);
}

// ---- The report ------------------------------------------------------------------------------------

void CMainFrame::PrintReport()
{
    CReportPrinter printer;
    printer.Print(this, GetReportContent(), m_iLanguageOffset);
    m_iPrintResolutionX = printer.m_iResolution;
    if (!printer.m_strError.IsEmpty())
        Frame_Trace("Report: " + printer.m_strError);
}

ReportContent CMainFrame::GetReportContent()
{
    ReportContent content;
    content.strLogoFile = m_strLogoBmp;
    content.strDiagramFile = m_strTempDiagramBmp;
    CDlgDocumentation* pDocs = m_sPointer.pDlgDocumentation;
    if (pDocs == nullptr)
        return content;
    content.strHeadline = CReportLayout::CleanHeadline(pDocs->m_strHeadline);
    content.strComment = CReportLayout::JoinLines(
        DocumentationLines(pDocs, IDC_DOCU_COMMENT, pDocs->m_strComment), CReportLayout::COMMENT_LENGTH);
    content.strAddress = CReportLayout::JoinLines(
        DocumentationLines(pDocs, IDC_DOCU_ADDRESS, pDocs->m_strAddress), CReportLayout::ADDRESS_LENGTH);
    return content;
}
