// The building pass of the SQL-92 grammar. Each function follows one rule of
// SQL92Grammar.cpp and reads the decision records of the chosen way in the
// order the way calculation made them: one record per option (1 taken),
// per repetition step (1 repeat, 0 stop) and per alternatives element (the
// alternative's number). Nodes under construction are held by Owned until
// their parent adopts them, so nothing leaks if building fails.

#include "parser/SQL92Parser.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ast/Expressions.h"
#include "ast/Names.h"
#include "ast/Statements.h"
#include "parser/SQL92Grammar.h"
#include "parser/SQL92Tokens.h"
#include "platform/core/Strings.h"

using namespace sql92;

namespace {

struct NodeFree {
  void operator()(TastExtender* node) const { FreeNode(node); }
};
template <class T>
using Owned = std::unique_ptr<T, NodeFree>;

class Builder {
 public:
  explicit Builder(TvnBaseParser& parser) : p_(parser), sp_(parser.SyntaxProvider) {}

  // ---- query statements ----
  template <class TStatement>
  Owned<TStatement> Statement() {
    auto statement = Make<TStatement>();
    QueryExpression(statement.get());
    if (Taken()) statement->OrderBy = OrderByClause().release();
    return statement;
  }

  void QueryExpression(TSQLSubQueryExpressions* target) {
    Owned<TSQLSubQueryExpression> first = SubQueryExpression();
    first->UnionOperator.clear();
    first->UnionAll = false;
    target->Add(first.release());
    while (Repeats()) {
      Choice();
      std::string op = p_.GetIn({kwUnion, kwExcept, kwIntersect}).val;
      bool all = Taken();
      if (all) p_.Get(kwAll);
      Owned<TSQLSubQueryExpression> term = SubQueryExpression();
      term->UnionOperator = op;
      term->UnionAll = all;
      target->Add(term.release());
    }
  }

  Owned<TSQLSubQueryExpression> SubQueryExpression() {
    if (Choice() == 0) return QuerySpecification();
    p_.Get(syLParen);
    auto group = Make<TSQLSubQueryExpressions>();
    QueryExpression(group.get());
    p_.Get(syRParen);
    return group;
  }

  Owned<TSQLSubQueryExpression> QuerySpecification() {
    auto block = Make<TSQLSubQuerySelectExpression>();
    p_.Get(kwSelect);
    if (Taken()) {
      if (Choice() == 0) block->SelectMode = Make<TSQLSubQuerySelectModeAll>().release();
      else block->SelectMode = Make<TSQLSubQuerySelectModeDistinct>().release();
      p_.GetIn({kwAll, kwDistinct});
    } else {
      block->SelectMode = Make<TSQLSubQuerySelectModeDefault>().release();
    }
    block->SelectItems = SelectList().release();
    if (Taken()) {
      auto from = Make<TSQLFromClause>();
      p_.Get(kwFrom);
      if (Taken()) TableSource(from.get());
      block->FromClause = from.release();
    }
    if (Taken()) {
      p_.Get(kwWhere);
      block->WhereExpression = ExpressionLogical().release();
    }
    if (Taken()) block->GroupBy = GroupByList().release();
    if (Taken()) {
      p_.Get(kwHaving);
      block->HavingExpression = ExpressionLogical().release();
    }
    return block;
  }

  Owned<TSQLSelectItems> SelectList() {
    auto items = Make<TSQLSelectItems>();
    if (Taken()) {
      items->Add(SelectItem().release());
      while (Repeats()) {
        p_.Get(syComma);
        items->Add(SelectItem().release());
      }
    }
    return items;
  }

  Owned<TSQLSelectItem> SelectItem() {
    switch (Choice()) {
      case 0:
        p_.Get(syStar);
        return Make<TSQLSelectItemAllColumns>();
      case 1: {
        auto item = Make<TSQLSelectItemExpression>();
        auto alias = Make<TSQLAliasAliasEqualsObject>();
        alias->Name = Alias();
        item->Alias = alias.release();
        p_.Get(syEqual);
        item->Expression = Expression().release();
        return item;
      }
      case 2: {
        auto item = Make<TSQLSelectItemAllTableColumns>();
        item->Table = DbObject().release();
        p_.Get(syDotStar);
        return item;
      }
      default: {
        auto item = Make<TSQLSelectItemExpression>();
        item->Expression = Expression().release();
        item->Alias = OptionalAlias().release();
        return item;
      }
    }
  }

  // alias1 / alias2: the text of one name or string-literal token.
  std::string Alias() {
    switch (Choice()) {
      case 0: return Identifier();
      case 1: return p_.Get(_ASCIIStringLiteral).val;
      default: return KeywordAsIdentifier();
    }
  }

  // [ ["as"] alias ]
  Owned<TSQLAlias> OptionalAlias() {
    if (!Taken()) return nullptr;
    return AliasWithOptionalAs();
  }

  Owned<TSQLAlias> AliasWithOptionalAs() {
    bool as = Taken();
    if (as) p_.Get(kwAs);
    Owned<TSQLAlias> node = as ? Owned<TSQLAlias>(Make<TSQLAliasObjectAsAlias>().release())
                               : Owned<TSQLAlias>(Make<TSQLAliasObjectAlias>().release());
    node->Name = Alias();
    return node;
  }

  void TableSource(TSQLFromItem* target) {
    target->Add(SubTableSource().release());
    while (Repeats()) target->Add(JoinedTable().release());
  }

  Owned<TSQLFromSource> SubTableSource() {
    switch (Choice()) {
      case 0: {
        p_.Get(syLParen);
        if (Choice() == 0) {
          auto group = Make<TSQLFromItem>();
          TableSource(group.get());
          p_.Get(syRParen);
          return group;
        }
        auto derived = Make<TSQLFromQuery>();
        derived->SubQuery = Statement<TSQLSubSelectStatement>().release();
        p_.Get(syRParen);
        derived->Alias = AliasWithOptionalAs().release();
        if (Taken()) {
          p_.Get(syLParen);
          derived->ColumnAliases.push_back(Alias());
          while (Repeats()) {
            p_.Get(syComma);
            derived->ColumnAliases.push_back(Alias());
          }
          p_.Get(syRParen);
        }
        return derived;
      }
      case 1: {
        auto source = Make<TSQLFromFunction>();
        source->Function = SQLFunction().release();
        source->Alias = OptionalAlias().release();
        return source;
      }
      default: {
        auto source = Make<TSQLFromObject>();
        source->DatabaseObject = DbObject().release();
        source->Alias = OptionalAlias().release();
        return source;
      }
    }
  }

  Owned<TSQLFromSource> JoinedTable() {
    switch (Choice()) {
      case 0:
        p_.Get(syComma);
        return SubTableSource();
      case 1: {
        p_.Get(kwCross);
        p_.Get(kwJoin);
        Owned<TSQLFromSource> source = SubTableSource();
        source->JoinKind = Make<TSQLJoinKindCross>().release();
        return source;
      }
      default: {
        // 0 inner (also a bare JOIN), 1 left, 2 right, 3 full.
        int kind = 0;
        bool outer = false;
        if (Taken()) {
          if (Choice() == 0) {
            p_.Get(kwInner);
          } else {
            kind = 1 + Choice();
            p_.GetIn({kwLeft, kwRight, kwFull});
            outer = Taken();
            if (outer) p_.Get(kwOuter);
          }
        }
        p_.Get(kwJoin);
        Owned<TSQLFromSource> source;
        if (Choice() == 0) {
          source = SubTableSource();
        } else {
          auto group = Make<TSQLFromItem>();
          TableSourceInner(group.get());
          source = std::move(group);
        }
        source->JoinKind = MakeJoinKind(kind, outer);
        p_.Get(kwOn);
        source->JoinCondition = ExpressionLogical().release();
        return source;
      }
    }
  }

  TSQLJoinKind* MakeJoinKind(int kind, bool outer) {
    if (kind == 0) return Make<TSQLJoinKindInner>().release();
    Owned<TSQLJoinKindOuter> side;
    if (kind == 1) side.reset(Make<TSQLJoinKindLeft>().release());
    else if (kind == 2) side.reset(Make<TSQLJoinKindRight>().release());
    else side.reset(Make<TSQLJoinKindFull>().release());
    side->Outer = outer;
    return side.release();
  }

  void TableSourceInner(TSQLFromItem* target) {
    target->Add(SubTableSource().release());
    target->Add(JoinedTable().release());
    while (Repeats()) target->Add(JoinedTable().release());
  }

  Owned<TSQLFunction> SQLFunction() {
    auto function = Make<TSQLFunction>();
    function->Name = DbObject().release();
    function->Params = Make<TSQLFunctionParams>().release();
    p_.Get(syLParen);
    if (Taken()) {
      AddParam(function.get());
      while (Repeats()) {
        p_.Get(syComma);
        AddParam(function.get());
      }
    }
    p_.Get(syRParen);
    return function;
  }

  void AddParam(TSQLFunction* function) {
    auto param = Make<TSQLFunctionParamExpression>();
    param->Expression = Expression().release();
    function->Params->Add(param.release());
  }

  // The qualifier groups [[[part "."] part "."] part "."]; each part's text
  // or an empty string for a skipped part, outermost first.
  void QualifierGroups(int levels, std::vector<std::string>& names) {
    if (!Taken()) return;
    if (levels > 1) QualifierGroups(levels - 1, names);
    names.push_back(Taken() ? Name() : std::string());
    p_.Get(syDot);
  }

  Owned<TSQLDatabaseObject> DbObject() {
    std::vector<std::string> names;
    QualifierGroups(3, names);
    names.push_back(Name());
    auto object = Make<TSQLDatabaseObject>();
    for (const std::string& name : names) object->AddName(name);
    return object;
  }

  Owned<TSQLObjectColumn> DbColumn() {
    std::vector<std::string> names;
    if (Taken()) {
      QualifierGroups(3, names);
      names.push_back(Name());
      p_.Get(syDot);
    }
    names.push_back(Name());
    auto column = Make<TSQLObjectColumn>();
    for (const std::string& name : names) column->AddName(name);
    return column;
  }

  Owned<TSQLGroupByList> GroupByList() {
    auto list = Make<TSQLGroupByList>();
    p_.Get(kwGroup);
    p_.Get(kwBy);
    list->Add(Expression().release());
    while (Repeats()) {
      p_.Get(syComma);
      list->Add(Expression().release());
    }
    return list;
  }

  Owned<TSQLOrderByClause> OrderByClause() {
    auto clause = Make<TSQLOrderByClause>();
    p_.Get(kwOrder);
    p_.Get(kwBy);
    clause->Add(OrderByItem().release());
    while (Repeats()) {
      p_.Get(syComma);
      clause->Add(OrderByItem().release());
    }
    return clause;
  }

  Owned<TSQLOrderByItem> OrderByItem() {
    auto item = Make<TSQLOrderByItem>();
    item->Expression = Expression().release();
    if (Taken()) {
      if (Choice() == 1) item->Order = obDesc;
      p_.GetIn({kwAsc, kwDesc});
    }
    return item;
  }

  // name = ( identifier | keywordAsIdentifier )
  std::string Name() { return Choice() == 0 ? Identifier() : KeywordAsIdentifier(); }

  std::string Identifier() {
    Choice();
    return p_.GetIn({_NonQuotedIdentifier, _QuotedIdentifier}).val;
  }

  std::string KeywordAsIdentifier() {
    Choice();
    const TvnToken& token = p_.Get();
    if (token.kind < kwFirstNonReserved || token.kind > kwLast)
      throw std::logic_error("building pass expected a non-reserved keyword");
    return token.val;
  }

  // ---- conditions ----
  Owned<TSQLExpressionItem> ExpressionLogical() {
    return Collection<TSQLExpressionOr>(kwOr, [this] { return ExpressionAnd(); });
  }

  Owned<TSQLExpressionItem> ExpressionAnd() {
    return Collection<TSQLExpressionAnd>(kwAnd, [this] { return ExpressionNot(); });
  }

  // operand { word operand }: the operand alone, or one collection of all.
  template <class TCollection, class Operand>
  Owned<TSQLExpressionItem> Collection(int32_t word, Operand operand) {
    Owned<TSQLExpressionItem> first = operand();
    if (!Repeats()) return first;
    auto collection = Make<TCollection>();
    collection->Add(first.release());
    do {
      p_.Get(word);
      collection->Add(operand().release());
    } while (Repeats());
    return collection;
  }

  Owned<TSQLExpressionItem> ExpressionNot() {
    if (Choice() != 0) return ExpressionLogicalTerm();
    p_.Get(kwNot);
    auto node = Make<TSQLExpressionNot>();
    node->Expression = ExpressionNot().release();
    return node;
  }

  Owned<TSQLExpressionItem> ExpressionLogicalTerm() {
    switch (Choice()) {
      case 0: {
        p_.Get(syLParen);
        auto brackets = Make<TSQLExpressionBrackets>();
        brackets->Expression = ExpressionLogical().release();
        p_.Get(syRParen);
        return brackets;
      }
      case 1: {
        Owned<TSQLExpressionItem> left;
        if (Choice() == 1) left = Expression();
        return Predicate(std::move(left));
      }
      default: {
        p_.Get(kwExists);
        p_.Get(syLParen);
        auto exists = Make<TSQLExpressionExists>();
        exists->SubQuery = Statement<TSQLSubSelectStatement>().release();
        p_.Get(syRParen);
        return exists;
      }
    }
  }

  // ["not"] before LIKE, BETWEEN and IN.
  bool OptionalNot() {
    bool negated = Taken();
    if (negated) p_.Get(kwNot);
    return negated;
  }

  Owned<TSQLExpressionItem> Predicate(Owned<TSQLExpressionItem> left) {
    switch (Choice()) {
      case 0: {
        Owned<TSQLOperator> op = ComparisonOperator();
        if (Choice() == 0) {
          auto node = Make<TSQLExpressionOperatorBinary>(left.release(), op.release());
          node->RightExpression = Expression().release();
          return node;
        }
        return CompWithSet(std::move(left), std::move(op));
      }
      case 1: {
        p_.Get(kwIs);
        auto node = Make<TSQLExpressionIsNull>(left.release());
        node->Negated = OptionalNot();
        p_.Get(kwNull);
        return node;
      }
      case 2: {
        auto node = Make<TSQLExpressionLikeTemplate>(left.release());
        node->Operation = "Like";
        node->Negated = OptionalNot();
        p_.Get(kwLike);
        node->Pattern = Expression().release();
        if (Taken()) {
          p_.Get(kwEscape);
          node->EscapeExpression = Expression().release();
        }
        return node;
      }
      case 3: {
        auto node = Make<TSQLExpressionBetween>(left.release());
        node->Negated = OptionalNot();
        p_.Get(kwBetween);
        node->LowExpression = Expression().release();
        p_.Get(kwAnd);
        node->HighExpression = Expression().release();
        return node;
      }
      default: {
        bool negated = OptionalNot();
        p_.Get(kwIn);
        p_.Get(syLParen);
        Owned<TSQLExpressionItem> result;
        if (Choice() == 0) {
          auto node = Make<TSQLExpressionInSubQuery>(left.release());
          node->Negated = negated;
          node->SubQuery = Statement<TSQLSubSelectStatement>().release();
          result = std::move(node);
        } else {
          auto node = Make<TSQLExpressionInSet>(left.release());
          node->Negated = negated;
          node->Values = ExpressionsList().release();
          result = std::move(node);
        }
        p_.Get(syRParen);
        return result;
      }
    }
  }

  Owned<TSQLOperator> ComparisonOperator() {
    Choice();
    return Make<TSQLOperator>(p_.GetIn({syEqual, syNotEqual, syBangEqual, syLessEqual, syNotGreater, syLess,
                                        syGreaterEqual, syNotLess, syGreater})
                                  .val);
  }

  Owned<TSQLExpressionItem> CompWithSet(Owned<TSQLExpressionItem> left, Owned<TSQLOperator> op) {
    auto node = Make<TSQLExpressionCompWithSubQuery>(left.release(), op.release());
    node->Quantifier = static_cast<uint8_t>(Choice());
    p_.GetIn({kwAll, kwSome, kwAny});
    p_.Get(syLParen);
    node->SubQuery = Statement<TSQLSubSelectStatement>().release();
    p_.Get(syRParen);
    return node;
  }

  Owned<TSQLExpressionsList> ExpressionsList() {
    auto list = Make<TSQLExpressionsList>();
    list->Add(Expression().release());
    while (Repeats()) {
      p_.Get(syComma);
      list->Add(Expression().release());
    }
    return list;
  }

  // ---- value expressions ----
  Owned<TSQLExpressionItem> Expression() { return BinaryChain([this] { return ExpressionFactor(); }); }

  Owned<TSQLExpressionItem> ExpressionFactor() { return BinaryChain([this] { return ExpressionUnary(); }); }

  // operand { operator operand }, left-associative.
  template <class Operand>
  Owned<TSQLExpressionItem> BinaryChain(Operand operand) {
    Owned<TSQLExpressionItem> result = operand();
    while (Repeats()) {
      Choice();
      auto op = Make<TSQLOperator>(p_.GetIn({syPlus, syMinus, syStar, sySlash, syPercent}).val);
      auto node = Make<TSQLExpressionOperatorBinary>(result.release(), op.release());
      node->RightExpression = operand().release();
      result = std::move(node);
    }
    return result;
  }

  Owned<TSQLExpressionItem> ExpressionUnary() {
    if (Choice() != 0) return ExpressionTerm();
    Choice();
    auto node = Make<TSQLExpressionOperatorPrefix>(p_.GetIn({syMinus, syPlus, syTilde}).val);
    node->Expression = ExpressionUnary().release();
    return node;
  }

  Owned<TSQLExpressionItem> ExpressionTerm() {
    switch (Choice()) {
      case 0: {
        p_.Get(syLParen);
        auto brackets = Make<TSQLExpressionBrackets>();
        brackets->Expression = Expression().release();
        p_.Get(syRParen);
        return brackets;
      }
      case 1:
        Choice();
        return Make<TSQLExpressionConstant>(
            Variant(p_.GetIn({_integer, _Real, kwNull, _ASCIIStringLiteral, _HexLiteral, _ODBCDateTime}).val));
      case 2: {
        auto column = Make<TSQLExpressionColumn>();
        column->Column = DbColumn().release();
        return column;
      }
      case 3:
        return Aggregate();
      case 4: {
        auto function = Make<TSQLExpressionFunction>();
        function->Function = SQLFunction().release();
        return function;
      }
      case 5: {
        p_.Get(syLParen);
        auto select = Make<TSQLExpressionSelect>();
        select->SubQuery = Statement<TSQLSubSelectStatement>().release();
        p_.Get(syRParen);
        return select;
      }
      case 6:
        return CaseFunction();
      case 7:
        return CastFunction();
      default: {
        Choice();
        auto function = Make<TSQLExpressionParameterlessFunction>();
        function->Name = p_.GetIn({kwCurrentTimestamp, kwCurrentUser, kwSessionUser, kwSystemUser}).val;
        return function;
      }
    }
  }

  Owned<TSQLExpressionItem> Aggregate() {
    if (Choice() == 0) {
      Choice();
      std::string name = p_.GetIn({kwAvg, kwMax, kwMin, kwSum}).val;
      p_.Get(syLParen);
      Owned<TSQLExpressionItem> node = AggregateArgument(name);
      p_.Get(syRParen);
      return node;
    }
    std::string name = p_.Get(kwCount).val;
    p_.Get(syLParen);
    Owned<TSQLExpressionItem> node;
    if (Choice() == 0) {
      p_.Get(syStar);
      auto star = Make<TSQLExpressionAggregate>();
      star->Name = name;
      node = std::move(star);
    } else {
      node = AggregateArgument(name);
    }
    p_.Get(syRParen);
    return node;
  }

  // [("all" | "distinct")] expression
  Owned<TSQLExpressionItem> AggregateArgument(const std::string& name) {
    auto node = Make<TSQLExpressionAggregate1ParamWPrefix>();
    node->Name = name;
    if (Taken()) {
      node->Distinct = Choice() == 1 ? 1 : 0;
      p_.GetIn({kwAll, kwDistinct});
    }
    node->Param = Expression().release();
    return node;
  }

  Owned<TSQLExpressionItem> CaseFunction() {
    p_.Get(kwCase);
    auto node = Make<TSQLExpressionCaseFunction>();
    const bool searched = Choice() == 1;
    if (!searched) node->CaseExpression = Expression().release();
    do {
      p_.Get(kwWhen);
      auto item = Make<TSQLCaseFunctionItem>();
      item->WhenExpression = (searched ? ExpressionLogical() : Expression()).release();
      p_.Get(kwThen);
      item->ThenExpression = Expression().release();
      node->Add(item.release());
    } while (Repeats());
    if (Taken()) {
      p_.Get(kwElse);
      node->ElseExpression = Expression().release();
    }
    p_.Get(kwEnd);
    return node;
  }

  Owned<TSQLExpressionItem> CastFunction() {
    p_.Get(kwCast);
    p_.Get(syLParen);
    auto node = Make<TSQLExpressionCast>();
    node->Expression = Expression().release();
    p_.Get(kwAs);
    node->CastType = SQLType().release();
    p_.Get(syRParen);
    return node;
  }

  // ---- data types ----
  Owned<TSQLType> SQLType() {
    if (Choice() == 0) return SQLTypeUser();
    auto type = Make<TSQLTypeBuiltIn>();
    const int form = Choice();
    if (form == 0) {
      Choice();
      type->AddName(p_.Get().val);
      if (p_.CurrentToken->kind == kwDouble) type->AddName(p_.Get(kwPrecision).val);
      return type;
    }
    // Forms 1 to 16 pass their words in lower case.
    auto word = [&](int32_t kind) {
      p_.Get(kind);
      type->AddName(std::string(KindText(kind)));
    };
    // Sizes and scales are integer tokens within the 32-bit range: the way
    // calculation admitted no other.
    auto size = [&] {
      p_.Get(syLParen);
      type->HasSize = true;
      type->Size = StrToInt(p_.Get(_integer).val);
      p_.Get(syRParen);
    };
    auto zone = [&](int32_t withOrWithout) {
      if (Taken()) size();
      word(withOrWithout);
      word(kwTime);
      word(kwZone);
    };
    static constexpr int32_t kSizedWords[] = {0,         kwBit,   0,      kwVarbit,   0,           kwVarchar,
                                              kwCharacter, kwChar, kwInterval, 0,      0,           kwTime,
                                              0,         0,       kwTimestamp};
    switch (form) {
      case 2:
        word(kwBit);
        word(kwVarying);
        type->SizeAfterWord = 1;
        size();
        break;
      case 4:
        word(kwCharacter);
        word(kwVarying);
        type->SizeAfterWord = 1;
        if (Taken()) size();
        break;
      case 9:
      case 10:
        word(form == 9 ? kwNumeric : kwDecimal);
        p_.Get(syLParen);
        type->HasSize = true;
        type->Size = StrToInt(p_.Get(_integer).val);
        if (Taken()) {
          p_.Get(syComma);
          type->HasScale = true;
          type->Scale = StrToInt(p_.Get(_integer).val);
        }
        p_.Get(syRParen);
        break;
      case 12:
      case 13:
        word(kwTime);
        zone(form == 12 ? kwWithout : kwWith);
        break;
      case 15:
      case 16:
        word(kwTimestamp);
        zone(form == 15 ? kwWithout : kwWith);
        break;
      default:
        word(kSizedWords[form]);
        size();
        break;
    }
    return type;
  }

  Owned<TSQLType> SQLTypeUser() {
    auto type = Make<TSQLTypeUser>();
    auto name = Make<TSQLQualifiedName>();
    std::vector<std::string> names;
    if (Taken()) {
      names.push_back(Identifier());
      p_.Get(syDot);
    }
    names.push_back(Identifier());
    for (const std::string& part : names) name->AddName(part);
    type->Name = name.release();
    return type;
  }

 private:
  template <class T, class... Args>
  Owned<T> Make(Args&&... args) {
    return Owned<T>(New<T>(sp_, std::forward<Args>(args)...));
  }
  int32_t Choice() { return p_.NextChoice(); }
  bool Taken() { return p_.NextChoice() == 1; }
  bool Repeats() { return p_.NextChoice() == 1; }

  TvnBaseParser& p_;
  TastSyntaxProvider* sp_;
};

void RuleWayCalc(TvnBaseParser& parser, TvnWayList& ways, Rule rule) {
  parser.WayCalc(ways, Grammar().Body(rule));
  if (parser.DeduplicateWays) parser.Deduplicate(ways);
}

}  // namespace

SQL92Parser::SQL92Parser(TvnBaseScanner* scanner, TastSyntaxProvider* syntaxProvider)
    : TvnBaseParser(scanner, syntaxProvider) {
  UseGrammar(Grammar());
  // The rules that several readings of brackets and joins start at the same
  // token: a FROM source (plain or right of JOIN), an expression and a
  // condition (in brackets, as left operand, as sub-query contents).
  for (Rule rule : {subTableSource, expression, expressionLogical, subSelectStatement}) MemoizeRule(rule);
}

const TvnParserClass& SQL92Parser::ClassType() {
  static const TvnParserClass type{"SQL92Parser", [](TvnBaseScanner* scanner, TastSyntaxProvider* provider) {
                                     return std::unique_ptr<TvnBaseParser>(new SQL92Parser(scanner, provider));
                                   }};
  return type;
}

void SQL92Parser::ParseSelectWayCalc(TvnWayList& ways) { RuleWayCalc(*this, ways, selectStatement); }
TastNode* SQL92Parser::ParseSelect() { return Builder(*this).Statement<TSQLSelectStatement>().release(); }
void SQL92Parser::ParseObjectNameWayCalc(TvnWayList& ways) { RuleWayCalc(*this, ways, dbObject); }
TastNode* SQL92Parser::ParseObjectName() { return Builder(*this).DbObject().release(); }
void SQL92Parser::ParseExpressionWayCalc(TvnWayList& ways) { RuleWayCalc(*this, ways, expression); }
TastNode* SQL92Parser::ParseExpression() { return Builder(*this).Expression().release(); }
void SQL92Parser::ParseSelectItemWayCalc(TvnWayList& ways) { RuleWayCalc(*this, ways, selectItem); }
TastNode* SQL92Parser::ParseSelectItem() { return Builder(*this).SelectItem().release(); }
void SQL92Parser::ParseLogicalExpressionWayCalc(TvnWayList& ways) { RuleWayCalc(*this, ways, expressionLogical); }
TastNode* SQL92Parser::ParseLogicalExpression() { return Builder(*this).ExpressionLogical().release(); }
