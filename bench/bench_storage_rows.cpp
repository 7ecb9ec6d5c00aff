// The rows of a measured-value file written from the diagram's curve store after a measurement:
// 1,000,000 points on two curves (time on x, channel A and channel B) written by the value-row writer
// to a real file, read back and compared row by row with the store. Prints rows per second against 40
// times the highest stream rate (5000 records per second), and the time of the last 100,000 rows beside
// that of the first 100,000. Goals: at least 200,000 rows per second (1 M rows in at most 5 s); the
// last 100 k rows no slower than the first (within 25 % for a busy machine's noise); every row equal.
#include "BenchClock.h"
#include "BenchGoal.h"

#include "charting/CGraphicDisplayWnd.h"
#include "framework/CFile.h"
#include "framework/CWnd.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/CMeasureTextHost.h"
#include "protocol/Language.h"
#include "storage/CValueRowWriter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr int ROWS = 1'000'000;
constexpr double STREAM_RATE = 5000.0;
constexpr double GOAL_ROWS_PER_S = 40 * STREAM_RATE;
constexpr double GOAL_LAST_TO_FIRST = 1.25;

class BenchTextHost : public CMeasureTextHost
{
public:
    ChannelSettingsStruct m_channels[2];
    int GetLanguageOffset() override { return LANGUAGE_GERMAN; }
    const ChannelSettingsStruct* GetChannels() override { return m_channels; }
    CString GetMeasurandName(char) override { return "n.a."; }
};

double ValueA(int i)
{
    return (i % 20000) * 0.01 - 100.0;
}

double ValueB(int i)
{
    return (i % 7000) * 0.1;
}
} // namespace

int main()
{
    CWnd parent;
    CGraphicDisplayWnd curves;
    if (!parent.CreateEx(0, nullptr, "rows", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr) ||
        !curves.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 400, 300), &parent, 1209) ||
        !curves.create(&parent, 1209, 0))
    {
        std::printf("the diagram window could not be created\n");
        return 1;
    }
    for (int i = 0; i < ROWS; ++i)
    {
        curves.addPoint(0, i / STREAM_RATE, ValueA(i));
        curves.addPoint(1, i / STREAM_RATE, ValueB(i));
    }
    curves.showCurve(0, true, true, false);
    curves.showCurve(1, true, true, false);

    BenchTextHost host;
    host.m_channels[0].iDecimals = 2;
    host.m_channels[1].iDecimals = 1;
    CMeasureAdjustHelpers formatter;
    formatter.m_pMeasureHost = &host;
    formatter.SetFileLanguage(LANGUAGE_GERMAN);
    CValueRowWriter::Columns columns;
    columns.aiKind[0] = 1;
    columns.aiKind[1] = 2;
    columns.aiKind[2] = 3;
    columns.strSuffixA = " N\xB7m;";
    columns.strSuffixB = " N;";
    columns.strSeparator = ";";
    columns.strLineEnd = "\r\n";

    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    const CString strPath = CString(szTemp) + "bench_storage_rows.csv";
    CFile file;
    if (!file.Open(strPath, CFile::modeWrite | CFile::modeCreate))
    {
        std::printf("%s cannot be written\n", strPath.GetString());
        return 1;
    }
    // The writer reports every 10,000 rows: the times of the first and the last ten reports.
    std::vector<double> reports;
    int iRowNumber = 0;
    const double dStart = BenchNow();
    CValueRowWriter::WriteRows(file, curves, curves.getCurvePointCount(0), 0, columns, formatter, iRowNumber,
                               [&](double, double) { reports.push_back(BenchNow()); });
    file.Close();
    const double dEnd = BenchNow();
    const double dSeconds = dEnd - dStart;
    const double dFirst = reports.size() >= 10 ? reports[9] - dStart : 0.0;
    const double dLast = reports.size() >= 90 ? dEnd - reports[89] : 1e9;

    // Read back and compared with the store, row by row.
    CFile in;
    std::string strText;
    if (in.Open(strPath, CFile::modeRead))
    {
        strText.resize(static_cast<size_t>(in.GetLength()));
        in.Read(strText.data(), static_cast<UINT>(strText.size()));
        in.Close();
    }
    ::DeleteFileA(strPath);
    bool bEqual = iRowNumber == ROWS;
    size_t nPos = 0;
    char szExpected[96];
    for (int i = 0; i < ROWS && bEqual; ++i)
    {
        CString strA = CMeasureAdjustHelpers::FormatNumber(curves.getCurveY(0, i), 2, LANGUAGE_GERMAN);
        CString strB = CMeasureAdjustHelpers::FormatNumber(curves.getCurveY(1, i), 1, LANGUAGE_GERMAN);
        const int n = std::snprintf(szExpected, sizeof(szExpected), "%d;%s N\xB7m;%s N;\r\n", i,
                                    strA.GetString(), strB.GetString());
        bEqual = strText.compare(nPos, static_cast<size_t>(n), szExpected) == 0;
        nPos += static_cast<size_t>(n);
    }
    bEqual = bEqual && nPos == strText.size();

    std::printf("%d rows (%.1f MB) in %.3f s\n", ROWS, strText.size() / 1e6, dSeconds);
    std::printf("first 100 k rows %.3f s, last 100 k rows %.3f s\n", dFirst, dLast);
    BenchGoals goals;
    goals.AtLeast("rows per second", ROWS / dSeconds, GOAL_ROWS_PER_S, "rows/s");
    goals.AtMost("last 100 k rows against the first 100 k", dLast / dFirst, GOAL_LAST_TO_FIRST, "x");
    goals.Holds("every row read back equals the store", bEqual);
    return goals.Finish();
}
