// The rows of a measured-value file, read back from the diagram's curve store after the measurement:
// the running number, then the X, Y1 and Y2 value columns of the channels, each formatted with its
// channel's decimals in the file's decimal separator and followed by its suffix (unit and separator).
// The bytes are collected in a buffer and written in large pieces.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <functional>

class CFile;
class CGraphicDisplayWnd;
class CMeasureAdjustHelpers;

class CValueRowWriter
{
public:
    struct Columns
    {
        // Kind of the X, Y1 and Y2 columns: 2 channel A, 3 channel B, anything else no column.
        int aiKind[3] = {0, 0, 0};
        CString strSuffixA;
        CString strSuffixB;
        CString strSeparator;
        CString strLineEnd;
    };
    // Percent and write rate in KB/s of a progress report.
    using Progress = std::function<void(double dPercent, double dRateKBs)>;

    // Rows of the last measurement: series 0 when Y1 is on (or the configured count when it stopped by
    // count), else series 1 when Y2 is on, else none; one fewer when the last point is dropped.
    // *piXSeries receives the series of the x values.
    static int RowCount(CGraphicDisplayWnd& curves, const int aiKind[3], bool bStopByCount, double dStopCount,
                        bool bDropLastPoint, int* piXSeries);
    // Writes nRows rows numbered from iRowNumber on (which is advanced); for more than 5000 rows
    // fnProgress is called at every hundredth. The framework's file exception passes to the caller.
    static void WriteRows(CFile& file, CGraphicDisplayWnd& curves, int nRows, int iXSeries,
                          const Columns& columns, const CMeasureAdjustHelpers& formatter, int& iRowNumber,
                          const Progress& fnProgress);
    // Rows above this count report their progress.
    static constexpr int PROGRESS_ROWS = 5000;
};
