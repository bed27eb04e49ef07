// vnqb tree: the syntax tree, one node per line, indented two blanks per level.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "apps/vnqb/Command.h"
#include "apps/vnqb/CommandSupport.h"
#include "apps/vnqb/NodeDescription.h"
#include "apps/vnqb/SQL92Session.h"
#include "ast/Node.h"

namespace {

// Walks the tree depth-first with an explicit stack, so deep trees print too.
void PrintTree(TastNode* root) {
  std::vector<std::pair<TastExtender*, int>> pending{{root, 0}};
  while (!pending.empty()) {
    auto [node, level] = pending.back();
    pending.pop_back();
    std::printf("%s%s\n", std::string(static_cast<size_t>(level) * 2, ' ').c_str(), DescribeNode(node).c_str());
    TastChildList children;
    node->GetMyChildren(children);
    for (auto child = children.rbegin(); child != children.rend(); ++child)
      if (*child != nullptr) pending.emplace_back(*child, level + 1);
  }
}

int RunTree(const std::vector<std::string>& args) {
  ParsedArguments parsed = SplitArguments(args, {"--as"}, {});
  ParseTarget target;
  for (const auto& option : parsed.Options) target = ParseTargetNamed(option.second);
  const std::string text = ReadInputText(parsed.File);
  SQL92Session session;
  TastNode* tree = ParseForCommand(session.Provider(), text, target);
  if (tree == nullptr) return kExitFailure;
  PrintTree(tree);
  FreeNode(tree);
  return kExitOk;
}

}  // namespace

const VnqbCommand TreeCommand = {
    "tree", "vnqb tree [--as select|expression|condition|criteria|object|select-item] [FILE]\n", RunTree};
