// The main frame's output of a measurement: the automatic measured-value and result files opened at
// the start with their headers, the first value pair's preparation, the ticks of the file-pacing
// worker, the rows written from the diagram after the end, the closing texts and the result line,
// the manual save of the measured values, the documentation settings as the measurement sees them,
// and the diagnostic log.
#include "app/CMainFrame.h"

#include "framework/CFileDialog.h"
#include "framework/CFileException.h"
#include "framework/CWinApp.h"
#include "measurement/CAFormChannelA.h"
#include "measurement/CAFormChannelB.h"
#include "measurement/CAFormDiagram.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "controls/ControlTexts.h"
#include "resources/resource_adjust.h"
#include "shell/CDateTimeText.h"
#include "storage/CDlgDocumentation.h"
#include "storage/CDocumentationRules.h"
#include "storage/CValueRowWriter.h"
#include "storage/DocumentationStruct.h"
#include "storage/StorageTexts.h"

namespace
{
constexpr UINT AUTO_FILE_FLAGS =
    CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareExclusive;
constexpr UINT MANUAL_FILE_FLAGS = CFile::modeWrite | CFile::modeCreate | CFile::shareExclusive;

bool IsStoredMode(int iSelected)
{
    return iSelected == CDocumentationRules::DOCU_STORAGE_ONE_FILE ||
           iSelected == CDocumentationRules::DOCU_STORAGE_OWN_INDEX;
}
} // namespace

// ---- The documentation settings as the measurement sees them -------------------------------------------

int CMainFrame::GetAutoStorageValues()
{
    return m_sPointer.pDlgDocumentation
               ? m_sPointer.pDlgDocumentation->m_psDocumentation->sAutoStorageMW.iSelected
               : 0;
}

int CMainFrame::GetAutoStorageResults()
{
    return m_sPointer.pDlgDocumentation
               ? m_sPointer.pDlgDocumentation->m_psDocumentation->sAutoStorageIONIO.iSelected
               : 0;
}

int CMainFrame::GetAutoStorageDiagram()
{
    return m_sPointer.pDlgDocumentation
               ? m_sPointer.pDlgDocumentation->m_psDocumentation->sAutoStorageDM.iSelected
               : 0;
}

int CMainFrame::GetStorageSummary()
{
    return m_sPointer.pDlgDocumentation ? m_sPointer.pDlgDocumentation->m_iStorageSummary : 0;
}

CString CMainFrame::GetDiagramDirectory()
{
    return m_sPointer.pDlgDocumentation ? m_sPointer.pDlgDocumentation->m_strDmTargetDirectory : CString();
}

void CMainFrame::BuildDiagramFileName()
{
    if (m_sPointer.pDlgDocumentation)
        m_sPointer.pDlgDocumentation->BuildFileNames(1);
}

// The constant-name mode writes the path prefix itself.
CString CMainFrame::GetDiagramFileName()
{
    const CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation;
    if (pDocu == nullptr)
        return CString();
    return GetAutoStorageDiagram() == DM_CONSTANT_FILE_NAME ? pDocu->m_strDmPathPrefix
                                                            : pDocu->m_strDmFileName;
}

void CMainFrame::SetStopTime(__time64_t tStop)
{
    if (m_sPointer.pDlgDocumentation)
        m_sPointer.pDlgDocumentation->Documentation_SetStopTime(tStop);
}

void CMainFrame::EnableUncertaintyOption(bool bEnable, bool bAvailable)
{
    if (m_sPointer.pDlgDocumentation)
        m_sPointer.pDlgDocumentation->EnableUncertaintyOption(bEnable ? 1 : 0, bAvailable ? 1 : 0);
}

// ---- Opening -------------------------------------------------------------------------------------------

// Mode 0 at the start of a measurement, mode 1 for the manual save of m_strManualValuesFile.
bool CMainFrame::OpenValueFiles(int iMode)
{
    CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation;
    if (iMode == 1)
    {
        if (FileExists(m_strManualValuesFile) && !RemoveFile(m_strManualValuesFile))
        {
            AfxMessageBox(BuildCannotOpenMessage(m_strManualValuesFile), MB_OK);
            return false;
        }
        if (!m_fileValues.Open(m_strManualValuesFile, MANUAL_FILE_FLAGS))
            return false;
        m_iRowNumber = 0;
        m_bValuesFileOpen = 1;
        return true;
    }
    FreeValueList(&m_bValuesAvailable);
    m_iRowNumber = 0;
    m_bOutputFinished = 0;
    if (pDocu == nullptr)
        return true;
    pDocu->BuildFileNames(0);
    const DocumentationStruct& rec = *pDocu->m_psDocumentation;
    const auto open = [&](CFile& file, BYTE& bOpen, int iSelected, const CString& strOneFile,
                          const CString& strOwnIndex, int iKind)
    {
        if (IsStoredMode(iSelected))
            OpenAutoFile(file, bOpen,
                         iSelected == CDocumentationRules::DOCU_STORAGE_ONE_FILE ? strOneFile : strOwnIndex,
                         ".csv", iKind);
        // A later manual save writes the values header of this measurement, whether or not its file opened.
        if (!bOpen)
            pDocu->BuildHeaderText(iKind);
    };
    open(m_fileValues, m_bValuesFileOpen, rec.sAutoStorageMW.iSelected, pDocu->m_strMwPathPrefix,
         pDocu->m_strMwFileName, CDlgDocumentation::FILE_KIND_VALUES);
    open(m_fileResults, m_bResultsFileOpen, rec.sAutoStorageIONIO.iSelected, pDocu->m_strIoNioPathPrefix,
         pDocu->m_strIoNioFileName, CDlgDocumentation::FILE_KIND_RESULTS);
    return true;
}

bool CMainFrame::OpenAutoFile(CFile& file, BYTE& bOpen, const CString& strNameBase, LPCSTR lpszExtension,
                              int iKind)
{
    CDlgDocumentation& docu = *m_sPointer.pDlgDocumentation;
    bOpen = 0;
    const CString strDirectory = iKind == CDlgDocumentation::FILE_KIND_VALUES
                                     ? docu.m_strMwTargetDirectory
                                     : docu.m_strIoNioTargetDirectory;
    if (!::CreateDirectoryA(strDirectory, nullptr))
    {
        const DWORD dwError = ::GetLastError();
        if (dwError == ERROR_PATH_NOT_FOUND)
            AfxMessageBox(LoadText(IDS_FOLDER_FAILED_BEFORE) + " '" + strDirectory + "' " +
                              LoadText(IDS_FOLDER_FAILED_AFTER),
                          MB_OK);
        if (dwError != ERROR_ALREADY_EXISTS)
            return false;
    }
    const CString strName = strNameBase + lpszExtension;
    if (!file.Open(strName, AUTO_FILE_FLAGS))
    {
        AfxMessageBox(BuildCannotOpenMessage(strName), MB_OK);
        return false;
    }
    const CString strHeader = docu.BuildHeaderText(iKind);
    try
    {
        file.SeekToEnd();
        file.Write(strHeader.GetString(), static_cast<UINT>(strHeader.GetLength()));
    }
    catch (CFileException* e)
    {
        e->Delete();
        file.Abort();
        AfxMessageBox(BuildCannotOpenMessage(strName), MB_OK);
        return false;
    }
    bOpen = 1;
    return true;
}

CString CMainFrame::BuildCannotOpenMessage(const CString& strPath) const
{
    return LoadText(IDS_FILE_CANNOT_OPEN) + " '" + strPath + "' " + LoadText(IDS_FILE_CANNOT_OPEN_END);
}

// ---- Recording -----------------------------------------------------------------------------------------

// The worker starts once per measurement: for a storage summary or a chosen values mode.
void CMainFrame::CONVERTTOCSV_FirstCall(double, double)
{
    if (CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation)
    {
        if (pDocu->m_iStorageSummary != 0 || IsStoredMode(pDocu->m_psDocumentation->sAutoStorageMW.iSelected))
        {
            if (m_pConvertFile)
                m_pConvertFile->Start();
        }
        m_iFileLanguage = pDocu->GetFileLanguage();
        m_strFileLineEnd = pDocu->GetLineEnd();
        m_strFileSeparator = pDocu->GetColumnSeparator();
    }
    for (int i = 0; i < 2; ++i)
    {
        const ChannelSettingsStruct& channel = m_pipeline.m_sChannel[i];
        (i == 0 ? m_strUnitSuffixA : m_strUnitSuffixB) = " " + channel.strUnit[channel.iSelectedUnit];
    }
    m_bRecordingValues = 1;
    if (const MeasureAdjustStruct* psAdjust = GetMeasureAdjust())
    {
        m_iColumnKind[0] = psAdjust->bAxisXShown ? psAdjust->iAxisX : 0;
        m_iColumnKind[1] = psAdjust->bAxisY1Shown ? psAdjust->iAxisY1 : 0;
        m_iColumnKind[2] = psAdjust->bAxisY2Shown ? psAdjust->iAxisY2 : 0;
    }
    m_bFirstPairSeen = 1;
}

// ---- The worker's ticks --------------------------------------------------------------------------------

LRESULT CMainFrame::OnConvertFileNotify(WPARAM wParam, LPARAM)
{
    if (wParam == CThreadedConvertFile::EV_Count)
    {
        if (GetStorageSummary() != 0 || m_bManualSave == 1)
            ConvertFileSlice();
        // Automatic storage chosen but no file open: nothing to pace once the measurement has ended.
        else if (m_bRecordingValues == 0 && !m_bValuesFileOpen && !m_bResultsFileOpen)
            FinishOutputFiles();
    }
    else if (wParam == CThreadedConvertFile::EV_ConvertFileFinished)
    {
        // A worker ended by an error leaves its files to be finished here.
        if (m_bRecordingValues == 0 && (m_bValuesFileOpen || m_bResultsFileOpen))
            WriteValueRows();
        const int iDiagrams = GetAutoStorageDiagram();
        if (iDiagrams != DM_AUTO_INDEXED && iDiagrams != DM_CONSTANT_FILE_NAME)
            RearmTriggerAfterStorage();
    }
    return 1;
}

void CMainFrame::ConvertFileSlice()
{
    if (!m_pConvertFile)
        return;
    m_pConvertFile->m_bPaused = 1;
    if (m_bManualSave == 1 || m_bRecordingValues == 0)
    {
        if (m_bValuesFileOpen || m_bResultsFileOpen)
            WriteValueRows();
        else
            FinishOutputFiles();
    }
    m_pConvertFile->m_bPaused = 0;
}

void CMainFrame::StopConvertFile()
{
    if (m_pConvertFile)
        m_pConvertFile->Stop();
}

// ---- Writing and closing -------------------------------------------------------------------------------

void CMainFrame::WriteValueRows()
{
    CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation;
    CDlgMeasureAdjust* pAdjust = m_sPointer.pDlgMeasureAdjust;
    if (m_bValuesFileOpen && pDocu != nullptr && pAdjust != nullptr && m_sPointer.pDiagram != nullptr)
    {
        CGraphicDisplayWnd& curves = m_sPointer.pDiagram->m_wndGraph;
        const MeasureAdjustStruct& adjust = *pAdjust->m_psMeasureAdjust;
        int iXSeries = 0;
        const int nRows = CValueRowWriter::RowCount(curves, m_iColumnKind,
                                                    adjust.iStopSource == MeasureAdjustStruct::STOP_COUNT,
                                                    adjust.dCount, m_bDropLastPoint != 0, &iXSeries);
        CValueRowWriter::Columns columns;
        std::copy(m_iColumnKind, m_iColumnKind + 3, columns.aiKind);
        const bool bUnit = pDocu->m_psDocumentation->bMwUnit != 0;
        columns.strSuffixA = (bUnit ? m_strUnitSuffixA : CString()) + m_strFileSeparator;
        columns.strSuffixB = (bUnit ? m_strUnitSuffixB : CString()) + m_strFileSeparator;
        columns.strSeparator = m_strFileSeparator;
        columns.strLineEnd = m_strFileLineEnd;
        pAdjust->SetFileLanguage(m_iFileLanguage);
        m_swStorage.GetElapsedSeconds();
        try
        {
            CValueRowWriter::WriteRows(m_fileValues, curves, nRows, iXSeries, columns, *pAdjust, m_iRowNumber,
                                       [this](double dPercent, double dRate)
                                       {
                                           m_dStorageProgress = dPercent;
                                           m_dStorageRate = dRate;
                                           ShowStatusMessage(IDS_STATUS_STORAGE_PROGRESS);
                                       });
        }
        catch (CFileException* e)
        {
            e->Delete();
            AfxMessageBox(BuildCannotOpenMessage(m_fileValues.GetFilePath()), MB_OK);
        }
    }
    if (m_bValuesFileOpen || m_bResultsFileOpen)
    {
        FinishOutputFiles();
        ShowStatusMessage(0);
    }
}

void CMainFrame::WriteResultLine(CFile& file)
{
    CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation;
    CDlgMeasureAdjust* pAdjust = m_sPointer.pDlgMeasureAdjust;
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (pDocu == nullptr || pAdjust == nullptr || pPanel == nullptr)
        return;
    const CString S = pDocu->GetColumnSeparator();
    tm tmStop = {};
    _localtime64_s(&tmStop, &pDocu->m_tMeasureStop);
    CString strDate = FormatDate(tmStop.tm_mday, tmStop.tm_mon + 1, tmStop.tm_year + 1900);
    CString strTime = FormatTime(pDocu->m_tMeasureStop);
    CString strLine = strDate.Trim(' ') + S + strTime.Trim(' ') + S;
    pAdjust->SetFileLanguage(m_iFileLanguage);
    const BYTE abResult[2] = {pPanel->m_bIONIOResult1, pPanel->m_bIONIOResult2};
    const int aiUnitId[2] = {IDC_ADJ_UPPER1_UNIT, IDC_ADJ_UPPER2_UNIT};
    bool bPass = true;
    for (int i = 0; i < 2; ++i)
    {
        if (pAdjust->IsIONIOConditionOff(i + 1))
        {
            strLine += " -" + S + " -" + S + " -" + S;
            continue;
        }
        const IONIOComparedValue& compared = pPanel->m_sIONIOCompared[i];
        CString strUnit;
        if (pAdjust->GetSafeHwnd())
            pAdjust->GetDlgItemText(aiUnitId[i], strUnit);
        strLine += pAdjust->FormatMeasuredValue(compared.dValue, compared.iChannelStringId,
                                                CMeasureAdjustHelpers::FILE_LANGUAGE, 0) +
                   S + strUnit + S + (abResult[i] ? "IO" : "NIO") + S;
        bPass &= abResult[i] != 0;
    }
    strLine += CString(bPass ? "IO" : "NIO") + S;
    file.Write(strLine.GetString(), static_cast<UINT>(strLine.GetLength()));
}

void CMainFrame::FinishOutputFiles()
{
    try
    {
        if (m_bValuesFileOpen)
        {
            const bool bManual = m_bManualSave == 1;
            CloseOutputFile(m_fileValues, m_bValuesFileOpen, false);
            StopConvertFile();
            m_bOutputFinished = 1;
            if (bManual)
            {
                EndWaitCursorOnce();
                return;
            }
        }
        if (m_bResultsFileOpen)
        {
            const bool bManual = m_bManualSave == 1;
            WriteResultLine(m_fileResults);
            CloseOutputFile(m_fileResults, m_bResultsFileOpen,
                            GetAutoStorageResults() == CDocumentationRules::DOCU_STORAGE_ONE_FILE);
            StopConvertFile();
            m_bOutputFinished = 1;
            if (bManual)
            {
                EndWaitCursorOnce();
                return;
            }
        }
    }
    catch (CFileException* e)
    {
        e->Delete();
        for (CFile* pFile : {&m_fileValues, &m_fileResults})
            pFile->Abort();
        m_bValuesFileOpen = m_bResultsFileOpen = 0;
        AfxMessageBox(BuildCannotOpenMessage(CString()), MB_OK);
    }
    StopConvertFile();
    m_bOutputFinished = 1;
    m_bManualSave = 0;
    CDlgMeasureDiagram* pPanel = m_sPointer.pDlgMeasureDiagram;
    if (pPanel != nullptr && !m_bFinishingInline)
    {
        pPanel->OnMeasureFinished();
        if (m_bMeasuredPortRemoved)
        {
            pPanel->OnSensorDisconnected();
            COM_CheckConnection(0);
        }
    }
    const int iDiagrams = GetAutoStorageDiagram();
    if (iDiagrams != DM_AUTO_INDEXED && iDiagrams != DM_CONSTANT_FILE_NAME && IsClosePending())
        PostMessage(WM_CLOSE);
}

void CMainFrame::CloseOutputFile(CFile& file, BYTE& bOpen, bool bOneFileResult)
{
    CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation;
    bool bResultsToo = false;
    if (m_bManualSave == 1)
    {
        m_bManualSave = 0;
        bResultsToo =
            m_sPointer.pDlgMeasureAdjust != nullptr && !m_sPointer.pDlgMeasureAdjust->IsIONIOConditionOff(0);
    }
    if (!bOpen || pDocu == nullptr)
        return;
    CString strText = bOneFileResult ? CString("\n") : pDocu->BuildEndOfStorageText();
    if (bResultsToo)
        pDocu->BuildIoNioHeaderLines(strText, m_iLanguageOffset);
    file.Write(strText.GetString(), static_cast<UINT>(strText.GetLength()));
    if (bResultsToo)
        WriteResultLine(file);
    file.Close();
    bOpen = 0;
}

// ---- Manual save ---------------------------------------------------------------------------------------

void CMainFrame::SaveMeasuredValues()
{
    CDlgDocumentation* pDocu = m_sPointer.pDlgDocumentation;
    if (m_bValuesAvailable != 1 || IsFileWriterRunning() || pDocu == nullptr)
        return;
    CFileDialog dlg(FALSE, "csv", "*.csv", OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT, "(*.csv)|*.csv|", this);
    if (dlg.DoModal() != IDOK)
        return;
    m_strManualValuesFile = dlg.GetPathName();
    if (!OpenValueFiles(1))
        return;
    BeginWaitCursorOnce();
    try
    {
        m_fileValues.Write(pDocu->m_strHeaderText.GetString(),
                           static_cast<UINT>(pDocu->m_strHeaderText.GetLength()));
    }
    catch (CFileException* e)
    {
        e->Delete();
        m_fileValues.Abort();
        m_bValuesFileOpen = 0;
        EndWaitCursorOnce();
        AfxMessageBox(BuildCannotOpenMessage(m_strManualValuesFile), MB_OK);
        return;
    }
    m_bManualSave = 1;
    // Without a worker the rows are written at once.
    if (!m_pConvertFile || m_pConvertFile->Start() != 0)
        WriteValueRows();
}

// ---- Diagnostic log ------------------------------------------------------------------------------------

void CMainFrame::Frame_WriteDiagnosticLog(const SensorStruct& sSensor, const CString& strText1,
                                          const CString& strText2)
{
    if (m_iWriteLogFile == 1)
        return;
    CString strAppData;
    if (!GetLocalAppDataPath(GetSafeHwnd(), strAppData))
        return;
    DiagnosticLogEntry entry;
    entry.ulSerial = sSensor.ulSerialNo;
    entry.bHasMessage = !strText1.IsEmpty();
    entry.strMessage = strText1;
    entry.bHasExtra = !strText2.IsEmpty();
    entry.strExtra = strText2;
    entry.pBlocks = m_sBlock.data();
    entry.nBlocks = static_cast<int>(m_sBlock.size());
    if (const MeasureAdjustStruct* psAdjust = GetMeasureAdjust())
    {
        entry.abChannelChecked[0] = psAdjust->bCheckedA != 0;
        entry.abChannelChecked[1] = psAdjust->bCheckedB != 0;
    }
    entry.abPaneVisible[0] = m_sPointer.pChannelA != nullptr && m_sPointer.pChannelA->IsWindowVisible();
    entry.abPaneVisible[1] = m_sPointer.pChannelB != nullptr && m_sPointer.pChannelB->IsWindowVisible();
    CDateTimeText dateTime(LANGUAGE_GERMAN, LANGUAGE_ENGLISH, LANGUAGE_FRENCH, LANGUAGE_ENGLISH,
                           m_iLanguageOffset, 0, true);
    entry.strDate = dateTime.m_strDate;
    entry.strTime = dateTime.m_strTime;
    entry.bStartBanner = m_bLogStartBanner != 0;
    entry.bEndBanner = m_bLogEndBanner != 0;
    entry.bSameVersion = m_bSameApplicationVersion != FALSE;
    entry.strSystemInfo = m_strSystemInfo;
    if (m_diagnosticLog.Write(strAppData, entry))
        m_bLogStartBanner = m_bLogEndBanner = 0;
}
