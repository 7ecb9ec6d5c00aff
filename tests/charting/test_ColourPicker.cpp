#include "charting/CPalettePopup.h"
#include "charting/CSwatchButton.h"
#include "charting/ColorPickMessages.h"
#include "controls/ClientShot.h"
#include "framework/CColorDialog.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "resource_chartdlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace
{
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kNotInTable = RGB(1, 2, 3);
constexpr int kRedCell = 16;
constexpr int kBlueCell = 13;

struct PickMessage
{
    UINT nMessage;
    COLORREF crColor;
    LPARAM lParam;
    bool operator==(const PickMessage&) const = default;
};

std::ostream& operator<<(std::ostream& os, const PickMessage& m)
{
    return os << "{WM_USER+" << (m.nMessage - WM_USER) << ", 0x" << std::hex << m.crColor << std::dec << ", "
              << m.lParam << "}";
}

// The label dialog's template as host of a colour button; it records what the button reports.
class CPickerHostDlg : public CDialog
{
public:
    CSwatchButton m_btnColor;
    COLORREF m_crColor = kRed;
    std::vector<PickMessage> m_messages;
    int m_nClicks = 0;
    std::function<void(UINT)> m_onPickMessage; // runs as each message arrives

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_PROP_COLOR, m_btnColor);
        DDX_SwatchButton(pDX, IDC_PROP_COLOR, m_crColor);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_COLORPICK_CHANGED && message <= WM_COLORPICK_CANCELLED)
        {
            m_messages.push_back({message, (COLORREF)wParam, lParam});
            if (m_onPickMessage)
                m_onPickMessage(message);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnColorClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPickerHostDlg, CDialog)
ON_BN_CLICKED(IDC_PROP_COLOR, OnColorClicked)
END_MESSAGE_MAP()

class ColourPicker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_LABEL_PROPERTIES));
        m_dlg.SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    void TearDown() override
    {
        if (CPalettePopup* pPopup = Popup())
            pPopup->DestroyWindow();
        CColorDialog::SetModalHook(nullptr);
        m_dlg.DestroyWindow();
    }
    static CPalettePopup* Popup() { return dynamic_cast<CPalettePopup*>(CWnd::GetCapture()); }
    // Clicks the colour button and returns the popup it opened.
    CPalettePopup* Open()
    {
        m_dlg.m_messages.clear();
        m_dlg.m_btnColor.SendMessage(BM_CLICK);
        CPalettePopup* pPopup = Popup();
        EXPECT_NE(pPopup, nullptr);
        return pPopup;
    }
    static CPoint CellCentre(CPalettePopup* pPopup, int iCell)
    {
        CRect rect;
        EXPECT_TRUE(pPopup->CellRect(iCell, rect)) << iCell;
        return rect.CenterPoint();
    }
    static void MoveTo(CPalettePopup* pPopup, CPoint ptClient)
    {
        pPopup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
    }
    // Moves onto the cell and releases the button there.
    static void ClickCell(CPalettePopup* pPopup, int iCell)
    {
        const CPoint pt = CellCentre(pPopup, iCell);
        MoveTo(pPopup, pt);
        pPopup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    PickMessage Reported(UINT nMessage, COLORREF crColor) const
    {
        return {nMessage, crColor, (LPARAM)IDC_PROP_COLOR};
    }
    void MoveButtonTo(int xScreen, int yScreen)
    {
        m_dlg.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        CRect rect;
        m_dlg.m_btnColor.GetWindowRect(&rect);
        m_dlg.ScreenToClient(&rect);
        m_dlg.SetWindowPos(nullptr, xScreen - rect.left, yScreen - rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    CPickerHostDlg m_dlg;
};
} // namespace

TEST_F(ColourPicker, ExchangeBindsAnOwnerDrawnButtonAndMovesTheColourBothWays)
{
    EXPECT_EQ(m_dlg.m_btnColor.GetColor(), kRed);
    EXPECT_EQ(m_dlg.m_btnColor.GetStyle() & 0x0F, (DWORD)BS_OWNERDRAW);
    EXPECT_EQ(m_dlg.m_btnColor.GetAutomaticColor(), ::GetSysColor(COLOR_APPWORKSPACE));
    m_dlg.m_btnColor.SetColor(CLR_DEFAULT);
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(m_dlg.m_crColor, CLR_DEFAULT);

    // A control that is no colour button ends the exchange.
    class CUnboundDlg : public CDialog
    {
    protected:
        void DoDataExchange(CDataExchange* pDX) override
        {
            COLORREF cr = 0;
            DDX_SwatchButton(pDX, IDC_LABELFONT, cr);
        }
    } unbound;
    ASSERT_TRUE(CDialog::CreateDlgWindow(&unbound, MAKEINTRESOURCEA(IDD_LABEL_PROPERTIES), nullptr));
    EXPECT_FALSE(unbound.UpdateData(TRUE));
    unbound.DestroyWindow();
}

TEST_F(ColourPicker, ButtonShowsItsColourOrTheAutomaticColourAndNoSwatchWhenDisabled)
{
    struct Case
    {
        COLORREF crColor;
        BOOL bEnabled;
        COLORREF crShown;
        bool bSwatch;
    };
    const COLORREF crAutomatic = ::GetSysColor(COLOR_APPWORKSPACE);
    for (const Case& c : {Case{kBlue, TRUE, kBlue, true}, Case{CLR_DEFAULT, TRUE, crAutomatic, true},
                          Case{kBlue, FALSE, kBlue, false}})
    {
        m_dlg.m_btnColor.EnableWindow(c.bEnabled);
        m_dlg.m_btnColor.SetColor(c.crColor);
        CClientShot shot(&m_dlg.m_btnColor);
        const CRect rect(0, 0, shot.m_cx, shot.m_cy);
        EXPECT_EQ(shot.Count(rect, c.crShown) > shot.m_cx * shot.m_cy / 4, c.bSwatch)
            << std::hex << c.crColor;
        // The drop arrow at the right: black, grey when disabled.
        const COLORREF crArrow = c.bEnabled ? RGB(0, 0, 0) : ::GetSysColor(COLOR_GRAYTEXT);
        const CRect rectArrow(shot.m_cx - 10, shot.m_cy / 2 - 3, shot.m_cx - 2, shot.m_cy / 2 + 3);
        EXPECT_GT(shot.Count(rectArrow, crArrow), 3) << c.bEnabled;
        if (c.bSwatch)
            shot.Save("swatch_button");
    }
}

TEST_F(ColourPicker, PopupOpensBelowTheButtonWithTheStartColourChosen)
{
    struct Case
    {
        COLORREF crStart;
        int iChosen;
    };
    for (const Case& c : {Case{CLR_DEFAULT, CPalettePopup::CELL_AUTOMATIC}, Case{kBlue, kBlueCell},
                          Case{kNotInTable, CPalettePopup::CELL_MORE_COLOURS}})
    {
        m_dlg.m_btnColor.SetColor(c.crStart);
        CPalettePopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        EXPECT_EQ(pPopup->GetChosenCell(), c.iChosen) << std::hex << c.crStart;
        EXPECT_EQ(pPopup->GetHighlightedCell(), CPalettePopup::CELL_NONE);
        EXPECT_TRUE(m_dlg.m_btnColor.IsPopupOpen());
        EXPECT_EQ(m_dlg.m_messages, std::vector<PickMessage>{Reported(WM_COLORPICK_OPENED, c.crStart)});
        // The button takes the click itself.
        EXPECT_EQ(m_dlg.m_nClicks, 0);
        CRect rectButton, rectPopup;
        m_dlg.m_btnColor.GetWindowRect(&rectButton);
        pPopup->GetWindowRect(&rectPopup);
        EXPECT_EQ(rectPopup.TopLeft(), CPoint(rectButton.left, rectButton.bottom));
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        EXPECT_EQ(Popup(), nullptr);
    }
}

TEST_F(ColourPicker, PopupLaysOutAutomaticCellFortyColoursAndMoreColoursCell)
{
    CPalettePopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    CRect rectClient, rectAutomatic, rectMore, rectFirst, rectLast;
    pPopup->GetClientRect(&rectClient);
    ASSERT_TRUE(pPopup->CellRect(CPalettePopup::CELL_AUTOMATIC, rectAutomatic));
    ASSERT_TRUE(pPopup->CellRect(CPalettePopup::CELL_MORE_COLOURS, rectMore));
    ASSERT_TRUE(pPopup->CellRect(0, rectFirst));
    ASSERT_TRUE(pPopup->CellRect(39, rectLast));
    EXPECT_FALSE(pPopup->CellRect(40, rectLast) || pPopup->CellRect(CPalettePopup::CELL_NONE, rectLast));
    ASSERT_TRUE(pPopup->CellRect(39, rectLast));
    // Automatic on top, 5 rows of 8 cells of 18 pixels, more colours at the bottom, all inside.
    EXPECT_EQ(rectFirst.Size(), CSize(18, 18));
    EXPECT_EQ(rectLast.left - rectFirst.left, 7 * 18);
    EXPECT_EQ(rectLast.top - rectFirst.top, 4 * 18);
    EXPECT_LT(rectAutomatic.bottom, rectFirst.top);
    EXPECT_GT(rectMore.top, rectLast.bottom);
    for (const CRect& rect : {rectAutomatic, rectMore, rectFirst, rectLast})
    {
        CRect rectInside;
        rectInside.IntersectRect(&rect, &rectClient);
        EXPECT_EQ(rectInside, rect);
    }

    struct Case
    {
        int iRow, iColumn, iCell;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{2, 5, 21}, Case{4, 7, 39}, Case{5, 0, CPalettePopup::CELL_NONE},
                          Case{0, 8, CPalettePopup::CELL_NONE}, Case{-2, 3, CPalettePopup::CELL_MORE_COLOURS},
                          Case{1, -3, CPalettePopup::CELL_AUTOMATIC}, Case{-1, -1, CPalettePopup::CELL_NONE}})
    {
        EXPECT_EQ(pPopup->CellIndex(c.iRow, c.iColumn), c.iCell) << c.iRow << "," << c.iColumn;
        if (c.iCell >= 0)
        {
            EXPECT_EQ(pPopup->CellRow(c.iCell), c.iRow);
            EXPECT_EQ(pPopup->CellColumn(c.iCell), c.iColumn);
        }
    }
    EXPECT_EQ(pPopup->CellRow(40), -1);
    EXPECT_EQ(pPopup->CellColumn(CPalettePopup::CELL_AUTOMATIC), CPalettePopup::CELL_AUTOMATIC);
    EXPECT_STREQ(CPalettePopup::PaletteName(kBlueCell), "Blue");
    EXPECT_EQ(CPalettePopup::PaletteColor(kRedCell), kRed);
}

TEST_F(ColourPicker, EveryColourCellHasItsNameAsTip)
{
    CPalettePopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    CToolTipCtrl& tips = pPopup->GetCellTips();
    ASSERT_EQ(tips.GetToolCount(), 40);
    for (int i = 0; i < 40; ++i)
    {
        char szText[80] = {};
        TOOLINFOA ti = {};
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        ti.lpszText = szText;
        ASSERT_TRUE(tips.SendMessage(TTM_ENUMTOOLSA, i, (LPARAM)&ti));
        const CPoint pt = CellCentre(pPopup, i);
        // The tool whose rectangle holds the cell's centre names that cell.
        EXPECT_TRUE(::PtInRect(&ti.rect, pt) == (ti.lpszText == CString(CPalettePopup::PaletteName(i)))) << i;
        EXPECT_STREQ(szText, CPalettePopup::PaletteName(i));
    }
}

TEST_F(ColourPicker, MovingOntoANewCellReportsItsColourWithoutChangingTheButton)
{
    m_dlg.m_btnColor.SetColor(kRed);
    CPalettePopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    MoveTo(pPopup, CellCentre(pPopup, kBlueCell));
    MoveTo(pPopup, CellCentre(pPopup, kBlueCell) + CPoint(2, 2)); // still the same cell
    MoveTo(pPopup, CellCentre(pPopup, CPalettePopup::CELL_AUTOMATIC));
    MoveTo(pPopup, CellCentre(pPopup, CPalettePopup::CELL_MORE_COLOURS));
    MoveTo(pPopup, CPoint(1, 1)); // the frame: no cell
    EXPECT_EQ(pPopup->GetHighlightedCell(), CPalettePopup::CELL_MORE_COLOURS);
    const std::vector<PickMessage> expected = {
        Reported(WM_COLORPICK_OPENED, kRed), Reported(WM_COLORPICK_CHANGED, kBlue),
        Reported(WM_COLORPICK_CHANGED, CLR_DEFAULT), Reported(WM_COLORPICK_CHANGED, kRed)};
    EXPECT_EQ(m_dlg.m_messages, expected);
    EXPECT_EQ(m_dlg.m_btnColor.GetColor(), kRed);

    // With live tracking the button follows the pointer.
    m_dlg.m_btnColor.SetLiveTracking(TRUE);
    MoveTo(pPopup, CellCentre(pPopup, kBlueCell));
    EXPECT_EQ(m_dlg.m_btnColor.GetColor(), kBlue);
}

TEST_F(ColourPicker, ReleasingOnACellAcceptsItsColour)
{
    struct Case
    {
        COLORREF crStart;
        int iCell;
        COLORREF crResult;
    };
    for (const Case& c :
         {Case{kRed, kBlueCell, kBlue}, Case{kRed, CPalettePopup::CELL_AUTOMATIC, CLR_DEFAULT},
          Case{kBlue, kBlueCell, kBlue}})
    {
        m_dlg.m_btnColor.SetColor(c.crStart);
        CPalettePopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        // The application losing activation as the popup closes does not end the pick again.
        const HWND hWndPopup = *pPopup;
        m_dlg.m_onPickMessage = [hWndPopup](UINT nMessage)
        {
            if (nMessage == WM_COLORPICK_ACCEPTED)
                ::SendMessageA(hWndPopup, WM_ACTIVATEAPP, FALSE, 0);
        };
        ClickCell(pPopup, c.iCell);
        m_dlg.m_onPickMessage = nullptr;
        EXPECT_EQ(Popup(), nullptr);
        EXPECT_EQ(m_dlg.m_btnColor.GetColor(), c.crResult);
        EXPECT_FALSE(m_dlg.m_btnColor.IsPopupOpen());
        std::vector<PickMessage> expected = {Reported(WM_COLORPICK_OPENED, c.crStart),
                                             Reported(WM_COLORPICK_CHANGED, c.crResult)};
        expected.push_back(Reported(WM_COLORPICK_CLOSED, c.crResult));
        expected.push_back(Reported(WM_COLORPICK_ACCEPTED, c.crResult));
        // Accepting the colour the button had sends no change.
        if (c.crResult != c.crStart)
            expected.push_back(Reported(WM_COLORPICK_CHANGED, c.crResult));
        EXPECT_EQ(m_dlg.m_messages, expected) << c.iCell;
    }
}

TEST_F(ColourPicker, ClickOutsideOrLosingTheApplicationCancels)
{
    for (bool bDeactivate : {false, true})
    {
        m_dlg.m_btnColor.SetColor(kRed);
        CPalettePopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        MoveTo(pPopup, CellCentre(pPopup, kBlueCell));
        HWND hWndPopup = *pPopup;
        if (bDeactivate)
            pPopup->SendMessage(WM_ACTIVATEAPP, FALSE);
        else
        {
            CRect rect;
            pPopup->GetClientRect(&rect);
            pPopup->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.right + 20, rect.bottom + 20));
        }
        EXPECT_FALSE(::IsWindow(hWndPopup));
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(m_dlg.m_btnColor.GetColor(), kRed);
        EXPECT_FALSE(m_dlg.m_btnColor.IsPopupOpen());
        const std::vector<PickMessage> expected = {
            Reported(WM_COLORPICK_OPENED, kRed), Reported(WM_COLORPICK_CHANGED, kBlue),
            Reported(WM_COLORPICK_CLOSED, kRed), Reported(WM_COLORPICK_CANCELLED, kRed)};
        EXPECT_EQ(m_dlg.m_messages, expected) << bDeactivate;
    }
}

TEST_F(ColourPicker, MoreColorsOpensTheColourDialogWithTheStartColour)
{
    struct Case
    {
        INT_PTR nAnswer;
        COLORREF crResult;
        UINT nResultMessage;
    };
    for (const Case& c :
         {Case{IDOK, kNotInTable, WM_COLORPICK_ACCEPTED}, Case{IDCANCEL, kRed, WM_COLORPICK_CANCELLED}})
    {
        m_dlg.m_btnColor.SetColor(kRed);
        CPalettePopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        CHOOSECOLORA seen = {};
        int nShown = 0;
        CColorDialog::SetModalHook(
            [&](CColorDialog& dlg)
            {
                ++nShown;
                seen = dlg.m_cc;
                // Still open meanwhile: a deactivation must not end the pick twice.
                pPopup->SendMessage(WM_ACTIVATEAPP, FALSE);
                if (c.nAnswer == IDOK)
                    dlg.m_cc.rgbResult = kNotInTable;
                return c.nAnswer;
            });
        const HWND hWndPopup = *pPopup;
        ClickCell(pPopup, CPalettePopup::CELL_MORE_COLOURS);
        EXPECT_EQ(nShown, 1);
        EXPECT_EQ(seen.rgbResult, kRed);
        EXPECT_EQ(seen.Flags & (CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT),
                  (DWORD)(CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT));
        EXPECT_EQ(seen.hwndOwner, hWndPopup);
        EXPECT_EQ(Popup(), nullptr);
        EXPECT_EQ(m_dlg.m_btnColor.GetColor(), c.crResult);
        ASSERT_GE(m_dlg.m_messages.size(), 3u);
        const std::vector<PickMessage> tail(m_dlg.m_messages.end() - 2, m_dlg.m_messages.end());
        // The moves onto the cell reported the start colour; the result comes once.
        EXPECT_EQ(m_dlg.m_messages[1], Reported(WM_COLORPICK_CHANGED, kRed));
        EXPECT_EQ(std::count_if(m_dlg.m_messages.begin(), m_dlg.m_messages.end(),
                                [](const PickMessage& m) { return m.nMessage == WM_COLORPICK_CLOSED; }),
                  1);
        EXPECT_TRUE(std::find(m_dlg.m_messages.begin(), m_dlg.m_messages.end(),
                              Reported(c.nResultMessage, c.crResult)) != m_dlg.m_messages.end());
        CColorDialog::SetModalHook(nullptr);
    }
}

TEST_F(ColourPicker, ArrowKeysWalkTheCellsAndEnterAccepts)
{
    constexpr int A = CPalettePopup::CELL_AUTOMATIC;
    constexpr int M = CPalettePopup::CELL_MORE_COLOURS;
    struct Case
    {
        std::vector<UINT> keys;
        int iHighlighted;
    };
    const Case cases[] = {
        {{VK_DOWN}, M},                           // nothing highlighted: the fallback
        {{VK_RIGHT}, M},                          //
        {{VK_DOWN, VK_DOWN}, A},                  // more colours -> automatic
        {{VK_DOWN, VK_DOWN, VK_DOWN}, 0},         // automatic -> first colour
        {{VK_UP}, A},                             // before the first row: automatic
        {{VK_UP, VK_UP}, M},                      // automatic -> more colours
        {{VK_UP, VK_UP, VK_UP}, 39},              // more colours -> last colour
        {{VK_UP, VK_UP, VK_UP, VK_UP}, 31},       // one row up
        {{VK_UP, VK_UP, VK_UP, VK_DOWN}, M},      // below the last row: the fallback
        {{VK_UP, VK_RIGHT, VK_RIGHT}, 1},         //
        {{VK_UP, VK_UP, VK_UP, VK_RIGHT}, M},     // after the last colour: the fallback
        {{VK_UP, VK_RIGHT, VK_LEFT}, A},          // before the first colour: automatic
        {{VK_UP, VK_LEFT}, M},                    // automatic -> more colours
        {{VK_UP, VK_LEFT, VK_LEFT}, 39},          // more colours -> last colour
        {{VK_UP, VK_RIGHT, VK_DOWN, VK_LEFT}, 7}, // first column: last column of the row above
    };
    for (const Case& c : cases)
    {
        CPalettePopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        for (UINT nKey : c.keys)
            pPopup->SendMessage(WM_KEYDOWN, nKey);
        EXPECT_EQ(pPopup->GetHighlightedCell(), c.iHighlighted) << ::testing::PrintToString(c.keys);
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
        ASSERT_EQ(Popup(), nullptr);
    }

    m_dlg.m_btnColor.SetColor(kRed);
    CPalettePopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    for (UINT nKey : {VK_UP, VK_UP, VK_UP, VK_LEFT, VK_RETURN}) // the last colour but one
        pPopup->SendMessage(WM_KEYDOWN, nKey);
    EXPECT_EQ(Popup(), nullptr);
    EXPECT_EQ(m_dlg.m_btnColor.GetColor(), CPalettePopup::PaletteColor(38));
}

TEST_F(ColourPicker, PopupStaysOnTheScreenAtItsEdges)
{
    const int cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    const int cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    ASSERT_EQ(cxScreen, 1920);
    ASSERT_EQ(cyScreen, 1080);
    struct Case
    {
        int x, y;
        bool bAbove, bShifted;
    };
    for (const Case& c :
         {Case{200, 200, false, false}, Case{200, cyScreen - 40, true, false},
          Case{cxScreen - 60, 200, false, true}, Case{cxScreen - 60, cyScreen - 40, true, true}})
    {
        MoveButtonTo(c.x, c.y);
        CPalettePopup* pPopup = Open();
        ASSERT_NE(pPopup, nullptr);
        CRect rectButton, rectPopup;
        m_dlg.m_btnColor.GetWindowRect(&rectButton);
        pPopup->GetWindowRect(&rectPopup);
        EXPECT_EQ(rectPopup.bottom, c.bAbove ? rectButton.top : rectButton.bottom + rectPopup.Height())
            << c.x << "," << c.y;
        EXPECT_EQ(rectPopup.left, c.bShifted ? cxScreen - rectPopup.Width() : rectButton.left)
            << c.x << "," << c.y;
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    }
}

TEST_F(ColourPicker, PopupPaintsItsCellsWithTheChosenAndHighlightedMarks)
{
    m_dlg.m_btnColor.SetColor(kRed);
    CPalettePopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    MoveTo(pPopup, CellCentre(pPopup, kBlueCell));
    CClientShot shot(pPopup);
    shot.Save("palette_popup");
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(shot.Pixel(CellCentre(pPopup, i).x, CellCentre(pPopup, i).y),
                  CPalettePopup::PaletteColor(i))
            << i;
    // The chosen cell (red) lies on a light ground, the others on the button face.
    CRect rectRed, rectBlue;
    pPopup->CellRect(kRedCell, rectRed);
    pPopup->CellRect(kBlueCell, rectBlue);
    EXPECT_EQ(shot.Pixel(rectRed.left + 2, rectRed.top + 2), ::GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(shot.Pixel(rectBlue.left + 2, rectBlue.top + 2), ::GetSysColor(COLOR_BTNFACE));
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
}

TEST(SwatchButton, DynamicallyCreatedButtonIsOwnerDrawn)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, nullptr, "Host", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CSwatchButton)->CreateObject());
    auto* pButton = dynamic_cast<CSwatchButton*>(pObject.get());
    ASSERT_NE(pButton, nullptr);
    EXPECT_EQ(pButton->GetColor(), CLR_DEFAULT);
    ASSERT_TRUE(pButton->Create("", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(5, 5, 80, 25), &host, 9));
    EXPECT_EQ(pButton->GetStyle() & 0x0F, (DWORD)BS_OWNERDRAW);
    pButton->DestroyWindow();
    host.DestroyWindow();
}

TEST(PalettePopup, FailedCreationLeavesNoWindowAndTheObjectToTheCaller)
{
    CWnd gone;
    ASSERT_TRUE(gone.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    const HWND hWndGone = gone.m_hWnd;
    gone.DestroyWindow();
    CWnd stale;
    stale.m_hWnd = hWndGone; // the owner no longer exists
    auto* pPopup = new CPalettePopup(CPoint(0, 0), RGB(0, 0, 0), &stale, "Automatic", "More Colors...");
    EXPECT_EQ(pPopup->GetSafeHwnd(), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
    delete pPopup;
    stale.m_hWnd = nullptr;
}

TEST_F(ColourPicker, PopupTakesTheMouseBackBeforeItHandlesAMessage)
{
    CPalettePopup* pPopup = Open();
    ASSERT_NE(pPopup, nullptr);
    const CPoint pt = CellCentre(pPopup, kBlueCell);
    MSG msg = {*pPopup, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), 0, {0, 0}};
    // Another window holds the mouse: the popup takes it back and swallows the message.
    m_dlg.SetCapture();
    EXPECT_TRUE(pPopup->PreTranslateMessage(&msg));
    EXPECT_EQ(::GetCapture(), pPopup->GetSafeHwnd());
    EXPECT_FALSE(pPopup->PreTranslateMessage(&msg));
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
}
