// The SQL-92 grammar. Alternatives and options are numbered as written; when
// a text has several complete parses, the earlier alternative, the taken
// option and the smaller number of repetitions win. The building pass in
// SQL92Parser.cpp reads the decisions of these rules in the same order.

#include "parser/SQL92Grammar.h"

#include <memory>

#include "parser/SQL92Tokens.h"

namespace sql92 {

const TvnTokenSet& NameTokens() {
  static const TvnTokenSet set = [] {
    TvnTokenSet s{_NonQuotedIdentifier, _QuotedIdentifier};
    s.IncludeRange(kwFirstNonReserved, kwLast);
    return s;
  }();
  return set;
}

const TvnTokenSet& PredicateStart() {
  static const TvnTokenSet set{syEqual,        syNotEqual, syBangEqual, syLessEqual, syNotGreater,
                               syLess,         syGreaterEqual, syNotLess, syGreater, kwNot,
                               kwIs,           kwLike,     kwBetween,   kwIn};
  return set;
}

const TvnTokenSet& ExpressionStart() { return Grammar().Body(expression)->First; }

namespace {

TvnTokenSet With(TvnTokenSet set, std::initializer_list<int32_t> more) {
  for (int32_t kind : more) set.Include(kind);
  return set;
}

void DefineGrammar(TvnGrammar& g) {
  using E = TvnGrammar::E;
  auto T = [&g](int32_t kind) { return g.Terminal(kind); };
  auto R = [&g](int32_t rule) { return g.Rule(rule); };
  auto S = [&g](std::vector<E> items) { return g.Seq(std::move(items)); };
  auto A = [&g](std::vector<E> items) { return g.Alt(std::move(items)); };
  auto N = [&g](E body) { return g.Nest(body); };
  auto Words = [&](std::initializer_list<int32_t> kinds) {
    std::vector<E> items;
    for (int32_t kind : kinds) items.push_back(T(kind));
    return A(std::move(items));
  };
  const TvnTokenSet names = NameTokens();
  const TvnTokenSet namesOrDot = With(names, {syDot});
  const TvnTokenSet aliasStart = With(names, {_ASCIIStringLiteral});
  const E size = g.Terminal(_integer, efInt32);
  // name = ( identifier | keywordAsIdentifier ); part = [ name ], empty only before ".".
  const E name = A({R(identifier), R(keywordAsIdentifier)});
  const E part = g.Opt(A({R(identifier), R(keywordAsIdentifier)}), {syDot});
  // [ ["as"] alias ], "as" skipped only before an alias.
  auto OptionalAlias = [&] { return g.Opt(S({g.Opt(T(kwAs), aliasStart), R(alias)})); };
  auto BracketedSize = [&] { return S({T(syLParen), size, T(syRParen)}); };

  // ---- query statements ----
  g.Define(selectStatement, "selectStatement", S({R(queryExpression), g.Opt(R(orderByClause))}));
  g.Define(subSelectStatement, "subSelectStatement", S({R(queryExpression), g.Opt(R(orderByClause))}));
  g.Define(queryExpression, "queryExpression",
           S({R(subQueryExpression),
              g.Iter(S({Words({kwUnion, kwExcept, kwIntersect}), g.Opt(T(kwAll), {syLParen, kwSelect}),
                        R(subQueryExpression)}))}));
  g.Define(subQueryExpression, "subQueryExpression",
           A({R(querySpecification), N(S({T(syLParen), R(queryExpression), T(syRParen)}))}));
  g.Define(querySpecification, "querySpecification",
           S({R(selectClause), g.Opt(R(fromClause)), g.Opt(S({T(kwWhere), R(expressionLogical)})),
              g.Opt(R(groupByList)), g.Opt(S({T(kwHaving), R(expressionLogical)}))}));
  g.Define(selectClause, "selectClause", S({T(kwSelect), g.Opt(Words({kwAll, kwDistinct})), R(selectList)}));
  g.Define(selectList, "selectList", g.Opt(S({R(selectItem), g.Iter(S({T(syComma), R(selectItem)}))})));
  g.Define(selectItem, "selectItem",
           A({T(syStar), S({R(alias), T(syEqual), R(expression)}), S({R(dbObject), T(syDotStar)}),
              S({R(expression), OptionalAlias()})}));
  g.Define(alias, "alias", A({R(identifier), R(stringLiteral), R(keywordAsIdentifier)}));
  g.Define(fromClause, "fromClause", S({T(kwFrom), g.Opt(R(tableSource))}));
  g.Define(tableSource, "tableSource", S({R(subTableSource), g.Iter(R(joinedTable))}));
  g.Define(subTableSource, "subTableSource",
           A({N(S({T(syLParen),
                   A({S({R(tableSource), T(syRParen)}),
                      S({R(subSelectStatement), T(syRParen), g.Opt(T(kwAs), aliasStart), R(alias),
                         g.Opt(S({T(syLParen), R(alias), g.Iter(S({T(syComma), R(alias)}), TvnTokenSet{syRParen}),
                                  T(syRParen)}))})})})),
              S({R(SQLfunction), OptionalAlias()}), S({R(dbObject), OptionalAlias()})}));
  g.Define(joinedTable, "joinedTable",
           A({S({T(syComma), R(subTableSource)}), S({T(kwCross), T(kwJoin), R(subTableSource)}),
              S({g.Opt(A({T(kwInner), S({Words({kwLeft, kwRight, kwFull}), g.Opt(T(kwOuter), {kwJoin})})}), {kwJoin}),
                 T(kwJoin), A({R(subTableSource), R(tableSourceInner)}), T(kwOn), R(expressionLogical)})}));
  // The joins inside a right operand count one nesting level, not the operand
  // itself: a bracketed operand then stands at the same level in both of its
  // readings (one source, or the first source of a nested join), so what it
  // leads to is computed once for both.
  g.Define(tableSourceInner, "tableSourceInner",
           S({R(subTableSource), N(R(joinedTable)), g.Iter(N(R(joinedTable)))}));
  g.Define(SQLfunction, "SQLfunction",
           S({R(dbObject),
              N(S({T(syLParen),
                   g.Opt(S({R(expression), g.Iter(S({T(syComma), R(expression)}), TvnTokenSet{syRParen})}), {syRParen}),
                   T(syRParen)}))}));
  {
    const E innermost = g.Opt(S({part, T(syDot)}), namesOrDot);
    const E inner = g.Opt(S({innermost, part, T(syDot)}), namesOrDot);
    const E outer = g.Opt(S({inner, part, T(syDot)}), names);
    g.Define(dbObject, "dbObject", S({outer, name}));
  }
  g.Define(groupByList, "groupByList",
           S({T(kwGroup), T(kwBy), R(expression), g.Iter(S({T(syComma), R(expression)}))}));
  g.Define(orderByClause, "orderByClause",
           S({T(kwOrder), T(kwBy), R(orderByItem), g.Iter(S({T(syComma), R(orderByItem)}))}));
  g.Define(orderByItem, "orderByItem", S({R(expression), g.Opt(Words({kwAsc, kwDesc}))}));
  g.Define(identifier, "identifier", Words({_NonQuotedIdentifier, _QuotedIdentifier}));
  g.Define(stringLiteral, "stringLiteral", T(_ASCIIStringLiteral));
  {
    std::vector<E> words;
    for (int32_t kind = kwFirstNonReserved; kind <= kwLast; ++kind) words.push_back(T(kind));
    g.Define(keywordAsIdentifier, "keywordAsIdentifier", A(std::move(words)));
  }

  // ---- conditions ----
  g.Define(expressionLogical, "expressionLogical",
           S({R(expressionAnd), g.Iter(S({T(kwOr), R(expressionAnd)}))}));
  g.Define(expressionAnd, "expressionAnd", S({R(expressionNot), g.Iter(S({T(kwAnd), R(expressionNot)}))}));
  g.Define(expressionNot, "expressionNot", A({N(S({T(kwNot), R(expressionNot)})), R(expressionLogicalTerm)}));
  g.Define(expressionLogicalTerm, "expressionLogicalTerm",
           A({N(S({T(syLParen), R(expressionLogical), T(syRParen)})),
              S({A({g.Empty(PredicateStart(), efUnlessLeftOperandRequired), R(expression)}), R(predicate)}),
              N(S({T(kwExists), T(syLParen), R(subSelectStatement), T(syRParen)}))}));
  g.Define(predicate, "predicate",
           A({S({R(comparisonOperator), A({R(expression), R(expressionCompWithSet)})}),
              S({T(kwIs), g.Opt(T(kwNot), {kwNull}), T(kwNull)}),
              S({g.Opt(T(kwNot), {kwLike}), T(kwLike), R(expression), g.Opt(S({T(kwEscape), R(expression)}))}),
              S({g.Opt(T(kwNot), {kwBetween}), T(kwBetween), R(expression), T(kwAnd), R(expression)}),
              S({g.Opt(T(kwNot), {kwIn}), T(kwIn),
                 N(S({T(syLParen), A({R(subSelectStatement), R(expressionsList)}), T(syRParen)}))})}));
  g.Define(comparisonOperator, "comparisonOperator",
           Words({syEqual, syNotEqual, syBangEqual, syLessEqual, syNotGreater, syLess, syGreaterEqual, syNotLess,
                  syGreater}));
  g.Define(expressionsList, "expressionsList", S({R(expression), g.Iter(S({T(syComma), R(expression)}))}));
  g.Define(expressionCompWithSet, "expressionCompWithSet",
           S({Words({kwAll, kwSome, kwAny}), N(S({T(syLParen), R(subSelectStatement), T(syRParen)}))}));

  // ---- value expressions ----
  g.Define(expression, "expression", R(expressionAdd));
  g.Define(expressionAdd, "expressionAdd",
           S({R(expressionFactor), g.Iter(S({Words({syPlus, syMinus}), R(expressionFactor)}), efDeepensTree)}));
  g.Define(expressionFactor, "expressionFactor",
           S({R(expressionUnary),
              g.Iter(S({Words({syStar, sySlash, syPercent}), R(expressionUnary)}), efDeepensTree)}));
  g.Define(expressionUnary, "expressionUnary",
           A({N(S({Words({syMinus, syPlus, syTilde}), R(expressionUnary)})), R(expressionTerm)}));
  g.Define(expressionTerm, "expressionTerm",
           A({N(S({T(syLParen), R(expression), T(syRParen)})), R(constant), R(dbColumn), R(SQLAggregateFunction),
              R(SQLfunction), N(S({T(syLParen), R(subSelectStatement), T(syRParen)})), R(caseFunction),
              R(castFunction), R(parameterlessFunction)}));
  g.Define(constant, "constant",
           A({T(_integer), T(_Real), T(kwNull), R(stringLiteral), T(_HexLiteral), T(_ODBCDateTime)}));
  {
    const E innermost = g.Opt(S({part, T(syDot)}), namesOrDot);
    const E inner = g.Opt(S({innermost, part, T(syDot)}), namesOrDot);
    const E outer = g.Opt(S({inner, part, T(syDot)}), names);
    const E table = g.Opt(S({outer, name, T(syDot)}), names);
    g.Define(dbColumn, "dbColumn", S({table, name}));
  }
  {
    auto Argument = [&] { return S({g.OptBeforeRule(Words({kwAll, kwDistinct}), expression), R(expression)}); };
    g.Define(SQLAggregateFunction, "SQLAggregateFunction",
             A({S({Words({kwAvg, kwMax, kwMin, kwSum}), N(S({T(syLParen), Argument(), T(syRParen)}))}),
                S({T(kwCount), N(S({T(syLParen), A({T(syStar), Argument()}), T(syRParen)}))})}));
  }
  {
    const TvnTokenSet elseOrEnd{kwElse, kwEnd};
    g.Define(caseFunction, "caseFunction",
             N(S({T(kwCase),
                  A({S({R(expression), T(kwWhen), R(expression), T(kwThen), R(expression),
                        g.Iter(S({T(kwWhen), R(expression), T(kwThen), R(expression)}), elseOrEnd)}),
                     S({T(kwWhen), R(expressionLogical), T(kwThen), R(expression),
                        g.Iter(S({T(kwWhen), R(expressionLogical), T(kwThen), R(expression)}), elseOrEnd)})}),
                  g.Opt(S({T(kwElse), R(expression)}), {kwEnd}), T(kwEnd)})));
  }
  g.Define(castFunction, "castFunction",
           S({T(kwCast), N(S({T(syLParen), R(expression), T(kwAs), R(SQLType), T(syRParen)}))}));
  g.Define(parameterlessFunction, "parameterlessFunction",
           Words({kwCurrentTimestamp, kwCurrentUser, kwSessionUser, kwSystemUser}));

  // ---- data types ----
  {
    auto SizedWord = [&](int32_t word) { return S({T(word), BracketedSize()}); };
    auto Precision = [&](int32_t word) {
      return S({T(word), T(syLParen), size, g.Opt(S({T(syComma), size}), {syRParen}), T(syRParen)});
    };
    auto Zoned = [&](int32_t word, int32_t withOrWithout) {
      return S({T(word), g.Opt(BracketedSize(), {withOrWithout}), T(withOrWithout), T(kwTime), T(kwZone)});
    };
    g.Define(SQLType, "SQLType",
             A({R(SQLTypeUser),
                A({R(SQLType1word), SizedWord(kwBit), S({T(kwBit), T(kwVarying), BracketedSize()}),
                   SizedWord(kwVarbit), S({T(kwCharacter), T(kwVarying), g.Opt(BracketedSize())}),
                   SizedWord(kwVarchar), SizedWord(kwCharacter), SizedWord(kwChar), SizedWord(kwInterval),
                   Precision(kwNumeric), Precision(kwDecimal), SizedWord(kwTime), Zoned(kwTime, kwWithout),
                   Zoned(kwTime, kwWith), SizedWord(kwTimestamp), Zoned(kwTimestamp, kwWithout),
                   Zoned(kwTimestamp, kwWith)})}));
  }
  g.Define(SQLTypeUser, "SQLTypeUser",
           S({g.Opt(S({R(identifier), T(syDot)}), {_NonQuotedIdentifier, _QuotedIdentifier}), R(identifier)}));
  g.Define(SQLType1word, "SQLType1word",
           A({T(kwBigint),   T(kwInt8),      T(kwBigserial), T(kwSerial8),  T(kwBit),       T(kwVarbit),
              T(kwVarchar),  T(kwCharacter), T(kwChar),      T(kwInterval), T(kwNumeric),   T(kwDecimal),
              T(kwBoolean),  T(kwBool),      T(kwBox),       T(kwBytea),    T(kwCidr),      T(kwCircle),
              T(kwDate),     S({T(kwDouble), T(kwPrecision)}), T(kwFloat8), T(kwInet),   T(kwInteger),
              T(kwInt),      T(kwInt4),      T(kwLine),      T(kwLseg),     T(kwMacaddr),   T(kwMoney),
              T(kwPath),     T(kwPoint),     T(kwPolygon),   T(kwReal),     T(kwFloat4),    T(kwSmallint),
              T(kwInt2),     T(kwSerial),    T(kwSerial4),   T(kwText),     T(kwTime),      T(kwTimetz),
              T(kwTimestamp), T(kwTimestamptz)}));
}

}  // namespace

const TvnGrammar& Grammar() {
  static const std::unique_ptr<TvnGrammar> grammar = [] {
    auto g = std::make_unique<TvnGrammar>();
    DefineGrammar(*g);
    g->Complete();
    return g;
  }();
  return *grammar;
}

}  // namespace sql92
