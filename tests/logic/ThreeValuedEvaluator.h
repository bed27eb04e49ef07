#pragma once
// A three-valued (true, false, unknown) evaluator of conditions over a small
// fixed universe: the integer columns a, b, c with values NULL, 1, 2; the
// text column s with values NULL, 'a', 'ab', 'b'; and EXISTS sub-queries,
// opaque atoms that are true or false, told apart by their table (t1 or t2).
// A condition's truth table lists its value under every assignment.

#include <cstdint>
#include <string>
#include <vector>

class TSQLExpressionItem;

enum class Truth : std::uint8_t { False, True, Unknown };

using TruthTable = std::vector<Truth>;

// Every assignment of the universe, in a fixed order.
int AssignmentCount();
// The values of one assignment, for failure messages ("a=NULL b=1 ...").
std::string DescribeAssignment(int Index);

// The truth table of Condition. Raises std::logic_error for a node the
// evaluator does not know, so an unexpected shape fails the test loudly.
TruthTable TruthTableOf(TSQLExpressionItem* Condition);
