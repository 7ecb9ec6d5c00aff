// The measure-configuration page: the trigger's start and stop conditions.
#include "measurement/CDlgMeasureAdjust.h"

#include "framework/CWinApp.h"
#include "measurement/CAdjustHost.h"
#include "measurement/CAdjustPanel.h"
#include "measurement/CChannelRules.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasurementTexts.h"
#include "measurement/MeasureAdjustStruct.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "resources/resource_adjust.h"

#include <ctime>

namespace
{
using S = MeasureAdjustStruct;
const char* const NUMBER_CHARS = "0123456789.,-+";
const char* const DIGITS = "0123456789";
constexpr int START_SOURCES = 4;
constexpr int STOP_SOURCES = 5;
constexpr int DIRECTIONS = 2;
constexpr double DIGITAL_INPUT_THRESHOLD = 0.5;

SYSTEMTIME ToLocalSystemTime(__time64_t tTime)
{
    SYSTEMTIME st = {};
    tm local = {};
    if (_localtime64_s(&local, &tTime) != 0)
        return st;
    st.wYear = static_cast<WORD>(local.tm_year + 1900);
    st.wMonth = static_cast<WORD>(local.tm_mon + 1);
    st.wDay = static_cast<WORD>(local.tm_mday);
    st.wHour = static_cast<WORD>(local.tm_hour);
    st.wMinute = static_cast<WORD>(local.tm_min);
    st.wSecond = static_cast<WORD>(local.tm_sec);
    return st;
}

// A picked time before 1900 counts as time 0.
__time64_t FromLocalSystemTime(const SYSTEMTIME& st)
{
    if (st.wYear < 1900)
        return 0;
    tm local = {};
    local.tm_year = st.wYear - 1900;
    local.tm_mon = st.wMonth - 1;
    local.tm_mday = st.wDay;
    local.tm_hour = st.wHour;
    local.tm_min = st.wMinute;
    local.tm_sec = st.wSecond;
    local.tm_isdst = -1;
    const __time64_t tTime = _mktime64(&local);
    return tTime < 0 ? 0 : tTime;
}
} // namespace

void CDlgMeasureAdjust::ResetTriggerSettings(int iMode)
{
    CComPort* pEngine = Engine();
    if (pEngine == nullptr)
        return;
    if (!m_bLastConnectionLoaded)
    {
        if (CWinApp* pApp = AfxGetApp())
        {
            m_lastConnection.strPort = pApp->GetProfileString("DespiteReset", "LastUsedComPort", "");
            m_lastConnection.ulSerialNo = pApp->GetProfileInt("DespiteReset", "LastUsedSerialNo", 0);
        }
        m_bLastConnectionLoaded = true;
    }
    CTriggerRules::ResetTriggerSettings(*m_psMeasureAdjust, iMode, m_lastConnection,
                                        pEngine->COM_GetPortDisplayName(), pEngine->m_sSensor.ulSerialNo);
}

BOOL CDlgMeasureAdjust::FillTriggerGroup()
{
    const int iLanguage = m_iLanguageOffsetCopy;
    const S& s = *m_psMeasureAdjust;
    m_edStartValue.ShowWindow(s.bStartValueShown ? SW_SHOW : SW_HIDE);
    if (s.bStartValueShown)
        ShowStartValue();
    m_edStopValue.ShowWindow(s.bStopValueShown ? SW_SHOW : SW_HIDE);
    if (s.bStopValueShown)
        ShowStopValue();
    FillStartTime();
    if (s.bDurationShown)
    {
        ShowDurationInfo();
        ShowDuration();
    }
    GetDlgItem(IDC_ADJ_DURATION_INFO)->ShowWindow(s.bDurationShown ? SW_SHOW : SW_HIDE);
    m_edDuration.ShowWindow(s.bDurationShown ? SW_SHOW : SW_HIDE);
    if (s.bCountShown)
    {
        ShowCountInfo();
        ShowCount();
    }
    GetDlgItem(IDC_ADJ_COUNT_INFO)->ShowWindow(s.bCountShown ? SW_SHOW : SW_HIDE);
    m_edCount.ShowWindow(s.bCountShown ? SW_SHOW : SW_HIDE);

    const CString strDirection = Text(IDS_DIRECTION, iLanguage) + ":";
    const CString strValue = Text(IDS_VALUE, iLanguage) + ":";
    BOOL bAll = strDirection.GetLength() > 1 && strValue.GetLength() > 1;
    SetLabelText(IDC_ADJ_START_DIRECTION_LABEL, s.bStartValueShown ? strDirection : CString());
    SetLabelText(IDC_ADJ_STOP_DIRECTION_LABEL, s.bStopValueShown ? strDirection : CString());
    SetLabelText(IDC_ADJ_START_VALUE_LABEL, s.bStartValueShown ? strValue : CString());
    SetLabelText(IDC_ADJ_STOP_VALUE_LABEL, s.bStopValueShown ? strValue : CString());
    SetLabelText(IDC_ADJ_START_UNIT,
                 s.bStartValueShown ? SourceUnitText(s.iStartSource, iLanguage) : CString());
    SetLabelText(IDC_ADJ_STOP_UNIT, s.bStopValueShown ? SourceUnitText(s.iStopSource, iLanguage) : CString());

    FillSourceCombo(m_cbStartSource, s.bStartSourceItem, START_SOURCES, s.iStartSource, true);
    FillDirectionCombo(m_cbStartDirection, s.bStartValueShown, s.bStartDirectionItem, s.iStartDirection);
    FillSourceCombo(m_cbStopSource, s.bStopSourceItem, STOP_SOURCES, s.iStopSource, false);
    FillDirectionCombo(m_cbStopDirection, s.bStopValueShown, s.bStopDirectionItem, s.iStopDirection);
    return bAll;
}

void CDlgMeasureAdjust::FillSourceCombo(CKombiBox& combo, const BYTE* pbItem, int iItems, int iSelected,
                                        bool bStart)
{
    combo.ResetContent();
    for (int iSource = 0; iSource < iItems; ++iSource)
    {
        if (!pbItem[iSource])
            continue;
        const int iStringId = bStart ? GetStartSourceStringId(iSource) : GetStopSourceStringId(iSource);
        combo.AddItem(Text(iStringId, m_iLanguageOffsetCopy), static_cast<DWORD_PTR>(iSource));
    }
    combo.SetCurSel(combo.FindItemData(static_cast<DWORD_PTR>(iSelected)));
}

void CDlgMeasureAdjust::FillDirectionCombo(CKombiBox& combo, BYTE bShown, const BYTE* pbItem, int iSelected)
{
    combo.ResetContent();
    combo.ShowWindow(bShown ? SW_SHOW : SW_HIDE);
    if (!bShown)
        return;
    for (int iDirection = 0; iDirection < DIRECTIONS; ++iDirection)
    {
        if (pbItem[iDirection])
            combo.AddItem(Text(GetDirectionStringId(iDirection), m_iLanguageOffsetCopy),
                          static_cast<DWORD_PTR>(iDirection));
    }
    combo.SetCurSel(combo.FindItemData(static_cast<DWORD_PTR>(iSelected)));
}

// The unit of the channel a threshold watches, or the word "Einheit".
CString CDlgMeasureAdjust::SourceUnitText(int iSource, int iLanguage) const
{
    const ChannelSettingsStruct* psChannel = Channels();
    if ((iSource == S::SOURCE_CHANNEL_A || iSource == S::SOURCE_CHANNEL_B) && psChannel)
    {
        const ChannelSettingsStruct& c = psChannel[iSource - 1];
        if (c.iSelectedUnit >= 0 && c.iSelectedUnit < CHANNEL_UNIT_SLOTS)
            return c.strUnit[c.iSelectedUnit];
    }
    return Text(IDS_UNIT, iLanguage);
}

// The picker shows a start time at least 15 s ahead; the record keeps the stored one.
void CDlgMeasureAdjust::FillStartTime()
{
    const S& s = *m_psMeasureAdjust;
    CWnd* pHint = GetDlgItem(IDC_ADJ_START_TIME_HINT);
    if (!s.bStartTimeShown)
    {
        m_dtStartTime.ShowWindow(SW_HIDE);
        pHint->ShowWindow(SW_HIDE);
        return;
    }
    const bool bEnglish = m_iLanguageOffsetCopy == LANGUAGE_ENGLISH;
    const char* pszFormat =
        bEnglish ? "MM'/'dd'/'yyyy' '     HH':'mm':'ss" : "dd'.'MM'.'yyyy' '     HH':'mm':'ss";
    m_dtStartTime.SendMessage(DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(pszFormat));
    pHint->SetWindowText(bEnglish ? "(MM/dd/yyyy   HH:mm:ss)" : "(TT.MM.JJJJ   HH:mm:ss)");
    const SYSTEMTIME st = ToLocalSystemTime(CTriggerRules::ShownStartTime(s.tStartTime, Now()));
    m_dtStartTime.SetTime(&st);
    m_dtStartTime.ShowWindow(SW_SHOW);
    pHint->ShowWindow(SW_SHOW);
}

void CDlgMeasureAdjust::ChangeTriggerSetting(int iWhat, int iValue)
{
    CTriggerRules::ChangeTriggerSetting(*m_psMeasureAdjust, iWhat, iValue, Now());
    FillTriggerGroup();
}

// A threshold of channel B on an interface whose channel B is a digital input is 0.5 and fixed.
void CDlgMeasureAdjust::ShowThreshold(CEdit& edit, int iFlag, int iSource, double& dValue, bool bStart)
{
    CComPort* pEngine = Engine();
    const bool bDigital =
        pEngine && CChannelRules::HasDigitalInput(pEngine->m_sSensor) && iSource == S::SOURCE_CHANNEL_B;
    if (bDigital)
        dValue = DIGITAL_INPUT_THRESHOLD;
    edit.EnableWindow(bDigital ? FALSE : TRUE);
    if (CValuePipeline* pPipeline = Pipeline())
        (bStart ? pPipeline->m_dTrgStartValue : pPipeline->m_dTrgStopValue) = dValue;
    WriteField(edit, iFlag, CTriggerRules::FormatValue(dValue, m_iLanguageOffsetCopy));
}

void CDlgMeasureAdjust::ShowStartValue()
{
    S& s = *m_psMeasureAdjust;
    ShowThreshold(m_edStartValue, FLAG_START_VALUE, s.iStartSource, s.dStartValue, true);
}

void CDlgMeasureAdjust::ShowStopValue()
{
    S& s = *m_psMeasureAdjust;
    ShowThreshold(m_edStopValue, FLAG_STOP_VALUE, s.iStopSource, s.dStopValue, false);
}

void CDlgMeasureAdjust::ShowDuration()
{
    WriteField(
        m_edDuration, FLAG_DURATION,
        CTriggerRules::FormatValue(CTriggerRules::DurationInUnit(*m_psMeasureAdjust), m_iLanguageOffsetCopy));
}

void CDlgMeasureAdjust::ShowCount()
{
    WriteField(m_edCount, FLAG_COUNT,
               CTriggerRules::FormatValue(m_psMeasureAdjust->dCount, LANGUAGE_ENGLISH));
}

void CDlgMeasureAdjust::ReadDuration()
{
    if (m_edDuration.GetSafeHwnd() == nullptr)
        return;
    double dValue = ReadField(m_edDuration, FLAG_DURATION, DIGITS);
    if (CTriggerRules::ReadDuration(*m_psMeasureAdjust, dValue))
        WriteField(m_edDuration, FLAG_DURATION, CTriggerRules::FormatValue(dValue, m_iLanguageOffsetCopy));
}

void CDlgMeasureAdjust::ShowDurationInfo()
{
    CValuePipeline* pPipeline = Pipeline();
    const int iLanguage = m_iLanguageOffsetCopy;
    GetDlgItem(IDC_ADJ_DURATION_INFO)
        ->SetWindowText(CTriggerRules::DurationInfo(
            *m_psMeasureAdjust, pPipeline ? pPipeline->m_iAveragingCount : 1,
            Text(m_psMeasureAdjust->iDurationUnitId, iLanguage), Text(IDS_MEASURE_POINTS, iLanguage),
            Text(IDS_MEASURE_POINTS_SHORT, iLanguage)));
}

void CDlgMeasureAdjust::ShowCountInfo()
{
    CValuePipeline* pPipeline = Pipeline();
    const int iLanguage = m_iLanguageOffsetCopy;
    GetDlgItem(IDC_ADJ_COUNT_INFO)
        ->SetWindowText(CTriggerRules::CountInfo(
            *m_psMeasureAdjust, pPipeline ? pPipeline->m_iAveragingCount : 1, iLanguage,
            Text(m_psMeasureAdjust->iDurationUnitId, iLanguage), Text(IDS_MEASURE_POINTS, iLanguage)));
}

void CDlgMeasureAdjust::UpdateTriggerUnitLabels(int iChannelId, const CString& strUnit)
{
    const S& s = *m_psMeasureAdjust;
    if (GetStartSourceStringId(s.iStartSource) == iChannelId)
        GetDlgItem(IDC_ADJ_START_UNIT)->SetWindowText(strUnit);
    if (GetStopSourceStringId(s.iStopSource) == iChannelId)
        GetDlgItem(IDC_ADJ_STOP_UNIT)->SetWindowText(strUnit);
}

// ---- Handlers ---------------------------------------------------------------------------------------------

void CDlgMeasureAdjust::OnSelChangeStartSource()
{
    OnSelChangeSource(true);
}

void CDlgMeasureAdjust::OnSelChangeStopSource()
{
    OnSelChangeSource(false);
}

// A start at a system time locks the panel's auto-repeat; the focus goes to the field of the source.
void CDlgMeasureAdjust::OnSelChangeSource(bool bStart)
{
    CKombiBox& combo = bStart ? m_cbStartSource : m_cbStopSource;
    const int iIndex = combo.GetCurSel();
    if (iIndex < 0)
        return;
    const int iSource = static_cast<int>(combo.GetItemData(iIndex));
    if (bStart)
        Panel().LockAutoRepeat(iSource == S::START_SYSTEM_TIME);
    const int iCurrent = bStart ? m_psMeasureAdjust->iStartSource : m_psMeasureAdjust->iStopSource;
    if (iSource != iCurrent)
        ChangeTriggerSetting(bStart ? CTriggerRules::START_SOURCE : CTriggerRules::STOP_SOURCE, iSource);
    FocusAfterSourceChoice(bStart);
}

void CDlgMeasureAdjust::OnSelChangeStartDirection()
{
    OnSelChangeDirection(true);
}

void CDlgMeasureAdjust::OnSelChangeStopDirection()
{
    OnSelChangeDirection(false);
}

void CDlgMeasureAdjust::OnSelChangeDirection(bool bStart)
{
    CKombiBox& combo = bStart ? m_cbStartDirection : m_cbStopDirection;
    const int iIndex = combo.GetCurSel();
    if (iIndex < 0)
        return;
    const int iDirection = static_cast<int>(combo.GetItemData(iIndex));
    const int iCurrent = bStart ? m_psMeasureAdjust->iStartDirection : m_psMeasureAdjust->iStopDirection;
    if (iDirection != iCurrent)
        ChangeTriggerSetting(bStart ? CTriggerRules::START_DIRECTION : CTriggerRules::STOP_DIRECTION,
                             iDirection);
    FocusAfterSourceChoice(bStart);
}

void CDlgMeasureAdjust::FocusAfterSourceChoice(bool bStart)
{
    const S& s = *m_psMeasureAdjust;
    const int iSource = bStart ? s.iStartSource : s.iStopSource;
    CWnd* pField = nullptr;
    if (iSource == S::SOURCE_CHANNEL_A || iSource == S::SOURCE_CHANNEL_B)
        pField = bStart ? &m_edStartValue : &m_edStopValue;
    else if (bStart && iSource == S::START_SYSTEM_TIME)
    {
        m_dtStartTime.SetFocus();
        return;
    }
    else if (!bStart && iSource == S::STOP_DURATION)
        pField = &m_edDuration;
    else if (!bStart && iSource == S::STOP_COUNT)
        pField = &m_edCount;
    if (pField && m_pAdjustHost)
        m_pAdjustHost->FocusEditSelectAll(pField);
}

void CDlgMeasureAdjust::OnChangeStartValue()
{
    if (m_abUpdateFlag[FLAG_START_VALUE])
        return;
    m_psMeasureAdjust->dStartValue = ReadField(m_edStartValue, FLAG_START_VALUE, NUMBER_CHARS);
    if (CValuePipeline* pPipeline = Pipeline())
        pPipeline->m_dTrgStartValue = m_psMeasureAdjust->dStartValue;
}

void CDlgMeasureAdjust::OnChangeStopValue()
{
    if (m_abUpdateFlag[FLAG_STOP_VALUE])
        return;
    m_psMeasureAdjust->dStopValue = ReadField(m_edStopValue, FLAG_STOP_VALUE, NUMBER_CHARS);
    if (CValuePipeline* pPipeline = Pipeline())
        pPipeline->m_dTrgStopValue = m_psMeasureAdjust->dStopValue;
}

void CDlgMeasureAdjust::OnChangeDuration()
{
    if (m_abUpdateFlag[FLAG_DURATION])
        return;
    ReadDuration();
    ShowDurationInfo();
}

void CDlgMeasureAdjust::OnChangeCount()
{
    if (m_abUpdateFlag[FLAG_COUNT])
        return;
    double dValue = ReadField(m_edCount, FLAG_COUNT, DIGITS);
    if (CTriggerRules::ReadCount(*m_psMeasureAdjust, dValue))
        ShowCount();
    ShowCountInfo();
}

// A picked time that is not ahead of now becomes now plus 15 s, in the picker too.
void CDlgMeasureAdjust::OnStartTimeChange(NMHDR*, LRESULT* pResult)
{
    SYSTEMTIME st = {};
    if (m_dtStartTime.GetTime(&st) == GDT_VALID)
    {
        const __time64_t tPicked = FromLocalSystemTime(st);
        const __time64_t tStart = CTriggerRules::PickedStartTime(tPicked, Now());
        if (tStart != tPicked)
        {
            const SYSTEMTIME stStart = ToLocalSystemTime(tStart);
            m_dtStartTime.SetTime(&stStart);
        }
        m_psMeasureAdjust->tStartTime = tStart;
    }
    *pResult = 0;
}
