// Doubly linked list of CObject pointers; it never owns the objects it points to.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CObject.h"

class CObList : public CObject
{
public:
    // Nodes are allocated blockSize at a time and recycled through a free list.
    explicit CObList(int blockSize = 10);
    ~CObList() override;
    CObList(const CObList&) = delete;
    CObList& operator=(const CObList&) = delete;

    int GetCount() const { return m_count; }
    int GetSize() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    CObject*& GetHead();
    CObject* GetHead() const;
    CObject*& GetTail();
    CObject* GetTail() const;

    POSITION AddHead(CObject* element);
    POSITION AddTail(CObject* element);
    void AddTail(const CObList& other);
    POSITION InsertBefore(POSITION position, CObject* element);
    POSITION InsertAfter(POSITION position, CObject* element);

    CObject* RemoveHead();
    CObject* RemoveTail();
    void RemoveAt(POSITION position);
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // Returns the element at position and moves position on (null after the last one).
    CObject*& GetNext(POSITION& position);
    CObject* GetNext(POSITION& position) const;
    CObject*& GetPrev(POSITION& position);
    CObject* GetPrev(POSITION& position) const;
    CObject*& GetAt(POSITION position);
    CObject* GetAt(POSITION position) const;
    void SetAt(POSITION position, CObject* element);

    // Position of the first node after startAfter (or from the head) holding value; null if none.
    POSITION Find(const CObject* value, POSITION startAfter = nullptr) const;
    // Position of the zero-based index-th node; null when out of range.
    POSITION FindIndex(int index) const;

private:
    struct Node
    {
        Node* next;
        Node* prev;
        CObject* data;
    };
    struct Block
    {
        Block* next;
    };

    Node* NewNode(Node* prev, Node* next, CObject* element);
    void FreeNode(Node* node);
    static Node* NodeAt(POSITION position);

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    Node* m_free = nullptr;
    Block* m_blocks = nullptr;
    int m_count = 0;
    int m_blockSize;
};
