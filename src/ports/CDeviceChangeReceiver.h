// Hidden window of the device-change thread: device notifications and the lending messages.
#pragma once

#include "framework/CWnd.h"

class CPortMan;

class CDeviceChangeReceiver : public CWnd
{
public:
    explicit CDeviceChangeReceiver(CPortMan* pPortMan);

    BOOL CreateReceiver();
    // The ids of "Query_", "Reply_" and "Return_", read by the message map of every receiver.
    static void SetLendMessages(UINT uiQuery, UINT uiReply, UINT uiReturn);
    // Hands the reopen of an arrived device to the receiver's thread; false when it could not be posted.
    static bool PostReopen(HWND hReceiver, const CString& strDevice);

protected:
    void PostNcDestroy() override;

    afx_msg LRESULT OnDeviceChangeMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    afx_msg LRESULT OnLendQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLendReturn(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLendReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReopen(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CPortMan* m_pPortMan;
    unsigned char m_ucClosing = 0;
};
