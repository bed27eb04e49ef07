#pragma once
// String routines of the class library over UTF-8 std::string.
//
// Case rules do not depend on the process locale. The Ansi* routines (and
// SameText) fold letters of Basic Latin, Latin-1 Supplement, Latin Extended-A,
// Greek and Cyrillic, so "Ä" equals "ä"; UpperCase/LowerCase touch ASCII
// letters only. Bytes that are not valid UTF-8 are kept and compared as they
// are. Lengths count bytes; CutUtf8 never splits a character.
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

using AnsiString = std::string;

std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);
// <0, 0 or >0 after folding case, character by character.
int AnsiCompareText(std::string_view a, std::string_view b);
// <0, 0 or >0 comparing bytes (case-sensitive).
int AnsiCompareStr(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// Case-insensitive test whether text starts with subText.
bool AnsiStartsText(std::string_view subText, std::string_view text);
bool AnsiEndsText(std::string_view subText, std::string_view text);
// Case-insensitive search; byte position of the first match or npos.
std::size_t AnsiPosText(std::string_view subText, std::string_view text);

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Single-byte lower-casing of an ASCII letter; other bytes are unchanged.
char LowerCaseChar(char c);
char UpperCaseChar(char c);

// Trimming removes every byte <= ' ' (blanks and control characters).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

std::string IntToStr(long long value);
// Decimal text with an optional sign and leading blanks, within the 32-bit
// range; anything else raises EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view s);
bool TryStrToInt(std::string_view s, int& value);
int StrToIntDef(std::string_view s, int defaultValue);

// A letter or underscore followed by letters, digits and underscores (ASCII).
// With allowDots, dot-separated parts must each be valid.
bool IsValidIdent(std::string_view ident, bool allowDots = false);

enum class TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = unsigned;
constexpr TReplaceFlags rfReplaceAll = static_cast<unsigned>(TReplaceFlag::rfReplaceAll);
constexpr TReplaceFlags rfIgnoreCase = static_cast<unsigned>(TReplaceFlag::rfIgnoreCase);
// Replaces oldPattern by newPattern; only the first match unless rfReplaceAll.
std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags = rfReplaceAll);

// The longest prefix of text that has at most maxBytes bytes and does not end
// inside a UTF-8 character.
std::string CutUtf8(std::string_view text, std::size_t maxBytes);

// UTF-8 helpers used by the case rules; also useful to scanners.
// Decodes the character at pos and advances pos; an invalid byte is returned
// as itself (0x80..0xFF) and pos advances by one.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);
char32_t UnicodeUpper(char32_t cp);
char32_t UnicodeLower(char32_t cp);

// ---- Format ------------------------------------------------------------------
// Typesafe Format: %d takes an integral value, %s a string or a C string, %%
// prints a percent sign. A width (e.g. %5d, %-10s) is honoured. A directive that
// does not match its argument, or a missing argument, raises EConvertError.
using FormatArg = std::variant<long long, std::string>;

std::string FormatArgs(std::string_view format, const std::vector<FormatArg>& args);

namespace vn_format_detail {
template <class T>
FormatArg ToFormatArg(const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return static_cast<long long>(value);
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
        return static_cast<long long>(value);
    } else {
        return std::string(std::string_view(value));
    }
}
}  // namespace vn_format_detail

template <class... A>
std::string Format(std::string_view format, const A&... args) {
    return FormatArgs(format, std::vector<FormatArg>{vn_format_detail::ToFormatArg(args)...});
}
