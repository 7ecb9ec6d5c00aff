#include "sensorpages/CDlgCalibInaccuracyRangeFailure.h"

#include "protocol/Language.h"
#include "resources/resource_calibration.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CEnvironment.h"

IMPLEMENT_DYNAMIC(CDlgCalibInaccuracyRangeFailure, CCalibMsgDialog)

namespace
{
constexpr double UPPER_BOUND = 5.0;
constexpr double LOWER_BOUND = 0.0;
} // namespace

CDlgCalibInaccuracyRangeFailure::CDlgCalibInaccuracyRangeFailure(CDlgSensorCalibration* pPage)
    : CCalibMsgDialog(IDD_DLG_INACCURACY_RANGE_FAILURE, pPage, 0)
{
}

CString CDlgCalibInaccuracyRangeFailure::ReplaceFirstMark(const CString& strText, double dValue,
                                                          int iLanguage)
{
    CString strNumber;
    strNumber.Format("%f", dValue);
    strNumber = LocalizeDecimalSeparator(iLanguage, CEnvironment::StripTrailingZeros(strNumber));
    const int iMark = strText.Find('#');
    if (iMark < 0)
        return strText;
    return strText.Left(iMark) + strNumber + strText.Mid(iMark + 1);
}

bool CDlgCalibInaccuracyRangeFailure::FillTexts()
{
    bool bAll = true;
    SetCaption(IDS_STORE_UNCERTAINTY_CAPTION, bAll);
    const CString strText = LoadText(IDS_UNCERTAINTY_OUT_OF_RANGE, bAll);
    SetDlgItemText(
        IDC_CALIB_UNCERTAINTY_LABEL_B,
        ReplaceFirstMark(ReplaceFirstMark(strText, UPPER_BOUND, GetLanguage()), LOWER_BOUND, GetLanguage()));
    SetItemText(IDOK, IDS_BACK, bAll);
    return bAll;
}

void CDlgCalibInaccuracyRangeFailure::OnOK()
{
    StorePosition();
    CCalibMsgDialog::OnOK();
}
