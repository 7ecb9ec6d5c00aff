#include "framework/CWnd.h"

#include "framework/AfxExceptionReport.h"
#include "framework/CFont.h"
#include "framework/CFrameWnd.h"
#include "framework/CGdiObject.h"
#include "framework/CImageList.h"
#include "framework/CWinApp.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace
{
struct ThreadWndState
{
    std::unordered_map<HWND, CWnd*> permanent;
    std::unordered_map<HWND, std::unique_ptr<CWnd>> temporary;
    CWnd* pWndInit = nullptr;
    HWND hWndHooked = nullptr; // the window the hook attached last
    HHOOK hHookCbt = nullptr;
    MSG lastSentMsg = {};
};

// A plain pointer: thread_local objects with destructors crash mingw-w64 programs at thread exit.
thread_local ThreadWndState* t_pState = nullptr;

ThreadWndState& State()
{
    if (t_pState == nullptr)
        t_pState = new ThreadWndState;
    return *t_pState;
}

// Command-enable probe: a menu or accelerator command runs only when its update handler enables it.
class CTestCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}
    BOOL m_bEnabled = TRUE;
};

bool IsCtlColor(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The child window a reflectable parent message is about, or null.
HWND ReflectTarget(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
        case WM_DRAWITEM:
        {
            auto* p = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
            return p->CtlType == ODT_MENU ? nullptr : p->hwndItem;
        }
        case WM_MEASUREITEM:
        {
            auto* p = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            return p->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, (int)p->CtlID);
        }
        case WM_DELETEITEM:
            return reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
        case WM_COMPAREITEM:
            return reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lParam);
        case WM_PARENTNOTIFY:
        {
            const UINT nEvent = LOWORD(wParam);
            return nEvent == WM_CREATE || nEvent == WM_DESTROY ? reinterpret_cast<HWND>(lParam) : nullptr;
        }
        default:
            return IsCtlColor(message) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}
} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    if (nMsg == WM_AFX_EXCEPTIONREPORT)
        return AfxOnExceptionReport(lParam);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);

    ThreadWndState& s = State();
    const MSG oldMsg = s.lastSentMsg;
    s.lastSentMsg = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    // A handler that throws is reported and the message counts as failed: creation is refused.
    LRESULT lResult = nMsg == WM_CREATE ? -1 : 0;
    AfxCallGuarded([&] { lResult = pWnd->WindowProc(nMsg, wParam, lParam); });
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
    {
        // Give the window back its original procedure before the object lets go of it.
        if (pWnd->m_pfnSuper != nullptr &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pWnd->m_pfnSuper));
        pWnd->Detach();
        AfxCallGuarded([&] { pWnd->PostNcDestroy(); });
    }
    s.lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    ThreadWndState& s = State();
    if (nCode == HCBT_CREATEWND && s.pWndInit != nullptr)
    {
        CWnd* pWnd = s.pWndInit;
        s.pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        s.hWndHooked = hWnd;
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        auto oldProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
        if (oldProc != AfxWndProc)
            pWnd->m_pfnSuper = oldProc;
    }
    return ::CallNextHookEx(s.hHookCbt, nCode, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    ThreadWndState& s = State();
    if (s.hHookCbt == nullptr)
        s.hHookCbt = ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    s.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    ThreadWndState& s = State();
    if (s.hHookCbt != nullptr)
    {
        ::UnhookWindowsHookEx(s.hHookCbt);
        s.hHookCbt = nullptr;
    }
    const bool bAttached = s.pWndInit == nullptr;
    s.pWndInit = nullptr;
    return bAttached;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::set<std::string> s_names;
    char szName[96];
    wsprintfA(szName, "Afx:%p:%x:%p:%p:%p", (void*)AfxGetInstanceHandle(), nClassStyle, (void*)hCursor,
              (void*)hbrBackground, (void*)hIcon);
    auto it = s_names.find(szName);
    if (it != s_names.end())
        return it->c_str();
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = szName;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return nullptr;
    return s_names.insert(szName).first->c_str();
}

// --- handle maps ----------------------------------------------------------------------------------

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto& map = State().permanent;
    auto it = map.find(hWnd);
    return it == map.end() ? nullptr : it->second;
}

BOOL CWnd::IsPermanentObject(const CWnd* pWnd)
{
    for (const auto& entry : State().permanent)
    {
        if (entry.second == pWnd)
            return TRUE;
    }
    return FALSE;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd))
        return p;
    auto& temp = State().temporary;
    auto it = temp.find(hWnd);
    if (it != temp.end())
        return it->second.get();
    auto pWnd = std::make_unique<CWnd>();
    pWnd->m_hWnd = hWnd;
    CWnd* pResult = pWnd.get();
    temp.emplace(hWnd, std::move(pWnd));
    return pResult;
}

void CWnd::DeleteThreadState()
{
    if (t_pState == nullptr)
        return;
    DeleteTempMap();
    if (t_pState->hHookCbt != nullptr)
        ::UnhookWindowsHookEx(t_pState->hHookCbt);
    delete t_pState;
    t_pState = nullptr;
}

void CWnd::DeleteTempMap()
{
    if (t_pState == nullptr)
        return;
    auto& temp = State().temporary;
    for (auto& entry : temp)
        entry.second->m_hWnd = nullptr;
    temp.clear();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
    CImageList::DeleteTempMap();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    State().permanent[hWndNew] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        auto& map = State().permanent;
        auto it = map.find(hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    if (oldProc != AfxWndProc)
        m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

// --- creation -------------------------------------------------------------------------------------

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    State().hWndHooked = nullptr;
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    const BOOL bAttached = AfxUnhookWindowCreate();
    if (hWnd != nullptr)
        return TRUE;
    if (!bAttached)
    {
        // No window was ever made: the object ends as it would after WM_NCDESTROY.
        PostNcDestroy();
        return FALSE;
    }
    // The window failed during its creation messages. When it passed WM_NCDESTROY, AfxWndProc has detached
    // the object and run PostNcDestroy (which may have deleted it): only a still attached object is touched.
    HWND hWndFailed = State().hWndHooked;
    if (FromHandlePermanent(hWndFailed) == this)
        Detach();
    return FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    const bool bPermanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A window that is not ours never passes WM_NCDESTROY through AfxWndProc.
    if (!bPermanent)
        Detach();
    return bResult;
}

// --- dispatch -------------------------------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG& msg = State().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &State().lastSentMsg;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        LRESULT lResult = 0;
        if (lParam == 0 || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }

    // WM_CTLCOLORxxx share one map entry (WM_CTLCOLOR); the kind travels in nID.
    const UINT nLookup = IsCtlColor(message) ? (UINT)WM_CTLCOLOR : message;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nLookup, 0, 0);
    if (pEntry == nullptr)
    {
        if (DispatchMenuOwnerDraw(message, lParam))
        {
            *pResult = TRUE;
            return TRUE;
        }
        // No handler here: a reflectable message goes to the control it is about.
        HWND hWndChild = ReflectTarget(m_hWnd, message, wParam, lParam);
        return hWndChild != nullptr && ReflectLastMsg(hWndChild, pResult);
    }
    AFX_MSGCALL call = {message, wParam, lParam, 0, IsCtlColor(message) ? message - WM_CTLCOLORMSGBOX : 0,
                        nullptr};
    if (!DispatchEntry(pEntry, call))
        return FALSE;
    *pResult = call.lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr)
    {
        // Menu or accelerator: a disabled command does not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else if (ReflectLastMsg(hWndCtrl))
    {
        return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->hwndFrom != nullptr && ReflectLastMsg(pNMHDR->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg((UINT)pNMHDR->idFrom, (int)MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    const MSG msg = State().lastSentMsg;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    UINT nCode = 0;
    UINT nReflected = WM_REFLECT_BASE + message;
    if (message == WM_COMMAND)
        nCode = HIWORD(wParam);
    else if (message == WM_NOTIFY)
        nCode = reinterpret_cast<NMHDR*>(lParam)->code;
    else if (IsCtlColor(message))
        nReflected = WM_REFLECT_BASE + WM_CTLCOLOR;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(nReflected, nCode, 0);
    if (pEntry == nullptr)
        return FALSE;
    AFX_MSGCALL call = {message, wParam, lParam, 0, IsCtlColor(message) ? message - WM_CTLCOLORMSGBOX : 0,
                        nullptr};
    if (!DispatchEntry(pEntry, call))
        return FALSE;
    if (pResult != nullptr)
        *pResult = call.lResult;
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

int CWnd::GetItemText(UINT nLenMessage, UINT nTextMessage, int nIndex, CString& rString) const
{
    rString.Empty();
    const int nLen = (int)SendMessage(nLenMessage, (WPARAM)nIndex);
    if (nLen < 0)
        return nLen;
    char* p = rString.GetBuffer(nLen + 1);
    const int nGot = (int)SendMessage(nTextMessage, (WPARAM)nIndex, (LPARAM)p);
    rString.ReleaseBuffer(nGot < 0 ? 0 : nGot);
    return nGot;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) const
{
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        // Through AfxWndProc, so the handler's current message (Default, reflection) is this one.
        if (FromHandlePermanent(hChild) != nullptr)
            AfxWndProc(hChild, message, wParam, lParam);
        else if (!bOnlyPerm)
            ::SendMessageA(hChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hChild) != nullptr)
            FromHandle(hChild)->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

void CWnd::SendMessageToPermanentDescendants(UINT message, WPARAM wParam, LPARAM lParam) const
{
    // Wine answers each GetWindow through the wineserver, two calls a window per walk; IsChild and
    // GetParent are answered in the process.
    struct Descendant
    {
        int iDepth;
        HWND hWnd;
    };
    std::vector<Descendant> descendants;
    for (const auto& entry : State().permanent)
    {
        if (!::IsChild(m_hWnd, entry.first))
            continue;
        int iDepth = 0;
        for (HWND h = entry.first; h != nullptr && h != m_hWnd; h = ::GetParent(h))
            ++iDepth;
        descendants.push_back({iDepth, entry.first});
    }
    std::sort(descendants.begin(), descendants.end(),
              [](const Descendant& a, const Descendant& b)
              { return a.iDepth != b.iDepth ? a.iDepth < b.iDepth : std::less<HWND>()(a.hWnd, b.hWnd); });
    for (const Descendant& d : descendants)
    {
        // A handler may have destroyed windows met later.
        if (FromHandlePermanent(d.hWnd) != nullptr)
            AfxWndProc(d.hWnd, message, wParam, lParam);
    }
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

// --- state and geometry ---------------------------------------------------------------------------

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

void CWnd::SetWindowText(LPCSTR lpszString)
{
    ::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    const int nLen = ::GetWindowTextLengthA(m_hWnd);
    char* p = rString.GetBuffer(nLen + 1);
    const int nGot = ::GetWindowTextA(m_hWnd, p, nLen + 1);
    rString.ReleaseBuffer(nGot);
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo ? pwndTo->m_hWnd : nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr, x, y, cx, cy, nFlags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    WINDOWPLACEMENT wp = *lpwndpl;
    wp.length = sizeof(WINDOWPLACEMENT);
    return ::SetWindowPlacement(m_hWnd, &wp);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CRect rcArea;
    HWND hWndCenter = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndCenter == nullptr || (GetStyle() & WS_CHILD))
        hWndCenter = ::GetParent(m_hWnd);
    if (hWndCenter != nullptr && !(GetStyle() & WS_CHILD))
        ::GetWindowRect(hWndCenter, &rcArea);
    else if (hWndCenter != nullptr)
        ::GetClientRect(hWndCenter, &rcArea);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
    int x = (rcArea.left + rcArea.right) / 2 - rcWnd.Width() / 2;
    int y = (rcArea.top + rcArea.bottom) / 2 - rcWnd.Height() / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, HRGN hrgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hrgnUpdate, flags);
}

DWORD CWnd::GetStyle() const
{
    return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
}

DWORD CWnd::GetExStyle() const
{
    return (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
}

namespace
{
BOOL ModifyStyleBits(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    const DWORD dwStyle = (DWORD)::GetWindowLongPtrA(hWnd, nIndex);
    const DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, nIndex, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleBits(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleBits(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::SetFont(HFONT hFont, BOOL bRedraw)
{
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

HFONT CWnd::GetFontHandle() const
{
    return reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SetFont(pFont != nullptr ? static_cast<HFONT>(pFont->m_hObject) : nullptr, bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(GetFontHandle());
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0;
}

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->m_hMenu : nullptr);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    if (nFlags != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        const UINT nID = (UINT)::GetDlgCtrlID(hChild);
        if (nID == nIDLeftOver)
            hWndLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (nFlags == reposQuery)
    {
        if (lpRectParam != nullptr)
            *lpRectParam = layout.rect;
        return;
    }
    if (nFlags == reposExtra && lpRectParam != nullptr)
    {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hWndLeftOver != nullptr)
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rectOld), 2);
    if (rectOld == *lpRect)
        return;
    const UINT nFlags = SWP_NOACTIVATE | SWP_NOZORDER;
    if (lpLayout != nullptr && lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, nFlags);
    else
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, nFlags);
}

// --- relatives and focus --------------------------------------------------------------------------

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent ? pWndNewParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetOwner() const
{
    return FromHandle(::GetWindow(m_hWnd, GW_OWNER));
}

CWnd* CWnd::GetTopLevelParent() const
{
    HWND hWnd = m_hWnd;
    while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CFrameWnd* CWnd::GetParentFrame() const
{
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* pFrame = IsKindOf(RUNTIME_CLASS(CFrameWnd))
                            ? const_cast<CFrameWnd*>(static_cast<const CFrameWnd*>(this))
                            : GetParentFrame();
    while (pFrame != nullptr)
    {
        CFrameWnd* pNext = pFrame->GetParentFrame();
        if (pNext == nullptr)
            break;
        pFrame = pNext;
    }
    return pFrame;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    if (HWND hChild = ::GetDlgItem(m_hWnd, nID))
    {
        CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hChild) : FromHandle(hChild);
        if (pWnd != nullptr)
            return pWnd;
    }
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        if (::GetTopWindow(hChild) == nullptr)
            continue;
        if (CWnd* pWnd = FromHandle(hChild)->GetDescendantWindow(nID, bOnlyPerm))
            return pWnd;
    }
    return nullptr;
}

int CWnd::SetDlgCtrlID(int nID)
{
    return (int)::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID);
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

CWnd* CWnd::GetForegroundWindow()
{
    return FromHandle(::GetForegroundWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}

CWnd* CWnd::WindowFromPoint(POINT point)
{
    return FromHandle(::WindowFromPoint(point));
}

CWnd* CWnd::FindWindow(LPCSTR lpszClassName, LPCSTR lpszWindowName)
{
    return FromHandle(::FindWindowA(lpszClassName, lpszWindowName));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return pWnd != nullptr && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

// --- dialog items ---------------------------------------------------------------------------------

void CWnd::SetDlgItemText(int nID, LPCSTR lpszString)
{
    ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hItem = ::GetDlgItem(m_hWnd, nID);
    if (hItem != nullptr)
        FromHandle(hItem)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    return AfxShowMessageBox(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}

// --- default handlers -----------------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return (int)Default();
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnNcDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return (BOOL)Default();
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return (BOOL)Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR)
{
    return (BOOL)Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
UINT CWnd::OnGetDlgCode()
{
    return (UINT)Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return (int)Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}
void CWnd::OnSettingChange(UINT, LPCSTR)
{
    Default();
}
BOOL CWnd::OnQueryEndSession()
{
    return (BOOL)Default();
}
void CWnd::OnEndSession(BOOL)
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}
void CWnd::OnMouseLeave()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
    Default();
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*)
{
    return Default();
}

// --- owner draw, colours and scrolling: menu dispatch and reflection --------------------------------

BOOL CWnd::DispatchMenuOwnerDraw(UINT message, LPARAM lParam)
{
    if (message == WM_DRAWITEM)
    {
        auto* pDIS = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (pDIS->CtlType != ODT_MENU)
            return FALSE;
        // For a menu item hwndItem is the menu that holds it.
        CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(pDIS->hwndItem));
        if (pMenu == nullptr)
            return FALSE;
        pMenu->DrawItem(pDIS);
        return TRUE;
    }
    if (message == WM_MEASUREITEM)
    {
        auto* pMIS = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (pMIS->CtlType != ODT_MENU)
            return FALSE;
        // The item is looked for in the popup being tracked, then in the window's own menu.
        CMenu* pMenu = CMenu::FindPopupMenuFromID(CMenu::GetTrackingMenu(), pMIS->itemID);
        if (pMenu == nullptr)
            pMenu = CMenu::FindPopupMenuFromID(::GetMenu(m_hWnd), pMIS->itemID);
        if (pMenu == nullptr || CMenu::FromHandlePermanent(pMenu->m_hMenu) != pMenu)
            return FALSE;
        pMenu->MeasureItem(pMIS);
        return TRUE;
    }
    return FALSE;
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType == ODT_MENU ? DispatchMenuOwnerDraw(WM_DRAWITEM, (LPARAM)lpDrawItemStruct)
                                              : ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType == ODT_MENU)
    {
        if (DispatchMenuOwnerDraw(WM_MEASUREITEM, (LPARAM)lpMeasureItemStruct))
            return;
    }
    else if (HWND hWndCtrl = ::GetDlgItem(m_hWnd, (int)lpMeasureItemStruct->CtlID))
    {
        if (ReflectLastMsg(hWndCtrl))
            return;
    }
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    // The control is the lParam of the message being handled.
    HWND hWndCtrl = reinterpret_cast<HWND>(State().lastSentMsg.lParam);
    if (hWndCtrl == nullptr || !ReflectLastMsg(hWndCtrl))
        Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    HWND hWndCtrl = reinterpret_cast<HWND>(State().lastSentMsg.lParam);
    if (hWndCtrl == nullptr || !ReflectLastMsg(hWndCtrl))
        Default();
}
