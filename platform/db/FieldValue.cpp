#include "platform/db/FieldValue.h"

#include <charconv>

std::string TFieldValue::AsString() const {
    if (const auto* i = std::get_if<long long>(&FValue)) return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&FValue)) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *d);
        return std::string(buffer, result.ptr);
    }
    if (const auto* s = std::get_if<std::string>(&FValue)) return *s;
    return {};
}

long long TFieldValue::AsInteger() const {
    if (const auto* i = std::get_if<long long>(&FValue)) return *i;
    if (const auto* d = std::get_if<double>(&FValue)) return static_cast<long long>(*d);
    if (const auto* s = std::get_if<std::string>(&FValue)) {
        long long value = 0;
        const char* begin = s->data();
        const char* end = begin + s->size();
        while (begin != end && *begin == ' ') ++begin;
        if (begin != end && *begin == '+') ++begin;
        const auto result = std::from_chars(begin, end, value);
        return result.ec == std::errc() ? value : 0;
    }
    return 0;
}

double TFieldValue::AsFloat() const {
    if (const auto* i = std::get_if<long long>(&FValue)) return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&FValue)) return *d;
    if (const auto* s = std::get_if<std::string>(&FValue)) {
        double value = 0;
        const auto result = std::from_chars(s->data(), s->data() + s->size(), value);
        return result.ec == std::errc() ? value : 0;
    }
    return 0;
}

int TFieldValue::Compare(const TFieldValue& a, const TFieldValue& b) {
    const bool aText = std::holds_alternative<std::string>(a.FValue);
    const bool bText = std::holds_alternative<std::string>(b.FValue);
    if (a.IsNull() || b.IsNull()) return int(!a.IsNull()) - int(!b.IsNull());
    if (aText && bText) {
        const int c = std::get<std::string>(a.FValue).compare(std::get<std::string>(b.FValue));
        return (c > 0) - (c < 0);
    }
    if (aText != bText) return aText ? 1 : -1;
    const bool bothWhole = std::holds_alternative<long long>(a.FValue) && std::holds_alternative<long long>(b.FValue);
    if (bothWhole) {
        const long long x = std::get<long long>(a.FValue), y = std::get<long long>(b.FValue);
        return (x > y) - (x < y);
    }
    const double x = a.AsFloat(), y = b.AsFloat();
    return (x > y) - (x < y);
}
