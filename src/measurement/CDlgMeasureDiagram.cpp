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

// The panel's timers of the sensor search: a search put off after a device arrival, and the wait for
// the status answer that starts a connection.
void CDlgMeasureDiagram::OnTimer(UINT_PTR nIDEvent)
{
    CPageHost* pHost = CPageHost::FromMainWindow();
    switch (nIDEvent)
    {
        case TIMER_PANEL_DEFERRED_SEARCH:
            KillTimer(nIDEvent);
            if (pHost)
                pHost->GetComPort().COM_CheckConnectionIfQbxUsbTyp(0);
            break;
        case TIMER_PANEL_START_ANSWER:
            KillTimer(nIDEvent);
            if (pHost)
                pHost->GetComPort().COM_ZMCOMConfgStartInitNoAnswer();
            break;
        default:
            CDialog::OnTimer(nIDEvent);
            break;
    }
}
