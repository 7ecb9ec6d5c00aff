#include "measurement/CAFormChannelB.h"

#include "resources/resource.h"
#include "shell/CPaneRegistration.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormChannelB, CFormView)

CAFormChannelB::CAFormChannelB() : CFormView(IDD_FORM_CHANNEL) {}

void CAFormChannelB::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CPaneRegistration::PostOnce(this, WM_REGISTER_CHANNEL_B, m_bRegistrationPending);
}
