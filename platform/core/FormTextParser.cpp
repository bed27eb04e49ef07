#include "platform/core/FormTextParser.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

namespace {
bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

TParser::TParser(std::string_view text) : FText(text) { NextToken(); }

void TParser::Error(std::string_view message) const {
    throw EParserError(Format("%s on line %d", message, FTokenLine));
}

void TParser::SkipBlanks() {
    while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ') {
        if (FText[FPos] == '\n') ++FLine;
        ++FPos;
    }
}

void TParser::ReadString() {
    FTokenString.clear();
    while (FPos < FText.size()) {
        const char c = FText[FPos];
        if (c == '\'') {
            ++FPos;
            while (true) {
                if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r') Error("Unterminated string");
                if (FText[FPos] == '\'') {
                    if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                        FTokenString += '\'';
                        FPos += 2;
                        continue;
                    }
                    ++FPos;
                    break;
                }
                FTokenString += FText[FPos++];
            }
        } else if (c == '#') {
            ++FPos;
            std::int64_t code = 0;
            const std::size_t start = FPos;
            while (FPos < FText.size() && IsDigit(FText[FPos]) && code <= 0x10FFFF) code = code * 10 + (FText[FPos++] - '0');
            if (FPos == start || code > 0x10FFFF) Error("Invalid character code");
            AppendUtf8(FTokenString, static_cast<char32_t>(code));
        } else {
            break;
        }
    }
}

char TParser::NextToken() {
    SkipBlanks();
    FTokenLine = FLine;
    FTokenString.clear();
    if (FPos >= FText.size()) return FToken = toEOF;
    const char c = FText[FPos];
    if (IsIdentStart(c)) {
        const std::size_t start = FPos;
        while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
        FTokenString = std::string(FText.substr(start, FPos - start));
        return FToken = toSymbol;
    }
    if (c == '\'' || c == '#') {
        ReadString();
        return FToken = toString;
    }
    const bool negative = c == '-' && FPos + 1 < FText.size() && (IsDigit(FText[FPos + 1]) || FText[FPos + 1] == '$');
    if (IsDigit(c) || c == '$' || negative) {
        const std::size_t start = FPos;
        if (negative) ++FPos;
        if (FText[FPos] == '$') {
            ++FPos;
            while (FPos < FText.size() && HexValue(FText[FPos]) >= 0) ++FPos;
        } else {
            while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
        }
        FTokenString = std::string(FText.substr(start, FPos - start));
        return FToken = toInteger;
    }
    ++FPos;
    FTokenString = std::string(1, c);
    return FToken = c;
}

std::int64_t TParser::TokenInt() const {
    std::string_view t = FTokenString;
    const bool negative = !t.empty() && t[0] == '-';
    if (negative) t.remove_prefix(1);
    const bool hex = !t.empty() && t[0] == '$';
    if (hex) t.remove_prefix(1);
    if (t.empty() || t.size() > (hex ? 16u : 18u)) Error(Format("Invalid integer value '%s'", FTokenString));
    std::uint64_t v = 0;
    for (char c : t) v = v * (hex ? 16 : 10) + static_cast<std::uint64_t>(HexValue(c));
    const auto value = static_cast<std::int64_t>(v);
    return negative ? -value : value;
}

bool TParser::TokenSymbolIs(std::string_view symbol) const { return FToken == toSymbol && SameText(FTokenString, symbol); }

void TParser::CheckToken(char token) const {
    if (FToken == token) return;
    switch (token) {
        case toSymbol:
            Error("Identifier expected");
        case toString:
            Error("String expected");
        case toInteger:
            Error("Number expected");
        default:
            Error(Format("'%s' expected", std::string(1, token)));
    }
}

void TParser::CheckTokenSymbol(std::string_view symbol) const {
    if (!TokenSymbolIs(symbol)) Error(Format("'%s' expected", symbol));
}

std::string TParser::ReadBinary() {
    CheckToken('{');
    std::string bytes;
    int high = -1;
    while (true) {
        SkipBlanks();
        if (FPos >= FText.size()) Error("'}' expected");
        const char c = FText[FPos++];
        if (c == '}') break;
        const int v = HexValue(c);
        if (v < 0) Error("Invalid binary value");
        if (high < 0) {
            high = v;
        } else {
            bytes += static_cast<char>(high * 16 + v);
            high = -1;
        }
    }
    if (high >= 0) Error("Invalid binary value");
    NextToken();
    return bytes;
}
