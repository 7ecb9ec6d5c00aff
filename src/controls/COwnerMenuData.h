// The record of one owner-drawn menu item: its text (UTF-16, accelerator after a tab), its first slot
// in the shared image list, and its flags and id as last given to the system.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <memory>
#include <string>

class COwnerMenuData
{
public:
    COwnerMenuData() = default;
    COwnerMenuData(const COwnerMenuData&) = delete;
    COwnerMenuData& operator=(const COwnerMenuData&) = delete;

    // Null clears the text.
    void SetWideText(LPCWSTR lpszText);
    LPCWSTR GetWideText() const { return pszText.get(); }
    BOOL HasText() const { return pszText != nullptr && pszText[0] != L'\0'; }
    // Through the thread's ANSI code page.
    void SetAnsiText(LPCSTR lpszText);
    CString GetAnsiText() const;

    // Conversions through the thread's ANSI code page.
    static std::wstring AnsiToWide(LPCSTR lpszText);
    static CString WideToAnsi(LPCWSTR lpszText);

    std::unique_ptr<WCHAR[]> pszText; // null until set
    int iSharedImage = -1;            // first of the item's four slots in the shared image list
    UINT uFlags = 0;                  // MF_ flags as last given to the system
    UINT uId = 0;                     // command id; the popup's handle for a popup item; 0 for a separator
    BOOL bUsed = FALSE;               // claimed while the records are brought in step with the popup
};
