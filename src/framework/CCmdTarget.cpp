#include "framework/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY s_entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP s_map = {nullptr, &s_entries[0]};
    return &s_map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace
{
bool EntryMatches(const AFX_MSGMAP_ENTRY& e, UINT nMessage, UINT nCode, UINT nID)
{
    const UINT nEntryMsg = e.pnRegMsg ? *e.pnRegMsg : e.nMessage;
    if (nEntryMsg != nMessage)
        return false;
    if (nMessage != WM_COMMAND && nMessage != WM_NOTIFY && nMessage != WM_REFLECT_BASE + WM_COMMAND &&
        nMessage != WM_REFLECT_BASE + WM_NOTIFY)
        return true;
    // Codes compare on their low 16 bits: notification codes are negative ints stored as WORD.
    const bool bCodeMatches = nCode == CN_UPDATE_COMMAND_UI
                                  ? e.nCode == CN_UPDATE_COMMAND_UI
                                  : e.nCode != CN_UPDATE_COMMAND_UI && (WORD)e.nCode == (WORD)nCode;
    if (!bCodeMatches)
        return false;
    if (nMessage >= WM_REFLECT_BASE)
        return true;
    return nID >= e.nID && nID <= e.nLastID;
}
} // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfnThunk != nullptr; ++e)
        {
            if (EntryMatches(*e, nMessage, nCode, nID))
                return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchEntry(const AFX_MSGMAP_ENTRY* pEntry, AFX_MSGCALL& call)
{
    return pEntry->pfnThunk(this, call);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMsg = WM_COMMAND;
    UINT nMatchCode = (UINT)nCode;
    if (nCode != (int)CN_UPDATE_COMMAND_UI && HIWORD(nCode) == WM_NOTIFY)
    {
        nMsg = WM_NOTIFY;
        nMatchCode = LOWORD(nCode);
    }
    // Search every level of the chain so a declining _EX handler passes to the base class's entry.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->pfnThunk != nullptr; ++e)
        {
            if (!EntryMatches(*e, nMsg, nMatchCode, nID))
                continue;
            if (pHandlerInfo != nullptr)
            {
                pHandlerInfo->pTarget = this;
                return TRUE;
            }
            AFX_MSGCALL call = {nMsg, 0, 0, 0, nID, pExtra};
            if (DispatchEntry(e, call))
                return TRUE;
        }
    }
    return FALSE;
}
