// The measure-configuration page: the diagram's axes and the averaging count.
#include "measurement/CDlgMeasureAdjust.h"

#include "measurement/CAdjustHost.h"
#include "measurement/CDiagramAxisRules.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasurementTexts.h"
#include "measurement/MeasureAdjustStruct.h"
#include "protocol/ComPortTimers.h"
#include "resources/resource_adjust.h"
#include "shell/CPageHost.h"

namespace
{
constexpr int AXIS_QUANTITIES = 4;
constexpr UINT AVERAGING_WRITE_DELAY_MS = 1000;
const char* const DIGITS = "0123456789";

struct AxisControls
{
    int iLabelId;
    int iStringId;
};
constexpr AxisControls AXES[3] = {{IDC_ADJ_AXIS_X_LABEL, IDS_X_AXIS},
                                  {IDC_ADJ_AXIS_Y1_LABEL, IDS_Y1_AXIS},
                                  {IDC_ADJ_AXIS_Y2_LABEL, IDS_Y2_AXIS}};
} // namespace

void CDlgMeasureAdjust::ApplyXAxisRule(int iMode)
{
    CDiagramAxisRules::ApplyXAxisRule(*m_psMeasureAdjust, iMode);
}

void CDlgMeasureAdjust::ChangeAxisQuantity(int iAxis, int iQuantity)
{
    CDiagramAxisRules::ChangeAxisQuantity(*m_psMeasureAdjust, m_iLastAxisX, iAxis, iQuantity);
    FillDiagramGroup(m_iLanguageOffsetCopy);
}

BOOL CDlgMeasureAdjust::FillDiagramGroup(int iLanguage)
{
    BOOL bAll = SetText(IDC_ADJ_AVERAGING_LABEL, IDS_AVERAGING_REDUCTION, iLanguage);
    FillAveragingUnit(iLanguage);
    MeasureAdjustStruct& s = *m_psMeasureAdjust;
    const struct
    {
        int iQuantity;
        BYTE bShown;
        const BYTE* pbItem;
    } axes[3] = {{s.iAxisX, s.bAxisXShown, s.bAxisXItem},
                 {s.iAxisY1, s.bAxisY1Shown, s.bAxisY1Item},
                 {s.iAxisY2, s.bAxisY2Shown, s.bAxisY2Item}};
    for (int i = 0; i < 3; ++i)
    {
        const CString strCaption = Text(AXES[i].iStringId, iLanguage);
        bAll &= !strCaption.IsEmpty();
        SetLabelText(AXES[i].iLabelId, axes[i].bShown ? strCaption + ":" : CString());
        CKombiBox& combo = m_cbAxis[i];
        combo.ResetContent();
        if (!axes[i].bShown)
        {
            combo.ShowWindow(SW_HIDE);
            continue;
        }
        combo.ShowWindow(SW_SHOW);
        for (int iQuantity = 0; iQuantity < AXIS_QUANTITIES; ++iQuantity)
        {
            if (axes[i].pbItem[iQuantity])
                combo.AddItem(Text(GetAxisQuantityStringId(iQuantity), iLanguage),
                              static_cast<DWORD_PTR>(iQuantity));
        }
        combo.SetCurSel(combo.FindItemData(static_cast<DWORD_PTR>(axes[i].iQuantity)));
    }
    return bAll;
}

void CDlgMeasureAdjust::OnSelChangeAxis(UINT nId)
{
    const int aiIds[3] = {IDC_ADJ_AXIS_X, IDC_ADJ_AXIS_Y1, IDC_ADJ_AXIS_Y2};
    const int32_t aiQuantity[3] = {m_psMeasureAdjust->iAxisX, m_psMeasureAdjust->iAxisY1,
                                   m_psMeasureAdjust->iAxisY2};
    for (int i = 0; i < 3; ++i)
    {
        const int iIndex = m_cbAxis[i].GetCurSel();
        if (aiIds[i] != static_cast<int>(nId) || iIndex < 0)
            continue;
        const int iQuantity = static_cast<int>(m_cbAxis[i].GetItemData(iIndex));
        if (iQuantity != aiQuantity[i])
            ChangeAxisQuantity(i, iQuantity);
    }
}

// "Werte." behind a count above 1, "Wert." otherwise.
void CDlgMeasureAdjust::FillAveragingUnit(int iLanguage)
{
    CValuePipeline* pPipeline = Pipeline();
    const bool bSeveral = pPipeline && pPipeline->m_iAveragingCount > 1;
    SetText(IDC_ADJ_AVERAGING_UNIT, bSeveral ? IDS_AVERAGING_VALUES : IDS_AVERAGING_VALUE, iLanguage);
}

void CDlgMeasureAdjust::ShowAveragingCount()
{
    if (CValuePipeline* pPipeline = Pipeline())
    {
        CString strCount;
        strCount.Format("%d", pPipeline->m_iAveragingCount);
        WriteField(m_edAveraging, FLAG_AVERAGING, strCount);
    }
}

// The sensor gets the new count a second after the last change.
void CDlgMeasureAdjust::OnChangeAveraging()
{
    CValuePipeline* pPipeline = Pipeline();
    CPageHost* pHost = PageHost();
    if (m_abUpdateFlag[FLAG_AVERAGING] || pPipeline == nullptr || pHost == nullptr)
        return;
    const double dTyped = ReadField(m_edAveraging, FLAG_AVERAGING, DIGITS);
    pPipeline->m_iAveragingCount = CDiagramAxisRules::ReadAveragingCount(dTyped);
    pHost->GetFrameWindow()->SetTimer(TIMER_WAIT_UPDATE_MSR_RATE_SW_CONFIG_BLOCK, AVERAGING_WRITE_DELAY_MS);
    if (dTyped < 1.0)
        ShowAveragingCount();
    FillAveragingUnit(m_iLanguageOffsetCopy);
    ShowCountInfo();
    ShowDurationInfo();
}
