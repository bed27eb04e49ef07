#include "platform/core/ClassRef.h"

#include <algorithm>

#include "platform/core/Strings.h"
#include "platform/core/TypInfo.h"

namespace {
std::vector<const ClassRef*>& Registry() {
    static std::vector<const ClassRef*> registry;
    return registry;
}
}  // namespace

ClassRef::ClassRef(const char* name, const ClassRef* parent) : FName(name), FParent(parent) {
    Registry().push_back(this);
}

ClassRef::~ClassRef() {
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
}

bool ClassRef::ClassNameIs(std::string_view name) const { return SameText(FName, name); }

bool ClassRef::InheritsFrom(const ClassRef* other) const noexcept { return InheritanceDistance(other) >= 0; }

int ClassRef::InheritanceDistance(const ClassRef* ancestor) const noexcept {
    int distance = 0;
    for (const ClassRef* c = this; c; c = c->FParent, ++distance)
        if (c == ancestor) return distance;
    return -1;
}

TPropInfo& ClassRef::AddProperty(std::unique_ptr<TPropInfo> prop) const {
    FOwnProperties.push_back(std::move(prop));
    return *FOwnProperties.back();
}

const ClassRef* GetClass(std::string_view name) {
    for (const ClassRef* c : Registry())
        if (c->ClassNameIs(name)) return c;
    return nullptr;
}

const ClassRef* FindClass(std::string_view name) {
    if (const ClassRef* c = GetClass(name)) return c;
    throw EClassNotFound(Format("Class %s not found", name));
}
