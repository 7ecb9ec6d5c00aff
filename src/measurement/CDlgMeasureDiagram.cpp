#include "measurement/CDlgMeasureDiagram.h"

#include "measurement/MeasureDgrmStruct.h"
#include "protocol/CComPort.h"
#include "protocol/ComPortTimers.h"
#include "resources/resource.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/CStoredRecord.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CDlgMeasureDiagram, CDialog)

BEGIN_MESSAGE_MAP(CDlgMeasureDiagram, CDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
constexpr UINT IDS_PAGE_CAPTION = 5057;
}

CDlgMeasureDiagram::CDlgMeasureDiagram(CWnd* pParent, void*)
    : CDialog(IDD_DLG_MEASURE_DIAGRAM, pParent), m_psMeasureDgrmStruct(std::make_unique<MeasureDgrmStruct>())
{
    std::memset(m_psMeasureDgrmStruct.get(), 0, sizeof(MeasureDgrmStruct));
}

CDlgMeasureDiagram::~CDlgMeasureDiagram() = default;

BOOL CDlgMeasureDiagram::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bInitPending)
    {
        LoadStoredOptions();
        m_bInitPending = false;
    }
    return TRUE;
}

void CDlgMeasureDiagram::LoadStoredOptions()
{
    if (!CStoredRecord::Load("MeasureDgrmStruct", m_psMeasureDgrmStruct.get(), sizeof(MeasureDgrmStruct)))
        SetDefaultMeasureDgrm();
}

void CDlgMeasureDiagram::SetDefaultMeasureDgrm()
{
    m_psMeasureDgrmStruct->SetDefaults();
}

BOOL CDlgMeasureDiagram::UpdateLanguageTexts()
{
    return CPageText::SetItemText(this, IDC_PAGE_GROUP, IDS_PAGE_CAPTION, CPageText::GetLanguageOffset());
}

// The panel's timer of the sensor search: a search put off after a device arrival.
void CDlgMeasureDiagram::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_PANEL_DEFERRED_SEARCH)
    {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(nIDEvent);
    if (CPageHost* pHost = CPageHost::FromMainWindow())
        pHost->GetComPort().COM_CheckConnectionIfQbxUsbTyp(0);
}
