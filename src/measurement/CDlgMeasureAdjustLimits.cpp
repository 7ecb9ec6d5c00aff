// The measure-configuration page: the two pass/fail (IO/NIO) conditions and the programs run at
// measurement start and stop.
#include "controls/CViewBarHost.h"
#include "controls/ControlTexts.h"
#include "measurement/CDlgMeasureAdjust.h"

#include "measurement/CAdjustHost.h"
#include "measurement/CLimitRules.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "resources/resource.h"
#include "resources/resource_adjust.h"
#include "shell/CPageHost.h"

namespace
{
const char* const NUMBER_CHARS = "0123456789.,-+";
constexpr int LIGHT_SHOWN = 1;
constexpr int LIGHT_NO_CONDITION = 2;
constexpr DWORD PROGRAM_STYLE_ON = PBS_PICTURE | PBS_FLAT | PBS_PICTURE_3 | PBS_EDITABLE;
constexpr DWORD PROGRAM_STYLE_OFF = PBS_PICTURE_1 | PBS_PICTURE_2;
constexpr UINT PROGRAM_FOLDER_FLAGS = 0x100 | 0x40;

// Per condition: the lower and upper limit edit, their captions and unit labels.
struct ConditionControls
{
    int iLower;
    int iUpper;
    int iLowerLabel;
    int iUpperLabel;
    int iLowerUnit;
    int iUpperUnit;
    int iGroup;
};
constexpr ConditionControls CONDITIONS[2] = {
    {IDC_ADJ_LOWER1, IDC_ADJ_UPPER1, IDC_ADJ_LOWER1_LABEL, IDC_ADJ_UPPER1_LABEL, IDC_ADJ_LOWER1_UNIT,
     IDC_ADJ_UPPER1_UNIT, IDC_ADJ_CONDITION1_GROUP},
    {IDC_ADJ_LOWER2, IDC_ADJ_UPPER2, IDC_ADJ_LOWER2_LABEL, IDC_ADJ_UPPER2_LABEL, IDC_ADJ_LOWER2_UNIT,
     IDC_ADJ_UPPER2_UNIT, IDC_ADJ_CONDITION2_GROUP}};
} // namespace

void CDlgMeasureAdjust::FillMeasurandCombos(int iLanguage)
{
    for (int i = 0; i < 2; ++i)
    {
        CKombiBox& combo = m_cbLimitMeasurand[i];
        combo.ResetContent();
        combo.SetWindowText("");
        combo.AddItem(Text(IDS_CHANNEL_A, iLanguage), 0);
        combo.AddItem(Text(IDS_CHANNEL_B, iLanguage), 1);
        const bool bChosen = m_iLimitMeasurandIndex[i] >= 0;
        if (bChosen)
            combo.SetCurSel(m_iLimitMeasurandIndex[i]);
        m_chkCondition[i].SetChecked(bChosen);
        m_chkCondition[i].SetVisible(bChosen);
    }
}

void CDlgMeasureAdjust::UpdateLimitConditions(int iWhich)
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (iWhich == 0)
        FillMeasurandCombos(m_iLanguageOffsetCopy);
    for (int i = 0; i < 2; ++i)
    {
        if (iWhich == 2 - i)
            continue;
        TakeLimitTexts();
        const int iSelected = m_cbLimitMeasurand[i].GetCurSel();
        CString strUnit;
        if (iSelected < 0)
            ClearCondition(i, true);
        else
        {
            m_cbLimitMeasurand[i].SetCurSel(iSelected);
            m_cbUnit[iSelected == 0 ? 0 : 1].GetWindowText(strUnit);
        }
        ShowConditionUnits(i, strUnit);
        if (CPageHost* pHost = PageHost())
            pHost->GetFrameWindow()->SendMessage(WM_COMMAND, ID_VIEW_CHANNEL_C);
    }
}

void CDlgMeasureAdjust::ShowConditionUnits(int iCondition, const CString& strUnit)
{
    for (int iId : {CONDITIONS[iCondition].iLowerUnit, CONDITIONS[iCondition].iUpperUnit})
    {
        GetDlgItem(iId)->SetWindowText(strUnit);
        GetDlgItem(iId)->ShowWindow(SW_SHOW);
    }
}

// Without its other condition checked, the light pane has nothing to show.
void CDlgMeasureAdjust::ClearCondition(int iCondition, bool bDisable)
{
    const ConditionControls& c = CONDITIONS[iCondition];
    m_edLimit[2 * iCondition].SetWindowText("");
    m_edLimit[2 * iCondition + 1].SetWindowText("");
    GetDlgItem(c.iLowerUnit)->ShowWindow(SW_HIDE);
    GetDlgItem(c.iUpperUnit)->ShowWindow(SW_HIDE);
    if (bDisable)
    {
        m_edLimit[2 * iCondition].EnableWindow(FALSE);
        m_edLimit[2 * iCondition + 1].EnableWindow(FALSE);
        m_chkCondition[iCondition].SetVisible(false);
    }
    if (!m_chkCondition[1 - iCondition].IsChecked() && m_pAdjustHost)
        m_pAdjustHost->SetViewBarCheckState(VIEWBAR_CHANNEL_C, LIGHT_NO_CONDITION);
}

void CDlgMeasureAdjust::UpdateSecondConditionAvailability()
{
    const bool bCheckedA = m_chkChannel[0].IsChecked();
    const bool bCheckedB = m_chkChannel[1].IsChecked();
    const ConditionControls& second = CONDITIONS[1];
    const CLimitRules::SwitchOff off =
        CLimitRules::ConditionsToSwitchOff(bCheckedA, bCheckedB, m_cbLimitMeasurand[0].GetCurSel());
    const int iShow = off.bSecond ? SW_HIDE : SW_SHOW;
    for (int iId : {second.iGroup, second.iLowerLabel, second.iUpperLabel, second.iLower, second.iUpper,
                    static_cast<int>(IDC_ADJ_MEASURAND2)})
        GetDlgItem(iId)->ShowWindow(iShow);
    if (!off.bSecond)
        return;
    GetDlgItem(second.iLowerUnit)->ShowWindow(SW_HIDE);
    GetDlgItem(second.iUpperUnit)->ShowWindow(SW_HIDE);
    m_chkCondition[1].SetVisible(false);
    SwitchOffCondition(1);
    if (off.bFirst)
        SwitchOffCondition(0);
}

void CDlgMeasureAdjust::UpdateLimitUnits(int iChannel)
{
    if (iChannel != 0 && iChannel != 1)
        return;
    CString strUnit;
    m_cbUnit[iChannel].GetWindowText(strUnit);
    for (int i = 0; i < 2; ++i)
    {
        if (m_cbLimitMeasurand[i].GetCurSel() == iChannel)
        {
            GetDlgItem(CONDITIONS[i].iLowerUnit)->SetWindowText(strUnit);
            GetDlgItem(CONDITIONS[i].iUpperUnit)->SetWindowText(strUnit);
        }
    }
}

void CDlgMeasureAdjust::TakeLimitTexts()
{
    for (int i = 0; i < 4; ++i)
        m_edLimit[i].GetWindowText(m_strLimitText[i]);
}

void CDlgMeasureAdjust::UpdateLimitConditionState()
{
    TakeLimitTexts();
    m_iIONIOConditionState = CLimitRules::ConditionState(m_strLimitText);
}

bool CDlgMeasureAdjust::IsIONIOConditionOff(int iWhich) const
{
    return CLimitRules::IsConditionOff(m_iIONIOConditionState, iWhich);
}

// ---- Handlers ---------------------------------------------------------------------------------------------

void CDlgMeasureAdjust::OnSelChangeMeasurand1()
{
    OnSelChangeMeasurand(0);
}

void CDlgMeasureAdjust::OnSelChangeMeasurand2()
{
    OnSelChangeMeasurand(1);
}

void CDlgMeasureAdjust::OnSelChangeMeasurand(int iCondition)
{
    UpdateLimitConditions(iCondition + 1);
    m_edLimit[2 * iCondition].SetWindowText("");
    m_edLimit[2 * iCondition + 1].SetWindowText("");
    const int iSelected = m_cbLimitMeasurand[iCondition].GetCurSel();
    m_iLimitMeasurandIndex[iCondition] = iSelected >= 0 ? iSelected : -1;
    if (iSelected < 0)
        return;
    m_edLimit[2 * iCondition].EnableWindow(TRUE);
    m_edLimit[2 * iCondition + 1].EnableWindow(TRUE);
    m_chkCondition[iCondition].SetChecked(true);
    m_chkCondition[iCondition].SetVisible(true);
    if (m_pAdjustHost)
        m_pAdjustHost->SetViewBarCheckState(VIEWBAR_CHANNEL_C, LIGHT_SHOWN);
}

void CDlgMeasureAdjust::OnClickCondition1()
{
    SwitchOffCondition(0);
}

void CDlgMeasureAdjust::OnClickCondition2()
{
    SwitchOffCondition(1);
}

// The condition loses its measurand and its limits; the second one's box is unchecked even without.
void CDlgMeasureAdjust::SwitchOffCondition(int iCondition)
{
    CKombiBox& combo = m_cbLimitMeasurand[iCondition];
    if (combo.GetCurSel() >= 0)
    {
        combo.SetCurSel(-1);
        m_iLimitMeasurandIndex[iCondition] = -1;
        ClearCondition(iCondition, true);
    }
    else if (iCondition == 1)
        m_chkCondition[1].SetChecked(false);
}

void CDlgMeasureAdjust::OnChangeLimit(UINT nId)
{
    const int iLimit = static_cast<int>(nId) - IDC_ADJ_LOWER1;
    if (iLimit < 0 || iLimit > 3 || m_abUpdateFlag[FLAG_LIMIT_1 + iLimit])
        return;
    const double dValue = ReadField(m_edLimit[iLimit], FLAG_LIMIT_1 + iLimit, NUMBER_CHARS);
    MeasureAdjustStruct& s = *m_psMeasureAdjust;
    double* const apdLimit[4] = {&s.dLowerLimit1, &s.dUpperLimit1, &s.dLowerLimit2, &s.dUpperLimit2};
    *apdLimit[iLimit] = dValue;
    UpdateLimitConditionState();
}

// ---- Programs ---------------------------------------------------------------------------------------------

void CDlgMeasureAdjust::SetupProgramBrowser(CPathBrowseCtrl& browse, const CString& strTip,
                                            const CString& strPrompt, const CString& strTitle,
                                            BYTE& bSetupFlag)
{
    if (browse.GetSafeHwnd() == nullptr)
        return;
    bSetupFlag = 1;
    browse.SetStyleBits((browse.GetStyleBits() | PROGRAM_STYLE_ON) & ~PROGRAM_STYLE_OFF);
    browse.SetFolderDialogFlags(browse.GetFolderDialogFlags() | PROGRAM_FOLDER_FLAGS);
    browse.SetButtonTip(strTip);
    browse.SetFolderPrompt(strPrompt);
    browse.SetFileDialogTitle(strTitle);
    bSetupFlag = 0;
}

void CDlgMeasureAdjust::ApplyProgramPaths()
{
    const CString* apstrProgram[2] = {&m_strStartProgram, &m_strStopProgram};
    for (int i = 0; i < 2; ++i)
    {
        if (*apstrProgram[i] == m_strProgramShown[i] || m_browseProgram[i].GetSafeHwnd() == nullptr)
            continue;
        m_browseProgram[i].SetPathText(*apstrProgram[i]);
        m_strProgramShown[i] = *apstrProgram[i];
    }
}

void CDlgMeasureAdjust::OnBrowseStartProgram()
{
    if (!m_abUpdateFlag[FLAG_START_PROGRAM])
        m_browseProgram[0].GetEdit().GetWindowText(m_strStartProgram);
}

void CDlgMeasureAdjust::OnBrowseStopProgram()
{
    if (!m_abUpdateFlag[FLAG_STOP_PROGRAM])
        m_browseProgram[1].GetEdit().GetWindowText(m_strStopProgram);
}

void CDlgMeasureAdjust::OnPathBrowseChange(UINT nNotifyCode, CEdit*)
{
    if (nNotifyCode == NOTIFY_START_PROGRAM)
        OnBrowseStartProgram();
    else if (nNotifyCode == NOTIFY_STOP_PROGRAM)
        OnBrowseStopProgram();
}

LRESULT CDlgMeasureAdjust::OnBrowseNotify(WPARAM, LPARAM lParam)
{
    const auto* pBrowse = reinterpret_cast<const CPathBrowseCtrl*>(lParam);
    if (pBrowse != nullptr)
        OnPathBrowseChange(pBrowse->GetNotifyCode(), nullptr);
    return 0;
}
