// The diagram pane; its static control becomes the diagram window.
// It lives in a view bar of the main frame and enters itself in the frame's window table on its first
// update. So far the pane shows its template.
#pragma once

#include "framework/CFormView.h"

class CAFormDiagram : public CFormView
{
    DECLARE_DYNCREATE(CAFormDiagram)

public:
    CAFormDiagram();

    void OnInitialUpdate() override;

private:
    bool m_bRegistrationPending = true;
};
