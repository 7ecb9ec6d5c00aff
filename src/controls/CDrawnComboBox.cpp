#include "controls/CDrawnComboBox.h"

#include "controls/CDrawnComboEdit.h"
#include "controls/CDropListBox.h"
#include "controls/CDropWnd.h"
#include "controls/CThemeHelper.h"
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CPaintDC.h"
#include "framework/CPen.h"
#include "framework/CResourceException.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CDrawnComboBox, CWnd)

BEGIN_MESSAGE_MAP(CDrawnComboBox, CWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_CHILDACTIVATE, OnChildActivate)
ON_WM_PAINT()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_ENABLE()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_MOUSEWHEEL()
ON_EN_SETFOCUS(ACB_ID_EDIT, OnEditSetFocus)
ON_EN_KILLFOCUS(ACB_ID_EDIT, OnEditKillFocus)
ON_EN_CHANGE(ACB_ID_EDIT, OnEditChange)
ON_EN_UPDATE(ACB_ID_EDIT, OnEditUpdate)
ON_MESSAGE(WM_ACB_PICK_ITEM, OnPickItem)
ON_MESSAGE(WM_ACB_CLOSE_LIST, OnCloseList)
ON_MESSAGE(WM_ACB_TOGGLE_LIST, OnToggleList)
ON_MESSAGE(CB_ADDSTRING, OnCbAddString)
ON_MESSAGE(CB_GETCOUNT, OnCbGetCount)
ON_MESSAGE(CB_GETCURSEL, OnCbGetCurSel)
ON_MESSAGE(CB_SETCURSEL, OnCbSetCurSel)
ON_MESSAGE(CB_SELECTSTRING, OnCbSelectString)
ON_MESSAGE(CB_RESETCONTENT, OnCbResetContent)
ON_MESSAGE(CB_GETLBTEXT, OnCbGetLBText)
ON_MESSAGE(CB_GETLBTEXTLEN, OnCbGetLBTextLen)
ON_MESSAGE(CB_GETTOPINDEX, OnCbGetTopIndex)
ON_MESSAGE(CB_SETTOPINDEX, OnCbSetTopIndex)
END_MESSAGE_MAP()

namespace
{
constexpr UINT_PTR TIMER_HOVER = 1;
constexpr int PAGE_STEP = 10;
constexpr int WHEEL_ROWS = 3;
// Theme parts, states and properties of the combo box class.
constexpr int CP_DROPDOWNBUTTON_PART = 1;
constexpr int CBXS_NORMAL_STATE = 1, CBXS_HOT_STATE = 2, CBXS_PRESSED_STATE = 3, CBXS_DISABLED_STATE = 4;
constexpr int TMT_BORDERCOLOR_PROP = 3801, TMT_FILLCOLOR_PROP = 3802;

// The process-wide guard of the inline completion: set while it writes the edit text.
bool s_bCompleting = false;

void RegisterComboClass()
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    WNDCLASSA wc = {};
    if (::GetClassInfoA(hInst, DRAWNCOMBO_CLASSNAME, &wc))
        return;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    wc.lpszClassName = DRAWNCOMBO_CLASSNAME;
    if (!::RegisterClassA(&wc))
        AfxThrowResourceException();
}

bool StartsWith(const CString& strText, const CString& strPrefix)
{
    return strText.GetLength() >= strPrefix.GetLength() &&
           std::equal((const char*)strPrefix, (const char*)strPrefix + strPrefix.GetLength(),
                      (const char*)strText);
}
} // namespace

CDrawnComboBox::CDrawnComboBox(CWnd* pNotifyWnd, DWORD dwOptions)
    : m_pNotifyWnd(pNotifyWnd), m_dwOptions(dwOptions)
{
    RegisterComboClass();
}

CDrawnComboBox::~CDrawnComboBox()
{
    if (m_pDropWnd != nullptr)
    {
        m_pDropWnd->ShowWindow(SW_HIDE);
        m_pDropWnd->DestroyWindow();
        m_pDropWnd.reset();
    }
    if (m_pEdit != nullptr)
    {
        m_pEdit->DestroyWindow();
        m_pEdit.reset();
    }
    // The window goes before the font it was given.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDrawnComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_dwOptions |= ACB_INSET_EDIT;
    m_bMadeByCreate = true;
    LoadItemsFromResource(nID);
    return CWnd::Create(nullptr, "", dwStyle, rect, pParentWnd, nID);
}

CFont* CDrawnComboBox::GetFont() const
{
    return m_pFont.get();
}

// --- items and selection ----------------------------------------------------------------------------

int CDrawnComboBox::AddString(LPCSTR lpszText)
{
    ComboItem item;
    item.strText = lpszText != nullptr ? lpszText : "";
    m_items.push_back(item);
    return (int)m_items.size() - 1;
}

void CDrawnComboBox::GetLBText(int nIndex, CString& rString) const
{
    if (nIndex >= 0 && nIndex < GetCount())
        rString = m_items[(size_t)nIndex].strText;
    else
        rString.Empty();
}

int CDrawnComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    const CString strFind = lpszFind != nullptr ? lpszFind : "";
    for (int i = std::max(nIndexStart, 0); i < GetCount(); ++i)
        if (m_items[(size_t)i].strText == strFind)
            return i;
    return -1;
}

int CDrawnComboBox::SetCurSel(int nSelect)
{
    if (nSelect == -1)
    {
        m_iCurSel = -1;
        m_strCurText.Empty();
        SetEditText(m_strCurText, true);
        Invalidate();
        return -1;
    }
    if (m_items.empty())
    {
        // Kept for the items still to come: the first paint after they are added shows it.
        m_iCurSel = nSelect;
        return -1;
    }
    if (nSelect < -1 || nSelect >= GetCount())
        return -1;
    m_iCurSel = nSelect;
    m_strCurText = m_items[(size_t)nSelect].strText;
    // The edit part shows the selection too, so GetCurSel reads it back.
    SetEditText(m_strCurText, true);
    Invalidate();
    return nSelect;
}

int CDrawnComboBox::GetCurSel() const
{
    CString strShown = m_strCurText;
    if (m_pEdit != nullptr && m_pEdit->m_hWnd != nullptr)
        m_pEdit->GetWindowText(strShown);
    return FindStringExact(-1, strShown);
}

void CDrawnComboBox::LoadItemsFromResource(UINT nID)
{
    if (nID == 0 && m_hWnd != nullptr)
        nID = (UINT)GetDlgCtrlID();
    CString strItems;
    if (nID == 0 || !strItems.LoadString(nID))
        return;
    m_items.clear();
    int iStart = 0;
    for (;;)
    {
        const int iEnd = strItems.Find('\n', iStart);
        if (iEnd < 0)
        {
            AddString(strItems.Mid(iStart));
            return;
        }
        AddString(strItems.Mid(iStart, iEnd - iStart));
        iStart = iEnd + 1;
    }
}

// --- attaching ----------------------------------------------------------------------------------------

bool CDrawnComboBox::IsDropDownStyle() const
{
    return (GetStyle() & CBS_DROPDOWNLIST) == CBS_DROPDOWN;
}

void CDrawnComboBox::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    if (m_pNotifyWnd == nullptr)
        m_hWndNotify = ::GetParent(m_hWnd);
    else
        m_hWndNotify = m_pNotifyWnd->m_hWnd;
    LoadItemsFromResource(0);
    if (m_pFont == nullptr)
        CopyNotifyFont();
    // A window being created has no size yet: its edit part comes with WM_CREATE.
    CRect rcClient;
    GetClientRect(rcClient);
    if (!m_bMadeByCreate && IsDropDownStyle() && m_pEdit == nullptr && !rcClient.IsRectEmpty())
        CreateEditPart();
}

void CDrawnComboBox::CopyNotifyFont()
{
    HFONT hFont = nullptr;
    if (m_hWndNotify != nullptr)
        hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWndNotify, WM_GETFONT, 0, 0));
    // A window without a font of its own draws with the GUI font.
    if (hFont == nullptr)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA lf = {};
    if (!::GetObjectA(hFont, sizeof(lf), &lf))
        return;
    auto pFont = std::make_unique<CFont>();
    if (pFont->CreateFontIndirect(&lf))
        m_pFont = std::move(pFont);
}

void CDrawnComboBox::CreateEditPart()
{
    CRect rect;
    GetClientRect(rect);
    rect.right -= ::GetSystemMetrics(SM_CXHSCROLL);
    if (m_dwOptions & ACB_INSET_EDIT)
    {
        rect.left += 3;
        rect.top += 4;
        rect.right -= 2;
        rect.bottom -= 2;
    }
    DWORD dwStyle = WS_CHILD | WS_VISIBLE;
    if (GetStyle() & CBS_AUTOHSCROLL)
        dwStyle |= ES_AUTOHSCROLL;
    auto pEdit = std::make_unique<CDrawnComboEdit>();
    if (!pEdit->Create(dwStyle, rect, this, ACB_ID_EDIT))
        return;
    m_pEdit = std::move(pEdit);
    m_pEdit->SetFont(m_pFont.get(), FALSE);
    SetEditText(m_strCurText, true);
}

void CDrawnComboBox::SetEditText(const CString& strText, bool bQuiet)
{
    if (m_pEdit == nullptr || m_pEdit->m_hWnd == nullptr)
        return;
    const bool bWasQuiet = m_bQuietEdit;
    m_bQuietEdit = bQuiet;
    m_pEdit->SetWindowText(strText);
    m_bQuietEdit = bWasQuiet;
}

int CDrawnComboBox::OnCreate(LPCREATESTRUCT)
{
    const int nResult = (int)Default();
    if (m_pFont == nullptr)
        CopyNotifyFont();
    // Creating a visible child brings no WM_CHILDACTIVATE (Wine): the edit part is made here.
    if (IsDropDownStyle() && m_pEdit == nullptr)
        CreateEditPart();
    return nResult;
}

LRESULT CDrawnComboBox::OnChildActivate(WPARAM, LPARAM)
{
    if (m_pFont == nullptr)
        CopyNotifyFont();
    if (m_bMadeByCreate && IsDropDownStyle() && m_pEdit == nullptr)
        CreateEditPart();
    return Default();
}

void CDrawnComboBox::Notify(UINT nCode)
{
    if (m_hWndNotify != nullptr && ::IsWindow(m_hWndNotify))
        ::SendMessageA(m_hWndNotify, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

// --- painting -----------------------------------------------------------------------------------------

CRect CDrawnComboBox::GetDropButtonRect() const
{
    CRect rect;
    GetClientRect(rect);
    rect.left = rect.right - ::GetSystemMetrics(SM_CXHSCROLL);
    return rect;
}

void CDrawnComboBox::OnPaint()
{
    CPaintDC dc(this);
    Paint(&dc);
}

void CDrawnComboBox::Paint(CDC* pDC)
{
    CDC& dc = *pDC;
    const int nSavedDC = dc.SaveDC();
    const BOOL bEnabled = IsWindowEnabled();
    if (m_iCurSel != -1)
    {
        if (m_iCurSel >= 0 && m_iCurSel < GetCount())
            m_strCurText = m_items[(size_t)m_iCurSel].strText;
        if (m_bEditTextPending && m_pEdit != nullptr)
        {
            SetEditText(m_strCurText);
            m_bEditTextPending = false;
            m_pEdit->EnableWindow(bEnabled);
        }
    }
    CRect rcClient;
    GetClientRect(rcClient);
    CRect rcButton = GetDropButtonRect();
    CRect rcText = rcClient;
    rcText.right = rcButton.left - 1;
    dc.FillSolidRect(rcClient, ::GetSysColor(bEnabled ? COLOR_WINDOW : COLOR_BTNFACE));

    CThemeHelper& theme = CThemeHelper::GetInstance();
    if (theme.IsThemed())
    {
        HTHEME hTheme = theme.OpenThemeData(m_hWnd, L"COMBOBOX");
        int iState = IsDropped() ? CBXS_PRESSED_STATE : m_bButtonHot ? CBXS_HOT_STATE : CBXS_NORMAL_STATE;
        if (!bEnabled)
            iState = CBXS_DISABLED_STATE;
        COLORREF crFrame = RGB(0, 0, 0);
        if (FAILED(theme.GetThemeColor(hTheme, CP_DROPDOWNBUTTON_PART, bEnabled ? 1 : 4, TMT_BORDERCOLOR_PROP,
                                       &crFrame)))
            crFrame = RGB(0, 0, 0);
        CPen penFrame(PS_SOLID, 1, crFrame);
        CPen* pOldPen = dc.SelectObject(&penFrame);
        dc.Rectangle(rcClient);
        rcButton.OffsetRect(-1, 0);
        rcButton.DeflateRect(0, 1);
        dc.SelectObject(pOldPen);
        if (!bEnabled)
        {
            COLORREF crFill = RGB(255, 255, 255);
            if (FAILED(theme.GetThemeColor(hTheme, CP_DROPDOWNBUTTON_PART, 4, TMT_FILLCOLOR_PROP, &crFill)))
                crFill = RGB(255, 255, 255);
            CPen penFill(PS_SOLID, 1, crFill);
            CBrush brFace(::GetSysColor(COLOR_BTNFACE));
            pOldPen = dc.SelectObject(&penFill);
            CBrush* pOldBrush = dc.SelectObject(&brFace);
            dc.Rectangle(rcClient.left + 1, rcClient.top + 1, rcButton.left, rcClient.bottom - 1);
            dc.SelectObject(pOldBrush);
            dc.SelectObject(pOldPen);
        }
        theme.DrawThemeBackground(hTheme, dc.m_hDC, CP_DROPDOWNBUTTON_PART, iState, &rcButton, nullptr);
        theme.CloseThemeData(hTheme);
    }
    else
    {
        dc.Draw3dRect(rcClient, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        CRect rcInner = rcClient;
        rcInner.DeflateRect(1, 1);
        dc.Draw3dRect(rcInner, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DLIGHT));
        rcButton.OffsetRect(-2, 0);
        rcButton.DeflateRect(0, 2);
        UINT nState = DFCS_SCROLLDOWN;
        if (IsDropped())
            nState |= DFCS_PUSHED | DFCS_FLAT;
        if (!bEnabled)
            nState |= DFCS_INACTIVE;
        dc.DrawFrameControl(rcButton, DFC_SCROLL, nState);
    }

    rcText.DeflateRect(4, 3, 2, 3);
    if (IsDropDownStyle())
    {
        if (m_pEdit != nullptr)
            m_pEdit->SetFont(m_pFont.get(), TRUE);
        dc.RestoreDC(nSavedDC);
        return;
    }
    rcText.InflateRect(2, 2, 1, 2);
    if (m_pFont != nullptr)
        dc.SelectObject(m_pFont.get());
    dc.SetBkMode(TRANSPARENT);
    const bool bHighlight = m_bFocusHighlight && !IsDropped();
    dc.FillSolidRect(rcText, ::GetSysColor(!bEnabled    ? COLOR_BTNFACE
                                           : bHighlight ? COLOR_HIGHLIGHT
                                                        : COLOR_WINDOW));
    dc.SetTextColor(::GetSysColor(!bEnabled    ? COLOR_GRAYTEXT
                                  : bHighlight ? COLOR_HIGHLIGHTTEXT
                                               : COLOR_BTNTEXT));
    dc.DrawText(m_strCurText, rcText, DT_SINGLELINE | DT_VCENTER);
    dc.RestoreDC(nSavedDC);
}

// --- the drop-down list -------------------------------------------------------------------------------

BOOL CDrawnComboBox::OpenDropList(const std::vector<ComboItem>& items)
{
    CRect rcBox;
    GetWindowRect(rcBox);
    CRect rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    const int yStart = std::min(rcBox.bottom, rcWork.bottom);
    const CRect rcStart(rcBox.left, yStart, rcBox.right, yStart);
    auto pDropWnd = std::make_unique<CDropWnd>(this, items, m_dwOptions);
    if (!pDropWnd->CreateEx(0, nullptr, "", WS_CHILD | 0x1001, rcStart, CWnd::GetDesktopWindow(),
                            ACB_ID_DROPWND))
        return FALSE;
    m_pDropWnd = std::move(pDropWnd);
    if (m_iCurSel >= (int)items.size())
        m_iCurSel = 0;
    CDropListBox* pList = m_pDropWnd->GetListBox();
    pList->SelectRow(m_iCurSel);
    pList->SetFont(m_pFont.get(), TRUE);
    Notify(CBN_DROPDOWN);
    return TRUE;
}

void CDrawnComboBox::CloseDropList()
{
    if (m_pDropWnd == nullptr)
        return;
    m_pDropWnd->ShowWindow(SW_HIDE);
    std::unique_ptr<CDropWnd> pDropWnd = std::move(m_pDropWnd);
    pDropWnd->DestroyWindow();
    pDropWnd.reset();
    InvalidateRect(GetDropButtonRect());
    if (m_bPickInProgress)
        m_bPickInProgress = false;
    else
        Notify(CBN_SELENDCANCEL);
    Notify(CBN_CLOSEUP);
}

void CDrawnComboBox::ToggleDropList()
{
    SendMessage(WM_ACB_TOGGLE_LIST);
}

LRESULT CDrawnComboBox::OnToggleList(WPARAM, LPARAM)
{
    if (IsDropped())
        CloseDropList();
    else if (OpenDropList(m_items))
        m_pDropWnd->ShowWindow(SW_SHOW);
    return 0;
}

LRESULT CDrawnComboBox::OnCloseList(WPARAM, LPARAM)
{
    if (!IsDropped())
        OnReturnKey();
    else
        CloseDropList();
    return 1;
}

LRESULT CDrawnComboBox::OnPickItem(WPARAM wParam, LPARAM)
{
    const ComboItem* pItem = m_pDropWnd != nullptr ? m_pDropWnd->GetItem((int)wParam) : nullptr;
    if (pItem == nullptr)
        return 0;
    m_strCurText = pItem->strText;
    m_iCurSel = FindStringExact(0, m_strCurText);
    SetWindowText(m_strCurText);
    if (m_pEdit != nullptr)
    {
        SetEditText(m_strCurText);
        m_pEdit->SetFocus();
        m_pEdit->SetSel(0, -1);
    }
    m_bPickInProgress = true;
    Notify(CBN_SELENDOK);
    Invalidate();
    CloseDropList();
    InvalidateRect(GetDropButtonRect());
    Notify(CBN_SELCHANGE);
    return 1;
}

// --- keyboard -----------------------------------------------------------------------------------------

BOOL CDrawnComboBox::PreTranslateMessage(MSG* pMsg)
{
    const bool bOurs = pMsg->hwnd == m_hWnd || (m_pEdit != nullptr && pMsg->hwnd == m_pEdit->m_hWnd);
    if (bOurs && pMsg->message == WM_KEYDOWN && PreTranslateKeyDown((UINT)pMsg->wParam))
        return TRUE;
    if (bOurs && pMsg->message == WM_SYSKEYDOWN)
    {
        m_bCompletionArmed = TRUE;
        if (pMsg->wParam == VK_UP || pMsg->wParam == VK_DOWN)
        {
            ToggleDropList();
            Invalidate();
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CDrawnComboBox::PreTranslateKeyDown(UINT nChar)
{
    m_bCompletionArmed = TRUE;
    switch (nChar)
    {
        case VK_BACK:
        case VK_DELETE:
            m_bCompletionArmed = FALSE;
            return FALSE;
        case VK_RETURN:
            if (!IsDropped())
                return FALSE;
            PickOrCancel();
            return TRUE;
        case VK_ESCAPE:
            if (!IsDropped())
            {
                OnEscapeKey();
                return FALSE;
            }
            CloseDropList();
            Invalidate();
            return TRUE;
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
            MoveByKey(nChar);
            return TRUE;
        case VK_RIGHT:
        {
            if (!(m_dwOptions & ACB_COMPLETE_INLINE) || m_pEdit == nullptr)
                return FALSE;
            int iStart = 0, iEnd = 0;
            m_pEdit->GetSel(iStart, iEnd);
            if (iStart != iEnd || iEnd != m_pEdit->GetWindowTextLength())
                return FALSE;
            RunCompletion();
            return TRUE;
        }
        case VK_F4:
            ToggleDropList();
            Invalidate();
            return TRUE;
        default:
            return FALSE;
    }
}

void CDrawnComboBox::PickOrCancel()
{
    const int iRow = m_pDropWnd->GetListBox()->GetCurSel();
    if (iRow >= 0)
        SendMessage(WM_ACB_PICK_ITEM, (WPARAM)iRow);
    // After a pick the list is gone and this ends in OnReturnKey; without a row it cancels.
    SendMessage(WM_ACB_CLOSE_LIST);
}

void CDrawnComboBox::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_PRIOR || nChar == VK_NEXT || nChar == VK_UP || nChar == VK_DOWN)
        MoveByKey(nChar);
    Default();
}

void CDrawnComboBox::MoveByKey(UINT nChar)
{
    const bool bOpen = IsDropped();
    switch (nChar)
    {
        case VK_UP:
            bOpen ? MoveListRow(-1) : SelectPrevious();
            break;
        case VK_DOWN:
            bOpen ? MoveListRow(1) : SelectNext();
            break;
        case VK_PRIOR:
            bOpen ? MoveListPage(false) : SelectPage(-PAGE_STEP);
            break;
        case VK_NEXT:
            bOpen ? MoveListPage(true) : SelectPage(PAGE_STEP);
            break;
    }
}

void CDrawnComboBox::OnChar(UINT nChar, UINT, UINT)
{
    if (m_hWndNotify != nullptr && nChar == VK_ESCAPE)
        OnEscapeKey();
    else if (m_hWndNotify != nullptr && nChar == VK_RETURN)
        OnReturnKey();
    else
        Default();
}

// --- moves of the closed box --------------------------------------------------------------------------

void CDrawnComboBox::SelectAndNotify(int iNew)
{
    if (iNew == m_iCurSel || iNew < 0 || iNew >= GetCount())
        return;
    m_iCurSel = iNew;
    m_strCurText = m_items[(size_t)iNew].strText;
    SetEditText(m_strCurText);
    Invalidate();
    Notify(CBN_SELENDOK);
    Notify(CBN_SELCHANGE);
}

void CDrawnComboBox::SelectPrevious()
{
    // With no selection there is nothing before it.
    for (int i = std::min(m_iCurSel, GetCount()) - 1; i >= 0; --i)
        if (!m_items[(size_t)i].bDisabled)
        {
            SelectAndNotify(i);
            return;
        }
}

void CDrawnComboBox::SelectNext()
{
    for (int i = std::max(m_iCurSel + 1, 0); i < GetCount(); ++i)
        if (!m_items[(size_t)i].bDisabled)
        {
            SelectAndNotify(i);
            return;
        }
}

void CDrawnComboBox::SelectPage(int nStep)
{
    const int nCount = GetCount();
    if (nCount == 0)
        return;
    const int iFrom = m_iCurSel >= 0 && m_iCurSel < nCount ? m_iCurSel : 0;
    SelectAndNotify(std::clamp(iFrom + nStep, 0, nCount - 1));
}

// --- moves in the open list ---------------------------------------------------------------------------

int CDrawnComboBox::PageDownRow(int iSel, int iTop, int nVisible, int nCount)
{
    if (nCount <= 0)
        return iSel;
    if (iSel < 0)
        return 0;
    if (iSel >= nCount - 1)
        return iSel;
    nVisible = std::max(nVisible, 1);
    const int iLastVisible = iTop + nVisible - 1;
    const int iRow = iSel < iLastVisible ? iLastVisible : iTop + 2 * nVisible - 2;
    return std::min(std::max(iRow, iSel), nCount - 1);
}

int CDrawnComboBox::PageUpRow(int iSel, int iTop, int nVisible)
{
    if (iSel <= 0)
        return iSel;
    if (iSel != iTop)
        return iTop;
    return std::max(iTop - std::max(nVisible, 1) + 1, 0);
}

void CDrawnComboBox::MoveListRow(int nStep)
{
    CDropListBox* pList = m_pDropWnd->GetListBox();
    const int iSel = pList->GetCurSel();
    if (nStep < 0 && iSel > 0)
        pList->SetCurSel(iSel - 1);
    else if (nStep > 0 && iSel < pList->GetCount() - 1)
        pList->SetCurSel(iSel + 1);
}

void CDrawnComboBox::MoveListPage(bool bDown)
{
    CDropListBox* pList = m_pDropWnd->GetListBox();
    const int iSel = pList->GetCurSel();
    const int iTop = pList->GetTopIndex(), nVisible = pList->GetVisibleRows();
    const int iRow =
        bDown ? PageDownRow(iSel, iTop, nVisible, pList->GetCount()) : PageUpRow(iSel, iTop, nVisible);
    if (iRow != iSel)
        pList->SelectRow(iRow);
    CString strRow;
    if (pList->GetText(pList->GetCurSel(), strRow) != LB_ERR)
        SetWindowText(strRow);
}

// --- mouse --------------------------------------------------------------------------------------------

void CDrawnComboBox::OnLButtonDown(UINT, CPoint point)
{
    if (::GetFocus() != m_hWnd)
        SetFocus();
    CRect rcHit;
    if (IsDropDownStyle())
        rcHit = GetDropButtonRect();
    else
        GetClientRect(rcHit);
    if (!rcHit.PtInRect(point))
        return;
    ToggleDropList();
    InvalidateRect(GetDropButtonRect());
    Invalidate();
}

void CDrawnComboBox::OnMouseMove(UINT, CPoint point)
{
    CRect rcHot;
    if (IsDropDownStyle())
        rcHot = GetDropButtonRect();
    else
        GetClientRect(rcHot);
    const bool bHot = rcHot.PtInRect(point) != FALSE;
    if (bHot != m_bButtonHot)
    {
        m_bButtonHot = bHot;
        InvalidateRect(GetDropButtonRect());
        if (!m_bHoverTimer)
        {
            SetTimer(TIMER_HOVER, 50);
            m_bHoverTimer = true;
        }
    }
    Default();
}

void CDrawnComboBox::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_HOVER)
    {
        Default();
        return;
    }
    CPoint pt = GetPointerPos();
    ScreenToClient(&pt);
    CRect rcHot;
    if (IsDropDownStyle())
        rcHot = GetDropButtonRect();
    else
        GetClientRect(rcHot);
    if (rcHot.PtInRect(pt))
        return;
    KillTimer(TIMER_HOVER);
    const bool bWasHot = m_bButtonHot;
    m_bButtonHot = m_bHoverTimer = false;
    if (bWasHot)
        InvalidateRect(GetDropButtonRect());
}

CPoint CDrawnComboBox::GetPointerPos() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    return pt;
}

BOOL CDrawnComboBox::OnMouseWheel(UINT, short zDelta, CPoint)
{
    m_iWheelDelta += zDelta;
    const bool bUp = m_iWheelDelta >= WHEEL_DELTA, bDown = m_iWheelDelta <= -WHEEL_DELTA;
    if (!bUp && !bDown)
        return TRUE;
    m_iWheelDelta = 0;
    if (IsDropped())
    {
        CDropListBox* pList = m_pDropWnd->GetListBox();
        const int iTop = pList->GetTopIndex();
        pList->SetTopIndex(
            bUp ? std::max(iTop - WHEEL_ROWS, 0) : std::min(iTop + WHEEL_ROWS, pList->GetCount()), TRUE);
    }
    else if (bUp)
        SelectPrevious();
    else
        SelectNext();
    return TRUE;
}

// --- focus and enabling -------------------------------------------------------------------------------

void CDrawnComboBox::OnSetFocus(CWnd*)
{
    Default();
    m_bFocusHighlight = true;
    Invalidate();
    if (IsDropDownStyle())
    {
        if (m_pEdit != nullptr)
            m_pEdit->SetFocus();
    }
    else
        Notify(CBN_SETFOCUS);
}

void CDrawnComboBox::OnKillFocus(CWnd*)
{
    Default();
    // A box that stays alive does not keep showing the focus.
    if (!IsDropDownStyle() && m_bFocusHighlight)
    {
        m_bFocusHighlight = false;
        Invalidate();
    }
    OnEscapeKey();
}

void CDrawnComboBox::OnEnable(BOOL bEnable)
{
    Default();
    Invalidate();
    if (m_pEdit != nullptr)
        m_pEdit->EnableWindow(bEnable);
}

void CDrawnComboBox::OnEditSetFocus()
{
    m_bFocusHighlight = false;
    m_pEdit->PostMessage(EM_SETSEL, 0, -1);
    if (!m_bFocusNotified)
    {
        Notify(CBN_SETFOCUS);
        m_bFocusNotified = true;
    }
}

void CDrawnComboBox::OnEditKillFocus()
{
    m_bFocusHighlight = false;
    Invalidate();
    if (IsDropped())
    {
        CloseDropList();
        return;
    }
    if (::GetFocus() == m_hWnd)
        return;
    Notify(CBN_SELENDCANCEL);
    Notify(CBN_KILLFOCUS);
    m_bFocusNotified = false;
    int iStart = 0, iEnd = 0;
    m_pEdit->GetSel(iStart, iEnd);
    m_pEdit->SetSel(iStart, iStart);
    m_pEdit->SendMessage(EM_SCROLLCARET);
}

void CDrawnComboBox::OnEditChange()
{
    if (!m_bQuietEdit && !IsDropped())
        Notify(CBN_EDITCHANGE);
}

// --- completion ---------------------------------------------------------------------------------------

void CDrawnComboBox::OnEditUpdate()
{
    if (m_bQuietEdit)
        return;
    if (RunCompletion() && !IsDropped())
        Notify(CBN_EDITUPDATE);
}

BOOL CDrawnComboBox::RunCompletion()
{
    if (m_pEdit == nullptr || ::GetFocus() != m_pEdit->m_hWnd || s_bCompleting)
        return TRUE;
    CString strTyped;
    m_pEdit->GetWindowText(strTyped);
    if ((m_dwOptions & ACB_COMPLETE_INLINE) && m_bCompletionArmed)
    {
        if (strTyped.IsEmpty())
            return FALSE;
        for (const ComboItem& item : m_items)
            if (StartsWith(item.strText, strTyped))
            {
                s_bCompleting = true;
                m_pEdit->SetWindowText(item.strText);
                m_pEdit->SetSel(strTyped.GetLength(), -1);
                s_bCompleting = false;
                break;
            }
    }
    if (m_dwOptions & ACB_SUGGEST_LIST)
    {
        if (strTyped.IsEmpty())
        {
            CloseDropList();
            return FALSE;
        }
        std::vector<ComboItem> suggestions;
        for (const ComboItem& item : m_items)
            if (StartsWith(item.strText, strTyped) && item.strText != strTyped)
                suggestions.push_back(item);
        CloseDropList();
        if (suggestions.size() > 1)
        {
            m_iCurSel = 0;
            OpenDropList(suggestions);
        }
    }
    return TRUE;
}

// --- combo-box messages -------------------------------------------------------------------------------

LRESULT CDrawnComboBox::OnCbAddString(WPARAM, LPARAM lParam)
{
    return AddString(reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CDrawnComboBox::OnCbGetCount(WPARAM, LPARAM)
{
    return GetCount();
}

LRESULT CDrawnComboBox::OnCbGetCurSel(WPARAM, LPARAM)
{
    return GetCurSel();
}

LRESULT CDrawnComboBox::OnCbSetCurSel(WPARAM wParam, LPARAM)
{
    return SetCurSel((int)wParam);
}

LRESULT CDrawnComboBox::OnCbSelectString(WPARAM wParam, LPARAM lParam)
{
    return SetCurSel(FindStringExact((int)wParam, reinterpret_cast<LPCSTR>(lParam)));
}

LRESULT CDrawnComboBox::OnCbResetContent(WPARAM, LPARAM)
{
    m_items.clear();
    m_strCurText.Empty();
    m_iCurSel = -1;
    SetWindowText("");
    SetEditText("");
    Invalidate();
    return 0;
}

LRESULT CDrawnComboBox::OnCbGetLBText(WPARAM wParam, LPARAM lParam)
{
    const int nIndex = (int)wParam;
    if (nIndex < 0 || nIndex >= GetCount() || lParam == 0)
        return CB_ERR;
    const CString& strText = m_items[(size_t)nIndex].strText;
    std::memcpy(reinterpret_cast<char*>(lParam), (const char*)strText, (size_t)strText.GetLength() + 1);
    return strText.GetLength() + 1;
}

LRESULT CDrawnComboBox::OnCbGetLBTextLen(WPARAM wParam, LPARAM)
{
    const int nIndex = (int)wParam;
    if (nIndex < 0 || nIndex >= GetCount())
        return CB_ERR;
    return m_items[(size_t)nIndex].strText.GetLength() + 1;
}

LRESULT CDrawnComboBox::OnCbGetTopIndex(WPARAM, LPARAM)
{
    return IsDropped() ? m_pDropWnd->GetListBox()->GetTopIndex() : CB_ERR;
}

LRESULT CDrawnComboBox::OnCbSetTopIndex(WPARAM wParam, LPARAM)
{
    return IsDropped() ? m_pDropWnd->GetListBox()->CListBox::SetTopIndex((int)wParam) : CB_ERR;
}
