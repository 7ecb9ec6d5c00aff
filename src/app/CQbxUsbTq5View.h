// The view: a read-only edit surface on which the eight operating-mode pages lie. It hands the pages
// their host, its frame, creates them hidden, registers itself and them with the frame, and lays out
// the start page's logo.
#pragma once

#include "framework/CEditView.h"

#include <array>
#include <memory>

class CDlgDiagnostic;
class CDlgDocumentation;
class CDlgLMBk;
class CDlgMeasureAdjust;
class CDlgMeasureDiagram;
class CDlgSensorCalibration;
class CDlgSensorConnection;
class CDlgSensorInformationQbx;
class CMainFrame;
class CModePage;

class CQbxUsbTq5View : public CEditView
{
    DECLARE_DYNCREATE(CQbxUsbTq5View)

public:
    CQbxUsbTq5View();
    ~CQbxUsbTq5View() override;

    static constexpr size_t PAGE_COUNT = 8;
    std::array<CModePage*, PAGE_COUNT> GetPages() const;

    // The start page's logo for a view of cx x cy: its zoom and the top left corner that centres it.
    struct LogoPlacement
    {
        double dZoom;
        int x;
        int y;
    };
    static LogoPlacement CalcLogoPlacement(int cx, int cy);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The frame's hot keys come first.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);

    CMainFrame* m_pMainFrame = nullptr;
    std::unique_ptr<CDlgLMBk> m_pDlgLMBk;
    std::unique_ptr<CDlgSensorConnection> m_pDlgSensorConnection;
    std::unique_ptr<CDlgSensorInformationQbx> m_pDlgSensorInformationQbx;
    std::unique_ptr<CDlgMeasureAdjust> m_pDlgMeasureAdjust;
    std::unique_ptr<CDlgDocumentation> m_pDlgDocumentation;
    std::unique_ptr<CDlgSensorCalibration> m_pDlgSensorCalibration;
    std::unique_ptr<CDlgMeasureDiagram> m_pDlgMeasureDiagram;
    std::unique_ptr<CDlgDiagnostic> m_pDlgDiagnostic;
    int m_bRegistrationPending = 1;

protected:
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

private:
    void RegisterWithFrame();
    void DestroyPages();
};
