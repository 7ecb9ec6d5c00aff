#include "controls/COwnerMenuData.h"

#include <cwchar>

void COwnerMenuData::SetWideText(LPCWSTR lpszText)
{
    if (lpszText == nullptr)
    {
        pszText.reset();
        return;
    }
    const size_t cch = std::wcslen(lpszText);
    auto pNew = std::make_unique<WCHAR[]>(cch + 1);
    std::wmemcpy(pNew.get(), lpszText, cch + 1);
    pszText = std::move(pNew);
}

void COwnerMenuData::SetAnsiText(LPCSTR lpszText)
{
    if (lpszText == nullptr)
        pszText.reset();
    else
        SetWideText(AnsiToWide(lpszText).c_str());
}

CString COwnerMenuData::GetAnsiText() const
{
    return WideToAnsi(pszText.get());
}

std::wstring COwnerMenuData::AnsiToWide(LPCSTR lpszText)
{
    if (lpszText == nullptr || *lpszText == '\0')
        return std::wstring();
    const int cch = ::MultiByteToWideChar(CP_THREAD_ACP, 0, lpszText, -1, nullptr, 0);
    if (cch <= 1)
        return std::wstring();
    std::wstring str((size_t)cch, L'\0');
    ::MultiByteToWideChar(CP_THREAD_ACP, 0, lpszText, -1, str.data(), cch);
    str.resize((size_t)cch - 1);
    return str;
}

CString COwnerMenuData::WideToAnsi(LPCWSTR lpszText)
{
    CString str;
    if (lpszText == nullptr || *lpszText == L'\0')
        return str;
    const int cb = ::WideCharToMultiByte(CP_THREAD_ACP, 0, lpszText, -1, nullptr, 0, nullptr, nullptr);
    if (cb <= 1)
        return str;
    char* p = str.GetBuffer(cb);
    ::WideCharToMultiByte(CP_THREAD_ACP, 0, lpszText, -1, p, cb, nullptr, nullptr);
    str.ReleaseBuffer(cb - 1);
    return str;
}
