// The documentation settings and the file output as the operator panel and the diagram pane see them:
// which results are stored automatically, the diagram's folder and file name, the stop time of a
// measurement, the uncertainty option and the running file writer. The defaults read as "no storage":
// nothing is stored, no folder, no file name, no writer. The main frame plays it for the documentation
// page.
// User-interface thread only.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

class CMeasureDocumentation
{
public:
    // Automatic storage of diagrams.
    enum
    {
        DM_NONE = 0,
        DM_AUTO_INDEXED = 1,
        DM_CONSTANT_FILE_NAME = 2,
    };

    virtual ~CMeasureDocumentation() = default;

    // iSelected of the automatic storage of measured values, pass/fail results and diagrams.
    virtual int GetAutoStorageValues() { return 0; }
    virtual int GetAutoStorageResults() { return 0; }
    virtual int GetAutoStorageDiagram() { return DM_NONE; }
    // Not 0 while a summary of the measurement is stored (the file writer's worker runs for it).
    virtual int GetStorageSummary() { return 0; }
    // The folder of the stored diagrams.
    virtual CString GetDiagramDirectory() { return CString(); }
    // Builds the next diagram file name (folder, prefix, time stamp and counter, without extension) and
    // keeps it; GetDiagramFileName gives the name built last.
    virtual void BuildDiagramFileName() {}
    virtual CString GetDiagramFileName() { return CString(); }
    // The stop time of the measurement, for the files.
    virtual void SetStopTime(__time64_t /*tStop*/) {}
    // The page's uncertainty options follow the connected sensor.
    virtual void EnableUncertaintyOption(bool /*bEnable*/, bool /*bAvailable*/) {}
    // The file writer of the last measurement still runs.
    virtual bool IsFileWriterRunning() { return false; }
};
