// vnqb format: parses the text and prints it again, multi-line (as the SQL
// builder components print it), on one line, or as HTML.

#include <cstdio>
#include <string>

#include "apps/vnqb/Command.h"
#include "apps/vnqb/CommandSupport.h"
#include "apps/vnqb/SQL92Session.h"
#include "ast/Node.h"
#include "ast/SQLBuilder.h"
#include "platform/core/Streams.h"

namespace {

enum class Layout { MultiLine, SingleLine, Html };

template <class TBuilder>
std::string Print(TastNode* tree, bool multiLine) {
  TStringStream stream;
  TBuilder* builder = New<TBuilder>(&stream);
  if constexpr (std::is_same_v<TBuilder, TSQLBuilderPlainText>) builder->NewLineText = "\n";
  try {
    tree->BuildSQL(builder, multiLine);
  } catch (...) {
    builder->Free();
    throw;
  }
  builder->Free();
  return stream.DataString();
}

int RunFormat(const std::vector<std::string>& args) {
  ParsedArguments parsed = SplitArguments(args, {"--as"}, {"--single-line", "--html"});
  ParseTarget target;
  Layout layout = Layout::MultiLine;
  for (const auto& [option, value] : parsed.Options) {
    if (option == "--as") {
      target = ParseTargetNamed(value);
    } else {
      if (layout != Layout::MultiLine) throw UsageError{"--single-line and --html exclude each other"};
      layout = option == "--html" ? Layout::Html : Layout::SingleLine;
    }
  }
  const std::string text = ReadInputText(parsed.File);
  SQL92Session session;
  TastNode* tree = ParseForCommand(session.Provider(), text, target);
  if (tree == nullptr) return kExitFailure;
  std::string output;
  try {
    switch (layout) {
      case Layout::MultiLine: output = Print<TSQLBuilderPlainText>(tree, true); break;
      case Layout::SingleLine: output = tree->GetSimpleSQL(); break;
      case Layout::Html: output = Print<TSQLBuilderHTML>(tree, true); break;
    }
  } catch (...) {
    FreeNode(tree);
    throw;
  }
  FreeNode(tree);
  std::printf("%s\n", output.c_str());
  return kExitOk;
}

}  // namespace

const VnqbCommand FormatCommand = {
    "format",
    "vnqb format [--as select|expression|condition|criteria|object|select-item] [--single-line | --html] [FILE]\n",
    RunFormat};
