// The docking layout of a frame's control bars (GetDockState / SetDockState of the frame) and its
// storage in the application's profile: a summary section "<profile>-Summary" with the number of
// entries and one section "<profile>-Bar<n>" per entry (CControlBarInfo).
#pragma once

#include "framework/CControlBarInfo.h"
#include "framework/CPtrArray.h"

class CDockState : public CObject
{
public:
    CDockState() = default;
    ~CDockState() override;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    // Replaces the entries by those stored under lpszProfileName (none when nothing is stored).
    void LoadState(LPCSTR lpszProfileName);
    // Stores the entries and removes entries an earlier, longer state left behind.
    void SaveState(LPCSTR lpszProfileName) const;
    void Clear();
    CControlBarInfo* GetBarInfo(int nIndex) const
    {
        return static_cast<CControlBarInfo*>(m_arrBarInfo[nIndex]);
    }

    CPtrArray m_arrBarInfo; // CControlBarInfo*, owned
};
