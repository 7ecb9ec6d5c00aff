#include "app/CHotKeys.h"

#include "resources/resource.h"

namespace
{
CHotKeys::Key Consumed(CHotKeys::Action action, UINT nCommand = 0)
{
    return {action, nCommand, true};
}

// Ctrl with a letter or Tab.
CHotKeys::Key ClassifyCtrl(WPARAM wVirtualKey, bool bShift)
{
    switch (wVirtualKey)
    {
        case VK_TAB:
            return Consumed(bShift ? CHotKeys::PREVIOUS_PAGE : CHotKeys::NEXT_PAGE);
        case 'C':
        case 'X':
            return Consumed(CHotKeys::COPY);
        case 'D':
            return Consumed(CHotKeys::COMMAND, ID_FILE_SAVE_DIAGRAM);
        case 'E':
            return Consumed(CHotKeys::COMMAND, ID_FILE_EXIT);
        case 'M':
            return Consumed(CHotKeys::COMMAND, ID_FILE_SAVE_MEASURED_VALUES);
        case 'P':
            return Consumed(CHotKeys::COMMAND, ID_FILE_PRINT_REPORT);
        case 'R':
            return Consumed(CHotKeys::COMMAND, ID_VIEW_RESET);
        case 'S':
            return Consumed(CHotKeys::NONE);
        case 'L':
            return Consumed(bShift ? CHotKeys::TOGGLE_LOG : CHotKeys::NONE);
        case 'T':
            return Consumed(bShift ? CHotKeys::TOGGLE_TRACE : CHotKeys::NONE);
        default:
            return {};
    }
}
} // namespace

CHotKeys::Key CHotKeys::Classify(UINT message, WPARAM wVirtualKey, bool bCtrl, bool bShift)
{
    if (message == WM_KEYUP && wVirtualKey == VK_F5)
        return {REFRESH_CONNECTIONS, 0, false};
    if (message != WM_KEYDOWN)
        return {};
    if (wVirtualKey == VK_ESCAPE)
        return Consumed(NONE);
    return bCtrl ? ClassifyCtrl(wVirtualKey, bShift) : Key{};
}
