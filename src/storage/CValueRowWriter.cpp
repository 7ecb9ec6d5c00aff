#include "storage/CValueRowWriter.h"

#include "charting/CGraphicDisplayWnd.h"
#include "framework/CFile.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/MeasurementTexts.h"
#include "controls/ControlTexts.h"
#include "shell/CStopwatch.h"

#include <cmath>
#include <string>

namespace
{
constexpr int AXIS_CHANNEL_A = 2;
constexpr int AXIS_CHANNEL_B = 3;
constexpr std::size_t FLUSH_BYTES = 1 << 16;

bool IsChannel(int iKind)
{
    return iKind == AXIS_CHANNEL_A || iKind == AXIS_CHANNEL_B;
}
} // namespace

int CValueRowWriter::RowCount(CGraphicDisplayWnd& curves, const int aiKind[3], bool bStopByCount,
                              double dStopCount, bool bDropLastPoint, int* piXSeries)
{
    int nRows = 0;
    int iXSeries = 0;
    if (aiKind[1] != 0)
        nRows = bStopByCount ? static_cast<int>(dStopCount) : curves.getCurvePointCount(0);
    else if (aiKind[2] != 0)
    {
        nRows = curves.getCurvePointCount(1);
        iXSeries = 1;
    }
    if (bDropLastPoint && nRows > 0)
        --nRows;
    if (piXSeries)
        *piXSeries = iXSeries;
    return nRows;
}

void CValueRowWriter::WriteRows(CFile& file, CGraphicDisplayWnd& curves, int nRows, int iXSeries,
                                const Columns& columns, const CMeasureAdjustHelpers& formatter,
                                int& iRowNumber, const Progress& fnProgress)
{
    std::string buffer;
    buffer.reserve(FLUSH_BYTES + 256);
    const auto append = [&buffer](const CString& str) { buffer.append(str.GetString(), str.GetLength()); };
    const auto flush = [&]
    {
        file.Write(buffer.data(), static_cast<UINT>(buffer.size()));
        buffer.clear();
    };
    const int iStep = static_cast<int>(std::lround(nRows / 100.0));
    ULONGLONG ullBytes = 0;
    ULONGLONG ullBytesReported = 0;
    CStopwatch stopwatch;
    stopwatch.GetElapsedSeconds();
    char szNumber[16];
    for (int i = 0; i < nRows; ++i)
    {
        if (nRows > PROGRESS_ROWS && i != 0 && iStep > 0 && i % iStep == 0 && fnProgress)
        {
            const double dSeconds = stopwatch.GetElapsedSeconds();
            const double dKBytes = static_cast<double>(ullBytes + buffer.size() - ullBytesReported) / 1024.0;
            ullBytesReported = ullBytes + buffer.size();
            fnProgress(i / iStep, dSeconds > 0.0 ? dKBytes / dSeconds : 0.0);
        }
        const int nNumber = std::snprintf(szNumber, sizeof(szNumber), "%d", iRowNumber++);
        buffer.append(szNumber, static_cast<std::size_t>(nNumber));
        append(columns.strSeparator);
        for (int iColumn = 0; iColumn < 3; ++iColumn)
        {
            const int iKind = columns.aiKind[iColumn];
            if (!IsChannel(iKind))
                continue;
            const double dValue =
                iColumn == 0 ? curves.getCurveX(iXSeries, i) : curves.getCurveY(iColumn == 1 ? 0 : 1, i);
            const bool bA = iKind == AXIS_CHANNEL_A;
            append(formatter.FormatMeasuredValue(dValue, bA ? IDS_CHANNEL_A : IDS_CHANNEL_B,
                                                 CMeasureAdjustHelpers::FILE_LANGUAGE, 0));
            append(bA ? columns.strSuffixA : columns.strSuffixB);
        }
        append(columns.strLineEnd);
        if (buffer.size() >= FLUSH_BYTES)
        {
            ullBytes += buffer.size();
            flush();
        }
    }
    if (!buffer.empty())
        flush();
}
