#include "framework/CObList.h"

#include "framework/Exceptions.h"

#include <new>

CObList::CObList(int blockSize) : m_blockSize(blockSize > 0 ? blockSize : 10) {}

CObList::~CObList()
{
    RemoveAll();
}

CObList::Node* CObList::NodeAt(POSITION position)
{
    if (position == nullptr)
        AfxThrowInvalidArgException();
    return reinterpret_cast<Node*>(position);
}

CObList::Node* CObList::NewNode(Node* prev, Node* next, CObject* element)
{
    if (m_free == nullptr) {
        // One allocation holds the block header followed by blockSize nodes.
        void* memory = ::operator new(sizeof(Block) + sizeof(Node) * static_cast<size_t>(m_blockSize));
        Block* block = static_cast<Block*>(memory);
        block->next = m_blocks;
        m_blocks = block;
        Node* nodes = reinterpret_cast<Node*>(block + 1);
        for (int i = m_blockSize - 1; i >= 0; --i) {
            nodes[i].next = m_free;
            m_free = &nodes[i];
        }
    }
    Node* node = m_free;
    m_free = m_free->next;
    node->prev = prev;
    node->next = next;
    node->data = element;
    ++m_count;
    return node;
}

void CObList::FreeNode(Node* node)
{
    node->next = m_free;
    m_free = node;
    --m_count;
    if (m_count == 0)
        RemoveAll();
}

CObject*& CObList::GetHead()
{
    if (m_head == nullptr)
        AfxThrowInvalidArgException();
    return m_head->data;
}

CObject* CObList::GetHead() const
{
    if (m_head == nullptr)
        AfxThrowInvalidArgException();
    return m_head->data;
}

CObject*& CObList::GetTail()
{
    if (m_tail == nullptr)
        AfxThrowInvalidArgException();
    return m_tail->data;
}

CObject* CObList::GetTail() const
{
    if (m_tail == nullptr)
        AfxThrowInvalidArgException();
    return m_tail->data;
}

POSITION CObList::AddHead(CObject* element)
{
    Node* node = NewNode(nullptr, m_head, element);
    if (m_head != nullptr)
        m_head->prev = node;
    else
        m_tail = node;
    m_head = node;
    return reinterpret_cast<POSITION>(node);
}

POSITION CObList::AddTail(CObject* element)
{
    Node* node = NewNode(m_tail, nullptr, element);
    if (m_tail != nullptr)
        m_tail->next = node;
    else
        m_head = node;
    m_tail = node;
    return reinterpret_cast<POSITION>(node);
}

void CObList::AddTail(const CObList& other)
{
    for (POSITION pos = other.GetHeadPosition(); pos != nullptr;)
        AddTail(other.GetNext(pos));
}

POSITION CObList::InsertBefore(POSITION position, CObject* element)
{
    if (position == nullptr)
        return AddHead(element);
    Node* old = NodeAt(position);
    Node* node = NewNode(old->prev, old, element);
    if (old->prev != nullptr)
        old->prev->next = node;
    else
        m_head = node;
    old->prev = node;
    return reinterpret_cast<POSITION>(node);
}

POSITION CObList::InsertAfter(POSITION position, CObject* element)
{
    if (position == nullptr)
        return AddTail(element);
    Node* old = NodeAt(position);
    Node* node = NewNode(old, old->next, element);
    if (old->next != nullptr)
        old->next->prev = node;
    else
        m_tail = node;
    old->next = node;
    return reinterpret_cast<POSITION>(node);
}

CObject* CObList::RemoveHead()
{
    CObject* element = GetHead();
    RemoveAt(reinterpret_cast<POSITION>(m_head));
    return element;
}

CObject* CObList::RemoveTail()
{
    CObject* element = GetTail();
    RemoveAt(reinterpret_cast<POSITION>(m_tail));
    return element;
}

void CObList::RemoveAt(POSITION position)
{
    Node* node = NodeAt(position);
    if (node->prev != nullptr)
        node->prev->next = node->next;
    else
        m_head = node->next;
    if (node->next != nullptr)
        node->next->prev = node->prev;
    else
        m_tail = node->prev;
    FreeNode(node);
}

// Gives every block back; the objects pointed to are the caller's.
void CObList::RemoveAll()
{
    while (m_blocks != nullptr) {
        Block* next = m_blocks->next;
        ::operator delete(m_blocks);
        m_blocks = next;
    }
    m_head = m_tail = m_free = nullptr;
    m_count = 0;
}

POSITION CObList::GetHeadPosition() const
{
    return reinterpret_cast<POSITION>(m_head);
}

POSITION CObList::GetTailPosition() const
{
    return reinterpret_cast<POSITION>(m_tail);
}

CObject*& CObList::GetNext(POSITION& position)
{
    Node* node = NodeAt(position);
    position = reinterpret_cast<POSITION>(node->next);
    return node->data;
}

CObject* CObList::GetNext(POSITION& position) const
{
    Node* node = NodeAt(position);
    position = reinterpret_cast<POSITION>(node->next);
    return node->data;
}

CObject*& CObList::GetPrev(POSITION& position)
{
    Node* node = NodeAt(position);
    position = reinterpret_cast<POSITION>(node->prev);
    return node->data;
}

CObject* CObList::GetPrev(POSITION& position) const
{
    Node* node = NodeAt(position);
    position = reinterpret_cast<POSITION>(node->prev);
    return node->data;
}

CObject*& CObList::GetAt(POSITION position)
{
    return NodeAt(position)->data;
}

CObject* CObList::GetAt(POSITION position) const
{
    return NodeAt(position)->data;
}

void CObList::SetAt(POSITION position, CObject* element)
{
    NodeAt(position)->data = element;
}

POSITION CObList::Find(const CObject* value, POSITION startAfter) const
{
    Node* node = startAfter != nullptr ? NodeAt(startAfter)->next : m_head;
    for (; node != nullptr; node = node->next) {
        if (node->data == value)
            return reinterpret_cast<POSITION>(node);
    }
    return nullptr;
}

POSITION CObList::FindIndex(int index) const
{
    if (index < 0 || index >= m_count)
        return nullptr;
    Node* node = m_head;
    while (index-- > 0)
        node = node->next;
    return reinterpret_cast<POSITION>(node);
}
