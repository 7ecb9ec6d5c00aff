// Recording stand-ins for what the panel and the panes need of the main frame and of the storage side:
// the panes' host, the documentation settings, the frame's diagram output and the panel's host.
// Header-only, so that benchmarks can use them too.
#pragma once

#include "MeasureFakes.h"
#include "support/FakePageHost.h"

#include "framework/CWnd.h"
#include "measurement/CDiagramOutput.h"
#include "measurement/CDiagramPaneHost.h"
#include "measurement/CMeasureDocumentation.h"
#include "measurement/CPanelHost.h"
#include "measurement/CValuePipeline.h"
#include "protocol/CComPort.h"

#include <ctime>
#include <string>
#include <vector>

class CFakeDocumentation : public CMeasureDocumentation
{
public:
    int m_iValues = 0;
    int m_iResults = 0;
    int m_iDiagrams = DM_NONE;
    int m_iSummary = 0;
    CString m_strDirectory;
    CString m_strPrefix = "diagram";
    int m_iNamesBuilt = 0;
    bool m_bWriterRunning = false;
    std::vector<__time64_t> m_stopTimes;
    std::vector<std::pair<bool, bool>> m_uncertainty;

    int GetAutoStorageValues() override { return m_iValues; }
    int GetAutoStorageResults() override { return m_iResults; }
    int GetAutoStorageDiagram() override { return m_iDiagrams; }
    int GetStorageSummary() override { return m_iSummary; }
    CString GetDiagramDirectory() override { return m_strDirectory; }
    void BuildDiagramFileName() override { ++m_iNamesBuilt; }
    CString GetDiagramFileName() override
    {
        CString str;
        str.Format("%s\\%s%04d", m_strDirectory.GetString(), m_strPrefix.GetString(), m_iNamesBuilt);
        return str;
    }
    void SetStopTime(__time64_t tStop) override { m_stopTimes.push_back(tStop); }
    void EnableUncertaintyOption(bool bEnable, bool bAvailable) override
    {
        m_uncertainty.emplace_back(bEnable, bAvailable);
    }
    bool IsFileWriterRunning() override { return m_bWriterRunning; }
};

// Records the frame's output steps in order: "size", "restore", "print", "not written: <file>".
class CFakeDiagramOutput : public CDiagramOutput
{
public:
    std::vector<std::string> m_steps;
    CString m_strReportBitmap;
    CString m_strManualFile;

    void SizeDiagramForOutput() override { m_steps.push_back("size"); }
    void RestoreDiagramAfterOutput() override { m_steps.push_back("restore"); }
    void PrintReport() override { m_steps.push_back("print"); }
    void ReportBitmapNotWritten(const CString& strFile) override
    {
        m_steps.push_back("not written: " + std::string(strFile));
    }
    CString GetReportBitmapPath() override { return m_strReportBitmap; }
    CString GetManualDiagramFile() override { return m_strManualFile; }
};

// The panes' host: the value pipeline, the texts host and the measurement settings of the test.
class CFakePaneHost : public CDiagramPaneHost
{
public:
    CFakePaneHost(CValuePipeline& pipeline, CMeasureHost& measureHost, MeasureAdjustStruct& settings)
        : m_pipeline(pipeline), m_measureHost(measureHost), m_settings(settings)
    {
    }

    bool m_bDigitalInputB = false;
    CWnd* m_pDiagramBar = nullptr;
    bool m_bBarShown = true;
    std::vector<int> m_statusIds;
    int m_iWaitCursorEnds = 0;
    int m_iStartFocused = 0;
    int m_iFocusTaken = 0;
    bool m_bPortRemoved = false;
    bool m_bClosePending = false;
    int m_iClosesPosted = 0;
    int m_iRearms = 0;
    CFakeDocumentation m_documentation;
    CFakeDiagramOutput m_output;

    CValuePipeline& GetPipeline() override { return m_pipeline; }
    CMeasureHost& GetMeasureHost() override { return m_measureHost; }
    void TakeFocusFromPane() override { ++m_iFocusTaken; }
    const MeasureAdjustStruct* GetMeasureAdjust() override { return &m_settings; }
    bool HasDigitalInputB() override { return m_bDigitalInputB; }
    CWnd* GetDiagramBar() override { return m_pDiagramBar; }
    bool IsDiagramBarShown() override { return m_bBarShown; }
    void ShowStatusMessage(int iStatusId) override { m_statusIds.push_back(iStatusId); }
    void EndWaitCursorOnce() override { ++m_iWaitCursorEnds; }
    void FocusPanelStart() override { ++m_iStartFocused; }
    bool IsMeasuredPortRemoved() override { return m_bPortRemoved; }
    bool IsClosePending() override { return m_bClosePending; }
    void PostClose() override { ++m_iClosesPosted; }
    void RearmTriggerAfterStorage() override { ++m_iRearms; }
    CMeasureDocumentation& GetDocumentation() override { return m_documentation; }
    CDiagramOutput& GetDiagramOutput() override { return m_output; }

private:
    CValuePipeline& m_pipeline;
    CMeasureHost& m_measureHost;
    MeasureAdjustStruct& m_settings;
};

// The panel's host: the pipeline of the test and records of the frame's steps.
class CFakePanelHost : public CPanelHost
{
public:
    explicit CFakePanelHost(CValuePipeline& pipeline) : m_pipeline(pipeline) {}

    std::vector<int> m_statusIds;
    int m_iWaitCursor = 0; // begun minus ended
    bool m_bClosePending = false;
    bool m_bCloseWhileTriggerWaited = false;
    int m_iClosesPosted = 0;
    bool m_bPortRemoved = true;
    int m_iMeasurementEnds = 0;
    int m_iValueListsFreed = 0;
    int m_iFilesOpened = 0;
    bool m_bDropLastPoint = false;
    std::vector<bool> m_sensorsLost;
    bool m_bDataReceived = true;
    int m_iActiveMode = 138;
    std::vector<std::string> m_log;
    CFakeDocumentation m_documentation;

    int LastStatus() const { return m_statusIds.empty() ? 0 : m_statusIds.back(); }

    void ShowStatusMessage(int iStatusId) override { m_statusIds.push_back(iStatusId); }
    void BeginWaitCursorOnce() override { m_iWaitCursor = 1; }
    void EndWaitCursorOnce() override { m_iWaitCursor = 0; }
    bool IsClosePending() override { return m_bClosePending; }
    bool IsCloseWhileTriggerWaited() override { return m_bCloseWhileTriggerWaited; }
    void PostClose() override { ++m_iClosesPosted; }
    void SetMeasuredPortRemoved(bool bRemoved) override { m_bPortRemoved = bRemoved; }
    void OnMeasurementEnd() override { ++m_iMeasurementEnds; }
    CValuePipeline& GetPipeline() override { return m_pipeline; }
    void FreeValueList() override { ++m_iValueListsFreed; }
    bool OpenValueFiles(int) override
    {
        ++m_iFilesOpened;
        return true;
    }
    void SetDropLastPoint(bool bDrop) override { m_bDropLastPoint = bDrop; }
    void HandleSensorLost(bool bStop) override { m_sensorsLost.push_back(bStop); }
    bool IsDataReceived() override { return m_bDataReceived; }
    void ClearDataReceived() override { m_bDataReceived = false; }
    int GetActiveMode() const override { return m_iActiveMode; }
    void WriteDiagnosticLog(const SensorStruct&, const CString& strText) override
    {
        m_log.push_back(strText.GetString());
    }
    CMeasureDocumentation& GetDocumentation() override { return m_documentation; }

private:
    CValuePipeline& m_pipeline;
};

namespace pane_test
{
// A text of the string table.
inline std::string Text(UINT nId)
{
    CString str;
    str.LoadString(nId);
    return str.GetString();
}

inline std::string WindowText(CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str.GetString();
}
} // namespace pane_test
