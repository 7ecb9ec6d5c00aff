#include "measurement/CDlgMeasureAdjust.h"

#include "framework/CWinApp.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "resources/resource.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/CStoredRecord.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CDlgMeasureAdjust, CModePage)

namespace
{
const char* const SECTION = "DespiteReset";
const char* const LIMIT_VALUES[4] = {"IOLowerLimitOfMeasurand_1", "IOUpperLimitOfMeasurand_1",
                                     "IOLowerLimitOfMeasurand_2", "IOUpperLimitOfMeasurand_2"};
} // namespace

CDlgMeasureAdjust::CDlgMeasureAdjust(CWnd* pParent, void*)
    : CModePage(IDD_DLG_MEASURE_ADJUST, pParent), m_psMeasureAdjust(std::make_unique<MeasureAdjustStruct>())
{
    std::memset(m_psMeasureAdjust.get(), 0, sizeof(MeasureAdjustStruct));
}

CDlgMeasureAdjust::~CDlgMeasureAdjust() = default;

BOOL CDlgMeasureAdjust::OnInitDialog()
{
    CModePage::OnInitDialog();
    if (m_bFirstInit)
    {
        m_iLanguageOffsetCopy = GetLanguageOffset();
        LoadStoredSettings();
        m_bFirstInit = false;
    }
    return TRUE;
}

void CDlgMeasureAdjust::LoadStoredSettings()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && CStoredRecord::Load(GetPageHost(), "MeasureAdjustStruct", m_psMeasureAdjust.get(),
                                    sizeof(MeasureAdjustStruct)))
    {
        m_strStartProgram = pApp->GetProfileString(SECTION, "PartOfMeasureStartAddProg", "n.a.");
        m_strStopProgram = pApp->GetProfileString(SECTION, "PartOfMeasureStopAddProg", "n.a.");
        m_iLimitMeasurandIndex[0] =
            std::atoi(pApp->GetProfileString(SECTION, "IndexOfLimitedMeasurand_1", "n.a."));
        m_iLimitMeasurandIndex[1] =
            std::atoi(pApp->GetProfileString(SECTION, "IndexOfLimitedMeasurand_2", "n.a."));
        for (int i = 0; i < 4; ++i)
            m_strLimitText[i] = pApp->GetProfileString(SECTION, LIMIT_VALUES[i], "");
    }
    else
        SetDefaultMeasureAdjustStruct();
    if (CPageHost* pHost = GetPageHost())
        pHost->SetTriggerThresholds(m_psMeasureAdjust->dStartValue, m_psMeasureAdjust->dStopValue);
}

int CDlgMeasureAdjust::SetDefaultMeasureAdjustStruct()
{
    m_psMeasureAdjust->SetDefaults();
    return 1;
}

void CDlgMeasureAdjust::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachAdjust(bAttach ? this : nullptr);
}

void CDlgMeasureAdjust::Adjust_GetChannelSelection(bool& bChannelA, bool& bChannelB)
{
    bChannelA = m_psMeasureAdjust->bCheckedA != 0;
    bChannelB = m_psMeasureAdjust->bCheckedB != 0;
}

BOOL CDlgMeasureAdjust::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_MEASURE_ADJUST, m_iLanguageOffsetCopy);
}
