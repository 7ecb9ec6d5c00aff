#include "ports/CInterProcMsg.h"

const char* const LEND_MESSAGE_SUFFIX = "C3D3BC02-282A-4A98-9BA5-DC1DD196CE22";

CInterProcMsg::CInterProcMsg(const char* pszSuffix)
    : m_uiQueryMessage(RegisterWindowMessageA(CString("Query_") + pszSuffix)),
      m_uiReplyMessage(RegisterWindowMessageA(CString("Reply_") + pszSuffix)),
      m_uiReturnMessage(RegisterWindowMessageA(CString("Return_") + pszSuffix))
{
}

void CInterProcMsg::BroadcastReturn(const std::wstring& strName, HWND hSender)
{
    WriteSharedName(strName);
    PostMessageA(HWND_BROADCAST, m_uiReturnMessage, reinterpret_cast<WPARAM>(hSender), 0);
}
