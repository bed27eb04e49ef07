#include "apps/vnqb/CommandSupport.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "ast/Node.h"
#include "ast/SyntaxProvider.h"
#include "parser/SQLError.h"

std::string ReadInputText(const std::string& file) {
  if (file.empty() || file == "-") {
    std::ostringstream text;
    text << std::cin.rdbuf();
    return text.str();
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw UsageError{"cannot read " + file};
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ParseTarget ParseTargetNamed(const std::string& name) {
  static const struct {
    const char* Name;
    ParseTarget Target;
  } kTargets[] = {
      {"select", {TvnParseEntry::Select, true}},
      {"expression", {TvnParseEntry::Expression, true}},
      {"condition", {TvnParseEntry::LogicalExpression, true}},
      {"criteria", {TvnParseEntry::LogicalExpression, false}},
      {"object", {TvnParseEntry::ObjectName, true}},
      {"select-item", {TvnParseEntry::SelectItem, true}},
  };
  for (const auto& target : kTargets)
    if (name == target.Name) return target.Target;
  throw UsageError{"unknown entry point '" + name + "' for --as"};
}

TastNode* ParseForCommand(TastSyntaxProvider* provider, const std::string& text, const ParseTarget& target) {
  TvnParseOptions options;
  options.RequireLeftOperand = target.RequireLeftOperand;
  try {
    return vnParseText(provider, *provider->GetScannerClass(), *provider->GetParserClass(), text, target.Entry,
                       options);
  } catch (const EvnSQLError& error) {
    std::fprintf(stderr, "line %d, col %d: %s at '%s'\n", error.Line, error.Col, error.Message().c_str(),
                 error.TokenText.c_str());
    return nullptr;
  }
}

ParsedArguments SplitArguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                               const std::vector<std::string>& flagOptions) {
  ParsedArguments parsed;
  bool haveFile = false;
  auto known = [](const std::vector<std::string>& list, const std::string& arg) {
    return std::find(list.begin(), list.end(), arg) != list.end();
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (known(valueOptions, arg)) {
      if (i + 1 == args.size()) throw UsageError{arg + " needs a value"};
      parsed.Options.emplace_back(arg, args[++i]);
    } else if (known(flagOptions, arg)) {
      parsed.Options.emplace_back(arg, "");
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError{"unknown option " + arg};
    } else {
      if (haveFile) throw UsageError{"more than one input file"};
      parsed.File = arg;
      haveFile = true;
    }
  }
  return parsed;
}
