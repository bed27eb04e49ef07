// The extender registry and how extenders take part in printing, copying
// and the tree walks.

#include <gtest/gtest.h>

#include "AstTestSupport.h"

namespace {

// Prints its node between two marks and carries a piece of state.
class TMarkingExtender : public TastExtender {
  VNAST_NODE(TMarkingExtender, TastExtender)

  std::string Mark = "<";

  void Assign(const TPersistent* Source) override {
    TastExtender::Assign(Source);
    if (const auto* source = dynamic_cast<const TMarkingExtender*>(Source)) Mark = source->Mark;
  }
  void BuildSQLForNode(TastNode* Node, TSQLBuilder* Builder, bool MultiLine) override {
    Builder->WriteSymbol(Mark);
    TastExtender::BuildSQLForNode(Node, Builder, MultiLine);
    Builder->WriteSymbol(">");
  }
};

class TOtherExtender : public TMarkingExtender {
  VNAST_NODE(TOtherExtender, TMarkingExtender)
};

class TThirdExtender : public TMarkingExtender {
  VNAST_NODE(TThirdExtender, TMarkingExtender)
};

// Edits a list by appending a constant to the edited copy.
class TAppendingEditor : public TastExtender {
  VNAST_NODE(TAppendingEditor, TastExtender)

  bool EditPropsForNode(TastNode* Node, TObject*) override {
    static_cast<TSQLExpressionsList*>(Node)->Add(TSQLExpressionConstant::Create(SyntaxProvider, Variant("9")));
    return true;
  }
};

const ClassRef* ExtenderOf(TastNode* Node) { return Node->Extender ? Node->Extender->ClassType() : nullptr; }

TEST(Extenders, NearestRegistrationWins) {
  TTestSyntaxProvider provider;
  provider.RegisterExtender(TSQLExpressionColumn::StaticClass(), TThirdExtender::StaticClass());
  provider.RegisterExtender(TastNode::StaticClass(), TMarkingExtender::StaticClass());
  provider.RegisterExtender(TSQLExpressionItem::StaticClass(), TOtherExtender::StaticClass());
  TreeMaker m(&provider);

  NodePtr<TSQLExpressionColumn> column(m.Col({"a"}));
  NodePtr<TSQLExpressionConstant> constant(m.Num("1"));
  NodePtr<TSQLAlias> alias(TSQLAlias::Create(&provider));
  EXPECT_EQ(ExtenderOf(column.get()), TThirdExtender::StaticClass());
  EXPECT_EQ(ExtenderOf(constant.get()), TOtherExtender::StaticClass());
  EXPECT_EQ(ExtenderOf(alias.get()), TMarkingExtender::StaticClass());

  EXPECT_EQ(provider.FindExtenderClass(TSQLExpressionConstant::StaticClass(), false), nullptr);
  EXPECT_EQ(provider.FindExtenderClass(TSQLExpressionItem::StaticClass(), false), TOtherExtender::StaticClass());

  // A node with no provider has no extender.
  NodePtr<TSQLExpressionConstant> bare(TSQLExpressionConstant::Create(nullptr, Variant("1")));
  EXPECT_EQ(bare->Extender, nullptr);
  EXPECT_EQ(SingleLine(bare.get()), "1");
}

TEST(Extenders, DuplicateRegistration) {
  TTestSyntaxProvider provider;
  provider.RegisterExtender(TastNode::StaticClass(), TMarkingExtender::StaticClass());
  try {
    provider.RegisterExtender({TSQLAlias::StaticClass(), TastNode::StaticClass(), TSQLOperator::StaticClass()},
                              TOtherExtender::StaticClass());
    FAIL() << "a second registration for TastNode was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Extender for \"TastNode\" already registered!");
  }
  EXPECT_EQ(provider.FindExtenderClass(TSQLAlias::StaticClass(), false), TOtherExtender::StaticClass());
  EXPECT_EQ(provider.FindExtenderClass(TSQLOperator::StaticClass(), false), nullptr);
}

// Extenders apply at every depth, also along long operator chains.
TEST(Extenders, PrintAtEveryDepth) {
  TTestSyntaxProvider provider;
  provider.RegisterExtender(TSQLExpressionOperatorBinary::StaticClass(), TMarkingExtender::StaticClass());
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionItem> sum(m.Bin(m.Bin(m.Col({"a"}), "+", m.Col({"b"})), "+", m.Col({"c"})));
  EXPECT_EQ(SingleLine(sum.get()), "<<a+b>+c>");
}

TEST(Extenders, StateIsCopiedAndListedFirst) {
  TTestSyntaxProvider provider;
  provider.RegisterExtender(TSQLExpressionNot::StaticClass(), TMarkingExtender::StaticClass());
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionNot> node(TSQLExpressionNot::Create(&provider, m.Col({"a"})));
  static_cast<TMarkingExtender*>(node->Extender)->Mark = "[";

  TastChildList children;
  node->GetMyChildren(children);
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[0], node->Extender);
  EXPECT_EQ(children[1], node->Expression);

  NodePtr<TSQLExpressionItem> copy(node->Clone());
  EXPECT_EQ(SingleLine(copy.get()), "[Not a>");

  // Re-choosing the extender after a nearer registration keeps the state.
  provider.Extenders.clear();
  provider.RegisterExtender(TSQLExpressionNot::StaticClass(), TOtherExtender::StaticClass());
  node->UpdateExtender();
  EXPECT_EQ(ExtenderOf(node.get()), TOtherExtender::StaticClass());
  EXPECT_EQ(SingleLine(node.get()), "[Not a>");
  provider.Extenders.clear();
  node->UpdateExtender();
  EXPECT_EQ(node->Extender, nullptr);
  EXPECT_FALSE(node->EditProps(nullptr));
}

// An accepted edit replaces the node's content by the edited copy's.
TEST(Extenders, AcceptedEditReplacesTheContent) {
  TTestSyntaxProvider provider;
  provider.RegisterExtender(TSQLExpressionsList::StaticClass(), TAppendingEditor::StaticClass());
  TreeMaker m(&provider);
  NodePtr<TSQLExpressionsList> list(TSQLExpressionsList::Create(&provider));
  list->Add(m.Num("1"));
  list->Add(m.Num("2"));
  EXPECT_TRUE(list->EditProps(nullptr));
  EXPECT_EQ(SingleLine(list.get()), "1, 2, 9");
}

}  // namespace
