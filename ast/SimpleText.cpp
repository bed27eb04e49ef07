#include "ast/SimpleText.h"

#include "ast/SQLBuilder.h"
#include "platform/core/Streams.h"

namespace {

// A stream with a plain-text builder over it; the builder is freed first.
struct PlainTextOutput {
  TStringStream Stream;
  TSQLBuilderPlainText* Builder = TSQLBuilderPlainText::Create(&Stream);
  bool Busy = false;
  ~PlainTextOutput() { Builder->Free(); }
};

// The shared output, made on first use and freed at program end.
PlainTextOutput& Shared() {
  static PlainTextOutput shared;
  return shared;
}

std::string PrintInto(PlainTextOutput& Output, const std::function<void(TSQLBuilder*)>& Print) {
  Output.Busy = true;
  try {
    Output.Builder->ResetBuilder();
    Print(Output.Builder);
  } catch (...) {
    Output.Busy = false;
    throw;
  }
  Output.Busy = false;
  return Output.Stream.DataString();
}

}  // namespace

std::string SimpleText(const std::function<void(TSQLBuilder* Builder)>& Print) {
  PlainTextOutput& shared = Shared();
  if (!shared.Busy) return PrintInto(shared, Print);
  PlainTextOutput own;
  return PrintInto(own, Print);
}
