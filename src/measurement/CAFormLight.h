// The traffic-light pane that shows the pass/fail result.
// It lives in a view bar of the main frame and enters itself in the frame's window table on its first
// update. So far the pane shows its template.
#pragma once

#include "framework/CFormView.h"

class CAFormLight : public CFormView
{
    DECLARE_DYNCREATE(CAFormLight)

public:
    CAFormLight();

    void OnInitialUpdate() override;

private:
    bool m_bRegistrationPending = true;
};
