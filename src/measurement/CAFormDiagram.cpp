#include "measurement/CAFormDiagram.h"

#include "controls/CResizableBar.h"
#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "measurement/CDiagramOutput.h"
#include "measurement/CDiagramPaneHost.h"
#include "measurement/CDiagramRules.h"
#include "measurement/CMeasureDocumentation.h"
#include "measurement/CMeasureHost.h"
#include "measurement/CValuePipeline.h"
#include "measurement/MeasureAdjustStruct.h"
#include "measurement/MeasurementTexts.h"
#include "protocol/Language.h"
#include "resources/resource.h"
#include "shell/CPaneRegistration.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormDiagram, CFormView)

BEGIN_MESSAGE_MAP(CAFormDiagram, CFormView)
ON_WM_PAINT()
ON_WM_SHOWWINDOW()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
constexpr int WARM_UP_POINTS = 10;
constexpr int GRAPH_MARGIN = 9;
constexpr int GRAPH_SHRINK = 19;

// Menu texts of the commands 60001 to 60005 and 60008, German and every other language.
struct MenuTexts
{
    const char* pszZoomIn;
    const char* pszZoomOut;
    const char* pszPan;
    const char* pszCursor;
    const char* pszGrid;
    const char* pszLegend;
};
const MenuTexts MENU_GERMAN = {"Zoom in", "Zoom out",       "Verschieben",
                               "Cursor",  "Raster ein/aus", "Legende anzeigen"};
const MenuTexts MENU_OTHER = {"Zoom in", "Zoom out", "Scrolling", "Cursor", "Grid on/off", "show Legend"};
} // namespace

CAFormDiagram::CAFormDiagram() : CFormView(IDD_FORM_DIAGRAM) {}

void CAFormDiagram::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DIAGRAM_PLACE, m_wndGraph);
}

void CAFormDiagram::SetHost(CDiagramPaneHost* pHost)
{
    m_pPaneHost = pHost;
    if (!m_bFirstInit)
        UpdateLanguageTexts();
}

int CAFormDiagram::LanguageOffset()
{
    return m_pPaneHost ? m_pPaneHost->GetMeasureHost().GetLanguageOffset() : LANGUAGE_ENGLISH;
}

void CAFormDiagram::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (!m_bFirstInit)
        return;
    CPaneRegistration::PostOnce(this, WM_REGISTER_DIAGRAM, m_bRegistrationPending);
    if (m_wndGraph.create(this))
        m_pGraphWnd = &m_wndGraph;
    for (int i = 0; i < WARM_UP_POINTS; ++i)
    {
        m_wndGraph.addPoint(0, 0.0, 0.0);
        m_wndGraph.addPoint(1, 0.0, 0.0);
    }
    for (int iCurve : {0, 1})
    {
        m_wndGraph.showCurve(iCurve, true, true, true);
        m_wndGraph.setCurveLineWidth(iCurve, 1);
    }
    UpdateLanguageTexts();
    m_bFirstInit = 0;
}

// ---- Texts

BOOL CAFormDiagram::UpdateLanguageTexts()
{
    const int iLanguage = LanguageOffset();
    const MenuTexts& menu = iLanguage == LANGUAGE_GERMAN ? MENU_GERMAN : MENU_OTHER;
    CGraphicDisplayWnd& graph = m_wndGraph;
    graph.setMenuTextZoomIn(menu.pszZoomIn);
    graph.setMenuTextZoomOut(menu.pszZoomOut);
    graph.setMenuTextPan(menu.pszPan);
    graph.setMenuTextCursor(menu.pszCursor);
    graph.setMenuTextGrid(menu.pszGrid);
    graph.setMenuTextLegend(menu.pszLegend);
    // The other entries are left out of the menu.
    graph.setMenuTextSelect(CString());
    graph.setMenuTextFitX(CString());
    graph.setMenuTextFitY(CString());
    graph.setMenuTextCurveOnOff(CString());
    graph.setMenuTextMeasure(CString());
    graph.setMenuTextReset(CString());
    graph.setMenuTextProperties(CString());
    DlgTextTable texts;
    GetDefaultChartPageTexts(texts);
    graph.setChartPageTexts(texts);
    GetDefaultAxisPageTexts(texts);
    graph.setAxisPageTexts(texts);
    GetDefaultCurvePageTexts(texts);
    graph.setCurvePageTexts(texts);
    UpdateAxisTexts(iLanguage);
    if (m_pGraphWnd != nullptr && m_wndGraph.GetSafeHwnd())
        m_wndGraph.SendMessage(WM_PAINT);
    return TRUE;
}

void CAFormDiagram::UpdateAxisTexts(int iLanguageOffset)
{
    if (m_pPaneHost == nullptr || !m_wndGraph.GetSafeHwnd())
        return;
    const ChannelSettingsStruct* psChannels = m_pPaneHost->GetPipeline().m_sChannel;
    const bool bDigitalInputB = m_pPaneHost->HasDigitalInputB();
    CDiagramFeed& f = m_feed;
    if (f.m_iQuantityX > 0)
    {
        m_wndGraph.setXAxisTitle(
            CDiagramRules::QuantityText(f.m_iQuantityX, iLanguageOffset, false, psChannels));
        CDiagramRules::QuantityFormat(f.m_iQuantityX, psChannels, bDigitalInputB, &f.m_iDecimalsX);
    }
    else
    {
        m_wndGraph.setXAxisTitle(CString());
        f.m_bAxisOnX = 0;
    }
    struct YAxis
    {
        int iQuantity;
        int& iDecimals;
        BYTE& bAxisOn;
        COLORREF crCurve;
    };
    const YAxis axes[2] = {{f.m_iQuantityY1, f.m_iDecimalsY1, f.m_bAxisOnY1, CDiagramRules::COLOUR_Y1},
                           {f.m_iQuantityY2, f.m_iDecimalsY2, f.m_bAxisOnY2, CDiagramRules::COLOUR_Y2}};
    for (int i = 0; i < 2; ++i)
    {
        const YAxis& axis = axes[i];
        if (axis.iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_A ||
            axis.iQuantity == MeasureAdjustStruct::AXIS_CHANNEL_B)
        {
            m_wndGraph.setYAxisTitle(
                i, CDiagramRules::QuantityText(axis.iQuantity, iLanguageOffset, true, psChannels));
            m_wndGraph.setYAxisFormat(i, CDiagramRules::QuantityFormat(axis.iQuantity, psChannels,
                                                                       bDigitalInputB, &axis.iDecimals));
            m_wndGraph.setCurveTitle(
                i, CDiagramRules::QuantityText(axis.iQuantity, iLanguageOffset, false, psChannels));
            m_wndGraph.setCurveColor(i, axis.crCurve);
        }
        else
        {
            m_wndGraph.setYAxisTitle(i, CString());
            m_wndGraph.setCurveTitle(i, CString());
            axis.bAxisOn = 0;
        }
    }
}

// ---- Layout and window messages

void CAFormDiagram::ResizeInBar(HWND hBar, int iLeft, int iTop, int iRight, int iBottom)
{
    CWnd* pBar = m_pPaneHost ? m_pPaneHost->GetDiagramBar() : nullptr;
    if (pBar == nullptr || pBar->GetSafeHwnd() != hBar || !GetSafeHwnd())
        return;
    const int cx = iRight - iLeft;
    const int cy = iBottom - iTop;
    SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_wndGraph.GetSafeHwnd())
        m_wndGraph.SetWindowPos(nullptr, iLeft + GRAPH_MARGIN, iTop + GRAPH_MARGIN, cx - GRAPH_SHRINK,
                                cy - GRAPH_SHRINK, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CAFormDiagram::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CFormView::OnShowWindow(bShow, nStatus);
    if (bShow && m_pPaneHost != nullptr && !m_bFirstInit)
        UpdateLanguageTexts();
}

void CAFormDiagram::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bFirstInit && IsWindowVisible() && m_pGraphWnd != nullptr)
    {
        m_wndGraph.InvalidateRect(nullptr, FALSE);
        m_wndGraph.UpdateWindow();
    }
}

BOOL CAFormDiagram::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSKEYDOWN && pMsg->wParam == VK_MENU && m_pPaneHost != nullptr &&
        CResizableBar::IsInFloatingBar(this))
        m_pPaneHost->TakeFocusFromPane();
    return CFormView::PreTranslateMessage(pMsg);
}

// ---- A measurement's diagram

void CAFormDiagram::StartMeasureDiagram(bool bClear)
{
    if (m_pPaneHost == nullptr)
        return;
    const MeasureAdjustStruct* psSettings = m_pPaneHost->GetMeasureAdjust();
    if (bClear && m_wndGraph.GetSafeHwnd())
    {
        m_wndGraph.clearCurve(0);
        ResetPointsY1();
        m_wndGraph.clearCurve(1);
        ResetPointsY2();
        m_wndGraph.resetMode();
        m_wndGraph.resetZoom();
    }
    if (psSettings != nullptr)
        m_feed.Start(*psSettings, m_pPaneHost->GetPipeline().m_iAveragingCount);
    UpdateAxisTexts(LanguageOffset());
    m_iRedrawPeriod = CDiagramRules::FirstRedrawPeriod(m_feed.m_dSamplePeriod);
    SetTimer(TIMER_REDRAW, static_cast<UINT>(m_iRedrawPeriod));
}

void CAFormDiagram::AddMeasuredValues(double dValueA, double dValueB, double* pdTime)
{
    if (m_pPaneHost != nullptr)
        m_feed.Add(dValueA, dValueB, m_pPaneHost->GetPipeline(), *this, pdTime);
}

int CAFormDiagram::AddPoint(int iCurve, double dX, double dY)
{
    return m_wndGraph.addPoint(iCurve, dX, dY);
}

void CAFormDiagram::UpdateDiagram(bool bLast)
{
    if (m_pPaneHost == nullptr)
        return;
    if (m_pPaneHost->GetPipeline().m_bTriggerWait)
    {
        KillTimer(TIMER_REDRAW);
        if (!bLast)
            SetTimer(TIMER_REDRAW, TRIGGER_WAIT_REDRAW_MS);
        return;
    }
    KillTimer(TIMER_REDRAW);
    const CDiagramFeed& f = m_feed;
    bool bScaling = true;
    if (f.IsTimeOnX())
        bScaling = f.m_dDataXMax < CDiagramRules::SCROLL_WIDTH || bLast;
    else if (f.IsChannelOnX())
        bScaling = bLast;
    if ((f.m_bDrawingEnabled && m_pPaneHost->IsDiagramBarShown()) || bScaling)
    {
        const BYTE abAxisOn[2] = {f.m_bAxisOnY1, f.m_bAxisOnY2};
        for (int iCurve : {0, 1})
        {
            if (!abAxisOn[iCurve])
                continue;
            m_wndGraph.showCurve(iCurve, true, true, true);
            if (bScaling)
                m_wndGraph.setYAxisAutoScale(iCurve, true);
        }
        // No x range before the first point.
        const bool bHasData = f.m_dDataXMin <= f.m_dDataXMax;
        if (f.IsTimeOnX() && !CDiagramRules::ShowsWholeTimeRange(f.m_dDataXMax, bLast, f.m_dPointPeriod))
            m_wndGraph.setIntervalWidth(CDiagramRules::SCROLL_WIDTH);
        else if ((f.IsTimeOnX() || f.IsChannelOnX()) && bHasData)
            m_wndGraph.setXRange(f.m_dDataXMin, f.m_dDataXMax);
        UpdateData(FALSE);
    }
    m_iRedrawPeriod = CDiagramRules::NextRedrawPeriod(f.m_dSamplePeriod, m_iRedrawPeriod);
    if (!bLast)
        SetTimer(TIMER_REDRAW, static_cast<UINT>(m_iRedrawPeriod));
}

void CAFormDiagram::StopMeasureDiagram()
{
    m_feed.Stop();
    if (m_pPaneHost == nullptr || m_pPaneHost->GetPipeline().m_bTriggerWait)
        return;
    CMeasureDocumentation& docs = m_pPaneHost->GetDocumentation();
    const int iStorage = docs.GetAutoStorageDiagram();
    if (iStorage != CMeasureDocumentation::DM_AUTO_INDEXED &&
        iStorage != CMeasureDocumentation::DM_CONSTANT_FILE_NAME)
    {
        EndOfMeasurement();
        return;
    }
    const CString strDirectory = docs.GetDiagramDirectory();
    if (::CreateDirectoryA(strDirectory, nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS)
    {
        docs.BuildDiagramFileName();
        m_pPaneHost->GetDiagramOutput().SizeDiagramForOutput();
        SetTimer(TIMER_STORE_BITMAP, OUTPUT_DELAY_MS);
        return;
    }
    EndOfMeasurement();
    const int iLanguage = LanguageOffset();
    CString strBefore;
    CString strAfter;
    strBefore.LoadString(static_cast<UINT>(IDS_DIAGRAM_FOLDER_FAILED + iLanguage));
    strAfter.LoadString(static_cast<UINT>(IDS_DIAGRAM_FOLDER_FAILED_END + iLanguage));
    AfxMessageBox(strBefore + " '" + strDirectory + "' " + strAfter, MB_OK);
}

// The values shown once more, the ready message and the focus on Start (not after the sensor's port was
// removed), and no more wait cursor.
void CAFormDiagram::EndOfMeasurement()
{
    m_pPaneHost->GetPipeline().ProcessMeasuredValues(CValuePipeline::REASON_TARE);
    if (!m_pPaneHost->IsMeasuredPortRemoved())
    {
        m_pPaneHost->ShowStatusMessage(IDS_STATUS_READY);
        m_pPaneHost->FocusPanelStart();
    }
    m_pPaneHost->EndWaitCursorOnce();
}

// ---- Bitmap output

void CAFormDiagram::WriteBitmap(const CString& strFile)
{
    CDiagramOutput& output = m_pPaneHost->GetDiagramOutput();
    const bool bWritten = m_wndGraph.saveBitmap(strFile);
    output.RestoreDiagramAfterOutput();
    // A bitmap that cannot be written is reported; the sequence goes on.
    if (!bWritten)
        output.ReportBitmapNotWritten(strFile);
}

void CAFormDiagram::OnStoreBitmapTimer()
{
    WriteBitmap(m_pPaneHost->GetDocumentation().GetDiagramFileName() + ".bmp");
    if (!m_pPaneHost->IsMeasuredPortRemoved())
    {
        m_pPaneHost->GetPipeline().ProcessMeasuredValues(CValuePipeline::REASON_TARE);
        m_pPaneHost->ShowStatusMessage(IDS_STATUS_READY);
        m_pPaneHost->FocusPanelStart();
    }
    m_pPaneHost->EndWaitCursorOnce();
    if (m_pPaneHost->IsClosePending())
        m_pPaneHost->PostClose();
    else
        m_pPaneHost->RearmTriggerAfterStorage();
}

void CAFormDiagram::OnTimer(UINT_PTR nIDEvent)
{
    if (m_pPaneHost != nullptr)
    {
        switch (nIDEvent)
        {
            case TIMER_REDRAW:
                UpdateDiagram(false);
                break;
            case TIMER_STORE_BITMAP:
                KillTimer(nIDEvent);
                OnStoreBitmapTimer();
                break;
            case TIMER_SAVE_BITMAP:
                KillTimer(nIDEvent);
                WriteBitmap(m_pPaneHost->GetDiagramOutput().GetManualDiagramFile());
                m_pPaneHost->EndWaitCursorOnce();
                break;
            case TIMER_PRINT_BITMAP:
                KillTimer(nIDEvent);
                WriteBitmap(m_pPaneHost->GetDiagramOutput().GetReportBitmapPath());
                m_pPaneHost->GetDiagramOutput().PrintReport();
                m_pPaneHost->EndWaitCursorOnce();
                break;
            default:
                break;
        }
    }
    CFormView::OnTimer(nIDEvent);
}
