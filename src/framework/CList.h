// Doubly linked list of TYPE, walked with POSITION values:
//     for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) { TYPE& x = list.GetNext(pos); ... }
// A POSITION stays valid until its own element is removed, so the element just passed by GetNext may be
// removed during a walk. Reading from an empty list or a null POSITION raises CInvalidArgException.
#pragma once

#include "framework/AfxAllocator.h"
#include "framework/AfxTypes.h"
#include "framework/CInvalidArgException.h"
#include "framework/CObject.h"

#include <new>

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject
{
public:
    CList() = default;
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NodeOf(AsPosition(m_pHead))->data; }
    const TYPE& GetHead() const { return NodeOf(AsPosition(m_pHead))->data; }
    TYPE& GetTail() { return NodeOf(AsPosition(m_pTail))->data; }
    const TYPE& GetTail() const { return NodeOf(AsPosition(m_pTail))->data; }

    TYPE RemoveHead()
    {
        Node* pNode = NodeOf(AsPosition(m_pHead));
        TYPE value(pNode->data);
        FreeNode(pNode);
        return value;
    }
    TYPE RemoveTail()
    {
        Node* pNode = NodeOf(AsPosition(m_pTail));
        TYPE value(pNode->data);
        FreeNode(pNode);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return AsPosition(NewNode(newElement, nullptr, m_pHead)); }
    POSITION AddTail(ARG_TYPE newElement) { return AsPosition(NewNode(newElement, m_pTail, nullptr)); }
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        Node* pNext = NodeOf(position);
        return AsPosition(NewNode(newElement, pNext->pPrev, pNext));
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        Node* pPrev = NodeOf(position);
        return AsPosition(NewNode(newElement, pPrev, pPrev->pNext));
    }

    void RemoveAll()
    {
        while (m_pHead != nullptr)
            FreeNode(m_pHead);
    }
    void RemoveAt(POSITION position) { FreeNode(NodeOf(position)); }

    POSITION GetHeadPosition() const { return AsPosition(m_pHead); }
    POSITION GetTailPosition() const { return AsPosition(m_pTail); }

    // Return the element at rPosition and move rPosition to the next (previous) one, null at the end.
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false)->data; }

    TYPE& GetAt(POSITION position) { return NodeOf(position)->data; }
    const TYPE& GetAt(POSITION position) const { return NodeOf(position)->data; }
    void SetAt(POSITION position, ARG_TYPE newElement) { NodeOf(position)->data = newElement; }

    // First element equal to searchValue after startAfter (from the head when null); null when none.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        Node* pNode = startAfter == nullptr ? m_pHead : NodeOf(startAfter)->pNext;
        for (; pNode != nullptr; pNode = pNode->pNext)
        {
            if (pNode->data == searchValue)
                return AsPosition(pNode);
        }
        return nullptr;
    }

    // Position of the element with the zero-based index nIndex; null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        Node* pNode = m_pHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return AsPosition(pNode);
    }

private:
    struct Node
    {
        TYPE data;
        Node* pPrev;
        Node* pNext;
    };

    static POSITION AsPosition(Node* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static Node* NodeOf(POSITION position)
    {
        if (position == nullptr)
            AfxThrowInvalidArgException();
        return reinterpret_cast<Node*>(position);
    }

    Node* Step(POSITION& rPosition, bool bForward) const
    {
        Node* pNode = NodeOf(rPosition);
        rPosition = AsPosition(bForward ? pNode->pNext : pNode->pPrev);
        return pNode;
    }

    Node* NewNode(ARG_TYPE newElement, Node* pPrev, Node* pNext)
    {
        CAfxAllocator<Node> allocator;
        Node* pNode = allocator.allocate(1);
        try
        {
            ::new (static_cast<void*>(pNode)) Node{TYPE(newElement), pPrev, pNext};
        }
        catch (...)
        {
            allocator.deallocate(pNode, 1);
            throw;
        }
        (pPrev != nullptr ? pPrev->pNext : m_pHead) = pNode;
        (pNext != nullptr ? pNext->pPrev : m_pTail) = pNode;
        ++m_nCount;
        return pNode;
    }

    void FreeNode(Node* pNode)
    {
        (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pHead) = pNode->pNext;
        (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pTail) = pNode->pPrev;
        --m_nCount;
        pNode->~Node();
        CAfxAllocator<Node>().deallocate(pNode, 1);
    }

    Node* m_pHead = nullptr;
    Node* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};
