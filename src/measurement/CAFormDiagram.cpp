#include "measurement/CAFormDiagram.h"

#include "resources/resource.h"
#include "shell/CPaneRegistration.h"
#include "shell/ShellMessages.h"

IMPLEMENT_DYNCREATE(CAFormDiagram, CFormView)

CAFormDiagram::CAFormDiagram() : CFormView(IDD_FORM_DIAGRAM) {}

void CAFormDiagram::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    CPaneRegistration::PostOnce(this, WM_REGISTER_DIAGRAM, m_bRegistrationPending);
}
