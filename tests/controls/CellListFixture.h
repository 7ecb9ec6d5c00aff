// A seven-column cell list like the sensor-connection page's, in a parent window that records the
// list's registered messages.
#pragma once

#include "controls/CCellListCtrl.h"
#include "controls/CellListMessages.h"
#include "framework/CStringArray.h"
#include "support/PumpUntil.h"

#include <gtest/gtest.h>

#include <vector>

struct CellMessage
{
    UINT nMessage;
    int iRow;
    int iCol;
    bool operator==(const CellMessage&) const = default;
};

inline void PrintTo(const CellMessage& m, std::ostream* os)
{
    const char* pszName = m.nMessage == WM_CELLLIST_COMBO_SELECTION    ? "COMBO_SELECTION"
                          : m.nMessage == WM_CELLLIST_EDIT_END         ? "EDIT_END"
                          : m.nMessage == WM_CELLLIST_CHECKBOX_CLICKED ? "CHECKBOX_CLICKED"
                                                                       : "?";
    *os << "{" << pszName << ", " << m.iRow << ", " << m.iCol << "}";
}

// Records the list's messages and the clicks that reach it.
class CCellListParent : public CWnd
{
public:
    std::vector<CellMessage> m_messages;
    std::vector<int> m_columnClicks;
    int m_nClicks = 0; // NM_CLICK from the list

protected:
    LRESULT Record(UINT nMessage, WPARAM wParam, LPARAM lParam)
    {
        m_messages.push_back({nMessage, (int)wParam, (int)lParam});
        return 0;
    }
    afx_msg LRESULT OnComboSelection(WPARAM wParam, LPARAM lParam)
    {
        return Record(WM_CELLLIST_COMBO_SELECTION, wParam, lParam);
    }
    afx_msg LRESULT OnEditEnd(WPARAM wParam, LPARAM lParam)
    {
        return Record(WM_CELLLIST_EDIT_END, wParam, lParam);
    }
    afx_msg LRESULT OnCheckBoxClicked(WPARAM wParam, LPARAM lParam)
    {
        return Record(WM_CELLLIST_CHECKBOX_CLICKED, wParam, lParam);
    }
    afx_msg void OnClick(NMHDR*, LRESULT*) { ++m_nClicks; }
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT*)
    {
        m_columnClicks.push_back(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem);
    }
    DECLARE_MESSAGE_MAP()
};

// The connection page's columns, one row per port, and the baud-rate choices.
class CellList : public ::testing::Test
{
protected:
    static constexpr COLORREF BLACK = RGB(0, 0, 0);
    static constexpr COLORREF WHITE = RGB(255, 255, 255);

    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "ports", WS_POPUP | WS_VISIBLE, 30, 30, 640, 260, nullptr,
                                      nullptr));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                  CRect(0, 0, 640, 260), &m_parent, 1076));
        m_list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        const struct
        {
            LPCSTR lpszText;
            int nFormat;
            int nWidth;
        } columns[] = {{"Interface", LVCFMT_LEFT, 110},
                       {"Baud rate", LVCFMT_LEFT, 80},
                       {"Address", LVCFMT_LEFT, 60},
                       {"Serial number", LVCFMT_LEFT, 90},
                       {"Upper range value", LVCFMT_RIGHT, 100},
                       {"State", LVCFMT_CENTER, 90},
                       {"Sensortype", LVCFMT_CENTER, 100}};
        for (int i = 0; i < 7; ++i)
            m_list.InsertColumn(i, columns[i].lpszText, columns[i].nFormat, columns[i].nWidth);
        m_baudItems.Add("115,2k");
        m_baudItems.Add("230,4k");
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // A usable sensor's row: black on white, a baud-rate combo, address, serial number and range.
    void AddSensorRow(int iRow, LPCSTR lpszPort, int iInitialBaud = 0)
    {
        ASSERT_EQ(m_list.InsertColoredRow(iRow, lpszPort, BLACK, WHITE), iRow);
        m_list.SetCellTextAndColors(iRow, 5, "available", BLACK, WHITE);
        ASSERT_TRUE(m_list.SetCellCombo(iRow, 1, TRUE, &m_baudItems, 2, iInitialBaud, FALSE));
        m_list.SetCellTextAndColors(iRow, 1, nullptr, BLACK, WHITE);
        m_list.SetCellTextAndColors(iRow, 2, "1", BLACK, WHITE);
        m_list.SetCellTextAndColors(iRow, 3, "123456", BLACK, WHITE);
        m_list.SetCellTextAndColors(iRow, 4, "20 N·m", BLACK, WHITE);
        m_list.SetCellTextAndColors(iRow, 6, "TK-USB (Rev.: 3)", BLACK, WHITE);
    }
    // A port where nothing answered: default colours, "n.a." cells.
    void AddSilentRow(int iRow, LPCSTR lpszPort)
    {
        ASSERT_EQ(m_list.InsertRow(iRow, lpszPort), iRow);
        m_list.SetCellText(iRow, 5, "not available");
        for (int iCol : {1, 2, 3, 4, 6})
            m_list.SetCellText(iRow, iCol, "n.a.");
    }
    CRect CellRect(int iRow, int iCol) const
    {
        CRect rc;
        EXPECT_TRUE(m_list.GetCellRect(iRow, iCol, LVIR_BOUNDS, rc));
        return rc;
    }
    // A left click in the middle of the cell, as the mouse gives it.
    void ClickCell(int iRow, int iCol)
    {
        const CPoint pt = CellRect(iRow, iCol).CenterPoint();
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }

    CCellListParent m_parent;
    CCellListCtrl m_list;
    CStringArray m_baudItems;
};
