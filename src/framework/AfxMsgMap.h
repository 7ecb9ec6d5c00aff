// Static message maps: tables of entries chained to the base class's table.
//
// Each entry carries a captureless thunk that casts the target to the class that declared the
// map and calls the handler with the decoded message arguments, so a handler with the wrong
// signature does not compile.
#pragma once

#include "framework/AfxWin32.h"

class CCmdTarget;
class CWnd;
class CCmdUI;

// Framework-internal messages live in 0x360-0x37F.
#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_RECALCPARENT 0x0368
#define WM_KICKIDLE 0x036A

// The 16-bit colour message; the WM_CTLCOLORxxx messages share its map entry.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Reflected notifications reach the child's own map as WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE 0xBC00

// Command codes routed through CCmdTarget::OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// What a thunk gets: the raw message and, for routed commands, the extra data.
struct AFX_MSGCALL
{
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT lResult;
    UINT nID;
    void* pExtra;
};

// What WM_SIZEPARENT carries in lParam: each bar takes its part off rect, adds its size to sizeTotal
// and moves itself through AfxRepositionWindow (hDWP is null when the layout is only queried).
struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// Notification data passed as pExtra when a WM_NOTIFY is routed as a command.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Returns FALSE when the handler declined (the _EX forms), so routing continues.
typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;        // window message, WM_COMMAND or WM_NOTIFY; 0 ends the table
    UINT nCode;           // control notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;             // first control or command id
    UINT nLastID;         // last id of a range (== nID otherwise)
    const UINT* pnRegMsg; // registered message id, read at dispatch time
    AFX_MSGTHUNK pfnThunk;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        typedef theClass ThisClass;                                                                          \
        typedef baseClass TheBaseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, nullptr, nullptr                                                                         \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

#define AFX_THUNK(body)                                                                                      \
    [](CCmdTarget* pT, AFX_MSGCALL& c) -> BOOL                                                               \
    {                                                                                                        \
        ThisClass* p = static_cast<ThisClass*>(pT);                                                          \
        (void)c;                                                                                             \
        body;                                                                                                \
    }

// --- generic messages ---------------------------------------------------------------------------
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {                                                                                                        \
        (UINT)(message), 0, 0, 0, nullptr,                                                                   \
            AFX_THUNK(c.lResult = p->memberFxn(c.wParam, c.lParam); return TRUE)                             \
    }                                                                                                        \
    ,

#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {                                                                                                        \
        0xC000, 0, 0, 0, &(nMessageVariable),                                                                \
            AFX_THUNK(c.lResult = p->memberFxn(c.wParam, c.lParam); return TRUE)                             \
    }                                                                                                        \
    ,

// --- commands -----------------------------------------------------------------------------------
#define ON_COMMAND(id, memberFxn)                                                                            \
    {                                                                                                        \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(p->memberFxn(); return TRUE)      \
    }                                                                                                        \
    ,

#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AFX_THUNK(return p->memberFxn(c.nID))},

#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {                                                                                                        \
        WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr,                                         \
            AFX_THUNK(p->memberFxn(c.nID); return TRUE)                                                      \
    }                                                                                                        \
    ,

#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {                                                                                                        \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr,                                   \
            AFX_THUNK(CCmdUI* u = static_cast<CCmdUI*>(c.pExtra); p->memberFxn(u);                           \
                      return !u->m_bContinueRouting)                                                         \
    }                                                                                                        \
    ,

#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                    \
    {                                                                                                        \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), nullptr,                               \
            AFX_THUNK(CCmdUI* u = static_cast<CCmdUI*>(c.pExtra); p->memberFxn(u);                           \
                      return !u->m_bContinueRouting)                                                         \
    }                                                                                                        \
    ,

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {                                                                                                        \
        WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr,                              \
            AFX_THUNK(p->memberFxn(); return TRUE)                                                           \
    }                                                                                                        \
    ,

#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {                                                                                                        \
        WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr,                          \
            AFX_THUNK(p->memberFxn(c.nID); return TRUE)                                                      \
    }                                                                                                        \
    ,

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)

// --- notifications (WM_NOTIFY) ------------------------------------------------------------------
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {                                                                                                        \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr,                               \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra);                                    \
                      p->memberFxn(n->pNMHDR, n->pResult); return TRUE)                                      \
    }                                                                                                        \
    ,

#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {                                                                                                        \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr,                           \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra);                                    \
                      p->memberFxn(c.nID, n->pNMHDR, n->pResult); return TRUE)                               \
    }                                                                                                        \
    ,

#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {                                                                                                        \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), nullptr,                               \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra);                                    \
                      return p->memberFxn(c.nID, n->pNMHDR, n->pResult))                                     \
    }                                                                                                        \
    ,

// The handler gets the control id; returning FALSE lets the routing go on.
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    {                                                                                                        \
        WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), nullptr,                           \
            AFX_THUNK(AFX_NOTIFY* n = static_cast<AFX_NOTIFY*>(c.pExtra);                                    \
                      return p->memberFxn(c.nID, n->pNMHDR, n->pResult))                                     \
    }                                                                                                        \
    ,

// --- reflected to the control's own map ---------------------------------------------------------
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                               \
            AFX_THUNK(NMHDR* h = reinterpret_cast<NMHDR*>(c.lParam); p->memberFxn(h, &c.lResult);            \
                      return TRUE)                                                                           \
    }                                                                                                        \
    ,

// The _EX form lets the parent see the notification too when the handler returns FALSE.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                               \
            AFX_THUNK(NMHDR* h = reinterpret_cast<NMHDR*>(c.lParam); return p->memberFxn(h, &c.lResult))     \
    }                                                                                                        \
    ,

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_COMMAND, (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                              \
            AFX_THUNK(p->memberFxn(); return TRUE)                                                           \
    }                                                                                                        \
    ,

#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_REFLECT_BASE + WM_COMMAND,    (UINT)(WORD)(wNotifyCode), 0, 0, nullptr,                              \
     AFX_THUNK(return p->memberFxn())},

#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)

// --- window messages ----------------------------------------------------------------------------
#define AFX_ON_VOID(msg, call)                                                                               \
    {                                                                                                        \
        msg, 0, 0, 0, nullptr, AFX_THUNK(call; return TRUE)                                                  \
    }                                                                                                        \
    ,
#define AFX_ON_RESULT(msg, call)                                                                             \
    {                                                                                                        \
        msg, 0, 0, 0, nullptr, AFX_THUNK(c.lResult = (LRESULT)(call); return TRUE)                           \
    }                                                                                                        \
    ,
#define AFX_PT(lp) CPoint((short)LOWORD(lp), (short)HIWORD(lp))

#define ON_WM_CREATE() AFX_ON_RESULT(WM_CREATE, p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c.lParam)))
#define ON_WM_DESTROY() AFX_ON_VOID(WM_DESTROY, p->OnDestroy())
#define ON_WM_NCDESTROY() AFX_ON_VOID(WM_NCDESTROY, p->OnNcDestroy())
#define ON_WM_CLOSE() AFX_ON_VOID(WM_CLOSE, p->OnClose())
#define ON_WM_TIMER() AFX_ON_VOID(WM_TIMER, p->OnTimer((UINT_PTR)c.wParam))
#define ON_WM_SIZE()                                                                                         \
    AFX_ON_VOID(WM_SIZE, p->OnSize((UINT)c.wParam, (short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_MOVE() AFX_ON_VOID(WM_MOVE, p->OnMove((short)LOWORD(c.lParam), (short)HIWORD(c.lParam)))
#define ON_WM_PAINT() AFX_ON_VOID(WM_PAINT, p->OnPaint())
#define ON_WM_SHOWWINDOW() AFX_ON_VOID(WM_SHOWWINDOW, p->OnShowWindow((BOOL)c.wParam, (UINT)c.lParam))
#define ON_WM_ENABLE() AFX_ON_VOID(WM_ENABLE, p->OnEnable((BOOL)c.wParam))
#define ON_WM_SETFOCUS() AFX_ON_VOID(WM_SETFOCUS, p->OnSetFocus(CWnd::FromHandle((HWND)c.wParam)))
#define ON_WM_KILLFOCUS() AFX_ON_VOID(WM_KILLFOCUS, p->OnKillFocus(CWnd::FromHandle((HWND)c.wParam)))
#define ON_WM_KEYDOWN()                                                                                      \
    AFX_ON_VOID(WM_KEYDOWN, p->OnKeyDown((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_KEYUP() AFX_ON_VOID(WM_KEYUP, p->OnKeyUp((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SYSKEYDOWN()                                                                                   \
    AFX_ON_VOID(WM_SYSKEYDOWN, p->OnSysKeyDown((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_CHAR() AFX_ON_VOID(WM_CHAR, p->OnChar((UINT)c.wParam, LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_MOUSEMOVE() AFX_ON_VOID(WM_MOUSEMOVE, p->OnMouseMove((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_LBUTTONDOWN() AFX_ON_VOID(WM_LBUTTONDOWN, p->OnLButtonDown((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_LBUTTONUP() AFX_ON_VOID(WM_LBUTTONUP, p->OnLButtonUp((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_LBUTTONDBLCLK()                                                                                \
    AFX_ON_VOID(WM_LBUTTONDBLCLK, p->OnLButtonDblClk((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_RBUTTONDOWN() AFX_ON_VOID(WM_RBUTTONDOWN, p->OnRButtonDown((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_RBUTTONUP() AFX_ON_VOID(WM_RBUTTONUP, p->OnRButtonUp((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_MOUSEWHEEL()                                                                                   \
    AFX_ON_RESULT(WM_MOUSEWHEEL, p->OnMouseWheel(LOWORD(c.wParam), (short)HIWORD(c.wParam), AFX_PT(c.lParam)))
#define ON_WM_NCHITTEST() AFX_ON_RESULT(WM_NCHITTEST, p->OnNcHitTest(AFX_PT(c.lParam)))
#define ON_WM_NCLBUTTONDOWN()                                                                                \
    AFX_ON_VOID(WM_NCLBUTTONDOWN, p->OnNcLButtonDown((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_NCLBUTTONDBLCLK()                                                                              \
    AFX_ON_VOID(WM_NCLBUTTONDBLCLK, p->OnNcLButtonDblClk((UINT)c.wParam, AFX_PT(c.lParam)))
#define ON_WM_SETCURSOR()                                                                                    \
    AFX_ON_RESULT(WM_SETCURSOR,                                                                              \
                  p->OnSetCursor(CWnd::FromHandle((HWND)c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_CAPTURECHANGED()                                                                               \
    AFX_ON_VOID(WM_CAPTURECHANGED, p->OnCaptureChanged(CWnd::FromHandle((HWND)c.lParam)))
#define ON_WM_GETMINMAXINFO()                                                                                \
    AFX_ON_VOID(WM_GETMINMAXINFO, p->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(c.lParam)))
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFX_ON_VOID(WM_WINDOWPOSCHANGED, p->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(c.lParam)))
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    AFX_ON_VOID(WM_WINDOWPOSCHANGING, p->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(c.lParam)))
#define ON_WM_DEVICECHANGE()                                                                                 \
    AFX_ON_RESULT(WM_DEVICECHANGE, p->OnDeviceChange((UINT)c.wParam, (DWORD_PTR)c.lParam))
#define ON_WM_SYSCOMMAND() AFX_ON_VOID(WM_SYSCOMMAND, p->OnSysCommand((UINT)c.wParam, c.lParam))
#define ON_WM_MENUSELECT()                                                                                   \
    AFX_ON_VOID(WM_MENUSELECT, p->OnMenuSelect(LOWORD(c.wParam), HIWORD(c.wParam), (HMENU)c.lParam))
#define ON_WM_CONTEXTMENU()                                                                                  \
    AFX_ON_VOID(WM_CONTEXTMENU, p->OnContextMenu(CWnd::FromHandle((HWND)c.wParam), AFX_PT(c.lParam)))
#define ON_WM_GETDLGCODE() AFX_ON_RESULT(WM_GETDLGCODE, p->OnGetDlgCode())
#define ON_WM_MOUSEACTIVATE()                                                                                \
    AFX_ON_RESULT(WM_MOUSEACTIVATE,                                                                          \
                  p->OnMouseActivate(CWnd::FromHandle((HWND)c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_ACTIVATE()                                                                                     \
    AFX_ON_VOID(WM_ACTIVATE,                                                                                 \
                p->OnActivate(LOWORD(c.wParam), CWnd::FromHandle((HWND)c.lParam), (BOOL)HIWORD(c.wParam)))
#define ON_WM_SETTINGCHANGE()                                                                                \
    AFX_ON_VOID(WM_SETTINGCHANGE, p->OnSettingChange((UINT)c.wParam, (LPCSTR)c.lParam))
#define ON_WM_QUERYENDSESSION() AFX_ON_RESULT(WM_QUERYENDSESSION, p->OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_ON_VOID(WM_ENDSESSION, p->OnEndSession((BOOL)c.wParam))
#define ON_WM_CANCELMODE() AFX_ON_VOID(WM_CANCELMODE, p->OnCancelMode())
#define ON_WM_MOUSELEAVE() AFX_ON_VOID(WM_MOUSELEAVE, p->OnMouseLeave())
#define ON_WM_ERASEBKGND() AFX_ON_RESULT(WM_ERASEBKGND, p->OnEraseBkgnd(CDC::FromHandle((HDC)c.wParam)))
#define ON_WM_INITMENUPOPUP()                                                                                \
    AFX_ON_VOID(WM_INITMENUPOPUP, p->OnInitMenuPopup(CMenu::FromHandle((HMENU)c.wParam), LOWORD(c.lParam),   \
                                                     (BOOL)HIWORD(c.lParam)))
#define ON_WM_MENUCHAR()                                                                                     \
    AFX_ON_RESULT(WM_MENUCHAR,                                                                               \
                  p->OnMenuChar(LOWORD(c.wParam), HIWORD(c.wParam), CMenu::FromHandle((HMENU)c.lParam)))

// Owner draw answers TRUE. The base handlers (CWnd::OnDrawItem, OnMeasureItem) pass menu items to their
// CMenu and reflect the others to the control.
#define ON_WM_DRAWITEM()                                                                                     \
    {                                                                                                        \
        WM_DRAWITEM, 0, 0, 0, nullptr,                                                                       \
            AFX_THUNK(p->OnDrawItem((int)c.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));            \
                      c.lResult = TRUE; return TRUE)                                                         \
    }                                                                                                        \
    ,
#define ON_WM_MEASUREITEM()                                                                                  \
    {                                                                                                        \
        WM_MEASUREITEM, 0, 0, 0, nullptr,                                                                    \
            AFX_THUNK(p->OnMeasureItem((int)c.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));      \
                      c.lResult = TRUE; return TRUE)                                                         \
    }                                                                                                        \
    ,

// One entry for every WM_CTLCOLORxxx; nCtlColor is CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC.
#define ON_WM_CTLCOLOR()                                                                                     \
    AFX_ON_RESULT(WM_CTLCOLOR,                                                                               \
                  p->OnCtlColor(CDC::FromHandle((HDC)c.wParam), CWnd::FromHandle((HWND)c.lParam), c.nID))
// pScrollBar is the control that scrolled (null for a window's own scroll bar).
#define ON_WM_HSCROLL()                                                                                      \
    AFX_ON_VOID(WM_HSCROLL, p->OnHScroll(LOWORD(c.wParam), HIWORD(c.wParam),                                 \
                                         reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)c.lParam))))
#define ON_WM_VSCROLL()                                                                                      \
    AFX_ON_VOID(WM_VSCROLL, p->OnVScroll(LOWORD(c.wParam), HIWORD(c.wParam),                                 \
                                         reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)c.lParam))))

// --- window messages reflected to the control's own map -----------------------------------------
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): a null brush lets the parent colour the control.
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, nullptr,                                                     \
            AFX_THUNK(HBRUSH hbr = p->CtlColor(CDC::FromHandle((HDC)c.wParam), c.nID);                       \
                      c.lResult = (LRESULT)hbr; return hbr != nullptr)                                       \
    }                                                                                                        \
    ,
// void DrawItem(LPDRAWITEMSTRUCT), void MeasureItem(LPMEASUREITEMSTRUCT)
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_DRAWITEM, 0, 0, 0, nullptr,                                                     \
            AFX_THUNK(p->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)); c.lResult = TRUE;           \
                      return TRUE)                                                                           \
    }                                                                                                        \
    ,
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    {                                                                                                        \
        WM_REFLECT_BASE + WM_MEASUREITEM, 0, 0, 0, nullptr,                                                  \
            AFX_THUNK(p->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)); c.lResult = TRUE;     \
                      return TRUE)                                                                           \
    }                                                                                                        \
    ,
// void HScroll(UINT nSBCode, UINT nPos), void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    AFX_ON_VOID(WM_REFLECT_BASE + WM_HSCROLL, p->HScroll(LOWORD(c.wParam), HIWORD(c.wParam)))
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    AFX_ON_VOID(WM_REFLECT_BASE + WM_VSCROLL, p->VScroll(LOWORD(c.wParam), HIWORD(c.wParam)))
