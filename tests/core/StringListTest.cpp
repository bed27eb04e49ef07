// TStringList: look-up case rules, sorted lists, index errors, text, update
// brackets and owned objects.
#include <gtest/gtest.h>

#include "platform/core/Classes.h"

namespace {

TEST(StringList, IndexOfFollowsTheCaseRule) {
    struct Case {
        const char* stored;
        const char* sought;
        bool sameIgnoringCase;
    } cases[] = {
        {"Orders", "ORDERS", true},
        {"Äpfel", "äPFEL", true},
        {"Ĳssel", "ĳSSEL", true},
        {"ΣΟΦΊΑ", "σοφία", true},
        {"Москва", "МОСКВА", true},
        {"straße", "STRASSE", false},
        {"Orders", "Order", false},
    };
    for (const auto& c : cases) {
        for (bool sorted : {false, true}) {
            TStringList list;
            list.Add("zzz");
            list.Add(c.stored);
            list.Add("aaa");
            list.SetSorted(sorted);
            const int storedAt = list.IndexOf(c.stored);
            ASSERT_GE(storedAt, 0);
            EXPECT_EQ(list.IndexOf(c.sought), c.sameIgnoringCase ? storedAt : -1) << c.stored << " sorted " << sorted;
            list.SetCaseSensitive(true);
            EXPECT_EQ(list.IndexOf(c.sought), std::string(c.stored) == c.sought ? storedAt : -1) << c.stored;
        }
    }
}

TEST(StringList, SortedListIgnoresDuplicatesByDefault) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"count", "Avg", "MIN", "avg", "Count", "max"}) list.Add(s);
    EXPECT_EQ(list.Text(), "Avg\r\ncount\r\nmax\r\nMIN\r\n");
    EXPECT_EQ(list.Add("MAX"), 2);
    EXPECT_EQ(list.Count(), 4);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("avg"), EStringListError);
    list.SetDuplicates(dupAccept);
    list.Add("avg");
    EXPECT_EQ(list.Count(), 5);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
}

TEST(StringList, BadIndexRaisesListError) {
    TStringList list;
    list.Add("a");
    try {
        list.Strings(1);
        FAIL() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Delete(-1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    list.Insert(0, "first");
    EXPECT_EQ(list[0], "first");
}

TEST(StringList, TextEndsEveryLineWithCrLfAndSplitsAnyLineBreak) {
    struct Case {
        const char* text;
        int count;
        const char* joined;
    } cases[] = {
        {"", 0, ""},
        {"a", 1, "a\r\n"},
        {"a\r\nb\r\n", 2, "a\r\nb\r\n"},
        {"a\nb\rc", 3, "a\r\nb\r\nc\r\n"},
        {"a\n\nb", 3, "a\r\n\r\nb\r\n"},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(list.Count(), c.count) << c.text;
        EXPECT_EQ(list.Text(), c.joined) << c.text;
    }
}

TEST(StringList, UpdateBracketDeliversOneChange) {
    TStringList list;
    int changes = 0;
    int changing = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.OnChanging = [&](TObject*) { ++changing; };
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(changes, 2);

    changes = changing = 0;
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("c");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 0);
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changing, 1);

    changes = 0;
    TStringList source;
    source.SetText("x\ny\nz");
    list.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.Text(), source.Text());
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
    TObject* tag = TObject::Create();
    TStringList list;
    list.Add("b");
    list.AddObject("a", tag);
    list.SetSorted(true);
    EXPECT_EQ(list.Objects(0), tag);
    EXPECT_EQ(list.IndexOfObject(tag), 0);
    TStringList copy;
    copy.Assign(&list);
    EXPECT_EQ(copy.Objects(0), tag);
    tag->Free();
}

TEST(StringList, OwningListFreesObjectsOfDeletedStrings) {
    // Leak checking verifies the objects are freed on Delete and at the end.
    TStringList list;
    list.SetOwnsObjects(true);
    list.AddObject("a", TObject::Create());
    list.AddObject("b", TObject::Create());
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
}

TEST(StringList, CustomSortComparesByCurrentIndexes) {
    TStringList list;
    list.SetText("ccc\na\nbb\ndd");
    list.AddObject("e", nullptr);
    list.CustomSort([](TStringList* l, int i, int j) {
        return static_cast<int>(l->Strings(i).size()) - static_cast<int>(l->Strings(j).size());
    });
    EXPECT_EQ(list.Text(), "a\r\ne\r\nbb\r\ndd\r\nccc\r\n");
}

TEST(StringList, NameValuePairs) {
    TStringList list;
    list.SetValue("Width", "294");
    list.SetValue("height", "342");
    list.SetValue("WIDTH", "300");
    EXPECT_EQ(list.Text(), "WIDTH=300\r\nheight=342\r\n");
    EXPECT_EQ(list.Values("HEIGHT"), "342");
    list.SetValue("width", "");
    EXPECT_EQ(list.Count(), 1);
}

}  // namespace
