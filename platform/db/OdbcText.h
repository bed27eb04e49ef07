#pragma once
#include <sql.h>
#include <sqlucode.h>

#include <string>
#include <string_view>

namespace odbc {

// Text crosses the ODBC boundary as UTF-16 (the driver manager's wide API), so names and
// statements with non-ASCII letters reach every driver unchanged; inside the system text
// is UTF-8.
using WideString = std::basic_string<SQLWCHAR>;

WideString ToWide(std::string_view utf8);
std::string FromWide(const SQLWCHAR* text, size_t length);
inline std::string FromWide(const WideString& text) { return FromWide(text.data(), text.size()); }

// The length of the NUL-terminated text in Buffer, at most Limit characters. Lengths that
// drivers report for wide output are not always in characters (the driver manager passes
// on the byte count of drivers that work in UTF-8), so output is measured by its terminator.
size_t TerminatedLength(const SQLWCHAR* buffer, size_t limit);

}  // namespace odbc
