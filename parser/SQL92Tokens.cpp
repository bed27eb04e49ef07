#include "parser/SQL92Tokens.h"

#include <array>
#include <string>
#include <unordered_map>

namespace sql92 {
namespace {

constexpr std::array<std::string_view, maxT + 1> kKindTexts = {
    "EOF",
    "integer",
    "real",
    "ODBC date/time",
    "identifier",
    "quoted identifier",
    "hex literal",
    "string literal",
    "variable",
    ";",
    "order",
    "by",
    ",",
    "asc",
    "desc",
    "union",
    "except",
    "intersect",
    "all",
    "(",
    ")",
    "where",
    "having",
    "select",
    "distinct",
    "group",
    "*",
    "=",
    ".*",
    "as",
    "from",
    "cross",
    "join",
    "inner",
    "left",
    "right",
    "full",
    "outer",
    "on",
    "or",
    "and",
    "not",
    "is",
    "null",
    "like",
    "escape",
    "between",
    "in",
    "exists",
    "some",
    "any",
    "+",
    "-",
    "/",
    "%",
    "~",
    "current_timestamp",
    "current_user",
    "session_user",
    "system_user",
    "case",
    "when",
    "then",
    "else",
    "end",
    ".",
    "bigint",
    "int8",
    "bigserial",
    "serial8",
    "bit",
    "varbit",
    "varchar",
    "character",
    "char",
    "interval",
    "numeric",
    "decimal",
    "boolean",
    "bool",
    "box",
    "bytea",
    "cidr",
    "circle",
    "date",
    "double",
    "precision",
    "float8",
    "inet",
    "integer",
    "int",
    "int4",
    "line",
    "lseg",
    "macaddr",
    "money",
    "path",
    "point",
    "polygon",
    "real",
    "float4",
    "smallint",
    "int2",
    "serial",
    "serial4",
    "text",
    "time",
    "timetz",
    "timestamp",
    "timestamptz",
    "varying",
    "without",
    "zone",
    "with",
    "avg",
    "max",
    "min",
    "sum",
    "count",
    "cast",
    "ada",
    "c",
    "catalog_name",
    "character_set_catalog",
    "character_set_name",
    "character_set_schema",
    "class_origin",
    "cobol",
    "collation_catalog",
    "collation_name",
    "collation_schema",
    "column_name",
    "command_function",
    "committed",
    "condition_number",
    "connection_name",
    "constraint_catalog",
    "constraint_name",
    "constraint_schema",
    "cursor_name",
    "data",
    "datetime_interval_code",
    "datetime_interval_precision",
    "dynamic_function",
    "fortran",
    "length",
    "message_length",
    "message_octet_length",
    "message_text",
    "more",
    "mumps",
    "name",
    "nullable",
    "number",
    "pascal",
    "pli",
    "repeatable",
    "returned_length",
    "returned_octet_length",
    "returned_sqlstate",
    "row_count",
    "scale",
    "schema_name",
    "serializable",
    "server_name",
    "subclass_origin",
    "table_name",
    "type",
    "uncommitted",
    "unnamed",
    "<>",
    "!=",
    "<=",
    "!>",
    "<",
    ">=",
    "!<",
    ">",
    "unrecognised text"};

// Keyed by views of the static kind texts, so a lookup needs no string.
const std::unordered_map<std::string_view, int32_t>& KeywordTable() {
  static const std::unordered_map<std::string_view, int32_t> table = [] {
    std::unordered_map<std::string_view, int32_t> words;
    for (int32_t kind = kwFirst; kind <= kwLast; ++kind)
      if (IsKeywordKind(kind)) words.emplace(kKindTexts[kind], kind);
    return words;
  }();
  return table;
}

// Longer than every keyword.
constexpr size_t kKeywordLengthLimit = 32;
static_assert([] {
  for (std::string_view text : kKindTexts)
    if (text.size() >= kKeywordLengthLimit) return false;
  return true;
}());

}  // namespace

std::string_view KindText(int32_t kind) {
  if (kind < 0 || kind > maxT) return {};
  return kKindTexts[kind];
}

bool IsKeywordKind(int32_t kind) {
  if (kind < kwFirst || kind > kwLast) return false;
  char first = kKindTexts[kind][0];
  return (first >= 'a' && first <= 'z') || first == '_';
}

int32_t LookupKeyword(std::string_view word) {
  if (word.size() >= kKeywordLengthLimit) return _NonQuotedIdentifier;
  char lower[kKeywordLengthLimit];
  for (size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  auto found = KeywordTable().find(std::string_view(lower, word.size()));
  return found == KeywordTable().end() ? _NonQuotedIdentifier : found->second;
}

bool IsReservedKeyword(std::string_view word) {
  int32_t kind = LookupKeyword(word);
  return kind != _NonQuotedIdentifier && kind < kwFirstNonReserved;
}

}  // namespace sql92
