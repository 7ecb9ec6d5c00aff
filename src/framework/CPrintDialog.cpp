#include "framework/CPrintDialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CDialog)

namespace
{
AFX_PRINTDIALOG_HOOK& ModalHook()
{
    static AFX_PRINTDIALOG_HOOK s_hook;
    return s_hook;
}
} // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : m_pd()
{
    m_pParentWnd = pParentWnd;
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    FreeSettings();
}

void CPrintDialog::FreeSettings()
{
    // GlobalFree also frees the settings GetDevMode left locked.
    if (m_pd.hDevMode != nullptr)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        ::GlobalFree(m_pd.hDevNames);
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
}

AFX_PRINTDIALOG_HOOK CPrintDialog::SetModalHook(AFX_PRINTDIALOG_HOOK hook)
{
    AFX_PRINTDIALOG_HOOK previous = std::move(ModalHook());
    ModalHook() = std::move(hook);
    return previous;
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = GetModalOwner();
    if (ModalHook())
        return ModalHook()(*this);
    return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL;
}

LPDEVMODEA CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode != nullptr ? static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}
