// The channel A pane: value, tare, minimum and maximum of channel A with their buttons.
// It lives in a view bar of the main frame and enters itself in the frame's window table on its first
// update. So far the pane shows its template.
#pragma once

#include "framework/CFormView.h"

class CAFormChannelA : public CFormView
{
    DECLARE_DYNCREATE(CAFormChannelA)

public:
    CAFormChannelA();

    void OnInitialUpdate() override;

private:
    bool m_bRegistrationPending = true;
};
