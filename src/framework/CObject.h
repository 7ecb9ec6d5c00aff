// Root of the framework's class tree with run-time class information and dynamic creation.
#pragma once

class CObject;
class CArchive;

struct CRuntimeClass
{
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    static const CRuntimeClass* FromName(const char* lpszClassName);
};

// Registers a class so FromName finds it; one static instance per dynamically creatable class.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(const CRuntimeClass* pClass);
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    const CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class_name), nullptr,           \
                                                         RUNTIME_CLASS(base_class_name)};                    \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                                 \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* class_name::CreateObject()                                                                      \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    const CRuntimeClass class_name::class##class_name = {                                                    \
        #class_name, sizeof(class_name), class_name::CreateObject, RUNTIME_CLASS(base_class_name)};          \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                \
    const CRuntimeClass* class_name::GetRuntimeClass() const                                                 \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

class CObject
{
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    // Stores or loads the object's data (CArchive::WriteObject / ReadObject); the base has none.
    virtual void Serialize(CArchive& ar);
    bool IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Casts to class_name* when the object is of that class (or derived), else null; evaluates object once.
template <class T> T* AfxDynamicDownCast(const CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != nullptr && pObject->IsKindOf(pClass) ? static_cast<T*>(pObject) : nullptr;
}
#define DYNAMIC_DOWNCAST(class_name, object) AfxDynamicDownCast<class_name>(RUNTIME_CLASS(class_name), object)
