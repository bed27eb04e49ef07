#include "platform/db/OdbcText.h"

#include "platform/core/Strings.h"

namespace odbc {

WideString ToWide(std::string_view utf8) {
    WideString out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = DecodeUtf8(utf8, i);
        if (cp > 0x10FFFF) {
            out += static_cast<SQLWCHAR>(0xFFFD);
        } else if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            out += static_cast<SQLWCHAR>(0xD800 + (v >> 10));
            out += static_cast<SQLWCHAR>(0xDC00 + (v & 0x3FF));
        } else {
            out += static_cast<SQLWCHAR>(cp);
        }
    }
    return out;
}

std::string FromWide(const SQLWCHAR* text, size_t length) {
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

size_t TerminatedLength(const SQLWCHAR* buffer, size_t limit) {
    size_t length = 0;
    while (length < limit && buffer[length] != 0) ++length;
    return length;
}

}  // namespace odbc
