// The rows of a measured-value file from a diagram's curve store: row counts by the axes and the stop
// kind, the columns and their formatting, progress reports beyond 5000 rows, and the running number.
#include "storage/CValueRowWriter.h"

#include "charting/CGraphicDisplayWnd.h"
#include "framework/CFile.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "measurement/ChannelSettingsStruct.h"
#include "measurement/MeasureFakes.h"
#include "protocol/Language.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr int A = 2;
constexpr int B = 3;
constexpr int TIME = 1;

class ValueRowWriter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "rows", WS_POPUP, 0, 0, 420, 320, nullptr, nullptr));
        ASSERT_TRUE(m_curves.CreateEx(0, nullptr, "", WS_CHILD, CRect(0, 0, 400, 300), &m_parent, 1209));
        ASSERT_TRUE(m_curves.create(&m_parent, 1209, 0));
        m_channels[0].iDecimals = 2;
        m_channels[1].iDecimals = 1;
        m_host.m_psChannel = m_channels;
        m_formatter.m_pMeasureHost = &m_host;
        m_formatter.SetFileLanguage(LANGUAGE_GERMAN);
        char szTemp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath = CString(szTemp) + "tq5_rows_test.csv";
    }
    void TearDown() override
    {
        ::DeleteFileA(m_strPath);
        m_parent.DestroyWindow();
    }
    void AddPoints(int nPoints, int nCurves = 2)
    {
        for (int i = 0; i < nPoints; ++i)
            for (int iCurve = 0; iCurve < nCurves; ++iCurve)
                m_curves.addPoint(iCurve, i * 0.5, iCurve == 0 ? i * 1.26 : -i * 0.5);
        for (int iCurve = 0; iCurve < nCurves; ++iCurve)
            m_curves.showCurve(iCurve, true, true, false);
    }
    std::string Write(const int aiKind[3], int nRows, int iXSeries, int* pnReports = nullptr)
    {
        CValueRowWriter::Columns columns;
        std::copy(aiKind, aiKind + 3, columns.aiKind);
        columns.strSuffixA = " N\xB7m;";
        columns.strSuffixB = ";";
        columns.strSeparator = ";";
        columns.strLineEnd = "\r\n";
        CFile file;
        EXPECT_TRUE(file.Open(m_strPath, CFile::modeWrite | CFile::modeCreate));
        int iRowNumber = 0;
        int nReports = 0;
        CValueRowWriter::WriteRows(file, m_curves, nRows, iXSeries, columns, m_formatter, iRowNumber,
                                   [&](double, double) { ++nReports; });
        file.Close();
        EXPECT_EQ(iRowNumber, nRows);
        if (pnReports)
            *pnReports = nReports;
        CFile in;
        EXPECT_TRUE(in.Open(m_strPath, CFile::modeRead));
        std::string strText(static_cast<size_t>(in.GetLength()), '\0');
        in.Read(strText.data(), static_cast<UINT>(strText.size()));
        return strText;
    }

    CWnd m_parent;
    CGraphicDisplayWnd m_curves;
    ChannelSettingsStruct m_channels[2];
    CFakeMeasureHost m_host;
    CMeasureAdjustHelpers m_formatter;
    CString m_strPath;
};

TEST_F(ValueRowWriter, RowCountFollowsTheAxesAndTheStopKind)
{
    m_curves.addPoint(0, 0, 1);
    m_curves.addPoint(0, 1, 1);
    m_curves.addPoint(0, 2, 1);
    m_curves.addPoint(1, 0, 1);
    m_curves.showCurve(0, true, true, false);
    m_curves.showCurve(1, true, true, false);
    const int aiTimeAB[3] = {TIME, A, B};
    const int aiOnlyY2[3] = {TIME, 0, B};
    const int aiNone[3] = {TIME, 0, 0};
    int iXSeries = -1;
    EXPECT_EQ(CValueRowWriter::RowCount(m_curves, aiTimeAB, false, 0, false, &iXSeries), 3);
    EXPECT_EQ(iXSeries, 0);
    EXPECT_EQ(CValueRowWriter::RowCount(m_curves, aiTimeAB, false, 0, true, &iXSeries), 2) << "watchdog end";
    EXPECT_EQ(CValueRowWriter::RowCount(m_curves, aiTimeAB, true, 100.7, false, &iXSeries), 100)
        << "by count";
    EXPECT_EQ(CValueRowWriter::RowCount(m_curves, aiTimeAB, true, 100, true, &iXSeries), 99);
    EXPECT_EQ(CValueRowWriter::RowCount(m_curves, aiOnlyY2, true, 100, false, &iXSeries), 1);
    EXPECT_EQ(iXSeries, 1);
    EXPECT_EQ(CValueRowWriter::RowCount(m_curves, aiNone, false, 0, false, &iXSeries), 0);
}

TEST_F(ValueRowWriter, ColumnsPerAxisWithDecimalsAndSuffixes)
{
    AddPoints(3);
    const int aiTimeAB[3] = {TIME, A, B};
    EXPECT_EQ(Write(aiTimeAB, 3, 0), "0;0,00 N\xB7m;0,0;\r\n1;1,26 N\xB7m;-0,5;\r\n2;2,52 N\xB7m;-1,0;\r\n");
    // Channel A on x: the point's x first, then Y1 as channel B.
    const int aiXAYB[3] = {A, B, 0};
    EXPECT_EQ(Write(aiXAYB, 2, 0), "0;0,00 N\xB7m;0,0;\r\n1;0,50 N\xB7m;1,3;\r\n");
    // Points beyond the store read 0 (a stop by count with fewer points).
    const int aiTimeA[3] = {TIME, A, 0};
    EXPECT_EQ(Write(aiTimeA, 4, 0),
              "0;0,00 N\xB7m;\r\n1;1,26 N\xB7m;\r\n2;2,52 N\xB7m;\r\n3;0,00 N\xB7m;\r\n");
}

TEST_F(ValueRowWriter, ProgressIsReportedAtEveryHundredthOnlyBeyond5000Rows)
{
    AddPoints(5001, 1);
    const int aiTimeA[3] = {TIME, A, 0};
    int nReports = -1;
    Write(aiTimeA, 5000, 0, &nReports);
    EXPECT_EQ(nReports, 0);
    const std::string strText = Write(aiTimeA, 5001, 0, &nReports);
    EXPECT_EQ(nReports, 100) << "rows 50, 100, ... 5000";
    EXPECT_EQ(strText.substr(strText.size() - 20), "\n5000;6300,00 N\xB7m;\r\n");
}
} // namespace
