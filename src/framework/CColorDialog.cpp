#include "framework/CColorDialog.h"

IMPLEMENT_DYNAMIC(CColorDialog, CDialog)

namespace
{
AFX_COLORDIALOG_HOOK& ModalHook()
{
    static AFX_COLORDIALOG_HOOK s_hook;
    return s_hook;
}

// The custom colours the user defined, kept for the whole run as the dialog expects.
COLORREF s_aCustomColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : m_cc()
{
    m_pParentWnd = pParentWnd;
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = s_aCustomColors;
    m_cc.Flags = dwFlags | CC_RGBINIT;
    m_cc.rgbResult = clrInit;
}

AFX_COLORDIALOG_HOOK CColorDialog::SetModalHook(AFX_COLORDIALOG_HOOK hook)
{
    AFX_COLORDIALOG_HOOK previous = std::move(ModalHook());
    ModalHook() = std::move(hook);
    return previous;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = GetModalOwner();
    if (ModalHook())
        return ModalHook()(*this);
    return ::ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}
