#include "framework/CObList.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Item : CObject
{
    explicit Item(int v) : value(v) {}
    int value;
};

std::vector<int> Forward(const CObList& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        values.push_back(static_cast<Item*>(list.GetNext(pos))->value);
    return values;
}

std::vector<int> Backward(const CObList& list)
{
    std::vector<int> values;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        values.push_back(static_cast<Item*>(list.GetPrev(pos))->value);
    return values;
}

}  // namespace

TEST(CObList, KeepsInsertionOrderAcrossManyBlocks)
{
    std::vector<Item> items;
    for (int i = 0; i < 35; ++i)
        items.emplace_back(i);
    CObList list(10);
    std::vector<int> expected;
    for (auto& item : items) {
        list.AddTail(&item);
        expected.push_back(item.value);
    }
    EXPECT_EQ(35, list.GetCount());
    EXPECT_EQ(expected, Forward(list));
    EXPECT_EQ(std::vector<int>(expected.rbegin(), expected.rend()), Backward(list));
    EXPECT_EQ(0, static_cast<Item*>(list.GetHead())->value);
    EXPECT_EQ(34, static_cast<Item*>(list.GetTail())->value);
}

TEST(CObList, RemovalFromHeadTailAndMiddle)
{
    Item a(1), b(2), c(3), d(4), e(5);
    CObList list(2);
    list.AddTail(&b);
    list.AddTail(&c);
    list.AddHead(&a);
    const POSITION posD = list.AddTail(&d);
    list.InsertAfter(posD, &e);

    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), Forward(list));
    EXPECT_EQ(&a, list.RemoveHead());
    EXPECT_EQ(&e, list.RemoveTail());
    list.RemoveAt(list.Find(&c));
    EXPECT_EQ((std::vector<int>{2, 4}), Forward(list));
    EXPECT_EQ((std::vector<int>{4, 2}), Backward(list));
    EXPECT_EQ(nullptr, list.Find(&c));
    EXPECT_EQ(&d, list.GetAt(list.FindIndex(1)));
    EXPECT_EQ(nullptr, list.FindIndex(2));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    // Freed nodes are reused by later insertions.
    list.AddTail(&a);
    list.AddHead(&e);
    EXPECT_EQ((std::vector<int>{5, 2, 4, 1}), Forward(list));

    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
    list.AddTail(&b);
    EXPECT_EQ((std::vector<int>{2}), Forward(list));
}

TEST(CObList, FindStartsAfterTheGivenPosition)
{
    Item a(1), b(2);
    CObList list;
    const POSITION first = list.AddTail(&a);
    list.AddTail(&b);
    const POSITION second = list.AddTail(&a);
    EXPECT_EQ(first, list.Find(&a));
    EXPECT_EQ(second, list.Find(&a, first));
    EXPECT_EQ(nullptr, list.Find(&a, second));
}

TEST(CObList, HeadOfAnEmptyListThrowsInvalidArgument)
{
    CObList list;
    try {
        list.RemoveHead();
        FAIL() << "no exception";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
        e->Delete();
    }
}
