// TList and TObjectList: index errors, ownership on every removal path,
// Extract, and growth with nulls.
#include <gtest/gtest.h>

#include <functional>

#include "platform/core/Classes.h"

namespace {

int gLive = 0;

class TTracked : public TObject {
    VN_CLASS(TTracked, TObject)

public:
    TTracked() { ++gLive; }
    ~TTracked() override { --gLive; }
};

TEST(List, BadIndexesRaiseListErrorWithTheIndex) {
    TList list;
    int a = 1, b = 2;
    list.Add(&a);
    list.Add(&b);
    struct Case {
        const char* what;
        std::function<void()> op;
        const char* message;
    } cases[] = {
        {"Items", [&] { list.Items(2); }, "List index out of bounds (2)"},
        {"Items negative", [&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {"Delete", [&] { list.Delete(5); }, "List index out of bounds (5)"},
        {"Insert past end", [&] { list.Insert(3, &a); }, "List index out of bounds (3)"},
        {"SetItem", [&] { list.SetItem(2, &a); }, "List index out of bounds (2)"},
        {"Move", [&] { list.Move(0, 2); }, "List index out of bounds (2)"},
    };
    for (const auto& c : cases) {
        try {
            c.op();
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.what;
        }
    }
    EXPECT_EQ(list.Count(), 2);
}

TEST(List, EditingKeepsOrder) {
    int v[4] = {0, 1, 2, 3};
    TListOf<int> list;
    for (int& x : v) list.Add(&x);
    list.Move(0, 3);
    list.Exchange(0, 1);
    list.Insert(0, nullptr);
    EXPECT_EQ(list.Remove(&v[3]), 3);
    list.Pack();
    std::vector<int> seen;
    for (int* p : list) seen.push_back(*p);
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 0}));
    list.Sort([](int* a, int* b) { return *a - *b; });
    EXPECT_EQ(*list.First(), 0);
    EXPECT_EQ(*list.Last(), 2);
}

TEST(ObjectList, EveryRemovalPathFreesOwnedObjectsButExtract) {
    gLive = 0;
    struct Case {
        const char* what;
        std::function<void(TObjectListOf<TTracked>&)> op;
        int liveAfter;  // of three objects
    } cases[] = {
        {"Delete", [](auto& l) { l.Delete(0); }, 2},
        {"Remove", [](auto& l) { l.Remove(l.Items(1)); }, 2},
        {"SetItem", [](auto& l) { l.SetItem(2, TTracked::Create()); }, 3},
        {"SetCount shrink", [](auto& l) { l.SetCount(1); }, 1},
        {"Clear", [](auto& l) { l.Clear(); }, 0},
        {"Extract", [](auto& l) { l.Extract(l.Items(0))->Free(); }, 2},
    };
    for (const auto& c : cases) {
        {
            TObjectListOf<TTracked> list;
            for (int i = 0; i < 3; ++i) list.Add(TTracked::Create());
            c.op(list);
            EXPECT_EQ(gLive, c.liveAfter) << c.what;
        }
        EXPECT_EQ(gLive, 0) << c.what << ": the list's own end frees the rest";
    }
}

TEST(ObjectList, ExtractLeavesTheObjectAlive) {
    gLive = 0;
    auto* list = New<TObjectListOf<TTracked>>();
    TTracked* kept = TTracked::Create();
    list->Add(kept);
    list->Add(TTracked::Create());
    EXPECT_EQ(list->Extract(kept), kept);
    EXPECT_EQ(list->Extract(kept), nullptr);
    list->Free();
    EXPECT_EQ(gLive, 1);
    kept->Free();
    EXPECT_EQ(gLive, 0);
}

TEST(ObjectList, SetCountGrowsWithNullsAndNotOwningListFreesNothing) {
    gLive = 0;
    TObjectList list(false);
    TTracked* a = TTracked::Create();
    list.Add(a);
    list.SetCount(3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(2), nullptr);
    list.Clear();
    EXPECT_EQ(gLive, 1);
    a->Free();
}

}  // namespace
