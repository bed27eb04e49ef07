#pragma once
// How a name is written into SQL text so that it reads back as the same name
// and can never end its quotes early.

#include <string>

class TastSyntaxProvider;

// Not empty, an ASCII letter or "_" first, then ASCII letters, digits or "_".
bool IsPlainIdentifier(const std::string& Name);

// One complete quoted token as the scanner reads it: runs of "..." written
// back to back (a doubled quote inside), or runs of [...] back to back.
bool IsQuotedIdentifierToken(const std::string& Name);

// One complete string literal: runs of '...' written back to back.
bool IsStringLiteralToken(const std::string& Name);

// The text that stands for Name in SQL:
// - a plain identifier that is not a reserved word of the provider: unchanged;
// - a complete quoted identifier token (or, with AllowStringLiteral, a complete
//   string literal): unchanged, it is already quoted;
// - anything else: the provider's opening quote, Name with every closing-quote
//   string doubled, the closing quote. Without a provider the quotes are "".
// A provider whose quote strings are empty writes such names bare.
std::string QuoteIdentifier(const std::string& Name, const TastSyntaxProvider* SyntaxProvider,
                            bool AllowStringLiteral = false);
