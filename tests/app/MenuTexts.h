// The texts of a menu's items by position, for the tests of the main frame's menu.
#pragma once

#include "framework/AfxWin32.h"

#include <string>
#include <vector>

inline std::vector<std::string> MenuItemTexts(HMENU hMenu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
    {
        char szText[256] = {};
        ::GetMenuStringA(hMenu, static_cast<UINT>(i), szText, sizeof(szText), MF_BYPOSITION);
        texts.push_back(szText);
    }
    return texts;
}
