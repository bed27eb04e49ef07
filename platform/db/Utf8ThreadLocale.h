#pragma once
// Switches the calling thread to a UTF-8 character-type locale for the lifetime of the
// guard (the process locale is untouched).
//
// The ODBC driver manager converts between the wide API and drivers that only take 8-bit
// text (the SQLite driver) with the character set of the calling thread's locale, fixed
// when a connection is made. Connecting under this guard makes that conversion UTF-8.
#include <clocale>
#include <locale.h>

class TUtf8ThreadLocale {
public:
    TUtf8ThreadLocale() : FLocale(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
        if (FLocale) FPrevious = uselocale(FLocale);
    }
    ~TUtf8ThreadLocale() {
        if (!FLocale) return;
        uselocale(FPrevious);
        freelocale(FLocale);
    }
    TUtf8ThreadLocale(const TUtf8ThreadLocale&) = delete;
    TUtf8ThreadLocale& operator=(const TUtf8ThreadLocale&) = delete;

private:
    locale_t FLocale;
    locale_t FPrevious = nullptr;
};
