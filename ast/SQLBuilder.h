#pragma once
// SQL text builders: nodes describe their text as a sequence of keywords,
// identifiers, symbols, numbers, strings, spaces and line breaks; a builder
// renders each kind of token and keeps the white space tidy (no space after
// white space, no line break at the start of a line).

#include <string>

#include "platform/core/Object.h"

class TastSyntaxProvider;
class TStream;

class TSQLBuilder : public TObject {
  VN_CLASS(TSQLBuilder, TObject)
 public:
  TSQLBuilder() = default;

  // True when nothing has been written since the last line break.
  bool AtLineStart = false;
  // True when the last thing written is white space or nothing was written.
  bool AfterSpace = false;

  void ResetBuilder();
  void NewLine();
  void NewLineOrSpace(bool ANewLine);
  void Space();
  void SpaceForce();
  void WriteKeyword(const std::string& Text);
  // Writes a name, quoted by the provider's rules when it is no plain
  // identifier or is a reserved word (see QuoteIdentifier).
  void WriteIdentifier(const std::string& Name, const TastSyntaxProvider* SyntaxProvider);
  // Writes an alias name: as WriteIdentifier, and a string literal written as
  // the alias ('e') is kept as it is.
  void WriteAlias(const std::string& Name, const TastSyntaxProvider* SyntaxProvider);
  // Writes the name of a function or aggregate: a plain identifier stays bare
  // even when it is a reserved word (COUNT, CURRENT_DATE, UPPER).
  void WriteFunctionName(const std::string& Name, const TastSyntaxProvider* SyntaxProvider);
  void WriteSymbol(const std::string& Text);
  void WriteNumber(const std::string& Text);
  void WriteString(const std::string& Text);

 protected:
  virtual void ResetBuilderInternal() = 0;
  virtual void SpaceInternal() = 0;
  virtual void NewLineInternal() = 0;
  virtual void WriteKeywordInternal(const std::string& Text) = 0;
  virtual void WriteIdentifierInternal(const std::string& Text) = 0;
  virtual void WriteSymbolInternal(const std::string& Text) = 0;
  virtual void WriteNumberInternal(const std::string& Text) = 0;
  virtual void WriteStringInternal(const std::string& Text) = 0;

 private:
  void Written();
};

// A builder writing into a byte stream it does not own.
class TSQLBuilderStream : public TSQLBuilder {
  VN_CLASS_FAMILY(TSQLBuilderStream, TStream*)
  VN_CLASS(TSQLBuilderStream, TSQLBuilder)
 public:
  explicit TSQLBuilderStream(TStream* AStream) : Stream(AStream) {}

  TStream* Stream = nullptr;

  // Writes the bytes of Text at the stream's position.
  void WriteString(const std::string& Text);

 protected:
  // Truncates the stream to empty.
  void ResetBuilderInternal() override;
};

// Plain SQL text for a database.
class TSQLBuilderPlainText : public TSQLBuilderStream {
  VN_CLASS(TSQLBuilderPlainText, TSQLBuilderStream)
 public:
  using TSQLBuilderStream::TSQLBuilderStream;

  std::string NewLineText = "\r\n";

 protected:
  void SpaceInternal() override;
  void NewLineInternal() override;
  void WriteKeywordInternal(const std::string& Text) override;
  void WriteIdentifierInternal(const std::string& Text) override;
  void WriteSymbolInternal(const std::string& Text) override;
  void WriteNumberInternal(const std::string& Text) override;
  void WriteStringInternal(const std::string& Text) override;
};

// SQL text marked up for display: keywords bold and lower case, identifiers
// italic, symbols coloured. Every text is escaped for HTML; numbers and
// string literals are written as escaped text without mark-up.
class TSQLBuilderHTML : public TSQLBuilderStream {
  VN_CLASS(TSQLBuilderHTML, TSQLBuilderStream)
 public:
  using TSQLBuilderStream::TSQLBuilderStream;

  std::string KeywordBegin = "<b>";
  std::string KeywordEnd = "</b>";
  std::string IdentifierBegin = "<i>";
  std::string IdentifierEnd = "</i>";
  std::string SymbolBegin = "<font color=#7f7fff>";
  std::string SymbolEnd = "</font>";

  // Text with & < > " replaced by their character references.
  static std::string EscapeHTML(const std::string& Text);

 protected:
  void SpaceInternal() override;
  void NewLineInternal() override;
  void WriteKeywordInternal(const std::string& Text) override;
  void WriteIdentifierInternal(const std::string& Text) override;
  void WriteSymbolInternal(const std::string& Text) override;
  void WriteNumberInternal(const std::string& Text) override;
  void WriteStringInternal(const std::string& Text) override;
};
