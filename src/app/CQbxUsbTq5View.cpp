#include "app/CQbxUsbTq5View.h"

#include "measurement/CDlgMeasureAdjust.h"
#include "measurement/CDlgMeasureDiagram.h"
#include "resources/resource.h"
#include "sensorpages/CDlgDiagnostic.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "sensorpages/CDlgSensorConnection.h"
#include "sensorpages/CDlgSensorInformationQbx.h"
#include "shell/CDlgLMBk.h"
#include "app/CMainFrame.h"
#include "shell/ShellMessages.h"
#include "storage/CDlgDocumentation.h"

#include <algorithm>
#include <array>

IMPLEMENT_DYNCREATE(CQbxUsbTq5View, CEditView)

BEGIN_MESSAGE_MAP(CQbxUsbTq5View, CEditView)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace
{
// Logo factor by the smaller side of the view: the first bound the side exceeds gives the factor.
struct ZoomStep
{
    int iBound;
    double dFactor;
};
constexpr ZoomStep ZOOM_STEPS[] = {{1200, 1.5}, {1000, 1.1}, {800, 1.0}, {600, 0.9},  {400, 0.8}, {200, 0.7},
                                   {150, 0.6},  {100, 0.5},  {75, 0.25}, {50, 0.125}, {25, 0.08}};
constexpr double ZOOM_SMALLEST = 0.0005;
constexpr double ZOOM_SCALE = 1.3;
constexpr int LOGO_SIZE = 161;
} // namespace

CQbxUsbTq5View::CQbxUsbTq5View()
    : m_pDlgLMBk(std::make_unique<CDlgLMBk>()),
      m_pDlgSensorConnection(std::make_unique<CDlgSensorConnection>()),
      m_pDlgSensorInformationQbx(std::make_unique<CDlgSensorInformationQbx>()),
      m_pDlgMeasureAdjust(std::make_unique<CDlgMeasureAdjust>()),
      m_pDlgDocumentation(std::make_unique<CDlgDocumentation>()),
      m_pDlgSensorCalibration(std::make_unique<CDlgSensorCalibration>()),
      m_pDlgMeasureDiagram(std::make_unique<CDlgMeasureDiagram>()),
      m_pDlgDiagnostic(std::make_unique<CDlgDiagnostic>())
{
}

CQbxUsbTq5View::~CQbxUsbTq5View() = default;

// The pages in ModePageId order 131, 133, 202, 135, 136, 137, 138, 139.
std::array<CModePage*, CQbxUsbTq5View::PAGE_COUNT> CQbxUsbTq5View::GetPages() const
{
    return {m_pDlgLMBk.get(),           m_pDlgSensorConnection.get(), m_pDlgSensorInformationQbx.get(),
            m_pDlgMeasureAdjust.get(),  m_pDlgDocumentation.get(),    m_pDlgSensorCalibration.get(),
            m_pDlgMeasureDiagram.get(), m_pDlgDiagnostic.get()};
}

CQbxUsbTq5View::LogoPlacement CQbxUsbTq5View::CalcLogoPlacement(int cx, int cy)
{
    const int m = std::min(cx, cy);
    double dFactor = ZOOM_SMALLEST;
    for (const ZoomStep& step : ZOOM_STEPS)
    {
        if (m > step.iBound)
        {
            dFactor = step.dFactor;
            break;
        }
    }
    const double dZoom = dFactor * ZOOM_SCALE;
    const int h = static_cast<int>(LOGO_SIZE * dZoom / 2);
    return {dZoom, cx / 2 - h, cy / 2 - h};
}

BOOL CQbxUsbTq5View::PreCreateWindow(CREATESTRUCT& cs)
{
    const BOOL bResult = CEditView::PreCreateWindow(cs);
    cs.style &= ~(WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL);
    cs.style |= ES_READONLY | ES_NOHIDESEL;
    return bResult;
}

BOOL CQbxUsbTq5View::PreTranslateMessage(MSG* pMsg)
{
    if (m_pMainFrame != nullptr && m_pMainFrame->TranslateHotKeys(pMsg))
        return TRUE;
    return CEditView::PreTranslateMessage(pMsg);
}

void CQbxUsbTq5View::OnInitialUpdate()
{
    CEditView::OnInitialUpdate();
    // The pages are handed their hosts, the view's frame, before they are created.
    m_pMainFrame = dynamic_cast<CMainFrame*>(GetParentFrame());
    const std::array<CModePage*, PAGE_COUNT> pages = GetPages();
    for (CModePage* pPage : pages)
        pPage->SetPageHost(m_pMainFrame);
    m_pDlgMeasureDiagram->SetPanelHost(m_pMainFrame);
    const UINT templates[] = {
        IDD_DLG_LMBK,          IDD_DLG_SENSOR_CONNECTION,  IDD_DLG_SENSOR_INFORMATION, IDD_DLG_MEASURE_ADJUST,
        IDD_DLG_DOCUMENTATION, IDD_DLG_SENSOR_CALIBRATION, IDD_DLG_MEASURE_DIAGRAM,    IDD_DLG_DIAGNOSTIC};
    for (size_t i = 0; i < pages.size(); ++i)
    {
        if (pages[i]->GetSafeHwnd() == nullptr)
            pages[i]->Create(templates[i], this);
    }
    for (CModePage* pPage : pages)
    {
        if (pPage->GetSafeHwnd())
            pPage->ShowWindow(SW_HIDE);
    }
    RegisterWithFrame();
}

// Posted, so the frame handles them once the framework has finished creating frame, document and view.
void CQbxUsbTq5View::RegisterWithFrame()
{
    if (!m_bRegistrationPending || m_pMainFrame == nullptr)
        return;
    m_pMainFrame->PostMessage(WM_REGISTER_VIEW, reinterpret_cast<WPARAM>(this), WM_REGISTER_VIEW);
    const std::array<CModePage*, PAGE_COUNT> pages = GetPages();
    for (UINT i = 0; i < pages.size(); ++i)
    {
        const UINT nMessage = WM_REGISTER_DLG_LMBK + i;
        m_pMainFrame->PostMessage(nMessage, reinterpret_cast<WPARAM>(static_cast<CWnd*>(pages[i])), nMessage);
    }
    m_bRegistrationPending = 0;
}

void CQbxUsbTq5View::OnSize(UINT nType, int cx, int cy)
{
    CEditView::OnSize(nType, cx, cy);
    if (m_bRegistrationPending || m_pMainFrame == nullptr)
        return;
    if (m_pDlgLMBk->GetSafeHwnd() && m_pMainFrame->GetActiveMode() == MODE_PAGE_START)
    {
        m_pDlgLMBk->MoveWindow(0, 0, cx, cy, TRUE);
        const LogoPlacement placement = CalcLogoPlacement(cx, cy);
        m_pDlgLMBk->LayoutLogo(placement.x, placement.y, placement.dZoom);
    }
    else if (!m_pMainFrame->IsInitPending() && m_pDlgSensorConnection->GetSafeHwnd() &&
             m_pDlgSensorConnection->IsWindowVisible())
        m_pDlgSensorConnection->UpdateLayout();
}

void CQbxUsbTq5View::OnSetFocus(CWnd* pOldWnd)
{
    CEditView::OnSetFocus(pOldWnd);
    ::DestroyCaret();
}

void CQbxUsbTq5View::OnDestroy()
{
    CEditView::OnDestroy();
    DestroyPages();
}

void CQbxUsbTq5View::DestroyPages()
{
    for (CModePage* pPage : GetPages())
    {
        if (pPage->GetSafeHwnd())
            pPage->DestroyWindow();
    }
    m_pDlgLMBk.reset();
    m_pDlgSensorConnection.reset();
    m_pDlgSensorInformationQbx.reset();
    m_pDlgMeasureAdjust.reset();
    m_pDlgDocumentation.reset();
    m_pDlgSensorCalibration.reset();
    m_pDlgMeasureDiagram.reset();
    m_pDlgDiagnostic.reset();
}
