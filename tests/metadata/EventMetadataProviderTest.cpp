#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "metadata/EventMetadataProvider.h"

namespace {

struct ProviderDeleter {
    void operator()(TObject* object) const { object->Free(); }
};
template <class T>
using Owned = std::unique_ptr<T, ProviderDeleter>;

// The three list-filling operations, each with a way to install a handler that appends
// Added to the list it is given (and records what it was called with), and a way to ask.
struct ListOperation {
    const char* Name;
    std::function<void(TvnEventMetadataProvider&, std::function<void(TStrings*)>)> Install;
    std::function<void(TvnEventMetadataProvider&, TStrings*)> Ask;
};

const std::vector<ListOperation>& ListOperations() {
    static const std::vector<ListOperation> operations = {
        {"GetTableNames",
         [](TvnEventMetadataProvider& p, std::function<void(TStrings*)> fill) {
             p.OnGetTableNames = [fill](TvnBaseMetadataProvider*, TStrings* names, bool) { fill(names); };
         },
         [](TvnEventMetadataProvider& p, TStrings* list) { p.GetTableNames(list, false); }},
        {"GetViewNames",
         [](TvnEventMetadataProvider& p, std::function<void(TStrings*)> fill) {
             p.OnGetViewNames = [fill](TvnBaseMetadataProvider*, TStrings* names, bool) { fill(names); };
         },
         [](TvnEventMetadataProvider& p, TStrings* list) { p.GetViewNames(list, false); }},
        {"GetFields",
         [](TvnEventMetadataProvider& p, std::function<void(TStrings*)> fill) {
             p.OnGetSQLFieldNames = [fill](TvnBaseMetadataProvider*, const std::string&, TStrings* names) {
                 fill(names);
             };
         },
         [](TvnEventMetadataProvider& p, TStrings* list) { p.GetFields("select * from t", list); }},
    };
    return operations;
}

class EventMetadataProviderTest : public ::testing::Test {
protected:
    Owned<TvnEventMetadataProvider> Provider{TvnEventMetadataProvider::Create(nullptr)};
    Owned<TStringList> List{TStringList::Create()};
};

TEST_F(EventMetadataProviderTest, ListsHoldOnlyWhatTheHandlerAdded) {
    for (const ListOperation& op : ListOperations()) {
        SCOPED_TRACE(op.Name);
        List->SetText("stale\nentries");
        op.Ask(*Provider, List.get());
        EXPECT_EQ(List->Count(), 0) << "no handler: the list is emptied";

        List->SetText("stale");
        op.Install(*Provider, [](TStrings* names) {
            names->Add("first");
            names->Add("zweite Größe");
        });
        int changes = 0;
        List->OnChange = [&](TObject*) { ++changes; };
        op.Ask(*Provider, List.get());
        List->OnChange = nullptr;
        EXPECT_EQ(List->Text(), "first\r\nzweite Größe\r\n");
        EXPECT_EQ(changes, 1) << "clearing and filling happen inside one update bracket";
    }
}

TEST_F(EventMetadataProviderTest, UpdateBracketIsClosedWhenTheHandlerRaises) {
    for (const ListOperation& op : ListOperations()) {
        SCOPED_TRACE(op.Name);
        op.Install(*Provider, [](TStrings* names) {
            names->Add("partial");
            throw Exception("lookup failed");
        });
        EXPECT_THROW(op.Ask(*Provider, List.get()), Exception);
        EXPECT_EQ(List->UpdateCount(), 0);
        EXPECT_EQ(List->Text(), "partial\r\n");
    }
}

TEST_F(EventMetadataProviderTest, HandlersReceiveTheProviderAndTheArguments) {
    std::vector<std::string> calls;
    Provider->OnGetTableNames = [&](TvnBaseMetadataProvider* sender, TStrings* names, bool system) {
        EXPECT_EQ(sender, Provider.get());
        EXPECT_EQ(names, List.get());
        calls.push_back(std::string("tables ") + (system ? "system" : "user"));
    };
    Provider->OnGetViewNames = [&](TvnBaseMetadataProvider* sender, TStrings*, bool system) {
        EXPECT_EQ(sender, Provider.get());
        calls.push_back(std::string("views ") + (system ? "system" : "user"));
    };
    Provider->OnGetSQLFieldNames = [&](TvnBaseMetadataProvider* sender, const std::string& sql, TStrings*) {
        EXPECT_EQ(sender, Provider.get());
        calls.push_back("fields " + sql);
    };
    Provider->GetTableNames(List.get(), true);
    Provider->GetTableNames(List.get(), false);
    Provider->GetViewNames(List.get(), true);
    Provider->GetFields("select * from ((select a from t)) q", List.get());
    EXPECT_EQ(calls, (std::vector<std::string>{"tables system", "tables user", "views system",
                                               "fields select * from ((select a from t)) q"}));
}

TEST_F(EventMetadataProviderTest, RelationsAreFreedBeforeTheHandlerAdds) {
    TObjectList relations;
    relations.Add(TObject::Create());
    relations.Add(TObject::Create());
    Provider->GetTableRelations(nullptr, &relations);
    EXPECT_EQ(relations.Count(), 0) << "no handler: the owned entries are freed";

    relations.Add(TObject::Create());
    TObject* added = nullptr;
    Provider->OnGetTableRelations = [&](TvnBaseMetadataProvider* sender, TSQLDatabaseObject*, TObjectList* list) {
        EXPECT_EQ(sender, Provider.get());
        EXPECT_EQ(list->Count(), 0);
        added = TObject::Create();
        list->Add(added);
    };
    Provider->GetTableRelations(nullptr, &relations);
    ASSERT_EQ(relations.Count(), 1);
    EXPECT_EQ(relations[0], added);
}

}  // namespace
