#include "platform/core/Variant.h"

#include "platform/core/Exceptions.h"

namespace {
[[noreturn]] void TypeError() { throw EVariantError("Invalid variant type conversion"); }
}  // namespace

const std::string& Variant::AsString() const {
    if (!IsString()) TypeError();
    return std::get<std::string>(FValue);
}

std::int64_t Variant::AsInteger() const {
    if (!IsInteger()) TypeError();
    return std::get<std::int64_t>(FValue);
}

bool Variant::AsBoolean() const {
    if (!IsBoolean()) TypeError();
    return std::get<bool>(FValue);
}

std::string VarToStr(const Variant& value) {
    switch (value.VarType()) {
        case varEmpty:
            return {};
        case varString:
            return value.AsString();
        case varInteger:
            return std::to_string(value.AsInteger());
        case varBoolean:
            return value.AsBoolean() ? "True" : "False";
    }
    return {};
}

bool VarIsEmpty(const Variant& value) { return value.IsEmpty(); }
