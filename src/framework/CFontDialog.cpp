#include "framework/CFontDialog.h"

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

namespace
{
AFX_FONTDIALOG_HOOK& ModalHook()
{
    static AFX_FONTDIALOG_HOOK s_hook;
    return s_hook;
}
} // namespace

CFontDialog::CFontDialog(const LOGFONTA* lplfInitial, DWORD dwFlags, HDC hdcPrinter, CWnd* pParentWnd)
    : m_cf(), m_lf()
{
    m_pParentWnd = pParentWnd;
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    m_cf.hDC = hdcPrinter;
    if (lplfInitial != nullptr)
    {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

AFX_FONTDIALOG_HOOK CFontDialog::SetModalHook(AFX_FONTDIALOG_HOOK hook)
{
    AFX_FONTDIALOG_HOOK previous = std::move(ModalHook());
    ModalHook() = std::move(hook);
    return previous;
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = GetModalOwner();
    if (ModalHook())
        return ModalHook()(*this);
    return ::ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
}
