#include "platform/core/TypInfo.h"

#include <algorithm>

#include "platform/core/Component.h"
#include "platform/core/Strings.h"

std::string TEnumInfo::NameOf(std::int64_t value) const {
    if (value < 0 || value >= static_cast<std::int64_t>(Names.size())) return {};
    return Names[static_cast<std::size_t>(value)];
}

std::int64_t TEnumInfo::ValueOf(std::string_view name) const {
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name)) return static_cast<std::int64_t>(i);
    return -1;
}

std::string SetToString(const TEnumInfo& info, std::uint64_t bits, bool brackets) {
    std::string out;
    for (std::size_t i = 0; i < info.Names.size() && i < 64; ++i) {
        if (!(bits & (std::uint64_t{1} << i))) continue;
        if (!out.empty()) out += brackets ? ", " : ",";
        out += info.Names[i];
    }
    return brackets ? "[" + out + "]" : out;
}

std::uint64_t StringToSet(const TEnumInfo& info, std::string_view text) {
    std::string body = Trim(text);
    if (!body.empty() && body.front() == '[') {
        if (body.back() != ']') throw EPropertyError("Invalid property value");
        body = body.substr(1, body.size() - 2);
    }
    std::uint64_t bits = 0;
    std::size_t start = 0;
    while (start <= body.size()) {
        const std::size_t comma = body.find(',', start);
        const std::string item = Trim(std::string_view(body).substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!item.empty()) {
            const std::int64_t v = info.ValueOf(item);
            if (v < 0 || v >= 64) throw EPropertyError("Invalid property value");
            bits |= std::uint64_t{1} << v;
        } else if (comma != std::string::npos) {
            throw EPropertyError("Invalid property value");
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return bits;
}

namespace {
std::vector<TIdentMapEntry>& ColorIdents() {
    static std::vector<TIdentMapEntry> idents;
    return idents;
}
}  // namespace

void RegisterColorIdents(std::vector<TIdentMapEntry> entries) { ColorIdents() = std::move(entries); }

bool ColorToIdent(std::int64_t color, std::string& ident) {
    for (const auto& e : ColorIdents())
        if (e.Value == color) {
            ident = e.Name;
            return true;
        }
    return false;
}

bool IdentToColor(std::string_view ident, std::int64_t& color) {
    for (const auto& e : ColorIdents())
        if (SameText(e.Name, ident)) {
            color = e.Value;
            return true;
        }
    return false;
}

bool TPropInfo::IsStoredFor(const TObject* obj) const {
    if (StoredFn && !StoredFn(obj)) return false;
    switch (Kind) {
        case pkInteger:
        case pkBoolean:
        case pkEnum:
        case pkSet:
        case pkColor:
            return !Default || GetOrd(obj) != *Default;
        case pkString:
        case pkBinary:
        case pkEvent:
            return !GetStr(obj).empty();
        case pkReference:
            return GetObj(obj) != nullptr;
        case pkClass:
            return true;
    }
    return true;
}

std::vector<const TPropInfo*> GetPropList(const ClassRef* cls) {
    std::vector<const ClassRef*> chain;
    for (const ClassRef* c = cls; c; c = c->ClassParent()) chain.push_back(c);
    std::vector<const TPropInfo*> list;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        for (const auto& prop : (*it)->OwnProperties()) {
            auto same = std::find_if(list.begin(), list.end(),
                                     [&](const TPropInfo* p) { return SameText(p->Name, prop->Name); });
            if (same != list.end())
                *same = prop.get();
            else
                list.push_back(prop.get());
        }
    }
    return list;
}

const TPropInfo* GetPropInfo(const ClassRef* cls, std::string_view name) {
    for (const ClassRef* c = cls; c; c = c->ClassParent())
        for (const auto& prop : c->OwnProperties())
            if (SameText(prop->Name, name)) return prop.get();
    return nullptr;
}

std::string GetPropText(const TObject* obj, const TPropInfo* prop) {
    switch (prop->Kind) {
        case pkInteger:
            return IntToStr(prop->GetOrd(obj));
        case pkBoolean:
            return prop->GetOrd(obj) ? "True" : "False";
        case pkEnum: {
            const std::int64_t value = prop->GetOrd(obj);
            const std::string name = prop->EnumType->NameOf(value);
            return name.empty() ? IntToStr(value) : name;
        }
        case pkSet:
            return SetToString(*prop->EnumType, static_cast<std::uint64_t>(prop->GetOrd(obj)));
        case pkColor: {
            const std::int64_t color = prop->GetOrd(obj);
            std::string ident;
            return ColorToIdent(color, ident) ? ident : IntToStr(color);
        }
        case pkString:
        case pkBinary:
        case pkEvent:
            return prop->GetStr(obj);
        case pkReference: {
            const auto* c = dynamic_cast<const TComponent*>(prop->GetObj(obj));
            return c ? c->Name() : std::string();
        }
        case pkClass:
            break;
    }
    return {};
}

namespace {
bool TryParseInt64(std::string_view text, std::int64_t& value) {
    std::string t = Trim(text);
    bool negative = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        t.erase(0, 1);
    }
    int base = 10;
    if (!t.empty() && t[0] == '$') {
        base = 16;
        t.erase(0, 1);
    }
    if (t.empty() || t.size() > 18) return false;
    std::int64_t v = 0;
    for (char c : t) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        v = v * base + d;
    }
    value = negative ? -v : v;
    return true;
}
}  // namespace

void SetPropText(TObject* obj, const TPropInfo* prop, std::string_view text) {
    auto invalid = [] { return EPropertyError("Invalid property value"); };
    std::int64_t v = 0;
    switch (prop->Kind) {
        case pkInteger:
            if (!TryParseInt64(text, v)) throw invalid();
            prop->SetOrd(obj, v);
            return;
        case pkBoolean:
            if (SameText(text, "True"))
                prop->SetOrd(obj, 1);
            else if (SameText(text, "False"))
                prop->SetOrd(obj, 0);
            else
                throw invalid();
            return;
        case pkEnum:
            v = prop->EnumType->ValueOf(Trim(text));
            if (v < 0) throw invalid();
            prop->SetOrd(obj, v);
            return;
        case pkSet:
            prop->SetOrd(obj, static_cast<std::int64_t>(StringToSet(*prop->EnumType, text)));
            return;
        case pkColor:
            if (!IdentToColor(Trim(text), v) && !TryParseInt64(text, v)) throw invalid();
            prop->SetOrd(obj, v);
            return;
        case pkString:
        case pkBinary:
            prop->SetStr(obj, std::string(text));
            return;
        case pkClass:
        case pkReference:
        case pkEvent:
            break;
    }
    throw invalid();
}
