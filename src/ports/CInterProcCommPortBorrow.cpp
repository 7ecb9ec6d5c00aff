#include "ports/CInterProcCommPortBorrow.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
std::wstring ToWide(const CString& str)
{
    int cch = MultiByteToWideChar(CP_THREAD_ACP, 0, str.GetString(), str.GetLength(), nullptr, 0);
    std::wstring strWide(cch > 0 ? cch : 0, L'\0');
    if (cch > 0)
        MultiByteToWideChar(CP_THREAD_ACP, 0, str.GetString(), str.GetLength(), strWide.data(), cch);
    return strWide;
}

CString ToAnsi(const wchar_t* pwsz, int cch)
{
    if (cch == 0)
        return CString();
    int cb = WideCharToMultiByte(CP_THREAD_ACP, 0, pwsz, cch, nullptr, 0, nullptr, nullptr);
    std::vector<char> ach(cb > 0 ? cb : 1);
    cb = WideCharToMultiByte(CP_THREAD_ACP, 0, pwsz, cch, ach.data(), cb, nullptr, nullptr);
    return CString(ach.data(), cb > 0 ? cb : 0);
}
} // namespace

CInterProcCommPortBorrow::CInterProcCommPortBorrow()
    : CInterProcMsg(LEND_MESSAGE_SUFFIX), m_hAnswered(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    CString strName = CString("MapFile_") + LEND_MESSAGE_SUFFIX;
    m_hMapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, m_dwSize, strName);
    if (m_hMapping != nullptr)
        m_pView = MapViewOfFile(m_hMapping, FILE_MAP_ALL_ACCESS, 0, 0, 0);
}

CInterProcCommPortBorrow::~CInterProcCommPortBorrow()
{
    if (m_pView != nullptr)
        UnmapViewOfFile(m_pView);
    if (m_hMapping != nullptr)
        CloseHandle(m_hMapping);
    CloseHandle(m_hAnswered);
}

CString CInterProcCommPortBorrow::ReadPortName()
{
    if (m_pView == nullptr)
        return CString();
    wchar_t awc[SHARED_BYTES / sizeof(wchar_t)];
    memcpy(awc, m_pView, sizeof(awc));
    int cch = 0;
    while (cch < static_cast<int>(m_dwReadLength / sizeof(wchar_t)) && awc[cch] != 0)
        ++cch;
    return ToAnsi(awc, cch);
}

void CInterProcCommPortBorrow::WritePortName(const CString& strName)
{
    WriteSharedName(ToWide(strName));
}

// At most 1024 bytes, always ended by a zero code unit.
void CInterProcCommPortBorrow::WriteSharedName(const std::wstring& strName)
{
    if (m_pView == nullptr)
        return;
    size_t cch = std::min<size_t>(strName.size(), SHARED_BYTES / sizeof(wchar_t) - 1);
    auto* pwsz = static_cast<wchar_t*>(m_pView);
    memcpy(pwsz, strName.data(), cch * sizeof(wchar_t));
    pwsz[cch] = 0;
}

void CInterProcCommPortBorrow::SetBorrowedName(const CString& strName)
{
    m_strBorrowedName = ToWide(strName);
    SetEvent(m_hAnswered);
}

void CInterProcCommPortBorrow::ReturnPort()
{
    if (m_strBorrowedName.empty())
        return;
    BroadcastReturn(m_strBorrowedName, m_hReceiver);
    m_strBorrowedName.clear();
}

void CInterProcCommPortBorrow::PostReply(HWND hAsker, LPARAM lValue)
{
    PostMessageA(hAsker, m_uiReplyMessage, reinterpret_cast<WPARAM>(m_hReceiver), lValue);
}
