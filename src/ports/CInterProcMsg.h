// The three registered window messages of the port-lending protocol between processes.
#pragma once

#include "framework/AfxWin32.h"
#include "framework/CString.h"

#include <string>

class CInterProcMsg
{
public:
    explicit CInterProcMsg(const char* pszSuffix);
    virtual ~CInterProcMsg() = default;
    CInterProcMsg(const CInterProcMsg&) = delete;
    CInterProcMsg& operator=(const CInterProcMsg&) = delete;

    // Writes the name into the shared memory, then posts "Return_" to every top-level window.
    void BroadcastReturn(const std::wstring& strName, HWND hSender);

    UINT m_uiQueryMessage;
    UINT m_uiReplyMessage;
    UINT m_uiReturnMessage;

protected:
    virtual void WriteSharedName(const std::wstring& strName) = 0;
};

// The suffix every process of the lending protocol uses.
extern const char* const LEND_MESSAGE_SUFFIX;
