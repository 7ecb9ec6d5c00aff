// The figures the soak host publishes about itself, and the names under which the soak driver asks for
// them: the driver raises the ask event of the host's process id (or the askcurves event, for the curve
// figures only), the host fills the shared block and raises the told event.
#pragma once

#include "framework/AfxWin32.h"

#include <string>

struct SoakFigures
{
    // Objects of the process: kernel handles (of named object types), GDI objects and windows.
    LONG lKernelHandles;
    LONG lGdiObjects;
    LONG lWindows;
    // The highest kernel handle value found, and the highest value probed.
    LONG lHighestHandle;
    LONG lHandleLimit;
    // Points of the diagram's curves Y1 and Y2.
    LONG lCurvePoints[2];
    // Steps between neighbouring points of Y1 that are not one count up (nor the wrap from 32767 to
    // -32768): each a record lost or delivered twice when Y1 carries a sequence source.
    LONG lIrregularSteps;
    // The first irregular step: the index of its second point.
    LONG lFirstIrregular;
    // One count of Y1 (the step seen most often); 0 when the curve does not resolve a count.
    double dCurveUnit;
    // Milliseconds the probe took.
    LONG lProbeMs;
    // The menu bar's titles, each ended by '|', the popups' items and the owner-drawn ones among them
    // (after each popup was prepared as for opening), and GetMenuState of the Spanish command.
    char szMenuTitles[256];
    LONG lMenuItems;
    LONG lOwnerDrawnItems;
    UINT nSpanishState;
    // Characters in the trace window.
    LONG lTraceChars;
    // The kernel handles by object type, as "Event 40, File 3, ...".
    char szHandleTypes[512];
    // The names of the File handles, each ended by '|' (where the platform gives no name: its kind).
    char szFileNames[4096];
};

inline std::string SoakObjectName(DWORD dwProcessId, const char* pszWhat)
{
    return "TQ5Soak_" + std::to_string(dwProcessId) + "_" + pszWhat;
}
