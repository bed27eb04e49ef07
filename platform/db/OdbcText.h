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

}  // namespace odbc
