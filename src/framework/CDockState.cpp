#include "framework/CDockState.h"

#include "framework/CWinApp.h"

#include <algorithm>

namespace
{
constexpr int kMaxEntries = 256;

CString SummarySection(LPCSTR lpszProfileName)
{
    CString strSection;
    strSection.Format("%s-Summary", lpszProfileName);
    return strSection;
}
} // namespace

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (int i = 0; i < (int)m_arrBarInfo.GetSize(); ++i)
        delete GetBarInfo(i);
    m_arrBarInfo.RemoveAll();
}

void CDockState::LoadState(LPCSTR lpszProfileName)
{
    Clear();
    const int nCount = (int)AfxGetApp()->GetProfileInt(SummarySection(lpszProfileName), "Bars", 0);
    if (nCount <= 0 || nCount > kMaxEntries)
        return;
    for (int i = 0; i < nCount; ++i)
    {
        auto* pInfo = new CControlBarInfo;
        if (pInfo->LoadState(lpszProfileName, i))
            m_arrBarInfo.Add(pInfo);
        else
            delete pInfo;
    }
}

void CDockState::SaveState(LPCSTR lpszProfileName) const
{
    CWinApp* pApp = AfxGetApp();
    const CString strSummary = SummarySection(lpszProfileName);
    const int nOldCount = (int)pApp->GetProfileInt(strSummary, "Bars", 0);
    const int nCount = (int)m_arrBarInfo.GetSize();
    for (int i = 0; i < nCount; ++i)
        GetBarInfo(i)->SaveState(lpszProfileName, i);
    pApp->WriteProfileInt(strSummary, "Bars", nCount);
    // Entries of an earlier, longer state would be read as bars of this one.
    HKEY hAppKey = pApp->GetAppRegistryKey();
    if (hAppKey == nullptr)
        return;
    for (int i = nCount; i < std::min(nOldCount, kMaxEntries); ++i)
        ::RegDeleteTreeA(hAppKey, CControlBarInfo::GetSection(lpszProfileName, i));
    ::RegCloseKey(hAppKey);
}
