// The sensor-connection page (mode page 133): every port of the machine with what the last search found
// on it, one row per entry of the protocol's port table, and the choice of the sensor to work with. A
// double-click on a row (or Enter or Space on the selected row) connects its sensor, disconnects it, or
// explains why it cannot be used; the baud-rate cell of a usable row changes the interface's baud rate.
// Refresh and F5 search again. The protocol engine writes the rows (CComPortConnectionRole, from the
// page's registration with the frame until it is destroyed); the start-up dialog mirrors its search
// progress into the status column.
#pragma once

#include "controls/CCellListCtrl.h"
#include "framework/CButton.h"
#include "framework/CImageList.h"
#include "framework/CStatic.h"
#include "framework/CStringArray.h"
#include "protocol/CComPortConnectionRole.h"
#include "protocol/ComPortStruct.h"
#include "sensorpages/CSearchProgressList.h"
#include "sensorpages/CSensorPage.h"

#include <array>

class CComPort;
struct SensorStruct;

// Row state while a search runs.
constexpr int ID_PORT_CHECK_INTERFACE = 11;

class CDlgSensorConnection : public CSensorPage, public CComPortConnectionRole, public CSearchProgressList
{
    DECLARE_DYNAMIC(CDlgSensorConnection)

public:
    enum Column
    {
        COL_INTERFACE = 0,
        COL_BAUDRATE = 1,
        COL_ADDRESS = 2,
        COL_SERIAL = 3,
        COL_RANGE = 4,
        COL_STATE = 5,
        COL_SENSOR_TYPE = 6,
        COLUMN_COUNT = 7,
    };
    // Posted to the page itself once a baud-rate change may be written: wParam row, lParam column.
    static constexpr UINT WM_BAUDRATE_CHANGED = 0x510;

    explicit CDlgSensorConnection(CWnd* pParent = nullptr, void* pUnused = nullptr);

    // ---- Texts and layout
    // The group and button captions in the interface language; FALSE when a string is missing.
    BOOL UpdateLanguageTexts();
    // After a language change: the captions, and the rows with their texts.
    BOOL RefreshTexts() override;
    void UpdateLayout() override;
    // The widths of the seven columns for a list of iListWidth pixels: 98 pixels stay free, the rest is
    // shared 36 : 10 : 4 : 12 : 12 : 17 : 30, the last column taking what the others leave less 2.
    static std::array<int, COLUMN_COUNT> ColumnWidths(int iListWidth);

    // ---- Rows, as the protocol engine writes them
    // Row iRow from port entry iRow of the protocol's table and the row state iState; false when a cell
    // write failed.
    bool SetPortRow(const CString& strDisplay, int iRow, int iState, int iSerialNumber);
    // Rebuilds columns and rows from the port table; iMode 1 (a search begins) shows every row as being
    // checked, 0 shows the stored states.
    bool FillPortList(int iMode);
    // Clears the list's and its cells' marks, repaints it and gives the page the application title.
    void ResetListMarks();
    // A refill of the rows by the protocol: updates locked and the rows deleted, then SetPortRow per
    // row, then updates unlocked and the list repainted.
    void BeginRefill();
    void EndRefill();
    CCellListCtrl& GetList() { return m_listPorts; }

    // ---- Baud rates: "115,2k" and "230,4k" stand for 115200 and 230400 baud, sensor codes 9 and 16.
    // The code of a list text; any other text is reported in a message box and gives 9. *plBaudrate
    // (when given) receives the rate of the code.
    static BYTE BaudTextToCode(const CString& strText, long* plBaudrate);
    // The text and code of a rate: 0 for 115200, 1 for 230400, -1 (nothing written) for another rate.
    static int BaudToText(long lBaudrate, CString* pstrText, BYTE* pucCode);

    // ---- Row texts
    // The range end values of a sensor: channel A alone for a single-channel interface (stator type 5
    // with the device bit, or 7), else A "/" B.
    static CString RangeEndText(const SensorStruct& sSensor, int iLanguageOffset);
    // The interface's device name with its revision; a TK-USB reached through another port than the
    // maker's USB interface is a TK-RS485 when bRenameSerial is set.
    static CString DeviceText(const SensorStruct& sSensor, const CString& strPortKey, bool bRenameSerial,
                              int iLanguageOffset);
    // The status text id of a row state; 0 for a state without one.
    static UINT StateTextId(int iState);

    // ---- Operator actions
    // Connects, disconnects or explains the row (bComboIsModified 0), or goes on with a baud-rate change
    // of the row (1; the frame's timer 34 calls it with row 0 and 1 after closing the other port).
    void ClickedListCtrlItem(int iRow, int bComboIsModified);
    // Searches again, with the search progress mirrored into the list.
    afx_msg void OnRefresh();
    afx_msg LRESULT OnMsgBaudrateChanged(WPARAM wParam, LPARAM lParam);

    // ---- CComPortConnectionRole
    void Connection_FillPortList(int iTakeOver) override { FillPortList(iTakeOver); }
    void Connection_BeginRefill() override { BeginRefill(); }
    void Connection_SetPortRow(const CString& strListText, int iRow, int iState, ULONG ulSerialNo) override;
    void Connection_EndRefill() override { EndRefill(); }
    int Connection_GetRowCount() override;
    CString Connection_GetCellText(int iRow, int iColumn) override;
    void Connection_SetCellText(int iRow, int iColumn, const CString& strText) override;
    void Connection_ResetListMarks() override { ResetListMarks(); }
    void Connection_ClearBaudChangePending() override { m_bBaudChangePending = false; }

    // ---- CSearchProgressList
    int GetProgressRowCount() override;
    void BeginRowProgress(int iRow) override;
    void SetRowProgress(int iRow, int iPercent) override;
    void EndRowProgress(int iRow) override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_bColumnsNeedInit = 1;
    CStatic m_wndGroup;
    CCellListCtrl m_listPorts;
    CButton m_btnRefresh;
    std::array<CStringArray, PORT_TABLE_SIZE> m_aComboItems;
    bool m_bBaudChangePending = false;
    int m_iBaudChangeRow = -1;
    int m_iBaudChangeColumn = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void AttachRoles(CComPort& engine, bool bAttach) override;
    BOOL OnInitDialog() override;
    bool IsLaidOutOnPaint() const override { return false; }
    void OnPageShown() override;
    afx_msg void OnDestroy();
    afx_msg void OnDblClickList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnComboSelection(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEditEnd(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void InitColumns();
    // Deletes rows and columns and builds the columns again; the result of deleting the columns.
    bool ResetList();
    // Writes the cells of a usable row (states 5 and 8).
    bool SetUsableRowCells(int iRow, const ComPortStruct& entry, int iSerialNumber);
    bool SetCell(int iRow, int iColumn, const CString& strText, bool bBlackOnWhite);
    CString LoadText(UINT nId) const;
    int GetLanguage() const;
    CComPort* GetEngine() const;
    void SetListProgress(bool bMirror);
    // True when no row's status cell shows strStatus (the walk ends at the first empty cell).
    bool NoRowShowsStatus(const CString& strStatus);
    void ConnectAfterClose();
    // Opens the row's port and connects its sensor; false, reported, when the port cannot be opened.
    bool ActivateRow(CComPort& engine, int iRow, const CString& strKey);
    void Disconnect(CComPort& engine, const CString& strKey);
    // False when the connection waits for the other port to close (timer 34 goes on).
    bool Connect(CComPort& engine, int iRow, const CString& strKey, const CString& strCurrentPort,
                 int bComboIsModified);
    void ReportBusyPort(CComPort& engine, const CString& strKey);
    void AwaitBaudrateChange(int iRow);
    void TellPanelDisconnected();
    void SetTitle(bool bModified);

    CImageList m_ilHeader;
    // Kept from one row action to the next: the last row acted on, and the port a baud-rate change
    // connects once the other port has been closed.
    int m_iSavedRow = 0;
    CString m_strSavedPortKey;
    bool m_bConnectAfterClose = false;
};
