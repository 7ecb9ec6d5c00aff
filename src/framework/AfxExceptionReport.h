// Exceptions that reach a dispatch boundary (window procedure, message pumps, thread entries, AfxWinMain)
// are reported once and the program carries on. On the application's thread the report goes to the
// report hook (a message box unless replaced); another thread posts it to an owner window, whose thread
// passes it to the hook, and never opens a message box itself.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CException.h"
#include "framework/CString.h"

#include <exception>
#include <functional>

// Posted to an owner window; lParam is a CString* that AfxOnExceptionReport takes over.
#define WM_AFX_EXCEPTIONREPORT 0x036C

typedef std::function<void(const CString& strText)> AFX_EXCEPTION_REPORT_HOOK;
// Replaces the report hook (an empty hook restores the message box); returns the previous one.
AFX_EXCEPTION_REPORT_HOOK AfxSetExceptionReportHook(AFX_EXCEPTION_REPORT_HOOK hook);

// The exception's own text, or the standard text when it has none.
CString AfxGetExceptionText(const CException* e);
// On the application's thread: the hook. Elsewhere: posted to hWndOwner, or to the application's main
// window when that is null; written to the debugger output when no window takes it.
void AfxReportException(const CString& strText, HWND hWndOwner = nullptr);
// Takes a posted report on the owner's thread (framework windows do this in AfxWndProc).
LRESULT AfxOnExceptionReport(LPARAM lParam);

// Runs fn; an exception it throws is reported and false returned.
template <class Fn> bool AfxCallGuarded(Fn&& fn, HWND hWndOwner = nullptr)
{
    try
    {
        fn();
        return true;
    }
    catch (CException* e)
    {
        AfxReportException(AfxGetExceptionText(e), hWndOwner);
        e->Delete();
    }
    catch (const std::exception& e)
    {
        AfxReportException(CString(e.what()), hWndOwner);
    }
    return false;
}
