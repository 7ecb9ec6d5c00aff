// The channel B pane: value, tare, minimum and maximum of channel B with their buttons.
// It lives in a view bar of the main frame and enters itself in the frame's window table on its first
// update. So far the pane shows its template.
#pragma once

#include "framework/CFormView.h"

class CAFormChannelB : public CFormView
{
    DECLARE_DYNCREATE(CAFormChannelB)

public:
    CAFormChannelB();

    void OnInitialUpdate() override;

private:
    bool m_bRegistrationPending = true;
};
