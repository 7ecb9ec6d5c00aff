// Hash map from KEY to VALUE with chained buckets (17 by default, see InitHashTable). Walk it with
//     for (POSITION pos = map.GetStartPosition(); pos != nullptr;) { map.GetNextAssoc(pos, key, value); }
// in bucket order; the entry just returned by GetNextAssoc may be removed during a walk.
// Keys are hashed by HashKey<ARG_KEY> (specialise it for key types of your own) and compared with ==.
#pragma once

#include "framework/AfxAllocator.h"
#include "framework/AfxTypes.h"
#include "framework/CInvalidArgException.h"
#include "framework/CObject.h"
#include "framework/CString.h"

#include <cstring>
#include <new>
#include <type_traits>
#include <vector>

// Integral, enumeration and pointer keys.
template <class ARG_KEY> inline UINT HashKey(ARG_KEY key)
{
    if constexpr (std::is_pointer_v<ARG_KEY>)
    {
        UINT_PTR n = reinterpret_cast<UINT_PTR>(key);
        return static_cast<UINT>((n >> 4) ^ (n >> 32));
    }
    else
    {
        static_assert(std::is_integral_v<ARG_KEY> || std::is_enum_v<ARG_KEY>,
                      "specialise HashKey for this key");
        return static_cast<UINT>(static_cast<UINT_PTR>(key));
    }
}

inline UINT AfxHashBytes(const char* p, std::size_t n)
{
    UINT nHash = 5381;
    for (std::size_t i = 0; i < n; ++i)
        nHash = nHash * 33 + static_cast<unsigned char>(p[i]);
    return nHash;
}

template <> inline UINT HashKey<LPCSTR>(LPCSTR key)
{
    return key != nullptr ? AfxHashBytes(key, std::strlen(key)) : AfxHashBytes(nullptr, 0);
}

template <> inline UINT HashKey<const CString&>(const CString& key)
{
    return AfxHashBytes(key.GetString(), static_cast<std::size_t>(key.GetLength()));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
public:
    // nBlockSize is accepted for compatibility: every entry is allocated by itself.
    explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    // Sets the number of buckets (best a prime a little above the expected count); entries are kept.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (nHashSize == 0)
            AfxThrowInvalidArgException();
        Buckets old;
        old.swap(m_buckets);
        m_nHashTableSize = nHashSize;
        if (bAllocNow || !old.empty())
            m_buckets.assign(nHashSize, nullptr);
        for (Node* pChain : old)
        {
            while (pChain != nullptr)
            {
                Node* pNode = pChain;
                pChain = pChain->pNext;
                Link(pNode);
            }
        }
    }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const Node* pNode = Find(key);
        if (pNode == nullptr)
            return FALSE;
        rValue = pNode->value;
        return TRUE;
    }

    // The value of key; a missing key is added with a value-initialised VALUE.
    VALUE& operator[](ARG_KEY key)
    {
        if (Node* pNode = Find(key))
            return pNode->value;
        if (m_buckets.empty())
            m_buckets.assign(m_nHashTableSize, nullptr);
        CAfxAllocator<Node> allocator;
        Node* pNode = allocator.allocate(1);
        try
        {
            ::new (static_cast<void*>(pNode)) Node{nullptr, HashKey<ARG_KEY>(key), KEY(key), VALUE()};
        }
        catch (...)
        {
            allocator.deallocate(pNode, 1);
            throw;
        }
        Link(pNode);
        ++m_nCount;
        return pNode->value;
    }

    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        UINT nHash = HashKey<ARG_KEY>(key);
        for (Node** ppNode = &m_buckets[nHash % m_nHashTableSize]; *ppNode != nullptr;
             ppNode = &(*ppNode)->pNext)
        {
            Node* pNode = *ppNode;
            if (pNode->nHash == nHash && pNode->key == key)
            {
                *ppNode = pNode->pNext;
                FreeNode(pNode);
                return TRUE;
            }
        }
        return FALSE;
    }

    void RemoveAll()
    {
        for (Node*& pChain : m_buckets)
        {
            while (pChain != nullptr)
            {
                Node* pNode = pChain;
                pChain = pChain->pNext;
                FreeNode(pNode);
            }
        }
        m_buckets.clear();
    }

    // Null when the map is empty.
    POSITION GetStartPosition() const { return AsPosition(FirstFrom(0)); }

    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (rNextPosition == nullptr)
            AfxThrowInvalidArgException();
        const Node* pNode = reinterpret_cast<const Node*>(rNextPosition);
        rKey = pNode->key;
        rValue = pNode->value;
        const Node* pNext = pNode->pNext;
        if (pNext == nullptr)
            pNext = FirstFrom(pNode->nHash % m_nHashTableSize + 1);
        rNextPosition = AsPosition(pNext);
    }

private:
    struct Node
    {
        Node* pNext;
        UINT nHash;
        KEY key;
        VALUE value;
    };
    using Buckets = std::vector<Node*, CAfxAllocator<Node*>>;

    static POSITION AsPosition(const Node* pNode)
    {
        return reinterpret_cast<POSITION>(const_cast<Node*>(pNode));
    }

    Node* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        UINT nHash = HashKey<ARG_KEY>(key);
        for (Node* pNode = m_buckets[nHash % m_nHashTableSize]; pNode != nullptr; pNode = pNode->pNext)
        {
            if (pNode->nHash == nHash && pNode->key == key)
                return pNode;
        }
        return nullptr;
    }

    const Node* FirstFrom(std::size_t nBucket) const
    {
        for (; nBucket < m_buckets.size(); ++nBucket)
        {
            if (m_buckets[nBucket] != nullptr)
                return m_buckets[nBucket];
        }
        return nullptr;
    }

    void Link(Node* pNode)
    {
        Node*& pChain = m_buckets[pNode->nHash % m_nHashTableSize];
        pNode->pNext = pChain;
        pChain = pNode;
    }

    void FreeNode(Node* pNode)
    {
        pNode->~Node();
        CAfxAllocator<Node>().deallocate(pNode, 1);
        --m_nCount;
    }

    Buckets m_buckets;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};
