#include "platform/core/Strings.h"

#include <algorithm>
#include <climits>

#include "platform/core/Exceptions.h"

// ---- UTF-8 -------------------------------------------------------------------

char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        ++pos;
        return b0;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return b0;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return b0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms and surrogates are treated as raw bytes.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return b0;
    }
    pos += extra + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// A run of code points where capitals and small letters alternate: the letter
// at an even offset from `first` is the capital, the next one its small letter.
struct PairRange {
    char32_t first;
    char32_t last;
};

constexpr PairRange kCasePairs[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},
    {0x03D8, 0x03EF}, {0x0460, 0x0481}, {0x048A, 0x04BF}, {0x04C1, 0x04CE}, {0x04D0, 0x052F},
};

// True when cp lies in a pair range; isCapital tells which half it is.
bool InCasePairs(char32_t cp, bool& isCapital) {
    for (const auto& r : kCasePairs) {
        if (cp >= r.first && cp <= r.last) {
            isCapital = (cp - r.first) % 2 == 0;
            return true;
        }
    }
    return false;
}

}  // namespace

char32_t UnicodeUpper(char32_t cp) {
    if (cp < 0x80) return (cp >= 'a' && cp <= 'z') ? cp - 32 : cp;
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
    if (cp == 0xFF) return 0x178;
    if (cp == 0xB5) return 0x39C;
    if (cp == 0x131) return 'I';
    if (cp == 0x17F) return 'S';
    bool isCapital = false;
    if (InCasePairs(cp, isCapital)) return isCapital ? cp : cp - 1;
    // Greek
    if (cp >= 0x3B1 && cp <= 0x3C9) return cp == 0x3C2 ? 0x3A3 : cp - 32;
    if (cp == 0x3AC) return 0x386;
    if (cp >= 0x3AD && cp <= 0x3AF) return cp - 37;
    if (cp == 0x3CC) return 0x38C;
    if (cp == 0x3CD || cp == 0x3CE) return cp - 63;
    if (cp == 0x3CA || cp == 0x3CB) return cp - 32;
    // Cyrillic
    if (cp >= 0x430 && cp <= 0x44F) return cp - 32;
    if (cp >= 0x450 && cp <= 0x45F) return cp - 80;
    if (cp == 0x4CF) return 0x4C0;
    return cp;
}

char32_t UnicodeLower(char32_t cp) {
    if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
    if (cp == 0x178) return 0xFF;
    if (cp == 0x130) return 'i';
    bool isCapital = false;
    if (InCasePairs(cp, isCapital)) return isCapital ? cp + 1 : cp;
    // Greek
    if (cp >= 0x391 && cp <= 0x3A9 && cp != 0x3A2) return cp + 32;
    if (cp == 0x386) return 0x3AC;
    if (cp >= 0x388 && cp <= 0x38A) return cp + 37;
    if (cp == 0x38C) return 0x3CC;
    if (cp == 0x38E || cp == 0x38F) return cp + 63;
    if (cp == 0x3AA || cp == 0x3AB) return cp + 32;
    // Cyrillic
    if (cp >= 0x410 && cp <= 0x42F) return cp + 32;
    if (cp >= 0x400 && cp <= 0x40F) return cp + 80;
    if (cp == 0x4C0) return 0x4CF;
    return cp;
}

namespace {

template <class Map>
std::string MapCase(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t start = pos;
        const char32_t cp = DecodeUtf8(s, pos);
        if (pos - start == 1 && cp >= 0x80) {
            out += s[start];  // invalid byte: kept as it is
        } else {
            AppendUtf8(out, map(cp));
        }
    }
    return out;
}

// Compares a and b character by character after folding both to lower case.
// When prefixOnly, succeeds as soon as `a` is exhausted; matchedB then holds the
// number of bytes of b consumed.
// Folds the character at pos; a byte that is not valid UTF-8 maps above the
// Unicode range so that it never equals a letter.
char32_t NextFolded(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(s, pos);
    if (pos - start == 1 && cp >= 0x80) return 0x110000 + cp;
    return UnicodeLower(cp);
}

int FoldCompare(std::string_view a, std::string_view b, bool prefixOnly, std::size_t* matchedB) {
    std::size_t pa = 0, pb = 0;
    while (pa < a.size() && pb < b.size()) {
        const char32_t ca = NextFolded(a, pa);
        const char32_t cb = NextFolded(b, pb);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (matchedB) *matchedB = pb;
    if (pa < a.size()) return 1;
    if (prefixOnly) return 0;
    return pb < b.size() ? -1 : 0;
}

}  // namespace

std::string AnsiUpperCase(std::string_view s) { return MapCase(s, UnicodeUpper); }
std::string AnsiLowerCase(std::string_view s) { return MapCase(s, UnicodeLower); }

int AnsiCompareText(std::string_view a, std::string_view b) { return FoldCompare(a, b, false, nullptr); }

int AnsiCompareStr(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }
bool AnsiSameStr(std::string_view a, std::string_view b) { return a == b; }
bool SameText(std::string_view a, std::string_view b) { return AnsiSameText(a, b); }

bool AnsiStartsText(std::string_view subText, std::string_view text) {
    return FoldCompare(subText, text, true, nullptr) == 0;
}

bool AnsiEndsText(std::string_view subText, std::string_view text) {
    // Try every character boundary of text as a start.
    std::size_t pos = 0;
    while (true) {
        if (AnsiSameText(subText, text.substr(pos))) return true;
        if (pos >= text.size()) return false;
        DecodeUtf8(text, pos);
    }
}

std::size_t AnsiPosText(std::string_view subText, std::string_view text) {
    std::size_t pos = 0;
    while (pos <= text.size()) {
        if (FoldCompare(subText, text.substr(pos), true, nullptr) == 0) return pos;
        if (pos == text.size()) break;
        DecodeUtf8(text, pos);
    }
    return std::string_view::npos;
}

char LowerCaseChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
char UpperCaseChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::string UpperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = UpperCaseChar(c);
    return out;
}

std::string LowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = LowerCaseChar(c);
    return out;
}

namespace {
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string TrimLeft(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string IntToStr(long long value) { return std::to_string(value); }

bool TryStrToInt(std::string_view s, int& value) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i >= s.size()) return false;
    long long magnitude = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) return false;
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN) return false;
    value = static_cast<int>(signedValue);
    return true;
}

int StrToInt(std::string_view s) {
    int value = 0;
    if (!TryStrToInt(s, value)) throw EConvertError(Format("'%s' is not a valid integer value", s));
    return value;
}

int StrToIntDef(std::string_view s, int defaultValue) {
    int value = 0;
    return TryStrToInt(s, value) ? value : defaultValue;
}

namespace {
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsAlnum(char c) { return IsAlpha(c) || (c >= '0' && c <= '9'); }

bool IsValidPart(std::string_view part) {
    if (part.empty() || !IsAlpha(part[0])) return false;
    return std::all_of(part.begin() + 1, part.end(), IsAlnum);
}
}  // namespace

bool IsValidIdent(std::string_view ident, bool allowDots) {
    if (!allowDots) return IsValidPart(ident);
    std::size_t start = 0;
    while (true) {
        const std::size_t dot = ident.find('.', start);
        if (!IsValidPart(ident.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start)))
            return false;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
    if (oldPattern.empty()) return std::string(s);
    std::string out;
    std::size_t pos = 0;
    const bool all = (flags & rfReplaceAll) != 0;
    while (pos < s.size()) {
        std::size_t matchedBytes = 0;
        bool matched;
        if (flags & rfIgnoreCase) {
            matched = FoldCompare(oldPattern, s.substr(pos), true, &matchedBytes) == 0;
        } else {
            matched = s.substr(pos, oldPattern.size()) == oldPattern;
            matchedBytes = oldPattern.size();
        }
        if (matched) {
            out += newPattern;
            pos += matchedBytes;
            if (!all) {
                out += s.substr(pos);
                return out;
            }
            continue;
        }
        const std::size_t start = pos;
        DecodeUtf8(s, pos);
        out += s.substr(start, pos - start);
    }
    return out;
}

std::string CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t next = pos;
        DecodeUtf8(text, next);
        if (next > maxBytes) break;
        pos = next;
    }
    return std::string(text.substr(0, pos));
}

// ---- Format ------------------------------------------------------------------

std::string FormatArgs(std::string_view format, const std::vector<FormatArg>& args) {
    std::string out;
    std::size_t argIndex = 0;
    auto fail = [&]() -> EConvertError {
        return EConvertError("Format '" + std::string(format) + "' invalid or incompatible with argument");
    };
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (++i >= format.size()) throw fail();
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        bool leftAlign = false;
        if (format[i] == '-') {
            leftAlign = true;
            if (++i >= format.size()) throw fail();
        }
        std::size_t width = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') width = width * 10 + (format[i++] - '0');
        if (i >= format.size() || argIndex >= args.size()) throw fail();
        const FormatArg& arg = args[argIndex++];
        std::string piece;
        switch (format[i]) {
            case 'd':
            case 'u':
                if (!std::holds_alternative<long long>(arg)) throw fail();
                piece = std::to_string(std::get<long long>(arg));
                break;
            case 's':
                if (!std::holds_alternative<std::string>(arg)) throw fail();
                piece = std::get<std::string>(arg);
                break;
            default:
                throw fail();
        }
        if (piece.size() < width) {
            const std::string pad(width - piece.size(), ' ');
            piece = leftAlign ? piece + pad : pad + piece;
        }
        out += piece;
    }
    return out;
}
