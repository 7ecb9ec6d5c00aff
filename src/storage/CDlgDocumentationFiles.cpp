// The documentation page's building blocks of the output files: separators and line end, file names,
// the column and result header lines, the header block and the end-of-storage text, and the checks of
// the storage settings.
#include "storage/CDlgDocumentation.h"

#include "controls/ControlTexts.h"
#include "framework/CWinApp.h"
#include "measurement/CChannelPane.h"
#include "measurement/CAdjustHost.h"
#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "measurement/CPipelineClock.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurePanelState.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/CTervane_Send.h"
#include "shell/CEnvironment.h"
#include "shell/CPageHost.h"
#include "shell/ShellMessages.h"
#include "storage/CCsvHeader.h"
#include "storage/CDocumentationRules.h"
#include "storage/DocumentationStruct.h"
#include "resources/resource_storage.h"
#include "sensorpages/SensorPageTexts.h"
#include "storage/StorageTexts.h"

namespace
{
CString LoadText(int iId, int iLanguage)
{
    CString strText;
    strText.LoadString(static_cast<UINT>(iId + iLanguage));
    return strText;
}

CString Trimmed(CString strText)
{
    strText.Trim(' ');
    return strText;
}
} // namespace

// ---- Separators and names ------------------------------------------------------------------------------

CString CDlgDocumentation::GetLineEnd() const
{
    return CDocumentationRules::LineEndText(m_psDocumentation->iLineEnd);
}

CString CDlgDocumentation::GetColumnSeparator() const
{
    return CDocumentationRules::ColumnSeparatorText(m_psDocumentation->iColumnSeparator);
}

char CDlgDocumentation::GetDecimalSeparatorChar() const
{
    return CDocumentationRules::DecimalSeparatorChar(m_psDocumentation->iDecimalSeparator);
}

CString CDlgDocumentation::ApplyDecimalSeparator(const CString& strNumber) const
{
    return CDocumentationRules::ApplyDecimalSeparator(strNumber, GetDecimalSeparatorChar());
}

int CDlgDocumentation::GetFileLanguage() const
{
    return m_psDocumentation->iDecimalSeparator == CDocumentationRules::DECIMAL_POINT ? LANGUAGE_ENGLISH
                                                                                      : LANGUAGE_GERMAN;
}

void CDlgDocumentation::BuildFileNames(int iMode)
{
    if (iMode != 0 && iMode != 1)
        return;
    if (iMode == 0)
        m_tFileNameStamp = m_pClock->Now();
    const auto fnExists = [](const CString& strPath) { return CEnvironment::FileExists(strPath); };
    struct Kind
    {
        const CString* pstrDirectory;
        const CString* pstrPrefix;
        CString* pstrPathPrefix;
        CString* pstrFileName;
        const char* pszExtension;
    };
    const Kind kinds[3] = {
        {&m_strDmTargetDirectory, &m_strDmPrefix, &m_strDmPathPrefix, &m_strDmFileName, ".bmp"},
        {&m_strMwTargetDirectory, &m_strMwPrefix, &m_strMwPathPrefix, &m_strMwFileName, ".csv"},
        {&m_strIoNioTargetDirectory, &m_strIoNioPrefix, &m_strIoNioPathPrefix, &m_strIoNioFileName, ".csv"}};
    for (int i = 0; i < (iMode == 0 ? 3 : 1); ++i)
    {
        const Kind& kind = kinds[i];
        *kind.pstrPathPrefix = *kind.pstrDirectory + "\\" + *kind.pstrPrefix;
        *kind.pstrFileName = CDocumentationRules::IndexedFileName(*kind.pstrPathPrefix, kind.pszExtension,
                                                                  m_tFileNameStamp, fnExists);
    }
}

void CDlgDocumentation::UpdateStorageSummary()
{
    m_iStorageSummary = CDocumentationRules::StorageSummary(*m_psDocumentation, m_strMwTargetDirectory,
                                                            m_strIoNioTargetDirectory);
}

bool CDlgDocumentation::SetMwNoteFlag(BYTE bFlag)
{
    BYTE& bShowNote = m_psDocumentation->sAutoStorageMW.bShowNote;
    if (bShowNote == bFlag)
        return false;
    bShowNote = bFlag;
    return true;
}

// ---- Checks and the uncertainty option -------------------------------------------------------------------

bool CDlgDocumentation::IsAutoStorageComplete(const DocumentationStruct& docu,
                                              const CString strDirectories[3], const CString strPrefixes[3])
{
    const int32_t aiSelected[3] = {docu.sAutoStorageMW.iSelected, docu.sAutoStorageIONIO.iSelected,
                                   docu.sAutoStorageDM.iSelected};
    for (int i = 0; i < 3; ++i)
    {
        if (aiSelected[i] != 0 && (strDirectories[i].IsEmpty() || strPrefixes[i].IsEmpty()))
            return false;
    }
    return true;
}

bool CDlgDocumentation::CheckAutoStorageSettings()
{
    const CString strDirectories[3] = {m_strMwTargetDirectory, m_strIoNioTargetDirectory,
                                       m_strDmTargetDirectory};
    const CString strPrefixes[3] = {m_strMwPrefix, m_strIoNioPrefix, m_strDmPrefix};
    int iMessage = 0;
    if (!IsAutoStorageComplete(*m_psDocumentation, strDirectories, strPrefixes))
        iMessage = IDS_STORAGE_SETTINGS_INCOMPLETE;
    else if (CDocumentationRules::SeparatorsClash(m_psDocumentation->iColumnSeparator,
                                                  m_psDocumentation->iDecimalSeparator))
        iMessage = IDS_DOCU_SEPARATORS_EQUAL;
    if (iMessage == 0)
        return true;
    AfxMessageBox(LoadText(iMessage, GetLanguageOffset()), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CDlgDocumentation::EnableUncertaintyOption(BYTE bConnected, BYTE bHasUncertainty)
{
    DocumentationStruct& rec = *m_psDocumentation;
    const bool bAvailable = bConnected == 1 && bHasUncertainty == 1;
    if (bAvailable)
    {
        if (m_bUncertaintySavedPending)
        {
            rec.bMwUncertainty = rec.bMwUncertaintySaved;
            m_bUncertaintySavedPending = false;
        }
    }
    else
    {
        if (!m_bUncertaintySavedPending)
        {
            rec.bMwUncertaintySaved = rec.bMwUncertainty;
            m_bUncertaintySavedPending = true;
        }
        rec.bMwUncertainty = 0;
    }
    if (CWnd* pBox = GetSafeHwnd() ? GetDlgItem(IDC_DOCU_MW_UNCERTAINTY) : nullptr)
        pBox->EnableWindow(bAvailable);
    RefreshCheckBoxes();
}

// ---- Header lines and texts ----------------------------------------------------------------------------

void CDlgDocumentation::BuildColumnHeaderLine(CString& strText, int iLanguageOffset) const
{
    const CString S = GetColumnSeparator();
    strText += "#" + S;
    const CDlgMeasureAdjust* pAdjust = AdjustPage();
    const CValuePipeline* pPipeline = Pipeline();
    if (pAdjust != nullptr && pPipeline != nullptr)
    {
        const MeasureAdjustStruct& adjust = *pAdjust->m_psMeasureAdjust;
        const struct
        {
            int iQuantity;
            bool bShown;
        } columns[3] = {{adjust.iAxisX, true},
                        {adjust.iAxisY1, adjust.bAxisY1Shown != 0},
                        {adjust.iAxisY2, adjust.bAxisY2Shown != 0}};
        for (const auto& column : columns)
        {
            const bool bA = column.iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_A;
            if (!column.bShown || (!bA && column.iQuantity != MeasureAdjustStruct::AXIS_CHANNEL_B))
                continue;
            const ChannelSettingsStruct& channel = pPipeline->m_sChannel[bA ? 0 : 1];
            strText += LoadText(bA ? IDS_CHANNEL_A : IDS_CHANNEL_B, iLanguageOffset) + " (" +
                       channel.strUnit[channel.iSelectedUnit] + ")" + S;
        }
    }
    strText += GetLineEnd();
}

void CDlgDocumentation::BuildIoNioHeaderLines(CString& strText, int iLanguageOffset) const
{
    const CString S = GetColumnSeparator();
    const CString E = GetLineEnd();
    auto text = [&](int iId) { return LoadText(iId, iLanguageOffset); };
    strText += text(IDS_IONIO_DATE) + S + text(IDS_QUANTITY_TIME) + S + text(IDS_IONIO_TEST_1) + S + S + S +
               text(IDS_IONIO_TEST_2) + S + S + S + text(IDS_COMMON) + S + E;
    strText += "(Stop - Event)" + S + S + text(IDS_IONIO_MAXIMUM) + S + text(IDS_UNIT) + S + "IO/NIO" + S +
               text(IDS_IONIO_MAXIMUM) + S + text(IDS_UNIT) + S + "IO/NIO" + S + "IO/NIO" + S + E;
}

CString CDlgDocumentation::BuildEndOfStorageText()
{
    m_strEndOfStorageText.Empty();
    CPageHost* pHost = GetPageHost();
    if (m_psDocumentation->bMwDateTime == 1 && pHost != nullptr)
    {
        const CString S = GetColumnSeparator();
        const CString E = GetLineEnd();
        tm tmStop = {};
        _localtime64_s(&tmStop, &m_tMeasureStop);
        m_strEndOfStorageText =
            E + E + LoadText(IDS_HEADER_STOP, GetLanguageOffset()) + ":" + S +
            Trimmed(pHost->FormatDate(tmStop.tm_mday, tmStop.tm_mon + 1, tmStop.tm_year + 1900)) + S +
            Trimmed(pHost->FormatTime(m_tMeasureStop)) + S + "(" +
            Trimmed(pHost->FormatDuration(static_cast<long long>(m_tMeasureStop - m_tMeasureStart))) + ")" +
            E + E + E;
    }
    return m_strEndOfStorageText;
}

CString CDlgDocumentation::BuildHeaderText(int iFileKind)
{
    const BYTE bNewResultHeader = Pipeline() ? Pipeline()->m_bStartedByOperator : 1;
    if (iFileKind == FILE_KIND_RESULTS &&
        m_psDocumentation->sAutoStorageIONIO.iSelected == CDocumentationRules::DOCU_STORAGE_ONE_FILE &&
        bNewResultHeader == 0)
        return CString();
    if (m_psDocumentation->bMwDateTime == 1)
        m_tMeasureStart = m_pClock->Now();
    CsvHeaderSource source;
    GatherHeaderSource(source);
    if (iFileKind == FILE_KIND_VALUES)
        BuildColumnHeaderLine(source.strColumnPart, source.iLanguage);
    else if (iFileKind == FILE_KIND_RESULTS)
        BuildIoNioHeaderLines(source.strColumnPart, source.iLanguage);
    const CString strText = CCsvHeader::Build(source);
    if (iFileKind == FILE_KIND_VALUES)
        m_strHeaderText = strText;
    return strText;
}

void CDlgDocumentation::GatherHeaderSource(CsvHeaderSource& src)
{
    const DocumentationStruct& rec = *m_psDocumentation;
    src.iLanguage = GetLanguageOffset();
    src.strLineEnd = GetLineEnd();
    src.strSeparator = GetColumnSeparator();
    src.cDecimal = GetDecimalSeparatorChar();
    src.bHeadline = rec.bMwHeadline;
    src.bAddress = rec.bMwAddress;
    src.bUncertainty = rec.bMwUncertainty;
    src.bComment = rec.bMwComment;
    src.bDateTime = rec.bMwDateTime;
    src.strHeadline = m_strHeadline;
    src.strAddress = m_strAddress;
    src.strComment = m_strComment;
    CPageHost* pHost = GetPageHost();
    if (pHost == nullptr)
        return;
    CComPort& engine = pHost->GetComPort();
    const SensorStruct& s = engine.m_sSensor;
    src.sSensor = s;
    src.strPortKey = engine.m_strActivePortKey;
    src.dUncertaintyA = engine.COM_GetCalibInaccuracy(nullptr, nullptr, nullptr, 1);
    src.dUncertaintyB = engine.COM_GetCalibInaccuracy(nullptr, nullptr, nullptr, 0);
    src.bUserCalibEqualsFactory = engine.COM_IsUserCalibEqualFactoryCalib();
    const int aiRange[2] = {s.iRangeCodeA, s.iRangeCodeB};
    CString* const apstrRange[2] = {&src.strRangeEndA, &src.strRangeEndB};
    CChannelPane* const apPane[2] = {
        dynamic_cast<CChannelPane*>(pHost->GetRegisteredWindow(REGISTER_KIND_CHANNEL_A)),
        dynamic_cast<CChannelPane*>(pHost->GetRegisteredWindow(REGISTER_KIND_CHANNEL_B))};
    for (int i = 0; i < 2; ++i)
    {
        CString strNumber;
        CTervane_Send::TerSend_RangeCodeToText(strNumber, static_cast<UINT>(aiRange[i]));
        if (apPane[i] != nullptr)
            apPane[i]->FormatValue(*apstrRange[i], strNumber, nullptr, 2);
        else
            *apstrRange[i] = strNumber;
    }
    src.strFactoryDate = Trimmed(pHost->FormatDate(
        s.sFactoryCalib.tmCalib.tm_mday, s.sFactoryCalib.tmCalib.tm_mon, s.sFactoryCalib.tmCalib.tm_year));
    src.strUserDate = Trimmed(pHost->FormatDate(s.sUserCalib.tmCalib.tm_mday, s.sUserCalib.tmCalib.tm_mon,
                                                s.sUserCalib.tmCalib.tm_year));
    if (const CValuePipeline* pPipeline = Pipeline())
    {
        src.iRateCode = pPipeline->m_iMeasuringRate;
        src.uAveragingCount = static_cast<unsigned>(pPipeline->m_iAveragingCount);
        src.iMeanCodeA = pPipeline->m_sChannel[0].iMeanCode;
        src.iMeanCodeB = pPipeline->m_sChannel[1].iMeanCode;
    }
    if (const CDlgMeasureDiagram* pPanel = Panel())
        src.bTriggerCycle = pPanel->m_psMsureDgrm->bTriggerActive != 0;
    if (const CDlgMeasureAdjust* pAdjust = AdjustPage())
    {
        src.iStartSource = pAdjust->m_psMeasureAdjust->iStartSource;
        src.iStopSource = pAdjust->m_psMeasureAdjust->iStopSource;
    }
    tm tmStart = {};
    _localtime64_s(&tmStart, &m_tMeasureStart);
    src.strStartDate =
        Trimmed(pHost->FormatDate(tmStart.tm_mday, tmStart.tm_mon + 1, tmStart.tm_year + 1900));
    src.strStartTime = Trimmed(pHost->FormatTime(m_tMeasureStart));
}

CValuePipeline* CDlgDocumentation::Pipeline() const
{
    CAdjustHost* pHost = dynamic_cast<CAdjustHost*>(GetPageHost());
    return pHost ? &pHost->GetPipeline() : nullptr;
}
