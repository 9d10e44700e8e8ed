// Block storage of the records: blocks aligned to their own size, so a record finds its block
// from its address alone. A block goes back to the heap when its last record is deleted, so
// clearing the records of a load returns all of their memory.
#include "app/TempRecord.h"

#include <malloc.h>

#include <cstdint>
#include <new>

namespace {

constexpr size_t kBlockBytes = size_t{1} << 22;  // 4 MiB, some 27,000 records

struct Block
{
    size_t nUsed;  // slots handed out
    size_t nLive;  // slots handed out and not yet deleted
};

constexpr size_t kAlign = alignof(TempRecord);
constexpr size_t kSlotSize = (sizeof(TempRecord) + kAlign - 1) / kAlign * kAlign;
constexpr size_t kFirstSlot = (sizeof(Block) + kAlign - 1) / kAlign * kAlign;
constexpr size_t kSlotsPerBlock = (kBlockBytes - kFirstSlot) / kSlotSize;

Block* g_pFilling = nullptr;  // the block that new slots come from

Block* NewBlock()
{
    void* p = _aligned_malloc(kBlockBytes, kBlockBytes);
    if (p == nullptr)
        throw std::bad_alloc();
    return new (p) Block{0, 0};
}

Block* BlockOf(void* pRecord)
{
    return reinterpret_cast<Block*>(reinterpret_cast<uintptr_t>(pRecord) & ~uintptr_t{kBlockBytes - 1});
}

}  // namespace

void* TempRecord::operator new(size_t nSize)
{
    if (nSize != sizeof(TempRecord))
        return ::operator new(nSize);
    if (g_pFilling == nullptr || g_pFilling->nUsed == kSlotsPerBlock)
        g_pFilling = NewBlock();  // a full block is freed by its last delete
    ++g_pFilling->nLive;
    return reinterpret_cast<unsigned char*>(g_pFilling) + kFirstSlot + g_pFilling->nUsed++ * kSlotSize;
}

void TempRecord::operator delete(void* p, size_t nSize) noexcept
{
    if (p == nullptr)
        return;
    if (nSize != sizeof(TempRecord)) {
        ::operator delete(p);
        return;
    }
    Block* pBlock = BlockOf(p);
    if (--pBlock->nLive != 0)
        return;
    if (pBlock == g_pFilling)
        pBlock->nUsed = 0;  // empty again: refill it from the start
    else
        _aligned_free(pBlock);
}
