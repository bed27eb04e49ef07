#include "ParseFixture.h"

#include "apps/vnqb/NodeDescription.h"

namespace {

std::string ShortName(const std::string& className) {
  for (const char* prefix : {"TSQLExpression", "TSQL"})
    if (className.rfind(prefix, 0) == 0 && className.size() > std::string(prefix).size())
      return className.substr(std::string(prefix).size());
  return className;
}

// The fields of DescribeNode's line, without the class name.
std::string FieldsOf(TastExtender* node) {
  std::string line = DescribeNode(node);
  size_t blank = line.find(' ');
  return blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

}  // namespace

std::string TreeText(TastExtender* node) {
  if (node == nullptr) return "null";
  const std::string name = node->ClassName();
  TastChildList children;
  node->GetMyChildren(children);
  if (name == "TSQLObjectColumn" || name == "TSQLOperator" || name == "TSQLExpressionConstant") {
    std::string fields = FieldsOf(node);
    return fields.substr(fields.find('=') + 1);
  }
  if (name == "TSQLExpressionColumn" && children.size() == 1) return TreeText(children[0]);
  std::string text = ShortName(name);
  std::string fields = FieldsOf(node);
  if (!fields.empty()) text += "{" + fields + "}";
  if (!children.empty()) {
    text += "(";
    for (size_t i = 0; i < children.size(); ++i) text += (i > 0 ? " " : "") + TreeText(children[i]);
    text += ")";
  }
  return text;
}

OwnedTree SQL92ParseTest::Parse(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options) {
  return OwnedTree(
      vnParseText(provider_, *provider_->GetScannerClass(), *provider_->GetParserClass(), text, entry, options));
}

ParseOutcome SQL92ParseTest::Outcome(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options) {
  return Run(entry, text, options, true);
}

ParseOutcome SQL92ParseTest::Verdict(TvnParseEntry entry, const std::string& text) {
  return Run(entry, text, {}, false);
}

ParseOutcome SQL92ParseTest::Run(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options,
                                 bool render) {
  ParseOutcome outcome;
  try {
    OwnedTree tree = Parse(entry, text, options);
    outcome.Ok = true;
    if (render) outcome.Tree = TreeText(tree.get());
  } catch (const EvnSQLError& error) {
    outcome.Message = error.Message();
    outcome.Line = error.Line;
    outcome.Col = error.Col;
    outcome.Token = error.TokenText;
  }
  return outcome;
}

std::string SQL92ParseTest::Print(TvnParseEntry entry, const std::string& text, const TvnParseOptions& options) {
  return Parse(entry, text, options)->GetSimpleSQL();
}
