// Growable array of TYPE (elements are constructed, copied and destroyed as C++ objects).
// An index outside the array raises CInvalidArgException, exhausted memory CMemoryException.
// Arrays are not copyable; use Copy or Append.
#pragma once

#include "framework/AfxAllocator.h"
#include "framework/AfxTypes.h"
#include "framework/CInvalidArgException.h"
#include "framework/CObject.h"

#include <utility>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // New elements are value-initialised. nGrowBy is accepted for compatibility: the storage
    // grows geometrically by itself.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        (void)nGrowBy;
        Resize(nNewSize);
    }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    // Sets element nIndex, growing the array to hold it.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        TYPE element(newElement); // may refer into this array, which can move when it grows
        if (nIndex >= GetSize())
            Resize(nIndex + 1);
        m_data[Checked(nIndex)] = std::move(element);
    }

    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(newElement);
        return GetUpperBound();
    }

    // Appends the elements of src; returns the index of the first appended one.
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = GetSize();
        if (&src == this)
        {
            std::vector<TYPE, CAfxAllocator<TYPE>> items(m_data);
            m_data.insert(m_data.end(), items.begin(), items.end());
        }
        else
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return nOldSize;
    }

    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }

    // Inserts nCount copies at nIndex; an index past the end first grows the array up to it.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        if (static_cast<std::size_t>(nCount) > m_data.max_size() - m_data.size())
            AfxThrowMemoryException();
        TYPE element(newElement);
        if (nIndex > GetSize())
            Resize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<std::size_t>(nCount), element);
    }

    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr || nStartIndex < 0)
            AfxThrowInvalidArgException();
        std::vector<TYPE, CAfxAllocator<TYPE>> items(pNewArray->m_data);
        if (nStartIndex > GetSize())
            Resize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, items.begin(), items.end());
    }

    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    std::size_t Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<std::size_t>(nIndex);
    }

    void Resize(INT_PTR nNewSize)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (static_cast<std::size_t>(nNewSize) > m_data.max_size())
            AfxThrowMemoryException();
        m_data.resize(static_cast<std::size_t>(nNewSize));
    }

    std::vector<TYPE, CAfxAllocator<TYPE>> m_data;
};
