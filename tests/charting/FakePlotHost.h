// The chart as its elements see it, and a temporary archive file, for the chart element tests.
#pragma once

#include "charting/CPlotAxis.h"
#include "charting/CPlotHost.h"
#include "framework/CString.h"

#include <vector>

// The chart as its elements see it: a plot rectangle, axes and curves the test sets up.
class FakePlotHost : public CPlotHost
{
public:
    CWnd* GetPlotWnd() override { return m_pWnd; }
    CRect GetPlotRect() const override { return m_rcPlot; }
    COLORREF GetInnerAreaColor() const override { return m_crInner; }
    CPlotAxis* GetXAxisAt(int n) override { return n >= 0 && n < (int)m_xAxes.size() ? m_xAxes[n] : nullptr; }
    CPlotAxis* GetYAxisAt(int n) override { return n >= 0 && n < (int)m_yAxes.size() ? m_yAxes[n] : nullptr; }
    int GetAxisIndex(const CPlotAxis* pAxis) const override
    {
        for (const auto* pAxes : {&m_xAxes, &m_yAxes})
            for (size_t i = 0; i < pAxes->size(); ++i)
                if ((*pAxes)[i] == pAxis)
                    return (int)i;
        return -1;
    }
    int GetCurveCount() const override { return (int)m_curves.size(); }
    bool GetCurveInfo(int n, PlotCurveInfo& info) const override
    {
        if (n < 0 || n >= (int)m_curves.size())
            return false;
        info = m_curves[n];
        return true;
    }
    MarkerPainter GetMarkerPainter(int n) const override
    {
        return n >= 0 && n < MARKER_SYMBOL_COUNT ? PLOT_MARKER_PAINTERS[n] : nullptr;
    }
    int GetPlotMode() const override { return m_iMode; }

    // Adds a curve on x axis 0 and y axis nYAxis over the given points (kept by the caller).
    void AddCurve(const std::vector<CurvePoint>& points, int nYAxis = 0, COLORREF crColor = RGB(0, 0, 255))
    {
        PlotCurveInfo info;
        info.pData = points.data();
        info.iCount = (int)points.size();
        info.iYAxis = nYAxis;
        info.crColor = crColor;
        m_curves.push_back(info);
    }

    CWnd* m_pWnd = nullptr;
    CRect m_rcPlot;
    COLORREF m_crInner = RGB(192, 192, 192);
    std::vector<CPlotAxis*> m_xAxes;
    std::vector<CPlotAxis*> m_yAxes;
    std::vector<PlotCurveInfo> m_curves;
    int m_iMode = 0;
};

// A file in the temp folder for one test, deleted at the end.
class TempFile
{
public:
    explicit TempFile(const char* lpszName)
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath.Format("%sTQ5Chart%lu_%s", szTemp, ::GetCurrentProcessId(), lpszName);
    }
    ~TempFile() { ::DeleteFileA(m_strPath); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
};
