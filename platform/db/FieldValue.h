#pragma once
// One value of a dataset row and the field types a dataset reports.
#include <string>
#include <variant>

enum TFieldType {
    ftUnknown, ftString, ftWideString, ftSmallint, ftInteger, ftLargeint, ftBoolean,
    ftFloat, ftBCD, ftDate, ftTime, ftDateTime, ftMemo, ftWideMemo, ftBlob
};

// A cell: NULL, a whole number, a floating-point number or text (UTF-8).
class TFieldValue {
public:
    TFieldValue() = default;
    explicit TFieldValue(long long value) : FValue(value) {}
    explicit TFieldValue(double value) : FValue(value) {}
    explicit TFieldValue(std::string value) : FValue(std::move(value)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(FValue); }
    // NULL reads as "", numbers in their shortest decimal form.
    std::string AsString() const;
    // NULL and text that is no whole number read as 0; a fraction is truncated.
    long long AsInteger() const;
    double AsFloat() const;

    // Orders NULL first, numbers numerically (before text), text by bytes.
    static int Compare(const TFieldValue& a, const TFieldValue& b);

private:
    std::variant<std::monostate, long long, double, std::string> FValue;
};
