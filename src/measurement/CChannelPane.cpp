#include "measurement/CChannelPane.h"

#include "controls/CResizableBar.h"
#include "framework/CDataExchange.h"
#include "measurement/CPaneHost.h"
#include "measurement/CMeasureHost.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasurementTexts.h"
#include "resources/resource.h"
#include "shell/CPaneRegistration.h"

IMPLEMENT_DYNAMIC(CChannelPane, CFormView)

BEGIN_MESSAGE_MAP(CChannelPane, CFormView)
ON_BN_CLICKED(IDC_CHANNEL_TARE, OnBtnTara)
ON_BN_CLICKED(IDC_CHANNEL_MIN_RESET, OnBtnMinReset)
ON_BN_CLICKED(IDC_CHANNEL_MAX_RESET, OnBtnMaxReset)
ON_WM_TIMER()
END_MESSAGE_MAP()

CChannelPane::CChannelPane(int iChannel, UINT nRegisterMessage, UINT_PTR iFirstTimer)
    : CFormView(IDD_FORM_CHANNEL), m_iChannel(iChannel), m_nRegisterMessage(nRegisterMessage),
      m_iFirstTimer(iFirstTimer)
{
}

void CChannelPane::SetHost(CPaneHost* pHost)
{
    m_pPaneHost = pHost;
    m_pMainFrame = pHost ? &pHost->GetMeasureHost() : nullptr;
}

void CChannelPane::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHANNEL_VALUE, m_edValue);
    DDX_Control(pDX, IDC_CHANNEL_TARE_VALUE, m_edTare);
    DDX_Control(pDX, IDC_CHANNEL_MIN_VALUE, m_edMin);
    DDX_Control(pDX, IDC_CHANNEL_MAX_VALUE, m_edMax);
    DDX_Control(pDX, IDC_CHANNEL_TARE, m_btnTara);
    DDX_Control(pDX, IDC_CHANNEL_MIN_RESET, m_btnMinReset);
    DDX_Control(pDX, IDC_CHANNEL_MAX_RESET, m_btnMaxReset);
}

void CChannelPane::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    bool bPending = m_bRegisterPending != 0;
    CPaneRegistration::PostOnce(this, m_nRegisterMessage, bPending);
    m_bRegisterPending = bPending ? 1 : 0;
}

// ---- Fields

BYTE& CChannelPane::ReadyFlag(int iField)
{
    switch (iField)
    {
        case FIELD_TARE:
            return m_bTareReady;
        case FIELD_MIN:
            return m_bMinReady;
        case FIELD_MAX:
            return m_bMaxReady;
        default:
            return m_bValueReady;
    }
}

CEdit& CChannelPane::FieldEdit(int iField)
{
    switch (iField)
    {
        case FIELD_TARE:
            return m_edTare;
        case FIELD_MIN:
            return m_edMin;
        case FIELD_MAX:
            return m_edMax;
        default:
            return m_edValue;
    }
}

bool CChannelPane::IsFieldReady(int iField)
{
    return ReadyFlag(iField) != 0;
}

void CChannelPane::SetFieldText(int iField, const CString& strText)
{
    ReadyFlag(iField) = 0;
    SetTimer(m_iFirstTimer + static_cast<UINT_PTR>(iField), FIELD_BLOCK_MS);
    CString strShown;
    FormatValue(strShown, strText, nullptr, MODE_APPEND_UNIT);
    if (FieldEdit(iField).GetSafeHwnd())
        FieldEdit(iField).SetWindowText(strShown);
}

CString CChannelPane::GetFieldText(int iField) const
{
    CString str;
    CEdit& edit = const_cast<CChannelPane*>(this)->FieldEdit(iField);
    if (edit.GetSafeHwnd())
        edit.GetWindowText(str);
    return str;
}

void CChannelPane::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent < m_iFirstTimer || nIDEvent > m_iFirstTimer + FIELD_MAX)
    {
        CFormView::OnTimer(nIDEvent);
        return;
    }
    KillTimer(nIDEvent);
    ReadyFlag(static_cast<int>(nIDEvent - m_iFirstTimer)) = 1;
}

CString CChannelPane::FormatValue(CString& strOut, const CString& strValue, const char* pcTypeClass,
                                  int iMode, CString* pstrValue, CString* pstrUnit, int* piUnitStringId,
                                  int* piUnitCode, int* piDecimals, double* pdFactor)
{
    strOut = FormatByTypeClass(m_iChannel, strValue, pcTypeClass, iMode, pstrValue, pstrUnit, piUnitStringId,
                               piUnitCode, piDecimals, pdFactor);
    return strOut;
}

// ---- Buttons

void CChannelPane::OnBtnTara()
{
    if (m_pPaneHost == nullptr)
        return;
    CValuePipeline& pipeline = m_pPaneHost->GetPipeline();
    BYTE& bTareOff = pipeline.m_sChannel[m_iChannel].bTareOff;
    bTareOff = bTareOff ? 0 : 1;
    CString strCaption;
    const int iLanguage = m_pPaneHost->GetMeasureHost().GetLanguageOffset();
    if (strCaption.LoadString(static_cast<UINT>((bTareOff ? IDS_TARE_ON : IDS_TARE_OFF) + iLanguage)) &&
        m_btnTara.GetSafeHwnd())
        m_btnTara.SetWindowText(strCaption);
    m_iChannel == 0 ? pipeline.OnTaraA() : pipeline.OnTaraB();
}

void CChannelPane::OnBtnMinReset()
{
    if (m_pPaneHost != nullptr)
        m_iChannel == 0 ? m_pPaneHost->GetPipeline().ResetMinA() : m_pPaneHost->GetPipeline().ResetMinB();
}

void CChannelPane::OnBtnMaxReset()
{
    if (m_pPaneHost != nullptr)
        m_iChannel == 0 ? m_pPaneHost->GetPipeline().ResetMaxA() : m_pPaneHost->GetPipeline().ResetMaxB();
}

void CChannelPane::RemoveTare()
{
    if (m_pPaneHost != nullptr && m_pPaneHost->GetPipeline().m_sChannel[m_iChannel].bTareOff == 0)
        OnBtnTara();
}

void CChannelPane::EnableButtons(bool bEnable)
{
    for (CButton* pButton : {&m_btnTara, &m_btnMinReset, &m_btnMaxReset})
    {
        if (pButton->GetSafeHwnd())
            pButton->EnableWindow(bEnable);
    }
}

// ---- Keys

BOOL CChannelPane::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_MENU && m_pPaneHost != nullptr &&
        CResizableBar::IsInFloatingBar(this))
        m_pPaneHost->TakeFocusFromPane();
    return CFormView::PreTranslateMessage(pMsg);
}
