// Base of every class that takes messages and commands through a message map.
#pragma once

#include "framework/AfxMsgMap.h"
#include "framework/CObject.h"

#define afx_msg

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;

    // Routes a command, an update request (pExtra is the CCmdUI) or a notification
    // (nCode is MAKELONG(code, WM_NOTIFY), pExtra an AFX_NOTIFY) through this object's map.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Finds the first entry of this object's map chain for a window message.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Calls the entry's thunk; TRUE when the handler took the message.
    BOOL DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, AFX_MSGCALL& call);
};
