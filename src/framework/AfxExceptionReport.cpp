#include "framework/AfxExceptionReport.h"

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

#include <memory>

namespace
{
AFX_EXCEPTION_REPORT_HOOK& ReportHook()
{
    static AFX_EXCEPTION_REPORT_HOOK s_hook;
    return s_hook;
}

bool IsApplicationThread()
{
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_nThreadID == ::GetCurrentThreadId();
}

HWND ReportWindow(HWND hWndOwner)
{
    if (hWndOwner != nullptr)
        return hWndOwner;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->m_pMainWnd != nullptr ? pApp->m_pMainWnd->m_hWnd : nullptr;
}

void ShowReport(const CString& strText)
{
    if (ReportHook())
        ReportHook()(strText);
    else
        AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}
} // namespace

AFX_EXCEPTION_REPORT_HOOK AfxSetExceptionReportHook(AFX_EXCEPTION_REPORT_HOOK hook)
{
    AFX_EXCEPTION_REPORT_HOOK previous = std::move(ReportHook());
    ReportHook() = std::move(hook);
    return previous;
}

CString AfxGetExceptionText(const CException* e)
{
    char szText[512] = {};
    if (e == nullptr || !e->GetErrorMessage(szText, sizeof(szText)))
        return CString("No error message is available.");
    return CString(szText);
}

// A report must not throw from the catch block that makes it: a failing report falls back to the
// debugger output.
void AfxReportException(const CString& strText, HWND hWndOwner)
{
    try
    {
        if (IsApplicationThread())
        {
            ShowReport(strText);
            return;
        }
        HWND hWnd = ReportWindow(hWndOwner);
        auto pText = std::make_unique<CString>(strText);
        if (hWnd != nullptr &&
            ::PostMessageA(hWnd, WM_AFX_EXCEPTIONREPORT, 0, reinterpret_cast<LPARAM>(pText.get())))
        {
            pText.release();
            return;
        }
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    ::OutputDebugStringA(strText);
}

LRESULT AfxOnExceptionReport(LPARAM lParam)
{
    std::unique_ptr<CString> pText(reinterpret_cast<CString*>(lParam));
    if (pText != nullptr)
        AfxReportException(*pText);
    return 0;
}
