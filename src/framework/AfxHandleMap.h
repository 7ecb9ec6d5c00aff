// Per-thread maps from Win32 handles to framework objects: permanent objects (attached by their owner)
// and temporary wrappers made on demand by FromHandle and deleted at idle time (DeleteTempMap).
//
// The map of a thread is created on first use and deliberately never destroyed, so objects with static
// storage duration may still detach themselves during process exit.
#pragma once

#include <memory>
#include <unordered_map>

template <class THandle, class TObject> class CHandleMap
{
public:
    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : nullptr;
    }

    // The permanent object of h, else a temporary wrapper made by pfnNew (and kept until DeleteTemp).
    TObject* FromHandle(THandle h, TObject* (*pfnNew)(THandle))
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* p = LookupPermanent(h))
            return p;
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            return it->second;
        TObject* p = pfnNew(h);
        m_temporary.emplace(h, p);
        return p;
    }

    void SetPermanent(THandle h, TObject* p) { m_permanent[h] = p; }

    void RemovePermanent(THandle h, const TObject* p)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p)
            m_permanent.erase(it);
    }

    // Deletes the temporary wrappers; pfnRelease lets go of the handle first so nothing is destroyed.
    void DeleteTemp(void (*pfnRelease)(TObject*))
    {
        auto temp = std::move(m_temporary);
        m_temporary.clear();
        for (auto& entry : temp)
        {
            pfnRelease(entry.second);
            delete entry.second;
        }
    }

    static CHandleMap& ForThisThread()
    {
        // A plain pointer: thread_local objects with destructors crash mingw-w64 programs at thread exit.
        thread_local CHandleMap* t_pMap = nullptr;
        if (t_pMap == nullptr)
            t_pMap = new CHandleMap;
        return *t_pMap;
    }

private:
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, TObject*> m_temporary;
};
