#include "LogicTestSupport.h"

TastSyntaxProvider* SQL92() {
  struct Holder {
    Holder() : Provider(TastSQL92SyntaxProvider::Create()) {}
    ~Holder() { Provider->Free(); }
    TastSyntaxProvider* Provider;
  };
  static Holder holder;
  return holder.Provider;
}

NodePtr<TSQLExpressionItem> ParseCondition(const std::string& Text, bool RequireLeftOperand) {
  return NodePtr<TSQLExpressionItem>(SQL92()->ParseLogicalExpression(Text, RequireLeftOperand));
}

std::string Text(TastNode* Node) { return Node ? Node->GetSimpleSQL() : "<null>"; }
