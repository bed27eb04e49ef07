#pragma once
// Class references: one descriptor per class (its name and its parent class),
// registered by name when the program starts. A descriptor is passed around as
// a value (`const ClassRef*`) and compared by identity: two descriptors are the
// same class exactly when they are the same object.
//
// Classes are grouped into families by the constructor signature their class
// references create instances with. TClassOf<Base, Args...> is the descriptor
// type of such a family; its Create(Args...) builds an instance of the exact
// class it describes (a virtual constructor). A class names its family with
// VN_CLASS_FAMILY and inherits it otherwise; see Object.h for VN_CLASS.
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/core/Exceptions.h"

class TObject;
struct TPropInfo;

// Creates an instance of T with the given constructor arguments and runs its
// AfterConstruction step (defined in Object.h).
template <class T, class... A>
T* New(A&&... args);

class ClassRef {
public:
    ClassRef(const char* name, const ClassRef* parent);
    virtual ~ClassRef();
    ClassRef(const ClassRef&) = delete;
    ClassRef& operator=(const ClassRef&) = delete;

    const std::string& ClassName() const noexcept { return FName; }
    // Case-insensitive comparison with the class name.
    bool ClassNameIs(std::string_view name) const;
    const ClassRef* ClassParent() const noexcept { return FParent; }
    // True when this class is `other` or descends from it.
    bool InheritsFrom(const ClassRef* other) const noexcept;
    // Number of parent steps from this class up to `ancestor`; -1 when
    // `ancestor` is not this class or one of its ancestors.
    int InheritanceDistance(const ClassRef* ancestor) const noexcept;

    // Published properties declared by this class alone, in declaration order
    // (filled by the class's property table, see TypInfo.h).
    const std::vector<std::unique_ptr<TPropInfo>>& OwnProperties() const noexcept { return FOwnProperties; }
    TPropInfo& AddProperty(std::unique_ptr<TPropInfo> prop) const;

private:
    std::string FName;
    const ClassRef* FParent;
    mutable std::vector<std::unique_ptr<TPropInfo>> FOwnProperties;
};

// Finds a registered class by name (case-insensitive); nullptr when unknown.
const ClassRef* GetClass(std::string_view name);
// As GetClass, but raises EClassNotFound "Class %s not found".
const ClassRef* FindClass(std::string_view name);

// A family of class references whose instances are created by a constructor
// taking Args and returned as Base*.
template <class Base, class... Args>
class TClassOf : public ClassRef {
public:
    using BaseType = Base;
    using Factory = Base* (*)(Args...);

    TClassOf(const char* name, const ClassRef* parent, Factory factory)
        : ClassRef(name, parent), FFactory(factory) {}

    // Creates an instance of the class this reference describes.
    Base* Create(Args... args) const { return FFactory(std::forward<Args>(args)...); }

    // The factory stored for class T: constructs a T from Args. An abstract
    // class, or one without that constructor, raises EAbstractError.
    template <class T>
    static Base* Make([[maybe_unused]] Args... args) {
        if constexpr (std::is_abstract_v<T> || !std::is_constructible_v<T, Args...>) {
            throw EAbstractError("Cannot create an instance of the abstract class " +
                                 T::StaticClass()->ClassName());
        } else {
            return New<T>(std::forward<Args>(args)...);
        }
    }

private:
    Factory FFactory;
};

// The family descriptor of `ref` when it belongs to Family, else nullptr.
template <class Family>
const Family* ClassOf(const ClassRef* ref) {
    return dynamic_cast<const Family*>(ref);
}

// Starts a new class-reference family inside a class body: class references of
// this class and its descendants create instances through Create(Args...).
#define VN_CLASS_FAMILY(TSelf, ...) \
public:                             \
    using ClassFamily = TClassOf<TSelf __VA_OPT__(, ) __VA_ARGS__>; \
private:

// Declares the class reference of TSelf (child of TParent) inside its body:
// the descriptor, StaticClass(), the virtual ClassType(), `inherited` and the
// static factory TSelf::Create(args...) (see New in Object.h). Leaves the body
// in private access, as at the start of a class.
#define VN_CLASS(TSelf, TParent)                                                           \
public:                                                                                    \
    using inherited = TParent;                                                             \
    static inline const ClassFamily VnClassRef_{#TSelf, &TParent::VnClassRef_,            \
                                                &ClassFamily::template Make<TSelf>};       \
    static const ClassFamily* StaticClass() noexcept { return &VnClassRef_; }              \
    const ClassRef* ClassType() const noexcept override { return &VnClassRef_; }           \
    template <class... VnArgs>                                                             \
    static TSelf* Create(VnArgs&&... args) {                                               \
        return ::New<TSelf>(std::forward<VnArgs>(args)...);                                \
    }                                                                                      \
private:
