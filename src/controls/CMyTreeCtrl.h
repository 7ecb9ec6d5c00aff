// The navigation tree: items drawn in colours and a weight of their own, clicks and expansions reported
// to one registered callback, and the status-bar prompt of the item under the mouse announced to a
// status window (WM_SETMESSAGESTRING with id 10000; GetPromptId tells which prompt is meant).
#pragma once

#include "framework/CMap.h"
#include "framework/CTreeCtrl.h"
#include "resources/resource.h"

#include <memory>

// Called with the context, an event text (the item's text on a click, "TXT_ON_TVN_ITEMEXPANDED" on an
// expansion), the item's text and its data; the result is ignored.
using TREEITEM_CALLBACK = int (*)(void* pContext, CString strEvent, CString strItemText,
                                  DWORD_PTR dwItemData);

struct TreeItemCallback
{
    TREEITEM_CALLBACK pfnCallback;
    void* pContext;
};

// Drawing attributes of one item; a colour of CLR_INVALID keeps the one the tree drew with, an empty
// face name the control's font.
struct Color_Font
{
    COLORREF color;
    COLORREF bkcolor;
    LOGFONTA logfont;
};

class CMyTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CMyTreeCtrl)

public:
    // The prompt id after construction, and after the mouse has left the items.
    static constexpr int PROMPT_NONE_YET = -3;
    static constexpr int PROMPT_LEFT = -5;
    // The bar's general prompt, and the id sent with every prompt message.
    static constexpr int PROMPT_GENERAL = IDC_NAVI_TREE;

    CMyTreeCtrl();
    ~CMyTreeCtrl() override;

    // A later call replaces function and context.
    void SetItemCallback(TREEITEM_CALLBACK pfnCallback, void* pContext);
    BOOL SetItemBold(HTREEITEM hItem, BOOL bBold);
    // TVIS_BOLD when the item is bold, else 0.
    UINT GetItemBold(HTREEITEM hItem) const;
    // Take effect with the next painting.
    void SetItemColor(HTREEITEM hItem, COLORREF color);
    void SetItemBkColor(HTREEITEM hItem, COLORREF color);
    // Whether the key (an item's data, or a command id) has a prompt of its own.
    static BOOL HasPrompt(DWORD_PTR dwKey);
    int GetPromptId() const { return m_iPromptId; }
    // FALSE when the key has no prompt; else TRUE, and with bSet the prompt becomes the current one.
    BOOL LookupPrompt(DWORD_PTR dwKey, BOOL bSet);
    // The visible item whose text, or the 18 pixels left of it, holds the point; null when none does.
    HTREEITEM FindItemAt(CPoint point) const;

    std::unique_ptr<TreeItemCallback> m_pCallback;
    CWnd* m_pStatusWnd = nullptr;      // receives the prompt messages; none are sent while null
    int m_bNotifyExpand = 0;           // 1: expansions are reported
    DWORD m_dwHoverData = 0;           // data of the item under the mouse
    int m_iPromptId = PROMPT_NONE_YET; // the prompt last announced
    DWORD m_dwLastHoverData = 0;       // data of the item last announced
    CMap<HTREEITEM, HTREEITEM, Color_Font, const Color_Font&> m_mapColorFont;

protected:
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    Color_Font GetColorFont(HTREEITEM hItem) const;
    void DrawColoredItems(CDC* pDC);
    void DrawItem(CDC* pDC, HTREEITEM hItem, const Color_Font& cf);
    void AnnouncePrompt();
};
