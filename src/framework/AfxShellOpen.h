// Opening a document or address with the shell (ShellExecute, verb "open"): everything the program
// opens goes through AfxShellOpen, so a test can replace the shell by a hook that records the call.
#pragma once

#include "framework/AfxWin32.h"

#include <functional>

// Returns true when the shell took the request (ShellExecute's result above 32).
typedef std::function<bool(HWND hWndOwner, LPCSTR lpszFile, int nShowCmd)> AFX_SHELLOPEN_HOOK;
AFX_SHELLOPEN_HOOK AfxSetShellOpenHook(AFX_SHELLOPEN_HOOK hook);
bool AfxShellOpen(HWND hWndOwner, LPCSTR lpszFile, int nShowCmd = SW_SHOWNORMAL);
