#include "ast/SimpleText.h"

#include "ast/SQLBuilder.h"
#include "platform/core/Streams.h"

namespace {

// The shared stream and the builder over it, made on first use and freed at
// program end in the reverse order.
struct SimpleTextState {
  TStringStream Stream;
  TSQLBuilderPlainText* Builder = TSQLBuilderPlainText::Create(&Stream);
  ~SimpleTextState() { Builder->Free(); }
};

SimpleTextState& State() {
  static SimpleTextState state;
  return state;
}

}  // namespace

TSQLBuilderPlainText* ResetSimpleTextBuilder() {
  TSQLBuilderPlainText* builder = State().Builder;
  builder->ResetBuilder();
  return builder;
}

std::string SimpleTextBuilderContent() { return State().Stream.DataString(); }
