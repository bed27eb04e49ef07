// The two-phase life of components: virtual dispatch at construction and
// destruction, the destroying mark, ownership order and destruction notices.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Classes.h"

namespace {

std::vector<std::string> gLog;

class TProbe : public TComponent {
    VN_CLASS(TProbe, TComponent)

public:
    explicit TProbe(TComponent* AOwner) : TComponent(AOwner) {}
    TComponent* Watched = nullptr;

    virtual std::string Kind() const { return "probe"; }
    void AfterConstruction() override {
        inherited::AfterConstruction();
        gLog.push_back("created " + Kind());
    }
    void Destroy() override {
        std::string entry = "destroy " + Name() + " as " + Kind();
        if (IsDestroying()) entry += " destroying";
        if (!Owner()) entry += " unowned";
        gLog.push_back(entry);
        inherited::Destroy();
    }
    void Watch(TComponent* other) {
        Watched = other;
        other->FreeNotification(this);
    }
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (AComponent != this && Operation == opInsert)
            gLog.push_back(Name() + " insert " + AComponent->Name() + ":" + AComponent->ClassName());
        if (AComponent != this && Operation == opRemove) gLog.push_back(Name() + " remove " + AComponent->Name());
        if (Operation == opRemove && AComponent == Watched) Watched = nullptr;
        inherited::Notification(AComponent, Operation);
    }
};

class TDerivedProbe : public TProbe {
    VN_CLASS(TDerivedProbe, TProbe)

public:
    using TProbe::TProbe;
    std::string Kind() const override { return "derived"; }
};

class TFailingProbe : public TProbe {
    VN_CLASS(TFailingProbe, TProbe)

public:
    using TProbe::TProbe;
    void AfterConstruction() override {
        inherited::AfterConstruction();
        throw Exception("construction failed");
    }
};

bool gSiblingWasDestroying = false;

class TSiblingProbe : public TProbe {
    VN_CLASS(TSiblingProbe, TProbe)

public:
    using TProbe::TProbe;
    TComponent* Sibling = nullptr;
    void Destroy() override {
        gSiblingWasDestroying = Sibling && Sibling->IsDestroying();
        inherited::Destroy();
    }
};

template <class T = TProbe>
T* Make(TComponent* owner, const std::string& name) {
    T* c = T::Create(owner);
    c->SetName(name);
    return c;
}

class ComponentLifecycle : public ::testing::Test {
protected:
    void SetUp() override { gLog.clear(); }
};

TEST_F(ComponentLifecycle, ConstructionAndDestructionDispatchToTheMostDerivedClass) {
    const TComponentClass* ref = TDerivedProbe::StaticClass();
    TComponent* c = ref->Create(nullptr);
    c->SetName("D");
    EXPECT_EQ(c->ClassName(), "TDerivedProbe");
    c->Free();
    EXPECT_EQ(gLog, (std::vector<std::string>{"created derived", "destroy D as derived destroying unowned"}));
}

TEST_F(ComponentLifecycle, OwnedSubtreeIsMarkedDestroyingBeforeAnyBodyAndFreedLastToFirst) {
    auto* root = Make(nullptr, "Root");
    auto* a = Make(root, "A");
    Make(root, "B");
    Make(a, "A1");
    Make(a, "A2");
    gLog.clear();
    root->Free();
    // Owned components are unlinked before they are freed, so they see no owner.
    EXPECT_EQ(gLog, (std::vector<std::string>{
                        "destroy Root as probe destroying unowned",
                        "destroy B as probe destroying unowned",
                        "destroy A as probe destroying unowned",
                        "destroy A2 as probe destroying unowned",
                        "destroy A1 as probe destroying unowned",
                    }));
}

TEST_F(ComponentLifecycle, ChildBodySeesSiblingsNotYetFreedAsDestroying) {
    auto* root = Make(nullptr, "Root");
    auto* older = Make(root, "Older");
    auto* younger = Make<TSiblingProbe>(root, "Younger");  // freed first
    younger->Sibling = older;
    gSiblingWasDestroying = false;
    root->Free();
    EXPECT_TRUE(gSiblingWasDestroying);
}

TEST_F(ComponentLifecycle, OwnerIsToldOfInsertAndRemoveWithTheFinalClass) {
    auto* owner = Make(nullptr, "Owner");
    auto* other = Make(nullptr, "Other");
    auto* child = Make<TDerivedProbe>(other, "Child");
    gLog.clear();
    owner->InsertComponent(child);
    EXPECT_EQ(child->Owner(), owner);
    EXPECT_EQ(other->ComponentCount(), 0);
    owner->RemoveComponent(child);
    EXPECT_EQ(child->Owner(), nullptr);
    EXPECT_EQ(gLog, (std::vector<std::string>{"Other remove Child", "Owner insert Child:TDerivedProbe", "Owner remove Child"}));
    child->Free();
    owner->Free();
    other->Free();
}

TEST_F(ComponentLifecycle, ComponentsKeepInsertionOrderAndRejectBadIndexes) {
    auto* root = Make(nullptr, "Root");
    for (const char* n : {"C", "A", "B"}) Make(root, n);
    ASSERT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->Components(0)->Name(), "C");
    EXPECT_EQ(root->Components(2)->Name(), "B");
    EXPECT_EQ(root->Components(1)->ComponentIndex(), 1);
    EXPECT_EQ(root->FindComponent("b"), root->Components(2));
    try {
        root->Components(3);
        FAIL() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
    root->Free();
}

TEST_F(ComponentLifecycle, NamesMustBeIdentifiersUniqueWithinTheOwner) {
    auto* root = Make(nullptr, "Root");
    auto* a = Make(root, "Alpha");
    auto* b = Make(root, "Beta");
    EXPECT_THROW(b->SetName("ALPHA"), EComponentError);
    EXPECT_THROW(b->SetName("1x"), EComponentError);
    EXPECT_EQ(b->Name(), "Beta");
    a->SetName("alpha");  // renaming itself with another case is allowed
    b->SetName("");
    EXPECT_EQ(a->Name(), "alpha");
    root->Free();
}

TEST_F(ComponentLifecycle, WatcherIsToldAfterTheBodiesAndBeforeOwnedComponentsGo) {
    auto* watcher = Make(nullptr, "Watcher");
    auto* target = Make(nullptr, "Target");
    Make(target, "Inner");
    watcher->Watch(target);
    gLog.clear();
    target->Free();
    EXPECT_EQ(watcher->Watched, nullptr);
    EXPECT_EQ(gLog, (std::vector<std::string>{
                        "destroy Target as probe destroying unowned",
                        "Watcher remove Target",
                        "destroy Inner as probe destroying unowned",
                    }));
    watcher->Free();
}

TEST_F(ComponentLifecycle, FreeNotificationIsSymmetricSoEitherSideMayGoFirst) {
    for (bool watcherFirst : {true, false}) {
        gLog.clear();
        auto* watcher = Make(nullptr, "Watcher");
        auto* target = Make(nullptr, "Target");
        watcher->Watch(target);
        target->Watch(watcher);
        (watcherFirst ? watcher : target)->Free();
        (watcherFirst ? target : watcher)->Free();
        const std::string told = watcherFirst ? "Target remove Watcher" : "Watcher remove Target";
        EXPECT_EQ(std::count(gLog.begin(), gLog.end(), told), 1) << watcherFirst;
    }
}

TEST_F(ComponentLifecycle, RemovedFreeNotificationIsNotDelivered) {
    auto* watcher = Make(nullptr, "Watcher");
    auto* target = Make(nullptr, "Target");
    watcher->Watch(target);
    target->RemoveFreeNotification(watcher);
    target->Free();
    EXPECT_EQ(watcher->Watched, target);  // never told, so the stale pointer stays
    watcher->Free();
    EXPECT_EQ(std::count(gLog.begin(), gLog.end(), "Watcher remove Target"), 0);
}

TEST_F(ComponentLifecycle, SiblingsLearnOfEachOtherThroughTheOwner) {
    auto* root = Make(nullptr, "Root");
    auto* watcher = Make(root, "Watcher");
    auto* target = Make(root, "Target");
    watcher->Watch(target);
    gLog.clear();
    target->Free();
    EXPECT_EQ(watcher->Watched, nullptr);
    EXPECT_EQ(root->ComponentCount(), 1);
    root->Free();
}

TEST_F(ComponentLifecycle, FreeAcceptsNull) {
    TProbe* none = nullptr;
    Free(none);
    FreeAndNil(none);
    auto* c = Make(nullptr, "C");
    FreeAndNil(c);
    EXPECT_EQ(c, nullptr);
    EXPECT_EQ(gLog.back(), "destroy C as probe destroying unowned");
}

TEST_F(ComponentLifecycle, FailedAfterConstructionFreesTheObjectAndLeavesTheOwner) {
    auto* root = Make(nullptr, "Root");
    EXPECT_THROW(TFailingProbe::Create(root), Exception);
    EXPECT_EQ(root->ComponentCount(), 0);
    EXPECT_EQ(gLog, (std::vector<std::string>{"created probe", "Root insert :TFailingProbe", "created probe",
                                              "destroy  as probe destroying", "Root remove "}));
    root->Free();
}

TEST_F(ComponentLifecycle, DesigningStateIsInheritedFromTheOwner) {
    auto* root = Make(nullptr, "Root");
    root->SetDesigning(true);
    auto* child = Make(root, "Child");
    EXPECT_TRUE(child->IsDesigning());
    root->SetDesigning(false);
    EXPECT_FALSE(child->IsDesigning());
    root->Free();
}

}  // namespace
