#include "shell/CStoredRecord.h"

#include "framework/CWinApp.h"
#include "shell/CPageHost.h"

#include <cstring>
#include <memory>

bool CStoredRecord::Load(CPageHost* pHost, LPCSTR lpszValue, void* pRecord, UINT nSize)
{
    CWinApp* pApp = AfxGetApp();
    if (pHost == nullptr || pApp == nullptr || !pHost->IsSameApplicationVersion())
        return false;
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    const bool bRead = pApp->GetProfileBinary("DespiteReset", lpszValue, &pData, &nBytes) != FALSE;
    std::unique_ptr<BYTE[]> data(pData);
    return bRead && Take(pRecord, nSize, data.get(), nBytes);
}

bool CStoredRecord::Take(void* pRecord, UINT nSize, const BYTE* pBytes, UINT nBytes)
{
    if (!pBytes || nBytes != nSize)
        return false;
    std::memcpy(pRecord, pBytes, nSize);
    return true;
}
