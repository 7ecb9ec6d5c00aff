// The templates of the chart property window, its pages and the chart dialogs, shown as plain dialogs
// with the texts the diagram's tables give them: every text fits its control, no control covers
// another and all lie inside their dialog.
#include "controls/ClientShot.h"
#include "framework/CDialog.h"
#include "resource_chartdlg.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct DlgText
{
    int nID;
    LPCSTR pszText;
};

// The German texts of the chart, axis and curve pages.
const std::vector<DlgText> kChartPageTexts = {
    {IDCANCEL, "Abbrechen"}, {IDC_APPLY, "Übernehmen"}, {1001, "Hintergrund"}, {1002, "Außen"},
    {1003, "Innen"},         {6050, "Legende"},         {6076, "Fangen"},      {1004, "Fangradius"},
    {1005, "X-Achse"},       {1006, "Y-Achse"},         {1007, "Kurve"},       {6052, "Pufferung"}};
const std::vector<DlgText> kAxisPageTexts = {
    {IDCANCEL, "Abbrechen"}, {IDC_APPLY, "Übernehmen"}, {1015, "Bezeichner"},     {6002, "Bez. Schriftart"},
    {6001, "Schriftart"},    {6009, "Sichtbar"},        {6039, "Aut. anpassen"},  {6058, "Markierung"},
    {6014, "Raster"},        {6015, "Zeitachse"},       {1016, "Dezimalstellen"}, {1022, "Pfeilgröße"},
    {1017, "Schrittgröße"},  {1023, "Mark.Größe"},      {1018, "Rasterstil"},     {1024, "Position"},
    {1019, "Farbe"},         {1025, "Rasterfarbe"},     {1020, "Minimum"},        {1021, "Maximum"},
    {1026, "Teilung"}};
const std::vector<DlgText> kCurvePageTexts = {
    {IDCANCEL, "Abbrechen"}, {IDC_APPLY, "Übernehmen"}, {1008, "Bezeichn."},  {1009, "Stil"},
    {1010, "Linienbreite"},  {1011, "Meßpunktgröße"},   {1012, "Linienart"},  {1013, "Linienfarbe"},
    {6009, "Sichtbar"},      {1014, "Bezeichner"},      {6038, "Markierung"}, {6062, "Typ"},
    {6059, "Symbol"},        {6011, "Füllen"},          {6012, "Transparent"}};

struct TemplateCase
{
    UINT nIDTemplate;
    LPCSTR pszName;
    const std::vector<DlgText>* pTexts;
};

CString ClassOf(HWND hWnd)
{
    char sz[64] = {};
    ::GetClassNameA(hWnd, sz, sizeof(sz));
    return sz;
}

CString TextOf(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

// Room the control leaves for its text, or -1 for a control without a text of its own.
int TextRoom(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    const CString strClass = ClassOf(hWnd);
    const DWORD dwType = (DWORD)::GetWindowLongPtrA(hWnd, GWL_STYLE) & 0x0F;
    if (strClass.CompareNoCase("Static") == 0)
        return dwType == SS_LEFT ? rc.right : -1;
    if (strClass.CompareNoCase("Button") != 0)
        return -1;
    switch (dwType)
    {
        case BS_AUTOCHECKBOX:
        case BS_CHECKBOX:
        case BS_AUTORADIOBUTTON:
        case BS_RADIOBUTTON:
            return rc.right - 16; // the box and the gap before the text
        case BS_GROUPBOX:
            return rc.right - 16;
        default:
            return rc.right - 2 * ::GetSystemMetrics(SM_CXEDGE) - 4;
    }
}

int TextWidth(HWND hWnd, const CString& strText)
{
    HDC hdc = ::GetDC(hWnd);
    HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    SIZE size = {};
    ::GetTextExtentPoint32A(hdc, strText, strText.GetLength(), &size);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(hWnd, hdc);
    return size.cx;
}

// An up-down control sits on the edge of its buddy.
bool IsBuddyPair(HWND hWnd, HWND hOther)
{
    auto buddyOf = [](HWND h)
    {
        return ClassOf(h).CompareNoCase(UPDOWN_CLASSA) == 0 ? (HWND)::SendMessageA(h, UDM_GETBUDDY, 0, 0)
                                                            : nullptr;
    };
    return buddyOf(hWnd) == hOther || buddyOf(hOther) == hWnd;
}

bool IsGroupBox(HWND hWnd)
{
    return ClassOf(hWnd).CompareNoCase("Button") == 0 &&
           ((DWORD)::GetWindowLongPtrA(hWnd, GWL_STYLE) & 0x0F) == BS_GROUPBOX;
}

CRect RectIn(HWND hWnd, HWND hWndParent)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class ChartTemplates : public ::testing::TestWithParam<TemplateCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "Vorlage", WS_POPUP | WS_VISIBLE, 20, 20, 560, 480, nullptr,
                                    nullptr));
    }
    void TearDown() override
    {
        m_dlg.DestroyWindow();
        m_host.DestroyWindow();
    }

    CWnd m_host;
    CDialog m_dlg;
};
} // namespace

TEST_P(ChartTemplates, GermanTextsFitAndNoControlCoversAnother)
{
    const TemplateCase& c = GetParam();
    ASSERT_TRUE(m_dlg.Create(c.nIDTemplate, &m_host)) << c.pszName;
    m_dlg.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_dlg.ShowWindow(SW_SHOW);
    if (c.pTexts != nullptr)
        for (const DlgText& t : *c.pTexts)
        {
            ASSERT_NE(m_dlg.GetDlgItem(t.nID), nullptr) << c.pszName << " " << t.nID;
            m_dlg.SetDlgItemText(t.nID, t.pszText);
        }

    CRect rectClient;
    m_dlg.GetClientRect(&rectClient);
    std::vector<HWND> controls;
    for (HWND h = ::GetWindow(m_dlg, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        controls.push_back(h);
    for (HWND h : controls)
    {
        const CRect rect = RectIn(h, m_dlg);
        const int nID = ::GetDlgCtrlID(h);
        CRect rectInside;
        rectInside.IntersectRect(&rect, &rectClient);
        EXPECT_EQ(rectInside, rect) << c.pszName << ": control " << nID << " leaves the dialog";
        const int iRoom = TextRoom(h);
        const CString strText = TextOf(h);
        if (iRoom >= 0)
        {
            EXPECT_LE(TextWidth(h, strText), iRoom)
                << c.pszName << ": \"" << (LPCSTR)strText << "\" (" << nID << ") does not fit";
        }
        for (HWND hOther : controls)
        {
            if (hOther == h || IsGroupBox(h) || IsGroupBox(hOther) || IsBuddyPair(h, hOther))
                continue;
            CRect rectBoth;
            EXPECT_FALSE(rectBoth.IntersectRect(&rect, RectIn(hOther, m_dlg)))
                << c.pszName << ": control " << nID << " covers " << ::GetDlgCtrlID(hOther);
        }
    }
    // A group box holds whole controls.
    for (HWND h : controls)
    {
        if (!IsGroupBox(h))
            continue;
        const CRect rectGroup = RectIn(h, m_dlg);
        for (HWND hOther : controls)
        {
            CRect rectBoth;
            const CRect rect = RectIn(hOther, m_dlg);
            if (hOther != h && rectBoth.IntersectRect(&rect, &rectGroup))
            {
                EXPECT_EQ(rectBoth, rect)
                    << c.pszName << ": control " << ::GetDlgCtrlID(hOther) << " crosses the group box";
            }
        }
    }
    CClientShot shot(&m_dlg);
    EXPECT_TRUE(shot.Save(CString("chart_template_") + c.pszName));
}

INSTANTIATE_TEST_SUITE_P(Templates, ChartTemplates,
                         ::testing::Values(TemplateCase{IDD_CHART_PROPERTIES, "properties", nullptr},
                                           TemplateCase{IDD_CHART_PAGE, "chart_page", &kChartPageTexts},
                                           TemplateCase{IDD_AXIS_PAGE, "axis_page", &kAxisPageTexts},
                                           TemplateCase{IDD_CURVE_PAGE, "curve_page", &kCurvePageTexts},
                                           TemplateCase{IDD_LABEL_PROPERTIES, "label", nullptr},
                                           TemplateCase{IDD_MOVING_AVERAGE, "moving_average", nullptr},
                                           TemplateCase{IDD_TREND, "trend", nullptr}),
                         [](const ::testing::TestParamInfo<TemplateCase>& info)
                         { return info.param.pszName; });

// The property window holds each page in its tab control's display area at 8,25.
TEST(ChartTemplates, PagesFitTheTabOfThePropertyWindow)
{
    CDialog window;
    ASSERT_TRUE(window.Create(IDD_CHART_PROPERTIES));
    window.SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    CWnd* pTab = window.GetDlgItem(IDC_PROP_TAB);
    ASSERT_NE(pTab, nullptr);
    int iTab = 0;
    for (LPCSTR pszTitle : {"Diagramm", "Achse", "Meßkurve"})
    {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>(pszTitle);
        pTab->SendMessage(TCM_INSERTITEMA, iTab++, (LPARAM)&item);
    }
    CRect rectDisplay;
    pTab->GetClientRect(&rectDisplay);
    pTab->SendMessage(TCM_ADJUSTRECT, FALSE, (LPARAM)&rectDisplay);

    // Each page's window text is its tab title.
    const struct
    {
        UINT nIDPage;
        LPCSTR pszTitle;
    } pages[] = {{IDD_CHART_PAGE, "Diagramm"}, {IDD_AXIS_PAGE, "Achse"}, {IDD_CURVE_PAGE, "Meßkurve"}};
    for (const auto& p : pages)
    {
        const UINT nIDPage = p.nIDPage;
        CDialog page;
        ASSERT_TRUE(page.Create(nIDPage, pTab)) << nIDPage;
        EXPECT_EQ(TextOf(page), p.pszTitle);
        EXPECT_FALSE(page.GetStyle() & WS_CAPTION);
        page.SetWindowPos(nullptr, 8, 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        const CRect rectPage = RectIn(page, *pTab);
        CRect rectBoth;
        rectBoth.IntersectRect(&rectPage, &rectDisplay);
        EXPECT_EQ(rectBoth, rectPage) << nIDPage;
        if (nIDPage == IDD_CURVE_PAGE)
        {
            CClientShot shot(&window);
            EXPECT_TRUE(shot.Save("chart_template_window"));
        }
        page.DestroyWindow();
    }
    window.DestroyWindow();
}
