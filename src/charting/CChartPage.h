// The chart property window: a modeless popup with a tab control holding the chart, axis and curve
// pages. The pages are built when the window is first shown; each showing starts on the chart page.
// The window keeps no pointer to an axis or curve, only their numbers: the chart holds them by value
// and moves them when a curve is added.
#pragma once

#include "framework/CDialog.h"
#include "framework/CTabCtrl.h"

#include <functional>
#include <memory>

class CAxisDlg;
class CChartDlg;
class CCurveDlg;
class CPlot;

class CChartPage : public CDialog
{
public:
    enum Tab
    {
        TAB_CHART = 0,
        TAB_AXIS = 1,
        TAB_CURVE = 2
    };

    CChartPage();
    ~CChartPage() override;

    // Set by the creator before the window is created.
    CPlot* m_pChart = nullptr;

    // The axis page edits x axis n or y axis n, the curve page curve n; each page reloads.
    void EditXAxis(int n);
    void EditYAxis(int n);
    void EditCurve(int n);

    // Hide the window and repaint the chart at once.
    void OnOK() override;
    void OnCancel() override;

    // The y axis and the curve the pages start with; -1 before the first showing.
    int GetStartAxis() const { return m_iStartAxis; }
    int GetStartCurve() const { return m_iStartCurve; }
    CChartDlg* GetChartDlg() const { return m_pChartDlg.get(); }
    CAxisDlg* GetAxisDlg() const { return m_pAxisDlg.get(); }
    CCurveDlg* GetCurveDlg() const { return m_pCurveDlg.get(); }
    // The page of a tab: 0 chart, 1 axis, 2 curve; null for any other.
    CDialog* GetTabPage(int iTab) const;

    CTabCtrl m_ctrlTab;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnTabSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void CreatePages();
    // Makes and creates a page once, in the tab control, set up before its window exists.
    template <class TPage>
    void CreatePage(std::unique_ptr<TPage>& pPage, UINT nIDTemplate,
                    const std::function<void(TPage&)>& setUp);
    void InsertTabs();
    // Hides and disables the three pages, then shows and enables the page of iTab at 8,25, without a
    // caption; nZOrder SWP_NOZORDER keeps its place, 0 brings it to the top.
    void ShowTabPage(int iTab, UINT nZOrder);

    std::unique_ptr<CChartDlg> m_pChartDlg;
    std::unique_ptr<CCurveDlg> m_pCurveDlg;
    std::unique_ptr<CAxisDlg> m_pAxisDlg;
    int m_iStartAxis = -1;
    int m_iStartCurve = -1;
};
