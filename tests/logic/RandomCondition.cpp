#include "RandomCondition.h"

namespace {

const char* const kComparisons[] = {"=", "<>", "<", "<=", ">", ">="};
const char* const kTexts[] = {"'a'", "'ab'", "'b'", "'c'"};
const char* const kPatterns[] = {"'a%'", "'%b'", "'_b'", "'a'", "'%'", "'a_'", "'__'"};

}  // namespace

RandomConditionMaker::RandomConditionMaker(TastSyntaxProvider* AProvider, unsigned Seed)
    : P(AProvider), Random(Seed) {
  ExistsTemplates[0] = ParseCondition("EXISTS (SELECT 1 FROM t1)");
  ExistsTemplates[1] = ParseCondition("EXISTS (SELECT x FROM t2 WHERE y = 1)");
}

int RandomConditionMaker::Pick(int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(Random); }
bool RandomConditionMaker::Chance(int Percent) { return Pick(100) < Percent; }

TSQLExpressionItem* RandomConditionMaker::Condition(int Depth) { return Condition(Depth, Place::Top); }

TSQLExpressionItem* RandomConditionMaker::Condition(int Depth, Place Where) {
  if (Depth <= 0 || Chance(30)) return Chance(10) ? Bracketed(Predicate()) : Predicate();
  switch (Pick(3)) {
    case 0:
      return Collection(Depth, true, Where);
    case 1:
      return Collection(Depth, false, Where);
    default: {
      TSQLExpressionItem* negation = TSQLExpressionNot::Create(P, Condition(Depth - 1, Place::UnderNot));
      return Chance(15) ? Bracketed(negation) : negation;
    }
  }
}

TSQLExpressionItem* RandomConditionMaker::Collection(int Depth, bool IsAnd, Place Where) {
  TSQLExpressionLogicalCollection* collection = nullptr;
  if (IsAnd)
    collection = TSQLExpressionAnd::Create(P);
  else
    collection = TSQLExpressionOr::Create(P);
  const int count = 2 + Pick(2);
  for (int i = 0; i < count; ++i) collection->Add(Condition(Depth - 1, IsAnd ? Place::InAnd : Place::InOr));
  const bool needsBrackets = Where == Place::UnderNot || (!IsAnd && Where == Place::InAnd);
  return needsBrackets || Chance(20) ? Bracketed(collection) : collection;
}

TSQLExpressionItem* RandomConditionMaker::Predicate() {
  switch (Pick(8)) {
    case 0:
    case 1:
    case 2:
      return Comparison();
    case 3:
      return InList();
    case 4:
      return BetweenRange();
    case 5:
      return NullTest();
    case 6:
      return LikeTest();
    default:
      return ExistsTest();
  }
}

TSQLExpressionItem* RandomConditionMaker::Comparison() {
  TSQLExpressionItem* left = nullptr;
  TSQLExpressionItem* right = nullptr;
  switch (Pick(4)) {
    case 0:
      left = IntColumn();
      right = IntColumn();
      break;
    case 1:
      left = IntConstant();
      right = IntColumn();
      break;
    case 2:
      left = Column("s");
      right = Literal(kTexts[Pick(4)]);
      break;
    default:
      left = IntColumn();
      right = IntConstant();
      break;
  }
  auto* node = TSQLExpressionOperatorBinary::Create(P, left, std::string(kComparisons[Pick(6)]));
  node->RightExpression = right;
  return node;
}

TSQLExpressionItem* RandomConditionMaker::InList() {
  auto* node = TSQLExpressionInSet::Create(P, IntColumn());
  node->Negated = Chance(40);
  node->Values = TSQLExpressionsList::Create(P);
  const int count = 1 + Pick(3);
  for (int i = 0; i < count; ++i) node->Values->Add(IntConstant());
  return node;
}

TSQLExpressionItem* RandomConditionMaker::BetweenRange() {
  auto* node = TSQLExpressionBetween::Create(P, IntColumn());
  node->Negated = Chance(40);
  node->LowExpression = Chance(25) ? IntColumn() : IntConstant();
  node->HighExpression = IntConstant();
  return node;
}

TSQLExpressionItem* RandomConditionMaker::NullTest() {
  auto* node = TSQLExpressionIsNull::Create(P, Chance(25) ? Column("s") : IntColumn());
  node->Negated = Chance(50);
  return node;
}

TSQLExpressionItem* RandomConditionMaker::LikeTest() {
  auto* node = TSQLExpressionLikeTemplate::Create(P, Column("s"));
  node->Operation = "Like";
  node->Negated = Chance(40);
  node->Pattern = Literal(kPatterns[Pick(7)]);
  return node;
}

TSQLExpressionItem* RandomConditionMaker::ExistsTest() { return ExistsTemplates[Pick(2)]->Clone(); }

TSQLExpressionItem* RandomConditionMaker::IntColumn() { return Column(std::string(1, static_cast<char>('a' + Pick(3)))); }

TSQLExpressionItem* RandomConditionMaker::Column(const std::string& Name) {
  auto* column = TSQLExpressionColumn::Create(P);
  column->Column = TSQLObjectColumn::Create(P);
  column->Column->AddName(Name);
  return column;
}

TSQLExpressionItem* RandomConditionMaker::IntConstant() {
  return Literal(Chance(8) ? std::string("NULL") : std::to_string(Pick(4)));
}

TSQLExpressionItem* RandomConditionMaker::Literal(const std::string& Text) {
  return TSQLExpressionConstant::Create(P, Variant(Text));
}

TSQLExpressionItem* RandomConditionMaker::Bracketed(TSQLExpressionItem* Item) {
  return TSQLExpressionBrackets::Create(P, Item);
}
