#include "sensorpages/CDlgSensorConnection.h"

#include "controls/CellListMessages.h"
#include "controls/ControlTexts.h"
#include "framework/AfxRes.h"
#include "framework/CBitmap.h"
#include "framework/CDataExchange.h"
#include "framework/CWinApp.h"
#include "measurement/MeasurementTexts.h"
#include "ports/CPortManGui.h"
#include "protocol/CComPort.h"
#include "protocol/CComPortHost.h"
#include "protocol/CComPortPanelRole.h"
#include "protocol/ComPortTimers.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ZMState.h"
#include "resources/resource.h"
#include "resources/resource_sensorpages.h"
#include "sensorpages/CDlgSensorInformationQbx.h"
#include "sensorpages/CDlgStartUp.h"
#include "sensorpages/SensorPageTexts.h"
#include "shell/CPageHost.h"
#include "shell/CPageText.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNAMIC(CDlgSensorConnection, CSensorPage)

BEGIN_MESSAGE_MAP(CDlgSensorConnection, CSensorPage)
ON_WM_DESTROY()
ON_BN_CLICKED(IDC_CONN_REFRESH, OnRefresh)
ON_MESSAGE(CDlgSensorConnection::WM_BAUDRATE_CHANGED, OnMsgBaudrateChanged)
ON_NOTIFY(NM_DBLCLK, IDC_CONN_LIST, OnDblClickList)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_CONN_LIST, OnColumnClickList)
ON_REGISTERED_MESSAGE(WM_CELLLIST_COMBO_SELECTION, OnComboSelection)
ON_REGISTERED_MESSAGE(WM_CELLLIST_EDIT_END, OnEditEnd)
END_MESSAGE_MAP()

namespace
{
constexpr int MIN_GROUP_WIDTH = 350;
constexpr int MIN_GROUP_HEIGHT = 350;
constexpr int LIST_INSET_X = 10;
constexpr int LIST_INSET_TOP = 20;
constexpr int LIST_LESS_WIDTH = 20;
constexpr int LIST_LESS_HEIGHT = 65;
constexpr int BUTTON_GAP = 10;
constexpr int BUTTON_HEIGHT = 23;
constexpr int LIST_FREE_WIDTH = 98;
constexpr int LAST_COLUMN_SPARE = 2;
constexpr int COLUMN_SHARES[CDlgSensorConnection::COLUMN_COUNT] = {36, 10, 4, 12, 12, 17, 30};
constexpr int COLUMN_SHARE_SUM = 121;
constexpr int INITIAL_WIDTHS[CDlgSensorConnection::COLUMN_COUNT] = {2, 4, 4, 6, 8, 12, 10};
constexpr UINT COLUMN_TEXTS[CDlgSensorConnection::COLUMN_COUNT] = {
    IDS_COLUMN_INTERFACE, IDS_COLUMN_BAUDRATE, IDS_COLUMN_ADDRESS, IDS_COLUMN_SERIAL,
    IDS_RANGE_END,        IDS_COLUMN_STATE,    IDS_SENSOR_TYPE};
constexpr int COLUMN_FORMATS[CDlgSensorConnection::COLUMN_COUNT] = {
    LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER, LVCFMT_CENTER};
constexpr int HEADER_IMAGE_SIZE = 13;
constexpr int HEADER_IMAGES = 3;
constexpr COLORREF HEADER_IMAGE_MASK = RGB(255, 0, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF RED = RGB(255, 0, 0);
constexpr int COMBO_DROP_ROWS = 2;
constexpr UINT LIST_CONNECT_MS = 100;
constexpr UINT WAIT_BAUDRATE_CHANGED_MS = 100;
constexpr BYTE BAUD_CODE_115200 = 9;
constexpr BYTE BAUD_CODE_230400 = 16;
const char* const BAUD_TEXT_115200 = "115,2k";
const char* const BAUD_TEXT_230400 = "230,4k";
const char* const NOT_AVAILABLE = "n.a.";
const char* const USB_PORT_NAME = "Tervane USB";
} // namespace

CDlgSensorConnection::CDlgSensorConnection(CWnd* pParent, void*)
    : CSensorPage(IDD_DLG_SENSOR_CONNECTION, pParent, IDC_CONN_GROUP,
                  CSize(MIN_GROUP_WIDTH, MIN_GROUP_HEIGHT))
{
}

void CDlgSensorConnection::AttachRoles(CComPort& engine, bool bAttach)
{
    engine.COM_AttachConnection(bAttach ? this : nullptr);
}

void CDlgSensorConnection::DoDataExchange(CDataExchange* pDX)
{
    CSensorPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONN_GROUP, m_wndGroup);
    DDX_Control(pDX, IDC_CONN_LIST, m_listPorts);
    DDX_Control(pDX, IDC_CONN_REFRESH, m_btnRefresh);
}

BOOL CDlgSensorConnection::OnInitDialog()
{
    CSensorPage::OnInitDialog();
    InitColumns();
    return TRUE;
}

void CDlgSensorConnection::OnDestroy()
{
    if (m_listPorts.GetSafeHwnd())
        m_listPorts.DeleteAllRows();
    CSensorPage::OnDestroy();
}

// ---- Helpers ----------------------------------------------------------------------------------------------

int CDlgSensorConnection::GetLanguage() const
{
    return GetLanguageOffset();
}

CString CDlgSensorConnection::LoadText(UINT nId) const
{
    CString str;
    str.LoadString(nId + static_cast<UINT>(GetLanguage()));
    return str;
}

CComPort* CDlgSensorConnection::GetEngine() const
{
    return GetPageHost() ? &GetPageHost()->GetComPort() : nullptr;
}

void CDlgSensorConnection::SetListProgress(bool bMirror)
{
    CDlgStartUp* pStartUp =
        GetPageHost()
            ? dynamic_cast<CDlgStartUp*>(GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_STARTUP))
            : nullptr;
    if (pStartUp != nullptr)
        pStartUp->SetListProgress(bMirror);
}

void CDlgSensorConnection::SetTitle(bool bModified)
{
    CString strTitle;
    strTitle.LoadString(AFX_IDS_APP_TITLE);
    SetWindowText(bModified ? strTitle + " *" : strTitle);
}

// ---- Texts, columns and layout ------------------------------------------------------------------------

BOOL CDlgSensorConnection::UpdateLanguageTexts()
{
    const int iLanguage = GetLanguage();
    BOOL bAll = CPageText::SetItemText(this, IDC_CONN_GROUP, IDS_TREE_SENSOR_CONNECTION, iLanguage);
    bAll &= CPageText::SetItemText(this, IDC_CONN_REFRESH, IDS_REFRESH, iLanguage);
    return bAll;
}

BOOL CDlgSensorConnection::RefreshTexts()
{
    const BOOL bAll = UpdateLanguageTexts();
    FillPortList(0);
    return bAll;
}

void CDlgSensorConnection::InitColumns()
{
    if (!m_bColumnsNeedInit || !m_listPorts.GetSafeHwnd())
        return;
    m_listPorts.SetExtendedStyle(m_listPorts.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listPorts.ModifyStyle(0, LVS_SHOWSELALWAYS);
    for (int iCol = 0; iCol < COLUMN_COUNT; ++iCol)
        m_listPorts.InsertColumn(iCol, LoadText(COLUMN_TEXTS[iCol]), COLUMN_FORMATS[iCol],
                                 INITIAL_WIDTHS[iCol]);
    if (m_ilHeader.GetSafeHandle() == nullptr &&
        m_ilHeader.Create(HEADER_IMAGE_SIZE, HEADER_IMAGE_SIZE, ILC_COLOR24 | ILC_MASK, HEADER_IMAGES, 1))
    {
        CBitmap bitmap;
        if (bitmap.LoadBitmap(IDB_LIST_HEADER))
            m_ilHeader.Add(&bitmap, HEADER_IMAGE_MASK);
    }
    if (CHeaderCtrl* pHeader = m_listPorts.GetHeaderCtrl())
    {
        pHeader->SetImageList(m_ilHeader.GetSafeHandle());
        for (int iCol = 0; iCol < COLUMN_COUNT; ++iCol)
        {
            HDITEMA item = {};
            item.mask = HDI_FORMAT;
            pHeader->GetItem(iCol, &item);
            item.mask = HDI_FORMAT | HDI_IMAGE;
            item.fmt |= HDF_IMAGE;
            item.iImage = 0;
            pHeader->SetItem(iCol, &item);
        }
    }
    if (!IsInitPending())
        UpdateLayout();
    m_bColumnsNeedInit = 0;
}

std::array<int, CDlgSensorConnection::COLUMN_COUNT> CDlgSensorConnection::ColumnWidths(int iListWidth)
{
    std::array<int, COLUMN_COUNT> aiWidths = {};
    const int iRest = iListWidth - LIST_FREE_WIDTH;
    int iSum = 0;
    for (int iCol = 0; iCol < COLUMN_COUNT - 1; ++iCol)
    {
        aiWidths[iCol] = iRest * COLUMN_SHARES[iCol] / COLUMN_SHARE_SUM;
        iSum += aiWidths[iCol];
    }
    aiWidths[COLUMN_COUNT - 1] = iRest - iSum - LAST_COLUMN_SPARE;
    return aiWidths;
}

void CDlgSensorConnection::UpdateLayout()
{
    if (!GetSafeHwnd() || !m_listPorts.GetSafeHwnd())
        return;
    m_listPorts.SendMessage(WM_SETREDRAW, FALSE);
    CSensorPage::UpdateLayout();
    const CRect rcGroup = GetGroupRect();
    const CRect rcList(rcGroup.left + LIST_INSET_X, rcGroup.top + LIST_INSET_TOP,
                       rcGroup.left + LIST_INSET_X + rcGroup.Width() - LIST_LESS_WIDTH,
                       rcGroup.top + LIST_INSET_TOP + rcGroup.Height() - LIST_LESS_HEIGHT);
    m_listPorts.MoveWindow(rcList, TRUE);
    const std::array<int, COLUMN_COUNT> aiWidths = ColumnWidths(rcList.Width());
    for (int iCol = 0; iCol < COLUMN_COUNT; ++iCol)
        m_listPorts.SetColumnWidth(iCol, aiWidths[static_cast<size_t>(iCol)]);
    m_btnRefresh.MoveWindow(rcList.left, rcList.bottom + BUTTON_GAP, rcList.Width(), BUTTON_HEIGHT, TRUE);
    m_listPorts.SendMessage(WM_SETREDRAW, TRUE);
    m_listPorts.Invalidate();
}

void CDlgSensorConnection::OnPageShown()
{
    UpdateLayout();
    CComPort* pEngine = GetEngine();
    if (pEngine != nullptr && pEngine->m_bPortListOutdated)
        pEngine->COM_CheckConnection(0);
}

// ---- Baud rates -------------------------------------------------------------------------------------------

BYTE CDlgSensorConnection::BaudTextToCode(const CString& strText, long* plBaudrate)
{
    BYTE ucCode = BAUD_CODE_115200;
    if (strText == BAUD_TEXT_230400)
        ucCode = BAUD_CODE_230400;
    else if (strText != BAUD_TEXT_115200)
    {
        CString strMessage;
        strMessage.Format("Fehler 321KLM4354\n\n%s\n%ld", strText.GetString(),
                          plBaudrate ? *plBaudrate : -1L);
        AfxMessageBox(strMessage, MB_OK);
    }
    if (plBaudrate != nullptr)
        *plBaudrate = ucCode == BAUD_CODE_230400 ? 230400 : 115200;
    return ucCode;
}

int CDlgSensorConnection::BaudToText(long lBaudrate, CString* pstrText, BYTE* pucCode)
{
    const bool bFast = lBaudrate == 230400;
    if (!bFast && lBaudrate != 115200)
        return -1;
    if (pstrText != nullptr)
        *pstrText = bFast ? BAUD_TEXT_230400 : BAUD_TEXT_115200;
    if (pucCode != nullptr)
        *pucCode = bFast ? BAUD_CODE_230400 : BAUD_CODE_115200;
    return bFast ? 1 : 0;
}

// ---- Rows -------------------------------------------------------------------------------------------------

UINT CDlgSensorConnection::StateTextId(int iState)
{
    switch (iState)
    {
        case ID_PORT_AVAILABLE:
            return IDS_PORT_AVAILABLE;
        case ID_PORT_ACTIVE:
            return IDS_PORT_ACTIVE;
        case ID_PORT_WRONG_DEVICE:
            return IDS_NOT_SUPPORTED;
        case ID_PORT_NO_ANSWER:
            return IDS_NOT_AVAILABLE;
        case ID_PORT_CHECK_INTERFACE:
            return IDS_CHECK_INTERFACE;
        default:
            return 0;
    }
}

CString CDlgSensorConnection::RangeEndText(const SensorStruct& sSensor, int iLanguageOffset)
{
    const CString strA = CDlgSensorInformationQbx::RangeEndText(sSensor, 0, iLanguageOffset);
    if (CDlgSensorInformationQbx::IsSingleChannelInterface(sSensor))
        return strA;
    return strA + "/" + CDlgSensorInformationQbx::RangeEndText(sSensor, 1, iLanguageOffset);
}

CString CDlgSensorConnection::DeviceText(const SensorStruct& sSensor, const CString& strPortKey,
                                         bool bRenameSerial, int iLanguageOffset)
{
    CString strName;
    CTervane_Send::TerSend_StatorTypeToDeviceName(strName, sSensor.ucStatorType, sSensor.ucStatorRev,
                                                  sSensor.ucInterfaceKind, sSensor.ucNoDigitalInput,
                                                  iLanguageOffset);
    if (bRenameSerial && strPortKey.Find(USB_PORT_NAME) < 0)
        strName.Replace("TK-USB", "TK-RS485");
    CString strRevision;
    strRevision.Format(" (Rev.: %d)", sSensor.ucStatorRev);
    return strName + strRevision;
}

bool CDlgSensorConnection::SetCell(int iRow, int iColumn, const CString& strText, bool bBlackOnWhite)
{
    if (bBlackOnWhite)
        return m_listPorts.SetCellTextAndColors(iRow, iColumn, strText, BLACK, WHITE) != FALSE;
    return m_listPorts.SetCellText(iRow, iColumn, strText) != FALSE;
}

bool CDlgSensorConnection::SetPortRow(const CString& strDisplay, int iRow, int iState, int iSerialNumber)
{
    CComPort* pEngine = GetEngine();
    if (pEngine == nullptr || iRow < 0 || iRow >= PORT_TABLE_SIZE)
        return false;
    const ComPortStruct& entry = pEngine->m_sComPort.at(static_cast<size_t>(iRow));
    const UINT nStateText = StateTextId(iState);
    const CString strState = nStateText != 0 ? LoadText(nStateText) : CString("ERROR 1266656");
    const bool bColoured = iState != ID_PORT_NO_ANSWER;
    const int iNew = bColoured ? m_listPorts.InsertColoredRow(iRow, strDisplay, BLACK, WHITE)
                               : m_listPorts.InsertRow(iRow, strDisplay);
    if (iNew != iRow)
        return false;
    bool bAll = SetCell(iRow, COL_STATE, strState, bColoured);
    if (iState == ID_PORT_AVAILABLE || iState == ID_PORT_ACTIVE)
        return SetUsableRowCells(iRow, entry, iSerialNumber) && bAll;
    // Rows without a usable sensor; a sensor that is not supported still names its interface.
    const bool bBlackOnWhite = iState == ID_PORT_WRONG_DEVICE || iState == ID_PORT_CHECK_INTERFACE;
    for (int iCol : {COL_BAUDRATE, COL_ADDRESS, COL_SERIAL, COL_RANGE})
        bAll &= SetCell(iRow, iCol, NOT_AVAILABLE, bBlackOnWhite);
    const CString strType = iState == ID_PORT_WRONG_DEVICE
                                ? DeviceText(entry.sSensor, entry.strComPort, false, GetLanguage())
                                : CString(NOT_AVAILABLE);
    bAll &= SetCell(iRow, COL_SENSOR_TYPE, strType, bBlackOnWhite);
    return bAll;
}

bool CDlgSensorConnection::SetUsableRowCells(int iRow, const ComPortStruct& entry, int iSerialNumber)
{
    CStringArray& items = m_aComboItems[static_cast<size_t>(iRow)];
    items.RemoveAll();
    items.Add(BAUD_TEXT_115200);
    items.Add(BAUD_TEXT_230400);
    bool bAll =
        m_listPorts.SetCellCombo(iRow, COL_BAUDRATE, TRUE, &items, COMBO_DROP_ROWS,
                                 BaudToText(entry.lComPortBaudrate, nullptr, nullptr), FALSE) != FALSE;
    m_listPorts.SetCellColors(iRow, COL_BAUDRATE, BLACK, WHITE);
    CString strNumber;
    strNumber.Format("%d", entry.ucInterfaceAddress);
    bAll &= SetCell(iRow, COL_ADDRESS, strNumber, true);
    strNumber.Format("%d", iSerialNumber);
    bAll &= SetCell(iRow, COL_SERIAL, strNumber, true);
    const int iLanguage = GetLanguage();
    bAll &= SetCell(iRow, COL_RANGE, RangeEndText(entry.sSensor, iLanguage), true);
    bAll &=
        SetCell(iRow, COL_SENSOR_TYPE, DeviceText(entry.sSensor, entry.strComPort, true, iLanguage), true);
    return bAll;
}

bool CDlgSensorConnection::ResetList()
{
    m_listPorts.DeleteAllRows();
    bool bDeleted = true;
    for (int iCol = m_listPorts.GetColumnCount() - 1; iCol >= 0; --iCol)
        bDeleted &= m_listPorts.DeleteColumn(iCol) != FALSE;
    m_bColumnsNeedInit = 1;
    InitColumns();
    return bDeleted;
}

bool CDlgSensorConnection::FillPortList(int iMode)
{
    CComPort* pEngine = GetEngine();
    if (pEngine == nullptr || !m_listPorts.GetSafeHwnd())
        return false;
    const bool bDeleted = ResetList();
    BeginRefill();
    for (int i = 0; i < PORT_TABLE_SIZE; ++i)
    {
        const ComPortStruct& entry = pEngine->m_sComPort.at(static_cast<size_t>(i));
        if (entry.strComPort.IsEmpty())
            break;
        SetPortRow(pEngine->COM_PortKeyToDisplayText(entry.strComPort), i,
                   iMode == 1 ? ID_PORT_CHECK_INTERFACE : entry.iTervaneState,
                   static_cast<int>(entry.sSensor.ulSerialNo));
    }
    EndRefill();
    return bDeleted;
}

void CDlgSensorConnection::ResetListMarks()
{
    m_listPorts.m_bListModified = FALSE;
    for (int iRow = 0; iRow < m_listPorts.GetItemCount(); ++iRow)
    {
        for (int iCol = 0; iCol < COLUMN_COUNT; ++iCol)
            m_listPorts.SetCellModified(iRow, iCol, FALSE);
    }
    if (m_listPorts.GetSafeHwnd())
        m_listPorts.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SetTitle(false);
}

void CDlgSensorConnection::BeginRefill()
{
    m_listPorts.SendMessage(WM_SETREDRAW, FALSE);
    m_listPorts.DeleteAllRows();
}

void CDlgSensorConnection::EndRefill()
{
    m_listPorts.SendMessage(WM_SETREDRAW, TRUE);
    m_listPorts.Invalidate();
}

// ---- The list as the protocol engine writes it -----------------------------------------------------------

void CDlgSensorConnection::Connection_SetPortRow(const CString& strListText, int iRow, int iState,
                                                 ULONG ulSerialNo)
{
    SetPortRow(strListText, iRow, iState, static_cast<int>(ulSerialNo));
}

int CDlgSensorConnection::Connection_GetRowCount()
{
    return GetProgressRowCount();
}

CString CDlgSensorConnection::Connection_GetCellText(int iRow, int iColumn)
{
    return m_listPorts.GetSafeHwnd() ? m_listPorts.GetItemText(iRow, iColumn) : CString();
}

void CDlgSensorConnection::Connection_SetCellText(int iRow, int iColumn, const CString& strText)
{
    m_listPorts.SetCellText(iRow, iColumn, strText);
}

// ---- Search progress in the status column ----------------------------------------------------------

int CDlgSensorConnection::GetProgressRowCount()
{
    return m_listPorts.GetSafeHwnd() ? m_listPorts.GetItemCount() : 0;
}

void CDlgSensorConnection::BeginRowProgress(int iRow)
{
    m_listPorts.SetCellProgress(iRow, COL_STATE, TRUE, nullptr);
}

void CDlgSensorConnection::SetRowProgress(int iRow, int iPercent)
{
    m_listPorts.UpdateCellProgress(iRow, COL_STATE, iPercent);
}

void CDlgSensorConnection::EndRowProgress(int iRow)
{
    m_listPorts.RemoveCellProgress(iRow, COL_STATE);
}

// ---- Operator actions -------------------------------------------------------------------------------------

void CDlgSensorConnection::OnRefresh()
{
    SetListProgress(true);
    if (CComPort* pEngine = GetEngine())
        pEngine->COM_CheckConnection(0);
}

BOOL CDlgSensorConnection::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYUP && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_SPACE) &&
        pMsg->hwnd == m_listPorts.GetSafeHwnd())
    {
        ClickedListCtrlItem(m_listPorts.GetSelectionMark(), 0);
        return TRUE;
    }
    return CSensorPage::PreTranslateMessage(pMsg);
}

void CDlgSensorConnection::OnDblClickList(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* pActivate = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    if (pActivate->iItem >= 0 && pActivate->iSubItem >= 0)
        ClickedListCtrlItem(pActivate->iItem, 0);
    *pResult = 0;
}

void CDlgSensorConnection::OnColumnClickList(NMHDR*, LRESULT* pResult)
{
    SetTitle(true);
    *pResult = 0;
}

// A combo choice of another rate than the entry's changes the sensor's baud rate.
LRESULT CDlgSensorConnection::OnComboSelection(WPARAM wParam, LPARAM lParam)
{
    const int iRow = static_cast<int>(wParam);
    const int iCol = static_cast<int>(lParam);
    CComPort* pEngine = GetEngine();
    if (iCol != COL_BAUDRATE || !m_listPorts.IsCellModified(iRow, iCol) || pEngine == nullptr ||
        iRow >= PORT_TABLE_SIZE)
        return 0;
    long lBaudrate = 0;
    BaudTextToCode(m_listPorts.GetItemText(iRow, iCol), &lBaudrate);
    if (lBaudrate != pEngine->m_sComPort.at(static_cast<size_t>(iRow)).lComPortBaudrate)
        ClickedListCtrlItem(iRow, 1);
    return 0;
}

LRESULT CDlgSensorConnection::OnEditEnd(WPARAM wParam, LPARAM lParam)
{
    const int iRow = static_cast<int>(wParam);
    const int iCol = static_cast<int>(lParam);
    const bool bModified = m_listPorts.IsCellModified(iRow, iCol) != FALSE;
    COLORREF crText = BLACK;
    COLORREF crBack = WHITE;
    m_listPorts.GetCellColors(iRow, iCol, crText, crBack);
    m_listPorts.SetCellColors(iRow, iCol, bModified ? RED : BLACK, crBack);
    if (bModified)
        SetTitle(true);
    return 0;
}

bool CDlgSensorConnection::NoRowShowsStatus(const CString& strStatus)
{
    for (int iRow = 0; iRow < PORT_TABLE_SIZE; ++iRow)
    {
        const CString strCell = m_listPorts.GetItemText(iRow, COL_STATE);
        if (strCell.IsEmpty())
            return true;
        if (strCell == strStatus)
            return false;
    }
    return true;
}

void CDlgSensorConnection::TellPanelDisconnected()
{
    if (CComPort* pEngine = GetEngine())
        pEngine->COM_Panel().Panel_OnSensorDisconnected();
}

void CDlgSensorConnection::AwaitBaudrateChange(int iRow)
{
    if (CComPort* pEngine = GetEngine())
        pEngine->COM_Host().Frame_BeginWaitCursor();
    PostMessage(WM_BAUDRATE_CHANGED, static_cast<WPARAM>(iRow), 0);
}

void CDlgSensorConnection::ClickedListCtrlItem(int iRow, int bComboIsModified)
{
    SetListProgress(true);
    CComPort* pEngine = GetEngine();
    if (m_bBaudChangePending || pEngine == nullptr)
        return;
    if (m_bConnectAfterClose)
    {
        ConnectAfterClose();
        return;
    }
    m_iSavedRow = iRow;
    if (pEngine->COM_GetZMCOMConfgFlow() == ZM_START_INIT)
    {
        SetListProgress(false);
        return;
    }
    const CString strCurrentPort =
        pEngine->m_pPort ? pEngine->m_pPort->GetCurrentDisplayName() : pEngine->m_strClosedPortName;
    if (bComboIsModified == 1 && iRow == pEngine->m_iActiveArray && iRow >= 0 && iRow < PORT_TABLE_SIZE &&
        strCurrentPort == pEngine->m_sComPort.at(static_cast<size_t>(iRow)).strComPort)
    {
        // The rate of the connected sensor changes: written once its configuration is known.
        AwaitBaudrateChange(iRow);
        return;
    }
    if (iRow >= 0)
    {
        const CString strKey =
            pEngine->COM_DisplayTextToPortKey(m_listPorts.GetItemText(iRow, COL_INTERFACE));
        const CString strStatus = m_listPorts.GetItemText(iRow, COL_STATE);
        if (strStatus == LoadText(IDS_PORT_ACTIVE))
            Disconnect(*pEngine, strKey);
        else if (strStatus == LoadText(IDS_PORT_AVAILABLE))
        {
            if (!Connect(*pEngine, iRow, strKey, strCurrentPort, bComboIsModified))
                return;
        }
        else if (strStatus == LoadText(IDS_NOT_AVAILABLE))
            ReportBusyPort(*pEngine, strKey);
    }
    SetListProgress(false);
}

// Timer 34 fired after the other port was closed for a baud-rate change: the saved row is connected, its
// configuration read, and the new rate written after that.
void CDlgSensorConnection::ConnectAfterClose()
{
    CComPort& engine = *GetEngine();
    const int iRow = m_iSavedRow;
    m_bConnectAfterClose = false;
    engine.COM_Host().Frame_SetSensorConfigRead(false);
    TellPanelDisconnected();
    engine.m_strActivePortKey = m_strSavedPortKey;
    // A port other than the one open before: the connection reads the sensor's configuration, which the
    // baud-rate write waits for and patches.
    engine.m_strPortBeforeSearch = engine.m_strClosedPortName;
    engine.COM_UpdateConnectionListRow(m_strSavedPortKey, 1);
    if (ActivateRow(engine, iRow, m_strSavedPortKey))
        AwaitBaudrateChange(iRow);
    else
        SetListProgress(false);
}

// A port that cannot be opened (taken by another program, or gone) is shown as not answering and reported.
bool CDlgSensorConnection::ActivateRow(CComPort& engine, int iRow, const CString& strKey)
{
    const int iState = engine.COM_ActivateComPort(strKey, iRow, ID_PORT_AVAILABLE);
    if (iState == ID_PORT_ACTIVE)
        return true;
    engine.m_sComPort.at(static_cast<size_t>(iRow)).iTervaneState = iState;
    engine.m_strActivePortKey = engine.m_strClosedPortName;
    SetCell(iRow, COL_STATE, LoadText(StateTextId(iState)), true);
    ReportBusyPort(engine, strKey);
    return false;
}

void CDlgSensorConnection::Disconnect(CComPort& engine, const CString& strKey)
{
    if (engine.m_pPort)
        engine.m_pPort->ClosePort(false);
    engine.m_strActivePortKey = engine.m_strClosedPortName;
    engine.COM_UpdateConnectionListRow(strKey, 0);
    TellPanelDisconnected();
    if (auto* pInfo = dynamic_cast<CDlgSensorInformationQbx*>(
            GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_SENSOR_INFORMATION)))
        pInfo->UpdatePage();
}

bool CDlgSensorConnection::Connect(CComPort& engine, int iRow, const CString& strKey,
                                   const CString& strCurrentPort, int bComboIsModified)
{
    if (!NoRowShowsStatus(LoadText(IDS_PORT_ACTIVE)))
    {
        engine.COM_UpdateConnectionListRow(strCurrentPort, 2);
        if (engine.m_pPort)
            engine.m_pPort->ClosePort(false);
        if (bComboIsModified == 1)
        {
            GetPageHost()->GetFrameWindow()->SetTimer(TIMER_LIST_CONNECT, LIST_CONNECT_MS);
            m_bConnectAfterClose = true;
            m_strSavedPortKey = strKey;
            return false;
        }
    }
    TellPanelDisconnected();
    engine.m_strActivePortKey = strKey;
    // The same key takes over the record the search read; a baud-rate change reads the configuration
    // again, since its write waits for that read and patches the block it brings.
    engine.m_strPortBeforeSearch = bComboIsModified == 1 ? engine.m_strClosedPortName : strKey;
    engine.COM_UpdateConnectionListRow(strKey, 1);
    if (!ActivateRow(engine, iRow, strKey))
        return true;
    if (auto* pInfo = dynamic_cast<CDlgSensorInformationQbx*>(
            GetPageHost()->GetRegisteredWindow(REGISTER_KIND_DLG_SENSOR_INFORMATION)))
        pInfo->m_bRefreshOnShow = 1;
    if (bComboIsModified == 1 && iRow == engine.m_iActiveArray)
    {
        engine.COM_Host().Frame_SetSensorConfigRead(false);
        AwaitBaudrateChange(iRow);
        return false;
    }
    return true;
}

void CDlgSensorConnection::ReportBusyPort(CComPort& engine, const CString& strKey)
{
    CString strMessage;
    strMessage.Format("%s \"%s\" %s", LoadText(IDS_PORT_BUSY_BEFORE).GetString(),
                      engine.COM_PortKeyToDisplayText(strKey).GetString(),
                      LoadText(IDS_PORT_BUSY_AFTER).GetString());
    AfxMessageBox(strMessage, MB_OK);
}

LRESULT CDlgSensorConnection::OnMsgBaudrateChanged(WPARAM wParam, LPARAM lParam)
{
    m_iBaudChangeRow = static_cast<int>(wParam);
    m_iBaudChangeColumn = static_cast<int>(lParam);
    m_bBaudChangePending = true;
    if (GetPageHost() != nullptr)
        GetPageHost()->GetFrameWindow()->SetTimer(TIMER_WAIT_BAUDRATE_CHANGED, WAIT_BAUDRATE_CHANGED_MS);
    return 0;
}
