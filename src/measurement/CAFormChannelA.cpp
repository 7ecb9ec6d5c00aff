#include "measurement/CAFormChannelA.h"

#include "resources/resource.h"
#include "shell/CPaneRegistration.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormChannelA, CFormView)

CAFormChannelA::CAFormChannelA() : CFormView(IDD_FORM_CHANNEL) {}

void CAFormChannelA::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CPaneRegistration::PostOnce(this, WM_REGISTER_CHANNEL_A, m_bRegistrationPending);
}
