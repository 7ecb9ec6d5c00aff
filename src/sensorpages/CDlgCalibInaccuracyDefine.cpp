#include "sensorpages/CDlgCalibInaccuracyDefine.h"

#include "controls/ControlTexts.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/CComPort.h"
#include "protocol/Language.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"

IMPLEMENT_DYNAMIC(CDlgCalibInaccuracyDefine, CCalibMsgDialog)

BEGIN_MESSAGE_MAP(CDlgCalibInaccuracyDefine, CCalibMsgDialog)
ON_BN_CLICKED(IDC_CALIB_ALT_OK, OnBtnChangeB)
ON_BN_CLICKED(IDC_CALIB_DELETE_A, OnBtnDeleteA)
ON_BN_CLICKED(IDC_CALIB_DELETE_B, OnBtnDeleteB)
ON_EN_CHANGE(IDC_CALIB_UNCERTAINTY_A, OnChangeValueA)
ON_EN_CHANGE(IDC_CALIB_UNCERTAINTY_B, OnChangeValueB)
END_MESSAGE_MAP()

namespace
{
constexpr int VALUE_LIMIT = 6;
constexpr int UNCERTAINTY_OF_A = 1;
constexpr int UNCERTAINTY_OF_B = 0;
constexpr BYTE STATOR_TYPE_INTERFACE = 5;
constexpr int ROW_B_CONTROLS[] = {IDC_CALIB_UNCERTAINTY_B, IDC_CALIB_ALT_OK, IDC_CALIB_DELETE_B,
                                  IDC_CALIB_UNCERTAINTY_LABEL_B, IDC_CALIB_PERCENT_B};
} // namespace

CDlgCalibInaccuracyDefine::CDlgCalibInaccuracyDefine(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_INACCURACY_DEFINE, pPage, 0)
{
}

CString CDlgCalibInaccuracyDefine::UncertaintyText(double dPercent, bool bValid, int iLanguage)
{
    if (!bValid)
        return LocalizeDecimalSeparator(iLanguage, "0,0000");
    CString str;
    str.Format("%f", dPercent);
    return LocalizeDecimalSeparator(iLanguage, CEnvironment::StripTrailingZeros(str));
}

BOOL CDlgCalibInaccuracyDefine::OnInitDialog()
{
    CCalibMsgDialog::OnInitDialog();
    for (int iControl : {IDC_CALIB_UNCERTAINTY_A, IDC_CALIB_UNCERTAINTY_B})
        SendDlgItemMessage(iControl, EM_LIMITTEXT, VALUE_LIMIT);
    return TRUE;
}

bool CDlgCalibInaccuracyDefine::FillTexts()
{
    bool bAll = true;
    SetCaption(IDS_STORE_UNCERTAINTY_CAPTION, bAll);
    CString strLabel = LoadText(IDS_UNCERTAINTY_LABEL, bAll);
    strLabel.Remove(':');
    SetDlgItemText(IDC_CALIB_UNCERTAINTY_LABEL_A, strLabel + " " + LoadText(IDS_CHANNEL_A, bAll) + ":");
    SetDlgItemText(IDC_CALIB_UNCERTAINTY_LABEL_B, strLabel + " " + LoadText(IDS_CHANNEL_B, bAll) + ":");
    SetItemText(IDOK, IDS_CHANGE, bAll);
    SetItemText(IDC_CALIB_ALT_OK, IDS_CHANGE, bAll);
    SetItemText(IDC_CALIB_DELETE_A, IDS_DELETE, bAll);
    SetItemText(IDC_CALIB_DELETE_B, IDS_DELETE, bAll);
    SetItemText(IDCANCEL, IDS_CANCEL, bAll);

    CComPort& engine = Engine();
    BYTE ucValidA = 0;
    BYTE ucValidB = 0;
    const double dA = engine.COM_GetCalibInaccuracy(&ucValidA, nullptr, nullptr, UNCERTAINTY_OF_A);
    const double dB = engine.COM_GetCalibInaccuracy(&ucValidB, nullptr, nullptr, UNCERTAINTY_OF_B);
    SetDlgItemText(IDC_CALIB_UNCERTAINTY_A, UncertaintyText(dA, ucValidA != 0, GetLanguage()));
    SetDlgItemText(IDC_CALIB_UNCERTAINTY_B, UncertaintyText(dB, ucValidB != 0, GetLanguage()));
    if (m_pMainFrame != nullptr)
        m_pMainFrame->FocusEditSelectAll(
            GetDlgItem(ucValidA && !ucValidB ? IDC_CALIB_UNCERTAINTY_B : IDC_CALIB_UNCERTAINTY_A));
    const SensorStruct& s = engine.m_sSensor;
    const bool bOneChannelInterface = s.ucInterfaceKind == 1 && s.ucStatorType == STATOR_TYPE_INTERFACE;
    for (int iControl : ROW_B_CONTROLS)
        ShowItem(iControl, !bOneChannelInterface);
    return bAll;
}

void CDlgCalibInaccuracyDefine::OnCancel()
{
    StorePosition();
    CCalibMsgDialog::OnCancel();
}

void CDlgCalibInaccuracyDefine::Choose(double dValue, int iAction)
{
    StorePosition();
    GetPage().m_dUncertaintyValue = dValue;
    GetPage().m_iUncertaintyAction = iAction;
    EndDialog(IDOK);
}

void CDlgCalibInaccuracyDefine::OnChangeValueA()
{
    if (!m_bBusyA)
        m_dValueA = GetEditValue(IDC_CALIB_UNCERTAINTY_A, m_bBusyA, m_strAllowed);
}

void CDlgCalibInaccuracyDefine::OnChangeValueB()
{
    if (!m_bBusyB)
        m_dValueB = GetEditValue(IDC_CALIB_UNCERTAINTY_B, m_bBusyB, m_strAllowed);
}
