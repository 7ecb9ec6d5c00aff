#include "framework/AfxShellOpen.h"

#include <shellapi.h>
#include <utility>

namespace
{
AFX_SHELLOPEN_HOOK& ShellOpenHook()
{
    static AFX_SHELLOPEN_HOOK hook;
    return hook;
}
} // namespace

AFX_SHELLOPEN_HOOK AfxSetShellOpenHook(AFX_SHELLOPEN_HOOK hook)
{
    AFX_SHELLOPEN_HOOK previous = std::move(ShellOpenHook());
    ShellOpenHook() = std::move(hook);
    return previous;
}

bool AfxShellOpen(HWND hWndOwner, LPCSTR lpszFile, int nShowCmd)
{
    if (ShellOpenHook())
        return ShellOpenHook()(hWndOwner, lpszFile, nShowCmd);
    const auto iResult =
        reinterpret_cast<INT_PTR>(::ShellExecuteA(hWndOwner, "open", lpszFile, nullptr, nullptr, nShowCmd));
    return iResult > 32;
}
