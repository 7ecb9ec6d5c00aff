#include "controls/CPathBrowseCtrl.h"

#include "controls/CPathBrowseHost.h"
#include "framework/AfxFolderDialog.h"
#include "framework/CBitmap.h"
#include "framework/CClientDC.h"
#include "framework/CFileDialog.h"
#include "framework/CFont.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPathBrowseCtrl, CButton)

BEGIN_MESSAGE_MAP(CPathBrowseCtrl, CButton)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_MOVE()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_ENABLE()
ON_WM_SETFOCUS()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_EN_CHANGE(CPathBrowseCtrl::ID_EDIT, OnEditChange)
ON_EN_SETFOCUS(CPathBrowseCtrl::ID_EDIT, OnEditFocusChange)
ON_EN_KILLFOCUS(CPathBrowseCtrl::ID_EDIT, OnEditFocusChange)
END_MESSAGE_MAP()

namespace
{
constexpr int kPictureSize = 16;
constexpr int kButtonExtra = 11;

// The three button pictures, one letter per pixel: K black, W white, Y yellow, O olive, S silver, G gray,
// C cyan, B blue, N navy; '.' leaves the button face.
const char* const kPictures[3][kPictureSize] = {
    {"................", "................", "................", "..KKKK..........", ".KWYYYK.........",
     ".KWYYYYKKKKKKK..", ".KWYYYYYYYYYYOK.", ".KWYYYYYYYYYYOK.", ".KWYYYYYYYYYYOK.", ".KWYYYYYYYYYYOK.",
     ".KWYYYYYYYYYYOK.", ".KWYYYYYYYYYYOK.", ".KOOOOOOOOOOOOK.", "..KKKKKKKKKKKKK.", "................",
     "................"},
    {"................", "................", "..KKKK..........", ".KWYYYK.........", ".KWYYYYKKKKKK...",
     ".KWYYKKKKKKKKKK.", ".KWYKSWWWWWWWSK.", ".KWYKWSSSSSSSGK.", ".KWKSWWWWWWWWGK.", ".KWKWSSSSSSSGK..",
     ".KKSWWWWWWWWGK..", ".KKWGGGGGGGGK...", ".KKKKKKKKKKKK...", "................", "................",
     "................"},
    {"................", "..KKKK..........", ".KWYYYK.........", ".KWYYYYKKKKKK...", ".KWYYYYYYYYYOK..",
     ".KWYYYYYKKKKOK..", ".KWYYYYKCCWWKK..", ".KWYYYKCWCCCCK..", ".KWYYYKCCCCBBK..", ".KWYYYKCCCBBNK..",
     ".KOOOOOKCBBNKK..", "..KKKKKKKKKKBNK.", "...........KBNK.", "............KBNK", ".............KK.",
     "................"}};

COLORREF PictureColour(char ch, BOOL bDisabled)
{
    switch (ch)
    {
        case 'K':
            return bDisabled ? RGB(128, 128, 128) : RGB(0, 0, 0);
        case 'W':
            return RGB(255, 255, 255);
        case 'Y':
            return bDisabled ? RGB(255, 255, 255) : RGB(255, 255, 0);
        case 'O':
            return bDisabled ? RGB(192, 192, 192) : RGB(128, 128, 0);
        case 'S':
            return RGB(192, 192, 192);
        case 'G':
            return RGB(128, 128, 128);
        case 'C':
            return bDisabled ? RGB(255, 255, 255) : RGB(0, 255, 255);
        case 'B':
            return bDisabled ? RGB(192, 192, 192) : RGB(0, 0, 255);
        case 'N':
            return bDisabled ? RGB(128, 128, 128) : RGB(0, 0, 128);
        default:
            return CLR_INVALID;
    }
}

// The first picture whose bit is set, or -1.
int PictureIndex(DWORD dwStyleBits)
{
    if (dwStyleBits & PBS_PICTURE_1)
        return 0;
    if (dwStyleBits & PBS_PICTURE_2)
        return 1;
    if (dwStyleBits & PBS_PICTURE_3)
        return 2;
    return -1;
}

// One axis of the content rectangle: centred in [nLow, nHigh) where it fits, else cut at nHigh.
void PlaceContent(LONG nLow, LONG nHigh, int nSize, LONG& rStart, LONG& rEnd)
{
    const LONG nRoom = nHigh - nLow;
    rStart = nRoom >= nSize ? nLow + (nRoom - nSize) / 2 : nLow;
    rEnd = std::min<LONG>(rStart + nSize, nHigh);
}
} // namespace

CPathBrowseCtrl::CPathBrowseCtrl() = default;

UINT CPathBrowseCtrl::GetBrowseNotifyMessage()
{
    static const UINT s_nMessage = ::RegisterWindowMessageA("CPathBrowseCtrl.BrowseNotify");
    return s_nMessage;
}

BOOL CPathBrowseCtrl::Create(const RECT& rect, CWnd* pParentWnd, UINT nID, DWORD dwStyleBits,
                             UINT nNotifyCode)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    if (pParentWnd == nullptr)
        return FALSE;
    m_bMadeByCreate = TRUE;
    m_nNotifyCode = nNotifyCode;
    if (!CButton::Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, pParentWnd, nID))
        return FALSE;
    m_dwStyleBits = dwStyleBits;
    return Initialise();
}

void CPathBrowseCtrl::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    if (!m_bMadeByCreate)
        Initialise();
}

BOOL CPathBrowseCtrl::Initialise()
{
    if (!::IsWindow(m_hWnd))
        return FALSE;
    // The page the control lies on hooks its path changes.
    m_pHost = dynamic_cast<CPathBrowseHost*>(GetParent());
    // The caption first, so that it sizes the button.
    if (m_strCaption.IsEmpty())
        GetWindowText(m_strCaption);
    SetWindowText("");
    Layout(FALSE);
    if (!MakeEdit() || !m_tooltip.Create(this))
        return FALSE;
    m_tooltip.AddTool(this, m_strToolTip, m_rcButton, ID_TOOL);
    SetTimer(TIMER_SELECTION, 1);
    Invalidate();
    return TRUE;
}

// --- layout ----------------------------------------------------------------------------------------

CSize CPathBrowseCtrl::ContentSize()
{
    if (m_dwStyleBits & PBS_PICTURE)
        return CSize(kPictureSize, kPictureSize);
    if (m_strCaption.IsEmpty())
        return CSize(0, 0);
    CClientDC dc(this);
    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != nullptr ? dc.SelectObject(pFont) : nullptr;
    const CSize size = dc.GetTextExtent(m_strCaption);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return size;
}

void CPathBrowseCtrl::Layout(BOOL bMoveEdit)
{
    CRect rcClient;
    GetClientRect(rcClient);
    m_rcButton = rcClient;
    const CSize sizeContent = ContentSize();
    const int nButtonWidth = std::max(sizeContent.cx, (LONG)kPictureSize) + kButtonExtra;
    if (nButtonWidth < rcClient.Width())
    {
        if (m_dwStyleBits & PBS_BUTTON_LEFT)
            m_rcButton.right = m_rcButton.left + nButtonWidth;
        else
            m_rcButton.left = m_rcButton.right - nButtonWidth;
    }
    CRect rcInset(m_rcButton);
    rcInset.DeflateRect(2, 2);
    PlaceContent(rcInset.left, rcInset.right, sizeContent.cx, m_rcContent.left, m_rcContent.right);
    PlaceContent(rcInset.top, rcInset.bottom, sizeContent.cy, m_rcContent.top, m_rcContent.bottom);
    m_rcEdit = rcClient;
    if (m_dwStyleBits & PBS_BUTTON_LEFT)
        m_rcEdit.left = m_rcButton.right;
    else
        m_rcEdit.right = m_rcButton.left;
    if (m_tooltip.m_hWnd != nullptr)
        m_tooltip.SetToolRect(this, ID_TOOL, m_rcButton);
    if (bMoveEdit && m_wndEdit.m_hWnd != nullptr)
        m_wndEdit.MoveWindow(m_rcEdit);
}

BOOL CPathBrowseCtrl::MakeEdit()
{
    CString strText;
    if (m_wndEdit.m_hWnd != nullptr)
    {
        m_wndEdit.GetWindowText(strText);
        m_wndEdit.DestroyWindow();
    }
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    if (!(m_dwStyleBits & PBS_EDITABLE))
        dwStyle |= ES_READONLY;
    if (!IsWindowEnabled())
        dwStyle |= WS_DISABLED;
    if (!m_wndEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", strText, dwStyle, m_rcEdit, this, ID_EDIT))
        return FALSE;
    m_wndEdit.SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(1, 1));
    m_wndEdit.SetFont(GetFontHandle(), FALSE);
    m_wndEdit.ShowWindow(SW_SHOW);
    return TRUE;
}

void CPathBrowseCtrl::OnMove(int x, int y)
{
    CButton::OnMove(x, y);
    Layout(TRUE);
}

void CPathBrowseCtrl::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    Layout(TRUE);
}

// --- settings --------------------------------------------------------------------------------------

void CPathBrowseCtrl::SetStyleBits(DWORD dwStyleBits)
{
    if (dwStyleBits == m_dwStyleBits)
        return;
    m_dwStyleBits = dwStyleBits;
    if (!::IsWindow(m_hWnd))
        return;
    Layout(FALSE);
    MakeEdit();
    Invalidate();
}

void CPathBrowseCtrl::SetButtonTip(LPCSTR lpszText)
{
    m_strToolTip = lpszText;
    if (m_tooltip.m_hWnd != nullptr)
        m_tooltip.UpdateTipText(m_strToolTip, this, ID_TOOL);
}

void CPathBrowseCtrl::SetPathText(LPCSTR lpszText)
{
    if (m_wndEdit.m_hWnd != nullptr)
        m_wndEdit.SetWindowText(lpszText != nullptr ? lpszText : "");
    std::vector<CString> arrPaths;
    if (lpszText != nullptr)
        arrPaths.push_back(lpszText);
    SetNames(arrPaths);
}

void CPathBrowseCtrl::SetNames(const std::vector<CString>& arrPaths)
{
    m_arrNames.clear();
    m_nNamesCount = (int)arrPaths.size();
    for (const CString& strPath : arrPaths)
        m_arrNames.insert(m_arrNames.end(), (LPCSTR)strPath, (LPCSTR)strPath + strPath.GetLength() + 1);
    if (!m_arrNames.empty())
        m_arrNames.push_back('\0');
    m_nNamesLength = (int)m_arrNames.size();
}

CString CPathBrowseCtrl::GetCurrentPath() const
{
    const CString strFirst = GetNames();
    if (m_bEdited && m_strEditText.CompareNoCase(strFirst) != 0)
        return m_strEditText;
    return strFirst;
}

// --- browsing --------------------------------------------------------------------------------------

int CPathBrowseCtrl::Browse()
{
    if (m_bBusy)
        return BROWSE_CANCELLED;
    m_bBusy = TRUE;
    const int nResult = (m_dwStyleBits & PBS_FOLDER) ? BrowseFolder() : BrowseFile();
    if (m_nNotifyCode != 0)
    {
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(GetBrowseNotifyMessage(), (WPARAM)nResult, (LPARAM)this);
    }
    m_bBusy = FALSE;
    return nResult;
}

void CPathBrowseCtrl::BrowseAndClick()
{
    Browse();
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), 0);
}

int CALLBACK CPathBrowseCtrl::FolderDialogCallback(HWND hWnd, UINT uMsg, LPARAM, LPARAM lpData)
{
    const CPathBrowseCtrl* pCtrl = reinterpret_cast<const CPathBrowseCtrl*>(lpData);
    if (uMsg != BFFM_INITIALIZED || pCtrl == nullptr)
        return 0;
    if (!pCtrl->m_strDialogTitle.IsEmpty())
        ::SetWindowTextA(hWnd, pCtrl->m_strDialogTitle);
    const CString strStart = pCtrl->GetCurrentPath();
    if (!strStart.IsEmpty())
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, (LPARAM)(LPCSTR)strStart);
    return 0;
}

int CPathBrowseCtrl::BrowseFolder()
{
    const HRESULT hrOle = ::OleInitialize(nullptr);
    char szDisplayName[MAX_PATH] = {};
    BROWSEINFOA bi = {};
    CWnd* pParent = GetParent();
    bi.hwndOwner = pParent != nullptr ? pParent->m_hWnd : nullptr;
    bi.pszDisplayName = szDisplayName;
    bi.lpszTitle = m_strFolderPrompt;
    bi.ulFlags = m_nFolderDialogFlags;
    bi.lpfn = FolderDialogCallback;
    bi.lParam = (LPARAM)this;
    PIDLIST_ABSOLUTE pidl = AfxBrowseForFolder(bi);
    char szPath[MAX_PATH + 2] = {};
    const BOOL bHasPath = pidl != nullptr && ::SHGetPathFromIDListA(pidl, szPath) && szPath[0] != '\0';
    if (pidl != nullptr)
        ::CoTaskMemFree(pidl); // the shell's allocator
    if (SUCCEEDED(hrOle))
        ::OleUninitialize();
    // An item without a file-system path counts as no choice: the previous path stays.
    if (!bHasPath)
        return BROWSE_CANCELLED;
    SetNames({CString(szPath)});
    m_bReadOnly = FALSE;
    ShowChosenPath(szPath);
    return BROWSE_CHOSEN;
}

int CPathBrowseCtrl::BrowseFile()
{
    const CString strStart = GetCurrentPath();
    CFileDialog dlg(m_bOpenDialog, m_strDefaultExt.IsEmpty() ? nullptr : (LPCSTR)m_strDefaultExt, strStart,
                    m_dwFileDialogFlags, m_strFilter, GetParent(), 0, TRUE);
    if (!m_strDialogTitle.IsEmpty())
        dlg.m_ofn.lpstrTitle = m_strDialogTitle;
    if (dlg.DoModal() != IDOK)
        return BROWSE_CANCELLED;
    std::vector<CString> arrPaths;
    for (POSITION pos = dlg.GetStartPosition(); pos != nullptr;)
        arrPaths.push_back(dlg.GetNextPathName(pos));
    if (arrPaths.empty())
        return BROWSE_CANCELLED;
    SetNames(arrPaths);
    m_bReadOnly = dlg.GetReadOnlyPref();
    ShowChosenPath(arrPaths.front());
    return BROWSE_CHOSEN;
}

void CPathBrowseCtrl::ShowChosenPath(const CString& strPath)
{
    m_wndEdit.SetWindowText(strPath);
    m_wndEdit.SetSel(0, -1);
    m_bEdited = FALSE;
    m_strEditText = strPath;
}

void CPathBrowseCtrl::OnEditChange()
{
    if (!m_bBusy && (m_dwStyleBits & PBS_EDITABLE))
    {
        m_wndEdit.GetWindowText(m_strEditText);
        m_bEdited = TRUE;
    }
    if (m_pHost != nullptr)
        m_pHost->OnPathBrowseChange(m_nNotifyCode, &m_wndEdit);
}

// --- painting --------------------------------------------------------------------------------------

void CPathBrowseCtrl::OnPaint()
{
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CPathBrowseCtrl::OnPrintClient(WPARAM wParam, LPARAM)
{
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CPathBrowseCtrl::Paint(CDC* pDC)
{
    pDC->FillSolidRect(m_rcButton, ::GetSysColor(COLOR_BTNFACE));
    PaintFrame(pDC);
    PaintContent(pDC);
}

void CPathBrowseCtrl::PaintFrame(CDC* pDC)
{
    CRect rc(m_rcButton);
    if (m_dwStyleBits & PBS_FLAT)
    {
        if (m_bPressed)
            pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
        else if (m_bHot)
            pDC->Draw3dRect(rc, ::GetSysColor(COLOR_3DHILIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    pDC->Draw3dRect(rc, ::GetSysColor(m_bPressed ? COLOR_3DDKSHADOW : COLOR_3DHILIGHT),
                    ::GetSysColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(rc, ::GetSysColor(m_bPressed ? COLOR_BTNSHADOW : COLOR_3DLIGHT),
                    ::GetSysColor(COLOR_BTNSHADOW));
}

void CPathBrowseCtrl::PaintContent(CDC* pDC)
{
    const BOOL bPicture = (m_dwStyleBits & PBS_PICTURE) != 0;
    if (m_rcContent.IsRectEmpty() || (!bPicture && m_strCaption.IsEmpty()))
        return;
    const CSize size = bPicture ? CSize(kPictureSize, kPictureSize) : ContentSize();
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(pDC) || !bitmap.CreateCompatibleBitmap(pDC, size.cx, size.cy))
        return;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    dcMem.FillSolidRect(0, 0, size.cx, size.cy, ::GetSysColor(COLOR_BTNFACE));
    if (bPicture)
    {
        DrawPicture(&dcMem);
    }
    else
    {
        CFont* pFont = GetFont();
        CFont* pOldFont = pFont != nullptr ? dcMem.SelectObject(pFont) : nullptr;
        dcMem.SetBkMode(TRANSPARENT);
        if (!IsWindowEnabled())
        {
            dcMem.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            dcMem.TextOut(1, 1, m_strCaption);
            dcMem.SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        }
        else
        {
            dcMem.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        }
        dcMem.TextOut(0, 0, m_strCaption);
        if (pOldFont != nullptr)
            dcMem.SelectObject(pOldFont);
    }
    CRect rcTarget(m_rcContent);
    if (m_bPressed)
        rcTarget.OffsetRect(1, 1);
    pDC->BitBlt(rcTarget.left, rcTarget.top, rcTarget.Width(), rcTarget.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

void CPathBrowseCtrl::DrawPicture(CDC* pDC)
{
    const int nPicture = PictureIndex(m_dwStyleBits);
    if (nPicture < 0)
        return;
    const BOOL bDisabled = !IsWindowEnabled();
    for (int y = 0; y < kPictureSize; ++y)
    {
        for (int x = 0; x < kPictureSize; ++x)
        {
            const COLORREF cr = PictureColour(kPictures[nPicture][y][x], bDisabled);
            if (cr != CLR_INVALID)
                pDC->SetPixelV(x, y, cr);
        }
    }
}

// --- pointer, keys, focus --------------------------------------------------------------------------

void CPathBrowseCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bHot && m_rcButton.PtInRect(point))
    {
        m_bHot = TRUE;
        if (GetCapture() == this)
            m_bPressed = TRUE;
        SetTimer(TIMER_HOT, 1);
        Invalidate();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CPathBrowseCtrl::OnLButtonDown(UINT, CPoint point)
{
    if (m_rcButton.PtInRect(point))
    {
        m_wndEdit.SetSel(-1, -1);
        SetCapture();
        m_bPressed = TRUE;
    }
    Invalidate();
}

void CPathBrowseCtrl::OnLButtonUp(UINT, CPoint point)
{
    if (GetCapture() != this)
        return;
    ::ReleaseCapture();
    m_bPressed = FALSE;
    Invalidate();
    if (m_rcButton.PtInRect(point))
        BrowseAndClick();
}

void CPathBrowseCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_SPACE)
    {
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    m_bPressed = TRUE;
    Invalidate();
}

void CPathBrowseCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar != VK_SPACE)
    {
        CButton::OnKeyUp(nChar, nRepCnt, nFlags);
        return;
    }
    m_bPressed = FALSE;
    Invalidate();
    BrowseAndClick();
}

BOOL CPathBrowseCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_tooltip.m_hWnd != nullptr)
        m_tooltip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        BrowseAndClick();
        return TRUE;
    }
    return CButton::PreTranslateMessage(pMsg);
}

void CPathBrowseCtrl::OnEnable(BOOL bEnable)
{
    if (m_wndEdit.m_hWnd != nullptr)
        m_wndEdit.EnableWindow(bEnable);
    Invalidate();
}

void CPathBrowseCtrl::OnSetFocus(CWnd* pOldWnd)
{
    KillTimer(TIMER_SELECTION);
    const BOOL bFromEdit = pOldWnd != nullptr && pOldWnd->m_hWnd == m_wndEdit.m_hWnd;
    if (!m_bEditSelected && !bFromEdit && m_wndEdit.m_hWnd != nullptr)
    {
        m_wndEdit.SetFocus();
        m_wndEdit.SetSel(0, -1);
        m_bEditSelected = TRUE;
    }
    SetTimer(TIMER_SELECTION, 1);
}

void CPathBrowseCtrl::UpdateSelectionMark()
{
    if (m_wndEdit.m_hWnd == nullptr)
        return;
    const BOOL bEditFocused = ::GetFocus() == m_wndEdit.m_hWnd;
    if (bEditFocused && !m_bEditSelected)
    {
        m_wndEdit.SetSel(0, -1);
        m_bEditSelected = TRUE;
    }
    else if (!bEditFocused && m_bEditSelected)
    {
        m_wndEdit.SetSel(-1, -1);
        m_bEditSelected = FALSE;
    }
}

// The selection follows the focus one step after each change of it: the timer does that step and stops.
void CPathBrowseCtrl::OnEditFocusChange()
{
    SetTimer(TIMER_SELECTION, 1);
}

void CPathBrowseCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_SELECTION)
    {
        KillTimer(TIMER_SELECTION);
        UpdateSelectionMark();
        return;
    }
    if (nIDEvent != TIMER_HOT)
    {
        CButton::OnTimer(nIDEvent);
        return;
    }
    if (!m_bHot)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (!m_rcButton.PtInRect(pt))
    {
        KillTimer(TIMER_HOT);
        m_bHot = m_bPressed = FALSE;
        Invalidate();
    }
}

void CPathBrowseCtrl::OnDestroy()
{
    KillTimer(TIMER_HOT);
    KillTimer(TIMER_SELECTION);
    if (m_wndEdit.m_hWnd != nullptr)
        m_wndEdit.DestroyWindow();
    if (m_tooltip.m_hWnd != nullptr)
        m_tooltip.DestroyWindow();
    CButton::OnDestroy();
}
