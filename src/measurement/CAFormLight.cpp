#include "measurement/CAFormLight.h"

#include "resources/resource.h"
#include "shell/CPaneRegistration.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormLight, CFormView)

CAFormLight::CAFormLight() : CFormView(IDD_FORM_LIGHT) {}

void CAFormLight::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CPaneRegistration::PostOnce(this, WM_REGISTER_LIGHT, m_bRegistrationPending);
}
