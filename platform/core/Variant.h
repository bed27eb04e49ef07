#pragma once
// Variant: the constant values of the system: empty, text, integer or boolean.
// VarToStr prints empty as "", a boolean as "True" or "False", an integer in
// decimal and a text as it is.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

enum TVarType { varEmpty, varString, varInteger, varBoolean };

class Variant {
public:
    Variant() = default;
    Variant(std::string value) : FValue(std::move(value)) {}
    Variant(std::string_view value) : FValue(std::string(value)) {}
    Variant(const char* value) : FValue(std::string(value)) {}
    Variant(int value) : FValue(static_cast<std::int64_t>(value)) {}
    Variant(std::int64_t value) : FValue(value) {}
    Variant(bool value) : FValue(value) {}

    TVarType VarType() const noexcept { return static_cast<TVarType>(FValue.index()); }
    bool IsEmpty() const noexcept { return VarType() == varEmpty; }
    bool IsString() const noexcept { return VarType() == varString; }
    bool IsInteger() const noexcept { return VarType() == varInteger; }
    bool IsBoolean() const noexcept { return VarType() == varBoolean; }

    // The stored value; a different kind raises EVariantError.
    const std::string& AsString() const;
    std::int64_t AsInteger() const;
    bool AsBoolean() const;

    bool operator==(const Variant&) const = default;

private:
    std::variant<std::monostate, std::string, std::int64_t, bool> FValue;
};

std::string VarToStr(const Variant& value);
bool VarIsEmpty(const Variant& value);
