#pragma once
// Holds a string list in its update state for the lifetime of the guard, so the bracket is
// closed on every path, also when an exception passes through.
#include "platform/core/Classes.h"

class TStringsUpdateBracket {
public:
    explicit TStringsUpdateBracket(TStrings* strings) : FStrings(strings) { FStrings->BeginUpdate(); }
    ~TStringsUpdateBracket() { FStrings->EndUpdate(); }
    TStringsUpdateBracket(const TStringsUpdateBracket&) = delete;
    TStringsUpdateBracket& operator=(const TStringsUpdateBracket&) = delete;

private:
    TStrings* FStrings;
};
