// The main frame's output of the diagram as a bitmap: the diagram bar brought to its output size and
// back, the report printed with the diagram bitmap, and the file names of the report's bitmap and of a
// diagram saved by hand. This class itself does nothing and names no file.
// User-interface thread only.
#pragma once

#include "framework/CString.h"

class CDiagramOutput
{
public:
    virtual ~CDiagramOutput() = default;

    // Brings the diagram bar to the size the documentation settings ask for a bitmap or a printout.
    virtual void SizeDiagramForOutput() {}
    // Gives the diagram bar back its docking state and size.
    virtual void RestoreDiagramAfterOutput() {}
    // Prints the one-page report with the bitmap at GetReportBitmapPath.
    virtual void PrintReport() {}
    // Tells the operator that the diagram's bitmap could not be written to the file.
    virtual void ReportBitmapNotWritten(const CString& /*strFile*/) {}
    virtual CString GetReportBitmapPath() { return CString(); }
    virtual CString GetManualDiagramFile() { return CString(); }
};
