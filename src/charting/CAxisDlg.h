// The axis page of the chart property window: title and fonts, visibility, automatic scaling, the
// displayed range and step (as dates, times and a time step on a time axis), tick-label decimals or
// date format, sizes, grid, colours and side of one x or y axis. Fonts act at once, the rest on Apply.
#pragma once

#include "charting/CChartTabPage.h"
#include "charting/CSwatchButton.h"
#include "framework/COleDateTime.h"
#include "framework/CComboBox.h"
#include "framework/CSpinButtonCtrl.h"

class CPlotAxis;

class CAxisDlg : public CChartTabPage
{
public:
    enum AxisKind
    {
        AXIS_X = 0,
        AXIS_Y = 1
    };
    enum TimeUnit
    {
        UNIT_SECONDS = 0,
        UNIT_MINUTES = 1,
        UNIT_HOURS = 2,
        UNIT_DAYS = 3
    };
    static constexpr int MAX_DECIMALS = 6;
    static constexpr int MAX_TIME_STEP = 22118400;

    CAxisDlg();

    // The axis the page edits: x axis or y axis n of the chart.
    void SetAxis(int iKind, int n)
    {
        m_iAxisKind = iKind;
        m_iAxis = n;
    }
    // Null when the chart has no such axis.
    CPlotAxis* GetAxis() const;
    // Fills the page from the axis.
    void LoadFromAxis();

    BOOL OnInitDialog() override;
    void OnApply() override;

    // A step in days as whole seconds, expressed in the largest unit (days, hours, minutes) that
    // divides them and is exceeded by them, else in seconds.
    static void SplitTimeStep(double dStepDays, int& iTimeStep, int& iUnit);
    // Seconds of a unit; 1 when no unit is chosen.
    static long long UnitSeconds(int iUnit);
    // The largest time step of a unit: the field's limit, and no more than the largest step of the
    // time axis' table.
    static int MaxTimeStep(int iUnit);
    // "%5.<n>e" for a range that reaches beyond ±1,000,000 or has an end closer to 0 than 0.000001,
    // else "%5.<n>f".
    static CString NumberFormatFor(double dMin, double dMax, int nDecimals);
    // The digits after the first "." of a printf format; nPrevious when it has none.
    static int DecimalsOf(const CString& strFormat, int nPrevious);
    // A line feed of a date format shows as backslash and n in the field, and back.
    static CString FormatToField(CString strFormat);
    static CString FieldToFormat(CString strField);

    CSpinButtonCtrl m_spinMarkerSize;
    CSpinButtonCtrl m_spinArrowSize;
    CSpinButtonCtrl m_spinTickLength;
    CSwatchButton m_btnGridColor;
    CSwatchButton m_btnAxisColor;
    CSpinButtonCtrl m_spinDecimals;
    CString m_strTitle;
    BOOL m_bAutoScale = FALSE;
    double m_dMin = 0;
    double m_dMax = 0;
    BOOL m_bGrid = FALSE;
    BOOL m_bTime = FALSE;
    BOOL m_bVisible = TRUE;
    int m_iDecimals = 0;
    int m_iArrowSize = 0;
    int m_iTickLength = 0;
    int m_iMarkerSize = 0;
    double m_dStep = 0;
    COleDateTime m_dtMaxDate;
    COleDateTime m_dtMaxTime;
    COleDateTime m_dtMinDate;
    COleDateTime m_dtMinTime;
    CString m_strTimeFormat;
    BOOL m_bCurveMarkers = FALSE;
    int m_iSide = -1;
    int m_iGridStyle = -1;
    int m_iTimeStepUnit = -1;
    int m_iTimeStep = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnSettingChanged();
    afx_msg void OnPickerChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTickFont();
    afx_msg void OnTitleFont();
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyEnableRules();
    void LoadTimeAxis(const CPlotAxis& axis);
    void LoadNumericAxis(const CPlotAxis& axis);
    // The time axis' range from the pickers; false when they hold no valid date.
    bool ReadTimeRange(double& dMin, double& dMax) const;
    // Asks for a font; true with lf filled when one was chosen.
    bool AskForFont(LOGFONTA& lf);
    // The chosen font goes to the axis' title or tick labels at once.
    void ChangeFont(bool bTitle);

    CComboBox m_cbSide;
    CComboBox m_cbGridStyle;
    CComboBox m_cbTimeStepUnit;
    int m_iAxisKind = AXIS_Y;
    int m_iAxis = 0;
};
