// A message-only window on the port owner's thread: a batch of received bytes crosses to that thread in
// one sent message and is handed to the port's data callback there, chunk by chunk.
#pragma once

#include "framework/CWnd.h"

class CPort;

class CPortDataRelay : public CWnd
{
public:
    // Creates the window on the calling thread.
    BOOL CreateRelay();
    // Delivers the batch on this window's thread and returns when it has been delivered; false when the
    // window did not take it (it is gone), and nothing was delivered.
    bool Relay(CPort& port, unsigned char* pBytes, unsigned int uiCount);

protected:
    afx_msg LRESULT OnRelayBatch(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
