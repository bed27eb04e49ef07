#pragma once
// TObject, the root of every class of the class library, and its two-phase
// life.
//
// Creation: an object is made by a factory, TFoo::Create(args) or New<TFoo>(args)
// or a class reference's Create(args). The factory runs the C++ constructor and
// then the virtual AfterConstruction(). C++ constructors only initialise members
// (and may link the object into its owner); any work that must reach an
// override of the most-derived class belongs in AfterConstruction(), where
// virtual dispatch is complete. An override calls inherited::AfterConstruction()
// first. If AfterConstruction() throws, the object is freed as by Free() and the
// exception passes on, so Destroy bodies must tolerate a partly set-up object.
//
// Destruction: only through Free() (or FreeAndNil / Free(p), which accept
// nullptr). Free() runs BeforeDestruction(), then the virtual Destroy() chain,
// then deletes the object. Destroy() holds a class's destructor body with full
// virtual dispatch; an override does its own work and calls inherited::Destroy()
// last. C++ destructors never rely on virtual dispatch; they only release what
// members own. Small value-like classes (lists, streams) may also live on the
// stack or as members; their C++ destructors release their contents.
//
// Every class declares its class reference with VN_CLASS(TSelf, TParent) at the
// top of its body (see ClassRef.h).
#include <functional>
#include <string>
#include <utility>

#include "platform/core/ClassRef.h"
#include "platform/core/Exceptions.h"

class TObject {
public:
    using ClassFamily = TClassOf<TObject>;
    static inline const ClassFamily VnClassRef_{"TObject", nullptr, &ClassFamily::template Make<TObject>};
    static const ClassFamily* StaticClass() noexcept { return &VnClassRef_; }
    virtual const ClassRef* ClassType() const noexcept { return &VnClassRef_; }
    template <class... VnArgs>
    static TObject* Create(VnArgs&&... args) {
        return ::New<TObject>(std::forward<VnArgs>(args)...);
    }

    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    const std::string& ClassName() const noexcept { return ClassType()->ClassName(); }
    const ClassRef* ClassParent() const noexcept { return ClassType()->ClassParent(); }
    bool InheritsFrom(const ClassRef* ref) const noexcept { return ClassType()->InheritsFrom(ref); }

    // Runs after the C++ constructors, with virtual dispatch to the most-derived class.
    virtual void AfterConstruction() {}
    // Runs first when the object is freed.
    virtual void BeforeDestruction() {}
    // The destructor body; overrides call inherited::Destroy() last.
    virtual void Destroy() {}
    // BeforeDestruction, Destroy, then release the memory. Never call on nullptr;
    // use FreeAndNil or Free(p) where the pointer may be null.
    void Free();
};

// An event handler receiving the sender.
using TNotifyEvent = std::function<void(TObject* Sender)>;

template <class T, class... A>
T* New(A&&... args) {
    T* obj = new T(std::forward<A>(args)...);
    try {
        obj->AfterConstruction();
    } catch (...) {
        obj->Free();
        throw;
    }
    return obj;
}

// Frees obj when it is not null.
inline void Free(TObject* obj) {
    if (obj) obj->Free();
}

// Sets the pointer to null first, then frees the object it held (if any).
template <class T>
void FreeAndNil(T*& obj) {
    T* old = obj;
    obj = nullptr;
    if (old) old->Free();
}

// The `is` test.
template <class T, class U>
bool Is(const U* obj) {
    return dynamic_cast<const T*>(obj) != nullptr;
}

// The checked `as` cast: nullptr stays nullptr; an object of another class
// raises EInvalidCast "Invalid class typecast".
template <class T, class U>
T* As(U* obj) {
    if (!obj) return nullptr;
    if (T* result = dynamic_cast<T*>(obj)) return result;
    throw EInvalidCast();
}

// A class reference for the class-of family of T (`class of T`).
using TClass = const ClassRef*;
