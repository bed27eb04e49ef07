#include "ThreeValuedEvaluator.h"

#include <optional>
#include <set>
#include <stdexcept>

#include "ast/vnAST.h"
#include "platform/core/Strings.h"

namespace {

constexpr int kIntColumns = 3;  // a, b, c
const std::vector<std::optional<long>> kIntDomain = {std::nullopt, 1, 2};
const std::vector<std::optional<std::string>> kTextDomain = {std::nullopt, "a", "ab", "b"};
constexpr int kExistsAtoms = 2;  // t1, t2

// A value under one assignment: NULL, an integer or a text. Texts are kept
// once for the whole program, so values copy cheaply.
struct Value {
  enum Kind : std::uint8_t { Null, Int, Text } Kind = Null;
  long Number = 0;
  const std::string* Chars = nullptr;

  static Value Of(long N) { return Value{Int, N, nullptr}; }
  static Value Of(const std::string& S) {
    static std::set<std::string> texts;
    return Value{Text, 0, &*texts.insert(S).first};
  }
};
using Column = std::vector<Value>;

struct Assignment {
  std::optional<long> Ints[kIntColumns];
  std::optional<std::string> Text;
  bool Exists[kExistsAtoms];
};

const std::vector<Assignment>& Universe() {
  static const std::vector<Assignment> universe = [] {
    std::vector<Assignment> all;
    for (const auto& a : kIntDomain)
      for (const auto& b : kIntDomain)
        for (const auto& c : kIntDomain)
          for (const auto& s : kTextDomain)
            for (int e = 0; e < (1 << kExistsAtoms); ++e)
              all.push_back(Assignment{{a, b, c}, s, {(e & 1) != 0, (e & 2) != 0}});
    return all;
  }();
  return universe;
}

Truth Not(Truth t) {
  if (t == Truth::Unknown) return t;
  return t == Truth::True ? Truth::False : Truth::True;
}

Truth And(Truth x, Truth y) {
  if (x == Truth::False || y == Truth::False) return Truth::False;
  if (x == Truth::Unknown || y == Truth::Unknown) return Truth::Unknown;
  return Truth::True;
}

Truth Or(Truth x, Truth y) { return Not(And(Not(x), Not(y))); }

Truth FromBool(bool b) { return b ? Truth::True : Truth::False; }

[[noreturn]] void Refuse(TastNode* Node, const char* What) {
  if (!Node) throw std::logic_error(std::string("a ") + What + " without node");
  throw std::logic_error(std::string("evaluator does not know this ") + What + ": " + Node->ClassName() + " " +
                         Node->GetSimpleSQL());
}

// Three-valued comparison; values of different kinds mean the generator went wrong.
Truth Compare(const Value& x, const std::string& Op, const Value& y) {
  if (x.Kind == Value::Null || y.Kind == Value::Null) return Truth::Unknown;
  if (x.Kind != y.Kind) throw std::logic_error("comparison of an integer with a text");
  const int order = x.Kind == Value::Int ? (x.Number > y.Number) - (x.Number < y.Number) : x.Chars->compare(*y.Chars);
  if (Op == "=") return FromBool(order == 0);
  if (Op == "<>") return FromBool(order != 0);
  if (Op == "<") return FromBool(order < 0);
  if (Op == "<=") return FromBool(order <= 0);
  if (Op == ">") return FromBool(order > 0);
  if (Op == ">=") return FromBool(order >= 0);
  throw std::logic_error("unknown comparison operator " + Op);
}

// LIKE with % (any run) and _ (one character), no escape character.
bool Like(const std::string& Text, const std::string& Pattern, std::size_t t = 0, std::size_t p = 0) {
  if (p == Pattern.size()) return t == Text.size();
  if (Pattern[p] == '%') return Like(Text, Pattern, t, p + 1) || (t < Text.size() && Like(Text, Pattern, t + 1, p));
  if (t == Text.size()) return false;
  return (Pattern[p] == '_' || Pattern[p] == Text[t]) && Like(Text, Pattern, t + 1, p + 1);
}

class Evaluator {
 public:
  const std::vector<Assignment>& U = Universe();

  Column ValueOf(TSQLExpressionItem* E) {
    if (auto* brackets = dynamic_cast<TSQLExpressionBrackets*>(E)) return ValueOf(brackets->Expression);
    if (auto* column = dynamic_cast<TSQLExpressionColumn*>(E)) return ColumnValues(column);
    if (auto* constant = dynamic_cast<TSQLExpressionConstant*>(E)) return Column(U.size(), Literal(constant));
    Refuse(E, "value");
  }

  TruthTable TruthOf(TSQLExpressionItem* E) {
    if (auto* brackets = dynamic_cast<TSQLExpressionBrackets*>(E)) return TruthOf(brackets->Expression);
    if (auto* negation = dynamic_cast<TSQLExpressionNot*>(E)) return Map(TruthOf(negation->Expression), Not);
    if (auto* collection = dynamic_cast<TSQLExpressionLogicalCollection*>(E)) return Collection(collection);
    if (auto* exists = dynamic_cast<TSQLExpressionExists*>(E)) return Exists(exists);
    if (auto* isNull = dynamic_cast<TSQLExpressionIsNull*>(E)) return IsNull(isNull);
    if (auto* in = dynamic_cast<TSQLExpressionInSet*>(E)) return InSet(in);
    if (auto* between = dynamic_cast<TSQLExpressionBetween*>(E)) return Between(between);
    if (auto* like = dynamic_cast<TSQLExpressionLikeTemplate*>(E)) return LikeOf(like);
    if (auto* comparison = dynamic_cast<TSQLExpressionOperatorBinary*>(E)) return Comparison(comparison);
    Refuse(E, "condition");
  }

 private:
  static TruthTable Map(TruthTable Table, Truth (*F)(Truth)) {
    for (Truth& t : Table) t = F(t);
    return Table;
  }

  static TruthTable Negated(TruthTable Table, bool Negate) { return Negate ? Map(std::move(Table), Not) : Table; }

  Column ColumnValues(TSQLExpressionColumn* E) {
    const std::string name = AnsiLowerCase(E->Column->GetObjName());
    Column values;
    for (const Assignment& a : U) {
      if (name == "s") {
        values.push_back(a.Text ? Value::Of(*a.Text) : Value());
      } else if (name.size() == 1 && name[0] >= 'a' && name[0] < 'a' + kIntColumns) {
        const auto& v = a.Ints[name[0] - 'a'];
        values.push_back(v ? Value::Of(*v) : Value());
      } else {
        Refuse(E, "column");
      }
    }
    return values;
  }

  static Value Literal(TSQLExpressionConstant* E) {
    const std::string text = VarToStr(E->Value);
    if (AnsiUpperCase(text) == "NULL") return Value();
    if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') return Value::Of(text.substr(1, text.size() - 2));
    return Value::Of(std::stol(text));
  }

  TruthTable Collection(TSQLExpressionLogicalCollection* E) {
    const bool isAnd = Is<TSQLExpressionAnd>(E);
    TruthTable result(U.size(), isAnd ? Truth::True : Truth::False);
    for (int i = 0; i < E->GetCount(); ++i) {
      const TruthTable item = TruthOf(E->GetItems(i));
      for (std::size_t k = 0; k < result.size(); ++k) result[k] = isAnd ? And(result[k], item[k]) : Or(result[k], item[k]);
    }
    return result;
  }

  TruthTable Exists(TSQLExpressionExists* E) {
    const std::string query = AnsiLowerCase(E->SubQuery->GetSimpleSQL());
    const int atom = query.find("t1") != std::string::npos ? 0 : query.find("t2") != std::string::npos ? 1 : -1;
    if (atom < 0) Refuse(E, "sub-query");
    TruthTable result;
    for (const Assignment& a : U) result.push_back(FromBool(a.Exists[atom]));
    return result;
  }

  TruthTable IsNull(TSQLExpressionIsNull* E) {
    TruthTable result;
    for (const Value& v : ValueOf(E->Expression)) result.push_back(FromBool(v.Kind == Value::Null));
    return Negated(std::move(result), E->Negated);
  }

  TruthTable InSet(TSQLExpressionInSet* E) {
    const Column x = ValueOf(E->Expression);
    TruthTable result(U.size(), Truth::False);
    for (int i = 0; i < E->Values->GetCount(); ++i) {
      const Column v = ValueOf(E->Values->GetItems(i));
      for (std::size_t k = 0; k < result.size(); ++k) result[k] = Or(result[k], Compare(x[k], "=", v[k]));
    }
    return Negated(std::move(result), E->Negated);
  }

  TruthTable Between(TSQLExpressionBetween* E) {
    const Column x = ValueOf(E->Expression);
    const Column low = ValueOf(E->LowExpression);
    const Column high = ValueOf(E->HighExpression);
    TruthTable result;
    for (std::size_t k = 0; k < x.size(); ++k) result.push_back(And(Compare(x[k], ">=", low[k]), Compare(x[k], "<=", high[k])));
    return Negated(std::move(result), E->Negated);
  }

  TruthTable LikeOf(TSQLExpressionLikeTemplate* E) {
    if (E->EscapeExpression) Refuse(E, "LIKE with ESCAPE");
    const Column x = ValueOf(E->Expression);
    const Column pattern = ValueOf(E->Pattern);
    TruthTable result;
    for (std::size_t k = 0; k < x.size(); ++k) {
      if (x[k].Kind == Value::Null || pattern[k].Kind == Value::Null)
        result.push_back(Truth::Unknown);
      else if (x[k].Kind != Value::Text || pattern[k].Kind != Value::Text)
        throw std::logic_error("LIKE over an integer");
      else
        result.push_back(FromBool(Like(*x[k].Chars, *pattern[k].Chars)));
    }
    return Negated(std::move(result), E->Negated);
  }

  TruthTable Comparison(TSQLExpressionOperatorBinary* E) {
    const Column x = ValueOf(E->Expression);
    const Column y = ValueOf(E->RightExpression);
    const std::string op = E->Operator->OperatorText;
    TruthTable result;
    for (std::size_t k = 0; k < x.size(); ++k) result.push_back(Compare(x[k], op, y[k]));
    return result;
  }
};

}  // namespace

int AssignmentCount() { return static_cast<int>(Universe().size()); }

std::string DescribeAssignment(int Index) {
  const Assignment& a = Universe().at(Index);
  std::string text;
  for (int i = 0; i < kIntColumns; ++i)
    text += std::string(1, static_cast<char>('a' + i)) + "=" + (a.Ints[i] ? std::to_string(*a.Ints[i]) : "NULL") + " ";
  text += "s=" + (a.Text ? "'" + *a.Text + "'" : std::string("NULL"));
  for (int i = 0; i < kExistsAtoms; ++i) text += " exists(t" + std::to_string(i + 1) + ")=" + (a.Exists[i] ? "true" : "false");
  return text;
}

TruthTable TruthTableOf(TSQLExpressionItem* Condition) { return Evaluator().TruthOf(Condition); }
