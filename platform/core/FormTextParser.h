#pragma once
// TParser: the tokenizer of form-file text.
//
// Tokens: toSymbol (an identifier), toString (one or more quoted pieces and
// #nnn character codes written together, e.g. 'It''s'#13#10'ok', as one
// string), toInteger (decimal or $hex, with an optional leading '-'), toEOF,
// and any other character as itself ('=', ':', '.', ',', '[', ']', '+', '{').
// Errors raise EParserError "<message> on line <n>".
#include <cstdint>
#include <string>
#include <string_view>

class TParser {
public:
    static constexpr char toEOF = 0;
    static constexpr char toSymbol = 1;
    static constexpr char toString = 2;
    static constexpr char toInteger = 3;

    explicit TParser(std::string_view text);

    char Token() const noexcept { return FToken; }
    // The symbol, the decoded string, or the integer's text.
    const std::string& TokenString() const noexcept { return FTokenString; }
    std::int64_t TokenInt() const;
    bool TokenSymbolIs(std::string_view symbol) const;
    int SourceLine() const noexcept { return FTokenLine; }

    char NextToken();
    void CheckToken(char token) const;
    void CheckTokenSymbol(std::string_view symbol) const;
    // With the current token '{', reads hexadecimal digits (white space
    // allowed) up to '}' and returns the bytes; the next token follows.
    std::string ReadBinary();
    [[noreturn]] void Error(std::string_view message) const;

private:
    void SkipBlanks();
    void ReadString();

    std::string_view FText;
    std::size_t FPos = 0;
    int FLine = 1;
    int FTokenLine = 1;
    char FToken = toEOF;
    std::string FTokenString;
};
