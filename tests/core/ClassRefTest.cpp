// Class references: names, ancestry, registry look-up, factories of a family,
// checked casts and the assign error.
#include <gtest/gtest.h>

#include "platform/core/Classes.h"

namespace {

class TShapeBase : public TPersistent {
    VN_CLASS_FAMILY(TShapeBase, int)
    VN_CLASS(TShapeBase, TPersistent)

public:
    explicit TShapeBase(int size) : Size(size) {}
    int Size;
    virtual int Area() const = 0;
};

class TSquare : public TShapeBase {
    VN_CLASS(TSquare, TShapeBase)

public:
    using TShapeBase::TShapeBase;
    int Area() const override { return Size * Size; }
};

class TCube : public TSquare {
    VN_CLASS(TCube, TSquare)

public:
    using TSquare::TSquare;
    int Area() const override { return 6 * Size * Size; }
};

using TShapeClass = TShapeBase::ClassFamily;

TEST(ClassRef, NamesAndAncestry) {
    const ClassRef* cube = TCube::StaticClass();
    EXPECT_EQ(cube->ClassName(), "TCube");
    EXPECT_EQ(cube->ClassParent(), TSquare::StaticClass());
    EXPECT_TRUE(cube->InheritsFrom(TPersistent::StaticClass()));
    EXPECT_FALSE(TSquare::StaticClass()->InheritsFrom(cube));
    EXPECT_EQ(cube->InheritanceDistance(TShapeBase::StaticClass()), 2);
    EXPECT_EQ(cube->InheritanceDistance(cube), 0);
    EXPECT_EQ(TSquare::StaticClass()->InheritanceDistance(cube), -1);
    EXPECT_EQ(TObject::StaticClass()->ClassParent(), nullptr);
}

TEST(ClassRef, RegistryFindsClassesByNameIgnoringCase) {
    EXPECT_EQ(GetClass("tcube"), TCube::StaticClass());
    EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
    try {
        FindClass("TNoSuchClass");
        FAIL() << "no exception";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), "Class TNoSuchClass not found");
    }
}

TEST(ClassRef, FamilyCreatesTheExactClassItDescribes) {
    for (const TShapeClass* ref : {TSquare::StaticClass(), TCube::StaticClass()}) {
        TShapeBase* shape = ref->Create(2);
        EXPECT_EQ(shape->ClassType(), ref);
        EXPECT_EQ(shape->Area(), ref == TCube::StaticClass() ? 24 : 4);
        shape->Free();
    }
    // A descriptor found by name converts to its family.
    const auto* byName = ClassOf<TShapeClass>(GetClass("TCube"));
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(ClassOf<TComponentClass>(byName), nullptr);
}

TEST(ClassRef, AbstractClassCannotBeCreated) {
    try {
        TShapeBase::StaticClass()->Create(1);
        FAIL() << "no exception";
    } catch (const EAbstractError& e) {
        EXPECT_EQ(e.Message(), "Cannot create an instance of the abstract class TShapeBase");
    }
}

TEST(ClassRef, CheckedCasts) {
    TShapeBase* square = TSquare::Create(1);
    EXPECT_TRUE(Is<TSquare>(square));
    EXPECT_FALSE(Is<TCube>(square));
    EXPECT_EQ(As<TSquare>(square), square);
    EXPECT_THROW(As<TCube>(square), EInvalidCast);
    EXPECT_EQ(As<TCube>(static_cast<TShapeBase*>(nullptr)), nullptr);
    square->Free();
}

TEST(ClassRef, AssignBetweenUnrelatedClassesRaisesConvertError) {
    TStringList list;
    TComponent* component = TComponent::Create(nullptr);
    struct Case {
        const TPersistent* source;
        const char* message;
    } cases[] = {
        {component, "Cannot assign a TComponent to a TStringList"},
        {nullptr, "Cannot assign a nil to a TStringList"},
    };
    for (const auto& c : cases) {
        try {
            list.Assign(c.source);
            ADD_FAILURE() << "no exception for " << c.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    component->Free();
}

}  // namespace
