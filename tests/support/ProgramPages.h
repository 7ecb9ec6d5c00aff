// The program's texts in a language, the operating-mode page in front of the running program's main frame,
// found by its caption, and a page brought to the front by its menu command: for the program tests, the
// benchmarks and the soak driver.
#pragma once

#include "support/ProgramHarness.h"

#include <string>

// A text of the program's string table in a language (its offset: LANGUAGE_GERMAN, ...).
inline std::string ProgramText(int iId, int iLanguageOffset)
{
    char szText[1024] = {};
    ::LoadStringA(nullptr, static_cast<UINT>(iId + iLanguageOffset), szText, sizeof(szText));
    return szText;
}

// The caption of the page in front: the group text of the visible page on the view.
inline std::string ActivePageCaption(HWND hFrame)
{
    constexpr int VIEW_ID = 0xE900;
    // The outer groups: most pages', the measure-configuration, connection, information, documentation
    // and calibration pages'.
    constexpr int PAGE_GROUP_IDS[] = {1087, 1084, 1078, 1058, 1082, 1086};
    HWND hView = ::GetDlgItem(hFrame, VIEW_ID);
    for (HWND hPage = hView ? ::GetWindow(hView, GW_CHILD) : nullptr; hPage;
         hPage = ::GetWindow(hPage, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hPage))
            continue;
        for (int iGroupId : PAGE_GROUP_IDS)
        {
            if (HWND hGroup = ::GetDlgItem(hPage, iGroupId))
                return CProgramHarness::GetText(hGroup);
        }
    }
    return std::string();
}

// Posts the command until its page is in front: page switches are throttled to one per 50 ms.
inline bool ShowModePage(CProgramHarness& program, HWND hFrame, UINT nCommand, const std::string& strCaption)
{
    return program.WaitFor("the page \"" + strCaption + "\"", CProgramHarness::DEFAULT_TIMEOUT_MS,
                           [&]
                           {
                               if (ActivePageCaption(hFrame) == strCaption)
                                   return true;
                               program.PostCommand(hFrame, nCommand);
                               return false;
                           });
}
