// Base of the three pages of the chart property window: each edits one part of the chart and changes
// it only on Apply or OK. Enter and Escape do nothing inside a page; OK applies and closes the window
// that holds the page, Cancel only closes it.
#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"

#include <initializer_list>

class CComboBox;
class CDataExchange;
class CPlot;

class CChartTabPage : public CDialog
{
public:
    explicit CChartTabPage(UINT nIDTemplate);

    // Set before the page's window is created.
    void SetChart(CPlot* pChart, CDialog* pOwner)
    {
        m_pChart = pChart;
        m_pOwner = pOwner;
    }
    CPlot* GetChart() const { return m_pChart; }

    // Writes the page's values to the chart.
    virtual void OnApply() = 0;
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Key-down and key-up of Enter and Escape.
    static bool IsEnterOrEscape(const MSG& msg);
    // "%d %s" with n counted from 1.
    static CString NumberedTitle(int n, const CString& strTitle);
    // A horizontal line in a black 1-pixel pen of this style across an owner-drawn item, 6 pixels
    // below its top, on the highlight or window colour.
    static void DrawPenStyleItem(const DRAWITEMSTRUCT& dis, int nPenStyle);
    // Integer text checked against nMin..nMax; the value changes only when it passes.
    static void ExchangeInt(CDataExchange* pDX, int nIDC, int& value, int nMin, int nMax);

protected:
    bool IsShownPage() const { return m_hWnd != nullptr && IsWindowVisible(); }
    void EnableApply(BOOL bEnable);
    void EnableControl(int nID, BOOL bEnable);
    // Fills a list with fixed entries.
    void FillList(CComboBox& list, std::initializer_list<LPCSTR> entries);
    // Erases and redraws the chart window.
    void InvalidateChart();

    afx_msg LRESULT OnColourChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CPlot* m_pChart = nullptr;
    CDialog* m_pOwner = nullptr;
};
