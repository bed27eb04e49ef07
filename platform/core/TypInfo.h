#pragma once
// Published properties: a table per class, in declaration order, with the
// inherited properties first. A class declares its table in its .cpp file:
//
//   VN_PUBLISHED(TFoo) {
//       props.Integer("GridSize", &TFoo::GridSize, &TFoo::SetGridSize, 2);
//       props.Enum("Style", &TFoo::Style, &TFoo::SetStyle, FooStyleInfo, fsFlat);
//       props.String("Caption", &TFoo::Caption, &TFoo::SetCaption);
//       props.Class("Font", &TFoo::Font);
//       props.Reference("Provider", &TFoo::Provider, &TFoo::SetProvider);
//       props.Event("OnChange", &TFoo::OnChange);
//   }
//
// Getters and setters are member functions (or callables taking the object
// first). Ordinal kinds (integer, boolean, enumeration, set, colour) may give a
// default: a value equal to it is not stored. Ordinal properties without a
// default are always stored; strings are stored when not empty, references
// when assigned, events when a named handler is assigned, class properties
// through their own sub-properties. StoredIf adds a further condition.
// A descendant that declares a property of the same name replaces the
// inherited entry in place (republishing with another default).
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/core/Set.h"

enum TPropKind { pkInteger, pkBoolean, pkEnum, pkSet, pkColor, pkString, pkBinary, pkClass, pkReference, pkEvent };

// The identifiers of an enumeration type, indexed by ordinal value.
struct TEnumInfo {
    std::string TypeName;
    std::vector<std::string> Names;

    // The identifier of value; empty when out of range.
    std::string NameOf(std::int64_t value) const;
    // The ordinal of an identifier (case-insensitive); -1 when unknown.
    std::int64_t ValueOf(std::string_view name) const;
};

// "[a, b]" for a set whose bits are given (with brackets) or "a,b" without.
std::string SetToString(const TEnumInfo& info, std::uint64_t bits, bool brackets = true);
// Parses "[a, b]" or "a,b"; EPropertyError "Invalid property value" on an unknown identifier.
std::uint64_t StringToSet(const TEnumInfo& info, std::string_view text);

// Colour identifiers (clWindow, ...) are registered by the graphics layer.
struct TIdentMapEntry {
    std::int64_t Value;
    std::string Name;
};
void RegisterColorIdents(std::vector<TIdentMapEntry> entries);
bool ColorToIdent(std::int64_t color, std::string& ident);
bool IdentToColor(std::string_view ident, std::int64_t& color);

struct TPropInfo {
    std::string Name;
    TPropKind Kind = pkInteger;
    const ClassRef* Declarer = nullptr;
    const TEnumInfo* EnumType = nullptr;  // pkEnum, pkSet
    std::optional<std::int64_t> Default;  // ordinal kinds
    std::function<bool(const TObject*)> StoredFn;

    std::function<std::int64_t(const TObject*)> GetOrd;
    std::function<void(TObject*, std::int64_t)> SetOrd;
    std::function<std::string(const TObject*)> GetStr;  // also the handler name of an event
    std::function<void(TObject*, const std::string&)> SetStr;
    std::function<TObject*(const TObject*)> GetObj;  // pkClass, pkReference
    std::function<void(TObject*, TObject*)> SetObj;  // pkReference
    std::function<void(TObject*, const std::string&, const std::any&)> SetEvent;

    bool IsOrdinal() const noexcept {
        return Kind == pkInteger || Kind == pkBoolean || Kind == pkEnum || Kind == pkSet || Kind == pkColor;
    }
    // Only stored when StoredFn (if any) agrees.
    TPropInfo& StoredIf(std::function<bool(const TObject*)> fn) {
        StoredFn = std::move(fn);
        return *this;
    }
    // False: never written (read still works).
    TPropInfo& SetStored(bool stored) {
        StoredFn = [stored](const TObject*) { return stored; };
        return *this;
    }
    // Whether the writer stores the value of this property for obj.
    bool IsStoredFor(const TObject* obj) const;
};

// Properties of cls and its ancestors, inherited first.
std::vector<const TPropInfo*> GetPropList(const ClassRef* cls);
// The property called name (case-insensitive), or nullptr.
const TPropInfo* GetPropInfo(const ClassRef* cls, std::string_view name);

// A property value as text: integers in decimal, booleans True/False,
// enumerations and colours as identifiers (colours as numbers when they have
// none), sets as "[a, b]", strings as they are, references by name, events by
// handler name. Class properties have no text.
std::string GetPropText(const TObject* obj, const TPropInfo* prop);
// Sets a value given as text in the form above (not for class, reference or
// event properties). EPropertyError "Invalid property value" when it does not parse.
void SetPropText(TObject* obj, const TPropInfo* prop, std::string_view text);

namespace vn_typinfo_detail {

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

template <class V>
std::int64_t ToOrd(const V& value) {
    if constexpr (IsSet<V>::value)
        return static_cast<std::int64_t>(value.Bits());
    else
        return static_cast<std::int64_t>(value);
}

template <class V>
V FromOrd(std::int64_t value) {
    if constexpr (IsSet<V>::value)
        return V::FromBits(static_cast<std::uint64_t>(value));
    else
        return static_cast<V>(value);
}

// The value parameter type of a setter: a member function taking one value,
// or a callable taking (object, value).
template <class S>
struct SetterArg : SetterArg<decltype(&S::operator())> {};
template <class C, class R, class P>
struct SetterArg<R (C::*)(P)> { using type = std::remove_cvref_t<P>; };
template <class C, class R, class P>
struct SetterArg<R (C::*)(P) noexcept> { using type = std::remove_cvref_t<P>; };
template <class L, class R, class O, class P>
struct SetterArg<R (L::*)(O, P) const> { using type = std::remove_cvref_t<P>; };
template <class L, class R, class O, class P>
struct SetterArg<R (L::*)(O, P)> { using type = std::remove_cvref_t<P>; };

}  // namespace vn_typinfo_detail

// Fills the property table of T (see VN_PUBLISHED).
template <class T>
class TPropBuilder {
public:
    template <class G, class S>
    TPropInfo& Integer(std::string name, G get, S set, std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(pkInteger, std::move(name), get, set, nullptr, def);
    }
    template <class G, class S>
    TPropInfo& Boolean(std::string name, G get, S set, std::optional<bool> def = std::nullopt) {
        std::optional<std::int64_t> d;
        if (def) d = *def ? 1 : 0;
        return Ordinal(pkBoolean, std::move(name), get, set, nullptr, d);
    }
    template <class G, class S>
    TPropInfo& Enum(std::string name, G get, S set, const TEnumInfo& info,
                    std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(pkEnum, std::move(name), get, set, &info, def);
    }
    template <class G, class S>
    TPropInfo& Set(std::string name, G get, S set, const TEnumInfo& info,
                   std::optional<std::uint64_t> def = std::nullopt) {
        std::optional<std::int64_t> d;
        if (def) d = static_cast<std::int64_t>(*def);
        return Ordinal(pkSet, std::move(name), get, set, &info, d);
    }
    template <class G, class S>
    TPropInfo& Color(std::string name, G get, S set, std::optional<std::int64_t> def = std::nullopt) {
        return Ordinal(pkColor, std::move(name), get, set, nullptr, def);
    }
    template <class G, class S>
    TPropInfo& String(std::string name, G get, S set) {
        return Text(pkString, std::move(name), get, set);
    }
    // Binary data (bytes in a std::string), written as hexadecimal in braces.
    template <class G, class S>
    TPropInfo& Binary(std::string name, G get, S set) {
        return Text(pkBinary, std::move(name), get, set);
    }
    // A TPersistent owned by the object; its own properties are streamed as
    // dotted sub-properties ("Font.Name").
    template <class G>
    TPropInfo& Class(std::string name, G get) {
        auto& p = Add(pkClass, std::move(name));
        p.GetObj = [get](const TObject* obj) -> TObject* { return std::invoke(get, Self(obj)); };
        return p;
    }
    // A component referred to (not owned); streamed by name, resolved after loading.
    template <class G, class S>
    TPropInfo& Reference(std::string name, G get, S set) {
        using P = typename vn_typinfo_detail::SetterArg<S>::type;
        auto& p = Add(pkReference, std::move(name));
        p.GetObj = [get](const TObject* obj) -> TObject* { return std::invoke(get, Self(obj)); };
        p.SetObj = [set](TObject* obj, TObject* value) {
            P typed = nullptr;
            if (value) {
                typed = dynamic_cast<P>(value);
                if (!typed) throw EPropertyError("Invalid property value");
            }
            std::invoke(set, Self(obj), typed);
        };
        return p;
    }
    template <class Sig>
    TPropInfo& Event(std::string name, TEvent<Sig> T::*member) {
        auto& p = Add(pkEvent, std::move(name));
        p.GetStr = [member](const TObject* obj) {
            const TEvent<Sig>& ev = Self(obj).*member;
            return ev ? ev.HandlerName() : std::string();
        };
        p.SetEvent = [member](TObject* obj, const std::string& handlerName, const std::any& handler) {
            const auto* fn = std::any_cast<std::function<Sig>>(&handler);
            if (!fn) throw EPropertyError("Invalid property value");
            (Self(obj).*member).Assign(handlerName, *fn);
        };
        return p;
    }

private:
    static T& Self(const TObject* obj) { return *static_cast<T*>(const_cast<TObject*>(obj)); }

    TPropInfo& Add(TPropKind kind, std::string name) {
        auto info = std::make_unique<TPropInfo>();
        info->Name = std::move(name);
        info->Kind = kind;
        info->Declarer = T::StaticClass();
        return T::StaticClass()->AddProperty(std::move(info));
    }

    template <class G, class S>
    TPropInfo& Ordinal(TPropKind kind, std::string name, G get, S set, const TEnumInfo* info,
                       std::optional<std::int64_t> def) {
        using V = typename vn_typinfo_detail::SetterArg<S>::type;
        auto& p = Add(kind, std::move(name));
        p.EnumType = info;
        p.Default = def;
        p.GetOrd = [get](const TObject* obj) { return vn_typinfo_detail::ToOrd(std::invoke(get, Self(obj))); };
        p.SetOrd = [set](TObject* obj, std::int64_t value) {
            std::invoke(set, Self(obj), vn_typinfo_detail::FromOrd<V>(value));
        };
        return p;
    }

    template <class G, class S>
    TPropInfo& Text(TPropKind kind, std::string name, G get, S set) {
        auto& p = Add(kind, std::move(name));
        p.GetStr = [get](const TObject* obj) { return std::string(std::invoke(get, Self(obj))); };
        p.SetStr = [set](TObject* obj, const std::string& value) { std::invoke(set, Self(obj), value); };
        return p;
    }
};

// Declares the published-property table of TSelf in a .cpp file; the block
// that follows receives `props` (a TPropBuilder<TSelf>&) and runs once at start-up.
#define VN_PUBLISHED(TSelf)                                                   \
    static void VnPublish_##TSelf(TPropBuilder<TSelf>& props);                \
    [[maybe_unused]] static const bool VnPublished_##TSelf = [] {             \
        TPropBuilder<TSelf> builder;                                          \
        VnPublish_##TSelf(builder);                                           \
        return true;                                                          \
    }();                                                                      \
    static void VnPublish_##TSelf(TPropBuilder<TSelf>& props)
