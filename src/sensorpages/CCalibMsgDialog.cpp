#include "sensorpages/CCalibMsgDialog.h"

#include "framework/CEdit.h"
#include "framework/CProgressCtrl.h"
#include "measurement/CEditInputAdapter.h"
#include "measurement/CMeasureAdjustHelpers.h"
#include "protocol/CComPort.h"
#include "resources/resource_calibration.h"
#include "sensorpages/CCalibHost.h"
#include "sensorpages/CDlgSensorCalibration.h"
#include "shell/CPageHost.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CCalibMsgDialog, CDialog)

BEGIN_MESSAGE_MAP(CCalibMsgDialog, CDialog)
ON_WM_SHOWWINDOW()
ON_WM_DESTROY()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace
{
constexpr LPARAM REGISTER_LPARAM = 999;
} // namespace

CCalibMsgDialog::CCalibMsgDialog(UINT nIDTemplate, CDlgSensorCalibration* pPage, UINT nRegisterMessage)
    : CDialog(nIDTemplate, pPage), m_pPage(pPage), m_nRegisterMessage(nRegisterMessage)
{
}

BOOL CCalibMsgDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bFirstInit)
    {
        m_pMainFrame = m_pPage->GetCalibHost();
        m_bFirstInit = 0;
    }
    // Every showing enters the dialog in the frame's table again: its slot was freed when it last closed.
    CPageHost* pHost = m_pPage->GetPageHost();
    if (m_nRegisterMessage != 0 && pHost != nullptr && pHost->GetFrameWindow() != nullptr)
        pHost->GetFrameWindow()->PostMessage(m_nRegisterMessage, reinterpret_cast<WPARAM>(this),
                                             REGISTER_LPARAM);
    return TRUE;
}

void CCalibMsgDialog::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDialog::OnShowWindow(bShow, nStatus);
    CPageHost* pHost = m_pPage->GetPageHost();
    if (!bShow || m_pMainFrame == nullptr || pHost == nullptr || pHost->IsInitPending())
        return;
    Place();
    FillTexts();
}

void CCalibMsgDialog::OnDestroy()
{
    if (CPageHost* pHost = m_pPage->GetPageHost())
        pHost->UnregisterPointer(this);
    CDialog::OnDestroy();
}

BOOL CCalibMsgDialog::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (KeepsWaitCursor() && m_pMainFrame != nullptr && m_pMainFrame->IsWaitCursorOn())
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CCalibMsgDialog::Place()
{
    const Placement placement = GetPlacement();
    if (placement == Placement::Never)
        return;
    if (placement == Placement::NotOnFirstShow && m_pPage->m_bFirstDlgShow == 1)
    {
        m_pPage->m_bFirstDlgShow = 0;
        return;
    }
    // Nothing stored yet: the dialog stays where the system put it rather than shrink to nothing.
    const CRect& rc = m_pPage->m_rcMsgDlg;
    if (rc.IsRectEmpty())
        return;
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CCalibMsgDialog::StorePosition()
{
    GetWindowRect(m_pPage->m_rcMsgDlg);
}

int CCalibMsgDialog::GetLanguage() const
{
    return m_pPage->GetLanguageOffset();
}

CComPort& CCalibMsgDialog::Engine() const
{
    return m_pPage->Engine();
}

CString CCalibMsgDialog::LoadText(UINT nId, bool& bAllFound)
{
    CString str;
    if (str.LoadString(nId + static_cast<UINT>(GetLanguage())))
        m_strLookup = str;
    else
        bAllFound = false;
    return m_strLookup;
}

void CCalibMsgDialog::SetItemText(int iControl, UINT nId, bool& bAllFound)
{
    SetDlgItemText(iControl, LoadText(nId, bAllFound));
}

void CCalibMsgDialog::SetCaption(UINT nId, bool& bAllFound)
{
    SetWindowText(LoadText(nId, bAllFound));
}

double CCalibMsgDialog::GetEditValue(int iControl, BYTE& bBusy, const char* pszAllowed)
{
    auto* pEdit = static_cast<CEdit*>(GetDlgItem(iControl));
    if (pEdit == nullptr)
        return 0.0;
    CEdit edit;
    edit.Attach(pEdit->GetSafeHwnd());
    CEditInputAdapter input(edit);
    CString strText = CMeasureAdjustHelpers::FilterEditText(input, bBusy, pszAllowed, GetLanguage());
    edit.Detach();
    strText.Replace(',', '.');
    return std::atof(strText);
}

void CCalibMsgDialog::UpdateProgressBar()
{
    if (CWnd* pBar = GetDlgItem(IDC_CALIB_PROGRESS))
    {
        pBar->SendMessage(PBM_SETRANGE32, 0, m_pPage->m_iProgressRange);
        pBar->SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_pPage->m_iProgressPos));
    }
}

void CCalibMsgDialog::ShowItem(int iControl, bool bShow)
{
    if (CWnd* pItem = GetDlgItem(iControl))
        pItem->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}
