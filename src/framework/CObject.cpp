#include "framework/CObject.h"

#include <cstring>
#include <vector>

namespace
{
std::vector<const CRuntimeClass*>& Registry()
{
    static std::vector<const CRuntimeClass*> s_classes;
    return s_classes;
}
} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass)
    {
        if (p == pBaseClass)
            return true;
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName)
{
    for (const CRuntimeClass* p : Registry())
    {
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    }
    return nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pClass)
{
    Registry().push_back(pClass);
}
