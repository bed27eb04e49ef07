#include "ast/SQLBuilder.h"

#include "ast/IdentifierQuoting.h"
#include "platform/core/Streams.h"
#include "platform/core/Strings.h"

// ---- TSQLBuilder ------------------------------------------------------------------

void TSQLBuilder::Written() {
  AtLineStart = false;
  AfterSpace = false;
}

void TSQLBuilder::ResetBuilder() {
  ResetBuilderInternal();
  AtLineStart = true;
  AfterSpace = true;
}

void TSQLBuilder::NewLine() {
  if (!AtLineStart) NewLineInternal();
  AtLineStart = true;
  AfterSpace = true;
}

void TSQLBuilder::NewLineOrSpace(bool ANewLine) {
  if (ANewLine)
    NewLine();
  else
    Space();
}

void TSQLBuilder::Space() {
  if (!AfterSpace) SpaceInternal();
  AfterSpace = true;
}

void TSQLBuilder::SpaceForce() {
  SpaceInternal();
  AfterSpace = true;
}

void TSQLBuilder::WriteKeyword(const std::string& Text) {
  WriteKeywordInternal(Text);
  Written();
}

void TSQLBuilder::WriteIdentifier(const std::string& Name, const TastSyntaxProvider* SyntaxProvider) {
  WriteIdentifierInternal(QuoteIdentifier(Name, SyntaxProvider));
  Written();
}

void TSQLBuilder::WriteAlias(const std::string& Name, const TastSyntaxProvider* SyntaxProvider) {
  WriteIdentifierInternal(QuoteIdentifier(Name, SyntaxProvider, true));
  Written();
}

void TSQLBuilder::WriteFunctionName(const std::string& Name, const TastSyntaxProvider* SyntaxProvider) {
  WriteIdentifierInternal(IsPlainIdentifier(Name) ? Name : QuoteIdentifier(Name, SyntaxProvider));
  Written();
}

void TSQLBuilder::WriteSymbol(const std::string& Text) {
  WriteSymbolInternal(Text);
  Written();
}

void TSQLBuilder::WriteNumber(const std::string& Text) {
  WriteNumberInternal(Text);
  Written();
}

void TSQLBuilder::WriteString(const std::string& Text) {
  WriteStringInternal(Text);
  Written();
}

// ---- TSQLBuilderStream ------------------------------------------------------------

void TSQLBuilderStream::WriteString(const std::string& Text) {
  if (!Text.empty()) Stream->WriteBuffer(Text.data(), static_cast<std::int64_t>(Text.size()));
}

void TSQLBuilderStream::ResetBuilderInternal() {
  Stream->SetPosition(0);
  Stream->SetSize(0);
}

// ---- TSQLBuilderPlainText ---------------------------------------------------------

// The blank and the line break go through the public symbol writer, so a
// blank leaves AtLineStart false.
void TSQLBuilderPlainText::SpaceInternal() { WriteSymbol(" "); }
void TSQLBuilderPlainText::NewLineInternal() { WriteSymbol(NewLineText); }
void TSQLBuilderPlainText::WriteKeywordInternal(const std::string& Text) { WriteString(Text); }
void TSQLBuilderPlainText::WriteIdentifierInternal(const std::string& Text) { WriteString(Text); }
void TSQLBuilderPlainText::WriteSymbolInternal(const std::string& Text) { WriteString(Text); }
void TSQLBuilderPlainText::WriteNumberInternal(const std::string& Text) { WriteString(Text); }
void TSQLBuilderPlainText::WriteStringInternal(const std::string& Text) { WriteString(Text); }

// ---- TSQLBuilderHTML --------------------------------------------------------------

std::string TSQLBuilderHTML::EscapeHTML(const std::string& Text) {
  std::string out;
  out.reserve(Text.size());
  for (char c : Text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void TSQLBuilderHTML::SpaceInternal() { WriteString(" "); }
void TSQLBuilderHTML::NewLineInternal() { WriteString("<br/>"); }

void TSQLBuilderHTML::WriteKeywordInternal(const std::string& Text) {
  WriteString(KeywordBegin + EscapeHTML(AnsiLowerCase(Text)) + KeywordEnd);
}

void TSQLBuilderHTML::WriteIdentifierInternal(const std::string& Text) {
  WriteString(IdentifierBegin + EscapeHTML(Text) + IdentifierEnd);
}

void TSQLBuilderHTML::WriteSymbolInternal(const std::string& Text) {
  WriteString(SymbolBegin + EscapeHTML(Text) + SymbolEnd);
}

void TSQLBuilderHTML::WriteNumberInternal(const std::string& Text) { WriteString(EscapeHTML(Text)); }
void TSQLBuilderHTML::WriteStringInternal(const std::string& Text) { WriteString(EscapeHTML(Text)); }
